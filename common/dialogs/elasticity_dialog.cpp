#include "common/dialogs/elasticity_dialog.h"

#include "common/dialogs/factor_ranges.h"
#include "common/dialogs/quantity_field.h"

#include "common/calc/factor_dialog_calc.h"

namespace kavrin {

ElasticityDialog::ElasticityDialog(const FactorDialogCopy& copy, ElasticityCheck check, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {
    std::vector<int> pairs;
    for (int id = IDC_PAIR; id <= 1236; ++id) pairs.push_back(id);
    pairs.push_back(IDC_OTHER);
    onRadios(pairs, m_nPair, [this] { OnPair(); });
    const std::pair<int, double*> fields[] = {{IDC_E1, &m_dE1}, {IDC_E2, &m_dE2}, {IDC_NU1, &m_dNu1}, {IDC_NU2, &m_dNu2}};
    for (const auto& field : fields) {
        // Plain copies: a structured binding cannot be captured (C++20 as clang 14 reads it).
        const int id = field.first;
        double* const value = field.second;
        if (check == ElasticityCheck::OnEveryChange)
            onChange(id, [this, id, value] { OnChangeField(id, *value); });
        else
            onKillFocus(id, [this, id, value] { OnKillfocusField(id, *value); });
    }
}

void ElasticityDialog::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_PAIR, m_nPair);
    // A value at or below 0 is kept for the hint; the caller refuses it.
    numberOwnBelow(dx, IDC_E1, m_dE1, factor_q::kE1, 0);
    numberOwnBelow(dx, IDC_E2, m_dE2, factor_q::kE2, 0);
    numberOwnBelow(dx, IDC_NU1, m_dNu1, factor_q::kNu1, 0);
    numberOwnBelow(dx, IDC_NU2, m_dNu2, factor_q::kNu2, 0);
}

bool ElasticityDialog::OnInitDialog() {
    UpdateData(false);
    enableFields(false);
    return true;
}

void ElasticityDialog::enableFields(bool on) {
    for (int id : {IDC_E1, IDC_E2, IDC_NU1, IDC_NU2}) enable(id, on);
}

void ElasticityDialog::OnPair() {
    const ElasticModuli e = elasticModuli(m_nPair);
    m_dE1 = e.e1;
    m_dE2 = e.e2;
    m_dNu1 = m_dNu2 = 0.3;
    enableFields(m_nPair == kElasticPairOther);
    UpdateData(false);
}

void ElasticityDialog::showHint(int id, double value) {
    const char* hint = "";
    if (value <= 0) hint = id == IDC_E1 || id == IDC_E2 ? "弹性系数必须输入正值！" : "材料泊桑比必须输入正值！";
    setText(IDC_HINT, hint);
}

// Every change: only the changed field is read, so writing the members to
// the fields one by one never reads a field that has not been written yet.
// A text that is no number in the field's range yet ("", "-", "2e") is not
// taken (leaving the field or OK refuses it); one at or below 0 is taken for
// the hint.
void ElasticityDialog::OnChangeField(int id, double& value) {
    const bool modulus = id == IDC_E1 || id == IDC_E2;
    const fw::Bounds& b = modulus ? factor_q::kElasticModulus.bounds : factor_q::kPoisson.bounds;
    auto v = typedValueOwnBelow(text(id), b, 0);
    if (!v) return;
    value = *v;
    showHint(id, value);
}

void ElasticityDialog::OnKillfocusField(int id, const double& value) {
    if (!UpdateData(true)) return;
    showHint(id, value);
}

}  // namespace kavrin
