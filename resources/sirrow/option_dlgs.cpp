// Templates 9002, 9014, 9041: the drive arrangement, accuracy grade and
// cutter diameter factor dialogs, and the arrangement button pictures.
#include <string>

#include "bevel/rating/sirrow_option_dlgs.h"
#include "common/calc/chart_files.h"
#include "resources/sirrow/module.h"

#ifndef KAVRIN_CHART_DIR
#define KAVRIN_CHART_DIR "charts"
#endif

namespace sirrow {

namespace {

using namespace fw;

fw::Bitmap arrangement(int id, int kind, bool focused) {
    return {.id = id, .width = 96, .height = 96,
            .file = kavrin::chartFile("sirrow_dtype" + std::to_string(kind) + (focused ? "f" : "u") + ".svg",
                                      KAVRIN_CHART_DIR)};
}

DialogTemplate dTypeTemplate() {
    using D = CSirrowDTypeDlg;
    DialogTemplate t{.id = D::IDD, .caption = "《Ondrel》Kavrin 圆锥齿轮传动关系与作用力关系",
                     .font = {"宋体", 9}, .size = Size{300, 180}};
    t.body.push_back(bitmapButton(D::IDC_DTYPE1, D::IDB_DTYPE1U, style::Group).at(10, 10, 64, 64).named("直齿圆锥齿轮"));
    t.body.push_back(bitmapButton(D::IDC_DTYPE2, D::IDB_DTYPE2U)
                         .at(82, 10, 64, 64)
                         .named("斜齿、曲线齿圆锥齿轮 主动轮右旋逆转 从动轮左旋顺转"));
    t.body.push_back(bitmapButton(D::IDC_DTYPE3, D::IDB_DTYPE3U)
                         .at(154, 10, 64, 64)
                         .named("斜齿、曲线齿圆锥齿轮 主动轮左旋逆转 从动轮右旋顺转"));
    t.body.push_back(label("直齿圆锥齿轮").at(10, 78, 64, 10));
    t.body.push_back(label("斜齿、曲线齿\n圆锥齿轮:\n主动轮：右旋逆转\n从动轮：左旋顺转\n\n主动轮：左旋顺转\n从动轮：右旋逆转",
                           IDC_STATIC, style::Multiline)
                         .at(82, 78, 70, 92));
    t.body.push_back(label("斜齿、曲线齿\n圆锥齿轮:\n主动轮：左旋逆转\n从动轮：右旋顺转\n\n主动轮：右旋顺转\n从动轮：左旋逆转",
                           IDC_STATIC, style::Multiline)
                         .at(154, 78, 70, 92));
    t.body.push_back(label("轴向力:\n指向大端为正;\n\n\n径向力:\n指向中心为正.", IDC_STATIC, style::Multiline)
                         .at(230, 14, 64, 60));
    t.body.push_back(defButton(IDOK, "确  定").at(236, 140, 50, 14));
    t.body.push_back(button(IDCANCEL, "取  消").at(236, 160, 50, 14));
    return t;
}

DialogTemplate preciTemplate() {
    using D = CSirrowPreciDlg;
    return dialog(D::IDD, "《Ondrel》Kavrin 齿轮精度", {
        label("请指明齿轮传动的平稳性精度等级"),
        combo(D::IDC_GRADE, {"5级", "6级", "7级", "8级", "9级"}),
        row({defButton(IDOK, "确  定"), button(IDCANCEL, "取  消")}),
    });
}

DialogTemplate y0Template() {
    using D = CSirrowY0Dlg;
    return dialog(D::IDD, "《Ondrel》Kavrin 刀盘直径影响系数", {
        row({group(IDC_STATIC, "齿线形状",
                   {radio(D::IDC_STRAIGHT, "  直 线 齿 ", style::Group), radio(D::IDC_CURVED, "  曲 线 齿 ")}),
             group(IDC_STATIC, "刀盘直径",
                   {radio(D::IDC_D0_UNKNOWN, "D0值不详", style::Group), radio(D::IDC_D0_GIVEN, "输入D0值")})}),
        field("刀盘直径 D0 =", D::IDC_D0, "mm"),
        field("D0·cosβm/b =", D::IDC_RATIO, "", style::ReadOnly),
        field("刀盘直径影响系数 Y0 =", D::IDC_Y0, "", style::ReadOnly),
        row({defButton(IDOK, "确  定"), button(IDCANCEL, "取  消")}),
    });
}

}  // namespace

void addOptionDlgs(fw::Module& m) {
    m.addDialog(dTypeTemplate());
    m.addDialog(preciTemplate());
    m.addDialog(y0Template());
    using D = CSirrowDTypeDlg;
    m.addBitmap(arrangement(D::IDB_DTYPE1U, 1, false));
    m.addBitmap(arrangement(D::IDB_DTYPE1F, 1, true));
    m.addBitmap(arrangement(D::IDB_DTYPE2U, 2, false));
    m.addBitmap(arrangement(D::IDB_DTYPE2F, 2, true));
    m.addBitmap(arrangement(D::IDB_DTYPE3U, 3, false));
    m.addBitmap(arrangement(D::IDB_DTYPE3F, 3, true));
}

}  // namespace sirrow
