#include "common/dialogs/accuracy_grade_dialog.h"

namespace kavrin {

AccuracyGradeDialog::AccuracyGradeDialog(const FactorDialogCopy& copy, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {
    onSelChange(IDC_GRADE, [this] { OnSelchangeGrade(); });
}

int AccuracyGradeDialog::DoModal(std::string hint) {
    m_strHint = std::move(hint);
    return fw::Dialog::DoModal();
}

void AccuracyGradeDialog::DoDataExchange(fw::Exchange& dx) { dx.comboIndex(IDC_GRADE, m_nGrade); }

bool AccuracyGradeDialog::OnInitDialog() {
    UpdateData(false);
    combo(IDC_GRADE).setCurSel(kGrade6);
    m_nGrade = kGrade6;
    setText(IDC_HINT, m_strHint);
    return true;
}

void AccuracyGradeDialog::OnSelchangeGrade() { m_nGrade = combo(IDC_GRADE).curSel(); }

}  // namespace kavrin
