// CCwGmDlg: the geometry of an ordinary cylindrical worm pair, ZA, ZN, ZI
// or ZK (template 2019). It loads the preliminary record of a .cwb design,
// lets the user set the working centre distance (which sets the worm-gear
// profile shift) and correct θ, ρf and de2, calculates, and saves: the
// design file rewritten with its geometry record and the report section
// appended to the .cwt. The shell includes this header, runs the dialog
// modally and, on IDOK, loads the report named by m_strReportPath.
#pragma once
#include <string>

#include "fw/fw.h"
#include "worm/calc/cw_records.h"

class CCwGmDlg : public fw::Dialog {
public:
    enum { IDD = 2019 };

    // Control ids of template 2019.
    enum : int {
        IDC_TITLE = 1058, IDC_NUMBER = 1059, IDC_DATE = 1231, IDC_HAND = 1116,
        IDC_AW = 1090, IDC_THETA = 1084, IDC_RHO = 1088, IDC_DE2 = 1107,
        IDC_LOAD = 1110, IDC_CALC = 1113, IDC_PICTURE = 1112, IDC_HELP = 2006,
        IDC_HINT = 1109, IDC_TYPE = 1114,
        IDC_DB = 1075, IDC_GAMMA_B = 1091, IDC_PBN = 1092,
        // Labels of the involute worm's displays (empty for other types).
        IDC_DB_LABEL = 1117, IDC_DB_SUB = 1118, IDC_DB_EQ = 1119, IDC_DB_UNIT = 1120,
        IDC_GB_LABEL = 1121, IDC_GB_EQ = 1122, IDC_GB_UNIT = 1123, IDC_GB_SUB = 1124,
        IDC_PBN_LABEL = 1125, IDC_PBN_SUB = 1126, IDC_PBN_EQ = 1127, IDC_PBN_UNIT = 1228,
        // Read-only displays.
        IDC_Z1 = 1060, IDC_MX = 1061, IDC_MN1 = 1062, IDC_GAMMA = 1063, IDC_PZ1 = 1064, IDC_PX1 = 1065,
        IDC_B1 = 1066, IDC_HA_STAR = 1067, IDC_ALPHA_X = 1068, IDC_ALPHA_N = 1069, IDC_Q = 1070, IDC_D1 = 1071,
        IDC_Z2 = 1072, IDC_BETA_M2 = 1073, IDC_MS = 1074, IDC_MN2 = 1076, IDC_D2 = 1077, IDC_B2 = 1078,
        IDC_RG = 1079, IDC_A = 1080, IDC_X2 = 1081, IDC_D1W = 1082, IDC_GAMMA_W = 1083, IDC_HA1 = 1085,
        IDC_HF1 = 1086, IDC_H1 = 1087, IDC_SN = 1089, IDC_HCN1 = 1093, IDC_DA1 = 1094, IDC_DF1 = 1095,
        IDC_HA2 = 1096, IDC_HF2 = 1097, IDC_H2 = 1098, IDC_DM2 = 1099, IDC_DA2 = 1100, IDC_DF2 = 1101,
        IDC_EPS_A = 1102,
    };

    explicit CCwGmDlg(fw::Window* parent = nullptr);

    // Path of the report the save appended to; the shell loads it after IDOK.
    std::string m_strReportPath;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;

private:
    void OnLoad();
    void OnKillfocusAw();
    void OnKillfocusTheta();
    void OnKillfocusRho();
    void OnKillfocusDe2();
    void OnCalc();
    void OnSave();
    void OnPicture();
    void OnDateSetFocus();
    void OnDateKillFocus();

    void takeEdit(int id, double worm::CwGeomRecord::*member);
    void refreshEnabled();
    void showTypeLabels();
    void setNote(const std::string& t);

    worm::CwPreRecord m_pre;     // as loaded; written back on save
    worm::CwGeomRecord m_geom;   // the pair being built
    std::string m_typeText;
    std::string m_note;
    std::string m_dataPath;
    bool m_loaded = false;
    bool m_accepted = false;     // a' passed its check
    bool m_calculated = false;   // the calculation ran for the a' shown
};
