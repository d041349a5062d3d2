// Template 104: page 1 of the cycloid design wizard, "预定参数".
#include "cycloid/cexy_property_page1.h"
#include "resources/kavrin/module.h"

namespace kavrin {

void addCexyPage1Template(fw::Module& m) {
    m.addDialog({.id = CCexyPropertyPage1::IDD, .caption = "预定参数", .body = {}});
}

}  // namespace kavrin
