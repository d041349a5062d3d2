// The profile CAD tool's reader of any cylindrical data file: a refusal
// names its hint; an accepted read is a file its own calculator loads (the
// geometry sheet, the measurement dialogs, the small-module dialog, each
// with its record checks), passes the source check, gives its fillet and
// shrinkage fields defaults they accept, and yields either no profile or a
// finite one for each gear it offers.
#include <cmath>
#include <cstdint>
#include <span>

#include "common/calc/data_file_header.h"
#include "cylindrical/calc/geometry_design.h"
#include "fuzz_check.h"
#include "measurement/calc/cy_measure_record.h"
#include "profiletool/calc/profile_source.h"
#include "smallmodule/calc/cy_sm_record.h"

using namespace profiletool;

namespace {

bool finite(const measurement::ProfilePoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The file's own calculator loads it.
bool ownLoaderTakes(SourceKind kind, std::span<const std::uint8_t> file) {
    switch (kind) {
    case SourceKind::Design: return cylindrical::loadGeometryDesign(file).has_value();
    case SourceKind::SmallModule: return smallmodule::loadCySmFile(file).has_value();
    case SourceKind::Measurement: break;
    }
    auto header = kavrin::readHeader(file);
    if (!header) return false;
    return (header->kind == measurement::kKindPair ? measurement::loadPairMeasureFile(file)
                                                   : measurement::loadSingleMeasureFile(file))
        .has_value();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    auto r = readProfileSource(file);
    if (!r) {
        FUZZ_CHECK(!r.error().hint.empty());
        return 0;
    }
    const ProfileSource& s = r->source;
    FUZZ_CHECK(ownLoaderTakes(s.kind, file));
    FUZZ_CHECK(r->z1Enabled || r->z2Enabled);
    FUZZ_CHECK(!profileSourceFault(s, r->z1Enabled, r->z2Enabled));
    FUZZ_CHECK(filletAccepted(defaultFillet(s), s.mn));
    FUZZ_CHECK(shrinkageAccepted(defaultShrinkage(s)));
    for (int gear = 0; gear < 2; ++gear) {
        if (gear == 0 ? !r->z1Enabled : !r->z2Enabled) continue;
        auto points = toolProfile(s, gear, defaultFillet(s), defaultShrinkage(s));
        if (!points) continue;
        FUZZ_CHECK(std::isfinite(points->rf) && std::isfinite(points->diameter));
        for (const auto* p : {&points->centre, &points->root})
            FUZZ_CHECK(finite(*p));
        for (const auto& p : points->flank) FUZZ_CHECK(finite(p));
    }
    return 0;
}
