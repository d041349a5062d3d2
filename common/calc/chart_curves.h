// The curves of the bevel design charts, from public design data: the form
// factor of the virtual spur gear (load at the tip) and the profile shift
// rules of the ENIMS systems. The chart pictures are drawn from these.
#pragma once
#include <array>
#include <optional>

namespace kavrin::chart {

// Form factor YFa of an external spur gear with zn teeth and profile shift x,
// load at the tooth tip, cut by a basic rack with αn 20°, addendum 1,
// dedendum 1.25 and root radius 0.38 (all in modules). nullopt when the
// critical section cannot be found (no convergence).
std::optional<double> formFactorAtTip(double zn, double x);
// The tooth is undercut below zn = 2(1 − x)/sin²20°.
bool undercut(double zn, double x);
// The tooth tip is pointed (normal tip thickness below zero).
bool pointedTip(double zn, double x);

// ENIMS straight teeth, radial shift: 2(1 − 1/u²)/√z1.
double enimsStraightRadial(double u, double z1);
// ENIMS tangential shift: 0 below u 2.5, then 0.03 + 0.008(u − 2.5)
// (straight teeth) or 0.11 + 0.01(u − 2.5) (curved teeth).
double enimsStraightTangential(double u);
double enimsCurvedTangential(double u);

// Zone factor of the virtual cylindrical gear with zero shift sum, at the
// mean spiral angle βm and normal pressure angle αn (degrees):
// ZH = 2·√(cos βb / sin 2αt), tan αt = tan αn / cos βm, sin βb = sin βm·cos αn.
double zoneFactor(double betaMDeg, double alphaNDeg);
// Contact ratio factor: √((4 − εα)/3·(1 − εβ) + εβ/εα) for εβ < 1,
// √(1/εα) from εβ 1 on.
double contactRatioFactor(double epsAlpha, double epsBeta);

// ENIMS curved teeth (βm 35°), radial shift: the published table by z1 and
// u; a negative entry marks a combination not recommended.
inline constexpr std::array<double, 12> kEnimsCurvedRatios = {1, 1.12, 1.25, 1.4, 1.6, 1.8, 2.0, 2.5, 3.15, 4, 5, 6.3};
struct EnimsCurvedRow {
    int z1;
    std::array<double, 12> x1;
};
extern const std::array<EnimsCurvedRow, 11> kEnimsCurvedRadial;

}  // namespace kavrin::chart
