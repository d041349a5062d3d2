// The measurement record and file: layout to the byte, the loaders' checks,
// the report path and the date conversion.
#include "measurement/calc/cy_measure_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fw/file.h"
#include "measurement/calc/single_measure.h"
#include "measurement/calc/single_report.h"
#include "common/calc/design_file.h"

using namespace measurement;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> fixture(const char* name) {
    auto b = fw::readFile(fs::path(KAVRIN_SOURCE_DIR) / "measurement/tests/fixtures" / name);
    EXPECT_TRUE(b);
    return b ? *b : std::vector<std::uint8_t>{};
}

template <class T>
T at(const std::vector<std::uint8_t>& b, std::size_t off) {
    T v;
    std::memcpy(&v, &b[off], sizeof v);
    return v;
}

}  // namespace

// The Z 20 file saved by the dialog: the fields at the offsets of the layout
// table (file offset = record offset + 64), unwritten bytes zero.
TEST(CyMeasureRecord, FixtureHoldsTheFieldsAtTheirOffsets) {
    auto b = fixture("single_z20.cyb");
    ASSERT_EQ(b.size(), 672u);
    EXPECT_EQ(at<std::int32_t>(b, 0), 400);
    EXPECT_EQ(at<std::int32_t>(b, 4), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(&b[36]), "W_CYMEASURE");
    const std::size_t r = 64;
    EXPECT_EQ(at<double>(b, r + 8), 44.0);       // da as computed
    EXPECT_EQ(at<double>(b, r + 32), 20.0);      // αn
    EXPECT_EQ(at<double>(b, r + 88), 40.0);      // d, gear-1 slot
    EXPECT_EQ(at<double>(b, r + 96), 0.0);       // gear-2 slot not written
    EXPECT_EQ(at<double>(b, r + 120), 44.0);
    EXPECT_EQ(at<double>(b, r + 144), 35.0);     // df
    EXPECT_NEAR(at<double>(b, r + 176), 3.36, 1e-12);
    EXPECT_NEAR(at<double>(b, r + 184), 44.449785, 1e-6);
    EXPECT_EQ(at<double>(b, r + 304), 2.0);      // mn
    EXPECT_EQ(at<std::uint32_t>(b, r + 296), 3u);  // kw
    EXPECT_NEAR(at<double>(b, r + 352), 15.320879, 1e-6);
    EXPECT_EQ(at<double>(b, r + 376), 0.05);     // ΔW1s
    EXPECT_EQ(at<double>(b, r + 368), 0.1);      // ΔW1i
    EXPECT_EQ(at<std::uint32_t>(b, r + 432), 20u);
    EXPECT_EQ(at<std::int64_t>(b, r + 584), daySeconds(2026, 12, 10));
    EXPECT_EQ(at<std::uint32_t>(b, r + 600), 0u);
    for (std::size_t off : {4, 312, 316, 604, 48, 56, 104, 136, 232, 344, 416, 424, 592})
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(b[r + off + i], 0) << "record byte " << off + i;
}

TEST(CyMeasureRecord, ReaderAndWriterRoundTripTheFixture) {
    auto b = fixture("single_z20.cyb");
    auto loaded = loadSingleMeasureFile(b);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_EQ(loaded->record.title, "测绘齿轮");
    EXPECT_EQ(loaded->record.number, "CH-020");
    EXPECT_EQ(cyMeasureFileBytes(loaded->kind, loaded->record, at<std::int64_t>(b, 56)), b);
}

TEST(CyMeasureRecord, LoadersRefuseWhatIsNotTheirs) {
    auto good = fixture("single_z20.cyb");
    struct Case {
        const char* name;
        void (*change)(std::vector<std::uint8_t>&);
        const char* single;
        const char* pair;
    };
    const Case cases[] = {
        // a single gear's record under the pair's kind: its teeth are no pair's
        {"pair kind", [](auto& b) { b[4] = 2; }, kMsgPairFile, "齿数Z1、Z2应在1～100000之间！"},
        {"kind 3", [](auto& b) { b[4] = 3; }, kMsgBadData, kMsgNotPairFile},
        {"version 103", [](auto& b) { b[0] = 103; b[1] = 0; }, kavrin::kMsgOldFile, kavrin::kMsgOldFile},
        {"design word", [](auto& b) { std::memcpy(&b[36], "W_CYDESIGN\0", 11); }, kMsgNotMeasureFile, kMsgNotPairFile},
        {"short", [](auto& b) { b.resize(671); }, kMsgNotMeasureFile, kMsgNotPairFile},
        {"solve mode 2", [](auto& b) { b[664] = 2; }, kMsgBadData, kMsgNotPairFile},
        {"mn NaN", [](auto& b) { std::memset(&b[64 + 304], 0xff, 8); }, kMsgModule, kMsgNotPairFile},
        {"Z 0", [](auto& b) { std::memset(&b[64 + 432], 0, 4); }, "齿数Z应在1～100000之间！", kMsgNotPairFile},
        {"c* 0.5", [](auto& b) { double v = 0.5; std::memcpy(&b[64 + 80], &v, 8); }, kMsgCStar, kMsgNotPairFile},
    };
    // The first line: a file not of the kind gets its loader's message (a
    // list outside its list with the field on the next line); a record of
    // the kind with a value out of range gets the refusal naming the value.
    for (const Case& c : cases) {
        auto b = good;
        c.change(b);
        auto s = loadSingleMeasureFile(b);
        ASSERT_FALSE(s) << c.name;
        EXPECT_EQ(s.error().substr(0, s.error().find('\n', std::strlen(c.single))), c.single) << c.name;
        auto p = loadPairMeasureFile(b);
        ASSERT_FALSE(p) << c.name;
        EXPECT_EQ(p.error().substr(0, p.error().find('\n', std::strlen(c.pair))), c.pair) << c.name;
    }
    // The gear type byte of a single gear is not read (the header's kind is).
    auto typed = good;
    typed[64] = 5;
    EXPECT_TRUE(loadSingleMeasureFile(typed));
    // A longer file is read only as far as its records.
    auto longer = good;
    longer.resize(700, 0xAA);
    EXPECT_TRUE(loadSingleMeasureFile(longer));
}

TEST(CyMeasureRecord, ReportPathIsCutAtTheFirstCybOfTheName) {
    EXPECT_EQ(measureReportPath("/d/gear.cyb.bak"), fs::path("/d/gear.cyt"));
    EXPECT_EQ(measureReportPath("/d/v1.2/gear.cyb"), fs::path("/d/v1.2/gear.cyt"));
    EXPECT_EQ(measureReportPath("/d.cyb/gear.txt"), std::nullopt);
    EXPECT_EQ(measureReportPath("/d/.cyb"), std::nullopt);
}

TEST(CyMeasureRecord, DatesRoundTrip) {
    EXPECT_EQ(daySeconds(1970, 1, 1), 0);
    EXPECT_EQ(daySeconds(2000, 3, 1), 951868800);  // a known Unix time
    for (auto [y, m, d] : {std::tuple{2026, 12, 10}, {2000, 2, 29}, {1601, 1, 1}, {9999, 12, 31}}) {
        CivilDate c = civilDate(daySeconds(y, m, d));
        EXPECT_EQ(c.year, y);
        EXPECT_EQ(c.month, m);
        EXPECT_EQ(c.day, d);
    }
}

// Both banners; section 3 without a check.
TEST(SingleReport, BannerFollowsTheGearType) {
    CyMeasureRecord r;
    r.mn = 2;
    std::string ext = singleReportText(kKindSingleExternal, r, {2026, 1, 2});
    std::string in = singleReportText(kKindSingleInternal, r, {2026, 1, 2});
    EXPECT_EQ(ext.rfind("\n\n\t*************************单个圆柱齿轮（外齿轮）测绘计算报告************************\n", 0), 0u);
    EXPECT_EQ(in.rfind("\n\n\t*************************单个圆柱齿轮（内齿轮）测绘计算报告************************\n", 0), 0u);
    EXPECT_NE(ext.find("\t工作程序:  KAVRIN V4.00\t编号：\t日期：2026年1月2日\n"), std::string::npos);
    EXPECT_NE(ext.find("\n\t3.切齿检验:\n\t    没有进行切齿检验计算。\n\n\t——OK——\n"), std::string::npos);
    EXPECT_NE(ext.find("ΔWi=                                   －0.000mm"), std::string::npos);
    EXPECT_NE(in.find("ΔWi=                                   ＋0.000mm"), std::string::npos);
    // Item, symbol and value columns as the other reports place them.
    EXPECT_EQ(measureLine("法面模数:", "mn=", "2.000mm"),
              "\t法面模数:             mn=                                     2.000mm\n");
}
