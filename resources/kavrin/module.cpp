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
        addCexyPageTemplates(mod);
        addCexdRecommendTemplates(mod);
        return mod;
    }();
    return m;
}

}  // namespace kavrin
