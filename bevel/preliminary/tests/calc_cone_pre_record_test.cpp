#include "bevel/preliminary/calc/cone_pre_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "common/calc/design_file.h"
#include "fw/file.h"

using namespace bevel;

namespace {

// The record of fixtures/make_conepre_example.py, field by field.
ConePreRecord exampleRecord() {
    ConePreRecord r;
    r.mask = 0xFFFF;
    r.alphaDeg = 20;
    r.betaDeg = 35;
    r.cStar = 0.188;
    r.haStar = 0.85;
    r.mt = 3.696582;
    r.toothSystem = 4;
    r.z1 = 20;
    r.z2 = 50;
    r.n1 = 1450;
    r.n2 = 1450.0 / 2.5;
    r.i = 2.5;
    r.p = 500.0 * (1450.0 / 2.5) / 9549.0;
    r.t = 500;
    r.yf = 2.5;
    r.sigmaHlim = 1500;
    r.sigmaFlim = 480;
    r.x1 = 0.3276;
    r.x2 = -0.3276;
    r.xt2 = -0.045;
    r.xt1 = 0.045;
    r.ka = 1.25;
    r.khBeta = 1.5;
    r.kwBeta = 1.35;
    r.date = "2025年12月10日";
    r.number = "KV-B01";
    r.title = "电动葫芦弧齿锥齿轮副";
    return r;
}
constexpr std::int64_t kExampleTime = 1765324800;

std::vector<std::uint8_t> fixture() {
    auto bytes =
        fw::readFile(std::filesystem::path(KAVRIN_SOURCE_DIR) / "bevel/preliminary/tests/fixtures/conepre_example.cng");
    EXPECT_TRUE(bytes);
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}

void putI32(std::vector<std::uint8_t>& b, std::size_t off, std::int32_t v) { std::memcpy(&b[off], &v, 4); }
void putF64(std::vector<std::uint8_t>& b, std::size_t off, double v) { std::memcpy(&b[off], &v, 8); }

TEST(ConePreRecord, WriterMatchesTheFixtureByteForByte) {
    auto expected = fixture();
    ASSERT_EQ(expected.size(), 408u);
    EXPECT_EQ(conePreFileBytes(exampleRecord(), kExampleTime), expected);
}

TEST(ConePreRecord, ReaderTakesEveryFieldFromItsOffset) {
    auto file = fixture();
    auto loaded = loadConePreFile(file);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_FALSE(loaded->oldFile);
    EXPECT_TRUE(loaded->rest.empty());
    const ConePreRecord& r = loaded->record;
    EXPECT_EQ(writeConePreRecord(r), writeConePreRecord(exampleRecord()));
    // Fields whose neighbours are easily swapped, by name.
    EXPECT_EQ(r.xt2, -0.045);
    EXPECT_EQ(r.xt1, 0.045);
    EXPECT_EQ(r.number, "KV-B01");
    EXPECT_EQ(r.title, "电动葫芦弧齿锥齿轮副");
    EXPECT_EQ(r.date, "2025年12月10日");
    EXPECT_EQ(r.z1, 20u);
    EXPECT_EQ(r.z2, 50u);
    EXPECT_EQ(r.toothSystem, 4);
    EXPECT_EQ(r.betaDeg, 35);
    EXPECT_EQ(r.status, 201);
}

TEST(ConePreRecord, ReservedWordsAreZeroAndTextsCutOnACharacterBoundary) {
    ConePreRecord r = exampleRecord();
    r.title = std::string(40, 'x') + "一二三四五六七八九十一二";  // 64 GBK bytes in a 64-byte field
    auto bytes = writeConePreRecord(r);
    for (std::size_t off : {28u, 29u, 30u, 31u, 68u, 69u, 70u, 71u}) EXPECT_EQ(bytes[off], 0) << off;
    EXPECT_EQ(bytes[280 + 63], 0);
    auto back = readConePreRecord(std::span<const std::uint8_t, ConePreRecord::kSize>(bytes.data(), 344));
    EXPECT_EQ(back.title, std::string(40, 'x') + "一二三四五六七八九十一");  // 62 bytes, whole characters
}

TEST(ConePreLoad, RefusalsNameTheirMessage) {
    struct Case { const char* name; void (*mutate)(std::vector<std::uint8_t>&); const char* message; };
    const Case cases[] = {
        {"cylindrical file", [](auto& b) { std::memcpy(&b[36], "W_CYDESIGN\0", 11); }, kMsgConeNotBevelData},
        {"word in another case", [](auto& b) { std::memcpy(&b[36], "w_condesign", 11); }, kMsgConeNotBevelData},
        {"one byte short", [](auto& b) { b.pop_back(); }, kMsgConeNotBevelData},
        {"header only", [](auto& b) { b.resize(64); }, kMsgConeNotBevelData},
        {"empty", [](auto& b) { b.clear(); }, kMsgConeNotBevelData},
        {"geometry status", [](auto& b) { putI32(b, 64 + 212, 202); }, kMsgConeUnfinished},
        {"status 0", [](auto& b) { putI32(b, 64 + 212, 0); }, kMsgConeUnfinished},
        {"tooth system 8", [](auto& b) { putI32(b, 64 + 56, 8); }, kMsgConeUnfinished},
        {"tooth system -1", [](auto& b) { putI32(b, 64 + 56, -1); }, kMsgConeUnfinished},
        {"alpha minutes 60", [](auto& b) { putI32(b, 64 + 8, 60); }, kMsgConeUnfinished},
        {"alpha 26 degrees", [](auto& b) { putI32(b, 64 + 4, 26); }, kMsgConeUnfinished},
        {"beta 61 degrees", [](auto& b) { putI32(b, 64 + 16, 61); }, kMsgConeUnfinished},
        {"Z1 zero though given", [](auto& b) { putI32(b, 64 + 60, 0); }, kMsgConeUnfinished},
        {"Z2 below Z1", [](auto& b) { putI32(b, 64 + 64, 19); }, kMsgConeUnfinished},
        {"n1 zero though given", [](auto& b) { putF64(b, 64 + 72, 0); }, kMsgConeUnfinished},
        {"ratio below 1 with both tooth numbers", [](auto& b) { putF64(b, 64 + 88, 0.5); }, kMsgConeUnfinished},
        {"mt negative", [](auto& b) { putF64(b, 64 + 48, -1); }, kMsgConeUnfinished},
        {"KA negative", [](auto& b) { putF64(b, 64 + 168, -1.25); }, kMsgConeUnfinished},
        {"mt NaN", [](auto& b) { putF64(b, 64 + 48, std::nan("")); }, kMsgConeUnfinished},
        {"x1 infinite", [](auto& b) { putF64(b, 64 + 136, INFINITY); }, kMsgConeUnfinished},
        {"mask beyond 16 bits", [](auto& b) { putI32(b, 64, 0x1FFFF); }, kMsgConeUnfinished},
    };
    for (const auto& c : cases) {
        auto file = fixture();
        c.mutate(file);
        auto loaded = loadConePreFile(file);
        ASSERT_FALSE(loaded) << c.name;
        EXPECT_EQ(loaded.error(), c.message) << c.name;
    }
}

TEST(ConePreLoad, InputsNotYetGivenMayBeZero) {
    ConePreRecord r;  // a fresh design: tooth system 0, mask 7, everything else 0
    auto loaded = loadConePreFile(conePreFileBytes(r, kExampleTime));
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_EQ(loaded->record.mask, 7);
    r.ka = -1;  // but never negative
    EXPECT_FALSE(loadConePreFile(conePreFileBytes(r, kExampleTime)));
}

TEST(ConePreLoad, OldFileWithoutHeaderOnlyWhenItsMaskIsBelow104) {
    auto file = fixture();
    std::vector<std::uint8_t> old(file.begin() + 64, file.end());
    putI32(old, 0, 103);
    auto loaded = loadConePreFile(old);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_TRUE(loaded->oldFile);
    EXPECT_EQ(loaded->record.title, "电动葫芦弧齿锥齿轮副");
    // A headerless record with a larger mask is read as a header and refused
    // for its header word.
    putI32(old, 0, 0xFFFF);
    auto refused = loadConePreFile(old);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), kMsgConeNotBevelData);
}

TEST(ConePreLoad, FileWithALaterStepsRecordLoadsAndKeepsTheRest) {
    auto file = fixture();
    file.resize(file.size() + 100, 0x55);
    auto loaded = loadConePreFile(file);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_EQ(loaded->rest.size(), 100u);
    EXPECT_EQ(loaded->rest[0], 0x55);
}

TEST(ConeNames, SaveAndLoadNamesWorkOnTheLastComponent) {
    struct Case { const char* chosen; const char* data; bool changed; const char* report; };
    const Case cases[] = {
        {"/d/bevel1", "/d/bevel1.cng", false, "/d/bevel1.tng"},
        {"/d/bevel1.txt", "/d/bevel1.cng", true, "/d/bevel1.tng"},
        {"/d/bevel1.cng", "/d/bevel1.cng", false, "/d/bevel1.tng"},
        {"/d/a.b.txt", "/d/a.cng", true, "/d/a.tng"},
        {"/d/a.b.cng", "/d/a.b.cng", false, "/d/a.b.tng"},
        {"/v1.2/pair", "/v1.2/pair.cng", false, "/v1.2/pair.tng"},
        {"/d/.hidden", "/d/.hidden.cng", false, "/d/.hidden.tng"},
    };
    for (const auto& c : cases) {
        auto n = normaliseConeDataName(c.chosen);
        EXPECT_EQ(n.path, std::filesystem::path(c.data)) << c.chosen;
        EXPECT_EQ(n.changed, c.changed) << c.chosen;
        EXPECT_TRUE(hasConeDataExtension(n.path)) << c.chosen;
        EXPECT_EQ(coneReportName(n.path), std::filesystem::path(c.report)) << c.chosen;
    }
    EXPECT_FALSE(hasConeDataExtension("/d/x.CNG"));
    EXPECT_FALSE(hasConeDataExtension("/d/.cng"));
    EXPECT_EQ(coneRenameNotice("/d/bevel1.cng"), "数据将以合法文件名/d/bevel1.cng保存。");
}

}  // namespace
