// CCexyPropertyPage6: page 6 of the cycloid wizard (template 143, "强度校验"):
// pin forces and deformation, pins in mesh, contact and pin bending stresses
// of the modified drive.
#pragma once
#include <string>

#include "cycloid/calc/cex_strength.h"
#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage6 : public CexyWizardPage {
public:
    static constexpr int IDD = 143;
    static constexpr int IDC_K1 = 1000;
    static constexpr int IDC_ZC = 1001;
    static constexpr int IDC_ZP = 1002;
    static constexpr int IDC_BC = 1003;
    static constexpr int IDC_RP = 1004;
    static constexpr int IDC_RRP = 1005;
    static constexpr int IDC_DSP = 1006;
    static constexpr int IDC_LP = 1007;
    static constexpr int IDC_DRRP = 1008;
    static constexpr int IDC_DRP = 1009;
    static constexpr int IDC_MU = 1010;
    static constexpr int IDC_SFP = 1011;
    static constexpr int IDC_E = 1012;
    static constexpr int IDC_FETCH = 1013;
    static constexpr int IDC_SHP = 1014;
    static constexpr int IDC_ZN = 1015;
    static constexpr int IDC_DMAX = 1016;
    static constexpr int IDC_FMAX = 1017;
    static constexpr int IDC_CALC = 1018;
    static constexpr int IDC_TO = 1019;
    static constexpr int IDC_SF = 1020;
    static constexpr int IDC_SH = 1021;
    static constexpr int IDC_X1 = 1022;
    static constexpr int IDC_HINT = 1023;
    static constexpr int IDC_THETA = 1024;
    static constexpr int IDC_SIGMA_H = 1025;
    static constexpr int IDC_SIGMA_F = 1026;
    static constexpr const char* kMsgNoResult = "啮合受力计算无有效结果，请检查传动副参数和修形量！";
    static constexpr const char* kMsgBadData = "装入的数据不正确！";
    static constexpr const char* kMsgNoModification = "未进行优化修形量计算，本程序不进行无间隙啮合计算！";
    static constexpr const char* kHintMaterial = "材料力学性能指标不齐全或不正确，请修改。建议采用GCr15等轴承用钢。";

    enum : int { kMu = 1, kE = 2, kSfp = 4, kShp = 8, kTo = 0x10, kAllBits = 0x1F };

    CCexyPropertyPage6();
    void DoDataExchange(fw::Exchange& dx) override;
    bool OnSetActive() override;

    double m_K1 = 0;
    unsigned m_Zc = 0, m_Zp = 0;
    double m_bc = 0, m_rp = 0, m_rrp = 0, m_dsp = 0, m_Lp = 0;
    int m_X1 = 0;
    double m_drrp = 0, m_drp = 0, m_E = 0, m_mu = 0, m_sigmaHp = 0, m_sigmaFp = 0, m_To = 0;
    double m_deltaMax = 0, m_fmax = 0;
    int m_Zn = 0;
    double m_sigmaH = 0, m_SH = 0, m_sigmaF = 0, m_SF = 0, m_theta = 0;
    std::string m_strHint;
    int m_bits = 0;
    bool m_ready = false;

protected:
    void storeValues() override;
    bool resultsCurrent() const override;

private:
    void OnFetch();
    void OnCalc();
    void OnKillfocusMaterial(int id, double& member, int bit, const kavrin::Quantity& material);
    void OnKillfocusTo();
    void readyFromBits();
    void clearResults();
    cycloid::StrengthInputs inputs() const;
    bool m_hasResult = false;
    cycloid::StrengthInputs m_basis;
};
