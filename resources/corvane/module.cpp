#include "resources/corvane/module.h"

namespace corvane {

fw::Module& module() {
    static fw::Module m = [] {
        fw::Module mod("corvane");
        addStrings(mod);
        addCypreTemplate(mod);
        addInvTemplate(mod);
        addCyGeomPages(mod);
        addCygeomCheckDlgs(mod);
        addFactorDialogs(mod);
        addCyProofDlg(mod);
        addMeasureTemplates(mod);
        addSmcyDlg(mod);
        addSmcyBitmaps(mod);
        return mod;
    }();
    return m;
}

}  // namespace corvane
