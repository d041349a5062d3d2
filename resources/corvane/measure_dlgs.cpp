// Templates of the measurement calculators: the single gear (1041).
#include "measurement/cy_measure_one_dlg.h"
#include "resources/corvane/module.h"

namespace corvane {

namespace {

using namespace fw;
using D = CCyMeasureOneDlg;

constexpr std::uint32_t RO = style::ReadOnly;

Node identityGroup() {
    return group(IDC_STATIC, "设计标识", {
        field("标题：", D::IDC_TITLE),
        row({field("编号：", D::IDC_NUMBER), label("日期："), datePicker(D::IDC_DATE)}),
    });
}

Node inputGroup() {
    return group(IDC_STATIC, "几何参数（测量值或估算值）", {
        row({radio(D::IDC_EXTERNAL, "外 齿 轮", style::Group), radio(D::IDC_INTERNAL, "内 齿 轮")}),
        row({label("已知："), radio(D::IDC_MODE_HELIX, "螺 旋 角", style::Group),
             radio(D::IDC_MODE_SHIFT, "变位系数")}),
        field("法面模数 mn =", D::IDC_MN, "mm"),
        field("齿数 Z =", D::IDC_Z, "", style::Digits),
        field("齿顶圆直径 da =", D::IDC_DA, "mm"),
        row({label("齿顶高系数 ha* ="), combo(D::IDC_HASTAR, {"0.8", "1.0"}, style::DropDown)}),
        row({label("齿顶隙系数 c* ="), combo(D::IDC_CSTAR, {"0.25", "0.30", "0.35"}, style::DropDown)}),
        field("刀具压力角 αn =", D::IDC_ALPHA_N, "°"),
        row({label("螺旋角 β ="), edit(D::IDC_BETA_DEG, style::Digits), label("°"),
             edit(D::IDC_BETA_MIN, style::Digits), label("′"), edit(D::IDC_BETA_SEC), label("″")}),
        row({label("用滑标微调整螺旋角:"), combo(D::IDC_HELIX_UNIT, {"度", "分", "秒"})}),
        trackbar(D::IDC_HELIX_SLIDER),
        field("法向变位系数 xn =", D::IDC_XN),
        row({label("用滑标调整变位系数:"), combo(D::IDC_SHIFT_STEP, {"粗调", "微调"})}),
        trackbar(D::IDC_SHIFT_SLIDER),
    });
}

Node designGroup() {
    return group(IDC_STATIC, "设计参数", {
        field("端面模数 mt =", D::IDC_MT, "mm", RO),
        field("分度圆直径 d =", D::IDC_D, "mm", RO),
        field("齿顶高 ha =", D::IDC_HA, "mm", RO),
        field("齿根高 hf =", D::IDC_HF, "mm", RO),
        field("齿顶圆直径 da =", D::IDC_DA_CALC, "mm", RO),
        field("齿根圆直径 df =", D::IDC_DF, "mm", RO),
        field("基圆直径 db =", D::IDC_DB, "mm", RO),
        field("当量齿数 Zv =", D::IDC_ZV, "", RO),
        field("齿顶压力角 αat =", D::IDC_ALPHA_AT, "°", RO),
        field("端面压力角 αt =", D::IDC_ALPHA_T, "°", RO),
    });
}

Node deviationRow(const char* text, int sign, int id, std::uint32_t st = 0) {
    return row({label(text), label("－", sign), edit(id, st), label("mm")});
}

Node measureGroup() {
    return group(IDC_STATIC, "测量参数", {
        field("跨测齿数 kw =", D::IDC_KW, "", RO),
        field("公法线长度 W =", D::IDC_W, "mm", RO),
        deviationRow("上偏差 ΔWs =", D::IDC_SIGN_WS, D::IDC_DWS),
        deviationRow("下偏差 ΔWi =", D::IDC_SIGN_WI, D::IDC_DWI),
        field("固定弦齿高 hc =", D::IDC_HC, "mm", RO),
        field("固定弦齿厚 sc =", D::IDC_SC, "mm", RO),
        field("测棒直径 dmp =", D::IDC_DP, "mm"),
        field("跨棒距 Mp =", D::IDC_MP, "mm", RO),
        deviationRow("上偏差 ΔMs =", D::IDC_SIGN_MS, D::IDC_DMS, RO),
        deviationRow("下偏差 ΔMi =", D::IDC_SIGN_MI, D::IDC_DMI, RO),
    });
}

}  // namespace

void addMeasureTemplates(Module& m) {
    m.addDialog({.id = D::IDD, .caption = "《Ondrel》Kavrin  单个圆柱齿轮测量计算", .body = {
        identityGroup(),
        row({inputGroup(), column({designGroup(), measureGroup()})}),
        label("", D::IDC_HINT, style::Sunken | style::Multiline),
        row({button(D::IDC_TRIAL, "试   算"), button(D::IDC_LOAD, "读   取"), button(D::IDC_CHECK, "检  验"),
             button(D::IDC_PROFILE, "齿廓数据输出"), defButton(IDOK, "确   定"), button(IDCANCEL, "取   消"),
             button(D::IDC_HELP, "帮   助")}),
    }});
}

}  // namespace corvane
