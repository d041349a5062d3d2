// The contact life dialog: material class and pitting give the limit number
// of load cycles; the user may type another NE.
#pragma once
#include "common/dialogs/factor_dialog.h"

namespace kavrin {

class ContactLifeDialog : public FactorDialog {
public:
    static constexpr int IDC_MATERIAL = 1243;   // 1243..1245
    static constexpr int IDC_PITTING = 1246;    // 1246 允许有一定点蚀, 1247 不允许点蚀
    static constexpr int IDC_NOT_PITTING = 1247;
    static constexpr int IDC_NE = 1249;

    int m_nMaterial = 0;    // class 0..2
    int m_nPitting = 0;     // 0 allowed, 1 not allowed
    double m_dNe = 1e9;     // load cycles

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;

protected:
    ContactLifeDialog(const FactorDialogCopy& copy, fw::Window* parent);

private:
    void OnChoice();
    void enablePitting();
};

}  // namespace kavrin
