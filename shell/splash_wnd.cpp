#include "shell/splash_wnd.h"

#include "resources/kavrin/module.h"

bool CSplashWnd::c_bShowSplashWnd = false;
CSplashWnd* CSplashWnd::c_pSplashWnd = nullptr;

CSplashWnd::CSplashWnd(fw::Window* parent) : fw::PopupWindow(parent) {
    onPaint([this](fw::Canvas& c) {
        c.drawBitmap(kavrin::module(), kavrin::IDB_SPLASH, {0, 0}, rect().empty() ? fw::Rect{} : fw::Rect{0, 0, rect().width(), rect().height()});
    });
}

void CSplashWnd::EnableSplashScreen(bool enable) { c_bShowSplashWnd = enable; }

void CSplashWnd::ShowSplashScreen(fw::Window* parent) {
    if (!c_bShowSplashWnd || c_pSplashWnd) return;
    auto* w = new CSplashWnd(parent);
    if (!w->Create()) {
        delete w;
        return;
    }
    c_pSplashWnd = w;
    w->UpdateWindow();
}

bool CSplashWnd::Create() {
    const fw::Bitmap* b = kavrin::module().bitmap(kavrin::IDB_SPLASH);
    if (!b || b->width <= 0 || b->height <= 0) return false;
    return fw::PopupWindow::Create(kavrin::module(), {0, 0, b->width, b->height});
}

void CSplashWnd::OnCreate() {
    CenterWindow();
    SetTimer(1, 8500);
}

void CSplashWnd::OnTimer(int) { HideSplashScreen(); }

void CSplashWnd::HideSplashScreen() {
    fw::Window* owner = parent();
    DestroyWindow();   // deletes this
    if (fw::App* a = fw::App::current(); a && a->mainFrame() && a->mainFrame() == owner) a->mainFrame()->UpdateWindow();
}

void CSplashWnd::PostNcDestroy() {
    if (c_pSplashWnd == this) c_pSplashWnd = nullptr;
    delete this;
}

bool CSplashWnd::PreTranslateAppMessage(const fw::InputMessage& m) {
    if (!c_pSplashWnd) return false;
    using K = fw::InputMessage::Kind;
    switch (m.kind) {
    case K::KeyDown: case K::SysKeyDown: case K::LButtonDown: case K::RButtonDown: case K::MButtonDown:
    case K::NcLButtonDown: case K::NcRButtonDown: case K::NcMButtonDown:
        c_pSplashWnd->HideSplashScreen();
        return true;
    default: return false;
    }
}

void CSplashWnd::CloseSplashOf(fw::Window* owner) {
    if (c_pSplashWnd && c_pSplashWnd->parent() == owner) c_pSplashWnd->DestroyWindow();
}
