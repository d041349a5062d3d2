// Template 1000: the preliminary design of a cylindrical gear pair.
#include "cylindrical/cypre_dlg.h"
#include "resources/corvane/module.h"

namespace corvane {

namespace {

using namespace fw;
using D = CypreDlg;

Node loadGroup() {
    return group(IDC_STATIC, "载荷与传动比", {
        row({radio(D::IDC_BY_POWER, "按输入转速与功率计算", style::Group),
             radio(D::IDC_BY_TORQUE, "按输出转速与输出扭矩计算")}),
        field("i =", D::IDC_I),
        row({field("Z1 =", D::IDC_Z1, "", style::Digits), field("Z2 =", D::IDC_Z2, "", style::Digits)}),
        field("输入转速 ni =", D::IDC_NI, "r/min"),
        field("输出转速 no =", D::IDC_NO, "r/min"),
        field("传动功率: P =", D::IDC_P, "kW"),
        field("输出扭矩 T =", D::IDC_T, "N.m"),
    });
}

Node stressGroup() {
    return group(IDC_STATIC, "许用强度", {
        field("许用接触强度", D::IDC_SIGMA_HP, "MPa"),
        field("许用弯曲强度", D::IDC_SIGMA_FP, "MPa"),
    });
}

Node meshGroup() {
    return group(IDC_STATIC, "啮合方式", {
        row({radio(D::IDC_EXTERNAL, "外啮合", style::Group), radio(D::IDC_INTERNAL, "内啮合")}),
    });
}

Node faceWidthGroup() {
    return group(IDC_STATIC, "齿宽系数", {
        row({radio(D::IDC_SYMMETRIC, "对称配置", style::Group), radio(D::IDC_ASYMMETRIC, "非对称"),
             radio(D::IDC_CANTILEVER, "悬臂配置")}),
        row({radio(D::IDC_SOFT, "硬度<350HB", style::Group), radio(D::IDC_HARD, "硬度>350HB")}),
        row({label("0.8", D::IDC_PHID_LOW), trackbar(D::IDC_PHID_SLIDER), label("1.4", D::IDC_PHID_HIGH)}),
        field("φd=", D::IDC_PHID, "", style::ReadOnly),
    });
}

Node loadFactorGroup() {
    return group(IDC_STATIC, "负载综合系数", {
        row({radio(D::IDC_STEADY, "平稳", style::Group), radio(D::IDC_MODERATE, "中等冲击"),
             radio(D::IDC_HEAVY, "较大冲击")}),
        row({label("对于接触强度"), label("2.0", D::IDC_K1_LOW), trackbar(D::IDC_K1_SLIDER),
             label("2.4", D::IDC_K1_HIGH)}),
        row({label("对于弯曲强度"), label("1.8", D::IDC_K2_LOW), trackbar(D::IDC_K2_SLIDER),
             label("2.3", D::IDC_K2_HIGH)}),
        row({field("K1 =", D::IDC_K1, "", style::ReadOnly), field("K2 =", D::IDC_K2, "", style::ReadOnly)}),
    });
}

Node resultGroup() {
    return group(IDC_STATIC, "模数、螺旋角与中心距", {
        field("端面模数：ms =", D::IDC_MS, "mm", style::ReadOnly),
        row({label("取法面模数mn =", D::IDC_MN_LABEL), edit(D::IDC_MN), label("mm")}),
        row({label("螺旋角β="), edit(D::IDC_BETA_DEG, style::Digits), label("°"), edit(D::IDC_BETA_MIN, style::Digits),
             label("′"), edit(D::IDC_BETA_SEC, style::Digits), label("″")}),
        field("中心距 a=", D::IDC_A, "mm", style::ReadOnly),
    });
}

Node designGroup() {
    return group(IDC_STATIC, "设计标识", {
        field("标题：", D::IDC_TITLE),
        row({field("编号：", D::IDC_NUMBER), field("日期：", D::IDC_DATE)}),
    });
}

}  // namespace

void addCypreTemplate(Module& m) {
    m.addDialog(dialog(D::IDD, "《Ondrel》Kavrin 圆柱齿轮预定计算程序", {
        row({
            column({loadGroup(), stressGroup(), meshGroup()}),
            column({faceWidthGroup(), loadFactorGroup(), resultGroup()}),
        }),
        designGroup(),
        label("", D::IDC_HINT, style::Sunken),
        row({button(D::IDC_LOAD, "&O 装入数据"), button(D::IDC_CALC, "&C 执行计算"), defButton(IDOK, "&R 保存返回"),
             button(IDCANCEL, "&Q 取  消"), button(ID_HELP, "&H 帮  助")}),
    }));
}

}  // namespace corvane
