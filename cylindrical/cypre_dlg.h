// CypreDlg: the preliminary design of a cylindrical gear pair (template 1000).
// From the load, the ratio, the pinion teeth, the allowable stresses, the
// face-width ratio and two load factors it finds the minimum module and the
// centre distance, saves the .cyb design file and writes the .cyt report.
// The shell includes this header, runs the dialog modally and, on IDOK,
// loads the report named by m_strReportPath.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "cylindrical/calc/cy_pre_record.h"
#include "cylindrical/calc/preliminary.h"
#include "fw/fw.h"

class CypreDlg : public fw::Dialog {
public:
    enum { IDD = 1000 };

    // Control ids of template 1000.
    enum : int {
        IDC_BY_POWER = 201,        // 按输入转速与功率计算
        IDC_BY_TORQUE = 202,       // 按输出转速与输出扭矩计算
        IDC_I = 203,
        IDC_T = 204,
        IDC_Z1 = 205,
        IDC_Z2 = 206,
        IDC_A = 207,
        IDC_NI = 208,
        IDC_NO = 209,
        IDC_P = 210,
        IDC_BETA_DEG = 211,
        IDC_BETA_MIN = 212,
        IDC_BETA_SEC = 213,
        IDC_STEADY = 214,          // load nature: 平稳 / 中等冲击 / 较大冲击
        IDC_MODERATE = 215,
        IDC_HEAVY = 216,
        IDC_K1_SLIDER = 217,
        IDC_PHID = 218,
        IDC_K2_SLIDER = 219,
        IDC_SYMMETRIC = 220,       // support: 对称配置 / 非对称 / 悬臂配置
        IDC_ASYMMETRIC = 221,
        IDC_CANTILEVER = 222,
        IDC_SOFT = 223,            // 硬度<350HB
        IDC_HARD = 224,            // 硬度>350HB
        IDC_PHID_SLIDER = 225,
        IDC_MN = 226,
        IDC_K1 = 255,
        IDC_K2 = 256,
        IDC_SIGMA_HP = 259,
        IDC_SIGMA_FP = 260,
        IDC_HINT = 261,
        IDC_MN_LABEL = 262,
        IDC_MS = 263,
        IDC_EXTERNAL = 1096,
        IDC_INTERNAL = 1097,
        IDC_PHID_LOW = 1328,
        IDC_PHID_HIGH = 1329,
        IDC_K1_LOW = 1330,
        IDC_K1_HIGH = 1331,
        IDC_K2_LOW = 1332,
        IDC_K2_HIGH = 1333,
        IDC_TITLE = 1303,
        IDC_NUMBER = 1304,
        IDC_DATE = 1305,
        IDC_LOAD = 4,              // &O 装入数据
        IDC_CALC = 6,              // &C 执行计算
    };

    explicit CypreDlg(fw::Window* parent = nullptr);

    // Path of the report written by the last successful save; the shell
    // loads it after IDOK.
    std::string m_strReportPath;

    // DoModal (fw::Dialog's) returns IDOK only after a successful save,
    // IDCANCEL otherwise.

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;

private:
    // Handlers, as the template's controls name them.
    void OnLoadMode(int mode);
    void OnEnKillfocusI();
    void OnEnKillfocusZ1();
    void OnEnKillfocusZ2();
    void OnEnKillfocusNi();
    void OnEnChangeT();
    void OnEnChangeNo();
    void OnEnKillfocusP();
    void OnEnKillfocusBeta(int id);
    void OnEnKillfocusMn();
    void OnEnChangeSigmaHP();
    void OnEnChangeSigmaFP();
    void OnSupportOrHardness();
    void OnLoadNature();
    void OnReleasedPhiD();
    void OnReleasedK1();
    void OnReleasedK2();
    void OnMeshType();
    void OnDateSetFocus();
    void OnDateKillFocus();
    void OnBnClickedCalc();
    void OnBnClickedLoad();
    void OnBnClickedSave();
    void OnBnClickedCancel();

    // Small helpers of the handlers.
    bool takeFields();                 // UpdateData(true); on refusal the radios show the members again
    void showFields();                 // members -> controls, K1 and K2 with six digits
    void showRadios();
    void showK();                      // K1 and K2 fields, six significant digits
    void setHint(const std::string& text) { setText(IDC_HINT, text); }
    void enableLoadMode();
    void showPhiDRange();
    void showKRanges();
    void applyMode1Speeds();           // after Z1 or Z2: no from ni, or ni from no
    const kavrin::AngleTriple& beta() const { return m_out.beta; }
    void setBeta(const kavrin::AngleTriple& b) { m_out.beta = b; }
    void torqueFollowsPower();         // by power: T from P at the output speed
    void powerFollowsTorque();         // by torque: P from T at the output speed
    // Stale results: the inputs of the last calculation differ from the
    // current ones (as the fields show them).
    // The numbers the handlers derive from each other, kept as they were
    // when last shown finite: a handler whose result would be NaN or
    // infinite (ni 1e308 gives P = inf) is refused and they come back.
    struct Numbers {
        cylindrical::PreliminaryInput in;
        cylindrical::PreliminaryResult out;
        double ni, p, no;
    };
    Numbers numbers() const;
    static std::optional<std::string> numbersFault(const Numbers& n);
    void setNumbers(const Numbers& n);
    Numbers m_lastFinite{};
    void refreshCalculated();
    void markCalculated();
    cylindrical::CyPreRecord record() const;
    void applyRecord(const cylindrical::CyPreRecord& r);

    // The calculation's own input and result; the data exchange binds their fields.
    cylindrical::PreliminaryInput m_in;
    cylindrical::PreliminaryResult m_out;

    // The rest of the form, in its order.
    int m_loadMode = 0;                // 0 by input speed and power, 1 by output speed and torque
    double m_ni = 0;                   // input speed, r/min
    double m_p = 0;                    // power, kW
    double m_no = 0;                   // output speed, r/min
    kavrin::Support m_support = kavrin::Support::Symmetric;
    kavrin::Hardness m_hardness = kavrin::Hardness::Below350HB;
    kavrin::LoadNature m_loadNature = kavrin::LoadNature::Steady;
    int m_phiDPos = 0;
    int m_k1Pos = 0;
    int m_k2Pos = 0;
    std::string m_title;               // design texts, as the record stores them
    std::string m_number;
    std::string m_date;

    // Slider ranges.
    cylindrical::Range m_k2Range{1.8, 2.3};
    cylindrical::Range m_k1Range{2.0, 2.4};
    cylindrical::Range m_phiDRange{0.8, 1.4};

    std::string m_dataPath;            // design file last saved or loaded
    std::int32_t m_saved = 0;          // 1 after a successful save

    // The results shown were computed from these inputs.
    bool m_calculated = false;
    cylindrical::PreliminaryInput m_calculatedFrom;
};
