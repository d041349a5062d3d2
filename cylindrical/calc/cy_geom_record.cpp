#include "cylindrical/calc/cy_geom_record.h"

#include <algorithm>
#include <cmath>

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

bool inList(std::int32_t v, int count) { return v >= 0 && v < count; }

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

bool finiteCyGeomRecord(const CyGeomRecord& r) {
    for (double v : {r.mn, r.a, r.ad, r.alphaWtDeg, r.yt, r.yn, r.sumX, r.xn1, r.xn2, r.haStar, r.zv1, r.zv2, r.b,
                     r.epsAlpha, r.epsBeta, r.psiD})
        if (!std::isfinite(v)) return false;
    return true;
}

bool plausible(const CyGeomRecord& r) {
    if (!inList(r.hand, kHandCount) || !inList(r.cStarIndex, kCStarCount) || !inList(r.meshType, 2)) return false;
    if (!finiteCyGeomRecord(r)) return false;
    auto within = [](std::int32_t v, std::int32_t lo, std::int32_t hi) { return v >= lo && v <= hi; };
    // The angle fields: β −60..60°, αn 0..30°, minutes and seconds below 60.
    if (!within(r.betaDeg, -60, 60) || !within(r.betaMin, -59, 59) || !within(r.betaSec, -59, 59)) return false;
    if (!within(r.alphaNDeg, 0, 30) || !within(r.alphaNMin, 0, 59) || !within(r.alphaNSec, 0, 59)) return false;
    // Tooth counts and module above zero; lengths, ratios and angles never negative.
    if (r.z1 <= 0 || r.z2 <= 0 || !(r.mn > 0)) return false;
    for (double v : {r.a, r.ad, r.haStar, r.zv1, r.zv2, r.b, r.epsAlpha, r.epsBeta, r.psiD})
        if (v < 0) return false;
    return r.alphaWtDeg >= 0 && r.alphaWtDeg < 90;
}

}  // namespace cylindrical
