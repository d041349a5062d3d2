#include "common/dialogs/form_factor_options_dialog.h"

#include "common/dialogs/factor_ranges.h"
#include "common/dialogs/quantity_field.h"

namespace kavrin {

FormFactorOptionsDialog::FormFactorOptionsDialog(const FactorDialogCopy& copy, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {
    onRadios(IDC_PINION, 2, m_nGear);
    // Leaving a field reads that field alone: a refusal names the field left.
    onKillFocus(IDC_X, [this] {
        fw::Exchange dx(*this, fw::Exchange::Direction::Save);
        kavrin::number(dx, IDC_X, m_dX, factor_q::kShift);
    });
    onKillFocus(IDC_DEPTH, [this] {
        fw::Exchange dx(*this, fw::Exchange::Direction::Save);
        numberOwnBelow(dx, IDC_DEPTH, m_dDepth, factor_q::kWholeDepth, factor_q::kWholeDepth.lower());
    });
}

int FormFactorOptionsDialog::DoModal(double zv, int gear, double xn1, double xn2) {
    m_dZvGiven = zv;
    m_nGear = gear;
    m_dX = gear == 0 ? xn1 : xn2;
    return fw::Dialog::DoModal();
}

void FormFactorOptionsDialog::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_PINION, m_nGear);
    kavrin::number(dx, IDC_X, m_dX, factor_q::kShift);
    kavrin::number(dx, IDC_ZV, m_dZv, factor_q::kVirtualTeeth);
    // A factor below 1.3 goes on to OK's own message ("全齿高系数不能太小！").
    numberOwnBelow(dx, IDC_DEPTH, m_dDepth, factor_q::kWholeDepth, factor_q::kWholeDepth.lower());
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
