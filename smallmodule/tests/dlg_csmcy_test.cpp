// The small-module pair dialog (template 1046) run headless: entry mask and
// validators, pattern radios, calculation, shift and deviation edits, save
// and load, and the helix split dialog (1053).
#include "smallmodule/csmcy_dlg.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fw/clock.h"
#include "fw/file.h"
#include "fw/format.h"
#include "fw/record.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"
#include "common/tests/range_probes.h"
#include "smallmodule/calc/cy_sm_ranges.h"
#include "smallmodule/calc/smcy_report.h"
#include "smallmodule/csmcy_bita_dlg.h"

namespace fs = std::filesystem;
using D = CSmcyDlg;
using B = CSmcyBitaDlg;
using fwtest::Running;
using namespace smallmodule;

namespace {

constexpr const char* kUnsaved = "计算结果尚未保存！\n是否先保存以完成本次设计？";
constexpr const char* kAskBeta1 = "如果采用斜齿，还需在Z1参数栏里输入β1。\n是否输入β1？";
constexpr const char* kPressCalc = "需点击“计算”键进行计算。";
constexpr const char* kNotCyb = "所选文件不是圆柱齿轮数据文件格式";
constexpr const char* kNotSm = "不是小模数齿轮对的设计数据文件！";
constexpr const char* kMsgUOneText = "注意：当前你所给定的齿数比U = 1!\n是否确定设计等速传动？";
constexpr const char* kDeviationSign = "从标准查取公法线公差值,\n不需输入“-”号！\n";

std::vector<std::uint8_t> readBytes(const fs::path& p) {
    auto b = fw::readFile(p);
    EXPECT_TRUE(b) << p;
    return b ? *b : std::vector<std::uint8_t>{};
}

fs::path fixturePath(const char* name) { return fs::path(KAVRIN_SOURCE_DIR) / "smallmodule/tests/fixtures" / name; }

double number(Running& d, int id) { return std::stod(d.text(id)); }
D& dlg(Running& d) { return static_cast<D&>(d.dialog()); }

class SmcyDlgTest : public ::testing::Test {
protected:
    void SetUp() override { m_install = m_inst.home(); }
    void TearDown() override { EXPECT_TRUE(m_s.allUsed()) << "a queued script, answer or file was not used"; }

    int run(fwtest::Script script) {
        m_s.onDialog(D::IDD, std::move(script));
        D d(nullptr);
        int r = d.DoModal();
        m_reportPath = d.m_strReportPath;
        return r;
    }

    // A fixture copied into the data folder under `name`, then loaded.
    fs::path copyFixture(const char* fixture, const char* name) {
        const fs::path p = m_install / "data" / name;
        fs::copy_file(fixturePath(fixture), p, fs::copy_options::overwrite_existing);
        return p;
    }
    void load(Running& d, const fs::path& p) {
        m_s.answerOpen(p);
        d.click(D::IDC_LOAD);
    }

    // The four inputs of pattern 0 (β1 stays 0): u, module 0.5, a', f; the
    // last one completes the mask, so the β1 question (No) and the hint follow.
    void enterParallel(Running& d, const char* aw) {
        d.type(D::IDC_U, "2");
        d.leave();
        d.select(D::IDC_MODULE, 8);
        d.leave();
        d.type(D::IDC_AW, aw);
        d.leave();
        m_s.expectMessage(kAskBeta1, IDNO);
        m_s.expectMessage(kPressCalc);
        d.type(D::IDC_F, "0.05");
        d.leave();
    }

    // Pattern 2 with Σ, u 2, module 0.5, a' 15 and f; the last completes the
    // mask and the hint follows.
    void enterHelicalSum(Running& d, const char* sigma) {
        d.click(D::IDC_PATTERN2);
        d.type(D::IDC_SIGMA, sigma);
        d.leave();
        d.type(D::IDC_U, "2");
        d.leave();
        d.select(D::IDC_MODULE, 8);
        d.leave();
        d.type(D::IDC_AW, "15");
        d.leave();
        m_s.expectMessage(kPressCalc);
        d.type(D::IDC_F, "0.05");
        d.leave();
    }

    fwtest::Installation m_inst{"smallmodule"};
    fwtest::Session m_s;
    fs::path m_install;
    std::string m_reportPath;
};

TEST_F(SmcyDlgTest, FreshDialog) {
    int r = run([&](Running& d) {
        EXPECT_EQ(d.caption(), "小模数齿轮对（平行轴与交错轴）设计计算程序");
        EXPECT_TRUE(d.checked(D::IDC_PATTERN0));
        EXPECT_EQ(d.text(D::IDC_Z1), "17");
        EXPECT_EQ(d.text(D::IDC_ETA), "1");
        EXPECT_EQ(d.text(D::IDC_F), "0.05");
        EXPECT_EQ(d.text(D::IDC_RHO), "0.02");
        EXPECT_EQ(d.text(D::IDC_ALPHA), "20");
        EXPECT_EQ(d.text(D::IDC_C), "0.35");
        EXPECT_FALSE(d.enabled(D::IDC_CALC));
        EXPECT_FALSE(d.enabled(IDOK));
        EXPECT_FALSE(d.enabled(D::IDC_SIGMA));
        EXPECT_FALSE(d.enabled(D::IDC_XN1));
        EXPECT_FALSE(d.enabled(D::IDC_DWS1));
        EXPECT_FALSE(d.enabled(D::IDC_RACK_ALPHA_LABEL));
        EXPECT_TRUE(d.enabled(D::IDC_BETA1));
        EXPECT_EQ(dlg(d).entryMask(), 33);
        EXPECT_EQ(dlg(d).picture(D::IDC_PICTURE).bitmap(), D::IDB_PARALLEL);
        EXPECT_EQ(d.text(D::IDC_HINT).rfind("提示：\n平行轴:\nΣ=0\n", 0), 0u);
        EXPECT_EQ(d.text(D::IDC_A_LABEL), "未变位轴距a =");
        d.click(D::IDC_HELP);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_TRUE(m_s.messages().empty());
    ASSERT_EQ(m_s.helpCalls().size(), 1u);
    EXPECT_EQ(m_s.helpCalls()[0].target, "Kavrin.chm::/CySmcyDlg.htm");
}

TEST_F(SmcyDlgTest, ParallelExampleTypedComputedAndSaved) {
    const fs::path data = m_install / "data" / "pair.cyb";
    const fs::path report = m_install / "data" / "pair.cyt";
    int r = run([&](Running& d) {
        d.type(D::IDC_TITLE, "仪表减速器第一级");
        d.type(D::IDC_NUMBER, "SM-001");
        d.date(D::IDC_DATE, {2025, 12, 10});
        enterParallel(d, "12.75");
        EXPECT_EQ(dlg(d).entryMask(), 63);
        EXPECT_TRUE(d.enabled(D::IDC_CALC));
        EXPECT_FALSE(d.enabled(IDOK));
        d.click(D::IDC_CALC);
        // The example's values (see calc_smcy_calc_test.cpp).
        EXPECT_EQ(d.text(D::IDC_Z2), "34");
        EXPECT_EQ(d.text(D::IDC_XN1), "0.2");
        EXPECT_EQ(d.text(D::IDC_DA1), "9.7");
        EXPECT_NEAR(number(d, D::IDC_MP2), 18.034090, 1e-6);
        EXPECT_EQ(d.text(D::IDC_KW2), "4");
        EXPECT_EQ(d.text(D::IDC_RHO), "0.1");
        EXPECT_TRUE(d.enabled(IDOK));
        EXPECT_TRUE(d.enabled(D::IDC_XN1));
        EXPECT_TRUE(d.enabled(D::IDC_DWS2));
        m_s.answerSave(data);
        m_s.expectMessage("数据已存为二进制文件：" + data.string() + ",\n报告已存为文本文件：" + report.string());
        d.click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(m_reportPath, report.string());
    EXPECT_EQ(readBytes(data).size(), 760u);
    // The report, GBK and CR LF, as make_smcy_fixtures.py formats it.
    EXPECT_EQ(readBytes(report), readBytes(fixturePath("smcy_chain_p0.cyt")));
    EXPECT_EQ(m_s.messages().back().icon, fw::MessageIcon::Information);

    // The file reloads with every field as it was computed.
    run([&](Running& d) {
        load(d, data);
        EXPECT_TRUE(dlg(d).calculated());
        EXPECT_EQ(d.text(D::IDC_TITLE), "仪表减速器第一级");
        EXPECT_EQ(d.text(D::IDC_Z1), "17");
        EXPECT_EQ(d.text(D::IDC_Z2), "34");
        EXPECT_EQ(d.text(D::IDC_AW), "12.75");
        EXPECT_EQ(d.text(D::IDC_U), "2");
        EXPECT_EQ(d.items(D::IDC_MODULE).size(), 14u);
        EXPECT_EQ(d.text(D::IDC_MODULE), "0.5");
        EXPECT_NEAR(number(d, D::IDC_AAT1), 34.569151, 1e-6);
        EXPECT_NEAR(number(d, D::IDC_ETA), 0.987498, 1e-6);
        EXPECT_EQ(d.dateOf(D::IDC_DATE).day, 10);
        EXPECT_TRUE(d.enabled(IDOK));
        EXPECT_FALSE(d.enabled(D::IDC_CALC));
        d.click(IDCANCEL);
    });
}

TEST_F(SmcyDlgTest, BetaQuestionYesPutsTheFocusOnBeta1) {
    run([&](Running& d) {
        d.type(D::IDC_U, "2");
        d.leave();
        d.select(D::IDC_MODULE, 8);
        d.leave();
        d.type(D::IDC_AW, "13");
        d.leave();
        m_s.expectMessage(kAskBeta1, IDYES);
        d.type(D::IDC_F, "0.05");
        d.leave();
        EXPECT_FALSE(d.enabled(D::IDC_CALC));
        EXPECT_EQ(d.dialog().focusId(), D::IDC_BETA1);
        // A helical pair: β1 10 completes the entry.
        m_s.expectMessage("螺旋角只取绝对值，\n方向由“左旋”或“右旋”来定义。");
        m_s.expectMessage(kPressCalc);
        d.type(D::IDC_BETA1, "-10");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_BETA1), "10");
        EXPECT_EQ(d.text(D::IDC_BETA2), "10");
        EXPECT_TRUE(d.enabled(D::IDC_CALC));
        d.click(IDCANCEL);
    });
}

// Each entry is confirmed by moving the focus to the title, which asks
// nothing, so no other field is confirmed on the way.
TEST_F(SmcyDlgTest, AxisAngleRules) {
    run([&](Running& d) {
        auto enter = [&](int id, const char* text) {
            d.type(id, text);
            d.focus(D::IDC_TITLE);
        };
        d.click(D::IDC_PATTERN1);
        EXPECT_EQ(dlg(d).entryMask(), 32);
        EXPECT_TRUE(d.enabled(D::IDC_SIGMA));
        EXPECT_FALSE(d.enabled(D::IDC_BETA1));
        EXPECT_EQ(d.text(D::IDC_A_LABEL), "无间隙轴距a =");
        EXPECT_EQ(dlg(d).picture(D::IDC_PICTURE).bitmap(), D::IDB_HELICAL_SPUR);
        enter(D::IDC_U, "2");
        d.select(D::IDC_MODULE, 8);
        d.focus(D::IDC_TITLE);
        enter(D::IDC_AW, "13");
        EXPECT_EQ(dlg(d).entryMask(), 32 | 2 | 4 | 8);
        // Σ 20 refused: restored, and u, module and a' must be confirmed again.
        m_s.expectMessage("轴错角应≤18°\n若需要较大轴错角，请采用两斜齿轮和角方式。");
        enter(D::IDC_SIGMA, "20");
        EXPECT_EQ(m_s.messages().back().icon, fw::MessageIcon::Exclamation);
        EXPECT_EQ(d.text(D::IDC_SIGMA), "0");
        EXPECT_EQ(dlg(d).entryMask(), 32);
        // Σ 18 accepted: β1 18, β2 0.
        enter(D::IDC_SIGMA, "18");
        EXPECT_EQ(d.text(D::IDC_BETA1), "18");
        EXPECT_EQ(d.text(D::IDC_BETA2), "0");
        EXPECT_EQ(dlg(d).entryMask(), 33);
        m_s.expectMessage("轴错角应>0,\n若需要轴错角为0，请采用平行轴方式。");
        enter(D::IDC_SIGMA, "0");
        EXPECT_EQ(d.text(D::IDC_SIGMA), "18");
        EXPECT_EQ(dlg(d).entryMask(), 32);

        // Pattern 2: Σ 15 asks; Yes restores Σ and leaves the mask.
        d.click(D::IDC_PATTERN2);
        EXPECT_EQ(dlg(d).entryMask(), 32);
        EXPECT_EQ(dlg(d).picture(D::IDC_PICTURE).bitmap(), D::IDB_HELICAL_SUM);
        enter(D::IDC_SIGMA, "30");
        EXPECT_EQ(dlg(d).entryMask(), 33);
        m_s.expectMessage("因轴错角较小，可提高制造经济性，\n是否采用“小齿轮斜齿,大齿轮直齿组合“选项。", IDYES);
        enter(D::IDC_SIGMA, "15");
        EXPECT_EQ(d.text(D::IDC_SIGMA), "30");
        EXPECT_EQ(dlg(d).entryMask(), 33);
        m_s.expectMessage("轴错角应>0°并<90°\n若需要垂直轴错角，请采用“垂直交错轴”选项。");
        enter(D::IDC_SIGMA, "90");
        EXPECT_EQ(d.text(D::IDC_SIGMA), "30");
        EXPECT_EQ(dlg(d).entryMask(), 32);
        m_s.expectMessage("轴错角 Σ：请输入 0 到 90 之间的数值。");   // the refusal names its field
        enter(D::IDC_SIGMA, "91");
        enter(D::IDC_SIGMA, "30");

        // Pattern 3: Σ 90 preset.
        d.click(D::IDC_PATTERN3);
        EXPECT_EQ(d.text(D::IDC_SIGMA), "90");
        EXPECT_FALSE(d.enabled(D::IDC_SIGMA));
        EXPECT_EQ(dlg(d).entryMask(), 33);
        EXPECT_EQ(dlg(d).picture(D::IDC_PICTURE).bitmap(), D::IDB_PERPENDICULAR);
        EXPECT_EQ(d.text(D::IDC_HINT).rfind("提示：\n垂直交错轴:", 0), 0u);
        d.click(IDCANCEL);
    });
}

TEST_F(SmcyDlgTest, RatioFrictionAndApQuestions) {
    run([&](Running& d) {
        // u 1 asks; No restores the previous u.
        d.type(D::IDC_U, "3");
        d.leave();
        m_s.expectMessage("注意：当前你所给定的齿数比U = 1!\n是否确定设计等速传动？", IDNO);
        d.type(D::IDC_U, "1");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_U), "3");
        // f 0.5: Yes restores, No accepts.
        m_s.expectMessage("材料摩擦系数太大，传动效率欠佳！\n建议采用更有效材料与润滑措施。\n是否重新输入？", IDYES);
        d.type(D::IDC_F, "0.5");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_F), "0.05");
        EXPECT_EQ(dlg(d).entryMask() & 16, 0);
        m_s.expectMessage("材料摩擦系数太大，传动效率欠佳！\n建议采用更有效材料与润滑措施。\n是否重新输入？", IDNO);
        d.type(D::IDC_F, "0.5");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_F), "0.5");
        EXPECT_EQ(dlg(d).entryMask() & 16, 16);
        m_s.expectMessage("材料摩擦系数不能＜0!\n请重新输入。");
        d.type(D::IDC_F, "-0.1");
        d.leave();
        EXPECT_EQ(m_s.messages().back().icon, fw::MessageIcon::Information);
        EXPECT_EQ(d.text(D::IDC_F), "0.5");
        m_s.expectMessage("啮合轴距不能≤0!\n请重新输入。");
        d.type(D::IDC_AW, "-3");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_AW), "0");
        EXPECT_EQ(dlg(d).entryMask() & 8, 0);
        // A text that is no number is the framework's refusal.
        m_s.expectMessage("实际轴距 a'：请输入一个数值。");
        d.type(D::IDC_AW, "12,5");
        d.leave();
        // The mask is complete with this entry (the module was confirmed on
        // the way from u to f).
        m_s.expectMessage(kAskBeta1, IDNO);
        m_s.expectMessage(kPressCalc);
        d.type(D::IDC_AW, "12.5");
        d.leave();
        d.click(IDCANCEL);
    });
}

TEST_F(SmcyDlgTest, ToothCountRefusalLeavesOutputsAndDisablesSaving) {
    run([&](Running& d) {
        enterParallel(d, "21.75");
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_Z1), "29");
        EXPECT_TRUE(d.enabled(IDOK));
        // a' 22.2: z1' 29.6, too many teeth. The changed input makes the
        // results stale; a complete entry of a spur pair asks about β1 again.
        m_s.expectMessage(kAskBeta1, IDNO);
        m_s.expectMessage(kPressCalc);
        d.type(D::IDC_AW, "22.2");
        d.leave();
        EXPECT_FALSE(d.enabled(IDOK));
        m_s.expectMessage("齿数太多，结构浪费！可增大模数或减小中心距。");
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_Z1), "29");
        EXPECT_FALSE(d.enabled(IDOK));
        EXPECT_FALSE(d.enabled(D::IDC_XN1));
        EXPECT_FALSE(dlg(d).calculated());
        m_s.expectMessage(kAskBeta1, IDNO);
        m_s.expectMessage(kPressCalc);
        d.type(D::IDC_AW, "10");
        d.leave();
        m_s.expectMessage("为保证小齿轮齿数足够，请调整输入数据\n方法：减少螺旋角、增加中心距或减小模数。");
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_Z1), "29");
        d.click(IDCANCEL);
    });
}

TEST_F(SmcyDlgTest, ChangedInputAfterCalculationCannotBeSaved) {
    run([&](Running& d) {
        enterParallel(d, "12.75");
        d.click(D::IDC_CALC);
        ASSERT_TRUE(d.enabled(IDOK));
        m_s.expectMessage(kAskBeta1, IDNO);
        m_s.expectMessage(kPressCalc);
        d.type(D::IDC_AW, "13");
        d.leave();
        EXPECT_FALSE(dlg(d).calculated());
        EXPECT_FALSE(d.enabled(IDOK));
        EXPECT_FALSE(d.enabled(D::IDC_XN1));
        EXPECT_TRUE(d.enabled(D::IDC_CALC));
        // Enter on the default button saves nothing.
        d.enter();
        EXPECT_FALSE(d.ended());
        d.click(D::IDC_CALC);
        EXPECT_TRUE(d.enabled(IDOK));
        d.click(IDCANCEL);
    });
    EXPECT_TRUE(m_s.files().empty());
}

TEST_F(SmcyDlgTest, ShiftEdits) {
    run([&](Running& d) {
        enterParallel(d, "13.1");
        d.click(D::IDC_CALC);
        ASSERT_EQ(d.text(D::IDC_Z2), "35");
        const std::string eta = d.text(D::IDC_ETA), a = d.text(D::IDC_A);
        // Pattern 0 keeps its own rules: tips with y, spur contact ratio.
        d.type(D::IDC_XN1, "0.3");
        d.leave();
        EXPECT_NEAR(number(d, D::IDC_DA1), 9.794344, 1e-6);
        EXPECT_NEAR(number(d, D::IDC_DA2), 18.4, 1e-6);
        EXPECT_NEAR(number(d, D::IDC_EPS), 1.511255, 1e-6);
        EXPECT_EQ(d.text(D::IDC_B), "0.5");
        // Below (17 − 17)/17 = 0: refused and restored.
        m_s.expectMessage("变位系数过小！\n小齿轮可能发生根切。\n请增大χn1！");
        d.type(D::IDC_XN1, "-0.1");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_XN1), "0.3");
        // A pointed pinion tip (0.115 mm, below 0.25·mn): kept with the warning.
        m_s.expectMessage("变位系数过大！\n小齿轮齿顶变尖。\n请减小χn1！");
        d.type(D::IDC_XN1, "0.8");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_XN1), "0.8");
        EXPECT_EQ(d.text(D::IDC_ETA), eta);
        EXPECT_EQ(d.text(D::IDC_A), a);
        EXPECT_EQ(d.text(D::IDC_Z1), "17");
        EXPECT_TRUE(d.enabled(IDOK));
        // xn2 the other way.
        m_s.expectMessage("将使小齿轮变位系数过小！\n小齿轮可能发生根切。\n请减少χn2以增大χn1！");
        d.type(D::IDC_XN2, "5");
        d.leave();
        d.click(IDCANCEL);
    });
}

TEST_F(SmcyDlgTest, DeviationsAreMagnitudes) {
    const fs::path p = copyFixture("smcy_p2.cyb", "p2.cyb");
    run([&](Running& d) {
        load(d, p);
        m_s.expectMessage(kDeviationSign);
        d.type(D::IDC_DWS1, "-0.02");
        d.leave();
        EXPECT_EQ(m_s.messages().back().icon, fw::MessageIcon::Information);
        EXPECT_EQ(d.text(D::IDC_DWS1), "0.02");
        // ΔM = ΔW/(sin αM·cos βb)·cos(π/(2z)) for z1 = 19 (odd): about 2.3·ΔW.
        const double dm = number(d, D::IDC_DMS1);
        EXPECT_GT(dm, 0.04);
        EXPECT_LT(dm, 0.055);
        // 0 typed over a deviation shows the hint too.
        m_s.expectMessage(kDeviationSign);
        d.type(D::IDC_DWS1, "0");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_DWS1), "0");
        EXPECT_EQ(d.text(D::IDC_DMS1), "0");
        // A field left as it is says nothing.
        d.focus(D::IDC_DWI2);
        d.leave();
        d.click(IDCANCEL);
    });
}

TEST_F(SmcyDlgTest, LoadedFixtureSavedAgainIsTheSameFile) {
    const fs::path p = copyFixture("smcy_p0.cyb", "p0.cyb");
    const fs::path out = m_install / "data" / "again.cyb";
    const std::int64_t before = fw::nowSeconds();
    run([&](Running& d) {
        load(d, p);
        EXPECT_EQ(d.text(D::IDC_NUMBER), "SM-001");
        EXPECT_EQ(d.text(D::IDC_DWI1), "0.04");
        EXPECT_EQ(d.text(D::IDC_DMI2), "0.12");
        EXPECT_EQ(d.text(D::IDC_RHO), "0.1");
        EXPECT_EQ(dlg(d).dataPath(), p.string());
        m_s.answerSave(out);
        m_s.answerMessage(IDOK);
        d.click(IDOK);
    });
    auto saved = readBytes(out), fixture = readBytes(fixturePath("smcy_p0.cyb"));
    ASSERT_EQ(saved.size(), 760u);
    // Equal byte for byte but the header's time stamp, which is the time of saving.
    fw::RecordReader rd(saved);
    EXPECT_GE(rd.i64(56), before);
    EXPECT_LE(rd.i64(56), fw::nowSeconds());
    std::memset(saved.data() + 56, 0, 8);
    std::memset(fixture.data() + 56, 0, 8);
    EXPECT_EQ(saved, fixture);
    // The report: the dialog's date, not today's.
    EXPECT_EQ(readBytes(m_install / "data" / "again.cyt"), readBytes(fixturePath("smcy_p0.cyt")));
}

TEST_F(SmcyDlgTest, SecondSaveReplacesTheReport) {
    const fs::path p = copyFixture("smcy_p2_gap.cyb", "gap.cyb");
    for (int i = 0; i < 2; ++i) {
        run([&](Running& d) {
            load(d, p);
            m_s.answerSave(p);
            m_s.answerMessage(IDOK);
            d.click(IDOK);
        });
    }
    EXPECT_EQ(readBytes(m_install / "data" / "gap.cyt"), readBytes(fixturePath("smcy_p2_gap.cyt")));
}

// A report that cannot be written: neither file is replaced, the dialog
// stays open and the shell gets nothing to load.
TEST_F(SmcyDlgTest, FailedReportWritesNeitherFile) {
    const fs::path p = copyFixture("smcy_p0.cyb", "p0.cyb");
    const fs::path data = m_install / "data" / "blocked.cyb";
    fs::create_directories(m_install / "data" / "blocked.cyt");
    int r = run([&](Running& d) {
        load(d, p);
        m_s.answerSave(data);
        m_s.expectMessage("创建文件错误:不能打开或建立报告文件！");
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(m_s.messages().back().icon, fw::MessageIcon::Exclamation);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_FALSE(fs::exists(data));
    EXPECT_TRUE(fs::is_directory(m_install / "data" / "blocked.cyt"));
}

TEST_F(SmcyDlgTest, RefusedFilesChangeNothing) {
    const fs::path good = fixturePath("smcy_p0.cyb");
    auto bytes = readBytes(good);
    auto variant = [&](const char* name, std::size_t off, const void* v, std::size_t n) {
        auto b = bytes;
        std::memcpy(b.data() + off, v, n);
        const fs::path p = m_install / "data" / name;
        EXPECT_TRUE(fw::writeFile(p, b));
        return p;
    };
    const std::int32_t four = 4, fourteen = 14;
    const fs::path files[] = {
        variant("design.cyb", 36, "W_CYDESIGN\0\0", 12),
        variant("pattern.cyb", 64 + 640, &four, 4),
        variant("index.cyb", 64 + 328, &fourteen, 4),
    };
    const fs::path shortFile = m_install / "data" / "short.cyb";
    ASSERT_TRUE(fw::writeFile(shortFile, std::span(bytes).first(700)));
    const fs::path report = m_install / "data" / "p0.cyt";
    fs::copy_file(good, report);
    run([&](Running& d) {
        d.type(D::IDC_U, "3");
        d.focus(D::IDC_TITLE);
        const std::string kNot = kNotSm;
        const std::pair<fs::path, std::string> refusals[] = {
            {files[0], kNot}, {files[1], kNot + "\n安装方式无效！"}, {files[2], kNot + "\n模数不是模数表中的数值！"},
            {shortFile, kNot}};
        for (const auto& [p, msg] : refusals) {
            m_s.expectMessage(msg);
            load(d, p);
            EXPECT_EQ(m_s.messages().back().icon, fw::MessageIcon::Exclamation);
        }
        m_s.expectMessage(kNotCyb);
        load(d, report);
        EXPECT_EQ(d.text(D::IDC_U), "3");
        EXPECT_TRUE(d.checked(D::IDC_PATTERN0));
        EXPECT_EQ(dlg(d).entryMask(), 35);
        EXPECT_FALSE(dlg(d).calculated());
        EXPECT_TRUE(dlg(d).dataPath().empty());
        d.click(IDCANCEL);
    });
}

TEST_F(SmcyDlgTest, UnsavedResultsQuestion) {
    const fs::path p0 = copyFixture("smcy_p0.cyb", "p0.cyb");
    const fs::path p2 = copyFixture("smcy_p2.cyb", "p2.cyb");
    run([&](Running& d) {
        load(d, p0);
        // Yes on a pattern radio keeps the pattern, its results and OK.
        m_s.expectMessage(kUnsaved, IDYES);
        d.click(D::IDC_PATTERN2);
        EXPECT_TRUE(d.checked(D::IDC_PATTERN0));
        EXPECT_FALSE(d.checked(D::IDC_PATTERN2));
        EXPECT_TRUE(dlg(d).calculated());
        EXPECT_TRUE(d.enabled(IDOK));
        EXPECT_EQ(d.text(D::IDC_Z2), "34");
        EXPECT_EQ(dlg(d).picture(D::IDC_PICTURE).bitmap(), D::IDB_PARALLEL);
        // Loading asks once: Yes ends the load.
        m_s.expectMessage(kUnsaved, IDYES);
        d.click(D::IDC_LOAD);
        EXPECT_TRUE(d.checked(D::IDC_PATTERN0));
        // No loads, without a second question at the pattern switch.
        m_s.expectMessage(kUnsaved, IDNO);
        load(d, p2);
        EXPECT_TRUE(d.checked(D::IDC_PATTERN2));
        EXPECT_EQ(d.text(D::IDC_Z1), "19");
        EXPECT_EQ(d.text(D::IDC_SIGMA), "45");
        EXPECT_EQ(dlg(d).picture(D::IDC_PICTURE).bitmap(), D::IDB_HELICAL_SUM);
        EXPECT_TRUE(d.enabled(D::IDC_RACK_MODULE_LABEL));
        EXPECT_EQ(dlg(d).entryMask(), 63);
        // No on a radio switches and resets.
        m_s.expectMessage(kUnsaved, IDNO);
        d.click(D::IDC_PATTERN1);
        EXPECT_TRUE(d.checked(D::IDC_PATTERN1));
        EXPECT_EQ(d.text(D::IDC_Z1), "17");
        EXPECT_EQ(d.text(D::IDC_Z2), "0");
        EXPECT_FALSE(d.enabled(IDOK));
        d.click(IDCANCEL);
    });
    EXPECT_EQ(m_s.messages().size(), 4u);
}

TEST_F(SmcyDlgTest, HelixSplitDialog) {
    run([&](Running& d) {
        enterHelicalSum(d, "45");
        // Cancelled: the equal split of Σ − 0.5°.
        m_s.onDialog(B::IDD, [](Running& b) {
            EXPECT_EQ(b.text(B::IDC_LOWER), "22.5");
            EXPECT_EQ(b.text(B::IDC_UPPER), "45");
            EXPECT_TRUE(b.checked(B::IDC_OPTION_EQUAL));
            EXPECT_FALSE(b.enabled(B::IDC_BETAP1));
            b.click(IDCANCEL);
        });
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_BETA1), "22.25");
        EXPECT_NEAR(number(d, D::IDC_AW), 15.041482, 1e-6);
        // The user's β'1: Σ/2 ≤ β'1 < Σ.
        m_s.onDialog(B::IDD, [&](Running& b) {
            b.click(B::IDC_OPTION_USER);
            EXPECT_TRUE(b.enabled(B::IDC_BETAP1));
            EXPECT_EQ(b.text(B::IDC_BETAP1), "22.5");
            EXPECT_EQ(b.text(B::IDC_BETAP2), "22.5");
            m_s.expectMessage("β'1超于取值范围！请在取值范围内选择。");
            b.type(B::IDC_BETAP1, "45");
            b.leave();
            EXPECT_EQ(b.text(B::IDC_BETAP1), "22.5");
            b.type(B::IDC_BETAP1, "30");
            b.leave();
            EXPECT_EQ(b.text(B::IDC_BETAP2), "15");
            b.click(IDOK);
        });
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_BETA1), "29.75");
        EXPECT_EQ(d.text(D::IDC_BETA2), "14.75");
        // The automatic split.
        m_s.onDialog(B::IDD, [](Running& b) {
            b.click(B::IDC_OPTION_AUTO);
            b.click(IDOK);
        });
        d.click(D::IDC_CALC);
        EXPECT_GT(number(d, D::IDC_BETA1), 22.25);
        d.click(IDCANCEL);
    });
}

TEST_F(SmcyDlgTest, UndefinedGeometryKeepsTheResults) {
    run([&](Running& d) {
        enterHelicalSum(d, "45");
        m_s.onDialog(B::IDD, [](Running& b) { b.click(IDCANCEL); });
        d.click(D::IDC_CALC);
        ASSERT_TRUE(dlg(d).calculated());
        // Σ 0.2° (No to the pattern-1 question): no helix split exists.
        m_s.expectMessage("因轴错角较小，可提高制造经济性，\n是否采用“小齿轮斜齿,大齿轮直齿组合“选项。", IDNO);
        m_s.expectMessage(kPressCalc);
        d.type(D::IDC_SIGMA, "0.2");
        d.leave();
        m_s.onDialog(B::IDD, [](Running& b) { b.click(IDCANCEL); });
        m_s.expectMessage(kMsgBadSplit);
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_Z1), "19");
        EXPECT_EQ(d.text(D::IDC_BETA1), "22.25");
        d.click(IDCANCEL);
    });
}

// The findings of a user test in the dialog: values a field took although no
// usable pair has them, each refused now with the field's value kept.
TEST_F(SmcyDlgTest, FindingsAreRefusedAtTheirFields) {
    const fs::path p = copyFixture("smcy_p0.cyb", "p0.cyb");
    run([&](Running& d) {
        load(d, p);
        const std::string da2 = d.text(D::IDC_DA2);
        // ΔWs1 1e300 was printed; 1e308 gave a refusal about the axis angle.
        for (const char* typed : {"1e300", "1e308", "-1.5"}) {
            m_s.expectMessage("公法线偏差应在0～1mm之间！\n请重新输入。");
            d.type(D::IDC_DWS1, typed);
            d.leave();
            EXPECT_EQ(d.text(D::IDC_DWS1), "0.02") << typed;
        }
        // xn1 1e6 was kept with the tip warning and saved with da2 −999982 mm.
        m_s.expectMessage(fw::format(kFmtNotPositive, "大齿轮齿顶圆直径da2"));
        d.type(D::IDC_XN1, "1e6");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_XN1), "0.2");
        EXPECT_EQ(d.text(D::IDC_DA2), da2);
        // f 10 and f 3 gave η 5.89 and −0.42 after the "too large" question.
        for (const char* typed : {"10", "3", "1.01"}) {
            m_s.expectMessage("材料摩擦系数不能＞1!\n请重新输入。");
            d.type(D::IDC_F, typed);
            d.leave();
            EXPECT_EQ(d.text(D::IDC_F), "0.05") << typed;
        }
        // β1 of a parallel pair below 90° only.
        m_s.expectMessage("螺旋角应小于90°!\n请重新输入。");
        d.type(D::IDC_BETA1, "90");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_BETA1), "0");
        EXPECT_TRUE(dlg(d).calculated());
        d.click(IDCANCEL);
    });
}

// The trap of a user test: clicking into 齿数比 (1, untouched) and then
// 取消 asked "U = 1?" after every 否. Cancel and Escape now just close; a
// Tab out of the field asks once, 否 puts the focus back once, and the
// next Tab moves on without a word.
TEST_F(SmcyDlgTest, CancelLeavesTheRatioFieldWithoutItsQuestion) {
    EXPECT_EQ(run([&](Running& d) {
                  d.focus(D::IDC_U);
                  d.click(IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(run([&](Running& d) {
                  d.focus(D::IDC_U);
                  d.escape();
              }),
              IDCANCEL);
    EXPECT_TRUE(m_s.messages().empty());
    run([&](Running& d) {
        d.focus(D::IDC_U);
        m_s.expectMessage(kMsgUOneText, IDNO);
        d.leave();
        EXPECT_EQ(d.focused(), D::IDC_U);
        EXPECT_EQ(dlg(d).entryMask() & 2, 0);
        d.leave();
        EXPECT_NE(d.focused(), D::IDC_U);
        EXPECT_EQ(m_s.messages().size(), 1u);
        // A refused value, then Cancel: gone.
        m_s.expectMessage("啮合轴距不能≤0!\n请重新输入。");
        d.type(D::IDC_AW, "-3");
        d.leave();
        EXPECT_EQ(d.focused(), D::IDC_AW);
        d.type(D::IDC_AW, "-4");
        d.click(IDCANCEL);
        EXPECT_TRUE(d.ended());
    });
}

// The working centre distance at the absurd values and at each end of its
// range: the field takes exactly what the load takes. A value not above 0
// gets the field's own message, any other outside the range the range's
// words, naming the field; a taken one completes the entry again.
TEST_F(SmcyDlgTest, CentreDistanceFieldTakesWhatTheLoadTakes) {
    const fs::path p = copyFixture("smcy_p0.cyb", "p0.cyb");
    const auto good = readBytes(p);
    for (double v : kavrin_test::numberProbes(sm_q::kAw)) {
        SCOPED_TRACE(fw::formatNumber(v));
        const std::string typed = fw::formatNumber(v);
        bool fieldTook = false;
        run([&](Running& d) {
            load(d, p);
            if (v <= 0) {
                m_s.expectMessage("啮合轴距不能≤0!\n请重新输入。");
            } else if (!sm_q::kAw.admits(v)) {
                m_s.expectMessage(kavrin::quantityRefusal(sm_q::kAw));
                EXPECT_EQ(kavrin::quantityRefusal(sm_q::kAw), "实际轴距 a'：请输入 0 或 0.1 到 10000 之间的数值。");
            } else {
                m_s.expectMessage(kAskBeta1, IDNO);
                m_s.expectMessage(kPressCalc);
            }
            d.type(D::IDC_AW, typed);
            d.leave();
            // Taken: both questions of a complete entry came, and no refusal.
            fieldTook = m_s.messages().back().text == kPressCalc;
            EXPECT_EQ(dlg(d).entryMask() & 8, 8);
            d.click(IDCANCEL);
        });
        auto file = good;
        std::memcpy(&file[64 + 72], &v, 8);
        EXPECT_EQ(loadCySmFile(file).has_value(), fieldTook);
    }
}

}  // namespace
