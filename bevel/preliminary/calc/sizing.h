// The preliminary sizing of a bevel pair: radial and tangential profile
// shifts by tooth system (a formula, or the chart to read), the virtual tooth
// number and form factor, and the minimum outer transverse module.
#pragma once
#include <string>

#include "fw/expected.h"

namespace bevel {

inline constexpr const char* kMsgRatioCheck = "请确定有效的齿数,Z2≥Z1!";
inline constexpr const char* kHintRadialStandard = "标准直齿锥齿轮高变位系数为χ1＝χ2=0。";
inline constexpr const char* kHintRadialCycloid = "预定计算暂取χ1＝0，正确取值通过几何计算确定。";
inline constexpr const char* kMsgHelixRange = "螺旋角应取10°～30°,\n否则采用其它齿型制。";
inline constexpr const char* kHintTangentialStandard = "标准直齿锥齿轮切向变位系数为χτ1＝χτ2=0。";
inline constexpr const char* kHintTangentialCycloid = "预定计算暂取值χτ1＝0，正确值在几何计算时确定。";
inline constexpr const char* kMsgUndercut = "小齿轮齿数太少，可能发生根切，请重新考虑设计！";
inline constexpr const char* kMsgCalcError = "取值或计算出错!";

constexpr double kPi = 3.141592653589793;

// The ratio check of the shift buttons and of the module: i ≥ 1.
bool ratioValid(double i);

// Where a shift comes from.
enum class ShiftSource { Formula, ChartA196, ChartA198, ChartA197, ChartA199, ChartC80, ChartC81 };

struct Shift {
    ShiftSource source = ShiftSource::Formula;
    bool ratioChecked = true;    // the ratio check applies
    double value = 0;            // when source is Formula
    const char* hint = nullptr;  // shown in the hint line
};

// Radial shift x1 by tooth system (0 to 7), ratio i and βm in degrees. For
// system 6 the caller first checks helixValidForSystem6.
Shift radialShift(int system, double i, double betaDegrees);
// System 6 takes βm from 10° to 30°.
bool helixValidForSystem6(double betaDegrees);
// Tangential shift xτ1.
Shift tangentialShift(int system, double i, double betaDegrees);

// Form factor: δ1 = arctan(1/i), Zv = Z1/cos δ1/cos³ βm and the abscissa
// fraction of the chart's 1/Zv scale.
struct VirtualTeeth {
    double delta1 = 0;  // rad
    double zv = 0;
    double fraction = 0;
};
VirtualTeeth virtualTeeth(unsigned z1, double i, double betaDegrees);
// Zv below 11 is refused with kMsgUndercut.
bool virtualTeethEnough(double zv);
// The chart's Yf0 corrected for a tangential shift: Yf0·1.00562/exp(0.864337·xτ1) when xτ1 ≠ 0.
double formFactor(double yf0, double xt1);
// A corrected form factor outside its range (cone_pre::kYf; not finite
// either) is refused with this text; YF keeps its value.
std::string formFactorRefusal(double xt1);

// Minimum outer transverse module.
struct ModuleInputs {
    int system = 0;
    unsigned z1 = 0;
    double i = 0, t = 0, ka = 0, khBeta = 0, kwBeta = 0, sigmaHlim = 0, sigmaFlim = 0, yf = 0;
};
struct ModuleResult {
    double d1H = 0, d1F = 0, d1 = 0, mt = 0;
};
// NotFinite: a diameter or module that is not finite, or a module that is
// not above 0. ModuleOutOfRange, ClearanceOutOfRange: a module, or the
// clearance that follows it, outside its range (cone_pre::kMt, kCStar).
enum class ModuleRefusal { Ratio, NoPinionTeeth, NotFinite, ModuleOutOfRange, ClearanceOutOfRange };
fw::Expected<ModuleResult, ModuleRefusal> minimumModule(const ModuleInputs& in);
// The clearance of systems 1 and 3 follows the module: c* = 0.188 + 0.05/mt
// (mt > 0); other systems keep cStar.
double clearanceForModule(int system, double mt, double cStar);

// The module button: the minimum module and the clearance that follows it,
// both in their ranges, or the refusal (the previous values stay).
struct ModuleStep {
    ModuleResult module;
    double cStar = 0;
};
fw::Expected<ModuleStep, ModuleRefusal> moduleStep(const ModuleInputs& in, double cStar);
// The message of a range refusal of the module step (kavrin::resultNotTaken
// of mt or c*).
std::string moduleRangeRefusal(ModuleRefusal r);

}  // namespace bevel
