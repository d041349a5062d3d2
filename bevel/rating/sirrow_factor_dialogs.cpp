#include "bevel/rating/sirrow_factor_dialogs.h"

#include "resources/sirrow/module.h"

namespace {

// The Sirrow copies ask for 0x20000 plus their template id, except the
// application factor dialog (0x20097).
constexpr kavrin::FactorDialogCopy sirrowCopy(int templateId) {
    return {.module = &sirrow::module, .templateId = templateId,
            .helpContext = 0x20000u + static_cast<unsigned>(templateId)};
}

}  // namespace

kavrin::BendingLifeOptions sirrow::bendingLifeOptions() {
    return {.box = kavrin::CyclesBox::Editable, .initialCycles = "10^6"};
}

CSirrowKaDlg::CSirrowKaDlg(fw::Window* parent)
    : ApplicationFactorDialog({.module = &sirrow::module, .templateId = IDD, .helpContext = 0x20097},
                              {.ticFrequency = 1}, parent) {}
CSirrowHlmtDlg::CSirrowHlmtDlg(fw::Window* parent) : LimitStrengthDialog(sirrowCopy(IDD), parent) {}
CSirrowHznDlg::CSirrowHznDlg(fw::Window* parent) : ContactLifeDialog(sirrowCopy(IDD), parent) {}
CSirrowHzrDlg::CSirrowHzrDlg(fw::Window* parent)
    : RoughnessDialog(sirrowCopy(IDD), {.text = "输入粗糙度精度太高或无效！\n默认值 3.2。", .caption = ""}, parent) {}
CSirrowZeDlg::CSirrowZeDlg(fw::Window* parent)
    : ElasticityDialog(sirrowCopy(IDD), kavrin::ElasticityCheck::OnLeavingField, parent) {}
CSirrowZlDlg::CSirrowZlDlg(fw::Window* parent)
    : LubricantDialog(sirrowCopy(IDD), kavrin::ViscosityCheck::None, parent) {}
CSirrowZwDlg::CSirrowZwDlg(fw::Window* parent) : WorkHardeningDialog(sirrowCopy(IDD), parent) {}
CSirrowTDlg::CSirrowTDlg(fw::Window* parent) : TorqueDialog(sirrowCopy(IDD), parent) {}
int CSirrowTDlg::DoModal(double n) { return runWithSpeed(n); }
CSirrowWynDlg::CSirrowWynDlg(fw::Window* parent)
    : BendingLifeDialog(sirrowCopy(IDD), sirrow::bendingLifeOptions(), parent) {}
