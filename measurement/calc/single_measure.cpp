#include "measurement/calc/single_measure.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/calc/involute.h"
#include "cylindrical/calc/characteristic.h"
#include "fw/format.h"
#include "measurement/calc/measure_ranges.h"

namespace measurement {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDegToRad = kPi / 180;
constexpr double kSmallHelixRad = 0.0175;

// Pin diameters as multiples of mn.
constexpr double kPinHelixMode = 1.68;
constexpr double kPinShiftModeExternal = 1.728;
constexpr double kPinHintExternal = 1.732;
constexpr double kPinHintInternal = 1.68;
constexpr Limits kPinExternal{1.6, 1.9};
constexpr Limits kPinInternal{1.4, 1.7};
// A typed pin exactly on a limit (1.6·mn) is accepted whatever the last bit.
constexpr double kPinTolerance = 1e-9;

double inv(double a) { return std::tan(a) - a; }

// Fitted limits of the profile shift over the virtual tooth count: a shift
// at or above the first gives a pointed tip, at or below the second undercut.
double pointedShift(double zv) { return 0.127026 * std::pow(zv, 0.74446); }
double undercutShift(double zv) { return 0.9375 - 0.0625 * zv; }

bool finite(const SingleResult& r) {
    for (double v : {r.mt, r.d, r.ha, r.hf, r.df, r.db, r.zv, r.alphaTRad, r.alphaAtRad, r.daCalc, r.xn, r.betaRad,
                     r.k, r.delta, r.w, r.sc, r.hc, r.dp, r.mp})
        if (!plainNumber(v) || !kavrin::printable(v)) return false;
    return true;
}

fw::Unexpected<std::string> refuse(const char* msg) { return fw::unexpected(std::string(msg)); }

bool insideRightAngle(double rad) { return rad > 0 && rad < kPi / 2; }

// Steps common to both modes after the design values: base circle, tip
// pressure angle, span, chord and pins.
fw::Expected<SingleResult, std::string> finish(const SingleInput& in, SingleResult r, double pinFactor) {
    const double an = in.alphaNDeg * kDegToRad;
    r.db = r.d * std::cos(r.alphaTRad);
    if (!(r.daCalc > r.db) || !(r.db > 0)) return refuse(kMsgTipInsideBase);
    r.alphaAtRad = std::acos(r.db / r.daCalc);
    auto sc = spanAndChord(in.z, in.mn, r.xn, an, r.alphaTRad, r.ha);
    if (!sc) return refuse(kMsgNoSpan);
    r.kw = sc->kw;
    r.w = sc->w;
    r.sc = sc->sc;
    r.hc = sc->hc;
    r.dp = pinFactor * in.mn;
    auto mp = pinDimension(pinGear(in, r), r.dp);
    if (!mp) return refuse(kMsgNoPin);
    r.mp = *mp;
    if (auto fault = singleResultFault(in, r)) return fw::unexpected(std::move(*fault));
    return r;
}

fw::Expected<SingleResult, std::string> helixGiven(const SingleInput& in) {
    SingleResult r;
    const double an = in.alphaNDeg * kDegToRad;
    const double mn = in.mn;
    r.beta = in.beta;
    r.betaRad = helixRadians(in.beta);
    const double cb = std::cos(r.betaRad);
    r.mt = mn / cb;
    r.d = in.z * r.mt;
    r.alphaTRad = std::atan(std::tan(an) / cb);
    r.zv = in.z / (cb * cb * cb);
    if (in.type == GearType::External) {
        r.ha = (in.da - r.d) / 2;
        r.xn = r.ha / mn - in.haStar;
        r.hint = shiftWarning(r.xn, r.zv);
        r.hf = (in.haStar + in.cStar - r.xn) * mn;
        r.daCalc = 2 * (in.haStar + r.xn) * mn + r.d;
        r.df = r.d - 2 * r.hf;
    } else {
        const double ta = std::tan(an);
        r.ha = (r.d - in.da) / 2;
        r.k = cb * cb * cb / (in.z * ta * ta);
        if (r.k > 0.25) return refuse(kMsgInternalInterference);
        const double q = 1 - 4 * r.k * r.ha / mn;
        if (!(q >= 0) || !(r.k > 0)) return refuse(kMsgUndefinedTip);
        const double h = (1 - std::sqrt(q)) / (2 * r.k);  // addendum coefficient before reduction
        r.xn = in.haStar - h;
        r.delta = r.k * h * h;
        r.hint = fw::format(kFmtTipReduction, r.delta);
        r.ha = (h - r.delta) * mn;
        r.hf = (in.haStar + in.cStar + r.xn) * mn;
        r.daCalc = r.d - 2 * r.ha;
        r.df = r.d + 2 * r.hf;
    }
    return finish(in, std::move(r), kPinHelixMode);
}

fw::Expected<SingleResult, std::string> shiftGiven(const SingleInput& in) {
    SingleResult r;
    const double an = in.alphaNDeg * kDegToRad;
    const double mn = in.mn;
    r.xn = in.xn;
    double pinFactor = kPinHelixMode;
    if (in.type == GearType::External) {
        r.ha = (in.haStar + r.xn) * mn;
        r.d = in.da - 2 * r.ha;
        r.mt = r.d / in.z;
        if (!(r.mt >= mn)) return refuse(kMsgUndefinedHelix);
        r.betaRad = std::acos(mn / r.mt);
        const double cb = std::cos(r.betaRad);
        r.zv = in.z / (cb * cb * cb);
        r.hint = shiftWarning(r.xn, r.zv);
        if (r.betaRad < kSmallHelixRad) r.hint = kMsgSmallHelixExternal;
        r.alphaTRad = std::atan(std::tan(an) / cb);
        r.hf = (in.haStar + in.cStar - r.xn) * mn;
        r.daCalc = 2 * (in.haStar + r.xn) * mn + r.d;
        r.df = r.d - 2 * r.hf;
        pinFactor = kPinShiftModeExternal;
    } else {
        const double ta = std::tan(an);
        const double hr = in.haStar - r.xn;  // addendum coefficient before reduction
        r.ha = (in.z * mn - in.da) / 2;
        double delta = hr - r.ha / mn;
        const bool topCut = delta < 0;
        if (topCut) delta = 0;
        if (!(hr * hr > 0)) return refuse(kMsgUndefinedHelix);
        const double cb = std::cbrt(in.z * delta * ta * ta / (hr * hr));
        if (!(cb > 0 && cb <= 1)) {
            if (topCut) return fw::unexpected(std::string(kMsgTopCut + 1) + "\n" + kMsgUndefinedHelix);
            return refuse(kMsgUndefinedHelix);
        }
        r.delta = delta;
        r.betaRad = std::acos(cb);
        r.zv = in.z / (cb * cb * cb);
        r.hint = shiftWarning(r.xn, r.zv);
        if (topCut) r.hint += kMsgTopCut;
        r.mt = mn / cb;
        r.d = in.z * r.mt;
        r.daCalc = r.d - 2 * (hr - delta) * mn;
        if (r.betaRad < kSmallHelixRad) r.hint = kMsgSmallHelixInternal;
        r.alphaTRad = std::atan(ta / cb);
        r.hint += '\n' + fw::format(kFmtTipReduction, delta);
        r.hf = (in.haStar + in.cStar + r.xn) * mn;
        r.df = r.d + 2 * r.hf;
    }
    r.beta = splitHelix(r.betaRad);
    return finish(in, std::move(r), pinFactor);
}

}  // namespace

double helixRadians(const HelixAngle& b) { return (b.deg + b.min / 60.0 + b.sec / 3600) * kPi / 180; }

HelixAngle splitHelix(double radians) {
    const double micro = radians * 180 / kPi * 3600e6;   // millionths of a second
    if (!(micro >= 0 && micro < 360 * 3600e6)) return {};
    const std::int64_t us = std::llround(micro);
    constexpr std::int64_t kMinute = 60'000'000, kDegree = 60 * kMinute;
    HelixAngle h;
    h.deg = static_cast<std::uint32_t>(us / kDegree);
    h.min = static_cast<std::uint32_t>(us % kDegree / kMinute);
    h.sec = static_cast<double>(us % kMinute) / 1e6;
    return h;
}

std::string helixText(const HelixAngle& b) {
    const double hundredths = std::round((b.deg * 3600.0 + b.min * 60.0 + b.sec) * 100);
    if (!(hundredths >= 0 && hundredths < 1e15)) return fw::format("%u°%u′%.2f″", b.deg, b.min, b.sec);
    const auto cs = static_cast<std::int64_t>(hundredths);
    return fw::format("%lld°%lld′%.2f″", static_cast<long long>(cs / 360000), static_cast<long long>(cs / 6000 % 60),
                      static_cast<double>(cs % 6000) / 100);
}

bool plainNumber(double v) { return v == 0 || std::isnormal(v); }

std::optional<std::string> resultOutside(const kavrin::Quantity& q, double v) {
    if (q.admits(v) && plainNumber(v)) return std::nullopt;
    if (q.lower() > 0 && !q.bounds.orZero && v <= 0) return fw::format(kFmtNotPositive, std::string(q.name).c_str());
    return kavrin::resultNotTaken(q);
}

std::optional<std::string> angleOutside(const kavrin::Quantity& q, double radians) {
    constexpr double kSlack = 1e-10;   // degrees: the noise of a round trip, far below a step a field shows
    const double deg = radians * 180 / kPi;
    if (deg >= q.lower() - kSlack && deg <= q.upper() + kSlack) return std::nullopt;
    return kavrin::resultNotTaken(q);
}

std::optional<std::string> rootOutsideTip(const kavrin::Quantity& q, double df, double da, bool internal) {
    if (internal ? df > da : df < da) return std::nullopt;
    const double lower = internal ? da : q.lower(), upper = internal ? q.upper() : da;
    return fw::format(kFmtRootBeyondTip, std::string(q.name).c_str(), fw::formatNumber(lower).c_str(),
                      fw::formatNumber(upper).c_str(), internal ? "大于" : "小于");
}

std::optional<std::string> singleResultFault(const SingleInput& in, const SingleResult& r) {
    namespace q = measure_q;
    if (r.beta.deg > 59 || r.beta.min > 59 || !kBetaSecLimits.contains(r.beta.sec)) return std::string(kMsgHelixRange);
    const struct {
        const kavrin::Quantity& q;
        double v;
    } results[] = {{q::kMt, r.mt}, {q::kD, r.d},   {q::kHa, r.ha}, {q::kDaCalc, r.daCalc}, {q::kDf, r.df}, {q::kDb, r.db},
                   {q::kZv, r.zv}, {q::kW, r.w},   {q::kSc, r.sc}, {q::kHc, r.hc},     {q::kDp, r.dp}, {q::kMp, r.mp},
                   {q::kHf, r.hf}, {q::kXn, r.xn}};
    for (const auto& res : results)
        if (auto f = resultOutside(res.q, res.v)) return f;
    if (auto f = rootOutsideTip(q::kDf, r.df, r.daCalc, in.type == GearType::Internal)) return f;
    if (!finite(r)) return std::string(kMsgTipInsideBase);
    if (!insideRightAngle(r.alphaTRad) || !insideRightAngle(r.alphaAtRad)) return std::string(kMsgTipInsideBase);
    if (auto f = angleOutside(q::kAlphaT, r.alphaTRad)) return f;
    if (auto f = angleOutside(q::kAlphaAt, r.alphaAtRad)) return f;
    if (r.kw < 1 || r.kw >= in.z) return std::string(kMsgNoSpan);
    return std::nullopt;
}

fw::Expected<SingleResult, std::string> singleTrial(const SingleInput& in) {
    if (completionMask(in) != kMaskComplete || !std::isfinite(in.xn)) return refuse(kMsgIncomplete);
    return in.mode == SolveMode::HelixGiven ? helixGiven(in) : shiftGiven(in);
}

PinGear pinGear(const SingleInput& in, const SingleResult& r) {
    return {.type = in.type, .z = in.z, .mn = in.mn, .alphaNRad = in.alphaNDeg * kDegToRad,
            .alphaTRad = r.alphaTRad, .xn = r.xn, .d = r.d, .betaRad = r.betaRad};
}

// The pin term dp/(mn·Z·cos αn) carries the base helix factor, so one pin
// gives one Mp whether the gear is spur or helical.
std::optional<double> pinPressureAngle(const PinGear& g, double dp, double step) {
    if (g.z == 0 || !(g.mn > 0)) return std::nullopt;
    const double z = g.z;
    const double pinTerm = dp / (g.mn * z * std::cos(g.alphaNRad));
    const double shiftTerm = 2 * g.xn * std::tan(g.alphaNRad) / z;
    const double invM = g.type == GearType::External ? inv(g.alphaTRad) + pinTerm - kPi / (2 * z) + shiftTerm
                                                     : inv(g.alphaTRad) - pinTerm + kPi / (2 * z) + shiftTerm;
    if (!std::isfinite(invM)) return std::nullopt;
    return kavrin::arcInvStep(invM, step);
}

std::optional<double> pinDimension(const PinGear& g, double dp, double step) {
    auto am = pinPressureAngle(g, dp, step);
    if (!am) return std::nullopt;
    double span = g.d * std::cos(g.alphaTRad) / std::cos(*am);
    if (kavrin::CheckOddEven(static_cast<int>(g.z)) != 0) span *= std::cos(kPi / (2.0 * g.z));
    const double mp = g.type == GearType::External ? span + dp : span - dp;
    if (!std::isfinite(mp) || !(mp > 0)) return std::nullopt;
    return mp;
}

std::optional<std::string> pinRefusal(GearType type, double mn, double dp) {
    const Limits lim = type == GearType::External ? kPinExternal : kPinInternal;
    if (dp >= lim.lower * mn - kPinTolerance && dp <= lim.upper * mn + kPinTolerance) return std::nullopt;
    const double hint = (type == GearType::External ? kPinHintExternal : kPinHintInternal) * mn;
    return fw::format(kFmtPinHint, hint);
}

std::optional<double> pinDeviation(const PinGear& g, double dp, double deltaW, double step) {
    auto am = pinPressureAngle(g, dp, step);
    if (!am) return std::nullopt;
    const double betaB = std::atan(std::cos(g.alphaTRad) * std::tan(g.betaRad));
    double dm = deltaW / (std::sin(*am) * std::cos(betaB));
    if (kavrin::CheckOddEven(static_cast<int>(g.z)) != 0) dm *= std::cos(kPi / (2.0 * g.z));
    if (!std::isfinite(dm)) return std::nullopt;
    return dm;
}

std::optional<SpanChord> spanAndChord(std::uint32_t z, double mn, double xn, double an, double at, double ha) {
    SpanChord s;
    const double zp = z * inv(at) / inv(an);
    const double c = std::cos(an);
    const double q = 1 + 2 * xn / zp;
    s.k = (std::sqrt(q * q - c * c) / c - 2 * xn * std::tan(an) / zp - inv(an)) * zp / kPi + 0.5;
    auto kw = cylindrical::spanCount(s.k);
    if (!kw) return std::nullopt;
    s.kw = static_cast<std::uint32_t>(*kw);
    s.w = ((inv(an) * zp + (s.kw - 0.5) * kPi) * c + 2 * xn * std::sin(an)) * mn;
    s.sc = c * c * (kPi / 2 + 2 * xn * std::tan(an)) * mn;
    s.hc = ha - s.sc * std::tan(an) / 2;
    if (!std::isfinite(s.w) || !std::isfinite(s.hc)) return std::nullopt;
    return s;
}

std::string shiftWarning(double xn, double zv) {
    if (!(xn < pointedShift(zv))) return kMsgPointed;
    if (xn <= undercutShift(zv)) return kMsgUndercut;
    return {};
}

double shiftFromSlider(int pos, int max) {
    if (pos == kShiftSliderCentre) return 0;
    return (pos - kShiftSliderCentre) * 1.5 / max;
}

int sliderFromShift(double xn, int max) {
    const double p = kShiftSliderCentre + std::trunc(max * xn / 1.5);
    if (!(p >= 0)) return 0;
    return static_cast<int>(std::min<double>(p, max));
}

std::int32_t completionMask(const SingleInput& in) {
    std::int32_t m = 0;
    if (in.da > 0) m |= 1;
    if (in.mn > 0) m |= 2;
    if (in.z != 0) m |= 4;
    return m;
}

}  // namespace measurement
