#include "common/dialogs/factor_templates.h"

#include "common/dialogs/accuracy_grade_dialog.h"
#include "common/dialogs/application_factor_dialog.h"
#include "common/dialogs/contact_life_dialog.h"
#include "common/dialogs/elasticity_dialog.h"
#include "common/dialogs/face_load_dialog.h"
#include "common/dialogs/form_factor_options_dialog.h"
#include "common/dialogs/limit_strength_dialog.h"
#include "common/dialogs/lubricant_dialog.h"
#include "common/dialogs/roughness_dialog.h"
#include "common/dialogs/stress_correction_dialog.h"
#include "common/dialogs/torque_dialog.h"
#include "common/dialogs/work_hardening_dialog.h"

namespace kavrin {

namespace {

using namespace fw;

constexpr std::uint32_t G = style::Group;

// 确定, 取消 and 帮助 on one row.
Node buttons(int helpId = IDC_FACTOR_HELP) {
    return row({defButton(IDOK, "确  定"), button(IDCANCEL, "取  消"), button(helpId, "帮  助")});
}

// Radios with consecutive ids from first, the first one starting the group.
std::vector<Node> radios(int first, std::vector<std::string> texts) {
    std::vector<Node> out;
    for (std::size_t i = 0; i < texts.size(); ++i)
        out.push_back(radio(first + static_cast<int>(i), std::move(texts[i]), i == 0 ? G : 0));
    return out;
}

// The radios of one gear of a pair, each named with its gear ("小齿轮 软齿面"):
// the pinion's and the gear's choices read alike.
std::vector<Node> gearRadios(const std::string& gear, int first, std::vector<std::string> texts) {
    std::vector<Node> out = radios(first, texts);
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = out[i].named(gear + " " + texts[i]);
    return out;
}

}  // namespace

DialogTemplate applicationFactorTemplate(int id) {
    using D = ApplicationFactorDialog;
    return dialog(id, "《Ondrel》Kavrin 工况系数选择", {
        row({group(IDC_STATIC, "典型原动机特性",
                   radios(D::IDC_DRIVER, {"平稳：电动机、气轮机、水轮机......",
                                          "轻度冲击：带飞轮圆周往复驱动源、多缸内燃机......",
                                          "中等冲击：单缸内燃机、蒸汽机......"})),
             group(IDC_STATIC, "典型工作机特性",
                   radios(D::IDC_DRIVEN, {"平稳：发电机、输送机、离心机、鼓风机、卷扬机、搅拌机...",
                                          "中等冲击：起重机、曳引机、非均质搅拌机、柱式泵......",
                                          "较大冲击：冲床、剪切机、破碎机、碾轧机、工程机械......"}))}),
        row({label("选定工况系数："), label("1.00", D::IDC_LOW), trackbar(D::IDC_SLIDER), label("1.25", D::IDC_HIGH)}),
        field("工况系数 KA =", D::IDC_KA, "", style::ReadOnly),
        buttons(D::IDC_HELP_KA),
    });
}

DialogTemplate faceLoadTemplate(int id) {
    using D = FaceLoadDialog;
    return dialog(id, "《Ondrel》Kavrin 齿向负载分布系数的选定", {
        group(IDC_STATIC, "齿面组合", radios(D::IDC_FLANKS, {"硬-硬齿面（HB>350）", "硬（软）-软齿面（HB≤350）"})),
        group(IDC_STATIC, "齿轮安装方式",
              radios(D::IDC_MOUNTING, {"齿轮对称按装在两轴承之间，刚性良好。", "齿轮非对称按装在两轴承之间，刚性较大。",
                                       "齿轮非对称按装在两轴承之间，刚性较小。", "齿轮悬臂安装。"})),
        buttons(),
    });
}

DialogTemplate limitStrengthTemplate(int id) {
    using D = LimitStrengthDialog;
    return dialog(id, "《Ondrel》Kavrin材料的极限强度", {
        group(IDC_STATIC, "材料的疲劳极限",
              {field("弯曲疲劳极限 σFlim =", D::IDC_SIGMA_FLIM, "MPa"),
               field("接触疲劳极限 σHlim =", D::IDC_SIGMA_HLIM, "MPa")}),
        buttons(),
    });
}

DialogTemplate accuracyGradeTemplate(int id) {
    using D = AccuracyGradeDialog;
    return dialog(id, "《Ondrel》Kavrin 齿轮精度选择", {
        label("", D::IDC_HINT, style::Multiline),
        row({label("齿轮精度等级："), combo(D::IDC_GRADE, {"3", "4", "5", "6", "7", "8", "9", "10"})}),
        buttons(),
    });
}

DialogTemplate formFactorOptionsTemplate(int id) {
    using D = FormFactorOptionsDialog;
    return dialog(id, "《Ondrel》Kavrin 确定齿形系数的有关选项", {
        group(IDC_STATIC, "计算齿轮", {row(radios(D::IDC_PINION, {"小齿轮", "大齿轮"}))}),
        field("变位系数 x =", D::IDC_X),
        field("当量齿数 zv =", D::IDC_ZV),
        field("全齿高系数 h* =", D::IDC_DEPTH),
        buttons(),
    });
}

DialogTemplate torqueTemplate(int id) {
    using D = TorqueDialog;
    return dialog(id, "《Ondrel》Kavrin  齿轮传递扭矩计算", {
        field("小齿轮转速 n1 =", D::IDC_SPEED, "r/min"),
        field("传递功率 P =", D::IDC_POWER, "kW"),
        buttons(),
    });
}

DialogTemplate bendingLifeTemplate(int id, const BendingLifeOptions& options) {
    using D = BendingLifeDialog;
    Node cycles = combo(D::IDC_CYCLES, {"10＾3", "10＾4", "10＾5", "10＾6", "10＾7"},
                        options.box == CyclesBox::Editable ? style::DropDown : style::DropList);
    if (options.box == CyclesBox::Editable) cycles.text = options.initialCycles;
    return dialog(id, "《Ondrel》Kavrin 确定弯曲强度计算的寿命系数", {
        group(IDC_STATIC, "材料",
              radios(D::IDC_MATERIAL, {"调质钢", "渗碳钢，表面淬火", "渗氮钢，气体渗氮", "渗氮钢，液体渗氮"})),
        // NE = the typed number × a power of ten: the list gives its order of magnitude.
        row({field("当量循环次数 NE =", D::IDC_MULTIPLIER), label("×"), cycles.named("当量循环次数 NE 的数量级")}),
        buttons(),
    });
}

DialogTemplate stressCorrectionTemplate(int id) {
    using D = StressCorrectionDialog;
    return dialog(id, "《Ondrel》Kavrin 弯曲强度的应力集中系数与尺寸影响系数", {
        row({group(IDC_STATIC, "材料", radios(D::IDC_MATERIAL, {"渗碳钢", "调质钢", "调质钢、渗氮", "灰铸铁"})),
             group(IDC_STATIC, "计算齿轮", radios(D::IDC_PINION, {"小齿轮", "大齿轮"}))}),
        field("变位系数 x =", D::IDC_X),
        field("当量齿数 zv =", D::IDC_ZV),
        buttons(),
    });
}

DialogTemplate elasticityTemplate(int id) {
    using D = ElasticityDialog;
    std::vector<Node> pairs = radios(D::IDC_PAIR, {"钢-钢", "钢-铸钢", "钢-铸铁", "钢-球墨铸铁", "铸钢-铸钢", "铸钢-铸铁",
                                                   "铸钢-球墨铸铁", "铸铁-铸铁", "铸铁-球墨铸铁", "球墨铸铁-球墨铸铁"});
    pairs.push_back(radio(D::IDC_OTHER, "其它"));
    return dialog(id, "《Ondrel》Kavrin  齿轮对的弹性系数", {
        row({group(IDC_STATIC, "材料组合", std::move(pairs)),
             group(IDC_STATIC, "材料力学指标",
                   {field("小齿轮弹性模量 E1 =", D::IDC_E1, "N/mm²"), field("大齿轮弹性模量 E2 =", D::IDC_E2, "N/mm²"),
                    field("小齿轮泊桑比 ν1 =", D::IDC_NU1), field("大齿轮泊桑比 ν2 =", D::IDC_NU2)})}),
        label("", D::IDC_HINT, style::Sunken),
        buttons(),
    });
}

DialogTemplate workHardeningTemplate(int id) {
    using D = WorkHardeningDialog;
    return dialog(id, "《Ondrel》Kavrin 决定工作硬化系数的齿面状态", {
        row({group(IDC_STATIC, "小齿轮", gearRadios("小齿轮", D::IDC_PINION, {"硬齿面", "软齿面"})),
             group(IDC_STATIC, "大齿轮", gearRadios("大齿轮", D::IDC_GEAR, {"硬齿面", "软齿面 HB≤350"}))}),
        field("大齿轮齿面硬度 HB =", D::IDC_HB),
        buttons(),
    });
}

DialogTemplate lubricantTemplate(int id) {
    using D = LubricantDialog;
    return dialog(id, "《Ondrel》Kavrin  润滑状态系数的选定", {
        row({group(IDC_STATIC, "润滑油", radios(D::IDC_LUBRICANT, {"普通矿物油", "高级工业合成油"})),
             group(IDC_STATIC, "齿面", radios(D::IDC_FLANKS, {"硬齿面", "调质齿轮"}))}),
        group(IDC_STATIC, "接触疲劳极限",
              {row(radios(D::IDC_CLASS,
                          {"σHlim≤800MPa", "σHlim=900MPa", "σHlim=1000MPa", "σHlim=1100MPa", "σHlim≥1200MPa"}))}),
        // ν₅₀ = [field] cSt: the subscript is shown after its symbol, the unit
        // after the field. "°C", not the one-character "℃": the dialog font
        // (WenQuanYi Micro Hei) maps U+2103 to an empty glyph, so no fallback
        // font is ever asked for it and the sign shows as a blank.
        row({label("50°C时润滑油运动粘度 ν ="), edit(D::IDC_VISCOSITY), subscript("50"), label("cSt")}),
        buttons(),
    });
}

DialogTemplate contactLifeTemplate(int id) {
    using D = ContactLifeDialog;
    return dialog(id, "《Ondrel》Kavrin  确定接触强度的寿命系数", {
        group(IDC_STATIC, "材料",
              radios(D::IDC_MATERIAL, {"球墨铸铁、可锻铸铁、调质钢、表面硬化钢", "调质钢或渗氮钢气体渗氮、灰铸铁",
                                       "调质钢液体渗氮"})),
        group(IDC_STATIC, "点蚀", {row(radios(D::IDC_PITTING, {"允许有一定点蚀", "不允许点蚀"}))}),
        field("请输入当量负载循环次数：", D::IDC_NE),
        buttons(),
    });
}

DialogTemplate roughnessTemplate(int id) {
    using D = RoughnessDialog;
    return dialog(id, "《Ondrel》Kavrin  确定粗糙度影响系数", {
        group(IDC_STATIC, "接触疲劳极限",
              radios(D::IDC_CLASS,
                     {"σHlim≤85 0MPa", "σHlim=900 MPa", "σHlim=1000 MPa", "σHlim=1100 MPa", "σHlim≥1200 MPa"})),
        field("输入粗糙度Ra值：", D::IDC_RA, "μm"),
        buttons(),
    });
}

}  // namespace kavrin
