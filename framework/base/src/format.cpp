// Formatting and parsing in the C locale, whatever setlocale() says.
#include "fw/format.h"

#include "fw/bounds.h"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace fw {
namespace {

locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Switches this thread to the C locale for its lifetime.
class CLocaleScope {
public:
    CLocaleScope() : m_old(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(m_old); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_old;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::size_t skipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

// [+-] (digits [. digits*] | . digits) [(e|E) [+-] digits]
bool isDecimalNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t intStart = i;
    i = skipDigits(s, i);
    std::size_t digits = i - intStart;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fracStart = ++i;
        i = skipDigits(s, i);
        digits += i - fracStart;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t expStart = i;
        i = skipDigits(s, i);
        if (i == expStart) return false;
    }
    return i == s.size();
}

}  // namespace

namespace {

// One conversion of a printf format, formatted alone.
template <class T>
void append(std::string& out, const std::string& spec, T v) {
    char small[128];
    const int n = std::snprintf(small, sizeof small, spec.c_str(), v);
    if (n < 0) return;
    if (static_cast<std::size_t>(n) < sizeof small) {
        out.append(small, static_cast<std::size_t>(n));
        return;
    }
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(n));
    std::snprintf(out.data() + at, static_cast<std::size_t>(n) + 1, spec.c_str(), v);
}

// A real number that rounds to zero in its format prints without a sign:
// "%.3f" of -0.0004 is "0.000", not "-0.000" (the padding stays the format's).
template <class T>
void appendReal(std::string& out, const std::string& spec, T v) {
    const std::size_t at = out.size();
    append(out, spec, v);
    if (!std::signbit(v)) return;
    const std::string shown = out.substr(at);
    if (strtod_l(shown.c_str(), nullptr, cLocale()) != 0) return;   // also "-nan" and "-inf"
    out.resize(at);
    append(out, spec, T(0));
}

// printf's conversions one by one: flags, width and precision (also "*"),
// the length modifiers, and every conversion but %n (its argument is taken
// and nothing written).
std::string formatArgs(const char* fmt, va_list args) {
    std::string out;
    for (const char* p = fmt; *p;) {
        if (*p != '%') {
            const char* next = std::strchr(p, '%');
            if (!next) next = p + std::strlen(p);
            out.append(p, static_cast<std::size_t>(next - p));
            p = next;
            continue;
        }
        std::string spec = "%";
        ++p;
        while (*p && std::strchr("-+ #0'", *p)) spec += *p++;
        if (*p == '*') {
            spec += std::to_string(va_arg(args, int));
            ++p;
        }
        while (isDigit(*p)) spec += *p++;
        if (*p == '.') {
            spec += *p++;
            if (*p == '*') {
                spec += std::to_string(va_arg(args, int));
                ++p;
            }
            while (isDigit(*p)) spec += *p++;
        }
        std::string length;
        while (*p && std::strchr("hlLjztq", *p)) length += *p++;
        const char conv = *p;
        if (!conv) break;
        ++p;
        spec += length;
        spec += conv;
        switch (conv) {
        case '%': out += '%'; break;
        case 'd': case 'i':
            if (length == "l") append(out, spec, va_arg(args, long));
            else if (length == "ll" || length == "q") append(out, spec, va_arg(args, long long));
            else if (length == "j") append(out, spec, va_arg(args, std::intmax_t));
            else if (length == "z") append(out, spec, va_arg(args, std::ptrdiff_t));
            else if (length == "t") append(out, spec, va_arg(args, std::ptrdiff_t));
            else append(out, spec, va_arg(args, int));
            break;
        case 'u': case 'o': case 'x': case 'X':
            if (length == "l") append(out, spec, va_arg(args, unsigned long));
            else if (length == "ll" || length == "q") append(out, spec, va_arg(args, unsigned long long));
            else if (length == "j") append(out, spec, va_arg(args, std::uintmax_t));
            else if (length == "z") append(out, spec, va_arg(args, std::size_t));
            else if (length == "t") append(out, spec, va_arg(args, std::size_t));
            else append(out, spec, va_arg(args, unsigned));
            break;
        case 'c':
            if (length == "l") append(out, spec, va_arg(args, wint_t));
            else append(out, spec, va_arg(args, int));
            break;
        case 's':
            if (length == "l") append(out, spec, va_arg(args, const wchar_t*));
            else append(out, spec, va_arg(args, const char*));
            break;
        case 'p': append(out, spec, va_arg(args, void*)); break;
        case 'n': (void)va_arg(args, void*); break;
        case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
            if (length == "L") appendReal(out, spec, va_arg(args, long double));
            else appendReal(out, spec, va_arg(args, double));
            break;
        default: out += spec; break;   // not a conversion: shown as written
        }
    }
    return out;
}

}  // namespace

std::string format(const char* fmt, ...) {
    CLocaleScope scope;
    va_list args;
    va_start(args, fmt);
    std::string out = formatArgs(fmt, args);
    va_end(args);
    return out;
}

std::optional<double> parseNumber(std::string_view text) {
    const std::string s(trimmed(text));
    if (!isDecimalNumber(s)) return std::nullopt;
    errno = 0;
    const double v = strtod_l(s.c_str(), nullptr, cLocale());
    // "1e999" overflows; "1e-999" underflows (ERANGE): neither is taken.
    if (!std::isfinite(v) || errno == ERANGE) return std::nullopt;
    return v;
}

std::optional<long long> parseInteger(std::string_view text) {
    const std::string s(trimmed(text));
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (i == s.size() || skipDigits(s, i) != s.size()) return std::nullopt;
    errno = 0;
    const long long v = strtoll_l(s.c_str(), nullptr, 10, cLocale());
    if (errno == ERANGE) return std::nullopt;
    return v;
}

std::string formatNumber(double v) {
    if (v == 0) v = 0;  // no "-0" in a field
    std::string s = format("%.15g", v);
    // A small magnitude as a designer writes it, "0.000001" rather than
    // "0.000001", down to where plain decimals stop being readable.
    if (s.find('e') == std::string::npos || !(std::abs(v) >= kPlainDecimalsFrom && std::abs(v) < 1)) return s;
    const int decimals = 14 - static_cast<int>(std::floor(std::log10(std::abs(v))));
    s = format("%.*f", decimals, v);
    s.erase(s.find_last_not_of('0') + 1);
    return s;
}

namespace {
std::string boundsText(const Bounds& b, const char* kind) {
    return std::string("请输入 ") + (b.orZero ? "0 或 " : "") + formatNumber(b.lower) + " 到 " + formatNumber(b.upper) +
           " 之间的" + kind + "。";
}
}  // namespace

std::string numberBoundsText(const Bounds& b) { return boundsText(b, "数值"); }
std::string integerBoundsText(const Bounds& b) { return boundsText(b, "整数"); }

}  // namespace fw
