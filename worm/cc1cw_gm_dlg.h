// CC1cwGmDlg: the geometry of a ZC1 worm pair, the arc-profile worm ground by
// a disc with an arc axial profile (template 2001), with the grinding-disc
// data and setting. Load, centre distance, calculation, save and report as
// the ordinary calculator does. The shell includes this header, runs the
// dialog modally and, on IDOK, loads the report named by m_strReportPath.
#pragma once
#include <string>

#include "fw/fw.h"
#include "worm/calc/arc_geometry.h"

class CC1cwGmDlg : public fw::Dialog {
public:
    enum { IDD = 2001 };

    // Control ids of template 2001.
    enum : int {
        IDC_TITLE = 1058, IDC_NUMBER = 1059, IDC_DATE = 1231, IDC_HAND = 1116, IDC_ALPHA_N_LIST = 1255,
        IDC_AW = 1090, IDC_B1 = 1082, IDC_THETA = 1084, IDC_DE2 = 1107, IDC_RHO_DISC = 1234, IDC_DS = 1244,
        IDC_LOAD = 1238, IDC_CALC = 1239, IDC_PICTURE = 1112, IDC_PROFILE = 1251, IDC_HELP = 2005,
        IDC_HINT = 1109, IDC_TYPE = 1114, IDC_AU = 1240,
        // Read-only displays.
        IDC_Z1 = 1060, IDC_Z2 = 1061, IDC_MX = 1062, IDC_MN1 = 1063, IDC_MN2 = 1064, IDC_GAMMA = 1065,
        IDC_GAMMA_W = 1066, IDC_PX1 = 1067, IDC_PZ1 = 1068, IDC_ALPHA_X = 1069, IDC_Q = 1071, IDC_D1 = 1072,
        IDC_D1W = 1073, IDC_D2 = 1074, IDC_DM2 = 1075, IDC_B2 = 1076, IDC_RG = 1077, IDC_A = 1078, IDC_X2 = 1079,
        IDC_HA1 = 1080, IDC_HF1 = 1081, IDC_H1 = 1083, IDC_HA2 = 1085, IDC_HF2 = 1086, IDC_H2 = 1087,
        IDC_DA1 = 1088, IDC_DF1 = 1089, IDC_DA2 = 1091, IDC_DF2 = 1092, IDC_SN = 1093, IDC_SX = 1094,
        IDC_RHO_N = 1095, IDC_DH = 1096, IDC_L1 = 1097, IDC_L2 = 1098, IDC_L3 = 1099, IDC_EPS_A = 1100,
        IDC_SIGMA_U = 1101, IDC_HA_STAR = 1102,
    };

    explicit CC1cwGmDlg(fw::Window* parent = nullptr);

    // Path of the report the save appended to; the shell loads it after IDOK.
    std::string m_strReportPath;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;

private:
    void OnLoad();
    void OnAlphaN();
    void OnKillfocusAw();
    void OnKillfocusB1();
    void OnKillfocusRho();
    void OnKillfocusDs();
    void OnCalc();
    void OnSave();
    void refreshEnabled();
    void takeEdited(int id, double worm::CwGeomRecord::*member, double v);
    bool takeDisc(int id, const worm::arc::Zc1& z);

    worm::CwPreRecord m_pre;
    worm::arc::Zc1 m_z;
    std::string m_typeText, m_note, m_dataPath;
    bool m_loaded = false, m_accepted = false, m_calculated = false, m_rhoAccepted = false, m_dsAccepted = false;
};
