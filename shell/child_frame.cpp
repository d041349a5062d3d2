#include "shell/child_frame.h"

void CChildFrame::PreCreateWindow(fw::FrameStyle& style) {
    fw::MdiChild::PreCreateWindow(style);
    style.child = true;
    style.visible = true;
    style.overlappedWindow = true;
    style.addToTitle = true;
}

void CChildFrame::ActivateFrame(int) { fw::MdiChild::ActivateFrame(fw::SW_SHOWMAXIMIZED); }
