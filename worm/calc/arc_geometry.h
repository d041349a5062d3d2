// Geometry of the arc-profile worm pairs (worm type ZC): ZC1, the worm
// ground by a disc with an arc axial profile, with the grinding-disc data and
// setting; ZC3, the worm whose axial profile is an arc. State: a CwGeomRecord.
#pragma once
#include <string>

#include "fw/expected.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/cw_records.h"

namespace worm::arc {

inline constexpr const char* kMsgNotZc =
    "所用的预定数据不是圆弧圆柱蜗杆形式，\n请用“普通圆柱蜗杆几何计算”程序项进行！";
inline constexpr const char* kMsgNoShorterWorm = "不要减小蜗杆齿宽！";
inline constexpr const char* kMsgDisc = "应在合适范围内选取磨轮直径!";
inline constexpr const char* kNoteDisc = "磨轮直径取值范围：300～700 mm";
inline constexpr const char* kMsgFaceWidthRange = "蜗杆齿宽调整太大，超出范围！";
constexpr double kSx = 1.2566370616000002;   // Sx = 0.4·π·m

// ---- ZC1 ----
constexpr double kZc1AlphaN = 23;            // degrees, the list's preset
constexpr double kZc1Clearance = 0.16;       // C*
constexpr int kDiscMin = static_cast<int>(ranges::geom::kDs.lower());   // 300, the disc's range
constexpr int kDiscMax = static_cast<int>(ranges::geom::kDs.upper());   // 700

// The ZC1 pair: the record plus what its dialog needs besides.
struct Zc1 {
    CwGeomRecord g;      // rho = ρn, rhoDisc = ρ, arcAxial = L1, arcRadial = L2
    double haStar = 1;
    double sigmaU = 0;   // Σu, working shaft angle
};

// Start values of a loaded design with the normal pressure angle αn;
// refusals: a design of types 0 to 3, b2 above da1, a start value the
// record's check refuses. The disc's arc radius ρ is taken with Au.
fw::Expected<Zc1, Refusal> zc1Start(const CwPreRecord& pre, double alphaN = kZc1AlphaN);
// A new αn after the load: αx, ρn, ρ and εa again; refused (z unchanged)
// when the record's check refuses the result.
fw::Expected<void, std::string> zc1SetAlphaN(Zc1& z, double alphaN, bool calculated);
// The grinding centre distance for a disc: (ds + d1)/2 − ha1, rounded to
// the nearest whole mm.
double grindingCentre(int ds, double d1, double ha1);
// K = 2·sin²γ/(d1·sin αn) + tan²γ/((A − d1/2)·sin αn)
double curvatureTerm(const CwGeomRecord& g, double centre);
// ρ's accepted range with Au: from the 0.62 to the 0.82 profile.
struct Bounds {
    double lower, upper;
};
Bounds discRadiusRange(const Zc1& z);
// ρn from ρ with Au.
double normalRadius(const Zc1& z);
// Centre check: x from 0 to 1.
bool zc1CentreAccepted(const CwGeomRecord& g, double aw);
// The calculation's centre test: a' − a from 0 to m.
bool zc1CentreInRange(const CwGeomRecord& g);
// The calculation: a refusal text when a' − a is outside 0..m or a result
// fails the record's check (z then stays as it was).
fw::Expected<void, std::string> zc1Calculate(Zc1& z);
// Arc-centre coordinates L1, L2, L3 from ρ, αn, Sn and Au.
void zc1ArcCentre(Zc1& z);
// The worm face width b1 a ZC1 pair takes: from 2.5·m·√(Z2 + 1) up to that
// plus the allowance the ZC3 face-width rule gives by module (20 mm up to
// m 6, 30 up to 9, 40 up to 14, 50 above).
struct WidthRange {
    double lower, upper;
};
WidthRange zc1FaceWidthRange(const CwGeomRecord& g);
std::string zc1NoteLoaded(const Zc1& z);
std::string zc1NoteCentre(const CwGeomRecord& g);
std::string zc1RadiusRangeText(const Bounds& b);
std::string zc1Report(const Zc1& z);
inline constexpr const char* kZc1TypeText = "蜗杆形式:\t\t圆弧圆柱蜗杆(ZC1)";

// ---- ZC3 ----
constexpr double kZc3AlphaX = 23;
fw::Expected<CwGeomRecord, Refusal> zc3Start(const CwPreRecord& pre);
bool zc3CentreAccepted(const CwGeomRecord& g, double aw);   // x from 0.5 to 1.5
// The calculation's centre test: a' − a from 0.5·m to 1.5·m.
bool zc3CentreInRange(const CwGeomRecord& g);
// The calculation; refused (g unchanged) when the centre test fails or a
// result fails the record's check.
fw::Expected<void, std::string> zc3Calculate(CwGeomRecord& g);
// The face-width rule: k by Z1 and x2, bmin = ⌊m·(0.1·Z2 + k)⌋, bmax by m.
struct FaceWidth {
    double k;
    int bmin, bmax;
};
FaceWidth zc3FaceWidth(const CwGeomRecord& g);
// b1 at a trackbar position (0 to 50), cut toward zero.
int faceWidthAt(int bmin, int bmax, int pos);
std::string zc3NoteLoaded(double m);
std::string zc3NoteCentre(double m);
std::string zc3Report(const CwGeomRecord& g);
inline constexpr const char* kZc3TypeText = "ZC3圆弧圆柱蜗杆";

}  // namespace worm::arc
