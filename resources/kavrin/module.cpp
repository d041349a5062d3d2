#include "resources/kavrin/module.h"

namespace kavrin {

fw::Module& module() {
    static fw::Module m = [] {
        fw::Module mod("kavrin");
        addStrings(mod);
        addMenus(mod);
        addBitmaps(mod);
        addAboutTemplate(mod);
        addCexyPage1Template(mod);
        addCexyPage2Templates(mod);
        addCexyPage3And4Templates(mod);
        addCexyPageTemplates(mod);
        addCexdRecommendTemplates(mod);
        addDorrithTemplates(mod);
        addToolCyDwdataTemplate(mod);
        return mod;
    }();
    return m;
}

}  // namespace kavrin
