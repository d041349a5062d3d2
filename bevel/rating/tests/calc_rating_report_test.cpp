// The rating report's lines against golden files written by
// fixtures/make_rating_reports.py from the report's line list, with the
// example pair's forces worked by hand (code page 936, CR LF).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bevel/rating/calc/rating_report.h"
#include "common/calc/report.h"

namespace {

using namespace bevel;
namespace fs = std::filesystem;

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path scratch(const std::string& name) {
    const char* root = std::getenv("KAVRIN_TEST_TMP");
    fs::path dir = fs::path(root ? root : fs::temp_directory_path().string()) / "bevel_rating_report";
    fs::create_directories(dir);
    fs::remove(dir / name);
    return dir / name;
}

RatingReport examplePair(bool gear, DriveArrangement arrangement) {
    RatingReport r;
    r.gear = gear;
    r.title = "锥齿轮示例";
    r.drawingNumber = "ZC-01";
    r.date = "2026年12月10日";
    r.z1 = 17;
    r.z2 = 43;
    r.alphaNDeg = 20;
    r.m = 5;
    r.betaMDeg = 35;
    r.epsAlpha = 1.25;
    r.epsBeta = 1.8;
    r.b = 34;
    ForceInput in{.torque = 250, .m = 5, .z1 = 17, .z2 = 43, .phiR = 0.2941, .alphaNDeg = 20, .betaMDeg = 35,
                  .delta1Deg = 21.5729, .delta2Deg = 68.4271};
    r.torque = 250;
    r.outputTorque = outputTorque(250, 17, 43);
    r.n1 = 960;
    r.ftm = *meanTangentialForce(in);
    const Forces f = *gearForces(in, r.ftm, arrangement);
    r.arrangement = arrangement;
    r.fr1 = f.fr1;
    r.fr2 = f.fr2;
    r.fx1 = f.fx1;
    r.fx2 = f.fx2;
    r.y0 = 1.0;  // the cutter factor's default; every other factor 0 before it is picked
    return r;
}

TEST(BevelRatingReport, LinesOfBothBannersAndTheThreeForceBlocks) {
    struct Case { const char* golden; bool gear; DriveArrangement a; };
    for (Case c : {Case{"rating_pinion_arr0.tng", false, DriveArrangement::Straight},
                   Case{"rating_pinion_arr1.tng", false, DriveArrangement::FirstPairing},
                   Case{"rating_pinion_arr2.tng", false, DriveArrangement::SecondPairing},
                   Case{"rating_gear_arr1.tng", true, DriveArrangement::FirstPairing}}) {
        const fs::path out = scratch(c.golden);
        ASSERT_TRUE(kavrin::writeReport(out, ratingReportText(examplePair(c.gear, c.a)), fw::TextFileWriter::Mode::Append));
        const fs::path golden = fs::path(KAVRIN_SOURCE_DIR) / "bevel/rating/tests/fixtures" / c.golden;
        EXPECT_EQ(readBytes(out), readBytes(golden)) << c.golden;
    }
}

TEST(BevelRatingReport, EndsWithTheClosingLineWithoutALineEnd) {
    const std::string text = ratingReportText(examplePair(false, DriveArrangement::Straight));
    const std::string tail = "\n\t******* 完。OK!";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(text.rfind("\n\t******************************** 小圆锥齿轮强度校核计算报告", 0), 0u);
}

}  // namespace
