// The face load options dialog: flank pairing and mounting of the gears.
#pragma once
#include "common/dialogs/factor_dialog.h"

namespace kavrin {

class FaceLoadDialog : public FactorDialog {
public:
    static constexpr int IDC_FLANKS = 1219;     // 1219..1220
    static constexpr int IDC_MOUNTING = 1221;   // 1221..1224

    int m_nFlanks = 0;      // 0 hard-hard, 1 hard (soft)-soft
    int m_nMounting = 0;    // 0..3

    void DoDataExchange(fw::Exchange& dx) override;

protected:
    FaceLoadDialog(const FactorDialogCopy& copy, fw::Window* parent);
};

}  // namespace kavrin
