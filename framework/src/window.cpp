#include "fw/window.h"

#include "fw/backend.h"
#include "fw/services.h"
#include "modal.h"

namespace fw {

// ---- Canvas ----

Canvas::~Canvas() {
    if (!m_painting && m_dirty && hasBackend()) backend().canvasChanged(m_window);
}

void Canvas::drawBitmap(const Module& module, int bitmapId, Point topLeft, Rect clip) {
    DrawOp op;
    op.kind = DrawOp::Kind::Bitmap;
    op.from = topLeft;
    op.clip = clip;
    op.module = &module;
    op.bitmap = bitmapId;
    m_window.m_drawing.push_back(std::move(op));
    m_dirty = true;
}

void Canvas::drawBitmap(int bitmapId, Point topLeft, Rect clip) {
    const Module* m = m_window.module();
    if (!m) return;
    drawBitmap(*m, bitmapId, topLeft, clip);
}

void Canvas::line(Point from, Point to) {
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.from = from;
    op.to = to;
    m_window.m_drawing.push_back(std::move(op));
    m_pen = to;
    m_dirty = true;
}

void Canvas::lineTo(Point p) { line(m_pen, p); }

void Canvas::textOut(Point p, std::string_view text) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.from = p;
    op.text = std::string(text);
    m_window.m_drawing.push_back(std::move(op));
    m_dirty = true;
}

Rect Canvas::clientRect() const { return m_window.clientRect(); }

// ---- Window ----

Window::Window(Window* parent) : m_parent(parent) {}

Window::~Window() {
    if (hasBackend()) backend().windowDestroyed(*this);
}

void Window::setCaption(std::string_view text) {
    if (m_caption == text) return;
    m_caption = std::string(text);
    if (running() && hasBackend()) backend().captionChanged(*this);
}

void Window::invalidate() {
    m_needsPaint = true;
    if (running() && hasBackend()) backend().invalidate(*this);
}

Rect Window::clientRect() const { return {0, 0, m_clientSize.width, m_clientSize.height}; }

void Window::setClientSize(Size s) { m_clientSize = s; }

void Window::paint() {
    m_needsPaint = false;
    m_drawing.clear();
    if (!m_paintHandler) return;
    Canvas c(*this, true);
    auto handler = m_paintHandler;
    handler(c);
}

void Window::setTimer(int id, int ms, TimerKind kind) {
    m_timers[id] = kind;
    if (hasBackend()) backend().startTimer(*this, id, ms);
}

void Window::killTimer(int id) {
    if (m_timers.erase(id) && hasBackend()) backend().stopTimer(*this, id);
}

void Window::userTimer(int id) {
    auto it = m_timers.find(id);
    if (it == m_timers.end()) return;
    if (it->second == TimerKind::Once) killTimer(id);
    if (m_timerHandler) {
        auto h = m_timerHandler;
        h(id);
    }
}

void Window::WinHelp(std::uintptr_t data, unsigned command) { htmlHelp(helpFile(), command, data); }

bool Window::acceptsInput() const {
    const Window& r = const_cast<Window*>(this)->root();
    if (!r.running() || r.ended()) return false;
    const auto& s = detail::modalStack();
    return !s.empty() && s.back().window == &r;
}

void Window::beginRun() {
    m_running = true;
    m_ended = false;
    m_result = 0;
    m_needsPaint = true;
}

void Window::endRun() {
    m_running = false;
    if (!m_ended) {
        m_ended = true;
        m_result = IDCANCEL;
    }
}

void Window::EndWindow(int code) {
    if (!m_running || m_ended) return;
    m_ended = true;
    m_result = code;
    if (m_inLoop && hasBackend()) backend().endModal(*this, code);
}

}  // namespace fw
