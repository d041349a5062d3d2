// The bevel preliminary loader: a refusal names its message; an accepted
// record passes the record check, and saved again loads again as itself.
#include <cstdint>
#include <span>

#include "bevel/preliminary/calc/cone_pre_record.h"
#include "fuzz_check.h"

using namespace bevel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto loaded = loadConePreFile(std::span<const std::uint8_t>(data, size));
    if (!loaded) {
        FUZZ_CHECK(!loaded.error().empty());
        return 0;
    }
    FUZZ_CHECK(plausibleConePreRecord(loaded->record));
    auto again = loadConePreFile(conePreFileBytes(loaded->record, 1700000000));
    FUZZ_CHECK(again.has_value() && !again->oldFile);
    FUZZ_CHECK(writeConePreRecord(again->record) == writeConePreRecord(loaded->record));
    return 0;
}
