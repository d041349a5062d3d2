// Templates 1021 to 1035: the factor dialogs of the strength rating.
#include "common/dialogs/factor_templates.h"
#include "cylindrical/factor_dialogs.h"
#include "resources/corvane/module.h"

namespace corvane {

void addFactorDialogs(fw::Module& m) {
    using namespace kavrin;
    m.addDialog(applicationFactorTemplate(CCyProofKaDlg::IDD));
    m.addDialog(faceLoadTemplate(CCyProofKbitaDlg::IDD));
    m.addDialog(limitStrengthTemplate(CCyProofLimtDlg::IDD));
    m.addDialog(accuracyGradeTemplate(CCyProofPrecisionDlg::IDD));
    m.addDialog(formFactorOptionsTemplate(CCyProofShiftDlg::IDD));
    m.addDialog(torqueTemplate(CCyProofTDlg::IDD));
    m.addDialog(bendingLifeTemplate(CCyProofWynDlg::IDD, {}));
    m.addDialog(stressCorrectionTemplate(CCyProofWysDlg::IDD));
    m.addDialog(elasticityTemplate(CCyProofZeDlg::IDD));
    m.addDialog(workHardeningTemplate(CCyProofZhwDlg::IDD));
    m.addDialog(lubricantTemplate(CCyProofZlDlg::IDD));
    m.addDialog(contactLifeTemplate(CCyProofZnDlg::IDD));
    m.addDialog(roughnessTemplate(CCyProofZrDlg::IDD));
}

}  // namespace corvane
