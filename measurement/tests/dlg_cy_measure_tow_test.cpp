// The gear pair measurement dialog (template 1043), run headless: trial,
// its questions and refusals, save and load.
#include "measurement/cy_measure_tow_dlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "common/calc/record_check.h"
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "fw/exchange.h"
#include "fw/file.h"
#include "fwtest/script.h"
#include "common/tests/range_probes.h"
#include "fw/format.h"
#include "measurement/calc/measure_ranges.h"
#include "measurement/calc/measure_record_check.h"

#include <functional>
#include <optional>
#include "measurement/tests/measure_dlg_fixture.h"

namespace fs = std::filesystem;
using D = CCYMeasureTowDlg;
using fwtest::Running;
using namespace measurement;

namespace {

using measurement::test::fixture;
using measurement::test::readBytes;

class MeasureTowDlgTest : public measurement::test::MeasureDlgTest<D> {
protected:
    MeasureTowDlgTest() : MeasureDlgTest("dlg_measure_tow") {}
};

void typeField(Running& d, int id, const char* text) {
    d.type(id, text);
    d.leave();
}

// External Z1 20, Z2 40, da1 44, da2 84 at a' 61.
void enterPair(Running& d, const char* aw = "61") {
    d.type(D::IDC_TITLE, "测绘齿轮对");
    d.type(D::IDC_NUMBER, "CH-2040");
    d.date(D::IDC_DATE, {2026, 12, 10});
    typeField(d, D::IDC_MN, "2");
    typeField(d, D::IDC_Z1, "20");
    typeField(d, D::IDC_DA1, "44");
    typeField(d, D::IDC_Z2, "40");
    typeField(d, D::IDC_DA2, "84");
    typeField(d, D::IDC_AW, aw);
}

}  // namespace

// +1.8·mn accepted, +1.81·mn refused (information box, previous value back).
TEST_F(MeasureTowDlgTest, WorkingCentreDistanceLimits) {
    m_s.expectMessage(kMsgCentreLimits);
    run([&](Running& d) {
        typeField(d, D::IDC_MN, "2");
        typeField(d, D::IDC_Z1, "20");
        typeField(d, D::IDC_DA1, "44");
        typeField(d, D::IDC_DA2, "84");
        EXPECT_FALSE(d.enabled(D::IDC_TRIAL));
        typeField(d, D::IDC_Z2, "40");
        EXPECT_EQ(d.text(D::IDC_A), "60.0000");
        typeField(d, D::IDC_AW, "63.62");
        EXPECT_EQ(d.text(D::IDC_AW), "0");
        typeField(d, D::IDC_AW, "63.6");
        EXPECT_EQ(d.text(D::IDC_AW), "63.6");
        EXPECT_TRUE(d.enabled(D::IDC_TRIAL));
        EXPECT_EQ(d.text(D::IDC_HINT), kMsgRecalculatePair);
        d.click(IDCANCEL);
    });
}

TEST_F(MeasureTowDlgTest, NoToTheCentreDistanceQuestionKeepsTheResults) {
    m_s.expectMessage(kMsgSmallWorkingAngle, IDNO);
    run([&](Running& d) {
        enterPair(d, "60");
        d.click(D::IDC_TRIAL);
        const std::string w2 = d.text(D::IDC_W2);
        EXPECT_EQ(d.text(D::IDC_KW2), "5");
        typeField(d, D::IDC_AW, "57.6");  // r 0.979: working angle below 18°
        d.click(D::IDC_TRIAL);
        EXPECT_EQ(d.text(D::IDC_W2), w2);
        d.click(IDCANCEL);
    });
}

TEST_F(MeasureTowDlgTest, SavesAndLoadsThePairFile) {
    const fs::path data = m_data / "pair.cyb", report = m_data / "pair.cyt";
    m_s.answerSave(data);
    int r = run([&](Running& d) {
        enterPair(d);
        d.click(D::IDC_TRIAL);
        EXPECT_EQ(d.text(D::IDC_XN2), "0.500000");
        EXPECT_EQ(d.text(D::IDC_DA2), "85.8809169517939");
        typeField(d, D::IDC_DWS2, "0.05");
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    EXPECT_EQ(m_reportPath, report.string());
    auto got = readBytes(data), want = readBytes(fixture("pair_a61.cyb"));
    ASSERT_EQ(got.size(), 672u);
    ASSERT_EQ(want.size(), 672u);
    for (std::size_t i = 0; i < got.size(); ++i)
        if (i < 56 || i >= 64) { EXPECT_EQ(int(got[i]), int(want[i])) << "byte " << i; }
    EXPECT_EQ(readBytes(report), readBytes(fixture("pair_a61.cyt")));

    m_s.answerOpen(data);
    run([&](Running& d) {
        d.click(D::IDC_LOAD);
        EXPECT_TRUE(d.checked(D::IDC_EXTERNAL));
        EXPECT_FALSE(d.enabled(D::IDC_INTERNAL));
        EXPECT_EQ(d.text(D::IDC_Z2), "40");
        EXPECT_EQ(d.text(D::IDC_AW), "61");
        EXPECT_EQ(d.text(D::IDC_XN2), "0.500000");
        EXPECT_EQ(d.text(D::IDC_SIGN_WS2), "－");
        d.click(IDCANCEL);
    });
    // A single-gear file is refused.
    m_s.answerOpen(fixture("single_z20.cyb"));
    m_s.expectMessage(kMsgNotPairFile);
    run([&](Running& d) {
        d.click(D::IDC_LOAD);
        EXPECT_EQ(d.text(D::IDC_Z1), "0");
        d.click(IDCANCEL);
    });
}

// A pair file whose stored root diameter df1 lies outside the 44 mm tip or
// below zero: the load refuses it naming df1 and its range, and the fields
// keep the pair the user has in them.
TEST_F(MeasureTowDlgTest, LoadRefusesARootDiameterOutsideItsRange) {
    const struct {
        double df1;
        std::string fault;
    } cases[] = {
        {1000, "小齿轮齿根圆直径df1应在0.000001～44mm之间（小于齿顶圆直径）！"},
        {-50, fw::format(kFmtNotPositive, "小齿轮齿根圆直径df1")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.df1);
        auto bytes = readBytes(fixture("pair_a61.cyb"));
        std::memcpy(bytes.data() + 64 + 144, &c.df1, 8);   // df1, after the 64-byte header
        const fs::path file = m_data / "root.cyb";
        ASSERT_TRUE(fw::writeFile(file, bytes));
        m_s.answerOpen(file);
        m_s.expectMessage(kavrin::refusedOnLoad(c.fault));
        run([&](Running& d) {
            enterPair(d, "60");
            d.click(D::IDC_TRIAL);
            const std::string xn2 = d.text(D::IDC_XN2), aw = d.text(D::IDC_AW);
            d.click(D::IDC_LOAD);
            ASSERT_FALSE(m_s.messages().empty());
            EXPECT_EQ(m_s.messages().back().icon, fw::MessageIcon::Exclamation);
            EXPECT_EQ(d.text(D::IDC_XN2), xn2);
            EXPECT_EQ(d.text(D::IDC_AW), aw);
            EXPECT_TRUE(d.enabled(D::IDC_INTERNAL));
            d.click(IDCANCEL);
        });
    }
}

// ---- cutting and interference checks ----

namespace {
using CutDlg = CCygeomCutDlg;
}

// Cancelled cutter dialog on the external pair: the six report lines, line 1
// with its own wording when the gear is undercut (here it is not).
TEST_F(MeasureTowDlgTest, ExternalPairCheckWithoutCutters) {
    m_s.onDialog(CutDlg::IDD, [](Running& c) { c.click(IDCANCEL); });
    m_s.answerSave(m_data / "hobbed.cyb");
    run([&](Running& d) {
        enterPair(d);
        EXPECT_FALSE(d.enabled(D::IDC_CHECK));
        d.click(D::IDC_TRIAL);
        EXPECT_TRUE(d.enabled(D::IDC_CHECK));
        d.click(D::IDC_CHECK);
        EXPECT_EQ(d.text(D::IDC_HINT).rfind("小齿轮无根切 ——OK!大齿轮无根切 ——OK!小齿轮齿顶厚: Sa1 = ", 0), 0u)
            << d.text(D::IDC_HINT);
        d.click(IDOK);
    });
    auto report = fw::readTextFile(m_data / "hobbed.cyt");
    ASSERT_TRUE(report);
    const std::string lines =
        "\t4.切齿检验:\r\n\t    小齿轮无根切 ——OK!\r\n\t    大齿轮无根切 ——OK!\r\n\t    小齿轮齿顶厚: Sa1 = ";
    EXPECT_NE(report->find(lines), std::string::npos) << *report;
    EXPECT_NE(report->find("\t    小齿轮齿根过渡线无干涉 ——OK!\r\n\t    大齿轮齿根过渡线无干涉 ——OK!\r\n"
                           "\t    若齿轮插齿加工，请选用插齿刀参数再做校验!\r\n\r\n\r\n\t——OK——\r\n"),
              std::string::npos)
        << *report;
}

// The internal pair checked with both cutters: rows, then the cutters in
// section 5 (golden report); a shift edit clears the verdicts again.
TEST_F(MeasureTowDlgTest, InternalPairCheckWithCutters) {
    m_s.onDialog(CutDlg::IDD, [](Running& c) {
        c.type(CutDlg::IDC_Z01, "25");
        c.leave();
        c.type(CutDlg::IDC_Z02, "20");
        c.leave();
        c.click(IDOK);
    });
    m_s.onDialog(CCyGeomCheckDlg::IDD, [](Running& c) {
        EXPECT_EQ(c.rows(CCyGeomCheckDlg::IDC_CHECK_LIST).size(), 10u);
        c.click(IDOK);
    });
    m_s.answerSave(m_data / "ring.cyb");
    run([&](Running& d) {
        d.type(D::IDC_TITLE, "内啮合测绘");
        d.type(D::IDC_NUMBER, "CH-2060");
        d.date(D::IDC_DATE, {2026, 12, 10});
        d.click(D::IDC_INTERNAL);
        typeField(d, D::IDC_MN, "2");
        typeField(d, D::IDC_Z1, "20");
        typeField(d, D::IDC_DA1, "44");
        typeField(d, D::IDC_Z2, "60");
        typeField(d, D::IDC_DA2, "116");
        typeField(d, D::IDC_AW, "40");
        d.click(D::IDC_TRIAL);
        EXPECT_EQ(d.text(D::IDC_KW2), "7");
        d.click(D::IDC_CHECK);
        EXPECT_EQ(d.text(D::IDC_HINT).rfind("小齿轮无根切!", 0), 0u) << d.text(D::IDC_HINT);
        d.click(IDOK);
    });
    EXPECT_EQ(readBytes(m_data / "ring.cyt"), readBytes(fixture("pair_internal_checked.cyt")));
}

// An xn1 edit keeps xnΣ and moves xn2; the hint names the measured values.
TEST_F(MeasureTowDlgTest, ShiftEditRecomputesWithTheSameSum) {
    run([&](Running& d) {
        enterPair(d);
        d.click(D::IDC_TRIAL);
        const std::string sum = d.text(D::IDC_XN_SUM);
        typeField(d, D::IDC_XN1, "0.1");
        EXPECT_EQ(d.text(D::IDC_XN_SUM), sum);
        EXPECT_EQ(d.text(D::IDC_XN2), "0.429771");
        EXPECT_EQ(d.text(D::IDC_HINT),
                  "你测量的da1=44.000,\nda2=84.000,\na'=61.000若误差可以接受,则采用计算结果，否则请重新调整。");
        d.click(IDCANCEL);
    });
}

// A negative span deviation became a pin deviation of 0 without a word; it
// and 1e308 are refused now. A write that fails after the open names the step.
TEST_F(MeasureTowDlgTest, DeviationFieldsAndFailedWrite) {
    const fs::path data = m_data / "pair.cyb";
    m_s.answerSave(data);
    int r = run([&](Running& d) {
        enterPair(d);
        d.click(D::IDC_TRIAL);
        for (int id : {D::IDC_DWS1, D::IDC_DWI1, D::IDC_DWS2, D::IDC_DWI2})
            for (const char* typed : {"-0.05", "1e308"}) {
                m_s.expectMessage(kMsgDeviation);
                typeField(d, id, typed);
                EXPECT_EQ(d.text(id), "0") << typed;
            }
        typeField(d, D::IDC_DWS1, "0.05");
        EXPECT_NE(d.text(D::IDC_DMS1), "0.0000");
        measurement::test::FileSizeLimit limit(200);
        m_s.expectMessage("创建文件错误:" + data.string() + ",ERROR = 13");
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_FALSE(fs::exists(data));
}


// A refusal starts with the name of the field it refuses: "β 秒" for the
// seconds of β (it said "β 分"), the deviations by their symbols ("ΔWs1"),
// not by the sign "－" before them.
TEST_F(MeasureTowDlgTest, RefusalsNameTheirField) {
    const std::string notANumber = fw::dx_text::NotANumber;
    const struct {
        int id;
        const char* typed;
        std::string message;
    } cases[] = {
        {D::IDC_BETA_MIN, "75", "β 分：请输入 0 到 59 之间的整数。"},
        {D::IDC_BETA_SEC, "abc", "β 秒：" + notANumber},
        {D::IDC_DWS1, "abc", "ΔWs1：" + notANumber},
        {D::IDC_DWI1, "abc", "ΔWi1：" + notANumber},
        {D::IDC_DWS2, "0.0.1", "ΔWs2：" + notANumber},
        {D::IDC_DWI2, "abc", "ΔWi2：" + notANumber},
    };
    run([&](Running& d) {
        enterPair(d);
        d.click(D::IDC_TRIAL);
        for (const auto& c : cases) {
            const std::string before = d.text(c.id);
            m_s.expectMessage(c.message);
            typeField(d, c.id, c.typed);
            EXPECT_EQ(d.text(c.id), before) << c.message;
            d.leave();
        }
        d.click(IDCANCEL);
    });
}

// Every typed number field of the pair dialog at the absurd values and at
// each end of its quantity's range (measure_ranges.h), a step either side:
// refused exactly where the range (or, for a', the band around a) refuses
// it, with the message the pair's record check gives a loaded value there.
TEST_F(MeasureTowDlgTest, FieldsRefuseExactlyWhatTheirRangeRefuses) {
    namespace q = measurement::measure_q;
    struct Field {
        int id;
        const kavrin::Quantity* qty;
        std::function<std::optional<std::string>(double)> refusal;
    };
    PairInput in{.mesh = MeshType::External, .mn = 2, .z1 = 20, .z2 = 40, .beta = {}};
    auto deviation = [](double v) { return deviationRefusal(v); };
    const Field fields[] = {
        {D::IDC_MN, &q::kMn, [](double v) { return moduleRefusal(v); }},
        {D::IDC_DA1, &q::kDa1, [](double v) { return tipRefusal(q::kDa1, v); }},
        {D::IDC_DA2, &q::kDa2, [](double v) { return tipRefusal(q::kDa2, v); }},
        {D::IDC_AW, &q::kAw, [in](double v) { return centreRefusal(in, v); }},
        {D::IDC_ALPHA_N, &q::kAlphaN,
         [](double v) { return q::kAlphaN.admits(v) ? std::nullopt : std::optional(kavrin::quantityRefusal(q::kAlphaN)); }},
        {D::IDC_DWS1, &q::kGear[0].dWs, deviation},
        {D::IDC_DWI1, &q::kGear[0].dWi, deviation},
        {D::IDC_DWS2, &q::kGear[1].dWs, deviation},
        {D::IDC_DWI2, &q::kGear[1].dWi, deviation},
        {D::IDC_XN1, &q::kXn1, [](double v) { return shiftRefusal(q::kXn1, v); }},
        {D::IDC_XN2, &q::kXn2, [](double v) { return shiftRefusal(q::kXn2, v); }},
    };
    run([&](Running& d) {
        enterPair(d);
        d.click(D::IDC_TRIAL);
        for (const Field& f : fields) {
            for (double v : kavrin_test::numberProbes(*f.qty)) {
                const std::string typed = fw::format("%.15g", v);
                SCOPED_TRACE(std::string(f.qty->name) + " = " + typed);
                const std::string before = d.text(f.id);
                const auto refusal = f.refusal(v);
                if (f.id != D::IDC_AW) {
                    EXPECT_EQ(refusal.has_value(), !f.qty->admits(v));
                }
                if (refusal) m_s.expectMessage(*refusal);
                typeField(d, f.id, typed.c_str());
                if (refusal) {
                    EXPECT_EQ(d.text(f.id), before);
                }
                d.leave();
                EXPECT_TRUE(m_s.allUsed());
            }
            // Back to the pair the band and the shifts belong to.
            if (f.id == D::IDC_MN) typeField(d, D::IDC_MN, "2");
            if (f.id == D::IDC_ALPHA_N) typeField(d, D::IDC_ALPHA_N, "20");
            if (f.id == D::IDC_DWI2) d.click(D::IDC_TRIAL);
        }
        d.click(IDCANCEL);
    });
}

// A centre distance of 1e-300 mm is refused in its range's words, not taken.
TEST_F(MeasureTowDlgTest, TypedAbsurdCentreDistanceIsRefusedNamingTheField) {
    run([&](Running& d) {
        m_s.expectMessage("啮合中心距 a'：请输入 0.000001 到 1000000 之间的数值。");
        typeField(d, D::IDC_AW, "1e-300");
        EXPECT_EQ(d.text(D::IDC_AW), "0");
        d.click(IDCANCEL);
    });
}
