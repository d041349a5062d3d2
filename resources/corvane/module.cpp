#include "resources/corvane/module.h"

namespace corvane {

fw::Module& module() {
    static fw::Module m = [] {
        fw::Module mod("corvane");
        addStrings(mod);
        return mod;
    }();
    return m;
}

}  // namespace corvane
