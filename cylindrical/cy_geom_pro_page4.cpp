#include "cylindrical/cy_geom_pro_page4.h"

#include "common/calc/angle_split.h"
#include "common/calc/design_file.h"
#include "common/dialogs/quantity_field.h"
#include "cylindrical/calc/cy_geom_ranges.h"
#include "cylindrical/cy_current_design.h"
#include "fw/format.h"
#include "resources/corvane/module.h"

using namespace cylindrical;

namespace {
double degrees(double rad) { return rad * 180 / fw::kPi; }
}  // namespace

CCyGeomProPage4::CCyGeomProPage4() : fw::PropertyPage(corvane::module(), IDD) {
    onChange(IDC_B, [this] { OnEnChangeB(); });
    onKillFocus(IDC_B, [this] { OnEnKillfocusB(); });
    for (int id : {IDC_TITLE, IDC_NUMBER, IDC_DATE}) onKillFocus(id, [this, id] { OnEnKillfocusText(id); });
    onClick(IDC_CALC, [this] { OnBnClickedCalc(); });
    onClick(IDC_REPORT, [this] { OnBnClickedReport(); });
}

void CCyGeomProPage4::DoDataExchange(fw::Exchange& dx) {
    dx.text(IDC_TITLE, m_strTitle);
    dx.text(IDC_NUMBER, m_strNumber);
    dx.text(IDC_DATE, m_strDate);
    if (!(dx.saving() && text(IDC_B) == fw::formatNumber(m_b))) kavrin::number(dx, IDC_B, m_b, geom_q::kB);
    if (dx.saving()) return;
    // The pair as the record holds it: shown, never read back.
    dx.integer(IDC_Z1, m_in.pair.z1);
    dx.integer(IDC_Z2, m_in.pair.z2);
    dx.number(IDC_ZV1, m_view.zv1);
    dx.number(IDC_ZV2, m_view.zv2);
    dx.number(IDC_MN, m_in.pair.mn);
    dx.number(IDC_MT, m_view.mt);
    double alphaT = degrees(m_view.alphaTRad), alphaAt1 = degrees(m_view.alphaAt1Rad),
           alphaAt2 = degrees(m_view.alphaAt2Rad);
    dx.number(IDC_ALPHAN, m_alphaNDeg);
    dx.number(IDC_ALPHAT, alphaT);
    dx.number(IDC_ALPHAAT1, alphaAt1);
    dx.number(IDC_ALPHAAT2, alphaAt2);
    dx.number(IDC_BETA, m_betaDeg);
    dx.number(IDC_XN1, m_in.pair.xn1);
    dx.number(IDC_XN2, m_in.pair.xn2);
}

bool CCyGeomProPage4::OnSetActive() {
    const CyGeomRecord& g = currentDesign().geom;
    m_in = characteristicInput(g);
    // An incomplete pair shows zeros for what cannot be computed; "计 算"
    // then names the reason.
    auto view = characteristicView(m_in);
    m_view = view ? *view : CharacteristicView{};
    m_alphaNDeg = kavrin::tripleToDegrees({g.alphaNDeg, g.alphaNMin, g.alphaNSec});
    m_betaDeg = kavrin::tripleToDegrees({g.betaDeg, g.betaMin, g.betaSec});
    m_b = g.b;
    m_strTitle = currentDesign().title;
    m_strNumber = currentDesign().drawingNo;
    m_strDate = currentDesign().date;
    setText(IDC_MESH, meshLabel(kavrin::meshTypeOf(g.meshType)));
    if (m_listedFrom && !(*m_listedFrom == m_in)) {
        // The contact ratios shown belong to another pair: not calculated.
        m_listedFrom.reset();
        setText(IDC_LISTING, kCharacteristicIntro);
    }
    UpdateData(false);
    return fw::PropertyPage::OnSetActive();
}

// The face width: typed or left. A text that still shows the page's value
// (the page writing its own field) changes nothing. Only a width inside its
// range, with a face width factor inside its range, is taken; leaving the
// field with any other text refuses it, naming the field.
void CCyGeomProPage4::OnEnChangeB() {
    if (text(IDC_B) == fw::formatNumber(m_b)) return;
    auto b = fw::parseNumber(text(IDC_B));
    if (!b || !geom_q::kB.admits(*b)) return;
    CyGeomRecord& g = currentDesign().geom;
    FaceWidthChange f = faceWidthChanged(*b, g.psiD, m_view.mt, m_in.pair.z1);
    if (!geom_q::kPsiD.admits(f.psiD)) {
        setText(IDC_HINT, kavrin::resultNotTaken(geom_q::kPsiD));
        return;
    }
    m_b = *b;
    setText(IDC_HINT, f.reduced ? kMsgFaceWidthReduced : kMsgFaceWidthHint);
    g.psiD = f.psiD;
    g.b = f.b;
    UpdateData(false);
}

void CCyGeomProPage4::OnEnKillfocusB() {
    if (text(IDC_B) == fw::formatNumber(m_b)) return;
    double b = m_b;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    kavrin::number(dx, IDC_B, b, geom_q::kB);
    if (dx.failed()) return;
    OnEnChangeB();
    // In its range but its face width factor is not: the field is edited again.
    if (text(IDC_B) != fw::formatNumber(m_b)) {
        fw::MessageBox(kavrin::resultNotTaken(geom_q::kPsiD), {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        editAgain(IDC_B);
    }
}

void CCyGeomProPage4::OnEnKillfocusText(int id) {
    std::string t = text(id);
    (id == IDC_TITLE ? m_strTitle : id == IDC_NUMBER ? m_strNumber : m_strDate) = t;
}

CharacteristicInput CCyGeomProPage4::input() const {
    CharacteristicInput in = m_in;
    in.b = m_b;
    return in;
}

void CCyGeomProPage4::OnBnClickedCalc() {
    CharacteristicInput in = input();
    auto c = characteristic(in, kPinFactorListing);
    if (!c) return setText(IDC_LISTING, c.error());
    setText(IDC_LISTING, characteristicListing(in, *c));
    m_listedFrom = in;
    currentDesign().geom.epsAlpha = c->epsAlpha;
    currentDesign().geom.epsBeta = c->epsBeta;
}

void CCyGeomProPage4::OnBnClickedReport() {
    CharacteristicInput in = input();
    auto c = characteristic(in, kPinFactorReport);
    if (!c) return setText(IDC_LISTING, c.error());
    std::filesystem::path report = currentDesign().reportPath;
    if (!appendSheetSection(report, characteristicReportSection(in, *c, {m_strTitle, m_strNumber, m_strDate}))) {
        fw::MessageBox(pageReportOpenFailure(report), {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    fw::MessageBox(kavrin::savedNotice(report), {}, fw::MB_OK | fw::MB_ICONINFORMATION);
}
