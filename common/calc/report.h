// Layout of the calculation reports: a banner, head lines, a column head and
// one line per quantity with the item, symbol and result columns. Columns are
// counted in code page 936 bytes (a Chinese character is two columns).
// Texts are UTF-8; writeReport converts them to GBK with CR LF line ends.
#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "fw/expected.h"
#include "fw/file.h"

namespace kavrin {

// Column of the symbol (after the leading tab) and of the result.
constexpr std::size_t kReportSymbolColumn = 23;
constexpr std::size_t kReportResultColumn = 68;

// text followed by blanks up to `width` columns, at least one blank.
std::string padColumns(std::string_view text, std::size_t width);

// "\n\n\t" + 27 '*' + title + 31 '*' + "\n"
std::string reportBanner(std::string_view title);

// The column head "\t项目 … 符号或计算公式 … 结果\n" and its rule of 43 "—".
std::string reportColumnHead();

// "\t" + item padded to the symbol column + symbol padded to the result
// column + value (with its unit) + "\n".
std::string reportItem(std::string_view item, std::string_view symbol, std::string_view value,
                       std::size_t resultColumn = kReportResultColumn);

// Writes a whole report (Create replaces an existing file, Append adds to
// it); the result tells whether writing and closing succeeded.
fw::Expected<void, fw::FileError> writeReport(const std::filesystem::path& path, std::string_view utf8,
                                              fw::TextFileWriter::Mode mode);

}  // namespace kavrin
