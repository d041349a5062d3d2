#include "resources/corvane/module.h"

namespace corvane {

void addStrings(fw::Module& m) {
    (void)m;
}

}  // namespace corvane
