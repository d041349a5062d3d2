// One spiral bevel cutter table (xp1.dat ... xp6.dat, 17 × 3 little-endian
// f64): the bytes as the loader converts them. Fewer than 408 bytes give the
// cleared table; otherwise the table's bytes are exactly the first 408 (a
// longer file is read no further), bit for bit, NaN payloads included.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "bevel/geometry/calc/spiral_cutters.h"
#include "fuzz_check.h"

using namespace bevel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const CutterTable t = cutterTableFromBytes(bytes);
    const std::vector<std::uint8_t> again = cutterTableBytes(t);
    FUZZ_CHECK(again.size() == kCutterTableBytes);
    if (size < kCutterTableBytes) {
        FUZZ_CHECK(std::all_of(again.begin(), again.end(), [](std::uint8_t b) { return b == 0; }));
        return 0;
    }
    FUZZ_CHECK(std::equal(again.begin(), again.end(), bytes.begin()));
    // A table of the loader never qualifies an entry while a table is missing.
    CutterTables tables;
    tables.t.fill(t);
    tables.loaded.fill(true);
    tables.loaded[kXPBtmax] = false;
    FUZZ_CHECK(cutterRows(tables, 100, 35).empty());
    return 0;
}
