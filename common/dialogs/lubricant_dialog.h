// The lubricant dialog: lubricant, flank state, the contact limit class and
// the viscosity ν50.
#pragma once
#include "common/dialogs/factor_dialog.h"

namespace kavrin {

// Whether a change of the viscosity field is checked for a value above 0.
enum class ViscosityCheck { OnEveryChange, None };

class LubricantDialog : public FactorDialog {
public:
    static constexpr int IDC_LUBRICANT = 1251;   // 1251..1252
    static constexpr int IDC_FLANKS = 1253;      // 1253..1254
    static constexpr int IDC_CLASS = 1255;       // 1255..1259
    static constexpr int IDC_VISCOSITY = 1260;
    static constexpr double kDefaultViscosity = 20.0;

    int m_nLubricant = 1;     // 0 普通矿物油, 1 高级工业合成油
    int m_nFlanks = 0;        // 0 硬齿面, 1 调质齿轮
    int m_nClass = 0;         // σHlim class 0..4
    double m_dNu50 = 220;     // cSt

    using fw::Dialog::DoModal;
    // Stores the limit class, then runs the dialog.
    virtual int DoModal(int limitClass);

    void DoDataExchange(fw::Exchange& dx) override;

protected:
    LubricantDialog(const FactorDialogCopy& copy, ViscosityCheck check, fw::Window* parent);

private:
    void OnChangeViscosity();
    ViscosityCheck m_check = ViscosityCheck::OnEveryChange;
};

}  // namespace kavrin
