// Strength check of the modified cycloid drive: initial clearances of the
// modified profile, the contact zone, pin deformation and force, their
// fixed-point iteration, the pins in mesh, the contact stress and the pin's
// bending.
#pragma once
#include <optional>

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

struct StrengthResult {
    double fmax = 0, deltaMax = 0;
    int Zn = 0;
    double sigmaH = 0, SH = 0, sigmaF = 0, SF = 0;
    double theta = 0;   // degrees
    int passes = 0;
};
constexpr int kStrengthPassLimit = 1000;

// Initial clearance of the modified profile at a pin at φ.
double initialClearance(const StrengthInputs& in, double phi);

// The calculation of "计    算"; nullopt when no contact start or end lies
// within 0° to 180°, no pin is in mesh, the lever-arm sum is not positive,
// no pin carries contact load, a value is not finite, or the iteration does
// not settle within kStrengthPassLimit passes. X1 must be 2 or 3.
std::optional<StrengthResult> strengthCheck(const StrengthInputs& in);

}  // namespace cycloid
