// CChildFrame: a report window inside the main frame, always maximised.
#pragma once
#include "fw/app.h"

class CChildFrame : public fw::MdiChild {
public:
    void PreCreateWindow(fw::FrameStyle& style) override;
    void ActivateFrame(int nCmdShow = -1) override;
};
