// The small-module pair loader: a refusal names its message; an accepted
// record passes the record check that the save runs, and saved again it
// loads again and writes the same bytes.
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "smallmodule/calc/cy_sm_record.h"

using namespace smallmodule;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto loaded = loadCySmFile(std::span<const std::uint8_t>(data, size));
    if (!loaded) {
        FUZZ_CHECK(!loaded.error().empty());
        return 0;
    }
    FUZZ_CHECK(!cySmRecordFault(*loaded));
    auto again = loadCySmFile(cySmFileBytes(*loaded, 1700000000));
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(writeCySmRecord(*again) == writeCySmRecord(*loaded));
    return 0;
}
