#include "cylindrical/calc/characteristic.h"

#include <cmath>
#include <utility>

#include "common/calc/involute.h"
#include "cylindrical/calc/cy_geom_ranges.h"
#include "cylindrical/calc/preliminary.h"
#include "cylindrical/calc/shift_distribution.h"

namespace cylindrical {

namespace {

constexpr double kPi = 3.141592653589793;

double inv(double a) { return std::tan(a) - a; }

SpanMeasure span(int z, double x, double alphaTRad, const PairGeometryInput& p) {
    SpanMeasure s;
    double an = p.alphaNRad;
    s.zPrime = z * inv(alphaTRad) / inv(an);
    double c = std::cos(an);
    double q = 1 + 2 * x / s.zPrime;
    double tanAx = std::sqrt(q * q - c * c) / c;
    s.kPrime = s.zPrime * (tanAx - 2 * x * std::tan(an) / s.zPrime - inv(an)) / kPi + 0.5;
    s.k = spanCount(s.kPrime);
    if (s.k) {
        double w = ((inv(an) * s.zPrime + (*s.k - 0.5) * kPi) * c + 2 * x * std::sin(an)) * p.mn;
        if (kavrin::printable(w) && w > 0) s.w = w;
    }
    return s;
}

// The half-angle of the tooth at the reference circle of the virtual gear.
double chordAngle(double zv, double x, double alphaNRad) { return kPi / (2 * zv) + 2 * x * std::tan(alphaNRad) / zv; }

double chordalHeight(double addendum, double zv, double x, const PairGeometryInput& p) {
    return addendum * p.mn + (1 - std::cos(chordAngle(zv, x, p.alphaNRad))) * p.mn * zv / 2;
}

double chordalThickness(double zv, double x, const PairGeometryInput& p) {
    return std::sin(chordAngle(zv, x, p.alphaNRad)) * p.mn * zv;
}

// Dimension between pins of an internal gear. The pin centre lies where the
// involute of the space, at half the pin's width, meets the measuring circle:
// inv αM = inv αt + e2/d2 − dp/(mn·Z2·cos αn), with the space width at the
// reference circle e2 = mt·(π/2 + 2·xn2·tan αn) (xn2 as the sheet gives the
// internal gear) and the pin's half width taken on the base cylinder of the
// helix (mn·cos αn = mt·cos αt·cos βb); dM = db2/cos αM; M = dM − dp for an
// even Z2, dM·cos(π/(2·Z2)) − dp for an odd one.
std::optional<PinDimension> pinDimension(const PairGeometryInput& p, const CharacteristicView& v, double factor) {
    PinDimension pin;
    pin.dp = factor * p.mn;
    const double spaceAngle = kPi / (2 * p.z2) + 2 * p.xn2 * std::tan(p.alphaNRad) / p.z2;  // e2/d2
    double invM = inv(v.alphaTRad) + spaceAngle - pin.dp / (p.mn * p.z2 * std::cos(p.alphaNRad));
    auto alphaM = kavrin::arcInvStep(invM, kavrin::kInvStepFine);
    if (!alphaM) return std::nullopt;
    pin.alphaMRad = *alphaM;
    double span = v.db2 / std::cos(pin.alphaMRad);
    if (kavrin::CheckOddEven(p.z2) != 0) span *= std::cos(kPi / (2 * p.z2));
    pin.mp = span - pin.dp;
    if (!std::isfinite(pin.mp)) return std::nullopt;
    return pin;
}

// Finite and printable: a value no report format holds is no result.
bool allFinite(const Characteristic& c) {
    return kavrin::allPrintable({c.epsAlpha, c.epsBeta, c.epsGamma, c.hn1, c.sn1, c.hn2.value_or(0), c.sn2.value_or(0),
                                 c.pin ? c.pin->mp : 0.0, c.pin ? c.pin->dp : 0.0});
}

}  // namespace

CharacteristicInput characteristicInput(const CyGeomRecord& r) { return {pairGeometryInput(r), r.alphaWtDeg, r.b}; }

std::optional<int> spanCount(double kPrime) {
    if (!std::isfinite(kPrime) || kPrime <= 0 || kPrime > 1e6) return std::nullopt;
    if (kPrime >= 2) return static_cast<int>(std::floor(kPrime + 0.5));
    return static_cast<int>(std::ceil(kPrime));
}

fw::Expected<CharacteristicView, std::string> characteristicView(const CharacteristicInput& in) {
    const PairGeometryInput& p = in.pair;
    if (auto fault = pairDataFault(p, false)) return fw::unexpected(*fault);
    CharacteristicView v;
    double cb = std::cos(p.betaRad);
    v.alphaTRad = transversePressureAngle(p.alphaNRad, p.betaRad);
    v.mt = p.mn / cb;
    v.zv1 = p.z1 / (cb * cb * cb);
    v.zv2 = p.z2 / (cb * cb * cb);
    v.d1 = p.z1 * v.mt;
    v.d2 = p.z2 * v.mt;
    v.db1 = v.d1 * std::cos(v.alphaTRad);
    v.db2 = v.d2 * std::cos(v.alphaTRad);
    v.da1 = pinionTipDiameter(p, v.d1);
    v.da2 = gearTipDiameter(p, v.d2);
    if (!(v.da1 > v.db1) || !(v.da2 > v.db2)) return fw::unexpected(std::string(kMsgTipInsideBase));
    v.alphaAt1Rad = std::acos(v.db1 / v.da1);
    v.alphaAt2Rad = std::acos(v.db2 / v.da2);
    return v;
}

fw::Expected<Characteristic, std::string> characteristic(const CharacteristicInput& in, double pinFactor) {
    auto view = characteristicView(in);
    if (!view) return fw::unexpected(view.error());
    const PairGeometryInput& p = in.pair;
    const CharacteristicView& v = *view;
    Characteristic c;
    c.view = v;
    double tanWt = std::tan(in.alphaWtDeg * kPi / 180);
    double part1 = p.z1 * (std::tan(v.alphaAt1Rad) - tanWt);
    double part2 = p.z2 * (std::tan(v.alphaAt2Rad) - tanWt);
    c.epsAlpha = (p.meshType == MeshType::Internal ? part1 - part2 : part1 + part2) / kPi / 2;
    c.epsBeta = in.b * std::fabs(std::sin(p.betaRad)) / kPi / p.mn;
    c.epsGamma = c.epsAlpha + c.epsBeta;
    c.span1 = span(p.z1, p.xn1, v.alphaTRad, p);
    c.span2 = span(p.z2, p.xn2, v.alphaTRad, p);
    // The pinion's addendum is that of its mesh, as its tip diameter da1 has it.
    const double ha1 = p.meshType == MeshType::Internal ? p.haStar + p.xn2 - p.yn : p.haStar - p.xn2 + p.yn;
    c.hn1 = chordalHeight(ha1, v.zv1, p.xn1, p);
    c.sn1 = chordalThickness(v.zv1, p.xn1, p);
    if (p.meshType == MeshType::Internal) {
        c.pin = pinDimension(p, v, pinFactor);
        if (!c.pin) return fw::unexpected(std::string(kMsgPinDimension));
    } else {
        c.hn2 = chordalHeight(p.haStar - p.xn1 + p.yn, v.zv2, p.xn2, p);
        c.sn2 = chordalThickness(v.zv2, p.xn2, p);
    }
    if (!allFinite(c)) return fw::unexpected(std::string(kMsgNoPairData));
    if (!(c.epsAlpha > 0)) return fw::unexpected(std::string(kMsgNoContact));
    if (c.epsAlpha > kMaxEpsAlpha) return fw::unexpected(std::string(kMsgContactRatioTooLarge));
    // The contact ratios the record stores: inside their ranges.
    if (!geom_q::kEpsAlpha.admits(c.epsAlpha)) return fw::unexpected(kavrin::resultNotTaken(geom_q::kEpsAlpha));
    if (!geom_q::kEpsBeta.admits(c.epsBeta)) return fw::unexpected(kavrin::resultNotTaken(geom_q::kEpsBeta));
    for (auto [v, name] : {std::pair{c.hn1, "分度圆弦齿高 hn1"}, std::pair{c.sn1, "分度圆弦齿厚 Sn1"},
                           std::pair{c.hn2.value_or(1), "分度圆弦齿高 hn2"}, std::pair{c.sn2.value_or(1), "分度圆弦齿厚 Sn2"},
                           std::pair{c.pin ? c.pin->mp : 1.0, "测量跨距 Mp"}})
        if (!(v > 0)) return fw::unexpected(lengthNotPositive(name));
    return c;
}

void refreshContactRatios(CyGeomRecord& r) {
    if (r.epsAlpha == 0 && r.epsBeta == 0) return;
    auto c = characteristic(characteristicInput(r), kPinFactorListing);
    r.epsAlpha = c ? c->epsAlpha : 0;
    r.epsBeta = c ? c->epsBeta : 0;
}

FaceWidthChange faceWidthChanged(double b, double psiD, double mt, int z1) {
    FaceWidthChange f{b, psiD, b < psiD * mt * z1};
    double d1 = mt * z1;
    if (d1 > 0) f.psiD = b / d1;
    return f;
}

}  // namespace cylindrical
