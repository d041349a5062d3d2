#include "smallmodule/csmcy_bita_dlg.h"

#include "fw/format.h"
#include "resources/corvane/module.h"

namespace {
constexpr const char* kMsgOutOfRange = "β'1超于取值范围！请在取值范围内选择。";
}

CSmcyBitaDlg::CSmcyBitaDlg(fw::Window* parent) : fw::Dialog(corvane::module(), IDD, parent) {
    onClick(IDC_OPTION_EQUAL, [this] { OnOption(0); });
    onClick(IDC_OPTION_AUTO, [this] { OnOption(1); });
    onClick(IDC_OPTION_USER, [this] { OnOption(2); });
    onKillFocus(IDC_BETAP1, [this] { OnEnKillfocusBetaP1(); });
}

int CSmcyBitaDlg::DoModal(double sigma) {
    m_lower = sigma / 2;
    m_upper = sigma;
    return fw::Dialog::DoModal();
}

bool CSmcyBitaDlg::OnInitDialog() {
    m_option = 0;
    enable(IDC_BETAP1, false);
    UpdateData(false);
    return true;
}

void CSmcyBitaDlg::DoDataExchange(fw::Exchange& dx) {
    // The radios are listed in the order of their options, not of their ids.
    if (dx.saving()) {
        m_option = checked(IDC_OPTION_USER) ? 2 : checked(IDC_OPTION_AUTO) ? 1 : 0;
    } else {
        const int ids[] = {IDC_OPTION_EQUAL, IDC_OPTION_AUTO, IDC_OPTION_USER};
        for (int i = 0; i < 3; ++i) setCheck(ids[i], m_option == i);
    }
    if (!dx.saving() || isEnabled(IDC_BETAP1)) {
        double shown = m_betaP1;
        dx.number(IDC_BETAP1, shown);
        if (dx.saving() && fw::formatNumber(shown) != fw::formatNumber(m_betaP1)) m_betaP1 = shown;
    }
    if (!dx.saving()) {
        dx.number(IDC_LOWER, m_lower);
        dx.number(IDC_UPPER, m_upper);
        dx.number(IDC_BETAP2, m_betaP2);
    }
}

void CSmcyBitaDlg::OnOption(int option) {
    m_option = option;
    if (option == 2) {
        enable(IDC_BETAP1, true);
        m_betaP1 = m_lower;
        m_betaP2 = m_upper - m_betaP1;
    } else {
        enable(IDC_BETAP1, false);
        m_betaP1 = 0;
    }
    UpdateData(false);
}

// Σ/2 ≤ β'1 < Σ: at β'1 = Σ the gear would get no helix at all.
void CSmcyBitaDlg::OnEnKillfocusBetaP1() {
    const double before = m_betaP1;
    if (!UpdateData(true)) return;
    if (m_betaP1 >= m_lower && m_betaP1 < m_upper) {
        m_betaP2 = m_upper - m_betaP1;
    } else {
        fw::MessageBox(kMsgOutOfRange, MB_OK | MB_ICONEXCLAMATION);
        m_betaP1 = before;
    }
    UpdateData(false);
}
