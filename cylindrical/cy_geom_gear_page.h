// What the pinion page and the gear page of the geometry sheet share: both
// show one gear of the pair as page 1 left it in the current geometry
// record, take the bottom clearance coefficient and the hand of helix, and
// list or report the gear's dimensions. The pages differ in their control
// ids and in which gear they show.
#pragma once
#include <string>

#include "cylindrical/calc/gear_geometry.h"
#include "cylindrical/calc/geometry_report.h"
#include "fw/fw.h"

// Control ids of one gear page.
struct GearPageIds {
    int title, number, z, mn, haStar, cStar, x, hand;
    int betaDeg, betaMin, betaSec;
    int alphaDeg, alphaMin, alphaSec;
    int meshLabel, listing, calc, report;
};

class CyGeomGearPage : public fw::PropertyPage {
public:
    CyGeomGearPage(int templateId, const GearPageIds& ids, cylindrical::GearSide side);

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnSetActive() override;

    const cylindrical::PairGeometryInput& input() const { return m_in; }

private:
    void OnCbnSelchangeCStar();
    void OnCbnSelchangeHand();
    void OnEnChangeTitle();
    void OnEnChangeNumber();
    void OnBnClickedCalc();
    void OnBnClickedReport();

    fw::Expected<cylindrical::GearDimensions, std::string> dimensions() const;
    cylindrical::GearPageTexts pageTexts() const;

    GearPageIds m_ids;
    cylindrical::GearSide m_side;
    cylindrical::PairGeometryInput m_in;
    std::string m_strTitle;
    std::string m_strNumber;
    int m_z = 0;
    double m_x = 0;
    int m_cStarIndex = 0;
    int m_hand = 0;
    int m_betaDeg = 0, m_betaMin = 0, m_betaSec = 0;
    int m_alphaDeg = 20, m_alphaMin = 0, m_alphaSec = 0;
};
