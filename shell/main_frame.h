// CMainFrame: the MDI main frame with toolbar, status bar and help routing.
#pragma once
#include "fw/app.h"

class CMainFrame : public fw::MdiFrame {
public:
    CMainFrame();
    ~CMainFrame() override;
    void PreCreateWindow(fw::FrameStyle& style) override;
    int OnCreate() override;
    // Context help goes to "Kavrin.chm" by context number.
    void WinHelp(std::uintptr_t data, unsigned command = HH_HELP_CONTEXT) override;
    void OnHelpFinder();

    fw::StatusBar m_wndStatusBar;
    fw::ToolBar m_wndToolBar;
};
