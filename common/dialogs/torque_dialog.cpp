#include "common/dialogs/torque_dialog.h"

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
    dx.number(IDC_POWER, m_dP);
    dx.number(IDC_SPEED, m_dN);
}

}  // namespace kavrin
