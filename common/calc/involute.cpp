#include "common/calc/involute.h"

#include <cmath>

namespace kavrin {

namespace {

constexpr double kDegToRad = 3.141592653589793 / 180;
constexpr double kRadToDeg = 180 / 3.141592653589793;

// The loop's test, kept out of line so that both searches evaluate the very
// same expression.
[[gnu::noinline]] bool reached(double alpha, double value) {
    return !(std::tan(alpha) - alpha < value);
}

// The search's stop condition at one angle: reached, or at the bound.
bool stops(double alpha, double value) { return alpha >= kHalfPi || reached(alpha, value); }

bool validStep(double step) { return step > 0 && std::isfinite(step); }

// Start of the binary exponent range above alpha (alpha > 0).
double binadeTop(double alpha) {
    int exp = 0;
    std::frexp(alpha, &exp);  // alpha in [2^(exp-1), 2^exp)
    return std::ldexp(1.0, exp);
}

// One run of the sequence with a constant increment: the angles
// base + j·inc for j = 0 .. count.
struct Run {
    double base;
    double inc;
    long long count;
    double at(long long j) const { return base + static_cast<double>(j) * inc; }
};

// First j in (0, run.count] with stops(run.at(j)); stops(run.at(0)) is false
// and stops(run.at(count)) is true.
double bisect(const Run& run, double value) {
    long long lo = 0, hi = run.count;
    while (hi - lo > 1) {
        long long mid = lo + (hi - lo) / 2;
        if (stops(run.at(mid), value))
            hi = mid;
        else
            lo = mid;
    }
    return run.at(hi);
}

}  // namespace

std::optional<double> invFunc(double angle, int unit) {
    if (unit == kUnitRadian) return std::tan(angle) - angle;
    if (unit == kUnitDegree) {
        double a = angle * kDegToRad;
        return std::tan(a) - a;
    }
    return std::nullopt;
}

std::optional<double> invChecked(double alphaRad) {
    if (alphaRad > 0 && alphaRad < kHalfPi) return std::tan(alphaRad) - alphaRad;
    return std::nullopt;
}

std::optional<double> arcInvStepPlain(double value, double step) {
    if (value <= 0) return 0.0;
    if (std::isnan(value) || !validStep(step)) return std::nullopt;
    double alpha = 0;
    while (!reached(alpha, value)) {
        double next = alpha + step;
        if (next >= kHalfPi || next == alpha) return std::nullopt;
        alpha = next;
    }
    return alpha;
}

// Why the closed form holds: inside one binary exponent range [2^e, 2^(e+1))
// every angle of the sequence is a multiple of u = ulp(2^e), and the exact
// sum α + step = (m + n + f)·u with n = ⌊step/u⌋ and f its fraction. As long
// as the sum stays below 2^(e+1), round-to-nearest gives m + n or m + n + 1
// independently of m, except in a tie (f = ½), where it rounds to the even
// multiple: after that first step m is even and the increment is again
// constant. So once two consecutive increments inside the range agree, every
// later increment in the range is the same, and the angle j steps further is
// α + j·inc, computed exactly (all values are multiples of u below 2^(e+1)).
// A step below half an ulp makes the increment 0: the sequence stalls.
// The last few steps before the next range and the crossing itself are taken
// by real addition, as the loop takes them.
std::optional<double> arcInvStep(double value, double step) {
    if (value <= 0) return 0.0;
    if (std::isnan(value) || !validStep(step)) return std::nullopt;
    if (reached(0.0, value)) return 0.0;

    // The last three terms; only `alpha` may stop the search.
    double older = -1, prev = 0, alpha = step;
    while (!stops(alpha, value)) {
        double top = binadeTop(alpha);
        double inc = alpha - prev;
        if (older >= top / 2 && prev - older == inc) {
            constexpr long long kMargin = 3;  // covers the rounding of `room`
            double room = (top - step - alpha) / inc;
            long long count = static_cast<long long>(std::fmin(room, 1e18)) - kMargin;
            if (count > 0) {
                Run run{alpha, inc, count};
                double last = run.at(count);
                if (stops(last, value)) {
                    double hit = bisect(run, value);
                    if (hit >= kHalfPi) return std::nullopt;
                    return hit;
                }
                older = run.at(count - 2);
                prev = run.at(count - 1);
                alpha = last;
                continue;
            }
        }
        double next = alpha + step;
        if (next == alpha) return std::nullopt;  // stalled below the bound
        older = prev;
        prev = alpha;
        alpha = next;
    }
    if (alpha >= kHalfPi) return std::nullopt;
    return alpha;
}

std::optional<double> arcInvFunc(double value, int unit) {
    if (!isKnownAngleUnit(unit)) return std::nullopt;
    auto alpha = arcInvStep(value, kInvStepFine);
    if (!alpha) return std::nullopt;
    return unit == kUnitDegree ? *alpha * kRadToDeg : *alpha;
}

std::optional<double> converterInvolute(double decimalDegrees) {
    double alpha = decimalDegrees * kDegToRad;
    if (!(alpha > 0 && alpha < kConverterMaxAngleRad)) return std::nullopt;
    return std::tan(alpha) - alpha;
}

std::optional<double> converterAngle(double value) {
    if (!(value <= kConverterMaxInvolute)) return std::nullopt;
    auto alpha = arcInvStep(value, kInvStepGeometry);
    if (!alpha) return std::nullopt;
    return *alpha * kRadToDeg;
}

int CheckOddEven(int n) { return n % 2; }

}  // namespace kavrin
