// The worm design file against values that are numbers but no worm drive:
// every reader refuses what the fields and calculations refuse (one check
// per record, for loads and saves alike); whatever a save writes loads back
// equal, and a record the check refuses is never written.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "fw/file.h"
#include "common/calc/record_check.h"
#include "worm/calc/arc_geometry.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/cw_record_check.h"
#include "worm/tests/cw_test_designs.h"

namespace fs = std::filesystem;
using namespace worm;

namespace {

// A record-check refusal adds the value at fault after the loader's text:
// the part of `text` a message of `message`'s length starts with.
// A record of the kind with a value out of range: the value first, then that
// the file was not loaded.
bool valueRefused(const std::string& text) { return text.ends_with(std::string("\n") + kavrin::kMsgRecordNotLoaded); }

constexpr std::int64_t kTime = 1765324800;
constexpr std::size_t kPre = 64, kGeom = 384;   // record offsets in the file
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kSubnormal = 2.1e-314;

std::vector<std::uint8_t> fixture(const char* name) { return worm::test::fixtureBytes(name); }
void putF64(std::vector<std::uint8_t>& b, std::size_t off, double v) { std::memcpy(&b[off], &v, 8); }

using worm::test::Design;

std::vector<Design> designs() { return worm::test::familyDesigns(); }

class CwFindings : public ::testing::Test {
protected:
    void SetUp() override {
        const char* root = std::getenv("KAVRIN_TEST_TMP");
        m_dir = fs::path(root ? root : fs::temp_directory_path().string()) /
                (std::string("cw-findings-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::vector<std::uint8_t> bytesOf(const fs::path& p) {
        auto b = fw::readFile(p);
        return b ? *b : std::vector<std::uint8_t>{};
    }
    fs::path m_dir;
};

// Values a field or a calculation refuses, written into a saved file: the
// rating's load refuses a spoilt geometry record, every load a spoilt
// preliminary record, each with its own "not this kind of data" text.
TEST(CwFindingsLoad, EveryReaderRefusesWhatTheFieldsRefuse) {
    struct Case {
        const char* what;
        std::size_t offset;   // in the file
        double value;
    };
    const Case geomCases[] = {
        {"b2 0", kGeom + 88, 0.0},          {"b2 -5", kGeom + 88, -5.0},
        {"df1 0", kGeom + 136, 0.0},        {"dm2 0", kGeom + 152, 0.0},
        {"θ 0", kGeom + 328, 0.0},          {"θ 1e308", kGeom + 328, 1e308},
        {"de2 -7", kGeom + 128, -7.0},      {"de2 below da2", kGeom + 128, 100.0},
        {"γ' 90", kGeom + 184, 90.0},       {"γ' 120", kGeom + 184, 120.0},
        {"εa NaN", kGeom + 168, kNan},      {"εa inf", kGeom + 168, kInf},
        {"x2 subnormal", kGeom + 352, kSubnormal}, {"hf2 subnormal", kGeom + 248, kSubnormal},
        {"d2 1e300", kGeom + 40, 1e300},
    };
    for (const Design& d : designs())
        for (const Case& c : geomCases) {
            auto file = geometryFileBytes(d.pre, d.geom, kTime);
            ASSERT_TRUE(loadForRating(file)) << d.name;
            putF64(file, c.offset, c.value);
            auto got = loadForRating(file);
            ASSERT_FALSE(got) << d.name << " " << c.what;
            EXPECT_TRUE(valueRefused(got.error().text)) << d.name << " " << c.what << ": " << got.error().text;
        }
    // The ZC1 arc data of a pair with a large module and lead angle; L1 is a
    // signed coordinate, refused only beyond ± the longest length (10⁷ mm).
    for (auto [what, off, v] : {std::tuple{"ρn -466.68", std::size_t{256}, -466.68}, {"L1 -1e8", 416, -1e8},
                                {"L3 0", 384, 0.0}, {"ρ subnormal", 392, kSubnormal}}) {
        const Design zc1 = designs()[1];
        auto file = geometryFileBytes(zc1.pre, zc1.geom, kTime);
        putF64(file, kGeom + off, v);
        EXPECT_FALSE(loadForRating(file)) << what;
    }
    for (double l1 : {-1.12, 0.0}) {
        const Design zc1 = designs()[1];
        auto file = geometryFileBytes(zc1.pre, zc1.geom, kTime);
        putF64(file, kGeom + 416, l1);
        auto got = loadForRating(file);
        ASSERT_TRUE(got) << l1 << ": " << got.error().text;
        EXPECT_EQ(got->geom->arcAxial, l1);
    }
    const Case preCases[] = {
        {"d2 1e300", kPre + 152, 1e300},   {"d1/a subnormal", kPre + 72, kSubnormal},
        {"P inf", kPre + 32, kInf},        {"T NaN", kPre + 40, kNan},
        {"γ 90", kPre + 160, 90.0},        {"m 1e300", kPre + 104, 1e300},
        {"a -1", kPre + 144, -1.0},        {"Zρ subnormal", kPre + 88, kSubnormal},
    };
    const auto saved = fixture("cw_chain_geom.cwb");
    for (const Case& c : preCases) {
        auto file = saved;
        putF64(file, c.offset, c.value);
        EXPECT_TRUE(valueRefused(loadForPreliminary(file).error().text)) << c.what;
        EXPECT_TRUE(valueRefused(loadForGeometry(file, Family::Ordinary).error().text)) << c.what;
        EXPECT_TRUE(valueRefused(loadForGeometry(file, Family::Zc1).error().text)) << c.what;
        EXPECT_TRUE(valueRefused(loadForGeometry(file, Family::Zc3).error().text)) << c.what;
        EXPECT_TRUE(valueRefused(loadForRating(file).error().text)) << c.what;
    }
}

// The refusals of a save name the field; the old files stay byte for byte.
TEST_F(CwFindings, ARefusedRecordIsNeverWritten) {
    const fs::path data = m_dir / "gear.cwb", report = m_dir / "gear.cwt";
    const std::vector<std::uint8_t> oldData(960, 1), oldReport{'o', 'l', 'd'};
    struct GeomCase {
        const char* what;
        double CwGeomRecord::*member;
        double value;
        const char* message;
    };
    const GeomCase geomCases[] = {
        {"b2 0", &CwGeomRecord::b2, 0, "蜗轮齿宽 b2应为正值，数据未保存！"},
        {"θ 0", &CwGeomRecord::theta, 0, "齿宽角 θ应在0°～180°之间，数据未保存！"},
        {"θ 1e308", &CwGeomRecord::theta, 1e308, "齿宽角 θ应在0°～180°之间，数据未保存！"},
        {"de2 -7", &CwGeomRecord::de2, -7, "外圆直径 de2应为正值，数据未保存！"},
        {"d2 1e300", &CwGeomRecord::d2, 1e300, "蜗轮分度圆直径 d2应在0.000001～10000000mm之间，数据未保存！"},
        {"d2 beside the design", &CwGeomRecord::d2, 1000, "蜗轮分度圆直径 d2与预定计算不符，数据未保存！"},
        {"εa NaN", &CwGeomRecord::epsA, kNan, "端面重合度 εa不是有效数值，数据未保存！"},
        {"γ' 90", &CwGeomRecord::gammaW, 90, "蜗杆节圆柱导程角 γ'应在0°～90°之间，数据未保存！"},
    };
    for (const Design& d : designs())
        for (const GeomCase& c : geomCases) {
            ASSERT_TRUE(fw::writeFile(data, oldData));
            ASSERT_TRUE(fw::writeFile(report, oldReport));
            CwGeomRecord g = d.geom;
            g.*c.member = c.value;
            auto r = saveGeometryFiles(data, d.pre, g, report, "x\n", kTime);
            ASSERT_FALSE(r) << d.name << " " << c.what;
            EXPECT_EQ(r.error().message(), c.message) << d.name << " " << c.what;
            EXPECT_EQ(bytesOf(data), oldData);
            EXPECT_EQ(bytesOf(report), oldReport);
        }
    const Design zc1 = designs()[1];
    for (auto [member, v, message] :
         {std::tuple{&CwGeomRecord::rho, -466.68, "蜗杆法面齿廓曲率半径 ρn应为正值，数据未保存！"},
          {&CwGeomRecord::arcAxial, -1e8, "圆弧中心轴向座标 L1应在-10000000～10000000mm之间，数据未保存！"}}) {
        CwGeomRecord g = zc1.geom;
        g.*member = v;
        auto r = saveGeometryFiles(data, zc1.pre, g, report, "x\n", kTime);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().message(), message);
        EXPECT_EQ(bytesOf(data), oldData);
    }
    struct PreCase {
        const char* what;
        double CwPreRecord::*member;
        double value;
        const char* message;
    };
    const PreCase preCases[] = {
        {"P 1e308 with its T", &CwPreRecord::t, kInf, "输出扭矩 T不是有效数值，数据未保存！"},
        {"n1 0", &CwPreRecord::n1, 0, "输入转速 n1应为正值，数据未保存！"},
        {"u 4.9", &CwPreRecord::u, 4.9, "传动比 u应在5～70之间，数据未保存！"},
        {"d1/a subnormal", &CwPreRecord::d1a, kSubnormal, "直径系数比 d1/a不是有效数值，数据未保存！"},
    };
    for (const PreCase& c : preCases) {
        ASSERT_TRUE(fw::writeFile(data, oldData));
        CwPreRecord pre = designs()[0].pre;
        pre.*c.member = c.value;
        auto r = savePreliminaryFiles(data, pre, report, "x\n", kTime);
        ASSERT_FALSE(r) << c.what;
        EXPECT_EQ(r.error().message(), c.message) << c.what;
        EXPECT_EQ(bytesOf(data), oldData);
        EXPECT_EQ(bytesOf(report), oldReport);
    }
    EXPECT_FALSE(fs::exists(m_dir / "none.cwb"));
}

// Every double and count of each record kind, set to each edge value in
// turn: a record the check takes is written and read back to the same bytes
// and the same values (of the fields its family writes); one the check
// refuses makes the save write nothing.
TEST_F(CwFindings, WhatASaveWritesLoadsBackEqual) {
    const double edges[] = {0.0, -1.0, kSubnormal, 1e-300, 1e-9, 0.5, 89.999, 90.0, 180.0, 1e6, 1e300, 1e308,
                            kInf, -kInf, kNan};
    const std::int32_t counts[] = {0, -1, 1, 10, 11, 1000, 1001, std::numeric_limits<std::int32_t>::max(),
                                   std::numeric_limits<std::int32_t>::min()};
    using G = CwGeomRecord;
    const std::vector<double G::*> geomDoubles{
        &G::q, &G::d1, &G::a, &G::d2, &G::gamma, &G::alphaN, &G::alphaX, &G::aw, &G::b1, &G::b2, &G::betaM2,
        &G::da1, &G::da2, &G::db, &G::de2, &G::df1, &G::df2, &G::dm2, &G::d1w, &G::epsA, &G::gammaB, &G::gammaW,
        &G::haStar, &G::h1, &G::h2, &G::ha1, &G::ha2, &G::hcn1, &G::hf1, &G::hf2, &G::rho, &G::mn1, &G::mn2,
        &G::ms, &G::mx, &G::pbn, &G::px1, &G::pz1, &G::rg, &G::theta, &G::sn, &G::x2, &G::au, &G::dh, &G::l3,
        &G::rhoDisc, &G::sx, &G::arcRadial, &G::arcAxial};
    const std::vector<std::int32_t G::*> geomCounts{&G::z1, &G::z2, &G::hand, &G::ds};
    using P = CwPreRecord;
    const std::vector<double P::*> preDoubles{&P::n1, &P::n2, &P::u, &P::p, &P::t, &P::sigmaHlim, &P::ze,
                                              &P::sigmaFlim, &P::d1a, &P::ka, &P::zrho, &P::m, &P::mCalc, &P::q,
                                              &P::d1Calc, &P::d1, &P::a, &P::d2, &P::gamma};
    const std::vector<std::int32_t P::*> preCounts{&P::z1, &P::z2};
    const fs::path data = m_dir / "gear.cwb", report = m_dir / "gear.cwt";
    int written = 0, refused = 0;

    auto geometryCase = [&](const Design& d, const CwPreRecord& pre, const CwGeomRecord& g) {
        if (checkDesign(pre, g)) {
            ++refused;
            auto r = saveGeometryFiles(data, pre, g, report, "x\n", kTime);
            ASSERT_FALSE(r) << d.name;
            EXPECT_TRUE(r.error().fault);
            EXPECT_FALSE(fs::exists(data)) << d.name;
            EXPECT_FALSE(fs::exists(report)) << d.name;
            return;
        }
        ++written;
        const auto bytes = geometryFileBytes(pre, g, kTime);
        auto back = loadForRating(bytes);
        ASSERT_TRUE(back) << d.name << ": " << back.error().text;
        EXPECT_EQ(back->pre, pre) << d.name;
        EXPECT_EQ(geometryFileBytes(back->pre, *back->geom, kTime), bytes) << d.name;
        // Every value the family's record holds comes back as it was.
        EXPECT_EQ(*back->geom, *readCwGeomRecord(writeCwGeomRecord(g))) << d.name;
    };
    auto preliminaryCase = [&](const CwPreRecord& pre) {
        if (checkPreRecord(pre)) {
            ++refused;
            auto r = savePreliminaryFiles(data, pre, report, "x\n", kTime);
            ASSERT_FALSE(r);
            EXPECT_TRUE(r.error().fault);
            EXPECT_FALSE(fs::exists(data));
            return;
        }
        ++written;
        const auto bytes = preliminaryFileBytes(pre, kTime);
        auto back = loadForPreliminary(bytes);
        ASSERT_TRUE(back) << back.error().text;
        EXPECT_EQ(back->pre, pre);
        EXPECT_EQ(preliminaryFileBytes(back->pre, kTime), bytes);
    };

    for (const Design& d : designs()) {
        SCOPED_TRACE(d.name);
        geometryCase(d, d.pre, d.geom);
        for (auto member : geomDoubles)
            for (double v : edges) {
                CwGeomRecord g = d.geom;
                g.*member = v;
                geometryCase(d, d.pre, g);
            }
        for (auto member : geomCounts)
            for (std::int32_t v : counts) {
                CwGeomRecord g = d.geom;
                g.*member = v;
                geometryCase(d, d.pre, g);
            }
        // Texts up to their widths: 31 characters and one letter fill 63 GBK bytes.
        CwGeomRecord g = d.geom;
        std::string title;
        for (int i = 0; i < 31; ++i) title += "蜗";
        g.title = title + "A";
        g.number.clear();
        geometryCase(d, d.pre, g);
        CwPreRecord pre = d.pre;
        pre.title = g.title;
        preliminaryCase(pre);
        for (auto member : preDoubles)
            for (double v : edges) {
                CwPreRecord p = d.pre;
                p.*member = v;
                preliminaryCase(p);
            }
        for (auto member : preCounts)
            for (std::int32_t v : counts) {
                CwPreRecord p = d.pre;
                p.*member = v;
                preliminaryCase(p);
            }
    }
    // Both outcomes were met many times.
    EXPECT_GT(written, 100);
    EXPECT_GT(refused, 1000);
}

}  // namespace
