// CCexyPropertyPage1: page 1 of the cycloid wizard (template 104, "预定参数"):
// the transmission data, then the mesh geometry K1, K2, Rp, Rrp, a and bc,
// typed or picked in the recommendation dialogs; "装入参考" loads a design.
#pragma once
#include <array>
#include <string>

#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage1 : public CexyWizardPage {
public:
    static constexpr int IDD = 104;
    static constexpr int IDC_TITLE = 1000;
    static constexpr int IDC_NUMBER = 1001;
    static constexpr int IDC_DATE = 1002;
    static constexpr int IDC_P = 1003;
    static constexpr int IDC_N0 = 1004;
    static constexpr int IDC_I = 1005;
    static constexpr int IDC_ZC = 1006;
    static constexpr int IDC_ZP = 1007;
    static constexpr int IDC_TC = 1008;
    static constexpr int IDC_ETA = 1009;
    static constexpr int IDC_ETA_SLIDER = 1010;
    static constexpr int IDC_K1_BUTTON = 1011;
    static constexpr int IDC_K1 = 1012;
    static constexpr int IDC_HINT = 1013;
    static constexpr int IDC_ETA_LOW = 1014;
    static constexpr int IDC_ETA_HIGH = 1015;
    static constexpr int IDC_LOAD = 1016;
    static constexpr int IDC_K2_BUTTON = 1017;
    static constexpr int IDC_K2 = 1018;
    static constexpr int IDC_BC_BUTTON = 1019;
    static constexpr int IDC_BC = 1020;
    static constexpr int IDC_RP_BUTTON = 1021;
    static constexpr int IDC_RP = 1022;
    static constexpr int IDC_RRP_BUTTON = 1023;
    static constexpr int IDC_RRP = 1024;
    static constexpr int IDC_A_BUTTON = 1025;
    static constexpr int IDC_A = 1026;

    // Input mask bits.
    static constexpr int kBitP = 1, kBitN0 = 2, kBitEta = 4, kBitZc = 8, kBitZp = 16, kBitEtaLoaded = 32;

    CCexyPropertyPage1();

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;
    bool OnSetActive() override;

    std::array<char, 64> m_title{};
    double m_effLow = 0.9;
    double m_effHigh = 0.95;
    std::array<char, 20> m_date{};
    int m_inputMask = kBitEta;
    std::array<char, 64> m_number{};
    std::string m_strTitle;
    double m_a = 0;
    double m_bc = 0;
    std::string m_strNumber;
    std::string m_strDate;
    double m_i = 0;
    double m_K1 = 0;
    double m_K2 = 0;
    std::string m_strHint;
    double m_n0 = 0;
    double m_eta = 0.9;
    int m_sliderPos = 0;
    double m_P = 0;
    double m_Rp = 0;
    double m_Rrp = 0;
    double m_Tc = 0;
    unsigned m_Zc = 0;
    unsigned m_Zp = 0;

protected:
    void storeValues() override;

private:
    void OnKillfocusTitle();
    void OnKillfocusNumber();
    void OnKillfocusDate();
    void OnSetfocusDate();
    void OnKillfocusZc();
    void OnKillfocusZp();
    void OnKillfocusP();
    void OnKillfocusN0();
    void OnKillfocusEta();
    void OnReleasedEtaSlider();
    void OnK1Button();
    void OnK2Button();
    void OnBcButton();
    void OnKillfocusBc();
    void OnRpButton();
    void OnKillfocusRp();
    void OnRrpButton();
    void OnKillfocusRrp();
    void OnAButton();
    void OnKillfocusA();
    void OnLoad();

    // Reads one numeric field strictly; false (with the framework's message
    // and the old text back) when it is not a number.
    bool readCount(int id, unsigned& value, unsigned low, unsigned high);
    // The torque of new inputs (mask: the input bits they give); false, with
    // the refusal, when it would not be a finite number (positive once i is
    // known). Sets Tc.
    bool takeTorque(double P, double i, double eta, double n0, int mask);
    void refusal(const char* text);   // warning, Retry/Cancel; the answer is not used
    void setEfficiencyRange(double low, double high);
    void showEfficiencyRange();
    void enablingRule();
    void afterInput();
    void takeBlock1();
    void setHint(const std::string& text);
    void showValues();
};
