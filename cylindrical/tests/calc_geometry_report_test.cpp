// The report sections of the geometry sheet, appended to a report file in
// GBK with CR LF, compared with a golden file of a whole sheet run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "cylindrical/calc/geometry_report.h"
#include "fw/file.h"
#include "fw/text.h"

namespace cylindrical {
namespace {

std::filesystem::path freshDir() {
    const char* root = std::getenv("KAVRIN_TEST_TMP");
    std::filesystem::path base = root && *root ? root : std::filesystem::temp_directory_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    auto dir = base / "cylindrical_geometry_report" / (std::string(info->name()) + "." + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& p) {
    auto r = fw::readFile(p);
    return r ? *r : std::vector<std::uint8_t>{};
}

const std::filesystem::path kGolden =
    std::filesystem::path(KAVRIN_SOURCE_DIR) / "cylindrical/tests/fixtures/geometry_sheet_report.cyt";

// One run of the sheet: page 1 distributes, the record is stored, and the
// sections of pages 1, 2, 3 and 4 are appended in that order.
void sheetRun(const std::filesystem::path& report, PairState s, const PairCheckSection& check, int hand) {
    DesignTexts texts{"减速器", "JS-100", "2024年5月6日"};
    ASSERT_TRUE(appendReportSection(report, pairReportSection(s, texts, check)));
    CyGeomRecord g;
    g.psiD = 0.8;
    g.hand = hand;
    storePair(s, texts, g);
    PairGeometryInput in = pairGeometryInput(g);
    auto pinion = pinionGeometry(in);
    auto gear = gearGeometry(in);
    ASSERT_TRUE(pinion && gear);
    GearPageTexts p2{gearPageTitle(texts.title, GearSide::Pinion, s.meshType),
                     gearPageNumber(texts.number, GearSide::Pinion), pinionHandText(g.hand)};
    GearPageTexts p3{gearPageTitle(texts.title, GearSide::Gear, s.meshType),
                     gearPageNumber(texts.number, GearSide::Gear), gearHandText(g.hand)};
    ASSERT_TRUE(appendReportSection(report, pinionReportSection(in, *pinion, p2)));
    ASSERT_TRUE(appendReportSection(report, gearReportSection(in, *gear, p3)));
    CharacteristicInput ci = characteristicInput(g);
    auto c = characteristic(ci, kPinFactorReport);
    ASSERT_TRUE(c) << c.error();
    ASSERT_TRUE(appendReportSection(report, characteristicReportSection(ci, *c, texts)));
}

PairState externalPair() {
    PairState s;
    s.z1 = 20, s.z2 = 40, s.mn = 2;
    return distribute(helixChanged(s).state).state;
}

PairState internalPair() {
    PairState s;
    s.z1 = 20, s.z2 = 34, s.mn = 2;
    s = internalMeshChosen(helixChanged(s).state).state;
    s.a = 15;
    return centreDistanceChanged(s).state;
}

// A short made-up check of two rows, for the layout of the section.
PairCheckSection shortCheck() {
    PairCheckSection c;
    c.pinionNoScheme = true;  // hobbed pinion, shaped internal gear
    c.items = {"小齿轮根切", "内齿轮齿顶变尖"};
    c.results = {"无根切", "齿顶厚度足够"};
    c.gearCutter = {17, 34, 39, 1.25, 0};
    return c;
}

// The check of the internal pair as the page runs it: pinion hobbed, the
// internal gear shaped with cutter 2 (z0 17, d0 34, da0 39, ha0* 1.25, x0 0);
// the ten internal rows all pass, each worked through by hand (the same rows
// as fixtures/geometry_internal_check_section.cyt).
PairCheckSection internalCheck() {
    PairCheckSection c;
    c.pinionNoScheme = true;
    c.items = {"1.根切校验:", "2.齿顶厚校验:", "3.过度曲线干涉校验:", "", "4.渐开线干涉校验:", "",
               "5.齿廓重迭干涉校验:", "", "6.径向干涉校验:", ""};
    c.results = {"小齿轮无根切!", "小齿轮齿顶厚: Sa1 = 0.75 mm; ", "内齿轮齿根过渡线与小齿轮齿顶无干涉",
                 "小齿轮齿根过渡线与内齿轮齿顶无干涉", "无渐开线干涉", "内齿轮插齿时无渐开线干涉",
                 "内齿轮与小齿轮无重迭干涉", "内齿轮无插齿重迭干涉", "内齿轮和小齿轮无径向干涉",
                 "内齿轮无插齿径向干涉"};
    c.gearCutter = {17, 34, 39, 1.25, 0};
    return c;
}

TEST(GeometryReport, WholeSheetRunMatchesTheGoldenFile) {
    auto dir = freshDir();
    auto report = dir / "pair.cyt";
    sheetRun(report, externalPair(), PairCheckSection{}, kHandLeft);
    sheetRun(report, internalPair(), internalCheck(), kHandSpur);
    auto written = bytesOf(report);
    if (std::getenv("KAVRIN_UPDATE_GOLDEN")) std::filesystem::copy_file(report, kGolden,
                                                                        std::filesystem::copy_options::overwrite_existing);
    auto golden = bytesOf(kGolden);
    ASSERT_FALSE(golden.empty()) << kGolden;
    EXPECT_EQ(written, golden) << "compare " << report << " with " << kGolden;
    // GBK on disk, every line ending in CR LF.
    std::string text(written.begin(), written.end());
    for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
        ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
    EXPECT_NE(text.find(fw::gbkFromUtf8("\t未进行切齿校验!")), std::string::npos);
}

TEST(GeometryReport, CheckSectionOfPageOne) {
    PairState s = externalPair();
    std::string none = pairReportSection(s, {}, PairCheckSection{});
    EXPECT_TRUE(none.ends_with("\t校验结果：\n\t未进行切齿校验!")) << "no check has run";
    PairCheckSection hobbed;
    hobbed.pinionNoScheme = hobbed.gearNoScheme = true;
    hobbed.items = {"x"};
    hobbed.results = {"y"};
    hobbed.resultText = "\t所有校验通过\n";
    EXPECT_TRUE(pairReportSection(s, {}, hobbed).ends_with("\t校验结果：\n\t所有校验通过\n"))
        << "checked without cutters: the page's result text";
    PairCheckSection common = shortCheck();
    common.commonCutter = true;
    common.pinionCutter = {25, 50, 55.5, 1.25, 0.1};
    std::string shared = pairReportSection(s, {}, common);
    EXPECT_NE(shared.find("\t小齿轮根切——无根切\n"), std::string::npos);
    EXPECT_TRUE(shared.ends_with("\n\t  变位系数:     χ0=                                                 0.10"));
    EXPECT_EQ(shared.find("大(内)齿轮插齿刀方案"), std::string::npos);
}

TEST(GeometryReport, PressingTheButtonTwiceAppendsTwice) {
    auto dir = freshDir();
    auto report = dir / "twice.cyt";
    PairState s = externalPair();
    std::string section = pairReportSection(s, {}, PairCheckSection{});
    ASSERT_TRUE(appendReportSection(report, section));
    auto once = bytesOf(report);
    ASSERT_TRUE(appendReportSection(report, section));
    auto twice = bytesOf(report);
    ASSERT_EQ(twice.size(), 2 * once.size());
    EXPECT_TRUE(std::equal(once.begin(), once.end(), twice.begin() + once.size()));
}

TEST(GeometryReport, UnopenableReportIsAnError) {
    auto dir = freshDir();
    auto r = appendReportSection(dir / "missing" / "x.cyt", "text");
    EXPECT_FALSE(r);
    EXPECT_EQ(pageReportOpenFailure("/d/x.cyt"), "不能打开报告文件/d/x.cyt!");
    EXPECT_EQ(pairReportOpenFailure("/d/x.cyt"), "不能打开报告文件/d/x.cyt");
}

// The pinion's chordal height takes the addendum of its mesh, (ha* + χn2 − yn)
// on an internal pair: listing and report print the formula that gives the value.
TEST(GeometryReport, ChordalHeightFormulaIsTheOneUsed) {
    struct Case {
        PairState pair;
        const char* listing;
        const char* report;
    } cases[] = {
        {externalPair(), "hn1=(ha*-χn2+yn)Mn+", "hn1=(ha*-χn2+yn)mn+"},
        {internalPair(), "hn1=(ha*+χn2-yn)Mn+", "hn1=(ha*+χn2-yn)mn+"},
    };
    for (const Case& k : cases) {
        CyGeomRecord g;
        g.psiD = 0.8;
        storePair(k.pair, {}, g);
        CharacteristicInput ci = characteristicInput(g);
        auto c = characteristic(ci, kPinFactorListing);
        ASSERT_TRUE(c) << c.error();
        std::string listing = characteristicListing(ci, *c);
        std::string report = characteristicReportSection(ci, *c, {});
        EXPECT_NE(listing.find(k.listing), std::string::npos) << listing;
        EXPECT_NE(report.find(k.report), std::string::npos) << report;
        // The other mesh's formula appears nowhere.
        const char* other = k.pair.meshType == MeshType::Internal ? "hn1=(ha*-χn2+yn)" : "hn1=(ha*+χn2-yn)";
        EXPECT_EQ(listing.find(other), std::string::npos);
        EXPECT_EQ(report.find(other), std::string::npos);
    }
}

TEST(GeometryReport, PageTextsOfTheGearPages) {
    EXPECT_STREQ(pinionHandText(kHandLeft), "左");
    EXPECT_STREQ(gearHandText(kHandLeft), "右") << "same index, reversed first two labels";
    EXPECT_STREQ(gearHandText(kHandSpur), "直齿");
    EXPECT_EQ(gearPageTitle("T", GearSide::Gear, MeshType::Internal), "T--内齿轮");
    EXPECT_EQ(gearPageTitle("T", GearSide::Gear, MeshType::External), "T--大齿轮");
    EXPECT_EQ(gearPageNumber("N", GearSide::Pinion), "N-1");
}

}  // namespace
}  // namespace cylindrical
