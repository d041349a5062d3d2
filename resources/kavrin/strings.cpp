#include "resources/kavrin/module.h"

namespace kavrin {

void addStrings(fw::Module& m) {
    (void)m;
}

}  // namespace kavrin
