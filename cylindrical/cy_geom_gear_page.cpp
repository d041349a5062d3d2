#include "cylindrical/cy_geom_gear_page.h"

#include <algorithm>

#include "common/calc/design_file.h"
#include "cylindrical/cy_current_design.h"
#include "fw/format.h"
#include "resources/corvane/module.h"

using namespace cylindrical;

CyGeomGearPage::CyGeomGearPage(int templateId, const GearPageIds& ids, GearSide side)
    : fw::PropertyPage(corvane::module(), templateId), m_ids(ids), m_side(side) {
    onSelChange(ids.cStar, [this] { OnCbnSelchangeCStar(); });
    onSelChange(ids.hand, [this] { OnCbnSelchangeHand(); });
    onChange(ids.title, [this] { OnEnChangeTitle(); });
    onChange(ids.number, [this] { OnEnChangeNumber(); });
    onClick(ids.calc, [this] { OnBnClickedCalc(); });
    onClick(ids.report, [this] { OnBnClickedReport(); });
}

void CyGeomGearPage::DoDataExchange(fw::Exchange& dx) {
    dx.text(m_ids.title, m_strTitle);
    dx.text(m_ids.number, m_strNumber);
    dx.comboIndex(m_ids.cStar, m_cStarIndex);
    dx.comboIndex(m_ids.hand, m_hand);
    if (dx.saving()) return;
    // The numbers mirror the record: shown, never read back or range
    // checked, so whatever page 1 accepted never blocks this page.
    dx.integer(m_ids.z, m_z);
    dx.number(m_ids.mn, m_in.mn);
    dx.number(m_ids.haStar, m_in.haStar);
    dx.number(m_ids.x, m_x);
    dx.integer(m_ids.betaDeg, m_betaDeg);
    dx.integer(m_ids.betaMin, m_betaMin);
    dx.integer(m_ids.betaSec, m_betaSec);
    dx.integer(m_ids.alphaDeg, m_alphaDeg);
    dx.integer(m_ids.alphaMin, m_alphaMin);
    dx.integer(m_ids.alphaSec, m_alphaSec);
}

bool CyGeomGearPage::OnSetActive() {
    const CyGeomRecord& g = currentDesign().geom;
    m_in = pairGeometryInput(g);
    m_cStarIndex = std::clamp(g.cStarIndex, 0, kCStarCount - 1);
    m_hand = std::clamp(g.hand, 0, kHandCount - 1);
    // An internal pair is a spur pair (its mesh rule sets β = 0): no hand.
    if (g.meshType == kMeshInternal && m_hand != kHandSpur) currentDesign().geom.hand = m_hand = kHandSpur;
    m_z = m_side == GearSide::Pinion ? g.z1 : g.z2;
    m_x = m_side == GearSide::Pinion ? g.xn1 : g.xn2;
    m_betaDeg = g.betaDeg, m_betaMin = g.betaMin, m_betaSec = g.betaSec;
    m_alphaDeg = g.alphaNDeg, m_alphaMin = g.alphaNMin, m_alphaSec = g.alphaNSec;
    setText(m_ids.meshLabel, meshLabel(kavrin::meshTypeOf(g.meshType)));
    enable(m_ids.hand, g.meshType != kMeshInternal);
    m_strTitle = gearPageTitle(currentDesign().title, m_side, kavrin::meshTypeOf(g.meshType));
    m_strNumber = gearPageNumber(currentDesign().drawingNo, m_side);
    UpdateData(false);
    return fw::PropertyPage::OnSetActive();
}

void CyGeomGearPage::OnCbnSelchangeCStar() {
    m_cStarIndex = combo(m_ids.cStar).curSel();
    if (auto v = fw::parseNumber(combo(m_ids.cStar).text())) m_in.cStar = *v;
    currentDesign().geom.cStarIndex = m_cStarIndex;
}

void CyGeomGearPage::OnCbnSelchangeHand() {
    m_hand = combo(m_ids.hand).curSel();
    currentDesign().geom.hand = m_hand;
}

// Each text field reads only itself: writing the page's fields fires these too.
void CyGeomGearPage::OnEnChangeTitle() { m_strTitle = text(m_ids.title); }
void CyGeomGearPage::OnEnChangeNumber() { m_strNumber = text(m_ids.number); }

fw::Expected<GearDimensions, std::string> CyGeomGearPage::dimensions() const {
    return m_side == GearSide::Pinion ? pinionGeometry(m_in) : gearGeometry(m_in);
}

GearPageTexts CyGeomGearPage::pageTexts() const {
    return {m_strTitle, m_strNumber, m_side == GearSide::Pinion ? pinionHandText(m_hand) : gearHandText(m_hand)};
}

void CyGeomGearPage::OnBnClickedCalc() {
    auto g = dimensions();
    if (!g) return setText(m_ids.listing, g.error());
    setText(m_ids.listing, m_side == GearSide::Pinion ? pinionListing(m_in, *g, pageTexts())
                                                      : gearListing(m_in, *g, pageTexts()));
}

void CyGeomGearPage::OnBnClickedReport() {
    auto g = dimensions();
    if (!g) return setText(m_ids.listing, g.error());
    std::string section = m_side == GearSide::Pinion ? pinionReportSection(m_in, *g, pageTexts())
                                                     : gearReportSection(m_in, *g, pageTexts());
    std::filesystem::path report = currentDesign().reportPath;
    if (!appendSheetSection(report, section)) {
        fw::MessageBox(pageReportOpenFailure(report), {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    fw::MessageBox(kavrin::savedNotice(report), {}, fw::MB_OK | fw::MB_ICONINFORMATION);
}
