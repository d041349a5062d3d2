// CPellunType: choice of the tooth system and preliminary design of a bevel
// pair with perpendicular axes (template 3000). It starts the bevel design
// file (.cng) and its report (.tng); the shell reads m_strReportPath after
// IDOK. The shell includes this header, so it is the class's one declaration.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "bevel/preliminary/calc/cone_pre_record.h"
#include "common/calc/quantity.h"
#include "fw/fw.h"

class CPellunType : public fw::Dialog {
public:
    static constexpr int IDD = 3000;
    // Tooth systems: radios 3002..3009.
    static constexpr int IDC_SYSTEM = 3002;
    static constexpr int IDC_ALPHA_DEG = 3010, IDC_ALPHA_MIN = 3014, IDC_ALPHA_SEC = 3015;
    static constexpr int IDC_BETA_DEG = 3013, IDC_BETA_MIN = 3016, IDC_BETA_SEC = 3017;
    static constexpr int IDC_HA = 3011, IDC_C = 3012;
    static constexpr int IDC_Z1 = 3019, IDC_Z2 = 3020, IDC_N1 = 3021, IDC_N2 = 3022, IDC_I = 3023;
    static constexpr int IDC_P = 3024, IDC_T = 3025;
    static constexpr int IDC_TITLE = 3030, IDC_NUMBER = 3031, IDC_DATE = 3091;
    static constexpr int IDC_MT = 3035, IDC_SIGMA_H = 3036, IDC_SIGMA_F = 3038;
    static constexpr int IDC_MODULE = 3039;
    static constexpr int IDC_KA_BUTTON = 3041, IDC_KA = 3042;
    static constexpr int IDC_KHB_BUTTON = 3043, IDC_KHB = 3044;
    static constexpr int IDC_KWB_BUTTON = 3045, IDC_KWB = 3046;
    static constexpr int IDC_X1 = 3047, IDC_X2 = 3048, IDC_XT1 = 3049, IDC_XT2 = 3050;
    static constexpr int IDC_YF = 3051, IDC_RADIAL = 3052, IDC_TANGENTIAL = 3053, IDC_FORM_FACTOR = 3054;
    static constexpr int IDC_HINT = 3056;
    static constexpr int IDC_LOAD = 5;
    static constexpr int IDC_HELP_BUTTON = 9;
    static constexpr int IDB_PAIR = 3053;  // the picture at the top right

    explicit CPellunType(fw::Window* parent = nullptr);

    // Members, in the order of the class the shell declares.
    char m_szDate[20] = {};
    char m_szNumber[64] = {};
    char m_szTitle[64] = {};
    std::string m_strReportPath;
    std::string m_strDataPath;
    int m_reportWritten = 0;
    int m_dataSaved = 0;
    bevel::ConePreRecord m_record;
    int m_mask = 0;
    int m_toothSystem = 0;
    std::uint32_t m_alphaMin = 0, m_alphaDeg = 20, m_alphaSec = 0;
    std::uint32_t m_betaDeg = 0, m_betaMin = 0, m_betaSec = 0;
    double m_c = 0.2;
    double m_ha = 1.0;
    double m_mt = 0;
    double m_i = 0;
    std::uint32_t m_z2 = 0, m_z1 = 0;
    double m_n2 = 0, m_n1 = 0;
    double m_p = 0;
    double m_t = 0;
    double m_yf = 0;
    double m_sigmaFlim = 0;
    double m_x1 = 0, m_xt1 = 0;
    double m_sigmaHlim = 0;
    double m_x2 = 0, m_xt2 = 0;
    double m_ka = 0, m_khBeta = 0, m_kwBeta = 0;
    std::string m_strTitle, m_strNumber, m_strDate;

    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;
    void OnCancel() override;

    // The record filled from the dialog's values.
    bevel::ConePreRecord record() const;

private:
    // Every value but the texts from a record (a load, or the copy taken
    // before a field handler, to restore a refused entry).
    void applyValues(const bevel::ConePreRecord& r);

    double alphaDegrees() const;
    double betaDegrees() const;
    void setHint(const std::string& text);
    void takeText(int id, std::string& value, std::span<char> field);
    void applyEnabling();
    void fillRecord();
    void refresh();
    void show();
    bool readFields();
    void enableIds(std::initializer_list<int> ids, bool on);
    void resetResultsIfChanged(const bevel::ConePreRecord& before);
    const kavrin::Quantity* coupledOutOfRange() const;
    void coupleTorque();
    void refuse(const bevel::ConePreRecord& before, const std::string& hint, bool refreshAll = false);
    void acceptIfInRange(const bevel::ConePreRecord& before);

    void OnToothSystem(int index);
    void OnEnKillfocusAlpha();
    void OnEnKillfocusBeta();
    void OnEnKillfocusHa();
    void OnEnKillfocusC();
    void OnEnKillfocusZ1();
    void OnEnKillfocusZ2();
    void OnEnKillfocusI();
    void OnEnKillfocusN1();
    void OnEnKillfocusN2();
    void OnEnKillfocusP();
    void OnEnKillfocusT();
    void OnEnKillfocusPositive(double CPellunType::*member, std::int32_t bit, const char* refusal, bool refreshOnRefusal);
    void OnEnKillfocusX1();
    void OnEnKillfocusXt1();
    void OnEnKillfocusYf();
    void OnEnKillfocusMt();
    void OnBnClickedKa();
    void OnBnClickedKhbita();
    void OnBnClickedKwbita();
    void OnBnClickedRadial();
    void OnBnClickedTangential();
    void OnBnClickedFormFactor();
    void OnBnClickedModule();
    void OnBnClickedLoad();
};
