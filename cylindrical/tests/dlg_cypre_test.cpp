// The preliminary design dialog (template 1000), run headless: fields and
// their handlers, the calculation and its refusals, save and load.
#include "common/calc/record_check.h"
#include "common/tests/range_probes.h"
#include "cylindrical/cypre_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <fstream>

#include <sys/stat.h>

#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/calc/cy_pre_ranges.h"
#include "cylindrical/calc/preliminary.h"
#include "cylindrical/cy_current_design.h"
#include "fw/clock.h"
#include "fw/file.h"
#include "fw/format.h"
#include "fw/text.h"
#include "cylindrical/tests/design_fixture.h"
#include "fwtest/script.h"
#include "cylindrical/tests/worked_example.h"

namespace fs = std::filesystem;
using D = CypreDlg;
using fwtest::Running;

namespace {

using cylindrical_test::enterWorkedExample;

// Texts of the dialog, as the system shows them.
constexpr const char* kNoTorque = "请给定输出扭矩或传动功率数值!";
constexpr const char* kRecalculate = "按“执行计算”钮，重新计算！";
constexpr const char* kCalcDone = "按强度计算得到许用模数与中心距，请以此为最小条件进行结构设计";
constexpr const char* kAskSave = "设计数据尚未保存，是(Yes)否(No)保存数据？";

std::vector<std::uint8_t> readBytes(const fs::path& p) {
    auto b = fw::readFile(p);
    EXPECT_TRUE(b) << p;
    return b ? *b : std::vector<std::uint8_t>{};
}

void writeBytes(const fs::path& p, const std::vector<std::uint8_t>& b) { ASSERT_TRUE(fw::writeFile(p, b)); }

std::vector<std::uint8_t> exampleFile() {
    return readBytes(fs::path(KAVRIN_SOURCE_DIR) / "cylindrical/tests/fixtures/cypre_example.cyb");
}

// The report block of the worked-examples document (docs/examples.htm, the
// preliminary design of docs/examples-preliminary.md), preceded by the two
// empty lines the report starts with.
std::vector<std::string> documentedReport() {
    std::ifstream in(fs::path(KAVRIN_SOURCE_DIR) / "docs/examples.htm");
    std::vector<std::string> lines{"", ""};
    std::string line;
    bool inBlock = false;
    while (std::getline(in, line)) {
        if (line == "<pre>") inBlock = true;
        else if (line == "</pre>") break;
        else if (inBlock) lines.push_back(line);
    }
    return lines;
}

// A private installation folder: the machine registry points there.
class CypreDlgTest : public cylindrical_test::DesignTest {
protected:
    CypreDlgTest() : DesignTest("dlg_cypre") {}
    void SetUp() override {
        design().dataPath = "sentinel.cyb";
        design().reportPath = "sentinel.cyt";
    }
    void TearDown() override { EXPECT_TRUE(m_s.allUsed()) << "a queued script, answer or file was not used"; }

    int run(fwtest::Script script) {
        m_s.onDialog(D::IDD, std::move(script));
        D dlg(nullptr);
        int r = dlg.DoModal();
        m_reportPath = dlg.m_strReportPath;
        return r;
    }
    // Ends a script without saving: Cancel, then "No" to the save question.
    void cancelAndLeave(Running& d) {
        m_s.expectMessage(kAskSave, IDNO);
        d.click(IDCANCEL);
    }

    const fs::path m_data = inst.data();
    fwtest::Session m_s;
    std::string m_reportPath;
};


TEST_F(CypreDlgTest, OpensInPowerModeAndRefusesTheDefaults) {
    int r = run([&](Running& d) {
        EXPECT_EQ(d.caption(), "《Ondrel》Kavrin 圆柱齿轮预定计算程序");
        EXPECT_TRUE(d.checked(D::IDC_BY_POWER));
        EXPECT_FALSE(d.enabled(D::IDC_T));
        EXPECT_FALSE(d.enabled(D::IDC_A));
        EXPECT_FALSE(d.enabled(D::IDC_NO));
        EXPECT_TRUE(d.enabled(D::IDC_Z2));
        EXPECT_TRUE(d.enabled(D::IDC_NI));
        EXPECT_TRUE(d.enabled(D::IDC_P));
        EXPECT_EQ(d.text(D::IDC_DATE), fw::todayText());
        EXPECT_EQ(d.text(D::IDC_I), "1");
        EXPECT_EQ(d.text(D::IDC_Z1), "17");
        EXPECT_EQ(d.text(D::IDC_SIGMA_HP), "1300");
        EXPECT_EQ(d.text(D::IDC_K1), "2");
        EXPECT_EQ(d.text(D::IDC_K2), "1.8");
        EXPECT_EQ(d.text(D::IDC_PHID), "0.8");
        // Range labels of the steady load and the symmetric soft pair.
        for (auto [id, label] : {std::pair{D::IDC_PHID_LOW, "0.8"}, {D::IDC_PHID_HIGH, "1.4"}, {D::IDC_K1_LOW, "2.0"},
                                 {D::IDC_K1_HIGH, "2.4"}, {D::IDC_K2_LOW, "1.8"}, {D::IDC_K2_HIGH, "2.3"}})
            EXPECT_EQ(d.text(id), label) << id;
        auto& t = d.dialog().trackbar(D::IDC_K1_SLIDER);
        EXPECT_EQ(t.rangeMin(), 0);
        EXPECT_EQ(t.rangeMax(), 40);
        EXPECT_EQ(t.ticFreq(), 2);
        EXPECT_EQ(t.pos(), 0);

        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_HINT), kNoTorque);
        // Nothing calculated: "保存返回" refuses before any file dialog.
        d.click(IDOK);
        EXPECT_EQ(d.text(D::IDC_HINT), kRecalculate);
        EXPECT_FALSE(d.ended());
        // Cancel asks; Yes keeps the dialog open, No closes it.
        m_s.expectMessage(kAskSave, IDYES);
        d.click(IDCANCEL);
        EXPECT_FALSE(d.ended());
        d.click(ID_HELP);
        cancelAndLeave(d);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_TRUE(m_reportPath.empty());
    EXPECT_TRUE(m_s.files().empty());
    ASSERT_EQ(m_s.helpCalls().size(), 1u);
    EXPECT_EQ(m_s.helpCalls()[0].target, "Kavrin.chm::/CyPreDlg.htm");
    EXPECT_EQ(design().dataPath, "sentinel.cyb");
}

TEST_F(CypreDlgTest, WorkedExampleThroughTheDialog) {
    run([&](Running& d) {
        enterWorkedExample(d);
        // docs/examples.htm, "计算": Z2 = 64, no = 300,
        // T = 318.3, φd = 0.65, K1 = 2.6, K2 = 2.3; ms = 2.595137, mn = 2.5,
        // β = 15°33′43″, a = 108.9957.
        EXPECT_EQ(d.text(D::IDC_Z2), "64");
        EXPECT_EQ(d.text(D::IDC_NO), "300");
        EXPECT_EQ(d.text(D::IDC_T), "318.3");
        EXPECT_EQ(d.text(D::IDC_PHID), "0.65");
        EXPECT_EQ(d.text(D::IDC_K1), "2.6");
        EXPECT_EQ(d.text(D::IDC_K2), "2.3");
        EXPECT_NEAR(std::stod(d.text(D::IDC_MS)), 2.595137, 5e-7);
        EXPECT_EQ(d.text(D::IDC_MN), "2.5");
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "15");
        EXPECT_EQ(d.text(D::IDC_BETA_MIN), "33");
        EXPECT_EQ(d.text(D::IDC_BETA_SEC), "43");
        EXPECT_NEAR(std::stod(d.text(D::IDC_A)), 108.9957, 5e-5);
        EXPECT_EQ(d.text(D::IDC_HINT), kCalcDone);
        cancelAndLeave(d);
    });
}

// By power the torque is derived from P at the output speed after every
// accepted change: Z1 20, ni 1450, P 10, then i 3.2 gives Z2 64,
// no = 1450/3.2 = 453.125 r/min and T = 9549·10/453.125 = 210.7366 N·m,
// and with the dialog's defaults ms 1.93384. By torque (mode 1) T stays as typed.
TEST_F(CypreDlgTest, TorqueFollowsPowerAfterEveryChange) {
    run([&](Running& d) {
        for (auto [id, value] : {std::pair{D::IDC_Z1, "20"}, {D::IDC_NI, "1450"}, {D::IDC_P, "10"}, {D::IDC_I, "3.2"}}) {
            d.type(id, value);
            d.leave();
        }
        EXPECT_EQ(d.text(D::IDC_NO), "453.125");
        EXPECT_NEAR(std::stod(d.text(D::IDC_T)), 210.7366, 5e-5);
        EXPECT_EQ(d.text(D::IDC_P), "10") << "the power is never rewritten from a stale torque";
        d.type(D::IDC_NI, "960");  // no = 300: T = 318.3
        d.leave();
        EXPECT_NEAR(std::stod(d.text(D::IDC_T)), 318.3, 5e-5);
        EXPECT_EQ(d.text(D::IDC_P), "10");
        d.type(D::IDC_NI, "1450");
        d.leave();
        d.click(D::IDC_CALC);
        EXPECT_NEAR(std::stod(d.text(D::IDC_MS)), 1.93384, 5e-6);
        cancelAndLeave(d);
    });
}

// The field handlers read the whole text of T, no and σHP (not its first
// seven or five characters).
TEST_F(CypreDlgTest, ChangeHandlersReadTheWholeText) {
    run([&](Running& d) {
        d.type(D::IDC_NI, "960");
        d.leave();
        d.click(D::IDC_BY_TORQUE);
        EXPECT_TRUE(d.enabled(D::IDC_T));
        EXPECT_FALSE(d.enabled(D::IDC_P));
        // no: i = ni / no with no = 300.25 (first five characters: 300.2).
        d.type(D::IDC_NO, "300.25");
        EXPECT_EQ(d.text(D::IDC_I), fw::formatNumber(960 / 300.25));
        // T: P = no × T / 9549 with T = 12345.678 (first seven: 12345.6).
        d.type(D::IDC_T, "12345.678");
        EXPECT_EQ(d.text(D::IDC_T), "12345.678");
        EXPECT_EQ(d.text(D::IDC_P), fw::formatNumber(300.25 * 12345.678 / 9549));
        // σHP = 1234.5 (first five: 1234.); the calculation must use it.
        d.type(D::IDC_SIGMA_HP, "1234.5");
        EXPECT_EQ(d.text(D::IDC_HINT), kRecalculate);
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_Z2), "54");  // ⌊17 × 960 / 300.25⌋
        auto expected = cylindrical::preliminary(
            {.i = 960 / 300.25, .t = 12345.678, .z1 = 17, .z2 = 54, .sigmaHP = 1234.5});
        ASSERT_TRUE(expected);
        EXPECT_EQ(d.text(D::IDC_MS), fw::formatNumber(expected->ms));
        cancelAndLeave(d);
    });
}

// mn = ms rounded down to a multiple of 0.5. The torque for each ms comes
// from the cube-root law of both strength modules: ms(T) = ms(T0)·∛(T/T0).
TEST_F(CypreDlgTest, NormalModuleRoundsDown) {
    const double t0 = 1000;
    auto ref = cylindrical::preliminary({.i = 1, .t = t0});
    ASSERT_TRUE(ref);
    struct Case {
        double ms;
        const char* mn;
    } cases[] = {
        {2.49, "2"},      // just below 2.5: 2.0
        {2.50001, "2.5"}, // at 2.5 (a hair above, the torque is typed): 2.5
        {2.99, "2.5"},    // below 3: still 2.5
    };
    for (const Case& c : cases) {
        double t = t0 * std::pow(c.ms / ref->ms, 3);
        run([&](Running& d) {
            d.click(D::IDC_BY_TORQUE);
            d.type(D::IDC_T, fw::format("%.17g", t));
            d.click(D::IDC_CALC);
            EXPECT_NEAR(std::stod(d.text(D::IDC_MS)), c.ms, 1e-9) << c.ms;
            EXPECT_EQ(d.text(D::IDC_MN), c.mn) << "ms = " << c.ms;
            cancelAndLeave(d);
        });
    }
}

TEST_F(CypreDlgTest, TeethEnteredTheWrongWayRoundAreSwapped) {
    run([&](Running& d) {
        d.type(D::IDC_Z1, "20");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_Z2), "20");  // i = 1
        d.type(D::IDC_Z2, "15");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_Z1), "15");
        EXPECT_EQ(d.text(D::IDC_Z2), "20");
        EXPECT_EQ(d.text(D::IDC_I), fw::formatNumber(20.0 / 15));
        EXPECT_EQ(d.text(D::IDC_HINT), "请将Z1设定为小齿轮齿数!");
        d.type(D::IDC_Z2, "0");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_HINT), "齿数必须为正整数!");
        cancelAndLeave(d);
    });
}

TEST_F(CypreDlgTest, ChosenModuleSetsTransverseModuleAndHelixAngle) {
    run([&](Running& d) {
        enterWorkedExample(d);
        // mn = 3 > ms: ms = 3, β = 0, a = (20 + 64) × 3 / 2 = 126, hint cleared.
        d.type(D::IDC_MN, "3");
        d.focus(D::IDC_TITLE);  // the title has no leave handler
        EXPECT_EQ(d.text(D::IDC_MS), "3");
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "0");
        EXPECT_EQ(d.text(D::IDC_BETA_MIN), "0");
        EXPECT_EQ(d.text(D::IDC_BETA_SEC), "0");
        EXPECT_EQ(d.text(D::IDC_A), "126");
        EXPECT_EQ(d.text(D::IDC_HINT), "");
        // mn = 2 < ms = 3: β = arccos(2/3) = 48.18969° = 48°11′23″ (22.87″ rounded).
        d.type(D::IDC_MN, "2");
        d.focus(D::IDC_TITLE);  // the title has no leave handler
        EXPECT_EQ(d.text(D::IDC_MS), "3");
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "48");
        EXPECT_EQ(d.text(D::IDC_BETA_MIN), "11");
        EXPECT_EQ(d.text(D::IDC_BETA_SEC), "23");
        EXPECT_EQ(d.text(D::IDC_HINT), "所定的模数变小,这将使安全程度降低!");
        // A module of 0 is refused and the chosen one stays.
        d.type(D::IDC_MN, "0");
        d.focus(D::IDC_TITLE);  // the title has no leave handler
        EXPECT_EQ(d.text(D::IDC_HINT), "取值或计算出错!");
        EXPECT_EQ(d.text(D::IDC_MN), "2");
        cancelAndLeave(d);
    });
}

// The φd range by arrangement and hardness, the K ranges by load nature
// (the tables of the preliminary design), and value = lower + (upper −
// lower) × position / 40.
TEST_F(CypreDlgTest, SlidersFollowTheRangeTables) {
    struct PhiD {
        int support, hardness;
        const char *low, *high, *mid;  // mid: the value at position 20
    } phi[] = {
        {D::IDC_SYMMETRIC, D::IDC_SOFT, "0.8", "1.4", "1.1"},
        {D::IDC_SYMMETRIC, D::IDC_HARD, "0.4", "0.9", "0.65"},
        {D::IDC_ASYMMETRIC, D::IDC_SOFT, "0.4", "1.2", "0.8"},
        {D::IDC_ASYMMETRIC, D::IDC_HARD, "0.2", "0.6", "0.4"},
        {D::IDC_CANTILEVER, D::IDC_SOFT, "0.4", "0.8", "0.6"},
        {D::IDC_CANTILEVER, D::IDC_HARD, "0.2", "0.6", "0.4"},
    };
    struct K {
        int nature;
        const char *k1Low, *k1High, *k2Low, *k2High, *k1At10, *k2At40;
    } ks[] = {
        {D::IDC_STEADY, "2.0", "2.4", "1.8", "2.3", "2.1", "2.3"},
        {D::IDC_MODERATE, "2.5", "3.0", "2.3", "2.9", "2.625", "2.9"},
        {D::IDC_HEAVY, "3.5", "4.2", "3.2", "4.0", "3.675", "4"},
    };
    run([&](Running& d) {
        for (const PhiD& c : phi) {
            d.click(c.support);
            d.click(c.hardness);
            EXPECT_EQ(d.text(D::IDC_PHID_LOW), c.low) << c.support << "/" << c.hardness;
            EXPECT_EQ(d.text(D::IDC_PHID_HIGH), c.high) << c.support << "/" << c.hardness;
            EXPECT_EQ(d.text(D::IDC_PHID), fw::formatNumber(std::stod(c.low)));
            EXPECT_EQ(d.position(D::IDC_PHID_SLIDER), 0);
            d.drag(D::IDC_PHID_SLIDER, 20);
            EXPECT_NEAR(std::stod(d.text(D::IDC_PHID)), std::stod(c.mid), 1e-12);
            d.drag(D::IDC_PHID_SLIDER, 40);
            EXPECT_NEAR(std::stod(d.text(D::IDC_PHID)), std::stod(c.high), 1e-12);
        }
        for (const K& c : ks) {
            d.drag(D::IDC_K1_SLIDER, 30);
            d.click(c.nature);
            EXPECT_EQ(d.text(D::IDC_K1_LOW), c.k1Low);
            EXPECT_EQ(d.text(D::IDC_K1_HIGH), c.k1High);
            EXPECT_EQ(d.text(D::IDC_K2_LOW), c.k2Low);
            EXPECT_EQ(d.text(D::IDC_K2_HIGH), c.k2High);
            EXPECT_EQ(d.position(D::IDC_K1_SLIDER), 0);
            EXPECT_EQ(d.text(D::IDC_K1), fw::formatNumber(std::stod(c.k1Low)));
            EXPECT_EQ(d.text(D::IDC_K2), fw::formatNumber(std::stod(c.k2Low)));
            d.drag(D::IDC_K1_SLIDER, 10);
            EXPECT_EQ(d.text(D::IDC_K1), c.k1At10);
            d.drag(D::IDC_K2_SLIDER, 40);
            EXPECT_EQ(d.text(D::IDC_K2), c.k2At40);
        }
        cancelAndLeave(d);
    });
}

TEST_F(CypreDlgTest, SavesTheDesignFileAndTheReport) {
    const std::int64_t before = fw::nowSeconds();
    const fs::path data = m_data / "gear.cyb", report = m_data / "gear.cyt";
    m_s.answerSave(m_data / "gear");  // the default extension is appended
    m_s.expectMessage("计算记录已以\n" + report.string() + "\n文件名输出报告！");
    int r = run([&](Running& d) {
        enterWorkedExample(d);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    EXPECT_EQ(m_reportPath, report.string());
    EXPECT_EQ(design().dataPath, data.string());
    EXPECT_EQ(design().reportPath, report.string());
    ASSERT_EQ(m_s.files().size(), 1u);
    const fw::FileRequest& req = m_s.files()[0].request;
    EXPECT_EQ(req.title, "《Ondrel》保存圆柱齿轮数据文件");
    EXPECT_EQ(req.defaultExt, "cyb");
    EXPECT_EQ(req.folder, m_data);
    EXPECT_TRUE(req.flags & OFN_OVERWRITEPROMPT);

    // The design file: the fixture's bytes but for the time stamp (56..63).
    auto bytes = readBytes(data);
    auto expected = exampleFile();
    ASSERT_EQ(bytes.size(), 440u);
    ASSERT_EQ(expected.size(), 440u);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i >= 56 && i < 64) continue;
        EXPECT_EQ(int(bytes[i]), int(expected[i])) << "byte " << i;
    }
    std::int64_t stamp = 0;
    for (int i = 7; i >= 0; --i) stamp = stamp * 256 + bytes[56 + i];
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, fw::nowSeconds());

    // The report: the documented lines, GBK with CR LF.
    std::string text;
    for (const std::string& line : documentedReport()) text += line + "\r\n";
    ASSERT_GT(documentedReport().size(), 20u);
    auto raw = readBytes(report);
    EXPECT_EQ(std::string(raw.begin(), raw.end()), fw::gbkFromUtf8(text));
}

TEST_F(CypreDlgTest, NameWithAnotherExtensionIsSavedAsCyb) {
    m_s.answerSave(m_data / "gear.txt");
    m_s.expectMessage("文件名“" + (m_data / "gear.txt").string() + "”不符合规定格式，将以“" +
                      (m_data / "gear.cyb").string() + "”文件名保存!");
    m_s.expectMessage("计算记录已以\n" + (m_data / "gear.cyt").string() + "\n文件名输出报告！");
    int r = run([&](Running& d) {
        enterWorkedExample(d);
        d.click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_TRUE(fs::exists(m_data / "gear.cyb"));
    EXPECT_TRUE(fs::exists(m_data / "gear.cyt"));
    EXPECT_FALSE(fs::exists(m_data / "gear.txt"));
    EXPECT_EQ(m_reportPath, (m_data / "gear.cyt").string());
}

// A cancelled save dialog, a data file that cannot be created and a report
// that cannot be created all leave the dialog open and report no success.
TEST_F(CypreDlgTest, FailedSavesKeepTheDialogOpen) {
    fs::create_directories(m_data / "blocked.cyt");  // the report name is taken by a folder
    const std::vector<std::uint8_t> oldData{'o', 'l', 'd', 0, 1, 2};
    writeBytes(m_data / "blocked.cyb", oldData);
    m_s.cancelFile();
    m_s.answerSave(m_data / "missing" / "gear.cyb");
    m_s.answerSave(m_data / "blocked.cyb");
    int r = run([&](Running& d) {
        enterWorkedExample(d);
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        m_s.answerMessage(IDOK);
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        ASSERT_EQ(m_s.messages().size(), 1u);
        EXPECT_EQ(m_s.messages()[0].text.rfind("不能打开文件" + (m_data / "missing" / "gear.cyb").string() + ",ERROR = ", 0), 0u)
            << m_s.messages()[0].text;
        EXPECT_EQ(m_s.messages()[0].icon, fw::MessageIcon::Exclamation);
        m_s.answerMessage(IDOK);
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        ASSERT_EQ(m_s.messages().size(), 2u);
        EXPECT_EQ(m_s.messages()[1].text, "不能打开或建立报告文件！");
        EXPECT_EQ(m_s.messages()[1].caption, "创建文件错误");
        // The data file and its report go together: the old data file stays.
        EXPECT_EQ(readBytes(m_data / "blocked.cyb"), oldData);
        cancelAndLeave(d);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_TRUE(m_reportPath.empty());
    EXPECT_EQ(design().dataPath, "sentinel.cyb");
    EXPECT_EQ(design().reportPath, "sentinel.cyt");
}

// An accepted change of an input marks the results stale: "保存返回"
// refuses until the calculation runs again.
TEST_F(CypreDlgTest, ChangedInputsMustBeRecalculatedBeforeSaving) {
    m_s.answerSave(m_data / "gear");
    m_s.answerMessage(IDOK);
    int r = run([&](Running& d) {
        enterWorkedExample(d);
        d.type(D::IDC_I, "3.5");
        d.leave();
        d.click(IDOK);
        EXPECT_EQ(d.text(D::IDC_HINT), kRecalculate);
        d.click(D::IDC_CALC);
        d.drag(D::IDC_K2_SLIDER, 4);
        d.click(IDOK);
        EXPECT_EQ(d.text(D::IDC_HINT), kRecalculate);
        d.type(D::IDC_SIGMA_FP, "460");
        d.click(D::IDC_CALC);
        EXPECT_TRUE(m_s.files().empty());
        // Tabbing through fields without changing them keeps the results.
        d.focus(D::IDC_I);
        d.leave();
        d.leave();
        d.click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(m_s.files().size(), 1u);
}

TEST_F(CypreDlgTest, InternalPairWithoutGearRatioIsRefused) {
    run([&](Running& d) {
        d.click(D::IDC_BY_TORQUE);
        d.type(D::IDC_T, "100");
        d.click(D::IDC_INTERNAL);  // i = 1: the contact step would divide by zero
        EXPECT_EQ(d.text(D::IDC_HINT), "内啮合齿轮对须使传动比大于1且Z2大于Z1!");
        EXPECT_EQ(d.text(D::IDC_MS), "0");
        d.click(D::IDC_EXTERNAL);
        EXPECT_EQ(d.text(D::IDC_HINT), kCalcDone);
        cancelAndLeave(d);
    });
}

TEST_F(CypreDlgTest, LoadsAnOldFileWithoutHeader) {
    auto full = exampleFile();
    const fs::path old = m_data / "old.v2" / "alt.cyb";
    fs::create_directories(old.parent_path());
    writeBytes(old, std::vector<std::uint8_t>(full.begin() + 64, full.end()));
    m_s.answerOpen(old);
    m_s.expectMessage("注意：所用数据文件为旧版本兼容文件，若保留它，请另存计算结果!");
    m_s.answerSave(m_data / "again");
    m_s.answerMessage(IDOK);
    int r = run([&](Running& d) {
        d.click(D::IDC_LOAD);
        // The fields hold the worked example's record.
        EXPECT_EQ(d.text(D::IDC_Z1), "20");
        EXPECT_EQ(d.text(D::IDC_Z2), "64");
        EXPECT_EQ(d.text(D::IDC_MN), "2.5");
        EXPECT_EQ(d.text(D::IDC_BETA_MIN), "33");
        EXPECT_EQ(d.text(D::IDC_TITLE), "带式输送机减速器高速级");
        EXPECT_EQ(d.text(D::IDC_DATE), "2025年12月10日");
        EXPECT_TRUE(d.checked(D::IDC_HARD));
        EXPECT_TRUE(d.checked(D::IDC_MODERATE));
        EXPECT_EQ(d.position(D::IDC_PHID_SLIDER), 20);
        EXPECT_EQ(d.position(D::IDC_K1_SLIDER), 8);
        EXPECT_EQ(d.text(D::IDC_PHID_LOW), "0.4");
        EXPECT_EQ(d.text(D::IDC_K1_HIGH), "3.0");
        EXPECT_EQ(d.text(D::IDC_K2_LOW), "2.3");
        EXPECT_EQ(design().dataPath, old.string());
        EXPECT_EQ(design().reportPath, (m_data / "old.v2" / "alt.cyt").string());
        // A loaded design holds its results: it can be saved again at once.
        d.click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    ASSERT_EQ(m_s.files().size(), 2u);
    EXPECT_EQ(m_s.files()[0].request.title, "《Ondrel》 打开圆柱齿轮数据文件");
    EXPECT_EQ(m_s.files()[0].request.initialName, "*.cyb");
    auto again = readBytes(m_data / "again.cyb");
    ASSERT_EQ(again.size(), 440u);
    EXPECT_TRUE(std::equal(full.begin() + 64, full.end(), again.begin() + 64));
}

// The smallest and the fastest drives: typed, calculated, saved with their
// report and loaded again, every field as it was. The allowable stresses
// are the fields' lowest and the load factors those of heavy shocks, so
// that the strength formulas give a module of at least 0.5 mm:
// - the pinion stage of a 0.22 W micro gearmotor: P = 0.0002 kW at
//   9,555 r/min, so T = 9549·0.0002/9555 = 0.00019987 N·m;
// - the 1:5 step-up of a contra-angle dental handpiece: the bur pinion at
//   200,000 r/min with 0.06 kW, so no = 40,000 r/min and T = 0.0143 N·m.
TEST_F(CypreDlgTest, MicroGearmotorAndDentalHandpieceAreDesignedSavedAndLoaded) {
    struct Design {
        const char* name;
        const char* z1;
        const char* i;
        const char* ni;
        const char* p;
        const char* no;
        double t;
    };
    const Design designs[] = {
        {"micro gearmotor", "4", "1", "9555", "0.0002", "9555", 9549 * 0.0002 / 9555},
        {"dental handpiece", "8", "5", "200000", "0.06", "40000", 9549 * 0.06 / 40000},
    };
    for (const Design& g : designs) {
        SCOPED_TRACE(g.name);
        const fs::path data = m_data / (std::string(g.name) + ".cyb");
        const fs::path report = m_data / (std::string(g.name) + ".cyt");
        m_s.answerSave(data);
        m_s.expectMessage("计算记录已以\n" + report.string() + "\n文件名输出报告！");
        std::string shown[4];
        const int fields[] = {D::IDC_T, D::IDC_MN, D::IDC_MS, D::IDC_A};
        int r = run([&](Running& d) {
            d.type(D::IDC_TITLE, g.name);
            d.type(D::IDC_Z1, g.z1);
            d.leave();
            d.type(D::IDC_I, g.i);
            d.leave();
            d.type(D::IDC_NI, g.ni);
            d.leave();
            d.type(D::IDC_P, g.p);
            d.leave();
            d.type(D::IDC_SIGMA_HP, "500");
            d.type(D::IDC_SIGMA_FP, "100");
            d.click(D::IDC_HARD);
            d.click(D::IDC_CANTILEVER);
            d.click(D::IDC_HEAVY);
            EXPECT_EQ(d.text(D::IDC_NO), g.no);
            EXPECT_NEAR(std::stod(d.text(D::IDC_T)), g.t, 1e-9 * g.t);
            d.click(D::IDC_CALC);
            ASSERT_EQ(d.text(D::IDC_HINT), kCalcDone);
            EXPECT_EQ(d.text(D::IDC_MN), "0.5");
            for (int k = 0; k < 4; ++k) shown[k] = d.text(fields[k]);
            d.click(IDOK);
        });
        ASSERT_EQ(r, IDOK);
        const auto raw = readBytes(report);
        const std::string text = fw::utf8FromGbk(std::string(raw.begin(), raw.end()));
        EXPECT_NE(text.find(fw::format("%.2f r/min", std::stod(g.ni))), std::string::npos) << text;
        EXPECT_NE(text.find(fw::format("%.2fN.m", g.t)), std::string::npos) << text;
        m_s.answerOpen(data);
        run([&](Running& d) {
            d.click(D::IDC_LOAD);
            EXPECT_EQ(d.text(D::IDC_NI), g.ni);
            EXPECT_EQ(d.text(D::IDC_P), g.p);
            EXPECT_EQ(d.text(D::IDC_NO), g.no);
            for (int k = 0; k < 4; ++k) EXPECT_EQ(d.text(fields[k]), shown[k]) << fields[k];
            cancelAndLeave(d);
        });
    }
}

// Each refused file leaves the fields and the shared paths as they were.
TEST_F(CypreDlgTest, RefusedFilesChangeNothing) {
    auto full = exampleFile();
    auto withWord = [&](const char* word) {
        auto b = full;
        std::fill(b.begin() + 36, b.begin() + 56, 0);
        std::copy(word, word + std::strlen(word), b.begin() + 36);
        return b;
    };
    auto withStatus = full;
    withStatus[64 + 220] = 102;
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::string message;
    } cases[] = {
        {"measure.cyb", withWord("W_CYMEASURE"), "所用数据文件是圆柱齿轮测绘计算数据。不适用设计更改"},
        {"bevel.cyb", withWord("W_CONDESIGN"), "所用数据文件不包含圆柱齿轮设计计算数据。"},
        {"unfinished.cyb", withStatus, "所载入的文件包含未完成的圆柱齿轮计算数据。"},
        {"short.cyb", std::vector<std::uint8_t>(full.begin(), full.begin() + 300), "所用数据文件不包含圆柱齿轮设计计算数据。"},
        {"gear.dat", full, "所指定的文件不是规定格式(*.cyb)的数据文件!请重选。"},
    };
    for (const Case& c : cases) {
        writeBytes(m_data / c.name, c.bytes);
        m_s.answerOpen(m_data / c.name);
        m_s.expectMessage(c.message);
        run([&](Running& d) {
            d.type(D::IDC_TITLE, "未改");
            d.click(D::IDC_LOAD);
            EXPECT_EQ(d.text(D::IDC_Z1), "17") << c.name;
            EXPECT_EQ(d.text(D::IDC_MN), "0") << c.name;
            EXPECT_EQ(d.text(D::IDC_TITLE), "未改") << c.name;
            EXPECT_EQ(d.text(D::IDC_PHID_LOW), "0.8") << c.name;
            EXPECT_TRUE(d.checked(D::IDC_SOFT)) << c.name;
            cancelAndLeave(d);
        });
        auto shown = std::find_if(m_s.messages().begin(), m_s.messages().end(),
                                  [&](const fwtest::MessageRecord& m) { return m.text == c.message; });
        ASSERT_NE(shown, m_s.messages().end());
        EXPECT_EQ(shown->icon, fw::MessageIcon::Exclamation) << c.name;
        EXPECT_EQ(design().dataPath, "sentinel.cyb") << c.name;
        EXPECT_EQ(design().reportPath, "sentinel.cyt") << c.name;
    }
}

// Record fields patched in place (offsets after the 64-byte header).
std::vector<std::uint8_t> withI32(std::vector<std::uint8_t> b, std::size_t off, std::int32_t v) {
    for (int k = 0; k < 4; ++k) b[64 + off + k] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * k));
    return b;
}
std::vector<std::uint8_t> withF64(std::vector<std::uint8_t> b, std::size_t off, double v) {
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int k = 0; k < 8; ++k) b[64 + off + k] = static_cast<std::uint8_t>(u >> (8 * k));
    return b;
}

// A loaded value that its field would refuse when typed, or that the
// calculation cannot use, refuses the whole file; so does a FIFO, at once.
TEST_F(CypreDlgTest, LoadedValuesPassTheFieldsChecks) {
    const auto full = exampleFile();
    const std::string notDesign = "所用数据文件不包含圆柱齿轮设计计算数据。";
    // The refusal's first line names the field (the record's one check); a
    // list index outside its list is no design file, named on the second.
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* fault;  // nullptr: the file is refused as unfinished
        bool list = false;
    } cases[] = {
        {"Z1 -5", withI32(full, 0, -5), "Z1：请输入 1 到 100000 之间的整数。"},
        {"Z2 0", withI32(full, 4, 0), "Z2：请输入 1 到 100000 之间的整数。"},
        {"Z2 below Z1", withI32(full, 4, 19), cylindrical::kMsgTeethOrderPre},
        {"beta minutes 75", withI32(full, 8, 75), "β 分：请输入 0 到 59 之间的整数。"},
        {"beta degrees 61", withI32(full, 12, 61), "β 度：请输入 0 到 60 之间的整数。"},
        {"K2 slider 1e6", withI32(full, 32, 1000000), "K2 滑块：请输入 0 到 40 之间的整数。"},
        {"phiD slider -1", withI32(full, 56, -1), "φd 滑块：请输入 0 到 40 之间的整数。"},
        {"K1 slider 41", withI32(full, 160, 41), "K1 滑块：请输入 0 到 40 之间的整数。"},
        {"phiD range -1e307..1e307", withF64(withF64(full, 64, -1e307), 72, 1e307), "齿宽系数 φd 的取值范围：请输入 0.1 到 10 之间的数值。"},
        {"K1 range reversed", withF64(full, 168, 3.0), "载荷系数 K1：超出所选的取值范围。"},
        {"ratio 0", withF64(full, 88, 0), "i：请输入 0.01 到 1000 之间的数值。"},
        {"torque negative", withF64(full, 96, -1), "输出扭矩 T：请输入 0 或 0.000001 到 10000000000 之间的数值。"},
        {"input speed negative", withF64(full, 112, -960), "输入转速 ni：请输入 0 或 0.000001 到 1000000 之间的数值。"},
        {"output speed NaN", withF64(full, 120, std::nan("")), "输出转速 no：请输入 0 或 0.000001 到 1000000 之间的数值。"},
        {"power -inf", withF64(full, 128, -INFINITY), "传动功率 P：请输入 0 或 0.000001 到 1000000 之间的数值。"},
        {"sigmaHP 1e307", withF64(full, 184, 1e307), "许用接触强度：请输入 500 到 10000 之间的数值。"},
        {"sigmaFP 50 (field 100..1000)", withF64(full, 192, 50), "许用弯曲强度：请输入 100 到 1000 之间的数值。"},
        {"mn -5e303", withF64(full, 200, -5e303), "取法面模数mn：请输入 0 或 0.01 到 100 之间的数值。"},
        // the tester's file: mn 1000, named as the field names it when typed
        {"mn 1000", withF64(full, 200, 1000), "取法面模数mn：请输入 0 或 0.01 到 100 之间的数值。"},
        {"ms 0", withF64(full, 208, 0), nullptr},
        {"mesh type 2", withI32(full, 216, 2), "啮合方式：不是可选的一项。", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(m_data / "bad.cyb", c.bytes);
        m_s.answerOpen(m_data / "bad.cyb");
        m_s.expectMessage(!c.fault ? std::string(cylindrical::kMsgUnfinishedFile)
                          : c.list ? notDesign + "\n" + c.fault
                                   : kavrin::refusedOnLoad(c.fault));
        run([&](Running& d) {
            d.click(D::IDC_LOAD);
            EXPECT_EQ(d.text(D::IDC_Z1), "17");
            EXPECT_EQ(d.text(D::IDC_MN), "0");
            EXPECT_EQ(d.text(D::IDC_NI), "0");
            cancelAndLeave(d);
        });
        EXPECT_EQ(design().dataPath, "sentinel.cyb");
    }
    // The example itself loads (the checks refuse nothing a save writes).
    writeBytes(m_data / "good.cyb", full);
    m_s.answerOpen(m_data / "good.cyb");
    run([&](Running& d) {
        d.click(D::IDC_LOAD);
        EXPECT_EQ(d.text(D::IDC_Z1), "20");
        cancelAndLeave(d);
    });
    EXPECT_EQ(design().dataPath, (m_data / "good.cyb").string());

    // A FIFO named .cyb: refused without waiting for a writer.
    design().dataPath = "sentinel.cyb";
    const fs::path fifo = m_data / "pipe.cyb";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    m_s.answerOpen(fifo);
    m_s.answerMessage(IDOK);
    run([&](Running& d) {
        d.click(D::IDC_LOAD);
        EXPECT_EQ(d.text(D::IDC_Z1), "17");
        cancelAndLeave(d);
    });
    ASSERT_FALSE(m_s.messages().empty());
    EXPECT_EQ(m_s.messages()[m_s.messages().size() - 2].text, "不能打开文件" + fifo.string() + ",ERROR = 6");
    EXPECT_EQ(design().dataPath, "sentinel.cyb");
}

// T, no, σHP and σFP take their whole text or nothing: a text that is no
// number is refused with the framework's message when the fields are taken
// (calculate or save), never half read.
TEST_F(CypreDlgTest, NumberFieldsRefuseWhatDoesNotParseWhole) {
    const std::string manyDigits(10000, '7');
    const int fields[] = {D::IDC_T, D::IDC_NO, D::IDC_SIGMA_HP, D::IDC_SIGMA_FP};
    const std::string texts[] = {"NaN", "12abc", "1e999", manyDigits, "齿轮"};
    for (int id : fields) {
        for (const std::string& text : texts) {
            SCOPED_TRACE(std::to_string(id) + " " + text.substr(0, 12));
            run([&](Running& d) {
                d.click(D::IDC_BY_TORQUE);
                d.type(D::IDC_T, "1000");
                d.type(D::IDC_NO, "300");
                d.click(D::IDC_CALC);
                ASSERT_EQ(d.text(D::IDC_HINT), kCalcDone);
                const std::string mn = d.text(D::IDC_MN);
                ASSERT_TRUE(d.type(id, text));
                m_s.answerMessage(IDOK);
                d.click(D::IDC_CALC);
                ASSERT_FALSE(m_s.messages().empty());
                EXPECT_NE(m_s.messages().back().text.find("数值"), std::string::npos) << m_s.messages().back().text;
                EXPECT_EQ(d.text(D::IDC_MN), mn);
                // Saving takes the fields first too: refused before any file dialog.
                m_s.answerMessage(IDOK);
                d.click(IDOK);
                EXPECT_FALSE(d.ended());
                d.type(id, id == D::IDC_SIGMA_HP ? "1300" : id == D::IDC_SIGMA_FP ? "450" : "300");
                cancelAndLeave(d);
            });
            EXPECT_TRUE(m_s.files().empty());
        }
    }
}

// A refused Z2 is not calculated and not saved; a typed value outside its
// range is not taken while typing (no 1e308 once gave P = inf), and a
// derived value outside its range (P = T × no / 9549 above 100000 kW) is
// refused, naming it, and nothing changes.
TEST_F(CypreDlgTest, RefusedAndInfiniteValuesAreNotCalculated) {
    run([&](Running& d) {
        d.click(D::IDC_BY_TORQUE);
        d.type(D::IDC_NO, "1e308");
        d.type(D::IDC_T, "1000");
        EXPECT_EQ(d.text(D::IDC_P), "0") << "no output speed was taken";
        d.type(D::IDC_NO, "100000");
        d.type(D::IDC_T, "1e9");  // P = 1e9 × 1e5 / 9549 ≈ 1.05e10 kW
        EXPECT_EQ(d.text(D::IDC_HINT), kavrin::resultNotTaken(cylindrical::pre_q::kP));
        EXPECT_EQ(d.text(D::IDC_P), "0");
        EXPECT_EQ(d.text(D::IDC_T), "1000") << "the torque that gave it is not taken";
        cancelAndLeave(d);
    });
    run([&](Running& d) {
        enterWorkedExample(d);
        ASSERT_EQ(d.text(D::IDC_HINT), kCalcDone);
        d.type(D::IDC_Z2, "0");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_HINT), "齿数必须为正整数!");
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_HINT), "齿数必须为正整数!");
        d.click(IDOK);  // stale results: refused before any file dialog
        EXPECT_FALSE(d.ended());
        cancelAndLeave(d);
    });
    EXPECT_TRUE(m_s.files().empty());
}

// Tooth counts near the int limit: computed in double (the sanitizer build
// aborts on any int overflow), and the results are finite or refused.
// Tooth counts are bounded in the fields as in the record's check: 2·10⁹ is
// refused naming the field, the largest count computes finite values.
TEST_F(CypreDlgTest, HugeToothCountsDoNotOverflow) {
    m_s.expectMessage("Z1：请输入 0 或 1 到 100000 之间的整数。");
    run([&](Running& d) {
        d.click(D::IDC_BY_TORQUE);
        d.type(D::IDC_T, "1000");
        d.type(D::IDC_NO, "300");
        d.type(D::IDC_Z1, "2000000000");
        d.leave();
        EXPECT_EQ(d.dialog().focusId(), D::IDC_Z1) << "the refusal puts the focus back";
        d.type(D::IDC_Z1, "100000");
        d.type(D::IDC_Z2, "100000");
        d.leave();
        d.click(D::IDC_CALC);
        const std::string a = d.text(D::IDC_A);
        EXPECT_EQ(a.find("inf"), std::string::npos) << a;
        EXPECT_EQ(a.find("nan"), std::string::npos) << a;
        cancelAndLeave(d);
    });
}

}  // namespace

namespace {

// By power the torque follows every accepted power; a power or input speed
// that is not above zero is not taken (the field is edited again; left again
// unchanged it shows the last one),
// so the saved design's T, P and speeds agree and both loaders take it.
// The worked example: ni 960, i 3.2, so no 300 and T = 9549·P/300.
TEST_F(CypreDlgTest, TorqueFollowsEveryAcceptedPowerAndRefusedOnesAreNotTaken) {
    const fs::path data = m_data / "p.cyb", report = m_data / "p.cyt";
    m_s.answerSave(data);
    m_s.expectMessage("计算记录已以\n" + report.string() + "\n文件名输出报告！");
    int r = run([&](Running& d) {
        enterWorkedExample(d);
        ASSERT_EQ(d.text(D::IDC_T), "318.3");
        for (const char* refused : {"-10", "0"}) {
            d.type(D::IDC_P, refused);
            d.leave();
            EXPECT_EQ(d.text(D::IDC_HINT), cylindrical::kMsgPowerPositive) << refused;
            EXPECT_EQ(d.dialog().focusId(), D::IDC_P) << refused << ": edited again";
            EXPECT_EQ(d.text(D::IDC_T), "318.3") << refused;
            d.leave();
            EXPECT_EQ(d.text(D::IDC_P), "10") << refused;
            EXPECT_EQ(d.text(D::IDC_T), "318.3") << refused;
        }
        d.type(D::IDC_NI, "0");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_HINT), "请确定转速!");
        EXPECT_EQ(d.dialog().focusId(), D::IDC_NI) << "edited again";
        d.leave();
        EXPECT_EQ(d.text(D::IDC_NI), "960");
        EXPECT_EQ(d.text(D::IDC_NO), "300");
        d.type(D::IDC_P, "20");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_T), "636.6") << "9549·20/300";
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_HINT), kCalcDone);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    auto bytes = readBytes(data);
    auto loaded = cylindrical::loadCyPreFile(bytes);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_DOUBLE_EQ(loaded->record.p, 20);
    EXPECT_NEAR(loaded->record.t, 636.6, 1e-9);
    EXPECT_DOUBLE_EQ(loaded->record.ni, 960);
    auto forSheet = cylindrical::loadPreliminaryForGeometry(bytes);
    EXPECT_TRUE(forSheet) << forSheet.error();
    const auto reportBytes = readBytes(report);
    const std::string text = fw::utf8FromGbk(std::string(reportBytes.begin(), reportBytes.end()));
    EXPECT_NE(text.find("To=9549×P/No=                               636.60N.m"), std::string::npos) << text;
    EXPECT_NE(text.find("P=No×To/9549=                               20.00kW"), std::string::npos) << text;
}

// The helix angle of a preliminary design stays within what the geometry
// sheet takes: 60° at most, refused naming its field, the angle kept.
TEST_F(CypreDlgTest, HelixAngleAboveSixtyDegreesIsRefused) {
    m_s.answerMessage(IDOK);
    m_s.answerMessage(IDOK);
    run([&](Running& d) {
        enterWorkedExample(d);
        d.type(D::IDC_BETA_DEG, "61");
        d.leave();
        EXPECT_EQ(d.dialog().focusId(), D::IDC_BETA_DEG);
        d.type(D::IDC_BETA_DEG, "15");
        d.leave();
        d.type(D::IDC_BETA_MIN, "0");
        d.leave();
        d.type(D::IDC_BETA_SEC, "0");
        d.leave();
        d.type(D::IDC_BETA_DEG, "60");
        d.leave();
        d.type(D::IDC_BETA_MIN, "30");
        d.leave();
        EXPECT_EQ(d.dialog().focusId(), D::IDC_BETA_MIN) << "edited again";
        d.leave();
        EXPECT_EQ(d.text(D::IDC_BETA_MIN), "0") << "the angle taken before stays";
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "60");
        cancelAndLeave(d);
    });
    ASSERT_EQ(m_s.messages().size(), 3u);
    // Each part of the angle is named by what it holds.
    EXPECT_EQ(m_s.messages()[0].text, "β 度：请输入 0 到 60 之间的整数。");
    EXPECT_EQ(m_s.messages()[1].text, "β 分：螺旋角不能大于60°。");
}


// ---- one range per quantity ----

// Each field takes exactly what its quantity's range takes (the record's
// table): at 1e300, −1e300, ±1e-300 and at each bound and one step beside
// it, a value outside is refused naming the field with the range's words,
// one inside is taken without a word. A speed or power at or below 0 gets
// its handler's hint instead (the Part's own words).
TEST_F(CypreDlgTest, FieldsRefuseExactlyWhatTheRecordsRangeRefuses) {
    namespace q = cylindrical::pre_q;
    m_s.tolerate([](Running& d) { d.end(IDCANCEL); });
    struct Field {
        int id;
        const kavrin::Quantity* q;
        bool integer;
        bool byTorque;  // the field is open in the torque mode
        bool ownBelowZero;
    } fields[] = {
        {D::IDC_I, &q::kI, false, false, false},          {D::IDC_Z1, &q::kZ1, true, false, false},
        {D::IDC_Z2, &q::kZ2, true, false, false},         {D::IDC_BETA_DEG, &q::kBetaDeg, true, false, false},
        {D::IDC_BETA_MIN, &q::kBetaMin, true, false, false}, {D::IDC_BETA_SEC, &q::kBetaSec, true, false, false},
        {D::IDC_MN, &q::kMn, false, false, false},        {D::IDC_SIGMA_HP, &q::kSigmaHP, false, false, false},
        {D::IDC_SIGMA_FP, &q::kSigmaFP, false, false, false}, {D::IDC_NI, &q::kNi, false, false, true},
        {D::IDC_P, &q::kP, false, false, true},           {D::IDC_T, &q::kT, false, true, false},
        {D::IDC_NO, &q::kNo, false, true, false},
    };
    for (const Field& f : fields) {
        const std::vector<double> probes = f.integer ? kavrin_test::countProbes(*f.q) : kavrin_test::numberProbes(*f.q);
        for (double v : probes) {
            const std::string typed = f.integer ? std::to_string(static_cast<long long>(v)) : fw::formatNumber(v);
            SCOPED_TRACE(std::to_string(f.id) + " = " + typed);
            const std::size_t before = m_s.messages().size();
            bool typable = true;
            run([&](Running& d) {
                if (f.byTorque) d.click(D::IDC_BY_TORQUE);
                // A digits-only field takes no "-" at all.
                typable = d.type(f.id, typed) && d.text(f.id) == typed;
                d.click(D::IDC_CALC);
                d.end(IDCANCEL);
            });
            const std::string bounds = f.integer ? fw::integerBoundsText(f.q->bounds) : fw::numberBoundsText(f.q->bounds);
            int refusals = 0;
            for (std::size_t k = before; k < m_s.messages().size(); ++k) {
                const auto& m = m_s.messages()[k];
                if (!m.text.ends_with(bounds)) continue;
                ++refusals;
                EXPECT_FALSE(m.text.starts_with("：")) << "named: " << m.text;
            }
            const bool admitted = f.q->admits(v) || (f.ownBelowZero && v <= 0);
            if (typable) EXPECT_EQ(refusals > 0, !admitted);
            else EXPECT_FALSE(admitted);
        }
    }
}

// The files the tester found, loaded through the dialog: refused at load,
// naming the field (P = 1e300 once reached the report as "To=9549×P/No=
// 3183000000…"; ms = 1e300 at file byte 272 once showed as 1e+300 with a
// helix angle the β field refused at every Tab). Nothing changes.
TEST_F(CypreDlgTest, TheFoundFilesAreRefusedAtLoad) {
    const auto full = exampleFile();
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::string message;
    } cases[] = {
        {"P 1e300", withF64(full, 128, 1e300), kavrin::refusedOnLoad("传动功率 P：请输入 0 或 0.000001 到 1000000 之间的数值。")},
        {"ms 1e300", withF64(full, 208, 1e300), kavrin::refusedOnLoad("端面模数 ms：请输入 0 或 0.01 到 200 之间的数值。")},
        {"ms 10 with mn 2.5", withF64(full, 208, 10), kavrin::refusedOnLoad(cylindrical::kMsgPreImpliedBeta)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(m_data / "found.cyb", c.bytes);
        m_s.answerOpen(m_data / "found.cyb");
        m_s.expectMessage(c.message);
        run([&](Running& d) {
            d.click(D::IDC_LOAD);
            EXPECT_EQ(d.text(D::IDC_P), "0");
            EXPECT_EQ(d.text(D::IDC_MS), "0");
            cancelAndLeave(d);
        });
        EXPECT_EQ(design().dataPath, "sentinel.cyb");
    }
    // Leaving mn with a module that would give β above 60° is refused: the
    // β fields never show an angle they refuse.
    writeBytes(m_data / "good.cyb", full);
    m_s.answerOpen(m_data / "good.cyb");
    run([&](Running& d) {
        d.click(D::IDC_LOAD);
        d.type(D::IDC_MN, "1");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_HINT), cylindrical::kMsgPreImpliedBeta);
        EXPECT_EQ(d.text(D::IDC_MN), "2.5");
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "15");
        cancelAndLeave(d);
    });
    // The example itself: every field takes its own shown text at every Tab,
    // at "执行计算" and at "保存返回" (nothing refused, nothing changed).
    writeBytes(m_data / "good.cyb", full);
    m_s.answerOpen(m_data / "good.cyb");
    m_s.cancelFile();
    run([&](Running& d) {
        d.click(D::IDC_LOAD);
        const std::size_t before = m_s.messages().size();
        for (int id : {D::IDC_MN, D::IDC_BETA_DEG, D::IDC_BETA_MIN, D::IDC_BETA_SEC}) {
            d.focus(id);
            d.leave();
        }
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "15");
        EXPECT_EQ(d.text(D::IDC_P), "10");
        d.click(IDOK);  // to the file dialog, cancelled
        EXPECT_EQ(m_s.messages().size(), before);
        cancelAndLeave(d);
    });
}

}  // namespace
