#include "common/dialogs/limit_strength_dialog.h"

#include "common/dialogs/factor_ranges.h"
#include "common/dialogs/quantity_field.h"

#include "common/calc/factor_dialog_calc.h"
#include "common/calc/rating_tables.h"

namespace kavrin {

LimitStrengthDialog::LimitStrengthDialog(const FactorDialogCopy& copy, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {}

int LimitStrengthDialog::DoModal(int mode) {
    m_nMode = mode;
    return fw::Dialog::DoModal();
}

void LimitStrengthDialog::DoDataExchange(fw::Exchange& dx) {
    // A limit at or below 0 passes to the caller, which refuses it with its own words.
    numberOwnBelow(dx, IDC_SIGMA_FLIM, m_dSigmaFlim, factor_q::kSigmaFlim, 0);
    numberOwnBelow(dx, IDC_SIGMA_HLIM, m_dSigmaHlim, factor_q::kSigmaHlim, 0);
}

bool LimitStrengthDialog::OnInitDialog() {
    UpdateData(false);
    const LimitFields f = limitFields(m_nMode);
    enable(IDC_SIGMA_HLIM, f.contact);
    enable(IDC_SIGMA_FLIM, f.bending);
    return true;
}

}  // namespace kavrin
