#include "bevel/rating/calc/rating_load.h"

#include <cmath>

#include "common/calc/data_file_header.h"
#include "common/calc/design_file.h"

namespace bevel {

namespace {

constexpr const char* kConeWord = "W_CONDESIGN";

RatingNotice refusal(const char* text, RatingNotice::Icon icon = RatingNotice::Icon::Exclamation) {
    return {icon, text, ""};
}

double decimalDegrees(double d, double m, double s) { return d + m / 60 + s / 3600; }

bool finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

bool angleInRange(double deg) { return deg > 0 && deg < 90; }

}  // namespace

bool spiralEntriesAgree(double betaM, double epsBeta) {
    if (!(betaM >= 0 && betaM < 90 && epsBeta >= 0)) return false;
    return (betaM > 0 && epsBeta > 0) || (betaM == 0 && epsBeta == 0);
}

fw::Expected<LoadedRatingDesign, RatingNotice> loadRatingDesign(std::span<const std::uint8_t> file) {
    constexpr std::size_t recordBytes = ConePreRecord::kSize + ConeGeomRecord::kSize;
    static_assert(recordBytes == kRatingRecordBytes);
    // A file that has a header must carry the bevel design's word before its
    // length is judged; a shorter one then holds no geometry.
    if (file.size() >= kavrin::CDataFileHeader::kSize) {
        const auto head = kavrin::splitDesignFile(file, 0);
        if (head && !head->oldFile && head->header.word != kConeWord) return fw::unexpected(refusal(kMsgNotConeData));
    }
    const auto body = kavrin::splitDesignFile(file, recordBytes);
    if (!body) return fw::unexpected(refusal(kMsgNoConeGeometry));
    LoadedRatingDesign out;
    out.oldFile = body->oldFile;
    out.pre = readConePreRecord(body->records.first<ConePreRecord::kSize>());
    out.geom = readConeGeomRecord(body->records.subspan<ConePreRecord::kSize, ConeGeomRecord::kSize>());
    const ConeGeomRecord& geom = out.geom;
    if (out.pre.status != kConePreStatus || geom.status != kConeGeomStatus)
        return fw::unexpected(refusal(kMsgNoConeGeometry));
    // A spiral angle and face contact ratio that disagree get their own
    // message before the record checks, which refuse them too.
    const double betaM = decimalDegrees(geom.betaDeg, geom.betaMin, geom.betaSec);
    if (finite({betaM, geom.epsBeta}) && !spiralEntriesAgree(betaM, geom.epsBeta))
        return fw::unexpected(refusal(kMsgSpiralContact));
    // The checks the geometry step's own load of a saved design runs: the
    // preliminary record's, then that of the kind the tooth system names.
    if (!plausibleConePreRecord(out.pre) || !preliminaryFitsGeometry(out.pre) || geom.toothSystem < 0 || geom.toothSystem >= kToothSystemCount ||
        !checkConeGeomRecord(geom, kConeToothSystems[static_cast<std::size_t>(geom.toothSystem)].kind))
        return fw::unexpected(refusal(kMsgNoConeGeometry));

    RatingEntries& e = out.entries;
    e.alphaN = decimalDegrees(geom.alphaDeg, geom.alphaMin, geom.alphaSec);
    e.betaM = decimalDegrees(geom.betaDeg, geom.betaMin, geom.betaSec);
    e.m = geom.mt;
    e.z1 = geom.z1;
    e.z2 = geom.z2;
    e.x1 = geom.x1;
    e.x2 = geom.x2;
    e.xt1 = geom.xt1;
    e.xt2 = geom.xt2;
    e.epsAlpha = geom.epsAlpha;
    e.epsBeta = geom.epsBeta;
    e.b = geom.b;
    e.r = geom.r;
    e.phiR = geom.phiR;
    e.delta1 = decimalDegrees(geom.delta1.deg, geom.delta1.min, geom.delta1.sec);
    e.delta2 = decimalDegrees(geom.delta2.deg, geom.delta2.min, geom.delta2.sec);
    e.date = geom.date;
    e.number = geom.number;
    e.title = geom.title;

    using namespace entry_bit;
    if (!finite({e.alphaN, e.betaM, e.m, e.x1, e.x2, e.xt1, e.xt2, e.epsAlpha, e.epsBeta, e.b, e.r, e.phiR, e.delta1,
                 e.delta2}))
        return fw::unexpected(refusal(kMsgNoConeGeometry));
    const std::uint32_t mask = completionMask(e, 1, 1);
    if ((mask | spiral) != kComplete) return fw::unexpected(refusal(kMsgNoConeGeometry));
    if (!(mask & spiral)) return fw::unexpected(refusal(kMsgSpiralContact));
    return out;
}

bool entriesComplete(const RatingEntries& e) {
    return finite({e.alphaN, e.betaM, e.m, e.x1, e.x2, e.xt1, e.xt2, e.epsAlpha, e.epsBeta, e.b, e.r, e.phiR,
                   e.delta1, e.delta2}) &&
           completionMask(e, 1, 1) == entry_bit::kComplete;
}

std::uint32_t completionMask(const RatingEntries& e, double torque, double n1) {
    using namespace entry_bit;
    std::uint32_t mask = 0;
    auto set = [&mask](bool on, std::uint32_t bit) {
        if (on) mask |= bit;
    };
    auto teeth = [](int z) { return z > 0 && z <= static_cast<int>(kMaxTeeth); };
    set(e.m > 0, m);
    set(teeth(e.z1), z1);
    set(teeth(e.z2), z2);
    set(angleInRange(e.alphaN), alphaN);
    set(e.b > 0, b);
    set(e.epsAlpha > 0, epsAlpha);
    set(spiralEntriesAgree(e.betaM, e.epsBeta), spiral);
    set(e.phiR > 0 && e.phiR < 2, phiR);
    set(e.r > 0, r);
    set(angleInRange(e.delta1), delta1);
    set(angleInRange(e.delta2), delta2);
    set(torque > 0, entry_bit::torque);
    set(n1 > 0, entry_bit::n1);
    return mask;
}

}  // namespace bevel
