// The one check of the geometry record, as the loads, the saves and the
// calculations run it: the findings on values that pass the number parser
// but are not gears (each refused with its reason), and a property test per
// kind over designs the calculations make and records with odd values: what
// the check accepts saves and loads back equal, what it refuses is never
// written.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/geometry/calc/cycloidal_geometry.h"
#include "bevel/geometry/calc/spiral_geometry.h"
#include "bevel/geometry/calc/straight_geometry.h"
#include "bevel/geometry/tests/cycloidal_fixtures.h"
#include "common/calc/record_check.h"
#include "common/tests/range_probes.h"
#include "fw/format.h"
#include "fw/file.h"

using namespace bevel;

namespace {

constexpr double kPi = 3.141592653589793;

// Straight: Z1 20, Z2 40, m 4, α 20°, β 0 (calc_straight_geometry_test).
StraightInput straightPair() {
    StraightInput in;
    in.z1 = 20;
    in.z2 = 40;
    in.m = 4;
    return in;
}

std::optional<ConeGeomRecord> straightRecord(const StraightInput& in) {
    const StraightCones cones = straightCones(in);
    auto r = straightGeometry(in, cones, helixOf(in));
    if (!r) return std::nullopt;
    ConeGeomRecord g;
    fillStraightRecord(g, in, *r);
    g.rf = 0.12;
    return g;
}

// Spiral: Z1 14, Z2 39, m 4.5, βm 35°, the 127 mm cutter of row 9, band 2.
SpiralInput spiralPair() {
    SpiralInput in;
    in.z1 = 14;
    in.z2 = 39;
    in.m = 4.5;
    return in;
}
const CutterRow kCutter127{9, 2, 127.0, 30, 0, 51, 102, 13.5, 38, 6};

std::optional<ConeGeomRecord> spiralRecord(const SpiralInput& in, const CutterRow& cutter) {
    const SpiralCones cones = spiralCones(in);
    auto r = spiralGeometry(in, cones);
    if (!r) return std::nullopt;
    auto heel = heelFromCutter(in, cones.r, cones.b, cutter.d0);
    if (!heel) return std::nullopt;
    ConeGeomRecord g;
    fillSpiralRecord(g, in, *r);
    fillSpiralCutter(g, 0, cutter, *heel);
    return g;
}



// The record as the dialog fills it: α and βm from the fields (whole
// degrees here), the rest from the calculation; x1 < 0 takes x1min.
std::optional<ConeGeomRecord> cycloidalRecord(const aol::Inputs& in, const CutterHeadRecord& head, int group,
                                              double tilt = 0, double x1 = -1, int cutterType = 0) {
    const aol::Cone c = aol::cone(in);
    auto ref = aol::referencePoint(c, head, group);
    if (!ref) return std::nullopt;
    const double x = x1 >= 0 ? x1 : aol::x1Min(in, c, *ref, head, group, tilt);
    const aol::Results res = aol::finish(in, c, *ref, x);
    ConeGeomRecord g;
    g.alphaDeg = cutterType == 0 ? 20 : 17;
    g.alphaMin = cutterType == 0 ? 0 : 30;
    g.betaDeg = static_cast<std::int32_t>(in.betaMDeg);
    aol::fillRecord(g, in, c, *ref, res, {.cutterType = cutterType, .headIndex = 2, .group = group, .tiltDeg = tilt});
    return g;
}

ConeGeomRecord valid(ConeKind kind) {
    std::optional<ConeGeomRecord> g;
    switch (kind) {
    case ConeKind::Straight: g = straightRecord(straightPair()); break;
    case ConeKind::Spiral: g = spiralRecord(spiralPair(), kCutter127); break;
    case ConeKind::Cycloidal: g = cycloidalRecord(workedCycloidalPair(), rb49(), 1); break;
    }
    EXPECT_TRUE(g);
    return g ? *g : ConeGeomRecord{};
}

std::filesystem::path tempFolder(const char* name) {
    const char* root = std::getenv("KAVRIN_TEST_TMP");
    auto dir = (root ? std::filesystem::path(root) : std::filesystem::temp_directory_path()) / "record_check" / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

const char* kindName(ConeKind k) {
    return k == ConeKind::Straight ? "straight" : k == ConeKind::Spiral ? "spiral" : "cycloidal";
}

}  // namespace

TEST(ConeGeomCheck, TheWorkedPairsOfEveryKindPass) {
    for (ConeKind kind : {ConeKind::Straight, ConeKind::Spiral, ConeKind::Cycloidal}) {
        const ConeGeomRecord g = valid(kind);
        auto checked = checkConeGeomRecord(g, kind);
        EXPECT_TRUE(checked) << kindName(kind) << ": " << (checked ? "" : checked.error());
        // And no other kind takes it.
        for (ConeKind other : {ConeKind::Straight, ConeKind::Spiral, ConeKind::Cycloidal})
            if (other != kind) { EXPECT_FALSE(checkConeGeomRecord(g, other)) << kindName(kind) << " as " << kindName(other); }
    }
}

// Values that pass the number parser but are not gears, as the fields, a
// calculation or an edited file put them into the record: each refused,
// with the value named.
TEST(ConeGeomCheck, FindingsAreRefusedWithTheirReason) {
    struct Finding {
        const char* what;
        ConeKind kind;
        std::function<void(ConeGeomRecord&)> change;
        std::string reason;
        std::string loadMessage = {};  // of the saved-design load; empty: the reason first
    };
    // A cycloidal pair with χ1 = 3: hf1 = 2.15mp + 0.35 − 4mp = −6.161 mm and
    // ha2 = −2mp = −7.038 mm (mp 3.5192, by hand); the addendum is named first.
    auto x1Three = cycloidalRecord(workedCycloidalPair(), rb49(), 1, 0, 3);
    ASSERT_TRUE(x1Three);
    // A straight pair at β 89°: tan β = 57.3 makes εβ huge (the field takes at
    // most 60°, and the record check the same).
    StraightInput steep = straightPair();
    steep.beta = {89, 0, 0};
    auto steepRecord = straightRecord(steep);
    ASSERT_TRUE(steepRecord);
    const double subnormal = 2.1e-314;
    ASSERT_EQ(std::fpclassify(subnormal), FP_SUBNORMAL);
    const std::vector<Finding> findings = {
        {"straight α minutes 75", ConeKind::Straight, [](auto& g) { g.alphaMin = 75; },
         "齿形角α＝20°75′0″超出允许范围（度0～30，分、秒0～59）。"},
        {"straight β degrees 90", ConeKind::Straight, [](auto& g) { g.betaDeg = 90; },
         "螺旋角β＝90°0′0″超出允许范围（度0～60，分、秒0～59）。"},
        {"straight β 89°", ConeKind::Straight, [&](auto& g) { g = *steepRecord; },
         "螺旋角β＝89°0′0″超出允许范围（度0～60，分、秒0～59）。"},
        {"cycloidal βm minutes 75", ConeKind::Cycloidal, [](auto& g) { g.betaMin = 75; },
         "中点螺旋角βm＝35°75′0″超出允许范围（度0～60，分、秒0～59）。"},
        {"straight Z1 3000000000 as an int32", ConeKind::Straight,
         [](auto& g) { g.z1 = static_cast<std::int32_t>(3000000000u); },
         "齿数Z1＝-1294967296、Z2＝40无效（应1≤Z1≤Z2≤1000）。"},
        {"spiral Z2 2·10⁹", ConeKind::Spiral, [](auto& g) { g.z2 = 2000000000; },
         "齿数Z1＝14、Z2＝2000000000无效（应1≤Z1≤Z2≤1000）。"},
        {"cycloidal χ1 3", ConeKind::Cycloidal, [&](auto& g) { g = *x1Three; }, "大齿轮齿顶高ha2＝-7.038，应大于0。"},
        {"cycloidal χ1 3, the dedendum alone", ConeKind::Cycloidal,
         [&](auto& g) {
             g = *x1Three;
             g.ha2 = 1;
         },
         "小齿轮齿根高hf1＝-6.161，应大于0。"},
        {"cycloidal α 25°", ConeKind::Cycloidal, [](auto& g) { g.alphaDeg = 25; }, "EN型刀盘的齿形角α应为20°0′0″。"},
        {"cycloidal TC head at 20°", ConeKind::Cycloidal, [](auto& g) { g.cutterChoice = 1; },
         "TC型刀盘的齿形角α应为17°30′0″。"},
        {"cycloidal βm 0°", ConeKind::Cycloidal, [](auto& g) { g.betaDeg = 0; }, "中点螺旋角βm应大于0。"},
        {"cycloidal φR 0", ConeKind::Cycloidal, [](auto& g) { g.phiR = 0; }, "φR＝0超出允许范围（0.01～0.99）。"},
        {"straight φR 0.2", ConeKind::Straight, [](auto& g) { g.phiR = 0.2; }, "φR＝0.2超出允许范围（0.25～1/3）。"},
        {"spiral χ1 subnormal", ConeKind::Spiral, [&](auto& g) { g.x1 = subnormal; }, "高变位系数 χ1的数值无效。"},
        {"spiral βm seconds subnormal in β", ConeKind::Spiral, [&](auto& g) { g.betaOuter.sec = subnormal; },
         "大端螺旋角β的数值无效。"},
        {"spiral module 1e300", ConeKind::Spiral, [](auto& g) { g.mt = 1e300; }, "模数 m＝1e+300超出允许范围（0.01～100mm）。"},
        {"straight negative root angle", ConeKind::Straight, [](auto& g) { g.deltaF1 = {-1, 30, 0}; },
         "小齿轮根锥角δf1＝-0.5000°，应在0°～90°之间。"},
        {"straight εβ without a helix", ConeKind::Straight, [](auto& g) { g.epsBeta = 3.3e16; },
         "齿向重合度εβ＝33000000000000000.000与螺旋角不符。"},
        {"spiral face width beyond R", ConeKind::Spiral, [](auto& g) { g.b = g.r; },
         "齿宽b＝93.233不小于锥距R＝93.233。"},
        {"spiral cutter below 12.7", ConeKind::Spiral, [](auto& g) { g.d0 = 5; }, "自定义刀盘名义直径 d0＝5.00小于12.7mm。"},
        {"cycloidal tilt 2°", ConeKind::Cycloidal, [](auto& g) { g.tilt = 2; }, "铣刀轴倾角Δα＝2无效。",
         std::string(kMsgConeGeomNotGeometry) + "\n铣刀轴倾角Δα＝2无效。"},
        {"spiral status 0", ConeKind::Spiral, [](auto& g) { g.status = 0; }, "几何计算未完成。",
         kMsgConeGeomNotGeometry},
        {"straight design in the spiral kind", ConeKind::Spiral, [](auto& g) { g.toothSystem = 1; },
         "齿型制1不属于此计算。", "所选择的数据文件是直线齿格利森圆锥齿轮,不宜用此方法计算!"},
    };
    for (const Finding& f : findings) {
        ConeGeomRecord g = valid(f.kind);
        f.change(g);
        auto checked = checkConeGeomRecord(g, f.kind);
        ASSERT_FALSE(checked) << f.what;
        EXPECT_EQ(checked.error(), f.reason) << f.what;
        // The saved-design load refuses the file with its own message and the
    // reason, which names the value.
        const auto file = coneGeomFileBytes(preRecordForSave(zeroConePreRecord(), valid(f.kind)), g, 0);
        auto loaded = loadConeDesign(file, ConeLoad::Saved, f.kind);
        ASSERT_FALSE(loaded) << f.what;
        EXPECT_EQ(loaded.error().message,
                  f.loadMessage.empty() ? kavrin::refusedOnLoad(f.reason) : f.loadMessage)
            << f.what;
    }
}

TEST(ConeGeomCheck, PreliminaryValuesBeyondTheGeometryFieldsAreRefused) {
    const ConeGeomRecord g = valid(ConeKind::Spiral);
    ConePreRecord pre = preRecordForSave(zeroConePreRecord(), g);
    EXPECT_TRUE(preliminaryFitsGeometry(pre));
    auto file = [&](const ConePreRecord& p) {
        auto bytes = coneGeomFileBytes(p, ConeGeomRecord{}, 0);
        bytes.resize(kavrin::CDataFileHeader::kSize + ConePreRecord::kSize);
        return bytes;
    };
    EXPECT_TRUE(loadConeDesign(file(pre), ConeLoad::Preliminary, ConeKind::Spiral));
    ConePreRecord many = pre;
    many.z2 = 3000000000u;
    many.i = 3000000000.0 / 14;
    EXPECT_FALSE(preliminaryFitsGeometry(many));
    EXPECT_FALSE(loadConeDesign(file(many), ConeLoad::Preliminary, ConeKind::Spiral));
    ConePreRecord huge = pre;
    huge.mt = 1e300;
    EXPECT_FALSE(loadConeDesign(file(huge), ConeLoad::Preliminary, ConeKind::Spiral));
}

// A record the check refuses is never written: the save says why and the
// old file and report stay byte for byte.
TEST(ConeGeomCheck, TheSaveWritesNoRecordTheCheckRefuses) {
    const auto dir = tempFolder("save");
    const auto data = dir / "gear.cng", report = dir / "gear.tng";
    const std::vector<std::uint8_t> oldData{1, 2, 3}, oldReport{'r', '\r', '\n'};
    ASSERT_TRUE(fw::writeFile(data, oldData));
    ASSERT_TRUE(fw::writeFile(report, oldReport));
    ConeGeomRecord g = valid(ConeKind::Cycloidal);
    g.hf1 = -6.16;
    auto saved = saveConeGeomDesign(ConeKind::Cycloidal, data, preRecordForSave(zeroConePreRecord(), g), g, report,
                                    "section\n", 0);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().refusal, "小齿轮齿根高hf1＝-6.160，应大于0。");
    EXPECT_EQ(coneSaveRefusedMessage(saved.error().refusal), "数据未保存：小齿轮齿根高hf1＝-6.160，应大于0。");
    // A preliminary record that no load would take is refused the same way.
    ConePreRecord broken = preRecordForSave(zeroConePreRecord(), valid(ConeKind::Cycloidal));
    broken.alphaMin = 75;
    saved = saveConeGeomDesign(ConeKind::Cycloidal, data, broken, valid(ConeKind::Cycloidal), report, "section\n", 0);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().refusal, "预定设计数据无效。");
    EXPECT_EQ(*fw::readFile(data), oldData);
    EXPECT_EQ(*fw::readFile(report), oldReport);
    for (const auto& e : std::filesystem::directory_iterator(dir))
        EXPECT_TRUE(e.path() == data || e.path() == report) << e.path();
}

// Whatever the save writes, the load reads back equal; whatever the check
// refuses is never written. Designs of each kind from the calculations over
// random inputs, then the same records with one field set to an odd value.
TEST(ConeGeomCheckProperty, SavedRecordsLoadBackAndRefusedOnesAreNeverWritten) {
    std::mt19937 rng(20261210);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    auto integer = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::ifstream in(std::filesystem::path(KAVRIN_SOURCE_DIR) / "tools/cuttertables/cutter_tables.txt");
    std::ostringstream text;
    text << in.rdbuf();
    const auto tables = parseCutterTableSource(text.str());
    ASSERT_TRUE(tables);
    std::ifstream headsIn(std::filesystem::path(KAVRIN_SOURCE_DIR) / "help/tables/entc.txt");
    std::ostringstream headsText;
    headsText << headsIn.rdbuf();
    const auto heads = parseCutterTable(headsText.str());
    ASSERT_TRUE(heads);

    auto design = [&](ConeKind kind) -> std::optional<ConeGeomRecord> {
        switch (kind) {
        case ConeKind::Straight: {
            StraightInput s;
            s.z1 = static_cast<std::uint32_t>(integer(8, 60));
            s.z2 = s.z1 + static_cast<std::uint32_t>(integer(0, 90));
            s.m = uniform(0.5, 20);
            s.alpha = {integer(15, 25), integer(0, 59), integer(0, 59)};
            s.beta = integer(0, 2) == 0 ? kavrin::AngleTriple{} : kavrin::AngleTriple{integer(0, 45), integer(0, 59), 0};
            s.haStar = uniform(0.81, 1);
            s.cStar = uniform(0.1, 0.3);
            s.x1 = uniform(-0.4, 0.4);
            s.x2 = -s.x1;
            s.xt1 = uniform(-0.05, 0.05);
            s.xt2 = -s.xt1;
            s.phiR = uniform(0.25, 0.3333333333333333);
            s.taper = integer(0, 1);
            return straightRecord(s);
        }
        case ConeKind::Spiral: {
            SpiralInput s;
            s.z1 = integer(10, 40);
            s.z2 = s.z1 + integer(0, 80);
            s.m = uniform(1, 12);
            s.betaM = {integer(0, 1) == 0 ? 0 : integer(10, 45), integer(0, 59), 0};
            s.taper = integer(1, 3);
            s.alpha = s.taper == kTaperDouble ? kavrin::AngleTriple{20, 0, 0}
                                              : kavrin::AngleTriple{integer(15, 24), integer(0, 59), integer(0, 59)};
            s.haStar = uniform(0.8, 1);
            s.cStar = uniform(0.1, 0.3);
            s.x1 = uniform(-0.3, 0.3);
            s.x2 = -s.x1;
            s.phiR = uniform(0.15, 0.3333333333333333);
            const SpiralCones cones = spiralCones(s);
            const auto rows = cutterRows(*tables, cones.r, spiralBetaMDegrees(s));
            if (rows.empty()) return std::nullopt;
            return spiralRecord(s, rows[static_cast<std::size_t>(integer(0, static_cast<int>(rows.size()) - 1))]);
        }
        case ConeKind::Cycloidal: {
            aol::Inputs c;
            c.z1 = integer(10, 40);
            c.z2 = c.z1 + integer(0, 60);
            c.mt = uniform(2, 8);
            c.betaMDeg = integer(30, 45);
            c.phiR = uniform(0.25, 0.3333333333333333);
            const int type = integer(0, 1);
            c.alphaDeg = type == 0 ? 20 : 17.5;
            // The head and blade group as the charts choose them: the head
            // whose radius range holds Rp·sin βp' (Q = rb² + Eb² of the table
            // makes rb the radius at the reference point), the group whose
            // module range holds the reference-point module it gives.
            const aol::Cone cone = aol::cone(c);
            const double rb = cone.rp * std::sin(cone.betaP1Deg * kPi / 180);
            std::vector<std::pair<std::size_t, int>> fitting;
            for (std::size_t k = 0; k < heads->size(); ++k)
                for (int g = 0; g < 3; ++g)
                    if (auto ref = aol::referencePoint(cone, (*heads)[k], g);
                        ref && rb >= (*heads)[k].rbMin && rb <= (*heads)[k].rbMax &&
                        ref->mp >= (*heads)[k].mMin[static_cast<std::size_t>(g)] &&
                        ref->mp <= (*heads)[k].mMax[static_cast<std::size_t>(g)])
                        fitting.emplace_back(k, g);
            if (fitting.empty()) return std::nullopt;
            const auto [k, g] = fitting[static_cast<std::size_t>(integer(0, static_cast<int>(fitting.size()) - 1))];
            return cycloidalRecord(c, (*heads)[k], g, kConeTilts[integer(0, 2)], -1, type);
        }
        }
        return std::nullopt;
    };
    // Odd values for any one field: not finite, subnormal, negative, huge, zero.
    const double odd[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 2.1e-314,
                          -1, -1e300, 1e300, 0, 0.5, 90, 1e-9};
    auto scramble = [&](ConeGeomRecord& g) {
        double* doubles[] = {&g.cStar, &g.haStar, &g.mt, &g.x1, &g.xt1, &g.epsAlpha, &g.s1, &g.s2, &g.ak1, &g.da2,
                             &g.h, &g.hf1, &g.ha2, &g.b, &g.r, &g.d1, &g.delta1.sec, &g.deltaF2.deg, &g.phiR, &g.zp,
                             &g.epsBeta, &g.betaOuter.min, &g.tilt, &g.d0, &g.mp, &g.ri, &g.rp, &g.rf, &g.sBar1};
        std::int32_t* ints[] = {&g.alphaDeg, &g.alphaMin, &g.betaSec, &g.z1, &g.z2, &g.taper, &g.toothSystem,
                                &g.cutterChoice, &g.cutterRow, &g.cutterBand, &g.status};
        if (integer(0, 2) != 0)
            *doubles[integer(0, static_cast<int>(std::size(doubles)) - 1)] = odd[integer(0, static_cast<int>(std::size(odd)) - 1)];
        else
            *ints[integer(0, static_cast<int>(std::size(ints)) - 1)] = std::array<std::int32_t, 6>{-1, 0, 7, 60, 100001, 2147483647}
                [static_cast<std::size_t>(integer(0, 5))];
    };
    const auto dir = tempFolder("property");
    for (ConeKind kind : {ConeKind::Straight, ConeKind::Spiral, ConeKind::Cycloidal}) {
        int designs = 0, accepted = 0, refused = 0;
        for (int n = 0; n < 3000 && designs < 250; ++n) {
            auto made = design(kind);
            if (!made) continue;
            ++designs;
            for (int variant = 0; variant < 2; ++variant) {
                ConeGeomRecord g = *made;
                if (variant == 1) scramble(g);
                const ConePreRecord pre = preRecordForSave(zeroConePreRecord(), g);
                const auto data = dir / "gear.cng";
                std::filesystem::remove(data);
                auto saved = saveConeGeomDesign(kind, data, pre, g, dir / "gear.tng", "x\n", 1700000000);
                if (!checkConeGeomSave(kind, pre, g)) {
                    ++refused;
                    ASSERT_FALSE(saved) << kindName(kind);
                    EXPECT_FALSE(saved.error().refusal.empty());
                    EXPECT_FALSE(std::filesystem::exists(data)) << kindName(kind);
                    continue;
                }
                ++accepted;
                ASSERT_TRUE(saved) << kindName(kind);
                auto bytes = fw::readFile(data, kConeGeomFileSize);
                ASSERT_TRUE(bytes);
                auto loaded = loadConeDesign(*bytes, ConeLoad::Saved, kind);
                ASSERT_TRUE(loaded) << kindName(kind) << " variant " << variant << ": " << loaded.error().message;
                EXPECT_EQ(writeConeGeomRecord(loaded->geom), writeConeGeomRecord(g)) << kindName(kind);
                EXPECT_TRUE(loadConeDesign(*bytes, ConeLoad::Preliminary, kind));
            }
        }
        // Not vacuous: most designs of the calculations pass, the odd values mostly not.
        EXPECT_GT(designs, 200) << kindName(kind);
        EXPECT_GT(accepted, designs * 9 / 10) << kindName(kind);
        EXPECT_GT(refused, designs / 2) << kindName(kind);
    }
}

// The range table against the file: every slot a kind's load reads, with
// the absurd values (±1e300, ±1e-300) and each bound of its quantity and a
// step either side. A value outside its quantity is refused by the load,
// naming it; the load refuses exactly what the record check refuses, and so
// does the save's check; a slot without a rule between fields takes what its
// quantity (and its kind's rule) admits.
namespace {

enum class Slot { I32, F64, Angle };
struct RangeSlot {
    const char* what;
    std::size_t offset;  // in the geometry record
    Slot type;
    kavrin::Quantity q;
    const kavrin::Quantity* rule = nullptr;  // the kind's own rule within q
    const char* named = nullptr;             // what a refusal names, when not q.name
    bool crossRule = false;  // a rule between fields may refuse a value q admits
};

std::vector<RangeSlot> rangeSlots(ConeKind kind) {
    namespace q = cone_geom;
    const bool straight = kind == ConeKind::Straight, spiral = kind == ConeKind::Spiral, cyc = kind == ConeKind::Cycloidal;
    const q::KindInputs& in = *coneKindRules(kind).inputs;   // named as the kind's dialog labels them
    std::vector<RangeSlot> s = {
        {"α deg", 0, Slot::I32, q::kAlphaDeg, nullptr, "齿形角α", true},
        {"α min", 4, Slot::I32, q::kAlphaMin, nullptr, "齿形角α", true},
        {"α sec", 8, Slot::I32, q::kAlphaSec, nullptr, "齿形角α", true},
        {"β deg", 12, Slot::I32, q::kBetaDeg, nullptr, "螺旋角", true},
        {"β min", 16, Slot::I32, q::kBetaMin, nullptr, "螺旋角", true},
        {"β sec", 20, Slot::I32, q::kBetaSec, nullptr, "螺旋角", true},
        {"Z1", 48, Slot::I32, q::kZ1, nullptr, "Z1", true},
        {"Z2", 52, Slot::I32, q::kZ2, nullptr, "Z2", true},
        {"c*", 24, Slot::F64, in.cStar, straight ? &q::kCStarStraight : spiral ? &q::kCStarSpiral : nullptr},
        {"ha*", 32, Slot::F64, q::kHaStar, straight ? &q::kHaStarStraight : &q::kHaStarCurved},
        {"mt", 40, Slot::F64, in.mt},
        {"χ1", 56, Slot::F64, in.x1},
        {"χ2", 64, Slot::F64, in.x2},
        {"χτ2", 72, Slot::F64, in.xt2},
        {"χτ1", 80, Slot::F64, in.xt1},
        {"εα", 112, Slot::F64, q::kEpsAlpha},
        {"εβ", 576, Slot::F64, q::kEpsBeta, nullptr, nullptr, true},
        {"Ak2", 360, Slot::F64, q::kAk2},
        {"Ak1", 368, Slot::F64, q::kAk1},
        {"da2", 376, Slot::F64, q::kDa2},
        {"da1", 384, Slot::F64, q::kDa1},
        {"h", 392, Slot::F64, q::kH},
        {"hf2", 400, Slot::F64, q::kHf2},
        {"hf1", 408, Slot::F64, q::kHf1},
        {"ha2", 416, Slot::F64, q::kHa2},
        {"ha1", 424, Slot::F64, q::kHa1},
        {"b", 432, Slot::F64, q::kB, nullptr, nullptr, true},
        {"R", 440, Slot::F64, q::kR, nullptr, nullptr, true},
        {"d2", 448, Slot::F64, q::kD2},
        {"d1", 456, Slot::F64, q::kD1},
        {"φR", 520, Slot::F64, q::kPhiR, straight ? &q::kPhiRStraight : nullptr},
        {"δ2", 464, Slot::Angle, q::kDelta2},
        {"δ1", 488, Slot::Angle, q::kDelta1},
    };
    auto add = [&](std::initializer_list<RangeSlot> more) { s.insert(s.end(), more); };
    if (!cyc)
        add({{"Zv2", 96, Slot::F64, q::kZv2},
             {"Zv1", 104, Slot::F64, q::kZv1},
             {"δf2", 168, Slot::Angle, q::kDeltaF2},
             {"δf1", 192, Slot::Angle, q::kDeltaF1},
             {"θf2", 216, Slot::Angle, q::kThetaF2},
             {"θf1", 240, Slot::Angle, q::kThetaF1},
             {"δa2", 264, Slot::Angle, q::kDeltaA2},
             {"δa1", 288, Slot::Angle, q::kDeltaA1},
             {"θa2", 312, Slot::Angle, q::kThetaA2},
             {"θa1", 336, Slot::Angle, q::kThetaA1}});
    if (straight)
        add({{"Rτ", 88, Slot::F64, q::kRTau},
             {"s̄2", 136, Slot::F64, q::kSBar2},
             {"s̄1", 144, Slot::F64, q::kSBar1},
             {"s2", 152, Slot::F64, q::kS2},
             {"s1", 160, Slot::F64, q::kS1},
             {"rf", 512, Slot::F64, q::kRf},
             {"h̄2", 536, Slot::F64, q::kHBar2},
             {"h̄1", 544, Slot::F64, q::kHBar1}});
    if (spiral)
        add({{"s2", 152, Slot::F64, q::kS2},
             {"s1", 160, Slot::F64, q::kS1},
             {"Zp", 560, Slot::F64, q::kZp},
             {"Δθf", 568, Slot::F64, q::kDThetaF},
             {"β heel", 616, Slot::Angle, q::kBetaOuter},
             {"d0", 696, Slot::F64, q::kD0}});
    if (cyc)
        add({{"s2", 152, Slot::F64, q::kS2Cycloidal},
             {"s1", 160, Slot::F64, q::kS1Cycloidal},
             {"Zc", 560, Slot::F64, q::kZc},
             {"βi", 592, Slot::Angle, q::kBetaInner},
             {"β heel", 616, Slot::Angle, q::kBetaOuter},
             {"βp'", 648, Slot::Angle, q::kBetaP0},
             {"βp", 672, Slot::Angle, q::kBetaP},
             {"Δh", 696, Slot::F64, q::kDh},
             {"mp", 704, Slot::F64, q::kMp},
             {"Ri", 712, Slot::F64, q::kRi},
             {"Rp", 720, Slot::F64, q::kRp}});
    return s;
}

// An angle slot takes whole degrees (minutes and seconds 0): the absurd
// values, and the whole degrees beside each bound.
std::vector<double> angleProbes(const kavrin::Quantity& q) {
    std::vector<double> v{1e300, -1e300, 1e-300, -1e-300};
    for (double b : {q.lower(), q.upper()})
        for (double d : {std::floor(b) - 1, std::floor(b), std::ceil(b), std::ceil(b) + 1}) v.push_back(d);
    return v;
}

}  // namespace

TEST(ConeGeomRanges, LoadAndSaveRefuseExactlyWhatTheRangesRefuse) {
    constexpr std::size_t kGeomAt = kavrin::CDataFileHeader::kSize + ConePreRecord::kSize;
    for (ConeKind kind : {ConeKind::Straight, ConeKind::Spiral, ConeKind::Cycloidal}) {
        const ConeGeomRecord sound = valid(kind);
        const ConePreRecord pre = preRecordForSave(zeroConePreRecord(), sound);
        const std::vector<std::uint8_t> file = coneGeomFileBytes(pre, sound, 0);
        ASSERT_TRUE(loadConeDesign(file, ConeLoad::Saved, kind)) << kindName(kind);
        for (const RangeSlot& slot : rangeSlots(kind)) {
            const std::vector<double> probes = slot.type == Slot::I32     ? kavrin_test::countProbes(slot.q)
                                               : slot.type == Slot::Angle ? angleProbes(slot.q)
                                                                          : kavrin_test::numberProbes(slot.q);
            for (double v : probes) {
                SCOPED_TRACE(std::string(kindName(kind)) + " " + slot.what + " = " + fw::format("%.17g", v));
                std::vector<std::uint8_t> edited = file;
                bool whole = true;
                if (slot.type == Slot::I32) {
                    const auto n = static_cast<std::int32_t>(v);
                    std::memcpy(&edited[kGeomAt + slot.offset], &n, 4);
                } else {
                    std::memcpy(&edited[kGeomAt + slot.offset], &v, 8);
                    if (slot.type == Slot::Angle) {
                        const double zero = 0;
                        std::memcpy(&edited[kGeomAt + slot.offset + 8], &zero, 8);
                        std::memcpy(&edited[kGeomAt + slot.offset + 16], &zero, 8);
                        whole = v == std::floor(v);
                    }
                }
                const ConeGeomRecord g =
                    readConeGeomRecord(std::span(edited).subspan<kGeomAt, ConeGeomRecord::kSize>());
                const bool inRange = whole && slot.q.admits(v) && (!slot.rule || slot.rule->admits(v));
                auto loaded = loadConeDesign(edited, ConeLoad::Saved, kind);
                auto checked = checkConeGeomRecord(g, kind);
                EXPECT_EQ(loaded.has_value(), checked.has_value());
                EXPECT_EQ(checkConeGeomSave(kind, pre, g).has_value(), checked.has_value());
                if (!inRange) {
                    ASSERT_FALSE(loaded);
                    const std::string named = slot.named ? slot.named : std::string(slot.q.name);
                    // a cutter word outside its list: no design of the kind; a value: named first
                    const std::string& m = loaded.error().message;
                    if (coneGeomListFault(g, kind)) {
                        EXPECT_EQ(m.rfind(kMsgConeGeomNotGeometry, 0), 0u) << m;
                    } else {
                        EXPECT_NE(m.substr(0, m.find('\n')).find(named), std::string::npos) << m;
                    }
                    EXPECT_NE(m.find(named), std::string::npos) << m;
                } else if (!slot.crossRule) {
                    EXPECT_TRUE(loaded) << loaded.error().message;
                }
            }
        }
    }
}

// The values found in files edited by hand: a length of 1e300 or 1e-300 mm,
// shifts of 1e300, a cycloidal Δh of 1e300; each refused at load, naming it.
TEST(ConeGeomRanges, AbsurdValuesOfEditedFilesAreRefusedNamingThem) {
    struct Case {
        ConeKind kind;
        std::function<void(ConeGeomRecord&)> change;
        const char* reason;
    };
    const Case cases[] = {
        {ConeKind::Straight, [](auto& g) { g.d1 = 1e300; }, "小齿轮分度圆直径d1＝1e+300超出允许范围（0.000001～10000000mm）。"},
        {ConeKind::Straight, [](auto& g) { g.hBar2 = 1e-300; }, "大齿轮弦齿高h̄2＝1e-300超出允许范围（0.000001～10000000mm）。"},
        {ConeKind::Straight, [](auto& g) { g.rf = 1e300; }, "齿根圆角系数 rf＝1e+300超出允许范围（0.001～2）。"},
        {ConeKind::Spiral, [](auto& g) { g.x1 = 1e300; }, "高变位系数 χ1＝1e+300超出允许范围（-5～5）。"},
        {ConeKind::Spiral, [](auto& g) { g.d0 = 1e300; }, "自定义刀盘名义直径 d0＝1e+300超出允许范围（12.7～10000mm）。"},
        {ConeKind::Spiral, [](auto& g) { g.thetaA1.deg = 1e300; }, "小齿轮齿顶角θa1＝1e+300超出允许范围（-90～90°）。"},
        {ConeKind::Cycloidal, [](auto& g) { g.d0 = 1e300; }, "齿高变位量Δh＝1e+300超出允许范围（-100～100mm）。"},
        {ConeKind::Cycloidal, [](auto& g) { g.cStar = 1e300; }, "齿顶隙系数c*＝1e+300超出允许范围（0～0.5）。"},
        {ConeKind::Cycloidal, [](auto& g) { g.xt1 = -1e300; }, "切向变位系数χτ1＝-1e+300超出允许范围（-1～1）。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        ConeGeomRecord g = valid(c.kind);
        const ConePreRecord pre = preRecordForSave(zeroConePreRecord(), g);
        c.change(g);
        auto loaded = loadConeDesign(coneGeomFileBytes(pre, g, 0), ConeLoad::Saved, c.kind);
        ASSERT_FALSE(loaded);
        EXPECT_EQ(loaded.error().message, kavrin::refusedOnLoad(c.reason));
        auto saved = checkConeGeomSave(c.kind, pre, g);
        ASSERT_FALSE(saved);
        EXPECT_EQ(saved.error(), c.reason);
    }
}
