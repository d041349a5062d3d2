#include "common/dialogs/bending_life_dialog.h"

#include "common/dialogs/factor_ranges.h"
#include "common/dialogs/quantity_field.h"

#include "common/calc/factor_dialog_calc.h"

namespace kavrin {

namespace {
constexpr const char* kCyclesRefused = "循环次数请输入“10^k”的形式(k 为整数)！";
}

BendingLifeDialog::BendingLifeDialog(const FactorDialogCopy& copy, BendingLifeOptions options, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent), m_strCycles(options.initialCycles), m_options(std::move(options)) {
    onRadios(IDC_MATERIAL, 4, m_nMaterial);
    onSelChange(IDC_CYCLES, [this] { OnSelchangeCycles(); });
    onKillFocus(IDC_MULTIPLIER, [this] { OnKillfocusMultiplier(); });
    if (m_options.box == CyclesBox::Editable) onKillFocus(IDC_CYCLES, [this] { OnKillfocusCycles(); });
}

void BendingLifeDialog::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_MATERIAL, m_nMaterial);
    dx.comboText(IDC_CYCLES, m_strCycles);
    // A multiplier at or below 0 gives NE ≤ 0: the rating's own refusal.
    numberOwnBelow(dx, IDC_MULTIPLIER, m_dMultiplier, factor_q::kCyclesMultiplier.bounds, 0);
}

bool BendingLifeDialog::OnInitDialog() {
    m_strCycles = m_options.initialCycles;
    m_acceptedCycles = m_strCycles;
    UpdateData(false);
    if (m_options.box == CyclesBox::List) combo(IDC_CYCLES).setCurSel(kCycles10e6);
    m_dNe = 3e6;
    return true;
}

bool BendingLifeDialog::takeCycles() {
    const fw::ComboBox& box = combo(IDC_CYCLES);
    std::optional<int> k;
    if (box.curSel() >= 0) k = cyclesListExponent(box.curSel());
    else if (m_options.box == CyclesBox::Editable) k = cyclesExponent(box.text());
    std::optional<double> ne = k ? bendingCycles(*k, m_dMultiplier) : std::nullopt;
    if (ne && !(*ne <= 0 || factor_q::kLoadCycles.admits(*ne))) {
        // A typed 10^k beyond the cycles any drive makes.
        fw::MessageBox(quantityRefusal(factor_q::kLoadCycles), "", MB_ICONEXCLAMATION);
        ne.reset();
    } else if (!ne) {
        fw::MessageBox(kCyclesRefused, "", MB_ICONEXCLAMATION);
    }
    if (!ne) {
        m_strCycles = m_acceptedCycles;
        combo(IDC_CYCLES).setText(m_acceptedCycles);
        return false;
    }
    m_dNe = *ne;
    m_acceptedCycles = box.text();
    return true;
}

void BendingLifeDialog::OnSelchangeCycles() { takeCycles(); }

void BendingLifeDialog::OnKillfocusMultiplier() {
    if (!UpdateData(true)) return;
    takeCycles();
}

void BendingLifeDialog::OnKillfocusCycles() {
    if (combo(IDC_CYCLES).text() == m_acceptedCycles) return;
    takeCycles();
}

}  // namespace kavrin
