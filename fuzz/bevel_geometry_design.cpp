// The bevel geometry loads (from a preliminary design, or a saved design, for
// each kind of bevel pair): a refusal names its message; an accepted
// preliminary record fits the geometry fields; a saved design accepted passes
// the record's one check (the save's too) and, saved again, loads again as itself.
#include <cstdint>
#include <span>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "fuzz_check.h"

using namespace bevel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> in(data, size);
    for (ConeKind kind : {ConeKind::Straight, ConeKind::Spiral, ConeKind::Cycloidal}) {
        for (ConeLoad which : {ConeLoad::Preliminary, ConeLoad::Saved}) {
            auto loaded = loadConeDesign(in, which, kind);
            if (!loaded) {
                FUZZ_CHECK(!loaded.error().message.empty());
                continue;
            }
            FUZZ_CHECK(preliminaryFitsGeometry(loaded->pre));
            if (which != ConeLoad::Saved) continue;
            FUZZ_CHECK(checkConeGeomRecord(loaded->geom, kind).has_value());
            FUZZ_CHECK(checkConeGeomSave(kind, loaded->pre, loaded->geom).has_value());
            const auto saved = coneGeomFileBytes(loaded->pre, loaded->geom, 1700000000);
            auto again = loadConeDesign(saved, ConeLoad::Saved, kind);
            FUZZ_CHECK(again.has_value());
            FUZZ_CHECK(writeConeGeomRecord(again->geom) == writeConeGeomRecord(loaded->geom));
            FUZZ_CHECK(coneGeomFileBytes(again->pre, again->geom, 1700000000) == saved);
        }
    }
    return 0;
}
