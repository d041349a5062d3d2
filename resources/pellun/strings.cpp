#include "resources/pellun/module.h"

namespace pellun {

void addStrings(fw::Module& m) {
    (void)m;
}

}  // namespace pellun
