// The names of a dialog's controls, from fuzz-chosen label, caption and
// group texts: each name holds words, never a colon between words, a mark
// that ends or opens a label at either end, or a bracket left open; its
// blanks, of whatever kind the texts had, are single ASCII blanks between
// words.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "fw/fw.h"

namespace {

std::u32string decoded(std::string_view s) {   // bytes that do not decode count as themselves
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
        if (i + len > s.size()) len = 1;
        char32_t c = len == 1 ? b : b & (0x3F >> (len - 1));
        for (std::size_t k = 1; k < len; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out += c;
        i += len;
    }
    return out;
}

// The blanks of Unicode (White_Space): ASCII, no-break, typographic and
// ideographic spaces, line and paragraph separators.
bool blank(char32_t c) {
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool mark(char32_t c) {
    return blank(c) || c == ':' || c == 0xFF1A || c == '=' || c == 0xFF1D || c == '-' || c == 0xFF0D || c == 0x2212 ||
           c == 0x2014 || c == ',' || c == 0xFF0C || c == ';' || c == 0xFF1B || c == 0x3001;
}
bool digit(char32_t c) { return c >= '0' && c <= '9'; }

void checkName(const std::string& name) {
    const std::u32string n = decoded(name);
    if (n.empty()) return;
    const bool sign = (n[0] == '-' || n[0] == 0x2212) && n.size() > 1 && (digit(n[1]) || n[1] == '.');
    FUZZ_CHECK(!mark(n.front()) || sign);
    FUZZ_CHECK(!mark(n.back()));
    for (std::size_t i = 0; i < n.size(); ++i) {
        if (n[i] == ':' || n[i] == 0xFF1A) FUZZ_CHECK(i > 0 && i + 1 < n.size() && digit(n[i - 1]) && digit(n[i + 1]));
        if (blank(n[i])) FUZZ_CHECK(n[i] == ' ' && !blank(n[i - 1]));   // not at the front (checked above)
    }
    for (auto [open, close] : {std::pair<char32_t, char32_t>{'(', ')'}, {0xFF08, 0xFF09}, {'[', ']'}, {0x3010, 0x3011}}) {
        int depth = 0;
        for (char32_t c : n) {
            if (c == open) ++depth;
            if (c == close) FUZZ_CHECK(--depth >= 0);
        }
        FUZZ_CHECK(depth == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fw;
    if (size > 4096) return 0;
    std::vector<std::string> t;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (int i = 0; i < 6; ++i) {
        const std::size_t nl = rest.find('\n');
        t.emplace_back(rest.substr(0, nl));
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
    }
    Module m("fuzz");
    m.addDialog(dialog(1, "名称", {
        row({label(t[0]), edit(1), label(t[1]), edit(2)}),
        row({label(t[2]), edit(3), label("°"), edit(4), label("′"), edit(5), label("″")}),
        row({button(6, t[3]), edit(7, style::ReadOnly)}),
        row({radio(8, t[4], style::Group), edit(9)}),
        row({group(IDC_STATIC, t[5], {field(t[0], 10)}), group(IDC_STATIC, t[1], {field(t[0], 11)})}),
        row({label(t[1]), label("-0.5", 12), trackbar(13), label(t[2], 14)}),
    }));
    Dialog d(m, 1);
    for (const auto& [control, name] : controlNames(d)) {
        checkName(name);
        FUZZ_CHECK(fieldLabel(d, control->id()) == name);
    }
    return 0;
}
