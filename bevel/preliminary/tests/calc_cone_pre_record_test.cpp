#include "bevel/preliminary/calc/cone_pre_record.h"

#include "bevel/preliminary/calc/cone_pre_ranges.h"
#include "bevel/preliminary/calc/pre_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "fuzz/report_text_check.h"
#include "fw/bounds.h"
#include "fw/format.h"
#include "fw/file.h"
#include "fw/text.h"

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

// A file of another kind, or a record of another step, gets the message of
// its kind alone, a tooth system or mask outside its list that message with
// the field after it; a value out of its range gets the value's refusal
// first, which names the field.
TEST(ConePreLoad, RefusalsNameTheirMessage) {
    struct Case {
        const char* name;
        void (*mutate)(std::vector<std::uint8_t>&);
        const char* message;          // nullptr: a value out of its range
        const char* field = nullptr;  // the value named
    };
    const Case cases[] = {
        {"cylindrical file", [](auto& b) { std::memcpy(&b[36], "W_CYDESIGN\0", 11); }, kMsgConeNotBevelData},
        {"word in another case", [](auto& b) { std::memcpy(&b[36], "w_condesign", 11); }, kMsgConeNotBevelData},
        {"one byte short", [](auto& b) { b.pop_back(); }, kMsgConeNotBevelData},
        {"header only", [](auto& b) { b.resize(64); }, kMsgConeNotBevelData},
        {"empty", [](auto& b) { b.clear(); }, kMsgConeNotBevelData},
        {"geometry status", [](auto& b) { putI32(b, 64 + 212, 202); }, kMsgConeUnfinished},
        {"status 0", [](auto& b) { putI32(b, 64 + 212, 0); }, kMsgConeUnfinished},
        {"tooth system 8", [](auto& b) { putI32(b, 64 + 56, 8); }, kMsgConeUnfinished, "齿形制"},
        {"tooth system -1", [](auto& b) { putI32(b, 64 + 56, -1); }, kMsgConeUnfinished, "齿形制"},
        {"alpha minutes 60", [](auto& b) { putI32(b, 64 + 8, 60); }, nullptr, "α 分"},
        {"alpha 26 degrees", [](auto& b) { putI32(b, 64 + 4, 26); }, nullptr, "α"},
        {"beta 61 degrees", [](auto& b) { putI32(b, 64 + 16, 61); }, nullptr, "βm 度"},
        {"Z1 zero though given", [](auto& b) { putI32(b, 64 + 60, 0); }, nullptr, "Z1"},
        {"Z2 below Z1", [](auto& b) { putI32(b, 64 + 64, 19); }, nullptr, "Z2"},
        {"n1 zero though given", [](auto& b) { putF64(b, 64 + 72, 0); }, nullptr, "n1"},
        {"ratio below 1 with both tooth numbers", [](auto& b) { putF64(b, 64 + 88, 0.5); }, nullptr, "传动比i"},
        {"mt negative", [](auto& b) { putF64(b, 64 + 48, -1); }, nullptr, "计算大端端面模数 mt"},
        {"KA negative", [](auto& b) { putF64(b, 64 + 168, -1.25); }, nullptr, "KA"},
        {"mt NaN", [](auto& b) { putF64(b, 64 + 48, std::nan("")); }, nullptr, "计算大端端面模数 mt"},
        {"x1 infinite", [](auto& b) { putF64(b, 64 + 136, INFINITY); }, nullptr, "径向变位系数 χ1"},
        {"mask beyond 16 bits", [](auto& b) { putI32(b, 64, 0x1FFFF); }, kMsgConeUnfinished, "完成标记"},
    };
    for (const auto& c : cases) {
        auto file = fixture();
        c.mutate(file);
        auto loaded = loadConePreFile(file);
        ASSERT_FALSE(loaded) << c.name;
        if (!c.field) {
            EXPECT_EQ(loaded.error(), c.message) << c.name;
            continue;
        }
        const std::string first = c.message ? std::string(c.message) + "\n" + c.field + "：" : std::string(c.field) + "：";
        EXPECT_EQ(loaded.error().rfind(first, 0), 0u) << c.name << ": " << loaded.error();
        if (!c.message) {
            EXPECT_TRUE(loaded.error().ends_with(std::string("\n") + kavrin::kMsgRecordNotLoaded)) << c.name;
        }
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

// The one check names the field at fault, so that a save can say what to
// mend; the loader refuses the same records with its message.
TEST(ConePreCheck, NamesTheFieldAtFault) {
    struct Case { const char* name; void (*mutate)(ConePreRecord&); const char* field; };
    const Case cases[] = {
        {"YF infinite (xτ1 −1000 through exp)", [](ConePreRecord& r) { r.yf = INFINITY; }, "齿形系数 YF"},
        {"YF NaN", [](ConePreRecord& r) { r.yf = std::nan(""); }, "齿形系数 YF"},
        {"status of a geometry record", [](ConePreRecord& r) { r.status = 202; }, "记录状态"},
        {"tooth system 8", [](ConePreRecord& r) { r.toothSystem = 8; }, "齿形制"},
        {"α 14°29′59″ given", [](ConePreRecord& r) { r.alphaDeg = 14, r.alphaMin = 29, r.alphaSec = 59; }, "α"},
        {"α minutes 75", [](ConePreRecord& r) { r.alphaMin = 75; }, "α 分"},
        {"βm minutes 60", [](ConePreRecord& r) { r.betaMin = 60; }, "βm 分"},
        {"ha* 1.2", [](ConePreRecord& r) { r.haStar = 1.2; }, "齿顶高系数 ha*"},
        {"c* negative", [](ConePreRecord& r) { r.cStar = -0.1; }, "齿顶隙系数 C"},
        {"mt infinite", [](ConePreRecord& r) { r.mt = INFINITY; }, "计算大端端面模数 mt"},
        {"Z1 1001", [](ConePreRecord& r) { r.z1 = kMaxTeeth + 1; }, "Z1"},
        {"Z1 3000000000 (negative as int32)", [](ConePreRecord& r) { r.z1 = 3000000000u; }, "Z1"},
        {"Z2 1001", [](ConePreRecord& r) { r.z2 = kMaxTeeth + 1; }, "Z2"},
        {"Z2 below Z1", [](ConePreRecord& r) { r.z2 = 19; }, "Z2"},
        {"i 0.5", [](ConePreRecord& r) { r.i = 0.5; }, "传动比i"},
        {"n1 0 though given", [](ConePreRecord& r) { r.n1 = 0; }, "n1"},
        {"T infinite", [](ConePreRecord& r) { r.t = INFINITY; }, "输出扭矩T"},
        {"σFlim negative", [](ConePreRecord& r) { r.sigmaFlim = -480; }, "弯曲强度极限σFlim"},
        {"Kwβ 0 though given", [](ConePreRecord& r) { r.kwBeta = 0; }, "Kwβ"},
        {"χ2 NaN", [](ConePreRecord& r) { r.x2 = std::nan(""); }, "径向变位系数 χ2"},
        {"χτ1 infinite", [](ConePreRecord& r) { r.xt1 = -INFINITY; }, "切向变位系数 χτ1"},
    };
    ASSERT_FALSE(checkConePreRecord(exampleRecord()));
    for (const auto& c : cases) {
        ConePreRecord r = exampleRecord();
        c.mutate(r);
        auto fault = checkConePreRecord(r);
        ASSERT_TRUE(fault) << c.name;
        EXPECT_EQ(fault->field, c.field) << c.name;
        if (r.status == kConePreStatus) {
            EXPECT_EQ(fault->refusal.rfind(std::string(c.field) + "：", 0), 0u) << c.name << ": " << fault->refusal;
        }
        EXPECT_FALSE(plausibleConePreRecord(r)) << c.name;
        // The loader runs the same check and says what it found.
        auto loaded = loadConePreFile(conePreFileBytes(r, kExampleTime));
        ASSERT_FALSE(loaded) << c.name;
        EXPECT_EQ(loaded.error(), r.status != kConePreStatus ? std::string(kMsgConeUnfinished)
                                  : fault->notThisKind   ? std::string(kMsgConeUnfinished) + "\n" + fault->refusal
                                                         : kavrin::refusedOnLoad(fault->refusal))
            << c.name;
    }
    EXPECT_EQ(conePreSaveRefusal({"齿形系数 YF", "齿形系数 YF：请输入 0 或 0.1 到 20 之间的数值。"}),
              "齿形系数 YF：请输入 0 或 0.1 到 20 之间的数值。\n数据没有保存。请改正后再保存。");
}

// Whatever the check passes, the save writes and the load reads back equal:
// records drawn at random within every field's range (and its edge values),
// each input given or not.
TEST(ConePreCheck, WhatTheCheckPassesLoadsBackEqual) {
    std::mt19937 rng(20261210);
    auto pick = [&rng](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    auto pickInt = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto edge = [&](double lo, double hi) {
        switch (pickInt(0, 3)) {
        case 0: return lo;
        case 1: return hi;
        default: return pick(lo, hi);
        }
    };
    const char* texts[] = {"", "KV-B01", "电动葫芦弧齿锥齿轮副", "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一"};
    int written = 0;
    for (int n = 0; n < 2000; ++n) {
        ConePreRecord r;
        r.mask = pickInt(0, kMaskComplete);
        r.toothSystem = pickInt(0, kToothSystemCount - 1);
        r.alphaDeg = pickInt(14, 25), r.alphaMin = pickInt(0, 59), r.alphaSec = pickInt(0, 59);
        if (r.alphaDegrees() < 14.5 || r.alphaDegrees() > 25) r.alphaDeg = 20, r.alphaMin = r.alphaSec = 0;
        r.betaDeg = pickInt(0, 60), r.betaMin = pickInt(0, 59), r.betaSec = pickInt(0, 59);
        r.haStar = edge(0, 1.1);
        r.cStar = edge(0, 0.5);
        r.mt = pickInt(0, 3) ? edge(0.05, 100) : 0;
        r.z1 = static_cast<std::uint32_t>(pickInt(1, 200));
        r.z2 = static_cast<std::uint32_t>(pickInt(static_cast<int>(r.z1), static_cast<int>(kMaxTeeth)));
        r.i = static_cast<double>(r.z2) / r.z1;
        struct Slot {
            double* v;
            const kavrin::Quantity& q;
        };
        for (Slot s : {Slot{&r.n1, cone_pre::kN1}, Slot{&r.n2, cone_pre::kN2}, Slot{&r.p, cone_pre::kP},
                       Slot{&r.t, cone_pre::kT}, Slot{&r.sigmaHlim, cone_pre::kSigmaHlim},
                       Slot{&r.sigmaFlim, cone_pre::kSigmaFlim}, Slot{&r.ka, cone_pre::kKa},
                       Slot{&r.khBeta, cone_pre::kKhBeta}, Slot{&r.kwBeta, cone_pre::kKwBeta}})
            *s.v = edge(s.q.lower(), s.q.upper());
        r.x1 = edge(-5, 5), r.x2 = -r.x1;
        r.xt1 = edge(-1, 1), r.xt2 = -r.xt1;
        r.yf = pickInt(0, 3) ? edge(0.1, 20) : 0;
        r.date = pickInt(0, 1) ? "2026年12月10日" : "";
        r.number = texts[pickInt(0, 3)];
        r.title = texts[pickInt(0, 3)];
        ASSERT_FALSE(checkConePreRecord(r)) << n << ": " << checkConePreRecord(r)->refusal;
        auto loaded = loadConePreFile(conePreFileBytes(r, kExampleTime));
        ASSERT_TRUE(loaded) << n;
        EXPECT_EQ(writeConePreRecord(loaded->record), writeConePreRecord(r)) << n;
        // Texts come back whole when they fit and cut on a character boundary otherwise.
        EXPECT_LE(fw::gbkWidth(loaded->record.title), 63u) << n;
        EXPECT_EQ(r.title.rfind(loaded->record.title, 0), 0u) << n;
        ++written;
    }
    EXPECT_EQ(written, 2000);
}

}  // namespace

namespace {

// Every numeric slot the loader reads, with its quantity and the completion
// bit that says it was given (0: none of its own).
struct RangeSlot {
    const kavrin::Quantity& q;
    void (*set)(ConePreRecord&, double);
    std::int32_t bit;
    bool count;  // a whole number
};
const RangeSlot kRangeSlots[] = {
    {cone_pre::kAlphaDeg, [](ConePreRecord& r, double v) { r.alphaDeg = static_cast<std::int32_t>(v); }, 0, true},
    {cone_pre::kAlphaMin, [](ConePreRecord& r, double v) { r.alphaMin = static_cast<std::int32_t>(v); }, 0, true},
    {cone_pre::kAlphaSec, [](ConePreRecord& r, double v) { r.alphaSec = static_cast<std::int32_t>(v); }, 0, true},
    {cone_pre::kBetaDeg, [](ConePreRecord& r, double v) { r.betaDeg = static_cast<std::int32_t>(v); }, 0, true},
    {cone_pre::kBetaMin, [](ConePreRecord& r, double v) { r.betaMin = static_cast<std::int32_t>(v); }, 0, true},
    {cone_pre::kBetaSec, [](ConePreRecord& r, double v) { r.betaSec = static_cast<std::int32_t>(v); }, 0, true},
    {cone_pre::kZ1, [](ConePreRecord& r, double v) { r.z1 = static_cast<std::uint32_t>(v); }, 0, true},
    {cone_pre::kZ2, [](ConePreRecord& r, double v) { r.z2 = static_cast<std::uint32_t>(v); }, 0, true},
    {cone_pre::kHaStar, [](ConePreRecord& r, double v) { r.haStar = v; }, 0, false},
    {cone_pre::kCStar, [](ConePreRecord& r, double v) { r.cStar = v; }, 0, false},
    {cone_pre::kMt, [](ConePreRecord& r, double v) { r.mt = v; }, 0, false},
    {cone_pre::kI, [](ConePreRecord& r, double v) { r.i = v; }, kBitZ1, false},
    {cone_pre::kN1, [](ConePreRecord& r, double v) { r.n1 = v; }, kBitN1, false},
    {cone_pre::kN2, [](ConePreRecord& r, double v) { r.n2 = v; }, kBitN2, false},
    {cone_pre::kP, [](ConePreRecord& r, double v) { r.p = v; }, kBitP, false},
    {cone_pre::kT, [](ConePreRecord& r, double v) { r.t = v; }, kBitT, false},
    {cone_pre::kYf, [](ConePreRecord& r, double v) { r.yf = v; }, 0, false},
    {cone_pre::kSigmaHlim, [](ConePreRecord& r, double v) { r.sigmaHlim = v; }, kBitSigmaH, false},
    {cone_pre::kSigmaFlim, [](ConePreRecord& r, double v) { r.sigmaFlim = v; }, kBitSigmaF, false},
    {cone_pre::kX1, [](ConePreRecord& r, double v) { r.x1 = v; }, 0, false},
    {cone_pre::kX2, [](ConePreRecord& r, double v) { r.x2 = v; }, 0, false},
    {cone_pre::kXt2, [](ConePreRecord& r, double v) { r.xt2 = v; }, 0, false},
    {cone_pre::kXt1, [](ConePreRecord& r, double v) { r.xt1 = v; }, 0, false},
    {cone_pre::kKa, [](ConePreRecord& r, double v) { r.ka = v; }, kBitKA, false},
    {cone_pre::kKhBeta, [](ConePreRecord& r, double v) { r.khBeta = v; }, kBitKHbeta, false},
    {cone_pre::kKwBeta, [](ConePreRecord& r, double v) { r.kwBeta = v; }, kBitKwbeta, false},
};

// The probes of a slot: far outside (1e300, −1e300, 1e-300), each bound
// and one step beyond and within it (a step the field's text shows), and 0.
std::vector<double> probesOf(const RangeSlot& s) {
    const double lo = s.q.lower(), hi = s.q.upper();
    if (s.count) return {lo - 1, lo, lo + 1, hi - 1, hi, hi + 1, 0};
    auto step = [](double b) { return 1e-9 * std::max(1.0, std::abs(b)); };
    return {1e300, -1e300, 1e-300, lo - step(lo), lo, lo + step(lo), hi - step(hi), hi, hi + step(hi), 0};
}

}  // namespace

// For every numeric slot: the load refuses exactly the values outside the
// slot's range (and 0 once the input is given), names the field with the
// range its field refuses with, and the save's check refuses the same
// records. The rest of the record is the example with every input given;
// the angle parts and tooth numbers are probed with their own rules off (α
// and both tooth numbers not given), so that only the range speaks.
TEST(ConePreRanges, EverySlotRefusesOutsideItsRangeAtLoadAndSave) {
    for (const RangeSlot& s : kRangeSlots) {
        for (double v : probesOf(s)) {
            ConePreRecord r = exampleRecord();
            if (s.count) r.mask &= ~(kBitAlpha | kBitZ1 | kBitZ2);
            if (s.count && v < 0) continue;  // a count slot holds no negative number: lo − 1 is 0 or −1
            s.set(r, v);
            const bool given = s.bit && (r.mask & s.bit);
            const bool admitted = s.q.admits(v) && !(given && v == 0);
            const std::string what = std::string(s.q.name) + " = " + fw::formatNumber(v);
            auto loaded = loadConePreFile(conePreFileBytes(r, kExampleTime));
            EXPECT_EQ(loaded.has_value(), admitted) << what;
            EXPECT_EQ(plausibleConePreRecord(r), admitted) << what;
            if (admitted || loaded) continue;
            const kavrin::Quantity shown = given ? cone_pre::given(s.q) : s.q;
            const std::string range = s.count ? fw::integerBoundsText(shown.bounds) : fw::numberBoundsText(shown.bounds);
            EXPECT_EQ(loaded.error(), kavrin::refusedOnLoad(std::string(s.q.name) + "：" + range)) << what;
            EXPECT_EQ(checkConePreRecord(r)->field, s.q.name) << what;
        }
    }
}

// Found by a tester: a design file with c* = 1e300 (was 0.188) loaded,
// calculated and saved, and its report printed "齿顶隙系数 c= 1000…". The
// load refuses it and names the field; the report of what loads prints
// nothing a report may not print.
TEST(ConePreRanges, HugeClearanceIsRefusedAtLoad) {
    auto file = fixture();
    putF64(file, 64 + 32, 1e300);
    auto loaded = loadConePreFile(file);
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.error(), kavrin::refusedOnLoad("齿顶隙系数 C：" + fw::numberBoundsText(cone_pre::kCStar.bounds)));
    // The largest values every slot takes still print.
    ConePreRecord r = exampleRecord();
    for (const RangeSlot& s : kRangeSlots)
        if (!s.count) s.set(r, s.q.upper());
    r.z1 = 1000, r.z2 = 1000;
    ASSERT_TRUE(plausibleConePreRecord(r)) << checkConePreRecord(r)->refusal;
    EXPECT_EQ(kavrin_fuzz::unprintableInReport(conePreReport(r)), std::nullopt);
}
