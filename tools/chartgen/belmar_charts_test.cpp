// The cycloidal bevel chart pictures meet the dialogs' cross lines where the
// charts say: C85's curves and C86's region boundaries, in picture pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "bevel/geometry/calc/aol_scales.h"
#include "chart_svg.h"

namespace {

// Distance of a point from a polyline, pixels.
double distance(const std::vector<std::pair<double, double>>& pts, double x, double y) {
    double best = 1e9;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        const auto [ax, ay] = pts[i - 1];
        const auto [bx, by] = pts[i];
        const double dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
        double t = l2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / l2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        best = std::min(best, std::hypot(ax + t * dx - x, ay + t * dy - y));
    }
    return best;
}

}  // namespace

TEST(BelmarCharts, C85LinesCrossOnTheCurveOfTheirHead) {
    // Rp 144.6 and βp' 37.47° lie on the Rb 88 curve (88/sin 37.47° = 144.65).
    // Positions: βp' trunc(400/17·8.47) = 199 → x = 44 + 199·229/400 = 157;
    // Rp 400 − trunc(242.6…) = 157 → y = 17 + 157·294/400 = 132 (client pixels).
    namespace aol = bevel::aol;
    const int x = aol::headPixel(44, aol::betaP1Position(37.47), aol::kC85Width);
    const int y = aol::headPixel(17, aol::rpPosition(144.6), aol::kC85Height);
    EXPECT_EQ(x, 157);
    EXPECT_EQ(y, 132);
    EXPECT_LE(distance(chartgen::c85Curve(88), x - 44, y - 17), 1.0);
    // The neighbouring heads lie well away from that crossing.
    EXPECT_GT(distance(chartgen::c85Curve(78), x - 44, y - 17), 5.0);
    EXPECT_GT(distance(chartgen::c85Curve(98), x - 44, y - 17), 5.0);
}

TEST(BelmarCharts, EveryPictureHasItsBox) {
    const std::pair<int, std::pair<int, int>> sizes[] = {
        {4021, {229, 294}}, {4022, {228, 246}}, {4025, {252, 371}}, {4026, {250, 371}}, {4027, {252, 371}}};
    const auto svgs = chartgen::belmarSvgs();
    for (const auto& [id, wh] : sizes) {
        bool found = false;
        for (const auto& [sid, text] : svgs) {
            if (sid != id) continue;
            found = true;
            const std::string head = "width=\"" + std::to_string(wh.first) + "\" height=\"" + std::to_string(wh.second) + "\"";
            EXPECT_NE(text.find(head), std::string::npos) << id;
        }
        EXPECT_TRUE(found) << id;
    }
    // C85 names every head, C86 every blade button.
    const std::string c85 = svgs[0].second, c86 = svgs[1].second;
    for (const char* rb : {"Rb=39", "Rb=88", "Rb=125"}) EXPECT_NE(c85.find(rb), std::string::npos) << rb;
    for (const char* b : {"1号", "1、2号", "2、3号", "3、4号", "4、5号", "5号"}) EXPECT_NE(c86.find(b), std::string::npos) << b;
}
