// The fields of the cycloid wizard, its dialogs and the designer read the
// record's range table (cex_ranges.h): a typed value is taken only inside
// its quantity's range, every value inside it that the page's own rules take
// is taken, and whatever a field takes leaves a record the save takes (no
// handler stores a value outside its range). The found files are refused at
// load naming the field, and a loaded, calculated and saved design prints no
// number a report cannot hold.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "cex_test_support.h"
#include "common/calc/record_check.h"
#include "common/tests/range_probes.h"
#include "cycloid/calc/cex_clearance.h"
#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/ccdest_part_mat_dlg.h"
#include "cycloid/cdest_cexd_a_dlg.h"
#include "cycloid/cdest_cexd_bc_dlg.h"
#include "cycloid/cdest_cexd_k1_dlg.h"
#include "cycloid/cdest_cexd_k2_dlg.h"
#include "cycloid/cdest_cexd_rp_dlg.h"
#include "cycloid/cdest_part_di_dlg.h"
#include "cycloid/cex_design.h"
#include "cycloid/cexy_property_sheet.h"
#include "cycloid/dorrith_dlg.h"
#include "fuzz/report_text_check.h"
#include "fw/format.h"
#include "fw/text.h"
#include "fwtest/script.h"

using namespace cycloid;
using namespace cextest;
namespace q = cycloid::cex_q;
using P1 = CCexyPropertyPage1;
using P2 = CCexyPropertyPage2;
using P3 = CCexyPropertyPage3;
using P5 = CCexyPropertyPage5;
using P6 = CCexyPropertyPage6;
using Sheet = CCexyPropertySheet;

namespace {

// A typed field of a wizard page: the page (index), the field and one to
// leave it for, the range it reads, what the page holds of it afterwards,
// and the page's own rules for it as the filled design stands (nullptr: they
// depend on the other values so that no probe passes them; then only
// "nothing outside the range" is asked).
struct Field {
    const char* name;
    int page;
    int id;
    int away;
    kavrin::Quantity q;
    std::function<double(Sheet&)> held;
    std::function<bool(double)> pageTakes;
};

std::vector<Field> wizardFields() {
    auto always = [](double) { return true; };
    auto positive = [](double v) { return v > 0; };
    auto belowOne = [](double v) { return v >= 0 && v < 1; };
    return {
        {"P", 0, P1::IDC_P, P1::IDC_TITLE, givenQuantity(q::kP), [](Sheet& s) { return s.m_page1.m_P; }, positive},
        // n0 gives Tc = 9549·P·i·η/n0, which must lie in Tc's range.
        {"n0", 0, P1::IDC_N0, P1::IDC_TITLE, givenQuantity(q::kN0), [](Sheet& s) { return s.m_page1.m_n0; },
         [](double v) {
             const auto b1 = filledRecord().b1;
             return v > 0 && q::kTc.admits(outputTorque(b1.P, b1.i, b1.eta, v));
         }},
        {"η", 0, P1::IDC_ETA, P1::IDC_TITLE, q::kEta, [](Sheet& s) { return s.m_page1.m_eta; },
         [](double v) { return v >= 0.8 && v <= 0.99 && !(v > 0.8 && v < 0.85); }},   // the question: Abort
        {"bc", 0, P1::IDC_BC, P1::IDC_TITLE, givenQuantity(q::kBc), [](Sheet& s) { return s.m_page1.m_bc; }, positive},
        {"Rp", 0, P1::IDC_RP, P1::IDC_TITLE, givenQuantity(q::kRp), [](Sheet& s) { return s.m_page1.m_Rp; }, nullptr},
        {"Rrp", 0, P1::IDC_RRP, P1::IDC_TITLE, givenQuantity(q::kRrp), [](Sheet& s) { return s.m_page1.m_Rrp; },
         nullptr},
        {"dsp", 1, P2::IDC_DSP, P2::IDC_DT, q::kDsp, [](Sheet& s) { return s.m_page2.m_dsp; }, always},
        {"L", 1, P2::IDC_L, P2::IDC_DT, givenQuantity(q::kL), [](Sheet& s) { return s.m_page2.m_l; }, positive},
        {"Δj", 1, P2::IDC_DJ, P2::IDC_DT, givenQuantity(q::kPresetDj), [](Sheet& s) { return s.m_page2.m_dj; },
         [](double v) { return v > 0.02 && v <= 1; }},
        {"δt", 1, P2::IDC_DT, P2::IDC_DSP, q::kDt, [](Sheet& s) { return s.m_page2.m_dt; }, always},   // "No" keeps it
        {"Di", 1, P2::IDC_DI, P2::IDC_DT, givenQuantity(q::kDi), [](Sheet& s) { return s.m_page2.m_Di; }, nullptr},
        {"Dw", 1, P2::IDC_DW_CIRCLE, P2::IDC_DT, givenQuantity(q::kDw), [](Sheet& s) { return s.m_page2.m_Dw; },
         nullptr},
        {"dsw", 1, P2::IDC_DSW, P2::IDC_DT, givenQuantity(q::kDsw), [](Sheet& s) { return s.m_page2.m_dsw; }, nullptr},
        {"drw", 1, P2::IDC_DRW, P2::IDC_DT, givenQuantity(q::kDrw), [](Sheet& s) { return s.m_page2.m_drw; }, nullptr},
        {"ΔR", 2, P3::IDC_DR, P3::IDC_DC, givenQuantity(q::kDR), [](Sheet& s) { return s.m_page3.m_dR; },
         [](double v) { return v > 0 && v < 1; }},
        {"ΔfEs", 2, P3::IDC_DFES, P3::IDC_DC, givenQuantity(q::kDfEs), [](Sheet& s) { return s.m_page3.m_dfEs; },
         [](double v) { return v > -1 && v < 0; }},
        {"Δc", 2, P3::IDC_DC, P3::IDC_DR, givenQuantity(q::kDc), [](Sheet& s) { return s.m_page3.m_dc; }, positive},
        {"Δj", 2, P3::IDC_DJ, P3::IDC_DR, q::kTypedDj, [](Sheet& s) { return s.m_page3.m_dj; }, belowOne},
        // δ gives Δc = δ·π/180·dp/2 (dp 200), which must lie in Δc's range.
        {"δ", 2, P3::IDC_DELTA, P3::IDC_DR, q::kTypedDelta, [](Sheet& s) { return s.m_page3.m_delta; },
         [](double v) { return v >= 0 && v < 1 && q::kDc.admits(sideClearanceOfAngle(v, 200)); }},
        {"Rt", 4, P5::IDC_RT, P5::IDC_N, givenQuantity(q::kRt), [](Sheet& s) { return s.m_page5.m_Rt; }, nullptr},
        {"ES", 4, P5::IDC_ES, P5::IDC_N, q::kSpanES, [](Sheet& s) { return s.m_page5.m_ES; },
         [](double v) { return v > -0.145 && v <= 0; }},   // above −Δj of block 4
        {"EI", 4, P5::IDC_EI, P5::IDC_N, q::kSpanEI, [](Sheet& s) { return s.m_page5.m_EI; },
         [](double v) { return v < 0; }},   // below ES (0)
        {"E", 5, P6::IDC_E, P6::IDC_MU, givenQuantity(q::kE), [](Sheet& s) { return s.m_page6.m_E; }, positive},
        {"μ", 5, P6::IDC_MU, P6::IDC_E, givenQuantity(q::kMu), [](Sheet& s) { return s.m_page6.m_mu; }, positive},
        {"σHp", 5, P6::IDC_SHP, P6::IDC_E, givenQuantity(q::kSigmaHp), [](Sheet& s) { return s.m_page6.m_sigmaHp; },
         positive},
        {"σFp", 5, P6::IDC_SFP, P6::IDC_E, givenQuantity(q::kSigmaFp), [](Sheet& s) { return s.m_page6.m_sigmaFp; },
         positive},
        {"To", 5, P6::IDC_TO, P6::IDC_E, givenQuantity(q::kTc), [](Sheet& s) { return s.m_page6.m_To; }, positive},
    };
}

class CexyRangesTest : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override {
        g_cexRecord = {};
        g_strCexDesignPath.clear();
    }
    static void reset() {
        g_cexRecord = filledRecord();
        g_cexRecord.b2.pinsLeftOut = 0;
        g_strCexDesignPath.clear();
    }
};

// Every typed field of the pages at the absurd values and at each end of its
// range with a step either side, every message answered as a user who
// declines: a value outside the range is never taken (and is refused naming
// the field), one inside that the page's own rules take is taken, and the
// record afterwards is one the save takes.
TEST_F(CexyRangesTest, WizardFieldsTakeOnlyWhatTheirRangeTakes) {
    for (const Field& f : wizardFields()) {
        for (double v : kavrin_test::numberProbes(f.q)) {
            SCOPED_TRACE(std::string(f.name) + " = " + fw::formatNumber(v));
            v = *fw::parseNumber(fw::formatNumber(v));   // the value as typed
            reset();
            fwtest::Session s;
            s.tolerate([](fwtest::Running& d) { d.click(IDCANCEL); });
            double before = 0, after = 0;
            Sheet sheet(109, nullptr, f.page);
            g_pCexySheet = &sheet;
            sheet.SetWizardMode();
            s.onSheet([&](fwtest::Running& r) {
                ASSERT_EQ(r.activePage(), f.page);
                before = f.held(sheet);
                r.type(f.id, fw::formatNumber(v));
                r.focus(f.away);
                after = f.held(sheet);
                r.end(IDCANCEL);
            });
            sheet.DoModal();
            g_pCexySheet = nullptr;
            const bool taken = after == v && before != v;
            const bool pageTakes = f.pageTakes && f.pageTakes(v);
            if (taken) {
                EXPECT_TRUE(f.q.admits(v));
            }
            if (f.q.admits(v) && pageTakes && before != v) {
                EXPECT_TRUE(taken);
            }
            if (!f.q.admits(v)) {
                // Page 6 takes a material value of 0 or less as not given (0), silently.
                const bool notGiven = f.page == 5 && f.id != P6::IDC_TO && v <= 0;
                EXPECT_EQ(after, notGiven ? 0 : before);
                if (notGiven) continue;
                ASSERT_FALSE(s.messages().empty());
                // Where the page's own rule would take it, the range refuses it, naming the field.
                if (pageTakes) {
                    EXPECT_TRUE(endsWith(s.messages().front().text, "：" + fw::numberBoundsText(f.q.bounds)));
                }
            }
            auto fault = checkRecord(g_cexRecord);
            EXPECT_FALSE(fault) << recordFaultText(*fault);
        }
    }
}

// The span count of page 5: above its range refused naming the field,
// two or fewer (typed or folded) refused by the page's rule.
TEST_F(CexyRangesTest, SpanCountStaysInItsRange) {
    g_cexRecord.b5 = {};
    g_cexRecord.b6 = {};
    const kavrin::Quantity n = givenQuantity(q::kN);
    for (double v : kavrin_test::countProbes(n)) {
        SCOPED_TRACE(v);
        fwtest::Session local;
        local.tolerate([](fwtest::Running& d) { d.click(IDCANCEL); });
        Sheet sheet(109, nullptr, 4);
        g_pCexySheet = &sheet;
        sheet.SetWizardMode();
        local.onSheet([&](fwtest::Running& r) {
            r.type(P5::IDC_N, fw::format("%d", static_cast<int>(v)));
            r.focus(P5::IDC_ES);
            r.end(IDCANCEL);
        });
        sheet.DoModal();
        g_pCexySheet = nullptr;
        if (v > n.upper()) {
            ASSERT_FALSE(local.messages().empty());
            EXPECT_TRUE(endsWith(local.messages().front().text, fw::integerBoundsText(n.bounds)));
        }
        EXPECT_TRUE(n.admits(sheet.m_page5.m_n));
        EXPECT_FALSE(checkRecord(g_cexRecord));
    }
}

// The recommendation dialogs of page 1, the eccentricity choice, the bearing
// bore and the material: each field takes only what its quantity's range
// takes, naming the field where it refuses.
TEST(CexyDialogRanges, DialogFieldsReadTheirRanges) {
    struct DialogField {
        const char* name;
        int dialog;
        int id;
        int away;   // IDCANCEL: just leave the field
        kavrin::Quantity q;
        std::function<fw::Dialog*()> make;
        std::function<double(fw::Dialog&)> held;
    };
    const DialogField fields[] = {
        {"K1", CDestCexdK1Dlg::IDD, CDestCexdK1Dlg::IDC_VALUE, IDCANCEL, givenQuantity(q::kK1),
         [] {
             auto* d = new CDestCexdK1Dlg;
             d->setRange(0.42, 0.55);
             return d;
         },
         [](fw::Dialog& d) { return static_cast<CDestCexdK1Dlg&>(d).m_value; }},
        {"K2", CDestCexdK2Dlg::IDD, CDestCexdK2Dlg::IDC_VALUE, IDCANCEL, givenQuantity(q::kK2),
         [] {
             auto* d = new CDestCexdK2Dlg;
             d->setRange(2.85, 3.85);
             return d;
         },
         [](fw::Dialog& d) { return static_cast<CDestCexdK2Dlg&>(d).m_value; }},
        {"Rp", CDestCexdRpDlg::IDD, CDestCexdRpDlg::IDC_VALUE, IDCANCEL, givenQuantity(q::kRp),
         [] {
             auto* d = new CDestCexdRpDlg;
             d->setRange(72.88, 111.46);
             return d;
         },
         [](fw::Dialog& d) { return static_cast<CDestCexdRpDlg&>(d).m_value; }},
        {"bc", CDestCexdBcDlg::IDD, CDestCexdBcDlg::IDC_VALUE, IDCANCEL, givenQuantity(q::kBc),
         [] {
             auto* d = new CDestCexdBcDlg;
             d->setRange(10, 20);
             return d;
         },
         [](fw::Dialog& d) { return static_cast<CDestCexdBcDlg&>(d).m_value; }},
        {"μ", CCDestPartMatDlg::IDD, CCDestPartMatDlg::IDC_MU, CCDestPartMatDlg::IDC_E, givenQuantity(q::kMu),
         [] { return new CCDestPartMatDlg; }, [](fw::Dialog& d) { return static_cast<CCDestPartMatDlg&>(d).m_mu; }},
        {"E", CCDestPartMatDlg::IDD, CCDestPartMatDlg::IDC_E, CCDestPartMatDlg::IDC_MU, givenQuantity(q::kE),
         [] { return new CCDestPartMatDlg; }, [](fw::Dialog& d) { return static_cast<CCDestPartMatDlg&>(d).m_E; }},
        {"[σf]", CCDestPartMatDlg::IDD, CCDestPartMatDlg::IDC_SF, CCDestPartMatDlg::IDC_MU,
         givenQuantity(q::kSigmaFlim), [] { return new CCDestPartMatDlg; },
         [](fw::Dialog& d) { return static_cast<CCDestPartMatDlg&>(d).m_sigmaF; }},
        {"[σh]", CCDestPartMatDlg::IDD, CCDestPartMatDlg::IDC_SH, CCDestPartMatDlg::IDC_MU,
         givenQuantity(q::kSigmaHp), [] { return new CCDestPartMatDlg; },
         [](fw::Dialog& d) { return static_cast<CCDestPartMatDlg&>(d).m_sigmaH; }},
        {"Kw", CCDestPartMatDlg::IDD, CCDestPartMatDlg::IDC_KW, CCDestPartMatDlg::IDC_MU, givenQuantity(q::kKw),
         [] { return new CCDestPartMatDlg; }, [](fw::Dialog& d) { return static_cast<CCDestPartMatDlg&>(d).m_Kw; }},
    };
    for (const DialogField& f : fields) {
        for (double v : kavrin_test::numberProbes(f.q)) {
            v = *fw::parseNumber(fw::formatNumber(v));   // the value as typed
            SCOPED_TRACE(std::string(f.name) + " = " + fw::formatNumber(v));
            std::unique_ptr<fw::Dialog> dlg(f.make());
            fwtest::Session s;
            s.tolerate([](fwtest::Running& d) { d.click(IDCANCEL); });
            // A value outside the recommended band: "采用给定值？" answered Yes.
            const bool asks = f.dialog == CDestCexdK1Dlg::IDD || f.dialog == CDestCexdK2Dlg::IDD;
            if (asks && f.q.admits(v)) s.answerMessage(IDYES);
            double held = 0;
            s.onDialog(f.dialog, [&](fwtest::Running& d) {
                d.type(f.id, fw::formatNumber(v));
                if (f.away == IDCANCEL) {
                    d.leave();
                } else {
                    d.focus(f.away);
                }
                held = f.held(*dlg);
                d.click(IDCANCEL);
            });
            dlg->DoModal();
            if (!f.q.admits(v)) {
                EXPECT_NE(held, v);
                ASSERT_FALSE(s.messages().empty());
                // The material's own refusal of 0 or less ("此项性能指标不能为负或0！"), else the range's.
                const bool own = f.dialog == CCDestPartMatDlg::IDD && f.id != CCDestPartMatDlg::IDC_KW && v <= 0;
                EXPECT_TRUE(own ? s.messages().front().text == CCDestPartMatDlg::kMsgNotPositive
                                : endsWith(s.messages().front().text, fw::numberBoundsText(f.q.bounds)));
            } else {
                EXPECT_EQ(held, v);   // what the range takes these dialogs take (after one question at most)
            }
        }
    }
}

// The eccentricity choice and the bearing bore read their ranges at OK and
// when the bore is typed.
TEST(CexyDialogRanges, EccentricityChoiceAndBore) {
    for (double v : kavrin_test::numberProbes(givenQuantity(q::kA))) {
        v = *fw::parseNumber(fw::formatNumber(v));
        SCOPED_TRACE(fw::formatNumber(v));
        fwtest::Session s;
        s.tolerate([](fwtest::Running& d) { d.click(IDCANCEL); });
        CDestCexdADlg a;
        a.setChoices(4.5, 4.1667, 4);
        int result = 0;
        s.onDialog(CDestCexdADlg::IDD, [&](fwtest::Running& d) {
            d.click(CDestCexdADlg::IDC_UPPER);
            d.type(CDestCexdADlg::IDC_UPPER_VALUE, fw::formatNumber(v));
            d.click(IDOK);
            if (!d.ended()) d.click(IDCANCEL);
        });
        result = a.DoModal();
        EXPECT_EQ(result == IDOK, givenQuantity(q::kA).admits(v));
        if (result == IDOK) {
            EXPECT_EQ(a.chosen(), v);
        }
    }
    for (double v : kavrin_test::numberProbes(givenQuantity(q::kDi))) {
        v = *fw::parseNumber(fw::formatNumber(v));
        SCOPED_TRACE(fw::formatNumber(v));
        fwtest::Session s;
        s.tolerate([](fwtest::Running& d) { d.click(IDCANCEL); });
        CDestPartDiDlg bore;
        bore.setRange(80, 100);
        s.onDialog(CDestPartDiDlg::IDD, [&](fwtest::Running& d) {
            d.type(CDestPartDiDlg::IDC_BORE, fw::formatNumber(v));
            d.click(IDOK);
            if (!d.ended()) d.click(IDCANCEL);
        });
        const int result = bore.DoModal();
        EXPECT_TRUE(result != IDOK || givenQuantity(q::kDi).admits(bore.m_Di));
        if (!givenQuantity(q::kDi).admits(v)) {
            ASSERT_FALSE(s.messages().empty());
            EXPECT_TRUE(endsWith(s.messages().front().text, fw::numberBoundsText(given(q::kDi))));
        }
    }
}

// The designer's fields: the pin circle, pin diameter and eccentricity take
// only what their ranges take (0 or less is "not given", the dialog's rule);
// the modifications and counts keep their ranges.
TEST(CexyDialogRanges, DesignerFields) {
    struct DesignerField {
        const char* name;
        int id;
        kavrin::Quantity q;
        double CDorrithDlg::* member;
        int mode;   // the mode that enables the field
    };
    const DesignerField fields[] = {
        {"dp", CDorrithDlg::IDC_DP, q::kDesignerDp, &CDorrithDlg::m_dp, 0},
        {"drp", CDorrithDlg::IDC_DPIN, q::kDesignerDPin, &CDorrithDlg::m_dPin, 0},
        {"a", CDorrithDlg::IDC_A, q::kDesignerA, &CDorrithDlg::m_a, 0},
        {"δ", CDorrithDlg::IDC_DELTA, q::kDesignerDelta, &CDorrithDlg::m_delta, 1},
        {"Δrrp", CDorrithDlg::IDC_DRRP, q::kDesignerDrrp, &CDorrithDlg::m_drrp, 2},
        {"Δrp", CDorrithDlg::IDC_DRP, q::kDesignerDrp, &CDorrithDlg::m_drp, 3},
    };
    for (const DesignerField& f : fields) {
        for (double v : kavrin_test::numberProbes(f.q)) {
            v = *fw::parseNumber(fw::formatNumber(v));
            SCOPED_TRACE(std::string(f.name) + " = " + fw::formatNumber(v));
            fwtest::Session s;
            s.tolerate([](fwtest::Running& d) { d.click(IDCANCEL); });
            CDorrithDlg dlg;
            double held = 0;
            s.onDialog(CDorrithDlg::IDD, [&](fwtest::Running& d) {
                d.click(CDorrithDlg::IDC_MODE0 + f.mode);
                d.type(f.id, fw::formatNumber(v));
                d.focus(CDorrithDlg::IDC_ZC);
                held = dlg.*f.member;
                d.click(IDCANCEL);
            });
            dlg.DoModal();
            const bool ownRule = f.q.lower() > 0 && v <= 0;   // not given: taken as typed, its handler's rule
            if (!f.q.admits(v) && !ownRule) {
                EXPECT_NE(held, v);
                ASSERT_FALSE(s.messages().empty());
                EXPECT_TRUE(endsWith(s.messages().front().text, fw::numberBoundsText(f.q.bounds)));
            }
            EXPECT_TRUE(kavrin::printable(held));
        }
    }
}

// The first found case: a design file with a = 1e300 was loaded by page 1,
// calculated and saved, and its report printed "偏心距 a= 1000…". Page 1
// refuses it naming the field, and the record and the page stay as they were.
TEST_F(CexyRangesTest, TheFileWithAHugeEccentricityIsRefusedAtLoad) {
    auto file = fileBytes(fixture("cex_filled.cxd"));
    putF64(file, 64 + 0, 1e300);
    auto dir = freshDir("a1e300");
    writeBytes(dir / "a.cxd", file);
    g_cexRecord = {};
    fwtest::Session s;
    s.answerOpen(dir / "a.cxd");
    s.expectMessage(kavrin::refusedOnLoad("第1页(预定参数)的偏心距 a：请输入 0 或 0.01 到 1000 之间的数值。"));
    Sheet sheet(109, nullptr);
    g_pCexySheet = &sheet;
    sheet.SetWizardMode();
    s.onSheet([&](fwtest::Running& r) {
        r.click(P1::IDC_LOAD);
        EXPECT_EQ(r.text(P1::IDC_A), "0");
        EXPECT_EQ(g_cexRecord.b1.a, 0);
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
        r.end(IDCANCEL);
    });
    sheet.DoModal();
    g_pCexySheet = nullptr;
    EXPECT_TRUE(s.allUsed());
    EXPECT_TRUE(g_strCexDesignPath.empty());
}

// The second found case: the filled design with 1e300 or 1e-300 in one double
// slot each, loaded by page 1, taken through every page (each page's
// calculation run where it offers one), finished and saved: the load refuses
// the value naming its field, or the report holds no number of 16 or more
// digits, no "inf" and no "nan".
TEST_F(CexyRangesTest, ScanOfHugeAndTinyValuesLoadedCalculatedAndSaved) {
    const auto good = fileBytes(fixture("cex_filled.cxd"));
    auto dir = freshDir("scan");
    struct At {
        std::size_t offset;
        const char* name;
    };
    std::vector<At> doubles;
#define CEX_AT(N, F) doubles.push_back({kCexBlockOffsets[N - 1] + offsetof(CexBlock##N, F), #F " of block " #N})
    CEX_AT(1, a), CEX_AT(1, bc), CEX_AT(1, i), CEX_AT(1, K1), CEX_AT(1, K2), CEX_AT(1, n0), CEX_AT(1, eta);
    CEX_AT(1, P), CEX_AT(1, Rp), CEX_AT(1, Rrp), CEX_AT(1, Tc);
    CEX_AT(2, dac), CEX_AT(2, dt), CEX_AT(2, Dw), CEX_AT(2, dfc), CEX_AT(2, dDi), CEX_AT(2, dp), CEX_AT(2, drp);
    CEX_AT(2, drw), CEX_AT(2, dsp), CEX_AT(2, dsw), CEX_AT(2, EI_dw), CEX_AT(2, ES_dw), CEX_AT(2, dj);
    CEX_AT(2, dw), CEX_AT(2, l), CEX_AT(2, Kw), CEX_AT(2, sigmaFlim), CEX_AT(2, Sf), CEX_AT(2, epsMax);
    CEX_AT(2, Qmax);
    CEX_AT(3, delta), CEX_AT(3, dc), CEX_AT(3, dfEs), CEX_AT(3, dj), CEX_AT(3, dwl), CEX_AT(3, dpt);
    CEX_AT(3, DW), CEX_AT(3, dR);
    CEX_AT(4, delta), CEX_AT(4, dc), CEX_AT(4, ds), CEX_AT(4, dj), CEX_AT(4, drp), CEX_AT(4, drrp);
    CEX_AT(4, K1m);
    CEX_AT(5, dac), CEX_AT(5, dfc), CEX_AT(5, Ka), CEX_AT(5, Ln), CEX_AT(5, phiA), CEX_AT(5, RL);
    CEX_AT(5, rodRadius), CEX_AT(5, Xa), CEX_AT(5, Ya);
    CEX_AT(6, deltaMax), CEX_AT(6, Fmax), CEX_AT(6, SH), CEX_AT(6, SF), CEX_AT(6, theta), CEX_AT(6, sigmaF);
    CEX_AT(6, sigmaH), CEX_AT(6, sigmaFp), CEX_AT(6, sigmaHp), CEX_AT(6, mu), CEX_AT(6, E);
#undef CEX_AT
    int refused = 0, saved = 0;
    for (const At& at : doubles) {
        for (double v : {1e300, 1e-300}) {
            SCOPED_TRACE(std::string(at.name) + " = " + fw::formatNumber(v));
            auto file = good;
            putF64(file, at.offset, v);
            writeBytes(dir / "scan.cxd", file);
            g_cexRecord = {};
            g_strCexDesignPath.clear();
            fwtest::Session s;
            s.tolerate([](fwtest::Running& d) { d.click(IDOK); });
            s.answerOpen(dir / "scan.cxd");
            bool loaded = false;
            Sheet sheet(109, nullptr);
            g_pCexySheet = &sheet;
            sheet.SetWizardMode();
            s.onSheet([&](fwtest::Running& r) {
                r.click(P1::IDC_LOAD);
                loaded = g_cexRecord.b1.status == kStatus1;
                if (!loaded) return r.end(IDCANCEL);
                // Through the pages, calculating where a page offers it.
                for (int page = 1; page < 6 && r.next() && r.activePage() == page; ++page) {
                    if (page == 3 && r.enabled(CCexyPropertyPage4::IDC_CALC)) r.click(CCexyPropertyPage4::IDC_CALC);
                    if (page == 5) {
                        r.click(P6::IDC_FETCH);
                        if (r.enabled(P6::IDC_CALC)) r.click(P6::IDC_CALC);
                    }
                }
                if (!r.ended()) r.end(IDCANCEL);
            });
            sheet.DoModal();
            g_pCexySheet = nullptr;
            if (!loaded) {
                ++refused;
                ASSERT_FALSE(s.messages().empty());
                // refused by the value, named first
                EXPECT_TRUE(s.messages().front().text.ends_with(std::string("\n") + kavrin::kMsgRecordNotLoaded))
                    << s.messages().front().text;
                continue;
            }
            fwtest::Session save;
            save.answerSave(dir / "scan.cxd");
            const CexDesignRecord& rec = g_cexRecord;
            if (rec.b2.status != kStatus2 || rec.b3.status != kStatus3 || rec.b4.status != kStatus4 ||
                rec.b5.status != kStatus5)
                save.answerMessage(IDYES);   // "未完整确定所有有效数据…": save as it is
            save.answerMessage(IDOK);        // the names of the files
            ASSERT_EQ(sheet.SaveDesignAndReport(), 1);
            ++saved;
            auto report = fileBytes(dir / "scan.cxt");
            const std::string text = fw::utf8FromGbk(std::string(report.begin(), report.end()));
            auto bad = kavrin_fuzz::unprintableInReport(text);
            EXPECT_FALSE(bad) << *bad;
            EXPECT_TRUE(parseDesignFile(fileBytes(dir / "scan.cxd")));   // what is saved loads again
        }
    }
    // Both kinds of variant are met: most values are refused, a tiny one
    // where 0 is a value of its slot is taken.
    EXPECT_GT(refused, 0);
    EXPECT_GT(saved, 0);
}

}  // namespace
