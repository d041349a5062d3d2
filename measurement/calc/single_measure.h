// Reconstruction of one existing cylindrical gear from measured values:
// the design values, the span measurement, the constant chord and the
// dimension over two pins with the conversion of span deviations.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "common/calc/quantity.h"
#include "fw/expected.h"
#include "measurement/calc/measure_ranges.h"

namespace measurement {

enum class GearType { External = 0, Internal = 1 };
enum class SolveMode { HelixGiven = 0, ShiftGiven = 1 };

// A helix angle as the fields hold it.
struct HelixAngle {
    std::uint32_t deg = 0;
    std::uint32_t min = 0;
    double sec = 0;
    bool operator==(const HelixAngle&) const = default;
};
double helixRadians(const HelixAngle& b);
// A computed helix angle split for its three fields: the seconds rounded to
// a millionth first, then split, so an angle a hair below a whole minute
// shows its whole minute (15°0′0″), never 14°59′60″.
HelixAngle splitHelix(double radians);
// "%d°%d′%.2f″" with the seconds rounded to the printed two decimals before
// the split, so 10°59′59.999″ prints 11°0′0.00″.
std::string helixText(const HelixAngle& b);

// Field limits.
struct Limits {
    double lower;
    double upper;
    bool contains(double v) const { return v >= lower && v <= upper; }
};
// The ranges are the quantities of measure_ranges.h; these are their bounds
// under the names the calculations have always used.
// Normal module, mm: above zero (the field's refusal kMsgModule) and at most
// 100 mm (kMsgModuleLarge); below 0.05 mm the range's own refusal.
inline constexpr double kModuleMax = measure_q::kMn.upper();
inline constexpr std::uint32_t kTeethMax = static_cast<std::uint32_t>(measure_q::kZ.upper());
// Span deviations, mm, entered as magnitudes (kMsgDeviation).
inline constexpr Limits kDeviationLimits{0, measure_q::kDWs.upper()};
inline constexpr Limits kHaStarLimits{measure_q::kHaStar.lower(), measure_q::kHaStar.upper()};
inline constexpr Limits kCStarLimits{measure_q::kCStar.lower(), measure_q::kCStar.upper()};
inline constexpr Limits kAlphaNLimits{measure_q::kAlphaN.lower(), measure_q::kAlphaN.upper()};   // degrees
inline constexpr Limits kBetaSecLimits{measure_q::kBetaSec.lower(), measure_q::kBetaSec.upper()};

// Messages of the single gear calculator.
inline constexpr const char* kMsgModule = "模数必须大于零！";
inline constexpr const char* kMsgModuleLarge = "模数不应大于100mm！";
inline constexpr const char* kMsgDeviation = "公法线长度偏差按大小输入(符号见其左侧)，应在0～10mm之间！";
inline constexpr const char* kMsgTeeth = "齿数必须是大于零的整数！";
inline constexpr const char* kMsgTip = "齿顶圆直径必须大于零！";
inline constexpr const char* kMsgHaStar = "齿顶高系数取值不当！";
inline constexpr const char* kMsgCStar = "齿顶隙系数取值不当！";
inline constexpr const char* kMsgShiftLarge =
    "\n注意：变位绝对值太大，注意不要过修正，可能会造成齿顶太薄、不完整、根切等。";
inline constexpr const char* kMsgPointed = "注意：χn太大!致使齿顶变尖。";
inline constexpr const char* kMsgUndercut = "注意：χn太小!致使齿轮根切。";
inline constexpr const char* kMsgInternalInterference =
    "齿顶圆直径测量值是否偏小或螺旋角偏大，内齿轮发生干涉，须调整数据！";
inline constexpr const char* kFmtTipReduction = "考虑了齿顶高系数减少%.2f,以避免内齿轮齿顶与小齿轮齿根干涉。\n";
inline constexpr const char* kMsgSmallHelixExternal =
    "微量的螺旋角设计没有太大意义，如果所测的是直齿轮，可以变动变位系数调整它。";
inline constexpr const char* kMsgSmallHelixInternal = "\n微量的螺旋角设计没有太大意义，可以操作微调滑标调整它。";
inline constexpr const char* kMsgTopCut = "\n所测量的齿顶圆直径可能偏小或变位系数过大，有可能发生顶切！";
inline constexpr const char* kFmtPinHint = "测棒直径尽可能接近%.3fmm取值";
inline constexpr const char* kMsgIntro =
    "验算标准圆柱齿轮和高变位圆柱齿轮测绘数据，\n对于角变位齿轮请用成对齿轮测量计算程序。";
inline constexpr const char* kMsgIntroIncomplete =
    "验算标准圆柱齿轮和高变位圆柱齿轮测绘数据，对于角变位齿轮请用成对齿轮测量计算程序。";
inline constexpr const char* kMsgRunTrial = "执行“试算”。";
inline constexpr const char* kMsgIncomplete = "未输入必要数据或数据不合法，请检查后重试！";
inline constexpr const char* kMsgTypeChanged = "须重新检查并修改各项输入数据后进行试算。";
inline constexpr const char* kMsgDegreesFirst = "微小的螺旋角设计没有意义，并带来技术上的繁琐，请先确定度数。";
inline constexpr const char* kMsgMinutesNeedDegrees =
    "微量的螺旋角设计没有意义，请先确定度数。\n如果计算结果需要调整请操作滑标。";
// Stops of calculations whose formula has no value for the inputs given.
inline constexpr const char* kMsgUndefinedTip =
    "齿顶圆直径测量值与其它参数不协调，无法确定齿顶高系数，请检查数据！";
inline constexpr const char* kMsgUndefinedHelix = "齿顶圆直径测量值与变位系数不协调，无法确定螺旋角，请检查数据！";
inline constexpr const char* kMsgTipInsideBase = "计算的齿顶圆不大于基圆，无法计算齿顶压力角，请检查数据！";
inline constexpr const char* kMsgNoSpan = "无法确定公法线跨测齿数，请检查数据！";
inline constexpr const char* kMsgNoPin = "无法计算跨棒距，请检查测棒直径！";
inline constexpr const char* kMsgHelixRange = "计算得到的螺旋角超出0°～59°59′59″，请检查数据！";
// A computed length that must be positive and is not ("齿根圆直径df").
inline constexpr const char* kFmtNotPositive = "计算得到的%s≤0，不能构成齿轮，请检查数据！";
// A root circle on the wrong side of its tip circle: the root diameter's
// name, the ends of the range the tip leaves it, "小于" or "大于".
inline constexpr const char* kFmtRootBeyondTip = "%s应在%s～%smm之间（%s齿顶圆直径）！";

struct SingleInput {
    GearType type = GearType::External;
    SolveMode mode = SolveMode::HelixGiven;
    double mn = 0;         // normal module, mm
    std::uint32_t z = 0;   // tooth count
    double da = 0;         // measured tip diameter, mm
    double xn = 0;         // profile shift coefficient (given in ShiftGiven)
    double haStar = 1.0;
    double cStar = 0.25;
    double alphaNDeg = 20;
    HelixAngle beta{};     // given in HelixGiven
    bool operator==(const SingleInput&) const = default;
};

struct SingleResult {
    double mt = 0, d = 0, ha = 0, hf = 0, df = 0, db = 0, zv = 0;
    double alphaTRad = 0, alphaAtRad = 0;
    double daCalc = 0;     // tip diameter as computed
    double xn = 0;
    HelixAngle beta;
    double betaRad = 0;
    double k = 0;          // K of an internal gear
    double delta = 0;      // addendum reduction coefficient of an internal gear
    std::uint32_t kw = 0;
    double w = 0, sc = 0, hc = 0;
    double dp = 0, mp = 0;
    std::string hint;      // the hint the trial leaves
};

// The trial of the given mode. A refusal carries the message; with
// kMsgInternalInterference the dialog also shows it in a box.
fw::Expected<SingleResult, std::string> singleTrial(const SingleInput& in);

// What a result must hold to be shown, saved or printed: every number finite
// (no subnormal either) and printable (kavrin::printable), every stored
// result inside its quantity's range (measure_ranges.h; a length not above
// zero is refused as kFmtNotPositive says), the angles inside 0°..90°, the
// computed helix angle inside its fields, the root circle on its side of the
// tip circle (rootOutsideTip), 1 ≤ kw < Z. nullopt, or the
// refusal naming the quantity. The trial, the edits and the record check
// (measure_record_check.h) all run it.
std::optional<std::string> singleResultFault(const SingleInput& in, const SingleResult& r);

// A calculated value v of quantity q: nullopt when q admits it; otherwise
// kFmtNotPositive for a value not above zero of a quantity that must be, or
// kavrin::resultNotTaken(q).
std::optional<std::string> resultOutside(const kavrin::Quantity& q, double v);
// An angle in radians against q's range in degrees (a hair of rounding
// slack: the record holds degrees, the calculations radians).
std::optional<std::string> angleOutside(const kavrin::Quantity& q, double radians);
// The root circle against the tip circle, as a tooth has them: on an
// external gear df = d − 2·hf lies below da = d + 2·ha (the whole depth
// ha + hf is above zero), on an internal gear df = d + 2·hf lies above
// da = d − 2·ha. Beside df's own range (resultOutside), which keeps df above
// zero. nullopt, or kFmtRootBeyondTip naming df (quantity q) with the
// range the tip leaves it.
std::optional<std::string> rootOutsideTip(const kavrin::Quantity& q, double df, double da, bool internal);

// A number as a field or a record may hold it: finite, zero or normal
// (the strict parser refuses the subnormal "2.1e-314").
bool plainNumber(double v);

// The pin and pressure-angle data the dimension over pins needs.
struct PinGear {
    GearType type = GearType::External;
    std::uint32_t z = 0;
    double mn = 0, alphaNRad = 0, alphaTRad = 0, xn = 0, d = 0;
    double betaRad = 0;
};
// αM at the pin centres for pin diameter dp (step 1e-6), nullopt when the
// search cannot reach it.
std::optional<double> pinPressureAngle(const PinGear& g, double dp, double step = 1e-6);
// Mp for pin diameter dp; nullopt when not finite or not above zero.
std::optional<double> pinDimension(const PinGear& g, double dp, double step = 1e-6);
PinGear pinGear(const SingleInput& in, const SingleResult& r);

// The accepted pin diameters and the hint for others; nullopt = accepted.
std::optional<std::string> pinRefusal(GearType type, double mn, double dp);

// ΔM from ΔW (magnitudes); nullopt when the pin angle cannot be found.
std::optional<double> pinDeviation(const PinGear& g, double dp, double deltaW, double step = 1e-6);

// Span over kw teeth and constant chord. nullopt when k is not positive and finite.
struct SpanChord {
    std::uint32_t kw = 0;
    double k = 0, w = 0, sc = 0, hc = 0;
};
std::optional<SpanChord> spanAndChord(std::uint32_t z, double mn, double xn, double alphaNRad, double alphaTRad,
                                      double ha);

// The two shift warnings for virtual tooth count zv; empty when none.
std::string shiftWarning(double xn, double zv);

// Sliders.
constexpr int kHelixSliderMax = 59;
constexpr int kShiftSliderMax = 100;
constexpr int kShiftSliderCentre = 50;
double shiftFromSlider(int pos, int max = kShiftSliderMax);
int sliderFromShift(double xn, int max = kShiftSliderMax);

// Completion mask: bit 0 da > 0, bit 1 mn > 0, bit 2 Z ≠ 0.
constexpr std::int32_t kMaskComplete = 7;
std::int32_t completionMask(const SingleInput& in);

}  // namespace measurement
