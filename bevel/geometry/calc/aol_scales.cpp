#include "bevel/geometry/calc/aol_scales.h"

#include <cmath>

namespace bevel::aol {

namespace {

const double kRpLow = std::pow(50.0, 0.1), kRpHigh = std::pow(270.0, 0.1);
const double kZcLow = std::pow(20.0, 0.05), kZcHigh = std::pow(80.0, 0.05);

}  // namespace

int clampedPosition(double x, int lo, int hi) {
    if (std::isnan(x)) return 0;
    if (x <= lo) return lo;
    if (x >= hi) return hi;
    return static_cast<int>(x);
}

int rpPosition(double rp) {
    if (!std::isfinite(rp)) return 0;
    if (rp < 0) return kHeadRange;
    // 400 − truncate(...): the truncation of the scale term, then the flip.
    const double t = std::trunc((std::pow(rp, 0.1) - kRpLow) * (kHeadRange / (kRpHigh - kRpLow)));
    return clampedPosition(kHeadRange - t, 0, kHeadRange);
}

int betaP1Position(double b) {
    if (!std::isfinite(b)) return 0;
    return clampedPosition(std::trunc(kHeadRange / 17.0 * (b - 29)), 0, kHeadRange);
}

int zcPosition(double zc) {
    if (!std::isfinite(zc)) return 0;
    if (zc < 0) return kHeadRange;
    const double t = std::trunc((std::pow(zc, 0.05) - kZcLow) * (kHeadRange / (kZcHigh - kZcLow)));
    return clampedPosition(kHeadRange - t, 0, kHeadRange);
}

int betaP2Position(double b) {
    if (!std::isfinite(b)) return 0;
    return clampedPosition(std::trunc(kHeadRange / 16.0 * (b - 29.5)), 0, kHeadRange);
}

double rpAt(double pos) { return std::pow(kRpLow + (kHeadRange - pos) * (kRpHigh - kRpLow) / kHeadRange, 10.0); }
double betaP1At(double pos) { return 29 + pos * 17.0 / kHeadRange; }
double zcAt(double pos) { return std::pow(kZcLow + (kHeadRange - pos) * (kZcHigh - kZcLow) / kHeadRange, 20.0); }
double betaP2At(double pos) { return 29.5 + pos * 16.0 / kHeadRange; }

int rbhPosition(double rbh) {
    if (!std::isfinite(rbh)) return 0;
    return clampedPosition(kTiltRange / kRbhSpan * (rbh - 3.6), 0, kTiltRange);
}

int delta2Position(double d, double delta0) {
    if (!std::isfinite(d)) return 0;
    return clampedPosition(kTiltRange / 25.0 * (d - delta0), 0, kTiltRange);
}

double rbhAt(int pos) { return pos * kRbhSpan / kTiltRange + 3.6; }
double delta2MaxAt(int pos, double delta0) { return pos * 25.0 / kTiltRange + delta0; }

}  // namespace bevel::aol
