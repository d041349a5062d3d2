#include "bevel/preliminary/calc/sizing.h"

#include <algorithm>
#include <cmath>

#include "bevel/preliminary/calc/cone_pre_ranges.h"
#include "fw/format.h"

namespace bevel {

namespace {

constexpr double kThird = 0.3333333333333333;

double radians(double degrees) { return degrees * kPi / 180; }

}  // namespace

bool ratioValid(double i) { return i >= 1; }

bool helixValidForSystem6(double betaDegrees) { return !(betaDegrees < 10 || betaDegrees > 30); }

Shift radialShift(int system, double i, double betaDegrees) {
    Shift s;
    switch (system) {
    case 0: s.ratioChecked = false; s.hint = kHintRadialStandard; break;
    case 1:
    case 3: s.value = 0.46 * (1 - 1 / (i * i)); break;
    case 2: s.source = ShiftSource::ChartA196; break;
    case 4: s.value = 0.39 * (1 - 1 / (i * i)); break;
    case 5: s.source = ShiftSource::ChartA198; break;
    case 6: s.value = betaDegrees == 10 ? 0.47 : 0.4 * (1 - 1 / (i * i)); break;
    default: s.hint = kHintRadialCycloid; break;
    }
    return s;
}

Shift tangentialShift(int system, double i, double betaDegrees) {
    Shift s;
    switch (system) {
    case 0: s.ratioChecked = false; s.hint = kHintTangentialStandard; break;
    case 1:
    case 3: s.source = ShiftSource::ChartC80; break;
    case 2: s.source = ShiftSource::ChartA197; break;
    case 4: s.source = ShiftSource::ChartC81; break;
    case 5: s.source = ShiftSource::ChartA199; break;
    case 6: s.value = i < 1.5 ? 0.18 * std::cos(radians(betaDegrees)) : 0; break;
    default:
        if (i < 2)
            s.hint = kHintTangentialCycloid;
        else
            s.value = (i - 1) / 50;
        break;
    }
    return s;
}

VirtualTeeth virtualTeeth(unsigned z1, double i, double betaDegrees) {
    VirtualTeeth v;
    v.delta1 = std::atan(1 / i);
    double cb = std::cos(radians(betaDegrees));
    v.zv = z1 / std::cos(v.delta1) / (cb * cb * cb);
    v.fraction = (1 / v.zv - 0.08333333333333333) / (-0.08233333333333333);
    return v;
}

bool virtualTeethEnough(double zv) { return zv >= 11; }

double formFactor(double yf0, double xt1) {
    return xt1 != 0 ? yf0 * 1.00562 / std::exp(0.864337 * xt1) : yf0;
}

std::string formFactorRefusal(double xt1) {
    return fw::format("切向变位系数χτ1=%f时齿形系数的计算结果无效，YF保持原值！", xt1);
}

fw::Expected<ModuleResult, ModuleRefusal> minimumModule(const ModuleInputs& in) {
    if (!ratioValid(in.i)) return fw::unexpected(ModuleRefusal::Ratio);
    if (in.z1 == 0) return fw::unexpected(ModuleRefusal::NoPinionTeeth);
    const bool small = in.system <= 3;
    const double ch = small ? 930 : 775;
    const double cf = small ? 48.3 : 40.3;
    ModuleResult r;
    r.d1H = ch * std::pow(10 * in.t * in.ka * in.khBeta / std::pow(in.i, 2.9) / (in.sigmaHlim * in.sigmaHlim), kThird);
    r.d1F = cf * std::pow(in.t * in.ka * in.kwBeta * in.yf / (in.i * std::sqrt(in.i * in.i + 1)) / in.sigmaFlim, kThird) *
            std::pow(static_cast<double>(in.z1), 0.25);
    r.d1 = std::max(r.d1H, r.d1F);
    r.mt = r.d1 / in.z1;
    // A module is a positive length: an underflow to 0 is no result either.
    if (!std::isfinite(r.d1H) || !std::isfinite(r.d1F) || !std::isfinite(r.mt) || !(r.mt > 0))
        return fw::unexpected(ModuleRefusal::NotFinite);
    return r;
}

double clearanceForModule(int system, double mt, double cStar) {
    if (mt > 0 && (system == 1 || system == 3)) return 0.05 / mt + 0.188;
    return cStar;
}

fw::Expected<ModuleStep, ModuleRefusal> moduleStep(const ModuleInputs& in, double cStar) {
    auto module = minimumModule(in);
    if (!module) return fw::unexpected(module.error());
    if (!cone_pre::kMt.admits(module->mt)) return fw::unexpected(ModuleRefusal::ModuleOutOfRange);
    const double c = clearanceForModule(in.system, module->mt, cStar);
    if (!cone_pre::kCStar.admits(c)) return fw::unexpected(ModuleRefusal::ClearanceOutOfRange);
    return ModuleStep{*module, c};
}

std::string moduleRangeRefusal(ModuleRefusal r) {
    return kavrin::resultNotTaken(r == ModuleRefusal::ClearanceOutOfRange ? cone_pre::kCStar : cone_pre::kMt);
}

}  // namespace bevel
