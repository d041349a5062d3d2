// The accuracy grade dialog: grades 3 to 10 in a list, with the caller's
// hint above it.
#pragma once
#include <string>

#include "common/dialogs/factor_dialog.h"

namespace kavrin {

class AccuracyGradeDialog : public FactorDialog {
public:
    static constexpr int IDC_GRADE = 1217;
    static constexpr int IDC_HINT = 1300;
    static constexpr int kGrade6 = 3;   // list index of grade "6"

    std::string m_strHint;
    int m_nGrade = kGrade6;             // 0 for grade 3 … 7 for grade 10

    using fw::Dialog::DoModal;
    // Stores the hint shown above the list, then runs the dialog.
    virtual int DoModal(std::string hint);

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;

protected:
    AccuracyGradeDialog(const FactorDialogCopy& copy, fw::Window* parent);

private:
    void OnSelchangeGrade();
};

}  // namespace kavrin
