#include "fw/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace {

TEST(Format, PrintfOutput) {
    EXPECT_EQ(fw::format("%.2f mm", 12.345), "12.35 mm");  // 12.345 is stored as 12.3450000000000006
    EXPECT_EQ(fw::format("%d°%d′%d″", 20, 30, 5), "20°30′5″");
    EXPECT_EQ(fw::format("%s", std::string(1000, 'x').c_str()), std::string(1000, 'x'));  // past the small buffer
    EXPECT_EQ(fw::formatNumber(0.1), "0.1");
    EXPECT_EQ(fw::formatNumber(1.0 / 3), "0.333333333333333");  // 15 significant digits
    EXPECT_EQ(fw::formatNumber(2.5e-7), "0.00000025");   // plain decimals, as a designer writes them
    EXPECT_EQ(fw::formatNumber(-1e-6), "-0.000001");
    EXPECT_EQ(fw::formatNumber(1.0 / 3e6), "0.000000333333333333333");   // still 15 significant digits
    EXPECT_EQ(fw::formatNumber(1e-9), "0.000000001");
    EXPECT_EQ(fw::formatNumber(9.5e-10), "9.5e-10");
    EXPECT_EQ(fw::formatNumber(1e15), "1e+15");
    EXPECT_EQ(fw::formatNumber(-0.0), "0");
}

// A value that rounds to zero in its format prints without a sign, padded
// as the format pads it; a value that shows a digit keeps its sign. The
// formats are the reports' and the fields' own.
TEST(Format, NoNegativeZero) {
    struct Case {
        const char* fmt;
        double v;
        const char* shown;
    } cases[] = {
        {"%.3f", -0.0001, "0.000"},   {"%.3f", -0.0, "0.000"},       {"%.2f", -0.004, "0.00"},
        {"%.4f", -0.00004, "0.0000"}, {"%.0f", -0.4, "0"},           {"%8.2f", -0.001, "    0.00"},
        {"%-8.2f|", -0.001, "0.00    |"}, {"%+.2f", -0.001, "+0.00"}, {"%.2e", -0.0, "0.00e+00"},
        {"%g", -0.0, "0"},            {"%.15g", -0.0, "0"},          {"%.3f", -0.0006, "-0.001"},
        {"%.2f", -0.005001, "-0.01"}, {"%.2e", -1e-300, "-1.00e-300"}, {"%g", -1e-20, "-1e-20"},
        {"%.2f", 0.001, "0.00"},      {"%.2f", -12.5, "-12.50"},     {"%f", -INFINITY, "-inf"},
    };
    for (const auto& c : cases) EXPECT_EQ(fw::format(c.fmt, c.v), c.shown) << c.fmt << " of " << c.v;
    // Inside a report line, with other conversions around it.
    EXPECT_EQ(fw::format("\tχ 2= %s= %.3f%s %d%%", "(预定)", -0.0002, "mm", -3), "\tχ 2= (预定)= 0.000mm -3%");
    EXPECT_EQ(fw::format("%*.*f|%ld|%zu|%c|%5s|%Lf", 7, 1, -0.01, -5L, std::size_t{9}, 'x', "ab", -0.0L),
              "    0.0|-5|9|x|   ab|0.000000");
}

TEST(Parse, Numbers) {
    struct Case {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"12", 12}, {"12.", 12}, {".5", 0.5}, {"-3", -3}, {"+3", 3},
        {"1e-3", 1e-3}, {"2.5E+2", 250}, {"  7.25\t", 7.25},
        {"", std::nullopt}, {"  ", std::nullopt}, {".", std::nullopt}, {"-", std::nullopt},
        {"1,5", std::nullopt}, {"12abc", std::nullopt}, {"1e", std::nullopt}, {"1 2", std::nullopt},
        {"inf", std::nullopt}, {"nan", std::nullopt}, {"NaN", std::nullopt}, {"0x10", std::nullopt},
        {"1e999", std::nullopt}, {"-1e999", std::nullopt}, {"1e-999", std::nullopt}, {"齿轮", std::nullopt},
        {"1.7976931348623157e308", 1.7976931348623157e308},
    };
    for (const auto& c : cases) EXPECT_EQ(fw::parseNumber(c.text), c.value) << '"' << c.text << '"';
}

// 10,000 digits overflow a double; a million-character text is parsed in
// one pass (a prefix-by-prefix reader would take minutes here).
TEST(Parse, LongTextsAreRefusedOrReadInOnePass) {
    EXPECT_EQ(fw::parseNumber(std::string(10000, '9')), std::nullopt);
    EXPECT_EQ(fw::parseInteger(std::string(10000, '9')), std::nullopt);
    EXPECT_EQ(fw::parseNumber("0." + std::string(1000000, '0') + "5"), std::nullopt);  // underflows
    EXPECT_EQ(fw::parseNumber(std::string(1000000, '1') + "x"), std::nullopt);
    EXPECT_EQ(fw::parseNumber("1." + std::string(1000000, '0')), 1.0);
}

TEST(Parse, Integers) {
    struct Case {
        const char* text;
        std::optional<long long> value;
    } cases[] = {
        {"20", 20}, {" -7 ", -7}, {"+4", 4}, {"9223372036854775807", 9223372036854775807LL},
        {"", std::nullopt}, {"1.0", std::nullopt}, {"12abc", std::nullopt}, {"-", std::nullopt},
        {"9223372036854775808", std::nullopt},  // one past the largest long long
    };
    for (const auto& c : cases) EXPECT_EQ(fw::parseInteger(c.text), c.value) << '"' << c.text << '"';
}

// Qt switches the process to the user's locale; a comma locale must not
// leak into formatting or parsing.
TEST(Format, CLocaleUnderACommaLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "locale de_DE.UTF-8 not installed";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5");  // the locale really is in force
    EXPECT_EQ(fw::format("%.2f", 1.25), "1.25");
    EXPECT_EQ(fw::formatNumber(0.5), "0.5");
    EXPECT_EQ(fw::parseNumber("2.5"), 2.5);
    EXPECT_EQ(fw::parseNumber("2,5"), std::nullopt);
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5");  // and is back in force afterwards
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
