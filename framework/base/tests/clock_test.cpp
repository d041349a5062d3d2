#include "fw/clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

namespace {

TEST(Clock, DateText) {
    EXPECT_EQ(fw::dateText({2024, 3, 9}), "2024年3月9日");  // no leading zeros
    EXPECT_EQ(fw::dateText({1999, 12, 31}), "1999年12月31日");
}

TEST(Clock, TodayAndNow) {
    const std::int64_t before = std::time(nullptr);
    const fw::Date d = fw::today();
    const std::int64_t now = fw::nowSeconds();
    EXPECT_GE(now, before);
    EXPECT_LE(now, before + 5);
    const std::time_t t = static_cast<std::time_t>(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    EXPECT_EQ(d.year, tm.tm_year + 1900);
    EXPECT_EQ(d.month, tm.tm_mon + 1);
    EXPECT_EQ(fw::todayText(), fw::dateText(fw::today()));
}

TEST(Angle, ToDegreesAndRadians) {
    EXPECT_DOUBLE_EQ(fw::toDegrees({20, 30, 0}), 20.5);
    EXPECT_DOUBLE_EQ(fw::toDegrees({0, 0, 36}), 0.01);
    EXPECT_DOUBLE_EQ(fw::toRadians({20, 0, 0}), 20 * 3.141592653589793 / 180);
    EXPECT_DOUBLE_EQ(fw::toRadians({180, 0, 0}), fw::kPi);
}

TEST(Angle, SplitByTruncation) {
    struct Case {
        const char* name;
        double degrees;
        fw::AngleDms dms;       // fromDegrees
        int wholeSec;           // fromDegreesWholeSeconds().sec
    } cases[] = {
        {"exact half degree", 20.5, {20, 30, 0}, 0},
        {"seconds with fraction", 10 + 20 / 60.0 + 30.75 / 3600, {10, 20, 30.75}, 30},
        // 10°20′30″ to degrees and back: plain truncation of the noisy
        // product would give 29.99999999″ and, as whole seconds, 29″.
        {"back from degrees", fw::toDegrees({10, 20, 30}), {10, 20, 30}, 30},
        {"back from radians", fw::toRadians({8, 15, 59}) * 180 / fw::kPi, {8, 15, 59}, 59},
        {"just below a minute", 1 + 59.5 / 3600, {1, 0, 59.5}, 59},
        {"negative: sign on every part", -(12 + 34 / 60.0 + 56 / 3600.0), {-12, -34, -56}, -56},
        {"not finite", std::numeric_limits<double>::quiet_NaN(), {0, 0, 0}, 0},
        {"too large for int", 1e300, {0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        const fw::AngleDms a = fw::fromDegrees(c.degrees);
        EXPECT_EQ(a.deg, c.dms.deg) << c.name;
        EXPECT_EQ(a.min, c.dms.min) << c.name;
        EXPECT_NEAR(a.sec, c.dms.sec, 1e-6) << c.name;
        const fw::AngleDms w = fw::fromDegreesWholeSeconds(c.degrees);
        EXPECT_EQ(w.deg, c.dms.deg) << c.name;
        EXPECT_EQ(w.min, c.dms.min) << c.name;
        EXPECT_EQ(w.sec, c.wholeSec) << c.name;
    }
}

}  // namespace
