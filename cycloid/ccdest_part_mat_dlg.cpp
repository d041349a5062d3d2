#include "cycloid/ccdest_part_mat_dlg.h"

#include <cmath>

#include "common/dialogs/quantity_field.h"
#include "cycloid/calc/cex_ranges.h"
#include "cycloid/cex_design.h"
#include "fw/format.h"
#include "resources/kavrin/module.h"

using namespace cycloid::cex_q;

// The fields' ranges: those of the record's slots they fill (cex_ranges.h):
// μ and E of block 6, [σf] as σflim of block 2 and σFp of block 6, [σh] as
// σHp of block 6, Kw of block 2.
CCDestPartMatDlg::CCDestPartMatDlg(fw::Window* parent) : fw::Dialog(kavrin::module(), IDD, parent) {
    onKillFocus(IDC_MU, [this] { positive(IDC_MU, m_mu, kMu); });
    onKillFocus(IDC_E, [this] { positive(IDC_E, m_E, kE); });
    onKillFocus(IDC_SF, [this] {
        positive(IDC_SF, m_sigmaF, kMaterialSigmaF);
        trackbar(IDC_SF_SLIDER).setPos(sigmaFPosition(m_sigmaF));
    });
    onKillFocus(IDC_SH, [this] {
        positive(IDC_SH, m_sigmaH, kMaterialSigmaH);
        trackbar(IDC_SH_SLIDER).setPos(sigmaHPosition(m_sigmaH));
    });
    onKillFocus(IDC_KW, [this] { OnKillfocusKw(); });
    onReleased(IDC_SF_SLIDER, [this] { OnReleased(IDC_SF_SLIDER); });
    onReleased(IDC_SH_SLIDER, [this] { OnReleased(IDC_SH_SLIDER); });
    onReleased(IDC_KW_SLIDER, [this] { OnReleased(IDC_KW_SLIDER); });
}

namespace {
int truncated(double p) {
    if (!(p > 0)) return 0;
    return p > 100 ? 100 : static_cast<int>(p);
}
}  // namespace

int CCDestPartMatDlg::sigmaFPosition(double v) { return truncated((v - 80) / 140 * 100); }
int CCDestPartMatDlg::sigmaHPosition(double v) { return truncated((v - 800) / 700 * 100); }

bool CCDestPartMatDlg::OnInitDialog() {
    for (int id : {IDC_SF_SLIDER, IDC_SH_SLIDER, IDC_KW_SLIDER}) {
        auto& t = trackbar(id);
        t.setRange(0, 100);
        t.setTicFreq(5);
        t.setPageSize(2);
    }
    trackbar(IDC_SF_SLIDER).setPos(sigmaFPosition(m_sigmaF));
    trackbar(IDC_SH_SLIDER).setPos(sigmaHPosition(m_sigmaH));
    trackbar(IDC_KW_SLIDER).setPos(0);
    return fw::Dialog::OnInitDialog();
}

void CCDestPartMatDlg::DoDataExchange(fw::Exchange& dx) {
    using cycloid::givenQuantity;
    kavrin::number(dx, IDC_MU, m_mu, givenQuantity(kMu));
    kavrin::number(dx, IDC_E, m_E, givenQuantity(kE));
    kavrin::number(dx, IDC_SF, m_sigmaF, givenQuantity(kMaterialSigmaF));
    kavrin::number(dx, IDC_SH, m_sigmaH, givenQuantity(kMaterialSigmaH));
    kavrin::number(dx, IDC_KW, m_Kw, givenQuantity(kKw));
}

void CCDestPartMatDlg::positive(int id, double& member, const kavrin::Quantity& q) {
    auto v = fw::parseNumber(text(id));
    if (!v) {
        cexRefuseField(*this, id, fw::dx_text::NotANumber);
        setNumber(id, member);
        return;
    }
    if (!(*v > 0)) {
        fw::MessageBox(kMsgNotPositive, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        setNumber(id, member);
        return;
    }
    if (!inRange(id, *v, q, member)) return;
    member = *v;
}

bool CCDestPartMatDlg::inRange(int id, double v, const kavrin::Quantity& q, double member) {
    const fw::Bounds b = cycloid::given(q);
    if (b.admits(v)) return true;
    cexRefuseField(*this, id, fw::numberBoundsText(b));
    setNumber(id, member);
    return false;
}

void CCDestPartMatDlg::OnKillfocusKw() {
    auto v = fw::parseNumber(text(IDC_KW));
    if (!v) {
        cexRefuseField(*this, IDC_KW, fw::dx_text::NotANumber);
        setNumber(IDC_KW, m_Kw);
        return;
    }
    if (!inRange(IDC_KW, *v, kKw, m_Kw)) return;
    m_Kw = *v;
}

void CCDestPartMatDlg::OnReleased(int slider) {
    const int pos = trackbar(slider).pos();
    if (slider == IDC_SF_SLIDER) {
        m_sigmaF = 80 + 1.4 * pos;
        setNumber(IDC_SF, m_sigmaF);
    } else if (slider == IDC_SH_SLIDER) {
        m_sigmaH = 800 + 7 * pos;
        setNumber(IDC_SH, m_sigmaH);
    } else {
        m_Kw = 1.35 + 0.15 * pos / 100;
        setNumber(IDC_KW, m_Kw);
    }
}
