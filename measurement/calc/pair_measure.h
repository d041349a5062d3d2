// Reconstruction of a meshing cylindrical gear pair from measured values:
// working pressure angle from the measured centre distance, the split of
// the profile shift sum, both gears' geometry, spans, pins, chords and the
// transverse contact ratio.
#include <cstdint>
#pragma once
#include <optional>
#include <string>

#include "fw/expected.h"
#include "measurement/calc/single_measure.h"

namespace measurement {

enum class MeshType { External = 0, Internal = 1 };

inline constexpr const char* kMsgCentreLimits =
    "中心距调整太大，请采取调整齿数\n或螺旋角初步调整后在做计算。";
inline constexpr const char* kMsgSmallWorkingAngle =
    "中心距调整太大，啮合角小于18°，这将对齿轮的啮合条件不利\n或可能计算出错，可以改变螺旋角以满足中心距要求。是否继续?";
inline constexpr const char* kMsgLargeWorkingAngle =
    "中心距调整太大，啮合角大于29°，这将对齿轮的啮合条件不利\n或可能计算出错，可以改变螺旋角以满足中心距要求。是否继续?";
inline constexpr const char* kFmtPairPinRange = "量棒直径请在%.2f～%.2f范围取值！";
inline constexpr const char* kMsgPairRunTrial = "点击“试算”键进行计算";
inline constexpr const char* kMsgRecalculatePair = "请重新试算!";
inline constexpr const char* kFmtDa2Measured =
    "da2的测量值是%f,请检查da2的计算值,若误差可以接受,则采用计算结果，否则请调整β重试";
inline constexpr const char* kFmtRecomputeHint =
    "你测量的da1=%.3f,\nda2=%.3f,\na'=%.3f若误差可以接受,则采用计算结果，否则请重新调整。";
// Stops of this calculator (wording ours).
inline constexpr const char* kMsgWorkingAngleUndefined =
    "中心距与齿数、模数不协调，无法确定啮合角，请检查啮合中心距！";
inline constexpr const char* kMsgPairTipInsideBase = "齿顶圆不大于基圆，无法计算齿顶压力角，请检查数据！";
inline constexpr const char* kMsgInternalTeeth = "内啮合齿轮对的内齿轮齿数Z2必须大于小齿轮齿数Z1！";
inline constexpr const char* kMsgPairUndefined = "计算结果无效，请检查数据！";

// Mask bits: 0 mn, 1 Z1, 2 da1, 3 Z2, 4 da2, 5 a'.
constexpr std::int32_t kPairMaskComplete = 0x3f;

struct PairInput {
    MeshType mesh = MeshType::External;
    double mn = 0;
    std::uint32_t z1 = 0, z2 = 0;
    double da1 = 0, da2 = 0;   // measured tip diameters
    double aw = 0;             // measured working centre distance
    double haStar = 1.0, cStar = 0.25, alphaNDeg = 20;
    HelixAngle beta{};
    bool operator==(const PairInput&) const = default;
};

std::int32_t pairMask(const PairInput& in);
// "输入条件:\n" and one line per missing input; empty when complete.
std::string missingInputs(const PairInput& in);

// mt and the reference centre distance a; nullopt unless mn, Z1, Z2 known.
struct Reference {
    double mt = 0, a = 0;
};
std::optional<Reference> referenceCentre(const PairInput& in);
// The working centre distance field's limits: a' − a within −1.2·mn..+1.8·mn
// (external) or −1.4·mn..+1.2·mn (internal), 1e-9 mm tolerance.
bool centreDistanceAccepted(const PairInput& in, double aw);

// The question before the trial, when r = cos αt·a/a' is beyond 0.951 or below 0.875.
std::optional<std::string> workingAngleQuestion(const PairInput& in);

struct GearSide {
    double d = 0, ha = 0, hf = 0, da = 0, df = 0, db = 0, zv = 0, dw = 0;
    double alphaAtRad = 0, xn = 0;
    std::uint32_t kw = 0;
    double w = 0, sc = 0, hc = 0, mp = 0;
    double dMi = 0, dMs = 0;   // pin deviations (magnitudes)
};

struct PairResult {
    double mt = 0, alphaTRad = 0, betaRad = 0, a = 0, alphaWRad = 0;
    double xnSum = 0, yt = 0, deltaYn = 0, wholeDepth = 0, u = 0, epsilon = 0, dp = 0;
    GearSide g[2];
    std::string hint;
};

// Span deviations (magnitudes) of both gears.
struct SpanDeviations {
    double wi[2] = {}, ws[2] = {};
};

// The trial (after the question, if any, was answered Yes).
fw::Expected<PairResult, std::string> pairTrial(const PairInput& in, const SpanDeviations& dev);
// The recompute after an edit of xn1 or xn2: keeps xnΣ, yt, a' and α' of `last`.
fw::Expected<PairResult, std::string> pairRecompute(const PairInput& in, const PairResult& last, double xn1,
                                                    double xn2, const SpanDeviations& dev);
// xn2 from an edited xn1 and xn1 from an edited xn2.
double otherShiftFromXn1(MeshType mesh, double xnSum, double xn1);
double otherShiftFromXn2(MeshType mesh, double xnSum, double xn2);
// What a pair result must hold to be shown, saved or printed (as
// singleResultFault): finite and printable numbers, every stored result
// inside its quantity's range (measure_ranges.h; lengths not above zero as
// kFmtNotPositive says), each root circle on its side of the tip circle
// (rootOutsideTip), the angles inside 0°..90°, 1 ≤ kw < Z of each gear.
// nullopt or the refusal naming the quantity.
std::optional<std::string> pairResultFault(const PairInput& in, const PairResult& r);

// Pin edit: both Mp with dp; the deviations again. nullopt when not finite.
std::optional<PairResult> pairPinEdit(const PairInput& in, PairResult r, double dp, const SpanDeviations& dev);
std::optional<std::string> pairPinRefusal(double mn, double dp);

}  // namespace measurement
