#include "common/calc/chart_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kavrin::chart;

TEST(ChartScale, FormFactorAbscissaRunsFromZv12To1000) {
    EXPECT_NEAR(fractionYf(12), 0, 1e-15);
    EXPECT_NEAR(fractionYf(1000), 1, 1e-15);
    // Z1 20, i 2.5, βm 35°: Zv 39.189113 lies at 0.702219 (worked by hand).
    EXPECT_NEAR(fractionYf(39.189113), 0.702219, 1e-6);
}

TEST(ChartScale, ThumbIsClampedBeforeItBecomesAnInteger) {
    EXPECT_EQ(thumbOf(0.15), 30);
    EXPECT_EQ(thumbOf(0.999), 199);
    EXPECT_EQ(thumbOf(-0.3), 0);
    EXPECT_EQ(thumbOf(4e8), 200);  // u = 4·10⁹ on a (u − 1)/10 scale
    EXPECT_EQ(thumbOf(std::numeric_limits<double>::infinity()), 200);
    EXPECT_EQ(thumbOf(std::nan("")), 0);
    EXPECT_EQ(inputPixel(4e8, 42, 477, 494), 494);
    EXPECT_EQ(inputPixel(-5, 42, 477, 494), 0);
    EXPECT_EQ(inputPixel(0.5, 42, 477, 494), 259);  // 100·435/200 + 42 = 259.5
}

TEST(ChartScale, ValueAndPositionAreInverse) {
    EXPECT_DOUBLE_EQ(valueAt(100, 0.985, 0), 0.4925);
    EXPECT_DOUBLE_EQ(valueAt(200, 0.12, -0.01), -0.01);
    for (double v : {1.85, 2.0, 2.957, 4.1}) EXPECT_NEAR(valueAt(static_cast<int>(std::lround(positionOf(v, 2.2499999999999996, 1.85))), 2.2499999999999996, 1.85), v, 2.25 / 200 / 2 + 1e-12);
    EXPECT_EQ(pixelOf(100, 58, 415), 236);
}

TEST(ChartScale, PictureBands) {
    const int z1[] = {1, 10, 11, 12, 13, 14, 15, 17, 18, 19, 20, 24, 25, 29, 30, 34, 35, 39, 40, 400};
    const int band[] = {0, 0, 1, 2, 3, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11};
    for (std::size_t n = 0; n < std::size(z1); ++n) EXPECT_EQ(bandA199(z1[n]), band[n]) << z1[n];
    const double beta[] = {-1, 0, 0.01, 15, 15.01, 20, 20.5, 25, 30, 30.5, 35, 60};
    const int yband[] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 5, 5, 5};
    for (std::size_t n = 0; n < std::size(beta); ++n) EXPECT_EQ(bandYf(beta[n]), yband[n]) << beta[n];
}

#include "common/calc/chart_curves.h"

TEST(ChartCurves, FormFactorMeetsThePublishedTable) {
    // x = 0: the published YFa 2.97, 2.80, 2.52, 2.40, 2.18 at Zv 17, 20, 30, 40, 100 and 2.06 for a rack.
    struct Case { double zn, yfa; };
    for (Case c : {Case{17, 2.97}, Case{20, 2.80}, Case{30, 2.52}, Case{40, 2.40}, Case{100, 2.18}, Case{1e6, 2.06}}) {
        auto y = formFactorAtTip(c.zn, 0);
        ASSERT_TRUE(y) << c.zn;
        EXPECT_NEAR(*y, c.yfa, 0.02) << c.zn;
    }
    EXPECT_TRUE(undercut(16, 0));
    EXPECT_FALSE(undercut(18, 0));
    EXPECT_TRUE(pointedTip(13, 0.9));
    EXPECT_FALSE(pointedTip(13.6, 0.9));
    EXPECT_TRUE(pointedTip(15, 1.0));
    EXPECT_FALSE(pointedTip(15.5, 1.0));
}

TEST(ChartCurves, EnimsRules) {
    EXPECT_NEAR(enimsStraightRadial(2, 20), 0.335, 5e-4);
    EXPECT_NEAR(enimsStraightRadial(4, 12), 0.541, 5e-4);
    EXPECT_EQ(enimsStraightTangential(2.4), 0);
    EXPECT_NEAR(enimsStraightTangential(5), 0.05, 1e-12);
    EXPECT_NEAR(enimsCurvedTangential(10), 0.185, 1e-12);
}
