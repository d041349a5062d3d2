// The cycloid design file: a file the parser accepts passes the record's
// one validity check (the one every save runs), and saved again parses
// again to the same record bytes (a fixed point after the first save).
#include <cstdint>
#include <span>

#include "cycloid/calc/cex_record.h"
#include "fuzz_check.h"

using namespace cycloid;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto loaded = parseDesignFile(std::span<const std::uint8_t>(data, size));
    if (!loaded) return 0;
    FUZZ_CHECK(!checkRecord(loaded->record));
    FUZZ_CHECK(loaded->record.b1.Zc <= kMaxDiscTeeth);
    const auto saved = designFileBytes(loaded->record, 1700000000);
    FUZZ_CHECK(saved.size() == kCexFileBytes);
    auto again = parseDesignFile(saved);
    FUZZ_CHECK(again.has_value() && !again->oldFile);
    FUZZ_CHECK(recordBytes(again->record) == recordBytes(loaded->record));
    return 0;
}
