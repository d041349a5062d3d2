// Drawing: a window's client-area image is a list of drawing operations.
// Painting (after invalidate) clears the list and runs the paint handler;
// drawing outside paint appends to the list, so it persists until the next
// paint. Backends replay the list; tests read it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "fw/geometry.h"

namespace fw {

class Module;
class Window;

struct DrawOp {
    enum class Kind { Bitmap, Line, Text };
    Kind kind = Kind::Line;
    Point from;                     // line start; bitmap top-left; text position
    Point to;                       // line end (the end pixel is not drawn)
    Rect clip;                      // bitmap: drawn unscaled, clipped to this box
    const Module* module = nullptr; // bitmap's module
    int bitmap = 0;
    std::string text;               // default font, black on opaque white
};

class Canvas {
public:
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();  // outside paint: tells the backend the image changed

    void drawBitmap(const Module& module, int bitmapId, Point topLeft, Rect clip);
    void drawBitmap(int bitmapId, Point topLeft, Rect clip);  // the window's module
    void moveTo(Point p) { m_pen = p; }
    void lineTo(Point p);                 // 1-pixel black line, pen moves to p
    void line(Point from, Point to);
    void textOut(Point p, std::string_view text);
    Rect clientRect() const;

private:
    friend class Window;
    Canvas(Window& w, bool painting) : m_window(w), m_painting(painting) {}
    Window& m_window;
    bool m_painting;
    bool m_dirty = false;
    Point m_pen;
};

}  // namespace fw
