#include "cycloid/calc/cex_parts.h"

#include <algorithm>
#include <cmath>

#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/calc/cex_ranges.h"

namespace cycloid {

int proposedOutputPins(double dp) {
    if (dp < 100) return 6;
    if (dp < 200) return 8;
    if (dp < 300) return 10;
    if (dp < 400) return 12;
    return 16;
}

namespace {
struct Step {
    double upTo;
    double value;
};
// Bands "over … up to"; a value above the last band takes the last band,
// one at or below the first band's start takes the first.
double lookUp(std::span<const Step> table, double x) {
    for (const Step& s : table)
        if (x <= s.upTo) return s.value;
    return table.back().value;
}
constexpr Step kT1[] = {{3, 0.01}, {6, 0.012}, {10, 0.015}, {18, 0.018}, {30, 0.021}, {50, 0.025}, {80, 0.03}, {120, 0.035}};
constexpr Step kT2[] = {{80, 0.1},   {120, 0.12}, {180, 0.145}, {250, 0.17}, {315, 0.19},
                        {400, 0.21}, {500, 0.23}, {630, 0.26},  {800, 0.29}};
constexpr Step kH7[] = {{6, 0.012}, {10, 0.015}, {18, 0.018}, {30, 0.021}, {50, 0.025},
                        {80, 0.03}, {120, 0.035}, {180, 0.04}, {1e300, 0.045}};

constexpr double kRolling[] = {41.5,  45.5,  46.5,  54,    55.5,  62.5,  64,    68.2,  70.2,  71.5,  72.5,
                               76.5,  80,    81.5,  83,    86.5,  88.5,  90,    92,    97,    100,   106.5,
                               108.5, 113.5, 115,   118.5, 124.5, 127.3, 133,   136.5, 143,   145,   151,
                               154.5, 160,   163,   168.8, 169.5, 177.5, 180.5, 191.5, 195,   195.5, 204,
                               207,   221,   226,   238,   243,   255,   260,   272,   277,   282,   292,
                               299,   310,   316,   328,   345,   350,   360};
constexpr double kSliding[] = {3,  4,  5,  6,  8,  9,  12, 13, 14,  15,  16,  19,  22,  24,  26,  28,  30,
                               32, 34, 38, 44, 46, 48, 55, 58, 60,  62,  65,  68,  70,  75,  80,  83,  88,
                               95, 100, 105, 120, 130, 140, 150, 160, 170, 180, 200, 210, 220, 230, 240};
static_assert(sizeof(kRolling) / sizeof(double) == 62 && sizeof(kSliding) / sizeof(double) == 49);

bool finite(std::initializer_list<double> vs) {
    for (double v : vs)
        if (!std::isfinite(v)) return false;
    return true;
}

struct Deflection {
    double eps = 0;
    int first = 0, last = -1;
};

std::optional<Deflection> deflection(const OutputPinInputs& in, double drw, double dsw, double Q) {
    const double o = pinHoleClearance(in.dp);
    const double a = in.a;
    const double k = 1 - in.mu * in.mu;
    const double rho = drw * (2 * a + drw + o) / (4 * a);
    const double b = 0.00998 * std::sqrt(k * Q * rho / (in.E * in.bc));
    const double eps = 2 * k * Q * (std::log(4 * drw * (2 * a + drw + o) / (b * b)) + 2.0 / 3) / (kCexPi * in.E * in.bc) +
                       64 * Q * in.l * in.l * in.l / (3 * kCexPi * in.E * dsw * dsw * dsw * dsw);
    const double gamma = std::asin(o / (o + 2 * eps));
    const double first = gamma * in.X2 / (2 * kCexPi) + 1;
    const double last = in.X2 * (kCexPi - gamma) / (2 * kCexPi);
    if (!finite({rho, b, eps, gamma, first, last}) || !(eps > 0)) return std::nullopt;
    if (first > in.X2 + 1 || last > in.X2 || first < 0 || last < -1) return std::nullopt;
    return Deflection{eps, static_cast<int>(first), static_cast<int>(last)};
}

std::optional<double> force(const OutputPinInputs& in, const Deflection& d) {
    if (d.first > d.last) return std::nullopt;   // no pin carries load
    const double o = pinHoleClearance(in.dp);
    double S = 0;
    for (int j = d.first; j <= d.last; ++j) {
        const double phi = j * 2 * kCexPi / in.X2;
        const double gap = (1 - std::sin(phi)) * o / 2;
        S += std::sin(phi) * (std::sin(phi) - gap / d.eps) * in.Dw / 2;
    }
    if (!std::isfinite(S) || !(S > 0)) return std::nullopt;
    const double F = 0.55 * (1000 * in.Tc) / S;
    if (!std::isfinite(F) || !(F > 0)) return std::nullopt;
    return F;
}

bool bending(const OutputPinInputs& in, OutputPinResult& r) {
    const double k = in.X1 == 3 ? 2 : 4;
    r.sigma = k * in.Kw * r.Qmax * in.l / (kCexPi * r.dsw * r.dsw * r.dsw);
    r.Sf = in.sigmaFlim / r.sigma;
    return finite({r.sigma, r.Sf}) && r.sigma > 0;
}

// The results within their quantities' ranges (cex_ranges.h): a result the
// record could not hold is no result.
bool resultsAdmitted(const OutputPinResult& r) {
    using namespace cex_q;
    return allAdmitted({{&kDrw, r.drw}, {&kDsw, r.dsw}, {&kQmax, r.Qmax}, {&kEpsMax, r.epsMax}, {&kSf, r.Sf}}) &&
           r.drw > 0 && r.dsw > 0;
}

bool inputsUsable(const OutputPinInputs& in) {
    return in.X2 > 0 && in.a > 0 && in.bc > 0 && in.E > 0 && in.Dw > 0 && in.Tc > 0 &&
           finite({in.a, in.Di, in.Dw, in.dfc, in.dp, in.Tc, in.bc, in.l, in.mu, in.E, in.sigmaFlim, in.Kw});
}
}  // namespace

std::optional<double> presetRadialClearance(double drp, double dp, double a) {
    if (drp > 120 || dp > 800) return std::nullopt;
    const double t1 = lookUp(kT1, drp);
    const double t2 = lookUp(kT2, dp - 2 * a - drp);
    return t1 / 2 + t2 / 2 + 0.02;
}

double rootDiameter(double dp, double a, double drp, double dj) { return dp - 2 * a - drp - 2 * dj; }
double tipDiameter(double dp, double a, double drp, double dj) { return 2 * a + dp - drp - 2 * dj; }
double proposedPinHoleCircle(double dp, double dfc) { return std::floor((0.45 * dp + dfc) / 2 + 0.5); }

double pinHoleClearance(double dp) { return dp <= 550 ? 0.15 : 0.25; }
double pinHoleDiameter(double a, double drw, double dp) { return 2 * a + drw + pinHoleClearance(dp); }
double pinHoleUpperDeviation(double dw) { return lookUp(kH7, dw); }

std::optional<OutputPinResult> designOutputPins(const OutputPinInputs& in) {
    if (!inputsUsable(in)) return std::nullopt;
    const double o = pinHoleClearance(in.dp);
    const double a = in.a;
    const double f = std::sin(kCexPi / in.X2) * in.Dw - 0.025 * in.dp - 2 * a - o;
    const double g = in.dfc - in.Dw - 0.05 * in.dp - 2 * a - o;
    const double h = in.Dw - in.Di - 0.05 * in.dp - 2 * a - o;
    OutputPinResult r;
    r.drw = std::min({f, g, h});
    if (!std::isfinite(r.drw) || !(r.drw > 0)) return std::nullopt;
    r.dsw = 0.7 * r.drw;
    double Q = 8 * (1000 * in.Tc) / (in.Dw * in.X2);
    for (r.passes = 1; r.passes <= kOutputPinPassLimit; ++r.passes) {
        auto d = deflection(in, r.drw, r.dsw, Q);
        if (!d) return std::nullopt;
        auto Qn = force(in, *d);
        if (!Qn) return std::nullopt;
        if (std::fabs(*Qn - Q) / *Qn <= 0.001) {
            r.Qmax = (Q + *Qn) / 2;
            r.epsMax = d->eps;
            r.Nz = d->last - d->first + 1;
            if (!bending(in, r) || !resultsAdmitted(r)) return std::nullopt;
            return r;
        }
        Q = *Qn;
    }
    return std::nullopt;
}

std::optional<OutputPinResult> checkOutputPins(const OutputPinInputs& in, double drw, double dsw, double Qmax) {
    if (!inputsUsable(in) || !(drw > 0) || !(dsw > 0) || !(Qmax > 0)) return std::nullopt;
    OutputPinResult r;
    r.drw = drw;
    r.dsw = dsw;
    r.passes = 1;
    auto d = deflection(in, drw, dsw, Qmax);
    if (!d) return std::nullopt;
    auto Q = force(in, *d);
    if (!Q) return std::nullopt;
    r.epsMax = d->eps;
    r.Qmax = *Q;
    r.Nz = d->last - d->first + 1;
    if (!bending(in, r) || !resultsAdmitted(r)) return std::nullopt;
    return r;
}

std::span<const double> rollingBores() { return kRolling; }
std::span<const double> slidingBores() { return kSliding; }

std::vector<double> offeredBores(std::span<const double> t, double dimin, double dimax) {
    const std::size_t n = t.size();
    // First: the entry e with e < Dimin ≤ next; the first entry when none is below.
    std::size_t first = 0;
    for (std::size_t k = 0; k + 1 < n; ++k)
        if (t[k] < dimin && dimin <= t[k + 1]) first = k;
    if (dimin > t[n - 1]) first = n - 1;
    // Last: the entry with e ≤ Dimax < next; the table's end beyond it.
    std::size_t last = n - 1;
    for (std::size_t k = 0; k + 1 < n; ++k)
        if (t[k] <= dimax && dimax < t[k + 1]) last = k;
    if (dimax < t[0]) last = 0;
    if (last < first) last = first;
    return std::vector<double>(t.begin() + static_cast<std::ptrdiff_t>(first), t.begin() + static_cast<std::ptrdiff_t>(last) + 1);
}

}  // namespace cycloid
