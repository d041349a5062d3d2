// The worm preliminary design dialog (template 2024), run headless: the
// chain vector typed in, saved and loaded; the mends; the load refusals.
#include "worm/ccw_pr_dlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "common/calc/record_check.h"
#include "fw/clock.h"
#include "fw/file.h"
#include "common/tests/range_probes.h"
#include "fw/format.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/cw_ranges.h"
#include "worm/ccw_ka_dlg.h"
#include "worm/ccw_met_dlg.h"
#include "worm/cw_zlo_dlg.h"
#include "worm/tests/worm_dlg_test_support.h"

namespace fs = std::filesystem;
using D = CcwPrDlg;
using fwtest::Running;
using namespace worm;

namespace {

constexpr const char* kAskCancel = "数据尚未保存，是(Yes)否(No)保存数据？";
constexpr const char* kAskZ1To3 = "根据传动比要求现选定蜗杆头数Z1=2, \n如果设计允许机构尺寸偏大，可指定Z1=3,\n你想改为3吗？";

using worm::test::bytesOf;
using worm::test::fixture;
using worm::test::num;

class CcwPrDlgTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(m_s.allUsed()) << "a queued script, answer or file was not used";
    }
    int run(fwtest::Script script) { return worm::test::runDialog<D>(m_s, std::move(script), m_reportPath); }
    void leaveWithoutSaving(Running& d) {
        m_s.expectMessage(kAskCancel, IDNO);
        d.click(IDCANCEL);
    }

    // The chain vector up to the chosen diameter: ZA, n1 1450, u 20 (No to
    // Z1 = 3), P 7.5, material row 1, KA 平稳/平稳, Zρ at thumb 20.
    void enterInputs(Running& d) {
        d.type(D::IDC_TITLE, "蜗杆减速器");
        d.type(D::IDC_NUMBER, "TV-01");
        d.focus(D::IDC_DATE);
        d.type(D::IDC_DATE, "2026年12月10日");
        d.type(D::IDC_N1, "1450");
        d.leave();
        m_s.expectMessage(kAskZ1To3, IDNO);
        d.type(D::IDC_U, "20");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_Z1), "2");
        EXPECT_EQ(d.text(D::IDC_Z2), "40");
        EXPECT_EQ(d.text(D::IDC_N2), "72.5");
        EXPECT_NEAR(num(d, D::IDC_D1A), 0.4538, 5e-5);
        d.type(D::IDC_P, "7.5");
        d.leave();
        EXPECT_NEAR(num(d, D::IDC_T), 987.8276, 5e-5);
        m_s.onDialog(CCwMetDlg::IDD, [](Running& m) { m.click(IDOK); });
        d.click(D::IDC_MATERIAL);
        m_s.onDialog(CCwKaDlg::IDD, [](Running& k) { k.click(IDOK); });
        d.click(D::IDC_KA_BUTTON);
        EXPECT_FALSE(d.enabled(D::IDC_CALC));
        m_s.onDialog(CCwZloDlg1::IDD, [](Running& c) {
            EXPECT_EQ(c.position(CCwZloDlg::IDC_HORZ), 33);
            c.drag(CCwZloDlg::IDC_VERT, 20);
            c.click(IDOK);
        });
        d.click(D::IDC_ZRHO_BUTTON);
        EXPECT_EQ(d.text(D::IDC_SIGMA_H), "265");
        EXPECT_EQ(d.text(D::IDC_SIGMA_F), "115");
        EXPECT_EQ(d.text(D::IDC_ZE), "147");
        EXPECT_EQ(d.text(D::IDC_KA), "1");
        EXPECT_NEAR(num(d, D::IDC_ZRHO), 3.06, 1e-12);
        EXPECT_TRUE(d.enabled(D::IDC_CALC));
        EXPECT_EQ(d.text(D::IDC_HINT), kHintInputs);
    }
    void calculateAndChoose(Running& d) {
        d.click(D::IDC_CALC);
        EXPECT_NEAR(num(d, D::IDC_A), 188.5586, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_D1_CALC), 66.6077, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_D2), 310.5095, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_M_CALC), 7.7627, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_Q), 8.5804, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_GAMMA), 13.1207, 5e-5);
        EXPECT_EQ(d.items(D::IDC_MODULE), (std::vector<std::string>{"6.30", "8.00", "10.00", "7.00", "12.00"}));
        EXPECT_EQ(d.text(D::IDC_HINT), kHintChooseModule);
        EXPECT_TRUE(d.enabled(D::IDC_MODULE));
        EXPECT_FALSE(d.enabled(D::IDC_DIAMETER));
        d.selectText(D::IDC_MODULE, "8.00");
        EXPECT_NEAR(num(d, D::IDC_Q), 8.3260, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_GAMMA), 13.5072, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_A), 193.3039, 5e-5);
        EXPECT_EQ(d.items(D::IDC_DIAMETER), (std::vector<std::string>{"63.0", "71.0", "60.0", "67.0"}));
        EXPECT_EQ(d.selection(D::IDC_DIAMETER), 1);
        EXPECT_EQ(d.text(D::IDC_HINT), kHintChooseDiameter);
        EXPECT_TRUE(d.enabled(D::IDC_DIAMETER));
        d.select(D::IDC_DIAMETER, 1);
        EXPECT_EQ(d.text(D::IDC_Q), "8.875");
        EXPECT_NEAR(num(d, D::IDC_GAMMA), 12.6996, 5e-5);
        EXPECT_EQ(d.text(D::IDC_D2), "320");
        EXPECT_EQ(d.text(D::IDC_A), "195.5");
        EXPECT_NEAR(num(d, D::IDC_D1A), 0.3407, 5e-5);
        EXPECT_EQ(d.text(D::IDC_HINT), kHintDoneSmallLead);
    }

    fwtest::Session m_s;
    fwtest::Installation m_inst{"dlg-ccwpr"};
    fs::path m_data = m_inst.data();
    std::string m_reportPath;
};

TEST_F(CcwPrDlgTest, ChainVectorSavesTheFixtureAndItsReport) {
    const std::int64_t before = fw::nowSeconds();
    m_s.answerSave(m_data / "gear");
    int r = run([&](Running& d) {
        EXPECT_FALSE(d.enabled(D::IDC_N2));
        EXPECT_FALSE(d.enabled(D::IDC_T));
        EXPECT_FALSE(d.enabled(D::IDC_CALC));
        EXPECT_FALSE(d.enabled(D::IDC_MODULE));
        enterInputs(d);
        calculateAndChoose(d);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    EXPECT_EQ(m_reportPath, (m_data / "gear.cwt").string());
    const auto& req = m_s.files().at(0).request;
    EXPECT_EQ(req.title, kSaveTitle);
    EXPECT_EQ(req.initialName, "*.cwb");
    EXPECT_EQ(req.folder, m_data);
    // The design file: the fixture's bytes but for the time stamp (56..63).
    auto saved = bytesOf(m_data / "gear.cwb");
    auto expected = fixture("cw_chain.cwb");
    ASSERT_EQ(saved.size(), 960u);
    for (std::size_t i = 0; i < 960; ++i) {
        if (i >= 56 && i < 64) continue;
        ASSERT_EQ(saved[i], expected[i]) << "byte " << i;
    }
    std::int64_t stamp;
    std::memcpy(&stamp, &saved[56], 8);
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, fw::nowSeconds());
    EXPECT_EQ(bytesOf(m_data / "gear.cwt"), fixture("cw_chain_pre.cwt"));
}

TEST_F(CcwPrDlgTest, SaveNeedsAFinishedCalculation) {
    int r = run([&](Running& d) {
        m_s.expectMessage(kMsgNotCalculated);
        d.click(IDOK);
        enterInputs(d);
        calculateAndChoose(d);
        // An accepted input after the calculation clears the finished state.
        d.type(D::IDC_SIGMA_F, "120");
        d.leave();
        EXPECT_FALSE(d.enabled(D::IDC_MODULE));
        EXPECT_FALSE(d.enabled(D::IDC_DIAMETER));
        m_s.expectMessage(kMsgNotCalculated);
        d.click(IDOK);
        leaveWithoutSaving(d);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(m_s.messages().at(0).icon, fw::MessageIcon::Information);
    EXPECT_TRUE(fs::is_empty(m_data));
}

TEST_F(CcwPrDlgTest, MendedInputRules) {
    int r = run([&](Running& d) {
        // A ratio outside 5..70 is put back with the hint.
        d.type(D::IDC_U, "70.1");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_U), "5");
        EXPECT_EQ(d.text(D::IDC_HINT), kHintRatioRange);
        d.type(D::IDC_U, "4.9");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_U), "5");
        // Torque mode: n1 100 with n2 1000 would be u = 0.1: refused.
        d.click(D::IDC_MODE_TORQUE);
        EXPECT_TRUE(d.enabled(D::IDC_N2));
        EXPECT_TRUE(d.enabled(D::IDC_T));
        EXPECT_FALSE(d.enabled(D::IDC_P));
        EXPECT_FALSE(d.enabled(D::IDC_U));
        d.type(D::IDC_N2, "1000");
        d.leave();
        d.type(D::IDC_N1, "100");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_N1), "0");
        EXPECT_EQ(d.text(D::IDC_HINT), kHintRatioRange);
        EXPECT_EQ(d.text(D::IDC_U), "5");
        // P 0 after P 10 clears both P and T: calculation disabled.
        d.click(D::IDC_MODE_POWER);
        d.type(D::IDC_N1, "1450");
        d.leave();
        d.type(D::IDC_P, "10");
        d.leave();
        EXPECT_NE(d.text(D::IDC_T), "0");
        d.type(D::IDC_SIGMA_H, "265");
        d.leave();
        d.type(D::IDC_SIGMA_F, "115");
        d.leave();
        d.type(D::IDC_ZE, "147");
        d.leave();
        m_s.onDialog(CCwKaDlg::IDD, [](Running& k) {
            k.click(CCwKaDlg::IDC_DRIVER_LIGHT);
            k.click(CCwKaDlg::IDC_DRIVEN_SLIGHT);
            k.click(IDOK);
        });
        d.click(D::IDC_KA_BUTTON);
        EXPECT_EQ(d.text(D::IDC_KA), "1.35");
        m_s.onDialog(CCwZloDlg1::IDD, [](Running& c) { c.drag(CCwZloDlg::IDC_VERT, 0), c.click(IDOK); });
        d.click(D::IDC_ZRHO_BUTTON);
        EXPECT_EQ(d.text(D::IDC_ZRHO), "3.4");
        EXPECT_TRUE(d.enabled(D::IDC_CALC));
        d.type(D::IDC_P, "0");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_T), "0");
        EXPECT_FALSE(d.enabled(D::IDC_CALC));
        // A chart confirmed with its thumb unmoved leaves Zρ; so does Cancel.
        m_s.onDialog(CCwZloDlg1::IDD, [](Running& c) { c.click(IDOK); });
        d.click(D::IDC_ZRHO_BUTTON);
        EXPECT_EQ(d.text(D::IDC_ZRHO), "3.4");
        m_s.onDialog(CCwZloDlg2::IDD, [](Running& c) { c.drag(CCwZloDlg::IDC_VERT, 50), c.click(IDCANCEL); });
        d.click(D::IDC_ZC);
        EXPECT_EQ(d.text(D::IDC_ZRHO), "3.4");
        leaveWithoutSaving(d);
    });
    EXPECT_EQ(r, IDCANCEL);
}

TEST_F(CcwPrDlgTest, LoadBringsEveryFieldBackAndAsksForTheCalculation) {
    // A design with its geometry loads too; the preliminary save over it
    // leaves the geometry bytes zero.
    fs::copy_file(fs::path(KAVRIN_SOURCE_DIR) / "worm/tests/fixtures/cw_chain_geom.cwb", m_data / "gear.cwb");
    m_s.answerOpen(m_data / "gear.cwb");
    m_s.answerSave(m_data / "gear.cwb");
    int r = run([&](Running& d) {
        d.click(D::IDC_LOAD);
        EXPECT_EQ(d.text(D::IDC_TITLE), "蜗杆减速器");
        EXPECT_EQ(d.text(D::IDC_NUMBER), "TV-01");
        EXPECT_EQ(d.text(D::IDC_DATE), "2026年12月10日");
        EXPECT_EQ(d.text(D::IDC_N1), "1450");
        EXPECT_EQ(d.text(D::IDC_N2), "72.5");
        EXPECT_EQ(d.text(D::IDC_U), "20");
        EXPECT_EQ(d.text(D::IDC_P), "7.5");
        EXPECT_EQ(d.text(D::IDC_Z1), "2");
        EXPECT_EQ(d.text(D::IDC_Z2), "40");
        EXPECT_EQ(d.text(D::IDC_A), "195.5");
        EXPECT_EQ(d.text(D::IDC_Q), "8.875");
        EXPECT_TRUE(d.checked(D::IDC_ZA));
        EXPECT_FALSE(d.enabled(D::IDC_N2));
        EXPECT_FALSE(d.enabled(D::IDC_T));
        EXPECT_FALSE(d.enabled(D::IDC_MODULE));
        EXPECT_FALSE(d.enabled(D::IDC_DIAMETER));
        EXPECT_TRUE(d.enabled(D::IDC_CALC));
        EXPECT_EQ(d.text(D::IDC_HINT), kHintLoaded);
        m_s.expectMessage(kMsgNotCalculated);
        d.click(IDOK);
        // Calculating again and choosing the same standard values saves.
        calculateAndChoose(d);
        d.click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(m_s.files().at(1).request.initialName, (m_data / "gear.cwb").string());
    auto a = bytesOf(m_data / "gear.cwb"), b = fixture("cw_chain.cwb");
    std::fill(a.begin() + 56, a.begin() + 64, 0);
    EXPECT_EQ(a, b);
}

TEST_F(CcwPrDlgTest, RefusedLoadsChangeNothing) {
    auto good = fixture("cw_chain.cwb");
    auto bad = good;
    bad[36] = 'X';
    ASSERT_TRUE(fw::writeFile(m_data / "word.cwb", bad));
    bad = good;
    std::int32_t status = 300;
    std::memcpy(&bad[64], &status, 4);
    ASSERT_TRUE(fw::writeFile(m_data / "status.cwb", bad));
    bad = good;
    std::int32_t type = 7;
    std::memcpy(&bad[68], &type, 4);
    ASSERT_TRUE(fw::writeFile(m_data / "type.cwb", bad));
    ASSERT_TRUE(fw::writeFile(m_data / "short.cwb", std::vector<std::uint8_t>(good.begin(), good.begin() + 300)));
    ASSERT_TRUE(fw::writeFile(m_data / "gear.txt", good));
    fs::create_directories(m_data / "folder.cwb");
    struct Case {
        const char* file;
        std::string text;
    };
    const std::vector<Case> cases{
        {"word.cwb", kMsgNoCalcOrGeomFull},
        {"status.cwb", kMsgUnfinishedPre},
        {"type.cwb", kMsgNoCalcOrGeomFull},
        {"short.cwb", kMsgNoCalcOrGeomFull},
        {"gear.txt", (m_data / "gear.txt").string() + "不是预定计算数据文件格式"},
        {"folder.cwb", "不能打开文件" + (m_data / "folder.cwb").string() + ",ERROR = 5"},
    };
    for (const Case& c : cases) {
        m_s.answerOpen(m_data / c.file);
        m_s.expectMessage(c.text);
    }
    int r = run([&](Running& d) {
        d.type(D::IDC_N1, "960");
        d.leave();
        for (std::size_t i = 0; i < cases.size(); ++i) {
            d.click(D::IDC_LOAD);
            EXPECT_EQ(d.text(D::IDC_N1), "960") << cases[i].file;
            EXPECT_EQ(d.text(D::IDC_N2), "192") << cases[i].file;
            EXPECT_EQ(d.text(D::IDC_TITLE), "") << cases[i].file;
        }
        leaveWithoutSaving(d);
    });
    EXPECT_EQ(r, IDCANCEL);
    for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(m_s.messages()[i].icon, fw::MessageIcon::Exclamation);
    EXPECT_EQ(bytesOf(m_data / "word.cwb")[36], 'X');
}

TEST_F(CcwPrDlgTest, NamesAndAReportThatCannotBeWritten) {
    // "gear.txt" is saved as "gear.cwb" with the notice; report "gear.cwt".
    m_s.answerSave(m_data / "gear.txt");
    int r = run([&](Running& d) {
        enterInputs(d);
        calculateAndChoose(d);
        m_s.expectMessage(kMsgPreRenamed);
        d.click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_TRUE(fs::exists(m_data / "gear.cwb"));
    EXPECT_FALSE(fs::exists(m_data / "gear.txt"));
    EXPECT_EQ(m_reportPath, (m_data / "gear.cwt").string());
    // "gear.v2.cwb" reports to "gear.v2.cwt"; a report that cannot be
    // written leaves the old design file byte for byte and the dialog open.
    const auto old = bytesOf(m_data / "gear.cwb");
    fs::copy_file(m_data / "gear.cwb", m_data / "gear.v2.cwb");
    fs::create_directories(m_data / "gear.v2.cwt");
    m_s.answerSave(m_data / "gear.v2.cwb");
    m_s.answerSave(m_data / "gear.v3.cwb");
    r = run([&](Running& d) {
        enterInputs(d);
        calculateAndChoose(d);
        m_s.expectMessage("不能打开文件" + (m_data / "gear.v2.cwt").string() + ",ERROR = 5");
        d.type(D::IDC_TITLE, "另一个设计");
        d.leave();
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        d.click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(bytesOf(m_data / "gear.v2.cwb"), old);
    EXPECT_EQ(m_reportPath, (m_data / "gear.v3.cwt").string());
    EXPECT_TRUE(fs::exists(m_data / "gear.v3.cwb"));
}

// Inputs of a small drive: n1 1400, u as given, P as given, material row 1,
// KA 1, Zρ 3.4.
void typeSmallDrive(Running& d, fwtest::Session& s, const char* u, const char* p) {
    d.type(D::IDC_N1, "1400");
    d.leave();
    d.type(D::IDC_U, u);
    d.leave();
    d.type(D::IDC_P, p);
    d.leave();
    s.onDialog(CCwMetDlg::IDD, [](Running& m) { m.click(IDOK); });
    d.click(D::IDC_MATERIAL);
    s.onDialog(CCwKaDlg::IDD, [](Running& k) { k.click(IDOK); });
    d.click(D::IDC_KA_BUTTON);
    s.onDialog(CCwZloDlg1::IDD, [](Running& c) { c.drag(CCwZloDlg::IDC_VERT, 0), c.click(IDOK); });
    d.click(D::IDC_ZRHO_BUTTON);
}

// u 70, P 0.3: a ≈ 98, q ≈ 16.6, γ ≈ 3.4° — self-locking. Yes: Z1 2,
// Z2 = floor(2·70 + 0.5) = 140 and a = 140·m'·0.5/(1 − 0.5·d1/a) with the
// same m'.
TEST_F(CcwPrDlgTest, SelfLockingAnswerYesAddsAThread) {
    int r = run([&](Running& d) {
        typeSmallDrive(d, m_s, "70", "0.3");
        EXPECT_EQ(d.text(D::IDC_Z1), "1");
        EXPECT_EQ(d.text(D::IDC_Z2), "70");
        m_s.expectMessage(kAskSelfLocking, IDYES);
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_Z1), "2");
        EXPECT_EQ(d.text(D::IDC_Z2), "140");
        const double mCalc = num(d, D::IDC_M_CALC), d1a = num(d, D::IDC_D1A);
        EXPECT_NEAR(num(d, D::IDC_A), 140 * mCalc * 0.5 / (1 - 0.5 * d1a), 1e-9);
        EXPECT_NEAR(num(d, D::IDC_D1_CALC), d1a * num(d, D::IDC_A), 1e-9);
        EXPECT_NEAR(num(d, D::IDC_D2), 140 * mCalc, 1e-9);
        EXPECT_EQ(d.text(D::IDC_HINT), kHintChooseModule);
        EXPECT_TRUE(d.enabled(D::IDC_MODULE));
        leaveWithoutSaving(d);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(m_s.messages()[0].buttons, fw::MessageButtons::YesNo);
}

// u 5 gives Z1 6, Z2 30: γ ≈ 40° already; the largest module offered makes
// q smaller still, and Yes to the question puts m back to m'.
TEST_F(CcwPrDlgTest, LargeLeadAngleAfterAModuleChoiceAsksAgain) {
    int r = run([&](Running& d) {
        typeSmallDrive(d, m_s, "5", "0.3");
        EXPECT_EQ(d.text(D::IDC_Z1), "6");
        d.click(D::IDC_CALC);
        const std::string q = d.text(D::IDC_Q), gamma = d.text(D::IDC_GAMMA);
        EXPECT_GT(num(d, D::IDC_GAMMA), 30);
        m_s.expectMessage(kAskModuleLarge, IDYES);
        d.select(D::IDC_MODULE, 2);
        EXPECT_EQ(d.text(D::IDC_Q), q);
        EXPECT_EQ(d.text(D::IDC_GAMMA), gamma);
        EXPECT_FALSE(d.enabled(D::IDC_DIAMETER));
        m_s.expectMessage(kMsgNotCalculated);
        d.click(IDOK);
        leaveWithoutSaving(d);
    });
    EXPECT_EQ(r, IDCANCEL);
}

TEST_F(CcwPrDlgTest, CancelAsksAndHelpOpensTheTopic) {
    int r = run([&](Running& d) {
        d.click(D::IDC_HELP);
        m_s.expectMessage(kAskCancel, IDYES);
        d.click(IDCANCEL);
        EXPECT_FALSE(d.ended());
        leaveWithoutSaving(d);
    });
    EXPECT_EQ(r, IDCANCEL);
    ASSERT_EQ(m_s.helpCalls().size(), 1u);
    EXPECT_EQ(m_s.helpCalls()[0].target, "Kavrin.chm::/TarPreDlg.htm");
}

// Inputs in their fields' ranges whose derived torque or power lies outside
// its range or is no number (T = 9549·P/n2 and P = T·n2/9549): the input is
// put back, the hint names the value that would not be usable, and the
// calculation stays disabled.
TEST_F(CcwPrDlgTest, InputsWhoseTorqueOrPowerLeavesItsRangeArePutBack) {
    struct Case {
        int mode;
        const char* n;      // n1 (power mode) or n2 (torque mode)
        int field;
        const char* text;
        const char* unusable;   // named in the hint
    };
    const Case cases[] = {
        {D::IDC_MODE_POWER, "0.01", D::IDC_P, "100000", "输出扭矩 T"},
        {D::IDC_MODE_POWER, "1000000", D::IDC_P, "0.000001", "输出扭矩 T"},
        {D::IDC_MODE_TORQUE, "72.5", D::IDC_T, "1e10", "传递功率 P"},
        {D::IDC_MODE_TORQUE, "0.001", D::IDC_T, "0.001", "传递功率 P"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int r = run([&](Running& d) {
            d.click(c.mode);
            if (c.mode == D::IDC_MODE_POWER) {
                d.type(D::IDC_N1, c.n);
                d.leave();
                m_s.expectMessage(kAskZ1To3, IDNO);
                d.type(D::IDC_U, "20");
                d.leave();
                d.type(D::IDC_P, "7.5");
                d.leave();
            } else {
                d.type(D::IDC_N2, c.n);
                d.leave();
                d.type(D::IDC_T, "987.8");
                d.leave();
            }
            const std::string p = d.text(D::IDC_P), t = d.text(D::IDC_T);
            d.type(c.field, c.text);
            d.leave();
            EXPECT_EQ(d.text(D::IDC_HINT), fw::format(kHintInputUnusable, c.unusable));
            EXPECT_EQ(d.focused(), c.field);   // edited again, once
            EXPECT_EQ(d.text(D::IDC_P), p);
            EXPECT_EQ(d.text(D::IDC_T), t);
            d.leave();   // the next move is the user's
            EXPECT_NE(d.focused(), c.field);
            EXPECT_EQ(d.text(D::IDC_P), p);
            EXPECT_EQ(d.text(D::IDC_T), t);
            EXPECT_FALSE(d.enabled(D::IDC_CALC));
            leaveWithoutSaving(d);
        });
        EXPECT_EQ(r, IDCANCEL);
    }
}

// Every typed field of a stored input against its range (cw_ranges.h):
// a number above 0 is refused, naming the field and the range, exactly
// when the range refuses it (the loader refuses the same value), and the
// field keeps its value; 0 or less stays the dialog's own "not given".
TEST_F(CcwPrDlgTest, TypedInputsAreRefusedExactlyOutsideTheirRange) {
    const struct {
        int mode;
        int field;
        const kavrin::Quantity& qty;
    } fields[] = {
        {D::IDC_MODE_POWER, D::IDC_N1, ranges::kN1},        {D::IDC_MODE_POWER, D::IDC_P, ranges::kP},
        {D::IDC_MODE_TORQUE, D::IDC_N2, ranges::kN2},       {D::IDC_MODE_TORQUE, D::IDC_T, ranges::kT},
        {D::IDC_MODE_POWER, D::IDC_SIGMA_H, ranges::kSigmaHlim}, {D::IDC_MODE_POWER, D::IDC_SIGMA_F, ranges::kSigmaFlim},
        {D::IDC_MODE_POWER, D::IDC_ZE, ranges::kZe},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.qty.name);
        int r = run([&](Running& d) {
            d.click(f.mode);
            for (double v : kavrin_test::numberProbes(f.qty)) {
                if (!(v > 0)) continue;
                SCOPED_TRACE(fw::formatNumber(v));
                const std::string before = d.text(f.field);
                const std::size_t shown = m_s.messages().size();
                if (!f.qty.admits(v)) m_s.answerMessage(IDOK);
                d.type(f.field, fw::formatNumber(v));
                d.leave();
                if (f.qty.admits(v)) {
                    EXPECT_EQ(m_s.messages().size(), shown);
                    EXPECT_EQ(d.text(f.field), fw::formatNumber(v));
                    continue;
                }
                ASSERT_EQ(m_s.messages().size(), shown + 1);
                const std::string& text = m_s.messages().back().text;
                EXPECT_NE(text.find(fw::numberBoundsText(f.qty.bounds)), std::string::npos) << text;
                EXPECT_EQ(d.focused(), f.field);
                d.type(f.field, before);   // the value it kept
                d.leave();
            }
            leaveWithoutSaving(d);
        });
        EXPECT_EQ(r, IDCANCEL);
    }
}

// A design file whose typed input a field refuses is refused at load with
// the field named, and the dialog keeps what it showed.
TEST_F(CcwPrDlgTest, ALoadedValueTheFieldRefusesIsRefusedAtLoad) {
    auto good = fixture("cw_chain.cwb");
    ASSERT_EQ(good.size(), kFileBytes);
    const struct {
        std::size_t offset;
        double v;
        const char* fault;
    } cases[] = {{64 + 32, 1e300, "传递功率 P应在0.000001～1000000kW之间！"},
                 {64 + 8, 1e-300, "输入转速 n1应在0.000001～1000000r/min之间！"}};
    for (auto [offset, v, fault] : cases) {
        auto bytes = good;
        std::memcpy(&bytes[offset], &v, 8);
        const fs::path path = m_data / "absurd.cwb";
        ASSERT_TRUE(fw::writeFile(path, bytes));
        m_s.answerOpen(path);
        m_s.expectMessage(kavrin::refusedOnLoad(fault));
        int r = run([&](Running& d) {
            d.click(D::IDC_LOAD);
            EXPECT_EQ(d.text(D::IDC_P), "0");
            EXPECT_EQ(d.text(D::IDC_N1), "0");
            leaveWithoutSaving(d);
        });
        EXPECT_EQ(r, IDCANCEL);
    }
}

// A save whose file opens but cannot be written (a file-size limit of 100
// bytes stands for a full disk) says that writing failed, names the file,
// leaves the old design file and report byte for byte and the dialog open.
TEST_F(CcwPrDlgTest, AWriteThatFailsSaysSoAndKeepsTheOldFiles) {
    const fs::path data = m_data / "gear.cwb", report = m_data / "gear.cwt";
    const std::vector<std::uint8_t> oldData(960, 1), oldReport{'o', 'l', 'd'};
    ASSERT_TRUE(fw::writeFile(data, oldData));
    ASSERT_TRUE(fw::writeFile(report, oldReport));
    m_s.answerSave(data);
    int r = run([&](Running& d) {
        enterInputs(d);
        calculateAndChoose(d);
        m_s.answerMessage(IDOK);
        {
            worm::test::FileSizeLimit limit(100);
            d.click(IDOK);
        }
        EXPECT_FALSE(d.ended());
        leaveWithoutSaving(d);
    });
    EXPECT_EQ(r, IDCANCEL);
    ASSERT_GE(m_s.messages().size(), 2u);
    const std::string shown = m_s.messages().end()[-2].text;   // before the cancel question
    EXPECT_EQ(shown.rfind("创建文件错误:", 0), 0u) << shown;
    EXPECT_NE(shown.find("gear.cw"), std::string::npos) << shown;
    EXPECT_NE(shown.find(",ERROR = 13"), std::string::npos) << shown;
    EXPECT_EQ(bytesOf(data), oldData);
    EXPECT_EQ(bytesOf(report), oldReport);
}

}  // namespace
