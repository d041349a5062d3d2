// CCymeasureRdlg: the root fillet radius and process shrinkage of a tooth
// profile output (template 1045, "齿根过度圆角半径设定"). The caller passes the
// radial root clearance jf to DoModal and reads Rf and λ after IDOK.
#pragma once
#include <string>

#include "fw/fw.h"

class CCymeasureRdlg : public fw::Dialog {
public:
    enum { IDD = 1045 };
    enum : int {
        IDC_JF = 1164,        // radial root clearance, read-only
        IDC_RF = 1165,        // fillet radius
        IDC_HINT = 1166,
        IDC_SHRINKAGE = 1167, // λ, percent
    };

    explicit CCymeasureRdlg(fw::Window* parent = nullptr);

    using fw::Dialog::DoModal;
    // Stores jf, then runs the dialog.
    virtual int DoModal(double jf);

    double m_jf = 0;
    double m_rf = 0;
    std::string m_hint;
    double m_shrinkage = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;

private:
    void OnKillfocusRf();
    bool m_refusedLast = false;  // the last Rf typed was refused: Enter does not confirm the old one
};

// Messages of the fillet dialog.
inline constexpr const char* kMsgFilletPositive = "齿根过度圆角半径必须为有效的正值！";
inline constexpr const char* kMsgFilletBelowClearance = "齿根过度圆角半径必须小于径向齿根隙！";
