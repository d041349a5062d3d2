// Code page 936 (GBK) text. Strings in memory are UTF-8; files and fixed-width
// record fields hold GBK. Convert only at the file boundary.
#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace fw {

// GBK bytes -> UTF-8, lossless: a byte that does not start a valid GBK
// character maps to the private code point U+F780 + (byte - 0x80) (bytes
// below 0x80 are ASCII), so gbkFromUtf8(utf8FromGbk(b)) == b for any b.
std::string utf8FromGbk(std::string_view gbk);

// UTF-8 -> GBK. The private code points of utf8FromGbk come back as their
// raw bytes; a character GBK cannot hold becomes '?'.
std::string gbkFromUtf8(std::string_view utf8);

// One code point appended to a UTF-8 text.
void appendUtf8(std::string& out, char32_t c);

// Width of a text in report columns: its length in GBK bytes (a Chinese
// character counts two columns).
std::size_t gbkWidth(std::string_view utf8);

// Copy a text into a fixed-width record field: converted to GBK, cut on a
// character boundary so that a terminating zero always fits, the rest of the
// field zero-filled.
void copyToField(std::span<char> field, std::string_view utf8);

// Read a fixed-width GBK field: stops at the first zero, or at the width less
// the terminator (cut where a character ends) — what copyToField writes back.
std::string readField(std::span<const char> field);

}  // namespace fw
