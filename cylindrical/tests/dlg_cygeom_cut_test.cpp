// The cutter scheme and check result dialogs, and the check run of the
// geometry sheet's first page, on the scripted backend.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "cylindrical/calc/cutting_check.h"
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cy_geom_pro_sheet.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "cylindrical/pair_check_action.h"
#include "fwtest/script.h"

using namespace cylindrical;
using Cut = CCygeomCutDlg;
using Check = CCyGeomCheckDlg;

namespace {

constexpr double kAlpha20 = 20 * 3.141592653589793 / 180;
constexpr const char* kHintShape = "如果不采用插齿加工齿轮，请执行“取消”键直接退出。";

bool hasNonFinite(const std::string& s) {
    return s.find("nan") != std::string::npos || s.find("inf") != std::string::npos;
}

// Types a value into a field and leaves it (Tab), as the user does.
void enter(fwtest::Running& d, int id, const char* text) {
    d.type(id, text);
    d.leave();
}

// The internal example: Z1 = 20, Z2 = 34, mn = 2, αn = 20°, a = 15; the
// page's distribution gives xn1 = 0.4026, xn2 = 1.0129.
DesignedPair internalExample() {
    return {.z1 = 20, .z2 = 34, .mn = 2, .alphaN = kAlpha20, .beta = 0, .haStar = 1,
            .xn1 = 0.4026, .xn2 = 1.0129, .a = 15, .internal = true};
}

// External pair Z1 = 20, Z2 = 40, mn = 2, a = ad = 60 distributed: xn1 = 0.25, xn2 = −0.25.
DesignedPair externalExample() {
    return {.z1 = 20, .z2 = 40, .mn = 2, .alphaN = kAlpha20, .beta = 0, .haStar = 1,
            .xn1 = 0.25, .xn2 = -0.25, .a = 60, .internal = false};
}

}  // namespace

// ---------------------------------------------------------------- cutter dialog --

TEST(CutterDialog, EachModeSetsHintCaptionsAndDisabledControls) {
    struct Case {
        const char* name;
        int mode;
        const char* hint;
        const char* group1;
        const char* group2;
        std::vector<int> disabled;
        bool sameTicked;
    };
    // Hints, captions and disabled controls: the table of the cutter dialog's
    // initialisation by mode.
    const Case cases[] = {
        {"external pair", kCutModeExternalPair, kHintShape, "用于小齿轮（Z1）的插齿刀参数",
         "用于大齿轮（Z2）的插齿刀参数", {}, false},
        {"internal pair", kCutModeInternalPair, "如果外齿轮采用滚齿加工，请选择“外齿轮滚齿”。", "加工外齿轮插齿刀参数",
         "加工内齿轮插齿刀参数", {1018}, false},
        {"single external", kCutModeSingleExternal, kHintShape, "用于外齿轮的插齿刀参数", "无配对齿轮可检验",
         {1012, 1014, 1018, 1007, 1008, 1009, 1010, 1011}, true},
        {"single internal", kCutModeSingleInternal, kHintShape, "无配对齿轮可检验", "用于内齿轮的插齿刀参数",
         {1012, 1014, 1018, 1001, 1002, 1003, 1004, 1005}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fwtest::Session s;
        s.onDialog(Cut::IDD, [&](fwtest::Running& d) {
            EXPECT_EQ(d.caption(), "《Ondrel》 Kavrin 插齿刀方案");
            EXPECT_EQ(d.text(Cut::IDC_HINT), c.hint);
            EXPECT_EQ(d.text(Cut::IDC_GROUP1), c.group1);
            EXPECT_EQ(d.text(Cut::IDC_GROUP2), c.group2);
            for (int id : {1001, 1002, 1003, 1007, 1008, 1009, 1012, 1014, 1018}) {
                bool off = std::find(c.disabled.begin(), c.disabled.end(), id) != c.disabled.end();
                EXPECT_EQ(d.enabled(id), !off) << "control " << id;
            }
            for (int id : c.disabled) EXPECT_FALSE(d.enabled(id)) << "control " << id;
            EXPECT_EQ(d.checked(Cut::IDC_SAME), c.sameTicked);
            // Both cutters take the pair's module and ha* + 0.25.
            EXPECT_EQ(d.text(Cut::IDC_M1), "2.5");
            EXPECT_EQ(d.text(Cut::IDC_M2), "2.5");
            EXPECT_EQ(d.text(Cut::IDC_HA01), "1.05");
            EXPECT_EQ(d.text(Cut::IDC_HA02), "1.05");
            EXPECT_TRUE(d.readOnly(Cut::IDC_D01));
            EXPECT_TRUE(d.readOnly(Cut::IDC_DA02));
            d.click(IDCANCEL);
        });
        Cut dlg;
        EXPECT_EQ(dlg.DoModal(2.5, c.mode, 0.8), IDCANCEL);
    }
}

TEST(CutterDialog, FieldRulesRefuseAndComputeDiameters) {
    fwtest::Session s;
    s.onDialog(Cut::IDD, [](fwtest::Running& d) {
        // x0 while z0 is still 0 changes nothing and says nothing.
        enter(d, Cut::IDC_X01, "0.1");
        EXPECT_EQ(d.text(Cut::IDC_DA01), "0");
        // d0 = 17·2 = 34; da0 = 34 + 2·(1.25 + 0.1)·2 = 39.4 (hand calculation).
        enter(d, Cut::IDC_Z01, "17");
        EXPECT_EQ(d.text(Cut::IDC_D01), "34");
        EXPECT_EQ(d.text(Cut::IDC_DA01), "39.4");
        // z0 = 0 is refused and the previous 17 comes back.
        enter(d, Cut::IDC_Z01, "0");
        EXPECT_EQ(d.text(Cut::IDC_Z01), "17");
        // ha0* = 0 and negative are refused, 1.25 comes back.
        enter(d, Cut::IDC_HA01, "0");
        EXPECT_EQ(d.text(Cut::IDC_HA01), "1.25");
        enter(d, Cut::IDC_HA01, "-1");
        EXPECT_EQ(d.text(Cut::IDC_HA01), "1.25");
        // ha0* = 1 accepted: da0 = 34 + 2·(1 + 0.1)·2 = 38.4.
        enter(d, Cut::IDC_HA01, "1");
        EXPECT_EQ(d.text(Cut::IDC_DA01), "38.4");
        // x0 = 0 with z0 set: da0 = 34 + 2·1·2 = 38.
        enter(d, Cut::IDC_X01, "0");
        EXPECT_EQ(d.text(Cut::IDC_DA01), "38");
        // Cutter 2 is untouched without the same-cutter tick.
        EXPECT_EQ(d.text(Cut::IDC_Z02), "0");
        d.click(IDCANCEL);
    });
    s.expectMessage(kMsgCutterTeethPositive);
    s.expectMessage(kMsgCutterAddendumPositive);
    s.expectMessage(kMsgCutterAddendumPositive);
    Cut dlg;
    dlg.DoModal(2, kCutModeExternalPair, 1.0);
    ASSERT_EQ(s.messages().size(), 3u);
    EXPECT_EQ(s.messages()[0].text, kMsgCutterTeethPositive);
    EXPECT_EQ(s.messages()[0].icon, fw::MessageIcon::Information);
    EXPECT_EQ(s.messages()[1].text, kMsgCutterAddendumPositive);
    EXPECT_EQ(s.messages()[2].text, kMsgCutterAddendumPositive);
    EXPECT_EQ(s.messages()[2].icon, fw::MessageIcon::Information);
}

TEST(CutterDialog, SameCutterMirrorsCutterOne) {
    // External pair: tick same cutter after entering cutter 1, then edit it.
    {
        fwtest::Session s;
        s.onDialog(Cut::IDD, [](fwtest::Running& d) {
            enter(d, Cut::IDC_Z01, "20");
            d.click(Cut::IDC_SAME);
            EXPECT_EQ(d.text(Cut::IDC_Z02), "20");
            EXPECT_EQ(d.text(Cut::IDC_D02), "40");
            EXPECT_EQ(d.text(Cut::IDC_DA02), "45");  // 40 + 2·1.25·2
            for (int id : {1007, 1008, 1009, 1010, 1011, 1014, 1018}) EXPECT_FALSE(d.enabled(id)) << id;
            enter(d, Cut::IDC_X01, "0.5");
            EXPECT_EQ(d.text(Cut::IDC_X02), "0.5");
            EXPECT_EQ(d.text(Cut::IDC_DA02), "47");  // 40 + 2·1.75·2
            d.click(Cut::IDC_SAME);
            for (int id : {1007, 1008, 1009, 1014, 1018}) EXPECT_TRUE(d.enabled(id)) << id;
            d.click(IDOK);
        });
        Cut dlg;
        EXPECT_EQ(dlg.DoModal(2, kCutModeExternalPair, 1.0), IDOK);
        EXPECT_EQ(dlg.scheme().cutter2, dlg.scheme().cutter1);
    }
    // Single external gear: same cutter is ticked from the start.
    {
        fwtest::Session s;
        s.onDialog(Cut::IDD, [](fwtest::Running& d) {
            enter(d, Cut::IDC_Z01, "25");
            enter(d, Cut::IDC_HA01, "1");
            EXPECT_EQ(d.text(Cut::IDC_Z02), "25");
            EXPECT_EQ(d.text(Cut::IDC_HA02), "1");
            EXPECT_EQ(d.text(Cut::IDC_DA02), "54");  // 50 + 2·1·2
            d.click(IDOK);
        });
        Cut dlg;
        EXPECT_EQ(dlg.DoModal(2, kCutModeSingleExternal, 1.0), IDOK);
        EXPECT_EQ(dlg.scheme().sameCutter, 1);
        EXPECT_EQ(dlg.scheme().cutter2, dlg.scheme().cutter1);
    }
}

TEST(CutterDialog, OkAndCancelOutcomes) {
    struct Case {
        const char* name;
        int mode;
        std::function<void(fwtest::Running&)> fill;  // before OK
        bool staysOpen;   // OK refused with the message, dialog still open
        int result;       // end code (after a second OK with both hobbed when it stayed open)
    };
    const Case cases[] = {
        // OK at once: no cutter holds z0 > 0 → message, counts as cancelled.
        {"no cutter", kCutModeExternalPair, [](fwtest::Running&) {}, false, IDCANCEL},
        // External pair, gear shaped without a cutter while cutter 1 is valid.
        {"gear cutter missing", kCutModeExternalPair, [](fwtest::Running& d) { enter(d, Cut::IDC_Z01, "17"); },
         true, IDOK},
        // Internal pair, pinion hobbed, cutter 1 valid but the internal gear's missing.
        {"internal cutter missing", kCutModeInternalPair,
         [](fwtest::Running& d) {
             enter(d, Cut::IDC_Z01, "17");
             d.click(Cut::IDC_PINION_HOBBED);
         },
         true, IDOK},
        // The internal example: pinion hobbed, cutter 2 z0 = 17.
        {"internal example", kCutModeInternalPair,
         [](fwtest::Running& d) {
             d.click(Cut::IDC_PINION_HOBBED);
             enter(d, Cut::IDC_Z02, "17");
         },
         false, IDOK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fwtest::Session s;
        s.onDialog(Cut::IDD, [&](fwtest::Running& d) {
            c.fill(d);
            d.click(IDOK);
            if (!c.staysOpen) return;
            EXPECT_FALSE(d.ended());
            if (c.mode == kCutModeExternalPair) {
                d.click(Cut::IDC_GEAR_HOBBED);
            } else {
                enter(d, Cut::IDC_Z02, "17");
            }
            d.click(IDOK);
        });
        bool expectMessage = c.staysOpen || c.result == IDCANCEL;
        if (expectMessage) s.expectMessage(kMsgNoValidCutter);
        Cut dlg;
        EXPECT_EQ(dlg.DoModal(2, c.mode, 1.0), c.result);
        ASSERT_EQ(s.messages().size(), expectMessage ? 1u : 0u);
        if (expectMessage) {
            EXPECT_EQ(s.messages()[0].text, kMsgNoValidCutter);
        }
        if (c.result == IDCANCEL) {
            EXPECT_EQ(dlg.scheme().pinionHobbed, 1);
            EXPECT_EQ(dlg.scheme().gearHobbed, 1);
        }
    }
}

TEST(CutterDialog, CancelMarksBothHobbed) {
    fwtest::Session s;
    s.onDialog(Cut::IDD, [](fwtest::Running& d) {
        enter(d, Cut::IDC_Z01, "17");
        d.click(IDCANCEL);
    });
    Cut dlg;
    EXPECT_EQ(dlg.DoModal(2, kCutModeExternalPair, 1.0), IDCANCEL);
    EXPECT_EQ(dlg.scheme().pinionHobbed, 1);
    EXPECT_EQ(dlg.scheme().gearHobbed, 1);
    EXPECT_TRUE(s.messages().empty());
}

// ---------------------------------------------------------------- check dialog --

TEST(CheckDialog, ColumnsRowsAndCutterListsByMode) {
    const Cutter c1{.z0 = 20, .d0 = 40, .da0 = 45, .ha0 = 1.25, .x0 = 0};
    const Cutter c2{.z0 = 17, .d0 = 34, .da0 = 39.4, .ha0 = 1.25, .x0 = 0.1};
    const std::vector<std::vector<std::string>> rows2 = {
        {"齿数:", "17"}, {"分度圆直径:", "34.00"}, {"外圆直径:", "39.40"}, {"齿顶高系数:", "1.25"},
        {"刀具变位系数:", "0.10"}};
    struct Case {
        const char* name;
        int mode;
        int pinionHobbed, gearHobbed;
        bool left, right;  // list filled (else empty and disabled)
        const char* leftTitle;
        const char* rightTitle;
    };
    // The table of the result dialog's cutter lists by mode.
    const Case cases[] = {
        {"external, both shaped", 0, 0, 0, true, true, "小齿轮插齿刀参数：", "大(内)齿轮插齿刀参数："},
        {"external, gear hobbed", 0, 0, 1, true, false, "小齿轮插齿刀参数：", "大(内)齿轮插齿刀参数："},
        {"external, pinion hobbed", 0, 1, 0, false, true, "小齿轮插齿刀参数：", "大(内)齿轮插齿刀参数："},
        {"internal shows cutter 2 whatever the flag", 1, 1, 1, false, true, "小齿轮插齿刀参数：",
         "大(内)齿轮插齿刀参数："},
        {"single external", 2, 0, 0, true, false, "外齿轮插齿刀参数:", "大(内)齿轮插齿刀参数："},
        {"single internal", 3, 0, 0, false, true, "小齿轮插齿刀参数：", "内齿轮插齿刀参数:"},
    };
    const std::vector<std::string> items = {"1.根切校验:", "", "2.齿顶厚校验:"};
    const std::vector<std::string> results = {"小齿轮无根切!", "大齿轮滚齿根切", "小齿轮齿顶厚: Sa1 = 1.19 mm; "};
    const std::vector<std::string> solutions = {"Ok!", "加大χn2至0.34、增加齿数", "Ok!"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fwtest::Session s;
        s.onDialog(Check::IDD, [&](fwtest::Running& d) {
            EXPECT_EQ(d.caption(), "《Ondrel》 Kavrin 齿轮副设计检验结果");
            const auto& cols = d.dialog().listView(Check::IDC_CHECK_LIST).columns();
            ASSERT_EQ(cols.size(), 3u);
            EXPECT_EQ(cols[0].title, "检验项目");
            EXPECT_EQ(cols[1].title, "检验结果");
            EXPECT_EQ(cols[2].title, "解决方案");
            EXPECT_EQ(cols[2].width, 350);
            auto rows = d.rows(Check::IDC_CHECK_LIST);
            ASSERT_EQ(rows.size(), 3u);
            for (std::size_t i = 0; i < rows.size(); ++i)
                EXPECT_EQ(rows[i], (std::vector<std::string>{items[i], results[i], solutions[i]})) << i;
            EXPECT_EQ(d.dialog().listView(Check::IDC_CUTTER1_LIST).columns().at(0).title, "参数名");
            EXPECT_EQ(d.dialog().listView(Check::IDC_CUTTER2_LIST).columns().at(1).title, "参数值");
            EXPECT_EQ(d.enabled(Check::IDC_CUTTER1_LIST), c.left);
            EXPECT_EQ(d.enabled(Check::IDC_CUTTER2_LIST), c.right);
            EXPECT_EQ(d.rows(Check::IDC_CUTTER1_LIST).size(), c.left ? 5u : 0u);
            if (c.left) {
                EXPECT_EQ(d.rows(Check::IDC_CUTTER1_LIST)[0], (std::vector<std::string>{"齿数:", "20"}));
            }
            EXPECT_EQ(d.rows(Check::IDC_CUTTER2_LIST), c.right ? rows2 : std::vector<std::vector<std::string>>{});
            EXPECT_EQ(d.text(Check::IDC_CUTTER1_TITLE), c.leftTitle);
            EXPECT_EQ(d.text(Check::IDC_CUTTER2_TITLE), c.rightTitle);
            d.click(IDOK);
        });
        Check dlg;
        CutterScheme scheme{.pinionHobbed = c.pinionHobbed, .gearHobbed = c.gearHobbed, .cutter1 = c1, .cutter2 = c2};
        EXPECT_EQ(dlg.DoModal(items, results, solutions, scheme, c.mode), IDOK);
    }
}

// ---------------------------------------------------------------- check run --

TEST(PairCheckRun, InternalExampleAllTenRowsPass) {
    fwtest::Session s;
    s.onDialog(Cut::IDD, [](fwtest::Running& d) {
        d.click(Cut::IDC_PINION_HOBBED);
        enter(d, Cut::IDC_Z02, "17");
        enter(d, Cut::IDC_X02, "0");
        EXPECT_EQ(d.text(Cut::IDC_HA02), "1.25");
        d.click(IDOK);
    });
    std::vector<std::vector<std::string>> shownRows, shownCutter2;
    bool leftEnabled = true;
    s.onDialog(Check::IDD, [&](fwtest::Running& d) {
        shownRows = d.rows(Check::IDC_CHECK_LIST);
        shownCutter2 = d.rows(Check::IDC_CUTTER2_LIST);
        leftEnabled = d.enabled(Check::IDC_CUTTER1_LIST);
        d.click(IDOK);
    });
    PairCheckState state;
    std::string summary;
    runDesignedPairCheck(nullptr, internalExample(), state, summary);

    EXPECT_EQ(s.dialogsRun(), (std::vector<int>{Cut::IDD, Check::IDD}));
    EXPECT_GT(s.waitCursorShows(), 0);
    ASSERT_TRUE(state.done);
    ASSERT_EQ(state.items.size(), 10u);
    ASSERT_EQ(shownRows.size(), 10u);
    for (std::size_t i = 0; i < shownRows.size(); ++i) {
        // Every row passes: the pass solution "Ok!" ("OK!" in row 5, so spelt).
        EXPECT_TRUE(shownRows[i][2] == "Ok!" || shownRows[i][2] == "OK!") << i << ": " << shownRows[i][1];
        EXPECT_EQ(shownRows[i][1], state.results[i]);
        EXPECT_FALSE(hasNonFinite(shownRows[i][1]));
    }
    // Sa1 = 0.747 mm (hand calculation with da1 = 46.0516).
    EXPECT_EQ(state.results[1], "小齿轮齿顶厚: Sa1 = 0.75 mm; ");
    EXPECT_FALSE(leftEnabled);  // the pinion is hobbed
    EXPECT_EQ(shownCutter2, (std::vector<std::vector<std::string>>{{"齿数:", "17"},
                                                                     {"分度圆直径:", "34.00"},
                                                                     {"外圆直径:", "39.00"},
                                                                     {"齿顶高系数:", "1.25"},
                                                                     {"刀具变位系数:", "0.00"}}));
    EXPECT_EQ(summary, state.summary);
    EXPECT_FALSE(hasNonFinite(summary));
    EXPECT_EQ(state.scheme.pinionHobbed, 1);
    EXPECT_EQ(state.scheme.gearHobbed, 0);
    EXPECT_EQ(state.scheme.cutter2.z0, 17);

    PairCheckSection section = pairCheckSection(state);
    EXPECT_TRUE(section.pinionNoScheme);
    EXPECT_FALSE(section.gearNoScheme);
    EXPECT_EQ(section.items, state.items);
    EXPECT_EQ(section.results, state.results);
    EXPECT_EQ(section.gearCutter.z0, 17);
    EXPECT_DOUBLE_EQ(section.gearCutter.da0, 39);
    // Back and forth keeps what the report prints.
    PairCheckSection again = pairCheckSection(pairCheckState(section));
    EXPECT_EQ(again.items, section.items);
    EXPECT_EQ(again.gearCutter.d0, section.gearCutter.d0);
    EXPECT_EQ(again.pinionNoScheme, section.pinionNoScheme);
}

TEST(PairCheckRun, CancelledRunGivesHobbingSummaryAndKeepsRows) {
    fwtest::Session s;
    s.onDialog(Cut::IDD, [](fwtest::Running& d) { d.click(IDCANCEL); });
    PairCheckState state;
    state.items = {"earlier"};
    state.results = {"row"};
    state.solutions = {"Ok!"};
    state.scheme.cutter2.z0 = 17;
    std::string summary;
    runDesignedPairCheck(nullptr, externalExample(), state, summary);

    EXPECT_EQ(s.dialogsRun(), (std::vector<int>{Cut::IDD}));  // no result dialog
    // The pass texts of the run without cutters (Sa1 = 1.19 mm).
    EXPECT_EQ(summary,
              "\t    小齿轮无根切  ——OK!\n"
              "\t    大齿轮无根切  ——OK!\n"
              "\t    小齿轮齿顶厚: Sa1 = 1.19 mm  ——OK!\n"
              "\t    小齿轮齿根过渡线无干涉  ——OK!\n"
              "\t    大齿轮齿根过渡线无干涉  ——OK!\n"
              "\t    若齿轮插齿加工，请选用插齿刀参数再做校验!\n");
    EXPECT_EQ(state.summary, summary);
    EXPECT_TRUE(state.done);
    EXPECT_EQ(state.scheme.pinionHobbed, 1);
    EXPECT_EQ(state.scheme.gearHobbed, 1);
    EXPECT_EQ(state.items, std::vector<std::string>{"earlier"});  // rows of the earlier run stay
    EXPECT_EQ(state.scheme.cutter2.z0, 17);
    // The report prints the result text of a run without cutters.
    PairCheckSection section = pairCheckSection(state);
    EXPECT_TRUE(section.pinionNoScheme && section.gearNoScheme);
}

TEST(PairCheckRun, OkWithoutCutterCountsAsCancelled) {
    fwtest::Session s;
    s.onDialog(Cut::IDD, [](fwtest::Running& d) { d.click(IDOK); });
    s.expectMessage(kMsgNoValidCutter);
    PairCheckState state;
    std::string summary;
    runDesignedPairCheck(nullptr, internalExample(), state, summary);
    EXPECT_EQ(s.dialogsRun(), (std::vector<int>{Cut::IDD}));
    EXPECT_EQ(summary,
              "\t    小齿轮无根切  ——OK\n"
              "\t    小齿轮齿顶厚: Sa1 = 0.75 mm  ——OK!\n"
              "\t    没有选择插齿刀参数，故未做齿廓干涉校验，请注意重新校验!\n");
    EXPECT_EQ(state.scheme.pinionHobbed, 1);
    EXPECT_EQ(state.scheme.gearHobbed, 1);
    EXPECT_TRUE(state.items.empty());
}

TEST(PairCheckRun, RefusalsChangeNothingButTheSummary) {
    DesignedPair noPinion = internalExample();
    noPinion.z1 = 0;
    DesignedPair zeroModule = externalExample();
    zeroModule.mn = 0;
    DesignedPair zeroCentre = externalExample();
    zeroCentre.a = 0;
    // Standard internal gear Z2 = 30, ha* = 1: da2 = 60 − 4 = 56 < db2 = 56.382.
    DesignedPair tipInsideBase{.z1 = 20, .z2 = 30, .mn = 2, .alphaN = kAlpha20, .haStar = 1, .a = 10, .internal = true};
    struct Case {
        const char* name;
        DesignedPair pair;
        const char* z02;   // typed into the cutter dialog; nullptr: no dialog expected
        std::string message;
    };
    const Case cases[] = {
        {"Z1 = 0", noPinion, nullptr, kMsgEnterBasicsFirst},
        {"mn = 0", zeroModule, nullptr, kMsgEnterBasicsFirst},
        {"a = 0", zeroCentre, nullptr, kMsgEnterBasicsFirst},
        {"internal tip inside base", tipInsideBase, nullptr, kMsgTipInternalInsideBase},
        // z02 = Z2 would divide by zero in the cutter's involute equation.
        {"z02 = Z2", internalExample(), "34", kMsgCutterTeethInternal},
        {"z02 > Z2", internalExample(), "40", kMsgCutterTeethInternal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fwtest::Session s;
        if (c.z02) {
            s.onDialog(Cut::IDD, [&](fwtest::Running& d) {
                d.click(Cut::IDC_PINION_HOBBED);
                enter(d, Cut::IDC_Z02, c.z02);
                d.click(IDOK);
            });
        }
        PairCheckState state;
        state.items = {"earlier"};
        state.summary = "earlier summary";
        const PairCheckState before = state;
        std::string summary = "old";
        runDesignedPairCheck(nullptr, c.pair, state, summary);
        EXPECT_EQ(summary, c.message);
        EXPECT_EQ(s.dialogsRun().size(), c.z02 ? 1u : 0u);
        EXPECT_EQ(state.items, before.items);
        EXPECT_EQ(state.summary, before.summary);
        EXPECT_EQ(state.scheme, before.scheme);
        EXPECT_FALSE(state.done);
    }
}

TEST(PairCheckRun, NoCheckGivesTheSectionOfNoCheck) {
    PairCheckSection section = pairCheckSection(PairCheckState{});
    EXPECT_FALSE(section.pinionNoScheme);
    EXPECT_FALSE(section.gearNoScheme);
    EXPECT_TRUE(section.items.empty());
    EXPECT_FALSE(pairCheckState(section).done);
}

// ---------------------------------------------------------------- the page's button --

// Page 1 of the geometry sheet typed as a user would, the internal example
// distributed by leaving a = 15, then "检验数据": the cutter dialog, the result
// dialog, the page's summary and the check section its report prints.
TEST(PairCheckRun, PageButtonRunsTheCheckAndKeepsItsSection) {
    using P1 = CCyGeomProPage1;
    fwtest::Session s;
    std::string result;
    s.onSheet([&](fwtest::Running& d) {
        d.type(P1::IDC_Z1, "20");
        d.type(P1::IDC_Z2, "34");
        d.type(P1::IDC_MN, "2");
        d.leave();
        d.click(P1::IDC_INTERNAL);
        d.type(P1::IDC_A, "15");
        d.leave();
        // The distribution of the internal example: xn1 = 0.4026 to four places.
        EXPECT_NEAR(std::stod(d.text(P1::IDC_XN1)), 0.4026, 5e-5);
        d.click(P1::IDC_CHECK);
        result = d.text(P1::IDC_RESULT);
        d.end(fw::IDCANCEL);
    });
    s.onDialog(Cut::IDD, [](fwtest::Running& d) {
        d.click(Cut::IDC_PINION_HOBBED);
        enter(d, Cut::IDC_Z02, "17");
        d.click(IDOK);
    });
    s.onDialog(Check::IDD, [](fwtest::Running& d) {
        EXPECT_EQ(d.rows(Check::IDC_CHECK_LIST).size(), 10u);
        d.click(IDOK);
    });
    CCyGeomProSheet sheet("《Ondrel》 Kavrin  齿轮几何计算程序", nullptr);
    sheet.DoModal();
    EXPECT_EQ(s.dialogsRun(), (std::vector<int>{0, Cut::IDD, Check::IDD}));
    const auto& section = sheet.m_page1.checkSection();
    ASSERT_TRUE(section);
    ASSERT_EQ(section->items.size(), 10u);
    EXPECT_TRUE(section->pinionNoScheme);
    EXPECT_FALSE(section->gearNoScheme);
    EXPECT_EQ(section->gearCutter.z0, 17);
    // The summary of a run with cutters starts with the pinion's undercut pass text.
    EXPECT_EQ(result.rfind("小齿轮无根切！ ", 0), 0u) << result;
    EXPECT_FALSE(hasNonFinite(result));
    // The report section lists the ten items and only the internal gear's
    // cutter (the pinion is hobbed), in the page's report formats.
    std::string report = pairReportSection(sheet.m_page1.pair(), DesignTexts{}, *section);
    EXPECT_NE(report.find("\t1.根切校验:——小齿轮无根切!\n"), std::string::npos) << report;
    EXPECT_NE(report.find("\n\t大(内)齿轮插齿刀方案:"
                          "\n\t  齿数:         Z02=                                                 17"),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find("小齿轮插齿刀方案"), std::string::npos);
    EXPECT_EQ(report.find(kMsgNoCheck), std::string::npos);
    EXPECT_FALSE(hasNonFinite(report));
}
