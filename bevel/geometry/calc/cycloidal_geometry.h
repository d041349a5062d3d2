// The geometry of a cycloidal (EN/TC cutter head) bevel gear pair, shaft
// angle 90°. The calculation runs in stages, cut where the dialogs ask the
// user: the face width (after the cone), the cutter head (after the
// reference point's approximate spiral angle), the cutter tilt (after the
// whole depth) and the pinion's height modification.
#pragma once
#include <optional>
#include <string>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/geometry/calc/cutter_head_record.h"
#include "common/calc/angle_split.h"

namespace bevel::aol {

struct Inputs {
    int z1 = 0, z2 = 0;
    double alphaDeg = 20;  // decimal degrees
    double betaMDeg = 35;  // decimal degrees
    double mt = 0;
    double phiR = 0.25;
    double b = 0;           // used when faceWidthEdited
    bool faceWidthEdited = false;
    double haStar = 1;
};

// Pitch cone, face width and reference point (before the cutter head).
struct Cone {
    double delta1 = 0, delta2 = 0;  // radians
    double d1 = 0, d2 = 0, r = 0, b = 0, zc = 0, rp = 0, ri = 0;
    double betaP1Deg = 0;           // βp' = 0.914(βm + 6)
};
Cone cone(const Inputs& in);

// The reference point from the cutter head (group g = 0, 1, 2).
struct Reference {
    double mp = 0;
    double betaP = 0;   // radians
    double rhoP = 0, rho = 0;
    double betaI = 0;   // radians, at Ri
    double beta = 0;    // radians, at R (outer end)
    double h = 0;       // whole depth
};
// Empty when a root, arccos or arcsin argument has no real value (a badly
// chosen head or a very small gear): Rp² − Q, Zc² − z0², Q or s not positive,
// cos βp or sin βL beyond ±1.
std::optional<Reference> referencePoint(const Cone& c, const CutterHeadRecord& head, int group);

// The spiral angle (radians) at cone distance L of the tooth through the
// reference point. In the crown-gear plane the head's centre M lies at ρ =
// ρp + Eb from the apex O, the point X of the tooth at L at √Q from M, and
// the tooth normal at X passes through N at ρp on OM (Eb from M):
//   c  = cos∠OMX = (ρ² + Q − L²)/(2·√Q·ρ),
//   s  = |XN|²   = Q + Eb² − 2·√Q·Eb·c,
//   sin βL = cos∠OXN = (L² + s − ρp²)/(2·L·√s).
// At L = Rp it gives βp itself when Eb = mp·z0/2. Empty where a root or the
// arcsine has no real value.
std::optional<double> spiralAngleAt(const Reference& ref, const CutterHeadRecord& head, int group, double l);

// The height modification χ1 = −χ2 stays below 1: the gear's addendum
// ha2 = (1 − χ1)·mp must stay above 0 (and with it the pinion's dedendum
// hf1 = 1.15·mp + 0.35 − χ1·mp).
inline constexpr double kX1Max = 1;

// x1min for a pinion of 15 teeth or fewer (0 when Δh is negative).
double x1Min(const Inputs& in, const Cone& c, const Reference& ref, const CutterHeadRecord& head, int group,
             double tiltDeg);

struct Results {
    double x1 = 0, x2 = 0, xt1 = 0, xt2 = 0, dh = 0;
    double ha1 = 0, ha2 = 0, hf1 = 0, hf2 = 0;
    double da1 = 0, da2 = 0, ak1 = 0, ak2 = 0, s1 = 0, s2 = 0;
    double epsBeta = 0, epsAlpha = 0;
};
Results finish(const Inputs& in, const Cone& c, const Reference& ref, double x1);

// The results into the record (α and βm stay as the fields put them): the
// values, tooth system 7, status 202, cutter type, head index and blade group.
struct Choice {
    int cutterType = 0;  // 0 EN, 1 TC
    int headIndex = 0;   // record of entc.ndt
    int group = 0;       // blade group
    double tiltDeg = 0;  // Δα
    int taper = 3;       // clearance form
};
void fillRecord(ConeGeomRecord& g, const Inputs& in, const Cone& c, const Reference& ref, const Results& res,
                const Choice& choice);

// The cutter list: header and the chosen head's row (EN with ρa0, TC without).
std::string cutterListHeader(int cutterType);
std::string cutterListRow(int cutterType, const CutterHeadRecord& head, int group);

}  // namespace bevel::aol
