// The geometry record's layout, read from bytes placed at explicit offsets.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "cylindrical/calc/cy_geom_record.h"
#include "fw/text.h"

namespace cylindrical {
namespace {

template <class T>
void put(std::vector<std::uint8_t>& b, std::size_t off, T v) {
    std::memcpy(b.data() + off, &v, sizeof v);  // the build machine is little-endian, like the file
}

void putText(std::vector<std::uint8_t>& b, std::size_t off, const std::string& utf8) {
    std::string gbk = fw::gbkFromUtf8(utf8);
    std::memcpy(b.data() + off, gbk.data(), gbk.size());
}

// A record with a distinct value in every field, laid out by hand from the
// file format's offset table.
std::vector<std::uint8_t> fixture() {
    std::vector<std::uint8_t> b(336, 0);
    put<std::int32_t>(b, 0, 21);
    put<std::int32_t>(b, 4, 63);
    put<std::int32_t>(b, 8, 12);
    put<std::int32_t>(b, 12, 34);
    put<std::int32_t>(b, 16, 56);
    put<std::int32_t>(b, 20, 1);
    put<double>(b, 24, 2.5);
    put<std::int32_t>(b, 32, 7);   // αn seconds
    put<std::int32_t>(b, 36, 8);   // αn minutes
    put<std::int32_t>(b, 40, 20);  // αn degrees
    put<double>(b, 48, 110.25);
    put<double>(b, 56, 108.5);
    put<double>(b, 64, 21.5);
    put<double>(b, 72, 0.7);
    put<double>(b, 80, 0.65);
    put<double>(b, 88, 0.73);
    put<double>(b, 96, 0.43);
    put<double>(b, 104, 0.3);
    put<std::int32_t>(b, 112, 1);
    put<double>(b, 120, 0.8);
    put<std::int32_t>(b, 128, 2);
    put<double>(b, 136, 22.1);
    put<double>(b, 144, 66.3);
    put<double>(b, 152, 45.5);
    put<double>(b, 160, 1.61);
    put<double>(b, 168, 1.12);
    put<double>(b, 176, 0.85);
    put<std::int32_t>(b, 184, 102);
    putText(b, 188, "减速器齿轮");
    putText(b, 252, "JS-01");
    putText(b, 316, "2024年5月6日");
    return b;
}

CyGeomRecord expected() {
    CyGeomRecord r;
    r.z1 = 21, r.z2 = 63, r.betaDeg = 12, r.betaMin = 34, r.betaSec = 56, r.hand = 1, r.mn = 2.5;
    r.alphaNSec = 7, r.alphaNMin = 8, r.alphaNDeg = 20;
    r.a = 110.25, r.ad = 108.5, r.alphaWtDeg = 21.5, r.yt = 0.7, r.yn = 0.65, r.sumX = 0.73;
    r.xn1 = 0.43, r.xn2 = 0.3, r.meshType = 1, r.haStar = 0.8, r.cStarIndex = 2;
    r.zv1 = 22.1, r.zv2 = 66.3, r.b = 45.5, r.epsAlpha = 1.61, r.epsBeta = 1.12, r.psiD = 0.85;
    r.status = 102, r.title = "减速器齿轮", r.number = "JS-01", r.date = "2024年5月6日";
    return r;
}

TEST(CyGeomRecord, ReadsEveryFieldAtItsOffset) {
    auto r = readCyGeomRecord(fixture());
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, expected());
}

TEST(CyGeomRecord, WritesTheFixtureByteForByte) {
    auto bytes = writeCyGeomRecord(expected());
    ASSERT_EQ(bytes.size(), CyGeomRecord::kSize);
    EXPECT_EQ(bytes, fixture());
}

TEST(CyGeomRecord, ShortInputIsRefused) {
    auto b = fixture();
    b.pop_back();
    EXPECT_FALSE(readCyGeomRecord(b));
}

TEST(CyGeomRecord, LongTextIsCutInsideItsField) {
    CyGeomRecord r = expected();
    r.date = "二〇二四年十二月三十一日星期二";  // 30 GBK bytes for a 20-byte field
    auto bytes = writeCyGeomRecord(r);
    EXPECT_EQ(bytes[316 + 19], 0) << "the field ends with a zero";
    auto back = readCyGeomRecord(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->date, "二〇二四年十二月三");  // 9 characters (18 bytes) and the zero
    EXPECT_EQ(back->title, r.title) << "the next field is untouched";
}

TEST(CyGeomRecord, CStarList) {
    EXPECT_EQ(cStarOfIndex(0), 0.25);
    EXPECT_EQ(cStarOfIndex(1), 0.3);
    EXPECT_EQ(cStarOfIndex(2), 0.35);
    EXPECT_EQ(cStarOfIndex(7), 0.35);  // beyond the list: its last entry
}

}  // namespace
}  // namespace cylindrical
