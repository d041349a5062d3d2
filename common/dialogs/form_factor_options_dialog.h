// The form factor options dialog: the rated gear, its shift coefficient and
// virtual tooth number and the whole depth factor.
#pragma once
#include "common/dialogs/factor_dialog.h"

namespace kavrin {

class FormFactorOptionsDialog : public FactorDialog {
public:
    static constexpr int IDC_PINION = 1285;     // rated gear radios 1285..1286
    static constexpr int IDC_GEAR = 1286;
    static constexpr int IDC_ZV = 1287;
    static constexpr int IDC_X = 1288;
    static constexpr int IDC_DEPTH = 1290;
    static constexpr double kMinDepthFactor = 1.3;

    double m_dZvGiven = 0;   // the caller's virtual tooth number
    int m_nGear = 0;         // rated gear: 0 pinion, 1 gear
    double m_dX = 0;         // shift coefficient of the rated gear
    double m_dZv = 0;        // virtual tooth number field
    double m_dDepth = 2.25;  // whole depth factor

    using fw::Dialog::DoModal;
    // Stores zv and the rated gear, takes xn1 (pinion) or xn2 (gear) as the
    // shift coefficient, then runs the dialog.
    virtual int DoModal(double zv, int gear, double xn1, double xn2);

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

protected:
    FormFactorOptionsDialog(const FactorDialogCopy& copy, fw::Window* parent);
};

}  // namespace kavrin
