// CCcwGmdlg: the geometry of a ZC3 worm pair, the worm whose axial profile
// is an arc (template 2015); the worm face width is chosen in CCcwB1Dlg.
// Load, centre distance, calculation, save and report as the ordinary
// calculator does. The shell includes this header, runs the dialog modally
// and, on IDOK, loads the report named by m_strReportPath.
#pragma once
#include <string>

#include "fw/fw.h"
#include "worm/calc/cw_records.h"

class CCcwGmdlg : public fw::Dialog {
public:
    enum { IDD = 2015 };

    // Control ids of template 2015.
    enum : int {
        IDC_TITLE = 1058, IDC_NUMBER = 1059, IDC_DATE = 1231, IDC_HAND = 1116, IDC_AW = 1090, IDC_THETA = 1084,
        IDC_DE2 = 1107, IDC_LOAD = 1238, IDC_CALC = 1239, IDC_B1_BUTTON = 1242, IDC_PICTURE = 1112,
        IDC_PROFILE = 1233, IDC_HELP = 2002, IDC_HINT = 1109, IDC_TYPE = 1114,
        // Read-only displays.
        IDC_B1 = 1082, IDC_Z1 = 1060, IDC_Z2 = 1061, IDC_MX = 1062, IDC_MN1 = 1063, IDC_MN2 = 1064,
        IDC_GAMMA = 1065, IDC_GAMMA_W = 1066, IDC_PX1 = 1067, IDC_PZ1 = 1068, IDC_ALPHA_X = 1069,
        IDC_ALPHA_N = 1070, IDC_Q = 1071, IDC_D1 = 1072, IDC_D1W = 1073, IDC_D2 = 1074, IDC_DM2 = 1075,
        IDC_B2 = 1076, IDC_RG = 1077, IDC_A = 1078, IDC_X2 = 1079, IDC_HA1 = 1080, IDC_HF1 = 1081, IDC_H1 = 1083,
        IDC_HA2 = 1085, IDC_HF2 = 1086, IDC_H2 = 1087, IDC_DA1 = 1088, IDC_DF1 = 1089, IDC_DA2 = 1091,
        IDC_DF2 = 1092, IDC_SN = 1093, IDC_SX = 1094, IDC_RHO = 1095, IDC_CX = 1096, IDC_CY = 1097,
        IDC_EPS_A = 1100, IDC_BETA_M2 = 1101, IDC_HA_STAR = 1102,
    };

    explicit CCcwGmdlg(fw::Window* parent = nullptr);

    // Path of the report the save appended to; the shell loads it after IDOK.
    std::string m_strReportPath;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;

private:
    void OnLoad();
    void OnKillfocusAw();
    void OnKillfocusDe2();
    void OnFaceWidth();
    void OnCalc();
    void OnSave();
    void refreshEnabled();
    void takeEdited(int id, double worm::CwGeomRecord::*member, double v);

    worm::CwPreRecord m_pre;
    worm::CwGeomRecord m_geom;
    std::string m_typeText, m_note, m_dataPath;
    bool m_loaded = false, m_accepted = false, m_calculated = false;
};

// CCcwB1Dlg: the worm face width between two limits (template 2000), by
// trackbar (positions 0 to 50) or typed.
class CCcwB1Dlg : public fw::Dialog {
public:
    enum { IDD = 2000 };
    enum : int { IDC_B1 = 1244, IDC_BAR = 1245, IDC_LOW = 1246, IDC_HIGH = 1247 };
    explicit CCcwB1Dlg(fw::Window* parent = nullptr);

    // Stores the limits and runs the dialog: IDOK or IDCANCEL.
    virtual int DoModal(int bmin, int bmax);
    using fw::Dialog::DoModal;

    std::uint32_t m_b1 = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;

private:
    void OnReleased();
    void OnKillfocusB1();
    int m_min = 0, m_max = 0;
};
