#include "common/dialogs/stress_correction_dialog.h"

namespace kavrin {

StressCorrectionDialog::StressCorrectionDialog(const FactorDialogCopy& copy, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {
    onRadios(IDC_MATERIAL, 4, m_nMaterial);
    onRadios(IDC_PINION, 2, m_nGear);
    onKillFocus(IDC_X, [this] { UpdateData(true); });
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
    dx.number(IDC_X, m_dX);
    dx.number(IDC_ZV, m_dZv);
}

bool StressCorrectionDialog::OnInitDialog() {
    m_dZv = m_dZvGiven;
    enable(m_nGear == 0 ? IDC_GEAR : IDC_PINION, false);
    UpdateData(false);
    return true;
}

}  // namespace kavrin
