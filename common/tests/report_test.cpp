#include "common/calc/report.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "fw/file.h"

using namespace kavrin;
namespace fs = std::filesystem;

namespace {

TEST(ReportLayout, BannerAndHead) {
    // The preliminary report's banner, as the calculator prints it.
    EXPECT_EQ(reportBanner("外啮合齿轮对预定计算报告"),
              "\n\n\t***************************外啮合齿轮对预定计算报告*******************************\n");
    std::string rule = "\t";
    for (int k = 0; k < 43; ++k) rule += "—";
    EXPECT_EQ(reportColumnHead(),
              "\t项目                   符号或计算公式                                  结果\n" + rule + "\n");
}

TEST(ReportLayout, ItemLinesCountChineseCharactersAsTwoColumns) {
    struct Case { const char* item; const char* symbol; const char* value; const char* line; };
    // Lines of the preliminary report, character for character.
    const Case cases[] = {
        {"传动比:", "i=Z2/Z1=", "3.20",
         "\t传动比:                i=Z2/Z1=                                     3.20\n"},
        {"大齿轮齿数:", "Z2=i×Z1=", "64",
         "\t大齿轮齿数:            Z2=i×Z1=                                    64\n"},
        {"螺旋角:", "β=180×arcCos(m/mt)/π=", "15°33′43″",
         "\t螺旋角:                β=180×arcCos(m/mt)/π=                     15°33′43″\n"},
        {"中心距:", "A=m×(Z2±Z1)/2=", "109.00mm",
         "\t中心距:                A=m×(Z2±Z1)/2=                             109.00mm\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(reportItem(c.item, c.symbol, c.value), c.line) << c.item;
    // A text wider than its column still keeps one blank before the next.
    EXPECT_EQ(padColumns("很长很长很长很长很长很长", 4), "很长很长很长很长很长很长 ");
}

fs::path tempDir() {
    const char* root = std::getenv("KAVRIN_TEST_TMP");
    fs::path dir = fs::path(root ? root : fs::temp_directory_path().string()) / "common-report-test";
    fs::create_directories(dir);
    return dir;
}

TEST(ReportFile, WrittenInGbkWithCrLf) {
    fs::path p = tempDir() / "r.cyt";
    ASSERT_TRUE(writeReport(p, "\t项目\n", fw::TextFileWriter::Mode::Create));
    ASSERT_TRUE(writeReport(p, "x\n", fw::TextFileWriter::Mode::Append));
    auto bytes = fw::readFile(p);
    ASSERT_TRUE(bytes);
    // 项 = CF EE, 目 = C4 BF in code page 936.
    std::vector<std::uint8_t> expected{'\t', 0xCF, 0xEE, 0xC4, 0xBF, '\r', '\n', 'x', '\r', '\n'};
    EXPECT_EQ(*bytes, expected);
    ASSERT_TRUE(writeReport(p, "y\n", fw::TextFileWriter::Mode::Create));
    EXPECT_EQ(fw::readFile(p)->size(), 3u);  // Create replaces
}

TEST(ReportFile, FailureIsReported) {
    auto r = writeReport(tempDir() / "no-such-folder" / "r.cyt", "x\n", fw::TextFileWriter::Mode::Create);
    EXPECT_FALSE(r);
}

}  // namespace
