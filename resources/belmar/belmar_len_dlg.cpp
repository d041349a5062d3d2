// Template 4002: straight bevel gear geometry.
#include "bevel/geometry/belmar_len_dlg.h"
#include "resources/belmar/module.h"

namespace belmar {

namespace {

using namespace fw;
using D = CBelmarLenDlg;

Node angleInput(const char* text, int deg, int min, int sec) {
    return row({label(text), edit(deg, style::Digits), label("°"), edit(min, style::Digits), label("′"),
                edit(sec, style::Digits), label("″")});
}

// A computed angle: three read-only edits starting at `first`.
Node angleResult(const char* text, int first) {
    return row({label(text), edit(first, style::ReadOnly), label("°"), edit(first + 1, style::ReadOnly), label("′"),
                edit(first + 2, style::ReadOnly), label("″")});
}

Node result(const char* text, int id, const char* unit = "") { return field(text, id, unit, style::ReadOnly); }

Node inputs() {
    return column({
        group(IDC_STATIC, "设计标识", {
            field("标题", D::IDC_TITLE),
            row({field("编号", D::IDC_NUMBER), field("日期", D::IDC_DATE)}),
        }),
        group(IDC_STATIC, "基本参数", {
            row({field("齿数:Z1=", D::IDC_Z1, "", style::Digits), field("Z2=", D::IDC_Z2, "", style::Digits)}),
            field("模数:m=", D::IDC_M, "mm"),
            row({field("齿顶高系数: ha*=", D::IDC_HA), field("齿顶隙系数: C=", D::IDC_C)}),
            angleInput("齿形角:α=", D::IDC_ALPHA_DEG, D::IDC_ALPHA_MIN, D::IDC_ALPHA_SEC),
            angleInput("螺旋角:β=", D::IDC_BETA_DEG, D::IDC_BETA_MIN, D::IDC_BETA_SEC),
        }),
        group(IDC_STATIC, "变位系数", {
            row({field("变位系数:χ1=", D::IDC_X1), field("χ2＝", D::IDC_X2)}),
            row({field("χτ1＝", D::IDC_XT1), field("χτ2＝", D::IDC_XT2)}),
        }),
        group(IDC_STATIC, "齿宽与齿顶角", {
            row({label("齿宽系数:"), label(" 0.25    ～    0.333")}),
            trackbar(D::IDC_PHIR_TRACK),
            row({field("φR=", D::IDC_PHIR), field("齿宽 b=", D::IDC_B, "mm", style::Disabled)}),
            field("齿根圆角系数 rf=", D::IDC_RF),
            row({label("齿顶角("), radio(D::IDC_UNEQUAL, "不等顶隙", style::Group), radio(D::IDC_EQUAL, "等顶隙 ):")}),
        }),
    });
}

Node results() {
    return group(IDC_STATIC, "计算结果", {
        row({
            column({
                angleResult("分锥角 δ1=", D::IDC_DELTA1),
                angleResult("δ2=", D::IDC_DELTA2),
                angleResult("齿顶角 θa1=", D::IDC_THETA_A1),
                angleResult("θa2=", D::IDC_THETA_A2),
                angleResult("齿根角 θf1=", D::IDC_THETA_F1),
                angleResult("θf2=", D::IDC_THETA_F2),
                angleResult("顶锥角 δa1=", D::IDC_DELTA_A1),
                angleResult("δa2=", D::IDC_DELTA_A2),
                angleResult("根锥角 δf1=", D::IDC_DELTA_F1),
                angleResult("δf2=", D::IDC_DELTA_F2),
            }),
            column({
                row({result("d1=", D::IDC_D1, "mm"), result("d2=", D::IDC_D2, "mm")}),
                result("锥距 R=", D::IDC_R, "mm"),
                row({result("ha1=", D::IDC_HA1, "mm"), result("ha2=", D::IDC_HA2, "mm")}),
                row({result("hf1=", D::IDC_HF1, "mm"), result("hf2=", D::IDC_HF2, "mm")}),
                result("全齿高 h=", D::IDC_H, "mm"),
                row({result("da1=", D::IDC_DA1, "mm"), result("da2=", D::IDC_DA2, "mm")}),
                row({result("Ak1=", D::IDC_AK1, "mm"), result("Ak2=", D::IDC_AK2, "mm")}),
                row({result("s1=", D::IDC_S1, "mm"), result("s2=", D::IDC_S2, "mm")}),
                row({result("弦齿厚 s̄1=", D::IDC_SBAR1, "mm"), result("s̄2=", D::IDC_SBAR2, "mm")}),
                row({result("弦齿高 h̄1=", D::IDC_HBAR1, "mm"), result("h̄2=", D::IDC_HBAR2, "mm")}),
                row({result("Zv1=", D::IDC_ZV1), result("Zv2=", D::IDC_ZV2)}),
                row({result("εα=", D::IDC_EPS_ALPHA), result("εβ=", D::IDC_EPS_BETA)}),
                result("切圆半径 rτ=", D::IDC_RTAU, "mm"),
            }),
        }),
    });
}

}  // namespace

void addBelmarLenDlg(Module& m) {
    m.addDialog({.id = D::IDD, .caption = "《Ondrel》 Kavrin 直线齿圆锥齿轮几何计算", .font = {"宋体", 10}, .body = {
        row({inputs(), results()}),
        row({bitmapButton(D::IDC_PICTURE, D::IDB_BUTTON).named("几何参数符号表示"), button(D::IDC_LOAD_PRE, "调入预定数据"),
             button(D::IDC_LOAD_SAVED, "调用数据"), button(D::IDC_CALC, "开始计算"), defButton(IDOK, "保存返回"),
             button(IDCANCEL, "取  消"), button(D::IDC_HELP_BUTTON, "帮  助")}),
    }});
}

}  // namespace belmar
