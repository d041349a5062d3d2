#include "common/dialogs/lubricant_dialog.h"

#include "common/dialogs/factor_ranges.h"
#include "common/dialogs/quantity_field.h"

#include "common/calc/rating_tables.h"
#include "fw/format.h"

namespace kavrin {

LubricantDialog::LubricantDialog(const FactorDialogCopy& copy, ViscosityCheck check, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {
    onRadios(IDC_LUBRICANT, 2, m_nLubricant);
    onRadios(IDC_FLANKS, 2, m_nFlanks);
    onRadios(IDC_CLASS, 5, m_nClass);
    if (check == ViscosityCheck::OnEveryChange) onChange(IDC_VISCOSITY, [this] { OnChangeViscosity(); });
    m_check = check;
}

int LubricantDialog::DoModal(int limitClass) {
    m_nClass = limitClass;
    return fw::Dialog::DoModal();
}

void LubricantDialog::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_LUBRICANT, m_nLubricant);
    dx.radio(IDC_FLANKS, m_nFlanks);
    dx.radio(IDC_CLASS, m_nClass);
    // Only a viscosity of gear oils (an absurd one would give an absurd ZL
    // and safety factor). A value at or below 0 goes on: the checked copy
    // answers it with its own message, the other copy's rating with a ZL of 0.
    numberOwnBelow(dx, IDC_VISCOSITY, m_dNu50, factor_q::kViscosity, 0);
}

// Text that is no number in the field's range yet (empty, "-", "5000") is
// not taken: OK's exchange refuses it.
void LubricantDialog::OnChangeViscosity() {
    auto v = typedValueOwnBelow(text(IDC_VISCOSITY), factor_q::kViscosity.bounds, 0);
    if (!v) return;
    m_dNu50 = *v;
    if (m_dNu50 > 0) return;
    fw::MessageBox("输入数据无效！", "警告", MB_ICONEXCLAMATION);
    m_dNu50 = kDefaultViscosity;
    UpdateData(false);
}

}  // namespace kavrin
