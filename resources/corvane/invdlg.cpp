// Template 1036: the angle – involute function converter.
#include "resources/corvane/module.h"

namespace corvane {

void addInvTemplate(fw::Module& m) {
    using namespace fw;
    m.addDialog({.id = 1036, .caption = "《Ondrel》Kavrin  角度－渐开线函数值换算", .body = {
        group(IDC_STATIC, "角度:", {
            row({label("度分秒："), edit(1312, style::Digits), label("°"), edit(1313, style::Digits), label("′"),
                 edit(1314, style::Digits), label("″")}),
            field("小数：", 1246, "°"),
        }),
        field("渐开线函数值:", 1315),
        row({button(1317, "α="), button(1316, "invα="), defButton(IDOK, "结   束")}),
    }});
}

}  // namespace corvane
