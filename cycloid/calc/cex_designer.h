// The custom tooth-profile designer of one cycloid disc of a one-tooth-
// difference drive: side clearances of the modification modes, tip and
// root diameters, measurement over rods with its bounded rod search, the
// .PDA point file and the report.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cycloid/calc/cex_profile.h"

namespace cycloid {

// Modes: 0 theoretical, 1 angular, 2 positive equidistant, 3 negative shift,
// 4 positive equidistant plus positive shift.
struct DesignerInputs {
    int mode = 0;
    double delta = 0;   // degrees
    double drrp = 0, drp = 0;
    double dc = 0, dj = 0;
    bool dcAvailable = true;
    unsigned Zc = 5, Zp = 6;
    double i = 5;
    double dp = 0, dPin = 0;   // pin-circle diameter, pin diameter
    double a = 0.65, K1 = 0.42;
    double rpm = 0, rrpm = 0, K1m = 0;   // modified radii and coefficient
};

// Start values: dp = 2·Zp·a/K1 and the pin diameter sin(π/Zp)·dp/1.5.
DesignerInputs designerStart();
double designerPinCircle(unsigned Zp, double a, double K1);
double designerPinDiameter(unsigned Zp, double dp);

// Side clearances of the negative shift (A) and of the combined mode (B);
// nullopt where the root of a negative number would be taken (a thin pin for
// its pitch), 0 where the design's conditions give 0.
std::optional<double> sideClearanceA(double dp, double a, double dPin, unsigned Zc, double drp);
std::optional<double> sideClearanceB(double dp, double a, double dPin, unsigned Zc, double drp, double drrp);

// What the modification mode makes of the inputs (mode, δ, Δrrp, Δrp, dp,
// pin diameter, a, Zc, Zp), recomputed after every accepted input so that
// none of it stays from earlier values: the modified radii and coefficient,
// the radial clearance Δj and the side clearance Δc (nullopt where side
// clearance A or B cannot be formed).
struct DesignerDerived {
    double rpm = 0, rrpm = 0, K1m = 0, dj = 0;
    std::optional<double> dc;
};
DesignerDerived designerDerived(const DesignerInputs& in);

// The turn of the profile: τ = δ·π/180 in the angular modification, else 0.
double designerTurn(const DesignerInputs& in);

// The profile point with the designer's failing rule: nullopt when
// 1 + K² − 2K·cos φ ≤ 0 or the point is not finite.
std::optional<ProfilePoint> designerPoint(const DesignerInputs& in, double phi, double tau);

struct DesignerResult {
    double da = 0, df = 0, phi0 = 0, dm = 0, phim = 0, RL = 0, Lm = 0;
    int searchSteps = 0;
};
constexpr int kDesignerSearchLimit = 1000;
// The calculation, the rods measured on the profile turned by
// designerTurn(); nullopt ("计算出错！") when 1/Zp ≤ K1′ < 1 does not hold,
// a point fails, the rod search leaves 0 to π, takes more than its limit or
// meets a value that is not finite.
std::optional<DesignerResult> designerCalculate(const DesignerInputs& in);

// The 6,896-byte .PDA file; nullopt when a point fails.
constexpr std::size_t kPdaBytes = 280 + 88 + 112 + 401 * 16;
std::optional<std::vector<std::uint8_t>> pdaFileBytes(const DesignerInputs& in, const DesignerResult& r);
// The chosen name brought to ".PDA" at the first '.' of the file name.
std::string pdaFileName(const std::string& chosen, bool* renamed);

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0;
};
std::string designerReportText(const DesignerInputs& in, const DesignerResult& r, const LocalTime& t);

}  // namespace cycloid
