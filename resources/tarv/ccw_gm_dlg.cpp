// Template 2019: the geometry of an ordinary cylindrical worm pair.
#include "resources/tarv/module.h"
#include "worm/ccw_gm_dlg.h"
#include "worm/cw_pic_dlg.h"

namespace tarv {

namespace {

using namespace fw;
using D = CCwGmDlg;

Node shown(const char* text, int id, const char* unit = "") { return field(text, id, unit, style::ReadOnly); }

Node wormGroup() {
    return group(IDC_STATIC, "蜗杆", {
        row({label("", D::IDC_TYPE), label("旋向"), combo(D::IDC_HAND, {"右", "左"})}),
        row({shown("头数 Z1 =", D::IDC_Z1), shown("直径系数 q =", D::IDC_Q)}),
        row({shown("轴面模数 mx =", D::IDC_MX, "mm"), shown("法面模数 mn1 =", D::IDC_MN1, "mm")}),
        row({shown("轴向压力角 αx =", D::IDC_ALPHA_X, "°"), shown("法向压力角 αn =", D::IDC_ALPHA_N, "°")}),
        row({shown("导程角 γ =", D::IDC_GAMMA, "°"), shown("节圆柱导程角 γ' =", D::IDC_GAMMA_W, "°")}),
        row({shown("轴向齿距 Px1 =", D::IDC_PX1, "mm"), shown("导程 Pz1 =", D::IDC_PZ1, "mm")}),
        row({shown("分度圆直径 d1 =", D::IDC_D1, "mm"), shown("节圆直径 d'1 =", D::IDC_D1W, "mm")}),
        row({shown("齿顶圆直径 da1 =", D::IDC_DA1, "mm"), shown("齿根圆直径 df1 =", D::IDC_DF1, "mm")}),
        row({shown("齿顶高系数 ha* =", D::IDC_HA_STAR), shown("齿顶高 ha1 =", D::IDC_HA1, "mm")}),
        row({shown("齿根高 hf1 =", D::IDC_HF1, "mm"), shown("全齿高 h1 =", D::IDC_H1, "mm")}),
        row({field("齿根圆角半径 ρf =", D::IDC_RHO, "mm"), shown("齿宽 b1 =", D::IDC_B1, "mm")}),
        row({shown("法向弦齿厚 Sn =", D::IDC_SN, "mm"), shown("测齿高 hcn1 =", D::IDC_HCN1, "mm")}),
        row({label("", D::IDC_DB_LABEL), label("", D::IDC_DB_SUB), label("", D::IDC_DB_EQ),
             edit(D::IDC_DB, style::ReadOnly | style::Hidden).named("基圆直径 db1"), label("", D::IDC_DB_UNIT)}),
        row({label("", D::IDC_GB_LABEL), label("", D::IDC_GB_SUB), label("", D::IDC_GB_EQ),
             edit(D::IDC_GAMMA_B, style::ReadOnly | style::Hidden).named("基圆柱导程角γb"), label("", D::IDC_GB_UNIT)}),
        row({label("", D::IDC_PBN_LABEL), label("", D::IDC_PBN_SUB), label("", D::IDC_PBN_EQ),
             edit(D::IDC_PBN, style::ReadOnly | style::Hidden).named("法向基节 pbn"), label("", D::IDC_PBN_UNIT)}),
    });
}

Node gearGroup() {
    return group(IDC_STATIC, "蜗轮", {
        row({shown("齿数 Z2 =", D::IDC_Z2), shown("变位系数 χ2 =", D::IDC_X2)}),
        row({shown("端面模数 ms =", D::IDC_MS, "mm"), shown("法面模数 mn2 =", D::IDC_MN2, "mm")}),
        row({shown("中圆螺旋角 βm2 =", D::IDC_BETA_M2, "°"), shown("重合度 εa =", D::IDC_EPS_A)}),
        row({shown("分度圆直径 d2 =", D::IDC_D2, "mm"), shown("中圆直径 dm2 =", D::IDC_DM2, "mm")}),
        row({shown("喉圆直径 da2 =", D::IDC_DA2, "mm"), shown("齿根圆直径 df2 =", D::IDC_DF2, "mm")}),
        row({field("外圆直径 de2 =", D::IDC_DE2, "mm"), shown("喉部半径 Rg =", D::IDC_RG, "mm")}),
        row({shown("齿顶高 ha2 =", D::IDC_HA2, "mm"), shown("齿根高 hf2 =", D::IDC_HF2, "mm")}),
        row({shown("全齿高 h2 =", D::IDC_H2, "mm"), shown("齿宽 b2 =", D::IDC_B2, "mm")}),
        row({field("齿宽角 θ =", D::IDC_THETA, "°"), bitmapButton(D::IDC_PICTURE, CCwPicDlg::IDB_PAIR_BUTTON).named("蜗轮蜗杆图示")}),
    });
}

Node centreGroup() {
    return group(IDC_STATIC, "中心距", {
        row({shown("未变位中心距 a =", D::IDC_A, "mm"), field("啮合中心距 a' =", D::IDC_AW, "mm")}),
    });
}

Node designGroup() {
    return group(IDC_STATIC, "设计标识", {
        row({field("标题：", D::IDC_TITLE), field("编号：", D::IDC_NUMBER), field("日期：", D::IDC_DATE)}),
    });
}

}  // namespace

void addOrdinaryGeometryTemplate(Module& m) {
    m.addDialog({.id = D::IDD, .caption = "《Ondrel》Kavrin  普通圆柱蜗杆副几何计算", .body = {
        designGroup(),
        row({wormGroup(), column({gearGroup(), centreGroup()})}),
        label("", D::IDC_HINT, style::Sunken),
        row({button(D::IDC_LOAD, "装入预定数据"), button(D::IDC_CALC, "执行计算"), defButton(IDOK, "保存返回"),
             button(IDCANCEL, "取  消"), button(D::IDC_HELP, "帮  助")}),
    }});
}

}  // namespace tarv
