// Cutting and interference checks of a cylindrical gear pair: undercut, tip
// thickness, fillet interference and, for an internal pair, involute,
// profile-overlap and radial interference, each for the pair and for the
// shaping of the internal gear by its cutter.
//
// Two layers: the tests as functions of plain quantities with their verdicts
// as data (shared by the designed pair and the measured gears, which bring
// their own quantities, inverse step and texts), and the designed pair's run
// with its rows, results, solutions and summaries.
#pragma once
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cylindrical/calc/cutter_scheme.h"
#include "fw/expected.h"

namespace cylindrical {

// ---------------------------------------------------------------- tests --

// Comparisons are non-strict. A test whose quantity is undefined (arccos or
// arcsin of a number outside −1..1, square root of a negative number) counts
// as passed.
enum class Verdict { Pass, Fail, Undefined };

struct Outcome {
    Verdict verdict = Verdict::Undefined;
    double value = 0;  // the tested quantity (xmin, Sa, G, δ2, Q, ...); 0 when undefined
    double limit = 0;  // what it is held against (xn, 0.32·mn, L, P, ...); 0 when undefined
    bool passed() const { return verdict != Verdict::Fail; }
};

// Test 1, undercut of a hobbed gear: xmin = ha* − z·sin²αt/(2·cos β), passes
// when xmin ≤ xn. αt is the transverse pressure angle (a single measured gear
// passes its cutter pressure angle); a spur gear has β = 0.
struct HobUndercut {
    int z = 0;
    double alpha = 0;   // transverse pressure angle αt
    double haStar = 0;
    double xn = 0;
    double beta = 0;    // helix angle: the rack's addendum in the transverse section is ha*·cos β
};
Outcome undercutHobbed(const HobUndercut& in);

// Test 2, undercut of an external gear shaped by a cutter:
// xmin = ½·(√((z0 + 2·ha0*)² + (z² + 2·z·z0)·cos²αt) − z0 − z) ≤ xn.
struct ShaperUndercut {
    int z = 0;
    double alphaT = 0;
    double xn = 0;
    int z0 = 0;
    double ha0 = 0;
};
Outcome undercutShaped(const ShaperUndercut& in);

// Test 3, tip thickness of an external gear:
// Sa = da·(π/(2·z) + 2·xn·tan αn/z + inv αt − inv αat), passes when
// 0.32·mn ≤ Sa (value = Sa, limit = 0.32·mn).
struct TipThickness {
    int z = 0;
    double mn = 0;
    double xn = 0;       // normal profile shift: its thickness term takes tan αn
    double alphaN = 0;
    double alphaT = 0;
    double da = 0;
    double alphaAt = 0;  // tip pressure angle
};
Outcome tipThickness(const TipThickness& in);

// How the fillet of a gear was generated: by a hob, or by a shaper cutter
// meshing with it at its working pressure angle αw0.
struct HobCut {
    double alphaT = 0;
    double haStar = 0;
    double xn = 0;    // of the generated gear
    double beta = 0;  // helix angle of the generated gear
};
struct ShaperCut {
    int z0 = 0;
    double alphaW0 = 0;
    double alphaA0 = 0;  // the cutter's tip pressure angle
};
using Generation = std::variant<HobCut, ShaperCut>;

// Test 4, fillet of external gear i against the tip of gear j:
// L = tan αwt − (tan αatj − tan αwt)·zj/zi; hobbed G = tan αt −
// 4·(ha* − xni)·cos β/(zi·sin 2αt), shaped G = tan αw0i − (tan αa0i − tan αw0i)·z0i/zi;
// passes when G ≤ L (value = G, limit = L).
struct ExternalFillet {
    int zi = 0;
    int zj = 0;
    double alphaWt = 0;
    double alphaAtj = 0;  // tip pressure angle of the mating gear
    Generation cut = HobCut{};
};
Outcome filletExternal(const ExternalFillet& in);

// One mesh of an external member (the pinion, or the cutter that shapes the
// internal gear) inside the internal gear.
struct InternalMesh {
    int z = 0;                // teeth of the external member (Z1 or z02)
    double ra = 0;            // its tip radius
    double alphaA = 0;        // its tip pressure angle
    int zInternal = 0;        // Z2
    double raInternal = 0;    // tip radius of the internal gear
    double alphaAInternal = 0;
    double alphaW = 0;        // working pressure angle of the mesh
    double a = 0;             // centre distance of the mesh
};

// Test 5, fillet of the internal gear against the pinion tip, with
// f(m) = (zInternal − z)·tan αw + z·tan αa: G = f(cutter), L = f(pair);
// passes when G ≥ L.
Outcome filletInternalGear(const InternalMesh& pair, const InternalMesh& cutter);

// Test 6, fillet of the pinion against the internal-gear tip:
// L = Z2·tan αat2 − (Z2 − Z1)·tan αwt; hobbed G = Z1·tan αt − 4·(ha* − xn1)·cos β/sin 2αt,
// shaped G = (Z1 + z01)·tan αw01 − z01·tan αa01; passes when G ≤ L.
Outcome filletPinionInInternal(const InternalMesh& pair, const Generation& pinionCut);

// Tests 7 (pair) and 8 (cutter), involute interference:
// 1 − tan αaInternal / tan αw ≤ z/zInternal.
Outcome involuteInterference(const InternalMesh& m);

// Tests 9 (pair) and 10 (cutter), profile overlap:
// δ1 = arccos((raI² − ra² − a²)/(2·ra·a)), δ2 = arccos((a² + raI² − ra²)/(2·raI·a)),
// L = (z/zI)·(δ1 + inv αa − inv αw) + inv αw − inv αaI; passes when δ2 ≤ L.
Outcome profileOverlap(const InternalMesh& m);

// Tests 11 (pair) and 12 (cutter), radial interference:
// K = cos αa / cos αaI, u = z/zI; P = arcsin √((1 − K²)/(1 − u²)) + inv αa − inv αw,
// Q = (1/u)·arcsin √((K⁻² − 1)/(u⁻² − 1)) + inv αaI − inv αw; passes when Q ≤ P.
Outcome radialInterference(const InternalMesh& m);

// A cutter shaping a gear: the gear's teeth and shift, the cutter's teeth
// and shift, the pressure angles of the involute equation.
struct ShapingMesh {
    int z = 0;
    double xn = 0;
    int z0 = 0;
    double x0 = 0;
    double alphaN = 0;
    double alphaT = 0;
};
// The cutter's working pressure angle by the inverse involute at the given
// step: external gear inv αw0 = 2·(xn + x0)·tan αn/(z + z0) + inv αt,
// internal gear inv αw0 = 2·(xn − x0)·tan αn/(z − z0) + inv αt. nullopt when
// z ± z0 ≤ 0 or no angle strictly between 0 and π/2 is found.
std::optional<double> cutterWorkingAngleExternal(const ShapingMesh& m, double invStep);
std::optional<double> cutterWorkingAngleInternal(const ShapingMesh& m, double invStep);

// The cutter's tip pressure angle arccos(d0·cos αt / da0); nullopt unless
// its tip circle lies outside its base circle.
std::optional<double> cutterTipAngle(const Cutter& c, double alphaT);

// ------------------------------------------------------------ pair runs --

// The quantities of a pair that the tests read. The designed pair derives
// them (designedPairQuantities); a measured pair fills in its own.
struct PairQuantities {
    int z1 = 0;
    int z2 = 0;
    double mn = 0;
    double mt = 0;
    double alphaN = 0;
    double alphaT = 0;
    double beta = 0;
    double haStar = 0;
    double xn1 = 0;
    double xn2 = 0;
    double da1 = 0;
    double da2 = 0;
    double alphaAt1 = 0;
    double alphaAt2 = 0;
    double alphaWt = 0;
    double a = 0;  // centre distance of the overlap test
    bool internal = false;
};

// All verdicts of a run with cutters, in row order.
struct ExternalVerdicts {
    Outcome undercut1, undercut2;  // tests 1 or 2
    Outcome tip;                   // test 3
    Outcome fillet1, fillet2;      // test 4 for the pinion, for the gear
};
struct InternalVerdicts {
    Outcome undercut1;        // test 1 or 2
    Outcome tip;              // test 3
    Outcome filletInternal;   // test 5
    Outcome filletPinion;     // test 6
    Outcome involutePair;     // test 7
    Outcome involuteCutter;   // test 8
    Outcome overlapPair;      // test 9
    Outcome overlapCutter;    // test 10
    Outcome radialPair;       // test 11
    Outcome radialCutter;     // test 12
};

// Refusals of a run (wording of our own, except the pair-basics and
// over-correction texts, which are the geometry page's).
inline constexpr const char* kMsgEnterBasicsFirst = "请先确定基本参数，再调整中心距！";
inline constexpr const char* kMsgOverCorrected = " 中心距过修正，将造成严重齿廓干涉！";
inline constexpr const char* kMsgTip1InsideBase = "小齿轮齿顶圆直径不大于基圆直径，无法做切齿校验！";
inline constexpr const char* kMsgTip2InsideBase = "大齿轮齿顶圆直径不大于基圆直径，无法做切齿校验！";
inline constexpr const char* kMsgTipInternalInsideBase = "内齿轮齿顶圆直径不大于基圆直径，无法做切齿校验！";
inline constexpr const char* kMsgCutter1TipInsideBase = "小齿轮插齿刀齿顶圆直径不大于基圆直径，无法做切齿校验！";
inline constexpr const char* kMsgCutter2TipInsideBase = "大(内)齿轮插齿刀齿顶圆直径不大于基圆直径，无法做切齿校验！";
inline constexpr const char* kMsgCutterTeethInternal = "插齿刀齿数须小于内齿轮齿数，无法做切齿校验！";
inline constexpr const char* kMsgCutterNoWorkingAngle = "插齿刀啮合角无解，请检查插齿刀与齿轮的变位系数！";

// The tests of a pair with the gears cut as the scheme says (pinion shaped
// by cutter 1 unless pinion hobbed; an external gear by cutter 2 unless gear
// hobbed; the internal gear always by cutter 2); each shaped gear's αw0 by
// the inverse at invStep. Refused when a shaped gear's cutter is not usable
// (kMsgNoValidCutter), its tip circle is not outside its base circle, z02 ≥
// Z2 for the internal gear, or no working angle is found.
fw::Expected<ExternalVerdicts, std::string> checkExternal(const PairQuantities& p,
                                                          const CutterScheme& s, double invStep);
fw::Expected<InternalVerdicts, std::string> checkInternal(const PairQuantities& p,
                                                          const CutterScheme& s, double invStep);

// Tests 1 (hobbed) and 3 of the pinion, for the run without cutters.
Outcome pinionUndercutHobbed(const PairQuantities& p);
Outcome pinionTipThickness(const PairQuantities& p);

// ------------------------------------------------------ designed pair --

// The pair as the geometry sheet's first page holds it (angles in radians).
struct DesignedPair {
    int z1 = 0;
    int z2 = 0;
    double mn = 0;
    double alphaN = 0;
    double beta = 0;
    double haStar = 1.0;
    double xn1 = 0;
    double xn2 = 0;
    double a = 0;  // design centre distance
    bool internal = false;
};

// mt = mn/cos β, αt = atan(tan αn/cos β), ad = (Z1 ± Z2)·mt/2,
// yn = (a − ad)/mn, the tip diameters of the geometry pages (internal gear
// da2 = d2 − 2·mn·(ha* − xn1 − yn)), αat = arccos(db/da) and
// αwt = arccos(ad·cos αt / a). Refused with kMsgEnterBasicsFirst unless
// Z1 > 0, Z2 ≥ Z1, mn > 0, 0 < αn < π/2, |β| < π/2, ad > 0 and a > 0; with
// kMsgOverCorrected when ad·cos αt / a ≥ 1; when a tip circle is not outside
// its base circle.
fw::Expected<PairQuantities, std::string> designedPairQuantities(const DesignedPair& in);

// The check table: row i of each array belongs together.
struct CheckRows {
    std::vector<std::string> items;
    std::vector<std::string> results;
    std::vector<std::string> solutions;
};
inline constexpr const char* kSolutionOk = "Ok!";

// Rows and summary of a run with cutters (5 rows external, 10 internal).
struct CheckTexts {
    CheckRows rows;
    std::string summary;
};
CheckTexts externalTexts(const ExternalVerdicts& v, const CutterScheme& s);
CheckTexts internalTexts(const InternalVerdicts& v, const CutterScheme& s);

// Summaries of a run without cutters: the external one from verdicts of a
// run with both gears hobbed, the internal one from the pinion's tests 1 and 3.
std::string externalHobbingSummary(const ExternalVerdicts& hobbed);
std::string internalHobbingSummary(const Outcome& undercut1, const Outcome& tip);

// One check run of the designed pair. alphaWt is what the page stores (not
// set by a run without cutters on an internal pair); rows stay empty in a
// run without cutters.
struct DesignedCheck {
    CheckRows rows;
    std::string summary;
    std::optional<double> alphaWt;
};
// The cutter dialog was accepted: the full check at the fine step 4e-8.
fw::Expected<DesignedCheck, std::string> checkDesignedPair(const DesignedPair& in,
                                                           const CutterScheme& s);
// The cutter dialog was cancelled: the hobbing summary only.
fw::Expected<DesignedCheck, std::string> checkDesignedPairHobbed(const DesignedPair& in);

}  // namespace cylindrical
