#include "cylindrical/cy_current_design.h"

namespace cylindrical {

CurrentDesign& currentDesign() {
    static CurrentDesign design;
    return design;
}

}  // namespace cylindrical
