// CSmcyDlg: the small-module cylindrical gear pair (module 0.1 to 1 mm) in
// one of four mounting patterns (template 1046). It chooses the tooth
// counts, splits the profile shift, computes both gears, the common rack,
// contact ratio, least face width, efficiency and inspection dimensions,
// saves the .cyb design file with its .cyt report, and loads earlier files.
// The shell constructs it with no parent, runs DoModal and, on IDOK, loads
// the report named by m_strReportPath.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "fw/fw.h"
#include "smallmodule/calc/cy_sm_record.h"
#include "smallmodule/calc/smcy_calc.h"

class CSmcyDlg : public fw::Dialog {
public:
    enum { IDD = 1046 };

    // Control ids of template 1046.
    enum : int {
        IDC_PICTURE = 1168,
        IDC_TITLE = 1169,
        IDC_NUMBER = 1170,
        IDC_DATE = 1171,
        IDC_PATTERN0 = 1172,      // 平行轴
        IDC_SIGMA = 1173,
        IDC_PATTERN1 = 1174,      // Z1斜齿，Z2直齿交错轴
        IDC_PATTERN2 = 1175,      // 两斜齿轮和角
        IDC_PATTERN3 = 1177,      // 垂直交错轴
        IDC_U = 1179,
        IDC_A = 1180,
        IDC_MODULE = 1181,
        IDC_ALPHA = 1182,
        IDC_HA = 1183,
        IDC_C = 1184,
        IDC_RHO = 1185,
        IDC_BETAP1 = 1186,
        IDC_BETA1 = 1187,
        IDC_Z1 = 1188,
        IDC_AT1 = 1189,
        IDC_AWT1 = 1190,
        IDC_BB1 = 1191,
        IDC_D1 = 1192,
        IDC_DW1 = 1193,
        IDC_DB1 = 1194,
        IDC_DA1 = 1195,
        IDC_DF1 = 1196,
        IDC_AAT1 = 1197,
        IDC_AW = 1198,
        IDC_XN1 = 1199,
        IDC_DWS1 = 1200,
        IDC_MP1 = 1201,
        IDC_DWI1 = 1202,
        IDC_DMS1 = 1203,
        IDC_DMI1 = 1204,
        IDC_MT1 = 1205,
        IDC_BETAP2 = 1206,
        IDC_BETA2 = 1207,
        IDC_Z2 = 1208,
        IDC_AT2 = 1209,
        IDC_AWT2 = 1210,
        IDC_BB2 = 1211,
        IDC_D2 = 1212,
        IDC_DW2 = 1213,
        IDC_DB2 = 1214,
        IDC_DA2 = 1215,
        IDC_DF2 = 1216,
        IDC_AAT2 = 1217,
        IDC_XN2 = 1218,
        IDC_DWS2 = 1219,
        IDC_MP2 = 1220,
        IDC_DWI2 = 1221,
        IDC_DMS2 = 1222,
        IDC_DMI2 = 1223,
        IDC_MT2 = 1224,
        IDC_SUMX = 1225,
        IDC_ALPHANP = 1226,
        IDC_MNP = 1227,
        IDC_EPS = 1228,
        IDC_ETA = 1229,
        IDC_B = 1230,
        IDC_F = 1231,
        IDC_CALC = 1232,          // 计  算
        IDC_LOAD = 1233,          // 加载数据
        IDC_HELP = 1234,          // 帮 助
        IDC_DMP = 1235,
        IDC_HINT = 1236,
        IDC_W1 = 1237,
        IDC_W2 = 1238,
        IDC_KW1 = 1239,
        IDC_KW2 = 1240,
        IDC_RACK_ALPHA_LABEL = 1241,   // common-rack labels 1241 to 1244
        IDC_RACK_MODULE_LABEL = 1242,
        IDC_RACK_ALPHA_UNIT = 1243,
        IDC_RACK_MODULE_UNIT = 1244,
        IDC_A_LABEL = 1245,
    };

    // Illustration bitmaps of the patterns (1050 is among the resources and
    // never shown).
    enum : int { IDB_PARALLEL = 1047, IDB_HELICAL_SPUR = 1048, IDB_HELICAL_SUM = 1049, IDB_UNUSED = 1050,
                 IDB_PERPENDICULAR = 1051 };

    explicit CSmcyDlg(fw::Window* parent = nullptr);
    ~CSmcyDlg() override;

    // IDOK only after the data file and its report were written.
    int DoModal() override;

    // Path of the report written by the last successful save; the shell
    // loads it after IDOK.
    std::string m_strReportPath;

    // The handlers and routines this calculator is known by.
    bool OnInitDialog() override;
    void SetCurrentBmp(int bitmapId);
    bool OnPRadIntSet();       // false: the user keeps the unsaved results
    void EntryCheckOnce();
    void OnBnClickedSmcyPRad1() { OnPatternRadio(0, true); }
    void OnBnClickedSmcyPRad2() { OnPatternRadio(1, true); }
    void OnBnClickedSmcyPRad3() { OnPatternRadio(2, true); }
    void OnBnClickedSmcyPRad4() { OnPatternRadio(3, true); }
    void OnEnKillfocusSmcySigmaEdt();
    void OnEnKillfocusSmcyUEdt();
    void OnCbnKillfocusSmcyMoleCmb();
    void OnEnKillfocusSmcyApEdt();
    void OnEnKillfocusSmcyFEdt();
    void OnEnKillfocusSmcyBita1Edt();
    void OnEnKillfocusSmcyXn1Edt();
    void OnEnKillfocusSmcyXn2Edt();
    void editShiftField(smallmodule::SmGear smallmodule::SmResult::*gear, smallmodule::ShiftEdit edit,
                        const char* pointedTip);
    void OnEnKillfocusSmcyDtw1sEdt() { OnDeviation(IDC_DWS1); }
    void OnEnKillfocusSmcyDtw1iEdt() { OnDeviation(IDC_DWI1); }
    void OnEnKillfocusSmcyDtw2sEdt() { OnDeviation(IDC_DWS2); }
    void OnEnKillfocusSmcyDtw2iEdt() { OnDeviation(IDC_DWI2); }
    void OnEnKillfocusSmcyTileEdt();
    void OnEnKillfocusSmcyCodeEdt();
    void OnDtnDatetimechangeSmcyDateDtpk();
    void OnBnClickedOk();
    void OnBnClickedCancel();
    void OnBnClickedSmcyCunt();
    void OnBnClickedSmcyLoad();
    void OnBnClickedSmcyHelp();
    bool DoCuntPattern0();
    bool DoCuntPattern1();
    bool DoCuntPattern2();
    bool DoCuntPattern3();
    double invFunc(double angle, int unit);
    double arcInvFunc(double value, int unit);
    int CheckOddEven(int z) const;
    double GetOptimizeBita(double u, double sigmaDegrees);
    unsigned MinGeersSet(double mn, double u) const;
    std::filesystem::path GetDefaultDir() const;

    // State a test may read.
    int pattern() const { return static_cast<int>(m_in.pattern); }
    int entryMask() const { return m_mask; }
    bool calculated() const { return m_calculated; }
    const std::string& dataPath() const { return m_dataPath; }

protected:
    void DoDataExchange(fw::Exchange& dx) override;

private:
    void OnPatternRadio(int pattern, bool ask);
    void OnDeviation(int id);
    void resetInputs();
    bool calculate(const smallmodule::HelixSplit& split);
    void enableResults(bool on);      // OK, the shift and the deviation edits
    void markStaleIfChanged();
    void refuse(const std::string& text);   // exclamation icon
    void show() { UpdateData(false); }
    void applyRecord(const smallmodule::CySmRecord& r);
    smallmodule::CySmRecord record() const;

    // Members, in the order of the form.
    std::string m_strTitle;
    std::string m_strNumber;
    std::int64_t m_date = 0;          // seconds; the picker shows its day
    std::string m_strHint = "提示：\n";
    smallmodule::SmInput m_in;        // α, ha*, c*, Σ, u, mn, a', f, β1, pattern
    std::int32_t m_moduleIndex = 0;
    smallmodule::SmResult m_out;      // every computed output
    smallmodule::SmDeviations m_dev;  // ΔW entered, ΔM converted (magnitudes)
    double m_rhoF = 0;                // ρf = 0.2·mn
    std::int32_t m_mask = 0;
    int m_bitmap = 0;
    bool m_calculated = false;
    std::string m_dataPath;

    // The inputs the shown results were computed from.
    smallmodule::SmInput m_calculatedFrom;
};
