// Templates 105 to 108 and 143: pages 2 to 6 of the cycloid design wizard.
#include "cycloid/cexy_property_page2.h"
#include "cycloid/cexy_property_page3.h"
#include "cycloid/cexy_property_page4.h"
#include "cycloid/cexy_property_page5.h"
#include "cycloid/cexy_property_page6.h"
#include "resources/kavrin/module.h"

namespace kavrin {

void addCexyPageTemplates(fw::Module& m) {
    m.addDialog({.id = CCexyPropertyPage2::IDD, .caption = "传动零件设计", .body = {}});
    m.addDialog({.id = CCexyPropertyPage3::IDD, .caption = "间隙和转角修形量", .body = {}});
    m.addDialog({.id = CCexyPropertyPage4::IDD, .caption = "优化修形量", .body = {}});
    m.addDialog({.id = CCexyPropertyPage5::IDD, .caption = "棒测量", .body = {}});
    m.addDialog({.id = CCexyPropertyPage6::IDD, .caption = "强度校验", .body = {}});
}

}  // namespace kavrin
