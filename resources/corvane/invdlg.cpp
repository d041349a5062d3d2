// Template 1036: the angle – involute function converter.
#include "cylindrical/invdlg.h"
#include "resources/corvane/module.h"

namespace corvane {

void addInvTemplate(fw::Module& m) {
    using namespace fw;
    using D = CInvdlg;
    m.addDialog(dialog(D::IDD, "《Ondrel》Kavrin  角度－渐开线函数值换算", {
        group(IDC_STATIC, "角度:", {
            row({label("度分秒："), edit(D::IDC_DEG, style::Digits), label("°"), edit(D::IDC_MIN, style::Digits),
                 label("′"), edit(D::IDC_SEC, style::Digits), label("″")}),
            field("小数：", D::IDC_DECIMAL, "°"),
        }),
        field("渐开线函数值:", D::IDC_INV),
        row({button(D::IDC_TO_ANGLE, "α="), button(D::IDC_TO_INV, "invα="), defButton(IDOK, "结   束")}),
    }));
}

}  // namespace corvane
