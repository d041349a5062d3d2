// Template 4013: the cycloidal bevel gear geometry.
#include "bevel/geometry/aol_dlg.h"
#include "resources/belmar/module.h"

namespace belmar {

namespace {

// An angle as degrees, minutes and seconds in three boxes.
fw::Node angle(const char* text, int d, int m, int s, std::uint32_t st = 0) {
    using namespace fw;
    return row({label(text), edit(d, st), label("°"), edit(m, st), label("′"), edit(s, st), label("″")});
}

}  // namespace

void addAolMainDialog(fw::Module& m) {
    using namespace fw;
    using D = CBelmarAolDlg;
    const auto ro = style::ReadOnly;
    m.addDialog(dialog(D::IDD, "《Ondrel》 Kavrin 奥利康摆线齿圆锥齿轮几何计算", {
        row({field("标题", D::IDC_TITLE), field("编号", D::IDC_NUMBER), field("日期", D::IDC_DATE)}),
        row({
            column({
                group(IDC_STATIC, "基本参数", {
                    row({field("Z1=", D::IDC_Z1, "", style::Digits), field("Z2=", D::IDC_Z2, "", style::Digits)}),
                    field("端面模数 mt=", D::IDC_M, "mm"),
                    angle("齿形角 α=", D::IDC_ALPHA_D, D::IDC_ALPHA_M, D::IDC_ALPHA_S),
                    angle("中点螺旋角 βm=", D::IDC_BETA_D, D::IDC_BETA_M, D::IDC_BETA_S),
                    field("齿顶高系数 ha*=", D::IDC_HA_STAR),
                    label(" 0.25      齿宽系数      0.333"),
                    trackbar(D::IDC_PHI_SLIDER),
                    row({field("φR=", D::IDC_PHI), field("齿宽 b=", D::IDC_B, "mm")}),
                }),
                group(IDC_STATIC, "刀盘类型", {
                    row({radio(D::IDC_EN, "EN型", style::Group), radio(D::IDC_TC, "TC型")}),
                }),
                group(IDC_STATIC, "齿形", {
                    row({radio(D::IDC_TAPER_FIRST, "不等顶隙", style::Group | style::Disabled),
                         radio(D::IDC_TAPER_FIRST + 1, "等顶隙收缩齿", style::Disabled),
                         radio(D::IDC_TAPER_FIRST + 2, "双重收缩齿", style::Disabled),
                         radio(D::IDC_TAPER_FIRST + 3, "等高齿")}),
                }),
                group(IDC_STATIC, "变位", {
                    row({field("χ1=", D::IDC_X1, "", ro), field("χ2=", D::IDC_X2, "", ro)}),
                    row({field("χτ1=", D::IDC_XT1, "", ro), field("χτ2=", D::IDC_XT2, "", ro)}),
                    field("Δh=", D::IDC_DH, "mm", ro),
                }),
            }),
            column({
                group(IDC_STATIC, "锥体与参考点", {
                    angle("δ1=", D::IDC_DELTA1_D, D::IDC_DELTA1_M, D::IDC_DELTA1_S, ro),
                    angle("δ2=", D::IDC_DELTA2_D, D::IDC_DELTA2_M, D::IDC_DELTA2_S, ro),
                    row({field("d1=", D::IDC_D1, "mm", ro), field("d2=", D::IDC_D2, "mm", ro)}),
                    row({field("R=", D::IDC_R, "mm", ro), field("Ri=", D::IDC_RI, "mm", ro)}),
                    row({field("Zc=", D::IDC_ZC, "", ro), field("Rp=", D::IDC_RP, "mm", ro)}),
                    angle("βp'=", D::IDC_BETA_P1_D, D::IDC_BETA_P1_M, D::IDC_BETA_P1_S, ro),
                    angle("βp=", D::IDC_BETA_P_D, D::IDC_BETA_P_M, D::IDC_BETA_P_S, ro),
                    row({field("mp=", D::IDC_MP, "mm", ro), field("Δα=", D::IDC_TILT, "°", ro)}),
                    angle("β=", D::IDC_BETA_OUT_D, D::IDC_BETA_OUT_M, D::IDC_BETA_OUT_S, ro),
                    angle("βi=", D::IDC_BETA_I_D, D::IDC_BETA_I_M, D::IDC_BETA_I_S, ro),
                }),
                group(IDC_STATIC, "齿高与尺寸", {
                    row({field("ha1=", D::IDC_HA1, "mm", ro), field("ha2=", D::IDC_HA2, "mm", ro)}),
                    row({field("hf1=", D::IDC_HF1, "mm", ro), field("hf2=", D::IDC_HF2, "mm", ro)}),
                    row({field("h=", D::IDC_H, "mm", ro)}),
                    row({field("da1=", D::IDC_DA1, "mm", ro), field("da2=", D::IDC_DA2, "mm", ro)}),
                    row({field("Ak1=", D::IDC_AK1, "mm", ro), field("Ak2=", D::IDC_AK2, "mm", ro)}),
                    row({field("s1=", D::IDC_S1, "mm", ro), field("s2=", D::IDC_S2, "mm", ro)}),
                    row({field("εα=", D::IDC_EPS_ALPHA, "", ro), field("εβ=", D::IDC_EPS_BETA, "", ro)}),
                }),
            }),
        }),
        group(IDC_STATIC, "铣刀盘", {listBox(D::IDC_CUTTER_LIST)}),
        row({bitmapButton(D::IDC_PICTURE, kAolButtonBitmap).named("几何参数符号表示"), button(D::IDC_LOAD_PRE, "调入预定数据"),
             button(D::IDC_LOAD_SAVED, "调用数据"), button(D::IDC_CALC, "开始计算"),
             defButton(IDOK, "保存返回"), button(IDCANCEL, "取  消"), button(D::IDC_HELP_BUTTON, "帮  助")}),
    }));
}

}  // namespace belmar
