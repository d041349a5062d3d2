#include "common/calc/chart_scale.h"

#include <cmath>

namespace kavrin::chart {

double fractionA196(double u) { return (u - 1) / 10; }
double fractionA198(double u) { return (u - 1) / 5; }
double fractionA197(double u) { return (u - 1) / 8.2; }
double fractionA199(double u) { return (u - 1) / 9; }
double fractionC80(double u) { return 1.1666666666666667 - 1.1666666666666667 / (0.7 * u); }
double fractionC81(double u) { return 1 - 1 / u; }
double fractionC97(double betaM) { return betaM / 45; }
double fractionZeta(double epsAlpha) { return epsAlpha - 1; }
double fractionYf(double zv) { return (1 / zv - 0.08333333333333333) / (-0.08233333333333333); }

int thumbOf(double fraction) {
    double p = kThumbMax * fraction;
    if (!(p > 0)) return 0;
    if (p >= kThumbMax) return kThumbMax;
    return static_cast<int>(p);
}

double valueAt(int vPos, double k, double c) { return (kThumbMax - vPos) * k / kThumbMax + c; }

double positionOf(double value, double k, double c) { return kThumbMax - (value - c) * kThumbMax / k; }

int pixelOf(double pos, int low, int high) {
    return static_cast<int>(pos * (high - low) / kThumbMax + low);
}

int inputPixel(double fraction, int left, int right, int clientWidth) {
    double x = kThumbMax * fraction * (right - left) / kThumbMax + left;
    if (!(x > 0)) return 0;
    if (x >= clientWidth) return clientWidth;
    return static_cast<int>(x);
}

int bandA199(int z1) {
    if (z1 <= 10) return 0;
    if (z1 <= 14) return z1 - 10;  // 11..14 → 1..4
    if (z1 <= 17) return 5;
    if (z1 <= 19) return 6;
    if (z1 >= 40) return 11;
    return 7 + (z1 - 20) / 5;  // 20–24 → 7 … 35–39 → 10
}

int bandYf(double betaM) {
    if (!(betaM > 0)) return 0;
    if (betaM <= 15) return 1;
    if (betaM <= 20) return 2;
    if (betaM <= 25) return 3;
    if (betaM <= 30) return 4;
    return 5;
}

}  // namespace kavrin::chart
