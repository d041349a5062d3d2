// CCDestPartMatDlg: the material of the output pins (template 141): Poisson's
// ratio, modulus, the permissible bending and contact stresses and Kw.
#pragma once
#include "common/calc/quantity.h"
#include "fw/fw.h"

class CCDestPartMatDlg : public fw::Dialog {
public:
    static constexpr int IDD = 141;
    static constexpr int IDC_MU = 1110;
    static constexpr int IDC_E = 1111;
    static constexpr int IDC_SF_SLIDER = 1112;
    static constexpr int IDC_SF = 1113;
    static constexpr int IDC_SH_SLIDER = 1114;
    static constexpr int IDC_SH = 1115;
    static constexpr int IDC_KW_SLIDER = 1116;
    static constexpr int IDC_KW = 1117;
    static constexpr const char* kMsgNotPositive = "此项性能指标不能为负或0！";

    explicit CCDestPartMatDlg(fw::Window* parent = nullptr);
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;

    double m_mu = 0.3;
    double m_E = 206000;
    double m_sigmaF = 180;
    double m_sigmaH = 1200;
    double m_Kw = 1.35;

    static int sigmaFPosition(double v);
    static int sigmaHPosition(double v);

private:
    // The field's own rule (above 0), then its range; a refused value is put back.
    void positive(int id, double& member, const kavrin::Quantity& q);
    bool inRange(int id, double v, const kavrin::Quantity& q, double member);
    void OnKillfocusKw();
    void OnReleased(int slider);
};
