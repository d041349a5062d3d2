// The contact-factor charts (templates 2028 and 2029), run headless.
#include "worm/cw_zlo_dlg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fwtest/script.h"
#include "worm/calc/contact_chart.h"

namespace {

using fwtest::Running;
using D = CCwZloDlg;

// The text operations drawn on the chart.
std::vector<std::string> texts(const Running& d) {
    std::vector<std::string> out;
    for (const auto& op : d.canvas())
        if (op.kind == fw::DrawOp::Kind::Text) out.push_back(op.text);
    return out;
}

// The x of the vertical cross-hair line and the y of the horizontal one.
std::pair<int, int> crossHair(const Running& d) {
    std::pair<int, int> xy{-1, -1};
    for (const auto& op : d.canvas()) {
        if (op.kind != fw::DrawOp::Kind::Line) continue;
        if (op.from.x == op.to.x) xy.first = op.from.x;
        if (op.from.y == op.to.y) xy.second = op.from.y;
    }
    return xy;
}

TEST(ContactChartDialog, StartsAtThePassedRatio) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [d1a, pos] : {std::pair{0.25, 0}, {0.4, 25}, {0.55, 50}, {0.7, 50}, {nan, 0}}) {
        fwtest::Session s;
        s.onDialog(CCwZloDlg1::IDD, [pos = pos](Running& d) {
            EXPECT_EQ(d.position(D::IDC_HORZ), pos);
            EXPECT_EQ(d.position(D::IDC_VERT), 50);
            d.click(IDOK);
        });
        CCwZloDlg1 dlg;
        EXPECT_EQ(dlg.DoModal(d1a), IDOK);
        EXPECT_EQ(dlg.m_zrho, 0.0) << "OK with the thumb unmoved sets no Zρ";
    }
}

TEST(ContactChartDialog, VerticalReleaseSetsZrho) {
    for (auto [pos, zrho] : {std::pair{0, 3.4}, {25, 2.975}, {50, 2.55}, {20, 3.06}}) {
        fwtest::Session s;
        s.onDialog(CCwZloDlg2::IDD, [pos = pos](Running& d) {
            d.drag(D::IDC_VERT, pos);
            d.click(IDOK);
        });
        CCwZloDlg2 dlg;
        EXPECT_EQ(dlg.DoModal(0.4), 1);
        EXPECT_DOUBLE_EQ(dlg.m_zrho, zrho) << pos;
    }
}

TEST(ContactChartDialog, HorizontalReleaseMovesTheRatioNotItsLabel) {
    fwtest::Session s;
    s.onDialog(CCwZloDlg1::IDD, [](Running& d) {
        EXPECT_EQ(texts(d), std::vector<std::string>{"d1/a = 0.400"});
        auto [x0, y0] = crossHair(d);
        d.drag(D::IDC_HORZ, 50);
        EXPECT_EQ(texts(d), std::vector<std::string>{"d1/a = 0.400"});
        auto [x1, y1] = crossHair(d);
        EXPECT_GT(x1, x0);
        EXPECT_EQ(y1, y0);
        d.drag(D::IDC_VERT, 0);
        EXPECT_EQ(crossHair(d).second, worm::chart::kCrossY0);
        d.drag(D::IDC_HORZ, 0);
        EXPECT_EQ(crossHair(d).first, worm::chart::kCrossX0);
        d.click(IDOK);
    });
    CCwZloDlg1 dlg;
    EXPECT_EQ(dlg.DoModal(0.4), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_d1a, 0.25);
    EXPECT_DOUBLE_EQ(dlg.m_zrho, 3.4);
}

TEST(ContactChartDialog, CancelReturnsTwoAndTheCallerKeepsItsValue) {
    fwtest::Session s;
    s.onDialog(CCwZloDlg1::IDD, [](Running& d) {
        d.drag(D::IDC_VERT, 10);
        d.click(IDCANCEL);
    });
    EXPECT_FALSE(runContactChart(worm::WormType::ZK, 0.4, nullptr));
    s.onDialog(CCwZloDlg2::IDD, [](Running& d) { d.click(IDOK); });
    EXPECT_FALSE(runContactChart(worm::WormType::ZC, 0.4, nullptr)) << "unmoved: nothing taken";
    s.onDialog(CCwZloDlg2::IDD, [](Running& d) {
        d.drag(D::IDC_VERT, 25);
        d.click(IDOK);
    });
    auto z = runContactChart(worm::WormType::ZC, 0.4, nullptr);
    ASSERT_TRUE(z);
    EXPECT_DOUBLE_EQ(*z, 2.975);
    EXPECT_EQ(s.dialogsRun(), (std::vector<int>{2028, 2029, 2029}));
}

}  // namespace
