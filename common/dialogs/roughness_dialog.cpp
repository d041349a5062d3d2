#include "common/dialogs/roughness_dialog.h"

#include "common/dialogs/factor_ranges.h"
#include "common/dialogs/quantity_field.h"

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
    // Ra at or below 0 goes on to the dialog's own message.
    numberOwnBelow(dx, IDC_RA, m_dRa, factor_q::kRoughness, 0);
}

void RoughnessDialog::OnKillfocusRa() {
    if (!UpdateData(true)) return;
    if (m_dRa > 0) return;
    fw::MessageBox(m_refusal.text, m_refusal.caption, MB_ICONEXCLAMATION);
    m_dRa = kDefaultRa;
    UpdateData(false);
}

}  // namespace kavrin
