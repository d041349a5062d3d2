// The one strict number parser of every field: it takes the whole text
// (white space around it aside) or nothing, never a value that is not finite, and what it takes prints and
// parses back to itself.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "fw/format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (auto v = fw::parseNumber(text)) {
        FUZZ_CHECK(std::isfinite(*v));
        for (char c : text) FUZZ_CHECK(std::string_view("0123456789+-.eE \t\r\n\f\v").find(c) != std::string_view::npos);
        FUZZ_CHECK(fw::parseNumber(fw::format("%.17g", *v)) == *v);
        FUZZ_CHECK(fw::parseNumber(fw::formatNumber(*v)).has_value());
    }
    if (auto i = fw::parseInteger(text)) {
        for (char c : text) FUZZ_CHECK(std::string_view("0123456789+- \t\r\n\f\v").find(c) != std::string_view::npos);
        FUZZ_CHECK(fw::parseInteger(std::to_string(*i)) == *i);
        FUZZ_CHECK(fw::parseNumber(text).has_value());
    }
    return 0;
}
