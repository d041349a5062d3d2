// CCexyPropertyPage4: page 4 of the cycloid wizard (template 107, "优化修形量"):
// the equidistant and shift modifications that approximate the turned
// profile best, and the point files of the profiles for CAD.
#pragma once
#include <string>

#include "cycloid/calc/cex_profile.h"
#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage4 : public CexyWizardPage {
public:
    static constexpr int IDD = 107;
    static constexpr int IDC_K1 = 1015;
    static constexpr int IDC_ZC = 1016;
    static constexpr int IDC_ZP = 1017;
    static constexpr int IDC_A = 1018;
    static constexpr int IDC_RP = 1019;
    static constexpr int IDC_RRP = 1020;
    static constexpr int IDC_DJ = 1021;
    static constexpr int IDC_DC = 1022;
    static constexpr int IDC_DELTA = 1023;
    static constexpr int IDC_DDA = 1024;
    static constexpr int IDC_HINT = 1025;
    static constexpr int IDC_CALC = 1026;
    static constexpr int IDC_DRRP = 1028;
    static constexpr int IDC_DRP = 1029;
    static constexpr int IDC_MDA = 1030;
    static constexpr int IDC_DS = 1032;
    static constexpr const char* kMsgNoOptimum =
        "预定值致使齿形出现顶切等不利情况，为取得有效的齿形优化修形量，\n请检查a、Rp、Rrp等预定参数并修改至合理值。";
    static constexpr const char* kMsgCannotWrite = "无法打开%s文件保存数据！";

    CCexyPropertyPage4();
    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;
    bool OnSetActive() override;

    void OnCalcOptimum();
    void OnMakeDdaData();
    void OnMakeMdaData();

    double m_a = 0, m_delta = 0, m_dc = 0, m_ds = 0, m_dj = 0, m_drp = 0, m_drrp = 0, m_K1 = 0;
    std::string m_strHint;
    double m_rp = 0, m_rrp = 0;
    unsigned m_Zc = 0, m_Zp = 0;
    double m_K1m = 0;

protected:
    void storeValues() override;
    bool resultsCurrent() const override;

private:
    cycloid::ModificationInputs inputs() const;
    bool writePoints(bool dda);
    void setHint(const std::string& text);
    bool m_hasBasis = false;
    cycloid::ModificationInputs m_basis;   // what the results were computed from
};
