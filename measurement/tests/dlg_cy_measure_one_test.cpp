// The single gear measurement dialog (template 1041), run headless: field
// rules, trial and its stops, sliders, pin edit, save and load.
#include "measurement/cy_measure_one_dlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "common/calc/record_check.h"
#include "fw/file.h"
#include "fw/exchange.h"
#include "fw/format.h"
#include "fw/text.h"
#include "common/tests/range_probes.h"
#include "measurement/calc/measure_ranges.h"

#include <functional>
#include <optional>
#include "fwtest/script.h"
#include "measurement/tests/measure_dlg_fixture.h"
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "measurement/calc/cy_measure_record.h"
#include "measurement/calc/measure_record_check.h"
#include "measurement/calc/profile_data.h"
#include "measurement/cymeasure_rdlg.h"

namespace fs = std::filesystem;
using D = CCyMeasureOneDlg;
using fwtest::Running;
using namespace measurement;

namespace {

using measurement::test::fixture;
using measurement::test::readBytes;

class MeasureOneDlgTest : public measurement::test::MeasureDlgTest<D> {
protected:
    MeasureOneDlgTest() : MeasureDlgTest("dlg_measure_one") {}
};

// The worked example: spur external gear Z 20, mn 2, da 44.
void enterZ20(Running& d) {
    d.type(D::IDC_TITLE, "测绘齿轮");
    d.type(D::IDC_NUMBER, "CH-020");
    d.date(D::IDC_DATE, {2026, 12, 10});
    d.type(D::IDC_MN, "2");
    d.leave();
    d.type(D::IDC_Z, "20");
    d.leave();
    d.type(D::IDC_DA, "44");
    d.leave();
}

void expectAllBut(const std::vector<std::uint8_t>& got, const std::vector<std::uint8_t>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (i >= 56 && i < 64) continue;  // time of saving
        EXPECT_EQ(int(got[i]), int(want[i])) << "byte " << i;
    }
}

}  // namespace

TEST_F(MeasureOneDlgTest, OpensWithItsDefaultsAndNothingToCalculate) {
    run([&](Running& d) {
        EXPECT_EQ(d.caption(), "《Ondrel》Kavrin  单个圆柱齿轮测量计算");
        EXPECT_TRUE(d.checked(D::IDC_EXTERNAL));
        EXPECT_TRUE(d.checked(D::IDC_MODE_HELIX));
        EXPECT_EQ(d.text(D::IDC_CSTAR), "0.25");
        EXPECT_EQ(d.text(D::IDC_HASTAR), "1.0");
        EXPECT_EQ(d.text(D::IDC_ALPHA_N), "20");
        EXPECT_EQ(d.position(D::IDC_SHIFT_SLIDER), 50);
        EXPECT_EQ(d.position(D::IDC_HELIX_SLIDER), 0);
        for (int id : std::initializer_list<int>{D::IDC_TRIAL, int(IDOK), D::IDC_DWS, D::IDC_DWI, D::IDC_DP, D::IDC_SHIFT_STEP,
                       D::IDC_SHIFT_SLIDER, D::IDC_XN, D::IDC_CHECK, D::IDC_PROFILE})
            EXPECT_FALSE(d.enabled(id)) << id;
        EXPECT_EQ(d.text(D::IDC_HINT), kMsgIntro);
        EXPECT_EQ(d.text(D::IDC_SIGN_MI), "－");
        // The helix slider is live from the start: with nothing entered it calculates nothing.
        d.drag(D::IDC_HELIX_SLIDER, 10);
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "10");
        EXPECT_EQ(d.text(D::IDC_HINT), kMsgIncomplete);
        EXPECT_EQ(d.text(D::IDC_W), "");
        d.click(IDCANCEL);
    });
}

TEST_F(MeasureOneDlgTest, TrialOfTheSpurGearShowsItsInspectionDimensions) {
    run([&](Running& d) {
        enterZ20(d);
        EXPECT_TRUE(d.enabled(D::IDC_TRIAL));
        EXPECT_EQ(d.text(D::IDC_HINT), kMsgRunTrial);
        d.click(D::IDC_TRIAL);
        EXPECT_EQ(d.text(D::IDC_D), "40.0000");
        EXPECT_EQ(d.text(D::IDC_XN), "0");
        EXPECT_EQ(d.text(D::IDC_KW), "3");
        EXPECT_EQ(d.text(D::IDC_W), "15.3209");
        EXPECT_EQ(d.text(D::IDC_MP), "44.4498");
        EXPECT_EQ(d.text(D::IDC_DP), "3.36");
        for (int id : std::initializer_list<int>{int(IDOK), D::IDC_DP, D::IDC_DWS, D::IDC_DWI, D::IDC_CHECK, D::IDC_PROFILE})
            EXPECT_TRUE(d.enabled(id)) << id;
        // ΔWs 0.05 → ΔMs 0.123770.
        d.type(D::IDC_DWS, "0.05");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_DMS), "0.1238");
        // Pin 1.5·mn refused on an external gear.
        m_s.expectMessage("测棒直径尽可能接近3.464mm取值");
        d.type(D::IDC_DP, "3");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_DP), "3.36");
        // An accepted edit makes the results stale: no save until a new trial.
        d.select(D::IDC_CSTAR, 1);
        EXPECT_FALSE(d.enabled(IDOK));
        d.click(D::IDC_TRIAL);
        EXPECT_TRUE(d.enabled(IDOK));
        d.type(D::IDC_HASTAR, "0.9");
        d.leave();
        EXPECT_FALSE(d.enabled(IDOK));
        d.click(D::IDC_TRIAL);
        d.click(D::IDC_MODE_SHIFT);
        EXPECT_FALSE(d.enabled(IDOK));
        d.click(IDCANCEL);
    });
}

TEST_F(MeasureOneDlgTest, FieldRefusalsRestoreThePreviousValue) {
    run([&](Running& d) {
        struct Case {
            int id;
            const char* typed;
            const char* message;
            const char* restored;
        };
        const Case cases[] = {
            {D::IDC_MN, "-1", kMsgModule, "0"},
            {D::IDC_Z, "0", nullptr, "0"},  // unchanged: nothing to refuse
            {D::IDC_DA, "-4", kMsgTip, "0"},
            {D::IDC_HASTAR, "1.2", kMsgHaStar, "1.0"},
            {D::IDC_CSTAR, "0.1", kMsgCStar, "0.25"},
            {D::IDC_BETA_MIN, "10", kMsgMinutesNeedDegrees, "0"},
        };
        for (const Case& c : cases) {
            if (c.message) m_s.expectMessage(c.message);
            d.type(c.id, c.typed);
            d.leave();
            EXPECT_EQ(d.text(c.id), c.restored) << c.typed;
        }
        d.type(D::IDC_BETA_DEG, "12");
        d.leave();
        d.type(D::IDC_BETA_MIN, "30");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_BETA_MIN), "30");
        EXPECT_EQ(d.position(D::IDC_HELIX_SLIDER), 12);
        m_s.expectMessage(kMsgDegreesFirst, IDOK);
        d.type(D::IDC_BETA_DEG, "0");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "12");
        d.click(IDCANCEL);
    });
}

// A stopped trial enables nothing and keeps the results shown.
TEST_F(MeasureOneDlgTest, InternalInterferenceStopsAndEnablesNothing) {
    run([&](Running& d) {
        d.click(D::IDC_INTERNAL);
        EXPECT_EQ(d.text(D::IDC_HINT), kMsgTypeChanged);
        EXPECT_EQ(d.text(D::IDC_SIGN_WS), "＋");
        d.type(D::IDC_MN, "2");
        d.leave();
        d.type(D::IDC_Z, "28");
        d.leave();
        d.type(D::IDC_DA, "55");
        d.leave();
        d.type(D::IDC_BETA_DEG, "15");
        d.leave();
        d.click(D::IDC_TRIAL);
        EXPECT_TRUE(d.enabled(IDOK));
        const std::string w = d.text(D::IDC_W);
        // The slider to 0°: K 0.2696 stops; save is disabled, the results stay.
        m_s.expectMessage(kMsgInternalInterference);
        d.drag(D::IDC_HELIX_SLIDER, 0);
        EXPECT_EQ(d.text(D::IDC_HINT), kMsgInternalInterference);
        EXPECT_FALSE(d.enabled(IDOK));
        EXPECT_EQ(d.text(D::IDC_W), w);
        // Internal spur Z 30 by the trial button: nothing is enabled.
        d.type(D::IDC_Z, "30");
        d.leave();
        m_s.expectMessage(kMsgInternalInterference);
        d.click(D::IDC_TRIAL);
        EXPECT_FALSE(d.enabled(IDOK));
        EXPECT_FALSE(d.enabled(D::IDC_CHECK));
        EXPECT_FALSE(d.enabled(D::IDC_PROFILE));
        d.click(IDCANCEL);
    });
}

TEST_F(MeasureOneDlgTest, ProfileShiftSliderReadsAndPlacesOnOneScale) {
    run([&](Running& d) {
        enterZ20(d);
        d.click(D::IDC_MODE_SHIFT);
        EXPECT_TRUE(d.enabled(D::IDC_XN));
        EXPECT_FALSE(d.enabled(D::IDC_BETA_DEG));
        d.drag(D::IDC_SHIFT_SLIDER, 80);
        EXPECT_EQ(d.text(D::IDC_XN), "0.45");
        d.type(D::IDC_XN, "0.3");
        d.leave();
        EXPECT_EQ(d.position(D::IDC_SHIFT_SLIDER), 70);
        d.type(D::IDC_XN, "0.45");
        d.leave();
        EXPECT_EQ(d.position(D::IDC_SHIFT_SLIDER), 80);
        d.type(D::IDC_XN, "0");
        d.leave();
        d.click(D::IDC_TRIAL);
        EXPECT_EQ(d.text(D::IDC_HINT), kMsgSmallHelixExternal);
        EXPECT_EQ(d.text(D::IDC_DP), "3.456");
        EXPECT_EQ(d.text(D::IDC_MP), "44.7801");
        d.click(IDCANCEL);
    });
}

// Save: 672 bytes equal to the fixture but for the time; the report equals
// the golden file; the shell's report path is the report's.
TEST_F(MeasureOneDlgTest, SavesTheMeasurementFileAndItsReport) {
    const fs::path data = m_data / "gear.cyb", report = m_data / "gear.cyt";
    m_s.answerSave(data);
    int r = run([&](Running& d) {
        enterZ20(d);
        d.click(D::IDC_TRIAL);
        d.type(D::IDC_DWS, "0.05");
        d.leave();
        d.type(D::IDC_DWI, "0.1");
        d.leave();
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    EXPECT_EQ(m_reportPath, report.string());
    expectAllBut(readBytes(data), readBytes(fixture("single_z20.cyb")));
    EXPECT_EQ(readBytes(report), readBytes(fixture("single_z20.cyt")));
}

TEST_F(MeasureOneDlgTest, ReportNameIsCutAtTheFirstCyb) {
    m_s.answerSave(m_data / "gear.cyb.bak");
    int r = run([&](Running& d) {
        enterZ20(d);
        d.click(D::IDC_TRIAL);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    EXPECT_EQ(m_reportPath, (m_data / "gear.cyt").string());
    EXPECT_TRUE(fs::exists(m_data / "gear.cyb.bak"));
}

TEST_F(MeasureOneDlgTest, CancelledSaveDialogKeepsTheDialogOpen) {
    m_s.cancelFile();
    int r = run([&](Running& d) {
        enterZ20(d);
        d.click(D::IDC_TRIAL);
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(m_reportPath, "");
}

// An internal gear saved and loaded again: αat from offset 24; c* shown as
// the list entry "0.30" or as the typed text "0.28".
TEST_F(MeasureOneDlgTest, InternalGearRoundTripsThroughItsFile) {
    const fs::path data = m_data / "ring.cyb";
    for (const char* c : {"0.30", "0.28"}) {
        m_s.answerSave(data);
        run([&](Running& d) {
            d.click(D::IDC_INTERNAL);
            d.type(D::IDC_MN, "2");
            d.leave();
            d.type(D::IDC_Z, "60");
            d.leave();
            d.type(D::IDC_DA, "116");
            d.leave();
            d.type(D::IDC_CSTAR, c);
            d.leave();
            d.click(D::IDC_TRIAL);
            d.click(IDOK);
        });
        auto loaded = readMeasureFile(data);
        ASSERT_TRUE(loaded) << loaded.error();
        EXPECT_EQ(loaded->kind, 1);
        EXPECT_GT(loaded->record.alphaAt[1], 0);
        EXPECT_EQ(loaded->record.alphaAt[0], 0);
        m_s.answerOpen(data);
        run([&](Running& d) {
            d.click(D::IDC_LOAD);
            EXPECT_TRUE(d.checked(D::IDC_INTERNAL));
            EXPECT_FALSE(d.enabled(D::IDC_EXTERNAL));
            EXPECT_EQ(d.text(D::IDC_CSTAR), c);
            EXPECT_EQ(d.text(D::IDC_Z), "60");
            EXPECT_EQ(d.text(D::IDC_ALPHA_AT), fw::format("%.4f", loaded->record.alphaAt[1]));
            EXPECT_EQ(d.text(D::IDC_SIGN_MS), "＋");
            d.click(IDCANCEL);
        });
    }
}

// Refused files change nothing.
TEST_F(MeasureOneDlgTest, RefusedFilesLeaveEveryField) {
    auto good = readBytes(fixture("single_z20.cyb"));
    auto variant = [&](const char* name, auto change) {
        auto b = good;
        change(b);
        fs::path p = m_data / name;
        EXPECT_TRUE(fw::writeFile(p, b));
        return p;
    };
    struct Case {
        fs::path path;
        std::string message;
    };
    const Case cases[] = {
        {variant("pair.cyb", [](auto& b) { b[4] = 2; }), kMsgPairFile},
        {variant("old.cyb", [](auto& b) { b[0] = 103; b[1] = 0; }),
         "注意：所用数据文件为旧版本兼容文件，若保留它，请另存计算结果!"},
        {variant("design.cyb", [](auto& b) { std::memcpy(&b[36], "W_CYDESIGN\0", 11); }), kMsgNotMeasureFile},
        {variant("short.cyb", [](auto& b) { b.resize(600); }), kMsgNotMeasureFile},
        {variant("kind3.cyb", [](auto& b) { b[4] = 3; }), kMsgBadData},
        {variant("mode2.cyb", [](auto& b) { b[64 + 600] = 2; }), loadRefusal("求解方式无效！")},
        {variant("nomodule.cyb", [](auto& b) { std::memset(&b[64 + 304], 0, 8); }), kavrin::refusedOnLoad(kMsgModule)},
        {variant("deviation.cyb", [](auto& b) { double v = -0.05; std::memcpy(&b[64 + 376], &v, 8); }),
         kavrin::refusedOnLoad(kMsgDeviation)},
    };
    for (const Case& c : cases) {
        m_s.answerOpen(c.path);
        m_s.expectMessage(c.message);
    }
    run([&](Running& d) {
        enterZ20(d);
        d.click(D::IDC_TRIAL);
        const std::string w = d.text(D::IDC_W);
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            d.click(D::IDC_LOAD);
            EXPECT_EQ(d.text(D::IDC_W), w) << cases[i].path.string();
            EXPECT_EQ(d.text(D::IDC_MN), "2");
            EXPECT_TRUE(d.enabled(D::IDC_INTERNAL));
            EXPECT_TRUE(d.enabled(IDOK));
        }
        d.click(IDCANCEL);
    });
}

TEST_F(MeasureOneDlgTest, HelpOpensItsTopic) {
    run([&](Running& d) {
        d.click(D::IDC_HELP);
        d.click(IDCANCEL);
    });
    ASSERT_EQ(m_s.helpCalls().size(), 1u);
    EXPECT_EQ(m_s.helpCalls()[0].target, "Kavrin.chm::/CyMeasurOneDlg.htm");
}

// ---- cutting check and tooth-profile output ----

namespace {

using CutDlg = CCygeomCutDlg;

void enterZ12(Running& d) {
    d.type(D::IDC_MN, "2");
    d.leave();
    d.type(D::IDC_Z, "12");
    d.leave();
    d.type(D::IDC_DA, "28");
    d.leave();
}

}  // namespace

// Cancelled cutter dialog: the hobbing lines in the hint and the report;
// a new trial clears them again.
TEST_F(MeasureOneDlgTest, CheckWithoutCuttersWritesTheHobbingLines) {
    const fs::path data = m_data / "z12.cyb";
    m_s.onDialog(CutDlg::IDD, [](Running& c) { c.click(IDCANCEL); });
    m_s.onDialog(CutDlg::IDD, [](Running& c) { c.click(IDCANCEL); });
    m_s.answerSave(data);
    run([&](Running& d) {
        d.type(D::IDC_TITLE, "测绘齿轮");
        d.type(D::IDC_NUMBER, "CH-012");
        d.date(D::IDC_DATE, {2026, 12, 10});
        enterZ12(d);
        EXPECT_FALSE(d.enabled(D::IDC_CHECK));
        d.click(D::IDC_TRIAL);
        EXPECT_TRUE(d.enabled(D::IDC_CHECK));
        EXPECT_TRUE(d.enabled(D::IDC_PROFILE));
        d.click(D::IDC_CHECK);
        EXPECT_EQ(d.text(D::IDC_HINT), "齿轮滚齿根切!变位系数增加至0.30才能避免根切小齿轮齿顶厚: Sa1 = 1.24 mm——OK!");
        // An accepted edit makes the verdicts stale.
        d.type(D::IDC_DWS, "0.02");
        d.leave();
        d.select(D::IDC_CSTAR, 1);
        EXPECT_FALSE(d.enabled(D::IDC_CHECK));
        d.select(D::IDC_CSTAR, 0);
        d.click(D::IDC_TRIAL);
        d.click(D::IDC_CHECK);
        d.click(IDOK);
    });
    auto report = fw::readTextFile(m_data / "z12.cyt");
    ASSERT_TRUE(report);
    EXPECT_NE(report->find("\t3.切齿检验:\r\n\t    齿轮滚齿根切!变位系数增加至0.30才能避免根切\r\n"
                           "\t    小齿轮齿顶厚: Sa1 = 1.24 mm——OK!\r\n\r\n\r\n\t——OK——\r\n"),
              std::string::npos)
        << *report;
    EXPECT_EQ(readBytes(m_data / "z12.cyt"), readBytes(fixture("single_z12_hobbed.cyt")));
}

TEST_F(MeasureOneDlgTest, StaleVerdictsAreNotReported) {
    const fs::path data = m_data / "stale.cyb";
    m_s.onDialog(CutDlg::IDD, [](Running& c) { c.click(IDCANCEL); });
    m_s.answerSave(data);
    run([&](Running& d) {
        enterZ12(d);
        d.click(D::IDC_TRIAL);
        d.click(D::IDC_CHECK);
        d.click(D::IDC_TRIAL);  // a new trial: the check must run again
        d.click(IDOK);
    });
    auto report = fw::readTextFile(m_data / "stale.cyt");
    ASSERT_TRUE(report);
    EXPECT_NE(report->find("\t3.切齿检验:\r\n\t    没有进行切齿检验计算。\r\n"), std::string::npos);
}

// Cutter z0 25, x0 0, ha0* 1.25: row 0 fails by the shaper formula; the
// report lists the rows and the cutter (golden file).
TEST_F(MeasureOneDlgTest, ShapedCheckShowsItsRowsAndGoesIntoTheReport) {
    const fs::path data = m_data / "shaped.cyb";
    m_s.onDialog(CutDlg::IDD, [](Running& c) {
        c.type(CutDlg::IDC_Z01, "25");
        c.leave();
        c.click(IDOK);
    });
    m_s.onDialog(CCyGeomCheckDlg::IDD, [](Running& c) {
        auto rows = c.rows(CCyGeomCheckDlg::IDC_CHECK_LIST);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0][1], "齿轮插齿根切");
        c.click(IDOK);
    });
    m_s.answerSave(data);
    run([&](Running& d) {
        d.type(D::IDC_TITLE, "测绘齿轮");
        d.type(D::IDC_NUMBER, "CH-012");
        d.date(D::IDC_DATE, {2026, 12, 10});
        enterZ12(d);
        d.click(D::IDC_TRIAL);
        d.click(D::IDC_CHECK);
        EXPECT_EQ(d.text(D::IDC_HINT).rfind("齿轮插齿根切!变位系数增加到0.30才能避免根切", 0), 0u);
        d.click(IDOK);
    });
    EXPECT_EQ(readBytes(m_data / "shaped.cyt"), readBytes(fixture("single_z12_shaped.cyt")));
}

// Fillet dialog: OK off at opening, Rf = jf refused (Enter keeps it open),
// Rf ≤ 0 refused; Cancel writes nothing.
TEST_F(MeasureOneDlgTest, FilletDialogRulesAndCancel) {
    m_s.onDialog(CCymeasureRdlg::IDD, [](Running& f) {
        EXPECT_EQ(f.caption(), "齿根过度圆角半径设定");
        EXPECT_EQ(f.text(CCymeasureRdlg::IDC_JF), "0.5");
        EXPECT_FALSE(f.enabled(IDOK));
        f.type(CCymeasureRdlg::IDC_RF, "-1");
        f.leave();
        EXPECT_EQ(f.text(CCymeasureRdlg::IDC_HINT), kMsgFilletPositive);
        f.type(CCymeasureRdlg::IDC_RF, "0.3");
        f.leave();
        EXPECT_TRUE(f.enabled(IDOK));
        f.type(CCymeasureRdlg::IDC_RF, "0.5");
        f.enter();
        EXPECT_FALSE(f.ended());
        EXPECT_EQ(f.text(CCymeasureRdlg::IDC_HINT), kMsgFilletBelowClearance);
        EXPECT_EQ(f.text(CCymeasureRdlg::IDC_RF), "0.3");
        f.click(IDCANCEL);
    });
    m_s.expectMessage("未定义有效的齿根过度圆角半径，不能输出确定的图形数据！");
    run([&](Running& d) {
        enterZ20(d);
        d.click(D::IDC_TRIAL);
        d.click(D::IDC_PROFILE);
        d.click(IDCANCEL);
    });
    EXPECT_TRUE(fs::is_empty(m_data));
}

// The Z 20 gear with Rf 0.3: "gear.dat" gets the notice and "gear.cyd";
// the file read back holds the computed points (byte-exact fixture).
TEST_F(MeasureOneDlgTest, ProfileOutputWritesTheCydFile) {
    const fs::path folder = m_data / "v1.2";
    fs::create_directories(folder);
    m_s.onDialog(CCymeasureRdlg::IDD, [](Running& f) {
        f.type(CCymeasureRdlg::IDC_RF, "0.3");
        f.leave();
        f.click(IDOK);
    });
    m_s.answerSave(folder / "gear.dat");
    m_s.expectMessage("为在CAD中识别文件，请使用“*.cyd”文件格式");
    run([&](Running& d) {
        enterZ20(d);
        d.click(D::IDC_TRIAL);
        d.click(D::IDC_PROFILE);
        d.click(IDCANCEL);
    });
    ASSERT_TRUE(fs::exists(folder / "gear.cyd"));
    auto bytes = readBytes(folder / "gear.cyd");
    ASSERT_EQ(bytes.size(), 600u);
    auto rec = readProfileDataRecord(bytes);
    ASSERT_TRUE(rec);
    EXPECT_NEAR(rec->flank[15].x, 2.753631, 1e-6);
    EXPECT_NEAR(rec->flank[15].y, 21.826991, 1e-6);
    EXPECT_NEAR(rec->centre.x, 0.832393, 1e-6);
    EXPECT_NEAR(rec->centre.y, 17.780526, 1e-6);
    EXPECT_EQ(bytes, readBytes(fixture("single_z20_profile.cyd")));
}

// Values the fields took although no gear has them: a module of 1e300 (its
// results print with 300 digits) and span deviations that are negative or
// 1e308 (the report printed "－-0.050mm" and a 309-digit number).
TEST_F(MeasureOneDlgTest, FieldsRefuseWhatTheLoaderRefuses) {
    run([&](Running& d) {
        m_s.expectMessage(kMsgModuleLarge);
        d.type(D::IDC_MN, "1e300");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_MN), "0");
        enterZ20(d);
        d.click(D::IDC_TRIAL);
        for (int id : {D::IDC_DWS, D::IDC_DWI})
            for (const char* typed : {"-0.05", "1e308", "10.001"}) {
                m_s.expectMessage(kMsgDeviation);
                d.type(id, typed);
                d.leave();
                EXPECT_EQ(d.text(id), "0") << typed;
            }
        d.type(D::IDC_DWS, "10");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_DWS), "10");
        d.click(IDCANCEL);
    });
}

// A data file that opens but cannot be written says so ("创建文件错误:"
// and the file), not "不能打开文件…"; nothing is replaced.
TEST_F(MeasureOneDlgTest, FailedWriteSaysWhatFailed) {
    const fs::path data = m_data / "gear.cyb";
    ASSERT_TRUE(fw::writeFile(data, std::vector<std::uint8_t>(100, 0x41)));
    m_s.answerSave(data);
    int r = run([&](Running& d) {
        enterZ20(d);
        d.click(D::IDC_TRIAL);
        measurement::test::FileSizeLimit limit(200);   // the 672-byte file cannot be written
        m_s.expectMessage("创建文件错误:" + data.string() + ",ERROR = 13");
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(readBytes(data), std::vector<std::uint8_t>(100, 0x41));
    EXPECT_FALSE(fs::exists(m_data / "gear.cyt"));
}


// A refusal starts with the name of the field it refuses: the seconds of β
// are "β 秒" (they were named "β 分"), a deviation field by its row
// ("上偏差 ΔWs", not the sign "－" before it).
TEST_F(MeasureOneDlgTest, RefusalsNameTheirField) {
    const std::string notANumber = fw::dx_text::NotANumber;
    const std::string minutes = "请输入 0 到 59 之间的整数。";
    const struct {
        int id;
        const char* typed;
        std::string message;
    } cases[] = {
        {D::IDC_BETA_DEG, "75", "β 度：" + minutes},
        {D::IDC_BETA_MIN, "75", "β 分：" + minutes},
        {D::IDC_BETA_SEC, "abc", "β 秒：" + notANumber},
        {D::IDC_DWS, "abc", "上偏差 ΔWs：" + notANumber},
        {D::IDC_DWI, "0.0.1", "下偏差 ΔWi：" + notANumber},
    };
    run([&](Running& d) {
        enterZ20(d);
        d.click(D::IDC_TRIAL);
        for (const auto& c : cases) {
            const std::string before = d.text(c.id);
            m_s.expectMessage(c.message);
            d.type(c.id, c.typed);
            d.leave();
            EXPECT_EQ(d.text(c.id), before) << c.message;
            d.leave();
        }
        d.click(IDCANCEL);
    });
}

namespace {

std::string typedText(double v) { return fw::format("%.15g", v); }

}  // namespace

// Every typed field of the dialog at the absurd values and at each end of its
// quantity's range (measure_ranges.h), a step either side: the field refuses
// exactly what its range refuses, with the message the record check gives a
// loaded value there, and keeps its previous text.
TEST_F(MeasureOneDlgTest, FieldsRefuseExactlyWhatTheirRangeRefuses) {
    namespace q = measurement::measure_q;
    struct Field {
        int id;
        const kavrin::Quantity* qty;
        std::function<std::optional<std::string>(double)> refusal;
    };
    auto byRange = [](const kavrin::Quantity& qty) {
        return [&qty](double v) -> std::optional<std::string> {
            if (qty.admits(v)) return std::nullopt;
            return kavrin::quantityRefusal(qty);
        };
    };
    auto own = [](const kavrin::Quantity& qty, const char* msg) {
        return [&qty, msg](double v) -> std::optional<std::string> {
            if (qty.admits(v)) return std::nullopt;
            return std::string(msg);
        };
    };
    const Field fields[] = {
        {D::IDC_MN, &q::kMn, [](double v) { return moduleRefusal(v); }},
        {D::IDC_DA, &q::kDa, [](double v) { return tipRefusal(q::kDa, v); }},
        {D::IDC_ALPHA_N, &q::kAlphaN, byRange(q::kAlphaN)},
        {D::IDC_BETA_SEC, &q::kBetaSec, byRange(q::kBetaSec)},
        {D::IDC_HASTAR, &q::kHaStar, own(q::kHaStar, kMsgHaStar)},
        {D::IDC_CSTAR, &q::kCStar, own(q::kCStar, kMsgCStar)},
        {D::IDC_DWS, &q::kDWs, [](double v) { return deviationRefusal(v); }},
        {D::IDC_DWI, &q::kDWi, [](double v) { return deviationRefusal(v); }},
        // Given only in the profile shift mode.
        {D::IDC_XN, &q::kXn, [](double v) { return shiftRefusal(q::kXn, v); }},
    };
    run([&](Running& d) {
        enterZ20(d);
        d.type(D::IDC_BETA_DEG, "12");
        d.leave();
        d.click(D::IDC_TRIAL);
        // A whole-number field: the minutes of β.
        for (double v : kavrin_test::countProbes(q::kBetaMin)) {
            if (v < 0) continue;   // a digits-only field takes no sign
            const std::string typed = typedText(v);
            SCOPED_TRACE(std::string("β 分 = ") + typed);
            const std::string before = d.text(D::IDC_BETA_MIN);
            if (!q::kBetaMin.admits(v)) m_s.expectMessage(kavrin::countRefusal(q::kBetaMin));
            d.type(D::IDC_BETA_MIN, typed);
            d.leave();
            if (!q::kBetaMin.admits(v)) {
                EXPECT_EQ(d.text(D::IDC_BETA_MIN), before);
            }
            EXPECT_TRUE(m_s.allUsed());
        }
        for (const Field& f : fields) {
            if (f.id == D::IDC_XN) d.click(D::IDC_MODE_SHIFT);
            for (double v : kavrin_test::numberProbes(*f.qty)) {
                const std::string typed = typedText(v);
                SCOPED_TRACE(std::string(f.qty->name) + " = " + typed);
                const std::string before = d.text(f.id);
                const auto refusal = f.refusal(v);
                EXPECT_EQ(refusal.has_value(), !f.qty->admits(v));
                if (refusal) m_s.expectMessage(*refusal);
                d.type(f.id, typed);
                d.leave();
                if (refusal) {
                    EXPECT_EQ(d.text(f.id), before);
                }
                d.leave();
                EXPECT_TRUE(m_s.allUsed());
            }
        }
        d.click(IDCANCEL);
    });
}

// A module of 0.001 mm is refused where it is typed in the words its record
// check uses when a file holds it; 1e300 keeps its own message.
TEST_F(MeasureOneDlgTest, TypedAbsurdModuleIsRefusedNamingTheField) {
    run([&](Running& d) {
        m_s.expectMessage("法面模数 mn：请输入 0.01 到 100 之间的数值。");
        d.type(D::IDC_MN, "0.001");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_MN), "0");
        m_s.expectMessage(kMsgModuleLarge);
        d.type(D::IDC_MN, "1e300");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_MN), "0");
        d.click(IDCANCEL);
    });
}
