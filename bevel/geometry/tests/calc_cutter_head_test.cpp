// The cutter-head table entc.ndt: the record layout, the table the build
// writes from help/tables/entc.txt, the bounded reader, and the chart scales
// of the cycloidal bevel sub-dialogs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

#include "bevel/geometry/calc/aol_scales.h"
#include "bevel/geometry/calc/cutter_head_record.h"
#include "bevel/geometry/tests/cycloidal_fixtures.h"
#include "fw/file.h"

using namespace bevel;

namespace {

std::filesystem::path tmpDir() {
    const char* env = std::getenv("KAVRIN_TEST_TMP");
    auto dir = (env ? std::filesystem::path(env) : std::filesystem::temp_directory_path()) / "calc_cutter_head";
    std::filesystem::create_directories(dir);
    return dir;
}

std::string sourceText() {
    std::ifstream in(std::filesystem::path(KAVRIN_SOURCE_DIR) / "help/tables/entc.txt", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}


}  // namespace

TEST(CutterHeadRecord, LayoutIsByteExact) {
    const auto b = writeCutterHeadRecord(rb49());
    ASSERT_EQ(b.size(), 192u);
    auto i32 = [&](std::size_t off) { std::int32_t v; std::memcpy(&v, b.data() + off, 4); return v; };
    auto f64 = [&](std::size_t off) { double v; std::memcpy(&v, b.data() + off, 8); return v; };
    EXPECT_EQ(i32(0), 0);  // not read, left zero
    EXPECT_EQ(i32(4), 4);
    EXPECT_EQ(f64(8), 49);
    EXPECT_EQ(f64(16), 46.5);
    EXPECT_EQ(f64(24), 52);
    EXPECT_EQ(i32(32), 1);
    EXPECT_EQ(i32(36), 3);
    EXPECT_EQ(i32(40), 5);
    EXPECT_EQ(i32(44), 0);
    EXPECT_EQ(f64(56), 3.75);
    EXPECT_EQ(f64(72), 2.2);
    EXPECT_EQ(f64(112), 6.35);
    EXPECT_EQ(f64(128), 7.5);
    EXPECT_EQ(f64(160), 2513.36);
    EXPECT_EQ(f64(184), 1.05);
    EXPECT_EQ(readCutterHeadRecord(b), rb49());
}

TEST(CutterHeadTable, BuiltTableHoldsTheElevenHeads) {
    // The build lays entc.ndt into the installation folder of the build tree.
    const std::filesystem::path table = "kavrin-home/entc.ndt";
    auto bytes = fw::readFile(table, 4096);
    ASSERT_TRUE(bytes) << "build the kavrin_home target first";
    EXPECT_EQ(bytes->size(), 2112u);
    auto parsed = parseCutterTable(sourceText());
    ASSERT_TRUE(parsed);
    EXPECT_EQ(cutterTableBytes(*parsed), *bytes);

    auto r = readCutterHead(table, 2);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->z0, 4);
    EXPECT_EQ(r->rb, 49);
    EXPECT_EQ(r->rbMin, 46.5);
    EXPECT_EQ(r->rbMax, 52);
    EXPECT_EQ(r->blade, (std::array<std::int32_t, 3>{1, 3, 5}));
    for (std::size_t g = 0; g < 3; ++g) {
        EXPECT_NEAR(r->mp[g], rb49().mp[g], 1e-12) << g;
        EXPECT_NEAR(r->mMin[g], rb49().mMin[g], 1e-12) << g;
        EXPECT_NEAR(r->mMax[g], rb49().mMax[g], 1e-12) << g;
        EXPECT_NEAR(r->eb[g], rb49().eb[g], 1e-12) << g;
        EXPECT_NEAR(r->q[g], rb49().q[g], 1e-9) << g;
        EXPECT_NEAR(r->rhoA0[g], rb49().rhoA0[g], 1e-12) << g;
    }
}

TEST(CutterHeadTable, EveryHeadFollowsTheTableRules) {
    auto heads = parseCutterTable(sourceText());
    ASSERT_TRUE(heads);
    ASSERT_EQ(heads->size(), 11u);
    auto round05 = [](double v) { return std::floor(v / 0.05 + 0.5 + 1e-9) * 0.05; };
    for (std::size_t i = 0; i < heads->size(); ++i) {
        const auto& h = (*heads)[i];
        const double rb = kCutterRadii[i];
        SCOPED_TRACE(rb);
        EXPECT_EQ(h.rb, rb);
        EXPECT_EQ(h.z0, rb <= 44 ? 3 : rb <= 62 ? 4 : rb <= 98 ? 5 : 7);
        const double below = i > 0 ? kCutterRadii[i - 1] : rb - (kCutterRadii[1] - kCutterRadii[0]);
        const double above = i + 1 < heads->size() ? kCutterRadii[i + 1] : rb + (rb - kCutterRadii[i - 1]);
        EXPECT_DOUBLE_EQ(h.rbMin, (below + rb) / 2);
        EXPECT_DOUBLE_EQ(h.rbMax, (above + rb) / 2);
        const double mp[] = {0.055, 0.077, 0.108}, lo[] = {0.045, 0.065, 0.090}, hi[] = {0.065, 0.090, 0.130};
        for (std::size_t g = 0; g < 3; ++g) {
            EXPECT_EQ(h.blade[g], static_cast<int>(2 * g + 1));
            EXPECT_NEAR(h.mp[g], round05(rb * mp[g]), 1e-9) << g;
            EXPECT_NEAR(h.mMin[g], round05(rb * lo[g]), 1e-9) << g;
            EXPECT_NEAR(h.mMax[g], round05(rb * hi[g]), 1e-9) << g;
            EXPECT_NEAR(h.eb[g], h.z0 * h.mp[g] / 2, 1e-9) << g;
            EXPECT_NEAR(h.q[g], rb * rb + h.eb[g] * h.eb[g], 1e-6) << g;
            EXPECT_NEAR(h.rhoA0[g], round05(0.2 * h.mp[g]), 1e-9) << g;
        }
    }
}

TEST(CutterHeadTable, ReaderRefusesShortBadAndHugeInput) {
    const auto dir = tmpDir();
    auto heads = parseCutterTable(sourceText());
    ASSERT_TRUE(heads);
    auto bytes = cutterTableBytes(*heads);

    // Short: the last record cut by one byte.
    const auto shortFile = dir / "short.ndt";
    ASSERT_TRUE(fw::writeFile(shortFile, std::span(bytes.data(), bytes.size() - 1)));
    EXPECT_TRUE(readCutterHead(shortFile, 9));
    auto cut = readCutterHead(shortFile, 10);
    ASSERT_FALSE(cut);
    EXPECT_EQ(cut.error().cause, fw::FileCause::EndOfFile);

    // A record with a non-finite Q is refused; its neighbours still read.
    auto bad = bytes;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::memcpy(bad.data() + 3 * 192 + 152, &nan, 8);
    const auto badFile = dir / "nan.ndt";
    ASSERT_TRUE(fw::writeFile(badFile, bad));
    ASSERT_FALSE(readCutterHead(badFile, 3));
    EXPECT_EQ(readCutterHead(badFile, 3).error().cause, fw::FileCause::InvalidFile);
    EXPECT_TRUE(readCutterHead(badFile, 4));

    // Longer files are read only up to the record asked for; indices out of range are refused.
    auto longer = bytes;
    longer.resize(1 << 20, 0xFF);
    const auto longFile = dir / "long.ndt";
    ASSERT_TRUE(fw::writeFile(longFile, longer));
    EXPECT_TRUE(readCutterHead(longFile, 10));
    EXPECT_FALSE(readCutterHead(longFile, 11));
    EXPECT_FALSE(readCutterHead(longFile, -1));
    EXPECT_FALSE(readCutterHead(dir / "missing.ndt", 0));
    EXPECT_FALSE(readCutterHead(dir, 0));  // a folder is no table
}

TEST(CutterHeadTable, TextSourceIsParsedStrictly) {
    EXPECT_TRUE(parseCutterTable("# only a comment\n\n"));
    EXPECT_TRUE(parseCutterTable("# only a comment\n\n")->empty());
    const std::string good = "49 4 46.5 52 1 3 5 2.7 3.75 5.3 2.2 3.2 4.4 3.2 4.4 6.35 5.4 7.5 10.6 2430.16 2457.25 "
                             "2513.36 0.55 0.75 1.05";
    auto one = parseCutterTable(good + "  # Rb 49\n");
    ASSERT_TRUE(one);
    ASSERT_EQ(one->size(), 1u);
    EXPECT_EQ((*one)[0], rb49());
    EXPECT_FALSE(parseCutterTable(good + " 1\n"));                   // a field too many
    EXPECT_FALSE(parseCutterTable("x" + good));                      // not a number
    EXPECT_FALSE(parseCutterTable("49 4 46.5 52 1 3 5 2.7,0 3.75 5.3 2.2 3.2 4.4 3.2 4.4 6.35 5.4 7.5 10.6 2430.16 "
                                  "2457.25 2513.36 0.55 0.75 1.05"));  // trailing text in a field
    EXPECT_FALSE(parseCutterTable('0' + good.substr(2)));             // rb 0
    // The counts (z0 and the three blade numbers) are whole and bounded
    // before they are converted: a value beyond int32 is refused, not cast.
    const std::string ones = " 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
    struct Count { const char* what; std::string line; };
    const Count counts[] = {
        {"z0 beyond int32", "5 5555555111" + ones},
        {"z0 1e300", "5 1e300" + ones},
        {"z0 a fraction", "49 4.5 46.5 52 1 3 5 2.7 3.75 5.3 2.2 3.2 4.4 3.2 4.4 6.35 5.4 7.5 10.6 2430.16 2457.25 "
                          "2513.36 0.55 0.75 1.05"},
        {"z0 0", "49 0 46.5 52 1 3 5 2.7 3.75 5.3 2.2 3.2 4.4 3.2 4.4 6.35 5.4 7.5 10.6 2430.16 2457.25 "
                 "2513.36 0.55 0.75 1.05"},
        {"z0 negative", "49 -4 46.5 52 1 3 5 2.7 3.75 5.3 2.2 3.2 4.4 3.2 4.4 6.35 5.4 7.5 10.6 2430.16 2457.25 "
                        "2513.36 0.55 0.75 1.05"},
        {"blade number beyond int32", "49 4 46.5 52 1 3 4294967301 2.7 3.75 5.3 2.2 3.2 4.4 3.2 4.4 6.35 5.4 7.5 "
                                      "10.6 2430.16 2457.25 2513.36 0.55 0.75 1.05"},
    };
    for (const Count& c : counts) {
        auto parsed = parseCutterTable("# heads\n" + c.line + "\n");
        ASSERT_FALSE(parsed) << c.what;
        EXPECT_EQ(parsed.error(), "entc line 2") << c.what;
    }
}

TEST(AolScales, CutterHeadTrackbarPositions) {
    // 400 − trunc((Rp^0.1 − 50^0.1)·400/(270^0.1 − 50^0.1)); trunc(400/17·(βp' − 29)); …
    struct Case { const char* name; int got, want; };
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"Rp 50", aol::rpPosition(50), 400}, {"Rp 270", aol::rpPosition(270), 0},
        {"Rp 30 below the scale", aol::rpPosition(30), 400}, {"Rp 1000 above", aol::rpPosition(1000), 0},
        {"Rp -5 no real power", aol::rpPosition(-5), 400}, {"Rp NaN", aol::rpPosition(nan), 0},
        {"Rp inf", aol::rpPosition(inf), 0},
        {"βp' 29", aol::betaP1Position(29), 0}, {"βp' 46", aol::betaP1Position(46), 400},
        {"βp' 37.47", aol::betaP1Position(37.47), 199},  // 400/17·8.47 = 199.29
        {"βp' 10", aol::betaP1Position(10), 0}, {"βp' 90", aol::betaP1Position(90), 400},
        {"βp' NaN", aol::betaP1Position(nan), 0},
        {"Zc 20", aol::zcPosition(20), 400}, {"Zc 80", aol::zcPosition(80), 0},
        {"Zc -1", aol::zcPosition(-1), 400}, {"Zc 1e12", aol::zcPosition(1e12), 0},
        {"βp″ 29.5", aol::betaP2Position(29.5), 0}, {"βp″ 45.5", aol::betaP2Position(45.5), 400},
        {"βp″ 37.5", aol::betaP2Position(37.5), 200},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

TEST(AolScales, TiltTrackbarPositionsAndValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(aol::rbhPosition(3.6), 0);
    EXPECT_EQ(aol::rbhPosition(10.4), 200);
    EXPECT_EQ(aol::rbhPosition(7.0), 99);  // 200/6.800000000000001·3.4 = 99.99…, truncated as the chart does
    EXPECT_EQ(aol::rbhPosition(7.1), 102);
    EXPECT_EQ(aol::rbhPosition(1e12), 200);  // clamped before it becomes an int
    EXPECT_EQ(aol::rbhPosition(-1e12), 0);
    EXPECT_EQ(aol::rbhPosition(nan), 0);
    EXPECT_EQ(aol::delta2Position(60, 60), 0);
    EXPECT_EQ(aol::delta2Position(72.5, 60), 100);
    EXPECT_EQ(aol::delta2Position(21.8, 60), 0);
    EXPECT_EQ(aol::delta2Position(nan, 60), 0);
    EXPECT_DOUBLE_EQ(aol::rbhAt(0), 3.6);
    EXPECT_DOUBLE_EQ(aol::rbhAt(200), 10.4);
    EXPECT_DOUBLE_EQ(aol::delta2MaxAt(200, 60), 85);
    EXPECT_DOUBLE_EQ(aol::delta2MaxAt(200, 63), 88);
    EXPECT_DOUBLE_EQ(aol::delta2MaxAt(200, 65), 90);
}
