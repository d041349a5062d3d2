// Values into a sound worm design: the chain design's inputs with
// fuzz-chosen values in chosen slots are calculated as the preliminary
// dialog calculates (centre distance, a module and a worm diameter from
// their lists), saved and loaded; the saved design is loaded by its
// geometry step, calculated at a chosen centre distance and reported. The
// same values also go straight into the saved record's slots and are
// loaded. What a load takes or a step keeps passes the record checks (the
// save writes it, the load takes it again), and no report prints "inf",
// "nan" or a number of 16 or more digits.
//
// Input: one byte of choices (module and diameter list entries, the
// shift at which a' is chosen, the answer to the self-locking question);
// then chunks of 9 bytes: a slot (mod the
// slot count) and its value, 8 bytes of a double (the first 4 an int32 for
// the whole-number slots).
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "fuzz_check.h"
#include "report_text_check.h"
#include "worm/calc/arc_geometry.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/cw_record_check.h"
#include "worm/calc/worm_geometry.h"
#include "worm/calc/worm_preliminary.h"

using namespace worm;

namespace {

constexpr std::int64_t kTime = 1765324800;

// The inputs of the chain design (ZA, 7.5 kW at 1450 r/min, u = 20).
PreliminaryInput chainInputs() {
    return {.type = WormType::ZA, .n1 = 1450, .n2 = 72.5, .u = 20, .p = 7.5, .t = 987.8276,
            .sigmaHlim = 265, .sigmaFlim = 115, .ze = 147, .ka = 1, .zrho = 3.06, .d1a = 0.45,
            .z1 = 2, .z2 = 40};
}

constexpr unsigned kSlots = 36;

// Slots 0 to 13 are inputs, 14 to 35 the stored results; `in` and `rec`
// take each value where it belongs.
void setSlot(PreliminaryInput& in, CwPreRecord& rec, unsigned slot, const std::uint8_t* bytes) {
    double d;
    std::int32_t n;
    std::memcpy(&d, bytes, 8);
    std::memcpy(&n, bytes, 4);
    switch (slot % kSlots) {
    case 0: in.n1 = rec.n1 = d; break;
    case 1: in.n2 = rec.n2 = d; break;
    case 2: in.u = rec.u = d; break;
    case 3: in.p = rec.p = d; break;
    case 4: in.t = rec.t = d; break;
    case 5: in.sigmaHlim = rec.sigmaHlim = d; break;
    case 6: in.sigmaFlim = rec.sigmaFlim = d; break;
    case 7: in.ze = rec.ze = d; break;
    case 8: in.ka = rec.ka = d; break;
    case 9: in.zrho = rec.zrho = d; break;
    case 10: in.d1a = rec.d1a = d; break;
    case 11: in.z1 = rec.z1 = n; break;
    case 12: in.z2 = rec.z2 = n; break;
    case 13: in.type = rec.type = static_cast<WormType>(static_cast<std::uint32_t>(n) % kWormTypeCount); break;
    case 14: rec.m = d; break;
    case 15: rec.mCalc = d; break;
    case 16: rec.q = d; break;
    case 17: rec.d1Calc = d; break;
    case 18: rec.d1 = d; break;
    case 19: rec.a = d; break;
    case 20: rec.d2 = d; break;
    case 21: rec.gamma = d; break;
    // A whole design from the values typed: a speed and its pair, a power
    // and its torque, the teeth and the ratio that follows them.
    case 22: in.n1 = d, in.n2 = in.u > 0 ? d / in.u : in.n2; break;
    case 23: in.p = d, in.t = in.n2 > 0 ? torqueFromPower(d, in.n2) : in.t; break;
    case 24: in.t = d, in.p = powerFromTorque(d, in.n2); break;
    case 25: {
        if (!ranges::kU.admits(d) || in.z1 < 1) break;   // the u field's own refusal
        const Teeth t = teethFromRatio(in.z1, d);
        in.u = t.u, in.z2 = t.z2;
        break;
    }
    case 26: in.z1 = 1 + static_cast<std::int32_t>(static_cast<std::uint32_t>(n) % 10); break;
    // The tie between sizes kept: m and the values that follow it.
    case 27: rec.m = d, rec.d2 = rec.z2 * d, rec.q = rec.d1 / d, rec.a = (rec.d1 + rec.d2) / 2; break;
    case 28: rec.d1 = d, rec.q = d / rec.m, rec.a = (rec.d1 + rec.d2) / 2; break;
    default: break;  // the chosen value stays unused
    }
}

// The preliminary dialog's steps: the centre distance, then the module and
// the diameter from their lists; nullopt where the dialog stops.
std::optional<CwPreRecord> designAsTheDialogDoes(const PreliminaryInput& typed, unsigned choice) {
    PreliminaryInput in = typed;
    if (unusableInput(in)) return std::nullopt;   // the handler puts it back
    auto c = centreDistance(in);
    if (!c) return std::nullopt;                   // kHintNotFinite, nothing kept
    PreliminaryResult out = c->result;
    in.d1a = c->d1a;
    // A self-locking pair: the answer Yes takes one more thread.
    if (leadBand(out.gamma) == LeadBand::SelfLocking && (choice & 0x80)) {
        auto more = withOneMoreStart(in, out.mCalc);
        if (!more) return std::nullopt;
        in.z1 = more->z1, in.z2 = more->z2, in.u = more->u;
        out = more->result;
    }
    out.m = moduleList(out.mCalc)[choice % 5];
    out.q = out.d1Calc / out.m;
    out.d2 = in.z2 * out.m;
    out.a = (out.d1Calc + out.d2) / 2;
    out.d1 = diameterList(out.d1Calc)[(choice / 5) % 4];
    out.q = out.d1 / out.m;
    out.gamma = leadAngle(in.z1, out.q);
    out.a = (out.d1 + out.d2) / 2;
    in.d1a = out.d1Calc / out.a;
    return preliminaryRecord(in, out, "蜗杆减速器", "KV-W01", "2025年12月10日");
}

void checkReport(const std::string& text) {
    if (auto bad = kavrin_fuzz::unprintableInReport(text)) FUZZ_CHECK(!bad);
}

// A saved preliminary record through its geometry step at the shift
// `x` (−0.5 to 0.5 of the module for the ordinary pair).
void geometryStep(const CwPreRecord& pre, double x) {
    const auto bytes = preliminaryFileBytes(pre, kTime);
    if (pre.type != WormType::ZC) {
        auto loaded = loadForGeometry(bytes, Family::Ordinary);
        if (!loaded) return;
        auto start = geometry::ordinaryStart(loaded->pre);
        if (!start) return;
        CwGeomRecord g = *start;
        const double aw = g.a + x * g.mx;
        if (!geometry::centreAccepted(g, aw)) return;
        g.aw = aw;
        if (geometry::centreStep(g) == geometry::CentreStep::TooFar) return;
        if (!geometry::calculateOrdinary(g)) return;
        FUZZ_CHECK(!checkDesign(loaded->pre, g));
        checkReport(geometry::ordinaryReport(g));
        FUZZ_CHECK(loadForRating(geometryFileBytes(loaded->pre, g, kTime)).has_value());
        return;
    }
    auto loaded = loadForGeometry(bytes, Family::Zc3);
    if (!loaded) return;
    if (auto z3 = arc::zc3Start(loaded->pre)) {
        CwGeomRecord g = *z3;
        const double aw = g.a + (x + 1) * g.mx;   // x from 0.5 to 1.5
        if (arc::zc3CentreAccepted(g, aw)) {
            g.aw = aw;
            if (arc::zc3CentreInRange(g) && arc::zc3Calculate(g)) {
                FUZZ_CHECK(!checkDesign(loaded->pre, g));
                checkReport(arc::zc3Report(g));
                FUZZ_CHECK(loadForRating(geometryFileBytes(loaded->pre, g, kTime)).has_value());
            }
        }
    }
    if (auto z1 = arc::zc1Start(loaded->pre)) {
        arc::Zc1 z = *z1;
        const double aw = z.g.a + (x + 0.5) * z.g.mx;   // x from 0 to 1
        if (arc::zc1CentreAccepted(z.g, aw)) {
            z.g.aw = aw;
            if (arc::zc1CentreInRange(z.g) && arc::zc1Calculate(z)) {
                FUZZ_CHECK(!checkDesign(loaded->pre, z.g));
                checkReport(arc::zc1Report(z));
                FUZZ_CHECK(loadForRating(geometryFileBytes(loaded->pre, z.g, kTime)).has_value());
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const unsigned choice = data[0];
    PreliminaryInput in = chainInputs();
    auto chain = designAsTheDialogDoes(in, 1 + 5 * 1);
    FUZZ_CHECK(chain.has_value());
    CwPreRecord rec = *chain;
    for (std::size_t at = 1; at + 9 <= size; at += 9) setSlot(in, rec, data[at], data + at + 1);
    const double x = (choice % 11) / 10.0 - 0.5;

    // The values in the saved record's slots: a refused load names its
    // field; what the load takes is reported and goes on to its geometry.
    auto loaded = loadForPreliminary(preliminaryFileBytes(rec, kTime));
    if (loaded) {
        FUZZ_CHECK(!checkPreRecord(loaded->pre));
        checkReport(preliminaryReport(loaded->pre));
        geometryStep(loaded->pre, x);
    } else {
        FUZZ_CHECK(checkPreRecord(rec).has_value());
    }

    // The values typed: the design the dialog makes of them is saved only
    // when its check passes, and then loads again and reports.
    if (auto made = designAsTheDialogDoes(in, choice)) {
        if (auto fault = checkPreRecord(*made)) {
            FUZZ_CHECK(!fault->field.empty());
        } else {
            checkReport(preliminaryReport(*made));
            auto again = loadForPreliminary(preliminaryFileBytes(*made, kTime));
            FUZZ_CHECK(again.has_value());
            geometryStep(*made, x);
        }
    }
    return 0;
}
