// Templates 106 and 107: pages 3 and 4 of the cycloid design wizard.
#include "cycloid/cexy_property_page3.h"
#include "cycloid/cexy_property_page4.h"
#include "resources/kavrin/module.h"

namespace kavrin {

void addCexyPage3And4Templates(fw::Module& m) {
    using namespace fw;
    constexpr std::uint32_t RO = style::ReadOnly;
    {
        using P = CCexyPropertyPage3;
        m.addDialog(page(P::IDD, "间隙和转角修形量", {
            row({
                group(IDC_STATIC, "有关精度与误差", {
                    field("销孔分布圆直径:   DW=", P::IDC_DW, "mm", RO),
                    field("针齿圆直径:       dp=", P::IDC_DP, "mm", RO),
                    field("针齿套直径:       drp=", P::IDC_DRP, "mm", RO),
                    row({label("选用公差等级:     IT:"), combo(P::IDC_GRADE, {"选择:", "IT5", "IT6", "IT7", "IT8"})}),
                    field("考虑润滑啮合间隙:  ΔR=", P::IDC_DR, "mm"),
                    field("齿根圆直径上偏差:  ΔfEs=", P::IDC_DFES, "mm"),
                    field("销孔组作用位置度公差: Δwl=", P::IDC_DWL, "mm", RO),
                    row({label("Min", P::IDC_DWL_MIN), trackbar(P::IDC_DWL_SLIDER), label("Max", P::IDC_DWL_MAX)}),
                    field("摆线齿周节差公差:    Δpt=", P::IDC_DPT, "mm", RO),
                    row({label("Min", P::IDC_DPT_MIN), trackbar(P::IDC_DPT_SLIDER), label("Max", P::IDC_DPT_MAX)}),
                }),
                group(IDC_STATIC, "间隙与转角修形量", {
                    row({button(P::IDC_DC_BUTTON, "侧间隙Δc="), edit(P::IDC_DC), label("mm")}),
                    row({button(P::IDC_DJ_BUTTON, "径向间隙Δj="), edit(P::IDC_DJ), label("mm")}),
                    row({button(P::IDC_DELTA_BUTTON, "转角修形量δ="), edit(P::IDC_DELTA), label("°")}),
                    label("单位：mm、 度"),
                }),
            }),
            label("", P::IDC_HINT, style::Sunken),
        }));
    }
    {
        using P = CCexyPropertyPage4;
        m.addDialog(page(P::IDD, "优化修形量", {
            row({
                group(IDC_STATIC, "传动副预定参数", {
                    field("短幅系数: K1=", P::IDC_K1, "", RO),
                    field("摆线轮齿数: Zc=", P::IDC_ZC, "", RO),
                    field("针齿数:   Zp=", P::IDC_ZP, "", RO),
                    field("偏心距:   a=", P::IDC_A, "mm", RO),
                    field("针齿圆半径:rp=", P::IDC_RP, "mm", RO),
                    field("针销套半径:rrp=", P::IDC_RRP, "mm", RO),
                }),
                column({
                    group(IDC_STATIC, "预定间隙与转角修形量", {
                        field("径向间隙: Δj=", P::IDC_DJ, "mm", RO),
                        field("侧间隙: Δc=", P::IDC_DC, "mm", RO),
                        field("转角修形量:δ=", P::IDC_DELTA, "°", RO),
                    }),
                    group(IDC_STATIC, "优化修形", {
                        button(P::IDC_CALC, "计算优化修形量"),
                        field("正等距修形量: Δrrp=", P::IDC_DRRP, "mm", RO),
                        field("正移矩修形量:   Δrp=", P::IDC_DRP, "mm", RO),
                        field("修形齿廓平均差距: Δs=", P::IDC_DS, "mm", RO),
                        button(P::IDC_DDA, "产生转角修形共轭齿廓数据"),
                        button(P::IDC_MDA, "产生等距加移矩修形逼近齿廓数据"),
                    }),
                }),
            }),
            label("基本单位：mm、度、N"),
            label("", P::IDC_HINT, style::Sunken | style::Multiline),
        }));
    }
}

}  // namespace kavrin
