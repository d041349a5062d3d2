// The strength rating dialog run headless: inputs and their rules, loading a
// design file (all or nothing), torque and forces, the enabling of the
// factor buttons, cancel, help and the report.
#include <cmath>

#include "common/tests/range_probes.h"
#include "common/calc/data_file_header.h"
#include "common/calc/design_file.h"
#include "cylindrical/calc/rating_ranges.h"
#include "fw/format.h"
#include "fw/text.h"
#include "proof_test_support.h"

using namespace cylindrical;
using namespace proof_test;

namespace {

const std::vector<int> kFactorButtons = {D::IDC_H_KA,   D::IDC_H_KV,   D::IDC_H_KALPHA, D::IDC_H_KBETA, D::IDC_ZH_BTN,
                                         D::IDC_ZE_BTN, D::IDC_ZEPS_BTN, D::IDC_ZN_BTN, D::IDC_ZL_BTN,   D::IDC_ZR_BTN,
                                         D::IDC_ZW_BTN, D::IDC_F_KA,   D::IDC_F_KV,     D::IDC_F_KALPHA, D::IDC_F_KBETA,
                                         D::IDC_YFA_BTN, D::IDC_YEPS_BTN, D::IDC_YN_BTN, D::IDC_YS_BTN};

void expectFactorButtons(const fwtest::Running& d, bool on) {
    for (int id : kFactorButtons) EXPECT_EQ(d.enabled(id), on) << "button " << id;
}

}  // namespace

TEST_F(ProofTest, StartsWithOnlyLoadTorqueAndInputs) {
    fwtest::Session s;
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        EXPECT_EQ(d.caption(), "《Ondrel》Kavrin 圆柱齿轮强度校核计算");
        EXPECT_TRUE(d.enabled(D::IDC_LOAD));
        EXPECT_TRUE(d.enabled(D::IDC_TORQUE));
        EXPECT_FALSE(d.enabled(D::IDC_EPS_BETA));
        for (int id : {D::IDC_CALC_FT, D::IDC_CALC_FR, D::IDC_CALC_FX, D::IDC_CALC_FN, D::IDC_YBETA_BTN,
                       D::IDC_SIGMAH_BTN, D::IDC_SIGMAHP_BTN, D::IDC_SH_BTN, D::IDC_SIGMAF_BTN, D::IDC_SIGMAFP_BTN,
                       D::IDC_SF_BTN})
            EXPECT_FALSE(d.enabled(id)) << id;
        expectFactorButtons(d, false);
        EXPECT_TRUE(d.checked(D::IDC_EXTERNAL));
        EXPECT_TRUE(d.checked(D::IDC_PINION));
        d.click(D::IDC_HELP_BTN);
        d.click(fw::IDCANCEL);
    });
    s.answerMessage(fw::IDNO);
    D dlg(nullptr);
    EXPECT_EQ(dlg.DoModal(), fw::IDCANCEL);
    ASSERT_EQ(s.helpCalls().size(), 1u);
    EXPECT_EQ(s.helpCalls()[0].target, "Kavrin.chm::/CyProofDlg.htm");
    EXPECT_EQ(s.helpCalls()[0].command, fw::HH_DISPLAY_TOPIC);
}

TEST_F(ProofTest, CancelAsksAndYesStaysOpen) {
    fwtest::Session s;
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        d.click(fw::IDCANCEL);
        EXPECT_FALSE(d.ended()) << "Yes: the user means to press 保存返回";
        d.escape();
        EXPECT_TRUE(d.ended());
    });
    s.answerMessage(fw::IDYES);
    s.answerMessage(fw::IDNO);
    D dlg(nullptr);
    EXPECT_EQ(dlg.DoModal(), fw::IDCANCEL);
    ASSERT_EQ(s.messages().size(), 2u);
    EXPECT_EQ(s.messages()[0].text, "报告未输出，是(Yes)否(No)保存数据？");
    EXPECT_EQ(s.messages()[0].icon, fw::MessageIcon::Question);
    EXPECT_EQ(s.messages()[0].buttons, fw::MessageButtons::YesNo);
    EXPECT_EQ(dlg.m_strReportPath, "") << "nothing for the shell to load";
}

// A spur design from its file: the record's values, the torque again, the
// forces of the hand calculation and the spur rules.
TEST_F(ProofTest, SpurDesignLoadsThenTorqueAndForces) {
    auto file = writeDesign("pair.cyb");
    fwtest::Session s;
    s.answerOpen(file);
    answerTorque(s, "1450", "10");
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        ASSERT_TRUE(d.click(D::IDC_LOAD));
        EXPECT_EQ(d.text(D::IDC_Z1), "20");
        EXPECT_EQ(d.text(D::IDC_Z2), "40");
        EXPECT_EQ(d.text(D::IDC_ALPHAN), "20");
        EXPECT_EQ(d.text(D::IDC_EPS_ALPHA), "1.6");
        EXPECT_EQ(d.text(D::IDC_B), "30");
        EXPECT_EQ(d.text(D::IDC_TITLE), "减速器");
        EXPECT_EQ(d.text(D::IDC_DRAWING_NO), "JS-100");
        EXPECT_EQ(d.text(D::IDC_YBETA), "1");
        // After a load the torque has to be given again.
        for (int id : {D::IDC_CALC_FT, D::IDC_CALC_FR, D::IDC_CALC_FX, D::IDC_CALC_FN}) EXPECT_FALSE(d.enabled(id));
        ASSERT_TRUE(d.click(D::IDC_TORQUE));
        // T = 9549 · 10 / 1450 = 65.85517…
        EXPECT_NEAR(num(d, D::IDC_T), 65.8552, 5e-5);
        EXPECT_EQ(d.text(D::IDC_N1), "1450");
        EXPECT_TRUE(d.enabled(D::IDC_CALC_FT));
        EXPECT_FALSE(d.enabled(D::IDC_CALC_FX)) << "spur pair: no axial force";
        ASSERT_TRUE(d.click(D::IDC_CALC_FT));
        ASSERT_TRUE(d.click(D::IDC_CALC_FR));
        expectFactorButtons(d, false);  // Fn still missing
        ASSERT_TRUE(d.click(D::IDC_CALC_FN));
        // Ft = 2000·T/(Z1·mn) = 50·T; Fr = Ft·tan 20°; Fn = Ft/cos 20°.
        EXPECT_NEAR(num(d, D::IDC_FT), 3292.7586, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_FR), 1198.4661, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_FN), 3504.0805, 5e-5);
        EXPECT_EQ(d.text(D::IDC_FX), "0");
        expectFactorButtons(d, true);
        EXPECT_FALSE(d.enabled(D::IDC_YBETA_BTN)) << "Yβ of a spur pair is 1.0 already";
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_bendingMask, bending_bit::yBeta);
    EXPECT_DOUBLE_EQ(dlg.values().yBeta, 1.0);
    EXPECT_DOUBLE_EQ(dlg.m_xn1, 0.25);
    EXPECT_DOUBLE_EQ(dlg.m_xn2, -0.25);
    EXPECT_EQ(dlg.m_strDataPath, file.string());
    EXPECT_EQ(currentDesign().dataPath, file.string());
    EXPECT_EQ(currentDesign().reportPath, data("pair.cyt").string());
    EXPECT_EQ(currentDesign().geom, exampleGeom());
}

TEST_F(ProofTest, HelicalPairTypedInGivesTheAxialForce) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typePair(d, "15");
        computeForces(d, true);
        // Ft = 3292.7586·cos 15°; Fx = Ft·tan 15°; Fr and Fn as for β = 0.
        EXPECT_NEAR(num(d, D::IDC_FT), 3180.5606, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_FX), 852.2286, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_FR), 1198.4661, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_FN), 3504.0805, 5e-5);
        expectFactorButtons(d, true);
        EXPECT_TRUE(d.enabled(D::IDC_YBETA_BTN));
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_bendingMask, 0) << "a helical pair asks for its Yβ";
}

// εβ = b·sin β/(π·mn) follows β, b and mn, and never shows "nan".
TEST_F(ProofTest, OverlapRatioFollowsItsInputs) {
    fwtest::Session s;
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        d.type(D::IDC_B, "30");
        d.type(D::IDC_BETA, "15");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_EPS_BETA), "0") << "mn is still 0";
        d.type(D::IDC_MN, "2");
        d.leave();
        // 30·sin 15°/(2π) = 1.235772…
        EXPECT_NEAR(num(d, D::IDC_EPS_BETA), 1.2358, 5e-5);
        d.type(D::IDC_B, "60");
        d.leave();
        EXPECT_NEAR(num(d, D::IDC_EPS_BETA), 2.4715, 5e-5);
        d.type(D::IDC_MN, "0");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_EPS_BETA), "0");
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_flags[D::FlagEpsBeta], 0) << "no εβ without a module";
}

TEST_F(ProofTest, HelixAngleAndMeshRules) {
    fwtest::Session s;
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typePair(d, "75");
        EXPECT_EQ(d.text(D::IDC_HINT), "压力角太大！");
        EXPECT_EQ(d.text(D::IDC_BETA), "0");
        EXPECT_EQ(d.text(D::IDC_EPS_BETA), "0");
        // An internal pair must be spur.
        d.type(D::IDC_BETA, "12");
        d.leave();
        d.click(D::IDC_INTERNAL);
        EXPECT_EQ(d.text(D::IDC_HINT), "建议螺旋角取0°");
        EXPECT_TRUE(d.checked(D::IDC_EXTERNAL));
        EXPECT_FALSE(d.checked(D::IDC_INTERNAL));
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_mesh, MeshType::External);
}

TEST_F(ProofTest, SpurInternalPairReachesTheFactorButtons) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typePair(d, "0");
        d.click(D::IDC_INTERNAL);
        EXPECT_TRUE(d.checked(D::IDC_INTERNAL));
        EXPECT_EQ(d.text(D::IDC_HINT), "");
        EXPECT_FALSE(d.enabled(D::IDC_EPS_BETA));
        computeForces(d, false);
        expectFactorButtons(d, true);
        EXPECT_FALSE(d.enabled(D::IDC_YBETA_BTN));
        EXPECT_FALSE(d.enabled(D::IDC_CALC_FX));
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_mesh, MeshType::Internal);
    EXPECT_EQ(dlg.m_bendingMask, bending_bit::yBeta);
}

TEST_F(ProofTest, ForcesAfterTheTangentialForceOnly) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typePair(d, "15");
        ASSERT_TRUE(d.click(D::IDC_TORQUE));
        for (int id : {D::IDC_CALC_FR, D::IDC_CALC_FX, D::IDC_CALC_FN}) {
            ASSERT_TRUE(d.click(id));
            EXPECT_EQ(d.text(D::IDC_HINT), "请先计算圆周力");
        }
        EXPECT_EQ(d.text(D::IDC_FR), "0");
        EXPECT_EQ(d.text(D::IDC_FX), "0");
        EXPECT_EQ(d.text(D::IDC_FN), "0");
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_TRUE(s.messages().empty()) << "the hint line only";
}

// A refused torque is cleared with its flag; the speed the torque dialog
// gave stays given when it lies in its range (whether or not it changed the
// field), and is cleared otherwise.
TEST_F(ProofTest, RefusedTorqueIsClearedAndItsSpeedKeptOnlyInItsRange) {
    struct Case {
        const char* n;
        const char* p;
        const char* message;
        const char* caption;
        bool speedKept = false;   // a speed in its range stays given
    } cases[] = {
        // Speed 0: the message and caption of the rating dialog.
        {"0", "10", "输入的转速值不正确！", "注意"},
        // Power 0 would give T = 0 with its flag set: refused the same way.
        {"1450", "0", nullptr, "注意", true},
        // The ends of the speed and power fields: the least power at the
        // highest speed gives T = 9.5e-9 N·m, the largest at the lowest
        // speed 9.5e15 N·m; neither is a torque the field would take.
        {"1000000", "0.000001", "计算结果未被采用：传递扭矩 T 应在 0.000001 到 10000000000 N·m 之间。请检查输入数据！",
         "注意", true},
        {"0.000001", "1000000", "计算结果未被采用：传递扭矩 T 应在 0.000001 到 10000000000 N·m 之间。请检查输入数据！",
         "注意", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("n ") + c.n + " P " + c.p);
        fwtest::Session s;
        answerTorque(s, "1450", "10");
        answerTorque(s, c.n, c.p);
        s.answerMessage(fw::IDOK);
        s.onDialog(D::IDD, [](fwtest::Running& d) {
            typePair(d, "0");
            ASSERT_TRUE(d.click(D::IDC_TORQUE));
            EXPECT_TRUE(d.enabled(D::IDC_CALC_FT));
            ASSERT_TRUE(d.click(D::IDC_TORQUE));
            EXPECT_EQ(d.text(D::IDC_T), "0");
            EXPECT_FALSE(d.enabled(D::IDC_CALC_FT));
            d.end(fw::IDCANCEL);
        });
        D dlg(nullptr);
        dlg.DoModal();
        ASSERT_EQ(s.messages().size(), 1u);
        if (c.message) {
            EXPECT_EQ(s.messages()[0].text, c.message);
        }
        EXPECT_EQ(s.messages()[0].caption, c.caption);
        EXPECT_EQ(s.messages()[0].icon, fw::MessageIcon::Exclamation);
        EXPECT_EQ(dlg.m_flags[D::FlagT], 0);
        EXPECT_EQ(dlg.m_flags[D::FlagN1], c.speedKept ? 1 : 0);
        EXPECT_EQ(dlg.values().n1, c.speedKept ? std::stod(c.n) : 0);
    }
}

// The torque and speed fields are read on every change; the refresh that
// follows leaves the text being typed as it stands.
TEST_F(ProofTest, TypingDecimalsIntoTorqueAndSpeedKeepsEveryCharacter) {
    fwtest::Session s;
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typePair(d, "0");
        ASSERT_TRUE(d.typeKeys(D::IDC_T, "65.85"));
        EXPECT_EQ(d.text(D::IDC_T), "65.85");
        ASSERT_TRUE(d.typeKeys(D::IDC_N1, "1450.5"));
        EXPECT_EQ(d.text(D::IDC_N1), "1450.5");
        EXPECT_TRUE(d.enabled(D::IDC_CALC_FT));
        ASSERT_TRUE(d.click(D::IDC_CALC_FT));
        // 50 · 65.85
        EXPECT_EQ(d.text(D::IDC_FT), "3292.5");
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_DOUBLE_EQ(dlg.values().torque, 65.85);
    EXPECT_DOUBLE_EQ(dlg.values().n1, 1450.5);
}

// T and n1 are read on every change: text that is no positive number leaves
// the torque or speed not given (its flag clear) but stays in the field as
// typed, and leaving the field refuses it naming the field (odd text once
// silently became "0").
TEST_F(ProofTest, OddTextInTorqueOrSpeedIsRefusedByName) {
    struct Case {
        int id;
        const char* typed;
        const char* problem;
    } cases[] = {
        {D::IDC_T, "12abc", "请输入一个数值。"},    {D::IDC_T, "inf", "请输入一个数值。"},
        {D::IDC_T, "1e999", "请输入一个数值。"},    {D::IDC_T, "-5", "请输入 0 或 0.000001 到 10000000000 之间的数值。"},
        {D::IDC_N1, "12abc", "请输入一个数值。"},   {D::IDC_N1, "-5", "请输入 0 或 0.000001 到 1000000 之间的数值。"},
        {D::IDC_N1, "1e300", "请输入 0 或 0.000001 到 1000000 之间的数值。"},
        {D::IDC_T, "1e-300", "请输入 0 或 0.000001 到 10000000000 之间的数值。"},
        {D::IDC_Z2, "4294967316", "请输入 0 到 100000 之间的整数。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " in " + std::to_string(c.id));
        fwtest::Session s;
        s.answerMessage(fw::IDOK);
        s.onDialog(D::IDD, [&](fwtest::Running& d) {
            typePair(d);
            d.type(D::IDC_T, "65.85");
            d.type(D::IDC_N1, "1450");
            ASSERT_TRUE(d.enabled(D::IDC_CALC_FT));
            d.type(c.id, c.typed);
            EXPECT_EQ(d.text(c.id), c.typed) << "the text stays as typed";
            EXPECT_FALSE(d.enabled(D::IDC_CALC_FT)) << "not a usable value: the forces wait";
            d.leave();
            EXPECT_EQ(d.dialog().focusId(), c.id) << "the refusal puts the focus back";
            EXPECT_EQ(d.text(c.id), c.typed);
            d.end(fw::IDCANCEL);
        });
        D dlg(nullptr);
        dlg.DoModal();
        ASSERT_EQ(s.messages().size(), 1u);
        const std::string& m = s.messages()[0].text;
        EXPECT_TRUE(m.ends_with(std::string("：") + c.problem)) << m;
        EXPECT_FALSE(m.starts_with("：")) << "named: " << m;
        EXPECT_TRUE(s.allUsed());
    }
}

// Values that are numbers but not gears are refused where they are given
// (once αn 90°, εα 1e308, ν50 1e308, σHlim 1e308 gave SH 2.6e-8 or
// 1.3e305). The pair's fields take the ranges the geometry record holds; the
// factor dialogs refuse absurd oils and materials on OK.
TEST_F(ProofTest, AbsurdRatingInputsAreRefused) {
    struct Case {
        int id;
        const char* typed;
        const char* problem;
    } cases[] = {
        {D::IDC_ALPHAN, "90", "请输入 0 到 30 之间的数值。"},
        {D::IDC_EPS_ALPHA, "1e308", "请输入 0 或 0.01 到 3.5 之间的数值。"},
        {D::IDC_B, "-30", "请输入 0 或 0.000001 到 10000000 之间的数值。"},
        {D::IDC_MN, "1e-300", "请输入 0 或 0.01 到 100 之间的数值。"},
        {D::IDC_Z1, "3000000000", "请输入 0 到 100000 之间的整数。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        fwtest::Session s;
        s.answerMessage(fw::IDOK);
        s.onDialog(D::IDD, [&](fwtest::Running& d) {
            typePair(d);
            d.type(c.id, c.typed);
            d.leave();
            EXPECT_EQ(d.dialog().focusId(), c.id);
            d.end(fw::IDCANCEL);
        });
        D dlg(nullptr);
        dlg.DoModal();
        ASSERT_EQ(s.messages().size(), 1u);
        EXPECT_TRUE(s.messages()[0].text.ends_with(std::string("：") + c.problem)) << s.messages()[0].text;
        EXPECT_DOUBLE_EQ(dlg.values().alphaNDeg, 20);
        EXPECT_DOUBLE_EQ(dlg.values().epsAlpha, 1.6);
    }
    // ν50 and σHlim of 1e308 in their dialogs: refused on OK, so no ZL and no
    // σHP is ever computed from them; the dialog stays until a usable value.
    fwtest::Session s;
    queueContactRating(s);
    s.answerMessage(fw::IDOK);  // the viscosity's range
    s.onDialog(1033, [](fwtest::Running& f) {
        f.type(1260, "1e308");
        f.click(fw::IDOK);
        EXPECT_FALSE(f.ended());
        f.click(fw::IDCANCEL);
    });
    s.answerMessage(fw::IDOK);  // σHlim's range
    s.onDialog(kLimitDlg, [](fwtest::Running& f) {
        f.type(kSigmaHlim, "1e308");
        f.click(fw::IDOK);
        EXPECT_FALSE(f.ended());
        f.click(fw::IDCANCEL);
    });
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        rateContact(d);
        const std::string sH = d.text(D::IDC_SH);
        d.click(D::IDC_ZL_BTN);  // cancelled after the refusal: nothing changes
        d.click(D::IDC_SIGMAHP_BTN);
        EXPECT_EQ(d.text(D::IDC_SH), sH);
        EXPECT_GT(std::stod(sH), 0.5);
        EXPECT_LT(std::stod(sH), 5);
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_TRUE(s.allUsed());
    ASSERT_EQ(s.messages().size(), 2u);
    EXPECT_TRUE(s.messages()[0].text.ends_with("：请输入 1 到 2000 之间的数值。")) << s.messages()[0].text;
    EXPECT_TRUE(s.messages()[1].text.ends_with("：请输入 0 或 100 到 2000 之间的数值。")) << s.messages()[1].text;
}

// Leaving a field without changing it keeps the results; a changed input
// makes them stale.
TEST_F(ProofTest, OnlyAChangedInputResetsTheResults) {
    fwtest::Session s;
    answerTorque(s, "1450", "10");
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typePair(d, "0");
        computeForces(d, false);
        d.focus(D::IDC_B);
        d.leave();
        EXPECT_NE(d.text(D::IDC_FT), "0");
        d.type(D::IDC_B, "31");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_FT), "0");
        expectFactorButtons(d, false);
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
}


// The rating's typed fields take exactly what their quantities' ranges take
// (the geometry record's for the pair, the rating's own for the load): at
// 1e300, −1e300, ±1e-300 and at each bound and one step beside it, a value
// outside is refused on leaving the field, naming it with the range's
// words; one inside is taken without a word.
TEST_F(ProofTest, FieldsRefuseExactlyWhatTheirRangesRefuse) {
    struct Field {
        int id;
        const kavrin::Quantity* q;
    } fields[] = {
        {D::IDC_MN, &rating_q::kMn},           {D::IDC_ALPHAN, &rating_q::kAlphaN}, {D::IDC_EPS_ALPHA, &rating_q::kEpsAlpha},
        {D::IDC_B, &rating_q::kB},             {D::IDC_N1, &rating_q::kN1},         {D::IDC_T, &rating_q::kTorque},
    };
    for (const Field& f : fields) {
        const std::vector<double> probes = kavrin_test::numberProbes(*f.q);
        for (double v : probes) {
            const std::string typed = fw::formatNumber(v);
            SCOPED_TRACE(std::to_string(f.id) + " = " + typed);
            fwtest::Session s;
            s.tolerate([](fwtest::Running& d) { d.end(fw::IDCANCEL); });
            s.onDialog(D::IDD, [&](fwtest::Running& d) {
                typePair(d);
                d.type(f.id, typed);
                d.leave();
                d.end(fw::IDCANCEL);
            });
            D dlg(nullptr);
            dlg.DoModal();
            int refusals = 0;
            for (const auto& m : s.messages())
                if (m.text.ends_with(fw::numberBoundsText(f.q->bounds))) ++refusals;
            EXPECT_EQ(refusals > 0, !f.q->admits(v));
        }
    }
}

namespace {

std::vector<std::uint8_t> headerOnly(const char* word, std::size_t total) {
    auto bytes = kavrin::writeHeader(kavrin::makeHeader(0, word, 0));
    bytes.resize(total, 0);
    return bytes;
}

}  // namespace

TEST_F(ProofTest, RefusedFilesChangeNothing) {
    CyGeomRecord unfinished = exampleGeom();
    unfinished.status = 0;
    auto full = geometryDesignFileBytes(examplePre(), exampleGeom(), 0);
    // The sheet's writer always stores status 102; this file is written by hand.
    const std::vector<std::vector<std::uint8_t>> records = {writeCyPreRecord(examplePre()),
                                                            writeCyGeomRecord(unfinished)};
    auto open = kavrin::designFileBytes(kavrin::makeHeader(kCyDesignKind, kavrin::kWordCyDesign, 0), records);
    auto truncated = full;
    truncated.resize(full.size() - 10);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;  // empty: no such file
        std::string message;
    } cases[] = {
        {"pair.txt", full, "所指定的文件不是规定格式(*.cyb)的数据文件!请重选。"},
        // A folder cannot be read as a file.
        {"folder.cyb", {}, "不能打开文件"},  // starts with
        {"measure.cyb", headerOnly("W_CYMEASURE", 64 + 608), "所用数据文件是圆柱齿轮测绘计算数据。不适用设计验算!"},
        {"other.cyb", headerOnly("W_CYSMDESIGN", 776), "所用数据文件不包含圆柱齿轮设计计算数据。"},
        {"open.cyb", open,
         "所载入的文件包含未完成的几何计算数据，\n无法利用这些数据做强度验算。"},
        // Shorter than its records: the geometry record is incomplete.
        {"short.cyb", truncated, "所载入的文件包含未完成的几何计算数据，\n无法利用这些数据做强度验算。"},
    };
    CyGeomRecord before = exampleGeom();
    before.z1 = 21;
    auto good = writeDesign("good.cyb", before);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.bytes.empty())
            ASSERT_TRUE(fw::writeFile(data(c.name), c.bytes));
        else
            std::filesystem::create_directories(data(c.name));
        fwtest::Session s;
        s.answerOpen(good);
        s.answerOpen(data(c.name));
        s.answerMessage(fw::IDOK);
        s.onDialog(D::IDD, [](fwtest::Running& d) {
            ASSERT_TRUE(d.click(D::IDC_LOAD));
            const DesignSnapshot kept = snapshot();
            ASSERT_TRUE(d.click(D::IDC_LOAD));
            EXPECT_EQ(snapshot(), kept);
            EXPECT_EQ(d.text(D::IDC_Z1), "21");
            EXPECT_EQ(d.text(D::IDC_TITLE), "减速器");
            d.end(fw::IDCANCEL);
        });
        D dlg(nullptr);
        dlg.DoModal();
        ASSERT_EQ(s.messages().size(), 1u);
        EXPECT_TRUE(s.messages()[0].text.starts_with(c.message)) << s.messages()[0].text;
        EXPECT_EQ(s.messages()[0].icon, fw::MessageIcon::Exclamation);
        EXPECT_EQ(dlg.m_strDataPath, good.string());
    }
}

TEST_F(ProofTest, FirstLoadStartsFromThePatternWithoutKeepingIt) {
    fwtest::Session s;
    s.cancelFile();
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        d.click(D::IDC_LOAD);
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    ASSERT_EQ(s.files().size(), 1u);
    const auto& r = s.files()[0].request;
    EXPECT_EQ(r.initialName, "*.cyb");
    EXPECT_EQ(r.title, "《Ondrel》打开圆柱齿轮计算数据文件");
    EXPECT_EQ(r.defaultExt, "cyb");
    EXPECT_EQ(r.folder, home / "data");
    EXPECT_EQ(currentDesign().dataPath, "") << "the pattern is never a current path";
}

// ---- the report ----

TEST_F(ProofTest, ReportNames) {
    std::filesystem::create_directories(data("a.b"));
    struct Case {
        std::filesystem::path chosen;
        std::filesystem::path written;
    } cases[] = {
        // Another extension is replaced.
        {data("gear.txt"), data("gear.cyt")},
        // None: the save dialog's default extension.
        {data("gear"), data("gear.cyt")},
        // ".cyt" stays.
        {data("g.cyt"), data("g.cyt")},
        // Cut at the first '.' of the file name: "a.b.c" → "a.cyt".
        {data("a.b.c"), data("a.cyt")},
        // A design's own name gives the design's report, as its load names it.
        {data("x.v2.cyb"), data("x.v2.cyt")},
        // A folder with a dot is never cut.
        {data("a.b") / "gear", data("a.b") / "gear.cyt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.string());
        freshDesign();
        fwtest::Session s;
        queueContactRating(s);
        s.answerSave(c.chosen);
        s.onDialog(D::IDD, [](fwtest::Running& d) {
            rateContact(d);
            d.click(fw::IDOK);
        });
        D dlg(nullptr);
        ASSERT_EQ(dlg.DoModal(), fw::IDOK);
        EXPECT_EQ(dlg.m_strReportPath, c.written.string());
        EXPECT_EQ(currentDesign().reportPath, c.written.string());
        EXPECT_TRUE(std::filesystem::exists(c.written));
        ASSERT_EQ(s.files().size(), 1u);
        EXPECT_EQ(s.files()[0].request.initialName, "*.cyt");
        EXPECT_EQ(s.files()[0].request.title, "《Ondrel》保存圆柱齿轮计算报告文件");
    }
}

TEST_F(ProofTest, CancelledOrFailedReportKeepsTheDialogOpen) {
    std::filesystem::create_directories(data("dir.cyt"));
    fwtest::Session s;
    queueContactRating(s);
    s.cancelFile();
    s.answerSave(data("dir.cyt"));  // a folder: cannot be opened as a file
    s.answerMessage(fw::IDOK);
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        rateContact(d);
        d.click(fw::IDOK);
        EXPECT_FALSE(d.ended());
        d.click(fw::IDOK);
        EXPECT_FALSE(d.ended());
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_EQ(s.messages()[0].text, "不能打开文件" + data("dir.cyt").string());
    EXPECT_EQ(dlg.m_strReportPath, "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home / "data"), {}), 1) << "nothing written";
}

// The rating is appended after what the report holds.
TEST_F(ProofTest, ReportIsAppendedWithTheBannerOfTheRatedGear) {
    auto report = data("pair.cyt");
    ASSERT_TRUE(fw::writeFile(report, std::vector<std::uint8_t>{'g', 'e', 'o', '\r', '\n'}));
    fwtest::Session s;
    queueContactRating(s);
    s.answerSave(report);
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        d.click(D::IDC_GEAR);
        rateContact(d);
        d.click(fw::IDOK);
    });
    D dlg(nullptr);
    ASSERT_EQ(dlg.DoModal(), fw::IDOK);
    const std::string text = fileText(report);
    EXPECT_TRUE(text.starts_with("geo\r\n\r\n\t****")) << text.substr(0, 40);
    EXPECT_NE(text.find(fw::gbkFromUtf8("大齿轮强度校核计算报告")), std::string::npos);
    EXPECT_TRUE(text.ends_with(fw::gbkFromUtf8("\t     ******* 完。OK!")));
}
