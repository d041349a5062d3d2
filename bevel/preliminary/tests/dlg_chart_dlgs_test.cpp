// The chart reading dialogs run headless: where the thumbs start, what a
// release reads, what is drawn, and which picture each input chooses.
#include <gtest/gtest.h>

#include "bevel/preliminary/a196_dlg.h"
#include "bevel/preliminary/a197_dlg.h"
#include "bevel/preliminary/a198_dlg.h"
#include "bevel/preliminary/a199_dlg.h"
#include "bevel/preliminary/c80_dlg.h"
#include "bevel/preliminary/c81_dlg.h"
#include "bevel/preliminary/yf_dlg.h"
#include "fwtest/script.h"

using fwtest::Running;

namespace {

// Runs one ratio chart at (u, z) with a script and returns its result.
template <class D>
int runRatio(fwtest::Session& s, D& dlg, double u, int z, std::function<void(Running&)> script) {
    s.onDialog(D::IDD, std::move(script));
    return dlg.DoModal(u, z);
}

TEST(PellunCharts, HorizontalThumbStartsAtTheInput) {
    // 200 × the abscissa fraction: (u − 1)/10, (u − 1)/5, (u − 1)/8.2, (u − 1)/9,
    // 7/6 − 7/6/(0.7u), 1 − 1/u; clamped to 0..200.
    struct Case { const char* name; int id; double u; int thumb; };
    const Case cases[] = {
        {"A196 u 1", CA196Dlg::IDD, 1, 0}, {"A196 u 2.5", CA196Dlg::IDD, 2.5, 30},
        {"A196 u 11", CA196Dlg::IDD, 11, 200}, {"A196 u 4e9", CA196Dlg::IDD, 4e9, 200},
        {"A198 u 1", CA198Dlg::IDD, 1, 0}, {"A197 u 1", CA197Dlg::IDD, 1, 0}, {"A199 u 1", CA199Dlg::IDD, 1, 0},
        {"C80 u 1", CC80Dlg::IDD, 1, 0}, {"C80 u 1/0.7", CC80Dlg::IDD, 1 / 0.7, 0},
        {"C80 u 2.5", CC80Dlg::IDD, 2.5, 100},  // 7/6·(1 − 1/1.75) = 0.5
        {"C81 u 1", CC81Dlg::IDD, 1, 0}, {"C81 u 10", CC81Dlg::IDD, 10, 180},
    };
    for (const auto& c : cases) {
        fwtest::Session s;
        int seen = -1;
        auto script = [&](Running& d) {
            auto& dlg = static_cast<kavrin::ChartDialog&>(d.dialog());
            seen = d.position(dlg.copy().hSlider);
            EXPECT_EQ(d.position(dlg.copy().vSlider), 200) << c.name;
            d.click(IDCANCEL);
        };
        s.onDialog(c.id, script);
        int r = 0;
        switch (c.id) {
        case CA196Dlg::IDD: { CA196Dlg d; r = d.DoModal(c.u, 20); break; }
        case CA198Dlg::IDD: { CA198Dlg d; r = d.DoModal(c.u, 20); break; }
        case CA197Dlg::IDD: { CA197Dlg d; r = d.DoModal(c.u, 20); break; }
        case CA199Dlg::IDD: { CA199Dlg d; r = d.DoModal(c.u, 20); break; }
        case CC80Dlg::IDD: { CC80Dlg d; r = d.DoModal(c.u, 20); break; }
        case CC81Dlg::IDD: { CC81Dlg d; r = d.DoModal(c.u, 20); break; }
        }
        EXPECT_EQ(r, IDCANCEL) << c.name;
        EXPECT_EQ(seen, c.thumb) << c.name;
    }
}

TEST(PellunCharts, VerticalReleaseReadsTheValue) {
    // (200 − v)·k/200 + c: the top gives k + c, the bottom c.
    struct Case { int pos; double value; };
    const Case a196[] = {{0, 0.985}, {100, 0.4925}, {200, 0}};
    for (const auto& c : a196) {
        fwtest::Session s;
        CA196Dlg dlg;
        EXPECT_EQ(runRatio(s, dlg, 2.5, 20, [&](Running& d) { d.drag(CA196Dlg::IDC_V_SLIDER, c.pos); d.click(IDOK); }), IDOK);
        EXPECT_DOUBLE_EQ(dlg.m_value, c.value) << c.pos;
    }
    {
        fwtest::Session s;
        CC81Dlg dlg;
        runRatio(s, dlg, 2.5, 20, [](Running& d) { d.drag(CC81Dlg::IDC_V_SLIDER, 0); d.click(IDOK); });
        EXPECT_NEAR(dlg.m_value, 0.24, 1e-15);
    }
    {
        fwtest::Session s;
        CC80Dlg dlg;
        runRatio(s, dlg, 2.5, 20, [](Running& d) { d.drag(CC80Dlg::IDC_V_SLIDER, 200); d.click(IDOK); });
        EXPECT_DOUBLE_EQ(dlg.m_value, -0.01);
    }
    {
        fwtest::Session s;
        CYfDlg dlg;
        s.onDialog(CYfDlg::IDD, [](Running& d) { d.drag(CYfDlg::IDC_V_SLIDER, 0); d.click(IDOK); });
        EXPECT_EQ(dlg.DoModal(0.5, 20, 40, 0.3), IDOK);
        EXPECT_NEAR(dlg.m_value, 4.1, 1e-15);
    }
}

TEST(PellunCharts, OkAtOnceReadsNothingAndCancelIsCancel) {
    fwtest::Session s;
    CYfDlg yf;
    s.onDialog(CYfDlg::IDD, [](Running& d) { d.click(IDOK); });
    EXPECT_EQ(yf.DoModal(0.7, 35, 39.19, 0.33), IDOK);
    EXPECT_EQ(yf.m_value, 0);  // not 1.85, where the thumb starts
    CC80Dlg c80;
    EXPECT_EQ(runRatio(s, c80, 2.5, 20, [](Running& d) { d.drag(CC80Dlg::IDC_V_SLIDER, 50); d.click(IDCANCEL); }),
              IDCANCEL);
}

TEST(PellunCharts, ReleaseDrawsChartLabelsAndCrossHair) {
    fwtest::Session s;
    CA196Dlg dlg;
    runRatio(s, dlg, 2.5, 20, [](Running& d) {
        d.drag(CA196Dlg::IDC_V_SLIDER, 100);
        const auto& ops = d.canvas();
        // The paint, then what the release drew on top: picture, two labels, two lines.
        ASSERT_GE(ops.size(), 5u);
        const auto* o = &ops[ops.size() - 5];
        EXPECT_EQ(o[0].kind, fw::DrawOp::Kind::Bitmap);
        EXPECT_EQ(o[0].bitmap, 3009);
        EXPECT_EQ(o[0].from, (fw::Point{44, 58}));
        EXPECT_EQ(o[0].clip, (fw::Rect{44, 58, 474, 415}));
        EXPECT_EQ(o[1].text, "u=2.50");
        EXPECT_EQ(o[1].from, (fw::Point{114, 415 - 48}));
        EXPECT_EQ(o[2].text, "Z=20");
        EXPECT_EQ(o[2].from, (fw::Point{114, 415 - 65}));
        // u 2.5 → thumb 30 → X = trunc(30·430/200 + 44) = 108; v 100 → Y = trunc(100·357/200 + 58) = 236.
        EXPECT_EQ(o[3].kind, fw::DrawOp::Kind::Line);
        EXPECT_EQ(o[3].from, (fw::Point{108, 415}));
        EXPECT_EQ(o[3].to, (fw::Point{108, 58}));
        EXPECT_EQ(o[4].from, (fw::Point{44, 236}));
        EXPECT_EQ(o[4].to, (fw::Point{474, 236}));
        d.click(IDOK);
    });
}

// The vertical line of the last paint.
int paintedX(const std::vector<fw::DrawOp>& ops) {
    for (const auto& op : ops)
        if (op.kind == fw::DrawOp::Kind::Line && op.from.x == op.to.x) return op.from.x;
    return -1;
}

TEST(PellunCharts, RepaintFollowsTheThumbOrTheInput) {
    fwtest::Session s;
    CA196Dlg a196;  // follows the thumb
    runRatio(s, a196, 2.5, 20, [](Running& d) {
        d.drag(CA196Dlg::IDC_H_SLIDER, 100);
        d.dialog().invalidate();
        EXPECT_EQ(paintedX(d.canvas()), 44 + 215);  // trunc(100·430/200 + 44)
        d.click(IDOK);
    });
    CA197Dlg a197;  // keeps the input: (2.5 − 1)/8.2 of the box 42..477
    runRatio(s, a197, 2.5, 20, [](Running& d) {
        d.drag(CA197Dlg::IDC_H_SLIDER, 100);
        d.dialog().invalidate();
        EXPECT_EQ(paintedX(d.canvas()), static_cast<int>(200 * (1.5 / 8.2) * 435 / 200 + 42));
        EXPECT_EQ(d.position(CA197Dlg::IDC_H_SLIDER), 100);
        d.click(IDOK);
    });
    CA198Dlg huge;  // an input far off the chart is painted at the client edge
    runRatio(s, huge, 4e9, 1, [](Running& d) {
        EXPECT_EQ(paintedX(d.canvas()), 494);
        d.click(IDOK);
    });
}

TEST(PellunCharts, PictureChoice) {
    struct Z { int z1; int bitmap; };
    for (Z c : {Z{10, 3032}, Z{11, 3022}, Z{14, 3025}, Z{15, 3026}, Z{17, 3026}, Z{18, 3027}, Z{20, 3028},
                Z{39, 3031}, Z{40, 3021}}) {
        fwtest::Session s;
        CA199Dlg dlg;
        runRatio(s, dlg, 2, c.z1, [](Running& d) { d.click(IDOK); });
        EXPECT_EQ(dlg.m_bitmapId, c.bitmap) << c.z1;
    }
    struct B { double beta; int bitmap; };
    // Above 35° (the field takes up to 60°) the nearest chart, 3033; below 0, 3038.
    for (B c : {B{0, 3038}, B{15, 3034}, B{15.01, 3035}, B{20, 3035}, B{25, 3036}, B{30, 3037}, B{35, 3033},
                B{40, 3033}, B{-1, 3038}}) {
        fwtest::Session s;
        CYfDlg dlg;
        s.onDialog(CYfDlg::IDD, [](Running& d) { d.click(IDOK); });
        dlg.DoModal(0.5, c.beta, 20, 0);
        EXPECT_EQ(dlg.m_bitmapId, c.bitmap) << c.beta;
    }
}

TEST(PellunCharts, FormFactorChartLabels) {
    fwtest::Session s;
    CYfDlg dlg;
    s.onDialog(CYfDlg::IDD, [](Running& d) {
        EXPECT_EQ(d.position(CYfDlg::IDC_H_SLIDER), 140);  // trunc(200 · 0.702219)
        const auto& ops = d.canvas();
        std::vector<std::string> texts;
        for (const auto& op : ops)
            if (op.kind == fw::DrawOp::Kind::Text) texts.push_back(op.text);
        EXPECT_EQ(texts, (std::vector<std::string>{"χ1=0.33", "Zv=39.19"}));
        d.click(IDOK);
    });
    dlg.DoModal(0.702219, 35, 39.189113, 0.3276);
    EXPECT_EQ(dlg.m_bitmapId, 3033);
}

}  // namespace
