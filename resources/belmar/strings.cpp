#include "resources/belmar/module.h"

namespace belmar {

void addStrings(fw::Module& m) {
    (void)m;
}

}  // namespace belmar
