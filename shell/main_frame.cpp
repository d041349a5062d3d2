#include "shell/main_frame.h"

#include "resources/kavrin/module.h"
#include "shell/splash_wnd.h"

CMainFrame::CMainFrame() {
    onCommand(fw::cmd::HelpFinder, [this] { OnHelpFinder(); });
}

CMainFrame::~CMainFrame() { CSplashWnd::CloseSplashOf(this); }

void CMainFrame::PreCreateWindow(fw::FrameStyle& style) {
    style.maximize = true;
    style.overlappedWindow = true;
    style.addToTitle = true;
}

int CMainFrame::OnCreate() {
    if (fw::MdiFrame::OnCreate() == -1) return -1;
    if (!m_wndToolBar.CreateEx(*this) || !m_wndToolBar.LoadToolBar(kavrin::module(), kavrin::IDR_MAINFRAME)) return -1;
    if (!m_wndStatusBar.Create(*this) ||
        !m_wndStatusBar.SetIndicators({0, fw::cmd::IndicatorCaps, fw::cmd::IndicatorNum, fw::cmd::IndicatorScroll}))
        return -1;
    CSplashWnd::ShowSplashScreen(this);
    return 0;
}

void CMainFrame::WinHelp(std::uintptr_t data, unsigned) { fw::htmlHelp("Kavrin.chm", HH_HELP_CONTEXT, data); }

void CMainFrame::OnHelpFinder() { fw::htmlHelp("Kavrin.chm", HH_DISPLAY_TOC); }
