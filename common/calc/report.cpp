#include "common/calc/report.h"

#include "fw/text.h"

namespace kavrin {

std::string padColumns(std::string_view text, std::size_t width) {
    std::string out(text);
    std::size_t w = fw::gbkWidth(text);
    out.append(w < width ? width - w : 1, ' ');
    return out;
}

std::string reportBanner(std::string_view title) {
    std::string out = "\n\n\t";
    out.append(27, '*');
    out += title;
    out.append(31, '*');
    out += "\n";
    return out;
}

std::string reportColumnHead() {
    std::string out = "\t项目                   符号或计算公式                                  结果\n\t";
    for (int i = 0; i < 43; ++i) out += "—";
    out += "\n";
    return out;
}

std::string reportItem(std::string_view item, std::string_view symbol, std::string_view value,
                       std::size_t resultColumn) {
    std::string out = "\t";
    out += padColumns(item, kReportSymbolColumn);
    std::size_t symbolWidth = resultColumn > kReportSymbolColumn ? resultColumn - kReportSymbolColumn : 1;
    out += padColumns(symbol, symbolWidth);
    out += value;
    out += "\n";
    return out;
}

fw::Expected<void, fw::FileError> writeReport(const std::filesystem::path& path, std::string_view utf8,
                                              fw::TextFileWriter::Mode mode) {
    auto file = fw::TextFileWriter::open(path, mode);
    if (!file) return fw::unexpected(file.error());
    file->write(utf8);
    return file->close();
}

}  // namespace kavrin
