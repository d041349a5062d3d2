#include "fw/record.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(Record, FieldsLandLittleEndianAtTheirOffsets) {
    fw::RecordWriter w(40);
    w.i32(0, -2);
    w.u32(4, 0x01020304u);
    w.i64(8, 0x0102030405060708LL);
    w.f64(16, 1.0);
    w.text(24, 6, "齿轮");
    w.raw(30, std::vector<std::uint8_t>{0xAA, 0xBB});
    // Expected bytes written out by hand: two's complement, least significant
    // byte first; 1.0 is 0x3FF0000000000000; 齿轮 is B3DD C2D6 in GBK.
    const std::vector<std::uint8_t> expected = {
        0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01,
        0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,
        0xB3, 0xDD, 0xC2, 0xD6, 0x00, 0x00, 0xAA, 0xBB,
        0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(w.bytes(), expected);

    const auto bytes = w.take();
    fw::RecordReader r(bytes);
    EXPECT_EQ(r.i32(0), -2);
    EXPECT_EQ(r.u32(4), 0x01020304u);
    EXPECT_EQ(r.i64(8), 0x0102030405060708LL);
    EXPECT_EQ(r.f64(16), 1.0);
    EXPECT_EQ(r.text(24, 6), "齿轮");
    EXPECT_EQ(r.raw(30, 2)[1], 0xBB);
}

TEST(Record, OutOfRangeThrows) {
    const std::vector<std::uint8_t> bytes(8);
    fw::RecordReader r(bytes);
    EXPECT_NO_THROW(r.i32(4));
    EXPECT_THROW(r.i32(5), std::out_of_range);  // last byte past the end
    EXPECT_THROW(r.f64(1), std::out_of_range);
    EXPECT_THROW(r.text(4, 5), std::out_of_range);
    EXPECT_THROW(r.raw(static_cast<std::size_t>(-1), 2), std::out_of_range);  // offset + n wraps
    EXPECT_NO_THROW(r.raw(8, 0));

    fw::RecordWriter w(8);
    EXPECT_THROW(w.i64(1, 0), std::out_of_range);
    EXPECT_THROW(w.text(6, 4, "ab"), std::out_of_range);
    EXPECT_EQ(w.bytes(), bytes);  // a refused write changes nothing
}

}  // namespace
