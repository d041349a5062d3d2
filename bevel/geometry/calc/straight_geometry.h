// The geometry of an orthogonal straight or skew-tooth bevel gear pair
// (tooth systems 0 to 2), and its report section.
#pragma once
#include <cstdint>
#include <string>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "common/calc/angle_split.h"
#include "fw/expected.h"

namespace bevel {

// Completion mask of the straight dialog's inputs.
enum StraightMaskBit : std::int32_t {
    kStraightZ1 = 0x01, kStraightZ2 = 0x02, kStraightC = 0x04, kStraightHa = 0x08, kStraightM = 0x10,
    kStraightAlpha = 0x20, kStraightRf = 0x40,
};
constexpr std::int32_t kStraightMaskComplete = 0x7F;

// Field limits of the dialog (accepted when lower < v ≤ upper).
inline constexpr double kStraightCMax = 0.3;         // 0 < c* ≤ 0.3
inline constexpr double kStraightHaMin = 0.8;        // 0.8 < ha* ≤ 1.0
inline constexpr double kStraightHaMax = 1.0;
inline constexpr double kStraightRfWarn = 0.12;      // above: the fillet warning
inline constexpr double kPhiRMin = 0.25;             // face width coefficient band
inline constexpr double kPhiRMax = 0.3333333333333333;
inline constexpr double kPhiRStep = 0.08333333333333331;  // the band's width, over 50 trackbar steps
constexpr int kPhiRTrackMax = 50;

// φR of a trackbar position, and the position of a φR in the band.
double phiRForPosition(int position);
int positionForPhiR(double phiR);

struct StraightInput {
    std::uint32_t z1 = 0, z2 = 0;
    double m = 0;
    kavrin::AngleTriple alpha{20, 0, 0};
    kavrin::AngleTriple beta{0, 0, 0};
    double haStar = 1.0, cStar = 0.2;
    double x1 = 0, x2 = 0, xt1 = 0, xt2 = 0;
    double phiR = 0.25;
    double b = 0;  // used only when faceWidthSet
    bool faceWidthSet = false;
    std::int32_t taper = kTaperEqualClearance;  // 0 unequal, 1 equal tip clearance
    friend bool operator==(const StraightInput&, const StraightInput&) = default;
};

// Steps 2 to 5: the pitch cones and the face width the calculation proposes.
struct StraightCones {
    double d1 = 0, d2 = 0;
    double delta1 = 0, delta2 = 0;  // rad
    double r = 0;
    double b = 0;  // φR·R, or the user's face width
};
StraightCones straightCones(const StraightInput& in);

// The helix angle that gives a face contact ratio of 1: tan β = T,
// T = π·m·(R − b)/(R·b).
double helixLimit(double m, double r, double b);
// The helix angle of the three integers, radians.
double helixOf(const StraightInput& in);

struct StraightResult {
    StraightCones cones;
    double beta = 0;  // rad, as used
    double ha1 = 0, ha2 = 0, h = 0, hf1 = 0, hf2 = 0;
    double da1 = 0, da2 = 0;
    double thetaF1 = 0, thetaF2 = 0, thetaA1 = 0, thetaA2 = 0;  // rad
    double deltaA1 = 0, deltaA2 = 0, deltaF1 = 0, deltaF2 = 0;  // rad
    double ak1 = 0, ak2 = 0;
    double rTau = 0;
    double s1 = 0, s2 = 0;
    double sBar1 = 0, sBar2 = 0, hBar1 = 0, hBar2 = 0;
    double zv1 = 0, zv2 = 0;
    double epsAlpha = 0, epsBeta = 0;
};

inline constexpr const char* kMsgStraightIncomplete = "输入的预定数据不齐全或有非法数据，请重新计算!";

// Steps 6 to 18 with the face width and the helix angle decided (β in
// radians: as typed, or arctan T). Refused with kMsgStraightIncomplete when
// a result is not printable (kavrin::printable: not finite, or 16 digits or
// more before the point).
fw::Expected<StraightResult, std::string> straightGeometry(const StraightInput& in, const StraightCones& cones,
                                                           double beta);

// Step 19: the inputs and results into the record (tooth system, rf, date,
// number and title are the caller's); status 202.
void fillStraightRecord(ConeGeomRecord& g, const StraightInput& in, const StraightResult& r);

// The report section appended to the .tng file, from the record.
std::string straightReport(const ConeGeomRecord& g);

}  // namespace bevel
