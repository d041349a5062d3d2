// The preliminary design of a cylindrical worm drive: thread count from the
// ratio, the centre distance from the load, the standard module and worm
// diameter series and the lead-angle checks. No windows here.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "worm/calc/cw_ranges.h"
#include "worm/calc/cw_records.h"

namespace worm {

constexpr double kPi = 3.141592654;        // as the worm library takes it
constexpr double kTorqueFactor = 9549.0;   // T = 9549·P/n, N·m from kW and r/min

struct Range {
    double lower, upper;
    bool contains(double v) const { return v >= lower && v <= upper; }
};
inline constexpr Range kRatioRange{ranges::kU.lower(), ranges::kU.upper()};  // u, the field's range

enum class LoadMode { PowerSpeedRatio = 0, TorqueSpeeds = 1 };

// What the user gives (and what the handlers derive from it).
struct PreliminaryInput {
    WormType type = WormType::ZA;
    double n1 = 0;          // input speed, r/min
    double n2 = 0;          // output speed, r/min
    double u = 5.0;         // ratio
    double p = 0;           // power, kW
    double t = 0;           // output torque, N·m
    double sigmaHlim = 0;   // MPa
    double sigmaFlim = 0;   // MPa
    double ze = 0;          // elasticity factor
    double ka = 0;          // application factor
    double zrho = 0;        // contact factor
    double d1a = 0.3;       // d1/a
    std::int32_t z1 = 1;
    std::int32_t z2 = 28;
    bool operator==(const PreliminaryInput&) const = default;
};

// What the calculation and the list choices give.
struct PreliminaryResult {
    double mCalc = 0;    // m', mm
    double m = 0;        // chosen module, mm
    double q = 0;
    double d1Calc = 0;   // d1', mm
    double d1 = 0;       // chosen worm diameter, mm
    double a = 0;        // mm
    double d2 = 0;       // mm
    double gamma = 0;    // lead angle, degrees
    bool operator==(const PreliminaryResult&) const = default;
};

// ---- completion mask ----
enum MaskBit : unsigned {
    kBitN1 = 1, kBitN2 = 2, kBitP = 4, kBitT = 8, kBitSigmaH = 16, kBitSigmaF = 32, kBitZe = 64, kBitKa = 128,
    kBitZrho = 256,
};
constexpr unsigned kMaskComplete = 511;
// One bit for each input above zero.
unsigned completionMask(const PreliminaryInput& in);

// ---- thread count from the ratio ----
// Z1 for a ratio: a fixed count, or a count the user may raise by one.
struct StartsChoice {
    std::int32_t z1 = 1;
    bool ask = false;          // ask whether to take z1 + 1
};
// u > 40: 1; 28 ≤ u ≤ 40: 1, ask for 2; 14 ≤ u ≤ 24 or 25 ≤ u ≤ 27: 2, ask
// for 3; 9 ≤ u ≤ 13: 3, ask for 4; 7 ≤ u ≤ 8: 4; 5 ≤ u ≤ 6: 6; between the
// bands the current count stays.
StartsChoice startsFromRatio(double u, std::int32_t current);
// The question for raising z1 to z1 + 1 (z1 1, 2 or 3).
std::string startsQuestion(std::int32_t z1);
// Z2 = floor(Z1·u + 0.5); u becomes Z2/Z1.
struct Teeth {
    std::int32_t z2;
    double u;
};
Teeth teethFromRatio(std::int32_t z1, double u);

// d1/a from the ratio: 0.5 − (u − 5)·0.2/65.
double diameterRatioFromRatio(double u);
double torqueFromPower(double p, double n2);   // 9549·P/n2
double powerFromTorque(double t, double n2);   // T·n2/9549

// ---- centre distance ----
// a = 10·(T·KA·X·Y)^(1/3), X = (1.15·Zρ·ZE/σHlim)², Y = (1 + n2/8)^0.25;
// d1' = 0.68·a^0.875, d2 = 2a − d1', m' = d2/Z2, q = d1'/m', γ = atan(Z1/q);
// m = m', d1 = d1'. Also the new d1/a. nullopt when a result would not be
// finite or lies outside its range (cw_ranges.h: m', d1', q, a, d2, γ, d1/a):
// no result, the previous ones stay.
struct CentreDistance {
    PreliminaryResult result;
    double d1a = 0;
};
std::optional<CentreDistance> centreDistance(const PreliminaryInput& in);

// Lead angle in degrees: atan(Z1/q).
double leadAngle(std::int32_t z1, double q);
enum class LeadBand { SelfLocking, Small, Normal, Large };  // ≤ 3.5, (3.5, 15), [15, 30], > 30
LeadBand leadBand(double gammaDeg);

// The first input (or value derived from the inputs: n2, u, T, P, d1/a)
// that is not a usable number or, given (not 0), lies outside its range
// (cw_ranges.h), named as the record's check names it; a handler whose
// change leaves one is refused (kHintInputUnusable).
std::optional<std::string> unusableInput(const PreliminaryInput& in);

// One more thread (the self-locking answer Yes), keeping the module `m`
// (nullopt at kMaxStarts threads, or when a result would not be finite or
// lies outside its range):
// Z1 + 1, Z2 = floor(Z1·u + 0.5), u = Z2/Z1, a = Z2·m·0.5/(1 − 0.5·d1/a),
// d1' = (d1/a)·a, d2 = Z2·m, q = d1'/m, γ; m' = m = `m`, d1 = d1'.
struct MoreStarts {
    std::int32_t z1, z2;
    double u;
    PreliminaryResult result;
};
std::optional<MoreStarts> withOneMoreStart(const PreliminaryInput& in, double m);

// ---- standard series ----
inline constexpr std::array<double, 17> kModuleSeries1{1,   1.25, 1.6, 2,  2.5, 3.15, 4,  5,   6.3,
                                                       8,   10,   12.5, 16, 20,  25,   31.5, 40};
inline constexpr std::array<double, 9> kModuleSeries2{1.5, 3, 3.5, 4.5, 5.5, 6, 7, 12, 14};
inline constexpr std::array<double, 28> kDiameterSeries1{18,  20,  22.4, 25,  28,  31.5, 35.5, 40,  45,  50,
                                                         56,  63,  71,   80,  90,  100,  112,  125, 140, 160,
                                                         180, 200, 224,  250, 280, 315,  355,  400};
inline constexpr std::array<double, 16> kDiameterSeries2{30,  38,  48,  53,  60,  67,  75,  85,
                                                         95,  106, 118, 132, 144, 170, 190, 300};
// Three first-series and two second-series modules around m' (the last or
// first ones when m' lies beyond the series).
std::array<double, 5> moduleList(double mCalc);
// Two first-series and two second-series diameters around d1'.
std::array<double, 4> diameterList(double d1Calc);
// The list texts: modules "%.2f", diameters "%.1f".
std::vector<std::string> moduleItems(double mCalc);
std::vector<std::string> diameterItems(double d1Calc);

// The series as the hint shows them when a list is opened.
std::string moduleSeriesText();
std::string diameterSeriesText();

// ---- texts ----
inline constexpr const char* kHintRatioRange = "所选的传动比超范围，设计有困难！";
inline constexpr const char* kHintInputs = "点击“计算中心距”按钮，开始计算预定参数！";
inline constexpr const char* kHintLoaded = "更改数据后注意保存：若保留原设计，请另赋名存盘！";
inline constexpr const char* kHintLargeLead = "蜗杆导程角较大，设计时宜采用大的齿型角或降低齿高系数。";
inline constexpr const char* kHintSmallLead =
    "蜗杆导程角较小，传动效率不是很高，设计动力传动时建议最好减少传动比或增大蜗杆头数和中心距。";
inline constexpr const char* kAskSelfLocking =
    "传动付自锁，效率低，若不必要，动力传动时建议最好\n增大蜗杆头数并增大中心距。是(Yes)否(No)改变头数?";
inline constexpr const char* kHintChooseModule = "下一步：选择接近计算值的标准模数。";
inline constexpr const char* kAskModuleLarge =
    "模数调整偏大导致蜗杆q值太小，蜗杆刚性差，\n设计时需要增大齿形角和减少齿高，否则齿形变尖\n或可能根切，是(yes)否(n0)重选？";
inline constexpr const char* kHintModuleSmallLead = "模数调整后蜗杆导程角仍然较小，效率不太高。";
inline constexpr const char* kHintChooseWormModule = "下一步：选择接近计算值的蜗杆标准模数。";
inline constexpr const char* kHintChooseDiameter = "下一步：选择接近计算值的蜗杆标准分度园直径。";
inline constexpr const char* kAskDiameterSmall =
    "直径调整偏小导致蜗杆q值太小，蜗杆刚性差，\n设计时需要增大齿形角和减少齿高，否则齿形\n变尖或可能根切，是(Yes)否(No)重选？";
inline constexpr const char* kHintDoneSmallLead =
    "计算结果蜗杆导程角≤15°，效率不太高，如果满意此计算结果请注意保存数据！";
inline constexpr const char* kHintChooseCylinder = "下一步：选择接近计算值的蜗杆标准分度圆柱直径。";
inline constexpr const char* kHintDone = "注意保存数据！";
// Our texts: a calculation whose result would not be finite; an input whose
// derived value would not be ("%s" the value); a thread count at its limit.
inline constexpr const char* kHintNotFinite = "计算结果无效，请检查输入数据！";
inline constexpr const char* kHintInputUnusable = "%s超出数值范围，此输入未被采用！";
inline constexpr const char* kMsgMaxStarts = "蜗杆头数已达上限10，不能再增加！";
// One more thread whose sizes would leave their ranges (cw_ranges.h).
inline constexpr const char* kMsgMoreStartsUnusable = "蜗杆头数增加到%d后算得的尺寸超出数值范围，未被采用！";

// The worm type's name in reports: 阿基米德圆柱蜗杆, 法面直廓圆柱蜗杆,
// 渐开线圆柱蜗杆, 锥面包络圆柱蜗杆, 圆弧圆柱蜗杆.
const char* wormTypeName(WormType t);

// ---- the record ----
CwPreRecord preliminaryRecord(const PreliminaryInput& in, const PreliminaryResult& out, const std::string& title,
                              const std::string& number, const std::string& date);
// The report of the preliminary design (UTF-8, "\n" line ends).
std::string preliminaryReport(const CwPreRecord& r);

}  // namespace worm
