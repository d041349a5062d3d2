// CCwproDlg: force analysis and strength rating of a cylindrical worm drive
// (template 2030). It loads a .cwb holding both records, or works from typed
// inputs; finds the sliding speed, friction angle and efficiency, the forces,
// the contact and bending safety of the worm gear and the stiffness of the
// worm, stage by stage; "保存返回" appends the rating report to a .cwt. The
// shell includes this header, runs the dialog modally and, on IDOK, loads
// the report named by m_strReportPath.
#pragma once
#include <array>
#include <string>
#include <tuple>

#include "fw/fw.h"
#include "worm/calc/cw_records.h"
#include "worm/calc/worm_rating.h"

class CCwproDlg : public fw::Dialog {
public:
    enum { IDD = 2030 };

    // Control ids of template 2030.
    enum : int {
        IDC_TITLE = 1134, IDC_NUMBER = 1135, IDC_DATE = 1232,
        // inputs
        IDC_D1W = 1137, IDC_DM2 = 1138, IDC_GAMMA_W = 1139, IDC_ALPHA_N = 1140, IDC_ALPHA_X = 1141, IDC_U = 1153,
        IDC_AW = 1202, IDC_M = 1203, IDC_POWER = 1154, IDC_N1 = 1147,
        // efficiency
        IDC_DRIVE_WORM = 1206, IDC_DRIVE_GEAR = 1046, IDC_WORM_ABOVE = 1216, IDC_WORM_BELOW = 1219,
        IDC_SLIDING = 1217, IDC_ROLLING = 1218,
        IDC_RHO = 1142, IDC_ETA1 = 1145, IDC_ETA2 = 1143, IDC_ETA3 = 1178, IDC_ETA = 1144, IDC_V = 1148,
        IDC_RHO_BAR = 1149, IDC_ETA1_BAR = 1152, IDC_ETA2_BAR = 1150, IDC_ETA3_BAR = 1151,
        IDC_RHO_LOW = 1207, IDC_RHO_HIGH = 1208, IDC_ETA1_LOW = 1209, IDC_ETA1_HIGH = 1210,
        IDC_ETA2_LOW = 1211, IDC_ETA2_HIGH = 1212, IDC_ETA3_LOW = 1213, IDC_ETA3_HIGH = 1214,
        // forces
        IDC_T1 = 1155, IDC_FT1 = 1156, IDC_FT2 = 1158, IDC_FX1 = 1160, IDC_FX2 = 1162, IDC_FR1 = 1164, IDC_FR2 = 1166,
        // contact, bending, stiffness
        IDC_ZE = 1169, IDC_ZH = 1171, IDC_ZN = 1173, IDC_SIGMA_HLIM = 1175, IDC_ZRHO = 1181, IDC_KA = 1183,
        IDC_SIGMA_H = 1193, IDC_SIGMA_HP = 1185, IDC_SH = 1187, IDC_ULIM = 1177, IDC_SW = 1189,
        IDC_SPAN = 1192, IDC_E = 1195, IDC_I = 1197, IDC_DELTA_LIM = 1199, IDC_S_PRIME = 1201,
        IDC_HINT = 1204,
        // buttons
        IDC_LOAD = 1190, IDC_POWER_BUTTON = 1205, IDC_V_BUTTON = 1146, IDC_EFFICIENCY_OK = 1215,
        IDC_T1_BUTTON = 1179, IDC_FT1_BUTTON = 1157, IDC_FT2_BUTTON = 1159, IDC_FX1_BUTTON = 1161,
        IDC_FX2_BUTTON = 1163, IDC_FR1_BUTTON = 1165, IDC_FR2_BUTTON = 1167,
        IDC_ZE_BUTTON = 1168, IDC_ZH_BUTTON = 1170, IDC_ZN_BUTTON = 1172, IDC_ZRHO_BUTTON = 1180,
        IDC_KA_BUTTON = 1182, IDC_SIGMA_H_BUTTON = 1191, IDC_SIGMA_HP_BUTTON = 1184, IDC_SH_BUTTON = 1186,
        IDC_ULIM_BUTTON = 1176, IDC_SW_BUTTON = 1188, IDC_E_BUTTON = 1194, IDC_I_BUTTON = 1196,
        IDC_DELTA_LIM_BUTTON = 1198, IDC_S_PRIME_BUTTON = 1200, IDC_HELP = 2008,
    };

    explicit CCwproDlg(fw::Window* parent = nullptr);

    // Path of the report the save appended to; the shell loads it after IDOK.
    std::string m_strReportPath;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;

private:
    using Quantity = worm::rating::Quantity;
    using Quantities = worm::rating::Quantities;

    void OnLoad();
    // The typed input fields: control, member, the quantity it is.
    std::array<std::tuple<int, double*, Quantity>, 10> inputs();
    void OnInput(int id, double& member, Quantity q);
    void OnPower();
    void OnSpeed();
    void OnRho();
    void OnEta(int bar, double& eta, const worm::rating::Range& range);
    void OnBearings(worm::rating::Bearings b);
    void OnPosition(worm::rating::WormPosition p);
    void OnDrive(worm::rating::Drive d);
    void OnTorque();
    void OnForce(Quantity q);
    void OnZe();
    void OnZh();
    void OnZn();
    void OnZrho();
    void OnKa();
    void OnSigmaH();
    void OnSigmaHp();
    void OnSh();
    void OnUlim();
    void OnBending();
    void OnSpan();
    void OnInertia();
    void OnDeltaLim();
    void OnStiffness();
    void OnReport();
    void OnCancelAsk();

    bool readField(int id, double& v);
    void refresh();                              // stage enabling, hint, fields
    // Stale results: a changed quantity clears everything computed from it
    // (the values shown as 0, their bits), so the report waits for them.
    void changed(Quantities q);
    void clear(Quantities stale);
    // A computed value: taken, marked done, and what was computed from a
    // different value before is stale.
    void take(Quantity q, double& member, double v);
    void markDone(Quantity q);
    bool done(Quantity q) const { return (m_done & worm::rating::bit(q)) != 0; }
    // A result that is a usable number above zero; else the calculation
    // stops with a message naming it and the previous results stay.
    bool usable(const char* name, double v);
    void showRanges();
    void updateEta();
    bool setScrewEfficiency();                   // η1 from γ', ρ; false when there is none

    worm::rating::RatingValues m_r;
    double m_t2 = 0;
    double m_eta1 = 0.7, m_eta2 = 0.97, m_eta3 = 0.96;
    worm::rating::Range m_rhoRange{0.83, 1.17}, m_eta1Range{0.7, 0.9}, m_eta2Range{0.97, 0.98},
        m_eta3Range{0.98, 0.99};
    worm::rating::Drive m_drive = worm::rating::Drive::Worm;
    worm::rating::WormPosition m_position = worm::rating::WormPosition::Above;
    worm::rating::Bearings m_bearings = worm::rating::Bearings::Sliding;
    Quantities m_done = 0;       // the quantities computed (or given) for what is shown
    bool m_loaded = false;
    worm::CwPreRecord m_pre;
    worm::CwGeomRecord m_geom;
    std::string m_dataPath;
    std::string m_reportPath;     // where the report dialog starts
    bool m_reportWritten = false;
    std::string m_hint;
};
