// Templates 1037 and 1038: the shaper-cutter scheme and the check results of
// a cutting and interference check.
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "resources/corvane/module.h"

namespace corvane {

namespace {

using namespace fw;

constexpr std::uint32_t RO = style::ReadOnly;

// "label [edit] subscript unit": the label stays the edit's buddy, so the
// field keeps its label's text as its accessible name.
Node cutterField(std::string labelText, int id, std::string subscript, std::string unit, std::uint32_t st = 0) {
    std::vector<Node> cells{label(std::move(labelText)), edit(id, st), fw::subscript(std::move(subscript))};
    if (!unit.empty()) cells.push_back(label(std::move(unit)));
    return row(std::move(cells));
}

struct CutterGroupIds {
    int group, m, z0, x0, ha0, d0, da0;
};

Node cutterGroup(const CutterGroupIds& i, std::string caption) {
    return group(i.group, std::move(caption),
                 {cutterField("模数:       m     =", i.m, "n", "mm", RO),
                  cutterField("齿数:       Z     =", i.z0, "0", ""),
                  cutterField("变位系数:   χ    =", i.x0, "0", ""),
                  cutterField("齿顶高系数: h*    =", i.ha0, "a0", ""),
                  cutterField("分度圆直径:  d    =", i.d0, "0", "mm", RO),
                  cutterField("齿顶圆直径:  d    =", i.da0, "a0", "mm", RO)});
}

DialogTemplate cutterSchemeDialog() {
    using D = CCygeomCutDlg;
    return dialog(D::IDD, "《Ondrel》 Kavrin 插齿刀方案", {
        label("    为检验齿轮插齿干涉，须确定插齿刀具的有关参数，若不确定参数，则不做此项检验，"
              "立即按“取消”退出，请在加工时作充分的工艺考虑。",
              IDC_STATIC, style::Multiline),
        row({cutterGroup({D::IDC_GROUP1, D::IDC_M1, D::IDC_Z01, D::IDC_X01, D::IDC_HA01, D::IDC_D01, D::IDC_DA01},
                         "加工外齿轮插齿刀参数"),
             cutterGroup({D::IDC_GROUP2, D::IDC_M2, D::IDC_Z02, D::IDC_X02, D::IDC_HA02, D::IDC_D02, D::IDC_DA02},
                         "加工内齿轮插齿刀参数")}),
        row({check(D::IDC_SAME, "插齿刀参数相同"), check(D::IDC_PINION_HOBBED, "小齿轮滚齿"),
             check(D::IDC_GEAR_HOBBED, "大齿轮滚齿")}),
        label("", D::IDC_HINT, style::Multiline | style::Sunken),
        row({defButton(IDOK, "确定"), button(IDCANCEL, "取消")}),
    });
}

DialogTemplate checkResultDialog() {
    using D = CCyGeomCheckDlg;
    return dialog(D::IDD, "《Ondrel》 Kavrin 齿轮副设计检验结果", {
        label("检验结果："),
        listView(D::IDC_CHECK_LIST, style::ShowSelAlways),
        row({column({label("小齿轮插齿刀参数：", D::IDC_CUTTER1_TITLE), listView(D::IDC_CUTTER1_LIST)}),
             column({label("大(内)齿轮插齿刀参数：", D::IDC_CUTTER2_TITLE), listView(D::IDC_CUTTER2_LIST)})}),
        row({defButton(IDOK, "确定")}),
    });
}

}  // namespace

void addCygeomCheckDlgs(Module& m) {
    m.addDialog(cutterSchemeDialog());
    m.addDialog(checkResultDialog());
}

}  // namespace corvane
