// What no report may print: "inf", "nan" (any case, as a word of its own) or
// a number with 16 or more digits before its decimal point. Reads the UTF-8
// text a report is built from (code page 936 bytes could hide ASCII letters
// in their trail bytes). Used by the value fuzz targets and by tests.
#pragma once
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

namespace kavrin_fuzz {

inline constexpr std::size_t kMaxIntegerDigits = 15;

// The first thing in text no report may print, with the line it stands in;
// nullopt when there is none.
inline std::optional<std::string> unprintableInReport(std::string_view text) {
    auto lineAround = [&](std::size_t at) {
        std::size_t from = text.rfind('\n', at);
        from = from == std::string_view::npos ? 0 : from + 1;
        std::size_t to = text.find('\n', at);
        return std::string(text.substr(from, to == std::string_view::npos ? std::string_view::npos : to - from));
    };
    auto isAlpha = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 0; i < text.size();) {
        if (isAlpha(text[i])) {
            std::size_t j = i;
            while (j < text.size() && isAlpha(text[j])) ++j;
            std::string word(text.substr(i, j - i));
            for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (word == "inf" || word == "nan" || word == "infinity") return "\"" + word + "\" in: " + lineAround(i);
            i = j;
        } else if (isDigit(text[i])) {
            std::size_t j = i;
            while (j < text.size() && isDigit(text[j])) ++j;
            const bool fraction = i > 0 && text[i - 1] == '.';
            if (!fraction && j - i > kMaxIntegerDigits)
                return std::to_string(j - i) + " digits before the point in: " + lineAround(i);
            i = j;
        } else {
            ++i;
        }
    }
    return std::nullopt;
}

}  // namespace kavrin_fuzz
