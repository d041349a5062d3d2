// The two records of the worm design file against byte-exact fixtures
// written from the layout tables by tests/fixtures/make_fixtures.py.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "fw/file.h"
#include "fw/text.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/cw_records.h"

namespace fs = std::filesystem;
using namespace worm;

namespace {

constexpr std::int64_t kTime = 1765324800;

std::vector<std::uint8_t> fixture(const char* name) {
    auto b = fw::readFile(fs::path(KAVRIN_SOURCE_DIR) / "worm/tests/fixtures" / name);
    EXPECT_TRUE(b) << name;
    return b ? *b : std::vector<std::uint8_t>{};
}

// The preliminary record of every fixture (make_fixtures.py, pre_record).
CwPreRecord fixturePre(WormType type) {
    return {.status = kPreStatus, .type = type, .n1 = 1450, .n2 = 72.5, .u = 20, .p = 7.5, .t = 987.8,
            .sigmaHlim = 265, .ze = 147, .sigmaFlim = 115, .d1a = 0.34, .ka = 1.0, .zrho = 3.06, .z1 = 2, .z2 = 40,
            .m = 8, .mCalc = 7.76, .q = 8.875, .d1Calc = 66.6, .d1 = 71, .a = 195.5, .d2 = 320, .gamma = 12.7,
            .title = "蜗杆减速器", .number = "TV-01", .date = "2026年12月10日"};
}

// Every double field of the geometry record with its offset and the
// families that write it (the layout table).
enum : unsigned { Ord = 1, Zc1 = 2, Zc3 = 4, All = 7 };
struct GeomField {
    std::size_t offset;
    double CwGeomRecord::*member;
    unsigned families;
};
const std::vector<GeomField>& geomFields() {
    using G = CwGeomRecord;
    static const std::vector<GeomField> f{
        {16, &G::q, All}, {24, &G::d1, All}, {32, &G::a, All}, {40, &G::d2, All}, {48, &G::gamma, All},
        {56, &G::alphaN, All}, {64, &G::alphaX, All}, {72, &G::aw, All}, {80, &G::b1, All}, {88, &G::b2, All},
        {96, &G::betaM2, Ord | Zc3}, {104, &G::da1, All}, {112, &G::da2, All}, {120, &G::db, 0},
        {128, &G::de2, All}, {136, &G::df1, All}, {144, &G::df2, All}, {152, &G::dm2, All}, {160, &G::d1w, All},
        {168, &G::epsA, All}, {176, &G::gammaB, 0}, {184, &G::gammaW, All}, {192, &G::haStar, Ord | Zc3},
        {200, &G::h1, All}, {208, &G::h2, All}, {216, &G::ha1, All}, {224, &G::ha2, All}, {232, &G::hcn1, Ord},
        {240, &G::hf1, All}, {248, &G::hf2, All}, {256, &G::rho, All}, {264, &G::mn1, All}, {272, &G::mn2, All},
        {280, &G::ms, All}, {288, &G::mx, All}, {296, &G::pbn, 0}, {304, &G::px1, All}, {312, &G::pz1, All},
        {320, &G::rg, All}, {328, &G::theta, All}, {336, &G::sn, All}, {352, &G::x2, All}, {368, &G::au, Zc1},
        {376, &G::dh, Zc1}, {384, &G::l3, Zc1}, {392, &G::rhoDisc, Zc1}, {400, &G::sx, Zc1 | Zc3},
        {408, &G::arcRadial, Zc1 | Zc3}, {416, &G::arcAxial, Zc1 | Zc3},
    };
    return f;
}

// A record with every field set (offset + 0.25), whatever its family.
CwGeomRecord fullGeom(WormType type, std::int32_t status) {
    CwGeomRecord g;
    g.type = type;
    g.z1 = 2;
    g.z2 = 40;
    for (const auto& f : geomFields()) g.*f.member = double(f.offset) + 0.25;
    g.hand = 1;
    g.ds = 700;
    g.status = status;
    g.date = "2026年12月10日";
    g.title = "蜗杆减速器";
    g.number = "TV-01";
    return g;
}

TEST(CwRecords, PreliminarySaveMatchesFixtureAndReadsBack) {
    const auto expected = fixture("cw_pre.cwb");
    ASSERT_EQ(expected.size(), 960u);
    EXPECT_EQ(preliminaryFileBytes(fixturePre(WormType::ZA), kTime), expected);
    auto loaded = loadForPreliminary(expected);
    ASSERT_TRUE(loaded) << loaded.error().text;
    EXPECT_EQ(loaded->pre, fixturePre(WormType::ZA));
    EXPECT_FALSE(loaded->oldFile);
    for (std::size_t i = 384; i < 960; ++i) ASSERT_EQ(expected[i], 0) << i;
}

TEST(CwRecords, GeometrySaveOfEachFamilyMatchesFixture) {
    struct Case {
        const char* file;
        WormType type;
        std::int32_t status;
        unsigned family;
    };
    for (const Case& c : {Case{"cw_geom_ord.cwb", WormType::ZA, kGeomStatusOrdinary, Ord},
                          Case{"cw_geom_zc1.cwb", WormType::ZC, kGeomStatusZc1, Zc1},
                          Case{"cw_geom_zc3.cwb", WormType::ZC, kGeomStatusZc3, Zc3}}) {
        SCOPED_TRACE(c.file);
        const auto expected = fixture(c.file);
        EXPECT_EQ(geometryFileBytes(fixturePre(c.type), fullGeom(c.type, c.status), kTime), expected);
        // The readers give back every field; the rating's load refuses the
        // file, whose offset values are no worm pair (γ' 184.25°, θ 328.25°).
        const std::span<const std::uint8_t> bytes(expected);
        auto pre = readCwPreRecord(bytes.subspan(64));
        auto geom = readCwGeomRecord(bytes.subspan(384));
        ASSERT_TRUE(pre && geom);
        EXPECT_FALSE(loadForRating(expected));
        const CwGeomRecord& g = *geom;
        EXPECT_EQ(*pre, fixturePre(c.type));
        EXPECT_EQ(g.type, c.type);
        EXPECT_EQ(g.z1, 2);
        EXPECT_EQ(g.z2, 40);
        EXPECT_EQ(g.hand, 1);
        EXPECT_EQ(g.ds, c.family == Zc1 ? 700 : 0);
        EXPECT_EQ(g.status, c.status);
        EXPECT_EQ(g.date, "2026年12月10日");
        EXPECT_EQ(g.title, "蜗杆减速器");
        EXPECT_EQ(g.number, "TV-01");
        for (const auto& f : geomFields())
            EXPECT_EQ(g.*f.member, (f.families & c.family) ? double(f.offset) + 0.25 : 0.0) << "offset " << f.offset;
    }
}

TEST(CwRecords, InvoluteOrdinaryPairKeepsItsBaseValues) {
    CwGeomRecord g = fullGeom(WormType::ZL, kGeomStatusOrdinary);
    auto back = readCwGeomRecord(writeCwGeomRecord(g));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->db, 120.25);
    EXPECT_EQ(back->gammaB, 176.25);
    EXPECT_EQ(back->pbn, 296.25);
}

TEST(CwRecords, LongTextsAreCutOnACharacterBoundary) {
    CwPreRecord r = fixturePre(WormType::ZA);
    r.title = std::string(40, 'x') + "蜗杆蜗杆蜗杆蜗杆蜗杆蜗杆";  // 40 + 24 GBK bytes
    r.date = "2026年12月10日 多余的文字";
    auto bytes = writeCwPreRecord(r);
    ASSERT_EQ(bytes.size(), CwPreRecord::kSize);
    EXPECT_EQ(bytes[168 + 63], 0);
    EXPECT_EQ(bytes[296 + 19], 0);
    auto back = readCwPreRecord(bytes);
    ASSERT_TRUE(back);
    // 40 + 11·2 = 62 bytes; a twelfth character would leave no room for the zero.
    EXPECT_EQ(back->title, std::string(40, 'x') + "蜗杆蜗杆蜗杆蜗杆蜗杆蜗");
    EXPECT_LE(fw::gbkWidth(back->date), 19u);
    for (std::size_t i = 316; i < 320; ++i) EXPECT_EQ(bytes[i], 0);
}

}  // namespace
