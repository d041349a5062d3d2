// One range per quantity of the measurement record: every numeric slot each
// kind's loader reads, at the absurd values and at each end of its range, is
// refused by the load exactly where its range refuses it, in the words of
// the field's (or the result's) refusal, and the save refuses the same record
// and writes nothing. Files with 1e300 or 1e-300 in a slot are refused naming
// the field, or print as a report may.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/tests/range_probes.h"
#include "common/calc/record_check.h"
#include "fuzz/report_text_check.h"
#include "fw/file.h"
#include "fw/format.h"
#include "measurement/calc/measure_ranges.h"
#include "measurement/calc/measure_record_check.h"
#include "measurement/calc/measure_save.h"
#include "measurement/calc/pair_report.h"
#include "measurement/calc/single_report.h"

using namespace measurement;
namespace q = measurement::measure_q;
namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kDate = 1796860800;   // 2026-12-10 00:00 UTC
constexpr std::int64_t kStamp = 1700000000;

CyMeasureRecord singleBase(GearType type) {
    SingleInput in{.type = type, .mode = SolveMode::HelixGiven, .mn = 2, .z = type == GearType::External ? 20u : 60u,
                   .da = type == GearType::External ? 44.0 : 116.0, .beta = {}};
    auto r = singleTrial(in);
    EXPECT_TRUE(r) << r.error();
    SingleMeasure m{.in = in, .out = *r, .dWs = 0.05, .dWi = 0.1, .title = {}, .number = {}};
    const PinGear g = pinGear(in, *r);
    m.dMs = pinDeviation(g, r->dp, m.dWs).value_or(0);
    m.dMi = pinDeviation(g, r->dp, m.dWi).value_or(0);
    m.title = "测绘齿轮";
    m.date = kDate;
    return singleRecord(m);
}

CyMeasureRecord pairBase() {
    PairMeasure m;
    m.in = {.mesh = MeshType::External, .mn = 2, .z1 = 20, .z2 = 40, .da1 = 44, .da2 = 84, .aw = 61, .beta = {}};
    m.dev = {.wi = {0.1, 0.12}, .ws = {0.05, 0.06}};
    auto r = pairTrial(m.in, m.dev);
    EXPECT_TRUE(r) << r.error();
    m.out = *r;
    m.title = "成对";
    m.date = kDate;
    return pairRecord(m);
}

// One numeric slot a loader reads: its record offset, whether it is a u32,
// its quantity and the refusal its field (or its result check) gives v.
struct Slot {
    std::string name;
    std::size_t offset;
    bool u32;
    const kavrin::Quantity* q;
    std::function<std::string(double)> refusal;
};

std::function<std::string(double)> input(const kavrin::Quantity& qty) {
    return [&qty](double) { return kavrin::quantityRefusal(qty); };
}
std::function<std::string(double)> result(const kavrin::Quantity& qty) {
    return [&qty](double v) { return resultOutside(qty, v).value_or("admitted"); };
}
std::function<std::string(double)> fixedText(std::string text) {
    return [text](double) { return text; };
}

Slot f64(std::string name, std::size_t off, const kavrin::Quantity& qty, std::function<std::string(double)> why) {
    return {std::move(name), off, false, &qty, std::move(why)};
}
Slot u32(std::string name, std::size_t off, const kavrin::Quantity& qty, std::function<std::string(double)> why) {
    return {std::move(name), off, true, &qty, std::move(why)};
}

const std::string kAlphaNText = "刀具压力角αn应在14°～30°之间！";
const std::string kBetaText = "螺旋角β的度、分应在0～59之间，秒应在0～60之间！";
const std::function<std::string(double)> kModule = [](double v) { return moduleRefusal(v).value_or("admitted"); };

// The fields both kinds share.
std::vector<Slot> commonSlots() {
    return {
        f64("mn", 304, q::kMn, kModule),
        f64("ha*", 256, q::kHaStar, fixedText(kMsgHaStar)),
        f64("c*", 80, q::kCStar, fixedText(kMsgCStar)),
        f64("αn", 32, q::kAlphaN, fixedText(kAlphaNText)),
        u32("β°", 64, q::kBetaDeg, fixedText(kBetaText)),
        u32("β′", 68, q::kBetaMin, fixedText(kBetaText)),
        f64("β″", 72, q::kBetaSec, fixedText(kBetaText)),
        f64("mt", 320, q::kMt, result(q::kMt)),
        f64("αt", 40, q::kAlphaT, [](double) { return kavrin::resultNotTaken(q::kAlphaT); }),
        f64("dp", 176, q::kDp, result(q::kDp)),
    };
}

// The single gear's slots of kind s (0 external, 1 internal).
std::vector<Slot> singleSlots(int s) {
    std::vector<Slot> v = commonSlots();
    const std::size_t o8 = 8 * static_cast<std::size_t>(s), o4 = 4 * static_cast<std::size_t>(s);
    const std::size_t o16 = 16 * static_cast<std::size_t>(s);
    const std::vector<Slot> own = {
        u32("Z", 432 + o4, q::kZ, fixedText("齿数Z应在1～100000之间！")),
        f64("da", 120 + o8, q::kDa, [](double x) { return tipRefusal(q::kDa, x).value_or("admitted"); }),
        f64("xn", 400 + o8, q::kXn, input(q::kXn)),
        f64("ΔWi", 368 + o16, q::kDWi, fixedText(kMsgDeviation)),
        f64("ΔWs", 376 + o16, q::kDWs, fixedText(kMsgDeviation)),
        f64("ΔMi", 200 + o16, q::kDMi, result(q::kDMi)),
        f64("ΔMs", 208 + o16, q::kDMs, result(q::kDMs)),
        f64("αat", 16 + o8, q::kAlphaAt, [](double) { return kavrin::resultNotTaken(q::kAlphaAt); }),
        u32("kw", 296 + o4, q::kKw, [](double) { return kavrin::resultNotTaken(q::kKw); }),
        f64("d", 88 + o8, q::kD, result(q::kD)),
        f64("ha", 240 + o8, q::kHa, result(q::kHa)),
        f64("hf", 280 + o8, q::kHf, result(q::kHf)),
        f64("df", 144 + o8, q::kDf, result(q::kDf)),
        f64("db", 160 + o8, q::kDb, result(q::kDb)),
        f64("Zv", 440 + o8, q::kZv, result(q::kZv)),
        f64("W", 352 + o8, q::kW, result(q::kW)),
        f64("Sc", 328 + o8, q::kSc, result(q::kSc)),
        f64("hc", 264 + o8, q::kHc, result(q::kHc)),
        f64("Mp", 184 + o8, q::kMp, result(q::kMp)),
    };
    v.insert(v.end(), own.begin(), own.end());
    return v;
}

std::vector<Slot> pairSlots() {
    std::vector<Slot> v = commonSlots();
    const std::vector<Slot> own = {
        u32("Z1", 432, q::kZ1, fixedText("齿数Z1、Z2应在1～100000之间！")),
        u32("Z2", 436, q::kZ2, fixedText("齿数Z1、Z2应在1～100000之间！")),
        f64("a'", 56, q::kAw, [](double x) { return x > 0 ? kavrin::quantityRefusal(q::kAw) : kMsgCentreLimits; }),
        f64("a", 8, q::kA, result(q::kA)),
        f64("α'", 48, q::kAlphaW, [](double) { return kavrin::resultNotTaken(q::kAlphaW); }),
        f64("xnΣ", 416, q::kXnSum, result(q::kXnSum)),
        f64("yt", 424, q::kYt, result(q::kYt)),
        f64("ε", 592, q::kEpsilon, result(q::kEpsilon)),
    };
    v.insert(v.end(), own.begin(), own.end());
    for (std::size_t i = 0; i < 2; ++i) {
        const q::GearQuantities& g = q::kGear[i];
        const std::size_t o8 = 8 * i, o4 = 4 * i, o16 = 16 * i;
        const std::string n = i == 0 ? "1" : "2";
        const kavrin::Quantity& da = i == 0 ? q::kDa1 : q::kDa2;
        const std::vector<Slot> gear = {
            f64("da" + n, 120 + o8, da, [&da](double x) { return tipRefusal(da, x).value_or("admitted"); }),
            f64("xn" + n, 400 + o8, g.xn, input(g.xn)),
            f64("ΔWi" + n, 368 + o16, g.dWi, fixedText(kMsgDeviation)),
            f64("ΔWs" + n, 376 + o16, g.dWs, fixedText(kMsgDeviation)),
            f64("ΔMi" + n, 200 + o16, g.dMi, result(g.dMi)),
            f64("ΔMs" + n, 208 + o16, g.dMs, result(g.dMs)),
            f64("αat" + n, 16 + o8, g.alphaAt, [&g](double) { return kavrin::resultNotTaken(g.alphaAt); }),
            u32("kw" + n, 296 + o4, g.kw, [&g](double) { return kavrin::resultNotTaken(g.kw); }),
            f64("d" + n, 88 + o8, g.d, result(g.d)),
            f64("d'" + n, 104 + o8, g.dw, result(g.dw)),
            f64("ha" + n, 240 + o8, g.ha, result(g.ha)),
            f64("hf" + n, 280 + o8, g.hf, result(g.hf)),
            f64("df" + n, 144 + o8, g.df, result(g.df)),
            f64("db" + n, 160 + o8, g.db, result(g.db)),
            f64("Zv" + n, 440 + o8, g.zv, result(g.zv)),
            f64("W" + n, 352 + o8, g.w, result(g.w)),
            f64("Sc" + n, 328 + o8, g.sc, result(g.sc)),
            f64("hc" + n, 264 + o8, g.hc, result(g.hc)),
            f64("Mp" + n, 184 + o8, g.mp, result(g.mp)),
        };
        v.insert(v.end(), gear.begin(), gear.end());
    }
    return v;
}

// The record with one slot set to v; gives back what the slot then holds.
CyMeasureRecord put(const CyMeasureRecord& r, const Slot& slot, double v, double& held) {
    auto b = writeCyMeasureRecord(r);
    if (slot.u32) {
        const auto u = static_cast<std::uint32_t>(static_cast<std::int64_t>(v));
        std::memcpy(&b[slot.offset], &u, 4);
        held = u;
    } else {
        std::memcpy(&b[slot.offset], &v, 8);
        held = v;
    }
    return *readCyMeasureRecord(b);
}

std::vector<double> probes(const Slot& slot) {
    if (!slot.u32) return kavrin_test::numberProbes(*slot.q);
    std::vector<double> v = kavrin_test::countProbes(*slot.q);
    v.insert(v.end(), {0, double(UINT32_MAX)});
    return v;
}

// The rules between slots: the pin against mn, the span count below Z, the
// working centre distance in its band around a, the recomputed root
// diameters of a pair, each root circle (stored and recomputed) on its side
// of its tip circle. A probe that breaks one of them is refused, but perhaps
// by that rule first.
bool singlePartnersHold(std::int32_t kind, const CyMeasureRecord& r) {
    const SingleMeasure m = singleMeasure(kind, r);
    return !pinRefusal(m.in.type, m.in.mn, m.out.dp) && m.out.kw < m.in.z &&
           !rootOutsideTip(q::kDf, m.out.df, m.out.daCalc, m.in.type == GearType::Internal);
}
bool pairPartnersHold(const CyMeasureRecord& r) {
    const PairMeasure m = pairMeasure(r);
    if (!centreDistanceAccepted(m.in, m.in.aw) || pairPinRefusal(m.in.mn, m.out.dp)) return false;
    for (int i = 0; i < 2; ++i) {
        const bool internal = i == 1 && m.in.mesh == MeshType::Internal;
        const GearSide& g = m.out.g[i];
        if (g.kw >= (i == 0 ? m.in.z1 : m.in.z2) || !q::kGear[i].df.admits(g.df)) return false;
        for (double df : {g.df, r.df[i]})
            if (rootOutsideTip(q::kGear[i].df, df, g.da, internal)) return false;
    }
    return true;
}

fs::path freshDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path dir = fs::temp_directory_path() / "measurement_ranges" /
                         (std::string(info->name()) + "." + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::vector<std::uint8_t> bytesOf(const fs::path& p) {
    auto b = fw::readFile(p);
    return b ? *b : std::vector<std::uint8_t>{};
}

struct Kind {
    std::int32_t kind;
    CyMeasureRecord base;
    std::vector<Slot> slots;
};

std::vector<Kind> kinds() {
    return {{kKindSingleExternal, singleBase(GearType::External), singleSlots(0)},
            {kKindSingleInternal, singleBase(GearType::Internal), singleSlots(1)},
            {kKindPair, pairBase(), pairSlots()}};
}

std::optional<std::string> recordFault(std::int32_t kind, const CyMeasureRecord& r) {
    return kind == kKindPair ? pairRecordFault(r) : singleRecordFault(kind, r);
}

fw::Expected<LoadedMeasure, std::string> load(std::int32_t kind, const CyMeasureRecord& r) {
    const auto file = cyMeasureFileBytes(kind, r, kStamp);
    return kind == kKindPair ? loadPairMeasureFile(file) : loadSingleMeasureFile(file);
}

}  // namespace

// Every numeric slot each loader reads, at 1e300, −1e300, ±1e-300 and at each
// end of its range with a step either side: the load takes exactly what the
// slot's range takes (where the rules between slots hold) and refuses the
// rest in the words of the field's refusal; the save refuses the same record
// with the same words and leaves the old files as they were.
TEST(MeasureRanges, LoadAndSaveRefuseExactlyWhatTheRangeRefuses) {
    const fs::path dir = freshDir();
    const fs::path data = dir / "gear.cyb", report = dir / "gear.cyt";
    ASSERT_TRUE(fw::writeFile(data, std::vector<std::uint8_t>(672, 0x5A)));
    ASSERT_TRUE(fw::writeFile(report, std::vector<std::uint8_t>(40, 0x41)));
    const auto oldData = bytesOf(data), oldReport = bytesOf(report);
    for (const Kind& k : kinds()) {
        ASSERT_FALSE(recordFault(k.kind, k.base)) << *recordFault(k.kind, k.base);
        for (const Slot& slot : k.slots) {
            for (double v : probes(slot)) {
                SCOPED_TRACE("kind " + std::to_string(k.kind) + ", " + slot.name + " = " + fw::formatNumber(v));
                double held = 0;
                const CyMeasureRecord r = put(k.base, slot, v, held);
                const bool partners =
                    k.kind == kKindPair ? pairPartnersHold(r) : singlePartnersHold(k.kind, r);
                const bool admitted = slot.q->admits(held) && partners;
                const auto fault = recordFault(k.kind, r);
                const auto loaded = load(k.kind, r);
                if (admitted) {
                    EXPECT_FALSE(fault) << *fault;
                    EXPECT_TRUE(loaded) << loaded.error();
                    continue;
                }
                ASSERT_TRUE(fault);
                ASSERT_FALSE(loaded);
                EXPECT_EQ(loaded.error(), kavrin::refusedOnLoad(*fault));
                if (partners) {
                    EXPECT_EQ(*fault, slot.refusal(held));
                }
                auto saved = saveMeasure(k.kind, r, "报告", data, report, kStamp);
                ASSERT_FALSE(saved);
                EXPECT_EQ(saved.error().fault, fault);
                ASSERT_EQ(bytesOf(data), oldData);
                ASSERT_EQ(bytesOf(report), oldReport);
            }
        }
    }
}

// 1e300 and 1e-300 in every double slot the loaders read, in the saved
// fixtures: refused at load naming the field, or (where the slot's range
// takes the value) loaded with a report that prints nothing unprintable.
TEST(MeasureRanges, AbsurdValuesInTheFixturesAreRefusedNamingTheField) {
    const fs::path fixtures = fs::path(KAVRIN_SOURCE_DIR) / "measurement/tests/fixtures";
    int refused = 0, taken = 0;
    for (const Kind& k : kinds()) {
        if (k.kind == kKindSingleInternal) continue;
        const auto good = bytesOf(fixtures / (k.kind == kKindPair ? "pair_a61.cyb" : "single_z20.cyb"));
        ASSERT_EQ(good.size(), kCyMeasureFileSize);
        for (const Slot& slot : k.slots) {
            if (slot.u32) continue;
            for (double v : {1e300, 1e-300}) {
                SCOPED_TRACE(slot.name + " = " + fw::formatNumber(v));
                auto file = good;
                std::memcpy(&file[kavrin::CDataFileHeader::kSize + slot.offset], &v, 8);
                auto l = k.kind == kKindPair ? loadPairMeasureFile(file) : loadSingleMeasureFile(file);
                if (!l) {
                    ++refused;
                    const std::string field = std::string(slot.q->name);
                    // The field's own messages name it in their words.
                    const bool named = l.error().find(field) != std::string::npos ||
                                       l.error() == kavrin::refusedOnLoad(slot.refusal(v)) ||
                                       l.error().find("棒直径") != std::string::npos;   // the pin's rule, tied to mn
                    EXPECT_TRUE(named) << l.error();
                    continue;
                }
                ++taken;
                const std::string text = k.kind == kKindPair ? pairReportText(l->record, civilDate(kDate))
                                                             : singleReportText(l->kind, l->record, civilDate(kDate));
                EXPECT_FALSE(kavrin_fuzz::unprintableInReport(text)) << *kavrin_fuzz::unprintableInReport(text);
            }
        }
    }
    EXPECT_GT(refused, 70);
    EXPECT_GT(taken, 0);   // 1e-300 in the shifts, the signed dedendum
}

// The module 1e300 of a user's file keeps its own message; a module the
// field would refuse as too fine (0.001 mm) is refused at load in the range's
// words, as the field refuses it.
TEST(MeasureRanges, ModuleOutsideItsRangeIsRefusedAtLoad) {
    const CyMeasureRecord ext = singleBase(GearType::External);
    double held = 0;
    const Slot mn = f64("mn", 304, q::kMn, kModule);
    EXPECT_EQ(load(0, put(ext, mn, 1e300, held)).error(), kavrin::refusedOnLoad(kMsgModuleLarge));
    EXPECT_EQ(load(0, put(ext, mn, -2, held)).error(), kavrin::refusedOnLoad(kMsgModule));
    EXPECT_EQ(load(0, put(ext, mn, 0.001, held)).error(), kavrin::refusedOnLoad("法面模数 mn：请输入 0.01 到 100 之间的数值。"));
}
