// CCexyPropertyPage5: page 5 of the cycloid wizard (template 108, "棒测量"):
// the measuring point, rod radius, rod-centre circle and span over n teeth
// of the modified disc, and the round-off for a stock rod.
#pragma once
#include <string>

#include "cycloid/calc/cex_measurement.h"
#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage5 : public CexyWizardPage {
public:
    static constexpr int IDD = 108;
    static constexpr int IDC_PHI = 1021;
    static constexpr int IDC_X = 1022;
    static constexpr int IDC_Y = 1023;
    static constexpr int IDC_KA = 1024;
    static constexpr int IDC_RT = 1025;
    static constexpr int IDC_K1 = 1026;
    static constexpr int IDC_ZC = 1027;
    static constexpr int IDC_ZP = 1028;
    static constexpr int IDC_A = 1029;
    static constexpr int IDC_RP = 1030;
    static constexpr int IDC_RRP = 1031;
    static constexpr int IDC_HINT = 1032;
    static constexpr int IDC_ROUND_OFF = 1033;
    static constexpr int IDC_LN = 1034;
    static constexpr int IDC_ES = 1035;
    static constexpr int IDC_EI = 1036;
    static constexpr int IDC_N = 1037;
    static constexpr int IDC_RL = 1039;
    static constexpr const char* kMsgIncomplete = "载入预定数据不完整或非法！";
    static constexpr const char* kMsgRodTooFar = "量棒半径不要调整太大！";

    CCexyPropertyPage5();
    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;
    bool OnSetActive() override;

    double m_K1 = 0;
    unsigned m_Zc = 0, m_Zp = 0;
    double m_a = 0, m_rp = 0, m_rrp = 0, m_phi = 0, m_x = 0, m_y = 0, m_KA = 0, m_Rt = 0, m_RL = 0;
    unsigned m_n = 0;
    double m_Ln = 0, m_ES = 0, m_EI = 0;
    std::string m_strHint;
    double m_Rt0 = 0;
    int m_phi0 = 0;
    bool m_rodChanged = false;

protected:
    void storeValues() override;
    bool resultsCurrent() const override;

private:
    void OnRoundOff();
    void OnKillfocusRt();
    void OnKillfocusN();
    void OnKillfocusES();
    void OnKillfocusEI();
    void spanDeviation();
    cycloid::RodInputs inputs() const;
    // Shows the results of m_result where they belong to the rod radius and
    // span count in the fields, 0 where they are stale.
    void showResults();
    void takeResult(const cycloid::RodPoint& p, double RL, double Ln, double phiDegrees);
    cycloid::RodSetup m_setup;
    // The measuring point, rods and span last computed, and the rod radius
    // and span count they were computed for.
    struct Result {
        double phi = 0, x = 0, y = 0, KA = 0, RL = 0, Ln = 0;
        double Rt = 0;
        unsigned n = 0;
    } m_result;
};
