// CCYMeasureTowDlg: a meshing cylindrical gear pair reconstructed from its
// measured module, tooth counts, tip diameters, helix angle and working
// centre distance (template 1043). Saves the pair kind of the measurement
// file and its .cyt report; the shell loads m_strReportPath after IDOK.
#pragma once
#include <string>

#include "fw/format.h"
#include "fw/fw.h"
#include "measurement/calc/cy_measure_record.h"
#include "measurement/calc/measure_record_check.h"
#include "measurement/calc/measured_check.h"
#include "measurement/calc/pair_measure.h"

class CCYMeasureTowDlg : public fw::Dialog {
public:
    enum { IDD = 1043 };

    enum : int {
        IDC_TITLE = 1107, IDC_NUMBER = 1108, IDC_DATE = 1109,
        IDC_EXTERNAL = 1144, IDC_INTERNAL = 1145,
        IDC_MN = 1110, IDC_MT = 1111, IDC_Z1 = 1120, IDC_Z2 = 1129, IDC_DA1 = 1121, IDC_DA2 = 1130,
        IDC_HASTAR = 1112, IDC_CSTAR = 1117, IDC_ALPHA_N = 1113,
        IDC_BETA_DEG = 1114, IDC_BETA_MIN = 1115, IDC_BETA_SEC = 1116,
        IDC_HELIX_SLIDER = 1119, IDC_HELIX_UNIT = 1156,
        IDC_AW = 1137, IDC_XN1 = 1140, IDC_XN2 = 1141, IDC_DP = 1067,
        IDC_DWS1 = 1077, IDC_DWI1 = 1078, IDC_DWS2 = 1079, IDC_DWI2 = 1080,
        IDC_ALPHA_T = 1065, IDC_D1 = 1122, IDC_D2 = 1131, IDC_HA1 = 1123, IDC_HA2 = 1132,
        IDC_HF1 = 1124, IDC_HF2 = 1133, IDC_DW1 = 1125, IDC_DW2 = 1055, IDC_DB1 = 1126, IDC_DB2 = 1134,
        IDC_ZV1 = 1127, IDC_ZV2 = 1135, IDC_ALPHA_AT1 = 1128, IDC_ALPHA_AT2 = 1066,
        IDC_A = 1136, IDC_YT = 1138, IDC_XN_SUM = 1139, IDC_ALPHA_W = 1142, IDC_EPSILON = 1143,
        IDC_HC1 = 1086, IDC_SC1 = 1088, IDC_KW1 = 1089, IDC_W1 = 1090,
        IDC_HC2 = 1092, IDC_SC2 = 1093, IDC_KW2 = 1094, IDC_W2 = 1095,
        IDC_MP1 = 1069, IDC_MP2 = 1074, IDC_DMS1 = 1070, IDC_DMI1 = 1073, IDC_DMS2 = 1075, IDC_DMI2 = 1076,
        IDC_SIGN_WS1 = 1148, IDC_SIGN_WI1 = 1149, IDC_SIGN_WS2 = 1150, IDC_SIGN_WI2 = 1151,
        IDC_SIGN_MS2 = 1152, IDC_SIGN_MI2 = 1153, IDC_SIGN_MS1 = 1154, IDC_SIGN_MI1 = 1155,
        IDC_HINT = 1157, IDC_TRIAL = 1147, IDC_LOAD = 1146, IDC_HELP = 9, IDC_CHECK = 1158,
    };

    explicit CCYMeasureTowDlg(fw::Window* parent = nullptr);

    std::string m_strReportPath;

    // The last cutting and interference check (scheme, rows, report lines, hint).
    const measurement::CheckState& checkState() const { return m_check; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;

private:
    void OnMesh(measurement::MeshType m);
    void OnKillfocusNumber(int id, double& member);
    void OnKillfocusTeeth(int id, std::uint32_t& member);
    void OnKillfocusAw();
    void OnKillfocusAlphaN();
    void OnKillfocusBeta(int id);
    void OnCoefficientList(int id, bool typed);
    void OnSelchangeUnit();
    void OnReleasedHelix();
    void OnKillfocusShift(int id);
    void OnKillfocusDp();
    void OnKillfocusDeviation(int id);
    void OnTrial();
    void OnLoad();
    void OnCheck();

    void refresh();
    void acceptedEdit();
    void showSigns();
    void showBeta();
    void showReference();
    void showResults();
    void placeSlider();
    void setHint(const std::string& s) { setText(IDC_HINT, s); }
    measurement::PairMeasure state() const;   // what a save writes

    measurement::PairInput m_in;
    measurement::PairResult m_out;
    bool m_haveResults = false;
    measurement::PairInput m_calculatedFrom;
    measurement::SpanDeviations m_dev;
    std::string m_title, m_number;
    fw::Date m_date;
    int m_unit = 0;
    std::string m_haText = "1.0", m_cText = "0.25";
    std::string m_dataPath;
    measurement::CheckState m_check;
};
