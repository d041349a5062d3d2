#include "resources/sirrow/module.h"

namespace sirrow {

void addStrings(fw::Module& m) {
    (void)m;
}

}  // namespace sirrow
