// GBK <-> UTF-8 through tables built once from glibc's CP936 converter.
//
// Decoding is a plain parse: ASCII bytes, 0x80 (the euro sign in CP936),
// double-byte cells the converter maps (and maps back to the same two bytes),
// and every other byte as the private code point U+F780 + (byte - 0x80).
// Each piece encodes back to exactly its own bytes, so a GBK -> UTF-8 -> GBK
// round trip is the identity for any input.
#include "fw/text.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>

namespace fw {
namespace {

constexpr char32_t kPrivateBase = 0xF780;  // U+F780 + (byte - 0x80)
constexpr char32_t kEuro = 0x20AC;         // CP936 single byte 0x80
constexpr int kLeadFirst = 0x81, kLeadLast = 0xFE;
constexpr int kTrailFirst = 0x40, kTrailLast = 0xFE;
constexpr int kTrails = kTrailLast - kTrailFirst + 1;

bool isPrivate(char32_t c) { return c >= kPrivateBase && c < kPrivateBase + 0x80; }


// One UTF-8 character at s[i]; returns its length (0 at a malformed
// sequence, which the caller takes as one bad byte).
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    std::size_t len;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, c = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return len;
}

class Iconv {
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Iconv() { iconv_close(m_cd); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    // Converts a whole input; false when the converter refuses any of it.
    bool convert(std::string_view in, std::string& out) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buf[16];
        char* ip = const_cast<char*>(in.data());
        std::size_t il = in.size();
        char* op = buf;
        std::size_t ol = sizeof buf;
        if (iconv(m_cd, &ip, &il, &op, &ol) == static_cast<std::size_t>(-1) || il != 0) return false;
        out.assign(buf, op);
        return true;
    }

private:
    iconv_t m_cd;
};

struct Tables {
    // Code point of each double-byte cell, 0 where the cell is not a character.
    std::array<char32_t, (kLeadLast - kLeadFirst + 1) * kTrails> cells{};
    std::unordered_map<char32_t, std::uint16_t> encode;  // code point -> two bytes
};

std::size_t cellIndex(int lead, int trail) {
    return static_cast<std::size_t>((lead - kLeadFirst) * kTrails + (trail - kTrailFirst));
}

Tables buildTables() {
    Tables t;
    Iconv dec("UTF-8", "CP936");
    Iconv enc("CP936", "UTF-8");
    std::string utf8, back;
    for (int lead = kLeadFirst; lead <= kLeadLast; ++lead) {
        for (int trail = kTrailFirst; trail <= kTrailLast; ++trail) {
            if (trail == 0x7F) continue;
            const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            const std::string_view cell(in, 2);
            char32_t c = 0;
            if (!dec.convert(cell, utf8) || decodeUtf8(utf8, 0, c) != utf8.size()) continue;
            // Keep only cells that come back as the same two bytes.
            if (isPrivate(c) || c == kEuro || !enc.convert(utf8, back) || back != cell) continue;
            t.cells[cellIndex(lead, trail)] = c;
            t.encode.emplace(c, static_cast<std::uint16_t>(lead << 8 | trail));
        }
    }
    return t;
}

const Tables& tables() {
    static const Tables t = buildTables();
    return t;
}

// Appends the GBK bytes of one code point.
void appendGbk(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c == kEuro) {
        out += '\x80';
    } else if (isPrivate(c)) {
        out += static_cast<char>(0x80 + (c - kPrivateBase));
    } else if (auto it = tables().encode.find(c); it != tables().encode.end()) {
        out += static_cast<char>(it->second >> 8);
        out += static_cast<char>(it->second & 0xFF);
    } else {
        out += '?';
    }
}

// The GBK bytes of the UTF-8 character at s[i]; returns the UTF-8 length.
std::size_t gbkOfChar(std::string_view s, std::size_t i, std::string& piece) {
    piece.clear();
    char32_t c;
    std::size_t len = decodeUtf8(s, i, c);
    if (len == 0) {
        piece += '?';
        return 1;
    }
    appendGbk(piece, c);
    return len;
}

// Whether the bytes at i are one double-byte character (a lead, a trail and
// a character in the table); otherwise the byte at i stands alone.
bool pairAt(const Tables& t, std::string_view gbk, std::size_t i) {
    const auto b = static_cast<unsigned char>(gbk[i]);
    if (b < kLeadFirst || b > kLeadLast || i + 1 >= gbk.size()) return false;
    const int trail = static_cast<unsigned char>(gbk[i + 1]);
    return trail >= kTrailFirst && trail <= kTrailLast && t.cells[cellIndex(b, trail)] != 0;
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string utf8FromGbk(std::string_view gbk) {
    const Tables& t = tables();
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    for (std::size_t i = 0; i < gbk.size();) {
        const auto b = static_cast<unsigned char>(gbk[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        if (b == 0x80) {
            appendUtf8(out, kEuro);
            ++i;
            continue;
        }
        if (pairAt(t, gbk, i)) {
            appendUtf8(out, t.cells[cellIndex(b, static_cast<unsigned char>(gbk[i + 1]))]);
            i += 2;
            continue;
        }
        appendUtf8(out, kPrivateBase + (b - 0x80));
        ++i;
    }
    return out;
}

std::string gbkFromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::string piece;
    for (std::size_t i = 0; i < utf8.size();) {
        i += gbkOfChar(utf8, i, piece);
        out += piece;
    }
    return out;
}

std::size_t gbkWidth(std::string_view utf8) { return gbkFromUtf8(utf8).size(); }

void copyToField(std::span<char> field, std::string_view utf8) {
    std::size_t used = 0;
    std::string piece;
    // Room for the terminating zero is kept back; a character that does not
    // fit whole ends the copy.
    for (std::size_t i = 0; i < utf8.size() && !field.empty();) {
        i += gbkOfChar(utf8, i, piece);
        if (used + piece.size() > field.size() - 1) break;
        for (char ch : piece) field[used++] = ch;
    }
    for (std::size_t k = used; k < field.size(); ++k) field[k] = 0;
}

std::string readField(std::span<const char> field) {
    // As much as a save can write back: the slot less its terminating zero,
    // cut where a character ends, so that a text that fills its slot reads
    // as the text its next save keeps.
    const std::size_t room = field.empty() ? 0 : field.size() - 1;
    std::size_t n = 0;
    while (n < field.size() && field[n] != 0) ++n;
    const std::string_view text(field.data(), n);
    const Tables& t = tables();
    std::size_t whole = 0;
    for (std::size_t i = 0; i < n;) {
        const std::size_t step = pairAt(t, text, i) ? 2 : 1;
        if (i + step > room) break;
        i += step;
        whole = i;
    }
    return utf8FromGbk(text.substr(0, whole));
}

}  // namespace fw
