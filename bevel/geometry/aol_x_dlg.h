// CBelmarAolXDlg: confirm or raise the pinion's height modification χ1 = −χ2
// above the minimum the calculation found (template 4030). DoModal(xmin); the
// caller reads m_x afterwards, whichever button closed the dialog.
#pragma once
#include "fw/fw.h"

class CBelmarAolXDlg : public fw::Dialog {
public:
    static constexpr int IDD = 4030;
    static constexpr int IDC_X = 4286;
    static constexpr int IDC_HINT = 4287;

    double m_xmin = 0;
    double m_x = 0;

    explicit CBelmarAolXDlg(fw::Window* parent = nullptr);
    using fw::Dialog::DoModal;
    virtual int DoModal(double xmin);
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;

private:
    void OnConfirm();
    void OnCancelAdjust();
};

// CBelmarAolimgDlg: the symbols of a cycloidal bevel gear pair (template 4018,
// bitmap 4020); nothing is read back.
class CBelmarAolimgDlg : public fw::Dialog {
public:
    static constexpr int IDD = 4018;
    static constexpr int IDB_PICTURE = 4020;
    static constexpr int IDC_PICTURE = 4163;
    explicit CBelmarAolimgDlg(fw::Window* parent = nullptr);
};
