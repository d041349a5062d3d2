// The preliminary design file loader: an accepted file passes the record's
// one check (what the dialog's fields would take: finite, in range, teeth
// and modules above zero), its record writes back to the same bytes in
// every field it holds, and what a save writes of it loads again unchanged.
// The same bytes read as a bare record: a record the check refuses is never
// written by a save, one it passes is written and loads back equal.
#include <cmath>
#include <cstdint>
#include <span>
#include <utility>

#include "common/calc/gear_kinds.h"
#include "cylindrical/calc/cy_pre_record.h"
#include "cylindrical/calc/preliminary.h"
#include "fuzz_check.h"

using namespace cylindrical;

namespace {

// Byte ranges of the record's numeric fields (padding and reserved bytes and
// the text fields' tails behind their zero are not kept).
constexpr std::pair<std::size_t, std::size_t> kNumericFields[] = {
    {0, 36}, {40, 60}, {64, 80}, {88, 164}, {168, 224}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> in(data, size);
    if (auto bare = readCyPreRecord(in)) {
        const auto fault = checkCyPreRecord(*bare);
        auto bytes = cyPreSaveBytes(*bare, 1700000000);
        FUZZ_CHECK(bytes.has_value() == !fault);
        if (bytes && bare->status == kCyPreStatus && calculatedCyPreRecord(*bare)) {
            auto back = loadCyPreFile(*bytes);
            FUZZ_CHECK(back && back->record == *bare);
        }
    }
    auto loaded = loadCyPreFile(in);
    if (!loaded) {
        FUZZ_CHECK(!loaded.error().empty());
        return 0;
    }
    const CyPreRecord& r = loaded->record;
    FUZZ_CHECK(!checkCyPreRecord(r) && calculatedCyPreRecord(r));
    FUZZ_CHECK(r.z1 > 0 && r.z2 >= r.z1 && r.z2 <= kavrin::kMaxTeeth && r.mn > 0 && r.ms > 0 &&
               r.status == kCyPreStatus);
    for (double v : {r.i, r.t, r.a, r.ni, r.no, r.p, r.phiD, r.k1, r.k2, r.mn, r.ms}) FUZZ_CHECK(std::isfinite(v) && v >= 0);
    FUZZ_CHECK(r.betaMin >= 0 && r.betaMin < 60 && r.betaSec >= 0 && r.betaSec < 60);
    FUZZ_CHECK(r.k1Pos >= 0 && r.k1Pos <= kSliderMax && r.k2Pos >= 0 && r.k2Pos <= kSliderMax);
    FUZZ_CHECK(r.sigmaHP >= 500 && r.sigmaHP <= 10000 && r.sigmaFP >= 100 && r.sigmaFP <= 1000);

    const std::size_t start = loaded->oldFile ? 0 : 64;
    const auto out = writeCyPreRecord(r);
    for (auto [from, to] : kNumericFields)
        for (std::size_t k = from; k < to; ++k) FUZZ_CHECK(out[k] == in[start + k]);

    auto saved = cyPreSaveBytes(r, 1700000000);
    FUZZ_CHECK(saved.has_value());
    auto again = loadCyPreFile(*saved);
    FUZZ_CHECK(again && !again->oldFile);
    FUZZ_CHECK(writeCyPreRecord(again->record) == out);
    return 0;
}
