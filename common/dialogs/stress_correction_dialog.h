// The stress correction and size factor dialog: the material and the rated
// gear with its shift coefficient and virtual tooth number.
#pragma once
#include "common/dialogs/factor_dialog.h"

namespace kavrin {

class StressCorrectionDialog : public FactorDialog {
public:
    static constexpr int IDC_MATERIAL = 1292;   // 1292..1295
    static constexpr int IDC_ZV = 1296;
    static constexpr int IDC_X = 1297;
    static constexpr int IDC_PINION = 1299;     // rated gear radios 1299..1300
    static constexpr int IDC_GEAR = 1300;

    int m_nGear = 0;         // rated gear: 0 pinion, 1 gear
    double m_dZvGiven = 0;   // the caller's virtual tooth number
    double m_dX = 0;         // shift coefficient of the rated gear
    double m_dZv = 0;        // virtual tooth number field
    int m_nMaterial = 0;     // 0 渗碳钢, 1 调质钢, 2 调质钢、渗氮, 3 灰铸铁

    using fw::Dialog::DoModal;
    // Stores zv and the rated gear, takes xn1 (pinion) or xn2 (gear) as the
    // shift coefficient, then runs the dialog.
    virtual int DoModal(double zv, int gear, double xn1, double xn2);

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;

protected:
    StressCorrectionDialog(const FactorDialogCopy& copy, fw::Window* parent);
};

}  // namespace kavrin
