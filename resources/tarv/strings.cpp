#include "resources/tarv/module.h"

namespace tarv {

void addStrings(fw::Module& m) {
    (void)m;
}

}  // namespace tarv
