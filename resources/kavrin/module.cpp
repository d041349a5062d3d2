#include "resources/kavrin/module.h"

namespace kavrin {

fw::Module& module() {
    static fw::Module m = [] {
        fw::Module mod("kavrin");
        addStrings(mod);
        return mod;
    }();
    return m;
}

}  // namespace kavrin
