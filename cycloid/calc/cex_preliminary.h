// The preliminary mesh parameters of a one-tooth-difference cycloid drive:
// output torque, the recommended bands of K1 and K2, the pin-circle radius
// range, the standard eccentricities and the slider mappings of page 1 and
// its recommendation dialogs.
#pragma once
#include <optional>

namespace cycloid {

// π as the cycloid calculations take it.
constexpr double kCexPi = 3.141592654;

// Tc = 9549 · P · i · η / n0, N·m (P in kW, n0 in r/min).
double outputTorque(double P, double i, double eta, double n0);

struct Band {
    double low = 0;
    double high = 0;
};
// v within the band, ends included, with a tolerance of a few units in the
// last place of the ends' shown digits: a bound shown with 15 significant
// digits and typed back lies inside.
bool withinBand(Band b, double v);

// K1 by the disc's tooth count; counts above 87 take the 60–87 band, below
// 9 the first band.
Band k1Band(unsigned Zc);
// K2 by the pin count; counts above 88 take the 61–88 band.
Band k2Band(unsigned Zp);
// Rp from 0.85·c to 1.3·c, c = (1000·Tc)^(1/3).
double rpBase(double Tc);
Band rpRange(double Tc);

// K2 = sin(π/Zp) · Rp / Rrp, and back.
double pinCoefficient(unsigned Zp, double Rp, double Rrp);
double pinSleeveRadius(unsigned Zp, double Rp, double K2);

// Standard eccentricities, 0.65 to 13 mm.
constexpr double kEccentricities[] = {0.65, 0.75, 1, 1.25, 1.5, 2, 2.5, 3, 3.5, 4,
                                      4.5,  5,    5.5, 6,  6.5, 7, 8, 9, 11,  13};
constexpr double kMinEccentricity = 0.65;
constexpr double kMaxEccentricity = 13;
// The neighbours lower ≤ a < upper in the series; nullopt outside 0.65 ≤ a < 13.
struct Neighbours {
    double lower = 0;
    double upper = 0;
};
std::optional<Neighbours> eccentricityNeighbours(double a);
// True when a lies strictly between two series values.
bool betweenStandardEccentricities(double a);

// Trackbars of page 1 and the K1, K2 and Rp dialogs: 0 to 50.
constexpr int kSliderMin = 0;
constexpr int kSliderMax = 50;
// value = low + (high − low)·(pos − min)/(max − min)
double valueFromPosition(Band b, int pos);
// pos = min + (max − min)·(value − low)/(high − low), truncated toward zero
// and kept within the trackbar's range.
int positionFromValue(Band b, double value);
// Width dialog: (base/0.1) · (0.1 + 0.1·(pos − min)/(max − min)).
double widthFromPosition(double base, int pos);
int positionFromWidth(double base, double bc);

// The efficiency page 1 takes from a loaded block: η itself from 0.8 to
// 0.99, otherwise 0.95.
double loadedEfficiency(double eta);
// The efficiency range that loading gives an η (after its 0.8 to 0.99 check).
Band loadedEfficiencyRange(double eta);

}  // namespace cycloid
