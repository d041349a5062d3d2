#include "common/dialogs/stress_correction_dialog.h"

#include "common/dialogs/factor_ranges.h"
#include "common/dialogs/quantity_field.h"

namespace kavrin {

StressCorrectionDialog::StressCorrectionDialog(const FactorDialogCopy& copy, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {
    onRadios(IDC_MATERIAL, 4, m_nMaterial);
    onRadios(IDC_PINION, 2, m_nGear);
    // Leaving the field reads that field alone: a refusal names the field left.
    onKillFocus(IDC_X, [this] {
        fw::Exchange dx(*this, fw::Exchange::Direction::Save);
        kavrin::number(dx, IDC_X, m_dX, factor_q::kShift);
    });
}

int StressCorrectionDialog::DoModal(double zv, int gear, double xn1, double xn2) {
    m_dZvGiven = zv;
    m_nGear = gear;
    m_dX = gear == 0 ? xn1 : xn2;
    return fw::Dialog::DoModal();
}

void StressCorrectionDialog::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_MATERIAL, m_nMaterial);
    dx.radio(IDC_PINION, m_nGear);
    kavrin::number(dx, IDC_X, m_dX, factor_q::kShift);
    kavrin::number(dx, IDC_ZV, m_dZv, factor_q::kVirtualTeeth);
}

bool StressCorrectionDialog::OnInitDialog() {
    m_dZv = m_dZvGiven;
    enable(m_nGear == 0 ? IDC_GEAR : IDC_PINION, false);
    UpdateData(false);
    return true;
}

}  // namespace kavrin
