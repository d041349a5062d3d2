// The roughness dialog: the contact limit class and the roughness Ra.
#pragma once
#include <string>

#include "common/dialogs/factor_dialog.h"

namespace kavrin {

// The box that refuses Ra ≤ 0 (exclamation icon; an empty caption is the
// application title).
struct RoughnessRefusal {
    std::string text = "输入粗糙度精度太高或无效！";
    std::string caption = "警告";
};

class RoughnessDialog : public FactorDialog {
public:
    static constexpr int IDC_CLASS = 1269;   // 1269..1273
    static constexpr int IDC_RA = 1276;
    static constexpr double kDefaultRa = 3.2;

    int m_nClass = 0;        // σHlim class 0..4
    double m_dRa = kDefaultRa;   // μm

    using fw::Dialog::DoModal;
    // Stores the limit class, then runs the dialog.
    virtual int DoModal(int limitClass);

    void DoDataExchange(fw::Exchange& dx) override;

protected:
    RoughnessDialog(const FactorDialogCopy& copy, RoughnessRefusal refusal, fw::Window* parent);

private:
    void OnKillfocusRa();
    RoughnessRefusal m_refusal;
};

}  // namespace kavrin
