// Template 4009: spiral and zerol bevel gear geometry.
#include "bevel/geometry/belmar_arc_dlg.h"
#include "resources/belmar/module.h"

namespace belmar {

namespace {

using namespace fw;
using D = CBelmarArcDlg;

Node angleInput(const char* text, int deg, int min, int sec) {
    return row({label(text), edit(deg, style::Digits), label("°"), edit(min, style::Digits), label("′"),
                edit(sec, style::Digits), label("″")});
}

Node angleResult(const char* text, int deg, int min, int sec) {
    return row({label(text), edit(deg, style::ReadOnly), label("°"), edit(min, style::ReadOnly), label("′"),
                edit(sec, style::ReadOnly), label("″")});
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
            row({field("齿顶高系数: ha*=", D::IDC_HA), field("齿顶隙系数: c*=", D::IDC_C)}),
            angleInput("齿形角:α=", D::IDC_ALPHA_DEG, D::IDC_ALPHA_MIN, D::IDC_ALPHA_SEC),
            angleInput("中点螺旋角:βm=", D::IDC_BETA_DEG, D::IDC_BETA_MIN, D::IDC_BETA_SEC),
        }),
        group(IDC_STATIC, "变位系数", {
            row({field("高变位系数:χ1=", D::IDC_X1), field("χ2=", D::IDC_X2)}),
            row({field("切向变位系数:χτ1=", D::IDC_XT1), field("χτ2=", D::IDC_XT2)}),
        }),
        group(IDC_STATIC, "齿宽", {
            label(" 0.15   齿宽系数   0.333"),
            trackbar(D::IDC_PHIR_TRACK),
            row({field("φR=", D::IDC_PHIR), field("齿宽 b=", D::IDC_B, "mm", style::Disabled)}),
        }),
        group(IDC_STATIC, "齿高形式", {
            radio(D::IDC_TAPER_UNEQUAL, "不等顶隙", style::Group | style::Disabled),
            radio(D::IDC_TAPER_CLEARANCE, "等顶隙收缩齿"),
            radio(D::IDC_TAPER_DUPLEX, "双重收缩齿"),
            radio(D::IDC_TAPER_DEPTH, "等高齿"),
        }),
    });
}

Node results() {
    return group(IDC_STATIC, "计算结果", {
        row({
            column({
                angleResult("分锥角 δ1=", D::IDC_DELTA1_DEG, D::IDC_DELTA1_MIN, D::IDC_DELTA1_SEC),
                angleResult("δ2=", D::IDC_DELTA2_DEG, D::IDC_DELTA2_MIN, D::IDC_DELTA2_SEC),
                angleResult("齿顶角 θa1=", D::IDC_THETA_A1_DEG, D::IDC_THETA_A1_MIN, D::IDC_THETA_A1_SEC),
                angleResult("θa2=", D::IDC_THETA_A2_DEG, D::IDC_THETA_A2_MIN, D::IDC_THETA_A2_SEC),
                angleResult("齿根角 θf1=", D::IDC_THETA_F1_DEG, D::IDC_THETA_F1_MIN, D::IDC_THETA_F1_SEC),
                angleResult("θf2=", D::IDC_THETA_F2_DEG, D::IDC_THETA_F2_MIN, D::IDC_THETA_F2_SEC),
                angleResult("顶锥角 δa1=", D::IDC_DELTA_A1_DEG, D::IDC_DELTA_A1_MIN, D::IDC_DELTA_A1_SEC),
                angleResult("δa2=", D::IDC_DELTA_A2_DEG, D::IDC_DELTA_A2_MIN, D::IDC_DELTA_A2_SEC),
                angleResult("根锥角 δf1=", D::IDC_DELTA_F1_DEG, D::IDC_DELTA_F1_MIN, D::IDC_DELTA_F1_SEC),
                angleResult("δf2=", D::IDC_DELTA_F2_DEG, D::IDC_DELTA_F2_MIN, D::IDC_DELTA_F2_SEC),
                angleResult("大端螺旋角 β=", D::IDC_BETA_HEEL_DEG, D::IDC_BETA_HEEL_MIN, D::IDC_BETA_HEEL_SEC),
            }),
            column({
                row({result("d1=", D::IDC_D1, "mm"), result("d2=", D::IDC_D2, "mm")}),
                result("锥距 R=", D::IDC_R, "mm"),
                row({result("ha1=", D::IDC_HA1, "mm"), result("ha2=", D::IDC_HA2, "mm")}),
                row({result("hf1=", D::IDC_HF1, "mm"), result("hf2=", D::IDC_HF2, "mm")}),
                result("全齿高 h=", D::IDC_H, "mm"),
                row({result("da1=", D::IDC_DA1, "mm"), result("da2=", D::IDC_DA2, "mm")}),
                row({result("外锥高 Ak1=", D::IDC_AK1, "mm"), result("Ak2=", D::IDC_AK2, "mm")}),
                row({result("弧齿厚 s1=", D::IDC_S1, "mm"), result("s2=", D::IDC_S2, "mm")}),
                result("齿根角增量 Δθf=", D::IDC_DTHETA_F, "′"),
                row({result("εα=", D::IDC_EPS_ALPHA), result("εβ=", D::IDC_EPS_BETA)}),
                row({result("Zv1=", D::IDC_ZV1), result("Zv2=", D::IDC_ZV2)}),
                result("平面齿轮齿数 Zp=", D::IDC_ZP),
            }),
        }),
    });
}

Node cutters() {
    return group(IDC_STATIC, "铣刀盘选择", {
        listView(D::IDC_CUTTERS),
        row({field("自定义刀盘名义直径 d0=", D::IDC_CUSTOM_D0, "mm", style::Disabled), label("", D::IDC_CUTTER_HINT)}),
    });
}

}  // namespace

void addBelmarArcDlg(Module& m) {
    m.addDialog({.id = D::IDD, .caption = "《Ondrel》 Kavrin 弧齿圆锥齿轮几何计算", .font = {"宋体", 10}, .body = {
        row({inputs(), column({results(), cutters()})}),
        row({bitmapButton(D::IDC_PICTURE, D::IDB_BUTTON).named("几何参数符号表示"), button(D::IDC_LOAD_PRE, "调入预定数据"),
             button(D::IDC_LOAD_SAVED, "调用数据"), button(D::IDC_CALC, "开始计算"), defButton(IDOK, "保存返回"),
             button(IDCANCEL, "取  消"), button(D::IDC_HELP_BUTTON, "帮  助")}),
    }});
}

}  // namespace belmar
