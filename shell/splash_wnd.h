// CSplashWnd: the splash picture shown while the program starts; it goes
// after 8.5 s or at the first key or mouse button, which it eats.
#pragma once
#include "fw/app.h"

class CSplashWnd : public fw::PopupWindow {
public:
    static void EnableSplashScreen(bool enable);
    static void ShowSplashScreen(fw::Window* parent);
    // True when the message closed the splash (and is eaten).
    static bool PreTranslateAppMessage(const fw::InputMessage& m);
    static CSplashWnd* current() { return c_pSplashWnd; }
    // Closes the splash when its owner goes away.
    static void CloseSplashOf(fw::Window* owner);

    void HideSplashScreen();

protected:
    explicit CSplashWnd(fw::Window* parent);
    bool Create();
    void OnCreate() override;
    void OnTimer(int id) override;
    void PostNcDestroy() override;

private:
    static bool c_bShowSplashWnd;
    static CSplashWnd* c_pSplashWnd;
};
