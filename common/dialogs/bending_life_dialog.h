// The bending life dialog: material and the equivalent number of load
// cycles NE = multiplier × 10^k, k from the cycles box. NE has one range
// (factor_q::kLoadCycles); the multiplier and the box only form it.
#pragma once
#include <string>

#include "common/dialogs/factor_dialog.h"

namespace kavrin {

// The cycles box: a list of "10＾3" … "10＾7", or editable, where a typed
// "10^k" (or "10＾k") with a whole k is taken as well.
enum class CyclesBox { List, Editable };

struct BendingLifeOptions {
    CyclesBox box = CyclesBox::List;
    std::string initialCycles = "10＾6";   // the box's text on opening
};

class BendingLifeDialog : public FactorDialog {
public:
    static constexpr int IDC_MATERIAL = 1243;   // 1243..1246
    static constexpr int IDC_MULTIPLIER = 1249;
    static constexpr int IDC_CYCLES = 1291;
    static constexpr int kCycles10e6 = 3;       // list index of "10＾6"

    double m_dNe = 3e6;           // result: multiplier · 10^k
    int m_nMaterial = 0;          // 0 调质钢, 1 渗碳钢，表面淬火, 2 渗氮钢，气体渗氮, 3 渗氮钢，液体渗氮
    std::string m_strCycles;      // text of the cycles box
    double m_dMultiplier = 3.0;

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

protected:
    BendingLifeDialog(const FactorDialogCopy& copy, BendingLifeOptions options, fw::Window* parent);

private:
    void OnSelchangeCycles();
    void OnKillfocusMultiplier();
    void OnKillfocusCycles();
    // NE from the box's current entry or text and the multiplier; false
    // (after a message, with NE, the box text and the multiplier of the last
    // accepted NE kept) when the text is no 10^k or the product leaves NE's
    // range. changed: the control whose edit is refused (the box or the
    // multiplier field).
    bool takeCycles(int changed);

    struct Formed {
        std::string cycles;     // the box text
        double multiplier = 0;
    };
    BendingLifeOptions m_options;
    Formed m_accepted;   // what NE was last formed from
};

}  // namespace kavrin
