// CcwPrDlg: the preliminary design of a cylindrical worm drive (template
// 2024). From speeds, ratio, power or torque, the worm-gear material and
// two factors it finds the centre distance, worm diameter, module and lead
// angle, offers the standard modules and then the standard worm diameters,
// and saves the 960-byte .cwb design file with a new .cwt report. The shell
// includes this header, runs the dialog modally and, on IDOK, loads the
// report named by m_strReportPath.
#pragma once
#include <string>

#include "fw/fw.h"
#include "worm/calc/worm_preliminary.h"

class CcwPrDlg : public fw::Dialog {
public:
    enum { IDD = 2024 };

    // Control ids of template 2024.
    enum : int {
        IDC_LOAD = 4,           // 装入数据
        IDC_TITLE = 1001,
        IDC_NUMBER = 1002,
        IDC_ZA = 1004,          // worm type radios, in code order
        IDC_ZN = 1005,
        IDC_ZL = 1006,
        IDC_ZK = 1007,
        IDC_MODE_POWER = 1008,  // 功率、输入转速与传动比
        IDC_MODE_TORQUE = 1009, // 输出扭矩与输入、输出转速
        IDC_N1 = 1010,
        IDC_N2 = 1011,
        IDC_U = 1012,
        IDC_P = 1013,
        IDC_T = 1014,
        IDC_ZC = 1015,
        IDC_MATERIAL = 1020,    // 选用典型材料:
        IDC_SIGMA_H = 1021,
        IDC_SIGMA_F = 1022,
        IDC_KA_BUTTON = 1023,   // 使用系数 KA=
        IDC_KA = 1024,
        IDC_ZE = 1025,
        IDC_ZRHO_BUTTON = 1026, // 接触系数Zρ=
        IDC_ZRHO = 1027,
        IDC_D1A = 1029,
        IDC_Z1 = 1032,
        IDC_M_CALC = 1033,
        IDC_Z2 = 1034,
        IDC_MODULE = 1035,      // standard module list
        IDC_Q = 1036,
        IDC_A = 1037,
        IDC_D1_CALC = 1038,
        IDC_DIAMETER = 1039,    // standard worm diameter list
        IDC_D2 = 1040,
        IDC_GAMMA = 1041,
        IDC_CALC = 1046,        // 计算中心距A=
        IDC_HINT = 1056,
        IDC_DATE = 1230,
        IDC_HELP = 2007,
    };

    explicit CcwPrDlg(fw::Window* parent = nullptr);

    // Path of the report written by the save; the shell loads it after IDOK.
    std::string m_strReportPath;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;

private:
    // Field handlers.
    void OnKillfocusN1();
    void OnKillfocusN2();
    void OnKillfocusU();
    void OnKillfocusP();
    void OnKillfocusT();
    void OnKillfocusLimit(int id, double worm::PreliminaryInput::*member, const kavrin::Quantity& q);
    void OnWormType(worm::WormType type);
    void OnLoadMode(worm::LoadMode mode);
    void OnMaterial();
    void OnKa();
    void OnZrho();
    void OnDateSetFocus();
    void OnDateKillFocus();
    // Calculation and the two lists.
    void OnCalc();
    void OnModuleChosen();
    void OnDiameterChosen();
    // Files.
    void OnSave();
    void OnLoad();
    void OnCancelAsk();

    // Helpers.
    bool readField(int id, double& v);      // strict parse, the framework's message
    // The same in q's range (cw_ranges.h); 0 or less is taken as typed, for
    // the handler's own rule (such a value is ignored).
    bool readField(int id, double& v, const kavrin::Quantity& q);
    void show();                            // members -> fields
    void setHint(const std::string& text);
    void hintStep(const char* text);        // after every accepted input
    void teethFromRatio();                  // Z1 (asking when the band offers more) and Z2 from u
    void enableLoadMode();
    void fillModuleList();
    void fillDiameterList();
    bool askYes(const std::string& question);
    void applyMoreStarts(const worm::MoreStarts& s);
    bool keepsUsable(const worm::PreliminaryInput& before, int field);   // else put back, hint
    void moreStarts(double m);                                 // the self-locking answer Yes
    void finish();
    bool finished() const { return m_finished && m_in == m_finishedFrom; }

    worm::PreliminaryInput m_in;
    worm::PreliminaryResult m_out;
    worm::LoadMode m_mode = worm::LoadMode::PowerSpeedRatio;
    std::string m_title, m_number, m_date;   // as stored in the record
    std::string m_dataPath;                  // the design file last saved or loaded
    bool m_finished = false;                 // a diameter was chosen for these inputs
    worm::PreliminaryInput m_finishedFrom;
};
