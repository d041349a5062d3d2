#include "common/dialogs/roughness_dialog.h"

namespace kavrin {

RoughnessDialog::RoughnessDialog(const FactorDialogCopy& copy, RoughnessRefusal refusal, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent), m_refusal(std::move(refusal)) {
    onRadios(IDC_CLASS, 5, m_nClass);
    onKillFocus(IDC_RA, [this] { OnKillfocusRa(); });
}

int RoughnessDialog::DoModal(int limitClass) {
    m_nClass = limitClass;
    return fw::Dialog::DoModal();
}

void RoughnessDialog::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_CLASS, m_nClass);
    dx.number(IDC_RA, m_dRa);
}

void RoughnessDialog::OnKillfocusRa() {
    if (!UpdateData(true)) return;
    if (m_dRa > 0) return;
    fw::MessageBox(m_refusal.text, m_refusal.caption, MB_ICONEXCLAMATION);
    m_dRa = kDefaultRa;
    UpdateData(false);
}

}  // namespace kavrin
