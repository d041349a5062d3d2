// Template 1020: the strength rating dialog. The pair and its load on the
// left, the contact group and the bending group side by side; each factor
// button stands in front of its result field.
#include "cylindrical/cy_proof_dlg.h"
#include "resources/corvane/module.h"

namespace corvane {

namespace {

using namespace fw;
using D = CCyProofDlg;

constexpr std::uint32_t RO = style::ReadOnly;

// "[button]  symbol = [result] unit": the symbol is the field's buddy.
Node action(int buttonId, std::string caption, std::string symbol, int fieldId, std::string unit = {}) {
    return row({button(buttonId, std::move(caption)), field(std::move(symbol), fieldId, std::move(unit), RO)});
}

Node headGroup() {
    return group(IDC_STATIC, "设计项目",
                 {row({field("标题:", D::IDC_TITLE), field("图号:", D::IDC_DRAWING_NO), field("日期:", D::IDC_DATE)})});
}

Node pairGroup() {
    return group(IDC_STATIC, "齿轮对参数",
                 {button(D::IDC_LOAD, "装入数据"),
                  field("小齿轮齿数 Z1 =", D::IDC_Z1, "", style::Digits),
                  field("大齿轮齿数 Z2 =", D::IDC_Z2, "", style::Digits),
                  field("法面模数 mn =", D::IDC_MN, "mm"),
                  field("螺旋角 β =", D::IDC_BETA, "°"),
                  field("法面压力角 αn =", D::IDC_ALPHAN, "°"),
                  field("端面重合度 εα =", D::IDC_EPS_ALPHA),
                  field("齿向重合度 εβ =", D::IDC_EPS_BETA, "", RO),
                  field("齿宽 b =", D::IDC_B, "mm"),
                  row({radio(D::IDC_EXTERNAL, "外啮合", style::Group), radio(D::IDC_INTERNAL, "内啮合")}),
                  row({radio(D::IDC_PINION, "选小齿轮", style::Group), radio(D::IDC_GEAR, "选大齿轮")})});
}

Node loadGroup() {
    return group(IDC_STATIC, "传动参数",
                 {field("小齿轮转速 n1 =", D::IDC_N1, "r/min"),
                  row({button(D::IDC_TORQUE, "传递扭矩"), field("T =", D::IDC_T, "N·m")}),
                  action(D::IDC_CALC_FT, "圆周力", "Ft =", D::IDC_FT, "N"),
                  action(D::IDC_CALC_FR, "径向力", "Fr =", D::IDC_FR, "N"),
                  action(D::IDC_CALC_FX, "轴向力", "Fx =", D::IDC_FX, "N"),
                  action(D::IDC_CALC_FN, "法向力", "Fn =", D::IDC_FN, "N")});
}

Node contactGroup() {
    return group(IDC_STATIC, "接触疲劳强度",
                 {action(D::IDC_H_KA, "工况系数", "KA =", D::IDC_KA),
                  action(D::IDC_H_KV, "动荷系数", "Kv =", D::IDC_KV),
                  action(D::IDC_H_KALPHA, "端面载荷分配系数", "KHα =", D::IDC_KHALPHA),
                  action(D::IDC_H_KBETA, "齿向载荷分配系数", "KHβ =", D::IDC_KHBETA),
                  action(D::IDC_ZH_BTN, "接点区域系数", "ZH =", D::IDC_ZH),
                  action(D::IDC_ZE_BTN, "弹性系数", "ZE =", D::IDC_ZE, "√MPa"),
                  action(D::IDC_ZEPS_BTN, "重合度系数", "Zε =", D::IDC_ZEPS),
                  action(D::IDC_ZN_BTN, "寿命系数", "ZN =", D::IDC_ZN),
                  row({button(D::IDC_ZL_BTN, "润滑剂系数"), field("ZL =", D::IDC_ZL, "", RO),
                       field("ZV =", D::IDC_ZV, "", RO)}),
                  action(D::IDC_ZR_BTN, "粗糙度系数", "ZR =", D::IDC_ZR),
                  action(D::IDC_ZW_BTN, "工作硬化系数", "ZW =", D::IDC_ZW),
                  action(D::IDC_SIGMAH_BTN, "计算应力", "σH =", D::IDC_SIGMAH, "MPa"),
                  action(D::IDC_SIGMAHP_BTN, "极限强度", "σHP =", D::IDC_SIGMAHP, "MPa"),
                  action(D::IDC_SH_BTN, "安全系数", "SH =", D::IDC_SH)});
}

Node bendingGroup() {
    return group(IDC_STATIC, "弯曲疲劳强度",
                 {action(D::IDC_F_KA, "工况系数", "KA =", D::IDC_KA_F),
                  action(D::IDC_F_KV, "动荷系数", "Kv =", D::IDC_KV_F),
                  action(D::IDC_F_KALPHA, "端面载荷分配系数", "KFα =", D::IDC_KFALPHA),
                  action(D::IDC_F_KBETA, "齿向载荷分配系数", "KFβ =", D::IDC_KFBETA),
                  action(D::IDC_YFA_BTN, "齿形系数", "YFa =", D::IDC_YFA),
                  action(D::IDC_YBETA_BTN, "螺旋角系数", "Yβ =", D::IDC_YBETA),
                  action(D::IDC_YEPS_BTN, "重合度系数", "Yε =", D::IDC_YEPS),
                  action(D::IDC_YN_BTN, "寿命系数", "YN =", D::IDC_YN),
                  row({button(D::IDC_YS_BTN, "应力集中系数"), field("YS =", D::IDC_YS, "", RO),
                       field("YX =", D::IDC_YX, "", RO)}),
                  action(D::IDC_SIGMAF_BTN, "计算应力", "σF =", D::IDC_SIGMAF, "MPa"),
                  action(D::IDC_SIGMAFP_BTN, "极限强度", "σFP =", D::IDC_SIGMAFP, "MPa"),
                  action(D::IDC_SF_BTN, "安全系数", "SF =", D::IDC_SF)});
}

DialogTemplate proofDialog() {
    return dialog(D::IDD, "《Ondrel》Kavrin 圆柱齿轮强度校核计算", {
        headGroup(),
        row({column({pairGroup(), loadGroup()}), contactGroup(), bendingGroup()}),
        row({label("注意：", D::IDC_HINT, style::Sunken)}),
        row({defButton(IDOK, "保存返回"), button(IDCANCEL, "取  消"), button(D::IDC_HELP_BTN, "帮  助")}),
    });
}

}  // namespace

void addCyProofDlg(Module& m) { m.addDialog(proofDialog()); }

}  // namespace corvane
