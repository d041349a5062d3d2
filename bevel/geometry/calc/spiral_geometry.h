// The geometry of an orthogonal spiral or zerol bevel gear pair (tooth
// systems 3 to 6): pitch cones, heights, taper angles, contact ratios and,
// with the chosen cutter, the heel spiral angle and the tooth thicknesses.
#pragma once
#include <cstdint>
#include <string>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/geometry/calc/spiral_cutters.h"
#include "common/calc/angle_split.h"
#include "fw/expected.h"

namespace bevel {

// Completion mask of the spiral dialog's inputs.
enum SpiralMaskBit : std::int32_t {
    kSpiralZ1 = 0x01, kSpiralZ2 = 0x02, kSpiralC = 0x04, kSpiralHa = 0x08, kSpiralM = 0x10,
    kSpiralAlpha = 0x20, kSpiralPhiR = 0x40,
};
constexpr std::int32_t kSpiralMaskStart = 0x6C;
constexpr std::int32_t kSpiralMaskReset = 0xFFEC;

// Face-width ratio band of the trackbar (0 to 50).
inline constexpr double kSpiralPhiRMin = 0.15;
inline constexpr double kSpiralPhiRMax = 0.3333333333333333;
inline constexpr double kSpiralPhiRStep = 0.18333333333333332;
constexpr int kSpiralTrackMax = 50;
double spiralPhiRForPosition(int position);
// Truncated, clamped to 0..50; a value that is not finite gives 0.
int spiralPositionForPhiR(double phiR);

struct SpiralInput {
    std::int32_t z1 = 0, z2 = 0;
    double m = 0;
    kavrin::AngleTriple alpha{20, 0, 0};
    kavrin::AngleTriple betaM{35, 0, 0};
    double haStar = 1.0, cStar = 0.188;
    double x1 = 0, x2 = 0, xt1 = 0, xt2 = 0;
    double phiR = 0.25;
    double b = 0;  // used only when faceWidthSet
    bool faceWidthSet = false;
    std::int32_t taper = kTaperEqualClearance;  // 1, 2 or 3
    friend bool operator==(const SpiralInput&, const SpiralInput&) = default;
};

// The α the dialog accepts: 14.5° ≤ α ≤ 25° from the degree box.
bool spiralAlphaAccepted(const kavrin::AngleTriple& alpha);
// The module and spiral angle the dialog refuses together: m ≤ 2.5 with a
// βm degree part of 25 or more (whichever of the two is typed last).
bool smallModuleWithLargeHelix(const SpiralInput& in);

// Steps 3 to 6: pitch cones and the face width (φR·R, or the typed one).
struct SpiralCones {
    double d1 = 0, d2 = 0;
    double delta1 = 0, delta2 = 0;  // rad
    double r = 0;
    double b = 0;
};
SpiralCones spiralCones(const SpiralInput& in);

struct SpiralResult {
    SpiralCones cones;
    double ha1 = 0, ha2 = 0, h = 0, hf1 = 0, hf2 = 0;
    double da1 = 0, da2 = 0;
    double zp = 0;
    double dThetaF = 0;  // minutes of arc
    double thetaF1 = 0, thetaF2 = 0, thetaA1 = 0, thetaA2 = 0;  // rad
    double deltaA1 = 0, deltaA2 = 0, deltaF1 = 0, deltaF2 = 0;  // rad
    double ak1 = 0, ak2 = 0;
    double epsBeta = 0;
    double betaMin = 0;  // rad; > 0 when εβ < 1.25 of a spiral pair (the question)
    double zv1 = 0, zv2 = 0;
    double epsAlpha = 0;
};

inline constexpr const char* kMsgSpiralIncomplete = "输入的预定数据不齐全或有非法数据，请重新计算!";
inline constexpr const char* kMsgSpiralStandardAlpha = "请选取规范的齿形角：20°,22°30′或25°;\n重新计算!";
inline constexpr const char* kMsgCutterTooSmall = "选用的铣刀盘名义直径太小，程序不支持。";
inline constexpr const char* kMsgNoCutter = "没有适用的标准铣刀盘，请输入自定义刀盘名义直径后重新计算!";

// Steps 7 to 14, 18 and 19. Refused with kMsgSpiralStandardAlpha (duplex
// taper with α other than 20°, 22°30′, 25°) or kMsgSpiralIncomplete (a result
// that is not printable: not finite, or 16 digits or more before the point).
fw::Expected<SpiralResult, std::string> spiralGeometry(const SpiralInput& in, const SpiralCones& cones);

// Steps 16 and 17 for a cutter d0: β at the heel (rad) and the thicknesses.
struct HeelResult {
    double beta = 0;
    double s1 = 0, s2 = 0;
};
// kMsgCutterTooSmall when the sine leaves ±1, kMsgSpiralIncomplete when a
// value is not printable.
fw::Expected<HeelResult, std::string> heelFromCutter(const SpiralInput& in, double r, double b, double d0);

// Step 20 without the cutter: inputs and results into the record; status
// 202; the tooth system (kept when not 0: 6 for uniform depth, 4 spiral,
// 3 zerol); date, number and title are the caller's.
void fillSpiralRecord(ConeGeomRecord& g, const SpiralInput& in, const SpiralResult& r);
// The cutter part: chosen index, row, band, d0, heel β, s1, s2.
void fillSpiralCutter(ConeGeomRecord& g, std::int32_t index, const CutterRow& c, const HeelResult& h);

// The report section appended to the .tng file, from the record and the
// chosen cutter entry (band word 3: a custom cutter of diameter d0).
std::string spiralReport(const ConeGeomRecord& g, const CutterRow& chosen);

// The mean spiral angle in degrees (d + m/60 + s/3600).
double spiralBetaMDegrees(const SpiralInput& in);

}  // namespace bevel
