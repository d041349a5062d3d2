// Templates 2001 (ZC1 worm pair geometry), 2015 (ZC3 worm pair geometry)
// and 2000 (the ZC3 worm face width).
#include "resources/tarv/module.h"
#include "worm/cc1cw_gm_dlg.h"
#include "worm/cccw_gm_dlg.h"
#include "worm/cw_pic_dlg.h"

namespace tarv {

namespace {

using namespace fw;

Node shown(const char* text, int id, const char* unit = "") { return field(text, id, unit, style::ReadOnly); }

template <class D>
Node designGroup() {
    return group(IDC_STATIC, "设计标识", {
        row({field("标题：", D::IDC_TITLE), field("编号：", D::IDC_NUMBER), field("日期：", D::IDC_DATE)}),
    });
}

template <class D>
Node gearGroup(Node editable) {
    return group(IDC_STATIC, "蜗轮", {
        row({shown("齿数 Z2 =", D::IDC_Z2), shown("变位系数 χ2 =", D::IDC_X2)}),
        row({shown("端面模数 ms =", D::IDC_MX, "mm"), shown("法面模数 mn2 =", D::IDC_MN2, "mm")}),
        row({shown("分度圆直径 d2 =", D::IDC_D2, "mm"), shown("中圆直径 dm2 =", D::IDC_DM2, "mm")}),
        row({shown("喉圆直径 da2 =", D::IDC_DA2, "mm"), shown("齿根圆直径 df2 =", D::IDC_DF2, "mm")}),
        row({field("外圆直径 de2 =", D::IDC_DE2, "mm"), shown("喉部半径 Rg =", D::IDC_RG, "mm")}),
        row({shown("齿顶高 ha2 =", D::IDC_HA2, "mm"), shown("齿根高 hf2 =", D::IDC_HF2, "mm")}),
        row({shown("全齿高 h2 =", D::IDC_H2, "mm"), shown("齿宽 b2 =", D::IDC_B2, "mm")}),
        row({field("齿宽角 θ =", D::IDC_THETA, "°"), shown("重合度 εa =", D::IDC_EPS_A)}),
        editable,
    });
}

template <class D>
Node centreGroup() {
    return group(IDC_STATIC, "中心距", {
        row({shown("未变位中心距 a =", D::IDC_A, "mm"), field("啮合中心距 a' =", D::IDC_AW, "mm")}),
    });
}

template <class D>
Node buttons(int help) {
    return row({button(D::IDC_LOAD, "装入预定数据"), button(D::IDC_CALC, "执行计算"), defButton(IDOK, "保存返回"),
                button(IDCANCEL, "取  消"), button(help, "帮  助")});
}

void addZc1(Module& m) {
    using D = CC1cwGmDlg;
    Node worm = group(IDC_STATIC, "蜗杆", {
        row({label("", D::IDC_TYPE), label("旋向"), combo(D::IDC_HAND, {"右", "左"})}),
        row({label("法向压力角 αn ="), combo(D::IDC_ALPHA_N_LIST, {"21", "22", "23", "24", "25"}), label("°"),
             shown("轴向压力角 αx =", D::IDC_ALPHA_X, "°")}),
        row({shown("头数 Z1 =", D::IDC_Z1), shown("直径系数 q =", D::IDC_Q)}),
        row({shown("轴面模数 mx =", D::IDC_MX, "mm"), shown("法面模数 mn1 =", D::IDC_MN1, "mm")}),
        row({shown("导程角 γ =", D::IDC_GAMMA, "°"), shown("节圆柱导程角 γ' =", D::IDC_GAMMA_W, "°")}),
        row({shown("轴向齿距 Px1 =", D::IDC_PX1, "mm"), shown("导程 Pz1 =", D::IDC_PZ1, "mm")}),
        row({shown("分度圆直径 d1 =", D::IDC_D1, "mm"), shown("节圆直径 d'1 =", D::IDC_D1W, "mm")}),
        row({shown("齿顶圆直径 da1 =", D::IDC_DA1, "mm"), shown("齿根圆直径 df1 =", D::IDC_DF1, "mm")}),
        row({shown("齿顶高系数 ha* =", D::IDC_HA_STAR), shown("齿顶高 ha1 =", D::IDC_HA1, "mm")}),
        row({shown("齿根高 hf1 =", D::IDC_HF1, "mm"), shown("全齿高 h1 =", D::IDC_H1, "mm")}),
        row({field("齿宽 b1 =", D::IDC_B1, "mm"), shown("法面齿廓半径 ρn =", D::IDC_RHO_N, "mm")}),
        row({shown("法向弦齿厚 Sn =", D::IDC_SN, "mm"), shown("轴向弦齿厚 Sx =", D::IDC_SX, "mm")}),
        bitmapButton(D::IDC_PROFILE, CCwPicDlg::IDB_PAIR_BUTTON).named("蜗杆齿廓图示"),
    });
    Node disc = group(IDC_STATIC, "磨轮与安装", {
        row({label("磨轮外径 d"), label("u"), label("="), edit(D::IDC_DS), label("mm"),
             field("磨轮轴面齿廓弧半径 ρ=", D::IDC_RHO_DISC, "mm")}),
        row({shown("磨削中心距 Au =", D::IDC_AU, "mm"), shown("对刀试棒直径 dH =", D::IDC_DH, "mm")}),
        row({shown("圆弧中心 L1 =", D::IDC_L1, "mm"), shown("L2 =", D::IDC_L2, "mm"), shown("L3 =", D::IDC_L3, "mm")}),
        shown("工作轴交角 Σu =", D::IDC_SIGMA_U, "°"),
    });
    m.addDialog({.id = D::IDD, .caption = "《Ondrel》 Kavrin  Zc1圆环面包络圆弧圆柱蜗杆副几何计算", .body = {
        designGroup<D>(),
        row({worm, column({gearGroup<D>(bitmapButton(D::IDC_PICTURE, CCwPicDlg::IDB_PAIR_BUTTON).named("蜗轮蜗杆图示")), disc,
                           centreGroup<D>()})}),
        label("", D::IDC_HINT, style::Sunken | style::Multiline),
        buttons<D>(D::IDC_HELP),
    }});
}

void addZc3(Module& m) {
    using D = CCcwGmdlg;
    Node worm = group(IDC_STATIC, "蜗杆", {
        row({label("", D::IDC_TYPE), label("旋向"), combo(D::IDC_HAND, {"右", "左"})}),
        row({shown("轴向压力角 αx =", D::IDC_ALPHA_X, "°"), shown("法向压力角 αn =", D::IDC_ALPHA_N, "°")}),
        row({shown("头数 Z1 =", D::IDC_Z1), shown("直径系数 q =", D::IDC_Q)}),
        row({shown("轴面模数 mx =", D::IDC_MX, "mm"), shown("法面模数 mn1 =", D::IDC_MN1, "mm")}),
        row({shown("导程角 γ =", D::IDC_GAMMA, "°"), shown("节圆柱导程角 γ' =", D::IDC_GAMMA_W, "°")}),
        row({shown("轴向齿距 Px1 =", D::IDC_PX1, "mm"), shown("导程 Pz1 =", D::IDC_PZ1, "mm")}),
        row({shown("分度圆直径 d1 =", D::IDC_D1, "mm"), shown("节圆直径 d'1 =", D::IDC_D1W, "mm")}),
        row({shown("齿顶圆直径 da1 =", D::IDC_DA1, "mm"), shown("齿根圆直径 df1 =", D::IDC_DF1, "mm")}),
        row({shown("齿顶高系数 ha* =", D::IDC_HA_STAR), shown("齿顶高 ha1 =", D::IDC_HA1, "mm")}),
        row({shown("齿根高 hf1 =", D::IDC_HF1, "mm"), shown("全齿高 h1 =", D::IDC_H1, "mm")}),
        row({button(D::IDC_B1_BUTTON, "蜗杆齿宽调整 b1="), edit(D::IDC_B1, style::ReadOnly), label("mm")}),
        row({shown("轴面齿廓圆弧半径 ρ =", D::IDC_RHO, "mm"), shown("中圆螺旋角 βm2 =", D::IDC_BETA_M2, "°")}),
        row({shown("圆弧中心 cx =", D::IDC_CX, "mm"), shown("cy =", D::IDC_CY, "mm")}),
        row({shown("法向弦齿厚 Sn =", D::IDC_SN, "mm"), shown("轴向弦齿厚 Sx =", D::IDC_SX, "mm")}),
        bitmapButton(D::IDC_PROFILE, CCwPicDlg::IDB_PAIR_BUTTON).named("蜗杆齿廓图示"),
    });
    m.addDialog({.id = D::IDD, .caption = "《Ondrel》Kavrin  Zc3轴面圆弧圆柱蜗杆副几何计算", .body = {
        designGroup<D>(),
        row({worm, column({gearGroup<D>(bitmapButton(D::IDC_PICTURE, CCwPicDlg::IDB_PAIR_BUTTON).named("蜗轮蜗杆图示")),
                           centreGroup<D>()})}),
        label("", D::IDC_HINT, style::Sunken),
        buttons<D>(D::IDC_HELP),
    }});
}

void addFaceWidth(Module& m) {
    using D = CCcwB1Dlg;
    m.addDialog({.id = D::IDD, .caption = "《Ondrel》Kavrin  蜗杆齿宽取值", .body = {
        field("蜗杆齿宽(取整数):     b1=", D::IDC_B1, "mm", style::Digits),
        row({label("", D::IDC_LOW), trackbar(D::IDC_BAR), label("", D::IDC_HIGH, style::Right)}),
        row({defButton(IDOK, "确  定"), button(IDCANCEL, "取  消")}),
    }});
}

}  // namespace

void addArcGeometryTemplates(Module& m) {
    addZc1(m);
    addZc3(m);
    addFaceWidth(m);
}

}  // namespace tarv
