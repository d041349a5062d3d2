// Templates 9001, 9011, 9022, 9027 to 9030, 9042 and 9044: the factor
// dialogs shared with the cylindrical rating.
#include "bevel/rating/sirrow_factor_dialogs.h"
#include "common/dialogs/factor_templates.h"
#include "resources/sirrow/module.h"

namespace sirrow {

void addFactorDialogs(fw::Module& m) {
    using namespace kavrin;
    m.addDialog(torqueTemplate(CSirrowTDlg::IDD));
    m.addDialog(applicationFactorTemplate(CSirrowKaDlg::IDD));
    m.addDialog(elasticityTemplate(CSirrowZeDlg::IDD));
    m.addDialog(contactLifeTemplate(CSirrowHznDlg::IDD));
    m.addDialog(lubricantTemplate(CSirrowZlDlg::IDD));
    m.addDialog(roughnessTemplate(CSirrowHzrDlg::IDD));
    m.addDialog(workHardeningTemplate(CSirrowZwDlg::IDD));
    m.addDialog(bendingLifeTemplate(CSirrowWynDlg::IDD, bendingLifeOptions()));
    m.addDialog(limitStrengthTemplate(CSirrowHlmtDlg::IDD));
}

}  // namespace sirrow
