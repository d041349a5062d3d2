// The computations inside the factor dialogs: the application factor bands
// and trackbar reading, the typed load cycles, the contact life limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "common/calc/factor_dialog_calc.h"
#include "common/dialogs/factor_ranges.h"

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

// NE = 10^k · multiplier is checked against NE's one range, whatever the
// multiplier: what a drive at 3000 r/min makes in 100000 h (1.8e10) passes,
// however it is written.
TEST(FactorDialogCalc, BendingCyclesLieInNesRange) {
    const fw::Bounds& range = factor_q::kLoadCycles.bounds;
    struct Case {
        const char* name;
        int k;
        double multiplier;
        std::optional<double> ne;
    };
    const std::vector<Case> cases = {
        {"10＾5 × 2", 5, 2, 2e5},
        {"the opening entry 10＾6 × 3", cyclesListExponent(3), 3, 3e6},
        {"10＾7 × 6000: past the old multiplier bound", 7, 6000, 6e10},
        {"10＾3 × 1.8e7 = 3000 r/min for 100000 h", 3, 1.8e7, 1.8e10},
        {"10＾7 × 1e5: NE's upper bound", 7, 1e5, 1e12},
        {"typed 10^12 × 1", 12, 1, 1e12},
        {"10＾3 × 0.001: NE's lower bound", 3, 0.001, 1},
        {"beyond 1e12", 7, 100001, std::nullopt},
        {"below 1 cycle", 3, 0.0009, std::nullopt},
        {"multiplier 0: the rating's own refusal", 5, 0, 0},
        {"negative multiplier: the rating's own refusal", 5, -2, -2e5},
        {"overflow", 308, 100, std::nullopt},
        {"0 × 10^400 is no number", 400, 0, std::nullopt},
        {"underflow to 0 is no count", -400, 3, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto ne = bendingCycles(c.k, c.multiplier, range);
        ASSERT_EQ(ne.has_value(), c.ne.has_value()) << c.name;
        if (c.ne) {
            EXPECT_DOUBLE_EQ(*ne, *c.ne) << c.name;
        }
    }
}

TEST(FactorDialogCalc, ContactLifeLimits) {
    struct Case {
        int materialClass, pitting;
        double ne;
    };
    for (const Case& c : {Case{0, 0, 1e9}, Case{0, 1, 5e7}, Case{1, 0, 2e6}, Case{1, 1, 2e6}, Case{2, 1, 2e6}})
        EXPECT_EQ(contactLifeCycles(c.materialClass, c.pitting), c.ne) << c.materialClass << "," << c.pitting;
}
