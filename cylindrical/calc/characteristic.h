// The characteristic parameters page of the geometry sheet: contact ratios,
// span tooth counts and base tangent lengths, chordal heights and
// thicknesses, and the dimension between pins of an internal gear.
#pragma once
#include <optional>
#include <string>

#include "cylindrical/calc/cy_geom_record.h"
#include "cylindrical/calc/gear_geometry.h"
#include "fw/expected.h"

namespace cylindrical {

inline constexpr const char* kMsgFaceWidthReduced = "提示： 减少齿宽将影响齿轮设计能力!";
inline constexpr const char* kMsgFaceWidthHint = "提示：";
// The listing before the first "计 算".
inline constexpr const char* kCharacteristicIntro =
    "\n\n       ---- 给定齿轮宽度，\n\n       ---- 执行计算，\n\n       ---- 输出报告。";
inline constexpr const char* kMsgPinDimension = "量棒测量圆压力角无法计算！";
// Contact ratios a pair cannot have (wording ours).
inline constexpr const char* kMsgNoContact = "端面重合度 εα 不大于零：两轮齿顶圆过小，不能啮合，请修正设计！";
inline constexpr const char* kMsgContactRatioTooLarge = "端面重合度 εα 超过3.5，请修正设计！";

// Pin diameter dp = factor·mn: the listing uses 1.65, the report 1.68.
constexpr double kPinFactorListing = 1.65;
constexpr double kPinFactorReport = 1.68;

struct CharacteristicInput {
    PairGeometryInput pair;
    double alphaWtDeg = 0;  // working transverse pressure angle of the record
    double b = 0;           // face width, mm
    bool operator==(const CharacteristicInput&) const = default;
};
CharacteristicInput characteristicInput(const CyGeomRecord& r);

// What the page shows when it becomes active.
struct CharacteristicView {
    double mt = 0;
    double alphaTRad = 0;
    double zv1 = 0;
    double zv2 = 0;
    double d1 = 0;
    double d2 = 0;
    double db1 = 0;
    double db2 = 0;
    double da1 = 0;
    double da2 = 0;
    double alphaAt1Rad = 0;
    double alphaAt2Rad = 0;
};
// Refused with pairDataFault's reason for an incomplete pair and
// kMsgTipInsideBase when a tip circle does not lie outside its base circle.
fw::Expected<CharacteristicView, std::string> characteristicView(const CharacteristicInput& in);

// Span tooth count: k = ⌊k′ + 0.5⌋ for k′ ≥ 2, ⌈k′⌉ for 0 < k′ < 2; nullopt for
// k′ ≤ 0 or not finite (the page then shows "—").
std::optional<int> spanCount(double kPrime);

struct SpanMeasure {
    double zPrime = 0;       // Z·inv αt / inv αn
    double kPrime = 0;       // may be NaN for a shift the gear cannot carry
    std::optional<int> k;    // span tooth count
    std::optional<double> w; // base tangent length over k teeth, mm
};

struct PinDimension {
    double dp = 0;         // pin diameter
    double alphaMRad = 0;  // pressure angle at the pin centres
    double mp = 0;         // dimension between pins
};

struct Characteristic {
    CharacteristicView view;
    double epsAlpha = 0;
    double epsBeta = 0;
    double epsGamma = 0;
    SpanMeasure span1;
    SpanMeasure span2;
    double hn1 = 0;
    std::optional<double> hn2;  // external pairs only
    double sn1 = 0;
    std::optional<double> sn2;  // external pairs only
    std::optional<PinDimension> pin;  // internal pairs only
};

// "计 算" (pinFactor kPinFactorListing) and "输出报告" (kPinFactorReport).
// Refusals as characteristicView, kMsgPinDimension when the pin dimension is
// not finite, kMsgNoContact and kMsgContactRatioTooLarge for an εα not in
// (0, kMaxEpsAlpha], and lengthNotPositive for a chordal height, chordal
// thickness or dimension between pins not above zero. εβ uses |β|, so a negative helix angle gives the
// same overlap ratio as its positive twin.
fw::Expected<Characteristic, std::string> characteristic(const CharacteristicInput& in, double pinFactor);

// The contact ratios a record is saved with. Once "计 算" has put εα and εβ
// into the record, a later change of the pair, the centre distance, the
// shifts or the face width would leave them stale: they are worked out again
// from the record as it is now (0 and 0, not calculated, when that fails).
// A record that never had them keeps its zeros.
void refreshContactRatios(CyGeomRecord& r);

// The face width field: the hint when b < ψd·mt·Z1, then ψd = b/(mt·Z1).
// ψd stays as it was when mt·Z1 is not positive.
struct FaceWidthChange {
    double b = 0;
    double psiD = 0;
    bool reduced = false;  // show kMsgFaceWidthReduced, else kMsgFaceWidthHint
};
FaceWidthChange faceWidthChanged(double b, double psiD, double mt, int z1);

}  // namespace cylindrical
