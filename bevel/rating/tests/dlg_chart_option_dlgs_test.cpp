// The rating's own chart and option dialogs run headless: where the chart
// thumbs start (clamped), what a release reads and draws, the arrangement and
// grade choices, the cutter diameter factor rules, and the three dialogs the
// rating shares with the preliminary design as built into Sirrow.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "bevel/rating/sirrow_chart_dlgs.h"
#include "bevel/rating/sirrow_kbita_dlg.h"
#include "bevel/rating/sirrow_wkbita_dlg.h"
#include "bevel/rating/sirrow_wyf_dlg.h"
#include "bevel/rating/sirrow_option_dlgs.h"
#include "fwtest/script.h"
#include "resources/sirrow/module.h"

using fwtest::Running;

namespace {

// ---- the two charts ---------------------------------------------------------

TEST(SirrowCharts, HorizontalThumbStartsAtTheInputClamped) {
    // 200·βm/45 and (εα − 1)·200, clamped to 0..200 before the conversion.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case { const char* name; bool zeta; double input; int thumb; };
    const Case cases[] = {
        {"βm 35°", false, 35, 155}, {"βm 0", false, 0, 0}, {"βm 45°", false, 45, 200},
        {"βm 1e300", false, 1e300, 200}, {"βm NaN", false, nan, 0}, {"βm −10", false, -10, 0},
        {"εα 1.6", true, 1.6, 120}, {"εα 1", true, 1, 0}, {"εα 2", true, 2, 200},
        {"εα 1e300", true, 1e300, 200}, {"εα NaN", true, nan, 0}, {"εα 0.5", true, 0.5, 0},
    };
    for (const auto& c : cases) {
        fwtest::Session s;
        int h = -1, v = -1;
        auto script = [&](Running& d) {
            auto& dlg = static_cast<kavrin::ChartDialog&>(d.dialog());
            h = d.position(dlg.copy().hSlider);
            v = d.position(dlg.copy().vSlider);
            d.click(IDCANCEL);
        };
        int r = 0;
        if (c.zeta) {
            s.onDialog(CSirrowZetaDlg::IDD, script);
            CSirrowZetaDlg dlg;
            r = dlg.DoModal(c.input, 2.0);
        } else {
            s.onDialog(CSirrowC97Dlg::IDD, script);
            CSirrowC97Dlg dlg;
            r = dlg.DoModal(c.input);
        }
        EXPECT_EQ(r, IDCANCEL) << c.name;
        EXPECT_EQ(h, c.thumb) << c.name;
        EXPECT_EQ(v, 200) << c.name;
    }
}

TEST(SirrowCharts, VerticalReleaseReadsTheValue) {
    // ZH = 1.7 + 0.9·(200 − p)/200, Zε = 0.7 + 0.3·(200 − p)/200.
    struct Case { int pos; double zh, ze; };
    for (Case c : {Case{0, 2.6, 1.0}, Case{200, 1.7, 0.7}, Case{100, 2.15, 0.85}}) {
        fwtest::Session s;
        CSirrowC97Dlg c97;
        s.onDialog(CSirrowC97Dlg::IDD, [&](Running& d) { d.drag(CSirrowC97Dlg::IDC_V_SLIDER, c.pos); d.click(IDOK); });
        EXPECT_EQ(c97.DoModal(35), IDOK);
        EXPECT_NEAR(c97.m_value, c.zh, 1e-12) << c.pos;
        CSirrowZetaDlg zeta;
        s.onDialog(CSirrowZetaDlg::IDD, [&](Running& d) { d.drag(CSirrowZetaDlg::IDC_V_SLIDER, c.pos); d.click(IDOK); });
        EXPECT_EQ(zeta.DoModal(1.6, 2.0), IDOK);
        EXPECT_NEAR(zeta.m_value, c.ze, 1e-12) << c.pos;
    }
}

TEST(SirrowCharts, OkBeforeAnyReleaseGivesZeroAndTheHorizontalThumbChangesNoValue) {
    fwtest::Session s;
    CSirrowC97Dlg c97;
    s.onDialog(CSirrowC97Dlg::IDD, [](Running& d) {
        d.drag(CSirrowC97Dlg::IDC_H_SLIDER, 40);
        EXPECT_EQ(d.position(CSirrowC97Dlg::IDC_H_SLIDER), 40);
        d.click(IDOK);
    });
    EXPECT_EQ(c97.DoModal(35), IDOK);
    EXPECT_EQ(c97.m_value, 0);
    EXPECT_EQ(c97.m_dBetaM, 35);
    CSirrowZetaDlg zeta;
    s.onDialog(CSirrowZetaDlg::IDD, [](Running& d) { d.click(IDOK); });
    EXPECT_EQ(zeta.DoModal(1.6, 2.0), IDOK);
    EXPECT_EQ(zeta.m_value, 0);
}

TEST(SirrowCharts, ReleaseDrawsChartLabelsAndCrossHair) {
    // C97: 330 × 296 dialog units at 9 points = 495 × 444 px; box 47..477 × 20..380.
    // βm 35 → thumb 155 → x = trunc(155·430/200 + 47) = 380; v 100 → y = trunc(100·360/200 + 20) = 200.
    {
        fwtest::Session s;
        CSirrowC97Dlg dlg;
        s.onDialog(CSirrowC97Dlg::IDD, [](Running& d) {
            d.drag(CSirrowC97Dlg::IDC_V_SLIDER, 100);
            const auto& ops = d.canvas();
            ASSERT_GE(ops.size(), 4u);
            const auto* o = &ops[ops.size() - 4];
            EXPECT_EQ(o[0].kind, fw::DrawOp::Kind::Bitmap);
            EXPECT_EQ(o[0].bitmap, 9003);
            EXPECT_EQ(o[0].from, (fw::Point{47, 20}));
            EXPECT_EQ(o[0].clip, (fw::Rect{47, 20, 477, 380}));
            EXPECT_EQ(o[1].text, "βm=35.00°");
            EXPECT_EQ(o[1].from, (fw::Point{117, 332}));
            EXPECT_EQ(o[2].from, (fw::Point{380, 380}));
            EXPECT_EQ(o[2].to, (fw::Point{380, 20}));
            EXPECT_EQ(o[3].from, (fw::Point{47, 200}));
            EXPECT_EQ(o[3].to, (fw::Point{477, 200}));
            d.click(IDOK);
        });
        dlg.DoModal(35);
    }
    // Zε: 356 × 323 at 9 points = 534 × 485 px; box 74..504 × 25..386.
    // εα 1.6 → 120 → x = 258 + 74 = 332; v 100 → y = trunc(180.5 + 25) = 205.
    {
        fwtest::Session s;
        CSirrowZetaDlg dlg;
        s.onDialog(CSirrowZetaDlg::IDD, [](Running& d) {
            EXPECT_EQ(d.bitmap(CSirrowZetaDlg::IDC_PICTURE), 9024);
            d.drag(CSirrowZetaDlg::IDC_V_SLIDER, 100);
            const auto& ops = d.canvas();
            ASSERT_GE(ops.size(), 5u);
            const auto* o = &ops[ops.size() - 5];
            EXPECT_EQ(o[0].bitmap, 9026);
            EXPECT_EQ(o[0].from, (fw::Point{74, 25}));
            EXPECT_EQ(o[0].clip, (fw::Rect{74, 25, 504, 386}));
            EXPECT_EQ(o[1].text, "εα=1.60");
            EXPECT_EQ(o[1].from, (fw::Point{144, 338}));
            EXPECT_EQ(o[2].text, "εβ=2.00");
            EXPECT_EQ(o[2].from, (fw::Point{144, 354}));
            EXPECT_EQ(o[3].from, (fw::Point{332, 386}));
            EXPECT_EQ(o[3].to, (fw::Point{332, 25}));
            EXPECT_EQ(o[4].from, (fw::Point{74, 205}));
            EXPECT_EQ(o[4].to, (fw::Point{504, 205}));
            // The horizontal thumb moves only the cross-hair.
            d.drag(CSirrowZetaDlg::IDC_H_SLIDER, 0);
            const auto& after = d.canvas();
            EXPECT_EQ(after.back().from, (fw::Point{74, 386}));
            d.click(IDOK);
        });
        dlg.DoModal(1.6, 2.0);
        EXPECT_NEAR(dlg.m_value, 0.85, 1e-12);
    }
}

// ---- arrangement and grade ----------------------------------------------------

TEST(SirrowOptions, ArrangementButtonsChooseAndOkCloses) {
    using D = CSirrowDTypeDlg;
    fwtest::Session s;
    D dlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_EQ(d.focused(), D::IDC_DTYPE1);
        auto& self = static_cast<D&>(d.dialog());
        EXPECT_EQ(self.m_nDType, 0);
        EXPECT_EQ(self.button(D::IDC_DTYPE2).images().up, D::IDB_DTYPE2U);
        EXPECT_EQ(self.button(D::IDC_DTYPE2).images().focus, D::IDB_DTYPE2F);
        const int expect[] = {1, 2, 0, 2};
        const int ids[] = {D::IDC_DTYPE2, D::IDC_DTYPE3, D::IDC_DTYPE1, D::IDC_DTYPE3};
        for (int n = 0; n < 4; ++n) {
            d.click(ids[n]);
            EXPECT_FALSE(d.ended());
            EXPECT_EQ(self.m_nDType, expect[n]);
        }
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nDType, 2);
}

TEST(SirrowOptions, GradeOpensOnFiveAndStoresTheIndex) {
    using D = CSirrowPreciDlg;
    for (int n = 0; n < 5; ++n) {
        fwtest::Session s;
        D dlg;
        s.onDialog(D::IDD, [n](Running& d) {
            EXPECT_EQ(d.selection(D::IDC_GRADE), 0);
            EXPECT_EQ(d.text(D::IDC_GRADE), "5级");
            EXPECT_EQ(d.items(D::IDC_GRADE), (std::vector<std::string>{"5级", "6级", "7级", "8级", "9级"}));
            d.select(D::IDC_GRADE, n);
            d.click(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_nPrecision, n);
    }
}

// ---- cutter diameter factor ---------------------------------------------------

TEST(SirrowOptions, CutterFactorRules) {
    using D = CSirrowY0Dlg;
    // Ratio D0·cos βm/b by hand: 150·0.819152/30 = 4.0958, /22 = 5.5851, /20 = 6.1436.
    struct Case { const char* name; double b; const char* d0; double ratio, y0; };
    const Case cases[] = {
        {"ratio 4.096", 30, "150", 4.0958, 0.9},
        {"ratio 5.585", 22, "150", 5.5851, 0.95},
        {"ratio above 6", 20, "150", 6.1436, 1.0},
        {"D0 0", 30, "0", 0, 1.0},
        {"D0 negative", 30, "-5", 0, 1.0},
    };
    for (const auto& c : cases) {
        fwtest::Session s;
        D dlg;
        s.onDialog(D::IDD, [&](Running& d) {
            EXPECT_FALSE(d.enabled(D::IDC_D0)) << c.name;
            EXPECT_EQ(d.text(D::IDC_Y0), "1") << c.name;
            d.click(D::IDC_CURVED);
            EXPECT_TRUE(d.enabled(D::IDC_D0)) << c.name;
            EXPECT_TRUE(d.checked(D::IDC_D0_GIVEN)) << c.name;
            d.type(D::IDC_D0, c.d0);
            d.leave();
            d.click(IDOK);
        });
        ASSERT_EQ(dlg.DoModal(35, c.b), IDOK) << c.name;
        EXPECT_NEAR(dlg.m_dRatio, c.ratio, 5e-5) << c.name;
        EXPECT_DOUBLE_EQ(dlg.m_dY0, c.y0) << c.name;
    }
}

TEST(SirrowOptions, CutterFactorModesAndStraightTeeth) {
    using D = CSirrowY0Dlg;
    fwtest::Session s;
    D dlg;
    s.onDialog(D::IDD, [](Running& d) {
        auto& self = static_cast<D&>(d.dialog());
        d.click(D::IDC_CURVED);
        d.type(D::IDC_D0, "150");
        d.leave();
        EXPECT_DOUBLE_EQ(self.m_dY0, 0.9);
        // D0 not known: D0 and ratio 0, Y0 1.0, the edit disabled.
        d.click(D::IDC_D0_UNKNOWN);
        EXPECT_EQ(self.m_dD0, 0);
        EXPECT_EQ(self.m_dRatio, 0);
        EXPECT_EQ(self.m_dY0, 1.0);
        EXPECT_FALSE(d.enabled(D::IDC_D0));
        // Given again: the curved-tooth rule with D0 0 keeps 1.0.
        d.click(D::IDC_D0_GIVEN);
        EXPECT_TRUE(d.enabled(D::IDC_D0));
        EXPECT_EQ(self.m_dY0, 1.0);
        d.type(D::IDC_D0, "150");
        d.leave();
        EXPECT_DOUBLE_EQ(self.m_dY0, 0.9);
        // Straight teeth after a D0: 1.15; passing through the unchanged D0
        // edit afterwards keeps it; a D0 edited with straight teeth: 1.0.
        d.click(D::IDC_STRAIGHT);
        EXPECT_EQ(self.m_dY0, 1.15);
        EXPECT_EQ(d.text(D::IDC_Y0), "1.15");
        d.focus(D::IDC_D0);
        d.leave();
        EXPECT_EQ(self.m_dY0, 1.15);
        d.type(D::IDC_D0, "160");
        d.leave();
        EXPECT_EQ(self.m_dY0, 1.0);
        // Given with straight teeth: D0 and ratio cleared.
        d.click(D::IDC_D0_GIVEN);
        EXPECT_EQ(self.m_dD0, 0);
        EXPECT_EQ(self.m_dY0, 1.0);
        d.click(D::IDC_STRAIGHT);
        d.click(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(35, 30), IDOK);
    EXPECT_EQ(dlg.m_dY0, 1.15);
    EXPECT_EQ(dlg.m_nToothType, 0);
}

// ---- help contexts and the shared dialogs -------------------------------------

// The page the help viewer's context map gives a number.
std::string pageOf(std::uintptr_t number) {
    std::ifstream in(std::filesystem::path(KAVRIN_SOURCE_DIR) / "help" / "pages" / "context-map.txt");
    std::string line;
    while (std::getline(in, line)) {
        std::stringstream ls(line);
        std::string n, page;
        if (!(ls >> n) || n[0] == '#' || !(ls >> page)) continue;
        std::uintptr_t sum = 0;
        std::stringstream terms(n);
        for (std::string t; std::getline(terms, t, '+');) sum += std::strtoul(t.c_str(), nullptr, 0);
        if (sum == number) return page;
    }
    return {};
}

template <class D>
void expectHelp(fwtest::Session& s, D& dlg, const char* page) {
    const std::size_t before = s.helpCalls().size();
    dlg.OnHelp();
    ASSERT_EQ(s.helpCalls().size(), before + 1) << D::IDD;
    EXPECT_EQ(s.helpCalls().back().data, 0x20000u + D::IDD) << D::IDD;
    EXPECT_EQ(pageOf(0x20000u + D::IDD), page) << D::IDD;
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(KAVRIN_SOURCE_DIR) / "help" / "pages" / page));
}

TEST(SirrowOptions, EachDialogAsksForItsOwnHelpContext) {
    fwtest::Session s;
    const char* page = "SirrowFactorDlgs.htm";
    CSirrowC97Dlg c97;
    expectHelp(s, c97, page);
    CSirrowZetaDlg zeta;
    expectHelp(s, zeta, page);
    CSirrowDTypeDlg dtype;
    expectHelp(s, dtype, page);
    CSirrowPreciDlg preci;
    expectHelp(s, preci, page);
    CSirrowY0Dlg y0;
    expectHelp(s, y0, page);
}

TEST(SirrowOptions, SharedChartAndTablesOpenFromTheSirrowModule) {
    // Beside the copy table of the factor dialogs: the form factor chart and
    // the two face load tables, each with its own template and caption.
    struct Row { int id; const char* caption; };
    for (Row r : {Row{CSirrowWyfDlg::IDD, "《Ondrel》 Kavrin 无切向变位的齿形系数"},
                  Row{CSirrowKbitaDlg::IDD, "《Ondrel》Kavrin 圆锥齿轮接触强度的齿向负载分布系数"},
                  Row{CSirrowWkbitaDlg::IDD, "《Ondrel》 Kavrin 圆锥齿轮的弯曲强度齿向负载分布系数"}}) {
        const fw::DialogTemplate* t = sirrow::module().dialog(r.id);
        ASSERT_NE(t, nullptr) << r.id;
        EXPECT_EQ(t->caption, r.caption) << r.id;
        EXPECT_EQ(t->id, r.id);
    }
    {
        fwtest::Session s;
        CSirrowWyfDlg dlg;
        s.onDialog(CSirrowWyfDlg::IDD, [](Running& d) {
            EXPECT_EQ(d.caption(), "《Ondrel》 Kavrin 无切向变位的齿形系数");
            EXPECT_EQ(d.position(CSirrowWyfDlg::IDC_H_SLIDER), 140);  // trunc(200 · 0.702219)
            d.drag(CSirrowWyfDlg::IDC_V_SLIDER, 0);
            d.click(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(0.702219, 35, 39.19, 0.33), IDOK);
        EXPECT_NEAR(dlg.m_value, 4.1, 1e-12);
        EXPECT_EQ(dlg.m_bitmapId, 9040);
    }
    auto runTable = [](auto& dlg, const char* caption) {
        using D = std::remove_reference_t<decltype(dlg)>;
        fwtest::Session s;
        double expected = -1;
        s.onDialog(D::IDD, [&](Running& d) {
            EXPECT_EQ(d.caption(), caption);
            d.click(D::IDC_FIRST_COLUMN);
            const auto items = d.items(D::IDC_FIRST_LIST);
            ASSERT_FALSE(items.empty());
            expected = std::strtod(items[0].c_str(), nullptr);
            d.select(D::IDC_FIRST_LIST, 0);
            d.click(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_GT(expected, 0);
        EXPECT_DOUBLE_EQ(dlg.m_value, expected);
        // F1 asks for 0x20000 plus the template id.
        EXPECT_EQ(dlg.helpContext(), 0x20000u + D::IDD);
        EXPECT_EQ(pageOf(dlg.helpContext()), "ConChartDlg.htm");  // the page they have
    };
    CSirrowKbitaDlg kh;
    runTable(kh, "《Ondrel》Kavrin 圆锥齿轮接触强度的齿向负载分布系数");
    CSirrowWkbitaDlg kf;
    runTable(kf, "《Ondrel》 Kavrin 圆锥齿轮的弯曲强度齿向负载分布系数");
}

}  // namespace
