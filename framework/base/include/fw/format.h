// Numbers to text and back, always in the C locale whatever the process
// locale is.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// printf-style formatting with C's output; UTF-8 in the format passes through.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// The one strict number parser of every field: the whole text (optional
// blanks around) as [+-] digits [. digits] [e [+-] digits], "." as the only
// decimal point whatever the process locale; nullopt for anything else, and
// for a number that overflows or underflows ("1e999", 10,000 digits) or is
// not finite ("NaN", "inf"). Linear in the text's length.
std::optional<double> parseNumber(std::string_view text);
std::optional<long long> parseInteger(std::string_view text);

// The framework's way of showing a double in a field: up to 15 significant
// digits ("%.15g"), a magnitude from kPlainDecimalsFrom to 1 in plain
// decimals ("0.000001", not "0.000001").
inline constexpr double kPlainDecimalsFrom = 1e-9;
std::string formatNumber(double v);

}  // namespace fw
