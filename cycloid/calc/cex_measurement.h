// Measurement over rods of the modified cycloid disc: the measuring point,
// the normal's slope, the rod radius and rod-centre circle, the span over n
// teeth with its recommended lower deviation, and the search for the
// measuring point of a rounded rod.
#pragma once
#include <optional>

namespace cycloid {

struct RodInputs {
    double K1 = 0;       // block 1
    unsigned Zc = 0, Zp = 0;
    double a = 0;
    double rp = 0, rrp = 0;      // half of block 2's dp and drp
    double drp = 0, drrp = 0;    // block 4's shift and equidistant modification
};

// The point of the modified profile at φ (radians) in the measuring frame
// (the profile turned a quarter turn), its normal's slope and the rod radius
// w = sqrt(KA² + 1)·x of a rod whose centre lies on the tooth-space axis.
struct RodPoint {
    double phi = 0, x = 0, y = 0, KA = 0, w = 0;
};
std::optional<RodPoint> rodPointAt(const RodInputs& in, double phi);

// RL = y − KA·x and Ln = 2·RL·sin(n·π/Zc) + 2·Rt.
double rodCentreRadius(const RodPoint& p);
double spanOverRods(double RL, unsigned n, unsigned Zc, double Rt);

// The recommended lower deviation of the span; `note` when the table's ends apply.
struct SpanDeviation {
    double EI = 0;
    bool note = false;
};
SpanDeviation spanLowerDeviation(double Ln);

// The set-up of the page: φexact = arccos((1 + Zp·K1²)/((1 + Zp)·K1)),
// φ0 = φexact in whole degrees rounded up, n = Zp/2 − 1, the rod over the
// point at φexact. nullopt when 1/Zp ≤ K1 ≤ 1 does not hold, a value is
// not finite, or the point, rod or span lies outside its quantity's range
// (cex_ranges.h; the rod, its circle and the span above 0).
struct RodSetup {
    double phiExact = 0;   // radians
    int phi0 = 0;          // degrees
    unsigned n = 0;
    RodPoint point;
    double Rt0 = 0, RL = 0, Ln = 0;
};
std::optional<RodSetup> rodSetup(const RodInputs& in);

// The measuring point of a typed rod radius Rt: a walk in steps of 1.8°
// from φ0 (at most 100 steps, within 0 to π) to bracket Rt, then at most
// 200 refining steps to |w − Rt| ≤ 0.0001. When the walk's first point
// already passes Rt the bracket starts at φexact. nullopt when a limit is
// reached, a value is not finite or a result lies outside its range.
struct RoundOff {
    RodPoint point;
    double RL = 0, Ln = 0;
    int walkSteps = 0, refineSteps = 0;
};
constexpr int kRodWalkLimit = 100;
constexpr int kRodRefineLimit = 200;
std::optional<RoundOff> roundOffRod(const RodInputs& in, const RodSetup& setup, double Rt, unsigned n);

// A typed span count above (Zc − 1)/2 folded back: trunc(h − fmod(n, h)).
unsigned foldedSpanCount(unsigned n, unsigned Zc);

}  // namespace cycloid
