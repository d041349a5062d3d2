// The computations inside the factor dialogs: the application factor bands
// and trackbar reading, the typed load cycles, the contact life limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "common/calc/factor_dialog_calc.h"

using namespace kavrin;

TEST(FactorDialogCalc, BandTablesAgreeOutsideTheirThreeOpenCells) {
    // The cells the driver and driven tables give differently; every other
    // cell has one band.
    const std::vector<std::pair<int, int>> open = {{0, 2}, {1, 1}, {2, 0}};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            auto a = applicationFactorBand(row, col, KaBandSource::Driver);
            auto b = applicationFactorBand(row, col, KaBandSource::Driven);
            ASSERT_TRUE(a && b);
            const bool differs = a->low != b->low || a->high != b->high;
            const bool isOpen = std::find(open.begin(), open.end(), std::pair{row, col}) != open.end();
            EXPECT_EQ(differs, isOpen) << row << "," << col;
            EXPECT_LT(a->low, a->high);
        }
    }
    EXPECT_FALSE(applicationFactorBand(3, 0, KaBandSource::Driver));
    EXPECT_FALSE(applicationFactorBand(0, -1, KaBandSource::Driven));
}

TEST(FactorDialogCalc, ApplicationFactorIsLinearInThePosition) {
    struct Case {
        KaBand band;
        int pos;
        double ka;   // low + (high − low)·pos/20
    };
    const std::vector<Case> cases = {
        {{2.00, 2.50}, 10, 2.25},  // 轻度冲击 / 较大冲击 at half way
        {{1.00, 1.25}, 0, 1.00},
        {{1.00, 1.25}, 20, 1.25},
        {{2.25, 2.75}, 15, 2.625},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(applicationFactor(c.band, c.pos, 0, 20), c.ka) << c.pos;
    EXPECT_DOUBLE_EQ(applicationFactor({1.5, 2.0}, 3, 0, 0), 1.5);   // empty range: no division
}

TEST(FactorDialogCalc, CyclesTextIsTenToAWholePower) {
    struct Case {
        const char* text;
        std::optional<int> k;
    };
    const std::vector<Case> cases = {
        {"10^6", 6},     {"10＾5", 5},    {" 10^7\t", 7}, {"10^+4", 4}, {"10^12", 12},
        {"10^2.5", {}},  {"10^", {}},     {"10^ 5", {}},  {"1e6", {}},  {"10**6", {}},
        {"", {}},        {"10^6x", {}},   {"100", {}},    {"10^999", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(cyclesExponent(c.text), c.k) << '"' << c.text << '"';
}

TEST(FactorDialogCalc, BendingCyclesStayFinite) {
    EXPECT_DOUBLE_EQ(*bendingCycles(5, 2), 200000);                 // "10＾5" × 2
    EXPECT_DOUBLE_EQ(*bendingCycles(cyclesListExponent(3), 3), 3e6);  // the opening entry "10＾6"
    EXPECT_FALSE(bendingCycles(308, 100));                           // would overflow
}

TEST(FactorDialogCalc, ContactLifeLimits) {
    struct Case {
        int materialClass, pitting;
        double ne;
    };
    for (const Case& c : {Case{0, 0, 1e9}, Case{0, 1, 5e7}, Case{1, 0, 2e6}, Case{1, 1, 2e6}, Case{2, 1, 2e6}})
        EXPECT_EQ(contactLifeCycles(c.materialClass, c.pitting), c.ne) << c.materialClass << "," << c.pitting;
}
