// Template 151: the involute profile CAD data tool.
#include "profiletool/ctool_cy_dwdata_dlg.h"
#include "resources/kavrin/module.h"

namespace kavrin {

void addToolCyDwdataTemplate(fw::Module& m) {
    using namespace fw;
    using D = CToolCyDwdataDlg;
    m.addDialog(dialog(D::IDD, "Kavrin 渐开线端面齿廓CAD数据生成", {
        group(IDC_STATIC, "圆柱齿轮数据文件(*.cyb)", {
            row({label("文件："), edit(D::IDC_PATH), button(D::IDC_BROWSE, "查找"), button(D::IDC_READ, "读取")}),
        }),
        row({
            group(IDC_STATIC, "生成齿廓的齿轮", {
                radio(D::IDC_Z1, "小齿轮 Z1", style::Group),
                radio(D::IDC_Z2, "大齿轮 Z2"),
            }),
            group(IDC_STATIC, "齿根与工艺", {
                field("顶隙系数 c* =", D::IDC_CSTAR, "", style::ReadOnly),
                field("齿根圆角半径 ρf =", D::IDC_FILLET, "mm"),
                field("收缩率 λ =", D::IDC_SHRINKAGE, "%"),
            }),
        }),
        group(IDC_STATIC, "提示", {label("", D::IDC_HINT, style::Multiline)}),
        row({defButton(IDOK, "确定"), button(D::IDC_HELP, "帮助")}),
    }));
}

}  // namespace kavrin
