// Templates of the measurement calculators: the single gear (1041), the gear pair (1043) and the
// root fillet of a tooth profile output (1045).
#include "measurement/cy_measure_one_dlg.h"
#include "measurement/cy_measure_tow_dlg.h"
#include "measurement/cymeasure_rdlg.h"
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
        trackbar(D::IDC_HELIX_SLIDER).named("螺旋角 β 滑标"),
        field("法向变位系数 xn =", D::IDC_XN),
        row({label("用滑标调整变位系数:"), combo(D::IDC_SHIFT_STEP, {"粗调", "微调"})}),
        trackbar(D::IDC_SHIFT_SLIDER).named("法向变位系数 xn 滑标"),
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

namespace pair {

using P = CCYMeasureTowDlg;

Node twoFields(const char* text, int id1, int id2, const char* unit, std::uint32_t st = 0) {
    std::vector<Node> cells{label(text), edit(id1, st), edit(id2, st)};
    if (*unit) cells.push_back(label(unit));
    return row(std::move(cells));
}

Node deviation(const char* text, int sign, int id, std::uint32_t st = 0) {
    return row({label(text), label("－", sign), edit(id, st), label("mm")});
}

Node inputs() {
    return group(IDC_STATIC, "几何参数（测量值或估算值）", {
        row({radio(P::IDC_EXTERNAL, "外啮合", style::Group), radio(P::IDC_INTERNAL, "内啮合")}),
        field("法面模数 mn =", P::IDC_MN, "mm"),
        row({label("齿数 Z1 / Z2 ="), edit(P::IDC_Z1, style::Digits), edit(P::IDC_Z2, style::Digits)}),
        twoFields("齿顶圆直径 da1 / da2 =", P::IDC_DA1, P::IDC_DA2, "mm"),
        row({label("齿顶高系数 ha* ="), combo(P::IDC_HASTAR, {"0.8", "1.0"}, style::DropDown)}),
        row({label("齿顶隙系数 c* ="), combo(P::IDC_CSTAR, {"0.25", "0.3", "0.35"}, style::DropDown)}),
        field("刀具压力角 αn =", P::IDC_ALPHA_N, "°"),
        row({label("螺旋角 β ="), edit(P::IDC_BETA_DEG, style::Digits), label("°"),
             edit(P::IDC_BETA_MIN, style::Digits), label("′"), edit(P::IDC_BETA_SEC), label("″")}),
        row({label("螺旋角微调整:"), combo(P::IDC_HELIX_UNIT, {"度", "分", "秒"})}),
        trackbar(P::IDC_HELIX_SLIDER).named("螺旋角 β 滑标"),
        field("啮合中心距 a' =", P::IDC_AW, "mm"),
        field("未变位中心距 a =", P::IDC_A, "mm", RO),
        field("端面模数 mt =", P::IDC_MT, "mm", RO),
        field("端面压力角 αt =", P::IDC_ALPHA_T, "°", RO),
        field("啮合角 α' =", P::IDC_ALPHA_W, "°", RO),
        field("中心距变动系数 yt =", P::IDC_YT, "", RO),
        field("总变位系数 xnΣ =", P::IDC_XN_SUM, "", RO),
        field("重合度 ε =", P::IDC_EPSILON, "", RO),
    });
}

Node gears() {
    return group(IDC_STATIC, "小齿轮 / 大齿轮", {
        twoFields("变位系数 xn1 / xn2 =", P::IDC_XN1, P::IDC_XN2, ""),
        twoFields("分度圆直径 d =", P::IDC_D1, P::IDC_D2, "mm", RO),
        twoFields("齿顶高 ha =", P::IDC_HA1, P::IDC_HA2, "mm", RO),
        twoFields("齿根高 hf =", P::IDC_HF1, P::IDC_HF2, "mm", RO),
        twoFields("节圆直径 d' =", P::IDC_DW1, P::IDC_DW2, "mm", RO),
        twoFields("基圆直径 db =", P::IDC_DB1, P::IDC_DB2, "mm", RO),
        twoFields("当量齿数 Zv =", P::IDC_ZV1, P::IDC_ZV2, "", RO),
        twoFields("齿顶压力角 αat =", P::IDC_ALPHA_AT1, P::IDC_ALPHA_AT2, "°", RO),
        twoFields("固定弦齿高 hc =", P::IDC_HC1, P::IDC_HC2, "mm", RO),
        twoFields("固定弦齿厚 sc =", P::IDC_SC1, P::IDC_SC2, "mm", RO),
        twoFields("跨测齿数 kw =", P::IDC_KW1, P::IDC_KW2, "", RO),
        twoFields("公法线长度 W =", P::IDC_W1, P::IDC_W2, "mm", RO),
        twoFields("跨棒距 Mp =", P::IDC_MP1, P::IDC_MP2, "mm", RO),
        field("测棒直径 dmp =", P::IDC_DP, "mm"),
    });
}

Node deviations() {
    return group(IDC_STATIC, "偏差", {
        row({column({deviation("ΔWs1 =", P::IDC_SIGN_WS1, P::IDC_DWS1), deviation("ΔWi1 =", P::IDC_SIGN_WI1, P::IDC_DWI1),
                     deviation("ΔMs1 =", P::IDC_SIGN_MS1, P::IDC_DMS1, RO), deviation("ΔMi1 =", P::IDC_SIGN_MI1, P::IDC_DMI1, RO)}),
             column({deviation("ΔWs2 =", P::IDC_SIGN_WS2, P::IDC_DWS2), deviation("ΔWi2 =", P::IDC_SIGN_WI2, P::IDC_DWI2),
                     deviation("ΔMs2 =", P::IDC_SIGN_MS2, P::IDC_DMS2, RO), deviation("ΔMi2 =", P::IDC_SIGN_MI2, P::IDC_DMI2, RO)})}),
    });
}

}  // namespace pair

}  // namespace

void addMeasureTemplates(Module& m) {
    using R = CCymeasureRdlg;
    m.addDialog({.id = R::IDD, .caption = "齿根过度圆角半径设定", .body = {
        label("齿廓线齿根过度圆角半径不应大于径向齿根隙值"),
        field("径向齿根隙：    jf=", R::IDC_JF, "mm", RO),
        field("过度圆角半径：Rf=", R::IDC_RF, "mm"),
        field("工艺收缩率：  λ=", R::IDC_SHRINKAGE, "%"),
        label("", R::IDC_HINT, style::Sunken),
        row({defButton(IDOK, "确定"), button(IDCANCEL, "取消")}),
    }});
    using P = CCYMeasureTowDlg;
    m.addDialog({.id = P::IDD, .caption = "《Ondrel》Kavrin  成对圆柱齿轮测量计算", .body = {
        group(IDC_STATIC, "设计标识", {
            field("标题：", P::IDC_TITLE),
            row({field("编号：", P::IDC_NUMBER), label("日期："), datePicker(P::IDC_DATE)}),
        }),
        row({pair::inputs(), column({pair::gears(), pair::deviations()})}),
        label("", P::IDC_HINT, style::Sunken | style::Multiline),
        row({button(P::IDC_TRIAL, "试   算"), button(P::IDC_LOAD, "读   取"), button(P::IDC_CHECK, "检   验"),
             defButton(IDOK, "确   定"), button(IDCANCEL, "取   消"), button(P::IDC_HELP, "帮   助")}),
    }});
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
