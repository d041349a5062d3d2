#include "common/dialogs/torque_dialog.h"

#include "common/dialogs/factor_ranges.h"
#include "common/dialogs/quantity_field.h"

namespace kavrin {

TorqueDialog::TorqueDialog(const FactorDialogCopy& copy, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {
    onKillFocus(IDC_POWER, [this] { UpdateData(true); });
    onKillFocus(IDC_SPEED, [this] { UpdateData(true); });
}

int TorqueDialog::runWithSpeed(double n) {
    m_dN = n;
    return fw::Dialog::DoModal();
}

void TorqueDialog::DoDataExchange(fw::Exchange& dx) {
    // A speed or power at or below 0 goes on to the caller's own refusal.
    numberOwnBelow(dx, IDC_POWER, m_dP, factor_q::kPower, 0);
    numberOwnBelow(dx, IDC_SPEED, m_dN, factor_q::kSpeed, 0);
}

}  // namespace kavrin
