#include "profiletool/calc/profile_source.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "common/calc/data_file_header.h"
#include "cylindrical/calc/cy_geom_record.h"
#include "cylindrical/calc/cy_pre_record.h"
#include "cylindrical/calc/geometry_design.h"
#include "fw/format.h"
#include "measurement/calc/cy_measure_record.h"
#include "measurement/calc/single_measure.h"
#include "smallmodule/calc/cy_sm_record.h"

namespace profiletool {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double rad(double deg) { return deg * kPi / 180; }
constexpr double deg(double r) { return r * 180 / kPi; }

fw::Unexpected<ReadRefusal> refuse(const char* hint, Disable d) { return fw::unexpected(ReadRefusal{hint, d}); }

bool plain(double v) { return v == 0 || std::isnormal(v); }

}  // namespace

std::optional<std::string> profileSourceFault(const ProfileSource& s, bool pinion, bool gear) {
    if (!plain(s.mn) || !(s.mn > 0) || s.mn > measurement::kModuleMax) return std::string(kHintBadModule);
    if (!plain(s.cStar) || s.cStar < 0) return std::string(kHintBadValues);
    for (int i = 0; i < 2; ++i) {
        if (i == 0 ? !pinion : !gear) continue;
        const GearValues& g = s.gears[static_cast<std::size_t>(i)];
        if (g.z <= 0) return std::string(kHintBadValues);
        for (double v : {g.d, g.da, g.df, g.db, g.xn, g.alphaT, g.beta})
            if (!plain(v)) return std::string(kHintBadValues);
        if (!(g.d > 0) || !(g.db > 0) || !(g.alphaT > 0 && g.alphaT < 90) || g.beta < -90 || g.beta > 90)
            return std::string(kHintBadValues);
        // The root circle on its side of the tip circle: below it on an
        // external gear, above it on the internal gear of an internal pair.
        const bool internal = s.gearKind == 1 && i == 1;
        if (!(g.da > 0 && g.df > 0) || (internal ? !(g.df > g.da) : !(g.df < g.da)))
            return std::string(kHintBadValues);
    }
    return std::nullopt;
}

namespace {

fw::Unexpected<ReadRefusal> refuseValues(std::string hint) {
    return fw::unexpected(ReadRefusal{std::move(hint), Disable::OkFilletShrinkage});
}

// A cylindrical design file: preliminary and geometry record. The tool's
// own hints come first (no geometry, unfinished, unknown mesh); then both
// records pass the geometry sheet's loader and its checks of both records,
// and a refusal shows that loader's words, naming the field and its range.
fw::Expected<ReadResult, ReadRefusal> readDesign(std::span<const std::uint8_t> file) {
    using namespace cylindrical;
    const auto records = file.subspan(kavrin::CDataFileHeader::kSize);
    if (records.size() < CyPreRecord::kSize + CyGeomRecord::kSize)
        return refuse(kHintNoGeometry, Disable::ReadOkFilletShrinkage);
    auto read = readCyGeomRecord(records.subspan(CyPreRecord::kSize));
    if (!read) return refuse(kHintNoGeometry, Disable::ReadOkFilletShrinkage);
    if (read->status != kCyGeomStatus) return refuse(kHintUnfinished, Disable::ReadOkFilletShrinkage);
    if (read->meshType != 0 && read->meshType != 1) return refuse(kHintBadMesh, Disable::ReadOk);
    auto loaded = loadGeometryDesign(file);
    if (!loaded) return fw::unexpected(ReadRefusal{loaded.error(), Disable::ReadOkFilletShrinkage});
    const CyGeomRecord& g = loaded->geom;

    ProfileSource s;
    s.kind = SourceKind::Design;
    s.gearKind = g.meshType;
    s.mn = g.mn;
    s.cStar = cStarOfIndex(g.cStarIndex);
    const double beta = g.betaDeg + g.betaMin / 60.0 + g.betaSec / 3600.0;
    const double alphaN = g.alphaNDeg + g.alphaNMin / 60.0 + g.alphaNSec / 3600.0;
    const double at = std::atan(std::tan(rad(alphaN)) / std::cos(rad(beta)));
    const double mt = g.mn / std::cos(rad(beta));
    const double dy = g.sumX - g.yn;   // tip shortening Δy
    const double ha = g.haStar, c = s.cStar, mn = g.mn;
    GearValues& p = s.gears[0];
    GearValues& w = s.gears[1];
    p.z = g.z1;
    w.z = g.z2;
    p.xn = g.xn1;
    w.xn = g.xn2;
    p.d = g.z1 * mt;
    w.d = g.z2 * mt;
    if (g.meshType == 0) {
        p.da = p.d + 2 * (ha + p.xn - dy) * mn;
        p.df = p.d - 2 * (ha + c - p.xn) * mn;
        w.da = w.d + 2 * (ha + w.xn - dy) * mn;
        w.df = w.d - 2 * (ha + c - w.xn) * mn;
    } else {
        p.da = p.d + 2 * (ha + p.xn + dy) * mn;
        p.df = p.d - 2 * (ha + c - p.xn) * mn;
        w.da = w.d - 2 * (ha - w.xn + dy) * mn;
        w.df = w.d + 2 * (ha + c + w.xn) * mn;
    }
    for (GearValues* x : {&p, &w}) {
        x->db = x->d * std::cos(at);
        x->alphaT = deg(at);
        x->beta = beta;
    }
    if (auto f = profileSourceFault(s, true, true)) return fw::unexpected(ReadRefusal{*f, Disable::ReadOkFilletShrinkage});
    ReadResult r;
    r.source = s;
    r.hint = std::string(g.meshType == 0 ? "所用的数据文件是成对外啮合齿轮设计计算数据!"
                                          : "所用的数据文件是成对内啮合齿轮设计计算数据!") +
             kHintChooseGear;
    return r;
}

fw::Expected<ReadResult, ReadRefusal> readMeasurement(std::span<const std::uint8_t> file, std::int32_t kind) {
    using namespace measurement;
    auto loaded = kind == kKindPair ? loadPairMeasureFile(file) : loadSingleMeasureFile(file);
    if (!loaded) return refuseValues(loaded.error());
    if (loaded->kind != kind) return refuse(kHintNotCyb, Disable::OkFilletShrinkage);
    const CyMeasureRecord& m = loaded->record;
    ProfileSource s;
    s.kind = SourceKind::Measurement;
    s.mn = m.mn;
    s.cStar = m.cStar;
    const double beta = m.betaDeg + m.betaMin / 60.0 + m.betaSec / 3600.0;
    for (std::size_t i = 0; i < 2; ++i) {
        GearValues& g = s.gears[i];
        if (m.z[i] > 1000000u) return refuse(kHintNotCyb, Disable::OkFilletShrinkage);
        g.z = static_cast<std::int32_t>(m.z[i]);
        g.d = m.d[i];
        g.da = m.da[i];
        g.df = m.df[i];
        g.db = m.db[i];
        g.xn = m.xn[i];
        g.alphaT = m.alphaT;
        g.beta = beta;
    }
    ReadResult r;
    if (kind == kKindSingleExternal) {
        s.gearKind = 0;
        s.gears[1] = {};
        r.z2Enabled = false;
        r.hint = "所输入的数据是单个外齿轮测量的几何数据。\n";
    } else if (kind == kKindSingleInternal) {
        s.gearKind = 1;
        s.gears[0] = {};
        r.z1Enabled = false;
        r.zChoice = 1;
        r.hint = "所输入的数据是单个内齿轮测量的几何数据。\n";
    } else {
        if (m.type != 0 && m.type != 1) return refuse(kHintNotCyb, Disable::OkFilletShrinkage);
        s.gearKind = m.type;
        r.hint = std::string(m.type == 0 ? "所输入的数据是外啮合成对齿轮测量的几何数据。\n"
                                         : "所输入的数据是内啮合成对齿轮对测量的几何数据。\n") +
                 kHintChooseGear;
    }
    if (auto f = profileSourceFault(s, r.z1Enabled, r.z2Enabled)) return refuseValues(*f);
    r.source = s;
    return r;
}

fw::Expected<ReadResult, ReadRefusal> readSmallModule(std::span<const std::uint8_t> file) {
    auto loaded = smallmodule::loadCySmFile(file);
    if (!loaded) return refuseValues(loaded.error());
    const smallmodule::SmResult& o = loaded->out;
    ProfileSource s;
    s.kind = SourceKind::SmallModule;
    s.gearKind = 0;
    s.mn = loaded->in.mn;
    s.cStar = loaded->in.cStar;
    // Each gear keeps its own angles (the gear's differ on crossed axes).
    const smallmodule::SmGear* gears[] = {&o.g1, &o.g2};
    for (std::size_t i = 0; i < 2; ++i) {
        const smallmodule::SmGear& g = *gears[i];
        s.gears[i] = {g.z, g.d, g.da, g.df, g.db, g.xn, g.alphaT, g.beta};
    }
    s.gears[0].beta = loaded->in.beta1;
    if (auto f = profileSourceFault(s, true, true)) return refuseValues(*f);
    ReadResult r;
    r.source = s;
    r.hint = std::string("所输入的数据是小模数交错轴成对齿轮设计数据。\n") + kHintChooseGear;
    return r;
}

}  // namespace

fw::Expected<ReadResult, ReadRefusal> readProfileSource(std::span<const std::uint8_t> file) {
    auto header = kavrin::readHeader(file);
    if (!header) return refuse(kHintNotCyb, Disable::OkFilletShrinkage);
    if (header->version < kavrin::kFirstHeaderVersion) return refuse(kHintOldVersion, Disable::ReadOkFilletShrinkage);
    if (header->word == kavrin::kWordCyDesign) return readDesign(file);
    if (header->word == kavrin::kWordCyMeasure) {
        if (header->kind < measurement::kKindSingleExternal || header->kind > measurement::kKindPair)
            return refuse(kHintNotCyb, Disable::OkFilletShrinkage);
        return readMeasurement(file, header->kind);
    }
    if (header->word == kavrin::kWordCySmDesign) return readSmallModule(file);
    return refuse(kHintNotCyb, Disable::OkFilletShrinkage);
}

std::optional<std::string> checkSourcePath(const std::filesystem::path& p) {
    const std::string s = p.string();
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    std::string tail = s.size() >= 4 ? s.substr(s.size() - 4) : s;
    for (char& c : tail) c = lower(c);
    if (tail != ".cyb") return std::string(kHintNotCyb);
    std::error_code ec;
    if (!std::filesystem::exists(p, ec)) return fw::format(kHintNotFound, s.c_str());
    return std::nullopt;
}

FilletRange filletRange(double mn) { return {0.2 * mn, 0.38 * mn}; }

bool filletAccepted(double rp, double mn) {
    const FilletRange r = filletRange(mn);
    const double tolerance = 1e-9 * mn;   // far below the 0.001 mm the message prints
    return rp >= r.lower - tolerance && rp <= r.upper + tolerance;
}

double defaultFillet(const ProfileSource& s) { return (s.kind == SourceKind::SmallModule ? 0.2 : 0.25) * s.mn; }

double defaultShrinkage(const ProfileSource& s) { return std::min(0.25 * s.mn, kShrinkageDefaultMax); }

std::string filletRangeMessage(const FilletRange& r) {
    return fw::format("齿根过渡圆角半径不应＜%.3fmm或大于%.3fmm", r.lower, r.upper);
}

bool shrinkageAccepted(double lambda) { return lambda >= 0 && lambda < 3; }

std::optional<measurement::ProfileDataRecord> toolProfile(const ProfileSource& s, int gearChoice, double rp,
                                                          double lambda) {
    if (gearChoice != 0 && gearChoice != 1) return std::nullopt;
    if (s.gearKind != 0 && s.gearKind != 1) return std::nullopt;
    const GearValues& g = s.gears[static_cast<std::size_t>(gearChoice)];
    measurement::ProfileInput in;
    in.internal = s.gearKind == 1 && gearChoice == 1;
    in.z = g.z;
    in.filletRadius = rp;
    in.shrinkage = lambda;
    in.d = g.d;
    in.da = g.da;
    in.df = g.df;
    in.db = g.db;
    in.alphaT = rad(g.alphaT);
    in.xt = g.xn * std::cos(rad(g.beta));
    return measurement::profilePoints(in);
}

CydName cydName(const std::filesystem::path& chosen) {
    std::string s = chosen.string();
    if (s.size() >= 4 && s.compare(s.size() - 4, 4, ".cyd") == 0) return {chosen, false};
    // Only the file name loses its trailing dots, never the folder.
    std::string name = chosen.filename().string();
    while (!name.empty() && name.back() == '.') name.pop_back();
    return {chosen.parent_path() / (name + ".cyd"), true};
}

}  // namespace profiletool
