// Templates 149 and 150: the custom tooth-profile designer and its table of
// recommended short-amplitude coefficients.
#include "cycloid/dorrith_dlg.h"
#include "cycloid/parametdlg.h"
#include "resources/kavrin/module.h"

namespace kavrin {

void addDorrithTemplates(fw::Module& m) {
    using namespace fw;
    using D = CDorrithDlg;
    constexpr std::uint32_t RO = style::ReadOnly;
    m.addDialog(dialog(D::IDD, "《Ondrel》Kavrin 自定义行星摆线轮齿廓数据生成", {
        label("   自定义生成内啮合等距短幅外摆线齿廓曲线数据，以供CAD生成齿廓图形，适用于行星摆线传动机构。\n   几何特性：K1≤1;\n   传动关系：Zp-Zc=1。",
              IDC_STATIC, style::Multiline),
        row({
            column({
                group(IDC_STATIC, "齿廓修形方式：", {
                    radio(D::IDC_MODE0, "不修形理论齿廓", style::Group),
                    radio(D::IDC_MODE0 + 1, "转角修形"),
                    radio(D::IDC_MODE0 + 2, "正等距修形"),
                    radio(D::IDC_MODE0 + 3, "负移距修形"),
                    radio(D::IDC_MODE4, "正等距加正移距修形"),
                    field("角移距 δ=", D::IDC_DELTA, "°"),
                    field("正等距  Δrrp=", D::IDC_DRRP, "mm"),
                    field("径向移距 Δrp=", D::IDC_DRP, "mm"),
                    field("侧间隙Δc≈", D::IDC_DC, "mm", RO),
                    field("径向间隙 Δj≈", D::IDC_DJ, "mm", RO),
                }),
            }),
            column({
                group(IDC_STATIC, "摆线轮参数：", {
                    row({field("摆线轮齿数     Zc=", D::IDC_ZC, "", style::Digits), field("针齿数   Zp=", D::IDC_ZP, "", style::Digits)}),
                    field("传动比 i=", D::IDC_I, "", RO),
                    field("针齿分布圆直径 dp=", D::IDC_DP, "mm"),
                    field("针齿直径 drp=", D::IDC_DPIN, "mm"),
                    field("偏心距 a=", D::IDC_A, "mm"),
                    field("外摆线短幅系数 K1=", D::IDC_K1, "", RO),
                    button(D::IDC_PARAMS, "K1、dp、a 的确定关系……"),
                }),
                group(IDC_STATIC, "计算值：", {
                    row({field("齿顶圆 da=", D::IDC_DA, "mm", RO), field("齿根圆  df=", D::IDC_DF, "mm", RO)}),
                    row({field("量棒直径dm=", D::IDC_DM, "mm", RO), field("测量跨距  Lm=", D::IDC_LM, "mm", RO)}),
                    field("量棒中心园半径 RL=", D::IDC_RL, "mm", RO),
                }),
            }),
        }),
        label("  说明:", D::IDC_HINT, style::Sunken | style::Multiline),
        row({button(D::IDC_CALC, "计  算"), button(D::IDC_EXPORT, "输出CAD中绘图数据与报告"),
             defButton(IDOK, "完成并保存报告"), button(IDCANCEL, "取消")}),
    }));
    using P = ParametDlg;
    DialogTemplate table = dialog(P::IDD, "摆线轮齿廓短幅系数K1选择优化表", {
        label("K1值选择影响提示："),
        label("    当摆线轮设计结果尺寸小承载扭矩能力不足、针齿壳结构强度不好、针齿太细等，需要调整短幅系数K1进行结构优化。\n    K1的影响关系：",
              IDC_STATIC, style::Multiline),
        label("    1. 齿廓内凹不明显，齿廓太平滑：需减少K1；\n    2. 当齿数少时偏心距太大：须减小K1值，反之齿数多偏心距小须增大K1值；\n    3. 节圆直径小承载扭矩能力不足，针齿圆直径太小，无法考虑针齿分布和针齿壳结构强度差：须增大K1值。",
              IDC_STATIC, style::Multiline),
        label("    调整短幅系数K1的方法：\n    调整针齿分布圆直径dp或偏心距a,并调整相关的针圆齿直径drp。加大dp或减小a将减小K1值，反之亦然。取得合适的K1值之后重新启动计算按钮和输出CAD数据按钮。",
              IDC_STATIC, style::Multiline),
        label("K1值优化选择范围："),
        listView(P::IDC_TABLE),
        defButton(IDOK, "确定"),
    });
    table.size = Size{340, 250};   // the five columns of the table side by side
    m.addDialog(table);
}

}  // namespace kavrin
