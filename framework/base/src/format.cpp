// Formatting and parsing in the C locale, whatever setlocale() says.
#include "fw/format.h"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

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

std::string format(const char* fmt, ...) {
    CLocaleScope scope;
    va_list args;
    va_start(args, fmt);
    va_list again;
    va_copy(again, args);
    char small[256];
    const int n = std::vsnprintf(small, sizeof small, fmt, args);
    va_end(args);
    std::string out;
    if (n < 0) {
        va_end(again);
        return out;
    }
    if (static_cast<std::size_t>(n) < sizeof small) {
        out.assign(small, static_cast<std::size_t>(n));
    } else {
        out.resize(static_cast<std::size_t>(n));
        std::vsnprintf(out.data(), out.size() + 1, fmt, again);
    }
    va_end(again);
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
    return format("%.15g", v);
}

}  // namespace fw
