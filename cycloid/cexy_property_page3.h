// CCexyPropertyPage3: page 3 of the cycloid wizard (template 106,
// "间隙和转角修形量"): tolerance grade and tolerances, then the side
// clearance, radial clearance and angular modification.
#pragma once
#include <string>

#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage3 : public CexyWizardPage {
public:
    static constexpr int IDD = 106;
    static constexpr int IDC_GRADE = 1001;
    static constexpr int IDC_DC = 1002;
    static constexpr int IDC_DJ = 1003;
    static constexpr int IDC_DELTA = 1004;
    static constexpr int IDC_DELTA_BUTTON = 1005;
    static constexpr int IDC_DJ_BUTTON = 1006;
    static constexpr int IDC_DC_BUTTON = 1007;
    static constexpr int IDC_DWL_MIN = 1010;
    static constexpr int IDC_DWL_MAX = 1011;
    static constexpr int IDC_DPT_MIN = 1012;
    static constexpr int IDC_DPT_MAX = 1013;
    static constexpr int IDC_HINT = 1018;
    static constexpr int IDC_DW = 1070;
    static constexpr int IDC_DWL = 1071;
    static constexpr int IDC_DWL_SLIDER = 1072;
    static constexpr int IDC_DR = 1073;
    static constexpr int IDC_DPT = 1074;
    static constexpr int IDC_DPT_SLIDER = 1075;
    static constexpr int IDC_DP = 1076;
    static constexpr int IDC_DFES = 1077;
    static constexpr int IDC_DRP = 1078;

    enum : int {
        kDW = 1, kDp = 2, kDrp = 4, kDR = 8, kDfEs = 0x10, kDwl = 0x20, kDpt = 0x40, kDc = 0x80, kDj = 0x100,
        kDelta = 0x200, kResults = 0x3F8
    };
    static constexpr const char* kMsgTooBig = "机型超大，超出程序设计范围，若需要扩充，\n请与开发者联系。";

    CCexyPropertyPage3();
    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;
    bool OnSetActive() override;

    double m_DW = 0, m_dp = 0, m_drp = 0, m_dR = 0, m_delta = 0, m_dc = 0, m_dfEs = 0, m_dj = 0, m_dwl = 0;
    int m_dwlPos = 0;
    double m_dpt = 0;
    int m_dptPos = 0;
    int m_grade = 0;
    std::string m_strHint;
    int m_flags = 0;

protected:
    void storeValues() override;
    bool resultsCurrent() const override;

private:
    void OnSelchangeGrade();
    void OnReleasedSlider(int slider);
    void OnDcButton();
    void OnDjButton();
    void OnDeltaButton();
    void OnKillfocusDR();
    void OnKillfocusDfEs();
    void OnKillfocusDc();
    void OnKillfocusDj();
    void OnKillfocusDelta();
    void buttonUpdate();
    void setHint(const std::string& text);
    void done();   // store and refresh

    struct Basis {
        double DW = 0, dp = 0, drp = 0;
        bool operator==(const Basis&) const = default;
    };
    static Basis basisOf(const cycloid::CexDesignRecord& r);
    static Basis currentBasis();
    Basis m_basis;
    bool m_hasBasis = false;
    bool m_stale = false;
};
