// Template 9000: the bevel strength rating dialog. The pair and its load on
// the left, the contact and the bending columns side by side; each factor
// button stands in front of its result field.
#include "bevel/rating/sirrow_dlg.h"
#include "resources/sirrow/module.h"

namespace sirrow {

namespace {

using namespace fw;
using D = CSirrowDlg;

constexpr std::uint32_t RO = style::ReadOnly;

// "[button]  symbol = [result] unit".
Node action(int buttonId, std::string caption, std::string symbol, int fieldId, std::string unit = {}) {
    return row({button(buttonId, std::move(caption)), field(std::move(symbol), fieldId, std::move(unit), RO)});
}

Node headGroup() {
    return group(IDC_STATIC, "设计项目",
                 {row({field("标题:", D::IDC_TITLE), field("图号:", D::IDC_NUMBER), field("日期:", D::IDC_DATE)})});
}

Node pairGroup() {
    return group(IDC_STATIC, "齿轮对参数",
                 {button(D::IDC_LOAD, "装入数据"),
                  field("小齿轮齿数 Z1 =", D::IDC_Z1, "", style::Digits),
                  field("大齿轮齿数 Z2 =", D::IDC_Z2, "", style::Digits),
                  field("大端模数 m =", D::IDC_M, "mm"),
                  field("法面压力角 αn =", D::IDC_ALPHA, "°"),
                  field("螺旋角 βm =", D::IDC_BETA, "°"),
                  field("端面重合度 εα =", D::IDC_EPS_ALPHA),
                  field("齿向重合度 εβ =", D::IDC_EPS_BETA),
                  field("齿宽 b =", D::IDC_B, "mm"),
                  field("锥距 R =", D::IDC_R, "mm"),
                  field("齿宽系数 φR =", D::IDC_PHIR),
                  field("分锥角 δ1 =", D::IDC_DELTA1, "°"),
                  field("分锥角 δ2 =", D::IDC_DELTA2, "°"),
                  field("径向变位 x1 =", D::IDC_X1),
                  field("径向变位 x2 =", D::IDC_X2),
                  field("切向变位 xt1 =", D::IDC_XT1),
                  field("切向变位 xt2 =", D::IDC_XT2),
                  row({radio(D::IDC_PINION, "选小齿轮", style::Group), radio(D::IDC_GEAR, "选大齿轮")})});
}

Node loadGroup() {
    return group(IDC_STATIC, "传动参数与作用力",
                 {button(D::IDC_TORQUE, "传递扭矩"),
                  field("输入扭矩 T =", D::IDC_T, "N·m"),
                  field("输出扭矩 T2 =", D::IDC_T2, "N·m"),
                  field("小齿轮转速 n1 =", D::IDC_N1, "r/min"),
                  button(D::IDC_FORCES, "根据传动方向与螺旋角关系计算作用力"),
                  field("圆周力 Ftm =", D::IDC_FTM, "N", RO),
                  field("径向力 Fr1 =", D::IDC_FR1, "N", RO),
                  field("径向力 Fr2 =", D::IDC_FR2, "N", RO),
                  field("轴向力 Fx1 =", D::IDC_FX1, "N", RO),
                  field("轴向力 Fx2 =", D::IDC_FX2, "N", RO)});
}

Node contactGroup() {
    return group(IDC_STATIC, "接触疲劳强度",
                 {action(D::IDC_KA, "工况系数", "Ka =", D::IDC_V_KA),
                  action(D::IDC_KV, "动荷系数", "Kv =", D::IDC_V_KV),
                  action(D::IDC_KBETA, "齿向载荷分配系数", "KHβ =", D::IDC_V_KBETA),
                  action(D::IDC_ZH, "接点区域系数C97", "ZH =", D::IDC_V_ZH),
                  action(D::IDC_ZE, "弹性系数", "ZE =", D::IDC_V_ZE),
                  action(D::IDC_ZEPS, "重合度系数", "Zε =", D::IDC_V_ZEPS),
                  action(D::IDC_ZN, "寿命系数", "ZN =", D::IDC_V_ZN),
                  action(D::IDC_ZL, "润滑剂系数", "ZL =", D::IDC_V_ZL),
                  field("速度系数 Zv =", D::IDC_V_ZV, "", RO),
                  action(D::IDC_ZR, "粗糙度系数", "ZR =", D::IDC_V_ZR),
                  action(D::IDC_ZW, "工作硬化系数", "ZW =", D::IDC_V_ZW),
                  action(D::IDC_SIGMA_H, "计算应力", "σH =", D::IDC_V_SIGMA_H, "MPa"),
                  action(D::IDC_SIGMA_HP, "极限强度", "σHP =", D::IDC_V_SIGMA_HP, "MPa"),
                  action(D::IDC_SH, "安全系数", "SH =", D::IDC_V_SH)});
}

Node bendingGroup() {
    return group(IDC_STATIC, "弯曲疲劳强度",
                 {action(D::IDC_WKA, "工况系数", "Ka =", D::IDC_V_WKA),
                  action(D::IDC_WKV, "动荷系数", "Kv =", D::IDC_V_WKV),
                  action(D::IDC_WKBETA, "齿向载荷分配系数", "KFβ =", D::IDC_V_WKBETA),
                  action(D::IDC_YF, "齿形系数", "YF =", D::IDC_V_YF),
                  action(D::IDC_YEPS, "重合度系数", "Yε =", D::IDC_V_YEPS),
                  action(D::IDC_YBETA, "螺旋角系数", "Yβ =", D::IDC_V_YBETA),
                  action(D::IDC_Y0, "刀盘直径影响系数", "Y0 =", D::IDC_V_Y0),
                  action(D::IDC_YN, "寿命系数", "YN =", D::IDC_V_YN),
                  action(D::IDC_YX, "尺寸系数", "Yx =", D::IDC_V_YX),
                  action(D::IDC_SIGMA_F, "计算应力", "σF =", D::IDC_V_SIGMA_F, "MPa"),
                  action(D::IDC_SIGMA_FP, "极限强度", "σFP =", D::IDC_V_SIGMA_FP, "MPa"),
                  action(D::IDC_SF, "安全系数", "SF =", D::IDC_V_SF)});
}

}  // namespace

void addSirrowDlg(fw::Module& m) {
    m.addDialog(dialog(D::IDD, "《Ondrel》 Kavrin 圆锥齿轮强度校核计算",
                       {headGroup(),
                        row({column({pairGroup(), loadGroup()}), contactGroup(), bendingGroup()}),
                        row({defButton(IDOK, "保存返回"), button(IDCANCEL, "取  消"), button(D::IDC_HELP, "帮  助")})}));
}

}  // namespace sirrow
