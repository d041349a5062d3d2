// Templates 2024 (worm preliminary design), 2021 (service conditions) and
// 2022 (typical worm-gear materials).
#include "fw/format.h"
#include "resources/tarv/module.h"
#include "worm/calc/worm_tables.h"
#include "worm/ccw_ka_dlg.h"
#include "worm/ccw_met_dlg.h"
#include "worm/ccw_pr_dlg.h"

namespace tarv {

namespace {

using namespace fw;

Node wormTypeGroup() {
    using D = CcwPrDlg;
    return group(IDC_STATIC, "蜗杆形式", {
        row({radio(D::IDC_ZA, "ZA", style::Group), radio(D::IDC_ZN, "ZN"), radio(D::IDC_ZL, "ZL"),
             radio(D::IDC_ZK, "ZK"), radio(D::IDC_ZC, "ZC")}),
    });
}

Node driveGroup() {
    using D = CcwPrDlg;
    return group(IDC_STATIC, "传动参数", {
        radio(D::IDC_MODE_POWER, "功率、输入转速与传动比", style::Group),
        radio(D::IDC_MODE_TORQUE, "输出扭矩与输入、输出转速"),
        field("输入转速 n1 =", D::IDC_N1, "r/min"),
        field("输出转速 n2 =", D::IDC_N2, "r/min"),
        field("传动比 u =", D::IDC_U),
        field("传递功率 P =", D::IDC_P, "kW"),
        field("输出扭矩 T =", D::IDC_T, "N.m"),
    });
}

Node materialGroup() {
    using D = CcwPrDlg;
    return group(IDC_STATIC, "材料与系数", {
        button(D::IDC_MATERIAL, "选用典型材料:"),
        field("接触疲劳极限 σHlim =", D::IDC_SIGMA_H, "MPa"),
        field("弯曲疲劳极限 σFlim =", D::IDC_SIGMA_F, "MPa"),
        field("弹性系数 ZE =", D::IDC_ZE, "MPa"),
        row({button(D::IDC_KA_BUTTON, "使用系数 KA="), edit(D::IDC_KA, style::ReadOnly)}),
        row({button(D::IDC_ZRHO_BUTTON, "接触系数Zρ="), edit(D::IDC_ZRHO, style::ReadOnly)}),
        field("直径系数比 d1/a =", D::IDC_D1A, "", style::ReadOnly),
    });
}

Node resultGroup() {
    using D = CcwPrDlg;
    return group(IDC_STATIC, "预定参数", {
        button(D::IDC_CALC, "计算中心距A="),
        row({field("蜗杆头数 Z1 =", D::IDC_Z1, "", style::ReadOnly),
             field("蜗轮齿数 Z2 =", D::IDC_Z2, "", style::ReadOnly)}),
        field("计算模数 m' =", D::IDC_M_CALC, "mm", style::ReadOnly),
        row({label("标准模数 m ="), combo(D::IDC_MODULE), label("mm")}),
        field("直径系数 q =", D::IDC_Q, "", style::ReadOnly),
        field("计算直径 d1' =", D::IDC_D1_CALC, "mm", style::ReadOnly),
        row({label("标准直径 d1 ="), combo(D::IDC_DIAMETER), label("mm")}),
        field("中心距 a =", D::IDC_A, "mm", style::ReadOnly),
        field("蜗轮分度圆直径 d2 =", D::IDC_D2, "mm", style::ReadOnly),
        field("导程角 γ =", D::IDC_GAMMA, "°", style::ReadOnly),
    });
}

Node designGroup() {
    using D = CcwPrDlg;
    return group(IDC_STATIC, "设计标识", {
        field("标题：", D::IDC_TITLE),
        row({field("编号：", D::IDC_NUMBER), field("日期：", D::IDC_DATE)}),
    });
}

void addPreliminary(Module& m) {
    using D = CcwPrDlg;
    m.addDialog({.id = D::IDD, .caption = "蜗杆传动预定计算", .body = {
        designGroup(),
        wormTypeGroup(),
        row({column({driveGroup(), materialGroup()}), resultGroup()}),
        row({label("状态提示"), edit(D::IDC_HINT, style::ReadOnly)}),
        row({button(D::IDC_LOAD, "装入数据"), defButton(IDOK, "保存返回"), button(IDCANCEL, "取  消"),
             button(D::IDC_HELP, "帮  助")}),
    }});
}

void addServiceConditions(Module& m) {
    using D = CCwKaDlg;
    m.addDialog({.id = D::IDD, .caption = "使用系数 KA", .body = {
        row({
            group(IDC_STATIC, "典型原动机特性", {
                radio(D::IDC_DRIVER_STEADY, "平稳", style::Group), radio(D::IDC_DRIVER_LIGHT, "轻度冲击"),
                radio(D::IDC_DRIVER_MODERATE, "中等冲击"), radio(D::IDC_DRIVER_HEAVY, "严重冲击")}),
            group(IDC_STATIC, "典型工作机特性", {
                radio(D::IDC_DRIVEN_STEADY, "平稳", style::Group), radio(D::IDC_DRIVEN_SLIGHT, "轻微冲击"),
                radio(D::IDC_DRIVEN_MODERATE, "中等冲击"), radio(D::IDC_DRIVEN_LARGE, "较大冲击")}),
        }),
        row({defButton(IDOK, "确  定"), button(IDCANCEL, "取  消")}),
    }});
}

// The materials as a table: each row a radio with the material's name and
// its columns at fixed places (row 1 shows its contact limit as printed,
// "256MPa").
void addMaterials(Module& m) {
    using D = CCwMetDlg;
    constexpr int kX[] = {8, 84, 110, 168, 226, 260, 294, 334};   // name, casting, DIN, GB, σH, σF, ZE, Ulim
    constexpr int kW[] = {74, 24, 56, 56, 32, 32, 38, 32};
    constexpr int kTop = 22, kRow = 13;
    std::vector<Node> body;
    const char* heads[] = {"材料", "铸造", "DIN", "GB", "σHlim", "σFlim", "ZE", "Ulim"};
    for (int c = 0; c < 8; ++c) body.push_back(label(heads[c]).at(kX[c] + (c == 0 ? 12 : 0), 8, kW[c], 10));
    for (int r = 0; r < worm::kMaterialCount; ++r) {
        const auto& mat = worm::wormGearMaterials()[std::size_t(r)];
        const int y = kTop + r * kRow;
        auto mpa = [](double v) { return fw::format("%gMPa", v); };
        body.push_back(radio(D::kRowIds[std::size_t(r)], mat.name, r == 0 ? style::Group : 0)
                           .at(kX[0], y, kW[0], 10)
                           .named(std::string(mat.name) + " " + mat.casting));   // a material is cast two ways
        const std::string cols[] = {mat.casting, mat.din, mat.gb, mpa(r == 0 ? 256 : mat.sigmaHlim),
                                    mpa(mat.sigmaFlim), mpa(mat.ze), mpa(mat.sigmaFlim)};
        for (int c = 1; c < 8; ++c) body.push_back(label(cols[c - 1]).at(kX[c], y + 1, kW[c], 10));
    }
    const int bottom = kTop + worm::kMaterialCount * kRow + 6;
    body.push_back(defButton(IDOK, "确  定").at(238, bottom, 56, 15));
    body.push_back(button(IDCANCEL, "取  消").at(306, bottom, 56, 15));
    m.addDialog({.id = D::IDD, .caption = "典型蜗轮材料", .size = Size{372, bottom + 22}, .body = body});
}

}  // namespace

void addPreliminaryTemplates(Module& m) {
    addPreliminary(m);
    addServiceConditions(m);
    addMaterials(m);
}

}  // namespace tarv
