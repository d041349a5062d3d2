// CCyMeasureOneDlg: one existing cylindrical gear, external or internal,
// reconstructed from its measured module, tooth count and tip diameter with
// either its helix angle or its profile shift (template 1041). Saves the
// .cyb measurement file and writes its .cyt report; the shell loads the
// report named by m_strReportPath after IDOK.
#pragma once
#include <cstdint>
#include <string>

#include "fw/format.h"
#include "fw/fw.h"
#include "measurement/calc/cy_measure_record.h"
#include "measurement/calc/measure_record_check.h"
#include "measurement/calc/measured_check.h"
#include "measurement/calc/single_measure.h"

class CCyMeasureOneDlg : public fw::Dialog {
public:
    enum { IDD = 1041 };

    // Control ids of template 1041.
    enum : int {
        IDC_TITLE = 1063,
        IDC_NUMBER = 1064,
        IDC_DATE = 1068,
        IDC_EXTERNAL = 1071,       // 外 齿 轮
        IDC_INTERNAL = 1072,       // 内 齿 轮
        IDC_MODE_HELIX = 1073,     // 螺 旋 角 given
        IDC_MODE_SHIFT = 1074,     // 变位系数 given
        IDC_MN = 1029,
        IDC_Z = 1076,
        IDC_DA = 1078,
        IDC_XN = 1075,
        IDC_HASTAR = 1083,
        IDC_CSTAR = 1049,
        IDC_ALPHA_N = 1047,
        IDC_BETA_DEG = 1033,
        IDC_BETA_MIN = 1034,
        IDC_BETA_SEC = 1035,
        IDC_HELIX_SLIDER = 1087,
        IDC_HELIX_UNIT = 1158,     // 度 / 分 / 秒
        IDC_SHIFT_SLIDER = 1088,
        IDC_SHIFT_STEP = 1159,     // 粗调 / 微调
        IDC_DP = 1089,
        IDC_DWS = 1098,            // upper deviation of W
        IDC_DWI = 1099,            // lower deviation of W
        IDC_MT = 1030,
        IDC_D = 1077,
        IDC_HA = 1079,
        IDC_HF = 1084,
        IDC_DF = 1085,
        IDC_DB = 1081,
        IDC_ZV = 1082,
        IDC_ALPHA_AT = 1061,
        IDC_ALPHA_T = 1066,
        IDC_DA_CALC = 1086,
        IDC_KW = 1095,
        IDC_W = 1096,
        IDC_HC = 1069,
        IDC_SC = 1070,
        IDC_MP = 1090,
        IDC_DMS = 1100,            // upper deviation of Mp
        IDC_DMI = 1101,            // lower deviation of Mp
        IDC_HINT = 1067,
        IDC_SIGN_WS = 1102,        // signs of the four deviations
        IDC_SIGN_WI = 1103,
        IDC_SIGN_MS = 1104,
        IDC_SIGN_MI = 1105,
        IDC_TRIAL = 3,             // 试   算
        IDC_LOAD = 4,              // 读   取
        IDC_CHECK = 5,             // 检  验
        IDC_PROFILE = 1161,        // 齿廓数据输出
        IDC_HELP = 9,              // 帮   助
    };

    explicit CCyMeasureOneDlg(fw::Window* parent = nullptr);

    // Path of the report written by the last successful save.
    std::string m_strReportPath;

    // The last cutting and interference check (scheme, rows, report lines, hint).
    const measurement::CheckState& checkState() const { return m_check; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;

private:
    void OnGearType(measurement::GearType t);
    void OnSolveMode(measurement::SolveMode m);
    void OnKillfocusMn();
    void OnKillfocusZ();
    void OnKillfocusDa();
    void OnKillfocusXn();
    void OnKillfocusAlphaN();
    void OnKillfocusBetaDeg();
    void OnKillfocusBetaMinSec(int id);
    void OnSelchangeHaStar();
    void OnKillfocusHaStar();
    void OnSelchangeCStar();
    void OnKillfocusCStar();
    void OnSelchangeHelixUnit();
    void OnSelchangeShiftStep();
    void OnReleasedHelix();
    void OnReleasedShift();
    void OnKillfocusDp();
    void OnKillfocusDeviation(int id);
    void OnTrial();
    void OnLoad();
    void OnSave();
    void OnCheck();
    void OnProfile();

    // Helpers.
    bool readNumberField(int id, double& v);   // strict; the framework's message on failure
    void restore(int id, double v) { setText(id, fw::formatNumber(v)); }
    void refresh();                            // trial button and hint by the completion mask
    void acceptedEdit();                       // refresh and mark the results stale
    void disableAfterTypeChange();
    void enableSolveMode();
    void showSigns();
    void showResults();
    void showBeta();
    void placeHelixSlider();
    void placeShiftSlider();
    void showCombos();
    // Runs the calculation of `mode`; false (hint set) when it stopped.
    bool calculate(measurement::SolveMode mode);
    void convertDeviations();
    void setHint(const std::string& s) { setText(IDC_HINT, s); }
    int slot() const { return m_in.type == measurement::GearType::Internal ? 1 : 0; }
    std::int32_t kind() const { return static_cast<std::int32_t>(m_in.type); }
    measurement::SingleMeasure state() const;   // what a save writes
    void applyRecord(std::int32_t kind, const measurement::CyMeasureRecord& r);

    measurement::SingleInput m_in;
    measurement::SingleResult m_out;
    bool m_haveResults = false;                // m_out holds a finished trial
    measurement::SingleInput m_calculatedFrom; // the inputs of m_out
    double m_dws = 0, m_dwi = 0;               // span deviations (magnitudes)
    double m_dms = 0, m_dmi = 0;               // pin deviations (magnitudes)
    std::string m_title;
    std::string m_number;
    fw::Date m_date;
    int m_helixUnit = 0;                       // 0 degrees, 1 minutes, 2 seconds
    int m_shiftStep = 0;                       // 0 coarse, 1 fine
    std::string m_haText = "1.0";              // the texts the two lists show
    std::string m_cText = "0.25";
    std::string m_dataPath;
    measurement::CheckState m_check;
};
