// Values into a valid small-module pair: a saved parallel pair with
// fuzz-chosen values in chosen slots of its record is loaded and reported;
// then values a field takes are typed (pattern, Σ, u, module, a', f, β1, the
// helix split, a shift, the base-tangent deviations) and the pair is
// calculated, edited and converted as the dialog does. A refused load names
// what it refuses; whatever the calculation leaves passes the record check
// (the save writes it) and loads again, and no report prints "inf", "nan"
// or a number of 16 or more digits.
//
// Input: chunks of 9 bytes, a selector and a value (8 bytes of a double,
// the first 4 an int32 where a whole number is meant). A selector from 128
// up puts the raw double into a double slot of the record (doubleSlot);
// below 128 it types into a field (selector mod 12).
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "common/calc/record_check.h"
#include "report_text_check.h"
#include "smallmodule/calc/cy_sm_ranges.h"
#include "smallmodule/calc/cy_sm_record.h"
#include "smallmodule/calc/smcy_report.h"

using namespace smallmodule;

namespace {

constexpr std::int64_t kStamp = 1765324800;

// The pattern 0 example: mn 0.5, u 2, a' 12.75, f 0.05, as calculated.
CySmRecord example() {
    CySmRecord r;
    r.in.pattern = Pattern::Parallel;
    r.in.mn = 0.5, r.moduleIndex = 8, r.in.u = 2, r.in.aw = 12.75, r.in.f = 0.05;
    r.out = *calculate(r.in);
    r.rhoF = 0.2 * r.in.mn;
    r.dev = {0.02, 0.04, 0.025, 0.05, 0, 0, 0, 0};
    r.title = "仪表减速器第一级", r.number = "SM-001", r.date = kStamp;
    return r;
}

void checkReport(const CySmRecord& r) { FUZZ_CHECK(!kavrin_fuzz::unprintableInReport(smallModuleReport(r))); }

// A record the dialog would save: the check passes, and saved it loads
// back as it was.
void checkSaved(const CySmRecord& r) {
    const auto fault = cySmRecordFault(r);
    FUZZ_CHECK(!fault);
    auto again = loadCySmFile(cySmFileBytes(r, kStamp));
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(writeCySmRecord(*again) == writeCySmRecord(r));
    checkReport(r);
}

// The axis angle the Σ field takes in a pattern where it is typed.
bool sigmaTaken(Pattern p, double v) {
    if (!sm_q::kSigma.admits(v)) return false;
    if (p == Pattern::HelicalSpur) return v > 0 && v <= 18;
    if (p == Pattern::HelicalSum) return v > 0 && v < 90;
    return false;
}

// The record offset of the k-th double slot (mod their count), from a at 8
// to η at 632. The whole numbers (Kw, the module index, z) and the title,
// number and date are left alone: a title reads as the user typed it (one
// typed "nan" prints as typed).
std::size_t doubleSlot(unsigned k) {
    static const std::vector<std::size_t> offsets = [] {
        std::vector<std::size_t> v;
        for (std::size_t off = 8; off <= 632; off += 8)
            if (off != 312 && off != 328 && off != 440 && !(off >= 480 && off < 616)) v.push_back(off);
        return v;
    }();
    return offsets[k % offsets.size()];
}

struct Typed {
    SmInput in;
    int moduleIndex = 8;
    HelixSplit split;
    bool editShift = false;
    ShiftEdit which = ShiftEdit::Xn1;
    double shift = 0;
    double dW[4] = {0.02, 0.04, 0.025, 0.05};
};

void type(Typed& t, unsigned selector, double d, std::int32_t n) {
    const auto count = static_cast<std::uint32_t>(n);
    // A field's parser reads no subnormal number ("2.1e-314"), no NaN and
    // no infinity.
    if (!plainNumber(d)) d = 0;
    switch (selector % 12) {
    case 0:
        if (sigmaTaken(t.in.pattern, d)) t.in.sigma = d;
        break;
    case 1:
        if (sm_q::kU.admits(d)) t.in.u = d;
        break;
    case 2: t.moduleIndex = static_cast<int>(count % kModuleCount); break;
    case 3:
        if (d > 0 && sm_q::kAw.admits(d)) t.in.aw = d;
        break;
    case 4:
        if (sm_q::kF.admits(d)) t.in.f = d;
        break;
    case 5:
        if (t.in.pattern == Pattern::Parallel && sm_q::kBeta1.admits(std::abs(d))) t.in.beta1 = std::abs(d);
        break;
    case 6:   // a pattern radio: Σ and β1 start again
        t.in.pattern = static_cast<Pattern>(count % kPatternCount);
        t.in.sigma = t.in.pattern == Pattern::Perpendicular ? 90 : t.in.pattern == Pattern::HelicalSpur ? 10 : 0;
        if (t.in.pattern == Pattern::HelicalSum) t.in.sigma = 30;
        t.in.beta1 = t.in.pattern == Pattern::HelicalSpur ? t.in.sigma : 0;
        break;
    case 7:   // the helix split of pattern 2: β'1 from Σ/2 to below Σ
        t.split.option = static_cast<SplitOption>(count % 3);
        if (t.split.option == SplitOption::UserPinion && std::isfinite(d) && d >= t.in.sigma / 2 && d < t.in.sigma)
            t.split.userBetaP1 = d;
        else if (t.split.option == SplitOption::UserPinion)
            t.split.userBetaP1 = t.in.sigma / 2;
        break;
    case 8:
    case 9:
        t.editShift = std::isfinite(d);
        t.which = selector % 12 == 8 ? ShiftEdit::Xn1 : ShiftEdit::Xn2;
        t.shift = d;
        break;
    case 10:
        if (std::abs(d) <= sm_q::kDWs1.upper()) t.dW[count % 4] = std::abs(d);
        break;
    default:   // pattern 1 takes β1 = Σ
        if (t.in.pattern == Pattern::HelicalSpur) t.in.beta1 = t.in.sigma;
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CySmRecord base = example();
    // Raw values into the saved record's slots: loaded or refused.
    auto record = writeCySmRecord(base);
    Typed t;
    t.in = base.in;
    for (std::size_t at = 0; at + 9 <= size; at += 9) {
        double d;
        std::int32_t n;
        std::memcpy(&d, data + at + 1, 8);
        std::memcpy(&n, data + at + 1, 4);
        const unsigned selector = data[at];
        if (selector >= 128) {
            const std::size_t off = doubleSlot(selector - 128);
            std::memcpy(&record[off], &d, 8);
        } else {
            type(t, selector, d, n);
        }
    }
    auto file = cySmFileBytes(base, kStamp);
    std::memcpy(file.data() + kavrin::CDataFileHeader::kSize, record.data(), record.size());
    if (auto loaded = loadCySmFile(file)) {
        FUZZ_CHECK(!cySmRecordFault(*loaded));
        checkReport(*loaded);
    } else {
        FUZZ_CHECK(loaded.error().rfind(kMsgNotSmFile, 0) == 0 || loaded.error().ends_with(std::string("\n") + kavrin::kMsgRecordNotLoaded));
    }

    // The typed design, calculated as 计  算 does.
    t.in.mn = kModules[static_cast<std::size_t>(t.moduleIndex)];
    auto out = calculate(t.in, t.split);
    if (!out) {
        FUZZ_CHECK(!out.error().message.empty());
        return 0;
    }
    CySmRecord r = base;
    r.in = t.in;
    r.in.u = out->u, r.in.aw = out->aw, r.in.beta1 = out->g1.beta;
    r.moduleIndex = t.moduleIndex;
    r.rhoF = 0.2 * r.in.mn;
    r.out = *out;
    r.dev = {};
    checkSaved(r);
    // A typed shift: taken with its recomputation, or refused with the
    // results as they were.
    if (t.editShift) {
        auto e = editShift(r.in, r.out, t.which, t.shift);
        if (e) {
            r.out = e->result;
            checkSaved(r);
        } else {
            FUZZ_CHECK(!e.error().message.empty());
        }
    }
    // The base-tangent deviations and the deviations over rods they give.
    double SmDeviations::*dw[] = {&SmDeviations::dWs1, &SmDeviations::dWi1, &SmDeviations::dWs2, &SmDeviations::dWi2};
    double SmDeviations::*dm[] = {&SmDeviations::dMs1, &SmDeviations::dMi1, &SmDeviations::dMs2, &SmDeviations::dMi2};
    for (int k = 0; k < 4; ++k) {
        const SmGear& g = k < 2 ? r.out.g1 : r.out.g2;
        r.dev.*dw[k] = t.dW[k];
        auto m = rodDeviation(t.dW[k], {g.z, g.alphaT, g.betaB, g.xn, g.w}, r.in.mn, r.out.dmp, r.in.alpha);
        if (m) r.dev.*dm[k] = *m;
    }
    checkSaved(r);
    return 0;
}
