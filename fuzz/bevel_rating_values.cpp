// Values into a valid bevel design for the strength rating: a design file
// (the seeds hold the geometry fixture), fuzz-chosen values written into the
// slots the rating reads, loaded; then the load (power and speed), the
// forces, every factor from fuzz-chosen dialog answers, the stresses, their
// limits and safety factors as the rating dialog takes them, and the report.
// A refused load names its message; an accepted one has every entry in its
// range; no report prints "inf", "nan" or a number of 16 or more digits.
//
// Input: the 1296-byte design file; one byte, the number of slot edits, and
// as many 9-byte edits (a slot of the geometry record, mod the slot count,
// and 8 bytes: a double, or an int32 in the first 4); then the dialog
// answers, 8 bytes each (a double; the choices are taken mod their count),
// 0 once the input ends.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "bevel/rating/calc/cutter_factor.h"
#include "bevel/rating/calc/rating_factors.h"
#include "bevel/rating/calc/rating_forces.h"
#include "bevel/rating/calc/rating_load.h"
#include "bevel/rating/calc/rating_ranges.h"
#include "bevel/rating/calc/rating_report.h"
#include "common/calc/record_check.h"
#include "fuzz_check.h"
#include "report_text_check.h"

using namespace bevel;
namespace q = bevel::rating_range;

namespace {

constexpr std::size_t kFileSize = 1296;
constexpr std::size_t kGeom = 64 + 344;

// The slots the rating reads: offset in the geometry record, and whether an
// int32 (the angles in whole degrees: their minutes and seconds set to 0).
struct Slot {
    std::size_t at;
    enum Kind { Int, Double, IntDegrees, DoubleDegrees } kind;
};
constexpr Slot kSlots[] = {{0, Slot::IntDegrees}, {12, Slot::IntDegrees}, {40, Slot::Double},  {48, Slot::Int},
                           {52, Slot::Int},       {56, Slot::Double},     {64, Slot::Double},  {72, Slot::Double},
                           {80, Slot::Double},    {112, Slot::Double},    {432, Slot::Double}, {440, Slot::Double},
                           {464, Slot::DoubleDegrees}, {488, Slot::DoubleDegrees}, {520, Slot::Double},
                           {576, Slot::Double}};

void edit(std::vector<std::uint8_t>& file, unsigned which, const std::uint8_t* value) {
    const Slot& s = kSlots[which % std::size(kSlots)];
    std::uint8_t* at = file.data() + kGeom + s.at;
    switch (s.kind) {
    case Slot::Int: std::memcpy(at, value, 4); break;
    case Slot::Double: std::memcpy(at, value, 8); break;
    case Slot::IntDegrees:
        std::memcpy(at, value, 4);
        std::memset(at + 4, 0, 8);
        break;
    case Slot::DoubleDegrees:
        std::memcpy(at, value, 8);
        std::memset(at + 8, 0, 16);
        break;
    }
}

// The dialog answers, in order.
class Answers {
public:
    explicit Answers(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    double next() {
        double v = 0;
        if (m_at + 8 <= m_bytes.size()) std::memcpy(&v, m_bytes.data() + m_at, 8);
        m_at += 8;
        return v;
    }
    int choice(int count) {
        const double v = next();
        if (!std::isfinite(v)) return 0;
        return static_cast<int>(static_cast<std::uint64_t>(std::fabs(std::fmod(v, count))));
    }
    int position() { return choice(201); }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
};

// The value a chart reads at vertical position p: (200 − p)·k/200 + c.
double chart(int p, double k, double c) { return (200 - p) * k / 200 + c; }

// A factor as the dialog stores it: refused when out of its range (the
// previous value, 0 here, stays), 0 when not usable.
double taken(const kavrin::Quantity& range, double v) {
    if (!factorInRange(range, v)) return 0;
    return usableFactor(v) ? v : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kFileSize + 1) return 0;
    std::vector<std::uint8_t> file(data, data + kFileSize);
    std::size_t at = kFileSize;
    const unsigned edits = data[at++];
    for (unsigned k = 0; k < edits && at + 9 <= size; ++k, at += 9) edit(file, data[at], data + at + 1);
    Answers answer(std::span<const std::uint8_t>(data, size).subspan(std::min(at, size)));

    auto loaded = loadRatingDesign(file);
    if (!loaded) {
        const std::string& t = loaded.error().text;
        FUZZ_CHECK(t.rfind(kMsgNoConeGeometry, 0) == 0 || t.ends_with(std::string("\n") + kavrin::kMsgRecordNotLoaded) || t == kMsgNotConeData ||
                   t == kMsgSpiralContact);
        return 0;
    }
    const RatingEntries& e = loaded->entries;
    FUZZ_CHECK(entriesComplete(e) && !entriesRefusal(e));

    // The load: power and speed from the torque dialog.
    RatingReport r;
    r.gear = answer.choice(2) == 1;
    // The texts are the user's words, printed as typed (a title may say
    // "inf"); what this target judges is the numbers.
    r.title = "电动葫芦弧齿锥齿轮副几何", r.drawingNumber = "KV-B01-G", r.date = "2025年12月11日";
    r.z1 = e.z1, r.z2 = e.z2;
    r.alphaNDeg = e.alphaN, r.m = e.m, r.betaMDeg = e.betaM, r.epsAlpha = e.epsAlpha, r.epsBeta = e.epsBeta, r.b = e.b;
    const double power = answer.next(), speed = answer.next();
    auto torque = ratingTorque(power, speed);
    if (!torque || !q::kN1.admits(speed) || !q::kT.admits(*torque) ||
        !q::kT2.admits(outputTorque(*torque, e.z1, e.z2)))
        return 0;
    r.torque = *torque, r.outputTorque = outputTorque(*torque, e.z1, e.z2), r.n1 = speed;
    FUZZ_CHECK(completionMask(e, r.torque, r.n1) == entry_bit::kComplete);

    // The forces.
    const ForceInput in{.torque = r.torque, .m = e.m, .z1 = e.z1, .z2 = e.z2, .phiR = e.phiR, .alphaNDeg = e.alphaN,
                        .betaMDeg = e.betaM, .delta1Deg = e.delta1, .delta2Deg = e.delta2};
    auto ftm = meanTangentialForce(in);
    if (!ftm) return 0;
    r.arrangement = static_cast<DriveArrangement>(answer.choice(3));
    auto forces = gearForces(in, *ftm, r.arrangement);
    if (!forces) return 0;
    r.ftm = *ftm, r.fr1 = forces->fr1, r.fr2 = forces->fr2, r.fx1 = forces->fx1, r.fx2 = forces->fx2;

    // The factors, each from its dialog's answer.
    r.kA = taken(q::kKa, answer.next());
    const double v = pitchLineSpeed(e.m, e.z1, r.n1);
    r.kV = taken(q::kKv, loadFactorAtLeastOne(dynamicFactor(answer.choice(5), v)));
    r.kBeta = taken(q::kKHbeta, loadFactorAtLeastOne(answer.next()));
    const double kFbeta = taken(q::kKFbeta, loadFactorAtLeastOne(answer.next()));
    r.zH = taken(q::kZH, chart(answer.position(), 0.9, 1.7));
    {
        const double e1 = answer.next(), e2 = answer.next(), nu1 = answer.next(), nu2 = answer.next();
        auto ze = elasticityFactor(e1, e2, nu1, nu2);
        r.zE = ze ? taken(q::kZE, *ze) : 0;
    }
    r.zEps = taken(q::kZeps, chart(answer.position(), 0.3, 0.7));
    {
        const int group = answer.choice(3), pitting = answer.choice(2);
        r.zN = taken(q::kZN, contactLifeFactor(group, pitting, answer.next()));
    }
    const int limitClass = answer.choice(5);
    {
        const int lubricant = answer.choice(2), surface = answer.choice(2);
        const auto lub = lubricantFactors(limitClass, lubricant, surface, answer.next(), e.m, e.z1, r.n1);
        if (factorInRange(q::kZL, lub.zL) && factorInRange(q::kZv, lub.zV))
            r.zL = taken(q::kZL, lub.zL), r.zV = taken(q::kZv, lub.zV);
    }
    r.zR = taken(q::kZR, roughnessFactor(limitClass, answer.next(), e.delta1, e.phiR, e.r).zR);
    {
        const int pinion = answer.choice(2), gear = answer.choice(2);
        r.zW = taken(q::kZW, workHardeningFactor(pinion, gear, answer.next()));
    }
    const FormFactorChart ff = formFactorChart(r.gear, e.z1, e.z2, e.betaM, e.x1, e.x2, e.xt1, e.xt2);
    const int yfPosition = answer.position();
    if (ff.zv > 0) r.yF = taken(q::kYF, formFactor(chart(yfPosition, 2.2499999999999996, 1.85), ff.xt));
    r.yEps = taken(q::kYeps, contactRatioBendingFactor(e.betaM, e.epsAlpha));
    r.yBeta = taken(q::kYbeta, spiralAngleFactor(e.betaM, e.epsBeta));
    {
        const bool curved = answer.choice(2) == 1;
        const double d0 = answer.next();
        double y0 = kStraightToothY0;
        if (curved) y0 = q::kD0.admits(d0) && d0 > 0 ? cutterFactorY0(cutterRatio(d0, e.betaM, e.b)) : kUnknownCutterY0;
        r.y0 = q::kY0.admits(y0) ? y0 : 1.0;
    }
    {
        const int material = answer.choice(4);
        auto yn = bendingLifeFactor(material, answer.next());
        r.yN = yn ? taken(q::kYN, *yn) : 0;
    }
    auto yx = sizeFactor(e.m);
    r.yX = yx ? taken(q::kYx, *yx) : 0;

    // Stresses, limits, safety factors.
    r.sigmaH = contactStress({.zH = r.zH, .zE = r.zE, .zEps = r.zEps, .zM = forces->zM, .cone = forces->coneH,
                              .ftm = r.ftm, .kA = r.kA, .kV = r.kV, .kBeta = r.kBeta, .b = e.b, .m = e.m, .z1 = e.z1});
    r.sigmaHP = permissibleContactStress(answer.next(), r.zN, r.zL, r.zV, r.zR, r.zW);
    r.sH = safetyFactor(r.sigmaHP, r.sigmaH);
    r.sigmaF = bendingStress({.kA = r.kA, .kV = r.kV, .kBeta = kFbeta, .cone = forces->coneH, .yF = r.yF,
                              .yEps = r.yEps, .yBeta = r.yBeta, .y0 = r.y0, .ftm = r.ftm, .b = e.b, .m = e.m,
                              .betaMDeg = e.betaM});
    r.sigmaFP = permissibleBendingStress(answer.next(), r.yN, r.yX);
    r.sF = safetyFactor(r.sigmaFP, r.sigmaF);

    const std::string text = ratingReportText(r);
    if (auto bad = kavrin_fuzz::unprintableInReport(text)) {
        std::fprintf(stderr, "%s\n", bad->c_str());
        FUZZ_CHECK(!"the report prints no unprintable value");
    }
    return 0;
}
