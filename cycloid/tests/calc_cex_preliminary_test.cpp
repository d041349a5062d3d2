// Page 1's calculations: torque, bands, ranges, the eccentricity series and
// the slider mappings. Expected values are worked out by hand from the
// formulas (π = 3.141592654).
#include <gtest/gtest.h>

#include "cycloid/calc/cex_preliminary.h"

using namespace cycloid;

TEST(CexPreliminary, OutputTorque) {
    // 9549 · 10 · 11 · 0.9 / 1500 = 945351 / 1500
    EXPECT_NEAR(outputTorque(10, 11, 0.9, 1500), 630.234, 1e-9);
}

TEST(CexPreliminary, BandsAndTheirLastBand) {
    struct Row {
        unsigned z;
        double k1lo, k1hi, k2lo, k2hi;
    } rows[] = {
        {9, 0.42, 0.55, 2.85, 3.85},  {11, 0.42, 0.55, 2.85, 3.85}, {12, 0.48, 0.74, 2.85, 3.85},
        {13, 0.48, 0.74, 2.0, 2.8},   {23, 0.48, 0.74, 2.0, 2.8},   {24, 0.65, 0.9, 2.0, 2.8},
        {25, 0.65, 0.9, 1.25, 2.0},   {59, 0.65, 0.9, 1.0, 1.6},    {60, 0.75, 0.9, 1.0, 1.6},
        {61, 0.75, 0.9, 0.99, 1.5},   {87, 0.75, 0.9, 0.99, 1.5},   {89, 0.75, 0.9, 0.99, 1.5},
        {90, 0.75, 0.9, 0.99, 1.5},   {1000, 0.75, 0.9, 0.99, 1.5},
    };
    for (const Row& r : rows) {
        EXPECT_DOUBLE_EQ(k1Band(r.z).low, r.k1lo) << r.z;
        EXPECT_DOUBLE_EQ(k1Band(r.z).high, r.k1hi) << r.z;
        EXPECT_DOUBLE_EQ(k2Band(r.z).low, r.k2lo) << r.z;
        EXPECT_DOUBLE_EQ(k2Band(r.z).high, r.k2hi) << r.z;
    }
}

TEST(CexPreliminary, PinCircleRange) {
    // c = 630234^(1/3) = 85.73680
    EXPECT_NEAR(rpBase(630.234), 85.73680, 1e-5);
    Band r = rpRange(630.234);
    EXPECT_NEAR(r.low, 72.87628, 1e-5);
    EXPECT_NEAR(r.high, 111.45784, 1e-5);
}

TEST(CexPreliminary, PinCoefficientBothWays) {
    // sin(15°) · 100 / 10
    EXPECT_NEAR(pinCoefficient(12, 100, 10), 2.588190, 1e-6);
    EXPECT_NEAR(pinSleeveRadius(12, 100, 2.588190451), 10, 1e-8);
}

TEST(CexPreliminary, EccentricitySeries) {
    struct Row {
        double a, lower, upper;
    } rows[] = {{2.2, 2, 2.5}, {2, 2, 2.5}, {0.65, 0.65, 0.75}, {12.9, 11, 13}, {9, 9, 11}, {4.1666, 4, 4.5}};
    for (const Row& r : rows) {
        auto n = eccentricityNeighbours(r.a);
        ASSERT_TRUE(n) << r.a;
        EXPECT_DOUBLE_EQ(n->lower, r.lower) << r.a;
        EXPECT_DOUBLE_EQ(n->upper, r.upper) << r.a;
    }
    EXPECT_FALSE(eccentricityNeighbours(0.6));
    EXPECT_FALSE(eccentricityNeighbours(13));
    EXPECT_TRUE(betweenStandardEccentricities(2.2));
    EXPECT_FALSE(betweenStandardEccentricities(2));
    EXPECT_FALSE(betweenStandardEccentricities(13));
}

TEST(CexPreliminary, SliderMappings) {
    EXPECT_DOUBLE_EQ(valueFromPosition({0.9, 0.95}, 25), 0.925);
    EXPECT_DOUBLE_EQ(valueFromPosition({0.9, 0.95}, 0), 0.9);
    EXPECT_EQ(positionFromValue({0.9, 0.95}, 0.925), 25);
    EXPECT_EQ(positionFromValue({0.9, 0.95}, 0.97), 50);   // kept within the trackbar
    EXPECT_EQ(positionFromValue({0.9, 0.95}, 0.8), 0);
    EXPECT_EQ(positionFromValue({0.9, 0.99}, 0.97), 38);   // 50 · 0.07 / 0.09 = 38.9
    // Width: (base/0.1)·(0.1 + 0.1·pos/50) with base 10: 10 … 20.
    EXPECT_DOUBLE_EQ(widthFromPosition(10, 0), 10);
    EXPECT_DOUBLE_EQ(widthFromPosition(10, 25), 15);
    EXPECT_DOUBLE_EQ(widthFromPosition(10, 50), 20);
    EXPECT_EQ(positionFromWidth(10, 15), 25);
}

TEST(CexPreliminary, LoadedEfficiencyRanges) {
    EXPECT_DOUBLE_EQ(loadedEfficiencyRange(0.8).high, 0.9);
    EXPECT_DOUBLE_EQ(loadedEfficiencyRange(0.85).low, 0.85);
    EXPECT_DOUBLE_EQ(loadedEfficiencyRange(0.89).high, 0.95);
    EXPECT_DOUBLE_EQ(loadedEfficiencyRange(0.97).low, 0.9);
    EXPECT_DOUBLE_EQ(loadedEfficiencyRange(0.97).high, 0.99);
}
