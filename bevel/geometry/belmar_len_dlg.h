// CBelmarLenDlg: straight bevel gear geometry (dialog 4002). Loads a
// preliminary record of tooth systems 0 to 2 or a saved straight design,
// calculates the pair, saves the design file with its geometry record and
// appends the straight section to the report. The shell opens
// m_strReportPath after IDOK.
#pragma once
#include <optional>
#include <string>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/geometry/calc/straight_geometry.h"
#include "fw/fw.h"

class CBelmarLenDlg : public fw::Dialog {
public:
    enum { IDD = 4002 };
    static constexpr int IDC_TITLE = 4000, IDC_NUMBER = 4001, IDC_DATE = 4002;
    static constexpr int IDC_Z1 = 4003, IDC_Z2 = 4004, IDC_M = 4005, IDC_HA = 4006, IDC_C = 4007;
    static constexpr int IDC_X1 = 4008, IDC_X2 = 4009, IDC_XT1 = 4010, IDC_XT2 = 4011;
    static constexpr int IDC_ALPHA_DEG = 4012, IDC_ALPHA_MIN = 4013, IDC_ALPHA_SEC = 4014;
    static constexpr int IDC_BETA_DEG = 4015, IDC_BETA_MIN = 4016, IDC_BETA_SEC = 4017;
    static constexpr int IDC_PICTURE = 4018;
    static constexpr int IDC_DELTA1 = 4019;  // deg, min, sec: 4019 to 4021
    static constexpr int IDC_DELTA2 = 4022;  // 4022 to 4024
    static constexpr int IDC_D1 = 4026, IDC_D2 = 4027, IDC_PHIR_TRACK = 4028, IDC_PHIR = 4029, IDC_R = 4030;
    static constexpr int IDC_B = 4031, IDC_HA1 = 4032, IDC_HA2 = 4033, IDC_HF1 = 4034, IDC_HF2 = 4035, IDC_H = 4036;
    static constexpr int IDC_DA1 = 4037, IDC_DA2 = 4038, IDC_AK1 = 4039, IDC_AK2 = 4040;
    static constexpr int IDC_UNEQUAL = 4041, IDC_EQUAL = 4042;
    static constexpr int IDC_THETA_A1 = 4043, IDC_THETA_A2 = 4046;
    static constexpr int IDC_DELTA_A1 = 4049, IDC_DELTA_A2 = 4052;
    static constexpr int IDC_THETA_F1 = 4055, IDC_THETA_F2 = 4058;
    static constexpr int IDC_S1 = 4061, IDC_HBAR2 = 4062, IDC_SBAR1 = 4063, IDC_SBAR2 = 4064, IDC_HBAR1 = 4065;
    static constexpr int IDC_EPS_ALPHA = 4066;
    static constexpr int IDC_DELTA_F1 = 4067, IDC_DELTA_F2 = 4070;
    static constexpr int IDC_ZV1 = 4073, IDC_ZV2 = 4074, IDC_RTAU = 4075, IDC_RF = 4076, IDC_S2 = 4077;
    static constexpr int IDC_EPS_BETA = 4078;
    static constexpr int IDC_LOAD_PRE = 4080, IDC_LOAD_SAVED = 4081, IDC_CALC = 4082, IDC_HELP_BUTTON = 4083;
    static constexpr int IDB_BUTTON = 4018;  // the picture button's image

    explicit CBelmarLenDlg(fw::Window* parent);

    // Read by the shell after IDOK.
    std::string m_strReportPath;
    std::string m_strDataPath;

    // The held records and the working values.
    bevel::ConePreRecord m_pre = bevel::zeroConePreRecord();
    bevel::ConeGeomRecord m_geom;
    bevel::StraightInput m_in;
    bevel::StraightInput m_calculatedFrom;
    double m_rf = 0.12;
    double m_coneR = 0;  // R of the last calculation step that reached it
    int m_track = 0;
    std::string m_strTitle, m_strNumber, m_strDate;
    std::int32_t m_mask = 0;
    bool m_calculated = false;
    bool m_saved = false;
    // The empty counts of a fresh dialog: not refused while untouched.
    std::optional<std::uint32_t> m_z1Untouched, m_z2Untouched;

    bool calculated() const { return m_calculated && m_in == m_calculatedFrom; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void showValues();
    void showResults();
    void changed();  // an accepted input: results of other inputs are stale
    void OnZ1();
    void OnZ2();
    void OnC();
    void OnHa();
    void OnM();
    void OnAlphaDeg();
    void OnRf();
    void OnPhiR();
    void OnTrack();
    void OnFaceWidth();
    void OnClearance(int type);
    void OnLoadPreliminary();
    void OnLoadSaved();
    void OnCalc();
};
