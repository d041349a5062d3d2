#include "common/dialogs/work_hardening_dialog.h"

#include "common/dialogs/factor_ranges.h"
#include "common/dialogs/quantity_field.h"

#include "common/calc/factor_dialog_calc.h"

namespace kavrin {

WorkHardeningDialog::WorkHardeningDialog(const FactorDialogCopy& copy, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {
    onRadios(IDC_PINION, 2, m_nPinion, [this] { enableHardness(); });
    onRadios(IDC_GEAR, 2, m_nGear, [this] { enableHardness(); });
    onKillFocus(IDC_HB, [this] { OnKillfocusHb(); });
}

void WorkHardeningDialog::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_PINION, m_nPinion);
    dx.radio(IDC_GEAR, m_nGear);
    kavrin::number(dx, IDC_HB, m_dHb, factor_q::kHardness);
}

bool WorkHardeningDialog::OnInitDialog() {
    UpdateData(false);
    enableHardness();
    return true;
}

void WorkHardeningDialog::enableHardness() { enable(IDC_HB, hardnessAsked(m_nPinion, m_nGear)); }

void WorkHardeningDialog::OnKillfocusHb() {
    if (!UpdateData(true)) return;
    if (m_dHb > kSoftFlankMaxHb) {
        m_nGear = 0;
        UpdateData(false);
        enableHardness();
    }
}

}  // namespace kavrin
