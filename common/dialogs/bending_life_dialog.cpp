#include "common/dialogs/bending_life_dialog.h"

#include "common/dialogs/factor_ranges.h"

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
    // Any number: the multiplier has no range of its own, the NE it forms
    // has (takeCycles).
    dx.number(IDC_MULTIPLIER, m_dMultiplier);
}

bool BendingLifeDialog::OnInitDialog() {
    m_strCycles = m_options.initialCycles;
    m_accepted = {m_strCycles, m_dMultiplier};
    UpdateData(false);
    if (m_options.box == CyclesBox::List) combo(IDC_CYCLES).setCurSel(kCycles10e6);
    m_dNe = 3e6;
    return true;
}

void BendingLifeDialog::OnOK() {
    // NE formed once more from what the dialog shows: whichever way OK was
    // reached, the rating gets the NE of the box and the multiplier as they
    // stand, or the dialog stays open with the refusal.
    if (!UpdateData(true)) return;
    const bool boxChanged = combo(IDC_CYCLES).text() != m_accepted.cycles;
    if (!takeCycles(boxChanged ? IDC_CYCLES : IDC_MULTIPLIER)) return;
    EndDialog(fw::IDOK);
}

bool BendingLifeDialog::takeCycles(int changed) {
    const fw::ComboBox& box = combo(IDC_CYCLES);
    std::optional<int> k;
    if (box.curSel() >= 0) k = cyclesListExponent(box.curSel());
    else if (m_options.box == CyclesBox::Editable) k = cyclesExponent(box.text());
    std::optional<double> ne;
    if (!k) {
        fw::MessageBox(kCyclesRefused, "", MB_ICONEXCLAMATION);
    } else if (ne = bendingCycles(*k, m_dMultiplier, factor_q::kLoadCycles.bounds); !ne) {
        // The product leaves NE's range: NE is named, with its range.
        fw::MessageBox(quantityRefusal(factor_q::kLoadCycles), "", MB_ICONEXCLAMATION);
    }
    if (!ne) {
        // NE and both members stay as last accepted. The box shows its
        // accepted text again at once; the multiplier field gets the focus
        // back once, and left unchanged takes back its accepted text.
        m_strCycles = m_accepted.cycles;
        m_dMultiplier = m_accepted.multiplier;
        combo(IDC_CYCLES).setText(m_accepted.cycles);
        if (changed == IDC_MULTIPLIER) editAgain(IDC_MULTIPLIER);
        return false;
    }
    m_dNe = *ne;
    m_accepted = {box.text(), m_dMultiplier};
    return true;
}

void BendingLifeDialog::OnSelchangeCycles() { takeCycles(IDC_CYCLES); }

void BendingLifeDialog::OnKillfocusMultiplier() {
    if (!UpdateData(true)) return;
    takeCycles(IDC_MULTIPLIER);
}

void BendingLifeDialog::OnKillfocusCycles() {
    if (combo(IDC_CYCLES).text() == m_accepted.cycles) return;
    takeCycles(IDC_CYCLES);
}

}  // namespace kavrin
