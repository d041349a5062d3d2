// The cutter-head table entc.ndt of the cycloidal bevel gears, as the
// calculation and the saved-design load read one record of it: a refusal is
// a file cause; an accepted head is plausible (its counts within bounds, so
// the reference-point arithmetic stays in range) and written again reads
// back as itself.
#include <cstdint>
#include <span>

#include "bevel/geometry/calc/cutter_head_record.h"
#include "fuzz_check.h"

using namespace bevel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> table(data, size);
    for (int index = -1; index <= kCutterHeadCount; ++index) {
        auto head = cutterHeadFromTable(table, index);
        if (!head) {
            FUZZ_CHECK(head.error() != fw::FileCause::None);
            FUZZ_CHECK(index >= 0 && index < kCutterHeadCount ? true : head.error() == fw::FileCause::Generic);
            continue;
        }
        FUZZ_CHECK(index >= 0 && index < kCutterHeadCount);
        FUZZ_CHECK(plausibleCutterHead(*head));
        FUZZ_CHECK(head->z0 >= 1 && head->z0 <= kBladeGroupsMax);
        const auto bytes = writeCutterHeadRecord(*head);
        FUZZ_CHECK(readCutterHeadRecord(bytes) == *head);
    }
    return 0;
}
