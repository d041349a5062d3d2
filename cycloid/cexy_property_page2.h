// CCexyPropertyPage2: page 2 of the cycloid wizard (template 105, "传动零件设计"):
// pin-gear parts, radial clearance, disc diameters, bearing bore and the
// output mechanism with its force iteration and bending check.
#pragma once
#include <string>

#include "cycloid/calc/cex_parts.h"
#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage2 : public CexyWizardPage {
public:
    static constexpr int IDD = 105;
    static constexpr int IDC_HINT = 1017;
    static constexpr int IDC_PINS_LEFT_OUT = 1031;
    static constexpr int IDC_DRP = 1073;
    static constexpr int IDC_DSP = 1074;
    static constexpr int IDC_L = 1075;
    static constexpr int IDC_DRW = 1078;
    static constexpr int IDC_DP = 1079;
    static constexpr int IDC_DSW = 1080;
    static constexpr int IDC_DW_CIRCLE = 1081;   // Dw
    static constexpr int IDC_DW_HOLE = 1082;     // dw
    static constexpr int IDC_EI = 1083;
    static constexpr int IDC_ES = 1084;
    static constexpr int IDC_DJ = 1085;
    static constexpr int IDC_X2 = 1086;
    static constexpr int IDC_X1 = 1087;
    static constexpr int IDC_DFC = 1088;
    static constexpr int IDC_DT = 1089;
    static constexpr int IDC_DAC = 1090;
    static constexpr int IDC_DJ_BUTTON = 1093;
    static constexpr int IDC_DFC_BUTTON = 1094;
    static constexpr int IDC_DAC_BUTTON = 1095;
    static constexpr int IDC_DSW_BUTTON = 1096;
    static constexpr int IDC_DW_CIRCLE_BUTTON = 1097;
    static constexpr int IDC_DW_HOLE_BUTTON = 1098;
    static constexpr int IDC_DI = 1107;
    static constexpr int IDC_NZ = 1114;
    static constexpr int IDC_QMAX = 1115;
    static constexpr int IDC_EPS = 1116;
    static constexpr int IDC_SF = 1117;

    // Input mask bits.
    enum : int {
        kDrp = 1, kDp = 2, kDsp = 4, kL = 8, kDj = 16, kDfc = 32, kDac = 64, kDw = 128, kDsw = 256, kDrw = 512,
        kDwHole = 1024, kAll = 0x7FF
    };
    static constexpr const char* kMsgNoPinResult = "柱销受力计算无有效结果，需要调整机构尺寸。";

    CCexyPropertyPage2();

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;
    bool OnSetActive() override;

    double m_sigmaFlim = 180, m_E = 206000, m_mu = 0.3, m_Kw = 1.35;
    int m_inputMask = 0;
    int m_X2 = 0, m_X1 = 0;
    double m_drp = 0, m_dac = 0, m_dt = 0, m_Dw = 0, m_dfc = 0, m_Di = 0, m_dp = 0, m_drw = 0, m_dsp = 0,
           m_dsw = 0, m_EI = 0, m_ES = 0, m_dj = 0, m_dw = 0, m_Qmax = 0, m_l = 0;
    int m_Nz = 0;
    std::string m_strHint;
    double m_Sf = 0;
    double m_epsMax = 0;
    int m_pinsLeftOut = 0;

protected:
    void storeValues() override;
    bool resultsCurrent() const override;

private:
    void OnKillfocusDsp();
    void OnKillfocusL();
    void OnSelchangeX1();
    void OnSelchangeX2();
    void OnKillfocusDj();
    void OnKillfocusDt();
    void OnKillfocusDi();
    void OnKillfocusDw();
    void OnKillfocusDsw();
    void OnKillfocusDrw();
    void OnDjButton();
    void OnDfcButton();
    void OnDacButton();
    void OnDwButton();
    void OnDswButton();
    void OnDwHoleButton();
    void OnPinsLeftOut();

    void setHint(const std::string& text);
    void enablingRule();
    void after();                    // store, enabling rule, controls refreshed
    void invalidate(int bits);       // results that depend on a changed input
    cycloid::OutputPinInputs pinInputs() const;
    void singlePass(const char* lowSafetyFormat, double shownDiameter);
    void takeBlock2();

    struct Basis {
        double a = 0, bc = 0, Rp = 0, Rrp = 0, Tc = 0;
        bool operator==(const Basis&) const = default;
    };
    static Basis basisOf(const cycloid::CexDesignRecord& r);
    static Basis currentBasis();
    Basis m_basis;
    bool m_hasBasis = false;
};
