// The worked example's document, docs/examples.htm, as its tests read it: its
// text, its steps (fwtest/steps.h) and the report it shows, line by line.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace worked_example {

inline std::string documentText() {
    std::ifstream in(std::filesystem::path(KAVRIN_SOURCE_DIR) / "docs/examples.htm", std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The lines of the document's report block that opens with `tag`.
inline std::vector<std::string> documentBlock(const std::string& html, const std::string& tag) {
    std::istringstream in(html);
    std::vector<std::string> lines;
    std::string line;
    bool inBlock = false;
    while (std::getline(in, line)) {
        if (line == tag) inBlock = true;
        else if (inBlock && line == "</pre>") break;
        else if (inBlock) lines.push_back(line);
    }
    EXPECT_FALSE(lines.empty()) << tag;
    return lines;
}

// The report of the whole example as the document shows it: two empty lines,
// the preliminary report, then each later section after an empty line.
inline std::vector<std::string> documentedReport(const std::string& html) {
    std::vector<std::string> lines{"", ""};
    bool first = true;
    for (const char* tag : {"<pre>", "<pre class=\"geometry\">", "<pre class=\"rating\">"}) {
        if (!first) lines.push_back("");
        first = false;
        for (auto& l : documentBlock(html, tag)) lines.push_back(std::move(l));
    }
    return lines;
}

// A report's text (UTF-8, CR LF) as lines.
inline std::vector<std::string> reportLines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        out.push_back(text.substr(from, at - from));
    out.push_back(text.substr(from));
    return out;
}

}  // namespace worked_example
