// Every input a later page of the cycloid wizard reads, changed once the
// whole design is computed. The table says, from the pages' own lists of
// what they read (page 2: Rp, Rrp, a, bc, Tc and K2 of block 1; page 3: Dw
// of block 2, dp and drp; page 4: a, K1, rp, rrp, Zc, Zp of block 1, δ and
// Δj of block 3; page 5: K1, Zc, Zp, a, dp, drp and the modifications of
// block 4, worked out afresh on every visit; page 6: K1, Zc, Zp, bc, rp,
// rrp, To of block 1, dsp, Lp, X1 of block 2, Δrp, Δrrp of block 4), which
// later pages come up stale: their block incomplete, their results cleared,
// Next (on page 6 the save's completeness) held until they are computed
// again. Pages that read nothing changed keep their block.
//
// Each change is walked twice: in the same run of the wizard, and left in
// the record for a second run, whose first visit of a page must take no
// results made from the old values either.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "cex_test_support.h"
#include "cexy_wizard_support.h"
#include "cycloid/ccdest_part_mat_dlg.h"
#include "cycloid/cdest_cexd_a_dlg.h"
#include "cycloid/cdest_cexd_bc_dlg.h"
#include "cycloid/cdest_cexd_k1_dlg.h"
#include "cycloid/cdest_cexd_rp_dlg.h"
#include "cycloid/cdest_part_di_dlg.h"
#include "cycloid/cex_design.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"
#include "fwtest/script.h"

using namespace cycloid;
using namespace cextest;

namespace {

std::int32_t statusOf(int page) {
    const CexDesignRecord& r = g_cexRecord;
    const std::int32_t s[] = {r.b1.status, r.b2.status, r.b3.status, r.b4.status, r.b5.status, r.b6.status};
    return s[page];
}
constexpr std::int32_t kComplete[] = {kStatus1, kStatus2, kStatus3, kStatus4, kStatus5, kStatus6};

// Shown results of a page that must be cleared when it is stale.
std::vector<int> resultFields(int page) {
    switch (page) {
    case 3: return {P4::IDC_DRRP};
    case 5: return {P6::IDC_SIGMA_H, P6::IDC_SH, P6::IDC_ZN, P6::IDC_FMAX};
    default: return {};
    }
}

struct Change {
    const char* what;
    int page;   // index of the page that takes the input
    std::function<void(fwtest::Running&, fwtest::Session&)> make;
    std::set<int> stale;   // pages (index) whose results it changes, directly or through a recomputed block
};

std::vector<Change> changes() {
    return {
        {"P 12 kW (Tc)", 0, [](fwtest::Running& r, fwtest::Session&) { put(r, P1::IDC_P, "12"); }, {1, 5}},
        {"n0 1200 r/min (Tc)", 0, [](fwtest::Running& r, fwtest::Session&) { put(r, P1::IDC_N0, "1200"); }, {1, 5}},
        {"η 0.92 (Tc)", 0, [](fwtest::Running& r, fwtest::Session&) { put(r, P1::IDC_ETA, "0.92"); }, {1, 5}},
        {"Zc 9 (Zp, Tc)", 0, [](fwtest::Running& r, fwtest::Session&) { put(r, P1::IDC_ZC, "9"); }, {1, 3, 4, 5}},
        {"K1 0.52 by its dialog (a = K1·rp/Zp; through dfc also Dw)", 0,
         [](fwtest::Running& r, fwtest::Session& s) {
             s.onDialog(CDestCexdK1Dlg::IDD, [](fwtest::Running& d) {
                 d.type(CDestCexdK1Dlg::IDC_VALUE, "0.52");
                 d.click(IDOK);
             });
             r.click(P1::IDC_K1_BUTTON);
         },
         {1, 2, 3, 4, 5}},
        {"Rp 105 (K1, K2)", 0, [](fwtest::Running& r, fwtest::Session&) { put(r, P1::IDC_RP, "105"); },
         {1, 2, 3, 4, 5}},
        {"Rp 105 by its dialog (a = K1·rp/Zp, K2)", 0,
         [](fwtest::Running& r, fwtest::Session& s) {
             s.onDialog(CDestCexdRpDlg::IDD, [](fwtest::Running& d) {
                 d.type(CDestCexdRpDlg::IDC_VALUE, "105");
                 d.leave();
                 d.click(IDOK);
             });
             r.click(P1::IDC_RP_BUTTON);
         },
         {1, 2, 3, 4, 5}},
        {"bc by its dialog", 0,
         [](fwtest::Running& r, fwtest::Session& s) {
             s.onDialog(CDestCexdBcDlg::IDD, [](fwtest::Running& d) {
                 d.drag(CDestCexdBcDlg::IDC_SLIDER, 40);
                 d.click(IDOK);
             });
             r.click(P1::IDC_BC_BUTTON);
         },
         {1, 5}},
        {"Rrp 10.5 (K2)", 0, [](fwtest::Running& r, fwtest::Session&) { put(r, P1::IDC_RRP, "10.5"); },
         {1, 2, 3, 4, 5}},
        {"a 4.5 (K1; through dfc also Dw)", 0, [](fwtest::Running& r, fwtest::Session&) { put(r, P1::IDC_A, "4.5"); },
         {1, 2, 3, 4, 5}},
        {"bc 16", 0, [](fwtest::Running& r, fwtest::Session&) { put(r, P1::IDC_BC, "16"); }, {1, 5}},
        {"dsp 15", 1, [](fwtest::Running& r, fwtest::Session&) { put(r, P2::IDC_DSP, "15"); }, {5}},
        {"L 60 (page 2's pin deflection)", 1, [](fwtest::Running& r, fwtest::Session&) { put(r, P2::IDC_L, "60"); },
         {1, 5}},
        {"X1 3 (L = 3.5·bc)", 1, [](fwtest::Running& r, fwtest::Session&) { r.select(P2::IDC_X1, 1); }, {1, 5}},
        {"Δj 0.2 on page 3", 2,
         [](fwtest::Running& r, fwtest::Session&) {
             r.type(P3::IDC_DJ, "0.2");
             r.focus(P3::IDC_DR);
         },
         {3, 4, 5}},
        {"δ 0.12 on page 3", 2,
         [](fwtest::Running& r, fwtest::Session&) {
             r.type(P3::IDC_DELTA, "0.12");
             r.focus(P3::IDC_DR);
         },
         {3, 4, 5}},
    };
}

class CexyStagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_cexRecord = {};
        g_strCexDesignPath.clear();
        cexMadeFromRecord();
    }
    void TearDown() override {
        g_cexRecord = {};
        cexMadeFromRecord();
    }
    void run(const std::function<void(fwtest::Running&)>& script) {
        CCexyPropertySheet sheet(109, nullptr);
        g_pCexySheet = &sheet;
        sheet.SetWizardMode();
        s.onSheet([&](fwtest::Running& r) {
            script(r);
            if (!r.ended()) r.end(IDCANCEL);
        });
        sheet.DoModal();
        g_pCexySheet = nullptr;
    }
    void wholeDesign(fwtest::Running& r) {
        for (int page = 0; page <= 5; ++page) {
            if (page > 0) { ASSERT_TRUE(r.next()); }
            computeChainPage(r, s, page);
            ASSERT_EQ(statusOf(page), kComplete[page]) << page;
        }
    }
    // From the input's page to page 6: each page is stale (on the input's
    // page after the change, on a later one when it arrives) exactly when
    // the change says so, and is then computed again.
    void walk(fwtest::Running& r, const Change& c, const CexDesignRecord& before) {
        for (int page = c.page; page <= 5; ++page) {
            SCOPED_TRACE(fw::format("page %d", page + 1));
            if (page > c.page) { ASSERT_TRUE(r.next()); }
            ASSERT_EQ(r.activePage(), page);
            const bool stale = c.stale.count(page) != 0;
            if (page == 4) {
                // The rods are set up afresh for what the earlier blocks hold now.
                EXPECT_EQ(statusOf(4), kStatus5);
                EXPECT_EQ(g_cexRecord.b5.Ln != before.b5.Ln, stale) << g_cexRecord.b5.Ln;
                continue;
            }
            if (stale) {
                EXPECT_NE(statusOf(page), kComplete[page]);
                for (int id : resultFields(page)) EXPECT_EQ(r.text(id), "0") << id;
                EXPECT_FALSE(r.buttonEnabled(page < 5 ? fw::ID_WIZNEXT : fw::ID_WIZFINISH));
                computeChainPage(r, s, page);
            }
            EXPECT_EQ(statusOf(page), kComplete[page]);
        }
    }
    fwtest::Session s;
};

TEST_F(CexyStagesTest, AChangedInputMakesTheLaterPagesThatReadItStale) {
    for (const Change& c : changes()) {
        SCOPED_TRACE(c.what);
        SetUp();
        // The whole design computed; then back to the input's page.
        CexDesignRecord before;
        run([&](fwtest::Running& r) { wholeDesign(r); });
        run([&](fwtest::Running& r) {
            for (int page = 1; page <= 5; ++page) ASSERT_TRUE(r.next());
            ASSERT_EQ(statusOf(5), kStatus6);
            before = g_cexRecord;
            for (int page = 5; page > c.page; --page) ASSERT_TRUE(r.back());
            c.make(r, s);
            walk(r, c, before);
            EXPECT_TRUE(r.buttonEnabled(fw::ID_WIZFINISH));
        });
        // The change left in the record after Cancel; the next run's pages
        // take nothing made from the old values.
        SetUp();
        run([&](fwtest::Running& r) { wholeDesign(r); });
        run([&](fwtest::Running& r) {
            for (int page = 1; page <= 5; ++page) ASSERT_TRUE(r.next());
            for (int page = 5; page > c.page; --page) ASSERT_TRUE(r.back());
            c.make(r, s);
        });
        run([&](fwtest::Running& r) {
            for (int page = 1; page <= c.page; ++page) ASSERT_TRUE(r.next());
            walk(r, c, before);
        });
        EXPECT_TRUE(s.allUsed());
    }
}

// Page 6's own inputs: the material of its dialog, E and μ typed, To.
TEST_F(CexyStagesTest, PageSixsOwnInputsClearItsResults) {
    struct Case {
        const char* what;
        std::function<void(fwtest::Running&, fwtest::Session&)> make;
    };
    const Case cases[] = {
        {"σHP 1000 by the material dialog",
         [](fwtest::Running& r, fwtest::Session& s) {
             s.onDialog(CCDestPartMatDlg::IDD, [](fwtest::Running& d) {
                 d.type(CCDestPartMatDlg::IDC_SH, "1000");
                 d.leave();
                 d.click(IDOK);
             });
             r.click(P6::IDC_FETCH);
         }},
        {"E typed", [](fwtest::Running& r, fwtest::Session&) { put(r, P6::IDC_E, "210000"); }},
        {"μ typed", [](fwtest::Running& r, fwtest::Session&) { put(r, P6::IDC_MU, "0.29"); }},
        {"To typed", [](fwtest::Running& r, fwtest::Session&) { put(r, P6::IDC_TO, "700"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        run([&](fwtest::Running& r) {
            wholeDesign(r);
            ASSERT_NE(r.text(P6::IDC_SH), "0");
            c.make(r, s);
            EXPECT_NE(statusOf(5), kStatus6);
            EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZFINISH));
            for (int id : resultFields(5)) EXPECT_EQ(r.text(id), "0") << id;
            r.click(P6::IDC_CALC);
            EXPECT_EQ(statusOf(5), kStatus6);
            EXPECT_NE(r.text(P6::IDC_SH), "0");
        });
        EXPECT_TRUE(s.allUsed());
    }
}

}  // namespace

namespace {

// Page 6's first visit takes block 6 only where the record's values give
// those results again: not a design file of an older strength check (σH
// 91.20, SH 13.16 for the same drive), not results of a torque typed on the
// page, which the record does not keep.
TEST_F(CexyStagesTest, PageSixTakesOnlyTheResultsTheRecordGives) {
    auto toPageSix = [&](fwtest::Running& r) {
        for (int page = 1; page <= 5; ++page) ASSERT_TRUE(r.next());
    };
    struct Case {
        const char* what;
        std::function<void(CexDesignRecord&)> change;
        bool taken;
    };
    const Case cases[] = {
        {"the record's own results", [](CexDesignRecord&) {}, true},
        {"an older check's results",
         [](CexDesignRecord& r) {
             r.b6.sigmaH = 91.2;
             r.b6.SH = 13.16;
             r.b6.Fmax = 5504.3;
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_cexRecord = filledRecord();
        g_cexRecord.b2.pinsLeftOut = 0;
        c.change(g_cexRecord);
        cexMadeFromRecord();
        run([&](fwtest::Running& r) {
            toPageSix(r);
            EXPECT_EQ(statusOf(5) == kStatus6, c.taken);
            EXPECT_EQ(r.text(P6::IDC_SH) != "0", c.taken) << r.text(P6::IDC_SH);
            EXPECT_EQ(r.buttonEnabled(fw::ID_WIZFINISH), c.taken);
        });
    }
    // A torque typed on page 6, computed, the wizard cancelled: the next run
    // shows To from block 1 again, and not the results of the typed one.
    SetUp();
    run([&](fwtest::Running& r) { wholeDesign(r); });
    run([&](fwtest::Running& r) {
        toPageSix(r);
        put(r, P6::IDC_TO, "700");
        computeChainPage(r, s, 5);
        ASSERT_EQ(statusOf(5), kStatus6);
    });
    run([&](fwtest::Running& r) {
        toPageSix(r);
        EXPECT_EQ(r.text(P6::IDC_TO), fw::formatNumber(g_cexRecord.b1.Tc));
        EXPECT_NE(statusOf(5), kStatus6);
        EXPECT_EQ(r.text(P6::IDC_SH), "0");
    });
    EXPECT_TRUE(s.allUsed());
}

}  // namespace
