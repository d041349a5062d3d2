// The transmission parts of page 2: radial clearance, disc root and tip
// diameters, the pin-hole circle, the output-pin design with its force and
// deflection iteration and bending check, the pin-hole diameter and its
// tolerance, and the bearing bores offered for the disc.
#pragma once
#include <optional>
#include <span>
#include <vector>

namespace cycloid {

// Output pins proposed for a pin circle dp: 6, 8, 10, 12 or 16.
int proposedOutputPins(double dp);

// The preset radial clearance Δj = T1/2 + T2/2 + 0.02 (T1 by drp, T2 by
// x = dp − 2a − drp; x ≤ 50 takes the first band). nullopt when the drive is
// beyond the tables (drp > 120 or dp > 800).
std::optional<double> presetRadialClearance(double drp, double dp, double a);

double rootDiameter(double dp, double a, double drp, double dj);   // dp − 2a − drp − 2Δj
double tipDiameter(double dp, double a, double drp, double dj);    // 2a + dp − drp − 2Δj
// The pin-hole circle proposed with the root diameter: (0.45·dp + dfc)/2, half up.
double proposedPinHoleCircle(double dp, double dfc);

// The clearance o of the output pins in their holes.
double pinHoleClearance(double dp);
// Pin-hole diameter dw = 2a + drw + o, and its upper deviation (H7).
double pinHoleDiameter(double a, double drw, double dp);
double pinHoleUpperDeviation(double dw);

struct OutputPinInputs {
    double a = 0, Di = 0, Dw = 0, dfc = 0, dp = 0;
    int X2 = 0, X1 = 2;
    double Tc = 0, bc = 0, l = 0;
    double mu = 0.3, E = 206000, sigmaFlim = 180, Kw = 1.35;
};
struct OutputPinResult {
    double drw = 0, dsw = 0, Qmax = 0, epsMax = 0, sigma = 0, Sf = 0;
    int Nz = 0;
    int passes = 0;
};
constexpr int kOutputPinPassLimit = 1000;

// The whole design of the dsw button: sleeve and pin diameters, then the
// force iteration (at most kOutputPinPassLimit passes). nullopt when the
// sizes leave no sleeve (drw ≤ 0), no pin carries load, the sum of the
// lever arms is not positive, a value is not finite or lies outside its
// quantity's range (cex_ranges.h), or it does not settle.
std::optional<OutputPinResult> designOutputPins(const OutputPinInputs& in);
// One pass of the dsw and drw edits from the current Qmax, with the given
// drw and dsw; the same refusals.
std::optional<OutputPinResult> checkOutputPins(const OutputPinInputs& in, double drw, double dsw, double Qmax);

// Bearing bores of the bearing dialog.
std::span<const double> rollingBores();
std::span<const double> slidingBores();
// The entries offered for Dimin to Dimax: from the one just below Dimin to
// the last one not above Dimax; never empty, never past the table.
std::vector<double> offeredBores(std::span<const double> table, double dimin, double dimax);

}  // namespace cycloid
