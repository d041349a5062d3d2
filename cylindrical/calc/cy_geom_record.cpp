#include "cylindrical/calc/cy_geom_record.h"

#include <algorithm>
#include <cmath>

#include "common/calc/angle_split.h"
#include "common/calc/gear_kinds.h"
#include "common/calc/record_check.h"
#include "cylindrical/calc/cy_geom_ranges.h"
#include "fw/record.h"

namespace cylindrical {

namespace {

// Field offsets.
enum : std::size_t {
    kZ1 = 0, kZ2 = 4, kBetaDeg = 8, kBetaMin = 12, kBetaSec = 16, kHand = 20, kMn = 24,
    kAlphaNSec = 32, kAlphaNMin = 36, kAlphaNDeg = 40, kPad1 = 44, kA = 48, kAd = 56,
    kAlphaWt = 64, kYt = 72, kYn = 80, kSumX = 88, kXn1 = 96, kXn2 = 104, kMesh = 112, kPad2 = 116,
    kHaStar = 120, kCStar = 128, kPad3 = 132, kZv1 = 136, kZv2 = 144, kB = 152, kEpsAlpha = 160,
    kEpsBeta = 168, kPsiD = 176, kStatus = 184, kTitle = 188, kNumber = 252, kDate = 316,
};
constexpr std::size_t kTextWidth = 64, kDateWidth = 20;
static_assert(kMn == kHand + 4 && kAlphaNSec == kMn + 8 && kPad1 == kAlphaNDeg + 4 && kA == kPad1 + 4);
static_assert(kXn2 == kA + 7 * 8 && kMesh == kXn2 + 8 && kHaStar == kPad2 + 4);
static_assert(kPad3 == kCStar + 4 && kZv1 == kPad3 + 4 && kStatus == kPsiD + 8);
static_assert(kTitle == kStatus + 4 && kNumber == kTitle + kTextWidth && kDate == kNumber + kTextWidth);
static_assert(kDate + kDateWidth == CyGeomRecord::kSize);

constexpr double kCStarList[kCStarCount] = {0.25, 0.3, 0.35};

}  // namespace

double cStarOfIndex(int index) { return kCStarList[std::clamp(index, 0, kCStarCount - 1)]; }

std::vector<std::uint8_t> writeCyGeomRecord(const CyGeomRecord& r) {
    fw::RecordWriter w(CyGeomRecord::kSize);
    w.i32(kZ1, r.z1);
    w.i32(kZ2, r.z2);
    w.i32(kBetaDeg, r.betaDeg);
    w.i32(kBetaMin, r.betaMin);
    w.i32(kBetaSec, r.betaSec);
    w.i32(kHand, r.hand);
    w.f64(kMn, r.mn);
    w.i32(kAlphaNSec, r.alphaNSec);
    w.i32(kAlphaNMin, r.alphaNMin);
    w.i32(kAlphaNDeg, r.alphaNDeg);
    w.f64(kA, r.a);
    w.f64(kAd, r.ad);
    w.f64(kAlphaWt, r.alphaWtDeg);
    w.f64(kYt, r.yt);
    w.f64(kYn, r.yn);
    w.f64(kSumX, r.sumX);
    w.f64(kXn1, r.xn1);
    w.f64(kXn2, r.xn2);
    w.i32(kMesh, r.meshType);
    w.f64(kHaStar, r.haStar);
    w.i32(kCStar, r.cStarIndex);
    w.f64(kZv1, r.zv1);
    w.f64(kZv2, r.zv2);
    w.f64(kB, r.b);
    w.f64(kEpsAlpha, r.epsAlpha);
    w.f64(kEpsBeta, r.epsBeta);
    w.f64(kPsiD, r.psiD);
    w.i32(kStatus, r.status);
    w.text(kTitle, kTextWidth, r.title);
    w.text(kNumber, kTextWidth, r.number);
    w.text(kDate, kDateWidth, r.date);
    return w.take();
}

std::optional<CyGeomRecord> readCyGeomRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < CyGeomRecord::kSize) return std::nullopt;
    fw::RecordReader rd(bytes.first(CyGeomRecord::kSize));
    CyGeomRecord r;
    r.z1 = rd.i32(kZ1);
    r.z2 = rd.i32(kZ2);
    r.betaDeg = rd.i32(kBetaDeg);
    r.betaMin = rd.i32(kBetaMin);
    r.betaSec = rd.i32(kBetaSec);
    r.hand = rd.i32(kHand);
    r.mn = rd.f64(kMn);
    r.alphaNSec = rd.i32(kAlphaNSec);
    r.alphaNMin = rd.i32(kAlphaNMin);
    r.alphaNDeg = rd.i32(kAlphaNDeg);
    r.a = rd.f64(kA);
    r.ad = rd.f64(kAd);
    r.alphaWtDeg = rd.f64(kAlphaWt);
    r.yt = rd.f64(kYt);
    r.yn = rd.f64(kYn);
    r.sumX = rd.f64(kSumX);
    r.xn1 = rd.f64(kXn1);
    r.xn2 = rd.f64(kXn2);
    r.meshType = rd.i32(kMesh);
    r.haStar = rd.f64(kHaStar);
    r.cStarIndex = rd.i32(kCStar);
    r.zv1 = rd.f64(kZv1);
    r.zv2 = rd.f64(kZv2);
    r.b = rd.f64(kB);
    r.epsAlpha = rd.f64(kEpsAlpha);
    r.epsBeta = rd.f64(kEpsBeta);
    r.psiD = rd.f64(kPsiD);
    r.status = rd.i32(kStatus);
    r.title = rd.text(kTitle, kTextWidth);
    r.number = rd.text(kNumber, kTextWidth);
    r.date = rd.text(kDate, kDateWidth);
    return r;
}

namespace {

bool inHaStarList(double v) {
    for (double h : kHaStarList)
        if (v == h) return true;
    return false;
}

kavrin::RecordCheck& checkLists(kavrin::RecordCheck& c, const CyGeomRecord& r) {
    return c.index("旋向", r.hand, kHandCount)
        .index("径向齿隙系数 C", r.cStarIndex, kCStarCount)
        .index("啮合方式", r.meshType, 2);
}

}  // namespace

std::optional<std::string> cyGeomListFault(const CyGeomRecord& r) {
    kavrin::RecordCheck c;
    return checkLists(c, r).fault();
}

std::optional<std::string> checkCyGeomRecord(const CyGeomRecord& r) {
    namespace q = geom_q;
    const double beta = kavrin::tripleToDegrees({r.betaDeg, r.betaMin, r.betaSec});
    const double alphaN = kavrin::tripleToDegrees({r.alphaNDeg, r.alphaNMin, r.alphaNSec});
    kavrin::RecordCheck c;
    checkLists(c, r)
        .count(required(q::kZ1), r.z1)
        .count(required(q::kZ2), r.z2)
        .rule(r.z2 >= r.z1, kMsgGeomTeethOrder)
        .rule(r.meshType != 1 || r.z2 > r.z1, kMsgGeomInternalTeeth)
        .count(q::kBetaDeg, r.betaDeg)
        .count(q::kBetaMin, r.betaMin)
        .count(q::kBetaSec, r.betaSec)
        .rule(std::fabs(beta) <= kMaxHelixDeg, kMsgHelixTooLarge)
        .count(q::kAlphaNDeg, r.alphaNDeg)
        .count(q::kAlphaNMin, r.alphaNMin)
        .count(q::kAlphaNSec, r.alphaNSec)
        .rule(alphaN > 0 && alphaN <= kMaxPressureAngleDeg, kMsgPressureAngleRange)
        .quantity(required(q::kMn), r.mn)
        .rule(inHaStarList(r.haStar), "齿顶高系数 ha*：只能取 1.0 或 0.8。")
        .quantity(required(q::kAd), r.ad)
        .quantity(required(q::kA), r.a)
        .rule(!(r.alphaWtDeg >= 90), kMsgCentreDistanceTooLarge)
        .quantity(q::kAlphaWt, r.alphaWtDeg)
        .quantity(q::kYn, r.yn)
        .quantity(q::kYt, r.yt)
        .quantity(q::kSumX, r.sumX)
        .quantity(q::kXn1, r.xn1)
        .quantity(q::kXn2, r.xn2)
        .quantity(required(q::kZv1), r.zv1)
        .quantity(required(q::kZv2), r.zv2)
        .quantity(q::kB, r.b)
        .quantity(q::kPsiD, r.psiD)
        .quantity(q::kEpsAlpha, r.epsAlpha)
        .quantity(q::kEpsBeta, r.epsBeta);
    return c.fault();
}

}  // namespace cylindrical
