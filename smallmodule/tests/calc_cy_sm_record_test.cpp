#include "smallmodule/calc/cy_sm_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "fw/file.h"
#include "fw/record.h"
#include "smallmodule/calc/smcy_report.h"

using namespace smallmodule;

namespace {

std::filesystem::path fixturePath(const char* name) {
    return std::filesystem::path(KAVRIN_SOURCE_DIR) / "smallmodule/tests/fixtures" / name;
}

std::vector<std::uint8_t> fixture(const char* name) {
    auto bytes = fw::readFile(fixturePath(name));
    EXPECT_TRUE(bytes) << name;
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}

constexpr std::int64_t kHeaderTime = 1765324800;        // as make_smcy_fixtures.py writes it
constexpr std::int64_t kDate = 1765324800 + 9 * 3600;

// The pattern 0 example as make_smcy_fixtures.py packs it.
CySmRecord exampleP0() {
    CySmRecord r;
    r.in.pattern = Pattern::Parallel;
    r.in.mn = 0.5;
    r.moduleIndex = 8;
    r.in.u = r.out.u = 2.0;
    r.in.aw = r.out.aw = 12.75;
    r.in.f = 0.05;
    r.in.sigma = 0;
    r.out.a = 12.75;
    r.out.sumX = 0;
    r.out.dmp = 0.866;
    r.out.alphaNP = 20;
    r.out.mnP = 0.5;
    r.out.eps = 1.569647;
    r.out.eta = 0.987498;
    r.out.b = 0.5;
    r.rhoF = 0.1;
    r.dev = {0.02, 0.04, 0.025, 0.05, 0.048, 0.096, 0.06, 0.12};
    r.title = "仪表减速器第一级";
    r.number = "SM-001";
    r.date = kDate;
    r.out.g1 = {.z = 17, .mt = 0.5, .betaP = 0, .beta = 0, .alphaT = 20, .alphaWt = 20, .betaB = 0, .d = 8.5, .dw = 8.5,
                .db = 7.987387, .da = 9.7, .df = 7.35, .alphaAt = 34.569151, .xn = 0.2, .w = 3.877615, .kw = 3,
                .mp = 9.813196};
    r.out.g2 = {.z = 34, .mt = 0.5, .betaP = 0, .beta = 0, .alphaT = 20, .alphaWt = 20, .betaB = 0, .d = 17, .dw = 17,
                .db = 15.974775, .da = 17.8, .df = 15.45, .alphaAt = 26.173920, .xn = -0.2, .w = 5.335920, .kw = 4,
                .mp = 18.034090};
    return r;
}

TEST(CySmRecord, WriterMatchesFixtureByteForByte) {
    auto bytes = cySmFileBytes(exampleP0(), kHeaderTime);
    ASSERT_EQ(bytes.size(), 760u);
    EXPECT_EQ(bytes, fixture("smcy_p0.cyb"));
}

TEST(CySmRecord, ReaderRestoresEveryField) {
    auto f = fixture("smcy_p0.cyb");
    auto loaded = loadCySmFile(f);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_EQ(*loaded, exampleP0());
    // Named offsets: α at 32, mn at 320, mn' at 448, αn' at 456.
    fw::RecordReader rd(std::span<const std::uint8_t>(f).subspan(64));
    EXPECT_EQ(rd.f64(CySmRecord::kOffAlpha), 20.0);
    EXPECT_EQ(rd.f64(CySmRecord::kOffMn), 0.5);
    EXPECT_EQ(rd.f64(CySmRecord::kOffMnP), 0.5);
    EXPECT_EQ(rd.f64(CySmRecord::kOffAlphaNP), 20.0);
    // A second write gives the same bytes.
    EXPECT_EQ(cySmFileBytes(*loaded, kHeaderTime), f);
}

TEST(CySmRecord, RefusedFiles) {
    const auto good = fixture("smcy_p0.cyb");
    auto patched = [&](std::size_t off, auto value) {
        auto b = good;
        std::memcpy(b.data() + off, &value, sizeof value);
        return b;
    };
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    auto word = good;
    std::memcpy(word.data() + 36, "W_CYDESIGN\0\0", 12);
    const Case cases[] = {
        {"short", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
        {"header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 64)},
        {"design word", word},
        {"version 399", patched(0, std::int32_t{399})},
        {"pattern 4", patched(64 + 640, std::int32_t{4})},
        {"pattern -1", patched(64 + 640, std::int32_t{-1})},
        {"module index 14", patched(64 + 328, std::int32_t{14})},
        {"z1 0", patched(64 + 440, std::int32_t{0})},
        {"mn 0", patched(64 + 320, 0.0)},
        {"NaN a", patched(64 + 8, std::nan(""))},
        {"infinite deviation", patched(64 + 384, double(INFINITY))},
        {"negative deviation", patched(64 + 384, -0.02)},
        {"Σ 91", patched(64 + 432, 91.0)},
        {"negative f", patched(64 + 472, -0.1)},
    };
    for (const Case& c : cases) {
        auto r = loadCySmFile(c.bytes);
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error(), kMsgNotSmFile) << c.name;
    }
    // Bytes behind the record are ignored; the loader reads 760.
    auto longer = good;
    longer.push_back(0);
    EXPECT_TRUE(loadCySmFile(longer));
}

TEST(CySmRecord, TextsAreCutInsideTheirField) {
    CySmRecord r = exampleP0();
    r.title = std::string(40, 'x') + "齿轮齿轮齿轮齿轮齿轮齿轮";   // 40 + 24 bytes in GBK
    auto bytes = writeCySmRecord(r);
    EXPECT_EQ(bytes[480 + 63], 0);
    auto back = readCySmRecord(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->title, std::string(40, 'x') + "齿轮齿轮齿轮齿轮齿轮齿");   // whole characters only
    EXPECT_EQ(back->number, "SM-001");
}

TEST(SmallModuleReport, DateConversion) {
    // 2025-12-10 09:00 UTC; 2000-02-29; 1970-01-01.
    EXPECT_EQ(dateOfSeconds(kDate).year, 2025);
    EXPECT_EQ(dateOfSeconds(kDate).month, 12);
    EXPECT_EQ(dateOfSeconds(kDate).day, 10);
    fw::Date leap = dateOfSeconds(951782400);
    EXPECT_EQ(leap.year, 2000);
    EXPECT_EQ(leap.month, 2);
    EXPECT_EQ(leap.day, 29);
    EXPECT_EQ(secondsOfDate({1970, 1, 1}), 0);
    EXPECT_EQ(secondsOfDate({2025, 12, 10}, kDate), kDate);
    EXPECT_EQ(secondsOfDate({2025, 12, 11}, kDate), kDate + 86400);
}

// Golden reports: make_smcy_fixtures.py formats the same files with the
// report's line formats; the writer adds GBK and CR LF.
TEST(SmallModuleReport, GoldenReportsFromFixtures) {
    for (const char* name : {"smcy_p0", "smcy_p2", "smcy_p2_gap"}) {
        auto loaded = loadCySmFile(fixture((std::string(name) + ".cyb").c_str()));
        ASSERT_TRUE(loaded) << name;
        auto golden = fw::readTextFile(fixturePath((std::string(name) + ".cyt").c_str()));
        ASSERT_TRUE(golden) << name;
        std::string expected = *golden;
        std::string crlf;
        for (char c : smallModuleReport(*loaded)) {
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        EXPECT_EQ(crlf, expected) << name;
    }
}

TEST(SmallModuleReport, PatternLines) {
    auto p0 = loadCySmFile(fixture("smcy_p0.cyb"));
    auto p2 = loadCySmFile(fixture("smcy_p2.cyb"));
    auto gap = loadCySmFile(fixture("smcy_p2_gap.cyb"));
    ASSERT_TRUE(p0 && p2 && gap);
    const std::string r0 = smallModuleReport(*p0), r2 = smallModuleReport(*p2), rg = smallModuleReport(*gap);
    EXPECT_NE(r0.find("平行轴小模数圆柱齿轮对计算报告"), std::string::npos);
    EXPECT_NE(r0.find("未变位中心距:         a =                                     12.750mm"), std::string::npos);
    EXPECT_EQ(r0.find("啮合:"), std::string::npos);
    EXPECT_EQ(r0.find("公共齿条"), std::string::npos);
    EXPECT_NE(r0.find("W2=                                     5.34mm"), std::string::npos);
    EXPECT_NE(r0.find("ΔMi1=                                  -0.096mm"), std::string::npos);
    EXPECT_NE(r0.find("日期：2025年12月10日"), std::string::npos);
    EXPECT_NE(r2.find("无侧间隙，正常啮合"), std::string::npos);
    EXPECT_NE(rg.find("有侧间隙，非正常啮合"), std::string::npos);
    EXPECT_NE(r2.find("公共齿条法面模数"), std::string::npos);
}

}  // namespace
