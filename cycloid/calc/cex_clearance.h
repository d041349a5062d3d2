// Page 3's clearances: the lubrication clearance by tolerance grade, the
// root-circle deviation, the two tolerance ranges of the sliders, and the
// side clearance, radial clearance and angular modification.
#pragma once
#include <optional>

namespace cycloid {

// ΔR = IT + base of the drp band for grade index 1..4 (IT5..IT8); nullopt
// for drp ≤ 0, drp > 120 or another index.
std::optional<double> lubricationClearance(double drp, int gradeIndex);
// ΔfEs by dp (negative); nullopt for dp ≤ 0 or dp > 800.
std::optional<double> rootDeviation(double dp);

struct ToleranceRange {
    double min = 0;
    double max = 0;
};
// The slider ranges of Δwl and Δpt by dp; nullopt outside 30 to 800 (30
// itself takes the first band).
std::optional<ToleranceRange> pinHoleToleranceRange(double dp);
std::optional<ToleranceRange> pitchToleranceRange(double dp);
// Min + (Max − Min)·position/50.
double toleranceAt(ToleranceRange r, int position);

double sideClearance(double dwl, double dp, double DW, double dpt, double dR);   // Δwl·dp/DW + Δpt + ΔR
double radialClearance(double dfEs, double dR);                                  // |ΔfEs|/2 + 0.02 + ΔR
// δ in degrees: the turn whose arc at dp/2 is Δc; and back.
double angularModification(double dc, double dp);
double sideClearanceOfAngle(double deltaDegrees, double dp);

}  // namespace cycloid
