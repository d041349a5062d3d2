#include "cylindrical/factor_dialogs.h"

#include "resources/corvane/module.h"

namespace {

// The cylindrical dialogs ask for 0x20000 plus their template id, the limit
// strength dialog for 0x22354.
constexpr kavrin::FactorDialogCopy corvaneCopy(int templateId) {
    return {.module = &corvane::module, .templateId = templateId,
            .helpContext = 0x20000u + static_cast<unsigned>(templateId)};
}

}  // namespace

CCyProofKaDlg::CCyProofKaDlg(fw::Window* parent) : ApplicationFactorDialog(corvaneCopy(IDD), {}, parent) {}
CCyProofKbitaDlg::CCyProofKbitaDlg(fw::Window* parent) : FaceLoadDialog(corvaneCopy(IDD), parent) {}
CCyProofLimtDlg::CCyProofLimtDlg(fw::Window* parent)
    : LimitStrengthDialog({.module = &corvane::module, .templateId = IDD, .helpContext = 0x22354}, parent) {}
CCyProofPrecisionDlg::CCyProofPrecisionDlg(fw::Window* parent) : AccuracyGradeDialog(corvaneCopy(IDD), parent) {}
CCyProofShiftDlg::CCyProofShiftDlg(fw::Window* parent) : FormFactorOptionsDialog(corvaneCopy(IDD), parent) {}
CCyProofTDlg::CCyProofTDlg(fw::Window* parent) : TorqueDialog(corvaneCopy(IDD), parent) {}
CCyProofWynDlg::CCyProofWynDlg(fw::Window* parent) : BendingLifeDialog(corvaneCopy(IDD), {}, parent) {}
CCyProofWysDlg::CCyProofWysDlg(fw::Window* parent) : StressCorrectionDialog(corvaneCopy(IDD), parent) {}
CCyProofZeDlg::CCyProofZeDlg(fw::Window* parent)
    : ElasticityDialog(corvaneCopy(IDD), kavrin::ElasticityCheck::OnEveryChange, parent) {}
CCyProofZhwDlg::CCyProofZhwDlg(fw::Window* parent) : WorkHardeningDialog(corvaneCopy(IDD), parent) {}
CCyProofZlDlg::CCyProofZlDlg(fw::Window* parent)
    : LubricantDialog(corvaneCopy(IDD), kavrin::ViscosityCheck::OnEveryChange, parent) {}
CCyProofZnDlg::CCyProofZnDlg(fw::Window* parent) : ContactLifeDialog(corvaneCopy(IDD), parent) {}
CCyProofZrDlg::CCyProofZrDlg(fw::Window* parent) : RoughnessDialog(corvaneCopy(IDD), {}, parent) {}
