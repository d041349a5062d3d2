#include "cycloid/calc/cex_clearance.h"

#include <cmath>

#include "cycloid/calc/cex_preliminary.h"

namespace cycloid {

namespace {
struct GradeRow {
    double upTo;
    double it[4];
    double base;
};
constexpr GradeRow kLubrication[] = {
    {3, {0.004, 0.006, 0.010, 0.014}, 0.022},   {6, {0.005, 0.008, 0.012, 0.018}, 0.030},
    {10, {0.006, 0.009, 0.015, 0.022}, 0.037},  {18, {0.008, 0.011, 0.018, 0.027}, 0.045},
    {30, {0.009, 0.013, 0.021, 0.033}, 0.054},  {50, {0.011, 0.016, 0.025, 0.039}, 0.066},
    {80, {0.013, 0.019, 0.030, 0.046}, 0.079},  {120, {0.015, 0.022, 0.035, 0.054}, 0.093},
};
struct Step {
    double upTo;
    double value;
};
constexpr Step kRootDeviation[] = {{50, -0.02},   {80, -0.06},   {120, -0.072}, {180, -0.085}, {250, -0.1},
                                   {315, -0.11},  {400, -0.125}, {500, -0.135}, {630, -0.145}, {800, -0.16}};
// Δwl: the Min column; the last band's Max is IT7 of 800 to 1000 mm.
constexpr Step kPinHole[] = {{50, 0.025},  {80, 0.03},  {120, 0.035}, {180, 0.04}, {250, 0.046},
                             {315, 0.052}, {400, 0.057}, {500, 0.063}, {630, 0.07}, {800, 0.08}};
constexpr double kPinHoleLastMax = 0.09;
// Δpt: the Min column; the last band's Max continues the steps of 0.01.
constexpr Step kPitch[] = {{50, 0.022}, {80, 0.025}, {120, 0.03},  {180, 0.035}, {270, 0.04},
                           {450, 0.05}, {500, 0.06}, {650, 0.07}, {800, 0.08}};
constexpr double kPitchLastMax = 0.09;

template <std::size_t N>
std::optional<ToleranceRange> range(const Step (&t)[N], double lastMax, double dp) {
    if (!(dp >= 30) || dp > 800) return std::nullopt;
    for (std::size_t k = 0; k < N; ++k)
        if (dp <= t[k].upTo) return ToleranceRange{t[k].value, k + 1 < N ? t[k + 1].value : lastMax};
    return std::nullopt;
}
}  // namespace

std::optional<double> lubricationClearance(double drp, int gradeIndex) {
    if (gradeIndex < 1 || gradeIndex > 4 || !(drp > 0) || drp > 120) return std::nullopt;
    for (const GradeRow& r : kLubrication)
        if (drp <= r.upTo) return r.it[gradeIndex - 1] + r.base;
    return std::nullopt;
}

std::optional<double> rootDeviation(double dp) {
    if (!(dp > 0) || dp > 800) return std::nullopt;
    for (const Step& b : kRootDeviation)
        if (dp <= b.upTo) return b.value;
    return std::nullopt;
}

std::optional<ToleranceRange> pinHoleToleranceRange(double dp) { return range(kPinHole, kPinHoleLastMax, dp); }
std::optional<ToleranceRange> pitchToleranceRange(double dp) { return range(kPitch, kPitchLastMax, dp); }

double toleranceAt(ToleranceRange r, int position) { return r.min + (r.max - r.min) * (position - 0) / (50.0 - 0); }

double sideClearance(double dwl, double dp, double DW, double dpt, double dR) { return dwl * dp / DW + dpt + dR; }
double radialClearance(double dfEs, double dR) { return std::fabs(dfEs) / 2 + 0.02 + dR; }
double angularModification(double dc, double dp) { return dc * 2 / dp * 180 / kCexPi; }
double sideClearanceOfAngle(double deltaDegrees, double dp) { return deltaDegrees * kCexPi / 180 * dp / 2; }

}  // namespace cycloid
