#include "cylindrical/calc/cy_pre_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <random>

#include "common/tests/range_probes.h"
#include "common/calc/angle_split.h"
#include "common/calc/record_check.h"
#include "cylindrical/calc/cy_geom_record.h"
#include "cylindrical/calc/cy_pre_ranges.h"
#include "cylindrical/calc/preliminary.h"
#include "fw/file.h"
#include "fw/format.h"

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
    // message: the loader's refusal (a file not of the kind), with the
    // check's fault on its second line for a list index outside its list;
    // no message: a value out of range, refused by the fault naming it.
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
        {"ratio NaN", [](auto& b) { double v = std::nan(""); std::memcpy(&b[64 + 88], &v, 8); }, nullptr,
         "i：请输入 0.01 到 1000 之间的数值。"},
        {"never calculated", [](auto& b) { std::memset(&b[64 + 200], 0, 16); }, kMsgUnfinishedFile, nullptr},
    };
    for (const auto& c : cases) {
        auto file = fixture();
        c.mutate(file);
        auto loaded = loadCyPreFile(file);
        ASSERT_FALSE(loaded) << c.name;
        const std::string expected = !c.message ? kavrin::refusedOnLoad(c.fault)
                                     : c.fault  ? std::string(c.message) + "\n" + c.fault
                                                : std::string(c.message);
        EXPECT_EQ(loaded.error(), expected) << c.name;
    }
}

// The one check, field by field: each row a value one of the dialog's fields
// refuses (or a pair the next steps refuse), the fault that names it, and
// nothing written by the save.
TEST(CyPreCheck, EveryRefusedRecordNamesItsFieldAndIsNeverWritten) {
    struct Case { const char* name; void (*mutate)(CyPreRecord&); const char* fault; };
    const Case cases[] = {
        {"P -10 (once kept the old torque)", [](CyPreRecord& r) { r.p = -10; }, "传动功率 P：请输入 0 或 0.000001 到 1000000 之间的数值。"},
        {"ni -5", [](CyPreRecord& r) { r.ni = -5; }, "输入转速 ni：请输入 0 或 0.000001 到 1000000 之间的数值。"},
        {"T infinite", [](CyPreRecord& r) { r.t = INFINITY; }, "输出扭矩 T：请输入 0 或 0.000001 到 10000000000 之间的数值。"},
        {"Z1 1000000", [](CyPreRecord& r) { r.z1 = 1000000; r.z2 = 1000001; }, "Z1：请输入 1 到 100000 之间的整数。"},
        {"Z2 3000000000 wrapped", [](CyPreRecord& r) { r.z2 = -1294967296; }, "Z2：请输入 1 到 100000 之间的整数。"},
        {"Z 20/10", [](CyPreRecord& r) { r.z1 = 20; r.z2 = 10; }, kMsgTeethOrderPre},
        {"internal 20/20", [](CyPreRecord& r) { r.z1 = r.z2 = 20; r.meshType = 1; }, kMsgInternalPair},
        {"β 61°", [](CyPreRecord& r) { r.betaDeg = 61; }, "β 度：请输入 0 到 60 之间的整数。"},
        {"β 60°30′", [](CyPreRecord& r) { r.betaDeg = 60; r.betaMin = 30; }, kMsgPreBetaTooLarge},
        {"β minutes 75", [](CyPreRecord& r) { r.betaMin = 75; }, "β 分：请输入 0 到 59 之间的整数。"},
        {"σHP 400", [](CyPreRecord& r) { r.sigmaHP = 400; }, "许用接触强度：请输入 500 到 10000 之间的数值。"},
        {"σFP 1e308", [](CyPreRecord& r) { r.sigmaFP = 1e308; }, "许用弯曲强度：请输入 100 到 1000 之间的数值。"},
        {"mn negative", [](CyPreRecord& r) { r.mn = -2.5; }, "取法面模数mn：请输入 0 或 0.01 到 100 之间的数值。"},
        {"ms 1e307", [](CyPreRecord& r) { r.ms = 1e307; }, "端面模数 ms：请输入 0 或 0.01 到 200 之间的数值。"},
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


// ---- one range per quantity ----

using kavrin_test::numberProbes;

std::vector<double> integerProbes(const kavrin::Quantity& q) {
    std::vector<double> v = kavrin_test::countProbes(q);
    v.insert(v.end(), {double(INT32_MIN), double(INT32_MAX)});
    return v;
}

// One numeric slot the loader reads: its quantity, whether a loaded record
// needs it given (the check then asks required(q)), and how a value goes
// into the worked example's record with every other rule still held.
struct PreSlot {
    const char* name;
    const kavrin::Quantity* q;
    bool integer;
    bool needed;
    void (*put)(CyPreRecord&, double);
};

int asInt(double v) { return static_cast<int>(v); }

const PreSlot kPreSlots[] = {
    {"Z1", &pre_q::kZ1, true, true, [](CyPreRecord& r, double v) { r.z1 = asInt(v); if (r.z1 >= 1 && r.z1 <= kavrin::kMaxTeeth) r.z2 = std::max(r.z2, r.z1); }},
    {"Z2", &pre_q::kZ2, true, true, [](CyPreRecord& r, double v) { r.z2 = asInt(v); if (r.z2 >= 1) r.z1 = std::min(r.z1, r.z2); }},
    {"β degrees", &pre_q::kBetaDeg, true, false, [](CyPreRecord& r, double v) { r.betaDeg = asInt(v); r.betaMin = r.betaSec = 0; }},
    {"β minutes", &pre_q::kBetaMin, true, false, [](CyPreRecord& r, double v) { r.betaMin = asInt(v); }},
    {"β seconds", &pre_q::kBetaSec, true, false, [](CyPreRecord& r, double v) { r.betaSec = asInt(v); }},
    {"φd slider", &pre_q::kPhiDPos, true, false, [](CyPreRecord& r, double v) { r.phiDPos = asInt(v); }},
    {"K1 slider", &pre_q::kK1Pos, true, false, [](CyPreRecord& r, double v) { r.k1Pos = asInt(v); }},
    {"K2 slider", &pre_q::kK2Pos, true, false, [](CyPreRecord& r, double v) { r.k2Pos = asInt(v); }},
    {"i", &pre_q::kI, false, true, [](CyPreRecord& r, double v) { r.i = v; }},
    {"T", &pre_q::kT, false, false, [](CyPreRecord& r, double v) { r.t = v; }},
    {"a", &pre_q::kA, false, false, [](CyPreRecord& r, double v) { r.a = v; }},
    {"ni", &pre_q::kNi, false, false, [](CyPreRecord& r, double v) { r.ni = v; }},
    {"no", &pre_q::kNo, false, false, [](CyPreRecord& r, double v) { r.no = v; }},
    {"P", &pre_q::kP, false, false, [](CyPreRecord& r, double v) { r.p = v; }},
    {"σHP", &pre_q::kSigmaHP, false, false, [](CyPreRecord& r, double v) { r.sigmaHP = v; }},
    {"σFP", &pre_q::kSigmaFP, false, false, [](CyPreRecord& r, double v) { r.sigmaFP = v; }},
    // The modules: the other one follows, so that the helix angle they give stays in range.
    {"mn", &pre_q::kMn, false, false, [](CyPreRecord& r, double v) { r.mn = v; if (pre_q::kMn.admits(v)) r.ms = v; }},
    {"ms", &pre_q::kMs, false, false, [](CyPreRecord& r, double v) { r.ms = v; if (pre_q::kMs.admits(v)) r.mn = std::min(v, 100.0); }},
    // The slider values and their ranges: the range follows the value and the value the range.
    {"φd", &pre_q::kPhiD, false, false, [](CyPreRecord& r, double v) { r.phiD = v; if (pre_q::kPhiD.admits(v)) r.phiDLower = r.phiDUpper = v; }},
    {"φd range lower", &pre_q::kPhiDRangeEnd, false, false, [](CyPreRecord& r, double v) { r.phiDLower = v; if (pre_q::kPhiD.admits(v)) r.phiDUpper = std::max(r.phiDUpper, v), r.phiD = v; }},
    {"φd range upper", &pre_q::kPhiDRangeEnd, false, false, [](CyPreRecord& r, double v) { r.phiDUpper = v; if (pre_q::kPhiD.admits(v)) r.phiDLower = std::min(r.phiDLower, v), r.phiD = v; }},
    {"K1", &pre_q::kK1, false, false, [](CyPreRecord& r, double v) { r.k1 = v; if (pre_q::kK1.admits(v)) r.k1Lower = r.k1Upper = v; }},
    {"K1 range lower", &pre_q::kK1RangeEnd, false, false, [](CyPreRecord& r, double v) { r.k1Lower = v; if (pre_q::kK1.admits(v)) r.k1Upper = std::max(r.k1Upper, v), r.k1 = v; }},
    {"K1 range upper", &pre_q::kK1RangeEnd, false, false, [](CyPreRecord& r, double v) { r.k1Upper = v; if (pre_q::kK1.admits(v)) r.k1Lower = std::min(r.k1Lower, v), r.k1 = v; }},
    {"K2", &pre_q::kK2, false, false, [](CyPreRecord& r, double v) { r.k2 = v; if (pre_q::kK2.admits(v)) r.k2Lower = r.k2Upper = v; }},
    {"K2 range lower", &pre_q::kK2RangeEnd, false, false, [](CyPreRecord& r, double v) { r.k2Lower = v; if (pre_q::kK2.admits(v)) r.k2Upper = std::max(r.k2Upper, v), r.k2 = v; }},
    {"K2 range upper", &pre_q::kK2RangeEnd, false, false, [](CyPreRecord& r, double v) { r.k2Upper = v; if (pre_q::kK2.admits(v)) r.k2Lower = std::min(r.k2Lower, v), r.k2 = v; }},
};

// Every numeric slot the loader reads, at 1e300, −1e300, ±1e-300 and at each
// bound and one step beside it: the load refuses exactly what the slot's
// range refuses (the field's range; 0 too where the later steps need the
// value), naming the quantity with the range's words, and the save refuses
// the same record in the same words.
TEST(CyPreRanges, LoadAndSaveRefuseExactlyWhatTheRangeRefuses) {
    for (const PreSlot& slot : kPreSlots) {
        const kavrin::Quantity q = slot.needed ? required(*slot.q) : *slot.q;
        for (double v : slot.integer ? integerProbes(q) : numberProbes(q)) {
            SCOPED_TRACE(std::string(slot.name) + " = " + fw::formatNumber(v));
            CyPreRecord r = exampleRecord();
            slot.put(r, v);
            const bool admitted = q.admits(slot.integer ? double(asInt(v)) : v);
            auto loaded = loadCyPreFile(cyPreFileBytes(r, kExampleTime));
            auto saved = cyPreSaveBytes(r, kExampleTime);
            if (admitted) {
                EXPECT_TRUE(loaded) << loaded.error();
                EXPECT_TRUE(saved) << saved.error();
                continue;
            }
            const std::string fault = slot.integer ? kavrin::countRefusal(q) : kavrin::quantityRefusal(q);
            ASSERT_FALSE(loaded);
            EXPECT_EQ(loaded.error(), kavrin::refusedOnLoad(fault));
            ASSERT_FALSE(saved);
            EXPECT_EQ(saved.error(), fault);
        }
    }
}

// The cases found: a file with P = 1e300 (it once gave a report with
// "To=9549×P/No= 3183000000…" and "mn= 120455569573…"), and one with ms =
// 1e300 at file byte 272 (it once showed ms = 1e+300 and an mn/ms pair
// whose helix angle the β field refuses): both refused at load, naming the
// field. So is a pair of modules whose helix angle arccos(mn/ms) is above 60°.
TEST(CyPreRanges, TheFoundFilesAreRefusedAtLoadNamingTheField) {
    struct Case {
        const char* name;
        std::size_t at;  // file byte
        double value;
        std::string fault;
    } cases[] = {
        {"P 1e300", 64 + 128, 1e300, kavrin::quantityRefusal(pre_q::kP)},
        {"ms 1e300", 272, 1e300, kavrin::quantityRefusal(pre_q::kMs)},
        {"ms 10 with mn 2.5 (β 75.5°)", 272, 10, kMsgPreImpliedBeta},
        {"ms 1e-300", 272, 1e-300, kavrin::quantityRefusal(pre_q::kMs)},
    };
    for (const Case& c : cases) {
        auto file = fixture();
        std::memcpy(&file[c.at], &c.value, 8);
        auto loaded = loadCyPreFile(file);
        ASSERT_FALSE(loaded) << c.name;
        EXPECT_EQ(loaded.error(), kavrin::refusedOnLoad(c.fault)) << c.name;
    }
    EXPECT_TRUE(pre_q::kP.admits(10));
    // The β the fixture's modules give is the one it stores.
    auto beta = helixAngle(2.5, 2.5951365769599484);
    ASSERT_TRUE(beta);
    EXPECT_EQ(*beta, (kavrin::AngleTriple{15, 33, 43}));
}

}  // namespace
