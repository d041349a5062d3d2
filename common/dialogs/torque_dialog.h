// The torque dialog: pinion speed and power; the caller forms the torque.
#pragma once
#include "common/dialogs/factor_dialog.h"

namespace kavrin {

class TorqueDialog : public FactorDialog {
public:
    static constexpr int IDC_POWER = 1262;
    static constexpr int IDC_SPEED = 1263;

    double m_dN = 0;   // pinion speed, r/min
    double m_dP = 0;   // power, kW

    void DoDataExchange(fw::Exchange& dx) override;

protected:
    TorqueDialog(const FactorDialogCopy& copy, fw::Window* parent);
    // Opens with the caller's pinion speed filled in.
    int runWithSpeed(double n);
};

}  // namespace kavrin
