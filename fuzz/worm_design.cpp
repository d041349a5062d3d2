// The worm design loaders (preliminary, geometry of each family, rating): a
// refusal names its message; what one accepts passes the record's one check
// (the check every save runs) and, saved again, loads again with the same
// records.
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/cw_record_check.h"
#include "worm/calc/cw_records.h"

using namespace worm;

namespace {

void again(const LoadedDesign& d, const fw::Expected<LoadedDesign, Refusal>& reloaded) {
    FUZZ_CHECK(reloaded.has_value());
    FUZZ_CHECK(writeCwPreRecord(reloaded->pre) == writeCwPreRecord(d.pre));
    FUZZ_CHECK(reloaded->geom.has_value() == d.geom.has_value());
    if (d.geom) FUZZ_CHECK(writeCwGeomRecord(*reloaded->geom) == writeCwGeomRecord(*d.geom));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> in(data, size);
    if (auto p = loadForPreliminary(in)) {
        FUZZ_CHECK(!checkPreRecord(p->pre));
        again(*p, loadForPreliminary(preliminaryFileBytes(p->pre, 1700000000)));
    } else {
        FUZZ_CHECK(!p.error().text.empty());
    }
    for (Family f : {Family::Ordinary, Family::Zc1, Family::Zc3}) {
        auto g = loadForGeometry(in, f);
        if (g) FUZZ_CHECK(!checkPreRecord(g->pre));
        else FUZZ_CHECK(!g.error().text.empty());
    }
    if (auto r = loadForRating(in)) {
        FUZZ_CHECK(r->geom.has_value());
        FUZZ_CHECK(!checkDesign(r->pre, *r->geom));
        again(*r, loadForRating(geometryFileBytes(r->pre, *r->geom, 1700000000)));
    } else {
        FUZZ_CHECK(!r.error().text.empty());
    }
    return 0;
}
