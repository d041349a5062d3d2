#include "cycloid/calc/cex_preliminary.h"

#include <algorithm>
#include <cmath>

namespace cycloid {

double outputTorque(double P, double i, double eta, double n0) { return 9549 * P * i * eta / n0; }

Band k1Band(unsigned Zc) {
    if (Zc <= 11) return {0.42, 0.55};
    if (Zc <= 23) return {0.48, 0.74};
    if (Zc <= 59) return {0.65, 0.9};
    return {0.75, 0.9};
}

Band k2Band(unsigned Zp) {
    if (Zp <= 12) return {2.85, 3.85};
    if (Zp <= 24) return {2.0, 2.8};
    if (Zp <= 36) return {1.25, 2.0};
    if (Zp <= 60) return {1.0, 1.6};
    return {0.99, 1.5};
}

double rpBase(double Tc) { return std::cbrt(1000 * Tc); }

bool withinBand(Band b, double v) {
    const double tol = 1e-12 * std::max({1.0, std::fabs(b.low), std::fabs(b.high)});
    return v >= b.low - tol && v <= b.high + tol;
}

Band rpRange(double Tc) {
    double c = rpBase(Tc);
    return {0.85 * c, 1.3 * c};
}

double pinCoefficient(unsigned Zp, double Rp, double Rrp) { return std::sin(kCexPi / Zp) * Rp / Rrp; }

double pinSleeveRadius(unsigned Zp, double Rp, double K2) { return std::sin(kCexPi / Zp) * Rp / K2; }

std::optional<Neighbours> eccentricityNeighbours(double a) {
    constexpr int n = sizeof(kEccentricities) / sizeof(kEccentricities[0]);
    for (int k = 0; k + 1 < n; ++k)
        if (kEccentricities[k] <= a && a < kEccentricities[k + 1]) return Neighbours{kEccentricities[k], kEccentricities[k + 1]};
    return std::nullopt;
}

bool betweenStandardEccentricities(double a) {
    constexpr int n = sizeof(kEccentricities) / sizeof(kEccentricities[0]);
    for (int k = 0; k + 1 < n; ++k)
        if (kEccentricities[k] < a && a < kEccentricities[k + 1]) return true;
    return false;
}

double valueFromPosition(Band b, int pos) {
    return b.low + (b.high - b.low) * (pos - kSliderMin) / double(kSliderMax - kSliderMin);
}

namespace {
int clampPosition(double p) {
    if (!(p > kSliderMin)) return kSliderMin;   // NaN too
    if (p > kSliderMax) return kSliderMax;
    return static_cast<int>(p);
}
}  // namespace

int positionFromValue(Band b, double value) {
    if (!(b.high != b.low)) return kSliderMin;
    return clampPosition(kSliderMin + (kSliderMax - kSliderMin) * (value - b.low) / (b.high - b.low));
}

double widthFromPosition(double base, int pos) {
    return base / 0.1 * (0.1 + 0.1 * (pos - kSliderMin) / double(kSliderMax - kSliderMin));
}

int positionFromWidth(double base, double bc) {
    if (!(base > 0)) return kSliderMin;
    return positionFromValue({base, 2 * base}, bc);
}

double loadedEfficiency(double eta) { return eta >= 0.8 && eta <= 0.99 ? eta : 0.95; }

Band loadedEfficiencyRange(double eta) {
    if (eta >= 0.8 && eta < 0.85) return {0.8, 0.9};
    if (eta >= 0.85 && eta < 0.9) return {0.85, 0.95};
    return {0.9, 0.99};
}

}  // namespace cycloid
