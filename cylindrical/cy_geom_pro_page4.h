// CCyGeomProPage4: the characteristic parameters page of the geometry sheet
// (template 1019, "特性参数"): contact ratios, span measurements, chordal
// dimensions and, for an internal gear, the dimension between pins.
#pragma once
#include <optional>
#include <string>

#include "cylindrical/calc/characteristic.h"
#include "cylindrical/calc/geometry_report.h"
#include "fw/fw.h"

class CCyGeomProPage4 : public fw::PropertyPage {
public:
    static constexpr int IDD = 1019;
    static constexpr int IDC_TITLE = 1303;
    static constexpr int IDC_NUMBER = 1304;
    static constexpr int IDC_DATE = 1305;
    static constexpr int IDC_Z1 = 1115;
    static constexpr int IDC_Z2 = 1098;
    static constexpr int IDC_ZV1 = 1099;
    static constexpr int IDC_ZV2 = 1100;
    static constexpr int IDC_MN = 1101;
    static constexpr int IDC_MT = 1102;
    static constexpr int IDC_ALPHAN = 1103;
    static constexpr int IDC_ALPHAT = 1104;
    static constexpr int IDC_ALPHAAT1 = 1105;
    static constexpr int IDC_ALPHAAT2 = 1106;
    static constexpr int IDC_BETA = 1107;
    static constexpr int IDC_XN1 = 1108;
    static constexpr int IDC_XN2 = 1109;
    static constexpr int IDC_B = 1110;
    static constexpr int IDC_MESH = 1121;
    static constexpr int IDC_LISTING = 1111;
    static constexpr int IDC_HINT = 1118;
    static constexpr int IDC_CALC = 1122;
    static constexpr int IDC_REPORT = 1123;

    CCyGeomProPage4();

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnSetActive() override;

private:
    void OnEnChangeB();
    void OnEnKillfocusB();
    void OnEnKillfocusText(int id);
    void OnBnClickedCalc();
    void OnBnClickedReport();

    cylindrical::CharacteristicInput input() const;

    cylindrical::CharacteristicInput m_in;
    // What the listing was worked out from; a pair changed on page 1 since
    // then clears it.
    std::optional<cylindrical::CharacteristicInput> m_listedFrom;
    cylindrical::CharacteristicView m_view;
    double m_alphaNDeg = 20.0;
    double m_betaDeg = 0;
    double m_b = 0;
    std::string m_strTitle;
    std::string m_strNumber;
    std::string m_strDate;
};
