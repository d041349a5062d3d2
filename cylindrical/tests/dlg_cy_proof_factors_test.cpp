// The factor and stress actions of the rating dialog, headless: each factor
// dialog scripted by its template id, the values against hand calculations,
// the mask bits and the enabling of the stress buttons, and the whole run
// from a saved design to the appended report (golden files).
#include <cmath>

#include "cylindrical/cy_geom_pro_sheet.h"
#include "fw/text.h"
#include "proof_test_support.h"

using namespace cylindrical;
using namespace proof_test;

namespace {

}  // namespace

// Kv, KHα/KFα and KHβ/KFβ against the hand calculation, and the bits of
// both groups.
TEST_F(ProofTest, LoadFactorsOfBothGroups) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    ok(s, kGradeDlg);  // Kv, grade 6
    s.onDialog(kGradeDlg, [](fwtest::Running& f) {  // KHα, grade 7
        f.select(kGradeCombo, 4);
        f.click(fw::IDOK);
    });
    ok(s, kFaceLoadDlg);
    cancel(s, kKaDlg);
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        readyPair(d);
        ASSERT_TRUE(d.click(D::IDC_F_KV));
        // v = π·2·20·1450/60000 = 3.036873; Kv = 1 + 0.0625·v·20/100.
        EXPECT_NEAR(num(d, D::IDC_KV), 1.037961, 5e-7);
        EXPECT_EQ(d.text(D::IDC_KV_F), d.text(D::IDC_KV));
        ASSERT_TRUE(d.click(D::IDC_H_KALPHA));
        EXPECT_EQ(d.text(D::IDC_KHALPHA), "1") << "spur pair, grade 7";
        EXPECT_EQ(d.text(D::IDC_KFALPHA), "1");
        ASSERT_TRUE(d.click(D::IDC_H_KBETA));
        // ψd = 30/40 = 0.75 ≥ 0.4: 0.90991·e^(0.206037·0.75).
        EXPECT_NEAR(num(d, D::IDC_KHBETA), 0.90991 * std::exp(0.206037 * 0.75), 1e-9);
        EXPECT_EQ(d.text(D::IDC_KFBETA), d.text(D::IDC_KHBETA));
        ASSERT_TRUE(d.click(D::IDC_H_KA));  // cancelled: nothing changes
        EXPECT_EQ(d.text(D::IDC_KA), "0");
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_contactMask, contact_bit::kV | contact_bit::kHalpha | contact_bit::kHbeta);
    EXPECT_EQ(dlg.m_bendingMask, bending_bit::kV | bending_bit::kFalpha | bending_bit::kFbeta | bending_bit::yBeta);
}

TEST_F(ProofTest, HelicalTransverseAndNarrowFaceLoad) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    answerTorque(s, "1450", "10");
    s.onDialog(kGradeDlg, [](fwtest::Running& f) {
        f.select(kGradeCombo, 4);  // grade 7
        f.click(fw::IDOK);
    });
    ok(s, kFaceLoadDlg);
    s.expectMessage("齿宽系数较小，齿向载荷影响不大，可增加齿宽！");
    s.onDialog(kFaceLoadDlg, [](fwtest::Running& f) {
        f.click(kMounting1);
        f.click(fw::IDOK);
    });
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        readyPair(d, "15");
        ASSERT_TRUE(d.click(D::IDC_H_KALPHA));
        // εβ 1.235772 counts as one full overlap: t = 1/εα = 0.625;
        // KHα = 0.992285·1.6^−0.420629/(t·cos 15°); KFα = 0.993314·1.6^−0.322546/0.7.
        EXPECT_NEAR(num(d, D::IDC_KHALPHA), 1.348820, 1e-6);
        EXPECT_NEAR(num(d, D::IDC_KFALPHA), 1.219412, 1e-6);
        // b 12 of the spur pair: ψd = 12/40 = 0.3 < 0.4: the message and 1.0.
        d.type(D::IDC_BETA, "0");
        d.type(D::IDC_B, "12");
        d.leave();
        computeForces(d, false);
        ASSERT_TRUE(d.click(D::IDC_H_KBETA));
        EXPECT_EQ(d.text(D::IDC_KHBETA), "1");
        // Mounting 1 (ψmin 0.2): 0.96246·e^(0.204295·0.3).
        ASSERT_TRUE(d.click(D::IDC_F_KBETA));
        EXPECT_NEAR(num(d, D::IDC_KFBETA), 1.023293, 1e-6);
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
}

// ZH by the whole-number half of the tooth sum for a typed pair, by the
// record's αwt for a loaded one.
TEST_F(ProofTest, ZoneFactorTypedAndLoaded) {
    CyGeomRecord odd = exampleGeom();
    odd.z2 = 41;
    odd.alphaWtDeg = 20;  // 20/41 at its standard centre distance
    auto file = writeDesign("odd.cyb", odd);
    fwtest::Session s;
    for (int i = 0; i < 3; ++i) answerTorque(s, "1450", "10");
    s.answerOpen(file);
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        readyPair(d);
        ASSERT_TRUE(d.click(D::IDC_ZH_BTN));
        EXPECT_NEAR(num(d, D::IDC_ZH), 2.494573, 5e-7) << "20/40";
        d.type(D::IDC_Z2, "41");
        computeForces(d, false);
        ASSERT_TRUE(d.click(D::IDC_ZH_BTN));
        EXPECT_NEAR(num(d, D::IDC_ZH), 2.706199, 5e-7) << "20/41 typed: αwt 17.1853°";
        const std::string typedHint = d.text(D::IDC_HINT);
        ASSERT_TRUE(d.click(D::IDC_LOAD));
        computeForces(d, false);
        ASSERT_TRUE(d.click(D::IDC_ZH_BTN));
        EXPECT_NEAR(num(d, D::IDC_ZH), 2.494573, 5e-7) << "20/41 loaded: the record's αwt 20°";
        EXPECT_NE(d.text(D::IDC_HINT), typedHint) << "the hint names which αwt was used";
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
}

// A loaded design counts as unchanged only with its own mesh type; while it
// is, ZR takes the record's centre distance as ZH takes its αwt. Class 4,
// Ra 3.2: record a 150 mm gives f 0.8; the tooth-sum half gives a 60
// (external) or 20 (internal) mm, both below 100: f 0.9286.
TEST_F(ProofTest, RoughnessTakesTheLoadedCentreDistance) {
    CyGeomRecord g = exampleGeom();
    g.a = 150;
    auto file = writeDesign("wide.cyb", g);
    fwtest::Session s;
    for (int i = 0; i < 2; ++i) answerTorque(s, "1450", "10");
    s.answerOpen(file);
    for (int i = 0; i < 2; ++i) ok(s, kZrDlg);
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        ASSERT_TRUE(d.click(D::IDC_LOAD));
        computeForces(d, false);
        ASSERT_TRUE(d.click(D::IDC_ZR_BTN));
        EXPECT_NEAR(num(d, D::IDC_ZR), 1.02227 - 0.0516571 * std::log(3.2 * 0.8), 1e-9) << "the record's a";
        d.click(D::IDC_INTERNAL);
        computeForces(d, false);
        ASSERT_TRUE(d.click(D::IDC_ZR_BTN));
        EXPECT_NEAR(num(d, D::IDC_ZR), 1.02227 - 0.0516571 * std::log(3.2 * 0.9286), 1e-9)
            << "another mesh type is another design";
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
}

TEST_F(ProofTest, WorkHardeningRefreshesItsBitAlsoOnCancel) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    cancel(s, kZhwDlg);
    s.onDialog(kZhwDlg, [](fwtest::Running& f) {
        f.type(kHb, "100");
        f.leave();
        f.click(fw::IDOK);
    });
    cancel(s, kZhwDlg);
    s.onDialog(kZhwDlg, [](fwtest::Running& f) {
        f.type(kHb, "400");  // switches the gear to hard flanks
        f.leave();
        f.click(fw::IDOK);
    });
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        readyPair(d);
        ASSERT_TRUE(d.click(D::IDC_ZW_BTN));
        EXPECT_EQ(d.text(D::IDC_ZW), "0");
        ASSERT_TRUE(d.click(D::IDC_ZW_BTN));
        EXPECT_EQ(d.text(D::IDC_ZW), "1.2") << "hard pinion, soft gear, HB < 130";
        ASSERT_TRUE(d.click(D::IDC_ZW_BTN));
        EXPECT_EQ(d.text(D::IDC_ZW), "1.2") << "Cancel keeps the value and its bit";
        ASSERT_TRUE(d.click(D::IDC_ZW_BTN));
        EXPECT_EQ(d.text(D::IDC_ZW), "1");
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_contactMask, contact_bit::zW);
}

TEST_F(ProofTest, LubricantClassOpensTheRoughnessDialog) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    s.onDialog(kZlDlg, [](fwtest::Running& f) {
        EXPECT_TRUE(f.checked(1259)) << "class 4 at first";
        f.click(kZlClass2);
        f.click(fw::IDOK);
    });
    s.onDialog(kZrDlg, [](fwtest::Running& f) {
        EXPECT_TRUE(f.checked(kZrClass2));
        f.click(fw::IDOK);
    });
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        readyPair(d);
        ASSERT_TRUE(d.click(D::IDC_ZL_BTN));
        ASSERT_TRUE(d.click(D::IDC_ZR_BTN));
        // a = 30·2 = 60 < 100: f 0.9286; R = 3.2·0.9286; class 2.
        EXPECT_NEAR(num(d, D::IDC_ZR), 1.0439 - 0.0810485 * std::log(3.2 * 0.9286), 1e-9);
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_limitClass, 2);
    EXPECT_EQ(dlg.m_contactMask, contact_bit::zL | contact_bit::zV | contact_bit::zR);
}

TEST_F(ProofTest, RefusedFactorsChangeNothing) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    s.onDialog(kZeDlg, [](fwtest::Running& f) {
        f.click(1241);  // 其它
        f.type(1237, "0");
        f.click(fw::IDOK);
    });
    s.expectMessage("材料力学指标值不正确，请继续选定！");
    s.onDialog(kZnDlg, [](fwtest::Running& f) {
        f.type(1249, "0");
        f.leave();
        f.click(fw::IDOK);
    });
    s.expectMessage("未正确给定设计寿命！");
    s.onDialog(kWynDlg, [](fwtest::Running& f) {
        f.type(kWynMultiplier, "0");
        f.leave();
        f.click(fw::IDOK);
    });
    s.expectMessage("未正确给定设计寿命！");
    s.onDialog(kShiftDlg, [](fwtest::Running& f) {
        f.type(1288, "1.5");
        f.leave();
        f.click(fw::IDOK);
    });
    s.expectMessage("变位系数过小或过大，可能导致齿顶\n过薄或发生根切！");
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        readyPair(d);
        for (int id : {D::IDC_ZE_BTN, D::IDC_ZN_BTN, D::IDC_YN_BTN, D::IDC_YFA_BTN}) ASSERT_TRUE(d.click(id));
        EXPECT_EQ(d.text(D::IDC_ZE), "0");
        EXPECT_EQ(d.text(D::IDC_ZN), "0");
        EXPECT_EQ(d.text(D::IDC_YN), "0");
        EXPECT_EQ(d.text(D::IDC_YFA), "0");
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_contactMask, 0);
    EXPECT_EQ(dlg.m_bendingMask, bending_bit::yBeta);
    EXPECT_EQ(s.messages()[2].caption, "注意");
}

// Both groups complete, the stresses, limits and safety factors; then an
// input change makes all of it stale.
TEST_F(ProofTest, StressesLimitsAndSafetyThenReset) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    queueContactFactors(s);
    queueBendingFactors(s);
    s.answerMessage(fw::IDNO);  // the undercut question of YS: go on
    s.onDialog(kLimitDlg, [](fwtest::Running& f) {
        EXPECT_TRUE(f.enabled(kSigmaHlim));
        EXPECT_FALSE(f.enabled(kSigmaFlim));
        f.type(kSigmaHlim, "1300");
        f.click(fw::IDOK);
    });
    s.onDialog(kLimitDlg, [](fwtest::Running& f) {
        EXPECT_FALSE(f.enabled(kSigmaHlim));
        f.type(kSigmaFlim, "450");
        f.click(fw::IDOK);
    });
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        readyPair(d);
        clickContactFactors(d);
        EXPECT_TRUE(d.enabled(D::IDC_SIGMAH_BTN)) << "0xfff";
        EXPECT_FALSE(d.enabled(D::IDC_SIGMAF_BTN));
        clickBendingFactors(d, false);
        EXPECT_TRUE(d.enabled(D::IDC_SIGMAF_BTN)) << "0x3ff";
        // x 0, zv 20, h 2.25: YFa = 4.28239·20^−0.148494.
        EXPECT_NEAR(num(d, D::IDC_YFA), 2.744676, 5e-7);
        EXPECT_NEAR(num(d, D::IDC_YS), 1.372745, 5e-7);
        EXPECT_EQ(d.text(D::IDC_YX), "1");
        ASSERT_TRUE(d.click(D::IDC_SIGMAH_BTN));
        EXPECT_GT(num(d, D::IDC_SIGMAH), 0);
        EXPECT_FALSE(d.enabled(D::IDC_SH_BTN));
        ASSERT_TRUE(d.click(D::IDC_SIGMAHP_BTN));
        ASSERT_TRUE(d.click(D::IDC_SH_BTN));
        EXPECT_NEAR(num(d, D::IDC_SH), num(d, D::IDC_SIGMAHP) / num(d, D::IDC_SIGMAH), 1e-9);
        ASSERT_TRUE(d.click(D::IDC_SIGMAF_BTN));
        EXPECT_TRUE(d.enabled(D::IDC_SF_BTN));
        ASSERT_TRUE(d.click(D::IDC_SF_BTN));
        EXPECT_EQ(d.text(D::IDC_SF), "0") << "SF before the limit";
        ASSERT_TRUE(d.click(D::IDC_SIGMAFP_BTN));
        ASSERT_TRUE(d.click(D::IDC_SF_BTN));
        EXPECT_GT(num(d, D::IDC_SF), 0);
        // An input change: forces, factors and stresses zeroed.
        d.type(D::IDC_EPS_ALPHA, "1.5");
        d.leave();
        for (int id : {D::IDC_FT, D::IDC_KA, D::IDC_ZH, D::IDC_SIGMAH, D::IDC_SH, D::IDC_YFA, D::IDC_SIGMAF, D::IDC_SF})
            EXPECT_EQ(d.text(id), "0") << id;
        for (int id : {D::IDC_SIGMAH_BTN, D::IDC_SIGMAHP_BTN, D::IDC_SH_BTN, D::IDC_SIGMAF_BTN, D::IDC_SIGMAFP_BTN,
                       D::IDC_SF_BTN})
            EXPECT_FALSE(d.enabled(id)) << id;
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_contactMask, 0);
    EXPECT_EQ(dlg.m_bendingMask, bending_bit::yBeta);
    EXPECT_TRUE(s.allUsed());
}

// An internal spur pair: YFa from the whole depth alone, YS 2.074. (u < 1
// never reaches σH: its zone factor is refused first.)
TEST_F(ProofTest, InternalPairFormAndStressFactors) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    s.onDialog(kShiftDlg, [](fwtest::Running& f) {
        f.type(1290, "2");
        f.leave();
        f.click(fw::IDOK);
    });
    ok(s, kWysDlg);
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typePair(d, "0");
        d.click(D::IDC_INTERNAL);
        computeForces(d, false);
        ASSERT_TRUE(d.click(D::IDC_YFA_BTN));
        // 2.063 − (2.25 − 2)·1.266
        EXPECT_NEAR(num(d, D::IDC_YFA), 1.7465, 1e-12);
        ASSERT_TRUE(d.click(D::IDC_YS_BTN));
        EXPECT_EQ(d.text(D::IDC_YS), "2.074");
        EXPECT_EQ(d.text(D::IDC_YX), "1");
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_TRUE(s.messages().empty());
}

TEST_F(ProofTest, HelixAndContactRatioFactorsOfAHelicalPair) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        readyPair(d, "15");
        ASSERT_TRUE(d.click(D::IDC_YBETA_BTN));
        // e = min(1.235772, 1) = 1: 1 − 15/120 = 0.875 ≥ 0.75.
        EXPECT_EQ(d.text(D::IDC_YBETA), "0.875");
        ASSERT_TRUE(d.click(D::IDC_YEPS_BTN));
        EXPECT_EQ(d.text(D::IDC_YEPS), "0.7") << "0.2 + 0.8/1.6";
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_bendingMask, bending_bit::yBeta | bending_bit::yEps);
}

// ---- the whole run, pinion and gear: golden files ---------------------------------------

namespace {

std::filesystem::path fixture(const std::string& name) {
    return std::filesystem::path(KAVRIN_SOURCE_DIR) / "cylindrical/tests/fixtures" / name;
}

// The rated run of a saved helical design: torque, forces, every factor,
// both stresses, limits and safety factors, then "保存返回".
void ratedRun(fwtest::Session& s, const std::filesystem::path& design, int ratedGearRadio) {
    s.answerOpen(design);
    answerTorque(s, "1450", "10");
    s.onDialog(kKaDlg, [](fwtest::Running& f) {
        f.click(1206);  // 轻度冲击
        f.click(1210);  // 较大冲击: 2.00 – 2.50
        f.drag(1211, 10);
        f.click(fw::IDOK);
    });
    ok(s, kGradeDlg);
    ok(s, kGradeDlg);
    ok(s, kFaceLoadDlg);
    ok(s, kZeDlg);
    ok(s, kZnDlg);
    ok(s, kZlDlg);
    ok(s, kZrDlg);
    ok(s, kZhwDlg);
    ok(s, kShiftDlg);
    s.onDialog(kWynDlg, [](fwtest::Running& f) {
        f.select(kWynCycles, 2);  // 10^5 · 2
        f.type(kWynMultiplier, "2");
        f.leave();
        f.click(fw::IDOK);
    });
    ok(s, kWysDlg);
    s.onDialog(kLimitDlg, [](fwtest::Running& f) {
        f.type(kSigmaHlim, "1300");
        f.click(fw::IDOK);
    });
    s.onDialog(kLimitDlg, [](fwtest::Running& f) {
        f.type(kSigmaFlim, "450");
        f.click(fw::IDOK);
    });
    s.onDialog(D::IDD, [ratedGearRadio](fwtest::Running& d) {
        ASSERT_TRUE(d.click(D::IDC_LOAD));
        d.click(ratedGearRadio);
        computeForces(d, true);
        clickContactFactors(d);
        clickBendingFactors(d, true);
        for (int id : {D::IDC_SIGMAH_BTN, D::IDC_SIGMAHP_BTN, D::IDC_SH_BTN, D::IDC_SIGMAF_BTN, D::IDC_SIGMAFP_BTN,
                       D::IDC_SF_BTN})
            ASSERT_TRUE(d.click(id)) << id;
        EXPECT_NE(d.text(D::IDC_SF), "0");
        d.click(fw::IDOK);
    });
}

}  // namespace

TEST_F(ProofTest, WholeRunAppendsTheGoldenReport) {
    struct Case {
        int radio;
        const char* golden;
    } cases[] = {
        {D::IDC_PINION, "proof_chain_pinion.cyt"},
        {D::IDC_GEAR, "proof_chain_gear.cyt"},
    };
    CyGeomRecord g = exampleGeom();
    g.betaDeg = 15;
    g.hand = kHandLeft;
    g.epsBeta = 30 * std::sin(15 * kRatingPi / 180) / (kRatingPi * 2);
    g.alphaWtDeg = 20.646896;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        freshDesign();
        auto design = writeDesign("chain.cyb", g);
        auto report = data("chain.cyt");
        // What the geometry sheet's report buttons wrote before.
        const std::string before = fw::gbkFromUtf8("\r\n\t几何计算报告\r\n");
        ASSERT_TRUE(fw::writeFile(report, std::vector<std::uint8_t>(before.begin(), before.end())));
        fwtest::Session s;
        ratedRun(s, design, c.radio);
        s.answerSave(report);  // the name the load derived is offered
        D dlg(nullptr);
        ASSERT_EQ(dlg.DoModal(), fw::IDOK);
        EXPECT_EQ(dlg.m_strReportPath, report.string());
        EXPECT_TRUE(s.allUsed());
        const std::string text = fileText(report);
        ASSERT_TRUE(text.starts_with(before));
        const std::string section = text.substr(before.size());
        if (std::getenv("KAVRIN_UPDATE_GOLDEN"))
            fw::writeFile(fixture(c.golden), std::vector<std::uint8_t>(section.begin(), section.end()));
        EXPECT_EQ(section, fileText(fixture(c.golden)));
        EXPECT_EQ(section.find("nan"), std::string::npos);
    }
}

// ---- the chain through the geometry sheet ------------------------------------------------


namespace {

// The preliminary design's file as its save writes it: the spur example.
CyPreRecord chainPre() {
    CyPreRecord r = examplePre();
    r.phiD = 0.8;
    r.title = "减速器";
    r.number = "JS-100";
    r.date = "2024年5月6日";
    return r;
}

}  // namespace

// Preliminary file → the geometry sheet loads, distributes, computes page 4,
// writes its four report sections and saves the design → the rating loads
// it, rates the pinion and appends after the sheet's sections.
TEST_F(ProofTest, ChainFromTheGeometrySheetToTheRatingReport) {
    auto preFile = data("pair.cyb");
    ASSERT_TRUE(fw::writeFile(preFile, cyPreFileBytes(chainPre(), 1700000000)));
    auto report = data("pair.cyt");
    {
        fwtest::Session s;
        s.answerOpen(preFile);
        s.answerSave(report);  // page 1's report dialog
        for (int i = 0; i < 4; ++i) s.answerMessage(fw::IDOK);
        s.onSheet([](fwtest::Running& d) {
            ASSERT_TRUE(d.click(CCyGeomProPage1::IDC_LOAD_PRE));
            ASSERT_TRUE(d.click(CCyGeomProPage1::IDC_DISTRIBUTE));
            d.click(CCyGeomProPage1::IDC_REPORT);
            ASSERT_TRUE(d.page(1));
            d.click(CCyGeomProPage2::kIds.report);
            ASSERT_TRUE(d.page(2));
            d.click(CCyGeomProPage3::kIds.report);
            ASSERT_TRUE(d.page(3));
            d.click(CCyGeomProPage4::IDC_CALC);
            d.click(CCyGeomProPage4::IDC_REPORT);
            d.click(fw::IDOK);
        });
        s.answerSave(preFile);  // the shell's doSave after IDOK
        CCyGeomProSheet sheet("《Ondrel》 Kavrin  齿轮几何计算程序", nullptr);
        ASSERT_EQ(sheet.DoModal(), fw::IDOK);
        ASSERT_TRUE(sheet.doSave());
    }
    const std::string sheetSections = fileText(report);
    ASSERT_FALSE(sheetSections.empty());

    fwtest::Session s;
    s.answerOpen(preFile);
    answerTorque(s, "1450", "10");
    queueContactFactors(s);
    queueBendingFactors(s);
    s.answerMessage(fw::IDNO);  // YS: x = 0.25 at zv 20 asks about undercut; go on
    s.onDialog(kLimitDlg, [](fwtest::Running& f) {
        f.type(kSigmaHlim, "1300");
        f.click(fw::IDOK);
    });
    s.onDialog(kLimitDlg, [](fwtest::Running& f) {
        f.type(kSigmaFlim, "450");
        f.click(fw::IDOK);
    });
    s.answerSave(report);
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        ASSERT_TRUE(d.click(D::IDC_LOAD));
        EXPECT_NE(d.text(D::IDC_EPS_ALPHA), "0") << "page 4 stored εα";
        computeForces(d, false);
        clickContactFactors(d);
        clickBendingFactors(d, false);
        for (int id : {D::IDC_SIGMAH_BTN, D::IDC_SIGMAHP_BTN, D::IDC_SH_BTN, D::IDC_SIGMAF_BTN, D::IDC_SIGMAFP_BTN,
                       D::IDC_SF_BTN})
            ASSERT_TRUE(d.click(id)) << id;
        d.click(fw::IDOK);
    });
    D dlg(nullptr);
    ASSERT_EQ(dlg.DoModal(), fw::IDOK);
    EXPECT_EQ(dlg.m_strReportPath, report.string());
    EXPECT_EQ(s.files().back().request.initialName, "pair.cyt") << "the report the load derived is offered";
    EXPECT_EQ(s.files().back().request.folder, home / "data");
    const std::string text = fileText(report);
    ASSERT_TRUE(text.starts_with(sheetSections)) << "appended after the sheet's sections";
    const std::string section = text.substr(sheetSections.size());
    const auto golden = fixture("proof_chain_sheet_pinion.cyt");
    if (std::getenv("KAVRIN_UPDATE_GOLDEN"))
        fw::writeFile(golden, std::vector<std::uint8_t>(section.begin(), section.end()));
    EXPECT_EQ(section, fileText(golden));
}
