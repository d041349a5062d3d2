// Templates 1012, 1014, 1017 and 1019: the four pages of the geometry sheet.
#include "cylindrical/cy_geom_pro_page1.h"
#include "cylindrical/cy_geom_pro_page2.h"
#include "cylindrical/cy_geom_pro_page3.h"
#include "cylindrical/cy_geom_pro_page4.h"
#include "resources/corvane/module.h"

namespace corvane {

namespace {

using namespace fw;

constexpr std::uint32_t RO = style::ReadOnly;

// "label deg ° min ′ sec ″": an angle held as three integer fields.
Node angleRow(std::string labelText, int deg, int min, int sec, std::uint32_t st = 0) {
    return row({label(std::move(labelText)), edit(deg, st), label("°"), edit(min, st), label("′"), edit(sec, st),
                label("″")});
}

DialogTemplate pairPage() {
    using P = CCyGeomProPage1;
    return page(P::IDD, "齿轮对修正", {
                row({field("标题：", P::IDC_TITLE), field("图号：", P::IDC_NUMBER), field("日期：", P::IDC_DATE)}),
                row({column({
                         group(IDC_STATIC, "基本参数",
                               {row({field("齿数     Z1 =", P::IDC_Z1), field("齿数     Z2 =", P::IDC_Z2)}),
                                angleRow("β=", P::IDC_BETA_DEG, P::IDC_BETA_MIN, P::IDC_BETA_SEC),
                                row({field("当量齿数 Zv1 =", P::IDC_ZV1, "", RO), field("  Zv2 =", P::IDC_ZV2, "", RO)}),
                                row({field("法面摸数    m =", P::IDC_MN, "mm"), field("端面模数   mt =", P::IDC_MT, "mm", RO)}),
                                row({label("法面压力角："), angleRow("α=", P::IDC_ALPHAN_DEG, P::IDC_ALPHAN_MIN,
                                                                     P::IDC_ALPHAN_SEC)}),
                                row({label("端面压力角："), angleRow("αt=", P::IDC_ALPHAT_DEG, P::IDC_ALPHAT_MIN,
                                                                     P::IDC_ALPHAT_SEC, RO)}),
                                row({label("齿顶高系数 ha*="), combo(P::IDC_HASTAR, {"1.0", "0.8"})}),
                                row({radio(P::IDC_EXTERNAL, "外啮合", style::Group), radio(P::IDC_INTERNAL, "内啮合")})}),
                     }),
                     column({
                         group(IDC_STATIC, "中心距与变位",
                               {field("标准齿轮中心距：  аd =", P::IDC_AD, "mm", RO),
                                field("设计给定中心距：   а = ", P::IDC_A, "mm"),
                                field("法面中心距变动系数：уn=", P::IDC_YN, "", RO),
                                field("端面中心距变动系数：уt=", P::IDC_YT, "", RO),
                                row({label("啮合角："), field("  αwt =", P::IDC_ALPHAWT, "°", RO)}),
                                field("总变位系数：　 　χnΣ=", P::IDC_SUMX, "", RO),
                                row({field("χn1 =", P::IDC_XN1), field("χn2 =", P::IDC_XN2)})}),
                         group(IDC_STATIC, "校验结果：", {label("", P::IDC_RESULT, style::Multiline | style::Sunken)}),
                     })}),
                row({button(P::IDC_LOAD_PRE, "装入预定数据"), button(P::IDC_LOAD_GEOM, "装入数据编辑"),
                     button(P::IDC_DISTRIBUTE, "更新设计数据"), button(P::IDC_CHECK, "检验数据"),
                     button(P::IDC_REPORT, "报告输出")}),
            });
}

struct GearPageLabels {
    int id;
    const char* caption;
    const char* teeth;
    const char* shift;
    std::vector<std::string> hands;
    const char* reportText;
};

DialogTemplate gearPage(const GearPageIds& i, const GearPageLabels& t) {
    return page(t.id, t.caption, {
                row({field("标    题：", i.title), field("齿轮图号：", i.number)}),
                row({column({
                         field(t.teeth, i.z, "", RO),
                         field("模数：       Mn = ", i.mn, "mm", RO),
                         field("齿顶高系数： ha* = ", i.haStar, "", RO),
                         row({label("径向齿隙系数:  C = "), combo(i.cStar, {"0.25", "0.3", "0.35"})}),
                         field(t.shift, i.x, "", RO),
                         row({label("旋向: "), combo(i.hand, t.hands)}),
                         angleRow("β=", i.betaDeg, i.betaMin, i.betaSec, RO),
                         row({label("压力角："), angleRow("α=", i.alphaDeg, i.alphaMin, i.alphaSec, RO)}),
                         label("外  啮  合", i.meshLabel, style::Center),
                     }),
                     group(IDC_STATIC, "计算结果：", {label("", i.listing, style::Multiline | style::Sunken)})}),
                row({button(i.calc, "计 算"), button(i.report, t.reportText)}),
            });
}

DialogTemplate characteristicPage() {
    using P = CCyGeomProPage4;
    return page(P::IDD, "特性参数", {
                row({field("标题：", P::IDC_TITLE), field("图号：", P::IDC_NUMBER), field("日期：", P::IDC_DATE)}),
                row({column({
                         row({label("齿数:"), field("Z1=", P::IDC_Z1, "", RO), field("Z2=", P::IDC_Z2, "", RO)}),
                         row({field("当量齿数:Zv1=", P::IDC_ZV1, "", RO), field("Zv2=", P::IDC_ZV2, "", RO)}),
                         // "Mn= [ ] mm, Mt= [ ] mm": "mm," is mn's unit, "Mt=" the label of mt
                         row({label("模数:"), field("Mn=", P::IDC_MN, "mm,", RO), field("Mt=", P::IDC_MT, "mm", RO)}),
                         row({label("压力角:"), field("αn=", P::IDC_ALPHAN, "°", RO), field("αt=", P::IDC_ALPHAT, "°", RO)}),
                         row({field("αat1=", P::IDC_ALPHAAT1, "°", RO), field("αat2=", P::IDC_ALPHAAT2, "°", RO)}),
                         row({label("螺旋角:"), field("β=", P::IDC_BETA, "°", RO)}),
                         row({label("变位系数:"), field("χ1=", P::IDC_XN1, "", RO), field("χ2=", P::IDC_XN2, "", RO)}),
                         row({label("齿宽:"), field("b=", P::IDC_B, "mm")}),
                         label("外  啮  合", P::IDC_MESH, style::Center),
                         label("提示：", P::IDC_HINT),
                     }),
                     group(IDC_STATIC, "报告计算结果：",
                           {label("\n\n       ---- 给定齿轮宽度，\n\n       ---- 执行计算，\n\n       ---- 输出报告。",
                                  P::IDC_LISTING, style::Multiline | style::Sunken)})}),
                row({button(P::IDC_CALC, "计 算"), button(P::IDC_REPORT, "输出报告")}),
            });
}

}  // namespace

void addCyGeomPages(fw::Module& m) {
    m.addDialog(pairPage());
    m.addDialog(gearPage(CCyGeomProPage2::kIds, {CCyGeomProPage2::IDD, "小齿轮几何计算", "齿数：       Z1 = ",
                                                  "变位系数：  χn1 = ", {"左", "右", "直齿"}, "输出报告"}));
    m.addDialog(gearPage(CCyGeomProPage3::kIds, {CCyGeomProPage3::IDD, "大(内)齿轮几何计算", "齿数：       Z2 = ",
                                                  "变位系数：  χn2 = ", {"右", "左", "直齿"}, " 输出报告"}));
    m.addDialog(characteristicPage());
}

}  // namespace corvane
