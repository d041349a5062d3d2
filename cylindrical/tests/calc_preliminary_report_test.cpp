#include "cylindrical/calc/preliminary_report.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "fw/file.h"

using namespace cylindrical;
namespace fs = std::filesystem;

namespace {

CyPreRecord exampleRecord() {
    CyPreRecord r;
    r.z1 = 20;
    r.z2 = 64;
    r.betaDeg = 15;
    r.betaMin = 33;
    r.betaSec = 43;
    r.i = 3.2;
    r.t = 318.3;
    r.a = 108.99573623231782;
    r.ni = 960;
    r.no = 300;
    r.p = 10;
    r.phiD = 0.65;
    r.k1 = 2.6;
    r.k2 = 2.3;
    r.sigmaHP = 1300;
    r.sigmaFP = 450;
    r.mn = 2.5;
    r.ms = 2.5951365769599484;
    r.date = "2025年12月10日";
    r.number = "KV-001";
    r.title = "带式输送机减速器高速级";
    return r;
}

// The report of the worked example (docs/examples-preliminary.md), line by
// line as the calculator's report format gives it, with CR LF.
const char* const kExpected[] = {
    "",
    "",
    "\t***************************外啮合齿轮对预定计算报告*******************************",
    "\t标题:  带式输送机减速器高速级",
    "\t工作程序:  KAVRIN Ver4.00\t编号：KV-001\t日期： 2025年12月10日",
    "\t项目                   符号或计算公式                                  结果",
    "\t———————————————————————————————————————————",
    "\t传动比:                i=Z2/Z1=                                     3.20",
    "\t输入转速:              ni=                                          960.00 r/min",
    "\t输出转速:              no=ni/i=                                     300.00r/min",
    "\t小齿轮齿数:            Z1=                                          20",
    "\t大齿轮齿数:            Z2=i×Z1=                                    64",
    "\t输出扭矩:              To=9549×P/No=                               318.30N.m",
    "\t传动功率:              P=No×To/9549=                               10.00kW",
    "\t齿宽系数:              φ=                                          0.65",
    "\t取法面模数:            mn=                                          2.50mm",
    "\t端面模数:              mt=Max(mf,mh)=                               2.60mm",
    "\t中心距:                A=m×(Z2±Z1)/2=                             109.00mm",
    "\t螺旋角:                β=180×arcCos(m/mt)/π=                     15°33′43″",
    "\t负载综合系数:          对于接触强度:k1=                              2.6000",
    "\t                      对于弯曲强度:k2=                              2.3000",
    "\t弯曲许用疲劳极限:      σw=                                          450.00N/mm^2",
    "\t接触许用疲劳极限:      σh=                                          1300.00N/mm^2",
};

fs::path tempDir() {
    const char* root = std::getenv("KAVRIN_TEST_TMP");
    fs::path dir = fs::path(root ? root : fs::temp_directory_path().string()) / "cylindrical-prelim-report-test";
    fs::create_directories(dir);
    return dir;
}

TEST(PreliminaryReport, WorkedExampleLineByLine) {
    fs::path p = tempDir() / "带式.v1" / "gear.cyt";
    fs::create_directories(p.parent_path());
    ASSERT_TRUE(writePreliminaryReport(p, exampleRecord()));
    auto text = fw::readTextFile(p);
    ASSERT_TRUE(text);
    std::string expected;
    for (const char* line : kExpected) expected += std::string(line) + "\r\n";
    EXPECT_EQ(*text, expected);
    // On disk in code page 936: the banner's first character 外 is CD E2.
    auto bytes = fw::readFile(p);
    ASSERT_TRUE(bytes);
    EXPECT_EQ((*bytes)[4 + 1 + 27], 0xCD);
    EXPECT_EQ((*bytes)[4 + 1 + 27 + 1], 0xE2);
}

TEST(PreliminaryReport, InternalPairBannerAndReplacement) {
    CyPreRecord r = exampleRecord();
    r.meshType = 1;
    std::string text = preliminaryReportText(r);
    EXPECT_EQ(text.substr(0, text.find('\n', 3) + 1),
              "\n\n\t***************************内啮合齿轮对预定计算报告*******************************\n");
    fs::path p = tempDir() / "again.cyt";
    ASSERT_TRUE(writePreliminaryReport(p, exampleRecord()));
    ASSERT_TRUE(writePreliminaryReport(p, r));
    EXPECT_NE(fw::readTextFile(p)->find("内啮合"), std::string::npos);
    EXPECT_EQ(fw::readTextFile(p)->find("外啮合"), std::string::npos);  // replaced, not appended
}

TEST(PreliminaryReport, UnwritablePathFails) {
    EXPECT_FALSE(writePreliminaryReport(tempDir() / "missing" / "x.cyt", exampleRecord()));
}

}  // namespace
