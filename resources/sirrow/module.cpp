#include "resources/sirrow/module.h"

namespace sirrow {

fw::Module& module() {
    static fw::Module m = [] {
        fw::Module mod("sirrow");
        addStrings(mod);
        addFactorDialogs(mod);
        addChartDlgs(mod);
        addOptionDlgs(mod);
        addSirrowDlg(mod);
        addBevelCharts(mod);
        return mod;
    }();
    return m;
}

}  // namespace sirrow
