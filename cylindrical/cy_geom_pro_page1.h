// CCyGeomProPage1: the pair correction page of the geometry sheet (template
// 1012, "齿轮对修正"): the basic data of the pair, the design centre distance,
// the working pressure angle and the profile-shift distribution; the two
// loaders of the sheet and the pair section of the report.
#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "cylindrical/calc/cutting_check.h"
#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/calc/geometry_report.h"
#include "cylindrical/calc/shift_distribution.h"
#include "fw/fw.h"

class CCyGeomProPage1 : public fw::PropertyPage {
public:
    static constexpr int IDD = 1012;
    // Controls.
    static constexpr int IDC_TITLE = 1303;
    static constexpr int IDC_NUMBER = 1304;
    static constexpr int IDC_DATE = 1305;
    static constexpr int IDC_Z1 = 1014;
    static constexpr int IDC_Z2 = 1021;
    static constexpr int IDC_BETA_DEG = 1019;
    static constexpr int IDC_BETA_MIN = 1018;
    static constexpr int IDC_BETA_SEC = 1015;
    static constexpr int IDC_ZV1 = 1016;
    static constexpr int IDC_ZV2 = 1022;
    static constexpr int IDC_MN = 1017;
    static constexpr int IDC_MT = 1020;
    static constexpr int IDC_ALPHAN_DEG = 1025;
    static constexpr int IDC_ALPHAN_MIN = 1024;
    static constexpr int IDC_ALPHAN_SEC = 1023;
    static constexpr int IDC_ALPHAT_DEG = 1028;
    static constexpr int IDC_ALPHAT_MIN = 1027;
    static constexpr int IDC_ALPHAT_SEC = 1026;
    static constexpr int IDC_HASTAR = 1055;
    static constexpr int IDC_AD = 1030;
    static constexpr int IDC_A = 1031;
    static constexpr int IDC_YN = 1032;
    static constexpr int IDC_YT = 1033;
    static constexpr int IDC_ALPHAWT = 1036;
    static constexpr int IDC_SUMX = 1037;
    static constexpr int IDC_XN1 = 1038;
    static constexpr int IDC_XN2 = 1039;
    static constexpr int IDC_EXTERNAL = 1043;
    static constexpr int IDC_INTERNAL = 1044;
    static constexpr int IDC_RESULT = 1035;
    static constexpr int IDC_LOAD_PRE = 1321;
    static constexpr int IDC_LOAD_GEOM = 1034;
    static constexpr int IDC_DISTRIBUTE = 1040;
    static constexpr int IDC_CHECK = 1042;
    static constexpr int IDC_REPORT = 1041;

    CCyGeomProPage1();

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;
    bool OnKillActive() override;

    // The copy of the page's entries into the current geometry record that
    // leaving the page makes; the sheet runs it before saving when the page
    // is still the active one (Cancel does not leave the page).
    void storeEntries();
    bool initialised() const { return m_initialised; }

    // Read-only views for the sheet and tests.
    const cylindrical::PairState& pair() const { return m_s; }
    const std::optional<cylindrical::PairCheckSection>& checkSection() const { return m_check; }

private:
    // Handlers.
    void OnEnChangeZ(cylindrical::GearSide side, int id);
    void OnEnChangeBeta(int id);
    void OnEnChangeAlphaN(int id);
    void OnEnKillfocusMn();
    void OnEnKillfocusA();
    void OnEnKillfocusXn1();
    void OnEnKillfocusXn2();
    void OnCbnSelchangeHaStar();
    void OnBnClickedExternal();
    void OnBnClickedInternal();
    void OnBnClickedDistribute();
    void OnBnClickedLoadPre();
    void OnBnClickedLoadGeom();
    void OnBnClickedCheck();
    void OnBnClickedReport();
    void OnEnKillfocusText(int id);
    void OnEnKillfocusInteger(int id);

    // The integer fields: their ranges and the page values they hold.
    static const kavrin::Quantity& integerQuantity(int id);
    static int& integerMember(cylindrical::PairState& s, int id);
    // An integer field's value through the strict parser, nullopt when its
    // text is no whole number in the field's range.
    std::optional<int> fieldInteger(int id) const;
    void OnEnSetfocusDate();

    // The cutting and interference check of a pair that passed the page's
    // tests: fills m_check and the result text.
    void runCheck(const cylindrical::DesignedPair& pair);

    // The controls into the page's values without a message (change and
    // click handlers); kill-focus handlers validate with UpdateData(true).
    void readFields();
    // A rule's outcome onto the page; a refused rule restores `before`: with
    // Refill::Fields it shows in the fields again, with Refill::EditAgain the
    // field left (editedField) is edited again, with Refill::None the field
    // being typed in keeps its text.
    enum class Refill { Fields, EditAgain, None };
    void apply(const cylindrical::PairUpdate& u, const cylindrical::PairState& before, Refill refill,
               int editedField = 0);
    void setResult(const std::string& text);
    // Texts of a loaded record into the page and the shared strings.
    void takeTexts(const std::string& title, const std::string& number, const std::string& date);
    void lockMeshType();
    cylindrical::DesignTexts texts() const;
    cylindrical::DesignedPair designedPair() const;
    // The open dialog of both loaders; nullopt when cancelled or refused.
    std::optional<std::filesystem::path> chooseDesignFile(const char* title);
    // Value of an editable number field: the page's own value while the
    // field still shows it, so untouched fields keep their full precision.
    // A text that is no number in the field's range keeps the page's value.
    double fieldNumber(int id, double current, const kavrin::Quantity& q) const;
    void exchangeNumber(fw::Exchange& dx, int id, double& v, const kavrin::Quantity& q);

    cylindrical::PairState m_s;
    cylindrical::PairState m_lastFinite;  // m_s as last shown with every value finite and in its range
    std::string m_strHaStar = "1.0";
    std::string m_strResult;
    char m_szTitle[64] = {};
    char m_szNumber[64] = {};
    char m_szDate[20] = {};
    // The verdicts of the last cutting and interference check; empty until
    // a check ran, and emptied whenever the shifts change.
    std::optional<cylindrical::PairCheckSection> m_check;
    bool m_initialised = false;
};
