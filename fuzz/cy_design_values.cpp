// Fuzz-chosen values in sound cylindrical records: the worked example's
// preliminary record and a 20/40 pair's geometry record get values the fuzzer
// picks (edges of their ranges, absurd magnitudes, raw bits) in any of their
// numeric slots. Whatever the loaders take is calculated as the dialogs
// calculate it (the preliminary sizing, page 1's distribution, pages 2 to
// 4, the strength rating with fuzz-chosen factor inputs the factor dialogs'
// fields take) and written as report text: no report may hold "inf", "nan"
// or a number of 16 or more digits before its point. What a save takes
// loads again.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
#include <string>

#include "common/calc/gear_kinds.h"
#include "common/dialogs/factor_ranges.h"
#include "cylindrical/calc/bending_rating.h"
#include "cylindrical/calc/characteristic.h"
#include "cylindrical/calc/contact_rating.h"
#include "cylindrical/calc/cy_geom_ranges.h"
#include "cylindrical/calc/cy_pre_ranges.h"
#include "cylindrical/calc/gear_geometry.h"
#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/calc/geometry_report.h"
#include "cylindrical/calc/preliminary.h"
#include "cylindrical/calc/preliminary_report.h"
#include "cylindrical/calc/rating_forces.h"
#include "cylindrical/calc/rating_ranges.h"
#include "cylindrical/calc/rating_report.h"
#include "fuzz_check.h"
#include "report_text_check.h"

using namespace cylindrical;

namespace {

constexpr std::int64_t kTime = 1700000000;

// The fuzzer's bytes, read in order; zeros once they are used up.
class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> b) : m_b(b) {}
    std::uint8_t u8() { return m_at < m_b.size() ? m_b[m_at++] : 0; }
    double f64() {
        std::uint64_t bits = 0;
        for (int k = 0; k < 8; ++k) bits |= std::uint64_t(u8()) << (8 * k);
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    bool done() const { return m_at >= m_b.size(); }

private:
    std::span<const std::uint8_t> m_b;
    std::size_t m_at = 0;
};

// A value for a slot of range b: an edge, one step beside it, a point
// inside, an absurd magnitude, 0, or raw bits.
double pick(Bytes& in, const fw::Bounds& b) {
    const std::uint8_t mode = in.u8();
    const double step = 1e-9 * std::fmax(1.0, std::fmax(std::fabs(b.lower), std::fabs(b.upper)));
    switch (mode % 12) {
    case 0: return b.lower;
    case 1: return b.upper;
    case 2: return b.lower - step;
    case 3: return b.upper + step;
    case 4: return b.lower + (b.upper - b.lower) * in.u8() / 255.0;
    case 5: return b.lower + (b.upper - b.lower) * std::pow(in.u8() / 255.0, 8);
    case 6: return 1e300;
    case 7: return -1e300;
    case 8: return 1e-300;
    case 9: return 0;
    case 10: return b.upper * (1 + in.u8() / 16.0);
    default: return in.f64();
    }
}

int pickInt(Bytes& in, const fw::Bounds& b) {
    const double v = pick(in, b);
    if (!(v >= INT32_MIN && v <= INT32_MAX)) return in.u8() % 2 ? INT32_MAX : INT32_MIN;
    return static_cast<int>(v);
}

// A gear tooth count above the pinion's (in 64 bits: the pinion's may be any int).
int moreTeeth(int z1, Bytes& in) {
    const long long z = static_cast<long long>(z1) + in.u8() * in.u8();
    return static_cast<int>(std::min<long long>(z, INT32_MAX));
}

void check(const std::string& text) {
    if (auto bad = kavrin_fuzz::unprintableInReport(text)) {
        std::fprintf(stderr, "unprintable: %s\n", bad->c_str());
        FUZZ_CHECK(!"a report holds what no report format can");
    }
}

CyPreRecord examplePre() {
    CyPreRecord r;
    r.z1 = 20, r.z2 = 64, r.betaDeg = 15, r.betaMin = 33, r.betaSec = 43;
    r.hardness = 1, r.loadNature = 1;
    r.k2Lower = 2.3, r.k2Upper = 2.9, r.phiDPos = 20, r.phiDLower = 0.4, r.phiDUpper = 0.9;
    r.i = 3.2, r.t = 318.3, r.a = 108.99573623231782, r.ni = 960, r.no = 300, r.p = 10;
    r.phiD = 0.65, r.k1 = 2.6, r.k2 = 2.3, r.k1Pos = 8, r.k1Lower = 2.5, r.k1Upper = 3.0;
    r.sigmaHP = 1300, r.sigmaFP = 450, r.mn = 2.5, r.ms = 2.5951365769599484;
    r.date = "2025年12月10日", r.number = "KV-001", r.title = "带式输送机减速器高速级";
    return r;
}

CyGeomRecord exampleGeom() {
    PairState s;
    s.z1 = 20, s.z2 = 40, s.mn = 2;
    s = distribute(helixChanged(s).state).state;
    CyGeomRecord g;
    g.psiD = 0.75, g.hand = kHandSpur, g.cStarIndex = 0;
    storePair(s, {"减速器", "JS-100", "2024年5月6日"}, g);
    if (auto c = characteristic(characteristicInput(g), kPinFactorListing)) g.epsAlpha = c->epsAlpha, g.epsBeta = c->epsBeta;
    return g;
}

void editPre(Bytes& in, CyPreRecord& r) {
    namespace q = pre_q;
    const int edits = in.u8() % 6;
    for (int n = 0; n < edits; ++n) {
        switch (in.u8() % 24) {
        case 0: r.z1 = pickInt(in, q::kZ1.bounds); break;
        case 1: r.z2 = pickInt(in, q::kZ2.bounds); break;
        case 2: r.betaDeg = pickInt(in, q::kBetaDeg.bounds); break;
        case 3: r.betaMin = pickInt(in, q::kBetaMin.bounds); break;
        case 4: r.i = pick(in, q::kI.bounds); break;
        case 5: r.t = pick(in, q::kT.bounds); break;
        case 6: r.a = pick(in, q::kA.bounds); break;
        case 7: r.ni = pick(in, q::kNi.bounds); break;
        case 8: r.no = pick(in, q::kNo.bounds); break;
        case 9: r.p = pick(in, q::kP.bounds); break;
        case 10: r.phiD = r.phiDLower = pick(in, q::kPhiD.bounds); break;
        case 11: r.k1 = r.k1Lower = pick(in, q::kK1.bounds); break;
        case 12: r.k2 = r.k2Lower = pick(in, q::kK2.bounds); break;
        case 13: r.sigmaHP = pick(in, q::kSigmaHP.bounds); break;
        case 14: r.sigmaFP = pick(in, q::kSigmaFP.bounds); break;
        case 15: r.mn = pick(in, q::kMn.bounds); break;
        case 16: r.ms = pick(in, q::kMs.bounds); break;
        case 17: r.phiDUpper = pick(in, q::kPhiD.bounds); break;
        case 18: r.k1Upper = pick(in, q::kK1.bounds); break;
        case 19: r.k2Upper = pick(in, q::kK2.bounds); break;
        case 20: r.meshType = in.u8() % 2; break;
        case 21: r.betaSec = pickInt(in, q::kBetaSec.bounds); break;
        case 22: r.mn = r.ms = pick(in, q::kMn.bounds); break;
        default: r.z2 = moreTeeth(r.z1, in); break;
        }
    }
}

void editGeom(Bytes& in, CyGeomRecord& g) {
    namespace q = geom_q;
    const int edits = in.u8() % 6;
    for (int n = 0; n < edits; ++n) {
        switch (in.u8() % 26) {
        case 0: g.z1 = pickInt(in, q::kZ1.bounds); break;
        case 1: g.z2 = pickInt(in, q::kZ2.bounds); break;
        case 2: g.betaDeg = pickInt(in, q::kBetaDeg.bounds); break;
        case 3: g.betaMin = pickInt(in, q::kBetaMin.bounds); break;
        case 4: g.alphaNDeg = pickInt(in, q::kAlphaNDeg.bounds); break;
        case 5: g.alphaNMin = pickInt(in, q::kAlphaNMin.bounds); break;
        case 6: g.mn = pick(in, q::kMn.bounds); break;
        case 7: g.a = pick(in, q::kA.bounds); break;
        case 8: g.ad = pick(in, q::kAd.bounds); break;
        case 9: g.alphaWtDeg = pick(in, q::kAlphaWt.bounds); break;
        case 10: g.yt = pick(in, q::kYt.bounds); break;
        case 11: g.yn = pick(in, q::kYn.bounds); break;
        case 12: g.sumX = pick(in, q::kSumX.bounds); break;
        case 13: g.xn1 = pick(in, q::kXn1.bounds); break;
        case 14: g.xn2 = pick(in, q::kXn2.bounds); break;
        case 15: g.zv1 = pick(in, q::kZv1.bounds); break;
        case 16: g.zv2 = pick(in, q::kZv2.bounds); break;
        case 17: g.b = pick(in, q::kB.bounds); break;
        case 18: g.epsAlpha = pick(in, q::kEpsAlpha.bounds); break;
        case 19: g.epsBeta = pick(in, q::kEpsBeta.bounds); break;
        case 20: g.psiD = pick(in, q::kPsiD.bounds); break;
        case 21: g.meshType = in.u8() % 2; break;
        case 22: g.haStar = in.u8() % 2 ? 1.0 : 0.8; break;
        case 23: g.cStarIndex = in.u8() % kCStarCount; break;
        case 24: g.betaSec = pickInt(in, q::kBetaSec.bounds); break;
        default: g.z2 = moreTeeth(g.z1, in); break;
        }
    }
}

// The preliminary dialog: a loaded record may be saved as it stands (its
// report), or calculated first; what the calculation gives is shown and
// saved only when the record's check takes it.
void preliminaryDesign(const CyPreRecord& edited) {
    auto loaded = loadCyPreFile(cyPreFileBytes(edited, kTime));
    if (!loaded) return;
    CyPreRecord r = loaded->record;
    check(preliminaryReportText(r));
    PreliminaryInput in{.i = r.i, .t = r.t, .z1 = r.z1, .z2 = r.z2, .sigmaHP = r.sigmaHP, .sigmaFP = r.sigmaFP,
                        .phiD = r.phiD, .k1 = r.k1, .k2 = r.k2, .meshType = kavrin::meshTypeOf(r.meshType)};
    auto out = preliminary(in);
    if (!out) return;
    r.ms = out->ms, r.mn = out->mn, r.a = out->a;
    r.betaDeg = out->beta.deg, r.betaMin = out->beta.min, r.betaSec = out->beta.sec;
    auto saved = cyPreSaveBytes(r, kTime);
    if (!saved) return;
    check(preliminaryReportText(r));
    auto again = loadCyPreFile(*saved);
    FUZZ_CHECK(again && again->record == r);
}

// The rating dialog on a loaded design: the load as the torque dialog's
// fields take it, the factors as the factor dialogs' fields take them.
void rating(Bytes& in, const CyGeomRecord& g) {
    namespace f = kavrin::factor_q;
    RatingReportData d;
    d.ratedGear = in.u8() % 2;
    d.title = g.title, d.drawingNo = g.number, d.date = g.date;
    d.z1 = static_cast<unsigned>(g.z1), d.z2 = static_cast<unsigned>(g.z2);
    d.u = double(g.z2) / g.z1;
    d.betaDeg = kavrin::tripleToDegrees({g.betaDeg, g.betaMin, g.betaSec});
    if (d.betaDeg <= 0) d.betaDeg = 0;
    d.alphaNDeg = kavrin::tripleToDegrees({g.alphaNDeg, g.alphaNMin, g.alphaNSec});
    d.mn = g.mn, d.epsAlpha = g.epsAlpha, d.epsBeta = d.betaDeg > 0 ? g.epsBeta : 0, d.b = g.b;
    const MeshType mesh = kavrin::meshTypeOf(g.meshType);
    // A typed value the field refuses is never taken: the field's range decides.
    auto typed = [&](const kavrin::Quantity& q) {
        const double v = pick(in, q.bounds);
        return q.admits(v) ? v : q.lower();
    };
    const double p = typed(f::kPower), n1 = typed(f::kSpeed);
    if (auto t = ratingTorque(p, n1)) d.torque = *t, d.n1 = n1;
    const double beta = d.betaDeg;
    if (auto ft = tangentialForce({.torque = d.torque, .z1 = d.z1, .mn = d.mn, .betaDeg = beta})) d.ft = *ft;
    if (auto v = radialForce(d.ft, d.alphaNDeg, beta)) d.fr = *v;
    if (auto v = axialForce(d.ft, beta)) d.fx = *v;
    if (auto v = normalForce(d.ft, d.alphaNDeg, beta)) d.fn = *v;
    const int grade = in.u8() % 8;
    if (auto v = dynamicFactor({.mn = d.mn, .z1 = d.z1, .n1 = d.n1, .betaDeg = beta, .epsBeta = d.epsBeta, .gradeIndex = grade}))
        d.kV = usableOrZero(v->kV);
    d.kA = 1.0 + in.u8() / 100.0;
    if (auto v = transverseLoadFactors({.epsAlpha = d.epsAlpha, .epsBeta = d.epsBeta, .betaDeg = beta, .gradeIndex = grade}))
        d.kHalpha = usableOrZero(v->kHalpha), d.kFalpha = usableOrZero(v->kFalpha);
    if (auto v = faceLoadFactor({.b = d.b, .z1 = d.z1, .mn = d.mn, .betaDeg = beta, .flankPairing = in.u8() % 2,
                                 .mounting = in.u8() % 4}))
        d.kHbeta = usableOrZero(v->kHbeta);
    if (auto v = zoneFactor({.z1 = d.z1, .z2 = d.z2, .betaDeg = beta, .alphaNDeg = d.alphaNDeg, .mesh = mesh,
                             .recordAlphaWtDeg = g.alphaWtDeg}))
        d.zH = usableOrZero(v->zH);
    if (auto v = elasticityFactor({.e1 = typed(f::kElasticModulus), .e2 = typed(f::kElasticModulus),
                                   .nu1 = typed(f::kPoisson), .nu2 = typed(f::kPoisson)}))
        d.zE = usableOrZero(*v);
    d.zEps = usableOrZero(contactRatioFactor({.epsAlpha = d.epsAlpha, .epsBeta = d.epsBeta, .betaDeg = beta, .alphaNDeg = d.alphaNDeg}));
    if (auto v = contactLifeFactor({.materialClass = in.u8() % 3, .pitting = in.u8() % 2, .cycles = typed(f::kLoadCycles)}))
        d.zN = usableOrZero(*v);
    const int limitClass = in.u8() % 5;
    if (auto v = lubricantFactors({.limitClass = limitClass, .lubricant = in.u8() % 2, .flankState = in.u8() % 2,
                                   .viscosity = typed(f::kViscosity), .z1 = d.z1, .mn = d.mn, .n1 = d.n1}))
        d.zL = usableOrZero(v->zL), d.zV = usableOrZero(v->zV);
    if (auto v = roughnessFactor({.limitClass = limitClass, .ra = typed(f::kRoughness), .z1 = d.z1, .z2 = d.z2,
                                  .mesh = mesh, .mn = d.mn, .betaDeg = beta, .recordCentreDistance = g.a}))
        d.zR = usableOrZero(v->zR);
    d.zW = usableOrZero(workHardeningFactor({.pinionFlank = in.u8() % 2, .gearFlank = in.u8() % 2, .gearHardness = typed(f::kHardness)}));
    if (auto v = contactStress({.z1 = d.z1, .z2 = d.z2, .mn = d.mn, .betaDeg = beta, .b = d.b, .mesh = mesh, .ft = d.ft,
                                .kA = d.kA, .kV = d.kV, .kHalpha = d.kHalpha, .kHbeta = d.kHbeta, .zH = d.zH, .zE = d.zE,
                                .zEps = d.zEps}))
        d.sigmaH = *v;
    if (auto v = permissibleContactStress({.sigmaHlim = typed(f::kSigmaHlim), .zN = d.zN, .zL = d.zL, .zV = d.zV,
                                           .zR = d.zR, .zW = d.zW}))
        d.sigmaHP = usableOrZero(*v);
    if (auto s = safetyFactor(d.sigmaHP, d.sigmaH)) d.sH = *s;
    const double zv = virtualToothNumber(d.ratedGear == 0 ? d.z1 : d.z2, beta);
    const double x = d.ratedGear == 0 ? g.xn1 : g.xn2;
    if (auto v = toothFormFactor({.x = x, .zv = zv, .wholeDepth = typed(f::kWholeDepth), .mesh = mesh})) d.yFa = usableOrZero(*v);
    d.yBeta = beta > 0 ? usableOrZero(helixAngleFactor(d.epsBeta, beta)) : 1.0;
    d.yEps = usableOrZero(bendingContactRatioFactor(d.epsAlpha));
    if (auto v = bendingLifeFactor({.cycles = typed(f::kLoadCycles), .material = in.u8() % 4})) d.yN = usableOrZero(*v);
    StressCorrection sc = stressCorrection({.x = x, .zv = zv, .material = in.u8() % 4, .mesh = mesh, .mn = d.mn,
                                            .rangeAnsweredNo = true, .undercutAnsweredNo = true});
    if (sc.kind == StressCorrection::Kind::Factors) d.yS = usableOrZero(sc.yS), d.yX = usableOrZero(sc.yX);
    if (auto v = bendingStress({.ft = d.ft, .b = d.b, .mn = d.mn, .kA = d.kA, .kV = d.kV, .kFalpha = d.kFalpha,
                                .kFbeta = d.kHbeta, .yFa = d.yFa, .yEps = d.yEps, .yBeta = d.yBeta}))
        d.sigmaF = *v;
    if (auto v = permissibleBendingStress({.sigmaFlim = typed(f::kSigmaFlim), .yN = d.yN, .yS = d.yS, .yX = d.yX}))
        d.sigmaFP = usableOrZero(*v);
    if (auto s = safetyFactor(d.sigmaFP, d.sigmaF)) d.sF = *s;
    check(ratingReportText(d));
}

// The geometry sheet on a loaded design: page 1's report, its distribution
// with a fuzz-chosen centre distance (stored only when the page takes it),
// pages 2 to 4, then the rating.
void geometryDesign(Bytes& in, const CyGeomRecord& edited) {
    auto design = loadGeometryDesign(geometryDesignFileBytes(examplePre(), edited, kTime));
    if (!design) return;
    CyGeomRecord g = design->geom;
    const DesignTexts texts{g.title, g.number, g.date};
    PairState s = pairFromGeometry(g, PairState{});
    check(pairReportSection(s, texts, PairCheckSection{}));
    PairState typedA = s;
    typedA.a = pick(in, geom_q::kA.bounds);
    if (geom_q::kA.admits(typedA.a)) {
        PairUpdate u = centreDistanceChanged(typedA);
        if (!u.refused && !pairRangeFault(u.state)) {
            storePair(u.state, texts, g);
            check(pairReportSection(u.state, texts, PairCheckSection{}));
            if (auto saved = geometryDesignSaveBytes(examplePre(), g, kTime)) FUZZ_CHECK(loadGeometryDesign(*saved));
            else g = design->geom;
        }
    }
    const PairGeometryInput gi = pairGeometryInput(g);
    const GearPageTexts pageTexts{g.title, g.number, pinionHandText(g.hand)};
    if (auto p = pinionGeometry(gi)) check(pinionListing(gi, *p, pageTexts) + pinionReportSection(gi, *p, pageTexts));
    if (auto w = gearGeometry(gi)) check(gearListing(gi, *w, pageTexts) + gearReportSection(gi, *w, pageTexts));
    CharacteristicInput ci = characteristicInput(g);
    ci.b = pick(in, geom_q::kB.bounds);
    if (!geom_q::kB.admits(ci.b) || ci.b == 0) ci.b = g.b;
    if (auto c = characteristic(ci, kPinFactorListing)) {
        check(characteristicListing(ci, *c));
        g.epsAlpha = c->epsAlpha, g.epsBeta = c->epsBeta;
    }
    if (auto c = characteristic(ci, kPinFactorReport)) check(characteristicReportSection(ci, *c, texts));
    if (!checkCyGeomRecord(g)) rating(in, g);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in({data, size});
    CyPreRecord pre = examplePre();
    editPre(in, pre);
    preliminaryDesign(pre);
    CyGeomRecord geom = exampleGeom();
    editGeom(in, geom);
    geometryDesign(in, geom);
    return 0;
}
