// The text sources of the bevel cutter tables (the build turns them into the
// installed files): the cutter heads of entc.ndt and the six spiral cutter
// tables. A refusal names its line; accepted heads are plausible, every count
// converted without overflow, and their bytes read back as the same heads;
// accepted spiral tables are complete and finite.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "bevel/geometry/calc/cutter_head_record.h"
#include "bevel/geometry/calc/spiral_cutters.h"
#include "fuzz_check.h"

using namespace bevel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto heads = parseCutterTable(text);
    if (!heads) {
        FUZZ_CHECK(!heads.error().empty());
    } else {
        const auto bytes = cutterTableBytes(*heads);
        FUZZ_CHECK(bytes.size() == heads->size() * CutterHeadRecord::kSize);
        for (std::size_t i = 0; i < heads->size(); ++i) {
            FUZZ_CHECK(plausibleCutterHead((*heads)[i]));
            if (i < static_cast<std::size_t>(kCutterHeadCount)) {
                auto back = cutterHeadFromTable(bytes, static_cast<int>(i));
                FUZZ_CHECK(back.has_value() && *back == (*heads)[i]);
            }
        }
    }
    auto tables = parseCutterTableSource(text);
    if (!tables) {
        FUZZ_CHECK(!tables.error().empty());
        return 0;
    }
    FUZZ_CHECK(tables->complete());
    for (const auto& table : tables->t)
        for (const auto& row : table)
            for (double v : row) FUZZ_CHECK(std::isfinite(v));
    return 0;
}
