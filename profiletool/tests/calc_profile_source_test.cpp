#include "profiletool/calc/profile_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "common/calc/record_check.h"
#include "cylindrical/calc/geometry_design.h"
#include "fw/file.h"
#include "fw/format.h"
#include "measurement/calc/cy_measure_record.h"
#include "measurement/calc/measure_record_check.h"
#include "profiletool/tests/source_files.h"
#include "smallmodule/calc/cy_sm_record.h"

using namespace profiletool;
using profiletool_test::designFile;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr std::int64_t kTime = 1765324800;

// The example pair of the geometry sheet: Z1 20, Z2 40, mn 2, αn 20°, β 0,
// x 0, ha* 1, c* 0.25 (index 0), external, a = ad = 60.
cylindrical::CyGeomRecord examplePair() {
    cylindrical::CyGeomRecord g;
    g.z1 = 20;
    g.z2 = 40;
    g.hand = cylindrical::kHandSpur;
    g.mn = 2;
    g.alphaNDeg = 20;
    g.a = g.ad = 60;
    g.alphaWtDeg = 20;
    g.haStar = 1;
    g.cStarIndex = 0;
    g.zv1 = 20;
    g.zv2 = 40;
    g.status = cylindrical::kCyGeomStatus;
    return g;
}

std::vector<std::uint8_t> fixture(const char* path) {
    auto b = fw::readFile(std::filesystem::path(KAVRIN_SOURCE_DIR) / path);
    EXPECT_TRUE(b) << path;
    return b ? *b : std::vector<std::uint8_t>{};
}

TEST(ProfileSource, DesignPairDerivations) {
    auto r = readProfileSource(designFile(examplePair()));
    ASSERT_TRUE(r) << r.error().hint;
    const ProfileSource& s = r->source;
    EXPECT_EQ(s.kind, SourceKind::Design);
    EXPECT_EQ(s.gearKind, 0);
    EXPECT_EQ(s.cStar, 0.25);
    // d = Z·mn, da = d + 2·mn, df = d − 2.5·mn, db = d·cos 20°.
    EXPECT_NEAR(s.gears[0].d, 40, 1e-12);
    EXPECT_NEAR(s.gears[0].da, 44, 1e-12);
    EXPECT_NEAR(s.gears[0].df, 35, 1e-12);
    EXPECT_NEAR(s.gears[1].db, 80 * std::cos(20 * kPi / 180), 1e-12);
    EXPECT_EQ(r->hint, std::string("所用的数据文件是成对外啮合齿轮设计计算数据!") + kHintChooseGear);
    EXPECT_TRUE(r->z1Enabled && r->z2Enabled);
    EXPECT_EQ(r->zChoice, 0);

    // The worked values of the example (fillet 0.5, no shrinkage).
    auto p = toolProfile(s, 0, 0.5, 0);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->flank[0].x, 1.14422, 5e-6);
    EXPECT_NEAR(p->flank[0].y, 17.95664, 5e-6);
    EXPECT_NEAR(p->flank[1].y, 18.75581, 5e-6);
    EXPECT_NEAR(p->flank[15].x, 2.75363, 5e-6);
    EXPECT_NEAR(p->centre.x, 0.64524, 5e-6);
    EXPECT_NEAR(p->root.y, 17.48875, 5e-6);
    EXPECT_EQ(p->diameter, 40);
    // The same record as the fixture computed on its own.
    EXPECT_EQ(measurement::writeProfileDataRecord(*p), fixture("measurement/tests/fixtures/pinion_z20.cyd"));
    auto g = toolProfile(s, 1, 0.5, 0);
    ASSERT_TRUE(g);
    EXPECT_NEAR(g->flank[0].x, 0.95500, 5e-6);
    EXPECT_NEAR(g->flank[0].y, 37.91775, 5e-6);
    EXPECT_NEAR(g->centre.x, 0.46135, 5e-6);
    EXPECT_NEAR(g->centre.y, 37.99720, 5e-6);
    EXPECT_EQ(g->flankMirror[3].x, -g->flank[3].x);
}

TEST(ProfileSource, InternalPairAndAngleFieldOrder) {
    cylindrical::CyGeomRecord g = examplePair();
    g.meshType = 1;
    g.z2 = 60;
    g.zv2 = 60;
    g.a = g.ad = 40;
    g.alphaNMin = 30;
    g.alphaNSec = 15;   // 20°30′15″, stored seconds, minutes, degrees
    auto r = readProfileSource(designFile(g));
    ASSERT_TRUE(r) << r.error().hint;
    const double an = (20 + 30 / 60.0 + 15 / 3600.0) * kPi / 180;
    EXPECT_NEAR(r->source.gears[0].alphaT, an * 180 / kPi, 1e-12);
    EXPECT_EQ(r->source.gearKind, 1);
    // Internal gear: tip d − 2·mn, root d + 2.5·mn.
    EXPECT_NEAR(r->source.gears[1].da, 116, 1e-12);
    EXPECT_NEAR(r->source.gears[1].df, 125, 1e-12);
    auto gear = toolProfile(r->source, 1, 0.5, 0);
    ASSERT_TRUE(gear);
    EXPECT_EQ(gear->type, 1);
    EXPECT_NEAR(std::hypot(gear->flank[0].x, gear->flank[0].y), 58, 1e-9);   // from the tip outward
    auto pinion = toolProfile(r->source, 0, 0.5, 0);
    ASSERT_TRUE(pinion);
    EXPECT_EQ(pinion->type, 0);
}

// The tool's own hints for a file without a finished geometry or with an
// unknown mesh; every other fault in the records is the geometry sheet's
// loader's refusal, naming the field and its range (first; a list index
// outside its list after the loader's message).
TEST(ProfileSource, RefusedDesignFiles) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        std::string hint;
        Disable disable;
    };
    auto with = [](auto change) {
        cylindrical::CyGeomRecord g = examplePair();
        change(g);
        return designFile(g);
    };
    const std::string loader = std::string(cylindrical::kMsgNotDesignFile) + "\n";
    cylindrical::CyPreRecord noRatio = profiletool_test::examplePreliminary();
    noRatio.i = 0;
    const Case cases[] = {
        {"preliminary only", cylindrical::cyPreFileBytes(cylindrical::CyPreRecord{}, kTime), kHintNoGeometry,
         Disable::ReadOkFilletShrinkage},
        {"status 101", [&] {
             auto f = designFile(examplePair());
             const std::int32_t status = 101;
             std::memcpy(f.data() + 64 + 376 + 184, &status, 4);
             return f;
         }(),
         kHintUnfinished, Disable::ReadOkFilletShrinkage},
        {"mesh 2", with([](auto& g) { g.meshType = 2; }), kHintBadMesh, Disable::ReadOk},
        {"Z1 −5", with([](auto& g) { g.z1 = -5; }), kavrin::refusedOnLoad("齿数 Z1：请输入 1 到 100000 之间的整数。"),
         Disable::ReadOkFilletShrinkage},
        {"NaN mn", with([](auto& g) { g.mn = std::nan(""); }), kavrin::refusedOnLoad("法面摸数 m：请输入 0.01 到 100 之间的数值。"),
         Disable::ReadOkFilletShrinkage},
        {"c* index 3", with([](auto& g) { g.cStarIndex = 3; }), loader + "径向齿隙系数 C：不是可选的一项。",
         Disable::ReadOkFilletShrinkage},
        {"αn minutes 60", with([](auto& g) { g.alphaNMin = 60; }), kavrin::refusedOnLoad("α 分：请输入 0 到 59 之间的整数。"),
         Disable::ReadOkFilletShrinkage},
        // The preliminary record is checked as the geometry sheet checks it.
        {"preliminary without its ratio", cylindrical::geometryDesignFileBytes(noRatio, examplePair(), kTime),
         kavrin::refusedOnLoad(*cylindrical::checkCyPreRecord(noRatio)), Disable::ReadOkFilletShrinkage},
    };
    for (const Case& c : cases) {
        auto r = readProfileSource(c.file);
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error().hint, c.hint) << c.name;
        EXPECT_EQ(r.error().disable, c.disable) << c.name;
    }
}

// Files the record check of their own kind refuses: the geometry example
// with Σx or yn at 1e300, xn1 at 6 or mn at 1e-300, and the measured pair
// with a root diameter df1 of 1000 mm under its 44 mm tip. Each is refused
// with that loader's words, naming the field and its range; the patched
// bytes are the fields the layouts give them.
TEST(ProfileSource, OtherCalculatorsFilesPassTheirRecordChecks) {
    ASSERT_TRUE(readProfileSource(profiletool_test::geometryExample()));
    ASSERT_TRUE(readProfileSource(profiletool_test::measuredPair()));
    const auto refused = profiletool_test::refusedByTheirRecordChecks();
    ASSERT_EQ(refused.size(), 5u);
    auto geometry = [&](std::size_t i) {
        return *cylindrical::readCyGeomRecord(std::span(refused[i].file).subspan(64 + 376));
    };
    EXPECT_EQ(geometry(0).sumX, 1e300);
    EXPECT_EQ(geometry(1).yn, 1e300);
    EXPECT_EQ(geometry(2).xn1, 6);
    EXPECT_EQ(geometry(3).mn, 1e-300);
    EXPECT_EQ(measurement::readCyMeasureRecord(std::span(refused[4].file).subspan(64))->df[0], 1000);
    for (const auto& c : refused) {
        auto r = readProfileSource(c.file);
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error().hint, c.hint) << c.name;
    }
    // The same words as the geometry sheet's own load of the file.
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(cylindrical::loadGeometryDesign(refused[i].file).error(), refused[i].hint) << refused[i].name;
}

// A design whose values each lie in their ranges but give a root circle
// outside the tip circle (Σx − yn = 10 shortens the tips by 10 modules) is
// no tooth to draw.
TEST(ProfileSource, RootOutsideTheTipIsRefused) {
    cylindrical::CyGeomRecord g = examplePair();
    g.sumX = 10;
    g.xn1 = 5;
    g.xn2 = 5;
    ASSERT_FALSE(cylindrical::checkCyGeomRecord(g));
    auto r = readProfileSource(designFile(g));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().hint, kHintBadValues);
}

TEST(ProfileSource, HeaderRefusals) {
    auto file = designFile(examplePair());
    auto old = file;
    const std::int32_t v103 = 103;
    std::memcpy(old.data(), &v103, 4);
    EXPECT_EQ(readProfileSource(old).error().hint, kHintOldVersion);
    auto other = file;
    std::memcpy(other.data() + 36, "W_TARVDESIGN", 12);
    EXPECT_EQ(readProfileSource(other).error().hint, kHintNotCyb);
    EXPECT_EQ(readProfileSource(other).error().disable, Disable::OkFilletShrinkage);
    EXPECT_EQ(readProfileSource(std::span(file).first(40)).error().hint, kHintNotCyb);
}

TEST(ProfileSource, MeasurementKinds) {
    // The single external gear the single-gear measurement dialog saved.
    auto single = fixture("measurement/tests/fixtures/single_z20.cyb");
    auto r = readProfileSource(single);
    ASSERT_TRUE(r) << r.error().hint;
    EXPECT_EQ(r->hint, "所输入的数据是单个外齿轮测量的几何数据。\n");
    EXPECT_TRUE(r->z1Enabled);
    EXPECT_FALSE(r->z2Enabled);
    EXPECT_EQ(r->zChoice, 0);
    EXPECT_EQ(r->source.gearKind, 0);
    auto loaded = measurement::readCyMeasureRecord(std::span(single).subspan(64));
    ASSERT_TRUE(loaded);
    // The record equals the shared routine's output for the values the file holds.
    const double beta = (loaded->betaDeg + loaded->betaMin / 60.0 + loaded->betaSec / 3600.0) * kPi / 180;
    measurement::ProfileInput in{.internal = false, .z = static_cast<std::int32_t>(loaded->z[0]), .filletRadius = 0.5,
                                 .shrinkage = 1, .d = loaded->d[0], .da = loaded->da[0], .df = loaded->df[0],
                                 .db = loaded->db[0], .alphaT = loaded->alphaT * kPi / 180,
                                 .xt = loaded->xn[0] * std::cos(beta)};
    auto expected = measurement::profilePoints(in);
    auto got = toolProfile(r->source, 0, 0.5, 1);
    ASSERT_TRUE(expected && got);
    EXPECT_EQ(*got, *expected);

    // Internal single gear and pairs, as the measurement dialogs save them.
    using measurement::GearType, measurement::MeshType, measurement::SolveMode;
    const measurement::SingleInput ring{.type = GearType::Internal, .mode = SolveMode::HelixGiven, .mn = 2, .z = 60,
                                        .da = 116};
    auto ringResult = measurement::singleTrial(ring);
    ASSERT_TRUE(ringResult) << ringResult.error();
    measurement::SingleMeasure sm{.in = ring, .out = *ringResult, .date = loaded->date};
    const measurement::CyMeasureRecord m = measurement::singleRecord(sm);
    auto internal = readProfileSource(measurement::cyMeasureFileBytes(1, m, kTime));
    ASSERT_TRUE(internal) << internal.error().hint;
    {
        EXPECT_EQ(internal->hint, "所输入的数据是单个内齿轮测量的几何数据。\n");
        EXPECT_FALSE(internal->z1Enabled);
        EXPECT_TRUE(internal->z2Enabled);
        EXPECT_EQ(internal->zChoice, 1);
        EXPECT_EQ(internal->source.gearKind, 1);
        EXPECT_EQ(internal->source.gears[1].da, ringResult->daCalc);
    }
    // A measured pair: both gears, the mesh from the record.
    auto pairOf = [&](MeshType mesh, std::uint32_t z2, double da2, double aw) {
        measurement::PairMeasure pm;
        pm.in = {.mesh = mesh, .mn = 2, .z1 = 20, .z2 = z2, .da1 = 44, .da2 = da2, .aw = aw};
        auto r = measurement::pairTrial(pm.in, {});
        EXPECT_TRUE(r) << r.error();
        if (r) pm.out = *r;
        pm.date = loaded->date;
        return measurement::cyMeasureFileBytes(2, measurement::pairRecord(pm), kTime);
    };
    auto external = readProfileSource(pairOf(MeshType::External, 40, 84, 60));
    ASSERT_TRUE(external) << external.error().hint;
    EXPECT_EQ(external->hint, std::string("所输入的数据是外啮合成对齿轮测量的几何数据。\n") + kHintChooseGear);
    EXPECT_TRUE(external->z1Enabled && external->z2Enabled);
    EXPECT_EQ(external->source.gears[1].z, 40);
    auto internalPair = readProfileSource(pairOf(MeshType::Internal, 60, 116, 40));
    ASSERT_TRUE(internalPair) << internalPair.error().hint;
    EXPECT_EQ(internalPair->hint, std::string("所输入的数据是内啮合成对齿轮对测量的几何数据。\n") + kHintChooseGear);
    EXPECT_EQ(internalPair->source.gearKind, 1);
    // A measured gear its own loader refuses is refused with the loader's words.
    auto steep = measurement::cyMeasureFileBytes(1, m, kTime);
    const double hugeModule = 1e300;
    std::memcpy(steep.data() + 64 + 304, &hugeModule, 8);
    EXPECT_EQ(readProfileSource(steep).error().hint, kavrin::refusedOnLoad(measurement::kMsgModuleLarge));

    auto badKind = measurement::cyMeasureFileBytes(1, m, kTime);
    const std::int32_t three = 3;
    std::memcpy(badKind.data() + 4, &three, 4);
    EXPECT_EQ(readProfileSource(badKind).error().hint, kHintNotCyb);
}

smallmodule::CySmRecord smallPair() {
    smallmodule::SmInput in;
    in.pattern = smallmodule::Pattern::HelicalSpur;
    in.mn = 0.5;
    in.u = 2;
    in.aw = 13;
    in.sigma = 10;
    auto out = smallmodule::calculate(in);
    EXPECT_TRUE(out);
    smallmodule::CySmRecord r;
    r.in = in;
    r.in.beta1 = out->g1.beta;
    r.moduleIndex = 8;
    r.out = *out;
    r.rhoF = 0.1;
    return r;
}

TEST(ProfileSource, SmallModuleGearUsesItsOwnAngles) {
    const smallmodule::CySmRecord sm = smallPair();
    auto r = readProfileSource(smallmodule::cySmFileBytes(sm, kTime));
    ASSERT_TRUE(r) << r.error().hint;
    EXPECT_EQ(r->hint, std::string("所输入的数据是小模数交错轴成对齿轮设计数据。\n") + kHintChooseGear);
    const ProfileSource& s = r->source;
    EXPECT_EQ(s.gears[0].alphaT, sm.out.g1.alphaT);
    EXPECT_EQ(s.gears[0].beta, sm.out.g1.beta);
    EXPECT_EQ(s.gears[1].alphaT, sm.out.g2.alphaT);   // the gear's second set
    EXPECT_EQ(s.gears[1].beta, 0);
    EXPECT_NE(s.gears[0].alphaT, s.gears[1].alphaT);
    // A gear run leaves the pinion's values as they were.
    ASSERT_TRUE(toolProfile(s, 1, 0.1, 0));
    auto pinion = toolProfile(s, 0, 0.1, 0);
    ASSERT_TRUE(pinion);
    measurement::ProfileInput in{.internal = false, .z = 17, .filletRadius = 0.1, .shrinkage = 0, .d = sm.out.g1.d,
                                 .da = sm.out.g1.da, .df = sm.out.g1.df, .db = sm.out.g1.db,
                                 .alphaT = sm.out.g1.alphaT * kPi / 180,
                                 .xt = sm.out.g1.xn * std::cos(sm.out.g1.beta * kPi / 180)};
    EXPECT_EQ(*pinion, *measurement::profilePoints(in));
    // A small-module file that its own loader refuses is refused here too,
    // with the loader's words.
    auto bad = smallmodule::cySmFileBytes(sm, kTime);
    const std::int32_t four = 4;
    std::memcpy(bad.data() + 64 + 640, &four, 4);
    EXPECT_EQ(readProfileSource(bad).error().hint, std::string(smallmodule::kMsgNotSmFile) + "\n安装方式无效！");
}

TEST(ProfileSource, FilletAndShrinkageRules) {
    ProfileSource s;
    s.mn = 4;
    s.kind = SourceKind::Design;
    EXPECT_EQ(defaultFillet(s), 1.0);
    EXPECT_EQ(defaultShrinkage(s), 1.0);
    s.kind = SourceKind::SmallModule;
    EXPECT_NEAR(defaultFillet(s), 0.8, 1e-15);
    const FilletRange r = filletRange(4);
    EXPECT_NEAR(r.upper, 1.52, 1e-15);
    EXPECT_EQ(filletRangeMessage(r), "齿根过渡圆角半径不应＜0.800mm或大于1.520mm");
    EXPECT_TRUE(shrinkageAccepted(0));
    EXPECT_TRUE(shrinkageAccepted(2.99));
    EXPECT_FALSE(shrinkageAccepted(3));
    EXPECT_FALSE(shrinkageAccepted(-0.1));
}

// The bounds the refusal prints are inside (0.2·3 is 0.6000000000000001 in
// doubles, so a typed 0.600 was refused); a step of 0.001 mm beyond is not.
TEST(ProfileSource, FilletBoundsAsPrintedAreAccepted) {
    struct Case {
        double mn, lower, upper;   // 0.2·mn and 0.38·mn as the message prints them
    };
    const Case cases[] = {{3, 0.600, 1.140}, {0.1, 0.020, 0.038}, {0.3, 0.060, 0.114}, {4, 0.800, 1.520}};
    for (const Case& c : cases) {
        EXPECT_TRUE(filletAccepted(c.lower, c.mn)) << c.mn;
        EXPECT_TRUE(filletAccepted(c.upper, c.mn)) << c.mn;
        EXPECT_FALSE(filletAccepted(c.lower - 0.001, c.mn)) << c.mn;
        EXPECT_FALSE(filletAccepted(c.upper + 0.001, c.mn)) << c.mn;
        EXPECT_EQ(filletRangeMessage(filletRange(c.mn)),
                  fw::format("齿根过渡圆角半径不应＜%.3fmm或大于%.3fmm", c.lower, c.upper));
    }
}

// What a read puts into the fields, the fields accept: the shrinkage default
// 0.25·mn would reach the refused 3 at mn 12; a module the tool cannot draw
// (1e300) or beyond the geometry record's range (100.5) is refused at the
// read, in the geometry sheet loader's words.
TEST(ProfileSource, DefaultsPassTheirFieldsAndAbsurdModulesAreRefused) {
    ProfileSource s;
    for (double mn : {0.1, 4.0, 11.9, 12.0, 50.0, 100.0}) {
        s.mn = mn;
        EXPECT_TRUE(shrinkageAccepted(defaultShrinkage(s))) << mn;
        EXPECT_TRUE(filletAccepted(defaultFillet(s), mn)) << mn;
    }
    s.mn = 4;
    EXPECT_EQ(defaultShrinkage(s), 1.0);
    s.mn = 12;
    EXPECT_EQ(defaultShrinkage(s), kShrinkageDefaultMax);
    for (double mn : {1e300, 100.5}) {
        cylindrical::CyGeomRecord g = examplePair();
        g.mn = mn;
        g.a = g.ad = 30 * mn;
        auto r = readProfileSource(designFile(g));
        ASSERT_FALSE(r) << mn;
        EXPECT_EQ(r.error().hint,
                  kavrin::refusedOnLoad("法面摸数 m：请输入 0.01 到 100 之间的数值。"))
            << mn;
    }
    cylindrical::CyGeomRecord g = examplePair();
    g.mn = 100;
    g.a = g.ad = 3000;
    EXPECT_TRUE(readProfileSource(designFile(g)));
}

TEST(ProfileSource, PathAndSaveNames) {
    EXPECT_EQ(checkSourcePath("/nowhere/x.cyt"), std::string(kHintNotCyb));
    EXPECT_EQ(checkSourcePath("/nowhere/x.cyb"), std::string("渐开线齿轮几何计算数据文件:\n/nowhere/x.cyb\n未能找到"));
    const auto upper = std::filesystem::path(KAVRIN_SOURCE_DIR) / "measurement/tests/fixtures/single_z20.cyb";
    EXPECT_FALSE(checkSourcePath(upper));
    struct Case {
        const char* chosen;
        const char* saved;
        bool changed;
    };
    const Case cases[] = {
        {"/d/gear.cyd", "/d/gear.cyd", false},
        {"/d/gear.dat", "/d/gear.dat.cyd", true},
        {"/d/gear.", "/d/gear.cyd", true},
        {"/d.x/gear", "/d.x/gear.cyd", true},
    };
    for (const Case& c : cases) {
        auto n = cydName(c.chosen);
        EXPECT_EQ(n.path, std::filesystem::path(c.saved)) << c.chosen;
        EXPECT_EQ(n.changed, c.changed) << c.chosen;
    }
}

}  // namespace
