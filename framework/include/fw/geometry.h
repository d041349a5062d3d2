// Points, sizes and rectangles in pixels; boxes in dialog units.
#pragma once
#include <string>
#include <utility>

namespace fw {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Pixel rectangle, right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A template box in dialog units (x, y, width, height).
struct Box {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

// Has constructors: GCC 12 mistakes a nested aggregate's face for uninitialized
// on the exception path of a designated-initializer template (-Wmaybe-uninitialized).
struct Font {
    Font() = default;
    Font(std::string f, int p) : face(std::move(f)), points(p) {}
    std::string face = "宋体";
    int points = 9;
};

// Average character cell of a font in pixels at 96 dpi (height = points·96/72
// rounded, width = half the height rounded up: 宋体 9 is 6×12, 宋体 10 is 7×13). One dialog unit is width/4 horizontally, height/8
// vertically. Both backends use these, so absolute templates look the same.
Size baseUnits(const Font& font);
Rect toPixels(const Box& box, const Font& font);
Size toPixels(Size dialogUnits, const Font& font);

}  // namespace fw
