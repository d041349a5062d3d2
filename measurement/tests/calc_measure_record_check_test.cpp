// One check per measurement record kind, for the load and the save: what a
// dialog saves loads again as the same record, what the check refuses is
// never written, the findings of a user test as a table, and the angle texts
// that must not carry into 60″.
#include "measurement/calc/measure_record_check.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "common/calc/record_check.h"
#include "fw/file.h"
#include "fw/format.h"
#include "measurement/calc/measure_save.h"
#include "measurement/calc/single_report.h"

using namespace measurement;
namespace fs = std::filesystem;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr std::int64_t kDate = 1796860800;   // 2026-12-10 00:00 UTC
constexpr std::int64_t kStamp = 1700000000;

SingleInput single(GearType t, SolveMode m, std::uint32_t z, double da) {
    return {.type = t, .mode = m, .mn = 2, .z = z, .da = da};
}

SingleMeasure measured(const SingleInput& in, double dWs = 0.05, double dWi = 0.1) {
    auto r = singleTrial(in);
    EXPECT_TRUE(r) << r.error();
    SingleMeasure m{.in = in, .out = r ? *r : SingleResult{}, .dWs = dWs, .dWi = dWi};
    if (r) {
        const PinGear g = pinGear(in, *r);
        m.dMs = pinDeviation(g, r->dp, dWs).value_or(0);
        m.dMi = pinDeviation(g, r->dp, dWi).value_or(0);
    }
    m.title = "测绘齿轮";
    m.number = "CH-020";
    m.date = kDate;
    return m;
}

PairMeasure measuredPair(MeshType mesh, std::uint32_t z1, std::uint32_t z2, double da1, double da2, double aw) {
    PairMeasure m;
    m.in = {.mesh = mesh, .mn = 2, .z1 = z1, .z2 = z2, .da1 = da1, .da2 = da2, .aw = aw};
    m.dev = {.wi = {0.1, 0.12}, .ws = {0.05, 0.06}};
    auto r = pairTrial(m.in, m.dev);
    EXPECT_TRUE(r) << r.error();
    if (r) m.out = *r;
    m.title = "成对";
    m.date = kDate;
    return m;
}

fs::path freshDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path dir = fs::temp_directory_path() / "measurement_calc" /
                         (std::string(info->name()) + "." + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::vector<std::uint8_t> bytesOf(const fs::path& p) {
    auto b = fw::readFile(p);
    return b ? *b : std::vector<std::uint8_t>{};
}

// The record as the file holds it, one field overwritten.
template <class T>
CyMeasureRecord with(const CyMeasureRecord& r, std::size_t offset, T v) {
    auto b = writeCyMeasureRecord(r);
    std::memcpy(&b[offset], &v, sizeof v);
    return *readCyMeasureRecord(b);
}

std::vector<std::uint8_t> fileWith(std::int32_t kind, const CyMeasureRecord& r) {
    return cyMeasureFileBytes(kind, r, kStamp);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kSubnormal = 2.1e-314;

}  // namespace

// Every kind the dialogs save, with the edge values their fields take: the
// record passes its check, is written, and the loader gives back the same
// record and the same dialog state.
TEST(MeasureRecordCheck, WhatTheDialogsSaveLoadsBackEqual) {
    const fs::path dir = freshDir();
    SingleInput helical = single(GearType::External, SolveMode::HelixGiven, 20, 0);
    helical.beta = {15, 30, 36.5};
    helical.da = 4 + 40 / std::cos(helixRadians(helical.beta));
    SingleInput shift = single(GearType::External, SolveMode::ShiftGiven, 20, 4 + 40 / std::cos(0.3));
    SingleInput ringShift = single(GearType::Internal, SolveMode::ShiftGiven, 60, 116);
    ringShift.xn = -0.1;
    const SingleMeasure singles[] = {
        measured(single(GearType::External, SolveMode::HelixGiven, 20, 44)),
        measured(single(GearType::External, SolveMode::HelixGiven, 21, 46), 0, 10),   // deviation limits
        measured(single(GearType::Internal, SolveMode::HelixGiven, 60, 116)),
        measured(helical),
        measured(shift),
        measured(ringShift),
    };
    int n = 0;
    for (SingleMeasure m : singles) {
        if (n == 1) m.title = std::string(31, 'x') + "齿轮齿轮齿轮齿轮齿轮齿轮齿轮齿轮";   // 63 GBK bytes
        if (n == 2) m.out.dp = 1.4 * m.in.mn;                                           // internal pin limit
        const std::int32_t kind = static_cast<std::int32_t>(m.in.type);
        const CyMeasureRecord r = singleRecord(m);
        ASSERT_FALSE(singleRecordFault(kind, r)) << n << ": " << *singleRecordFault(kind, r);
        const fs::path data = dir / fw::format("s%d.cyb", n), report = dir / fw::format("s%d.cyt", n);
        ASSERT_TRUE(saveMeasure(kind, r, singleReportText(kind, r, civilDate(r.date)), data, report, kStamp)) << n;
        auto loaded = readMeasureFile(data);
        ASSERT_TRUE(loaded) << n << ": " << loaded.error();
        EXPECT_EQ(loaded->kind, kind) << n;
        EXPECT_EQ(loaded->record, r) << n;
        // The dialog's state after the load saves the same record again.
        EXPECT_EQ(singleRecord(singleMeasure(kind, loaded->record)), r) << n;
        ++n;
    }
    const PairMeasure pairs[] = {
        measuredPair(MeshType::External, 20, 40, 44, 84, 61),
        measuredPair(MeshType::External, 20, 40, 44, 84, 60 + 1.8 * 2),   // the band's upper end
        measuredPair(MeshType::Internal, 20, 60, 44, 116, 40),
    };
    for (const PairMeasure& m : pairs) {
        const CyMeasureRecord r = pairRecord(m);
        ASSERT_FALSE(pairRecordFault(r)) << n << ": " << *pairRecordFault(r);
        const fs::path data = dir / fw::format("p%d.cyb", n), report = dir / fw::format("p%d.cyt", n);
        ASSERT_TRUE(saveMeasure(kKindPair, r, "报告", data, report, kStamp)) << n;
        auto loaded = readMeasureFile(data);
        ASSERT_TRUE(loaded) << n << ": " << loaded.error();
        EXPECT_EQ(loaded->record, r) << n;
        EXPECT_FALSE(pairRecordFault(pairRecord(pairMeasure(loaded->record)))) << n;
        ++n;
    }
}

// Random records around a saved one, each with one field set to an odd
// value: whatever the check refuses, the save refuses and leaves the old
// files byte for byte; whatever it accepts is written and loads back equal.
TEST(MeasureRecordCheck, RefusedRecordsAreNeverWrittenAcceptedOnesLoadBack) {
    const fs::path dir = freshDir();
    const fs::path data = dir / "gear.cyb", report = dir / "gear.cyt";
    ASSERT_TRUE(fw::writeFile(data, std::vector<std::uint8_t>(672, 0x5A)));
    ASSERT_TRUE(fw::writeFile(report, std::vector<std::uint8_t>(40, 0x41)));
    const auto oldData = bytesOf(data), oldReport = bytesOf(report);
    struct Base {
        std::int32_t kind;
        CyMeasureRecord r;
    };
    const Base bases[] = {
        {0, singleRecord(measured(single(GearType::External, SolveMode::HelixGiven, 20, 44)))},
        {1, singleRecord(measured(single(GearType::Internal, SolveMode::HelixGiven, 60, 116)))},
        {2, pairRecord(measuredPair(MeshType::External, 20, 40, 44, 84, 61))},
    };
    const double odd[] = {kNaN, HUGE_VAL, -1, 0, kSubnormal, 1e308, -0.05, 2e9, 59.99, 60, 0.5, 1e-3, 100.5};
    const std::uint32_t oddInt[] = {0, 1, 2, 59, 60, 100000, 100001, 2000000000u, 0xFFFFFFFFu};
    std::mt19937 rng(20260512);
    int refused = 0, accepted = 0;
    for (int i = 0; i < 3000; ++i) {
        const Base& b = bases[static_cast<std::size_t>(i) % 3];
        // Every 8-byte slot from 8 to 448 and the u32 slots (β, kw, Z, solve mode).
        CyMeasureRecord r = b.r;
        if (rng() % 4 == 0) {
            const std::size_t ints[] = {64, 68, 296, 300, 432, 436, 600};
            r = with(b.r, ints[rng() % 7], oddInt[rng() % std::size(oddInt)]);
        } else {
            const std::size_t off = 8 + 8 * (rng() % 56);
            if (off == 296 || off == 432) continue;   // u32 pairs, above
            r = with(b.r, off, odd[rng() % std::size(odd)]);
        }
        const auto fault = b.kind == kKindPair ? pairRecordFault(r) : singleRecordFault(b.kind, r);
        auto saved = saveMeasure(b.kind, r, "报告", data, report, kStamp);
        if (fault) {
            ++refused;
            ASSERT_FALSE(saved) << i;
            EXPECT_EQ(saved.error().fault, fault) << i;
            ASSERT_EQ(bytesOf(data), oldData) << i;
            ASSERT_EQ(bytesOf(report), oldReport) << i;
            continue;
        }
        ++accepted;
        ASSERT_TRUE(saved) << i;
        auto loaded = b.kind == kKindPair ? loadPairMeasureFile(bytesOf(data)) : loadSingleMeasureFile(bytesOf(data));
        ASSERT_TRUE(loaded) << i << ": " << loaded.error();
        EXPECT_EQ(writeCyMeasureRecord(loaded->record), writeCyMeasureRecord(r)) << i;
        ASSERT_TRUE(fw::writeFile(data, oldData));
        ASSERT_TRUE(fw::writeFile(report, oldReport));
    }
    EXPECT_GT(refused, 500);
    EXPECT_GT(accepted, 500);   // among them the bytes no reader of the kind uses
}

// The findings of a user test, each with the refusal it now gets.
TEST(MeasureRecordCheck, FindingsAreRefused) {
    const CyMeasureRecord ext = singleRecord(measured(single(GearType::External, SolveMode::HelixGiven, 20, 44)));
    const CyMeasureRecord pair = pairRecord(measuredPair(MeshType::External, 20, 40, 44, 84, 61));
    const CyMeasureRecord ring = singleRecord(measured(single(GearType::Internal, SolveMode::HelixGiven, 60, 116)));
    const CyMeasureRecord inner = pairRecord(measuredPair(MeshType::Internal, 20, 60, 44, 116, 40));
    SingleInput steep = single(GearType::External, SolveMode::ShiftGiven, 20, 4 + 40 / std::cos(65 * kPi / 180));
    struct TrialCase {
        const char* name;
        SingleInput in;
        std::string msg;
    };
    const TrialCase trials[] = {
        // d = 2, hf = 2.5: df = 2 − 5 = −3.
        {"Z 1 gives df −3", single(GearType::External, SolveMode::HelixGiven, 1, 6),
         fw::format(kFmtNotPositive, "齿根圆直径df")},
        // d = 120 < da 124: h = (1 − √1.503)/0.2516 = −0.898, ha = (h − K·h²)·mn = −2.0.
        {"internal da > d", single(GearType::Internal, SolveMode::HelixGiven, 60, 124),
         fw::format(kFmtNotPositive, "齿顶高ha")},
        // mt = 40/cos 65°/20 gives β 65°, beyond the degrees field.
        {"computed β 65°", steep, kMsgHelixRange},
    };
    for (const TrialCase& c : trials) {
        auto r = singleTrial(c.in);
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error(), c.msg) << c.name;
    }
    struct RecordCase {
        const char* name;
        std::int32_t kind;
        CyMeasureRecord r;
        std::string msg;   // empty: loads
    };
    const RecordCase records[] = {
        {"ΔWs negative", 0, with(ext, 376, -0.05), kMsgDeviation},
        {"ΔWi 1e308", 0, with(ext, 368, 1e308), kMsgDeviation},
        {"pair ΔW2s negative", 2, with(pair, 392, -0.05), kMsgDeviation},
        {"Z 2000000000", 0, with(ext, 432, std::uint32_t{2000000000}), "齿数Z应在1～100000之间！"},
        {"pair Z2 2000000000", 2, with(pair, 436, std::uint32_t{2000000000}), "齿数Z1、Z2应在1～100000之间！"},
        {"β″ subnormal", 0, with(ext, 72, kSubnormal), "螺旋角β的度、分应在0～59之间，秒应在0～60之间！"},
        {"mn 1e300", 0, with(ext, 304, 1e300), kMsgModuleLarge},
        {"df −3", 0, with(ext, 144, -3.0), fw::format(kFmtNotPositive, "齿根圆直径df")},
        {"hc negative", 0, with(ext, 264, -0.2), fw::format(kFmtNotPositive, "固定弦齿高hc")},
        // The root diameters as stored (the pair's load recomputes its own,
        // its report and the profile tool read them): in their range, below
        // the tip of an external gear, above the tip of an internal one.
        {"pair df1 1000 under a 44 mm tip", 2, with(pair, 144, 1000.0),
         "小齿轮齿根圆直径df1应在0.000001～44mm之间（小于齿顶圆直径）！"},
        {"pair df1 −50", 2, with(pair, 144, -50.0), fw::format(kFmtNotPositive, "小齿轮齿根圆直径df1")},
        {"pair df2 1e300", 2, with(pair, 152, 1e300),
         "计算结果未被采用：大齿轮齿根圆直径df2 应在 0.000001 到 10000000 mm 之间。请检查输入数据！"},
        {"internal pair df2 inside its tip", 2, with(inner, 152, 100.0),
         "大齿轮齿根圆直径df2应在" + fw::formatNumber(inner.da[1]) + "～10000000mm之间（大于齿顶圆直径）！"},
        {"internal gear df inside its tip", 1, with(ring, 152, 100.0),
         "齿根圆直径df应在" + fw::formatNumber(ring.da[1]) + "～10000000mm之间（大于齿顶圆直径）！"},
        {"external gear df at its tip", 0, with(ext, 144, ext.da[0]),
         "齿根圆直径df应在0.000001～" + fw::formatNumber(ext.da[0]) + "mm之间（小于齿顶圆直径）！"},
        // The bytes of the other slot and of the pair columns are not read.
        {"NaN in the unused slot", 0, with(with(ext, 96, kNaN), 56, kNaN), ""},
        {"pair Δyn NaN (recomputed)", 2, with(pair, 136, kNaN), ""},
    };
    for (const RecordCase& c : records) {
        const auto file = fileWith(c.kind, c.r);
        auto loaded = c.kind == kKindPair ? loadPairMeasureFile(file) : loadSingleMeasureFile(file);
        if (c.msg.empty()) {
            EXPECT_TRUE(loaded) << c.name << ": " << loaded.error();
            continue;
        }
        ASSERT_FALSE(loaded) << c.name;
        EXPECT_EQ(loaded.error(), kavrin::refusedOnLoad(c.msg)) << c.name;
        auto fault = c.kind == kKindPair ? pairRecordFault(c.r) : singleRecordFault(c.kind, c.r);
        EXPECT_EQ(fault.value_or(""), c.msg) << c.name;
    }
}

// Angles in d°m′s″ are rounded to what they print, then split.
TEST(MeasureAngles, RoundedBeforeTheSplit) {
    EXPECT_EQ(helixText({10, 59, 59.999}), "11°0′0.00″");
    EXPECT_EQ(helixText({15, 30, 36.5}), "15°30′36.50″");
    EXPECT_EQ(helixText({0, 0, 59.996}), "0°1′0.00″");
    // Whole seconds by truncation, but not of the noise of a computed value.
    EXPECT_EQ(angleText(20 - 1e-13), "20°0′0″");
    EXPECT_EQ(angleText(21.88), "21°52′48″");
    EXPECT_EQ(angleText(22.438791252720602), "22°26′19″");   // 19.65″
    // 15° a hair short splits as 15° 0′ 0″; 15.51° as 15° 30′ 36″.
    const HelixAngle h = splitHelix(15 * kPi / 180 - 1e-15);
    EXPECT_EQ(h, (HelixAngle{15, 0, 0}));
    const HelixAngle g = splitHelix(15.51 * kPi / 180);
    EXPECT_EQ(g.deg, 15u);
    EXPECT_EQ(g.min, 30u);
    EXPECT_NEAR(g.sec, 36, 1e-6);
}

// The single-gear report prints αn and αt in decimal degrees ("%.3f°").
TEST(MeasureAngles, SingleReportPrintsPressureAnglesInDegrees) {
    SingleInput in = single(GearType::External, SolveMode::HelixGiven, 20, 0);
    in.beta = {15, 0, 0};
    in.da = 4 + 40 / std::cos(15 * kPi / 180);
    const CyMeasureRecord r = singleRecord(measured(in));
    const std::string t = singleReportText(0, r, civilDate(r.date));
    // αt = atan(tan 20°/cos 15°) = 20.646896°.
    EXPECT_NE(t.find(measureLine("法面压力角:", "αn=", "20.000°")), std::string::npos) << t;
    EXPECT_NE(t.find(measureLine("端面压力角:", "αt=", "20.647°")), std::string::npos) << t;
    EXPECT_NE(t.find(measureLine("螺 旋 角:", "β=", "15°0′0.00″")), std::string::npos) << t;
}
