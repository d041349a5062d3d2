#include "cycloid/calc/cex_measurement.h"

#include <cmath>

#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/calc/cex_profile.h"
#include "cycloid/calc/cex_ranges.h"

namespace cycloid {

namespace {
constexpr double kHalfArcMinute = 0.00014544410435185187;
constexpr double kWalkStep = 0.03141592654;

// The measuring point, its rods and span within their quantities' ranges
// (cex_ranges.h), φ in degrees.
bool admitted(const RodPoint& p, double phiDegrees, double Rt, double RL, double Ln) {
    using namespace cex_q;
    return allAdmitted({{&kPhiA, phiDegrees}, {&kXa, p.x}, {&kYa, p.y}, {&kKa, p.KA}}) &&
           allAdmitted({{&kRt, Rt}, {&kRL, RL}, {&kLn, Ln}}) && Rt > 0 && RL > 0 && Ln > 0;
}

ProfilePoint measuringFrame(const RodInputs& in, double phi) {
    const double R = in.rp + in.drp;
    const Profile p{R, in.rrp + in.drrp, in.Zp * in.a / R, in.a, 0, in.Zc, in.Zp};
    const ProfilePoint q = p.at(phi);
    return {-q.y, q.x};   // a quarter turn: the tooth-space axis becomes the y axis
}
}  // namespace

std::optional<RodPoint> rodPointAt(const RodInputs& in, double phi) {
    const ProfilePoint p = measuringFrame(in, phi);
    const ProfilePoint p2 = measuringFrame(in, phi + kHalfArcMinute);
    RodPoint r;
    r.phi = phi;
    r.x = p.x;
    r.y = p.y;
    r.KA = -(p.x - p2.x) / (p.y - p2.y);
    r.w = std::sqrt(r.KA * r.KA + 1) * r.x;
    if (!std::isfinite(r.x) || !std::isfinite(r.y) || !std::isfinite(r.KA) || !std::isfinite(r.w)) return std::nullopt;
    return r;
}

double rodCentreRadius(const RodPoint& p) { return p.y - p.KA * p.x; }

double spanOverRods(double RL, unsigned n, unsigned Zc, double Rt) {
    return 2 * RL * std::sin(n * kCexPi / Zc) + 2 * Rt;
}

SpanDeviation spanLowerDeviation(double Ln) {
    struct Row {
        double upTo, EI;
    };
    static constexpr Row rows[] = {{80, -0.062},  {120, -0.074}, {180, -0.087}, {250, -0.1},   {315, -0.115},
                                   {400, -0.13},  {500, -0.14},  {630, -0.155}, {800, -0.175}};
    if (Ln <= 50) return {-0.052, true};
    for (const Row& r : rows)
        if (Ln <= r.upTo) return {r.EI, false};
    return {-0.23, true};
}

std::optional<RodSetup> rodSetup(const RodInputs& in) {
    if (in.Zc == 0 || in.Zp == 0 || !(in.a > 0) || !(in.rp > 0) || !(in.rrp > 0)) return std::nullopt;
    if (!(in.K1 >= 1.0 / in.Zp && in.K1 <= 1)) return std::nullopt;
    const double c = (1 + in.Zp * in.K1 * in.K1) / ((1 + in.Zp) * in.K1);
    if (!(c >= -1 && c <= 1)) return std::nullopt;
    RodSetup s;
    s.phiExact = std::acos(c);
    const double deg = std::ceil(s.phiExact * 180 / kCexPi);
    if (!std::isfinite(deg)) return std::nullopt;
    s.phi0 = static_cast<int>(deg);
    s.n = in.Zp / 2 - 1;
    auto p = rodPointAt(in, s.phiExact);
    if (!p) return std::nullopt;
    s.point = *p;
    s.Rt0 = p->w;
    s.RL = rodCentreRadius(*p);
    s.Ln = spanOverRods(s.RL, s.n, in.Zc, s.Rt0);
    if (!admitted(s.point, s.phi0, s.Rt0, s.RL, s.Ln)) return std::nullopt;
    return s;
}

std::optional<RoundOff> roundOffRod(const RodInputs& in, const RodSetup& s, double Rt, unsigned n) {
    const double phi0 = s.phi0 * kCexPi / 180;
    RoundOff out;
    double low = phi0, high = phi0;
    std::optional<RodPoint> cur;
    // Bracket.
    if (s.Rt0 < Rt) {
        double w = s.Rt0;
        for (int t = 0; Rt >= w; ++t) {
            const double phi = phi0 + t * kWalkStep;
            if (t >= kRodWalkLimit || phi < 0 || phi > kCexPi) return std::nullopt;
            cur = rodPointAt(in, phi);
            if (!cur) return std::nullopt;
            w = cur->w;
            out.walkSteps = t + 1;
        }
        high = cur->phi;
        low = out.walkSteps == 1 ? s.phiExact : phi0;
    } else if (s.Rt0 > Rt) {
        double w = s.Rt0;
        for (int t = 0; Rt < w; ++t) {
            const double phi = phi0 - t * kWalkStep;
            if (t >= kRodWalkLimit || phi < 0 || phi > kCexPi) return std::nullopt;
            cur = rodPointAt(in, phi);
            if (!cur) return std::nullopt;
            w = cur->w;
            out.walkSteps = t + 1;
        }
        low = cur->phi;
        high = phi0;
        if (out.walkSteps == 1) {   // the first point already passed Rt
            low = std::min(s.phiExact, phi0);
            high = std::max(s.phiExact, phi0);
        }
    } else {
        return std::nullopt;
    }
    // Refine.
    double phi = cur->phi;
    for (int k = 0;; ++k) {
        if (std::fabs(cur->w - Rt) <= 0.0001) break;
        if (k >= kRodRefineLimit) return std::nullopt;
        const double width = high - low;
        if (Rt < cur->w) {
            high = phi;
            phi -= 0.382 * width;
        } else {
            low = phi;
            phi += 0.382 * width;
        }
        cur = rodPointAt(in, phi);
        if (!cur) return std::nullopt;
        out.refineSteps = k + 1;
    }
    out.point = *cur;
    out.RL = rodCentreRadius(*cur);
    out.Ln = spanOverRods(out.RL, n, in.Zc, Rt);
    if (!admitted(out.point, out.point.phi * 180 / kCexPi, Rt, out.RL, out.Ln)) return std::nullopt;
    return out;
}

unsigned foldedSpanCount(unsigned n, unsigned Zc) {
    if (Zc < 1) return n;
    const unsigned limit = (Zc - 1) / 2;
    if (n <= limit) return n;
    const double h = (Zc - 1) / 2.0;
    return static_cast<unsigned>(std::trunc(h - std::fmod(static_cast<double>(n), h)));
}

}  // namespace cycloid
