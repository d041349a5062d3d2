#include "bevel/rating/calc/rating_load.h"

#include <cmath>
#include <utility>

#include "bevel/rating/calc/rating_ranges.h"
#include "common/calc/data_file_header.h"
#include "common/calc/design_file.h"
#include "common/calc/record_check.h"

namespace bevel {

namespace {

constexpr const char* kConeWord = "W_CONDESIGN";

RatingNotice refusal(std::string text, RatingNotice::Icon icon = RatingNotice::Icon::Exclamation) {
    return {icon, std::move(text), ""};
}

// A record none of this kind: the geometry message with the list at fault
// after it. One of this kind with a value its check refuses: that value first.
RatingNotice listRefusal(const std::string& why) { return refusal(std::string(kMsgNoConeGeometry) + "\n" + why); }
RatingNotice valueRefusal(const std::string& why) { return refusal(kavrin::refusedOnLoad(why)); }

double decimalDegrees(double d, double m, double s) { return d + m / 60 + s / 3600; }

bool finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// Given (not 0) and in range.
bool givenIn(const kavrin::Quantity& q, double v) { return v != 0 && q.admits(v); }

}  // namespace

bool spiralEntriesAgree(double betaM, double epsBeta) {
    if (!(betaM >= 0 && betaM < 90 && epsBeta >= 0)) return false;
    return (betaM > 0 && epsBeta > 0) || (betaM == 0 && epsBeta == 0);
}

std::optional<std::string> entriesRefusal(const RatingEntries& e) {
    namespace q = rating_range;
    // The tooth numbers: whole numbers, both needed.
    for (auto [qty, z] : {std::pair<const kavrin::Quantity&, int>{q::kZ1, e.z1}, {q::kZ2, e.z2}})
        if (!q::given(qty).admits(z)) return kavrin::countRefusal(q::given(qty));
    struct Entry {
        const kavrin::Quantity& qty;
        double v;
        bool needed;  // the pair needs it: 0 is refused
    };
    for (Entry n : {Entry{q::kM, e.m, true}, Entry{q::kAlphaN, e.alphaN, true}, Entry{q::kBetaM, e.betaM, false},
                    Entry{q::kEpsAlpha, e.epsAlpha, true}, Entry{q::kEpsBeta, e.epsBeta, false},
                    Entry{q::kB, e.b, true}, Entry{q::kR, e.r, true}, Entry{q::kPhiR, e.phiR, true},
                    Entry{q::kDelta1, e.delta1, true}, Entry{q::kDelta2, e.delta2, true}, Entry{q::kX1, e.x1, false},
                    Entry{q::kX2, e.x2, false}, Entry{q::kXt1, e.xt1, false}, Entry{q::kXt2, e.xt2, false}}) {
        const kavrin::Quantity range = n.needed ? q::given(n.qty) : n.qty;
        if (!range.admits(n.v)) return kavrin::quantityRefusal(range);
    }
    if (!spiralEntriesAgree(e.betaM, e.epsBeta)) return std::string(kMsgSpiralContact);
    return std::nullopt;
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
    if (auto fault = checkConePreRecord(out.pre))
        return fw::unexpected(fault->notThisKind ? listRefusal(fault->refusal) : valueRefusal(fault->refusal));
    if (!preliminaryFitsGeometry(out.pre) || geom.toothSystem < 0 || geom.toothSystem >= kToothSystemCount)
        return fw::unexpected(refusal(kMsgNoConeGeometry));
    const ConeKind kind = kConeToothSystems[static_cast<std::size_t>(geom.toothSystem)].kind;
    if (auto list = coneGeomListFault(geom, kind)) return fw::unexpected(listRefusal(*list));
    if (auto checked = checkConeGeomRecord(geom, kind); !checked) return fw::unexpected(valueRefusal(checked.error()));

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

    // The entries as their fields take them.
    if (auto why = entriesRefusal(e)) {
        if (*why == kMsgSpiralContact) return fw::unexpected(refusal(kMsgSpiralContact));
        return fw::unexpected(valueRefusal(*why));
    }
    return out;
}

bool entriesComplete(const RatingEntries& e) {
    return !entriesRefusal(e) && completionMask(e, 1, 1) == entry_bit::kComplete;
}

std::uint32_t completionMask(const RatingEntries& e, double torque, double n1) {
    using namespace entry_bit;
    std::uint32_t mask = 0;
    auto set = [&mask](bool on, std::uint32_t bit) {
        if (on) mask |= bit;
    };
    namespace q = rating_range;
    set(givenIn(q::kM, e.m), m);
    set(givenIn(q::kZ1, e.z1), z1);
    set(givenIn(q::kZ2, e.z2), z2);
    set(givenIn(q::kAlphaN, e.alphaN), alphaN);
    set(givenIn(q::kB, e.b), b);
    set(givenIn(q::kEpsAlpha, e.epsAlpha), epsAlpha);
    set(q::kBetaM.admits(e.betaM) && q::kEpsBeta.admits(e.epsBeta) && spiralEntriesAgree(e.betaM, e.epsBeta), spiral);
    set(givenIn(q::kPhiR, e.phiR), phiR);
    set(givenIn(q::kR, e.r), r);
    set(givenIn(q::kDelta1, e.delta1), delta1);
    set(givenIn(q::kDelta2, e.delta2), delta2);
    set(givenIn(q::kT, torque), entry_bit::torque);
    set(givenIn(q::kN1, n1), entry_bit::n1);
    return mask;
}

}  // namespace bevel
