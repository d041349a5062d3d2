// CBelmarArcDlg: spiral and zerol bevel gear geometry (dialog 4009). Loads a
// preliminary record of tooth systems 3 to 6 or a saved spiral design,
// calculates the pair, lists the face-milling cutters that suit it and takes
// the first, or one the user picks or types; saves the design file with its
// geometry record and appends the spiral section to the report. The shell
// opens m_strReportPath after IDOK.
#pragma once
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/geometry/calc/spiral_geometry.h"
#include "fw/fw.h"

class CBelmarArcDlg : public fw::Dialog {
public:
    enum { IDD = 4009 };
    static constexpr int IDC_TITLE = 4078, IDC_NUMBER = 4079, IDC_DATE = 4080;
    static constexpr int IDC_Z1 = 4081, IDC_Z2 = 4082, IDC_C = 4083, IDC_HA = 4084, IDC_M = 4085;
    static constexpr int IDC_X1 = 4086, IDC_X2 = 4087, IDC_XT1 = 4088, IDC_XT2 = 4089;
    static constexpr int IDC_ALPHA_DEG = 4090, IDC_ALPHA_MIN = 4091, IDC_ALPHA_SEC = 4092;
    static constexpr int IDC_BETA_DEG = 4093, IDC_BETA_MIN = 4094, IDC_BETA_SEC = 4095;
    static constexpr int IDC_PHIR_TRACK = 4096, IDC_PHIR = 4097, IDC_B = 4105;
    static constexpr int IDC_D1 = 4108, IDC_D2 = 4107, IDC_R = 4106;
    static constexpr int IDC_DELTA1_DEG = 4099, IDC_DELTA1_MIN = 4100, IDC_DELTA1_SEC = 4101;
    static constexpr int IDC_DELTA2_DEG = 4102, IDC_DELTA2_MIN = 4103, IDC_DELTA2_SEC = 4104;
    static constexpr int IDC_HA1 = 4109, IDC_HA2 = 4110, IDC_HF1 = 4111, IDC_HF2 = 4112, IDC_H = 4113;
    static constexpr int IDC_DA1 = 4114, IDC_DA2 = 4151, IDC_AK1 = 4115, IDC_AK2 = 4116;
    static constexpr int IDC_THETA_A1_DEG = 4122, IDC_THETA_A1_MIN = 4121, IDC_THETA_A1_SEC = 4120;
    static constexpr int IDC_THETA_A2_DEG = 4119, IDC_THETA_A2_MIN = 4118, IDC_THETA_A2_SEC = 4117;
    static constexpr int IDC_DELTA_A1_DEG = 4123, IDC_DELTA_A1_MIN = 4124, IDC_DELTA_A1_SEC = 4125;
    static constexpr int IDC_DELTA_A2_DEG = 4126, IDC_DELTA_A2_MIN = 4127, IDC_DELTA_A2_SEC = 4128;
    static constexpr int IDC_THETA_F1_DEG = 4134, IDC_THETA_F1_MIN = 4133, IDC_THETA_F1_SEC = 4132;
    static constexpr int IDC_THETA_F2_DEG = 4131, IDC_THETA_F2_MIN = 4130, IDC_THETA_F2_SEC = 4129;
    static constexpr int IDC_DELTA_F1_DEG = 4135, IDC_DELTA_F1_MIN = 4136, IDC_DELTA_F1_SEC = 4137;
    static constexpr int IDC_DELTA_F2_DEG = 4138, IDC_DELTA_F2_MIN = 4139, IDC_DELTA_F2_SEC = 4140;
    static constexpr int IDC_S1 = 4141, IDC_S2 = 4142, IDC_DTHETA_F = 4143, IDC_EPS_BETA = 4144, IDC_EPS_ALPHA = 4145;
    static constexpr int IDC_BETA_HEEL_DEG = 4146, IDC_BETA_HEEL_MIN = 4147, IDC_BETA_HEEL_SEC = 4158;
    static constexpr int IDC_ZV1 = 4148, IDC_ZV2 = 4149, IDC_ZP = 4150;
    static constexpr int IDC_TAPER_UNEQUAL = 4161, IDC_TAPER_CLEARANCE = 4162, IDC_TAPER_DUPLEX = 4157,
                         IDC_TAPER_DEPTH = 4159;
    static constexpr int IDC_CUTTERS = 4305, IDC_CUSTOM_D0 = 4306, IDC_CUTTER_HINT = 4307;
    static constexpr int IDC_PICTURE = 4018, IDB_BUTTON = 4018;
    static constexpr int IDC_LOAD_PRE = 4152, IDC_LOAD_SAVED = 4153, IDC_CALC = 4154, IDC_HELP_BUTTON = 4156;

    explicit CBelmarArcDlg(fw::Window* parent);

    // Read by the shell after IDOK.
    std::string m_strReportPath;
    std::string m_strDataPath;

    // The held records and the working values.
    bevel::ConePreRecord m_pre = bevel::zeroConePreRecord();
    bevel::ConeGeomRecord m_geom;
    bevel::SpiralInput m_in;
    bevel::SpiralInput m_calculatedFrom;
    bevel::ConeGeomRecord m_shown;  // the results the boxes show
    int m_track = 0;
    double m_d0 = 0;
    std::vector<bevel::CutterRow> m_cutters;
    std::string m_missingTables;  // the message of the last rebuild's missing tables
    int m_chosen = 0;
    std::string m_strTitle, m_strNumber, m_strDate;
    std::int32_t m_mask = bevel::kSpiralMaskStart;
    bool m_calculated = false;
    bool m_saved = false;

    // α and βm as last checked: leaving one of their three parts with the
    // whole angle unchanged checks nothing again (a notice about an angle
    // comes once per change of it); empty after a load, so a loaded angle is
    // checked when first left.
    std::optional<kavrin::AngleTriple> m_alphaChecked, m_betaChecked;
    // The face width the program derived from a φR whose notice or question
    // already came: leaving it untouched repeats no advice about that φR.
    std::optional<double> m_bNoticed;
    // The (m, βm) pair the small-module advice refused, while it still stands
    // (a loaded pair): leaving the other of the two repeats no advice.
    std::optional<std::pair<double, kavrin::AngleTriple>> m_pairRefused;
    void refusePair(bool stands);
    // The empty counts and module of a fresh dialog: not refused while
    // untouched (nothing was entered yet).
    std::optional<std::int32_t> m_z1Untouched, m_z2Untouched;
    std::optional<double> m_mUntouched;

    bool calculated() const { return m_calculated && m_in == m_calculatedFrom; }
    bool customCutter() const { return !m_cutters.empty() && m_cutters[0].band == bevel::kCustomCutterBand; }

    void ResetInputs();
    bool ValidateInputs();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void showValues();
    void showResults();
    void changed();
    void OnZ1();
    void OnZ2();
    void OnC();
    void OnHa();
    void OnM();
    void OnBetaM(int id);
    void OnAlpha(bool degrees);
    void OnTrack();
    void OnPhiR();
    void OnFaceWidth();
    void OnTaper(int code);
    void OnLoadPreliminary();
    void OnLoadSaved();
    void OnCalc();
    bool askRaisePhiR(unsigned icon, bool& asked);
    void forgetChecks();
    // Refills the list from the tables; false (and m_missingTables names
    // them) when a table could not be read, so that none qualifies.
    bool rebuildCutterList(double r, double betaMDeg);
    void fillCutterList();
    void OnCustomCutter();
    void OnCutterListClick();
    bool recomputeFromCutter(const std::vector<bevel::CutterRow>& list, int index);
    void restoreCutter(const bevel::ConeGeomRecord& g, int headerKind);
};
