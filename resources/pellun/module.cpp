#include "resources/pellun/module.h"

namespace pellun {

fw::Module& module() {
    static fw::Module m = [] {
        fw::Module mod("pellun");
        addStrings(mod);
        addKaDlg(mod);
        return mod;
    }();
    return m;
}

}  // namespace pellun
