// Template 3000: choice of the tooth system and preliminary design of a bevel pair.
#include "bevel/preliminary/pellun_type.h"
#include "resources/pellun/module.h"

namespace pellun {

namespace {

using namespace fw;
using D = CPellunType;

Node angle(const char* text, int deg, int min, int sec) {
    return row({label(text), edit(deg, style::Digits), label("°"), edit(min, style::Digits), label("′"),
                edit(sec, style::Digits), label("″")});
}

Node systemGroups() {
    return column({
        group(IDC_STATIC, "直线齿", {
            radio(D::IDC_SYSTEM + 0, "标准齿形制", style::Group),
            radio(D::IDC_SYSTEM + 1, "格里森齿形制"),
            radio(D::IDC_SYSTEM + 2, "埃尼姆斯齿形制"),
        }),
        group(IDC_STATIC, "曲线齿", {
            radio(D::IDC_SYSTEM + 3, "零度格里森齿形制"),
            radio(D::IDC_SYSTEM + 4, "弧齿格里森齿形制"),
            radio(D::IDC_SYSTEM + 5, "埃尼姆斯齿形制"),
            radio(D::IDC_SYSTEM + 6, "洛-卡氏齿形制"),
            radio(D::IDC_SYSTEM + 7, "奥利康摆线齿制"),
        }),
    });
}

Node profileGroup() {
    return group(IDC_STATIC, "齿形参数", {
        angle("齿形角 α=", D::IDC_ALPHA_DEG, D::IDC_ALPHA_MIN, D::IDC_ALPHA_SEC),
        angle("中点螺旋角βm=", D::IDC_BETA_DEG, D::IDC_BETA_MIN, D::IDC_BETA_SEC),
        row({field("齿顶高系数 ha*=", D::IDC_HA), field("齿顶隙系数 C =", D::IDC_C)}),
    });
}

Node driveGroup() {
    return group(IDC_STATIC, "传动参数", {
        row({field("Z1=", D::IDC_Z1, "", style::Digits), field("Z2=", D::IDC_Z2, "", style::Digits),
             field("传动比i=", D::IDC_I)}),
        row({field("n1=", D::IDC_N1, "r/min"), field("n2=", D::IDC_N2, "r/min")}),
        row({field("传递功率 P=", D::IDC_P, "kW"), field("输出扭矩T=", D::IDC_T, "N·m")}),
    });
}

Node strengthGroup() {
    return group(IDC_STATIC, "强度与载荷系数", {
        field("接触强度极限σHlim", D::IDC_SIGMA_H, "N/mm²"),
        field("弯曲强度极限σFlim", D::IDC_SIGMA_F, "N/mm²"),
        row({button(D::IDC_KA_BUTTON, "工况系数KA"), edit(D::IDC_KA)}),
        row({button(D::IDC_KHB_BUTTON, "接触齿向载荷分布系数KHβ"), edit(D::IDC_KHB)}),
        row({button(D::IDC_KWB_BUTTON, "弯曲齿向载荷分布系数Kwβ"), edit(D::IDC_KWB)}),
    });
}

Node sizingGroup() {
    return group(IDC_STATIC, "变位系数、齿形系数与模数", {
        row({button(D::IDC_RADIAL, "径向变位系数"), field("χ1＝", D::IDC_X1),
             field("χ2=", D::IDC_X2, "", style::ReadOnly)}),
        row({button(D::IDC_TANGENTIAL, "切向变位系数"), field("χτ1＝", D::IDC_XT1),
             field("χτ2=", D::IDC_XT2, "", style::ReadOnly)}),
        row({button(D::IDC_FORM_FACTOR, "齿形系数 YF="), edit(D::IDC_YF)}),
        row({button(D::IDC_MODULE, "计算大端端面模数 mt="), edit(D::IDC_MT), label("mm")}),
    });
}

Node designGroup() {
    return group(IDC_STATIC, "设计标识", {
        field("标题：", D::IDC_TITLE),
        row({field("编号：", D::IDC_NUMBER), field("日期：", D::IDC_DATE)}),
    });
}

}  // namespace

void addPellunType(Module& m) {
    m.addDialog({.id = D::IDD, .caption = "《Ondrel》 Kavrin 正交圆锥齿轮齿形制的选择与预定计算",
                 .font = {"宋体", 10}, .body = {
        row({
            systemGroups(),
            column({profileGroup(), driveGroup(), strengthGroup()}),
            column({picture(IDC_STATIC, D::IDB_PAIR), sizingGroup(), designGroup()}),
        }),
        label("", D::IDC_HINT, style::Multiline | style::Sunken),
        row({button(D::IDC_LOAD, "装入数据"), defButton(IDOK, "保存返回"), button(IDCANCEL, "取  消"),
             button(D::IDC_HELP_BUTTON, "帮  助")}),
    }});
}

}  // namespace pellun
