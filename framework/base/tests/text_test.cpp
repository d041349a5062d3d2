#include "fw/text.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <string>

namespace {

// Independent reference: glibc's own converter, cell by cell.
std::string iconvCell(const char* to, const char* from, std::string in) {
    iconv_t cd = iconv_open(to, from);
    char buf[16];
    char* ip = in.data();
    std::size_t il = in.size(), ol = sizeof buf;
    char* op = buf;
    const bool ok = iconv(cd, &ip, &il, &op, &ol) != static_cast<std::size_t>(-1) && il == 0;
    iconv_close(cd);
    return ok ? std::string(buf, op) : std::string();
}

TEST(GbkText, EveryValidDoubleByteCellRoundTrips) {
    int valid = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const std::string cell{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string expected = iconvCell("UTF-8", "CP936", cell);
            const std::string utf8 = fw::utf8FromGbk(cell);
            if (!expected.empty()) {
                ++valid;
                EXPECT_EQ(utf8, expected) << std::hex << lead << ' ' << trail;
            }
            // Valid or not, the bytes come back.
            EXPECT_EQ(fw::gbkFromUtf8(utf8), cell) << std::hex << lead << ' ' << trail;
        }
    }
    EXPECT_GT(valid, 21000);  // GBK holds 21886 characters; the converter's table most of them
}

TEST(GbkText, EverySingleByteAndPairRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(fw::gbkFromUtf8(fw::utf8FromGbk(all)), all);
    for (int b = 0x80; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(fw::gbkFromUtf8(fw::utf8FromGbk(one)), one) << b;
    }
}

TEST(GbkText, KnownTextsAndInvalidBytes) {
    struct Case {
        const char* name;
        std::string gbk;
        std::string utf8;
    } cases[] = {
        {"ascii", "Ok!\r\n", "Ok!\r\n"},
        {"chinese", "\xB3\xDD\xC2\xD6", "齿轮"},                // GB 2312: 齿 B3DD, 轮 C2D6
        {"euro 0x80", "\x80", "\xE2\x82\xAC"},                   // CP936 maps 0x80 to U+20AC
        {"lone lead at end", "\x81", "\xEF\x9E\x81"},            // U+F781
        {"0xFF is never a lead", "\xFF\x30", "\xEF\x9F\xBF" "0"},  // U+F7FF then '0'
        {"lead + ASCII below trail range", "\xB3\x30", "\xEF\x9E\xB3" "0"},
        {"trail 0x7F is not a trail", "\x81\x7F", "\xEF\x9E\x81\x7F"},
        {"lone trail byte", "A\xA1", "A\xEF\x9E\xA1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fw::utf8FromGbk(c.gbk), c.utf8) << c.name;
        EXPECT_EQ(fw::gbkFromUtf8(c.utf8), c.gbk) << c.name;
    }
}

TEST(GbkText, UnencodableAndMalformedUtf8BecomeQuestionMarks) {
    EXPECT_EQ(fw::gbkFromUtf8("a\xF0\x9F\x98\x80" "b"), "a?b");  // emoji: not in CP936
    EXPECT_EQ(fw::gbkFromUtf8("a\xC3" "b"), "a?b");              // cut two-byte sequence
    EXPECT_EQ(fw::gbkFromUtf8("\xED\xA0\x80"), "???");          // surrogate, three bad bytes
}

TEST(GbkText, WidthCountsGbkBytes) {
    EXPECT_EQ(fw::gbkWidth(""), 0u);
    EXPECT_EQ(fw::gbkWidth("m=2.5"), 5u);
    EXPECT_EQ(fw::gbkWidth("齿轮 z1"), 7u);  // two characters of two bytes each
    EXPECT_EQ(fw::gbkWidth("°′″"), 6u);      // degree, prime, double prime are double-byte in GBK
}

TEST(GbkField, CopyCutsOnCharacterBoundaryAndZeroFills) {
    struct Case {
        const char* name;
        std::size_t width;
        const char* utf8;
        std::string expected;  // the whole field
    } cases[] = {
        {"cut inside the second character", 4, "齿轮", std::string("\xB3\xDD\0\0", 4)},
        {"exact fit leaves room for zero", 5, "齿轮", std::string("\xB3\xDD\xC2\xD6\0", 5)},
        {"ascii cut", 4, "abcdef", std::string("abc\0", 4)},
        {"short text zero-filled", 6, "ab", std::string("ab\0\0\0\0", 6)},
        {"width one holds only the zero", 1, "x", std::string("\0", 1)},
        {"mixed: half a character does not fit", 4, "a齿轮", std::string("a\xB3\xDD\0", 4)},
    };
    for (const auto& c : cases) {
        std::string field(c.width, '\x55');
        fw::copyToField(std::span<char>(field.data(), field.size()), c.utf8);
        EXPECT_EQ(field, c.expected) << c.name;
    }
    fw::copyToField(std::span<char>(), "x");  // a zero-width field stays untouched
}

// A field is read as far as a save can write it back: up to its first zero,
// at most its width less the terminator, cut where a character ends; so a
// text read from a file saves again unchanged.
TEST(GbkField, ReadTakesWhatASaveWritesBack) {
    struct Case { const char* name; std::string bytes; std::string utf8; };
    const Case cases[] = {
        {"zero inside", std::string("\xB3\xDD\0\xC2\xD6", 5), "齿"},
        {"full, ASCII", "ABCD", "ABC"},
        {"full, ends on a whole character", "A\xB3\xDD\xC2", "A齿"},
        {"full, the last character cut", "\xB3\xDD\xC2\xD6", "齿"},
        {"lone lead before the zero: its own character", std::string("A\xB3\0\0", 4), "A\xEF\x9E\xB3"},
        {"a byte that leads no pair", "\xFF\xB3\xDD\xC2\x41", "\xEF\x9F\xBF齿"},
        {"width 1", "Z", ""},
    };
    for (const auto& c : cases) {
        const std::string read = fw::readField(std::span<const char>(c.bytes.data(), c.bytes.size()));
        EXPECT_EQ(read, c.utf8) << c.name;
        std::string again(c.bytes.size(), '\x55');
        fw::copyToField(std::span<char>(again.data(), again.size()), read);
        EXPECT_EQ(fw::readField(std::span<const char>(again.data(), again.size())), read) << c.name;
    }
    EXPECT_EQ(fw::readField(std::span<const char>()), "");
}

}  // namespace
