#include "bevel/geometry/calc/cone_geom_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>

#include "common/calc/data_file_header.h"
#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "fw/file.h"

using namespace bevel;

namespace {

constexpr std::int64_t kExampleTime = 1765324800;
const std::filesystem::path kSource(KAVRIN_SOURCE_DIR);

std::vector<std::uint8_t> readAll(const std::filesystem::path& p) {
    auto bytes = fw::readFile(p);
    EXPECT_TRUE(bytes) << p;
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}
std::vector<std::uint8_t> geomFixture() { return readAll(kSource / "bevel/geometry/tests/fixtures/conegeom_example.cng"); }
std::vector<std::uint8_t> preFixture() { return readAll(kSource / "bevel/preliminary/tests/fixtures/conepre_example.cng"); }

ConePreRecord fixturePre() {
    auto file = preFixture();
    return readConePreRecord(std::span<const std::uint8_t, ConePreRecord::kSize>(file.data() + 64, ConePreRecord::kSize));
}

// The values fixtures/make_conegeom_example.py lays out, field by field.
ConeGeomRecord exampleGeom() {
    ConeGeomRecord g;
    g.alphaDeg = 20;
    g.alphaMin = 11;
    g.alphaSec = 12;
    g.betaDeg = 35;
    g.betaMin = 13;
    g.betaSec = 14;
    g.cStar = 0.188;
    g.haStar = 0.85;
    g.mt = 3.75;
    g.z1 = 21;
    g.z2 = 50;
    g.x1 = 0.3276;
    g.x2 = -0.3276;
    g.xt2 = -0.045;
    g.xt1 = 0.045;
    g.rTau = 11.5;
    g.zv2 = 131.25;
    g.zv1 = 21.125;
    g.epsAlpha = 1.3125;
    g.sBar2 = 4.0625;
    g.sBar1 = 7.1875;
    g.s2 = 4.125;
    g.s1 = 7.25;
    g.deltaF2.deg = 60.0;
    g.deltaF2.min = 10.0;
    g.deltaF2.sec = 20.5;
    g.deltaF1.deg = 61.0;
    g.deltaF1.min = 11.0;
    g.deltaF1.sec = 21.5;
    g.thetaF2.deg = 62.0;
    g.thetaF2.min = 12.0;
    g.thetaF2.sec = 22.5;
    g.thetaF1.deg = 63.0;
    g.thetaF1.min = 13.0;
    g.thetaF1.sec = 23.5;
    g.deltaA2.deg = 64.0;
    g.deltaA2.min = 14.0;
    g.deltaA2.sec = 24.5;
    g.deltaA1.deg = 65.0;
    g.deltaA1.min = 15.0;
    g.deltaA1.sec = 25.5;
    g.thetaA2.deg = 66.0;
    g.thetaA2.min = 16.0;
    g.thetaA2.sec = 26.5;
    g.thetaA1.deg = 67.0;
    g.thetaA1.min = 17.0;
    g.thetaA1.sec = 27.5;
    g.ak2 = 36.5;
    g.ak1 = 91.5;
    g.da2 = 188.25;
    g.da1 = 82.75;
    g.h = 7.0625;
    g.hf2 = 4.4375;
    g.hf1 = 2.5625;
    g.ha2 = 2.625;
    g.ha1 = 4.5;
    g.b = 27.5;
    g.r = 100.9375;
    g.d2 = 187.5;
    g.d1 = 75.0;
    g.delta2.deg = 68.0;
    g.delta2.min = 9.0;
    g.delta2.sec = 54.75;
    g.delta1.deg = 21.0;
    g.delta1.min = 48.0;
    g.delta1.sec = 5.25;
    g.rf = 0.3;
    g.phiR = 0.2725;
    g.taper = 2;
    g.hBar2 = 4.1875;
    g.hBar1 = 4.6875;
    g.toothSystem = 4;
    g.zp = 53.875;
    g.dThetaF = 12.375;
    g.epsBeta = 1.6875;
    g.cutterChoice = 9;
    g.betaInner.deg = 30.0;
    g.betaInner.min = 40.0;
    g.betaInner.sec = 50.25;
    g.betaOuter.deg = 31.0;
    g.betaOuter.min = 41.0;
    g.betaOuter.sec = 51.25;
    g.tilt = 1.5;
    g.betaP0.deg = 37.0;
    g.betaP0.min = 27.0;
    g.betaP0.sec = 17.125;
    g.betaP.deg = 38.0;
    g.betaP.min = 28.0;
    g.betaP.sec = 18.125;
    g.d0 = 152.4;
    g.mp = 3.125;
    g.ri = 73.4375;
    g.rp = 89.5;
    g.cutterRow = 6;
    g.cutterBand = 1;
    g.status = 202;
    g.date = "2025年12月11日";
    g.number = "KV-B01-G";
    g.title = "电动葫芦弧齿锥齿轮副几何";
    return g;
}

void putI32(std::vector<std::uint8_t>& b, std::size_t off, std::int32_t v) { std::memcpy(&b[off], &v, 4); }
void putF64(std::vector<std::uint8_t>& b, std::size_t off, double v) { std::memcpy(&b[off], &v, 8); }

// File offsets of a file with header.
constexpr std::size_t kPre = 64, kGeom = 408;

TEST(ConeGeomRecord, WriterMatchesTheFixtureAndTheReaderReadsEveryField) {
    const auto expected = geomFixture();
    ASSERT_EQ(expected.size(), 1296u);
    const auto written = coneGeomFileBytes(fixturePre(), exampleGeom(), kExampleTime);
    ASSERT_EQ(written.size(), expected.size());
    for (std::size_t i = 0; i < written.size(); ++i) ASSERT_EQ(written[i], expected[i]) << "byte " << i;

    const ConeGeomRecord back =
        readConeGeomRecord(std::span<const std::uint8_t, ConeGeomRecord::kSize>(expected.data() + kGeom, 888));
    EXPECT_EQ(back, exampleGeom());
    EXPECT_EQ(back.cutterRow, 6);
    EXPECT_EQ(back.betaP.sec, 18.125);
    EXPECT_EQ(back.title, "电动葫芦弧齿锥齿轮副几何");
}

TEST(ConeGeomRecord, UnsetBytesAndAZeroRecordAreWrittenAsZeros) {
    const auto bytes = writeConeGeomRecord(ConeGeomRecord{});
    ASSERT_EQ(bytes.size(), 888u);
    for (std::size_t i = 0; i < bytes.size(); ++i) EXPECT_EQ(bytes[i], 0) << "byte " << i;
    const auto pre = writeConePreRecord(zeroConePreRecord());
    for (std::size_t i = 0; i < pre.size(); ++i) EXPECT_EQ(pre[i], 0) << "byte " << i;
    // Header bytes 8 to 35 and the free bytes of the geometry record.
    const auto file = geomFixture();
    for (std::size_t i = 8; i < 36; ++i) EXPECT_EQ(file[i], 0) << "header byte " << i;
    for (std::size_t off : {120u, 128u, 532u, 556u, 588u}) EXPECT_EQ(file[kGeom + off], 0) << off;
}

TEST(ConeGeomRecord, SplitOfAComputedAngle) {
    // 45° exactly; arctan 0.5 = 26.565051177°: 26°, 0.565051177·60 = 33.9030706′,
    // 0.9030706·60 = 54.184″ (hand calculation).
    EXPECT_EQ(kavrin::splitRadiansDms(0.7853981633974483), (AngleDms{45, 0, 0.0}));
    const AngleDms a = kavrin::splitRadiansDms(std::atan(0.5));
    EXPECT_EQ(a.deg, 26);
    EXPECT_EQ(a.min, 33);
    EXPECT_NEAR(a.sec, 54.184, 1e-3);
    EXPECT_EQ(kavrin::formatDms(a), "26°33′54.2″");
}

TEST(ConeGeomLoad, SavedDesignLoadsWithEveryRecord) {
    auto loaded = loadConeDesign(geomFixture(), ConeLoad::Saved, ConeKind::Spiral);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_FALSE(loaded->oldFile);
    EXPECT_EQ(loaded->geom, exampleGeom());
    EXPECT_EQ(loaded->pre.title, "电动葫芦弧齿锥齿轮副");
}

TEST(ConeGeomLoad, OldFileWithoutHeaderLoadsFromOffsetZero) {
    ConePreRecord pre = fixturePre();
    pre.mask = 103;  // the first int32 of the file: below 104, no header
    auto file = writeConePreRecord(pre);
    auto geom = writeConeGeomRecord(exampleGeom());
    file.insert(file.end(), geom.begin(), geom.end());
    ASSERT_EQ(file.size(), 1232u);
    auto loaded = loadConeDesign(file, ConeLoad::Saved, ConeKind::Spiral);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_TRUE(loaded->oldFile);
    EXPECT_EQ(loaded->pre.mask, 103);
    EXPECT_EQ(loaded->geom.d0, 152.4);
    file.resize(1231);
    EXPECT_FALSE(loadConeDesign(file, ConeLoad::Saved, ConeKind::Spiral));
    EXPECT_TRUE(loadConeDesign(file, ConeLoad::Preliminary, ConeKind::Spiral));
}

TEST(ConeGeomLoad, PreliminaryFileLoadsOnlyAsPreliminary) {
    auto file = geomFixture();
    putI32(file, kGeom + 736, 0);
    EXPECT_TRUE(loadConeDesign(file, ConeLoad::Preliminary, ConeKind::Spiral));
    auto refused = loadConeDesign(file, ConeLoad::Saved, ConeKind::Spiral);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, "载入的数据不包含锥齿轮几何计算或根本不是锥齿轮计算!");
    EXPECT_TRUE(refused.error().exclamation);
}

struct Refusal {
    const char* what;
    ConeLoad load;
    ConeKind kind;
    std::function<void(std::vector<std::uint8_t>&)> change;
    const char* message;
};

TEST(ConeGeomLoad, RefusesEveryBrokenFile) {
    const char* notBevel = "所用数据文件不包含圆锥齿轮设计计算数据。";
    const char* notGeom = "载入的数据不包含锥齿轮几何计算或根本不是锥齿轮计算!";
    // A TC head (cutter type 1) cuts at α 17°30′0″.
    auto cycloidal = [](std::vector<std::uint8_t>& f) {
        putI32(f, kPre + 56, 7);
        putI32(f, kGeom + 552, 7);
        putI32(f, kGeom + 584, 1);
        putI32(f, kGeom + 732, 2);
        putI32(f, kGeom + 0, 17);
        putI32(f, kGeom + 4, 30);
        putI32(f, kGeom + 8, 0);
        putF64(f, kGeom + 696, 0);  // Δh where the spiral design keeps its cutter diameter
    };
    const std::vector<Refusal> cases = {
        {"1000 bytes", ConeLoad::Saved, ConeKind::Spiral, [](auto& f) { f.resize(1000); }, notBevel},
        {"400 bytes, saved", ConeLoad::Saved, ConeKind::Spiral, [](auto& f) { f.resize(400); }, notBevel},
        {"400 bytes, preliminary", ConeLoad::Preliminary, ConeKind::Spiral, [](auto& f) { f.resize(400); }, notBevel},
        {"cylindrical word", ConeLoad::Saved, ConeKind::Spiral,
         [](auto& f) { std::memcpy(&f[36], "W_CYDESIGN\0", 12); }, notBevel},
        {"preliminary status", ConeLoad::Preliminary, ConeKind::Spiral, [](auto& f) { putI32(f, kPre + 212, 200); },
         notGeom},
        {"tooth system 9", ConeLoad::Preliminary, ConeKind::Spiral, [](auto& f) { putI32(f, kPre + 56, 9); }, notGeom},
        {"tooth system 9 in the geometry", ConeLoad::Saved, ConeKind::Spiral,
         [](auto& f) { putI32(f, kGeom + 552, 9); }, notGeom},
        {"Z1 = 0", ConeLoad::Saved, ConeKind::Spiral, [](auto& f) { putI32(f, kGeom + 48, 0); },
         "齿数Z1＝0、Z2＝50无效（应1≤Z1≤Z2≤1000）。"},
        {"Z2 < Z1", ConeLoad::Saved, ConeKind::Spiral, [](auto& f) { putI32(f, kGeom + 52, 20); },
         "齿数Z1＝21、Z2＝20无效（应1≤Z1≤Z2≤1000）。"},
        {"mt = 0", ConeLoad::Saved, ConeKind::Spiral, [](auto& f) { putF64(f, kGeom + 40, 0); }, "模数 m＝0.000，应大于0。"},
        {"minutes 60", ConeLoad::Saved, ConeKind::Spiral, [](auto& f) { putI32(f, kGeom + 4, 60); },
         "齿形角α＝20°60′12″超出允许范围（度0～30，分、秒0～59）。"},
        {"seconds -1", ConeLoad::Saved, ConeKind::Spiral, [](auto& f) { putI32(f, kGeom + 20, -1); },
         "中点螺旋角βm＝35°13′-1″超出允许范围（度0～60，分、秒0～59）。"},
        {"b not finite", ConeLoad::Saved, ConeKind::Spiral, [](auto& f) { putF64(f, kGeom + 432, NAN); }, "齿宽 b的数值无效。"},
        {"spiral taper 0", ConeLoad::Saved, ConeKind::Spiral, [](auto& f) { putI32(f, kGeom + 528, 0); }, notGeom},
        {"spiral cutter row 17", ConeLoad::Saved, ConeKind::Spiral, [](auto& f) { putI32(f, kGeom + 728, 17); },
         notGeom},
        {"spiral band 4", ConeLoad::Saved, ConeKind::Spiral, [](auto& f) { putI32(f, kGeom + 732, 4); }, notGeom},
        {"cycloidal head 11", ConeLoad::Saved, ConeKind::Cycloidal,
         [&](auto& f) { cycloidal(f); putI32(f, kGeom + 728, 11); }, notGeom},
        {"cycloidal cutter type 2", ConeLoad::Saved, ConeKind::Cycloidal,
         [&](auto& f) { cycloidal(f); putI32(f, kGeom + 584, 2); }, notGeom},
        {"cycloidal blade group 3", ConeLoad::Saved, ConeKind::Cycloidal,
         [&](auto& f) { cycloidal(f); putI32(f, kGeom + 732, 3); }, notGeom},
        {"straight taper 2", ConeLoad::Saved, ConeKind::Straight,
         [](auto& f) { putI32(f, kGeom + 552, 1); putI32(f, kPre + 56, 1); }, notGeom},
        {"spiral design in the straight calculator", ConeLoad::Saved, ConeKind::Straight, [](auto&) {},
         "所选择的数据文件是弧齿格利森圆锥齿轮,不宜用此方法计算!"},
        {"standard record in the spiral calculator", ConeLoad::Preliminary, ConeKind::Spiral,
         [](auto& f) { putI32(f, kPre + 56, 0); }, "所选择的数据文件是标准圆锥齿轮,不宜用此方法计算!"},
        {"standard design in the spiral calculator", ConeLoad::Saved, ConeKind::Spiral,
         [](auto& f) { putI32(f, kGeom + 552, 0); }, "所选择的数据文件是标准或自定义圆锥齿轮,不宜用此方法计算!"},
    };
    for (const Refusal& c : cases) {
        auto file = geomFixture();
        c.change(file);
        auto r = loadConeDesign(file, c.load, c.kind);
        ASSERT_FALSE(r) << c.what;
        // The first line: the message of a file not of the kind, or the
        // value out of its range, named.
        const std::string& m = r.error().message;
        EXPECT_EQ(m.substr(0, m.find('\n')), c.message) << c.what;
    }
    // The cycloidal edits alone make a design the cycloidal load accepts.
    auto file = geomFixture();
    cycloidal(file);
    const ConeGeomRecord edited = readConeGeomRecord(std::span(file).subspan<kGeom, ConeGeomRecord::kSize>());
    auto checked = checkConeGeomRecord(edited, ConeKind::Cycloidal);
    EXPECT_TRUE(checked) << (checked ? "" : checked.error());
    EXPECT_TRUE(loadConeDesign(file, ConeLoad::Saved, ConeKind::Cycloidal));
}

TEST(ConeGeomSave, TypedInDesignGetsAPreliminaryRecordTheLoadsAccept) {
    ConeGeomRecord g = exampleGeom();
    const ConePreRecord pre = preRecordForSave(zeroConePreRecord(), g);
    EXPECT_EQ(pre.status, kConePreStatus);
    EXPECT_EQ(pre.alphaDeg, 20);
    EXPECT_EQ(pre.alphaMin, 11);
    EXPECT_EQ(pre.betaSec, 14);
    EXPECT_EQ(pre.cStar, 0.188);
    EXPECT_EQ(pre.haStar, 0.85);
    EXPECT_EQ(pre.mt, 3.75);
    EXPECT_EQ(pre.toothSystem, 4);
    EXPECT_EQ(pre.z1, 21u);
    EXPECT_EQ(pre.z2, 50u);
    EXPECT_DOUBLE_EQ(pre.i, 50.0 / 21.0);
    EXPECT_EQ(pre.x1, 0.3276);
    EXPECT_EQ(pre.x2, -0.3276);
    EXPECT_EQ(pre.xt1, 0.045);
    EXPECT_EQ(pre.xt2, -0.045);
    EXPECT_EQ(pre.date, g.date);
    EXPECT_EQ(pre.number, g.number);
    EXPECT_EQ(pre.title, g.title);
    const auto file = coneGeomFileBytes(pre, g, kExampleTime);
    auto loaded = loadConeDesign(file, ConeLoad::Saved, ConeKind::Spiral);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->geom, g);
    EXPECT_TRUE(loadConeDesign(file, ConeLoad::Preliminary, ConeKind::Spiral));
}

class ConeGeomSaveFiles : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tmp = std::getenv("KAVRIN_TEST_TMP");
        dir = std::filesystem::path(tmp ? tmp : "/tmp") / "bevel_geometry_save" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    std::filesystem::path dir;
};

TEST_F(ConeGeomSaveFiles, ChainFromThePreliminaryDesign) {
    // A file as the preliminary design saves it: 408 bytes.
    const auto data = dir / "v1.2" / "gear.cng";
    std::filesystem::create_directories(data.parent_path());
    const auto preBytes = preFixture();
    ASSERT_EQ(preBytes.size(), 408u);
    ASSERT_TRUE(fw::writeFile(data, preBytes));
    {
        std::ofstream(dir / "v1.2" / "gear.tng") << "preliminary\r\n";
    }
    auto first = loadConeDesign(readAll(data), ConeLoad::Preliminary, ConeKind::Spiral);
    ASSERT_TRUE(first) << first.error().message;
    EXPECT_FALSE(loadConeDesign(readAll(data), ConeLoad::Saved, ConeKind::Spiral));

    ConeGeomRecord g = exampleGeom();
    const auto report = coneReportName(data);
    EXPECT_EQ(report, dir / "v1.2" / "gear.tng");
    for (const char* section : {"first\n", "second\n"})
        ASSERT_TRUE(saveConeGeomDesign(ConeKind::Spiral, data, preRecordForSave(first->pre, g), g, report, section, kExampleTime));

    const auto saved = readAll(data);
    ASSERT_EQ(saved.size(), 1296u);
    EXPECT_TRUE(loadConeDesign(saved, ConeLoad::Saved, ConeKind::Spiral));
    EXPECT_TRUE(loadConeDesign(saved, ConeLoad::Preliminary, ConeKind::Spiral));
    // The preliminary bytes are the old ones but the ratio (record bytes 88 to 95).
    for (std::size_t i = 0; i < 408; ++i)
        if (i < kPre + 88 || i >= kPre + 96) { ASSERT_EQ(saved[i], preBytes[i]) << "byte " << i; }
    double ratio = 0;
    std::memcpy(&ratio, &saved[kPre + 88], 8);
    EXPECT_DOUBLE_EQ(ratio, 50.0 / 21.0);
    const auto text = readAll(report);
    EXPECT_EQ(std::string(text.begin(), text.end()), "preliminary\r\nfirst\r\nsecond\r\n");
}

TEST_F(ConeGeomSaveFiles, MissingFolderWritesNothing) {
    const auto data = dir / "missing" / "gear.cng";
    auto r = saveConeGeomDesign(ConeKind::Spiral, data, fixturePre(), exampleGeom(), coneReportName(data), "x\n", kExampleTime);
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.error().refusal.empty());
    EXPECT_TRUE(r.error().file.dataFile);
    EXPECT_NE(r.error().file.error.openMessage().find("不能打开文件"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST_F(ConeGeomSaveFiles, ReportThatCannotBeWrittenKeepsTheOldDesign) {
    const auto data = dir / "gear.cng";
    const auto old = preFixture();
    ASSERT_TRUE(fw::writeFile(data, old));
    std::filesystem::create_directories(dir / "gear.tng");  // the report's name taken by a folder
    auto r = saveConeGeomDesign(ConeKind::Spiral, data, fixturePre(), exampleGeom(), coneReportName(data), "x\n", kExampleTime);
    ASSERT_FALSE(r);
    EXPECT_FALSE(r.error().file.dataFile);
    EXPECT_EQ(readAll(data), old);
}

TEST(ConeGeomNames, OneReportNameAndTheKindsNotices) {
    EXPECT_EQ(coneReportName("/d/x.v2.cng"), std::filesystem::path("/d/x.v2.tng"));
    EXPECT_EQ(coneReportName("/d/v1.2/gear.cng"), std::filesystem::path("/d/v1.2/gear.tng"));
    auto plain = normaliseConeDataName("/d/gear");
    EXPECT_EQ(plain.path, std::filesystem::path("/d/gear.cng"));
    EXPECT_FALSE(plain.changed);
    auto txt = normaliseConeDataName("/d/v1.2/gear.txt");
    EXPECT_EQ(txt.path, std::filesystem::path("/d/v1.2/gear.cng"));
    EXPECT_TRUE(txt.changed);
    EXPECT_EQ(coneRenameMessage(ConeKind::Straight, "a.cng"), "文件命名不正确！\n现以a.cng\n文件名格式存盘。");
    EXPECT_EQ(coneRenameMessage(ConeKind::Cycloidal, "a.cng"), "所指定的文件名不是有效格式，现以a.cng文件名保存！");
    EXPECT_STREQ(coneKindRules(ConeKind::Spiral).reportOpenMessage, "不能打开文件！");
    for (int i = 0; i < kToothSystemCount; ++i) EXPECT_EQ(kConeToothSystems[static_cast<std::size_t>(i)].index, i);
}

}  // namespace
