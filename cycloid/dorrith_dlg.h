// CDorrithDlg: the custom tooth-profile designer of one cycloid disc
// (template 149): five modification modes, the disc's data, tip and root
// diameters, measurement over rods, the .PDA point file and the report. The
// shell shows m_strReportPath after IDOK.
#pragma once
#include <string>

#include "cycloid/calc/cex_designer.h"
#include "fw/fw.h"

class CDorrithDlg : public fw::Dialog {
public:
    static constexpr int IDD = 149;
    static constexpr int IDC_MODE0 = 1000;   // radios 1000 to 1004
    static constexpr int IDC_MODE4 = 1004;
    static constexpr int IDC_ZC = 1005;
    static constexpr int IDC_ZP = 1006;
    static constexpr int IDC_DP = 1007;
    static constexpr int IDC_DPIN = 1008;
    static constexpr int IDC_K1 = 1009;
    static constexpr int IDC_EXPORT = 1010;
    static constexpr int IDC_DA = 1011;
    static constexpr int IDC_DF = 1012;
    static constexpr int IDC_DM = 1013;
    static constexpr int IDC_LM = 1014;
    static constexpr int IDC_CALC = 1015;
    static constexpr int IDC_A = 1016;
    static constexpr int IDC_I = 1017;
    static constexpr int IDC_HINT = 1018;
    static constexpr int IDC_DELTA = 1019;
    static constexpr int IDC_PARAMS = 1020;
    static constexpr int IDC_DRP = 1021;
    static constexpr int IDC_DRRP = 1022;
    static constexpr int IDC_DC = 1023;
    static constexpr int IDC_DJ = 1024;
    static constexpr int IDC_RL = 1025;
    static constexpr const char* kMsgCalcError = "计算出错！";
    static constexpr const char* kMsgReportError = "报告文件存取错误！";
    static const char* const kModeTexts[5];

    explicit CDorrithDlg(fw::Window* parent = nullptr);
    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

    void OnMakePdaData();

    // The modification modes, the radios 1000 to 1004 in order.
    enum class Mode { Theoretical, Angular, Equidistant, NegativeShift, EquidistantAndShift };
    Mode m_mode = Mode::Theoretical;
    double m_delta = 0, m_drrp = 0, m_drp = 0, m_dc = 0, m_dj = 0;
    unsigned m_Zc = 5, m_Zp = 6;
    double m_i = 5, m_dp = 0, m_dPin = 0, m_a = 0.65, m_K1 = 0.42;
    double m_RL = 0, m_Lm = 0, m_dm = 0, m_da = 0, m_df = 0;
    std::string m_strHint;
    double m_rpm = 0, m_rrpm = 0, m_K1m = 0, m_phim = 0;
    int m_bits = 0;
    bool m_calculated = false, m_exported = false, m_dcAvailable = true;
    std::string m_strDataPath;
    std::string m_strReportPath;
    cycloid::DesignerResult m_result;

private:
    void startValues();
    void OnMode();
    void update();
    void OnKillfocusDelta();
    void OnKillfocusDrrp();
    void OnKillfocusDrp();
    void OnKillfocusZc();
    void OnKillfocusZp();
    void OnKillfocusDp();
    void OnKillfocusDPin();
    void OnKillfocusA();
    void OnCalc();
    void OnParams();
    void setSideClearance(std::optional<double> dc);
    bool positiveRadialClearance(double& edited, int bit, const char* refusal);
    cycloid::DesignerInputs inputs() const;
};
