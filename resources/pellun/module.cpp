#include "resources/pellun/module.h"

namespace pellun {

fw::Module& module() {
    static fw::Module m = [] {
        fw::Module mod("pellun");
        addStrings(mod);
        addKaDlg(mod);
        addChartDlgs(mod);
        addFaceLoadDlgs(mod);
        addCharts(mod);
        addPellunType(mod);
        return mod;
    }();
    return m;
}

}  // namespace pellun
