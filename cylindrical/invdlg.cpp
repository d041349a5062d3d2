#include "cylindrical/invdlg.h"

#include "common/calc/angle_split.h"
#include "common/calc/involute.h"
#include "resources/corvane/module.h"

CInvdlg::CInvdlg(fw::Window* parent) : fw::Dialog(corvane::module(), IDD, parent) {
    for (int id : {IDC_DEG, IDC_MIN, IDC_SEC}) onKillFocus(id, [this] { OnKillfocusDms(); });
    onKillFocus(IDC_INV, [this] { OnKillfocusInv(); });
    onKillFocus(IDC_DECIMAL, [this] { OnKillfocusDecimal(); });
    onClick(IDC_TO_INV, [this] { OnBnClickedInv(); });
    onClick(IDC_TO_ANGLE, [this] { OnBnClickedAngle(); });
    onClick(IDC_CLOSE, [this] { EndDialog(IDOK); });
}

void CInvdlg::DoDataExchange(fw::Exchange& dx) {
    dx.integer(IDC_DEG, m_deg, 0, 59);
    dx.integer(IDC_MIN, m_min, 0, 59);
    dx.integer(IDC_SEC, m_sec, 0, 59);
    dx.number(IDC_INV, m_inv, 0.0, kavrin::kConverterMaxInvolute);
    dx.number(IDC_DECIMAL, m_decimal);
}

// During a kill-focus the focus already names the control it moves to; 0 is
// Escape (the dialog has no cancel button).
bool CInvdlg::closing() const { return focusId() == IDC_CLOSE || focusId() == 0; }

void CInvdlg::OnKillfocusDms() {
    if (closing() || !UpdateData(true)) return;
    m_decimal = kavrin::tripleToDegrees({m_deg, m_min, m_sec});
    UpdateData(false);
}

void CInvdlg::OnKillfocusInv() {
    if (closing()) return;
    UpdateData(true);
}

void CInvdlg::showSplit() {
    if (auto t = kavrin::splitDecimalDegrees(m_decimal)) {
        m_deg = t->deg;
        m_min = t->min;
        m_sec = t->sec;
    }
    UpdateData(false);
}

void CInvdlg::OnKillfocusDecimal() {
    if (closing() || !UpdateData(true)) return;
    showSplit();
}

void CInvdlg::OnBnClickedInv() {
    auto v = kavrin::converterInvolute(m_decimal);
    if (!v) fw::MessageBox(kavrin::kMsgAngleOutOfRange, MB_OK | MB_ICONEXCLAMATION);
    m_inv = v.value_or(0.0);
    UpdateData(false);
}

void CInvdlg::OnBnClickedAngle() {
    auto a = kavrin::converterAngle(m_inv);
    if (!a) {
        fw::MessageBox(kavrin::kMsgInvoluteTooLarge, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_decimal = *a;
    showSplit();
}
