// CBelmarArcDlg: spiral and zerol bevel gear geometry (dialog 4009), tooth
// systems 3 to 6. Loads a preliminary record or a saved spiral design,
// calculates the pair and lists the cutters of the installation's cutter
// tables that suit it; the first decides the heel spiral angle.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/geometry/calc/cutter_tables.h"
#include "bevel/geometry/calc/spiral_geometry.h"
#include "fw/fw.h"

class CBelmarArcDlg : public fw::Dialog {
public:
    enum { IDD = 4009 };
    static constexpr int IDC_TITLE = 4078, IDC_NUMBER = 4079, IDC_DATE = 4080, IDC_Z1 = 4081, IDC_Z2 = 4082;
    static constexpr int IDC_C = 4083, IDC_HA = 4084, IDC_M = 4085;
    static constexpr int IDC_X1 = 4086, IDC_X2 = 4087, IDC_XT1 = 4088, IDC_XT2 = 4089;
    static constexpr int IDC_ALPHA_DEG = 4090, IDC_ALPHA_MIN = 4091, IDC_ALPHA_SEC = 4092;
    static constexpr int IDC_BETA_DEG = 4093, IDC_BETA_MIN = 4094, IDC_BETA_SEC = 4095;
    static constexpr int IDC_PHIR_TRACK = 4096, IDC_PHIR = 4097;
    static constexpr int IDC_DELTA1 = 4099, IDC_DELTA2 = 4102;  // d/m/s in three boxes from here
    static constexpr int IDC_B = 4105, IDC_R = 4106, IDC_D2 = 4107, IDC_D1 = 4108;
    static constexpr int IDC_HA1 = 4109, IDC_HA2 = 4110, IDC_HF1 = 4111, IDC_HF2 = 4112, IDC_H = 4113;
    static constexpr int IDC_DA1 = 4114, IDC_DA2 = 4151, IDC_AK1 = 4115, IDC_AK2 = 4116;
    // θa2 d/m/s 4119, 4118, 4117; θa1 4122, 4121, 4120; θf2 4131, 4130, 4129; θf1 4134, 4133, 4132.
    static constexpr int IDC_THETA_A2 = 4119, IDC_THETA_A1 = 4122, IDC_THETA_F2 = 4131, IDC_THETA_F1 = 4134;
    static constexpr int IDC_DELTA_A1 = 4123, IDC_DELTA_A2 = 4126, IDC_DELTA_F1 = 4135, IDC_DELTA_F2 = 4138;
    static constexpr int IDC_S1 = 4141, IDC_S2 = 4142, IDC_DTHETA = 4143, IDC_EPS_BETA = 4144, IDC_EPS_ALPHA = 4145;
    static constexpr int IDC_BETA_HEEL_DEG = 4146, IDC_BETA_HEEL_MIN = 4147, IDC_BETA_HEEL_SEC = 4158;
    static constexpr int IDC_ZV1 = 4148, IDC_ZV2 = 4149, IDC_ZP = 4150;
    static constexpr int IDC_TAPER0 = 4161, IDC_TAPER1 = 4162, IDC_TAPER2 = 4157, IDC_TAPER3 = 4159;
    static constexpr int IDC_CUTTERS = 4305, IDC_CUSTOM = 4306, IDC_HINT = 4307;
    static constexpr int IDC_PICTURE = 4018, IDB_BUTTON = 4018;
    static constexpr int IDC_LOAD_PRE = 4152, IDC_LOAD_SAVED = 4153, IDC_CALC = 4154, IDC_HELP_BUTTON = 4156;

    explicit CBelmarArcDlg(fw::Window* parent);

    std::string m_strReportPath;
    std::string m_strDataPath;

    bevel::ConePreRecord m_pre = bevel::zeroConePreRecord();
    bevel::ConeGeomRecord m_geom;
    bevel::SpiralInput m_in;
    bevel::SpiralInput m_calculatedFrom;
    bevel::SpiralResult m_out;
    bevel::SpiralHeel m_heel;
    std::vector<bevel::CutterRow> m_cutters;
    std::int32_t m_chosen = 0;
    double m_d0 = 0;
    int m_track = 0;
    std::string m_strTitle, m_strNumber, m_strDate;
    std::int32_t m_mask = 0x6C;
    bool m_calculated = false;
    bool m_saved = false;
    std::optional<kavrin::AngleTriple> m_alphaRefused;  // the angle last refused with its message

    bool calculated() const { return m_calculated && m_in == m_calculatedFrom; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;
    void OnCancel() override;

private:
    void ResetInputs();
    bool ValidateInputs();
    void showValues();
    void showResults();
    void changed();
    void OnZ1();
    void OnZ2();
    void OnM();
    void OnAlpha(bool fromDegrees);
    void OnTrack();
    void OnPhiR();
    void OnFaceWidth();
    void OnTaper(int code);
    void OnLoadPreliminary();
    void OnLoadSaved();
    void OnCalc();
    void fillCutterList();
};
