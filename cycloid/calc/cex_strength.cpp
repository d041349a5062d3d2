#include "cycloid/calc/cex_strength.h"

#include <cmath>

#include "cycloid/calc/cex_preliminary.h"

namespace cycloid {

namespace {
double S(const StrengthInputs& in, double phi) { return std::sqrt(1 + in.K1 * in.K1 - 2 * in.K1 * std::cos(phi)); }

struct Zone {
    double start = 0;
    int Zn = 0;
};

std::optional<Zone> contactZone(const StrengthInputs& in, double delta) {
    int start = -1;
    for (int i = 0; i <= 180; ++i) {
        const double phi = i * kCexPi / 180;
        if (initialClearance(in, phi) <= delta * std::sin(phi) / S(in, phi)) {
            start = i;
            break;
        }
    }
    if (start < 0) return std::nullopt;
    int end = -1;
    for (int i = start; i <= 180; ++i) {
        const double phi = i * kCexPi / 180;
        if (initialClearance(in, phi) >= delta * std::sin(phi) / S(in, phi)) {
            end = i;
            break;
        }
    }
    if (end < 0) return std::nullopt;
    Zone z;
    z.start = ((start - 1) * kCexPi / 180 + start * kCexPi / 180) / 2;
    const double stop = ((end - 1) * kCexPi / 180 + end * kCexPi / 180) / 2;
    const double l = (stop - z.start) / (2 * kCexPi / in.Zc);
    if (!std::isfinite(l)) return std::nullopt;
    z.Zn = in.pinsLeftOut ? static_cast<int>(std::trunc((l + 1) / 2)) : static_cast<int>(std::trunc(l)) + 1;
    if (z.Zn <= 0) return std::nullopt;
    return z;
}

double pitch(const StrengthInputs& in) { return (in.pinsLeftOut ? 12.566370616 : 6.283185308) / in.Zc; }

double deformation(const StrengthInputs& in, double F) {
    const double k = in.K1;
    const double rho0 = in.rp * std::pow(1 - k * k, 1.5) / (k * k - 1) + in.rrp;
    const double r0 = std::fabs(rho0);
    const double nu = 1 - in.mu * in.mu;
    const double w = r0 * 4 * nu * F * in.rrp / in.E / in.bc / (r0 + in.rrp);
    const double dc = (std::log(r0 * 16 * in.rrp / w / w) + 0.6666666666666666) * nu * 2 * F / in.E / kCexPi / in.bc;
    const double I = std::pow(in.dsp, 4) * kCexPi / 64;
    const double L3 = in.Lp * in.Lp * in.Lp;
    const double db = in.X1 == 2 ? L3 * 31 * F / 48 / in.E / I / 64 : L3 * 7 * F / 48 / in.E / I / 128;
    return db + dc;
}

std::optional<double> force(const StrengthInputs& in, double delta, Zone* zoneOut = nullptr) {
    auto z = contactZone(in, delta);
    if (!z) return std::nullopt;
    const double beta = pitch(in);
    double sum = 0;
    for (int i = 0; i < z->Zn; ++i) {
        const double phi = z->start + i * beta;
        const double li = std::sin(phi) * in.Zc * in.a / S(in, phi);
        sum += li * (li / (in.Zc * in.a) - initialClearance(in, phi) / delta);
    }
    if (!std::isfinite(sum) || !(sum > 0)) return std::nullopt;
    if (zoneOut) *zoneOut = *z;
    const double F = 550 * in.To / sum;
    if (!std::isfinite(F) || !(F > 0)) return std::nullopt;
    return F;
}
}  // namespace

double initialClearance(const StrengthInputs& in, double phi) {
    const double s = S(in, phi);
    return (1 - std::sin(phi) / s) * in.drrp -
           ((1 - in.K1 * std::cos(phi)) - std::sin(phi) * std::sqrt(1 - in.K1 * in.K1)) * in.drp / s;
}

std::optional<StrengthResult> strengthCheck(const StrengthInputs& in) {
    if (in.X1 != 2 && in.X1 != 3) return std::nullopt;
    if (in.Zc == 0 || in.Zp <= in.Zc || !(in.K1 > 0 && in.K1 < 1) || !(in.E > 0) || !(in.bc > 0) || !(in.dsp > 0) ||
        !(in.To > 0) || !(in.rp > 0) || !(in.rrp > 0) || !(in.a > 0))
        return std::nullopt;
    StrengthResult r;
    double F0 = 550 * in.To / 4 / (in.rp * in.K1);
    double F1 = 0, delta = 0;
    bool settled = false;
    for (r.passes = 1; r.passes <= kStrengthPassLimit; ++r.passes) {
        delta = deformation(in, F0);
        if (!std::isfinite(delta) || !(delta > 0)) return std::nullopt;
        auto f = force(in, delta);
        if (!f) return std::nullopt;
        F1 = *f;
        if (std::fabs(F1 - F0) < 0.001 * F1) {
            settled = true;
            break;
        }
        F0 = F1;
    }
    if (!settled) return std::nullopt;
    r.fmax = (F0 + F1) / 2;
    r.deltaMax = delta;
    auto z = contactZone(in, r.deltaMax);
    if (!z) return std::nullopt;
    r.Zn = z->Zn;
    const double beta = pitch(in);
    double q = 0;
    for (int i = 0; i < z->Zn; ++i) {
        const double phi = z->start + i * beta;
        const double s = S(in, phi);
        const double Fi = r.fmax * (std::sin(phi) * r.deltaMax / s - initialClearance(in, phi)) / r.deltaMax;
        const double den = in.K1 * (in.Zp + 1) * std::cos(phi) - (1 + in.Zp * in.K1 * in.K1);
        if (den == 0) continue;   // a pin at the inflection point
        const double rho = s * s * s * in.rp / den;
        const double v = Fi / rho;
        if (std::isfinite(v) && v > q) q = v;
    }
    if (!(q > 0)) return std::nullopt;   // no pin carries contact load
    r.sigmaH = 0.418 * std::sqrt(in.E * q / in.bc);
    r.SH = in.sigmaHp / r.sigmaH;
    const double d3 = in.dsp * in.dsp * in.dsp;
    const double d4 = d3 * in.dsp;
    double thetaRad;
    if (in.X1 == 2) {
        r.sigmaF = 1.41 * r.fmax * in.Lp / d3;
        thetaRad = 4.44 * r.fmax * in.Lp * in.Lp / d4 / 1000000;
    } else {
        r.sigmaF = 0.48 * r.fmax * in.Lp / d3;
        thetaRad = 0.74 * r.fmax * in.Lp * in.Lp / d4 / 1000000;
    }
    r.SF = in.sigmaFp / r.sigmaF;
    r.theta = thetaRad * 180 / kCexPi;
    for (double v : {r.fmax, r.deltaMax, r.sigmaH, r.SH, r.sigmaF, r.SF, r.theta})
        if (!std::isfinite(v)) return std::nullopt;
    return r;
}

}  // namespace cycloid
