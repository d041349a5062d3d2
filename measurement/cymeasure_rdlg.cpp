#include "measurement/cymeasure_rdlg.h"

#include "resources/corvane/module.h"

namespace {
constexpr double kShrinkageMax = 2;  // percent
}

CCymeasureRdlg::CCymeasureRdlg(fw::Window* parent) : fw::Dialog(corvane::module(), IDD, parent) {
    onKillFocus(IDC_RF, [this] { OnKillfocusRf(); });
}

int CCymeasureRdlg::DoModal(double jf) {
    m_jf = jf;
    return fw::Dialog::DoModal();
}

bool CCymeasureRdlg::OnInitDialog() {
    UpdateData(false);
    enable(IDOK, false);
    return true;
}

void CCymeasureRdlg::DoDataExchange(fw::Exchange& dx) {
    if (!dx.saving()) {
        dx.number(IDC_JF, m_jf);
        dx.number(IDC_RF, m_rf);
    }
    dx.number(IDC_SHRINKAGE, m_shrinkage, 0, kShrinkageMax);
}

void CCymeasureRdlg::OnKillfocusRf() {
    double v = m_rf;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    dx.number(IDC_RF, v);
    if (dx.failed()) return setNumber(IDC_RF, m_rf);
    if (!(v > 0)) {
        m_hint = kMsgFilletPositive;
        m_refusedLast = true;
        setText(IDC_HINT, m_hint);
        setNumber(IDC_RF, m_rf);
        enable(IDOK, false);
        return;
    }
    if (!(v < m_jf)) {
        m_hint = kMsgFilletBelowClearance;
        m_refusedLast = true;
        setText(IDC_HINT, m_hint);
        setNumber(IDC_RF, m_rf);
        enable(IDOK, m_rf > 0 && m_rf < m_jf);
        return;
    }
    m_rf = v;
    m_refusedLast = false;
    m_hint.clear();
    setText(IDC_HINT, "");
    enable(IDOK, true);
}

// A refusal just shown is answered first: the Enter that moved the focus
// does not confirm the previous radius.
void CCymeasureRdlg::OnOK() {
    if (m_refusedLast) {
        m_refusedLast = false;
        return;
    }
    if (!(m_rf > 0 && m_rf < m_jf)) return;
    if (!UpdateData(true)) return;
    EndDialog(IDOK);
}
