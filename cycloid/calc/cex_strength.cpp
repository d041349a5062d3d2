#include "cycloid/calc/cex_strength.h"

#include <cmath>

#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/calc/cex_ranges.h"

namespace cycloid {

namespace {
double S(const StrengthInputs& in, double phi) { return std::sqrt(1 + in.K1 * in.K1 - 2 * in.K1 * std::cos(phi)); }

// Where the deformation δ·sin φ/S closes the initial clearance, in whole
// degrees: from half a degree before the first degree that closes to half a
// degree before the first that opens again.
struct Zone {
    double start = 0, end = 0;
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
    z.end = ((end - 1) * kCexPi / 180 + end * kCexPi / 180) / 2;
    return z;
}

// The share of a pin's force, (sin φ·δ/S − Δ(φ))/δ: the pin carries load
// only where it is above 0.
double loadShare(const StrengthInputs& in, double phi, double delta) {
    return (std::sin(phi) * delta / S(in, phi) - initialClearance(in, phi)) / delta;
}

// The pins of the contact zone that carry load under the deformation δ.
std::optional<std::vector<double>> loadedPins(const StrengthInputs& in, double delta) {
    auto z = contactZone(in, delta);
    if (!z) return std::nullopt;
    std::vector<double> pins;
    const double beta = pinPitch(in);
    for (unsigned j = 0; j * beta <= z->end; ++j) {
        const double phi = j * beta;
        if (phi >= z->start && loadShare(in, phi, delta) > 0) pins.push_back(phi);
    }
    if (pins.empty()) return std::nullopt;
    return pins;
}

double deformation(const StrengthInputs& in, double F) { return pinBendingDeflection(in, F) + contactDeformation(in, F); }

// The force on the most loaded pin from the torque balance of the loaded
// pins: lever arms li = sin φi·Zc·a/S, F(δ) = 550·To/Σ li·(li/(Zc·a) − Δi/δ).
std::optional<double> force(const StrengthInputs& in, double delta) {
    auto pins = loadedPins(in, delta);
    if (!pins) return std::nullopt;
    double sum = 0;
    for (double phi : *pins) {
        const double li = std::sin(phi) * in.Zc * in.a / S(in, phi);
        sum += li * (li / (in.Zc * in.a) - initialClearance(in, phi) / delta);
    }
    if (!std::isfinite(sum) || !(sum > 0)) return std::nullopt;
    const double F = 550 * in.To / sum;
    if (!std::isfinite(F) || !(F > 0)) return std::nullopt;
    return F;
}
}  // namespace

double pinPitch(const StrengthInputs& in) { return (in.pinsLeftOut ? 12.566370616 : 6.283185308) / in.Zp; }

double initialClearance(const StrengthInputs& in, double phi) {
    const double s = S(in, phi);
    return (1 - std::sin(phi) / s) * in.drrp -
           ((1 - in.K1 * std::cos(phi)) - std::sin(phi) * std::sqrt(1 - in.K1 * in.K1)) * in.drp / s;
}

double contactDeformation(const StrengthInputs& in, double F) {
    const double k = in.K1;
    const double rho0 = in.rp * std::pow(1 - k * k, 1.5) / (k * k - 1) + in.rrp;
    const double r0 = std::fabs(rho0);
    const double nu = 1 - in.mu * in.mu;
    const double R = r0 * in.rrp / (r0 + in.rrp);
    const double bH2 = 8 * nu * F * R / (kCexPi * in.E * in.bc);   // Hertz half width, squared
    return (std::log(16 * r0 * in.rrp / bH2) + 0.6666666666666666) * 2 * nu * F / (kCexPi * in.E * in.bc);
}

double pinBendingDeflection(const StrengthInputs& in, double F) {
    const double I = std::pow(in.dsp, 4) * kCexPi / 64;
    const double L3 = in.Lp * in.Lp * in.Lp;
    return in.X1 == 2 ? L3 * 31 * F / 48 / in.E / I / 64 : L3 * 7 * F / 48 / in.E / I / 128;
}

double equivalentCurvature(const StrengthInputs& in, double phi) {
    // ρ = S³·rp/den; 1/ρe = ρ/(rrp·(ρ + rrp)) = 1/(rrp·(1 + rrp·den/(S³·rp))),
    // finite also where the theoretical profile turns (den = 0).
    const double s = S(in, phi);
    const double den = in.K1 * (in.Zp + 1) * std::cos(phi) - (1 + in.Zp * in.K1 * in.K1);
    return 1 / (in.rrp * (1 + in.rrp * den / (s * s * s * in.rp)));
}

std::optional<StrengthResult> strengthCheck(const StrengthInputs& in) {
    if (in.X1 != 2 && in.X1 != 3) return std::nullopt;
    if (in.Zc == 0 || in.Zp <= in.Zc || !(in.K1 > 0 && in.K1 < 1) || !(in.E > 0) || !(in.bc > 0) || !(in.dsp > 0) ||
        !(in.To > 0) || !(in.rp > 0) || !(in.rrp > 0) || !(in.a > 0) || !(in.mu >= 0 && in.mu < 1))
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
    auto pins = loadedPins(in, r.deltaMax);
    if (!pins) return std::nullopt;
    r.Zn = static_cast<int>(pins->size());
    double q = 0;
    for (double phi : *pins) {
        PinLoad p;
        p.phi = phi;
        p.F = r.fmax * loadShare(in, phi, r.deltaMax);
        const double s = S(in, phi);
        p.rho = s * s * s * in.rp / (in.K1 * (in.Zp + 1) * std::cos(phi) - (1 + in.Zp * in.K1 * in.K1));
        p.curvature = equivalentCurvature(in, phi);
        const double v = p.F * std::fabs(p.curvature);
        if (!std::isfinite(v)) return std::nullopt;
        if (v > q) {
            q = v;
            r.stressPin = static_cast<int>(r.pins.size());
        }
        r.pins.push_back(p);
    }
    if (!(q > 0)) return std::nullopt;
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
    // Results within their quantities' ranges (cex_ranges.h), finite and printable.
    using namespace cex_q;
    if (!allAdmitted({{&kFmax, r.fmax}, {&kDeltaMax, r.deltaMax}, {&kSigmaH, r.sigmaH}, {&kSH, r.SH},
                      {&kSigmaF, r.sigmaF}, {&kSF, r.SF}, {&kTheta, r.theta}, {&kZn, double(r.Zn)}}))
        return std::nullopt;
    return r;
}

}  // namespace cycloid
