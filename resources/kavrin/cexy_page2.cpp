// Templates 105, 140 and 141: page 2 of the cycloid design wizard, the
// bearing bore dialog and the output-pin material dialog.
#include "cycloid/ccdest_part_mat_dlg.h"
#include "cycloid/cdest_part_di_dlg.h"
#include "cycloid/cexy_property_page2.h"
#include "resources/kavrin/module.h"

namespace kavrin {

void addCexyPage2Templates(fw::Module& m) {
    using namespace fw;
    using P = CCexyPropertyPage2;
    constexpr std::uint32_t RO = style::ReadOnly;
    auto btnRow = [](int button, const char* text, int editId, std::uint32_t st = 0) {
        return row({fw::button(button, text), edit(editId, st), label("mm")});
    };
    m.addDialog(page(P::IDD, "传动零件设计", {
        row({
            column({
                group(IDC_STATIC, "针齿", {
                    field("针齿圆直径  dp=", P::IDC_DP, "mm", RO),
                    field("针齿套外径 drp=", P::IDC_DRP, "mm", RO),
                    field("针齿销直径 dsp=", P::IDC_DSP, "mm"),
                    field("支点跨距    L=", P::IDC_L, "mm"),
                    row({label("支点数  X1="), combo(P::IDC_X1, {"2", "3"})}),
                    check(P::IDC_PINS_LEFT_OUT, " 采取抽齿结构"),
                }),
                group(IDC_STATIC, "摆线轮", {
                    btnRow(P::IDC_DJ_BUTTON, "预定径向间隙Δj=", P::IDC_DJ),
                    btnRow(P::IDC_DFC_BUTTON, "齿根圆直径dfc=", P::IDC_DFC, RO),
                    btnRow(P::IDC_DAC_BUTTON, "齿顶圆直径dac=", P::IDC_DAC, RO),
                    field("轴承孔内径Di=", P::IDC_DI, "mm"),
                    field("隔离环厚度δt=", P::IDC_DT, "mm"),
                }),
            }),
            column({
                group(IDC_STATIC, "输出机构", {
                    btnRow(P::IDC_DW_CIRCLE_BUTTON, "中心圆直径 Dw=", P::IDC_DW_CIRCLE),
                    row({label("柱销数  X2="), combo(P::IDC_X2, {"6", "8", "10", "12", "16"})}),
                    btnRow(P::IDC_DSW_BUTTON, "柱销直径  dsw=", P::IDC_DSW),
                    field("柱销套外径drw=", P::IDC_DRW, "mm"),
                    btnRow(P::IDC_DW_HOLE_BUTTON, "柱销孔直径 dw=", P::IDC_DW_HOLE),
                    row({field("+下偏差", P::IDC_EI, "", RO), field("+上偏差", P::IDC_ES, "", RO)}),
                }),
                group(IDC_STATIC, "柱销受力", {
                    field("受力柱销数       Nz=", P::IDC_NZ, "", RO),
                    field("最大作用力      Fmax=", P::IDC_QMAX, "N", RO),
                    field("柱销最大变形量  εmax=", P::IDC_EPS, "mm", RO),
                    field("柱销弯曲安全系数 Sswf=", P::IDC_SF, "", RO),
                }),
            }),
        }),
        label("", P::IDC_HINT, style::Sunken),
    }));

    using D = CDestPartDiDlg;
    m.addDialog(dialog(D::IDD, "《Ondrel》Kavrin  摆线轮轴承推荐选择", {
        group(IDC_STATIC, "推荐范围", {row({field("Dimin=", D::IDC_DIMIN, "mm", RO), field("Dimax=", D::IDC_DIMAX, "mm", RO)})}),
        row({radio(D::IDC_ROLLING, " 采用滚动轴承", style::Group), radio(D::IDC_SLIDING, " 采用滑动轴承")}),
        row({label("轴承孔直径 Di="), combo(D::IDC_BORE, {}, style::DropDown), label("mm")}),
        row({defButton(IDOK, "确定"), button(IDCANCEL, "取消")}),
    }));

    using M = CCDestPartMatDlg;
    auto slider = [](int id, const char* low, const char* high) {
        return row({label(low), trackbar(id), label(high)});
    };
    m.addDialog(dialog(M::IDD, "《Ondrel》Kavrin  材料性能确认", {
        label("一般工程用钢（包括结构钢、合金钢）的弹性模量与泊桑比均符合以下值。若同意所给的数值请确认，不同意则更改数值后确认。",
              IDC_STATIC, style::Multiline),
        row({field("泊桑比 μ=", M::IDC_MU), field("弹性模量 E=", M::IDC_E, "MPa")}),
        field("许用弯曲应力 [σf]=", M::IDC_SF, "MPa"),
        slider(M::IDC_SF_SLIDER, "80", "220"),
        field("许用接触应力 [σh]=", M::IDC_SH, "MPa"),
        slider(M::IDC_SH_SLIDER, "800", "1500"),
        field("弯曲负载影响系数 Kw=", M::IDC_KW),
        slider(M::IDC_KW_SLIDER, "1.35", "1.5"),
        row({defButton(IDOK, "确定"), button(IDCANCEL, "取消")}),
    }));
}

}  // namespace kavrin
