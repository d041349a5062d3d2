// Templates 108 and 143: pages 5 and 6 of the cycloid design wizard.
#include "cycloid/cexy_property_page5.h"
#include "cycloid/cexy_property_page6.h"
#include "resources/kavrin/module.h"

namespace kavrin {

void addCexyPageTemplates(fw::Module& m) {
    m.addDialog({.id = CCexyPropertyPage5::IDD, .caption = "棒测量", .body = {}});
    m.addDialog({.id = CCexyPropertyPage6::IDD, .caption = "强度校验", .body = {}});
}

}  // namespace kavrin
