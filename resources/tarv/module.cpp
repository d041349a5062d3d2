#include "resources/tarv/module.h"

namespace tarv {

fw::Module& module() {
    static fw::Module m = [] {
        fw::Module mod("tarv");
        addStrings(mod);
        addContactChartTemplates(mod);
        addContactChartBitmaps(mod);
        addPreliminaryTemplates(mod);
        addWormPictures(mod);
        addOrdinaryGeometryTemplate(mod);
        addRatingTemplates(mod);
        addArcGeometryTemplates(mod);
        return mod;
    }();
    return m;
}

}  // namespace tarv
