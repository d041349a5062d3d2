// CBelmarAolDlg: the geometry of a cycloidal bevel gear pair (tooth system 7,
// EN or TC cutter heads), template 4013. It loads the preliminary record or a
// saved design, checks each input as the user leaves its field, calculates
// with the cutter-head choice, the cutter-tilt check and (Z1 ≤ 15) the
// height modification, and on 保存返回 rewrites the .cng and appends the
// report section to the .tng (both or neither).
#pragma once
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/geometry/calc/cutter_head_record.h"
#include "bevel/geometry/calc/cycloidal_geometry.h"
#include "fw/fw.h"

class CBelmarAolDlg : public fw::Dialog {
public:
    static constexpr int IDD = 4013;
    static constexpr int IDC_TITLE = 4164, IDC_NUMBER = 4165, IDC_DATE = 4166, IDC_Z1 = 4167, IDC_Z2 = 4168;
    static constexpr int IDC_M = 4171, IDC_X1 = 4172, IDC_X2 = 4173, IDC_XT1 = 4174, IDC_XT2 = 4175;
    static constexpr int IDC_PHI_SLIDER = 4176, IDC_ALPHA_D = 4177, IDC_ALPHA_M = 4178, IDC_ALPHA_S = 4179;
    static constexpr int IDC_BETA_D = 4180, IDC_BETA_M = 4181, IDC_BETA_S = 4182, IDC_PHI = 4183;
    static constexpr int IDC_DELTA1_D = 4184, IDC_DELTA1_M = 4185, IDC_DELTA1_S = 4186;
    static constexpr int IDC_DELTA2_D = 4187, IDC_DELTA2_M = 4188, IDC_DELTA2_S = 4189;
    static constexpr int IDC_B = 4190, IDC_D1 = 4191, IDC_D2 = 4192, IDC_R = 4193, IDC_AK1 = 4194, IDC_AK2 = 4195;
    static constexpr int IDC_HA1 = 4196, IDC_HA2 = 4197, IDC_HF1 = 4198, IDC_HF2 = 4199, IDC_H = 4200;
    static constexpr int IDC_TAPER_FIRST = 4201;  // 4201 to 4204
    static constexpr int IDC_RI = 4205, IDC_DH = 4155, IDC_DA1 = 4245, IDC_DA2 = 4246;
    static constexpr int IDC_BETA_OUT_D = 4247, IDC_BETA_OUT_M = 4248, IDC_BETA_OUT_S = 4249;
    static constexpr int IDC_BETA_I_D = 4153, IDC_BETA_I_M = 4154, IDC_BETA_I_S = 4161;
    static constexpr int IDC_ZC = 4236, IDC_BETA_P1_D = 4148, IDC_BETA_P1_M = 4149, IDC_BETA_P1_S = 4159;
    static constexpr int IDC_RP = 4233, IDC_BETA_P_D = 4150, IDC_BETA_P_M = 4152, IDC_BETA_P_S = 4160;
    static constexpr int IDC_MP = 4243, IDC_EPS_ALPHA = 4290, IDC_EPS_BETA = 4291, IDC_S1 = 4217, IDC_S2 = 4224;
    static constexpr int IDC_TILT = 4225, IDC_CUTTER_LIST = 4237;
    static constexpr int IDC_LOAD_PRE = 4238, IDC_LOAD_SAVED = 4239, IDC_CALC = 4240, IDC_HELP_BUTTON = 4242;
    static constexpr int IDC_EN = 4250, IDC_TC = 4251, IDC_HA_STAR = 4252, IDC_PICTURE = 4253;
    static constexpr const char* kHelpTopic = "Kavrin.chm::/ConGeomAolDlg.htm";

    // Records and state.
    bevel::ConePreRecord m_pre = bevel::zeroConePreRecord();
    std::string m_strReportPath;  // read by the shell after IDOK
    std::filesystem::path m_dataPath;
    bevel::CutterHeadRecord m_head;
    int m_group = 0;
    int m_headIndex = 0;
    int m_calculated = 0;
    int m_widthEdited = 0;
    int m_saved = 0;
    int m_mask = 0;
    bevel::ConeGeomRecord m_geom;
    std::string m_title, m_number, m_date;
    int m_sliderPos = 0;

    // Fields.
    std::uint32_t m_z1 = 0, m_z2 = 0;
    std::uint32_t m_alpha[3] = {20, 0, 0};
    std::uint32_t m_betaM[3] = {0, 0, 0};
    double m_mt = 0, m_phiR = 0.25, m_b = 2.5;
    int m_taper = 3;
    double m_haStar = 1.0;
    int m_cutterType = 0;  // 0 EN, 1 TC

    // Results.
    bevel::aol::Cone m_cone;
    bevel::aol::Reference m_ref;
    bevel::aol::Results m_res;
    double m_tilt = 0;

    explicit CBelmarAolDlg(fw::Window* parent = nullptr);
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;
    void OnCancel() override;

    // The calculation of 开始计算; true when it ran to the end.
    bool calculate();
    // Writes the results and the cutter list into the controls.
    void showResults();
    void fillCutterList();

private:
    // α and βm as last checked: leaving one of the three parts with the
    // whole angle unchanged checks nothing again, so a notice about an angle
    // comes once per change of it. The empty counts, module and βm of a fresh
    // dialog count as checked (nothing was entered yet); a loaded value is
    // checked when its field is first left.
    using Dms = std::array<std::uint32_t, 3>;
    std::optional<Dms> m_alphaChecked, m_betaChecked;
    std::optional<std::uint32_t> m_z1Untouched, m_z2Untouched;
    std::optional<double> m_mtUntouched;
    Dms alphaDms() const { return {m_alpha[0], m_alpha[1], m_alpha[2]}; }
    Dms betaDms() const { return {m_betaM[0], m_betaM[1], m_betaM[2]}; }
    void forgetChecks();

    void resetInputs();
    void setSlider();
    bool readFields();
    void OnZ1();
    void OnZ2();
    void OnModule();
    void OnAlpha(int part);
    void OnBeta(int part);
    void OnHaStar();
    void OnPhi();
    void OnSlider();
    void OnFaceWidth();
    void OnCutterType(int type);
    void OnLoadPreliminary();
    void OnLoadSaved();
    void takeAngles();
    double alphaDegrees() const;
    double betaDegrees() const;
    bool alphaFitsCutter() const;
};
