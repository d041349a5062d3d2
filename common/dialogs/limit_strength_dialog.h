// The limit strength dialog: the bending and contact fatigue limits of the
// material; the caller's mode says which of the two it asks for.
#pragma once
#include "common/dialogs/factor_dialog.h"

namespace kavrin {

class LimitStrengthDialog : public FactorDialog {
public:
    static constexpr int IDC_SIGMA_HLIM = 1283;
    static constexpr int IDC_SIGMA_FLIM = 1284;

    int m_nMode = 0;            // 0 contact, > 0 bending, < 0 both
    double m_dSigmaFlim = 0;    // MPa
    double m_dSigmaHlim = 0;    // MPa

    using fw::Dialog::DoModal;
    // Stores the mode, then runs the dialog.
    virtual int DoModal(int mode);

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;

protected:
    LimitStrengthDialog(const FactorDialogCopy& copy, fw::Window* parent);
};

}  // namespace kavrin
