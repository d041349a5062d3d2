// The shared load and save of the bevel geometry dialogs, run with the
// scripted backend in a private installation.
#include "bevel/geometry/cone_geom_files.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/calc/record_check.h"
#include "fw/file.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"

using namespace bevel;

namespace {

const std::filesystem::path kSource(KAVRIN_SOURCE_DIR);

std::vector<std::uint8_t> readAll(const std::filesystem::path& p) {
    auto bytes = fw::readFile(p);
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}
std::vector<std::uint8_t> geomFixture() { return readAll(kSource / "bevel/geometry/tests/fixtures/conegeom_example.cng"); }

class ConeGeomFiles : public ::testing::Test {
protected:
    fwtest::Installation inst{"bevel_geometry_files"};
    fwtest::Session s;
    LoadedConeDesign example() {
        auto loaded = loadConeDesign(geomFixture(), ConeLoad::Saved, ConeKind::Spiral);
        EXPECT_TRUE(loaded);
        return *loaded;
    }
    std::optional<ConeSaved> save(ConeKind kind = ConeKind::Spiral, bool computed = true) {
        LoadedConeDesign d = example();
        return runConeSave(nullptr, kind, computed, {}, d.pre, d.geom, "section\n");
    }
};

TEST_F(ConeGeomFiles, SaveNamesTheFileAndTellsWhereTheReportWent) {
    s.answerSave(inst.data("gear"));
    s.expectMessage("计算记录已以\n" + inst.data("gear.tng").string() + "\n文件名输出报告！");
    auto saved = save();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->data, inst.data("gear.cng"));
    EXPECT_EQ(readAll(saved->data).size(), 1296u);
    EXPECT_EQ(s.files().at(0).request.title, "《Ondrel》保存圆锥齿轮计算数据文件");

    s.answerSave(inst.data("gear.txt"));
    s.expectMessage("文件命名不正确！\n现以" + inst.data("gear.cng").string() + "\n文件名格式存盘。");
    s.answerMessage(IDOK);
    ASSERT_TRUE(save());
    const auto report = readAll(inst.data("gear.tng"));
    EXPECT_EQ(std::string(report.begin(), report.end()), "section\r\nsection\r\n");
    EXPECT_TRUE(s.allUsed());
}

TEST_F(ConeGeomFiles, SaveRefusalsWriteNothing) {
    s.expectMessage("未完成计算，无法保存数据!");
    EXPECT_FALSE(save(ConeKind::Spiral, false));
    EXPECT_TRUE(s.files().empty());

    s.answerSave(inst.data("missing/gear.cng"));
    s.answerMessage(IDOK);
    EXPECT_FALSE(save());
    EXPECT_NE(s.messages().back().text.find("不能打开文件"), std::string::npos);
    EXPECT_NE(s.messages().back().text.find(",ERROR = "), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(inst.data("missing")));

    // The report's name is taken by a folder: the old design stays as it was.
    const std::vector<std::uint8_t> old{1, 2, 3};
    ASSERT_TRUE(fw::writeFile(inst.data("kept.cng"), old));
    std::filesystem::create_directories(inst.data("kept.tng"));
    s.answerSave(inst.data("kept.cng"));
    s.expectMessage("不能打开文件！");
    EXPECT_FALSE(save());
    EXPECT_EQ(readAll(inst.data("kept.cng")), old);
    EXPECT_TRUE(s.allUsed());
}

// A record its check refuses is never written: the user is told which value
// is wrong before any file dialog, and the old file stays.
TEST_F(ConeGeomFiles, RecordTheCheckRefusesIsNeverWritten) {
    const std::vector<std::uint8_t> old{1, 2, 3};
    ASSERT_TRUE(fw::writeFile(inst.data("kept.cng"), old));
    LoadedConeDesign d = example();
    d.geom.hf1 = -6.16;
    s.expectMessage("数据未保存：小齿轮齿根高hf1＝-6.160，应大于0。");
    EXPECT_FALSE(runConeSave(nullptr, ConeKind::Spiral, true, inst.data("kept.cng"), d.pre, d.geom, "section\n"));
    EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation);
    EXPECT_TRUE(s.files().empty());
    // The design of another kind is refused the same way.
    s.expectMessage("数据未保存：齿型制4不属于此计算。");
    EXPECT_FALSE(runConeSave(nullptr, ConeKind::Cycloidal, true, {}, example().pre, example().geom, "section\n"));
    EXPECT_TRUE(s.files().empty());
    EXPECT_EQ(readAll(inst.data("kept.cng")), old);
    EXPECT_FALSE(std::filesystem::exists(inst.data("kept.tng")));
    EXPECT_TRUE(s.allUsed());
}

TEST_F(ConeGeomFiles, LoadHandsBackRecordsAndPaths) {
    ASSERT_TRUE(fw::writeFile(inst.data("x.v2.cng"), geomFixture()));
    s.answerOpen(inst.data("x.v2.cng"));
    auto loaded = runConeLoad(nullptr, ConeKind::Spiral, ConeLoad::Saved);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->report, inst.data("x.v2.tng"));
    EXPECT_EQ(loaded->geom, example().geom);
    EXPECT_EQ(s.files().at(0).request.title, "《Ondrel》打开圆锥齿轮计算数据文件");
    EXPECT_TRUE(s.messages().empty());
}

TEST_F(ConeGeomFiles, LoadRefusalsAndTheOldFileNotice) {
    ASSERT_TRUE(fw::writeFile(inst.data("gear.dat"), geomFixture()));
    s.answerOpen(inst.data("gear.dat"));
    s.expectMessage("指定的文件不是有效数据格式文件!");
    EXPECT_FALSE(runConeLoad(nullptr, ConeKind::Spiral, ConeLoad::Saved));
    EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation);

    auto file = geomFixture();
    file.resize(1000);
    ASSERT_TRUE(fw::writeFile(inst.data("short.cng"), file));
    s.answerOpen(inst.data("short.cng"));
    s.expectMessage("所用数据文件不包含圆锥齿轮设计计算数据。");
    EXPECT_FALSE(runConeLoad(nullptr, ConeKind::Spiral, ConeLoad::Saved));
    EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::None);

    s.answerOpen(inst.data("gear.cng"));  // the straight calculator, a spiral design
    ASSERT_TRUE(fw::writeFile(inst.data("gear.cng"), geomFixture()));
    s.expectMessage("所选择的数据文件是弧齿格利森圆锥齿轮,不宜用此方法计算!");
    EXPECT_FALSE(runConeLoad(nullptr, ConeKind::Straight, ConeLoad::Saved));

    // Without header: the notice, then the records from byte 0.
    const auto whole = geomFixture();
    auto old = std::vector<std::uint8_t>(whole.begin() + 64, whole.end());
    const std::int32_t mask = 103;
    std::memcpy(old.data(), &mask, 4);
    ASSERT_TRUE(fw::writeFile(inst.data("old.cng"), old));
    s.answerOpen(inst.data("old.cng"));
    s.expectMessage("注意：所用数据文件为旧版本兼容文件，若保留它，请另存计算结果!");
    auto loaded = runConeLoad(nullptr, ConeKind::Spiral, ConeLoad::Saved);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->pre.mask, 103);

    s.cancelFile();
    EXPECT_FALSE(runConeLoad(nullptr, ConeKind::Spiral, ConeLoad::Preliminary));
    EXPECT_TRUE(s.allUsed());
}

// A design file edited by hand with a value no bevel pair has: the load
// names it under its refusal and hands nothing back; the same value typed
// into a record is never saved, and the old file stays.
TEST_F(ConeGeomFiles, AbsurdValuesAreRefusedNamingThemAtLoadAndSave) {
    auto file = geomFixture();
    const double huge = 1e300;
    std::memcpy(&file[64 + 344 + 456], &huge, 8);  // d1 of the geometry record
    ASSERT_TRUE(fw::writeFile(inst.data("edited.cng"), file));
    s.answerOpen(inst.data("edited.cng"));
    s.expectMessage(kavrin::refusedOnLoad("小齿轮分度圆直径d1＝1e+300超出允许范围（0.000001～10000000mm）。"));
    EXPECT_FALSE(runConeLoad(nullptr, ConeKind::Spiral, ConeLoad::Saved));

    const std::vector<std::uint8_t> old{1, 2, 3};
    ASSERT_TRUE(fw::writeFile(inst.data("kept.cng"), old));
    LoadedConeDesign d = example();
    d.geom.x1 = 1e300;
    s.expectMessage("数据未保存：高变位系数 χ1＝1e+300超出允许范围（-5～5）。");
    EXPECT_FALSE(runConeSave(nullptr, ConeKind::Spiral, true, inst.data("kept.cng"), d.pre, d.geom, "section\n"));
    EXPECT_TRUE(s.files().size() == 1u);  // the open dialog only
    EXPECT_EQ(readAll(inst.data("kept.cng")), old);
    EXPECT_TRUE(s.allUsed());
}

}  // namespace
