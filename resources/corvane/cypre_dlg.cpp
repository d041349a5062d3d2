// Template 1000: the preliminary design of a cylindrical gear pair.
#include "resources/corvane/module.h"

namespace corvane {

namespace {

using namespace fw;

Node loadGroup() {
    return group(IDC_STATIC, "载荷与传动比", {
        row({radio(201, "按输入转速与功率计算", style::Group), radio(202, "按输出转速与输出扭矩计算")}),
        field("i =", 203),
        row({field("Z1 =", 205, "", style::Digits), field("Z2 =", 206, "", style::Digits)}),
        field("输入转速 ni =", 208, "r/min"),
        field("输出转速 no =", 209, "r/min"),
        field("传动功率: P =", 210, "kW"),
        field("输出扭矩 T =", 204, "N.m"),
    });
}

Node stressGroup() {
    return group(IDC_STATIC, "许用强度", {
        field("许用接触强度", 259, "MPa"),
        field("许用弯曲强度", 260, "MPa"),
    });
}

Node meshGroup() {
    return group(IDC_STATIC, "啮合方式", {
        row({radio(1096, "外啮合", style::Group), radio(1097, "内啮合")}),
    });
}

Node faceWidthGroup() {
    return group(IDC_STATIC, "齿宽系数", {
        row({radio(220, "对称配置", style::Group), radio(221, "非对称"), radio(222, "悬臂配置")}),
        row({radio(223, "硬度<350HB", style::Group), radio(224, "硬度>350HB")}),
        row({label("0.8", 1328), trackbar(225), label("1.4", 1329)}),
        field("φd=", 218, "", style::ReadOnly),
    });
}

Node loadFactorGroup() {
    return group(IDC_STATIC, "负载综合系数", {
        row({radio(214, "平稳", style::Group), radio(215, "中等冲击"), radio(216, "较大冲击")}),
        row({label("对于接触强度"), label("2.0", 1330), trackbar(217), label("2.4", 1331)}),
        row({label("对于弯曲强度"), label("1.8", 1332), trackbar(219), label("2.3", 1333)}),
        row({field("K1 =", 255, "", style::ReadOnly), field("K2 =", 256, "", style::ReadOnly)}),
    });
}

Node resultGroup() {
    return group(IDC_STATIC, "模数、螺旋角与中心距", {
        field("端面模数：ms =", 263, "mm", style::ReadOnly),
        row({label("取法面模数mn =", 262), edit(226), label("mm")}),
        row({label("螺旋角β="), edit(211, style::Digits), label("°"), edit(212, style::Digits), label("′"),
             edit(213, style::Digits), label("″")}),
        field("中心距 a=", 207, "mm", style::ReadOnly),
    });
}

Node designGroup() {
    return group(IDC_STATIC, "设计标识", {
        field("标题：", 1303),
        row({field("编号：", 1304), field("日期：", 1305)}),
    });
}

}  // namespace

void addCypreTemplate(Module& m) {
    m.addDialog({.id = 1000, .caption = "《Ondrel》Kavrin 圆柱齿轮预定计算程序", .body = {
        row({
            column({loadGroup(), stressGroup(), meshGroup()}),
            column({faceWidthGroup(), loadFactorGroup(), resultGroup()}),
        }),
        designGroup(),
        label("", 261, style::Sunken),
        row({button(4, "&O 装入数据"), button(6, "&C 执行计算"), defButton(IDOK, "&R 保存返回"),
             button(IDCANCEL, "&Q 取  消"), button(ID_HELP, "&H 帮  助")}),
    }});
}

}  // namespace corvane
