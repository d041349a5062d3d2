// The bevel strength rating's load of a design file: a refusal names its
// message; an accepted file passes the checks of both its records, the
// geometry step's own load of a saved design of its kind takes it too, and
// its entries are the geometry record's, finite and in the ranges the
// rating's edits take.
#include <cstdint>
#include <span>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/rating/calc/rating_load.h"
#include "fuzz_check.h"

using namespace bevel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> in(data, size);
    auto loaded = loadRatingDesign(in);
    if (!loaded) {
        FUZZ_CHECK(!loaded.error().text.empty());
        return 0;
    }
    FUZZ_CHECK(plausibleConePreRecord(loaded->pre));
    const int system = loaded->geom.toothSystem;
    FUZZ_CHECK(system >= 0 && system < kToothSystemCount);
    const ConeKind kind = kConeToothSystems[static_cast<std::size_t>(system)].kind;
    FUZZ_CHECK(checkConeGeomRecord(loaded->geom, kind).has_value());
    FUZZ_CHECK(loadConeDesign(in, ConeLoad::Saved, kind).has_value());
    const RatingEntries& e = loaded->entries;
    FUZZ_CHECK(entriesComplete(e));
    FUZZ_CHECK(completionMask(e, 1, 1) == entry_bit::kComplete);
    FUZZ_CHECK(e.z1 == loaded->geom.z1 && e.z2 == loaded->geom.z2 && e.m == loaded->geom.mt);
    FUZZ_CHECK(e.b == loaded->geom.b && e.r == loaded->geom.r && e.phiR == loaded->geom.phiR);
    return 0;
}
