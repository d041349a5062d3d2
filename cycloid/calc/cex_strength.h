// Strength check of the modified cycloid drive: initial clearances of the
// modified profile, the contact zone, pin deformation and force, their
// fixed-point iteration, the loaded pins, the contact stress and the pin's
// bending.
//
// The pins stand at φj = j·2π/Zp around the pin circle (every other one,
// 4π/Zp apart, with pins left out), φ measured from the line of centres. A
// pin carries load only where the deformation exceeds its initial clearance
// (Fi > 0); only those pins count in Zn and in the torque balance. The
// contact stress takes the pin (radius rrp) against the actual disc profile,
// whose radius is the theoretical radius ρ plus rrp, concave or convex.
#pragma once
#include <optional>
#include <vector>

namespace cycloid {

struct StrengthInputs {
    double K1 = 0;
    unsigned Zc = 0, Zp = 0;
    double bc = 0, rp = 0, rrp = 0, a = 0;
    double dsp = 0, Lp = 0;
    int X1 = 2;
    bool pinsLeftOut = false;
    double drrp = 0, drp = 0;
    double E = 0, mu = 0, sigmaHp = 0, sigmaFp = 0, To = 0;
};

// One loaded pin of the result.
struct PinLoad {
    double phi = 0;         // position angle, radians
    double F = 0;           // its force, N (> 0)
    double rho = 0;         // theoretical radius of curvature, mm (> 0 concave, < 0 convex)
    double curvature = 0;   // equivalent curvature 1/ρe of pin and disc, 1/mm
};

struct StrengthResult {
    double fmax = 0, deltaMax = 0;
    int Zn = 0;
    double sigmaH = 0, SH = 0, sigmaF = 0, SF = 0;
    double theta = 0;   // degrees
    int passes = 0;
    std::vector<PinLoad> pins;   // the loaded pins at δmax, in order of φ
    int stressPin = 0;           // index into pins of the largest Fi·|1/ρe|
};
constexpr int kStrengthPassLimit = 1000;

// Pin pitch: 2π/Zp, or 4π/Zp with pins left out (π = 3.141592654).
double pinPitch(const StrengthInputs& in);

// Initial clearance of the modified profile at a pin at φ.
double initialClearance(const StrengthInputs& in, double phi);

// Deformation at the most loaded pin under a force F: the Hertz approach
// of pin and disc, δc = (ln(16·|ρ0|·rrp/bH²) + 2/3)·2(1 − μ²)·F/(π·E·bc)
// with bH² = 8(1 − μ²)·F·R/(π·E·bc), R = |ρ0|·rrp/(|ρ0| + rrp), and the
// bending of the pin between its supports.
double contactDeformation(const StrengthInputs& in, double F);
double pinBendingDeflection(const StrengthInputs& in, double F);

// Equivalent curvature of the pin against the actual disc profile at φ:
// 1/ρe = ρ/(rrp·(ρ + rrp)), ρ the signed theoretical radius.
double equivalentCurvature(const StrengthInputs& in, double phi);

// The calculation of "计    算"; nullopt when no contact start or end lies
// within 0° to 180°, no pin carries load, the torque sum of the loaded pins
// is not positive, a value is not finite or a result lies outside its
// quantity's range (cex_ranges.h), or the iteration does not settle within
// kStrengthPassLimit passes. X1 must be 2 or 3.
std::optional<StrengthResult> strengthCheck(const StrengthInputs& in);

}  // namespace cycloid
