// Every calculator's range table takes its speeds, powers, torques, lengths,
// modules, profile shifts and load cycles from the common bounds
// (common/calc/common_bounds.h), so a bound changes in one line: the
// quantities of each kind across the suite hold exactly the common bound
// (0 for "not given yet" aside), the bounds derived from one follow it, and
// no table types a speed, power or torque range of its own again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "bevel/geometry/calc/cone_geom_ranges.h"
#include "bevel/preliminary/calc/cone_pre_ranges.h"
#include "bevel/rating/calc/rating_ranges.h"
#include "common/calc/common_bounds.h"
#include "common/dialogs/factor_ranges.h"
#include "cycloid/calc/cex_ranges.h"
#include "cylindrical/calc/cy_geom_ranges.h"
#include "cylindrical/calc/cy_pre_ranges.h"
#include "cylindrical/calc/rating_ranges.h"
#include "fw/format.h"
#include "measurement/calc/measure_ranges.h"
#include "smallmodule/calc/cy_sm_ranges.h"
#include "worm/calc/cw_ranges.h"

namespace {

using kavrin::Quantity;
namespace bound = kavrin::bounds;

// The decade a derived bound ends at reads as its literal.
static_assert(bound::decadeBelow(1e-6 / 70) == 1e-8);
static_assert(bound::decadeBelow(0.05) == 0.01 && bound::decadeBelow(0.01) == 0.01);
static_assert(bound::decadeBelow(250) == 100 && bound::decadeBelow(1) == 1);

struct Kind {
    const char* what;
    fw::Bounds common;
    std::vector<const Quantity*> quantities;
};

std::vector<Kind> kinds() {
    namespace pre = cylindrical::pre_q;
    namespace geom = cylindrical::geom_q;
    namespace rating = cylindrical::rating_q;
    namespace factor = kavrin::factor_q;
    namespace cone = bevel::cone_pre;
    namespace coneGeom = bevel::cone_geom;
    namespace bevelRating = bevel::rating_range;
    namespace measure = measurement::measure_q;
    namespace sm = smallmodule::sm_q;
    namespace wp = worm::ranges;
    namespace wg = worm::ranges::geom;
    namespace cex = cycloid::cex_q;
    return {
        {"speed", bound::kSpeed,
         {&pre::kNi, &pre::kNo, &rating::kN1, &factor::kSpeed, &cone::kN1, &cone::kN2, &bevelRating::kN1, &wp::kN1,
          &cex::kN0}},
        {"power", bound::kPower, {&pre::kP, &factor::kPower, &cone::kP, &wp::kP, &cex::kP}},
        {"torque", bound::kTorque,
         {&pre::kT, &rating::kTorque, &cone::kT, &bevelRating::kT, &bevelRating::kT2, &wp::kT, &cex::kTc}},
        {"module", bound::kModule,
         {&pre::kMn, &geom::kMn, &cone::kMt, &coneGeom::kMt, &bevelRating::kM, &measure::kMn, &wg::kMn1, &wg::kMn2,
          &wg::kMs, &wg::kMx}},
        {"length", bound::kLength,
         {&pre::kA, &geom::kA, &geom::kAd, &geom::kB, &coneGeom::kD1, &coneGeom::kR, &coneGeom::kB, &bevelRating::kB,
          &bevelRating::kR, &measure::kD, &measure::kW, &measure::kMp, &wp::kA, &wp::kD2, &wg::kD1, &wg::kDa2,
          &wg::kH1, &wg::kSn, &cex::kDac, &cex::kL}},
        {"profile shift", bound::kShift,
         {&geom::kXn1, &geom::kXn2, &factor::kShift, &cone::kX1, &cone::kX2, &coneGeom::kX1, &coneGeom::kX2,
          &bevelRating::kX1, &bevelRating::kX2, &measure::kXn, &measure::kXn1, &measure::kXn2, &wg::kX2,
          &sm::kXn1, &sm::kXn2}},
        {"shift sum", bound::kShiftSum, {&geom::kSumX, &measure::kXnSum, &sm::kSumX}},
        {"load cycles", bound::kLoadCycles, {&factor::kLoadCycles}},
    };
}

std::string text(const fw::Bounds& b) { return fw::formatNumber(b.lower) + " to " + fw::formatNumber(b.upper); }

TEST(CommonBounds, EveryTableTakesTheCommonBoundOfEachKind) {
    for (const Kind& k : kinds()) {
        for (const Quantity* q : k.quantities) {
            EXPECT_TRUE(q->lower() == k.common.lower && q->upper() == k.common.upper)
                << k.what << " " << q->name << ": " << text(q->bounds) << ", common " << text(k.common);
        }
    }
}

// A bound that follows from a common one moves with it: the worm gear's
// speed reaches the slowest worm's at the largest ratio, the transverse
// modules what the largest normal module gives at β = 60°, a cycloid radius
// half the longest length, a measured diameter a tenth of it.
TEST(CommonBounds, DerivedBoundsFollowTheCommonOnes) {
    namespace wp = worm::ranges;
    EXPECT_LE(wp::kN2.lower(), bound::kSpeed.lower / wp::kU.upper());
    EXPECT_GT(wp::kN2.lower(), bound::kSpeed.lower / wp::kU.upper() / 10);
    EXPECT_EQ(wp::kN2.upper(), bound::kSpeed.upper);
    for (const Quantity* q : {&cylindrical::pre_q::kMs, &measurement::measure_q::kMt}) {
        EXPECT_EQ(q->lower(), bound::kModule.lower) << q->name;
        EXPECT_EQ(q->upper(), 2 * bound::kModule.upper) << q->name;
    }
    EXPECT_EQ(cycloid::cex_q::kRp.upper(), bound::kLength.upper / 2);
    EXPECT_EQ(measurement::measure_q::kDa.upper(), bound::kLength.upper / 10);
    EXPECT_EQ(bevel::cone_geom::kDh.upper(), bound::kModule.upper);
}

// A speed, power or torque typed with numbers in a table is one that no
// longer moves with the common bound.
TEST(CommonBounds, NoTableTypesASpeedPowerOrTorqueRangeOfItsOwn) {
    namespace fs = std::filesystem;
    const std::regex typed(R"re(Quantity\s+\w+\{"[^"]*",\s*"(r/min|kW|N·m)",\s*\{\s*[-+0-9.])re");
    int tables = 0;
    for (const char* folder : {"cylindrical", "measurement", "smallmodule", "bevel", "worm", "cycloid", "common"}) {
        for (const auto& e : fs::recursive_directory_iterator(fs::path(KAVRIN_SOURCE_DIR) / folder)) {
            const std::string name = e.path().filename().string();
            if (!e.is_regular_file() || !name.ends_with("_ranges.h")) continue;
            ++tables;
            std::ifstream in(e.path());
            std::string line;
            for (int n = 1; std::getline(in, line); ++n)
                EXPECT_FALSE(std::regex_search(line, typed)) << e.path().string() << ":" << n << ": " << line;
        }
    }
    EXPECT_GE(tables, 10);
}

}  // namespace
