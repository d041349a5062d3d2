// Numbers to text and back, always in the C locale whatever the process
// locale is.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// printf-style formatting with C's output; UTF-8 in the format passes through.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// A whole field as a number: optional blanks around, "." as the only decimal
// point; anything else is nullopt.
std::optional<double> parseNumber(std::string_view text);
std::optional<long long> parseInteger(std::string_view text);

// The framework's way of showing a double in a field: up to 15 significant
// digits ("%.15g").
std::string formatNumber(double v);

}  // namespace fw
