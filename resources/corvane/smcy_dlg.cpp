// Templates 1046 and 1053: the small-module pair dialog and its helix-angle
// split dialog.
#include "resources/corvane/module.h"
#include "smallmodule/csmcy_bita_dlg.h"
#include "smallmodule/csmcy_dlg.h"

namespace corvane {

namespace {

using namespace fw;
using D = CSmcyDlg;
constexpr std::uint32_t RO = style::ReadOnly;

// A table of both gears: the pinion's column with the item labels, the
// gear's column with the units; each column lines its fields up, and the
// two line up with each other row by row.
struct PairItem {
    std::string text;
    int id1, id2;
    std::string unit{};
    std::uint32_t st1 = RO, st2 = RO;
};
Node pairTable(const std::vector<PairItem>& items) {
    std::vector<Node> left{label("小齿轮 Z1", IDC_STATIC, style::Right)};
    std::vector<Node> right{label("大齿轮 Z2", IDC_STATIC, style::Center)};
    for (const PairItem& i : items) {
        left.push_back(field(i.text, i.id1, "", i.st1));
        right.push_back(field(" ", i.id2, i.unit.empty() ? std::string("  ") : i.unit, i.st2));
    }
    return row({column(std::move(left)), column(std::move(right))});
}

Node patternGroup() {
    return group(IDC_STATIC, "安装方式选择：", {
        radio(D::IDC_PATTERN0, "平行轴(Σ=0°)", style::Group),
        radio(D::IDC_PATTERN1, "Z1斜齿，Z2直齿交错轴(β2=0 Σ=β1)"),
        radio(D::IDC_PATTERN2, "两斜齿轮，轴错角为两螺旋角之和(Σ=β1+β2)"),
        radio(D::IDC_PATTERN3, "两斜齿轮，垂直交错轴(Σ=90°)"),
        picture(D::IDC_PICTURE, D::IDB_PARALLEL, style::Border),
    });
}

Node rackGroup() {
    return group(IDC_STATIC, "基本齿条(GB/T 2362)", {
        field("齿形角α  =", D::IDC_ALPHA, "°", RO),
        field("齿顶高系数   h* =", D::IDC_HA, "", RO),
        field("径向间隙系数c* =", D::IDC_C, "", RO),
        field("齿根圆角半径ρ ≤", D::IDC_RHO, "mm", RO),
    });
}

Node inputGroup() {
    return group(IDC_STATIC, "设计参数", {
        field("轴错角   Σ = ", D::IDC_SIGMA, "°"),
        field("齿数比z2/z1= ", D::IDC_U),
        row({label("模数 mn  = "), combo(D::IDC_MODULE, {"0.1", "0.12", "0.15", "0.2", "0.25", "0.3", "0.35", "0.4",
                                                         "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"}),
             label("mm")}),
        field("实际轴距  a'=", D::IDC_AW, "mm"),
        field("摩擦系数f = ", D::IDC_F),
        row({label("未变位轴距a =", D::IDC_A_LABEL), edit(D::IDC_A, RO), label("mm")}),
    });
}

Node gearTable() {
    return group(IDC_STATIC, "齿轮参数", {pairTable({
        {"齿数：", D::IDC_Z1, D::IDC_Z2},
        {"端面模数：", D::IDC_MT1, D::IDC_MT2, "mm"},
        {"分度圆柱螺旋角：", D::IDC_BETA1, D::IDC_BETA2, "°", 0, RO},
        {"节圆柱螺旋角：", D::IDC_BETAP1, D::IDC_BETAP2, "°"},
        {"基圆柱螺旋角：", D::IDC_BB1, D::IDC_BB2, "°"},
        {"端面压力角：", D::IDC_AT1, D::IDC_AT2, "°"},
        {"端面啮合角：", D::IDC_AWT1, D::IDC_AWT2, "°"},
        {"分度圆直径：", D::IDC_D1, D::IDC_D2, "mm"},
        {"节圆直径：", D::IDC_DW1, D::IDC_DW2, "mm"},
        {"基圆直径：", D::IDC_DB1, D::IDC_DB2, "mm"},
        {"齿顶圆直径：", D::IDC_DA1, D::IDC_DA2, "mm"},
        {"齿根圆直径：", D::IDC_DF1, D::IDC_DF2, "mm"},
        {"齿顶圆压力角：", D::IDC_AAT1, D::IDC_AAT2, "°"},
        {"变位系数：", D::IDC_XN1, D::IDC_XN2, "", 0, 0},
    })});
}

Node inspectionTable() {
    return group(IDC_STATIC, "测量参数", {pairTable({
        {"公法线长度：", D::IDC_W1, D::IDC_W2, "mm"},
        {"跨测齿数：", D::IDC_KW1, D::IDC_KW2},
        {"公法线上偏差：  Ws = -", D::IDC_DWS1, D::IDC_DWS2, "mm", 0, 0},
        {"公法线下偏差：  Wi = -", D::IDC_DWI1, D::IDC_DWI2, "mm", 0, 0},
        {"量棒测量跨径：", D::IDC_MP1, D::IDC_MP2, "mm"},
        {"测量跨径上偏差：   -", D::IDC_DMS1, D::IDC_DMS2, "mm"},
        {"测量跨径下偏差：   -", D::IDC_DMI1, D::IDC_DMI2, "mm"},
    }), field("量棒直径:D  =", D::IDC_DMP, "mm", RO)});
}

Node meshGroup() {
    return group(IDC_STATIC, "啮合特性", {
        field("总变位系数χ   =", D::IDC_SUMX, "", RO),
        row({label("公共齿条法向齿形角：        α'  =", D::IDC_RACK_ALPHA_LABEL), edit(D::IDC_ALPHANP, RO),
             label("°", D::IDC_RACK_ALPHA_UNIT)}),
        row({label("公共齿条法向模数：          m'   = ", D::IDC_RACK_MODULE_LABEL), edit(D::IDC_MNP, RO),
             label("mm", D::IDC_RACK_MODULE_UNIT)}),
        field("重合度： ε =", D::IDC_EPS, "", RO),
        field("啮合效率：η=", D::IDC_ETA, "", RO),
        field("有效齿宽：B≥", D::IDC_B, "mm", RO),
    });
}

Node designGroup() {
    return group(IDC_STATIC, "设计标识", {
        field("标题：", D::IDC_TITLE),
        field("编号：", D::IDC_NUMBER),
        row({label("日期："), datePicker(D::IDC_DATE)}),
    });
}

DialogTemplate smcyTemplate() {
    return dialog(D::IDD, "小模数齿轮对（平行轴与交错轴）设计计算程序", {
        row({column({patternGroup(), label("提示：\n", D::IDC_HINT, style::Multiline | style::Sunken)}),
             column({rackGroup(), inputGroup(), meshGroup()}), column({gearTable()})}),
        row({inspectionTable(), column({designGroup()})}),
        row({button(D::IDC_CALC, "计  算"), button(D::IDC_LOAD, "加载数据"), defButton(IDOK, "确定(保存)"),
             button(IDCANCEL, "取消"), button(D::IDC_HELP, "帮 助")}),
    });
}

DialogTemplate bitaTemplate() {
    using B = CSmcyBitaDlg;
    return dialog(B::IDD, "斜齿轮齿向螺旋角分配方案选项", {
        label("根据你的需要，选择斜齿轮齿向螺旋角的优选方式："),
        radio(B::IDC_OPTION_EQUAL, "大、小齿轮的螺旋角相等，以便于加工制造（默认选项）。", style::Group),
        radio(B::IDC_OPTION_AUTO, "自动分配大、小齿轮螺旋角，以设计最节省的机构尺寸。"),
        label("     但当轴错角较大时，自动分配小齿轮螺旋角可能超过45°，将对加工、测量及机构性能不利。可由以下自定义选择β'1。",
              IDC_STATIC, style::Multiline),
        row({radio(B::IDC_OPTION_USER, "自定义设定小齿轮螺旋角：     β'1   = "), edit(B::IDC_BETAP1), label("°"),
             label("β'2 ="), edit(B::IDC_BETAP2, RO), label("°")}),
        row({label("选择范围："), edit(B::IDC_LOWER, RO).named("β'1 下限"), label("<  β'1  <"),
             edit(B::IDC_UPPER, RO).named("β'1 上限"), label("°")}),
        row({defButton(IDOK, "确定"), button(IDCANCEL, "取消")}),
    });
}

}  // namespace

void addSmcyDlg(Module& m) {
    m.addDialog(smcyTemplate());
    m.addDialog(bitaTemplate());
}

}  // namespace corvane
