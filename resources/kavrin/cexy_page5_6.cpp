// Templates 108 and 143: pages 5 and 6 of the cycloid design wizard.
#include "cycloid/cexy_property_page5.h"
#include "cycloid/cexy_property_page6.h"
#include "resources/kavrin/module.h"

namespace kavrin {

void addCexyPageTemplates(fw::Module& m) {
    using namespace fw;
    constexpr std::uint32_t RO = style::ReadOnly;
    {
        using P = CCexyPropertyPage5;
        m.addDialog(page(P::IDD, "棒测量", {
            row({
                group(IDC_STATIC, "传动副参数", {
                    field("短幅系数:  K1=", P::IDC_K1, "", RO),
                    field("摆线轮齿数: Zc =", P::IDC_ZC, "", RO),
                    field("针 齿 数:  Zp =", P::IDC_ZP, "", RO),
                    field("偏 心 距:  a =", P::IDC_A, "mm", RO),
                    field("针齿圆半径: rp =", P::IDC_RP, "mm", RO),
                    field("针销套半径: rrp =", P::IDC_RRP, "mm", RO),
                }),
                group(IDC_STATIC, "量棒直径与测量点参数计算值", {
                    field("测量点处: φ =", P::IDC_PHI, "°", RO),
                    field("测点横坐标: x =", P::IDC_X, "mm", RO),
                    field("测点纵坐标: y =", P::IDC_Y, "mm", RO),
                    field("法线斜率: KA =", P::IDC_KA, "", RO),
                    field("量棒半径: Rt =", P::IDC_RT, "mm"),
                    field("量棒中心圆半径:  RL =", P::IDC_RL, "mm", RO),
                    field("跨测齿数:  n =", P::IDC_N, "", style::Digits),
                    field("测量跨距: Ln =", P::IDC_LN, "mm", RO),
                    row({field("上偏差: ES =", P::IDC_ES, "mm"), field("下偏差: EI =", P::IDC_EI, "mm")}),
                    button(P::IDC_ROUND_OFF, "归 整 计 算"),
                }),
            }),
            label("单位： mm、 °"),
            label("", P::IDC_HINT, style::Sunken),
        }));
    }
    {
        using P = CCexyPropertyPage6;
        m.addDialog(page(P::IDD, "强度校验", {
            row({
                group(IDC_STATIC, "传动副参数和修形量", {
                    field("短幅系数: K1=", P::IDC_K1, "", RO),
                    field("摆线轮齿数:  Zc=", P::IDC_ZC, "", RO),
                    field("摆现轮齿数: Zp=", P::IDC_ZP, "", RO),
                    field("摆线轮宽: bc=", P::IDC_BC, "mm", RO),
                    field("针齿分布圆半径:rp=", P::IDC_RP, "mm", RO),
                    field("针齿半径: rrp =", P::IDC_RRP, "mm", RO),
                    field("针销直径: dsp=", P::IDC_DSP, "mm", RO),
                    field("针销支撑跨距: Lp=", P::IDC_LP, "mm", RO),
                    field("针齿销支点数X1 =", P::IDC_X1, "", RO),
                    field("正等距修形量:    Δrrp =", P::IDC_DRRP, "mm", RO),
                    field("移距修形量:  Δrp =", P::IDC_DRP, "mm", RO),
                }),
                column({
                    group(IDC_STATIC, "材料力学指标", {
                        field("弹性模量:     E=", P::IDC_E, "MPa"),
                        field("泊桑比：   μ=", P::IDC_MU),
                        field("许用接触应力:σHp =", P::IDC_SHP, "MPa"),
                        field("许用弯曲应力: σFp =", P::IDC_SFP, "MPa"),
                        field("输出扭矩:   To =", P::IDC_TO, "N·m"),
                        row({button(P::IDC_FETCH, "提取数据"), button(P::IDC_CALC, "计    算")}),
                    }),
                    group(IDC_STATIC, "计算值", {
                        field("最大变形量:δmax=", P::IDC_DMAX, "mm", RO),
                        field("最大作用力:fmax=", P::IDC_FMAX, "N", RO),
                        field("啮合齿数:  Zn =", P::IDC_ZN, "", RO),
                        field("啮合副接触应力幅:  σH =", P::IDC_SIGMA_H, "MPa", RO),
                        field("接触强度安全系数:    SH =", P::IDC_SH, "", RO),
                        field("啮合副弯曲应力幅:  σF =", P::IDC_SIGMA_F, "MPa", RO),
                        field("弯曲强度安全系数:    SF =", P::IDC_SF, "", RO),
                        field("针齿销弯曲变形转角: θ  =", P::IDC_THETA, "°", RO),
                    }),
                }),
            }),
            label("单位： mm、°、N·m、N、MPa"),
            label("先提取材料力学指标，或输入指标值，再起动“计算”钮。", P::IDC_HINT, style::Sunken | style::Multiline),
        }));
    }
}

}  // namespace kavrin
