// Templates 2030 (worm force analysis and strength rating) and its small
// dialogs 2023, 2027, 2031, 2033 and 1226.
#include "resources/tarv/module.h"
#include "worm/ccw_pro_dlg.h"
#include "worm/ccw_rating_dlgs.h"

namespace tarv {

namespace {

using namespace fw;
using D = CCwproDlg;

Node shown(int id) { return edit(id, style::ReadOnly); }
// A result row: the button that computes it, its display and unit.
Node step(int button, const char* caption, int id, const char* unit = "") {
    return row({fw::button(button, caption), shown(id), label(unit)});
}
// A result whose button names no symbol: the field is named by its symbol.
Node step(int button, const char* caption, int id, const char* symbol, const char* unit) {
    return row({fw::button(button, caption), shown(id).named(symbol), label(unit)});
}

Node inputGroup() {
    return group(IDC_STATIC, "基本参数", {
        label("(单位：mm、°、N、kW、N·m、m/s)"),
        row({field("d'1 =", D::IDC_D1W), field("dm2 =", D::IDC_DM2)}),
        row({field("γ' =", D::IDC_GAMMA_W), field("u =", D::IDC_U)}),
        row({field("αn =", D::IDC_ALPHA_N), field("αx =", D::IDC_ALPHA_X)}),
        row({field("a' =", D::IDC_AW), field("m =", D::IDC_M)}),
        row({button(D::IDC_POWER_BUTTON, "传递功率     N ="), edit(D::IDC_POWER), label("n1 ="), edit(D::IDC_N1)}),
    });
}

Node efficiencyGroup() {
    return group(IDC_STATIC, "滑动速度与效率", {
        row({radio(D::IDC_DRIVE_WORM, "蜗杆主动", style::Group), radio(D::IDC_DRIVE_GEAR, "蜗轮主动")}),
        row({radio(D::IDC_WORM_ABOVE, "蜗杆上置", style::Group), radio(D::IDC_WORM_BELOW, "蜗杆下置")}),
        row({radio(D::IDC_SLIDING, "滑动轴承", style::Group), radio(D::IDC_ROLLING, "滚动轴承")}),
        step(D::IDC_V_BUTTON, "节圆滑动线速度v=", D::IDC_V, "m/s"),
        row({label("ρ ="), shown(D::IDC_RHO), label("°"), label("0.83", D::IDC_RHO_LOW), trackbar(D::IDC_RHO_BAR),
             label("1.17", D::IDC_RHO_HIGH)}),
        row({label("η1 ="), shown(D::IDC_ETA1), label("0.7", D::IDC_ETA1_LOW), trackbar(D::IDC_ETA1_BAR),
             label("0.9", D::IDC_ETA1_HIGH)}),
        row({label("η2 ="), shown(D::IDC_ETA2), label("0.97", D::IDC_ETA2_LOW), trackbar(D::IDC_ETA2_BAR),
             label("0.98", D::IDC_ETA2_HIGH)}),
        row({label("η3 ="), shown(D::IDC_ETA3), label("0.98", D::IDC_ETA3_LOW), trackbar(D::IDC_ETA3_BAR),
             label("0.99", D::IDC_ETA3_HIGH)}),
        row({label("η ="), shown(D::IDC_ETA), button(D::IDC_EFFICIENCY_OK, "效率确定")}),
    });
}

Node forceGroup() {
    return group(IDC_STATIC, "作用力", {
        step(D::IDC_T1_BUTTON, "蜗杆上扭矩   T1=", D::IDC_T1, "N·m"),
        row({step(D::IDC_FT1_BUTTON, "Ft1=", D::IDC_FT1, "N"), step(D::IDC_FT2_BUTTON, "Ft2=", D::IDC_FT2, "N")}),
        row({step(D::IDC_FX1_BUTTON, "Fx1=", D::IDC_FX1, "N"), step(D::IDC_FX2_BUTTON, "Fx2=", D::IDC_FX2, "N")}),
        row({step(D::IDC_FR1_BUTTON, "Fr1=", D::IDC_FR1, "N"), step(D::IDC_FR2_BUTTON, "Fr2=", D::IDC_FR2, "N")}),
    });
}

Node contactGroup() {
    return group(IDC_STATIC, "蜗轮齿面接触强度", {
        row({step(D::IDC_ZE_BUTTON, "材料弹性系数", D::IDC_ZE, "ZE", "MPa"), label("σHlim ="), shown(D::IDC_SIGMA_HLIM),
             label("MPa")}),
        row({step(D::IDC_ZH_BUTTON, "寿命系数", D::IDC_ZH, "Zh", ""), step(D::IDC_ZN_BUTTON, "速度系数", D::IDC_ZN, "Zn", "")}),
        row({step(D::IDC_ZRHO_BUTTON, "接触系数", D::IDC_ZRHO, "Zρ", ""), step(D::IDC_KA_BUTTON, "使用系数", D::IDC_KA, "KA", "")}),
        row({step(D::IDC_SIGMA_H_BUTTON, "计算接触应力", D::IDC_SIGMA_H, "σH", "MPa"),
             step(D::IDC_SIGMA_HP_BUTTON, "许用接触应力", D::IDC_SIGMA_HP, "σ'H", "MPa")}),
        step(D::IDC_SH_BUTTON, "接触安全系数", D::IDC_SH, "SH", ""),
    });
}

Node bendingGroup() {
    return group(IDC_STATIC, "蜗轮齿根弯曲强度", {
        row({step(D::IDC_ULIM_BUTTON, "极限U系数", D::IDC_ULIM, "U", "MPa"),
             step(D::IDC_SW_BUTTON, "弯曲安全系数", D::IDC_SW, "Sw", "")}),
    });
}

Node stiffnessGroup() {
    return group(IDC_STATIC, "蜗杆刚度", {
        row({field("跨距 L =", D::IDC_SPAN, "mm"), step(D::IDC_E_BUTTON, "材料弹性模量", D::IDC_E, "E", "MPa")}),
        row({step(D::IDC_I_BUTTON, "危险截面惯性矩", D::IDC_I, "I", "mm⁴"),
             step(D::IDC_DELTA_LIM_BUTTON, "极限挠度", D::IDC_DELTA_LIM, "δlim", "mm")}),
        step(D::IDC_S_PRIME_BUTTON, "刚性安全系数", D::IDC_S_PRIME, "S'", ""),
    });
}

void addRating(Module& m) {
    m.addDialog({.id = D::IDD, .caption = "蜗杆传动受力分析和强度校核", .body = {
        row({field("标题：", D::IDC_TITLE), field("编号：", D::IDC_NUMBER), field("日期：", D::IDC_DATE)}),
        row({column({inputGroup(), efficiencyGroup()}),
             column({forceGroup(), contactGroup(), bendingGroup(), stiffnessGroup()})}),
        label("", D::IDC_HINT, style::Sunken),
        row({button(D::IDC_LOAD, "装入数据"), defButton(IDOK, "保存返回"), button(IDCANCEL, "取  消"),
             button(D::IDC_HELP, "帮  助")}),
    }});
}

Node okCancel() { return row({defButton(IDOK, "确  定"), button(IDCANCEL, "取  消")}); }

void addSmall(Module& m) {
    m.addDialog({.id = CCwNDlg::IDD, .caption = "传递功率与转速", .body = {
        field("传动功率   N=", CCwNDlg::IDC_POWER, "kW"),
        field("蜗杆转速   n1=", CCwNDlg::IDC_N1, "r.p.m"),
        okCancel()}});
    m.addDialog({.id = CCwZhDlg::IDD, .caption = "寿命系数", .body = {
        field("当量工作寿命时间：Lh=", CCwZhDlg::IDC_HOURS, "小时"),
        field("负载持续率：      q=", CCwZhDlg::IDC_DUTY, "%"),
        okCancel()}});
    m.addDialog({.id = CCwZtypeDlg::IDD, .caption = "蜗杆型式", .body = {
        group(IDC_STATIC, "选择圆柱蜗杆型式：", {
            row({radio(CCwZtypeDlg::IDC_ZA, "ZA", style::Group), radio(CCwZtypeDlg::IDC_ZN, "ZN"),
                 radio(CCwZtypeDlg::IDC_ZL, "ZL"), radio(CCwZtypeDlg::IDC_ZK, "ZK"), radio(CCwZtypeDlg::IDC_ZC, "ZC")})}),
        okCancel()}});
    m.addDialog({.id = CCwproB2Dlg::IDD, .caption = "蜗轮齿宽", .body = {
        field("输入蜗轮齿宽：  b=", CCwproB2Dlg::IDC_B2, "mm"),
        okCancel()}});
    m.addDialog({.id = CCwStatuDlg::IDD, .caption = "钢制蜗杆热处理", .body = {
        group(IDC_STATIC, "钢制蜗杆热处理", {
            row({radio(CCwStatuDlg::IDC_HARDENED, "淬火处理", style::Group),
                 radio(CCwStatuDlg::IDC_TEMPERED, "调质处理")})}),
        okCancel()}});
}

}  // namespace

void addRatingTemplates(Module& m) {
    addRating(m);
    addSmall(m);
}

}  // namespace tarv
