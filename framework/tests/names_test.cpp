// The names of controls (what a screen reader says, what a refusal starts
// with) hold a label's words and symbol, never its punctuation: the rows of
// real templates that gave names with a colon, an equals sign, a dash or a
// bracket of the label.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fw/fw.h"
#include "fwtest/script.h"

namespace {

using namespace fw;

struct Case {
    const char* what;
    Node body;
    std::map<int, std::string> names;   // id -> the name it is to have
};

std::string nameOf(const Dialog& d, int id) {
    for (const auto& [c, name] : controlNames(d))
        if (c->id() == id) return name;
    return "(no name)";
}

TEST(Names, HoldTheLabelsWordsAndSymbolWithoutItsPunctuation) {
    const Case cases[] = {
        {"label:symbol, and the pair's second symbol takes the words of the first",
         row({field("齿数:Z1=", 1, "", style::Digits), field("Z2=", 2, "", style::Digits)}),
         {{1, "齿数 Z1"}, {2, "齿数 Z2"}}},
        {"a full-width colon and a full-width equals sign",
         row({field("高变位系数:χ1=", 1), field("χ2＝", 2)}), {{1, "高变位系数 χ1"}, {2, "高变位系数 χ2"}}},
        {"a colon and a blank before the symbol", field("模数： Mn", 1), {{1, "模数 Mn"}}},
        {"a bare symbol of another letter keeps to itself", row({field("模数:m=", 1, "mm"), field("Z2=", 2)}),
         {{1, "模数 m"}, {2, "Z2"}}},
        {"the parts of an angle are named by its symbol, without the colon before it",
         row({label("中点螺旋角:βm="), edit(1), label("°"), edit(2), label("′"), edit(3), label("″")}),
         {{1, "βm 度"}, {2, "βm 分"}, {3, "βm 秒"}}},
        {"a dash after the equals sign (the field holds a negative deviation)",
         column({row({label("公法线上偏差：  Ws = -"), edit(1), label("mm")}),
                 row({label("测量跨径上偏差：   -"), edit(2), label("mm")})}),
         {{1, "公法线上偏差 Ws"}, {2, "测量跨径上偏差"}}},
        {"a button whose caption ends with a colon", row({button(1, "选用典型材料:"), label("")}),
         {{1, "选用典型材料"}}},
        // The field keeps the label (its refusals read it); the button, named
        // the same, says what it is.
        {"a button that ends with an equals sign names the result after it",
         row({button(1, "传递功率 N ="), edit(2, style::ReadOnly), label("kW")}),
         {{1, "传递功率 N 按钮"}, {2, "传递功率 N"}}},
        {"a radio that chooses the value after it",
         column({row({radio(1, "标准上限偏心距:", style::Group), edit(2), label("mm")}),
                 row({radio(3, "自定义设定小齿轮螺旋角：     β'1   = "), edit(4), label("°")})}),
         {{1, "标准上限偏心距 单选按钮"}, {2, "标准上限偏心距"}, {3, "自定义设定小齿轮螺旋角 β'1 单选按钮"},
          {4, "自定义设定小齿轮螺旋角 β'1"}}},
        {"a button whose caption ends without a mark gives the field its symbol",
         row({button(1, "工况系数KA"), edit(2, style::ReadOnly)}), {{1, "工况系数KA"}, {2, "KA"}}},
        {"a radio that closes the bracket a label opened",
         row({label("齿顶角("), radio(1, "不等顶隙", style::Group), radio(2, "等顶隙 ):")}),
         {{1, "不等顶隙"}, {2, "等顶隙"}}},
        {"a colon between words of a caption", radio(1, "平稳：电动机、气轮机", style::Group),
         {{1, "平稳 电动机、气轮机"}}},
        {"a slider's range keeps the sign of its ends",
         row({label("转角"), label("-0.5", 7), trackbar(1), label("2", 8)}), {{1, "转角 -0.5–2"}}},
        {"brackets that close stay, so does a ratio", field("蜗杆齿宽(取整数) 1:2 b1 =", 1), {{1, "蜗杆齿宽(取整数) 1:2 b1"}}},
        {"a group caption put in front of a repeated name is clean too",
         row({group(IDC_STATIC, "小齿轮:", {field("齿数：", 1)}), group(IDC_STATIC, "大齿轮:", {field("齿数：", 2)})}),
         {{1, "小齿轮 齿数"}, {2, "大齿轮 齿数"}}},
        // A table of both gears: the pinion's column carries the item
        // labels, the gear's leaves them blank; each field says whose it is.
        {"each column of a table of gears says its gear",
         row({column({label("小齿轮 Z1"), field("齿数：", 1), field("公法线上偏差：  Ws = -", 3, "mm")}),
              column({label("大齿轮 Z2"), field(" ", 2, "  "), field(" ", 4, "mm")})}),
         {{1, "齿数 小齿轮 Z1"}, {2, "齿数 大齿轮 Z2"}, {3, "公法线上偏差 Ws 小齿轮 Z1"}, {4, "公法线上偏差 Ws 大齿轮 Z2"}}},
        {"columns side by side that both carry labels are no table",
         row({column({label("小齿轮"), field("齿数：", 1)}), column({label("大齿轮"), field("模数：", 2)})}),
         {{1, "齿数"}, {2, "模数"}}},
        // "NE = [multiplier] × [power of ten]": a sign says nothing, so the
        // list takes no name from it (its template names it).
        {"a multiplication sign is no word",
         row({field("当量循环次数 NE =", 1), label("×"), combo(2, {"10＾3", "10＾4"})}),
         {{1, "当量循环次数 NE"}, {2, ""}}},
    };
    int id = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Module m("names");
        m.addDialog(dialog(++id, "名称", {c.body}));
        Dialog d(m, id);
        for (const auto& [control, name] : c.names) {
            EXPECT_EQ(nameOf(d, control), name) << "id " << control;
            EXPECT_EQ(fieldLabel(d, control), name) << "id " << control;
        }
    }
}

// The blanks of every script (Chinese labels pad with the ideographic space
// "　", pasted texts bring no-break and typographic spaces) are collapsed as
// ASCII blanks are: a name has one ASCII blank between words and none at
// either end, whichever kind of blank its label has and wherever.
TEST(Names, CollapseBlanksOfEveryKind) {
    const char* const blanks[] = {"\t",           "\xc2\xa0" /* U+00A0 */, "\xe1\x9a\x80" /* U+1680 */,
                                  "\xe2\x80\x80" /* U+2000 */, "\xe2\x80\x82" /* U+2002 */,
                                  "\xe2\x80\x83" /* U+2003 */, "\xe2\x80\x89" /* U+2009 */,
                                  "\xe2\x80\x8a" /* U+200A */, "\xe2\x80\xa8" /* U+2028 */,
                                  "\xe2\x80\xaf" /* U+202F */, "\xe2\x81\x9f" /* U+205F */,
                                  "\xe3\x80\x80" /* U+3000 */};
    int id = 100;
    for (const std::string b : blanks) {
        SCOPED_TRACE("blank " + testing::PrintToString(b));
        Module m("names");
        m.addDialog(dialog(++id, "名称", {
            field(b + "总变位系数：" + b + " " + b + "χnΣ=" + b, 1),
            row({label("模数" + b + b + ":" + b + "m" + b + "=" + b), edit(2), subscript("n")}),
            radio(3, b + "软齿面" + b + b + "HB≤350" + b, style::Group),
            button(4, "&O" + b + b + "装入" + b + "数据"),
            row({group(IDC_STATIC, b + "小齿轮" + b + b, {field("齿数：", 5)}),
                 group(IDC_STATIC, "大齿轮" + b, {field("齿数：", 6)})}),
        }));
        Dialog d(m, id);
        const std::map<int, std::string> expected = {{1, "总变位系数 χnΣ"}, {2, "模数 mn"}, {3, "软齿面 HB≤350"},
                                                     {4, "O 装入 数据"}, {5, "小齿轮 齿数"}, {6, "大齿轮 齿数"}};
        for (const auto& [control, name] : expected) {
            EXPECT_EQ(nameOf(d, control), name) << "id " << control;
            EXPECT_EQ(fieldLabel(d, control), name) << "id " << control;
        }
    }
}

// A refusal starts with the field's name, so it reads the same clean words.
class Modulus : public Dialog {
public:
    explicit Modulus(const Module& m) : Dialog(m, 1) {}
    void DoDataExchange(Exchange& dx) override { dx.number(10, m_m, 0.1, 50); }
    double m_m = 2;
};

TEST(Names, ARefusalStartsWithTheCleanName) {
    Module m("names");
    m.addDialog(dialog(1, "模数", {field("模数:m=", 10, "mm"), defButton(IDOK, "确定"), button(IDCANCEL, "取消")}));
    fwtest::Session s;
    s.expectMessage("模数 m：请输入 0.1 到 50 之间的数值。", IDOK);
    Modulus d(m);
    s.onDialog(1, [&](fwtest::Running& r) {
        r.type(10, "80");
        EXPECT_FALSE(d.UpdateData(true));
        r.end(IDCANCEL);
    });
    d.DoModal();
    ASSERT_EQ(s.messages().size(), 1u);
}

}  // namespace
