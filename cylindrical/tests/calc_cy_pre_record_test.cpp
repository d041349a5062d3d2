#include "cylindrical/calc/cy_pre_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "common/calc/angle_split.h"
#include "cylindrical/calc/cy_geom_record.h"
#include "cylindrical/calc/preliminary.h"
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
    // message: the loader's refusal; fault: the check's second line naming the field.
    struct Case { const char* name; void (*mutate)(std::vector<std::uint8_t>&); const char* message; const char* fault; };
    const Case cases[] = {
        {"measurement file", [](auto& b) { std::memcpy(&b[36], "W_CYMEASURE", 12); }, kMsgMeasurementFile, nullptr},
        {"bevel file", [](auto& b) { std::memcpy(&b[36], "W_CONDESIGN", 12); }, kMsgNotDesignFile, nullptr},
        {"word in another case", [](auto& b) { std::memcpy(&b[36], "w_cydesign", 11); }, kMsgNotDesignFile, nullptr},
        {"geometry status", [](auto& b) { putI32(b, 64 + 220, 102); }, kMsgUnfinishedFile, nullptr},
        {"one byte short", [](auto& b) { b.pop_back(); }, kMsgNotDesignFile, nullptr},
        {"header only", [](auto& b) { b.resize(64); }, kMsgNotDesignFile, nullptr},
        {"support arrangement 3", [](auto& b) { putI32(b, 64 + 20, 3); }, kMsgNotDesignFile, "支承配置：不是可选的一项。"},
        {"hardness class -1", [](auto& b) { putI32(b, 64 + 24, -1); }, kMsgNotDesignFile, "齿面硬度：不是可选的一项。"},
        {"load nature 3", [](auto& b) { putI32(b, 64 + 28, 3); }, kMsgNotDesignFile, "载荷性质：不是可选的一项。"},
        {"mesh type 2", [](auto& b) { putI32(b, 64 + 216, 2); }, kMsgNotDesignFile, "啮合方式：不是可选的一项。"},
        {"ratio NaN", [](auto& b) { double v = std::nan(""); std::memcpy(&b[64 + 88], &v, 8); }, kMsgNotDesignFile,
         "传动比 i：请输入 0.01 到 1000 之间的数值。"},
        {"never calculated", [](auto& b) { std::memset(&b[64 + 200], 0, 16); }, kMsgUnfinishedFile, nullptr},
    };
    for (const auto& c : cases) {
        auto file = fixture();
        c.mutate(file);
        auto loaded = loadCyPreFile(file);
        ASSERT_FALSE(loaded) << c.name;
        const std::string expected = c.fault ? std::string(c.message) + "\n" + c.fault : std::string(c.message);
        EXPECT_EQ(loaded.error(), expected) << c.name;
    }
}

// The one check, field by field: each row a value one of the dialog's fields
// refuses (or a pair the next steps refuse), the fault that names it, and
// nothing written by the save.
TEST(CyPreCheck, EveryRefusedRecordNamesItsFieldAndIsNeverWritten) {
    struct Case { const char* name; void (*mutate)(CyPreRecord&); const char* fault; };
    const Case cases[] = {
        {"P -10 (once kept the old torque)", [](CyPreRecord& r) { r.p = -10; }, "传动功率 P：请输入 0 或 0.001 到 100000 之间的数值。"},
        {"ni -5", [](CyPreRecord& r) { r.ni = -5; }, "输入转速 ni：请输入 0 或 0.001 到 100000 之间的数值。"},
        {"T infinite", [](CyPreRecord& r) { r.t = INFINITY; }, "输出扭矩 T：请输入 0 或 0.001 到 1000000000 之间的数值。"},
        {"Z1 1000000", [](CyPreRecord& r) { r.z1 = 1000000; r.z2 = 1000001; }, "小齿轮齿数 Z1：请输入 1 到 100000 之间的整数。"},
        {"Z2 3000000000 wrapped", [](CyPreRecord& r) { r.z2 = -1294967296; }, "大齿轮齿数 Z2：请输入 1 到 100000 之间的整数。"},
        {"Z 20/10", [](CyPreRecord& r) { r.z1 = 20; r.z2 = 10; }, kMsgTeethOrderPre},
        {"internal 20/20", [](CyPreRecord& r) { r.z1 = r.z2 = 20; r.meshType = 1; }, kMsgInternalPair},
        {"β 61°", [](CyPreRecord& r) { r.betaDeg = 61; }, "β 度：请输入 0 到 60 之间的整数。"},
        {"β 60°30′", [](CyPreRecord& r) { r.betaDeg = 60; r.betaMin = 30; }, kMsgPreBetaTooLarge},
        {"β minutes 75", [](CyPreRecord& r) { r.betaMin = 75; }, "β 分：请输入 0 到 59 之间的整数。"},
        {"σHP 400", [](CyPreRecord& r) { r.sigmaHP = 400; }, "许用接触强度 σHP：请输入 500 到 10000 之间的数值。"},
        {"σFP 1e308", [](CyPreRecord& r) { r.sigmaFP = 1e308; }, "许用弯曲强度 σFP：请输入 100 到 1000 之间的数值。"},
        {"mn negative", [](CyPreRecord& r) { r.mn = -2.5; }, "法面模数 mn：请输入 0 或 0.05 到 100 之间的数值。"},
        {"ms 1e307", [](CyPreRecord& r) { r.ms = 1e307; }, "端面模数 ms：请输入 0 或 0.05 到 200 之间的数值。"},
        {"slider 41", [](CyPreRecord& r) { r.k1Pos = 41; }, "K1 滑块：请输入 0 到 40 之间的整数。"},
        {"φd beside its range", [](CyPreRecord& r) { r.phiD = 1.0; }, "齿宽系数 φd：超出所选的取值范围。"},
    };
    for (const auto& c : cases) {
        CyPreRecord r = exampleRecord();
        c.mutate(r);
        auto fault = checkCyPreRecord(r);
        ASSERT_TRUE(fault) << c.name;
        EXPECT_EQ(*fault, c.fault) << c.name;
        auto bytes = cyPreSaveBytes(r, kExampleTime);
        ASSERT_FALSE(bytes) << c.name << ": a refused record is never written";
        EXPECT_EQ(bytes.error(), c.fault);
    }
    EXPECT_FALSE(checkCyPreRecord(exampleRecord()));
}

// Random records of values the dialog's fields take: every one the save
// writes loads back equal, field for field.
TEST(CyPreCheck, WhatTheSaveWritesLoadsBackEqual) {
    std::mt19937 gen(20250612);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(gen); };
    auto integer = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    const char* texts[] = {"", "减速器", "KV-001", "带式输送机减速器高速级"};
    const char* dates[] = {"", "2025年12月10日", "二〇二五年十二月"};  // within the 20-byte field
    for (int n = 0; n < 500; ++n) {
        CyPreRecord r;
        r.z1 = integer(1, 200);
        r.z2 = r.z1 + integer(n % 2, 500);
        r.meshType = r.z2 > r.z1 ? integer(0, 1) : 0;
        r.betaDeg = integer(0, 59);
        r.betaMin = integer(0, 59);
        r.betaSec = integer(0, 59);
        r.support = integer(0, 2);
        r.hardness = integer(0, 1);
        r.loadNature = integer(0, 2);
        const Range phiD = phiDRange(static_cast<kavrin::Support>(r.support), static_cast<kavrin::Hardness>(r.hardness));
        const KRanges k = kRanges(static_cast<kavrin::LoadNature>(r.loadNature));
        r.phiDLower = phiD.lower, r.phiDUpper = phiD.upper;
        r.k1Lower = k.k1.lower, r.k1Upper = k.k1.upper, r.k2Lower = k.k2.lower, r.k2Upper = k.k2.upper;
        r.phiDPos = integer(0, kSliderMax), r.k1Pos = integer(0, kSliderMax), r.k2Pos = integer(0, kSliderMax);
        r.phiD = sliderValue(phiD, r.phiDPos), r.k1 = sliderValue(k.k1, r.k1Pos), r.k2 = sliderValue(k.k2, r.k2Pos);
        r.i = double(r.z2) / r.z1;
        r.p = uniform(0, 5000), r.ni = uniform(0, 30000), r.no = r.ni / r.i, r.t = uniform(0, 1e6);
        r.sigmaHP = uniform(500, 10000), r.sigmaFP = uniform(100, 1000);
        r.ms = uniform(0.5, 50), r.mn = std::cos(kavrin::tripleToRadians({r.betaDeg, r.betaMin, r.betaSec})) * r.ms;
        r.a = centreDistance(r.z1, r.z2, r.ms, kavrin::meshTypeOf(r.meshType));
        r.title = texts[integer(0, 3)], r.number = texts[integer(0, 3)], r.date = dates[integer(0, 2)];
        ASSERT_FALSE(checkCyPreRecord(r)) << n << ": " << *checkCyPreRecord(r);
        auto bytes = cyPreSaveBytes(r, kExampleTime);
        ASSERT_TRUE(bytes) << bytes.error();
        auto back = loadCyPreFile(*bytes);
        ASSERT_TRUE(back) << n << ": " << back.error();
        EXPECT_EQ(back->record, r) << n;
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
