// Small-module cylindrical gear pairs (module 0.1 to 1 mm, basic rack of
// GB/T 2362) in four mounting patterns: tooth counts, profile-shift split,
// geometry of both gears, the common rack of crossed axes, contact ratio,
// least face width, mean efficiency and the inspection dimensions.
// Angles are held in degrees, lengths in mm.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fw/expected.h"
#include "smallmodule/calc/cy_sm_ranges.h"

namespace smallmodule {

enum class Pattern : std::int32_t {
    Parallel = 0,        // Σ = 0, helices of opposite hand
    HelicalSpur = 1,     // Z1 helical, Z2 spur, Σ = β1 ≤ 18°
    HelicalSum = 2,      // two helical gears, Σ = β1 + β2
    Perpendicular = 3,   // two helical gears, Σ = 90°
};
constexpr int kPatternCount = 4;
constexpr bool isCrossed(Pattern p) { return p != Pattern::Parallel; }

// The module list of the dialog, index 0 to 13.
inline constexpr std::array<double, 14> kModules{0.1, 0.12, 0.15, 0.2, 0.25, 0.3, 0.35,
                                                 0.4, 0.5,  0.6,  0.7,  0.8, 0.9, 1.0};
constexpr int kModuleCount = static_cast<int>(kModules.size());

// The ranges of the typed fields and of every stored value are those of
// cy_sm_ranges.h.
inline constexpr double kHelixMax = 90;           // β1 of pattern 0 stays below it, degrees

// Basic rack of GB/T 2362 for small modules.
constexpr double kAlpha = 20.0;   // profile angle, degrees
constexpr double kHaStar = 1.0;   // addendum coefficient
constexpr double kCStar = 0.35;   // clearance coefficient

// The split of the helix angles of pattern 2 (the answer of the split dialog).
enum class SplitOption : std::int32_t {
    Equal = 0,       // β1 = β2 (also when the dialog is cancelled)
    Optimised = 1,   // GetOptimizeBita
    UserPinion = 2,  // the user's β'1
};
struct HelixSplit {
    SplitOption option = SplitOption::Equal;
    double userBetaP1 = 0;   // degrees, option UserPinion
};

struct SmInput {
    Pattern pattern = Pattern::Parallel;
    double sigma = 0;      // Σ, axis angle
    double u = 1.0;        // wanted tooth ratio z2/z1
    double mn = 0.1;       // normal module
    double aw = 0;         // a', working centre distance
    double f = 0.05;       // sliding friction coefficient
    double beta1 = 0;      // β1, pattern 0 only
    double alpha = kAlpha;
    double haStar = kHaStar;
    double cStar = kCStar;
    bool operator==(const SmInput&) const = default;
};

// One gear's values.
struct SmGear {
    std::int32_t z = 0;
    double mt = 0;         // transverse module
    double betaP = 0;      // β', pitch helix angle
    double beta = 0;       // β, reference helix angle
    double alphaT = 0;     // αt
    double alphaWt = 0;    // α't, transverse working pressure angle
    double betaB = 0;      // βb
    double d = 0, dw = 0, db = 0, da = 0, df = 0;
    double alphaAt = 0;    // αat, tip pressure angle
    double xn = 0;
    double w = 0;          // base tangent length
    std::int32_t kw = 0;   // teeth spanned
    double mp = 0;         // dimension over rods
    bool operator==(const SmGear&) const = default;
};

struct SmResult {
    SmGear g1, g2;
    double u = 0;          // actual z2/z1
    double aw = 0;         // a' (replaced in patterns 1 to 3)
    double a = 0;          // without shift (0) / without backlash (1 to 3)
    double sumX = 0;       // Σx
    double dmp = 0;        // rod diameter
    double alphaNP = 0;    // αn' of the common rack
    double mnP = 0;        // mn' of the common rack
    double eps = 0;        // ε
    double eta = 1.0;      // η
    double b = 0;          // B, least face width
    bool operator==(const SmResult&) const = default;
};

// A refusal: the message the dialog shows (exclamation icon).
struct Refusal {
    std::string message;
    bool undefined = false;   // no gear pair exists for these inputs (not a tooth-count refusal)
};

// Refusals of the calculation.
inline constexpr const char* kMsgTooFew0 = "为保证小齿轮齿数足够，请调整输入数据\n方法：减少螺旋角、增加中心距或减小模数。";
inline constexpr const char* kMsgTooMany0 = "齿数太多，结构浪费！可增大模数或减小中心距。";
inline constexpr const char* kMsgTooFewX = "为保证小齿轮齿数足够，请调整输入数据，方法：\n1.增加中心距；2.若尺寸允许，减小模数。";
inline constexpr const char* kMsgTooManyX = "齿数太多，结构浪费！可增大模数或减小轴距。";
// A combination of inputs for which no gear exists (an arccos or arcsin
// beyond 1, a root of a negative number, a division by zero).
inline constexpr const char* kMsgUndefined = "输入数据组合无法构成可行的齿轮副，计算不能进行！\n请调整轴错角、中心距、齿数比或模数。";
// A computed pair an engineer could not use (wording ours).
inline constexpr const char* kFmtRatioRange = "圆整后的齿数比u = z2/z1 = %.3f，超出1～10！\n请调整齿数比或中心距。";
inline constexpr const char* kFmtEfficiency =
    "摩擦系数f = %g时啮合效率η = %.3f，不在0～1之间！\n请减小摩擦系数f。";
inline constexpr const char* kFmtNotPositive = "计算得到的%s≤0，不能构成齿轮副！\n请调整输入数据。";
// A helix split that leaves a helix angle at or below zero.
inline constexpr const char* kMsgBadSplit = "螺旋角分配无效：β1与β2均须大于0°！\n请增大轴错角或重新分配螺旋角。";
// The search of the automatic split found no root.
inline constexpr const char* kMsgNoOptimum = "自动分配螺旋角失败，请选用其它分配方案！";

// What a result must hold to be shown, saved or printed: every number
// finite (no subnormal), every length positive, the tip above the root, the
// angles inside 0°..90°, 1 ≤ kw < z, the actual ratio inside sm_q::kU,
// η inside (0, 1], and then every value inside its range (resultValues;
// kavrin::resultNotTaken). nullopt, or the refusal naming the quantity. The
// calculation, the shift edit and the record check all run it.
std::optional<Refusal> resultFault(const SmInput& in, const SmResult& r);
// Its two halves: the rules alone, and the ranges alone.
std::optional<Refusal> resultRuleFault(const SmInput& in, const SmResult& r);
std::optional<Refusal> resultRangeFault(const SmResult& r);

// Every number of a result with its quantity (cy_sm_ranges.h), in the order
// of the record: what resultFault and the record check hold against the
// table. `count` marks a whole number.
struct ResultValue {
    const kavrin::Quantity* q;
    double v;
    bool count = false;
};
std::vector<ResultValue> resultValues(const SmResult& r);

// A number as a field or a record may hold it: finite, zero or normal
// (the strict parser refuses the subnormal "2.1e-314").
bool plainNumber(double v);

// The least pinion tooth count for a module and a ratio.
unsigned MinGeersSet(double mn, double u);

// The split shift: xn1 = k·Σx + C1 by the actual ratio (a ratio below 1
// uses the first band).
struct ShiftSplit {
    double xn1 = 0, xn2 = 0;
};
ShiftSplit splitShift(double sumX, double u);

// The pinion helix angle (radians) of the automatic split, by bisection;
// nullopt when the function is not a number inside the search.
std::optional<double> GetOptimizeBita(double u, double sigmaRad);

// The calculation of one pattern. pattern 2 uses `split`; the others ignore it.
fw::Expected<SmResult, Refusal> calculate(const SmInput& in, const HelixSplit& split = {});

// After the user changed xn1 (or xn2): the recomputation of the tips and
// roots, inspection dimensions, contact ratio and face width with the
// current centre distance; η, a, the tooth counts and angles stay.
struct ShiftEditResult {
    SmResult result;
    bool pointedTip = false;   // tip thickness below 0.25·mn: warn, keep
};
enum class ShiftEdit { Xn1, Xn2 };
inline constexpr const char* kMsgXn1Small = "变位系数过小！\n小齿轮可能发生根切。\n请增大χn1！";
inline constexpr const char* kMsgXn2Large = "将使小齿轮变位系数过小！\n小齿轮可能发生根切。\n请减少χn2以增大χn1！";
inline constexpr const char* kMsgXn1Pointed = "变位系数过大！\n小齿轮齿顶变尖。\n请减小χn1！";
inline constexpr const char* kMsgXn2Pointed = "将使小齿轮变位系数过大！\n小齿轮齿顶变尖。\n请增大χn2使χn1减小！";
// A pinion tip thickness at or below zero: the tooth ends below its tip
// circle, so the edit is refused rather than kept with the warning.
inline constexpr const char* kMsgXn1NoTip = "变位系数过大！\n小齿轮齿顶厚≤0，齿顶圆无法形成。\n请减小χn1！";
inline constexpr const char* kMsgXn2NoTip = "将使小齿轮变位系数过大！\n小齿轮齿顶厚≤0，齿顶圆无法形成。\n请增大χn2使χn1减小！";
fw::Expected<ShiftEditResult, Refusal> editShift(const SmInput& in, const SmResult& current, ShiftEdit which,
                                                 double value);

// The deviation over rods that belongs to a base-tangent deviation of one
// gear: ΔM = ΔW·cos(π/(2z))^[z odd] / (sin αM·cos βb), αM the pressure
// angle at the rod centres of that gear's rod dimension.
inline constexpr const char* kMsgNoSpan = "公法线长度为0，无法换算量棒跨距偏差！\n请先进行计算。";
struct RodGear {
    std::int32_t z = 0;
    double alphaT = 0, betaB = 0, xn = 0, w = 0;   // degrees, mm
};
fw::Expected<double, Refusal> rodDeviation(double dW, const RodGear& g, double mn, double dmp, double alpha = kAlpha);

}  // namespace smallmodule
