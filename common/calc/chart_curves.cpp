#include "common/calc/chart_curves.h"

#include <cmath>

namespace kavrin::chart {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kAlpha = 20 * kPi / 180;
constexpr double kHfP = 1.25, kRhoFP = 0.38, kHa = 1.0;

double inv(double a) { return std::tan(a) - a; }

}  // namespace

bool undercut(double zn, double x) {
    double s = std::sin(kAlpha);
    return zn < 2 * (1 - x) / (s * s);
}

bool pointedTip(double zn, double x) {
    // Tip thickness from the thickness at the reference circle.
    double d = zn, db = d * std::cos(kAlpha), da = d + 2 * (kHa + x);
    if (da <= db) return true;
    double aa = std::acos(db / da);
    double s = kPi / 2 + 2 * x * std::tan(kAlpha);
    double sa = da * (s / d + inv(kAlpha) - inv(aa));
    return sa < 0;
}

std::optional<double> formFactorAtTip(double zn, double x) {
    // Critical section (30° tangent) and bending arm, in modules.
    const double e = kPi / 4 - kHfP * std::tan(kAlpha) - (1 - std::sin(kAlpha)) * kRhoFP / std::cos(kAlpha);
    const double g = kRhoFP - kHfP + x;
    const double h = 2 / zn * (kPi / 2 - e) - kPi / 3;
    double theta = kPi / 6;
    bool converged = false;
    for (int n = 0; n < 100; ++n) {
        double next = 2 * g / zn * std::tan(theta) - h;
        if (std::fabs(next - theta) < 1e-12) {
            theta = next;
            converged = true;
            break;
        }
        theta = next;
    }
    if (!converged || !std::isfinite(theta)) return std::nullopt;
    const double sFn = zn * std::sin(kPi / 3 - theta) + std::sqrt(3.0) * (g / std::cos(theta) - kRhoFP);
    const double dn = zn, dbn = dn * std::cos(kAlpha), dan = dn + 2 * (kHa + x);
    if (dan <= dbn) return std::nullopt;
    const double alphaAn = std::acos(dbn / dan);
    const double gammaA = (kPi / 2 + 2 * x * std::tan(kAlpha)) / zn + inv(kAlpha) - inv(alphaAn);
    const double alphaFan = alphaAn - gammaA;
    const double hFa = 0.5 * ((std::cos(gammaA) - std::sin(gammaA) * std::tan(alphaFan)) * dan -
                              zn * std::cos(kPi / 3 - theta) - g / std::cos(theta) + kRhoFP);
    const double y = 6 * hFa * std::cos(alphaFan) / (sFn * sFn * std::cos(kAlpha));
    if (!std::isfinite(y)) return std::nullopt;
    return y;
}

double enimsStraightRadial(double u, double z1) { return 2 * (1 - 1 / (u * u)) / std::sqrt(z1); }
double enimsStraightTangential(double u) { return u < 2.5 ? 0 : 0.03 + 0.008 * (u - 2.5); }
double enimsCurvedTangential(double u) { return u < 2.5 ? 0 : 0.11 + 0.01 * (u - 2.5); }

double zoneFactor(double betaMDeg, double alphaNDeg) {
    const double rad = std::acos(-1.0) / 180;
    const double beta = betaMDeg * rad, alphaN = alphaNDeg * rad;
    const double alphaT = std::atan(std::tan(alphaN) / std::cos(beta));
    const double betaB = std::asin(std::sin(beta) * std::cos(alphaN));
    return 2 * std::sqrt(std::cos(betaB) / std::sin(2 * alphaT));
}

double contactRatioFactor(double epsAlpha, double epsBeta) {
    if (epsBeta >= 1) return std::sqrt(1 / epsAlpha);
    return std::sqrt((4 - epsAlpha) / 3 * (1 - epsBeta) + epsBeta / epsAlpha);
}

const std::array<EnimsCurvedRow, 11> kEnimsCurvedRadial = {{
    {11, {-1, -1, -1, -1, -1, -1, -1, .38, .41, .44, .45, .46}},
    {12, {-1, -1, -1, -1, -1, -1, .32, .37, .39, .41, .42, .43}},
    {13, {-1, -1, -1, -1, -1, .27, .30, .36, .37, .39, .40, .41}},
    {14, {-1, -1, -1, .18, .23, .26, .29, .33, .35, .37, .38, .38}},
    {15, {-1, -1, .12, .17, .22, .25, .27, .31, .33, .35, .36, .37}},
    {16, {-1, .06, .11, .16, .21, .24, .26, .30, .32, .34, .35, .35}},
    {18, {-1, .05, .10, .15, .19, .22, .24, .27, .30, .32, .32, .33}},
    {20, {-1, .05, .09, .13, .17, .20, .22, .26, .28, .29, .29, .30}},
    {25, {-1, .04, .08, .11, .15, .17, .19, .21, .24, .25, .25, .26}},
    {30, {-1, .03, .07, .09, .11, .15, .16, .18, .21, .22, .22, .22}},
    {40, {-1, .03, .05, .07, .09, .11, .11, .14, .16, .17, .17, .18}},
}};

}  // namespace kavrin::chart
