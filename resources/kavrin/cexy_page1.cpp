// Template 104: page 1 of the cycloid design wizard, "预定参数".
#include "cycloid/cexy_property_page1.h"
#include "resources/kavrin/module.h"

namespace kavrin {

void addCexyPage1Template(fw::Module& m) {
    using namespace fw;
    using P = CCexyPropertyPage1;
    constexpr std::uint32_t RO = style::ReadOnly;
    m.addDialog(page(P::IDD, "预定参数", {
        row({field("标题:", P::IDC_TITLE), field("编号:", P::IDC_NUMBER), field("日期:", P::IDC_DATE)}),
        row({
            group(IDC_STATIC, "传动参数", {
                field("功 率  p=", P::IDC_P, "kW"),
                field("输入转速 n0=", P::IDC_N0, "r/min"),
                row({field("摆线轮齿数  Zc=", P::IDC_ZC, "", style::Digits), field("针齿数 Zp=", P::IDC_ZP, "", style::Digits)}),
                field("传动比   i =", P::IDC_I, "", RO),
                field("预定传动效率η=", P::IDC_ETA),
                row({label("0.9", P::IDC_ETA_LOW), trackbar(P::IDC_ETA_SLIDER), label("0.95", P::IDC_ETA_HIGH)}),
                field("输出扭矩    Tc=", P::IDC_TC, "N·m", RO),
            }),
            group(IDC_STATIC, "几何参数", {
                row({button(P::IDC_K1_BUTTON, "短幅系数 K1="), edit(P::IDC_K1, RO)}),
                row({button(P::IDC_K2_BUTTON, "针径系数 K2="), edit(P::IDC_K2, RO)}),
                row({button(P::IDC_RP_BUTTON, "针齿圆半径Rp="), edit(P::IDC_RP), label("mm")}),
                row({button(P::IDC_RRP_BUTTON, "针齿套半径Rrp="), edit(P::IDC_RRP), label("mm")}),
                row({button(P::IDC_A_BUTTON, "偏心距  a="), edit(P::IDC_A), label("mm")}),
                row({button(P::IDC_BC_BUTTON, "齿 宽  bc="), edit(P::IDC_BC), label("mm")}),
            }),
        }),
        label("先输入各项传动参数，后确定几何参数", P::IDC_HINT, style::Sunken),
        row({label("单位: mm、N、kW、MPa、r/min、"), button(P::IDC_LOAD, "装入参考")}),
    }));
}

}  // namespace kavrin
