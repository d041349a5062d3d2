// Values into a valid measurement: a worked single gear or gear pair takes
// fuzz-chosen values, first as its fields take them (a value a field refuses
// is left out), then calculated as the dialogs calculate (trial, shift edit,
// pin edit), saved, loaded and reported; then fuzz-chosen values go straight
// into the saved record's slots and the file is loaded and reported. What a
// trial gives passes the record check (the save writes it) and loads again;
// a refused load says why; no report prints "inf", "nan" or a number of 16
// or more digits.
//
// Input: one byte, the worked example (mod 5: external, internal, external
// with the shift given, external pair, internal pair); then chunks of 9
// bytes: a slot and its value, 8 bytes of a double (the first 4 a uint32 for
// the whole-number slots). A slot below 128 is a field (mod the field count),
// from 128 on a slot of the record as the file holds it.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "measurement/calc/cy_measure_record.h"
#include "measurement/calc/measure_ranges.h"
#include "measurement/calc/measure_record_check.h"
#include "measurement/calc/pair_report.h"
#include "measurement/calc/single_report.h"
#include "report_text_check.h"

using namespace measurement;
namespace q = measurement::measure_q;

namespace {

constexpr std::int64_t kDate = 1796860800;
constexpr std::int64_t kStamp = 1700000000;

struct Value {
    double d;
    std::uint32_t n;
};

Value valueAt(const std::uint8_t* bytes) {
    Value v;
    std::memcpy(&v.d, bytes, 8);
    std::memcpy(&v.n, bytes, 4);
    return v;
}

// A typed number the field takes: a plain number its range admits.
bool takes(const kavrin::Quantity& qty, double v) { return plainNumber(v) && qty.admits(v); }

void typeSingle(SingleInput& in, double& dWs, double& dWi, unsigned field, Value v) {
    switch (field % 12) {
    case 0: if (!moduleRefusal(v.d)) in.mn = v.d; break;
    case 1: if (q::kZ.admits(v.n)) in.z = v.n; break;
    case 2: if (!tipRefusal(q::kDa, v.d)) in.da = v.d; break;
    case 3: if (!shiftRefusal(q::kXn, v.d)) in.xn = v.d; break;
    case 4: if (takes(q::kHaStar, v.d)) in.haStar = v.d; break;
    case 5: if (takes(q::kCStar, v.d)) in.cStar = v.d; break;
    case 6: if (takes(q::kAlphaN, v.d)) in.alphaNDeg = v.d; break;
    case 7: if (q::kBetaDeg.admits(v.n % 64)) in.beta.deg = v.n % 64; break;
    case 8: if (in.beta.deg > 0 && q::kBetaMin.admits(v.n % 64)) in.beta.min = v.n % 64; break;
    case 9: if (in.beta.deg > 0 && takes(q::kBetaSec, v.d)) in.beta.sec = v.d; break;
    case 10: if (!deviationRefusal(v.d)) dWs = v.d; break;
    default: if (!deviationRefusal(v.d)) dWi = v.d; break;
    }
}

void typePair(PairInput& in, SpanDeviations& dev, unsigned field, Value v) {
    switch (field % 16) {
    case 0: if (!moduleRefusal(v.d)) in.mn = v.d; break;
    case 1: if (q::kZ1.admits(v.n)) in.z1 = v.n; break;
    case 2: if (q::kZ2.admits(v.n)) in.z2 = v.n; break;
    case 3: if (!tipRefusal(q::kDa1, v.d)) in.da1 = v.d; break;
    case 4: if (!tipRefusal(q::kDa2, v.d)) in.da2 = v.d; break;
    case 5: if (!centreRefusal(in, v.d)) in.aw = v.d; break;
    case 6: if (takes(q::kHaStar, v.d)) in.haStar = v.d; break;
    case 7: if (takes(q::kCStar, v.d)) in.cStar = v.d; break;
    case 8: if (takes(q::kAlphaN, v.d)) in.alphaNDeg = v.d; break;
    case 9: if (q::kBetaDeg.admits(v.n % 64)) in.beta.deg = v.n % 64; break;
    case 10: if (in.beta.deg > 0 && q::kBetaMin.admits(v.n % 64)) in.beta.min = v.n % 64; break;
    case 11: if (in.beta.deg > 0 && takes(q::kBetaSec, v.d)) in.beta.sec = v.d; break;
    case 12: if (!deviationRefusal(v.d)) dev.ws[0] = v.d; break;
    case 13: if (!deviationRefusal(v.d)) dev.wi[0] = v.d; break;
    case 14: if (!deviationRefusal(v.d)) dev.ws[1] = v.d; break;
    default: if (!deviationRefusal(v.d)) dev.wi[1] = v.d; break;
    }
}

// The record slots the loaders read: the uint32s, and the doubles at every
// 8 bytes from 8 to 448 (but the uint32 pairs at 64, 296 and 432) and at 592.
void putRecordSlot(std::vector<std::uint8_t>& file, unsigned slot, Value v) {
    static constexpr std::size_t kU32[] = {64, 68, 296, 300, 432, 436, 600};
    static const std::vector<std::size_t> kF64 = [] {
        std::vector<std::size_t> offsets;
        for (std::size_t off = 8; off <= 448; off += 8)
            if (off != 64 && off != 296 && off != 432) offsets.push_back(off);
        offsets.push_back(592);
        return offsets;
    }();
    const std::size_t n = slot % (std::size(kU32) + kF64.size());
    if (n < std::size(kU32)) {
        std::memcpy(&file[kavrin::CDataFileHeader::kSize + kU32[n]], &v.n, 4);
        return;
    }
    std::memcpy(&file[kavrin::CDataFileHeader::kSize + kF64[n - std::size(kU32)]], &v.d, 8);
}

std::string reportOf(std::int32_t kind, const CyMeasureRecord& r) {
    return kind == kKindPair ? pairReportText(r, civilDate(kDate)) : singleReportText(kind, r, civilDate(kDate));
}

std::optional<std::string> faultOf(std::int32_t kind, const CyMeasureRecord& r) {
    return kind == kKindPair ? pairRecordFault(r) : singleRecordFault(kind, r);
}

fw::Expected<LoadedMeasure, std::string> loadAs(std::int32_t kind, std::span<const std::uint8_t> file) {
    return kind == kKindPair ? loadPairMeasureFile(file) : loadSingleMeasureFile(file);
}

// A record the dialog would save: it passes the save's check, loads back as
// itself and its report prints as a report may.
void checkSaved(std::int32_t kind, const CyMeasureRecord& r) {
    const auto fault = faultOf(kind, r);
    FUZZ_CHECK(!fault);
    auto loaded = loadAs(kind, cyMeasureFileBytes(kind, r, kStamp));
    FUZZ_CHECK(loaded.has_value());
    FUZZ_CHECK(writeCyMeasureRecord(loaded->record) == writeCyMeasureRecord(r));
    FUZZ_CHECK(!kavrin_fuzz::unprintableInReport(reportOf(kind, r)));
}

CyMeasureRecord singleCase(const std::uint8_t* data, std::size_t size, int example, std::int32_t& kind) {
    SingleInput in{.type = example == 1 ? GearType::Internal : GearType::External,
                   .mode = example == 2 ? SolveMode::ShiftGiven : SolveMode::HelixGiven, .mn = 2,
                   .z = example == 1 ? 60u : 20u, .da = example == 1 ? 116.0 : 44.0, .beta = {}};
    double dWs = 0.05, dWi = 0.1;
    std::optional<double> pin;
    for (std::size_t at = 1; at + 9 <= size; at += 9) {
        if (data[at] >= 128) continue;
        if (data[at] % 13 == 12) pin = valueAt(data + at + 1).d;
        else typeSingle(in, dWs, dWi, data[at], valueAt(data + at + 1));
    }
    kind = static_cast<std::int32_t>(in.type);
    auto r = singleTrial(in);
    if (!r) return {};
    // The trial's worked-out value becomes the field's value.
    if (in.mode == SolveMode::HelixGiven) in.xn = r->xn;
    else in.beta = r->beta;
    SingleResult out = *r;
    if (pin && plainNumber(*pin) && !pinRefusal(in.type, in.mn, *pin)) {
        if (auto mp = pinDimension(pinGear(in, out), *pin)) {
            SingleResult pinned = out;
            pinned.dp = *pin, pinned.mp = *mp;
            if (!singleResultFault(in, pinned)) out = pinned;
        }
    }
    const PinGear g = pinGear(in, out);
    SingleMeasure m{.in = in, .out = out, .dWs = dWs, .dWi = dWi,
                    .dMs = pinDeviation(g, out.dp, dWs).value_or(0), .dMi = pinDeviation(g, out.dp, dWi).value_or(0),
                    .title = "测绘齿轮", .number = "CH-020", .date = kDate};
    return singleRecord(m);
}

CyMeasureRecord pairCase(const std::uint8_t* data, std::size_t size, int example) {
    const bool internal = example == 4;
    PairInput in{.mesh = internal ? MeshType::Internal : MeshType::External, .mn = 2, .z1 = 20,
                 .z2 = internal ? 60u : 40u, .da1 = 44, .da2 = internal ? 116.0 : 84.0, .aw = internal ? 40.0 : 61.0, .beta = {}};
    SpanDeviations dev{.wi = {0.1, 0.12}, .ws = {0.05, 0.06}};
    std::optional<double> xn1, pin;
    for (std::size_t at = 1; at + 9 <= size; at += 9) {
        if (data[at] >= 128) continue;
        const unsigned field = data[at] % 18;
        if (field == 16) xn1 = valueAt(data + at + 1).d;
        else if (field == 17) pin = valueAt(data + at + 1).d;
        else typePair(in, dev, field, valueAt(data + at + 1));
    }
    auto r = pairTrial(in, dev);
    if (!r) return {};
    PairResult out = *r;
    // The shift edit: xn1 typed, xn2 from the sum, recomputed.
    if (xn1 && !shiftRefusal(q::kXn1, *xn1)) {
        const double xn2 = otherShiftFromXn1(in.mesh, out.xnSum, *xn1);
        if (auto again = pairRecompute(in, out, *xn1, xn2, dev)) out = *again;
    }
    if (pin && plainNumber(*pin) && !pairPinRefusal(in.mn, *pin))
        if (auto pinned = pairPinEdit(in, out, *pin, dev); pinned && !pairResultFault(in, *pinned)) out = *pinned;
    return pairRecord({.in = in, .out = out, .dev = dev, .title = "成对", .number = {}, .date = kDate});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int example = data[0] % 5;
    std::int32_t kind = kKindPair;
    const CyMeasureRecord calculated = example < 3 ? singleCase(data, size, example, kind) : pairCase(data, size, example);
    if (calculated.mn == 0) return 0;   // the trial stopped, with its message
    checkSaved(kind, calculated);

    // The saved file with values in its slots, as an editor may leave it.
    auto file = cyMeasureFileBytes(kind, calculated, kStamp);
    bool edited = false;
    for (std::size_t at = 1; at + 9 <= size; at += 9)
        if (data[at] >= 128) putRecordSlot(file, data[at] - 128u, valueAt(data + at + 1)), edited = true;
    if (!edited) return 0;
    auto loaded = loadAs(kind, file);
    if (!loaded) {
        FUZZ_CHECK(!loaded.error().empty());
        return 0;
    }
    // What the dialog then holds (a pair recomputes Δyn, df, the whole depth
    // and u) is what it saves and reports.
    const CyMeasureRecord& r = loaded->record;
    checkSaved(loaded->kind, loaded->kind == kKindPair ? pairRecord(pairMeasure(r)) : singleRecord(singleMeasure(loaded->kind, r)));
    return 0;
}
