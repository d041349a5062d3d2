// The elasticity dialog: a material pair gives E1 and E2 (ν = 0.3); "其它"
// lets the user type all four values.
#pragma once
#include "common/dialogs/factor_dialog.h"

namespace kavrin {

// When a typed value is checked for being positive (hint line 1242).
enum class ElasticityCheck { OnEveryChange, OnLeavingField };

class ElasticityDialog : public FactorDialog {
public:
    static constexpr int IDC_PAIR = 1227;      // 1227..1236, then 1241
    static constexpr int IDC_OTHER = 1241;
    static constexpr int IDC_E1 = 1237;
    static constexpr int IDC_E2 = 1238;
    static constexpr int IDC_NU1 = 1239;
    static constexpr int IDC_NU2 = 1240;
    static constexpr int IDC_HINT = 1242;

    int m_nPair = 0;          // 0..9 the pairs of the table, 10 其它
    double m_dE1 = 210000;    // N/mm²
    double m_dE2 = 210000;
    double m_dNu1 = 0.3;
    double m_dNu2 = 0.3;

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;

protected:
    ElasticityDialog(const FactorDialogCopy& copy, ElasticityCheck check, fw::Window* parent);

private:
    void OnPair();
    void OnChangeField(int id, double& value);
    void OnKillfocusField(int id, const double& value);
    void showHint(int id, double value);
    void enableFields(bool on);
};

}  // namespace kavrin
