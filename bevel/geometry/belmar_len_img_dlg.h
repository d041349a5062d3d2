// CBelmarLenImgDlg: the symbols picture of the bevel pair (dialog 4006);
// mode 2 shows the straight pair, mode 3 the spiral pair. One picture
// control takes the drawing of the mode, so the dialog is as large as that
// drawing and no larger.
#pragma once
#include "fw/fw.h"

class CBelmarLenImgDlg : public fw::Dialog {
public:
    enum { IDD = 4006 };
    static constexpr int IDC_PICTURE = 4163;
    static constexpr int IDB_STRAIGHT = 4004, IDB_SPIRAL = 4010;
    static constexpr int kModeStraight = 2, kModeSpiral = 3;

    explicit CBelmarLenImgDlg(fw::Window* parent);
    using fw::Dialog::DoModal;
    int DoModal(int mode);
    int mode() const { return m_mode; }
    void setMode(int mode) { m_mode = mode; }  // for a run by plain DoModal()

protected:
    bool OnInitDialog() override;

private:
    int m_mode = 0;
};
