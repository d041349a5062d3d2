#include "cylindrical/calc/cy_pre_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "fw/file.h"

using namespace cylindrical;

namespace {

// The worked example's record (docs/examples-preliminary.md), as the
// fixture holds it.
CyPreRecord exampleRecord() {
    CyPreRecord r;
    r.z1 = 20;
    r.z2 = 64;
    r.betaDeg = 15;
    r.betaMin = 33;
    r.betaSec = 43;
    r.support = 0;
    r.hardness = 1;
    r.loadNature = 1;
    r.k2Pos = 0;
    r.k2Lower = 2.3;
    r.k2Upper = 2.9;
    r.phiDPos = 20;
    r.phiDLower = 0.4;
    r.phiDUpper = 0.9;
    r.i = 3.2;
    r.t = 318.3;
    r.a = 108.99573623231782;
    r.ni = 960;
    r.no = 300;
    r.p = 10;
    r.phiD = 0.65;
    r.k1 = 2.6;
    r.k2 = 2.3;
    r.k1Pos = 8;
    r.k1Lower = 2.5;
    r.k1Upper = 3.0;
    r.sigmaHP = 1300;
    r.sigmaFP = 450;
    r.mn = 2.5;
    r.ms = 2.5951365769599484;
    r.meshType = 0;
    r.date = "2025年12月10日";
    r.number = "KV-001";
    r.title = "带式输送机减速器高速级";
    return r;
}
constexpr std::int64_t kExampleTime = 1765324800;

std::vector<std::uint8_t> fixture() {
    auto bytes = fw::readFile(std::filesystem::path(KAVRIN_SOURCE_DIR) / "cylindrical/tests/fixtures/cypre_example.cyb");
    EXPECT_TRUE(bytes);
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}

void putI32(std::vector<std::uint8_t>& b, std::size_t off, std::int32_t v) { std::memcpy(&b[off], &v, 4); }

TEST(CyPreRecord, WriterMatchesTheFixtureByteForByte) {
    auto expected = fixture();
    ASSERT_EQ(expected.size(), 440u);
    EXPECT_EQ(cyPreFileBytes(exampleRecord(), kExampleTime), expected);
}

TEST(CyPreRecord, ReaderTakesEveryFieldFromItsOffset) {
    auto file = fixture();
    auto loaded = loadCyPreFile(file);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_FALSE(loaded->oldFile);
    const CyPreRecord& r = loaded->record;
    CyPreRecord e = exampleRecord();
    EXPECT_EQ(writeCyPreRecord(r), writeCyPreRecord(e));
    // A few fields by name, so that a swapped pair of offsets shows.
    EXPECT_EQ(r.betaMin, 33);
    EXPECT_EQ(r.betaDeg, 15);
    EXPECT_EQ(r.betaSec, 43);
    EXPECT_EQ(r.k2Lower, 2.3);
    EXPECT_EQ(r.k2Upper, 2.9);
    EXPECT_EQ(r.ni, 960);
    EXPECT_EQ(r.no, 300);
    EXPECT_EQ(r.title, "带式输送机减速器高速级");
    EXPECT_EQ(r.date, "2025年12月10日");
    EXPECT_EQ(r.number, "KV-001");
}

TEST(CyPreRecord, TextsAreCutOnACharacterBoundaryAndZeroTerminated) {
    CyPreRecord r = exampleRecord();
    r.date = "二〇二五年十二月十日星期三";  // 26 GBK bytes in a 20-byte field
    auto bytes = writeCyPreRecord(r);
    EXPECT_EQ(bytes[224 + 19], 0);
    auto back = readCyPreRecord(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->date, "二〇二五年十二月十");  // 18 bytes, whole characters
}

TEST(CyPreLoad, RefusalsChangeNothingAndNameTheirMessage) {
    struct Case { const char* name; void (*mutate)(std::vector<std::uint8_t>&); const char* message; };
    const Case cases[] = {
        {"measurement file", [](auto& b) { std::memcpy(&b[36], "W_CYMEASURE", 12); }, kMsgMeasurementFile},
        {"bevel file", [](auto& b) { std::memcpy(&b[36], "W_CONDESIGN", 12); }, kMsgNotDesignFile},
        {"word in another case", [](auto& b) { std::memcpy(&b[36], "w_cydesign", 11); }, kMsgNotDesignFile},
        {"geometry status", [](auto& b) { putI32(b, 64 + 220, 102); }, kMsgUnfinishedFile},
        {"one byte short", [](auto& b) { b.pop_back(); }, kMsgNotDesignFile},
        {"header only", [](auto& b) { b.resize(64); }, kMsgNotDesignFile},
        {"support arrangement 3", [](auto& b) { putI32(b, 64 + 20, 3); }, kMsgNotDesignFile},
        {"hardness class -1", [](auto& b) { putI32(b, 64 + 24, -1); }, kMsgNotDesignFile},
        {"load nature 3", [](auto& b) { putI32(b, 64 + 28, 3); }, kMsgNotDesignFile},
        {"mesh type 2", [](auto& b) { putI32(b, 64 + 216, 2); }, kMsgNotDesignFile},
        {"ratio NaN", [](auto& b) { double v = std::nan(""); std::memcpy(&b[64 + 88], &v, 8); }, kMsgNotDesignFile},
    };
    for (const auto& c : cases) {
        auto file = fixture();
        c.mutate(file);
        auto loaded = loadCyPreFile(file);
        ASSERT_FALSE(loaded) << c.name;
        EXPECT_EQ(loaded.error(), c.message) << c.name;
    }
}

TEST(CyPreLoad, OldFileWithoutHeader) {
    auto file = fixture();
    std::vector<std::uint8_t> old(file.begin() + 64, file.end());  // 376 bytes, Z1 = 20 first
    auto loaded = loadCyPreFile(old);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_TRUE(loaded->oldFile);
    EXPECT_EQ(loaded->record.z1, 20);
    EXPECT_EQ(loaded->record.title, "带式输送机减速器高速级");
    old.pop_back();
    EXPECT_FALSE(loadCyPreFile(old));
}

TEST(CyPreLoad, LongerFileOfALaterStepLoads) {
    auto file = fixture();
    file.resize(file.size() + 336, 0x55);  // the geometry record follows
    EXPECT_TRUE(loadCyPreFile(file));
}

}  // namespace
