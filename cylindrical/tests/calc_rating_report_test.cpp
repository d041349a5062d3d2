// The strength rating section of the report: byte-exact against golden
// files built independently (fixtures/make_rating_report_golden.py), appended
// after what the report already holds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "cylindrical/calc/rating_report.h"

using namespace cylindrical;
namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path tempDir() {
    const char* root = std::getenv("KAVRIN_TEST_TMP");
    fs::path dir = fs::path(root ? root : fs::temp_directory_path().string()) / "cylindrical_rating_report";
    fs::create_directories(dir);
    return dir;
}

fs::path fixture(const char* name) {
    return fs::path(KAVRIN_SOURCE_DIR) / "cylindrical/tests/fixtures" / name;
}

// The same values as PINION in make_rating_report_golden.py.
RatingReportData pinionData() {
    RatingReportData d;
    d.ratedGear = 0;
    d.title = "减速器高速级";
    d.drawingNo = "JSQ-01";
    d.date = "2025年12月10日";
    d.z1 = 20;
    d.z2 = 40;
    d.alphaNDeg = 20;
    d.mn = 2;
    d.betaDeg = 0;
    d.epsAlpha = 1.6;
    d.epsBeta = 0;
    d.b = 40;
    d.torque = 65.8551724137931;
    d.n1 = 1450;
    d.u = 2;
    d.ft = 3292.758620689655;
    d.fr = 1198.466126554471;
    d.fx = 0;
    d.fn = 3504.080534266374;
    d.kA = 1.25;
    d.kV = 1.0379609112308767;
    d.kHalpha = 1;
    d.kFalpha = 1;
    d.kHbeta = 1.0232928663591638;
    d.zH = 2.4945731713945873;
    d.zE = 191.64567250641844;
    d.zEps = 0.894427190999916;
    d.zN = 1;
    d.zL = 1.054356344788551;
    d.zV = 0.9705223511102501;
    d.zR = 0.9660116158063508;
    d.zW = 1;
    d.sigmaH = 870.1234;
    d.sigmaHP = 989.5678;
    d.sH = 1.137267;
    d.yFa = 2.7446758943788763;
    d.yEps = 0.7;
    d.yBeta = 1;
    d.yN = 2.518551228787889;
    d.yS = 1.3727449677012051;
    d.yX = 1;
    d.sigmaF = 101.23456;
    d.sigmaFP = 1729;
    d.sF = 17.07936;
    return d;
}

// GEAR in the script: the design and the torque, nothing rated yet.
RatingReportData gearData() {
    RatingReportData d;
    d.ratedGear = 1;
    d.z1 = 20;
    d.z2 = 41;
    d.alphaNDeg = 20;
    d.mn = 2;
    d.betaDeg = 15;
    d.epsAlpha = 1.55;
    d.epsBeta = 1.2357699118317114;
    d.b = 30;
    d.torque = 65.8551724137931;
    d.n1 = 1450;
    d.u = 2.05;
    return d;
}

}  // namespace

TEST(RatingReport, AppendsEachBannerAfterTheExistingReport) {
    struct Case {
        const char* name;
        RatingReportData data;
        const char* golden;
    };
    const Case cases[] = {
        {"pinion, every value computed", pinionData(), "rating_report_pinion.cyt"},
        {"gear, values not computed print as 0.0000", gearData(), "rating_report_gear.cyt"},
    };
    for (const Case& c : cases) {
        const fs::path report = tempDir() / (std::string(c.golden));
        const std::string before = "\r\n\tgeometry sections stand here\r\n";
        {
            std::ofstream out(report, std::ios::binary | std::ios::trunc);
            out << before;
        }
        auto written = appendRatingReport(report, c.data);
        ASSERT_TRUE(written) << c.name;
        const std::string expected = before + readBytes(fixture(c.golden));
        ASSERT_GT(expected.size(), before.size() + 1000) << "golden file missing: " << c.golden;
        EXPECT_EQ(readBytes(report), expected) << c.name;
    }
}

TEST(RatingReport, CreatesAMissingFile) {
    const fs::path report = tempDir() / "new_report.cyt";
    fs::remove(report);
    ASSERT_TRUE(appendRatingReport(report, gearData()));
    EXPECT_EQ(readBytes(report), readBytes(fixture("rating_report_gear.cyt")));
}

TEST(RatingReport, OpenFailureIsReported) {
    // A folder cannot be opened as a report.
    auto r = appendRatingReport(tempDir(), pinionData());
    EXPECT_FALSE(r);
}

TEST(RatingReport, EndsWithTheClosingLineAndShowsNoNaN) {
    RatingReportData d = gearData();
    d.sigmaH = std::numeric_limits<double>::quiet_NaN();
    d.zE = std::numeric_limits<double>::infinity();
    const std::string text = ratingReportText(d);
    const std::string end = "\n\t     ******* 完。OK!";
    ASSERT_GE(text.size(), end.size());
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_NE(text.find("σ'hlim=                         0.0000 MPa\n"), std::string::npos);
    EXPECT_NE(text.find("大齿轮强度校核计算报告"), std::string::npos);
}
