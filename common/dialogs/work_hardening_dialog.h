// The work hardening dialog: flank states of pinion and gear and, for a hard
// pinion running with a soft gear, the gear's hardness.
#pragma once
#include "common/dialogs/factor_dialog.h"

namespace kavrin {

class WorkHardeningDialog : public FactorDialog {
public:
    static constexpr int IDC_PINION = 1277;   // 1277 硬齿面, 1278 软齿面
    static constexpr int IDC_GEAR = 1279;     // 1279 硬齿面, 1280 软齿面 HB≤350
    static constexpr int IDC_HB = 1281;

    int m_nPinion = 0;      // 0 hard, 1 soft
    int m_nGear = 1;        // 0 hard, 1 soft
    double m_dHb = 350;     // gear hardness HB

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;

protected:
    WorkHardeningDialog(const FactorDialogCopy& copy, fw::Window* parent);

private:
    void OnKillfocusHb();
    void enableHardness();
};

}  // namespace kavrin
