#include "smallmodule/calc/cy_sm_record.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <random>
#include <tuple>

#include "common/calc/record_check.h"
#include "fw/file.h"
#include "fw/format.h"
#include "fw/record.h"
#include "smallmodule/calc/smcy_report.h"

using namespace smallmodule;

namespace {

std::filesystem::path fixturePath(const char* name) {
    return std::filesystem::path(KAVRIN_SOURCE_DIR) / "smallmodule/tests/fixtures" / name;
}

std::vector<std::uint8_t> fixture(const char* name) {
    auto bytes = fw::readFile(fixturePath(name));
    EXPECT_TRUE(bytes) << name;
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}

constexpr std::int64_t kHeaderTime = 1765324800;        // as make_smcy_fixtures.py writes it
constexpr std::int64_t kDate = 1765324800 + 9 * 3600;

// The pattern 0 example as make_smcy_fixtures.py packs it.
CySmRecord exampleP0() {
    CySmRecord r;
    r.in.pattern = Pattern::Parallel;
    r.in.mn = 0.5;
    r.moduleIndex = 8;
    r.in.u = r.out.u = 2.0;
    r.in.aw = r.out.aw = 12.75;
    r.in.f = 0.05;
    r.in.sigma = 0;
    r.out.a = 12.75;
    r.out.sumX = 0;
    r.out.dmp = 0.866;
    r.out.alphaNP = 20;
    r.out.mnP = 0.5;
    r.out.eps = 1.569647;
    r.out.eta = 0.987498;
    r.out.b = 0.5;
    r.rhoF = 0.1;
    r.dev = {0.02, 0.04, 0.025, 0.05, 0.048, 0.096, 0.06, 0.12};
    r.title = "仪表减速器第一级";
    r.number = "SM-001";
    r.date = kDate;
    r.out.g1 = {.z = 17, .mt = 0.5, .betaP = 0, .beta = 0, .alphaT = 20, .alphaWt = 20, .betaB = 0, .d = 8.5, .dw = 8.5,
                .db = 7.987387, .da = 9.7, .df = 7.35, .alphaAt = 34.569151, .xn = 0.2, .w = 3.877615, .kw = 3,
                .mp = 9.813196};
    r.out.g2 = {.z = 34, .mt = 0.5, .betaP = 0, .beta = 0, .alphaT = 20, .alphaWt = 20, .betaB = 0, .d = 17, .dw = 17,
                .db = 15.974775, .da = 17.8, .df = 15.45, .alphaAt = 26.173920, .xn = -0.2, .w = 5.335920, .kw = 4,
                .mp = 18.034090};
    return r;
}

TEST(CySmRecord, WriterMatchesFixtureByteForByte) {
    auto bytes = cySmFileBytes(exampleP0(), kHeaderTime);
    ASSERT_EQ(bytes.size(), 760u);
    EXPECT_EQ(bytes, fixture("smcy_p0.cyb"));
}

TEST(CySmRecord, ReaderRestoresEveryField) {
    auto f = fixture("smcy_p0.cyb");
    auto loaded = loadCySmFile(f);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_EQ(*loaded, exampleP0());
    // Named offsets: α at 32, mn at 320, mn' at 448, αn' at 456.
    fw::RecordReader rd(std::span<const std::uint8_t>(f).subspan(64));
    EXPECT_EQ(rd.f64(CySmRecord::kOffAlpha), 20.0);
    EXPECT_EQ(rd.f64(CySmRecord::kOffMn), 0.5);
    EXPECT_EQ(rd.f64(CySmRecord::kOffMnP), 0.5);
    EXPECT_EQ(rd.f64(CySmRecord::kOffAlphaNP), 20.0);
    // A second write gives the same bytes.
    EXPECT_EQ(cySmFileBytes(*loaded, kHeaderTime), f);
}

TEST(CySmRecord, RefusedFiles) {
    const auto good = fixture("smcy_p0.cyb");
    auto patched = [&](std::size_t off, auto value) {
        auto b = good;
        std::memcpy(b.data() + off, &value, sizeof value);
        return b;
    };
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::string fault;   // the check's text after the loader's message; empty: none
    };
    auto word = good;
    std::memcpy(word.data() + 36, "W_CYDESIGN\0\0", 12);
    const std::string undefined = kMsgUndefined;
    const Case cases[] = {
        {"short", std::vector<std::uint8_t>(good.begin(), good.end() - 1), ""},
        {"header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 64), ""},
        {"design word", word, ""},
        {"version 399", patched(0, std::int32_t{399}), ""},
        {"pattern 4", patched(64 + 640, std::int32_t{4}), "安装方式无效！"},
        {"pattern -1", patched(64 + 640, std::int32_t{-1}), "安装方式无效！"},
        {"module index 14", patched(64 + 328, std::int32_t{14}), "模数不是模数表中的数值！"},
        {"mn not the index's", patched(64 + 320, 0.6), "模数不是模数表中的数值！"},
        {"mn 0", patched(64 + 320, 0.0), "模数不是模数表中的数值！"},
        {"z1 0", patched(64 + 440, std::int32_t{0}), "小齿轮齿数 z1：请输入 1 到 1000 之间的整数。"},
        {"NaN a", patched(64 + 8, std::nan("")), "未变位(无间隙)轴距 a：请输入 0.001 到 10000000 之间的数值。"},
        {"infinite deviation", patched(64 + 384, double(INFINITY)), "公法线偏差应在0～1mm之间！"},
        {"negative deviation", patched(64 + 384, -0.02), "公法线偏差应在0～1mm之间！"},
        {"ΔWs1 1e300", patched(64 + 384, 1e300), "公法线偏差应在0～1mm之间！"},
        {"Σ 91", patched(64 + 432, 91.0), "轴错角Σ与安装方式不符！"},
        {"pattern 0 with Σ 5", patched(64 + 432, 5.0), "轴错角Σ与安装方式不符！"},
        {"negative f", patched(64 + 472, -0.1), "摩擦系数f应在0～1之间！"},
        {"f 10", patched(64 + 472, 10.0), "摩擦系数f应在0～1之间！"},
        {"u −5", patched(64 + 352, -5.0), "齿数比z2/z1应在1～10之间！"},
        {"u 1e300", patched(64 + 352, 1e300), "齿数比z2/z1应在1～10之间！"},
        {"u −1e300", patched(64 + 352, -1e300), "齿数比z2/z1应在1～10之间！"},
        {"u subnormal", patched(64 + 352, 2.1e-314), "齿数比z2/z1应在1～10之间！"},
        {"β1 subnormal", patched(64 + 80, 2.1e-314), "螺旋角β1应在0°～90°之间！"},
        {"α 25°", patched(64 + 32, 25.0), "齿形角、齿顶高系数或径向间隙系数不是基本齿廓的数值！"},
        {"ρf 0.3", patched(64 + 624, 0.3), "齿根圆角半径ρ应为0.2·m！"},
        {"η 5.89", patched(64 + 632, 5.89), "啮合效率 η：请输入 0.01 到 1 之间的数值。"},
        {"da2 −999982", patched(64 + 176, -999982.0), "大齿轮齿顶圆直径 da2：请输入 0.001 到 10000000 之间的数值。"},
        {"da2 below df2", patched(64 + 176, 15.0), fw::format(kFmtNotPositive, "大齿轮全齿高")},
        {"kw1 40", patched(64 + 312, std::int32_t{40}), undefined},
    };
    // The pattern and the module's list index are the dialog's subscripts:
    // outside their lists the file is none of ours (the message, then the
    // fault); any other value is refused by its fault, first.
    const std::string lists[] = {"安装方式无效！", "模数不是模数表中的数值！"};
    for (const Case& c : cases) {
        auto r = loadCySmFile(c.bytes);
        ASSERT_FALSE(r) << c.name;
        const bool list = c.fault == lists[0] || c.fault == lists[1];
        EXPECT_EQ(r.error(), c.fault.empty() ? std::string(kMsgNotSmFile)
                             : list          ? kMsgNotSmFile + ("\n" + c.fault)
                                             : kavrin::refusedOnLoad(c.fault))
            << c.name;
    }
    // Bytes behind the record are ignored; the loader reads 760.
    auto longer = good;
    longer.push_back(0);
    EXPECT_TRUE(loadCySmFile(longer));
}

TEST(CySmRecord, TextsAreCutInsideTheirField) {
    CySmRecord r = exampleP0();
    r.title = std::string(40, 'x') + "齿轮齿轮齿轮齿轮齿轮齿轮";   // 40 + 24 bytes in GBK
    auto bytes = writeCySmRecord(r);
    EXPECT_EQ(bytes[480 + 63], 0);
    auto back = readCySmRecord(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->title, std::string(40, 'x') + "齿轮齿轮齿轮齿轮齿轮齿");   // whole characters only
    EXPECT_EQ(back->number, "SM-001");
}

TEST(SmallModuleReport, DateConversion) {
    // 2025-12-10 09:00 UTC; 2000-02-29; 1970-01-01.
    EXPECT_EQ(dateOfSeconds(kDate).year, 2025);
    EXPECT_EQ(dateOfSeconds(kDate).month, 12);
    EXPECT_EQ(dateOfSeconds(kDate).day, 10);
    fw::Date leap = dateOfSeconds(951782400);
    EXPECT_EQ(leap.year, 2000);
    EXPECT_EQ(leap.month, 2);
    EXPECT_EQ(leap.day, 29);
    EXPECT_EQ(secondsOfDate({1970, 1, 1}), 0);
    EXPECT_EQ(secondsOfDate({2025, 12, 10}, kDate), kDate);
    EXPECT_EQ(secondsOfDate({2025, 12, 11}, kDate), kDate + 86400);
}

// Golden reports: make_smcy_fixtures.py formats the same files with the
// report's line formats; the writer adds GBK and CR LF.
TEST(SmallModuleReport, GoldenReportsFromFixtures) {
    for (const char* name : {"smcy_p0", "smcy_p2", "smcy_p2_gap"}) {
        auto loaded = loadCySmFile(fixture((std::string(name) + ".cyb").c_str()));
        ASSERT_TRUE(loaded) << name;
        auto golden = fw::readTextFile(fixturePath((std::string(name) + ".cyt").c_str()));
        ASSERT_TRUE(golden) << name;
        std::string expected = *golden;
        std::string crlf;
        for (char c : smallModuleReport(*loaded)) {
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        EXPECT_EQ(crlf, expected) << name;
    }
}

TEST(SmallModuleReport, PatternLines) {
    auto p0 = loadCySmFile(fixture("smcy_p0.cyb"));
    auto p2 = loadCySmFile(fixture("smcy_p2.cyb"));
    auto gap = loadCySmFile(fixture("smcy_p2_gap.cyb"));
    ASSERT_TRUE(p0 && p2 && gap);
    const std::string r0 = smallModuleReport(*p0), r2 = smallModuleReport(*p2), rg = smallModuleReport(*gap);
    EXPECT_NE(r0.find("平行轴小模数圆柱齿轮对计算报告"), std::string::npos);
    EXPECT_NE(r0.find("未变位中心距:         a =                                     12.750mm"), std::string::npos);
    EXPECT_EQ(r0.find("啮合:"), std::string::npos);
    EXPECT_EQ(r0.find("公共齿条"), std::string::npos);
    EXPECT_NE(r0.find("W2=                                     5.34mm"), std::string::npos);
    EXPECT_NE(r0.find("ΔMi1=                                  -0.096mm"), std::string::npos);
    EXPECT_NE(r0.find("日期：2025年12月10日"), std::string::npos);
    EXPECT_NE(r2.find("无侧间隙，正常啮合"), std::string::npos);
    EXPECT_NE(rg.find("有侧间隙，非正常啮合"), std::string::npos);
    EXPECT_NE(r2.find("公共齿条法面模数"), std::string::npos);
}


// A design as the dialog saves it after a calculation of `in`.
CySmRecord designed(SmInput in, int moduleIndex, double dW = 0.02) {
    in.mn = kModules[static_cast<std::size_t>(moduleIndex)];
    auto out = calculate(in);
    EXPECT_TRUE(out) << out.error().message;
    CySmRecord r;
    if (!out) return r;
    r.in = in;
    r.in.u = out->u;
    r.in.aw = out->aw;
    r.in.beta1 = out->g1.beta;
    r.moduleIndex = moduleIndex;
    r.out = *out;
    r.rhoF = 0.2 * in.mn;
    r.dev.dWs1 = r.dev.dWi2 = dW;
    r.dev.dWi1 = r.dev.dWs2 = 2 * dW;
    for (auto [w, m, g] : {std::tuple{r.dev.dWs1, &r.dev.dMs1, &r.out.g1}, {r.dev.dWi1, &r.dev.dMi1, &r.out.g1},
                           {r.dev.dWs2, &r.dev.dMs2, &r.out.g2}, {r.dev.dWi2, &r.dev.dMi2, &r.out.g2}})
        if (auto dm = rodDeviation(w, {g->z, g->alphaT, g->betaB, g->xn, g->w}, in.mn, r.out.dmp)) *m = *dm;
    r.title = "仪表减速器";
    r.number = "SM-002";
    r.date = kDate;
    return r;
}

SmInput typed(Pattern p, double u, double aw, double sigma = 0, double beta1 = 0) {
    SmInput in;
    in.pattern = p;
    in.u = u;
    in.aw = aw;
    in.sigma = p == Pattern::Perpendicular ? 90 : sigma;
    in.beta1 = beta1;
    return in;
}

std::filesystem::path freshDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto dir = std::filesystem::temp_directory_path() / "smallmodule_calc" /
                     (std::string(info->name()) + "." + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& p) {
    auto b = fw::readFile(p);
    return b ? *b : std::vector<std::uint8_t>{};
}

}  // namespace

// Every pattern as the dialog saves it, with the edge values its fields
// take: the record passes its check, is written, and loads back equal.
TEST(CySmRecord, WhatTheDialogSavesLoadsBackEqual) {
    const auto dir = freshDir();
    // u 10 (z 17 and 169), module 0.15, ΔW 0.5 and 1.
    CySmRecord edge = designed(typed(Pattern::Parallel, 10, 14), 2, 0.5);
    edge.title = std::string(31, 'x') + "齿轮齿轮齿轮齿轮齿轮齿轮齿轮齿轮";     // 63 GBK bytes
    SmInput f1 = typed(Pattern::HelicalSpur, 2, 13, 18);
    f1.f = 1;   // the friction field's upper end
    const CySmRecord records[] = {
        designed(typed(Pattern::Parallel, 2, 12.75), 8),
        designed(typed(Pattern::Parallel, 2, 13.1, 0, 12), 8),
        designed(f1, 8),
        designed(typed(Pattern::HelicalSum, 2, 15, 30), 8),
        designed(typed(Pattern::Perpendicular, 2, 18), 8),
        edge,
    };
    int n = 0;
    for (const CySmRecord& r : records) {
        ASSERT_FALSE(cySmRecordFault(r)) << n << ": " << *cySmRecordFault(r);
        const auto data = dir / ("d" + std::to_string(n) + ".cyb"), report = dir / ("d" + std::to_string(n) + ".cyt");
        ASSERT_TRUE(saveCySmFile(r, data, report, kHeaderTime)) << n;
        auto loaded = loadCySmFile(bytesOf(data));
        ASSERT_TRUE(loaded) << n << ": " << loaded.error();
        EXPECT_EQ(writeCySmRecord(*loaded), writeCySmRecord(r)) << n;
        ++n;
    }
}

// Random records around saved ones, one field set to an odd value:
// whatever the check refuses, the save refuses and both old files stay
// byte for byte; whatever it accepts loads back equal.
TEST(CySmRecord, RefusedRecordsAreNeverWrittenAcceptedOnesLoadBack) {
    const auto dir = freshDir();
    const auto data = dir / "sm.cyb", report = dir / "sm.cyt";
    ASSERT_TRUE(fw::writeFile(data, std::vector<std::uint8_t>(760, 0x5A)));
    ASSERT_TRUE(fw::writeFile(report, std::vector<std::uint8_t>(30, 0x41)));
    const auto oldData = bytesOf(data), oldReport = bytesOf(report);
    const CySmRecord bases[] = {designed(typed(Pattern::Parallel, 2, 12.75), 8),
                                designed(typed(Pattern::HelicalSum, 2, 15, 30), 8)};
    const double odd[] = {std::nan(""), INFINITY, -1, 0, 2.1e-314, 1e300, -5, 0.5, 1, 10, 90, 5.89};
    const std::int32_t oddInt[] = {-1, 0, 1, 4, 13, 14, 40, 2000000000};
    std::mt19937 rng(4102);
    int refused = 0, accepted = 0;
    for (int i = 0; i < 3000; ++i) {
        auto b = writeCySmRecord(bases[i % 2]);
        if (rng() % 4 == 0) {
            const std::size_t ints[] = {312, 316, 328, 440, 444, 640};
            const std::int32_t v = oddInt[rng() % std::size(oddInt)];
            std::memcpy(&b[ints[rng() % std::size(ints)]], &v, 4);
        } else {
            const std::size_t off = 8 + 8 * (rng() % 79);   // every double from a to η
            if (off == 312 || off == 328 || off == 440 || (off >= 480 && off < 616)) continue;
            const double v = odd[rng() % std::size(odd)];
            std::memcpy(&b[off], &v, 8);
        }
        const CySmRecord r = *readCySmRecord(b);
        const auto fault = cySmRecordFault(r);
        auto saved = saveCySmFile(r, data, report, kHeaderTime);
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
        auto loaded = loadCySmFile(bytesOf(data));
        ASSERT_TRUE(loaded) << i << ": " << loaded.error();
        EXPECT_EQ(writeCySmRecord(*loaded), writeCySmRecord(r)) << i;
        ASSERT_TRUE(fw::writeFile(data, oldData));
        ASSERT_TRUE(fw::writeFile(report, oldReport));
    }
    EXPECT_GT(refused, 500);
    EXPECT_GT(accepted, 300);   // the derived heights and the bytes without content
}


// The deviations over rods lie below the nominal size: their rows print the
// stored magnitude with its minus, except where it rounds to zero in the
// row's "%.3f" ("0.000mm", never "-0.000mm"); the value starts in the same
// column either way.
TEST(SmallModuleReport, RodDeviationsShowTheirMinusUnlessTheyRoundToZero) {
    const char* const rows[] = {
        "\t    下偏差:           ΔMi1=                                  ",
        "\t    上偏差:           ΔMs1=                                  ",
        "\t    下偏差:           ΔMi2=                                  ",
        "\t    上偏差:           ΔMs2=                                  ",
    };
    // The spur pair of the issue as typed: u 2, module 0.25 (the
    // list's 5th entry), a' 7.7, f 0.05, β1 0, no shift and no deviation entered.
    const std::string plain = smallModuleReport(designed(typed(Pattern::Parallel, 2, 7.7), 4, 0));
    EXPECT_EQ(plain.find("-0.000"), std::string::npos) << plain;
    for (const char* row : rows) EXPECT_NE(plain.find(std::string(row) + "0.000mm\n"), std::string::npos) << row;

    const struct {
        double magnitude;
        const char* shown;
    } cases[] = {
        {0.096, "-0.096mm"},   // the pattern 0 example's ΔMi1
        {0.0006, "-0.001mm"},  // rounds away from zero: keeps its minus
        {0.0004, "0.000mm"},   // rounds to zero
        {0, "0.000mm"},
        {-0.0, "0.000mm"},     // a negative zero read from a file
    };
    CySmRecord r = exampleP0();
    for (const auto& c : cases) {
        r.dev.dMi1 = r.dev.dMs1 = r.dev.dMi2 = r.dev.dMs2 = c.magnitude;
        const std::string report = smallModuleReport(r);
        for (const char* row : rows)
            EXPECT_NE(report.find(std::string(row) + c.shown + "\n"), std::string::npos)
                << "ΔM " << c.magnitude << ", expected " << row << c.shown;
    }
}
