#include "common/dialogs/face_load_table_dialog.h"

#include <array>
#include <string>

#include "fw/format.h"

namespace kavrin {

FaceLoadTableDialog::FaceLoadTableDialog(const FactorDialogCopy& copy, fw::Window* parent)
    : fw::Dialog(copy.module(), copy.templateId, parent), m_helpContext(copy.helpContext) {
    for (int k = 0; k < kColumns; ++k) {
        onClick(IDC_FIRST_COLUMN + k, [this, k] { OnColumn(k); });
        onSelChange(IDC_FIRST_LIST + k, [this, k] { OnSelChange(k); });
    }
}

bool FaceLoadTableDialog::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    for (int k = 1; k < kColumns; ++k) enable(IDC_FIRST_LIST + k, false);
    enable(IDC_FIRST_LIST, true);
    combo(IDC_FIRST_LIST).setCurSel(0);
    OnSelChange(0);
    return true;
}

void FaceLoadTableDialog::OnColumn(int k) {
    for (int j = 0; j < kColumns; ++j) enable(IDC_FIRST_LIST + j, false);
    enable(IDC_FIRST_LIST + k, true);
}

void FaceLoadTableDialog::OnSelChange(int k) {
    const fw::ComboBox& list = combo(IDC_FIRST_LIST + k);
    int sel = list.curSel();
    if (sel < 0 || sel >= list.count()) return;
    if (auto v = fw::parseNumber(list.itemText(sel))) m_value = *v;
}

namespace {

using Column = std::array<const char*, 3>;
// Columns 3088..3093, rows 较好, 一般, 较差.
constexpr std::array<Column, 6> kContact = {{{"1.3", "1.85", "2.8"}, {"1.5", "2.1", "3.3"}, {"1.7", "2.6", "3.8"},
                                             {"1.3", "1.6", "1.75"}, {"1.5", "1.85", "2.1"}, {"1.7", "2.1", "2.5"}}};
constexpr std::array<Column, 6> kBending = {{{"1.05", "1.6", "2.2"}, {"1.15", "1.8", "2.5"}, {"1.35", "2.1", "2.8"},
                                             {"1.2", "1.4", "1.55"}, {"1.35", "1.6", "1.75"}, {"1.5", "1.8", "2.0"}}};

}  // namespace

fw::DialogTemplate faceLoadTableTemplate(int id, FaceLoadFactor factor, FaceLoadBuild build) {
    using namespace fw;
    const bool contact = factor == FaceLoadFactor::Contact;
    const bool rating = build == FaceLoadBuild::Rating;
    std::string caption;
    if (rating)
        caption = contact ? "《Ondrel》Kavrin 圆锥齿轮接触强度的齿向负载分布系数" : "《Ondrel》 Kavrin 圆锥齿轮的弯曲强度齿向负载分布系数";
    else
        caption = contact ? "《Ondrel》 Kavrin 圆锥齿轮接触强度齿向负载分布系数" : "《Ondrel》 Kavrin 圆锥齿轮弯曲强度齿向负载分布系数";
    const std::string rightHeading = (contact && !rating) ? "曲线齿圆锥齿轮、带鼓形齿的圆锥齿轮"
                                                          : "曲线齿圆锥齿轮、带鼓形齿的直齿圆锥齿轮";
    const std::uint32_t framed = rating ? 0u : style::Border;
    const std::uint32_t heading = style::Center | (rating ? 0u : style::Sunken | style::Border);
    const int dy = contact ? 0 : 1;  // the bending table sits a unit lower
    const auto& values = contact ? kContact : kBending;
    DialogTemplate t{.id = id, .caption = caption, .font = {"宋体", 10},
                     .size = Size{contact && !rating ? 311 : 303, contact && rating ? 92 : 90}};
    auto& b = t.body;
    b.push_back(defButton(IDOK, "确  定").at(7, 7, 36, 12));
    b.push_back(button(IDCANCEL, "取  消").at(7, contact ? 24 : 23, 36, 12));
    // A heading wraps inside its box, as a centred static does (the right one
    // takes two lines); a bordered heading's frame is a box of its own behind
    // the text, so that the text can wrap inside it.
    auto addHeading = [&](const std::string& text, int x, int w) {
        const int h = contact ? 16 : 19;
        if (heading & (style::Sunken | style::Border))
            b.push_back(label("", IDC_STATIC, heading & (style::Sunken | style::Border)).at(x, 7, w, h));
        b.push_back(label(text, IDC_STATIC, style::Center | style::Multiline).at(x, 7, w, h));
    };
    addHeading("不带鼓形齿的直齿圆锥齿轮", 54, contact ? 120 : 119);
    addHeading(rightHeading, 174, contact ? 129 : 122);
    b.push_back(label(contact ? "Khβ＝" : "Kwβ＝").at(27, 43 + dy, 24, 9));
    const char* rows[] = {"较 好", "一 般", "较 差"};
    const int rowY[] = {53, 63, 72};
    for (int r = 0; r < 3; ++r)
        b.push_back(label(rows[r], IDC_STATIC, style::Center | framed).at(32, rowY[r] + dy, 22, 10));
    b.push_back(label("\n轴支承\n刚性", IDC_STATIC, style::Center | style::Multiline).at(7, 53 + dy, 26, 31));
    const char* columns[] = {"两齿轮简支", "一齿轮悬臂", "两齿轮悬臂", "两齿轮简支", "一齿轮悬臂", "两齿轮悬臂"};
    const int buttonX[] = {55, 94, 134, 175, 216, 257};
    const int listX[2][6] = {{54, 94, 135, 175, 216, 257}, {54, 93, 133, 175, 215, 256}};
    // Each column is named by its heading and its support; its list by the factor too.
    auto columnName = [&](int k) { return std::string(k < 3 ? "不带鼓形齿的直齿圆锥齿轮" : rightHeading) + " " + columns[k]; };
    for (int k = 0; k < 6; ++k) {
        int y = (k == 5 && contact) ? 28 : 29;
        b.push_back(button(FaceLoadTableDialog::IDC_FIRST_COLUMN + k, columns[k]).at(buttonX[k], y, 40, 12).named(columnName(k)));
    }
    for (int k = 0; k < 6; ++k) {
        std::uint32_t s = style::Simple;
        if (k == 3) s |= style::Sorted;
        int y = contact ? 42 : (k >= 3 ? 43 : 44);
        const Column& col = values[static_cast<std::size_t>(k)];
        b.push_back(combo(FaceLoadTableDialog::IDC_FIRST_LIST + k, {col[0], col[1], col[2]}, s)
                        .at(listX[contact ? 0 : 1][k], y, 38, 42)
                        .named(std::string(contact ? "Khβ " : "Kwβ ") + columnName(k)));
    }
    return t;
}

}  // namespace kavrin
