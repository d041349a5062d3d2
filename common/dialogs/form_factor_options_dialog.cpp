#include "common/dialogs/form_factor_options_dialog.h"

namespace kavrin {

FormFactorOptionsDialog::FormFactorOptionsDialog(const FactorDialogCopy& copy, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {
    onRadios(IDC_PINION, 2, m_nGear);
    onKillFocus(IDC_X, [this] { UpdateData(true); });
    onKillFocus(IDC_DEPTH, [this] { UpdateData(true); });
}

int FormFactorOptionsDialog::DoModal(double zv, int gear, double xn1, double xn2) {
    m_dZvGiven = zv;
    m_nGear = gear;
    m_dX = gear == 0 ? xn1 : xn2;
    return fw::Dialog::DoModal();
}

void FormFactorOptionsDialog::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_PINION, m_nGear);
    dx.number(IDC_X, m_dX);
    dx.number(IDC_ZV, m_dZv);
    dx.number(IDC_DEPTH, m_dDepth);
}

bool FormFactorOptionsDialog::OnInitDialog() {
    m_dZv = m_dZvGiven;
    enable(m_nGear == 0 ? IDC_GEAR : IDC_PINION, false);
    UpdateData(false);
    return true;
}

void FormFactorOptionsDialog::OnOK() {
    if (!UpdateData(true)) return;
    if (m_dDepth < kMinDepthFactor) {
        fw::MessageBox("全齿高系数不能太小！", "注意", MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDOK);
}

}  // namespace kavrin
