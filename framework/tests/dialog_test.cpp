// The window model through the scripted backend: controls, notifications,
// the focus and re-entrancy rules, data exchange, nested modals, message and
// file dialogs, canvas.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "fw/format.h"
#include "fw/text.h"
#include "fwtest/script.h"
#include "sample.h"

using namespace sample;
using fwtest::Running;
using fwtest::Session;

namespace {

// Runs the sample dialog with one script; returns its end code.
int runSample(Session& s, SampleDlg& dlg, fwtest::Script script) {
    s.onDialog(IDD_SAMPLE, std::move(script));
    return dlg.DoModal();
}

}  // namespace

TEST(Dialog, TemplateBuildsEveryControlKindInItsInitialState) {
    Session s;
    SampleDlg dlg;
    runSample(s, dlg, [&](Running& d) {
        EXPECT_EQ(d.caption(), "样例");
        EXPECT_TRUE(d.readOnly(IDC_RESULT));
        // Sorted drop list; DoDataExchange selected index 1 ("乙").
        EXPECT_EQ(d.items(IDC_LIST), (std::vector<std::string>{"丙", "乙", "甲"}));
        EXPECT_EQ(d.text(IDC_LIST), "乙");
        EXPECT_EQ(d.text(IDC_EDITABLE), "0.25");
        EXPECT_EQ(d.items(IDC_LISTBOX).size(), 2u);
        EXPECT_FALSE(d.enabled(IDC_S1));      // style::Disabled
        EXPECT_FALSE(d.visible(IDC_PIC));     // style::Hidden
        EXPECT_EQ(d.bitmap(IDC_PIC), IDB_CHART);
        EXPECT_TRUE(d.checked(IDC_R0));       // m_mode = 0
        EXPECT_EQ(dlg.trackbar(IDC_SLIDER).rangeMax(), 40);
        EXPECT_TRUE(dlg.trackbar(IDC_SLIDER).vertical());
        EXPECT_EQ(dlg.listView(IDC_VIEW).columns().size(), 2u);
        EXPECT_EQ(d.dateOf(IDC_DATE).day, 6);
        EXPECT_EQ(dlg.defaultButton(), IDOK);
        // The first focusable control has the focus.
        EXPECT_EQ(d.focused(), IDC_X);
        // Radio group spans both group boxes, ends at the next Group radio.
        EXPECT_EQ(dlg.radioGroup(IDC_R0), (std::vector<int>{IDC_R0, IDC_R1, IDC_R2}));
        d.click(IDC_R2);
        EXPECT_FALSE(d.checked(IDC_R0));
        EXPECT_TRUE(d.checked(IDC_R2));
        EXPECT_TRUE(d.checked(IDC_S0));       // other group untouched
        EXPECT_FALSE(d.click(IDC_S1));        // disabled radio refuses
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.m_mode, 2);
    EXPECT_EQ(dlg.m_second, 0);
}

// The enum form of the radio exchange: loading checks the enumerator's radio,
// saving reads the checked one back; with none checked the member keeps its value.
TEST(Dialog, RadioExchangeBindsAnEnum) {
    enum class Tooth { Straight, Curved, Skew };
    struct EnumDlg : SampleDlg {
        void DoDataExchange(fw::Exchange& dx) override {
            SampleDlg::DoDataExchange(dx);
            dx.radio(IDC_R0, tooth);
        }
        Tooth tooth = Tooth::Curved;
    };
    fwtest::Session s;
    s.onDialog(IDD_SAMPLE, [](Running& d) {
        EXPECT_TRUE(d.checked(IDC_R1));
        EXPECT_FALSE(d.checked(IDC_R0));
        d.click(IDC_R2);
        d.click(IDOK);
    });
    EnumDlg dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.tooth, Tooth::Skew);

    s.onDialog(IDD_SAMPLE, [&](Running& d) {
        for (int id : {IDC_R0, IDC_R1, IDC_R2}) d.dialog().setCheck(id, false);
        EXPECT_TRUE(d.dialog().UpdateData(true));
        d.end(IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(dlg.tooth, Tooth::Skew);
}

TEST(Dialog, FocusMovesDeliverKillFocusBeforeTheActionThatMovedIt) {
    struct Case {
        const char* name;
        std::function<void(Running&)> act;
        std::vector<std::string> log;
    };
    // Expected orders follow the framework's focus rule; x has just been
    // edited, so leaving it runs its check.
    const std::vector<Case> cases = {
        // The calculation writes the doubled x back: one change notification.
        {"click a button", [](Running& d) { d.click(IDC_CALC); }, {"kill 10", "click 90", "change 10"}},
        {"tab to the next field", [](Running& d) { d.leave(); }, {"kill 10", "setfocus 11"}},
        {"click a check box", [](Running& d) { d.click(IDC_CHECK); }, {"kill 10", "click 40"}},
        {"Enter on the default button", [](Running& d) { d.enter(); }, {"kill 10"}},
        // Leaving the dialog checks nothing.
        {"Escape", [](Running& d) { d.escape(); }, {}},
        {"Cancel", [](Running& d) { d.click(IDCANCEL); }, {}},
        {"close box", [](Running& d) { d.close(); }, {}},
        {"drag a trackbar: no focus change", [](Running& d) { d.drag(IDC_SLIDER, 7); }, {"released 70"}},
    };
    for (const auto& c : cases) {
        Session s;
        s.answerMessage(IDNO);  // leaving asks whether to save
        SampleDlg dlg;
        runSample(s, dlg, [&](Running& d) {
            d.type(IDC_X, "6");
            dlg.log.clear();
            c.act(d);
            if (!d.ended()) d.end(IDCANCEL);
        });
        EXPECT_EQ(dlg.log, c.log) << c.name;
    }
}

// A field is checked once per change: leaving it with the text its last
// check saw runs no check. The first visit of a field checks the value the
// program gave it (a default is confirmed by passing through it).
TEST(Dialog, LeavingAnUnchangedFieldRunsNoCheck) {
    Session s;
    SampleDlg dlg;
    runSample(s, dlg, [&](Running& d) {
        d.focus(IDC_N);
        dlg.log.clear();
        d.leave();   // n as the dialog filled it in: checked once
        d.focus(IDC_N);
        d.leave();
        d.type(IDC_N, "17");   // the same text again
        d.leave();
        EXPECT_EQ(dlg.log, (std::vector<std::string>{"kill 11", "setfocus 12", "kill 12", "setfocus 11", "setfocus 12",
                                                     "setfocus 11", "setfocus 12"}));
        dlg.log.clear();
        d.type(IDC_N, "18");
        d.leave();
        d.focus(IDC_N);
        d.leave();
        // Typed and typed back before leaving: unchanged.
        d.typeKeys(IDC_N, "19");
        d.type(IDC_N, "18");
        d.leave();
        EXPECT_EQ(dlg.log, (std::vector<std::string>{"setfocus 11", "change 11", "kill 11", "setfocus 12", "setfocus 11",
                                                     "setfocus 12", "setfocus 11", "change 11", "change 11", "change 11",
                                                     "change 11", "setfocus 12"}));
        // A value the program writes is checked when the field is next left.
        dlg.setText(IDC_N, "30");
        dlg.log.clear();
        d.focus(IDC_N);
        d.leave();
        d.focus(IDC_N);
        d.leave();
        EXPECT_EQ(dlg.log, (std::vector<std::string>{"setfocus 11", "kill 11", "setfocus 12", "setfocus 11", "setfocus 12"}));
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.m_n, 30);
}

TEST(Dialog, KillFocusThatOpensAMessageBoxDropsTheClick) {
    Session s;
    s.expectMessage("请输入齿数！", IDOK);
    SampleDlg dlg;
    dlg.refuseEmptyN = true;
    runSample(s, dlg, [&](Running& d) {
        d.type(IDC_N, "");
        dlg.log.clear();
        EXPECT_FALSE(d.click(IDC_CALC));
        // The handler put the focus back (set-focus again); no "click 90".
        EXPECT_EQ(dlg.log, (std::vector<std::string>{"kill 11", "setfocus 11"}));
        EXPECT_EQ(d.focused(), IDC_N);
        // The notice came once: Enter now goes on to OK, whose exchange
        // refuses the empty field, and the dialog stays open.
        s.expectMessage("n：请输入一个整数。", IDOK);
        EXPECT_TRUE(d.enter());
        EXPECT_FALSE(d.ended());
        d.type(IDC_N, "20");
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_n, 20);
    EXPECT_EQ(s.messages().size(), 2u);
}

// Cancel, Escape and the close box leave whatever a field holds: its check
// does not run on the way out. The focus that only passed over Cancel has
// the field checked when it goes on elsewhere, and not when it comes back.
TEST(Dialog, LeavingTheDialogChecksNoField) {
    for (auto leave : std::vector<std::function<bool(Running&)>>{[](Running& d) { return d.click(IDCANCEL); },
                                                                 [](Running& d) { return d.escape(); },
                                                                 [](Running& d) { return d.close(); }}) {
        Session s;
        SampleDlg dlg;
        dlg.refuseEmptyN = true;
        s.expectMessage("数据尚未保存，是(Yes)否(No)保存数据？", IDNO);   // the dialog's own cancel question
        runSample(s, dlg, [&](Running& d) {
            d.type(IDC_X, "abc");
            d.type(IDC_N, "");
            EXPECT_TRUE(leave(d));
            EXPECT_TRUE(d.ended());
        });
        EXPECT_EQ(dlg.result(), IDCANCEL);
        EXPECT_EQ(s.messages().size(), 1u);
    }
    Session s;
    SampleDlg dlg;
    dlg.refuseEmptyN = true;
    runSample(s, dlg, [&](Running& d) {
        d.type(IDC_N, "");
        dlg.log.clear();
        EXPECT_TRUE(d.focus(IDCANCEL));   // pressed, and the mouse moved off it
        EXPECT_TRUE(d.focus(IDC_N));
        EXPECT_EQ(dlg.log, (std::vector<std::string>{"setfocus 11"}));
        EXPECT_TRUE(d.focus(IDCANCEL));
        s.expectMessage("请输入齿数！", IDOK);
        EXPECT_FALSE(d.focus(IDC_X));     // going on: n is checked now
        EXPECT_EQ(d.focused(), IDC_N);
        d.type(IDC_N, "20");
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.m_n, 20);
}

// "Edit again": the focus goes back once; left again unchanged, the field
// takes back its accepted text without a word, so the refused value never
// reaches the member. An exchange refusal in a field's own check does the same.
TEST(Dialog, EditAgainPutsTheAcceptedTextBackWhenLeftUnchanged) {
    Session s;
    SampleDlg dlg;
    dlg.askBigN = true;
    runSample(s, dlg, [&](Running& d) {
        s.expectMessage("n = 500 很大，是否继续？", IDNO);
        d.type(IDC_N, "500");
        EXPECT_FALSE(d.leave());
        EXPECT_EQ(d.focused(), IDC_N);
        EXPECT_TRUE(d.leave());   // no second question
        EXPECT_EQ(d.text(IDC_N), "17");
        // Answered "continue": the value stays and is not asked about again.
        s.expectMessage("n = 400 很大，是否继续？", IDYES);
        d.type(IDC_N, "400");
        EXPECT_FALSE(d.leave());
        EXPECT_TRUE(d.leave());
        EXPECT_EQ(d.text(IDC_N), "400");
        // Edited after "edit again": checked as any change.
        s.expectMessage("n = 600 很大，是否继续？", IDNO);
        d.type(IDC_N, "600");
        d.leave();
        d.type(IDC_N, "60");
        EXPECT_TRUE(d.leave());
        EXPECT_EQ(d.text(IDC_N), "60");
        // The exchange's own refusal inside the check.
        s.expectMessage("x：请输入一个数值。", IDOK);
        d.type(IDC_X, "12abc");
        EXPECT_FALSE(d.leave());
        EXPECT_TRUE(d.leave());
        EXPECT_EQ(d.text(IDC_X), "5");
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.m_n, 60);
    EXPECT_EQ(dlg.m_x, 5);
    EXPECT_EQ(s.messages().size(), 4u);
}

// A field with no check of its own refused while another field's check reads
// every field: the focus goes to it once, and left unchanged it takes back its
// text, so the refusal does not come back on every later check.
TEST(Dialog, AFieldRefusedByAnotherFieldsCheckIsRefusedOnce) {
    Session s;
    SampleDlg dlg;
    dlg.askBigN = true;   // leaving x reads every field
    runSample(s, dlg, [&](Running& d) {
        s.answerMessage(IDOK);
        d.type(IDC_N, "abc");   // n's own check asks about big numbers only
        d.type(IDC_X, "7");
        d.leave();   // the refusal of n; the focus goes to n (where Tab was going)
        EXPECT_EQ(d.focused(), IDC_N);
        EXPECT_TRUE(d.leave());
        EXPECT_EQ(d.text(IDC_N), "17");
        // The refused field elsewhere than where the focus was going.
        s.answerMessage(IDOK);
        d.type(IDC_N, "abc");
        d.type(IDC_X, "6");
        EXPECT_FALSE(d.click(IDC_CALC));
        EXPECT_EQ(d.focused(), IDC_N);
        EXPECT_TRUE(d.leave());
        EXPECT_EQ(d.text(IDC_N), "17");
        for (const char* x : {"8", "9"}) {
            d.type(IDC_X, x);
            EXPECT_TRUE(d.leave()) << x;
        }
        d.click(IDOK);
    });
    EXPECT_EQ(s.messages().size(), 2u);
    EXPECT_EQ(dlg.m_x, 9);
    EXPECT_EQ(dlg.m_n, 17);
}

TEST(Dialog, ProgrammaticTextChangeFiresChangeOnlyOnARealChange) {
    Session s;
    SampleDlg dlg;
    runSample(s, dlg, [&](Running& d) {
        dlg.log.clear();
        dlg.setText(IDC_NAME, "");       // already empty
        dlg.setText(IDC_NAME, "甲");
        dlg.setText(IDC_NAME, "甲");
        EXPECT_EQ(dlg.log, (std::vector<std::string>{"change 12"}));
        d.click(IDOK);
    });
}

TEST(Dialog, NoNotificationReachesADialogWhileANestedModalIsUp) {
    Session s;
    SampleDlg dlg;
    s.onDialog(IDD_NESTED, [&](Running& n) {
        // A backend event for the outer dialog while the nested one runs.
        EXPECT_FALSE(dlg.acceptsInput());
        dlg.log.clear();
        EXPECT_FALSE(dlg.userClick(IDC_CALC));
        EXPECT_FALSE(dlg.userTyped(IDC_X, "9"));
        EXPECT_TRUE(dlg.log.empty());
        EXPECT_EQ(n.text(IDC_NESTED_VALUE), "0.5");   // m_x / 10
        n.type(IDC_NESTED_VALUE, "2.5");
        n.click(IDOK);
    });
    runSample(s, dlg, [&](Running& d) {
        d.click(IDC_NESTED);
        EXPECT_TRUE(dlg.acceptsInput());
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.m_nestedValue, 2.5);
    EXPECT_EQ(dlg.m_x, 5);
    EXPECT_EQ(s.dialogsRun(), (std::vector<int>{IDD_SAMPLE, IDD_NESTED}));
}

TEST(Dialog, SavingRefusesBadNumbersWithTheFrameworkMessage) {
    struct Case {
        const char* text;
        bool ok;
        double value;
        const char* message;
    };
    // Field IDC_X is bound with the range 1 to 100.
    const std::vector<Case> cases = {
        {"12.5", true, 12.5, ""},
        {" 1e2 ", true, 100, ""},                    // bound included, blanks allowed
        {"1", true, 1, ""},
        // The refusal names the field by its label ("x =").
        {"0.5", false, 5, "x：请输入 1 到 100 之间的数值。"},
        {"100.01", false, 5, "x：请输入 1 到 100 之间的数值。"},
        {"", false, 5, "x：请输入一个数值。"},
        {"-", false, 5, "x：请输入一个数值。"},
        {"12,5", false, 5, "x：请输入一个数值。"},   // C locale: no decimal comma
    };
    for (const auto& c : cases) {
        Session s;
        if (!c.ok) s.expectMessage(c.message, IDOK);
        SampleDlg dlg;
        runSample(s, dlg, [&](Running& d) {
            d.type(IDC_X, c.text);
            d.focus(IDC_N);
            EXPECT_EQ(dlg.UpdateData(true), c.ok) << c.text;
            EXPECT_EQ(dlg.m_x, c.value) << c.text;
            if (!c.ok) {
                EXPECT_EQ(d.focused(), IDC_X) << c.text;
                EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation);
                EXPECT_EQ(s.messages().back().caption, "Kavrin");
            }
            d.end(IDCANCEL);
        });
    }
}

// A quantity's bounds, with 0 beside them for "not given yet": the same text
// names the range for numbers and for whole numbers.
TEST(Dialog, BoundsWithZeroForNotGiven) {
    struct Case {
        const char* text;
        const char* message;   // empty: taken
    };
    const fw::Bounds b{0.5, 10, true};
    const std::vector<Case> numbers = {
        {"0", ""}, {"0.5", ""}, {"10", ""}, {"0.4", "x：请输入 0 或 0.5 到 10 之间的数值。"},
        {"1e300", "x：请输入 0 或 0.5 到 10 之间的数值。"}, {"1e-300", "x：请输入 0 或 0.5 到 10 之间的数值。"},
        {"-0.5", "x：请输入 0 或 0.5 到 10 之间的数值。"},
    };
    for (const auto& c : numbers) {
        Session s;
        if (*c.message) s.expectMessage(c.message, IDOK);
        SampleDlg dlg;
        runSample(s, dlg, [&](Running& d) {
            d.type(IDC_X, c.text);
            fw::Exchange dx(dlg, fw::Exchange::Direction::Save);
            double v = 7;
            dx.number(IDC_X, v, b);
            EXPECT_EQ(dx.failed(), *c.message != 0) << c.text;
            if (!dx.failed()) { EXPECT_EQ(v, *fw::parseNumber(c.text)) << c.text; }
            d.end(IDCANCEL);
        });
    }
    const std::vector<Case> counts = {
        {"0", ""}, {"3", ""}, {"10", ""}, {"11", "n：请输入 0 或 1 到 10 之间的整数。"}, {"-1", "n：请输入 0 或 1 到 10 之间的整数。"},
    };
    for (const auto& c : counts) {
        Session s;
        if (*c.message) s.expectMessage(c.message, IDOK);
        SampleDlg dlg;
        runSample(s, dlg, [&](Running& d) {
            d.type(IDC_N, c.text);
            fw::Exchange dx(dlg, fw::Exchange::Direction::Save);
            std::int32_t v = 7;
            dx.integer(IDC_N, v, fw::Bounds{1, 10, true});
            EXPECT_EQ(dx.failed(), *c.message != 0) << c.text;
            if (!dx.failed()) { EXPECT_EQ(v, *fw::parseInteger(c.text)) << c.text; }
            d.end(IDCANCEL);
        });
    }
}

// A field that reads a named range tells the watcher its dialog, id, name
// and bounds at every exchange, loading as saving, also after an earlier
// refusal; the refusal still names the field by its label, whatever name
// the range has (a test holds the two together). An empty watcher stops it.
TEST(Dialog, NamedRangesAreToldToTheWatcher) {
    struct Told {
        const fw::Dialog* dialog;
        int id;
        std::string name;
        fw::Bounds bounds;
    };
    std::vector<Told> told;
    fw::watchNamedRanges([&](const fw::Dialog& d, int id, std::string_view name, const fw::Bounds& b) {
        told.push_back({&d, id, std::string(name), b});
    });
    Session s;
    s.expectMessage("x：请输入 0.5 到 10 之间的数值。", IDOK);
    SampleDlg dlg;
    runSample(s, dlg, [&](Running& d) {
        const fw::Bounds b{0.5, 10};
        double x = 2;
        std::int32_t n = 3;
        fw::Exchange load(dlg, fw::Exchange::Direction::Load);
        load.number(IDC_X, x, b, "table x");
        load.integer(IDC_N, n, fw::Bounds{1, 10}, "table n");
        EXPECT_EQ(d.text(IDC_X), "2");
        d.type(IDC_X, "11");
        fw::Exchange save(dlg, fw::Exchange::Direction::Save);
        save.number(IDC_X, x, b, "table x");   // refused in the label's words
        save.integer(IDC_N, n, fw::Bounds{1, 10}, "table n");
        save.named(IDC_NAME, "own rule", b);
        EXPECT_TRUE(save.failed());
        EXPECT_EQ(x, 2);
        d.end(IDCANCEL);
    });
    ASSERT_EQ(told.size(), 5u);
    const std::pair<int, const char*> expected[] = {
        {IDC_X, "table x"}, {IDC_N, "table n"}, {IDC_X, "table x"}, {IDC_N, "table n"}, {IDC_NAME, "own rule"}};
    for (std::size_t i = 0; i < told.size(); ++i) {
        EXPECT_EQ(told[i].dialog, &dlg) << i;
        EXPECT_EQ(told[i].id, expected[i].first) << i;
        EXPECT_EQ(told[i].name, expected[i].second) << i;
    }
    EXPECT_EQ(told[0].bounds.upper, 10);
    fw::watchNamedRanges({});
    told.clear();
    Session quiet;
    SampleDlg again;
    runSample(quiet, again, [&](Running& d) {
        double x = 2;
        fw::Exchange load(again, fw::Exchange::Direction::Load);
        load.number(IDC_X, x, fw::Bounds{0.5, 10}, "table x");
        d.end(IDCANCEL);
    });
    EXPECT_TRUE(told.empty());
}

TEST(Dialog, DefaultOkKeepsTheDialogOpenWhenExchangeFails) {
    Session s;
    s.expectMessage("n：请输入一个整数。", IDOK);
    SampleDlg dlg;
    runSample(s, dlg, [&](Running& d) {
        d.type(IDC_N, "17.5");
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(d.focused(), IDC_N);
        d.type(IDC_N, "19");
        d.enter();
    });
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_n, 19);
}

TEST(Dialog, LoadingLeavesATextThatAlreadyReadsAsTheValue) {
    struct Case {
        const char* typed;
        double member;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {"12.", 12, "12."},         // half typed "12.5" stays under the caret
        {"012", 12, "012"},
        {"12.", 12.5, "12.5"},
        {"x", 0.1 + 0.2, "0.3"},    // "%.15g"
        {"", 1.0 / 3, "0.333333333333333"},
    };
    for (const auto& c : cases) {
        Session s;
        SampleDlg dlg;
        runSample(s, dlg, [&](Running& d) {
            d.type(IDC_X, c.typed);
            dlg.m_x = c.member;
            dlg.UpdateData(false);
            EXPECT_EQ(d.text(IDC_X), c.shown) << c.typed;
            d.end(IDCANCEL);
        });
    }
}

TEST(Dialog, QuietReadTakesTheWholeTextOrNothing) {
    struct Case {
        const char* text;
        double number;
        long long integer;
    };
    const std::vector<Case> cases = {
        {"", 0, 0},     {"-", 0, 0},    {"12.", 12, 0},    {"3.5x", 0, 0}, {"-2e", 0, 0},
        {" 7", 7, 7},   {"12abc", 0, 0}, {"1e999", 0, 0},  {"NaN", 0, 0},  {"-4", -4, -4},
    };
    Session s;
    SampleDlg dlg;
    runSample(s, dlg, [&](Running& d) {
        for (const auto& c : cases) {
            d.type(IDC_NAME, c.text);
            EXPECT_EQ(dlg.readNumber(IDC_NAME), c.number) << c.text;
            EXPECT_EQ(dlg.readInteger(IDC_NAME), c.integer) << c.text;
            EXPECT_EQ(dlg.numberOf(IDC_NAME).has_value(), c.number != 0) << c.text;
        }
        EXPECT_TRUE(s.messages().empty());
        d.end(IDCANCEL);
    });
}

TEST(Dialog, TextLimitsCountCodePage936Bytes) {
    Session s;
    SampleDlg dlg;
    runSample(s, dlg, [&](Running& d) {
        // The name is limited to 8 bytes: four Chinese characters.
        d.type(IDC_NAME, "齿轮齿轮齿");
        EXPECT_EQ(d.text(IDC_NAME), "齿轮齿轮");
        // char[8] holds 7 bytes and the zero: "ab" + 2 characters + 1 byte.
        d.type(IDC_CODE, "ab齿轮cd");
        EXPECT_EQ(d.text(IDC_CODE), "ab齿轮c");
        // Digits-only edits take digits only: a key that is none is
        // ignored, a whole text with one is refused, never changed.
        d.typeKeys(IDC_DIGITS, "-1a2");
        EXPECT_EQ(d.text(IDC_DIGITS), "12");
        for (const char* pasted : {"1.5", "-5", "1e999", "2,000", " 3"}) {
            EXPECT_FALSE(d.type(IDC_DIGITS, pasted)) << pasted;
            EXPECT_EQ(d.text(IDC_DIGITS), "12") << pasted;
        }
        EXPECT_TRUE(d.type(IDC_DIGITS, "2000"));
        EXPECT_EQ(d.text(IDC_DIGITS), "2000");
        // Read-only edits take no typing.
        EXPECT_FALSE(d.type(IDC_RESULT, "9"));
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.m_name, "齿轮齿轮");
    EXPECT_EQ(fw::readField(dlg.m_code), "ab齿轮c");
}

TEST(Dialog, CombosListsTrackbarsAndDatesNotify) {
    Session s;
    SampleDlg dlg;
    runSample(s, dlg, [&](Running& d) {
        dlg.log.clear();
        d.select(IDC_LIST, 2);
        EXPECT_EQ(d.text(IDC_LIST), "甲");
        EXPECT_EQ(dlg.log, (std::vector<std::string>{"kill 10", "dropdown 50", "sel 50"}));

        dlg.log.clear();
        d.type(IDC_EDITABLE, "0.4");
        EXPECT_EQ(d.selection(IDC_EDITABLE), -1);
        EXPECT_EQ(dlg.log, (std::vector<std::string>{"setfocus 51", "change 51"}));

        dlg.log.clear();
        EXPECT_TRUE(d.drag(IDC_SLIDER, 55));  // clamped to the range 0..40
        EXPECT_EQ(d.position(IDC_SLIDER), 40);
        EXPECT_EQ(d.text(IDC_RESULT), "40");
        EXPECT_EQ(d.focused(), IDC_EDITABLE);
        EXPECT_EQ(dlg.log, (std::vector<std::string>{"released 70"}));

        dlg.log.clear();
        d.date(IDC_DATE, {2025, 1, 2});
        d.date(IDC_DATE, {2025, 1, 2});      // same date: no second notification
        EXPECT_EQ(dlg.log, (std::vector<std::string>{"kill 51", "setfocus 80", "date 80"}));

        fw::ListView& v = dlg.listView(IDC_VIEW);
        v.insertItem(0, "齿顶");
        v.setItemText(0, 1, "Ok!");
        v.insertItem(1, "根切");
        dlg.log.clear();
        d.clickItem(IDC_VIEW, 1);
        EXPECT_EQ(v.firstSelected(), 1);
        EXPECT_EQ(d.rows(IDC_VIEW).at(0).at(1), "Ok!");
        EXPECT_EQ(dlg.log.back(), "click 60");
        v.deleteAllItems();
        EXPECT_EQ(v.firstSelected(), -1);
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.m_pick, 2);
    EXPECT_EQ(dlg.m_editable, "0.4");
    EXPECT_EQ(dlg.m_pos, 40);
    EXPECT_EQ(dlg.m_date.year, 2025);
}

TEST(Dialog, CancelAsksYesNoAndYesKeepsTheDialogOpen) {
    Session s;
    s.expectMessage("数据尚未保存，是(Yes)否(No)保存数据？", IDYES);
    s.expectMessage("数据尚未保存，是(Yes)否(No)保存数据？", IDNO);
    SampleDlg dlg;
    EXPECT_EQ(runSample(s, dlg, [&](Running& d) {
        d.click(IDCANCEL);
        EXPECT_FALSE(d.ended());
        d.close();  // the close box acts as Cancel
        EXPECT_TRUE(d.ended());
    }), IDCANCEL);
    ASSERT_EQ(s.messages().size(), 2u);
    EXPECT_EQ(s.messages()[0].icon, fw::MessageIcon::Question);
    EXPECT_EQ(s.messages()[0].buttons, fw::MessageButtons::YesNo);
}

TEST(Dialog, SaveDialogAppendsTheDefaultExtensionAsGiven) {
    struct Case {
        std::optional<std::filesystem::path> answer;
        std::filesystem::path saved;   // empty: cancelled
    };
    const std::vector<Case> cases = {
        {"/tmp/x/gear", "/tmp/x/gear.dat"},
        {"/tmp/x.v1/gear", "/tmp/x.v1/gear.dat"},   // a dot in a folder is not an extension
        {"/tmp/x/gear.txt", "/tmp/x/gear.txt"},
        {std::nullopt, ""},
    };
    for (const auto& c : cases) {
        Session s;
        if (c.answer) s.answerSave(*c.answer);
        else s.cancelFile();
        SampleDlg dlg;
        runSample(s, dlg, [&](Running& d) {
            d.click(IDC_SAVE);
            d.end(IDOK);
        });
        EXPECT_EQ(dlg.m_savedPath, c.saved);
        EXPECT_EQ(dlg.m_saved, !c.saved.empty());
        ASSERT_EQ(s.files().size(), 1u);
        const fw::FileRequest& r = s.files()[0].request;
        EXPECT_EQ(r.mode, fw::FileMode::Save);
        EXPECT_EQ(r.title, "保存样例");
        EXPECT_EQ(r.initialName, "*.dat");
        EXPECT_EQ(r.folder, "/tmp/sample-data");
        ASSERT_EQ(r.filters.size(), 2u);
        EXPECT_EQ(r.filters[0].description, "样例数据文件(*.dat)");
        EXPECT_EQ(r.filters[1].patterns, "*.*");
    }
}

TEST(Dialog, CanvasKeepsDrawingOutsidePaintUntilTheNextPaint) {
    Session s;
    SampleDlg dlg;
    runSample(s, dlg, [&](Running& d) {
        ASSERT_EQ(d.canvas().size(), 2u);   // painted when shown: bitmap, line
        EXPECT_EQ(d.canvas()[0].kind, fw::DrawOp::Kind::Bitmap);
        EXPECT_EQ(d.canvas()[0].bitmap, IDB_CHART);
        EXPECT_EQ(d.canvas()[0].clip, (fw::Rect{20, 20, 60, 40}));
        EXPECT_EQ(d.canvas()[1].from, (fw::Point{20, 30}));
        EXPECT_EQ(d.canvas()[1].to, (fw::Point{60, 30}));
        d.click(IDC_SCRIBBLE);
        ASSERT_EQ(d.canvas().size(), 3u);
        EXPECT_EQ(d.canvas()[2].text, "x = 5");
        d.click(IDC_CALC);                  // no repaint: the text stays
        EXPECT_EQ(d.canvas().size(), 3u);
        dlg.invalidate();
        EXPECT_EQ(d.canvas().size(), 2u);
        // The client area follows the template size in dialog units.
        EXPECT_EQ(dlg.clientRect(), (fw::Rect{0, 0, 300, 225}));
        EXPECT_EQ(dlg.trackbar(IDC_SLIDER).rect(), (fw::Rect{15, 30, 29, 180}));
        d.end(IDOK);
    });
}

TEST(Dialog, UnexpectedBoxesAndUnfinishedScriptsFailTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            Session s;
            s.onDialog(IDD_SAMPLE, [](Running& d) { d.click(IDCANCEL); });
            SampleDlg dlg;
            dlg.DoModal();
        },
        "数据尚未保存");
    EXPECT_NONFATAL_FAILURE(
        {
            Session s;
            s.onDialog(IDD_SAMPLE, [](Running&) {});
            SampleDlg dlg;
            EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        },
        "still open");
    EXPECT_NONFATAL_FAILURE(
        {
            Session s;
            NestedDlg dlg(nullptr);
            dlg.DoModal();
        },
        "unexpected dialog 101");
}
