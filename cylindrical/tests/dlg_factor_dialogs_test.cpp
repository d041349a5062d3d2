// The factor dialogs of the cylindrical strength rating run headless: the
// opening state of each, the rules of its handlers and the refusals that
// keep it open. Expected values are those the dialogs' tables and rules give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/tests/range_probes.h"
#include "common/dialogs/factor_ranges.h"
#include "cylindrical/factor_dialogs.h"
#include "fw/format.h"
#include "fwtest/script.h"

using fwtest::Running;

namespace {

class FactorDialogs : public ::testing::Test {
protected:
    fwtest::Session s;
    void TearDown() override { EXPECT_TRUE(s.allUsed()); }
};

// ---- application factor ---------------------------------------------------

TEST_F(FactorDialogs, ApplicationFactorOpensOnTheSmoothBandAndReadsTheThumb) {
    using D = CCyProofKaDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_TRUE(d.checked(1205));
        EXPECT_TRUE(d.checked(1208));
        EXPECT_EQ(d.position(D::IDC_SLIDER), 0);
        EXPECT_EQ(d.text(D::IDC_LOW), "1.00");
        EXPECT_EQ(d.text(D::IDC_HIGH), "1.25");
        EXPECT_EQ(d.text(D::IDC_KA), "1");
        EXPECT_TRUE(d.readOnly(D::IDC_KA));
        const fw::Trackbar& t = d.dialog().trackbar(D::IDC_SLIDER);
        EXPECT_EQ(t.rangeMin(), 0);
        EXPECT_EQ(t.rangeMax(), 20);
        EXPECT_EQ(t.ticFreq(), 2);
        EXPECT_EQ(t.pageSize(), 1);
        EXPECT_TRUE(t.canFocus());   // reached by click and Tab, moved by keys too
        // 轻度冲击 with 较大冲击: band 2.00 – 2.50, half way is 2.25.
        d.click(1206);
        d.click(1210);
        EXPECT_EQ(d.text(D::IDC_LOW), "2.00");
        EXPECT_EQ(d.text(D::IDC_HIGH), "2.50");
        d.drag(D::IDC_SLIDER, 10);
        EXPECT_EQ(d.text(D::IDC_KA), "2.25");
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dKa, 2.25);
    EXPECT_EQ(dlg.m_nDriver, 1);
    EXPECT_EQ(dlg.m_nDriven, 2);
    EXPECT_EQ(dlg.m_nPos, 10);
    EXPECT_DOUBLE_EQ(dlg.m_dLow, 2.0);
    EXPECT_DOUBLE_EQ(dlg.m_dHigh, 2.5);
}

TEST_F(FactorDialogs, ApplicationFactorRadioPutsTheThumbBackAtTheLowBound) {
    using D = CCyProofKaDlg;
    s.onDialog(D::IDD, [](Running& d) {
        d.drag(D::IDC_SLIDER, 20);
        EXPECT_EQ(d.text(D::IDC_KA), "1.25");   // the high bound at the end
        d.click(1207);                           // 中等冲击 / 平稳 by the row: 1.50 – 1.75
        EXPECT_EQ(d.position(D::IDC_SLIDER), 0);
        EXPECT_EQ(d.text(D::IDC_KA), "1.5");
        d.drag(D::IDC_SLIDER, 7);
        d.click(1209);                           // 中等冲击 / 中等冲击: 1.75 – 2.25
        EXPECT_EQ(d.position(D::IDC_SLIDER), 0);
        EXPECT_EQ(d.text(D::IDC_KA), "1.75");
        d.click(IDCANCEL);
    });
    D dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

// The three cells whose band the two tables give differently: the band is
// that of the radio clicked last.
TEST_F(FactorDialogs, ApplicationFactorCellsFollowTheRadioClickedLast) {
    using D = CCyProofKaDlg;
    struct Case {
        const char* name;
        int first, last;    // radio ids in click order
        const char* low;
        const char* high;
    };
    const std::vector<Case> cases = {
        // 平稳 / 较大冲击
        {"smooth-heavy by driven", 1205, 1210, "1.75", "2.00"},
        {"smooth-heavy by driver", 1210, 1205, "1.50", "1.75"},
        // 轻度冲击 / 中等冲击
        {"light-moderate by driven", 1206, 1209, "1.50", "1.75"},
        {"light-moderate by driver", 1209, 1206, "1.50", "2.00"},
        // 中等冲击 / 平稳
        {"moderate-smooth by driven", 1207, 1208, "1.50", "2.00"},
        {"moderate-smooth by driver", 1208, 1207, "1.50", "1.75"},
    };
    for (const Case& c : cases) {
        s.onDialog(D::IDD, [&c](Running& d) {
            d.click(c.first);
            d.click(c.last);
            EXPECT_EQ(d.text(D::IDC_LOW), c.low) << c.name;
            EXPECT_EQ(d.text(D::IDC_HIGH), c.high) << c.name;
            EXPECT_EQ(d.text(D::IDC_KA), fw::formatNumber(std::stod(c.low))) << c.name;
            d.click(IDOK);
        });
        D dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK) << c.name;
        EXPECT_DOUBLE_EQ(dlg.m_dKa, std::stod(c.low)) << c.name;
    }
}

// ---- face load, limit strength, accuracy grade -------------------------------

TEST_F(FactorDialogs, FaceLoadRadiosStoreTheirIndex) {
    using D = CCyProofKbitaDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_TRUE(d.checked(1219));
        EXPECT_TRUE(d.checked(1221));
        d.click(1220);
        d.click(1224);
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nFlanks, 1);
    EXPECT_EQ(dlg.m_nMounting, 3);
}

TEST_F(FactorDialogs, LimitStrengthModeChoosesTheFields) {
    using D = CCyProofLimtDlg;
    struct Case {
        int mode;
        bool contact, bending;
    };
    // Mode 0 asks for σHlim, a positive mode for σFlim, a negative one for both.
    for (const Case& c : {Case{0, true, false}, Case{1, false, true}, Case{-1, true, true}}) {
        s.onDialog(D::IDD, [&c](Running& d) {
            EXPECT_EQ(d.enabled(D::IDC_SIGMA_HLIM), c.contact) << c.mode;
            EXPECT_EQ(d.enabled(D::IDC_SIGMA_FLIM), c.bending) << c.mode;
            if (c.contact) d.type(D::IDC_SIGMA_HLIM, "1500");
            if (c.bending) d.type(D::IDC_SIGMA_FLIM, "460");
            d.enter();
        });
        D dlg;
        ASSERT_EQ(dlg.DoModal(c.mode), IDOK);
        EXPECT_EQ(dlg.m_nMode, c.mode);
        EXPECT_DOUBLE_EQ(dlg.m_dSigmaHlim, c.contact ? 1500 : 0) << c.mode;
        EXPECT_DOUBLE_EQ(dlg.m_dSigmaFlim, c.bending ? 460 : 0) << c.mode;
    }
}

TEST_F(FactorDialogs, AccuracyGradeSelectsSixAndShowsTheCallersHint) {
    using D = CCyProofPrecisionDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_EQ(d.items(D::IDC_GRADE), (std::vector<std::string>{"3", "4", "5", "6", "7", "8", "9", "10"}));
        EXPECT_EQ(d.selection(D::IDC_GRADE), 3);
        EXPECT_EQ(d.text(D::IDC_GRADE), "6");
        EXPECT_EQ(d.text(D::IDC_HINT), "v = 4.2 m/s：推荐 7 级");
        d.select(D::IDC_GRADE, 5);
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal("v = 4.2 m/s：推荐 7 级"), IDOK);
    EXPECT_EQ(dlg.m_nGrade, 5);   // grade 8
}

// ---- form factor options and stress correction --------------------------------

TEST_F(FactorDialogs, FormFactorOptionsPresetTheRatedGear) {
    using D = CCyProofShiftDlg;
    struct Case {
        int gear;
        const char* x;   // xn1 for the pinion, xn2 for the gear
        int checkedId, disabledId;
    };
    for (const Case& c : {Case{0, "0.35", D::IDC_PINION, D::IDC_GEAR}, Case{1, "-0.2", D::IDC_GEAR, D::IDC_PINION}}) {
        s.onDialog(D::IDD, [&c](Running& d) {
            EXPECT_EQ(d.text(D::IDC_ZV), "23.5");
            EXPECT_EQ(d.text(D::IDC_X), c.x);
            EXPECT_EQ(d.text(D::IDC_DEPTH), "2.25");
            EXPECT_TRUE(d.checked(c.checkedId));
            EXPECT_FALSE(d.enabled(c.disabledId));
            EXPECT_TRUE(d.enabled(c.checkedId));
            d.click(IDOK);
        });
        D dlg;
        ASSERT_EQ(dlg.DoModal(23.5, c.gear, 0.35, -0.2), IDOK);
        EXPECT_EQ(dlg.m_nGear, c.gear);
        EXPECT_DOUBLE_EQ(dlg.m_dZv, 23.5);
        EXPECT_DOUBLE_EQ(dlg.m_dX, std::stod(c.x));
    }
}

TEST_F(FactorDialogs, FormFactorOptionsRefuseAWholeDepthBelowOnePointThree) {
    using D = CCyProofShiftDlg;
    s.onDialog(D::IDD, [](Running& d) {
        d.type(D::IDC_DEPTH, "1.2");
        d.enter();                           // the field is read first, then refused
        EXPECT_FALSE(d.ended());
        d.type(D::IDC_X, "0.1");
        d.type(D::IDC_DEPTH, "1.3");
        d.enter();
    });
    s.expectMessage("全齿高系数不能太小！");
    D dlg;
    ASSERT_EQ(dlg.DoModal(18, 0, 0.5, 0), IDOK);
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_EQ(s.messages()[0].caption, "注意");
    EXPECT_EQ(s.messages()[0].icon, fw::MessageIcon::Exclamation);
    EXPECT_DOUBLE_EQ(dlg.m_dDepth, 1.3);
    EXPECT_DOUBLE_EQ(dlg.m_dX, 0.1);
}

TEST_F(FactorDialogs, StressCorrectionPresetsTheRatedGear) {
    using D = CCyProofWysDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_TRUE(d.checked(D::IDC_GEAR));
        EXPECT_FALSE(d.enabled(D::IDC_PINION));
        EXPECT_TRUE(d.checked(1292));
        EXPECT_EQ(d.text(D::IDC_ZV), "61.2");
        EXPECT_EQ(d.text(D::IDC_X), "0.1");
        d.click(1295);
        d.type(D::IDC_X, "0.15");
        d.enter();
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(61.2, 1, 0.4, 0.1), IDOK);
    EXPECT_EQ(dlg.m_nGear, 1);
    EXPECT_EQ(dlg.m_nMaterial, 3);   // 灰铸铁
    EXPECT_DOUBLE_EQ(dlg.m_dX, 0.15);
    EXPECT_DOUBLE_EQ(dlg.m_dZv, 61.2);
}

// ---- torque and bending life ---------------------------------------------------

TEST_F(FactorDialogs, TorqueFieldsAreTakenBeforeOk) {
    using D = CCyProofTDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_EQ(d.text(D::IDC_SPEED), "0");
        EXPECT_EQ(d.text(D::IDC_POWER), "0");
        d.type(D::IDC_SPEED, "1450");
        d.type(D::IDC_POWER, "x");
        d.enter();                       // refused by the exchange: stays open
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(d.focused(), D::IDC_POWER);
        d.type(D::IDC_POWER, "30");
        d.enter();
    });
    s.expectMessage(std::string("传递功率 P：") + fw::dx_text::NotANumber);   // names the field
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dN, 1450);
    EXPECT_DOUBLE_EQ(dlg.m_dP, 30);
}

TEST_F(FactorDialogs, BendingLifeOpensAtTenToTheSixTimesThree) {
    using D = CCyProofWynDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_EQ(d.items(D::IDC_CYCLES), (std::vector<std::string>{"10＾3", "10＾4", "10＾5", "10＾6", "10＾7"}));
        EXPECT_EQ(d.selection(D::IDC_CYCLES), 3);
        EXPECT_FALSE(d.dialog().combo(D::IDC_CYCLES).editable());
        EXPECT_EQ(d.text(D::IDC_MULTIPLIER), "3");
        EXPECT_TRUE(d.checked(1243));
        d.click(1245);
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dNe, 3e6);
    EXPECT_EQ(dlg.m_nMaterial, 2);
}

TEST_F(FactorDialogs, BendingLifeMultipliesTheChosenPower) {
    using D = CCyProofWynDlg;
    // "10＾5" × 2 = 200000, in both orders; the multiplier typed last is
    // taken when Enter moves the focus to OK.
    s.onDialog(D::IDD, [](Running& d) {
        d.selectText(D::IDC_CYCLES, "10＾5");
        d.type(D::IDC_MULTIPLIER, "2");
        d.enter();
    });
    s.onDialog(D::IDD, [](Running& d) {
        d.type(D::IDC_MULTIPLIER, "2");
        d.selectText(D::IDC_CYCLES, "10＾5");
        d.click(IDOK);
    });
    for (int run = 0; run < 2; ++run) {
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_DOUBLE_EQ(dlg.m_dNe, 200000) << run;
        EXPECT_DOUBLE_EQ(dlg.m_dMultiplier, 2) << run;
    }
}

// NE's one range is the bound: 10＾7 × 6000 = 6e10 (an industrial life) is
// taken on every road to OK, the multiplier typed last included, and no
// notice comes.
TEST_F(FactorDialogs, BendingLifeTakesLongIndustrialLives) {
    using D = CCyProofWynDlg;
    // OK clicked or Enter: the multiplier's kill-focus comes first; OK as a
    // command (an accelerator, a screen reader's press) moves no focus.
    enum class Press { Click, Enter, Command };
    struct Road {
        const char* name;
        const char* entry;
        const char* multiplier;
        bool multiplierFirst;
        Press press;
        double ne;
    };
    const std::vector<Road> roads = {
        {"10＾7, type 6000, OK", "10＾7", "6000", false, Press::Click, 6e10},
        {"10＾7, type 6000, Enter", "10＾7", "6000", false, Press::Enter, 6e10},
        {"10＾7, type 6000, OK as a command", "10＾7", "6000", false, Press::Command, 6e10},
        {"type 6000, then 10＾7, OK", "10＾7", "6000", true, Press::Click, 6e10},
        {"3000 r/min for 100000 h: 10＾3 × 1.8e7", "10＾3", "1.8e7", false, Press::Click, 1.8e10},
        {"NE's upper bound: 10＾7 × 100000", "10＾7", "100000", false, Press::Click, 1e12},
    };
    for (const Road& r : roads) {
        s.onDialog(D::IDD, [&r](Running& d) {
            if (r.multiplierFirst) d.type(D::IDC_MULTIPLIER, r.multiplier);
            d.selectText(D::IDC_CYCLES, r.entry);
            if (!r.multiplierFirst) d.type(D::IDC_MULTIPLIER, r.multiplier);
            if (r.press == Press::Click) d.click(IDOK);
            if (r.press == Press::Enter) d.enter();
            if (r.press == Press::Command) d.dialog().command(IDOK);
        });
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK) << r.name;
        EXPECT_DOUBLE_EQ(dlg.m_dNe, r.ne) << r.name;
    }
    EXPECT_TRUE(s.messages().empty());
}

// A product beyond NE's range is refused naming NE with NE's range, once:
// the click on OK is dropped, the field gets the focus back, and left again
// unchanged it takes back its accepted text, so OK then closes with the NE
// the dialog shows. The box refuses an entry the same way and shows its
// accepted entry again.
TEST_F(FactorDialogs, BendingLifeRefusesAProductBeyondNesRange) {
    using D = CCyProofWynDlg;
    const std::string refusal = "当量循环次数 NE：请输入 0 或 1 到 1000000000000 之间的数值。";
    s.onDialog(D::IDD, [](Running& d) {
        d.selectText(D::IDC_CYCLES, "10＾7");
        d.type(D::IDC_MULTIPLIER, "200000");     // 2e12
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(d.focused(), D::IDC_MULTIPLIER);
        d.click(IDOK);                            // left unchanged: back to "3"
        EXPECT_TRUE(d.ended());
        EXPECT_EQ(d.text(D::IDC_MULTIPLIER), "3");
    });
    s.expectMessage(refusal);
    {
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_DOUBLE_EQ(dlg.m_dNe, 3e7);
        EXPECT_DOUBLE_EQ(dlg.m_dMultiplier, 3);
    }
    s.onDialog(D::IDD, [](Running& d) {
        d.selectText(D::IDC_CYCLES, "10＾7");
        d.type(D::IDC_MULTIPLIER, "1e-8");        // 0.1 cycles
        d.enter();
        EXPECT_FALSE(d.ended());
        d.type(D::IDC_MULTIPLIER, "6000");        // mended: taken
        d.click(IDOK);
    });
    s.expectMessage(refusal);
    {
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_DOUBLE_EQ(dlg.m_dNe, 6e10);
    }
    s.onDialog(D::IDD, [](Running& d) {
        d.selectText(D::IDC_CYCLES, "10＾3");
        d.type(D::IDC_MULTIPLIER, "1e6");         // 1e9
        d.leave();
        d.selectText(D::IDC_CYCLES, "10＾7");     // 1e13: refused
        EXPECT_EQ(d.selection(D::IDC_CYCLES), 0);
        EXPECT_EQ(d.text(D::IDC_CYCLES), "10＾3");
        d.click(IDOK);
    });
    s.expectMessage(refusal);
    {
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_DOUBLE_EQ(dlg.m_dNe, 1e9);
        EXPECT_EQ(dlg.m_strCycles, "10＾3");
    }
    EXPECT_EQ(s.messages().size(), 3u) << "one refusal per change";
}

// The multiplier at each entry of the box, probed at 1e300, −1e300, ±1e-300
// and at the multipliers that give NE's bounds and one step beside them:
// refused exactly where 10^k × multiplier leaves NE's range (a multiplier at
// or below 0 goes on to the rating's refusal), naming NE and its range.
TEST(FactorDialogRanges, BendingLifeMultiplierFollowsNesRange) {
    namespace q = kavrin::factor_q;
    using D = CCyProofWynDlg;
    const std::vector<std::string> entries = {"10＾3", "10＾4", "10＾5", "10＾6", "10＾7"};
    for (int index = 0; index < static_cast<int>(entries.size()); ++index) {
        const double power = std::pow(10.0, index + 3);
        const kavrin::Quantity atEntry{"multiplier", "", {q::kLoadCycles.lower() / power, q::kLoadCycles.upper() / power}};
        for (double v : kavrin_test::numberProbes(atEntry)) {
            const std::string typed = fw::formatNumber(v);
            SCOPED_TRACE(entries[index] + " × " + typed);
            const double ne = power * *fw::parseNumber(typed);
            const bool admitted = ne <= 0 || q::kLoadCycles.admits(ne);
            fwtest::Session s;
            if (!admitted) s.expectMessage(kavrin::quantityRefusal(q::kLoadCycles));
            s.onDialog(D::IDD, [&](Running& d) {
                d.selectText(D::IDC_CYCLES, entries[index]);
                d.type(D::IDC_MULTIPLIER, typed);
                d.click(IDOK);
                if (!d.ended()) d.end(IDCANCEL);
            });
            D dlg;
            const int result = dlg.DoModal();
            EXPECT_EQ(result == IDOK, admitted);
            EXPECT_EQ(s.messages().size(), admitted ? 0u : 1u);
            if (admitted) {
                EXPECT_DOUBLE_EQ(dlg.m_dNe, ne);
            }
            EXPECT_TRUE(s.allUsed());
        }
    }
}

// ---- elasticity ----------------------------------------------------------------

TEST_F(FactorDialogs, ElasticityPairsSetTheModuli) {
    using D = CCyProofZeDlg;
    struct Case {
        int radio;
        const char* e1;
        const char* e2;
    };
    // The moduli table of the pairs (N/mm²).
    const std::vector<Case> cases = {
        {1227, "210000", "210000"}, {1228, "200000", "206000"}, {1229, "210000", "120000"},
        {1230, "210000", "176000"}, {1231, "206000", "206000"}, {1232, "206000", "120000"},
        {1233, "206000", "176000"}, {1234, "120000", "120000"}, {1235, "120000", "176000"},
        {1236, "176000", "176000"},
    };
    s.onDialog(D::IDD, [&cases](Running& d) {
        EXPECT_TRUE(d.checked(1227));
        for (int id : {D::IDC_E1, D::IDC_E2, D::IDC_NU1, D::IDC_NU2}) EXPECT_FALSE(d.enabled(id)) << id;
        EXPECT_EQ(d.text(D::IDC_NU1), "0.3");
        for (const Case& c : cases) {
            d.click(c.radio);
            EXPECT_EQ(d.text(D::IDC_E1), c.e1) << c.radio;
            EXPECT_EQ(d.text(D::IDC_E2), c.e2) << c.radio;
            EXPECT_EQ(d.text(D::IDC_NU2), "0.3") << c.radio;
            EXPECT_FALSE(d.enabled(D::IDC_E1)) << c.radio;
        }
        d.click(1228);
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nPair, 1);
    EXPECT_DOUBLE_EQ(dlg.m_dE1, 200000);   // 钢-铸钢
    EXPECT_DOUBLE_EQ(dlg.m_dE2, 206000);
}

TEST_F(FactorDialogs, ElasticityOtherEnablesTheFieldsAndHintsAtZeros) {
    using D = CCyProofZeDlg;
    s.onDialog(D::IDD, [](Running& d) {
        d.click(1234);
        d.click(D::IDC_OTHER);
        for (int id : {D::IDC_E1, D::IDC_E2, D::IDC_NU1, D::IDC_NU2}) EXPECT_TRUE(d.enabled(id)) << id;
        EXPECT_EQ(d.text(D::IDC_E1), "210000");
        EXPECT_EQ(d.text(D::IDC_E2), "210000");
        // Each change is checked while typing, without leaving the field.
        d.type(D::IDC_E1, "0");
        EXPECT_EQ(d.text(D::IDC_HINT), "弹性系数必须输入正值！");
        d.type(D::IDC_E1, "195000");
        EXPECT_EQ(d.text(D::IDC_HINT), "");
        d.type(D::IDC_NU2, "0");
        EXPECT_EQ(d.text(D::IDC_HINT), "材料泊桑比必须输入正值！");
        EXPECT_EQ(d.focused(), D::IDC_NU2);
        d.type(D::IDC_NU2, "0.28");
        EXPECT_EQ(d.text(D::IDC_HINT), "");
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nPair, 10);
    EXPECT_DOUBLE_EQ(dlg.m_dE1, 195000);
    EXPECT_DOUBLE_EQ(dlg.m_dE2, 210000);
    EXPECT_DOUBLE_EQ(dlg.m_dNu1, 0.3);
    EXPECT_DOUBLE_EQ(dlg.m_dNu2, 0.28);
}

// ---- work hardening --------------------------------------------------------------

TEST_F(FactorDialogs, WorkHardeningAsksTheHardnessOnlyForAHardPinionOnASoftGear) {
    using D = CCyProofZhwDlg;
    struct Step {
        int radio;
        bool hbEnabled;   // pinion hard and gear soft
    };
    const std::vector<Step> steps = {
        {1278, false},   // soft pinion
        {1277, true},    // hard pinion, gear still soft
        {1279, false},   // hard gear
        {1280, true},    // soft gear again, pinion hard
        {1278, false},
        {1279, false},
        {1280, false},   // soft gear with a soft pinion
        {1277, true},
    };
    s.onDialog(D::IDD, [&steps](Running& d) {
        EXPECT_TRUE(d.checked(1277));
        EXPECT_TRUE(d.checked(1280));
        EXPECT_TRUE(d.enabled(D::IDC_HB));
        EXPECT_EQ(d.text(D::IDC_HB), "350");
        for (std::size_t i = 0; i < steps.size(); ++i) {
            d.click(steps[i].radio);
            EXPECT_EQ(d.enabled(D::IDC_HB), steps[i].hbEnabled) << "step " << i;
        }
        d.click(IDCANCEL);
    });
    D dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(FactorDialogs, WorkHardeningHardnessAbove350MakesTheGearHard) {
    using D = CCyProofZhwDlg;
    s.onDialog(D::IDD, [](Running& d) {
        d.type(D::IDC_HB, "400");
        d.enter();   // the field's check runs first, then OK
    });
    s.onDialog(D::IDD, [](Running& d) {
        d.type(D::IDC_HB, "400");
        d.leave();
        EXPECT_TRUE(d.checked(1279));
        EXPECT_FALSE(d.checked(1280));
        EXPECT_FALSE(d.enabled(D::IDC_HB));
        d.click(IDOK);
    });
    for (int run = 0; run < 2; ++run) {
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_nGear, 0) << run;
        EXPECT_EQ(dlg.m_nPinion, 0) << run;
        EXPECT_DOUBLE_EQ(dlg.m_dHb, 400) << run;
    }
}

// ---- lubricant, contact life, roughness --------------------------------------------

TEST_F(FactorDialogs, LubricantOpensWithTheCallersClassAndRefusesZero) {
    using D = CCyProofZlDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_TRUE(d.checked(1257));   // class 2 given
        EXPECT_TRUE(d.checked(1252));
        EXPECT_TRUE(d.checked(1253));
        EXPECT_EQ(d.text(D::IDC_VISCOSITY), "220");
        d.type(D::IDC_VISCOSITY, "");    // not a number yet: no message while typing
        d.type(D::IDC_VISCOSITY, "0");
        EXPECT_EQ(d.text(D::IDC_VISCOSITY), "20");
        d.click(1251);
        d.click(1254);
        d.click(1255);
        d.click(IDOK);
    });
    s.expectMessage("输入数据无效！");
    D dlg;
    ASSERT_EQ(dlg.DoModal(2), IDOK);
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_EQ(s.messages()[0].caption, "警告");
    EXPECT_EQ(s.messages()[0].icon, fw::MessageIcon::Exclamation);
    EXPECT_DOUBLE_EQ(dlg.m_dNu50, 20.0);
    EXPECT_EQ(dlg.m_nLubricant, 0);
    EXPECT_EQ(dlg.m_nFlanks, 1);
    EXPECT_EQ(dlg.m_nClass, 0);
}

// ν₅₀ = [field] cSt: the subscript stands after the symbol (the field is
// known as "…ν50"), the unit after the field; the sign is written "°C" (the
// dialog font draws "℃" blank). OK takes only a viscosity of gear oils.
TEST_F(FactorDialogs, LubricantViscosityFieldReadsNuFiftyAndTakesGearOils) {
    using D = CCyProofZlDlg;
    s.answerMessage(IDOK);
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_EQ(fw::fieldLabel(d.dialog(), D::IDC_VISCOSITY), "50°C时润滑油运动粘度 ν50");
        d.type(D::IDC_VISCOSITY, "1e308");
        d.click(IDOK);
        EXPECT_FALSE(d.ended()) << "an absurd viscosity is refused";
        d.type(D::IDC_VISCOSITY, "2000");
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(2), IDOK);
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_EQ(s.messages()[0].text, "50°C时润滑油运动粘度 ν50：请输入 1 到 2000 之间的数值。");
    EXPECT_DOUBLE_EQ(dlg.m_dNu50, 2000);
    // The row: label, field, the subscript, the unit.
    const fw::DialogTemplate* t = dlg.module()->dialog(D::IDD);
    ASSERT_TRUE(t);
    bool found = false;
    std::function<void(const std::vector<fw::Node>&)> walk = [&](const std::vector<fw::Node>& nodes) {
        for (const fw::Node& n : nodes) {
            if (n.kind == fw::Kind::Row && n.children.size() == 4 && n.children[1].id == D::IDC_VISCOSITY) {
                found = true;
                EXPECT_EQ(n.children[0].text, "50°C时润滑油运动粘度 ν =");
                EXPECT_EQ(n.children[2].text, "50");
                EXPECT_TRUE(n.children[2].style & fw::style::Subscript);
                EXPECT_EQ(n.children[3].text, "cSt");
                EXPECT_FALSE(n.children[3].style & fw::style::Subscript);
            }
            walk(n.children);
        }
    };
    walk(t->body);
    EXPECT_TRUE(found);
}

// Fatigue limits beyond those of gear materials are refused by the dialog
// (σHlim 1e308 gave SH 1.3e305).
TEST_F(FactorDialogs, LimitStrengthTakesOnlyMaterialLimits) {
    using D = CCyProofLimtDlg;
    s.answerMessage(IDOK);
    s.onDialog(D::IDD, [](Running& d) {
        d.type(D::IDC_SIGMA_HLIM, "1e308");
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        d.type(D::IDC_SIGMA_HLIM, "1500");
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(0), IDOK);
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_TRUE(s.messages()[0].text.ends_with("：请输入 0 或 100 到 2000 之间的数值。")) << s.messages()[0].text;
    EXPECT_DOUBLE_EQ(dlg.m_dSigmaHlim, 1500);
}

TEST_F(FactorDialogs, ContactLifeChoicesGiveTheLimitCycles) {
    using D = CCyProofZnDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_TRUE(d.checked(1243));
        EXPECT_TRUE(d.checked(1246));
        EXPECT_TRUE(d.enabled(1247));
        EXPECT_EQ(d.text(D::IDC_NE), "1000000000");
        d.click(1247);                    // class 0 without pitting
        EXPECT_EQ(d.text(D::IDC_NE), "50000000");
        d.click(1244);                    // class 1: 2e6, no pitting choice
        EXPECT_EQ(d.text(D::IDC_NE), "2000000");
        EXPECT_FALSE(d.enabled(1246));
        EXPECT_FALSE(d.enabled(1247));
        EXPECT_FALSE(d.click(1247));
        EXPECT_EQ(d.text(D::IDC_NE), "2000000");
        d.click(1245);
        EXPECT_EQ(d.text(D::IDC_NE), "2000000");
        d.click(1243);                    // back to class 0, pitting still not allowed
        EXPECT_TRUE(d.enabled(1246));
        EXPECT_EQ(d.text(D::IDC_NE), "50000000");
        d.click(1244);
        d.type(D::IDC_NE, "3e6");         // the user's own NE
        d.enter();
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nMaterial, 1);
    EXPECT_EQ(dlg.m_nPitting, 1);
    EXPECT_DOUBLE_EQ(dlg.m_dNe, 3e6);
}

// What the field shows is what OK hands on, typed or set by a choice: an NE
// of 6e10 typed is taken by OK and by Enter, a choice made after typing
// replaces it, and a typed NE after a choice replaces the choice's.
TEST_F(FactorDialogs, ContactLifeHandsOnWhatItsFieldShows) {
    using D = CCyProofZnDlg;
    struct Road {
        const char* name;
        fwtest::Script script;
        int material;
        double ne;
    };
    const std::vector<Road> roads = {
        {"typed, OK", [](Running& d) {
             d.type(D::IDC_NE, "6e10");
             d.click(IDOK);
         }, 0, 6e10},
        {"typed, Enter", [](Running& d) {
             d.type(D::IDC_NE, "60000000000");
             d.enter();
         }, 0, 6e10},
        {"typed, then 不允许点蚀", [](Running& d) {
             d.type(D::IDC_NE, "6e10");
             d.click(D::IDC_NOT_PITTING);
             EXPECT_EQ(d.text(D::IDC_NE), "50000000");
             d.click(IDOK);
         }, 0, 5e7},
        {"class 1, then typed", [](Running& d) {
             d.click(1244);
             d.type(D::IDC_NE, "6e10");
             d.click(IDOK);
         }, 1, 6e10},
        {"NE's upper bound", [](Running& d) {
             d.type(D::IDC_NE, "1e12");
             d.click(IDOK);
         }, 0, 1e12},
    };
    for (const Road& r : roads) {
        s.onDialog(D::IDD, r.script);
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK) << r.name;
        EXPECT_EQ(dlg.m_nMaterial, r.material) << r.name;
        EXPECT_DOUBLE_EQ(dlg.m_dNe, r.ne) << r.name;
    }
    EXPECT_TRUE(s.messages().empty());
}

TEST_F(FactorDialogs, RoughnessZeroIsRefusedByTabAndByEnter) {
    using D = CCyProofZrDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_TRUE(d.checked(1273));
        EXPECT_EQ(d.text(D::IDC_RA), "3.2");
        d.type(D::IDC_RA, "0");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_RA), "3.2");
        EXPECT_EQ(d.focused(), D::IDC_RA);
        d.type(D::IDC_RA, "-0.8");
        d.enter();                        // checked first: the dialog stays
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(d.text(D::IDC_RA), "3.2");
        d.type(D::IDC_RA, "0");
        d.click(IDOK);                    // a click on OK is taken the same way
        EXPECT_FALSE(d.ended());
        d.click(1270);
        d.type(D::IDC_RA, "1.6");
        d.enter();
    });
    for (int i = 0; i < 3; ++i) s.expectMessage("输入粗糙度精度太高或无效！");
    D dlg;
    ASSERT_EQ(dlg.DoModal(4), IDOK);
    ASSERT_EQ(s.messages().size(), 3u);
    EXPECT_EQ(s.messages()[0].caption, "警告");
    EXPECT_EQ(s.messages()[0].icon, fw::MessageIcon::Exclamation);
    EXPECT_EQ(dlg.m_nClass, 1);
    EXPECT_DOUBLE_EQ(dlg.m_dRa, 1.6);
}

TEST_F(FactorDialogs, RoughnessEnterRightAfterZeroKeepsTheDefault) {
    using D = CCyProofZrDlg;
    s.onDialog(D::IDD, [](Running& d) {
        d.type(D::IDC_RA, "0");
        d.enter();
        EXPECT_FALSE(d.ended());
        d.enter();                        // now 3.2 stands in the field
    });
    s.expectMessage("输入粗糙度精度太高或无效！");
    D dlg;
    ASSERT_EQ(dlg.DoModal(0), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dRa, 3.2);
}


// ---- one range per typed value ----------------------------------------------

// Every typed value of the factor dialogs that reaches a rating, at 1e300,
// −1e300, ±1e-300 and at each bound and one step beside it: OK refuses what
// lies outside its range, naming the field with the range's words, and takes
// the rest. A value at or below the dialog's own floor (0, or a whole depth
// below 1.3) gets the dialog's own words or goes on to the rating's.
TEST(FactorDialogRanges, OkRefusesExactlyWhatTheRangeRefuses) {
    namespace q = kavrin::factor_q;
    struct Field {
        const char* name;
        int templateId;
        int id;
        const kavrin::Quantity* q;
        double ownFloor;  // at or below: the dialog's own words (NaN: none)
        std::function<void(Running&)> prepare;
        std::function<int()> run;
    };
    const double none = std::nan("");
    const Field fields[] = {
        {"P", CCyProofTDlg::IDD, CCyProofTDlg::IDC_POWER, &q::kPower, 0, {}, [] { CCyProofTDlg d; return d.DoModal(); }},
        {"n1", CCyProofTDlg::IDD, CCyProofTDlg::IDC_SPEED, &q::kSpeed, 0, {}, [] { CCyProofTDlg d; return d.DoModal(); }},
        {"σHlim", CCyProofLimtDlg::IDD, CCyProofLimtDlg::IDC_SIGMA_HLIM, &q::kSigmaHlim, 0, {}, [] { CCyProofLimtDlg d; return d.DoModal(-1); }},
        {"σFlim", CCyProofLimtDlg::IDD, CCyProofLimtDlg::IDC_SIGMA_FLIM, &q::kSigmaFlim, 0, {}, [] { CCyProofLimtDlg d; return d.DoModal(-1); }},
        {"E1", CCyProofZeDlg::IDD, CCyProofZeDlg::IDC_E1, &q::kElasticModulus, 0, [](Running& d) { d.click(CCyProofZeDlg::IDC_OTHER); }, [] { CCyProofZeDlg d; return d.DoModal(); }},
        {"ν2", CCyProofZeDlg::IDD, CCyProofZeDlg::IDC_NU2, &q::kPoisson, 0, [](Running& d) { d.click(CCyProofZeDlg::IDC_OTHER); }, [] { CCyProofZeDlg d; return d.DoModal(); }},
        {"NE", CCyProofZnDlg::IDD, CCyProofZnDlg::IDC_NE, &q::kLoadCycles, 0, {}, [] { CCyProofZnDlg d; return d.DoModal(); }},
        {"HB", CCyProofZhwDlg::IDD, CCyProofZhwDlg::IDC_HB, &q::kHardness, none, {}, [] { CCyProofZhwDlg d; return d.DoModal(); }},
        {"ν50", CCyProofZlDlg::IDD, CCyProofZlDlg::IDC_VISCOSITY, &q::kViscosity, 0, {}, [] { CCyProofZlDlg d; return d.DoModal(4); }},
        {"Ra", CCyProofZrDlg::IDD, CCyProofZrDlg::IDC_RA, &q::kRoughness, 0, {}, [] { CCyProofZrDlg d; return d.DoModal(4); }},
        {"x (form)", CCyProofShiftDlg::IDD, CCyProofShiftDlg::IDC_X, &q::kShift, none, {}, [] { CCyProofShiftDlg d; return d.DoModal(20, 0, 0.1, -0.1); }},
        {"zv (form)", CCyProofShiftDlg::IDD, CCyProofShiftDlg::IDC_ZV, &q::kVirtualTeeth, none, {}, [] { CCyProofShiftDlg d; return d.DoModal(20, 0, 0.1, -0.1); }},
        {"h*", CCyProofShiftDlg::IDD, CCyProofShiftDlg::IDC_DEPTH, &q::kWholeDepth, q::kWholeDepth.lower(), {}, [] { CCyProofShiftDlg d; return d.DoModal(20, 0, 0.1, -0.1); }},
        {"x (stress)", CCyProofWysDlg::IDD, CCyProofWysDlg::IDC_X, &q::kShift, none, {}, [] { CCyProofWysDlg d; return d.DoModal(20, 0, 0.1, -0.1); }},
        {"zv (stress)", CCyProofWysDlg::IDD, CCyProofWysDlg::IDC_ZV, &q::kVirtualTeeth, none, {}, [] { CCyProofWysDlg d; return d.DoModal(20, 0, 0.1, -0.1); }},
    };
    for (const Field& f : fields) {
        const std::vector<double> probes = kavrin_test::numberProbes(*f.q);
        for (double v : probes) {
            const std::string typed = fw::formatNumber(v);
            SCOPED_TRACE(std::string(f.name) + " = " + typed);
            fwtest::Session s;
            s.tolerate([](Running& d) { d.end(IDCANCEL); });
            s.onDialog(f.templateId, [&](Running& d) {
                if (f.prepare) f.prepare(d);
                d.type(f.id, typed);
                d.click(IDOK);
                if (!d.ended()) d.end(IDCANCEL);
            });
            const int result = f.run();
            const std::string bounds = fw::numberBoundsText(f.q->bounds);
            int refusals = 0;
            for (const auto& m : s.messages())
                if (m.text.ends_with(bounds)) ++refusals;
            const bool own = !std::isnan(f.ownFloor) && v <= f.ownFloor;
            const bool admitted = f.q->admits(v) || own;
            EXPECT_EQ(refusals > 0, !admitted);
            if (!admitted) { EXPECT_NE(result, IDOK) << "refused: the dialog stays until Cancel"; }
        }
    }
}

}  // namespace
