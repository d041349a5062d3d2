// CSirrowDlg: the bevel gear strength rating (template 9000). Loads the pair
// from a bevel design file (.cng) or takes it typed in, computes the forces
// at the mean cone, lets the user pick every factor, computes the stresses,
// their limits and the safety factors, and on 保存返回 appends the pinion's
// or the gear's rating report to a .tng file (m_strReportPath after IDOK).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "bevel/rating/calc/rating_forces.h"
#include "bevel/rating/calc/rating_load.h"
#include "bevel/rating/calc/rating_report.h"
#include "fw/fw.h"

class CSirrowDlg : public fw::Dialog {
public:
    static constexpr int IDD = 9000;
    // Buttons.
    static constexpr int IDC_LOAD = 1127, IDC_TORQUE = 1129, IDC_FORCES = 1143, IDC_HELP = 1204;
    static constexpr int IDC_PINION = 1327, IDC_GEAR = 1328;
    static constexpr int IDC_KA = 1152, IDC_KV = 1154, IDC_KBETA = 1156, IDC_ZH = 1160, IDC_ZE = 1162,
                         IDC_ZEPS = 1164, IDC_ZN = 1166, IDC_ZL = 1168, IDC_ZR = 1172, IDC_ZW = 1174;
    static constexpr int IDC_SIGMA_H = 1144, IDC_SIGMA_HP = 1146, IDC_SH = 1148;
    static constexpr int IDC_WKA = 1182, IDC_WKV = 1184, IDC_WKBETA = 1186, IDC_YF = 1188, IDC_YEPS = 1190,
                         IDC_YBETA = 1192, IDC_Y0 = 1194, IDC_YN = 1196, IDC_YX = 1198;
    static constexpr int IDC_SIGMA_F = 1176, IDC_SIGMA_FP = 1178, IDC_SF = 1180;
    // Edits.
    static constexpr int IDC_TITLE = 1301, IDC_NUMBER = 1302, IDC_DATE = 1303;
    static constexpr int IDC_M = 1130, IDC_Z1 = 1131, IDC_BETA = 1132, IDC_PHIR = 1133, IDC_EPS_ALPHA = 1134,
                         IDC_EPS_BETA = 1135, IDC_FTM = 1136, IDC_FR1 = 1137, IDC_FX1 = 1138, IDC_FR2 = 1139,
                         IDC_ALPHA = 1140, IDC_FX2 = 1141, IDC_Z2 = 1142, IDC_T = 1150, IDC_B = 1151,
                         IDC_R = 1170, IDC_DELTA2 = 1199, IDC_DELTA1 = 1200, IDC_X2 = 1202, IDC_X1 = 1203,
                         IDC_XT2 = 1205, IDC_N1 = 1206, IDC_XT1 = 1207, IDC_T2 = 9015;
    static constexpr int IDC_V_KA = 1153, IDC_V_KV = 1155, IDC_V_KBETA = 1157, IDC_V_ZH = 1161, IDC_V_ZE = 1163,
                         IDC_V_ZEPS = 1165, IDC_V_ZN = 1167, IDC_V_ZL = 1169, IDC_V_ZV = 1171, IDC_V_ZR = 1173,
                         IDC_V_ZW = 1175, IDC_V_SIGMA_H = 1145, IDC_V_SIGMA_HP = 1147, IDC_V_SH = 1149;
    static constexpr int IDC_V_WKA = 1183, IDC_V_WKV = 1185, IDC_V_WKBETA = 1187, IDC_V_YF = 1189,
                         IDC_V_YEPS = 1191, IDC_V_YBETA = 1193, IDC_V_Y0 = 1195, IDC_V_YN = 1197, IDC_V_YX = 1201,
                         IDC_V_SIGMA_F = 1177, IDC_V_SIGMA_FP = 1179, IDC_V_SF = 1181;

    std::string m_strReportPath;
    std::string m_strDataPath;
    int m_nLimitClass = 4;
    std::uint32_t m_nBendMask = 0, m_nContactMask = 0, m_nEntryMask = 0;
    bool m_bReportWritten = false;
    int m_nDType = 0;
    int m_nGear = 0;
    bool m_bForces = false;  // the forces belong to the entries as they stand

    bevel::RatingEntries m_e;
    double m_dT = 0, m_dT2 = 0, m_dN1 = 0;
    double m_dFtm = 0, m_dFr1 = 0, m_dFr2 = 0, m_dFx1 = 0, m_dFx2 = 0;
    double m_dZM = 0, m_dConeH = 0, m_dConeF = 0;
    // Contact column.
    double m_dKa = 0, m_dKv = 0, m_dKbeta = 0, m_dZH = 0, m_dZE = 0, m_dZeps = 0, m_dZN = 0, m_dZL = 0, m_dZv = 0,
           m_dZR = 0, m_dZW = 0, m_dSigmaH = 0, m_dSigmaHP = 0, m_dSH = 0;
    // Bending column.
    double m_dWKa = 0, m_dWKv = 0, m_dWKbeta = 0, m_dYF = 0, m_dYeps = 0, m_dYbeta = 0, m_dY0 = 1.0, m_dYN = 0,
           m_dYx = 0, m_dSigmaF = 0, m_dSigmaFP = 0, m_dSF = 0;

    explicit CSirrowDlg(fw::Window* parent = nullptr);
    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // The report of the current values (the pinion's or the gear's).
    bevel::RatingReport reportData() const;

    // The values each column's verdict (its safety factor) was computed
    // from: the entries and load the column reads, the forces, its factors,
    // its stress and its limit. A verdict stands while they are the values
    // shown; the report is written only when both stand.
    std::vector<double> contactBasis() const;
    std::vector<double> bendingBasis() const;
    bool contactVerdictStands() const;
    bool bendingVerdictStands() const;

private:
    void show();
    void dropStaleVerdicts();
    void enableForces();
    void enableFactorButtons(bool on);
    void contactRule();
    void bendingRule();
    void clearContactResults();
    void clearBendingResults();
    void entryChanged();   // a geometry or load entry took a new value

    void OnLoad();
    void OnTorque();
    void OnForces();
    void OnGearRadio(int gear);
    void OnEntry(int id);
    void OnEntryT();
    void OnEntryT2();
    void OnEntryEpsBeta();
    void OnDateFocus();
    void OnDateLeave();

    void OnKa();
    void OnKv(bool bending);
    void OnKbeta();
    void OnWKbeta();
    void OnZH();
    void OnZE();
    void OnZeps();
    void OnZN();
    void OnZL();
    void OnZR();
    void OnZW();
    void OnYF(bool gearChanged);
    void OnYeps();
    void OnYbeta();
    void OnY0();
    void OnYN();
    void OnYx();
    void OnSigmaH();
    void OnSigmaHP();
    void OnSH();
    void OnSigmaF();
    void OnSigmaFP();
    void OnSF();
    // A contact (bending) factor took value v: store it with its bit and mark
    // that column's results stale when the value changed.
    // A usable value outside q's range is refused with its notice and not taken.
    void storeContact(double v, double& slot, std::uint16_t bit, const kavrin::Quantity& q);
    void storeBending(double v, double& slot, std::uint16_t bit, const kavrin::Quantity& q);

    std::vector<double> m_contactVerdictFrom, m_bendingVerdictFrom;
    char m_szDate[20] = {};
    char m_szNumber[64] = {};
    char m_szTitle[64] = {};
};
