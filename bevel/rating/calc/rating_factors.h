// The factors, stresses and safety factors of the bevel strength rating, as
// pure functions: inputs in, the value (or the message that refuses it) out.
// The rating dialog runs the factor dialogs, passes their answers here and
// stores what comes back. π is 3.141592654 throughout, as the bevel rating
// has always computed it.
#pragma once
#include <cstdint>
#include <string>

#include "bevel/rating/calc/rating_ranges.h"
#include "fw/expected.h"

namespace bevel {

inline constexpr double kRatingPi = 3.141592654;
inline double ratingRadians(double deg) { return deg * kRatingPi / 180.0; }

// A text the rating shows in a message box.
struct RatingNotice {
    enum class Icon { None, Information, Exclamation };
    Icon icon = Icon::None;
    std::string text;     // UTF-8, exactly as shown
    std::string caption;  // empty: the application's own caption
};
template <class T>
using RatingValue = fw::Expected<T, RatingNotice>;

// A factor or stress is stored (its bit set) only when above 0 and
// printable (kavrin::printable: finite, and fewer than 16 digits before the
// point); a result that is not is no result, as one that is not finite.
bool usableFactor(double v);
// A factor above 0 outside its range (rating_ranges.h; one too large to
// print among them) is refused with factorRefusal (exclamation icon) and not
// taken; any other value passes as it is (0, a negative value or NaN then
// clears its bit as not usable).
RatingValue<double> factorInRange(const kavrin::Quantity& q, double v);

// Contact mask bits (the contact column, in its order).
namespace contact_bit {
inline constexpr std::uint16_t kA = 0x1, kV = 0x2, kBeta = 0x4, zH = 0x8, zE = 0x10, zEps = 0x20, zN = 0x40,
                               zL = 0x80, zV = 0x100, zR = 0x200, zW = 0x400;
inline constexpr std::uint16_t kComplete = 0x7ff;
}  // namespace contact_bit
// Bending mask bits (Y0 has none).
namespace bending_bit {
inline constexpr std::uint16_t kA = 0x1, kV = 0x2, kBeta = 0x4, yF = 0x8, yEps = 0x10, yBeta = 0x20, yN = 0x40,
                               yX = 0x80;
inline constexpr std::uint16_t kComplete = 0xff;
}  // namespace bending_bit

// ---- load factors -------------------------------------------------------------

// Pitch-line speed at the outer module: v = π·m·Z1·n1/60000, m/s.
double pitchLineSpeed(double m, int z1, double n1);
// Kv by accuracy grade index (0 = grade 5 … 4 = grade 9) and speed band:
// (0, 1], (1, 3], (3, 5], (5, 8], (8, 12], (12, 18], (18, 25]; a speed above
// 25 m/s takes the last band, one that is not above 0 the first. 0 for a
// grade index outside 0..4.
double dynamicFactor(int gradeIndex, double v);
// The load factors Kv and Kβ are never below 1 (a table or dialog value
// above 0 is raised to 1); 0 stays 0 (not usable).
double loadFactorAtLeastOne(double k);

// ---- contact factors ------------------------------------------------------------

// ZE = √(1/(π·((1 − ν1²)/E1 + (1 − ν2²)/E2))); refused with
// "材料力学指标值不正确，请继续选定！" for a zero value or any result that is
// not finite and above 0 (ν = 1 on both sides, negative moduli).
RatingValue<double> elasticityFactor(double e1, double e2, double nu1, double nu2);

// ZN by material group (0..2), pitting option (0 allowed, 1 not; group 0
// only) and NL: flat below the table's threshold, then the power law and
// past its knee the long-life line. 0 for NL ≤ 0, not finite, or a group
// outside 0..2.
double contactLifeFactor(int group, int pitting, double cycles);

struct LubricantResult {
    double v = 0;   // m/s
    double zL = 0;  // 0 when not usable
    double zV = 0;
};
// ZL and Zv by σHlim class (0..4), lubricant (0 mineral, 1 synthetic), tooth
// surface (0 hard, 1 quenched and tempered) and ν50; v from m, Z1, n1.
// Both 0 for a class, lubricant or surface out of range.
LubricantResult lubricantFactors(int limitClass, int lubricant, int surface, double viscosity, double m, int z1,
                                 double n1);

// The distance of the roughness step: a = (sin δ1 + cos δ1)·(1 − 0.5·φR)·R, mm.
double roughnessDistance(double delta1Deg, double phiR, double r);
struct RoughnessResult {
    double a = 0, f = 0, zR = 0;
};
// ZR = c0 − c1·ln(Ra·f) by σHlim class; 0 when not usable.
RoughnessResult roughnessFactor(int limitClass, double ra, double delta1Deg, double phiR, double r);

// ZW (the shared table): hard pinion against a soft gear by HB, else 1.
double workHardeningFactor(int pinionSurface, int gearSurface, double hb);

// ---- bending factors ------------------------------------------------------------

// The rated gear of the form factor step: the pinion (Z1 over Z2, x1, xt1)
// or the gear (Z2 over Z1, x2, xt2), each with its own pitch angle.
struct FormFactorChart {
    double zv = 0;       // Z / cos δ / cos³ βm
    double s = 0;        // the chart abscissa (1/Zv − 1/12)/(−0.0823…)
    double x = 0, xt = 0;
};
// Refused (nullopt-like: zv 0) for tooth numbers that are not both positive
// or a βm of 90° or more.
FormFactorChart formFactorChart(bool gear, int z1, int z2, double betaMDeg, double x1, double x2, double xt1,
                                double xt2);
// YF = YF0, times 1.00562/e^(0.864337·xt) when xt ≠ 0; 0 when not usable.
double formFactor(double yf0, double xt);
// Yε = 0.2 + 0.8/εα (1 for βm 0).
double contactRatioBendingFactor(double betaMDeg, double epsAlpha);
// Yβ = 1 − βm·min(εβ, 1)/120 (βm in degrees), never below 1 − 0.25·min(εβ, 1) (0.75).
double spiralAngleFactor(double betaMDeg, double epsBeta);
// YN by material (0..3) at NE; refused with "未正确给定设计寿命！" (caption
// "注意", information icon) for NE ≤ 0 or not finite. 0 for a material
// outside 0..3.
RatingValue<double> bendingLifeFactor(int material, double cycles);
// Yx of the outer module m (mm): the fifth-degree polynomial, fitted for
// modules up to kSizeFactorMaxModule (it falls to 0.50 there, 0.32 at 30 mm
// and below 0 from about 32.6 mm). A module above that range, or one that is
// not above 0, is refused with a message naming the range.
inline constexpr double kSizeFactorMaxModule = 25;  // mm
RatingValue<double> sizeFactor(double m);

// ---- stresses ---------------------------------------------------------------------

// ZM = √(√(u² + 1)/u) with u = Z2/Z1; the cone factor 1/(1 − 0.5·φR).
double meanConeFactorZM(int z1, int z2);
double coneFactor(double phiR);

struct ContactStressInput {
    double zH = 0, zE = 0, zEps = 0, zM = 0, cone = 0;
    double ftm = 0, kA = 0, kV = 0, kBeta = 0;
    double b = 0, m = 0;
    int z1 = 0;
};
// σH = ZH·ZE·Zε·ZM·cone·√(Ftm·Ka·Kv·Kβ/(b·m·Z1)); 0 when not usable.
double contactStress(const ContactStressInput& in);
// σHP = σHlim·ZN·ZL·Zv·ZR·ZW; 0 when not usable.
double permissibleContactStress(double sigmaHlim, double zN, double zL, double zV, double zR, double zW);

struct BendingStressInput {
    double kA = 0, kV = 0, kBeta = 0, cone = 0;
    double yF = 0, yEps = 0, yBeta = 0, y0 = 0;
    double ftm = 0, b = 0, m = 0, betaMDeg = 0;
};
// σF = Ka·Kv·Kβ·cone²·YF·Yε·Yβ·Y0·Ftm/(b·m)/cos βm; 0 when not usable.
double bendingStress(const BendingStressInput& in);
// σFP = σFlim·YN·Yx; 0 when not usable.
double permissibleBendingStress(double sigmaFlim, double yN, double yX);
// S = permissible/stress; 0 unless both are usable (no division by 0).
double safetyFactor(double permissible, double stress);

}  // namespace bevel
