// The strength rating's stages and what each reads: the forces read the
// pair's fields, the torque and the mesh; the contact stress its seven
// factors (KA, Kv, KHα, KHβ, ZH, ZE, Zε), the permissible contact stress ZN,
// ZL, ZV, ZR, ZW and σHlim, SH both; the bending stress KA, Kv, KFα, KFβ,
// YFa, Yε, Yβ, the permissible bending stress YN, YS, YX and σFlim, SF both;
// the form factor and stress correction dialogs start from the rated gear.
// Each row below changes one such input after a whole rating and checks
// that the results of every stage reading it are cleared (the others stand)
// and that "保存返回" refuses until that stage is calculated again.
#include <functional>

#include "cylindrical/calc/rating_rules.h"
#include "fw/format.h"
#include "fw/text.h"
#include "proof_test_support.h"

using namespace cylindrical;
using namespace proof_test;

namespace {

// Both groups rated to their safety factors: the example pair typed in, the
// torque, every factor with its dialog's defaults, σHlim 1300 and σFlim 450.
void queueFullRating(fwtest::Session& s, const char* n = "1450", const char* p = "10") {
    answerTorque(s, n, p);
    queueContactFactors(s);
    queueBendingFactors(s);
    s.answerMessage(fw::IDNO);  // YS: x 0 at zv 20 asks about undercut; go on
    s.onDialog(kLimitDlg, [](fwtest::Running& f) {
        f.type(kSigmaHlim, "1300");
        f.click(fw::IDOK);
    });
    s.onDialog(kLimitDlg, [](fwtest::Running& f) {
        f.type(kSigmaFlim, "450");
        f.click(fw::IDOK);
    });
}
void rateFactorsAndStresses(fwtest::Running& d) {
    clickContactFactors(d);
    clickBendingFactors(d, false);
    for (int id : {D::IDC_SIGMAH_BTN, D::IDC_SIGMAHP_BTN, D::IDC_SH_BTN, D::IDC_SIGMAF_BTN, D::IDC_SIGMAFP_BTN,
                   D::IDC_SF_BTN})
        ASSERT_TRUE(d.click(id)) << id;
}
void rateBoth(fwtest::Running& d) {
    readyPair(d);
    rateFactorsAndStresses(d);
}

// A factor dialog answered with one change, then OK.
void answer(fwtest::Session& s, int templateId, std::function<void(fwtest::Running&)> change) {
    s.onDialog(templateId, [change](fwtest::Running& f) {
        change(f);
        f.click(fw::IDOK);
    });
}

// Controls of the factor dialogs the rows change.
constexpr int LubricantViscosityId = 1260, RoughnessRaId = 1276, ShiftDepthId = 1290;

// Contact, Bending: the stress stage and all after it read the input; the
// Limit forms: the input is the stage's fatigue limit, read by its
// permissible stress (recalculated on the spot) and its safety factor.
enum Reads { Contact = 1, Bending = 2, Both = 3, ContactLimit = 5, BendingLimit = 6 };

struct StageInput {
    const char* name;
    Reads stages;                                     // the stages that read it
    std::function<void(fwtest::Session&)> dialogs;    // what the change opens, answered
    std::function<void(fwtest::Running&)> change;
};

void typeAndLeave(fwtest::Running& d, int id, const char* text) {
    d.type(id, text);
    d.leave();
}

const StageInput kInputs[] = {
    // The pair's fields, the load and the mesh: read by the forces, so by everything after them.
    {"Z1", Both, {}, [](auto& d) { typeAndLeave(d, D::IDC_Z1, "21"); }},
    {"Z2", Both, {}, [](auto& d) { typeAndLeave(d, D::IDC_Z2, "41"); }},
    {"mn", Both, {}, [](auto& d) { typeAndLeave(d, D::IDC_MN, "2.5"); }},
    {"β", Both, {}, [](auto& d) { typeAndLeave(d, D::IDC_BETA, "10"); }},
    {"αn", Both, {}, [](auto& d) { typeAndLeave(d, D::IDC_ALPHAN, "22"); }},
    {"εα", Both, {}, [](auto& d) { typeAndLeave(d, D::IDC_EPS_ALPHA, "1.5"); }},
    {"b", Both, {}, [](auto& d) { typeAndLeave(d, D::IDC_B, "28"); }},
    {"T", Both, {}, [](auto& d) { typeAndLeave(d, D::IDC_T, "70"); }},
    {"n1", Both, {}, [](auto& d) { typeAndLeave(d, D::IDC_N1, "1500"); }},
    {"torque dialog", Both, [](auto& s) { answerTorque(s, "960", "10"); }, [](auto& d) { d.click(D::IDC_TORQUE); }},
    {"内啮合", Both, {}, [](auto& d) { d.click(D::IDC_INTERNAL); }},
    // The four load factors of both groups.
    {"KA dialog", Both, [](auto& s) { answer(s, kKaDlg, [](auto& f) { f.click(1206); }); },
     [](auto& d) { d.click(D::IDC_H_KA); }},
    {"Kv (accuracy grade 7)", Both, [](auto& s) { answer(s, kGradeDlg, [](auto& f) { f.select(kGradeCombo, 4); }); },
     [](auto& d) { d.click(D::IDC_F_KV); }},
    {"KHα, KFα (grade 9)", Both, [](auto& s) { answer(s, kGradeDlg, [](auto& f) { f.select(kGradeCombo, 6); }); },
     [](auto& d) { d.click(D::IDC_H_KALPHA); }},
    {"KHβ, KFβ (mounting)", Both, [](auto& s) { answer(s, kFaceLoadDlg, [](auto& f) { f.click(kMounting1); }); },
     [](auto& d) { d.click(D::IDC_F_KBETA); }},
    // The contact group's own factor dialogs and its limit.
    {"ZE (钢-铸钢)", Contact, [](auto& s) { answer(s, kZeDlg, [](auto& f) { f.click(1228); }); },
     [](auto& d) { d.click(D::IDC_ZE_BTN); }},
    {"ZN (material class 1)", Contact, [](auto& s) { answer(s, kZnDlg, [](auto& f) { f.click(1244); }); },
     [](auto& d) { d.click(D::IDC_ZN_BTN); }},
    {"ZL, ZV (ν50 100)", Contact,
     [](auto& s) { answer(s, kZlDlg, [](auto& f) { f.type(LubricantViscosityId, "100"); }); },
     [](auto& d) { d.click(D::IDC_ZL_BTN); }},
    {"ZR (Ra 1.6)", Contact,
     [](auto& s) { answer(s, kZrDlg, [](auto& f) { typeAndLeave(f, RoughnessRaId, "1.6"); }); },
     [](auto& d) { d.click(D::IDC_ZR_BTN); }},
    {"ZW (HB 200)", Contact, [](auto& s) { answer(s, kZhwDlg, [](auto& f) { typeAndLeave(f, kHb, "200"); }); },
     [](auto& d) { d.click(D::IDC_ZW_BTN); }},
    {"σHlim 1200", ContactLimit, [](auto& s) { answer(s, kLimitDlg, [](auto& f) { f.type(kSigmaHlim, "1200"); }); },
     [](auto& d) { d.click(D::IDC_SIGMAHP_BTN); }},
    // The bending group's own factor dialogs, its limit and the rated gear.
    {"YFa (whole depth 2)", Bending,
     [](auto& s) { answer(s, kShiftDlg, [](auto& f) { typeAndLeave(f, ShiftDepthId, "2"); }); },
     [](auto& d) { d.click(D::IDC_YFA_BTN); }},
    {"YN (渗碳钢)", Bending, [](auto& s) { answer(s, kWynDlg, [](auto& f) { f.click(1244); }); },
     [](auto& d) { d.click(D::IDC_YN_BTN); }},
    {"YS, YX (调质钢)", Bending,
     [](auto& s) {
         answer(s, kWysDlg, [](auto& f) { f.click(1293); });
         s.answerMessage(fw::IDNO);  // the undercut question again; go on
     },
     [](auto& d) { d.click(D::IDC_YS_BTN); }},
    {"σFlim 400", BendingLimit, [](auto& s) { answer(s, kLimitDlg, [](auto& f) { f.type(kSigmaFlim, "400"); }); },
     [](auto& d) { d.click(D::IDC_SIGMAFP_BTN); }},
    {"选大齿轮", Bending, {}, [](auto& d) { d.click(D::IDC_GEAR); }},
};

struct Results {
    std::string sigmaH, sigmaHP, sH, sigmaF, sigmaFP, sF;
};
Results results(const fwtest::Running& d) {
    return {d.text(D::IDC_SIGMAH), d.text(D::IDC_SIGMAHP), d.text(D::IDC_SH),
            d.text(D::IDC_SIGMAF), d.text(D::IDC_SIGMAFP), d.text(D::IDC_SF)};
}

TEST_F(ProofTest, EveryInputALaterStageReadsClearsItAndTheSaveWaits) {
    for (const StageInput& in : kInputs) {
        SCOPED_TRACE(in.name);
        fwtest::Session s;
        queueFullRating(s);
        if (in.dialogs) in.dialogs(s);
        const bool contact = in.stages & Contact, bending = in.stages & Bending;
        s.expectMessage(contact ? kMsgContactCleared : kMsgBendingCleared);
        s.onDialog(D::IDD, [&](fwtest::Running& d) {
            rateBoth(d);
            const Results before = results(d);
            ASSERT_NE(before.sH, "0");
            ASSERT_NE(before.sF, "0");
            in.change(d);
            const Results after = results(d);
            // The safety factor of a stage that reads the input is gone, and
            // so is every result computed from the old input.
            const bool limit = in.stages & 4;
            if (contact) {
                EXPECT_EQ(after.sH, "0");
                if (limit) EXPECT_NE(after.sigmaHP, before.sigmaHP) << "recalculated from the new limit";
                else EXPECT_EQ(after.sigmaH, "0");
            } else {
                EXPECT_EQ(after.sigmaH, before.sigmaH);
                EXPECT_EQ(after.sigmaHP, before.sigmaHP);
                EXPECT_EQ(after.sH, before.sH);
            }
            if (bending) {
                EXPECT_EQ(after.sF, "0");
                if (limit) EXPECT_NE(after.sigmaFP, before.sigmaFP) << "recalculated from the new limit";
                else EXPECT_EQ(after.sigmaF, "0");
            } else {
                EXPECT_EQ(after.sigmaF, before.sigmaF);
                EXPECT_EQ(after.sigmaFP, before.sigmaFP);
                EXPECT_EQ(after.sF, before.sF);
            }
            d.click(fw::IDOK);
            EXPECT_FALSE(d.ended()) << "the report waits for the stage to be calculated again";
            d.end(fw::IDCANCEL);
        });
        D dlg(nullptr);
        dlg.DoModal();
        EXPECT_TRUE(s.allUsed());
        EXPECT_EQ(dlg.m_strReportPath, "");
    }
}

// After a change the cleared stage is calculated again: the report is then
// written, and it holds the new results.
TEST_F(ProofTest, ARecalculatedStageMayBeSavedAgain) {
    fwtest::Session s;
    queueFullRating(s);
    answer(s, kZlDlg, [](auto& f) { f.type(LubricantViscosityId, "100"); });
    s.expectMessage(kMsgContactCleared);
    s.onDialog(kLimitDlg, [](fwtest::Running& f) {
        f.type(kSigmaHlim, "1300");
        f.click(fw::IDOK);
    });
    const auto report = data("stages.cyt");
    s.answerSave(report);
    std::string newSH;
    s.onDialog(D::IDD, [&](fwtest::Running& d) {
        rateBoth(d);
        d.click(D::IDC_ZL_BTN);
        d.click(fw::IDOK);
        ASSERT_FALSE(d.ended());
        EXPECT_TRUE(d.enabled(D::IDC_SIGMAH_BTN)) << "the twelve factors stand";
        EXPECT_FALSE(d.enabled(D::IDC_SIGMAHP_BTN));
        EXPECT_FALSE(d.enabled(D::IDC_SH_BTN));
        for (int id : {D::IDC_SIGMAH_BTN, D::IDC_SIGMAHP_BTN, D::IDC_SH_BTN}) ASSERT_TRUE(d.click(id)) << id;
        newSH = d.text(D::IDC_SH);
        d.click(fw::IDOK);
    });
    D dlg(nullptr);
    ASSERT_EQ(dlg.DoModal(), fw::IDOK);
    EXPECT_TRUE(s.allUsed());
    // SH = σHP/σH with ZL at ν50 100 (class 4, synthetic oil on hard flanks):
    // ZL = 1.1·0.761874·100^0.0602386; the report prints the new SH.
    const std::string text = fw::utf8FromGbk(fileText(report));
    EXPECT_NE(text.find(fw::format("%.4f", std::stod(newSH))), std::string::npos) << text;
}

// Nothing rated yet: the report is refused (it would print only zeros).
// The loads of the smallest and the fastest drives, given in the torque
// dialog, rated on the example pair to both safety factors and reported:
// the pinion stage of a 0.22 W micro gearmotor (0.0002 kW at 9,555 r/min:
// T = 0.00019987 N·m) and a dental handpiece's bur pinion (0.06 kW at
// 200,000 r/min: T = 0.0028647 N·m). The safety factors are large but
// printable, and the report holds the load as given.
TEST_F(ProofTest, MicroGearmotorAndDentalHandpieceAreRatedAndReported) {
    struct Load {
        const char* name;
        const char* n;
        const char* p;
    };
    for (const Load& l : {Load{"micro gearmotor", "9555", "0.0002"}, Load{"dental handpiece", "200000", "0.06"}}) {
        SCOPED_TRACE(l.name);
        const double n = std::stod(l.n), t = 9549 * std::stod(l.p) / n;
        const auto report = data(std::string(l.name) + ".cyt");
        fwtest::Session s;
        queueFullRating(s, l.n, l.p);
        s.answerSave(report);
        s.onDialog(D::IDD, [&](fwtest::Running& d) {
            typePair(d);
            computeForces(d, false);
            EXPECT_EQ(d.text(D::IDC_N1), l.n);
            EXPECT_NEAR(num(d, D::IDC_T), t, 1e-9 * t);
            EXPECT_NEAR(num(d, D::IDC_FT), 2000 * t / (20 * 2), 1e-6 * t);   // Ft = 2000·T/(Z1·mn)
            rateFactorsAndStresses(d);
            for (int id : {D::IDC_SH, D::IDC_SF}) {
                EXPECT_GT(num(d, id), 1) << id;
                EXPECT_TRUE(kavrin::printable(num(d, id))) << id;
            }
            d.click(fw::IDOK);
        });
        D dlg(nullptr);
        ASSERT_EQ(dlg.DoModal(), fw::IDOK);
        EXPECT_TRUE(s.allUsed());
        const std::string text = fw::utf8FromGbk(fileText(report));
        EXPECT_NE(text.find(fw::format("%.4f N.m", t)), std::string::npos) << text;
        EXPECT_NE(text.find(fw::format("%.4f r/min", n)), std::string::npos) << text;
        EXPECT_TRUE(text.ends_with("\t     ******* 完。OK!")) << text;
    }
}

TEST_F(ProofTest, NothingRatedIsNotReported) {
    fwtest::Session s;
    s.expectMessage(kMsgNothingRated);
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typePair(d);
        d.click(fw::IDOK);
        EXPECT_FALSE(d.ended());
        d.end(fw::IDCANCEL);
    });
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_TRUE(s.allUsed());
}

}  // namespace
