#include "worm/calc/cw_records.h"

#include "fw/record.h"

namespace worm {

namespace {

// CwPreRecord field offsets.
namespace pre {
enum : std::size_t {
    kStatus = 0, kType = 4, kN1 = 8, kN2 = 16, kU = 24, kP = 32, kT = 40, kSigmaH = 48, kZe = 56,
    kSigmaF = 64, kD1a = 72, kKa = 80, kZrho = 88, kZ1 = 96, kZ2 = 100, kM = 104, kMCalc = 112, kQ = 120,
    kD1Calc = 128, kD1 = 136, kA = 144, kD2 = 152, kGamma = 160, kTitle = 168, kNumber = 232, kDate = 296,
    kReserved = 316,
};
static_assert(kN1 == kType + 4 && kZ1 == kZrho + 8 && kZ2 == kZ1 + 4 && kM == kZ2 + 4);
static_assert(kTitle == kGamma + 8 && kNumber == kTitle + kTextWidth && kDate == kNumber + kTextWidth);
static_assert(kReserved == kDate + kDateWidth && kReserved + 4 == CwPreRecord::kSize);
}  // namespace pre

// CwGeomRecord field offsets.
namespace geo {
enum : std::size_t {
    kType = 0, kZ1 = 4, kZ2 = 8, kGap12 = 12, kQ = 16, kD1 = 24, kA = 32, kD2 = 40, kGamma = 48, kAlphaN = 56,
    kAlphaX = 64, kAw = 72, kB1 = 80, kB2 = 88, kBetaM2 = 96, kDa1 = 104, kDa2 = 112, kDb = 120, kDe2 = 128,
    kDf1 = 136, kDf2 = 144, kDm2 = 152, kD1w = 160, kEpsA = 168, kGammaB = 176, kGammaW = 184, kHaStar = 192,
    kH1 = 200, kH2 = 208, kHa1 = 216, kHa2 = 224, kHcn1 = 232, kHf1 = 240, kHf2 = 248, kRho = 256, kMn1 = 264,
    kMn2 = 272, kMs = 280, kMx = 288, kPbn = 296, kPx1 = 304, kPz1 = 312, kRg = 320, kTheta = 328, kSn = 336,
    kHand = 344, kGap348 = 348, kX2 = 352, kDs = 360, kGap364 = 364, kAu = 368, kDh = 376, kL3 = 384,
    kRhoDisc = 392, kSx = 400, kArcRadial = 408, kArcAxial = 416, kStatus = 424, kDate = 428, kTitle = 448,
    kNumber = 512,
};
static_assert(kGap12 == kZ2 + 4 && kQ == kGap12 + 4);
static_assert(kSn + 8 == kHand && kHand + 4 == kGap348 && kGap348 + 4 == kX2);
static_assert(kX2 + 8 == kDs && kDs + 4 == kGap364 && kGap364 + 4 == kAu);
static_assert(kArcAxial + 8 == kStatus && kStatus + 4 == kDate);
static_assert(kTitle == kDate + kDateWidth && kNumber == kTitle + kTextWidth);
static_assert(kNumber + kTextWidth == CwGeomRecord::kSize);
}  // namespace geo

// Which family writes a field: the ordinary pair, ZC1, ZC3.
enum Family : unsigned { Ord = 1, Zc1 = 2, Zc3 = 4, All = Ord | Zc1 | Zc3 };

unsigned familyOf(std::int32_t status) {
    switch (status) {
    case kGeomStatusZc1: return Zc1;
    case kGeomStatusZc3: return Zc3;
    default: return Ord;
    }
}

}  // namespace

std::vector<std::uint8_t> writeCwPreRecord(const CwPreRecord& r) {
    using namespace pre;
    fw::RecordWriter w(CwPreRecord::kSize);
    w.i32(kStatus, r.status);
    w.i32(kType, code(r.type));
    w.f64(kN1, r.n1);
    w.f64(kN2, r.n2);
    w.f64(kU, r.u);
    w.f64(kP, r.p);
    w.f64(kT, r.t);
    w.f64(kSigmaH, r.sigmaHlim);
    w.f64(kZe, r.ze);
    w.f64(kSigmaF, r.sigmaFlim);
    w.f64(kD1a, r.d1a);
    w.f64(kKa, r.ka);
    w.f64(kZrho, r.zrho);
    w.i32(kZ1, r.z1);
    w.i32(kZ2, r.z2);
    w.f64(kM, r.m);
    w.f64(kMCalc, r.mCalc);
    w.f64(kQ, r.q);
    w.f64(kD1Calc, r.d1Calc);
    w.f64(kD1, r.d1);
    w.f64(kA, r.a);
    w.f64(kD2, r.d2);
    w.f64(kGamma, r.gamma);
    w.text(kTitle, kTextWidth, r.title);
    w.text(kNumber, kTextWidth, r.number);
    w.text(kDate, kDateWidth, r.date);
    return w.take();
}

std::optional<CwPreRecord> readCwPreRecord(std::span<const std::uint8_t> bytes) {
    using namespace pre;
    if (bytes.size() < CwPreRecord::kSize) return std::nullopt;
    fw::RecordReader rd(bytes.first(CwPreRecord::kSize));
    const std::int32_t type = rd.i32(kType);
    if (!validWormType(type)) return std::nullopt;
    CwPreRecord r;
    r.status = rd.i32(kStatus);
    r.type = static_cast<WormType>(type);
    r.n1 = rd.f64(kN1);
    r.n2 = rd.f64(kN2);
    r.u = rd.f64(kU);
    r.p = rd.f64(kP);
    r.t = rd.f64(kT);
    r.sigmaHlim = rd.f64(kSigmaH);
    r.ze = rd.f64(kZe);
    r.sigmaFlim = rd.f64(kSigmaF);
    r.d1a = rd.f64(kD1a);
    r.ka = rd.f64(kKa);
    r.zrho = rd.f64(kZrho);
    r.z1 = rd.i32(kZ1);
    r.z2 = rd.i32(kZ2);
    r.m = rd.f64(kM);
    r.mCalc = rd.f64(kMCalc);
    r.q = rd.f64(kQ);
    r.d1Calc = rd.f64(kD1Calc);
    r.d1 = rd.f64(kD1);
    r.a = rd.f64(kA);
    r.d2 = rd.f64(kD2);
    r.gamma = rd.f64(kGamma);
    r.title = rd.text(kTitle, kTextWidth);
    r.number = rd.text(kNumber, kTextWidth);
    r.date = rd.text(kDate, kDateWidth);
    return r;
}

std::vector<std::uint8_t> writeCwGeomRecord(const CwGeomRecord& r) {
    using namespace geo;
    fw::RecordWriter w(CwGeomRecord::kSize);
    const unsigned fam = familyOf(r.status);
    const bool involute = fam == Ord && r.type == WormType::ZL;
    auto f = [&](std::size_t off, double v, unsigned families) { w.f64(off, (fam & families) ? v : 0.0); };
    w.i32(kType, code(r.type));
    w.i32(kZ1, r.z1);
    w.i32(kZ2, r.z2);
    f(kQ, r.q, All);
    f(kD1, r.d1, All);
    f(kA, r.a, All);
    f(kD2, r.d2, All);
    f(kGamma, r.gamma, All);
    f(kAlphaN, r.alphaN, All);
    f(kAlphaX, r.alphaX, All);
    f(kAw, r.aw, All);
    f(kB1, r.b1, All);
    f(kB2, r.b2, All);
    f(kBetaM2, r.betaM2, Ord | Zc3);
    f(kDa1, r.da1, All);
    f(kDa2, r.da2, All);
    w.f64(kDb, involute ? r.db : 0.0);
    f(kDe2, r.de2, All);
    f(kDf1, r.df1, All);
    f(kDf2, r.df2, All);
    f(kDm2, r.dm2, All);
    f(kD1w, r.d1w, All);
    f(kEpsA, r.epsA, All);
    w.f64(kGammaB, involute ? r.gammaB : 0.0);
    f(kGammaW, r.gammaW, All);
    f(kHaStar, r.haStar, Ord | Zc3);
    f(kH1, r.h1, All);
    f(kH2, r.h2, All);
    f(kHa1, r.ha1, All);
    f(kHa2, r.ha2, All);
    f(kHcn1, r.hcn1, Ord);
    f(kHf1, r.hf1, All);
    f(kHf2, r.hf2, All);
    f(kRho, r.rho, All);
    f(kMn1, r.mn1, All);
    f(kMn2, r.mn2, All);
    f(kMs, r.ms, All);
    f(kMx, r.mx, All);
    w.f64(kPbn, involute ? r.pbn : 0.0);
    f(kPx1, r.px1, All);
    f(kPz1, r.pz1, All);
    f(kRg, r.rg, All);
    f(kTheta, r.theta, All);
    f(kSn, r.sn, All);
    w.i32(kHand, r.hand);
    f(kX2, r.x2, All);
    w.i32(kDs, fam == Zc1 ? r.ds : 0);
    f(kAu, r.au, Zc1);
    f(kDh, r.dh, Zc1);
    f(kL3, r.l3, Zc1);
    f(kRhoDisc, r.rhoDisc, Zc1);
    f(kSx, r.sx, Zc1 | Zc3);
    f(kArcRadial, r.arcRadial, Zc1 | Zc3);
    f(kArcAxial, r.arcAxial, Zc1 | Zc3);
    w.i32(kStatus, r.status);
    w.text(kDate, kDateWidth, r.date);
    w.text(kTitle, kTextWidth, r.title);
    w.text(kNumber, kTextWidth, r.number);
    return w.take();
}

std::optional<CwGeomRecord> readCwGeomRecord(std::span<const std::uint8_t> bytes) {
    using namespace geo;
    if (bytes.size() < CwGeomRecord::kSize) return std::nullopt;
    fw::RecordReader rd(bytes.first(CwGeomRecord::kSize));
    const std::int32_t type = rd.i32(kType);
    if (!validWormType(type)) return std::nullopt;
    CwGeomRecord r;
    r.type = static_cast<WormType>(type);
    r.z1 = rd.i32(kZ1);
    r.z2 = rd.i32(kZ2);
    r.q = rd.f64(kQ);
    r.d1 = rd.f64(kD1);
    r.a = rd.f64(kA);
    r.d2 = rd.f64(kD2);
    r.gamma = rd.f64(kGamma);
    r.alphaN = rd.f64(kAlphaN);
    r.alphaX = rd.f64(kAlphaX);
    r.aw = rd.f64(kAw);
    r.b1 = rd.f64(kB1);
    r.b2 = rd.f64(kB2);
    r.betaM2 = rd.f64(kBetaM2);
    r.da1 = rd.f64(kDa1);
    r.da2 = rd.f64(kDa2);
    r.db = rd.f64(kDb);
    r.de2 = rd.f64(kDe2);
    r.df1 = rd.f64(kDf1);
    r.df2 = rd.f64(kDf2);
    r.dm2 = rd.f64(kDm2);
    r.d1w = rd.f64(kD1w);
    r.epsA = rd.f64(kEpsA);
    r.gammaB = rd.f64(kGammaB);
    r.gammaW = rd.f64(kGammaW);
    r.haStar = rd.f64(kHaStar);
    r.h1 = rd.f64(kH1);
    r.h2 = rd.f64(kH2);
    r.ha1 = rd.f64(kHa1);
    r.ha2 = rd.f64(kHa2);
    r.hcn1 = rd.f64(kHcn1);
    r.hf1 = rd.f64(kHf1);
    r.hf2 = rd.f64(kHf2);
    r.rho = rd.f64(kRho);
    r.mn1 = rd.f64(kMn1);
    r.mn2 = rd.f64(kMn2);
    r.ms = rd.f64(kMs);
    r.mx = rd.f64(kMx);
    r.pbn = rd.f64(kPbn);
    r.px1 = rd.f64(kPx1);
    r.pz1 = rd.f64(kPz1);
    r.rg = rd.f64(kRg);
    r.theta = rd.f64(kTheta);
    r.sn = rd.f64(kSn);
    r.hand = rd.i32(kHand);
    r.x2 = rd.f64(kX2);
    r.ds = rd.i32(kDs);
    r.au = rd.f64(kAu);
    r.dh = rd.f64(kDh);
    r.l3 = rd.f64(kL3);
    r.rhoDisc = rd.f64(kRhoDisc);
    r.sx = rd.f64(kSx);
    r.arcRadial = rd.f64(kArcRadial);
    r.arcAxial = rd.f64(kArcAxial);
    r.status = rd.i32(kStatus);
    r.date = rd.text(kDate, kDateWidth);
    r.title = rd.text(kTitle, kTextWidth);
    r.number = rd.text(kNumber, kTextWidth);
    return r;
}

}  // namespace worm
