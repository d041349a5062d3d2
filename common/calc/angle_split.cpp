#include "common/calc/angle_split.h"

#include <cmath>
#include <numbers>

#include "fw/format.h"

namespace kavrin {

namespace {
bool fitsInt(double degrees) { return std::isfinite(degrees) && std::fabs(degrees) < 2147483647.0; }
}  // namespace

double tripleToDegrees(const AngleTriple& a) { return a.deg + a.min / 60.0 + a.sec / 3600.0; }

double tripleToRadians(const AngleTriple& a) { return tripleToDegrees(a) * 3.141592653589793 / 180; }

std::optional<AngleTriple> splitDecimalDegrees(double degrees) {
    if (!fitsInt(degrees)) return std::nullopt;
    AngleTriple t;
    t.deg = static_cast<int>(degrees);
    double minutes = (degrees - t.deg) * 60;
    t.min = static_cast<int>(minutes);
    t.sec = static_cast<int>(std::floor((minutes - t.min) * 60 + 0.5));
    return t;
}

std::optional<AngleTriple> splitDegreesCarry(double degrees) {
    auto t = splitDecimalDegrees(degrees);
    if (!t) return std::nullopt;
    if (t->sec >= 60) {
        t->sec -= 60;
        ++t->min;
    }
    if (t->min >= 60) {
        t->min -= 60;
        ++t->deg;
    }
    // A negative angle carries the same way (−10.99999° is −11°0′0″, never −10°59′60″).
    if (t->sec <= -60) {
        t->sec += 60;
        --t->min;
    }
    if (t->min <= -60) {
        t->min += 60;
        --t->deg;
    }
    return t;
}

}  // namespace kavrin

namespace kavrin {

AngleDms splitRadiansDms(double radians) {
    const double degrees = radians * 180.0 / std::numbers::pi;
    AngleDms a;
    a.deg = std::floor(degrees);
    const double minutes = (degrees - a.deg) * 60.0;
    a.min = std::floor(minutes);
    a.sec = (minutes - a.min) * 60.0;
    return a;
}

AngleDms roundDms(const AngleDms& a, int secondDecimals) {
    if (secondDecimals < 0 || secondDecimals > 6) return a;
    const double scale = std::pow(10.0, secondDecimals);
    const double units = std::round((a.deg * 3600.0 + a.min * 60.0 + a.sec) * scale);
    // Whole units of the last shown place, so the split below is exact.
    if (!std::isfinite(units) || std::fabs(units) > 9.0e15) return a;
    const auto total = static_cast<long long>(units);
    const auto perDegree = static_cast<long long>(3600 * scale), perMinute = static_cast<long long>(60 * scale);
    long long deg = total / perDegree;
    if (total % perDegree < 0) --deg;  // floor, as the split does
    const long long rest = total - deg * perDegree;
    AngleDms r;
    r.deg = static_cast<double>(deg);
    r.min = static_cast<double>(rest / perMinute);
    r.sec = static_cast<double>(rest % perMinute) / scale;
    return r;
}

std::string formatDms(const AngleDms& a) {
    const AngleDms r = roundDms(a, 1);
    return fw::format("%2.0f°%2.0f′%2.1f″", r.deg, r.min, r.sec);
}

}  // namespace kavrin
