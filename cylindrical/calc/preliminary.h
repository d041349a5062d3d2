// Preliminary design of a cylindrical gear pair: the minimum module by
// contact and bending strength, the normal module, helix angle and centre
// distance, and the small calculations behind the dialog's fields.
#pragma once
#include <optional>
#include <string>

#include "common/calc/angle_split.h"
#include "common/calc/gear_kinds.h"
#include "cylindrical/calc/cy_pre_ranges.h"
#include "fw/expected.h"

namespace cylindrical {

// Mesh type as design records store it.
constexpr int kMeshExternal = kavrin::toInt(kavrin::MeshType::External);
constexpr int kMeshInternal = kavrin::toInt(kavrin::MeshType::Internal);

using kavrin::MeshType;
using kavrin::Range;

// Hints and refusals of the calculation.
inline constexpr const char* kMsgNoTorque = "请给定输出扭矩或传动功率数值!";
inline constexpr const char* kMsgNoSigmaHP = "请给定接触疲劳极限!";
inline constexpr const char* kMsgNoSigmaFP = "请给定弯曲疲劳极限!";
inline constexpr const char* kMsgNoRatio = "请给定传动比值!";
inline constexpr const char* kMsgNoZ1 = "请给定小齿轮齿数:Z1 !";
inline constexpr const char* kMsgInternalPair = "内啮合齿轮对须使传动比大于1且Z2大于Z1!";
inline constexpr const char* kMsgCalcError = "取值或计算出错!";
inline constexpr const char* kMsgCalcDone = "按强度计算得到许用模数与中心距，请以此为最小条件进行结构设计";
// Hints of the field handlers.
inline constexpr const char* kMsgTeethPositive = "齿数必须为正整数!";
inline constexpr const char* kMsgZ1Pinion = "请将Z1设定为小齿轮齿数!";
inline constexpr const char* kMsgNoSpeed = "请确定转速!";
inline constexpr const char* kMsgNoSpeedRatio = "请确定转速和传动比!";
inline constexpr const char* kMsgNoTorqueOrPower = "请给定输出扭矩或功率值!";
inline constexpr const char* kMsgRoundModule = "注意:应将法面模数完整到标准值!";
inline constexpr const char* kMsgSmallerModule = "所定的模数变小,这将使安全程度降低!";
inline constexpr const char* kMsgRecalculate = "按“执行计算”钮，重新计算！";
// Faults of a preliminary design that the record's check names (wording ours).
inline constexpr const char* kMsgTeethOrderPre = "大齿轮齿数 Z2：不能小于小齿轮齿数 Z1（请将Z1设定为小齿轮齿数）。";
inline constexpr const char* kMsgPreBetaTooLarge = "螺旋角 β：不能大于60°。";
// Refusals of the P and ni fields: a power or speed that is not above zero is
// not taken (the field returns to its last value), so the torque always
// follows the power shown.
inline constexpr const char* kMsgPowerPositive = "传动功率 P 必须大于零!";

struct PreliminaryInput {
    double i = 1.0;
    double t = 0;  // output torque, N·m
    int z1 = 17;
    int z2 = 17;
    double sigmaHP = 1300;
    double sigmaFP = 450;
    double phiD = 0.8;
    double k1 = 2.0;
    double k2 = 1.8;
    MeshType meshType = MeshType::External;
};

struct PreliminaryResult {
    double mH = 0;   // module by contact strength
    double mF = 0;   // module by bending strength
    double ms = 0;   // transverse module, the larger of the two
    double mn = 0;   // normal module, ms rounded down to a multiple of 0.5
    kavrin::AngleTriple beta;  // helix angle arccos(mn / ms)
    double a = 0;    // centre distance, mm
};

// Where a refusal is shown: the hint line, or in place of the caption of the
// mn field's label (control 262).
enum class RefusalPlace { HintLine, ModuleLabel };
struct Refusal {
    std::string message;
    RefusalPlace place = RefusalPlace::HintLine;
};

// "&C 执行计算". Refusals in the order the dialog tests them; every result
// is finite and inside its quantity's range (cy_pre_ranges.h): a module or
// centre distance outside it is refused in the hint line
// (kavrin::resultNotTaken).
fw::Expected<PreliminaryResult, Refusal> preliminary(const PreliminaryInput& in);

// mn = ⌊ms⌋, plus 0.5 when the fraction is at least 0.5.
double roundModuleDown(double ms);

// The helix angle from mn and ms in degrees: truncated degrees and minutes,
// seconds rounded half up with the carry at 60. nullopt unless 0 < mn ≤ ms.
std::optional<kavrin::AngleTriple> helixAngle(double mn, double ms);

// a = (Z2 ± Z1) × ms / 2, plus for an external, minus for an internal pair.
double centreDistance(int z1, int z2, double ms, MeshType mesh);

// Z2 = integer part of Z1 × i, taken with a tolerance of 1e-9 so that a ratio
// that came back rounded through its field keeps its tooth; nullopt when
// Z1 ≤ 0, i ≤ 0 or the product is above kavrin::kMaxTeeth.
std::optional<int> gearTeeth(int z1, double i);

// The i and Z1 handlers: Z2 from Z1 × i, then i = Z2 / Z1.
struct Teeth {
    int z2 = 0;
    double i = 0;
};
std::optional<Teeth> teethFromRatio(int z1, double i);

// The Z2 handler with Z1 ≥ 1 and Z2 > 0: i = Z2 / Z1, and a pair entered the
// wrong way round swapped (hint kMsgZ1Pinion).
struct Pair {
    int z1 = 0;
    int z2 = 0;
    double i = 0;
    bool swapped = false;
};
Pair pairFromTeeth(int z1, int z2);

// T = 9549 × P / no and P = T × no / 9549 (kW, N·m, r/min).
double torqueFromPower(double p, double no);
// The input-speed rule: with the ratio still at its start value 1 and an
// output speed given, the ratio comes from the two speeds; otherwise the
// output speed comes from the ratio.
bool ratioFromSpeedsApplies(double i, double no);
double powerFromTorque(double t, double no);

// The mn handler. x = cos β × ms; the hint is kMsgSmallerModule when x > mn,
// cleared otherwise. When ms ≤ mn: ms = mn, β = 0 and a from ms; otherwise
// β = arccos(mn / ms). Refused (kMsgCalcError) for mn ≤ 0 or not finite, and
// (kMsgPreImpliedBeta) for a β above 60°, which the β fields refuse.
struct ModuleChoice {
    double ms = 0;
    kavrin::AngleTriple beta;
    std::optional<double> a;  // set when ms was raised to mn
    bool smallerModule = false;  // show kMsgSmallerModule, else clear the hint
};
struct ModuleInput {
    double mn = 0;
    double ms = 0;
    kavrin::AngleTriple beta;
    int z1 = 0;
    int z2 = 0;
    MeshType meshType = MeshType::External;
};
fw::Expected<ModuleChoice, std::string> chooseModule(const ModuleInput& in);

// The β handlers: mn = cos β × ms (then the hint kMsgRoundModule).
double normalModule(double ms, const kavrin::AngleTriple& beta);

// Slider ranges and positions: positions 0 to 40, value = lower + (upper −
// lower) × position / 40.
constexpr int kSliderMax = 40;
double sliderValue(const Range& r, int position);

// φd range by support arrangement and hardness class; K1 and K2 ranges by
// load nature. A stored number beyond the enumerators (a record's) uses the
// nearest row of the table.
Range phiDRange(kavrin::Support support, kavrin::Hardness hardness);
struct KRanges {
    Range k1;
    Range k2;
};
KRanges kRanges(kavrin::LoadNature loadNature);

}  // namespace cylindrical
