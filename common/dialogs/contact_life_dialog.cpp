#include "common/dialogs/contact_life_dialog.h"

#include "common/dialogs/factor_ranges.h"
#include "common/dialogs/quantity_field.h"

#include "common/calc/factor_dialog_calc.h"

namespace kavrin {

ContactLifeDialog::ContactLifeDialog(const FactorDialogCopy& copy, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {
    onRadios(IDC_MATERIAL, 3, m_nMaterial, [this] {
        enablePitting();
        OnChoice();
    });
    onRadios(IDC_PITTING, 2, m_nPitting, [this] { OnChoice(); });
    onKillFocus(IDC_NE, [this] { UpdateData(true); });
}

void ContactLifeDialog::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_MATERIAL, m_nMaterial);
    dx.radio(IDC_PITTING, m_nPitting);
    // NE at or below 0 goes on to the rating's own refusal.
    numberOwnBelow(dx, IDC_NE, m_dNe, factor_q::kTypedLoadCycles, 0);
}

bool ContactLifeDialog::OnInitDialog() {
    UpdateData(false);
    enablePitting();
    return true;
}

void ContactLifeDialog::enablePitting() {
    const bool on = pittingChoosable(m_nMaterial);
    enable(IDC_PITTING, on);
    enable(IDC_NOT_PITTING, on);
}

void ContactLifeDialog::OnChoice() {
    m_dNe = contactLifeCycles(m_nMaterial, m_nPitting);
    UpdateData(false);
}

}  // namespace kavrin
