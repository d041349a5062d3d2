// Local dates, UTC time stamps and degree/minute/second angles.
#include "fw/clock.h"

#include <climits>
#include <cmath>
#include <ctime>

#include "fw/format.h"

namespace fw {

Date today() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

std::string dateText(const Date& d) { return format("%d年%d月%d日", d.year, d.month, d.day); }

std::string todayText() { return dateText(today()); }

std::int64_t nowSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

double toDegrees(const AngleDms& a) { return a.deg + a.min / 60.0 + a.sec / 3600.0; }

double toRadians(const AngleDms& a) { return toDegrees(a) * kPi / 180.0; }

namespace {

// Splits by truncation, working in seconds. A value that lies within
// rounding noise of a whole second is taken as that second, so that
// 10°20′30″ converted to degrees and back does not come out as 10°20′29.999″.
// The sign goes on every part. An angle that is not finite or does not fit an
// int of degrees gives 0°0′0″ rather than an undefined conversion.
AngleDms split(double degrees, bool wholeSeconds) {
    if (!std::isfinite(degrees) || std::fabs(degrees) >= static_cast<double>(INT_MAX)) return {};
    const double sign = degrees < 0 ? -1.0 : 1.0;
    double s = std::fabs(degrees) * 3600.0;
    const double nearest = std::nearbyint(s);
    if (std::fabs(s - nearest) < 1e-6) s = nearest;
    const double deg = std::floor(s / 3600.0);
    s -= deg * 3600.0;
    const double min = std::floor(s / 60.0);
    s -= min * 60.0;
    if (wholeSeconds) s = std::floor(s);
    return {static_cast<int>(sign * deg), static_cast<int>(sign * min), sign * s + 0.0};
}

}  // namespace

AngleDms fromDegrees(double degrees) { return split(degrees, false); }
AngleDms fromDegreesWholeSeconds(double degrees) { return split(degrees, true); }

}  // namespace fw
