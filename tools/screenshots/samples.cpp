#include "samples.h"

namespace samples {

namespace {

// A small gradient picture, generated.
fw::Bitmap sampleBitmap() {
    fw::Bitmap b{.id = IDB_SAMPLE, .width = 96, .height = 48};
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            const bool grid = x % 16 == 0 || y % 16 == 0;
            b.rgba.insert(b.rgba.end(), {std::uint8_t(grid ? 90 : 200 + x / 2), std::uint8_t(grid ? 90 : 220),
                                         std::uint8_t(grid ? 90 : 255 - y * 2), 255});
        }
    return b;
}

void addTemplates(fw::Module& m) {
    using namespace fw;
    m.addDialog({.id = IDD_ALL_KINDS, .caption = "控件示例", .body = {
        row({
            column({
                group(IDC_STATIC, "基本参数", {
                    field("小齿轮齿数 Z1 =", IDC_Z1, "", style::Digits),
                    field("法面模数 mn =", IDC_M, "mm"),
                    field("压力角 α =", IDC_ALPHA, "度"),
                    field("中心距 a =", IDC_A, "mm", style::ReadOnly)}),
                group(IDC_STATIC, "计算方式", {
                    radio(IDC_R_POWER, "按输入转速与功率计算", style::Group),
                    radio(IDC_R_TORQUE, "按输出转速与输出扭矩计算"),
                    check(IDC_CHECK, "考虑变位系数")}),
                group(IDC_STATIC, "精度与系数", {
                    row({label("精度等级"), combo(IDC_GRADE, {"6", "7", "8", "9"})}),
                    row({label("使用系数 KA"), combo(IDC_FACTOR, {"1.00", "1.25", "1.50"}, style::DropDown)})}),
            }),
            column({
                group(IDC_STATIC, "材料", {listBox(IDC_LIST, {"45 调质", "40Cr 调质", "20CrMnTi 渗碳淬火"})}),
                listView(IDC_VIEW),
                row({label("齿宽系数"), trackbar(IDC_SLIDER)}),
                row({label("日期"), datePicker(IDC_DATE)}),
                picture(IDC_PIC, IDB_SAMPLE),
            }),
        }),
        label("", IDC_HINT, style::Sunken),
        row({button(IDC_CALC, "&C 计算"), defButton(IDOK, "&R 保存返回"), button(IDCANCEL, "&Q 取  消")})}});

    m.addDialog({.id = IDD_SHEET_P1, .caption = "齿轮副", .body = {
        group(IDC_STATIC, "齿轮副参数", {
            field("传动比 i =", IDC_Z1), field("中心距 a =", IDC_A, "mm"), field("模数 m =", IDC_M, "mm")}),
        check(IDC_CHECK, "标准中心距")}});
    m.addDialog({.id = IDD_SHEET_P2, .caption = "小齿轮", .body = {
        field("齿数 Z1 =", IDC_Z1, "", style::Digits), field("变位系数 x1 =", IDC_ALPHA),
        label("", IDC_HINT, style::Sunken)}});

    m.addDialog({.id = IDD_WIZ_P1, .caption = "设计向导", .body = {
        label("第一步：输入设计名称与说明。", IDC_STATIC, style::Multiline),
        field("设计名称", IDC_NAME), field("说明", IDC_NOTE)}});
    m.addDialog({.id = IDD_WIZ_P2, .caption = "设计向导", .body = {
        label("第二步：选择计算方式。", IDC_STATIC, style::Multiline),
        radio(IDC_R_POWER, "按功率计算", style::Group), radio(IDC_R_TORQUE, "按扭矩计算")}});
}

}  // namespace

const fw::Module& module() {
    static fw::Module m = [] {
        fw::Module mod("samples");
        addTemplates(mod);
        mod.addBitmap(sampleBitmap());
        return mod;
    }();
    return m;
}

}  // namespace samples
