// The measurement loaders (single gear and pair): a refusal names its
// message; an accepted record passes the record check that every save runs
// (so the dialog could save it again), and saved again it loads again as the
// same record.
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "measurement/calc/cy_measure_record.h"
#include "measurement/calc/measure_record_check.h"

using namespace measurement;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> in(data, size);
    for (int pair = 0; pair < 2; ++pair) {
        auto loaded = pair ? loadPairMeasureFile(in) : loadSingleMeasureFile(in);
        if (!loaded) {
            FUZZ_CHECK(!loaded.error().empty());
            continue;
        }
        FUZZ_CHECK(!(pair ? pairRecordFault(loaded->record) : singleRecordFault(loaded->kind, loaded->record)));
        const auto saved = cyMeasureFileBytes(loaded->kind, loaded->record, 1700000000);
        auto again = pair ? loadPairMeasureFile(saved) : loadSingleMeasureFile(saved);
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(again->kind == loaded->kind);
        FUZZ_CHECK(writeCyMeasureRecord(again->record) == writeCyMeasureRecord(loaded->record));
    }
    return 0;
}
