// The bevel preliminary design dialog (template 3000), run headless: tooth
// systems, field checks and couplings, enabling, the factor and sizing
// buttons, save and load of the design file and its report.
#include "bevel/preliminary/pellun_type.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "bevel/preliminary/a196_dlg.h"
#include "bevel/preliminary/c81_dlg.h"
#include "bevel/preliminary/calc/cone_pre_ranges.h"
#include "bevel/preliminary/calc/cone_pre_record.h"
#include "bevel/preliminary/calc/sizing.h"
#include "bevel/preliminary/khbita_dlg.h"
#include "bevel/preliminary/yf_dlg.h"
#include "common/calc/record_check.h"
#include "fw/file.h"
#include "fw/format.h"
#include "fw/text.h"
#include "fwtest/file_size_limit.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"

namespace fs = std::filesystem;
using D = CPellunType;
using fwtest::Running;

namespace {

constexpr const char* kAskData = "计算数据尚未保存，是(Yes)否(No)保存数据？";
constexpr const char* kAskReport = "报告尚未输出，是(Yes)否(No)保存数据？";

std::vector<std::uint8_t> readBytes(const fs::path& p) {
    auto b = fw::readFile(p);
    EXPECT_TRUE(b) << p;
    return b ? *b : std::vector<std::uint8_t>{};
}

std::vector<std::uint8_t> fixture() {
    return readBytes(fs::path(KAVRIN_SOURCE_DIR) / "bevel/preliminary/tests/fixtures/conepre_example.cng");
}

void putI32(std::vector<std::uint8_t>& b, std::size_t off, std::int32_t v) { std::memcpy(&b[off], &v, 4); }

class PellunTypeTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(m_s.allUsed()) << "a queued script, answer or file was not used"; }

    int run(fwtest::Script script) {
        m_s.onDialog(D::IDD, std::move(script));
        D dlg(nullptr);
        int r = dlg.DoModal();
        m_reportPath = dlg.m_strReportPath;
        m_last = dlg.m_record;
        m_mask = dlg.m_mask;
        return r;
    }
    // Cancel, answering No to both questions.
    void leave(Running& d) {
        m_s.expectMessage(kAskData, IDNO);
        m_s.expectMessage(kAskReport, IDNO);
        d.click(IDCANCEL);
    }

    fwtest::Installation m_inst{"dlg_pellun_type"};
    const fs::path m_data = m_inst.data();
    fwtest::Session m_s;
    std::string m_reportPath;
    bevel::ConePreRecord m_last;
    int m_mask = 0;
};

double number(const Running& d, int id) { return fw::parseNumber(d.text(id)).value_or(-1); }

void enter(Running& d, int id, const std::string& text) {
    d.type(id, text);
    d.leave();
}

void putF64(std::vector<std::uint8_t>& b, std::size_t off, double v) { std::memcpy(&b[off], &v, 8); }

// A value outside its field's range: refused at once in a message box that
// names the field and ends with the range; the member keeps its value and
// the field keeps the text for the user to mend, who types `restore`.
void enterOutOfRange(fwtest::Session& s, Running& d, int id, const std::string& text, const std::string& range,
                     const std::string& restore) {
    const std::size_t before = s.messages().size();
    s.answerMessage(IDOK);
    enter(d, id, text);
    ASSERT_EQ(s.messages().size(), before + 1) << text;
    const fwtest::MessageRecord& m = s.messages().back();
    EXPECT_TRUE(m.text.ends_with("：" + range)) << m.text;
    EXPECT_EQ(m.icon, fw::MessageIcon::Exclamation) << text;
    EXPECT_EQ(d.text(id), text);
    enter(d, id, restore);
}

// The example pair: spiral Gleason (system 4), Z1 20, Z2 50, n1 1450,
// T 500, KA 1.25, KHβ 1.5, Kwβ 1.35, σHlim 1500, σFlim 480.
void enterExampleInputs(Running& d, int system = 4) {
    d.click(D::IDC_SYSTEM + system);
    enter(d, D::IDC_TITLE, "电动葫芦弧齿锥齿轮副");
    enter(d, D::IDC_NUMBER, "KV-B01");
    enter(d, D::IDC_DATE, "2025年12月10日");
    enter(d, D::IDC_Z1, "20");
    enter(d, D::IDC_Z2, "50");
    enter(d, D::IDC_N1, "1450");
    enter(d, D::IDC_T, "500");
    enter(d, D::IDC_KA, "1.25");
    enter(d, D::IDC_KHB, "1.5");
    enter(d, D::IDC_KWB, "1.35");
    enter(d, D::IDC_SIGMA_H, "1500");
    enter(d, D::IDC_SIGMA_F, "480");
}

// ... then x1 0.3276, xτ1 0.045, YF 2.5 and mt 3.696582 typed.
void enterExample(Running& d) {
    enterExampleInputs(d);
    enter(d, D::IDC_X1, "0.3276");
    enter(d, D::IDC_XT1, "0.045");
    enter(d, D::IDC_YF, "2.5");
    enter(d, D::IDC_MT, "3.696582");
}

TEST_F(PellunTypeTest, OpensOnTheStandardSystem) {
    run([&](Running& d) {
        EXPECT_EQ(d.caption(), "《Ondrel》 Kavrin 正交圆锥齿轮齿形制的选择与预定计算");
        EXPECT_TRUE(d.checked(D::IDC_SYSTEM));
        EXPECT_EQ(d.text(D::IDC_ALPHA_DEG), "20");
        EXPECT_EQ(d.text(D::IDC_C), "0.2");
        EXPECT_EQ(d.text(D::IDC_HA), "1");
        for (int id : {D::IDC_ALPHA_DEG, D::IDC_X1, D::IDC_RADIAL, D::IDC_XT1, D::IDC_TANGENTIAL, D::IDC_MODULE,
                       D::IDC_MT, D::IDC_FORM_FACTOR, D::IDC_YF})
            EXPECT_FALSE(d.enabled(id)) << id;
        EXPECT_TRUE(d.enabled(D::IDC_BETA_DEG));
        EXPECT_TRUE(d.enabled(IDOK));
        EXPECT_EQ(d.text(D::IDC_HINT).substr(0, 6), "建议");
        EXPECT_EQ(d.dialog().text(D::IDC_DATE), fw::todayText());
        leave(d);
    });
    EXPECT_EQ(m_mask, 7);
}

TEST_F(PellunTypeTest, PressureAngleAndCoefficientChecks) {
    run([&](Running& d) {
        d.click(D::IDC_SYSTEM + 1);  // Gleason straight: α is edited
        EXPECT_TRUE(d.enabled(D::IDC_ALPHA_DEG));
        EXPECT_FALSE(d.enabled(D::IDC_HA));
        enter(d, D::IDC_ALPHA_DEG, "14");
        EXPECT_EQ(d.text(D::IDC_HINT), "压力角 α=14.000000 超出齿形制规范范围，输入未被接受！");
        EXPECT_EQ(d.text(D::IDC_ALPHA_DEG), "20");
        enter(d, D::IDC_ALPHA_MIN, "30");  // 20°30′
        enter(d, D::IDC_ALPHA_DEG, "14");  // 14°30′0″
        EXPECT_EQ(d.text(D::IDC_ALPHA_DEG), "14");
        enter(d, D::IDC_ALPHA_DEG, "15");
        enter(d, D::IDC_ALPHA_MIN, "29");
        enter(d, D::IDC_ALPHA_SEC, "59");  // 15°29′59″
        enter(d, D::IDC_ALPHA_DEG, "14");  // 14°29′59″
        EXPECT_EQ(d.text(D::IDC_HINT), "压力角 α=14.499722 超出齿形制规范范围，输入未被接受！");
        EXPECT_EQ(d.text(D::IDC_ALPHA_DEG), "15");
        enter(d, D::IDC_ALPHA_SEC, "0");
        enter(d, D::IDC_ALPHA_MIN, "0");
        enter(d, D::IDC_ALPHA_DEG, "25");
        EXPECT_EQ(d.text(D::IDC_ALPHA_DEG), "25");
        EXPECT_EQ(d.text(D::IDC_ALPHA_MIN), "0");
        leave(d);
    });
    EXPECT_EQ(m_last.alphaDeg, 25);
    EXPECT_EQ(m_last.alphaMin, 0);
    // ha* and c* are edited on the opening system only: inside the range of
    // the exchange, outside the system's.
    run([&](Running& d) {
        enter(d, D::IDC_HA, "1.05");
        EXPECT_EQ(d.text(D::IDC_HINT), "齿顶高系数 ha*=1.050000 超出齿形制规范范围，输入未被接受！");
        EXPECT_EQ(d.text(D::IDC_HA), "1");
        enter(d, D::IDC_C, "0.3");
        EXPECT_EQ(d.text(D::IDC_HINT), "齿顶隙系数 c*=0.300000 超出齿形制规范范围，输入未被接受！");
        EXPECT_EQ(d.text(D::IDC_C), "0.2");
        enter(d, D::IDC_C, "0.25");
        EXPECT_EQ(d.text(D::IDC_C), "0.25");
        leave(d);
    });
}

TEST_F(PellunTypeTest, LowToothHintBySystem) {
    struct Case { int system; const char* z1; bool hint; };
    const Case cases[] = {{0, "12", true}, {4, "12", false}, {4, "11", true}, {6, "9", true}, {6, "10", false},
                          {3, "13", false}};
    for (const auto& c : cases) {
        run([&](Running& d) {
            d.click(D::IDC_SYSTEM + c.system);
            enter(d, D::IDC_Z1, c.z1);
            EXPECT_EQ(d.text(D::IDC_Z1), c.z1);
            const std::string hint = fw::format("小齿轮齿数Z1=%s太少，需考虑增大压力角α及加工条件!", c.z1);
            EXPECT_EQ(d.text(D::IDC_HINT) == hint, c.hint) << c.system << " " << c.z1;
            leave(d);
        });
        EXPECT_EQ(m_mask & bevel::kBitZ1, bevel::kBitZ1);
    }
}

TEST_F(PellunTypeTest, ToothNumbersAndRatio) {
    run([&](Running& d) {
        d.click(D::IDC_SYSTEM + 4);
        enter(d, D::IDC_Z1, "20");
        enter(d, D::IDC_Z2, "19");
        EXPECT_EQ(d.text(D::IDC_HINT), "Z2=19数值无效! Z2取值应大于0且不小于Z1,未接受输入");
        EXPECT_EQ(d.text(D::IDC_Z2), "0");
        enter(d, D::IDC_Z2, "20");
        EXPECT_EQ(d.text(D::IDC_I), "1");
        enter(d, D::IDC_I, "2.47");  // Z2 = trunc(49.4 + 0.5) = 49, i = 49/20
        EXPECT_EQ(d.text(D::IDC_Z2), "49");
        EXPECT_EQ(d.text(D::IDC_I), "2.45");
        // A pinion larger than the gear is refused, the ratio kept.
        enter(d, D::IDC_Z1, "50");
        EXPECT_EQ(d.text(D::IDC_HINT), "小齿轮齿数Z1=50无效,未接受输入!");
        EXPECT_EQ(d.text(D::IDC_Z1), "20");
        EXPECT_EQ(d.text(D::IDC_I), "2.45");
        // A ratio below 1 is refused.
        enter(d, D::IDC_I, "0.5");
        EXPECT_EQ(d.text(D::IDC_HINT), "传动比 i=0.500000数值无效,未接受输入!");
        EXPECT_EQ(d.text(D::IDC_Z2), "49");
        enterOutOfRange(m_s, d, D::IDC_I, "1e300", fw::numberBoundsText(bevel::cone_pre::kI.bounds), "2.45");
        EXPECT_EQ(d.text(D::IDC_Z2), "49");
        leave(d);
    });
    run([&](Running& d) {
        d.click(D::IDC_SYSTEM + 4);
        enter(d, D::IDC_I, "3");
        enter(d, D::IDC_Z2, "40");  // Z1 = trunc(40/3 + 0.5) = 13, i = 40/13
        EXPECT_EQ(d.text(D::IDC_Z1), "13");
        EXPECT_EQ(d.text(D::IDC_I), fw::formatNumber(40.0 / 13));
        EXPECT_EQ(d.text(D::IDC_I).substr(0, 8), "3.076923");
        leave(d);
    });
    run([&](Running& d) {
        d.click(D::IDC_SYSTEM + 4);
        enter(d, D::IDC_I, "100");
        enter(d, D::IDC_Z2, "40");  // Z1 would be 0: Z2 taken, Z1 and i kept
        EXPECT_EQ(d.text(D::IDC_HINT), "建议齿数Z1不少于9个，否则计算结果可能有问题。");
        EXPECT_EQ(d.text(D::IDC_Z1), "0");
        EXPECT_EQ(d.text(D::IDC_I), "100");
        EXPECT_EQ(d.text(D::IDC_Z2), "40");
        leave(d);
    });
    EXPECT_EQ(m_mask & (bevel::kBitZ1 | bevel::kBitZ2), bevel::kBitZ2);
}

TEST_F(PellunTypeTest, SpeedsPowerAndTorque) {
    run([&](Running& d) {
        d.click(D::IDC_SYSTEM + 4);
        enter(d, D::IDC_N1, "1450");
        enter(d, D::IDC_I, "2.5");
        EXPECT_EQ(d.text(D::IDC_N2), "580");
        enter(d, D::IDC_P, "10");  // T = 9549·10/580
        EXPECT_NEAR(number(d, D::IDC_T), 164.637931, 5e-7);
        enter(d, D::IDC_T, "200");  // P = 200·580/9549
        EXPECT_NEAR(number(d, D::IDC_P), 12.147869, 5e-7);
        // A torque beyond its range is refused by its field; one within it
        // whose power would leave the power's range is refused too, naming
        // the power (10⁸ N·m at 580 r/min would be 6·10⁶ kW).
        enterOutOfRange(m_s, d, D::IDC_T, "1e308", fw::numberBoundsText(bevel::cone_pre::kT.bounds), "200");
        enter(d, D::IDC_T, "1e8");
        EXPECT_EQ(d.text(D::IDC_HINT), bevel::cone_pre::couplingRefusal(bevel::cone_pre::kP));
        EXPECT_EQ(d.text(D::IDC_T), "200");
        EXPECT_NEAR(number(d, D::IDC_P), 12.147869, 5e-7);
        // A speed of 1e-300 r/min is no speed.
        enterOutOfRange(m_s, d, D::IDC_N1, "1e-300", fw::numberBoundsText(bevel::cone_pre::kN1.bounds), "1450");
        EXPECT_EQ(d.text(D::IDC_N2), "580");
        leave(d);
    });
    // A torque given before the power survives a later coupling.
    run([&](Running& d) {
        d.click(D::IDC_SYSTEM + 4);
        enter(d, D::IDC_T, "500");
        enter(d, D::IDC_Z1, "20");
        enter(d, D::IDC_Z2, "50");
        enter(d, D::IDC_N1, "1450");
        EXPECT_EQ(d.text(D::IDC_T), "500");
        EXPECT_NEAR(number(d, D::IDC_P), 30.369672, 5e-7);
        leave(d);
    });
    EXPECT_EQ(m_mask & (bevel::kBitT | bevel::kBitP), bevel::kBitT | bevel::kBitP);
}

TEST_F(PellunTypeTest, EnablingFollowsTheMaskAndANewSystemClearsAll) {
    run([&](Running& d) {
        enterExampleInputs(d);
        for (int id : {D::IDC_X1, D::IDC_RADIAL, D::IDC_XT1, D::IDC_TANGENTIAL}) EXPECT_TRUE(d.enabled(id)) << id;
        for (int id : {D::IDC_FORM_FACTOR, D::IDC_YF, D::IDC_MODULE, D::IDC_MT}) EXPECT_FALSE(d.enabled(id)) << id;
        enter(d, D::IDC_X1, "0.3276");
        EXPECT_EQ(d.text(D::IDC_X2), "-0.3276");
        EXPECT_FALSE(d.enabled(D::IDC_FORM_FACTOR));
        enter(d, D::IDC_XT1, "0.045");
        EXPECT_EQ(d.text(D::IDC_XT2), "-0.045");
        EXPECT_TRUE(d.enabled(D::IDC_FORM_FACTOR));
        EXPECT_TRUE(d.enabled(D::IDC_YF));
        EXPECT_FALSE(d.enabled(D::IDC_MODULE));
        enter(d, D::IDC_YF, "2.5");
        EXPECT_TRUE(d.enabled(D::IDC_MODULE));
        EXPECT_TRUE(d.enabled(D::IDC_MT));
        // Another system: numbers cleared, texts kept, controls disabled again.
        d.click(D::IDC_SYSTEM + 7);
        for (int id : {D::IDC_Z1, D::IDC_Z2, D::IDC_N1, D::IDC_T, D::IDC_KA, D::IDC_X1, D::IDC_YF})
            EXPECT_EQ(d.text(id), "0") << id;
        EXPECT_EQ(d.text(D::IDC_C), "0.15");
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "35");
        EXPECT_EQ(d.text(D::IDC_TITLE), "电动葫芦弧齿锥齿轮副");
        for (int id : {D::IDC_X1, D::IDC_RADIAL, D::IDC_FORM_FACTOR, D::IDC_MODULE}) EXPECT_FALSE(d.enabled(id)) << id;
        leave(d);
    });
    EXPECT_EQ(m_mask, 7);
}

TEST_F(PellunTypeTest, ChangedInputsTakeTheModuleBack) {
    run([&](Running& d) {
        enterExample(d);
        EXPECT_EQ(d.text(D::IDC_MT), "3.696582");
        enter(d, D::IDC_KA, "1.25");  // the same value: nothing changes
        EXPECT_EQ(d.text(D::IDC_MT), "3.696582");
        enter(d, D::IDC_KA, "1.5");
        EXPECT_EQ(d.text(D::IDC_MT), "0");
        leave(d);
    });
}

TEST_F(PellunTypeTest, FactorDialogValueOnlyOnOk) {
    m_s.onDialog(CKhbitaDlg::IDD, [](Running& d) { d.click(IDCANCEL); });
    m_s.onDialog(CKhbitaDlg::IDD, [](Running& d) { d.click(IDOK); });
    run([&](Running& d) {
        d.click(D::IDC_KHB_BUTTON);
        EXPECT_EQ(d.text(D::IDC_KHB), "0");
        d.click(D::IDC_KHB_BUTTON);
        EXPECT_EQ(d.text(D::IDC_KHB), "1.3");
        leave(d);
    });
    EXPECT_EQ(m_mask & bevel::kBitKHbeta, bevel::kBitKHbeta);
}

TEST_F(PellunTypeTest, CancelAsksBothQuestions) {
    m_s.expectMessage(kAskData, IDYES);
    run([&](Running& d) {
        d.click(IDCANCEL);  // Yes: back to the dialog
        EXPECT_FALSE(d.ended());
        m_s.expectMessage(kAskData, IDNO);
        m_s.expectMessage(kAskReport, IDYES);
        d.click(IDCANCEL);
        EXPECT_FALSE(d.ended());
        leave(d);
    });
    EXPECT_EQ(m_s.messages().at(0).icon, fw::MessageIcon::Question);
    EXPECT_EQ(m_s.messages().at(2).icon, fw::MessageIcon::Information);
}

// ---- the sizing buttons ----

TEST_F(PellunTypeTest, TangentialShiftFromTheSpiralGleasonChart) {
    m_s.onDialog(CC81Dlg::IDD, [](Running& d) {
        EXPECT_EQ(d.position(CC81Dlg::IDC_H_SLIDER), 120);  // 1 − 1/2.5 = 0.6
        d.drag(CC81Dlg::IDC_V_SLIDER, 150);                // 50·0.26/200 − 0.02 = 0.045
        d.click(IDOK);
    });
    m_s.onDialog(CC81Dlg::IDD, [](Running& d) {
        d.drag(CC81Dlg::IDC_V_SLIDER, 0);
        d.click(IDCANCEL);
    });
    run([&](Running& d) {
        enterExampleInputs(d);
        d.click(D::IDC_TANGENTIAL);
        EXPECT_EQ(d.text(D::IDC_XT1), fw::formatNumber(50 * 0.26 / 200 - 0.02));
        EXPECT_EQ(d.text(D::IDC_XT2), fw::formatNumber(-(50 * 0.26 / 200 - 0.02)));
        d.click(D::IDC_TANGENTIAL);  // Cancel keeps the value
        EXPECT_EQ(d.text(D::IDC_XT1), fw::formatNumber(50 * 0.26 / 200 - 0.02));
        leave(d);
    });
    EXPECT_EQ(m_mask & bevel::kBitXt, bevel::kBitXt);
    EXPECT_NEAR(m_last.xt1, 0.045, 1e-15);
}

TEST_F(PellunTypeTest, ChartLeftWithCancelSetsNoRadialShift) {
    m_s.onDialog(CA196Dlg::IDD, [](Running& d) {
        d.drag(CA196Dlg::IDC_V_SLIDER, 20);
        d.click(IDCANCEL);
    });
    run([&](Running& d) {
        enterExampleInputs(d, 2);
        d.click(D::IDC_RADIAL);
        EXPECT_EQ(d.text(D::IDC_X1), "0");
        leave(d);
    });
    EXPECT_EQ(m_mask & bevel::kBitX, 0);
}

TEST_F(PellunTypeTest, RadialShiftFormulasHintsAndChecks) {
    run([&](Running& d) {
        enterExampleInputs(d, 4);
        d.click(D::IDC_RADIAL);  // 0.39·(1 − 1/6.25)
        EXPECT_EQ(d.text(D::IDC_X1), fw::formatNumber(0.39 * (1 - 1 / 6.25)));
        EXPECT_EQ(d.text(D::IDC_X2), fw::formatNumber(-0.39 * (1 - 1 / 6.25)));
        leave(d);
    });
    EXPECT_EQ(m_mask & bevel::kBitX, bevel::kBitX);
    run([&](Running& d) {
        enterExampleInputs(d, 7);
        d.click(D::IDC_RADIAL);
        EXPECT_EQ(d.text(D::IDC_HINT), "预定计算暂取χ1＝0，正确取值通过几何计算确定。");
        EXPECT_EQ(d.text(D::IDC_X1), "0");
        leave(d);
    });
    // System 6 with βm 35°: the helix message, βm back to 10°, x1 unchanged.
    m_s.expectMessage("螺旋角应取10°～30°,\n否则采用其它齿型制。");
    run([&](Running& d) {
        enterExampleInputs(d, 6);
        enter(d, D::IDC_BETA_DEG, "35");
        d.click(D::IDC_RADIAL);
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "10");
        EXPECT_EQ(d.text(D::IDC_X1), "0");
        d.click(D::IDC_RADIAL);  // exactly 10°0′0″
        EXPECT_EQ(d.text(D::IDC_X1), "0.47");
        leave(d);
    });
}

TEST_F(PellunTypeTest, FormFactorChartAndModule) {
    m_s.onDialog(CYfDlg::IDD, [](Running& d) {
        EXPECT_EQ(d.position(CYfDlg::IDC_H_SLIDER), 140);
        std::vector<std::string> texts;
        for (const auto& op : d.canvas())
            if (op.kind == fw::DrawOp::Kind::Text) texts.push_back(op.text);
        EXPECT_EQ(texts, (std::vector<std::string>{"χ1=0.33", "Zv=39.19"}));
        d.drag(CYfDlg::IDC_V_SLIDER, 147);  // Yf0 = 53·2.25/200 + 1.85 = 2.44625
        d.click(IDOK);
    });
    m_s.onDialog(CYfDlg::IDD, [](Running& d) { d.click(IDOK); });  // OK at once: 0
    run([&](Running& d) {
        enterExampleInputs(d, 4);
        enter(d, D::IDC_X1, "0.3276");
        enter(d, D::IDC_XT1, "0.045");
        d.click(D::IDC_FORM_FACTOR);
        EXPECT_NEAR(number(d, D::IDC_YF), 2.366153, 5e-7);
        EXPECT_TRUE(d.enabled(D::IDC_MODULE));
        d.click(D::IDC_MODULE);
        EXPECT_NEAR(number(d, D::IDC_MT), 3.629399, 5e-7);
        d.click(D::IDC_FORM_FACTOR);
        EXPECT_EQ(d.text(D::IDC_YF), "0");
        EXPECT_FALSE(d.enabled(D::IDC_MODULE));
        EXPECT_EQ(d.text(D::IDC_MT), "0");  // a new form factor takes the module back
        leave(d);
    });
}

TEST_F(PellunTypeTest, FewVirtualTeethAndRatioMessages) {
    m_s.expectMessage("小齿轮齿数太少，可能发生根切，请重新考虑设计！");
    run([&](Running& d) {
        enterExampleInputs(d, 1);
        enter(d, D::IDC_Z1, "7");
        enter(d, D::IDC_Z2, "7");  // i = 1, βm 0: Zv = 7·√2 < 11
        enter(d, D::IDC_X1, "0");
        enter(d, D::IDC_XT1, "0");
        enter(d, D::IDC_YF, "2.2");
        d.click(D::IDC_FORM_FACTOR);
        EXPECT_EQ(d.text(D::IDC_YF), "2.2");
        leave(d);
    });
    EXPECT_EQ(m_s.messages().at(0).icon, fw::MessageIcon::Information);
}

// ---- save and load ----

// The report lines of the example pair, as the report format gives them.
std::string exampleReport() {
    std::string rule;
    for (int n = 0; n < 42; ++n) rule += "—";
    const char* lines[] = {
        "",
        "\t**************************** 圆锥齿轮预定计算报告******************************",
        "",
        "\t标题: 电动葫芦弧齿锥齿轮副\t编号: KV-B01",
        "\t执行程序: Kavrin Ver4.00\t日期: 2025年12月10日",
        "",
        "\t项目                   符号或计算公式                                结果",
        nullptr,
        "\t法面压力角:            α=                                          20°0′0″",
        "\t中点螺旋角:            βm=                                         35°0′0″",
        "\t齿顶隙系数:            c=                                           0.188",
        "\t齿顶高系数:            ha*=                                         0.850",
        "\t传动比:                i=                                           2.500",
        "\t输入转速:              n1=                                          1450.000r/min",
        "\t输出转速:              n2=                                          580.000r/min",
        "\t传动功率:              P=                                           30.37kW",
        "\t输出扭矩:              T=                                           500.0N.m",
        "\t小齿轮齿数:            Z1=                                          20",
        "\t大齿轮齿数:            Z2=                                          50",
        "\t小齿轮高变位系数:      χ1=                                          0.328",
        "\t大齿轮高变位系数:      χ2=                                          -0.328",
        "\t小齿轮切向变位系数:     χτ1=                                       0.045",
        "\t大齿轮切向变位系数:     χτ2=                                       -0.045",
        "\t工况系数:              ka=                                          1.250",
        "\t接触负载分布系数:      Khβ=                                         1.500",
        "\t弯曲负载分布系数:      Kwβ=                                         1.350",
        "\t齿形系数:              yf=                                          2.500",
        "\t齿形制:                                                             弧齿格利森",
        "\t接触强度:              σHlim=                                      1500.0MPa",
        "\t弯曲强度:              σwlim=                                      480.0MPa",
        "\t模数:                  mt=                                          3.697mm",
    };
    std::string s;
    for (const char* l : lines) s += (l ? std::string(l) : "\t" + rule) + "\r\n";
    return s;
}

TEST_F(PellunTypeTest, SavesTheExampleAsFileAndReport) {
    const fs::path folder = m_data / "a.b";
    fs::create_directories(folder);
    m_s.answerSave(folder / "bevel1");
    int r = run([&](Running& d) {
        enterExample(d);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    EXPECT_EQ(m_reportPath, (folder / "bevel1.tng").string());
    auto bytes = readBytes(folder / "bevel1.cng");
    ASSERT_EQ(bytes.size(), 408u);
    std::int64_t stamp = 0;
    std::memcpy(&stamp, &bytes[56], 8);
    EXPECT_NEAR(static_cast<double>(stamp), static_cast<double>(fw::nowSeconds()), 60);
    auto expected = fixture();
    std::memcpy(&bytes[56], &expected[56], 8);  // the fixture's clock
    for (std::size_t n = 0; n < 408; ++n) EXPECT_EQ(bytes[n], expected[n]) << "byte " << n;
    auto report = fw::readTextFile(folder / "bevel1.tng");
    ASSERT_TRUE(report);
    EXPECT_EQ(*report, exampleReport());
    auto gbk = readBytes(folder / "bevel1.tng");
    EXPECT_NE(std::string(gbk.begin(), gbk.end()).find("\xBB\xA1\xB3\xDD\xB8\xF1\xC0\xFB\xC9\xAD"),
              std::string::npos);  // 弧齿格利森 in code page 936
}

// The example computed through the buttons (the spiral Gleason chart read at
// 150, YF typed 2.5), saved and read back as the next step of the chain reads it.
TEST_F(PellunTypeTest, ExampleComputedThroughTheButtonsAndSaved) {
    m_s.onDialog(CC81Dlg::IDD, [](Running& d) {
        d.drag(CC81Dlg::IDC_V_SLIDER, 150);
        d.click(IDOK);
    });
    m_s.answerSave(m_data / "chain");
    int r = run([&](Running& d) {
        enterExampleInputs(d, 4);
        d.click(D::IDC_RADIAL);
        d.click(D::IDC_TANGENTIAL);
        enter(d, D::IDC_YF, "2.5");
        d.click(D::IDC_MODULE);
        EXPECT_NEAR(number(d, D::IDC_MT), 3.696582, 5e-7);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    auto report = fw::readTextFile(m_data / "chain.tng");
    ASSERT_TRUE(report);
    EXPECT_EQ(*report, exampleReport());
    auto loaded = bevel::loadConePreFile(readBytes(m_data / "chain.cng"));
    ASSERT_TRUE(loaded) << loaded.error();
    const bevel::ConePreRecord& rec = loaded->record;
    EXPECT_EQ(rec.status, 201);
    EXPECT_EQ(rec.mask, 0xFFFF);
    EXPECT_EQ(rec.toothSystem, 4);
    EXPECT_EQ(rec.z1, 20u);
    EXPECT_EQ(rec.z2, 50u);
    EXPECT_EQ(rec.alphaDeg, 20);
    EXPECT_EQ(rec.betaDeg, 35);
    EXPECT_NEAR(rec.x1, 0.3276, 1e-12);
    EXPECT_NEAR(rec.x2, -0.3276, 1e-12);
    EXPECT_NEAR(rec.xt1, 0.045, 1e-12);
    EXPECT_NEAR(rec.xt2, -0.045, 1e-12);
    EXPECT_EQ(rec.yf, 2.5);
    EXPECT_NEAR(rec.mt, 3.6965824540232974, 1e-13);
    EXPECT_NEAR(rec.p, 30.369672, 5e-7);
    EXPECT_EQ(rec.haStar, 0.85);
    EXPECT_EQ(rec.cStar, 0.188);
    EXPECT_EQ(rec.title, "电动葫芦弧齿锥齿轮副");
}

TEST_F(PellunTypeTest, SaveRenamesAnOtherExtensionAndReplacesLongerFiles) {
    // A file of a later step (1296 bytes) is replaced by the 408 bytes of this one.
    std::vector<std::uint8_t> longer(1296, 0x33);
    ASSERT_TRUE(fw::writeFile(m_data / "bevel1.cng", longer));
    m_s.answerSave(m_data / "bevel1.txt");
    m_s.expectMessage("数据将以合法文件名" + (m_data / "bevel1.cng").string() + "保存。");
    int r = run([&](Running& d) {
        enterExample(d);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    EXPECT_EQ(fs::file_size(m_data / "bevel1.cng"), 408u);
    EXPECT_TRUE(fs::exists(m_data / "bevel1.tng"));
    EXPECT_FALSE(fs::exists(m_data / "bevel1.txt"));
    EXPECT_EQ(m_s.messages().at(0).icon, fw::MessageIcon::Information);
}

TEST_F(PellunTypeTest, AReportThatCannotBeWrittenKeepsBothOldFiles) {
    std::vector<std::uint8_t> old(1296, 0x33);
    ASSERT_TRUE(fw::writeFile(m_data / "bevel1.cng", old));
    fs::create_directories(m_data / "bevel1.tng");  // the report name is taken by a folder
    m_s.answerSave(m_data / "bevel1");
    m_s.expectMessage("不能打开文件！");
    int r = run([&](Running& d) {
        enterExample(d);
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        leave(d);  // neither flag was set: both questions
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(readBytes(m_data / "bevel1.cng"), old);
    EXPECT_EQ(m_reportPath, "");
    for (const auto& e : fs::directory_iterator(m_data)) EXPECT_NE(e.path().extension(), ".saving") << e.path();
}

TEST_F(PellunTypeTest, LoadsAFileBackWithEveryField) {
    ASSERT_TRUE(fw::writeFile(m_data / "x.v2.cng", fixture()));
    m_s.answerOpen(m_data / "x.v2.cng");
    m_s.answerSave(m_data / "x.v2.cng");
    int r = run([&](Running& d) {
        d.click(D::IDC_LOAD);
        EXPECT_TRUE(d.checked(D::IDC_SYSTEM + 4));
        EXPECT_EQ(d.text(D::IDC_Z1), "20");
        EXPECT_EQ(d.text(D::IDC_Z2), "50");
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "35");
        EXPECT_EQ(d.text(D::IDC_XT1), "0.045");
        EXPECT_EQ(d.text(D::IDC_XT2), "-0.045");
        EXPECT_EQ(d.text(D::IDC_MT), "3.696582");
        EXPECT_EQ(d.text(D::IDC_TITLE), "电动葫芦弧齿锥齿轮副");
        EXPECT_EQ(d.text(D::IDC_DATE), "2025年12月10日");
        EXPECT_TRUE(d.enabled(D::IDC_FORM_FACTOR));
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    EXPECT_EQ(m_mask, 0xFFFF);
    EXPECT_EQ(m_reportPath, (m_data / "x.v2.tng").string());
    auto bytes = readBytes(m_data / "x.v2.cng");
    auto expected = fixture();
    std::memcpy(&bytes[56], &expected[56], 8);
    EXPECT_EQ(bytes, expected);
}

TEST_F(PellunTypeTest, RefusedFilesChangeNothing) {
    struct Case { const char* name; void (*mutate)(std::vector<std::uint8_t>&); std::string message; bool icon; };
    const Case cases[] = {
        {"cylindrical file", [](auto& b) { std::memcpy(&b[36], "W_CYDESIGN\0", 11); },
         "所用数据文件不包含圆锥齿轮设计计算数据。", false},
        {"status 202", [](auto& b) { putI32(b, 64 + 212, 202); },
         "数据文件包含未完成的锥齿轮计算数据或根本不是锥齿轮计算数据!", true},
        {"status 0", [](auto& b) { putI32(b, 64 + 212, 0); },
         "数据文件包含未完成的锥齿轮计算数据或根本不是锥齿轮计算数据!", true},
        {"short", [](auto& b) { b.resize(300); }, "所用数据文件不包含圆锥齿轮设计计算数据。", false},
        // Found by a tester: c* 1e300 loaded, calculated and saved, and the
        // report printed "齿顶隙系数 c= 1000…"; now the load names the field.
        {"c* 1e300", [](auto& b) { putF64(b, 64 + 32, 1e300); },
         kavrin::refusedOnLoad("齿顶隙系数 C：" + fw::numberBoundsText(bevel::cone_pre::kCStar.bounds)),
         true},
    };
    for (const auto& c : cases) {
        auto bytes = fixture();
        c.mutate(bytes);
        ASSERT_TRUE(fw::writeFile(m_data / "bad.cng", bytes));
        m_s.answerOpen(m_data / "bad.cng");
        m_s.expectMessage(c.message);
        run([&](Running& d) {
            d.click(D::IDC_LOAD);
            EXPECT_EQ(m_s.messages().back().icon,
                      c.icon ? fw::MessageIcon::Exclamation : fw::MessageIcon::None) << c.name;
            EXPECT_TRUE(d.checked(D::IDC_SYSTEM)) << c.name;
            EXPECT_EQ(d.text(D::IDC_Z1), "0") << c.name;
            leave(d);
        });
        EXPECT_EQ(m_reportPath, "") << c.name;
    }
    // A name without ".cng" is refused before the file is read.
    ASSERT_TRUE(fw::writeFile(m_data / "bevel.txt", fixture()));
    m_s.answerOpen(m_data / "bevel.txt");
    m_s.expectMessage("指定的文件不是当前版本确认的数据文件！");
    run([&](Running& d) {
        d.click(D::IDC_LOAD);
        leave(d);
    });
}

TEST_F(PellunTypeTest, OldFileWithoutHeaderLoadsAfterTheNotice) {
    auto bytes = fixture();
    std::vector<std::uint8_t> old(bytes.begin() + 64, bytes.end());
    putI32(old, 0, 0x63);  // a mask below 104
    ASSERT_TRUE(fw::writeFile(m_data / "old.cng", old));
    m_s.answerOpen(m_data / "old.cng");
    m_s.expectMessage("注意：所用数据文件为旧版本兼容文件，若保留它，请另存计算结果!");
    run([&](Running& d) {
        d.click(D::IDC_LOAD);
        EXPECT_EQ(d.text(D::IDC_Z1), "20");
        leave(d);
    });
    EXPECT_EQ(m_mask, 0x63);
}

// ---- what is saved loads again --------------------------------------------------

// Each finding: what the user does, then what the dialog shows, what the
// save writes and that the file written loads again with the values shown.
TEST_F(PellunTypeTest, FindingsAreRefusedOrMendedAndTheSaveLoadsAgain) {
    const std::string forty = [] {
        std::string t;
        for (int n = 0; n < 4; ++n) t += "一二三四五六七八九十";
        return t;
    }();
    // 63 GBK bytes hold 31 Chinese characters.
    const std::string thirtyOne = [&] {
        std::string t;
        for (int n = 0; n < 3; ++n) t += "一二三四五六七八九十";
        return t + "一";
    }();
    struct Row {
        const char* name;
        std::function<void(fwtest::Session&, Running&)> act;
        std::function<void(const bevel::ConePreRecord&)> saved;
    };
    const Row rows[] = {
        {"xτ1 −1000 (its exp() made the form factor infinite) is refused by its field",
         [](fwtest::Session& s, Running& d) {
             enterExampleInputs(d, 4);
             enter(d, D::IDC_X1, "0.3276");
             enterOutOfRange(s, d, D::IDC_XT1, "-1000", fw::numberBoundsText(bevel::cone_pre::kXt1.bounds), "0.045");
             enter(d, D::IDC_YF, "2.5");
             enter(d, D::IDC_MT, "3.696582");
         },
         [](const bevel::ConePreRecord& r) {
             EXPECT_EQ(r.yf, 2.5);
             EXPECT_EQ(r.xt1, 0.045);
         }},
        {"a title of 40 Chinese characters: field, record and report hold the first 31",
         [&](fwtest::Session&, Running& d) {
             enterExample(d);
             enter(d, D::IDC_TITLE, forty);
             EXPECT_EQ(d.text(D::IDC_TITLE), thirtyOne);
         },
         [&](const bevel::ConePreRecord& r) { EXPECT_EQ(r.title, thirtyOne); }},
        {"a number of 40 Chinese characters",
         [&](fwtest::Session&, Running& d) {
             enterExample(d);
             enter(d, D::IDC_NUMBER, forty);
             EXPECT_EQ(d.text(D::IDC_NUMBER), thirtyOne);
         },
         [&](const bevel::ConePreRecord& r) { EXPECT_EQ(r.number, thirtyOne); }},
        {"Z1 above the largest tooth number is refused",
         [](fwtest::Session& s, Running& d) {
             enterExample(d);
             const std::string range = fw::integerBoundsText(bevel::cone_pre::kZ1.bounds);
             enterOutOfRange(s, d, D::IDC_Z1, "1001", range, "20");
             enterOutOfRange(s, d, D::IDC_Z1, "3000000000", range, "20");
             EXPECT_EQ(d.text(D::IDC_MT), "3.696582");
         },
         [](const bevel::ConePreRecord& r) { EXPECT_EQ(r.z1, 20u); }},
        {"Z2 above the largest tooth number is refused",
         [](fwtest::Session& s, Running& d) {
             enterExample(d);
             enterOutOfRange(s, d, D::IDC_Z2, "1001", fw::integerBoundsText(bevel::cone_pre::kZ2.bounds), "50");
             EXPECT_EQ(d.text(D::IDC_Z2), "50");
         },
         [](const bevel::ConePreRecord& r) { EXPECT_EQ(r.z2, 50u); }},
        {"a ratio that would make Z2 above 1000 is refused",
         [](fwtest::Session&, Running& d) {
             enterExample(d);
             enter(d, D::IDC_I, "60");  // 20·60 = 1200 teeth
             EXPECT_EQ(d.text(D::IDC_HINT), "传动比 i=60.000000数值无效,未接受输入!");
             EXPECT_EQ(d.text(D::IDC_Z2), "50");
         },
         [](const bevel::ConePreRecord& r) { EXPECT_EQ(r.i, 2.5); }},
    };
    int n = 0;
    for (const Row& row : rows) {
        const fs::path data = m_data / ("finding" + std::to_string(n++));
        m_s.answerSave(data);
        int r = run([&](Running& d) {
            row.act(m_s, d);
            d.click(IDOK);
        });
        ASSERT_EQ(r, IDOK) << row.name;
        auto loaded = bevel::loadConePreFile(readBytes(fs::path(data.string() + ".cng")));
        ASSERT_TRUE(loaded) << row.name << ": " << loaded.error();
        EXPECT_EQ(bevel::writeConePreRecord(loaded->record), bevel::writeConePreRecord(m_last)) << row.name;
        row.saved(loaded->record);
        auto report = fw::readTextFile(fs::path(data.string() + ".tng"));
        ASSERT_TRUE(report) << row.name;
        EXPECT_NE(report->find("\t标题: " + loaded->record.title + "\t编号: " + loaded->record.number), std::string::npos)
            << row.name;
        EXPECT_EQ(report->find("inf"), std::string::npos) << row.name;
    }
}

// A record the check refuses is never written: the user is told which value,
// no file name is asked for, and the old file stays byte for byte.
TEST_F(PellunTypeTest, ARecordTheCheckRefusesIsNotWritten) {
    std::vector<std::uint8_t> old(408, 0x44);
    ASSERT_TRUE(fw::writeFile(m_data / "bevel1.cng", old));
    m_s.expectMessage("齿形系数 YF：" + fw::numberBoundsText(bevel::cone_pre::kYf.bounds) +
                      "\n数据没有保存。请改正后再保存。");
    int r = run([&](Running& d) {
        enterExample(d);
        static_cast<D&>(d.dialog()).m_yf = INFINITY;  // what an exp() underflow used to leave
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        leave(d);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(m_s.messages().at(0).icon, fw::MessageIcon::Exclamation);
    EXPECT_EQ(readBytes(m_data / "bevel1.cng"), old);
    EXPECT_FALSE(fs::exists(m_data / "bevel1.tng"));
    EXPECT_EQ(m_reportPath, "");
}

// βm changed after the form factor and module: as typed as by the helix
// check of system 6 (35° set back to 10°), both are dropped and the module
// waits for a new form factor.
TEST_F(PellunTypeTest, ANewHelixAngleDropsTheFormFactorAndModule) {
    for (bool typed : {true, false}) {
        if (!typed) m_s.expectMessage("螺旋角应取10°～30°,\n否则采用其它齿型制。");
        run([&](Running& d) {
            enterExampleInputs(d, 6);
            enter(d, D::IDC_BETA_DEG, "35");
            enter(d, D::IDC_X1, "0.336");
            enter(d, D::IDC_XT1, "0");
            enter(d, D::IDC_YF, "2.5");
            d.click(D::IDC_MODULE);
            ASSERT_GT(number(d, D::IDC_MT), 0) << typed;
            if (typed)
                enter(d, D::IDC_BETA_DEG, "20");
            else
                d.click(D::IDC_RADIAL);
            EXPECT_EQ(d.text(D::IDC_BETA_DEG), typed ? "20" : "10") << typed;
            EXPECT_EQ(d.text(D::IDC_YF), "0") << typed;
            EXPECT_EQ(d.text(D::IDC_MT), "0") << typed;
            EXPECT_FALSE(d.enabled(D::IDC_MODULE)) << typed;
            EXPECT_EQ(d.text(D::IDC_X1), "0.336") << typed;  // the helix check determines no x1
            leave(d);
        });
        EXPECT_EQ(m_last.betaDeg, typed ? 20 : 10) << typed;
        EXPECT_EQ(m_last.yf, 0) << typed;
        EXPECT_EQ(m_last.mt, 0) << typed;
    }
}

// A file-size limit (RLIMIT_FSIZE, SIGXFSZ ignored) lets the data file be
// created but not written, as a full disk does: the message says what
// failed, and the old file stays.
TEST_F(PellunTypeTest, AWriteThatFailsSaysSoAndKeepsTheOldFile) {
    std::vector<std::uint8_t> old(64, 0x22);
    ASSERT_TRUE(fw::writeFile(m_data / "full.cng", old));
    m_s.answerSave(m_data / "full");
    int r = run([&](Running& d) {
        enterExample(d);
        {
            fwtest::FileSizeLimit full(100);  // the old file fits, the 408 new bytes do not
            m_s.answerMessage(IDOK);
            d.click(IDOK);
        }
        EXPECT_FALSE(d.ended());
        leave(d);
    });
    EXPECT_EQ(r, IDCANCEL);
    ASSERT_FALSE(m_s.messages().empty());
    EXPECT_EQ(m_s.messages().at(0).text, "创建文件错误:" + (m_data / "full.cng").string() + ",ERROR = 13");
    EXPECT_EQ(m_s.messages().at(0).icon, fw::MessageIcon::Exclamation);
    EXPECT_EQ(readBytes(m_data / "full.cng"), old);
    EXPECT_FALSE(fs::exists(m_data / "full.tng"));
}

// Leaving the dialog checks no field: βm emptied (a text that is no number),
// then 取消 or Esc, brings the dialog's own two questions and closes it.
TEST_F(PellunTypeTest, CancelAndEscapeLeaveWithAFieldThatIsNoNumber) {
    for (bool escape : {false, true}) {
        const std::size_t before = m_s.messages().size();
        int r = run([&](Running& d) {
            d.type(D::IDC_BETA_DEG, "");
            m_s.expectMessage(kAskData, IDNO);
            m_s.expectMessage(kAskReport, IDNO);
            if (escape)
                d.escape();
            else
                d.click(IDCANCEL);
            EXPECT_TRUE(d.ended()) << escape;
        });
        EXPECT_EQ(r, IDCANCEL) << escape;
        ASSERT_EQ(m_s.messages().size(), before + 2) << escape;  // no refusal of the empty field
    }
    // Tab instead: the refusal comes once, the focus goes back once, and
    // leaving again without an edit puts the accepted "0" back silently.
    run([&](Running& d) {
        d.type(D::IDC_BETA_DEG, "");
        m_s.answerMessage(IDOK);
        d.leave();
        EXPECT_EQ(d.focused(), D::IDC_BETA_DEG);
        d.leave();
        EXPECT_NE(d.focused(), D::IDC_BETA_DEG);
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "0");
        leave(d);
    });
    EXPECT_EQ(m_s.messages().size(), 4u + 3u);  // the refusal, then the two questions
}

}  // namespace

// ---- one range per quantity -------------------------------------------------------

namespace {

// A field and the quantity it edits, with the state it is typed in: Open
// (the dialog as it opens: ha* and c* still editable), Fresh (system 1
// chosen, every input 0: no coupling runs) or Complete (the example typed:
// shifts, form factor and module editable). `bit` is what taking the value
// marks as given. A field whose handler takes less than the range (ha*, c*:
// the tooth systems' rule) counts only the range's own refusal.
struct FieldRow {
    int id;
    const kavrin::Quantity& q;
    enum State { Open, Fresh, Complete } state;
    double (*get)(const D&);
    void (*set)(D&, double);
    void (*slot)(bevel::ConePreRecord&, double);
    std::int32_t bit = 0;
    bool count = false;
    bool rangeOnly = false;
    bool zeroNotGiven = false;  // 0 stands for "not computed yet" in the record; no field takes it
};

#define PRE_FIELD(member, recordField) \
    [](const D& d) { return static_cast<double>(d.member); }, \
    [](D& d, double v) { d.member = static_cast<decltype(d.member)>(v); }, \
    [](bevel::ConePreRecord& r, double v) { r.recordField = static_cast<decltype(r.recordField)>(v); }

const FieldRow kFieldRows[] = {
    {D::IDC_ALPHA_DEG, bevel::cone_pre::kAlphaDeg, FieldRow::Fresh, PRE_FIELD(m_alphaDeg, alphaDeg), 0, true},
    {D::IDC_ALPHA_MIN, bevel::cone_pre::kAlphaMin, FieldRow::Fresh, PRE_FIELD(m_alphaMin, alphaMin), 0, true},
    {D::IDC_ALPHA_SEC, bevel::cone_pre::kAlphaSec, FieldRow::Fresh, PRE_FIELD(m_alphaSec, alphaSec), 0, true},
    {D::IDC_BETA_DEG, bevel::cone_pre::kBetaDeg, FieldRow::Fresh, PRE_FIELD(m_betaDeg, betaDeg), 0, true},
    {D::IDC_BETA_MIN, bevel::cone_pre::kBetaMin, FieldRow::Fresh, PRE_FIELD(m_betaMin, betaMin), 0, true},
    {D::IDC_BETA_SEC, bevel::cone_pre::kBetaSec, FieldRow::Fresh, PRE_FIELD(m_betaSec, betaSec), 0, true},
    {D::IDC_HA, bevel::cone_pre::kHaStar, FieldRow::Open, PRE_FIELD(m_ha, haStar), 0, false, true},
    {D::IDC_C, bevel::cone_pre::kCStar, FieldRow::Open, PRE_FIELD(m_c, cStar), 0, false, true},
    {D::IDC_Z1, bevel::cone_pre::kZ1, FieldRow::Fresh, PRE_FIELD(m_z1, z1), bevel::kBitZ1, true},
    {D::IDC_Z2, bevel::cone_pre::kZ2, FieldRow::Fresh, PRE_FIELD(m_z2, z2), bevel::kBitZ2, true},
    {D::IDC_I, bevel::cone_pre::kI, FieldRow::Fresh, PRE_FIELD(m_i, i), 0, false, false, true},
    {D::IDC_N1, bevel::cone_pre::kN1, FieldRow::Fresh, PRE_FIELD(m_n1, n1), bevel::kBitN1},
    {D::IDC_N2, bevel::cone_pre::kN2, FieldRow::Fresh, PRE_FIELD(m_n2, n2), bevel::kBitN2},
    {D::IDC_P, bevel::cone_pre::kP, FieldRow::Fresh, PRE_FIELD(m_p, p), bevel::kBitP},
    {D::IDC_T, bevel::cone_pre::kT, FieldRow::Fresh, PRE_FIELD(m_t, t), bevel::kBitT},
    {D::IDC_SIGMA_H, bevel::cone_pre::kSigmaHlim, FieldRow::Fresh, PRE_FIELD(m_sigmaHlim, sigmaHlim), bevel::kBitSigmaH},
    {D::IDC_SIGMA_F, bevel::cone_pre::kSigmaFlim, FieldRow::Fresh, PRE_FIELD(m_sigmaFlim, sigmaFlim), bevel::kBitSigmaF},
    {D::IDC_KA, bevel::cone_pre::kKa, FieldRow::Fresh, PRE_FIELD(m_ka, ka), bevel::kBitKA},
    {D::IDC_KHB, bevel::cone_pre::kKhBeta, FieldRow::Fresh, PRE_FIELD(m_khBeta, khBeta), bevel::kBitKHbeta},
    {D::IDC_KWB, bevel::cone_pre::kKwBeta, FieldRow::Fresh, PRE_FIELD(m_kwBeta, kwBeta), bevel::kBitKwbeta},
    {D::IDC_X1, bevel::cone_pre::kX1, FieldRow::Complete, PRE_FIELD(m_x1, x1)},
    {D::IDC_XT1, bevel::cone_pre::kXt1, FieldRow::Complete, PRE_FIELD(m_xt1, xt1)},
    {D::IDC_YF, bevel::cone_pre::kYf, FieldRow::Complete, PRE_FIELD(m_yf, yf)},
    {D::IDC_MT, bevel::cone_pre::kMt, FieldRow::Complete, PRE_FIELD(m_mt, mt), 0, false, false, true},
};
#undef PRE_FIELD

// The texts typed: far outside, each bound and one step beyond and within it
// (a step the field's text shows), and 0.
std::vector<std::string> probeTexts(const FieldRow& f) {
    const double lo = f.q.lower(), hi = f.q.upper();
    std::vector<double> v;
    if (f.count)
        v = {lo - 1, lo, lo + 1, hi - 1, hi, hi + 1, 0};
    else {
        auto step = [](double b) { return 1e-9 * std::max(1.0, std::abs(b)); };
        v = {1e300, -1e300, 1e-300, lo - step(lo), lo, lo + step(lo), hi - step(hi), hi, hi + step(hi), 0};
    }
    std::vector<std::string> out;
    for (double x : v) {
        if (x == 0 && f.zeroNotGiven) continue;
        out.push_back(f.count ? std::to_string(static_cast<long long>(x)) : fw::formatNumber(x));
    }
    return out;
}

}  // namespace

// For every field of a stored quantity and each value of its probes: the
// field refuses it exactly when the loader refuses a record holding it
// (with the field's completion bit set, as taking it would set it), and the
// save refuses that record too (no file is asked for, the message names
// the field).
TEST_F(PellunTypeTest, FieldLoadAndSaveRefuseTheSameValues) {
    m_s.tolerate([](Running& d) { d.end(IDCANCEL); });
    for (const FieldRow& f : kFieldRows) {
        const std::string name(f.q.name);
        run([&](Running& d) {
            auto& dlg = static_cast<D&>(d.dialog());
            if (f.state == FieldRow::Fresh) d.click(D::IDC_SYSTEM + 1);
            if (f.state == FieldRow::Complete) enterExample(d);
            // An input not given yet is given first, so that typing 0 is a change.
            if (f.bit && f.get(dlg) == 0) enter(d, f.id, fw::formatNumber(2 * f.q.lower()));
            d.focus(D::IDC_HELP_BUTTON);
            const bevel::ConePreRecord start = dlg.record();
            const double startValue = f.get(dlg);
            // Back to the start: the member and what a taken value moved.
            auto restore = [&] {
                f.set(dlg, startValue);
                dlg.m_mask = start.mask;
                dlg.m_yf = start.yf, dlg.m_mt = start.mt, dlg.m_c = start.cStar;
                dlg.m_x2 = start.x2, dlg.m_xt2 = start.xt2;
                dlg.UpdateData(false);
                d.dialog().setText(D::IDC_HINT, "");
            };
            const std::string range =
                f.count ? fw::integerBoundsText(f.q.bounds) : fw::numberBoundsText(f.q.bounds);
            for (const std::string& text : probeTexts(f)) {
                const double v = f.count ? static_cast<double>(std::stoll(text)) : *fw::parseNumber(text);
                bevel::ConePreRecord r = start;
                f.slot(r, v);
                r.mask |= f.bit;
                const bool loadRefuses = !bevel::loadConePreFile(bevel::conePreFileBytes(r, 1765324800));
                // The field.
                const std::size_t before = m_s.messages().size();
                d.type(f.id, text);
                d.focus(D::IDC_HELP_BUTTON);  // leaves the field for a button: only its own check runs
                const bool rangeRefusal = m_s.messages().size() > before &&
                                          m_s.messages().back().text.ends_with("：" + range);
                // The handler's own refusal is its hint (the value may equal the old one).
                const std::string hint = d.text(D::IDC_HINT);
                const bool hinted = hint.find("未接受") != std::string::npos || hint.find("未被接受") != std::string::npos;
                const bool taken = f.get(dlg) == v && d.text(f.id) == text && !hinted;
                const bool fieldRefuses = f.rangeOnly ? rangeRefusal : rangeRefusal || !taken;
                EXPECT_EQ(fieldRefuses, loadRefuses) << name << " " << text;
                restore();
                // The save of the same record.
                if (f.count && v < 0) continue;  // an unsigned member holds no negative value
                d.focus(D::IDC_HELP_BUTTON);     // no field check before the save
                f.set(dlg, v);
                dlg.m_mask |= f.bit;
                const auto fault = bevel::checkConePreRecord(dlg.record());
                const std::size_t files = m_s.files().size();
                d.click(IDOK);
                const bool saveRefuses = m_s.files().size() == files;
                EXPECT_EQ(saveRefuses, loadRefuses) << name << " " << text << " (save)";
                if (saveRefuses) {
                    ASSERT_TRUE(fault) << name << " " << text;
                    EXPECT_EQ(m_s.messages().back().text, bevel::conePreSaveRefusal(*fault));
                    EXPECT_EQ(name.rfind(std::string(fault->field), 0), 0u) << fault->field;  // α 度: α
                }
                restore();
            }
            d.end(IDCANCEL);
        });
    }
}
