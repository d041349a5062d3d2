#include "bevel/geometry/calc/cutter_tables.h"

#include <cmath>
#include <cstring>

#include "fw/file.h"
#include "fw/format.h"

namespace bevel {

namespace {

}  // namespace

fw::Expected<CutterTable, std::string> parseCutterTable(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kCutterTableBytes) return fw::unexpected(std::string("short"));
    CutterTable t{};
    for (int r = 0; r < kCutterRows; ++r)
        for (int c = 0; c < kCutterBands; ++c) {
            double v = 0;
            std::memcpy(&v, bytes.data() + (3 * r + c) * 8, 8);
            if (!std::isfinite(v)) return fw::unexpected(std::string("not finite"));
            t[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = v;
        }
    return t;
}

std::vector<std::uint8_t> cutterTableBytes(const CutterTable& t) {
    std::vector<std::uint8_t> out(kCutterTableBytes);
    for (int r = 0; r < kCutterRows; ++r)
        for (int c = 0; c < kCutterBands; ++c)
            std::memcpy(out.data() + (3 * r + c) * 8, &t[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], 8);
    return out;
}

CutterTables loadCutterTables(const std::filesystem::path& folder, std::vector<std::string>& messages) {
    CutterTables t;
    CutterTable* tables[] = {&t.xpd, &t.xpm, &t.btMin, &t.btMax, &t.rMin, &t.rMax};
    for (std::size_t i = 0; i < kCutterTableFiles.size(); ++i) {
        auto bytes = fw::readFile(folder / kCutterTableFiles[i], kCutterTableBytes);
        auto table = bytes ? parseCutterTable(*bytes) : fw::unexpected(std::string("open"));
        if (!table) {
            messages.push_back(fw::format("不能打开文件%s,", kCutterTableFiles[i]));
            continue;
        }
        *tables[i] = *table;
        t.present[i] = true;
    }
    return t;
}

fw::Expected<CutterTables, std::string> parseCutterText(std::string_view text) {
    CutterTables t;
    CutterTable* tables[] = {&t.xpd, &t.xpm, &t.btMin, &t.btMax, &t.rMin, &t.rMax};
    int section = -1;
    int row = 0;
    std::size_t lineNo = 0;
    auto refuse = [&](const char* why) { return fw::unexpected(fw::format("line %zu: %s", lineNo, why)); };
    while (!text.empty()) {
        ++lineNo;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (auto hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
        std::vector<std::string_view> words;
        for (std::size_t i = 0; i < line.size();) {
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
            std::size_t j = i;
            while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r') ++j;
            if (j > i) words.push_back(line.substr(i, j - i));
            i = j;
        }
        if (words.empty()) continue;
        if (words[0].front() == '[') {
            if (section >= 0 && row != kCutterRows) return refuse("short section");
            section = -1;
            for (std::size_t i = 0; i < kCutterTableFiles.size(); ++i)
                if (words[0] == std::string("[") + kCutterTableFiles[i] + "]") section = static_cast<int>(i);
            if (section < 0) return refuse("unknown section");
            if (t.present[static_cast<std::size_t>(section)]) return refuse("repeated section");
            t.present[static_cast<std::size_t>(section)] = true;
            row = 0;
            continue;
        }
        if (section < 0 || row >= kCutterRows || words.size() != kCutterBands) return refuse("bad row");
        for (std::size_t c = 0; c < kCutterBands; ++c) {
            auto v = fw::parseNumber(words[c]);
            if (!v || !std::isfinite(*v)) return refuse("bad number");
            (*tables[section])[static_cast<std::size_t>(row)][c] = *v;
        }
        ++row;
    }
    if (section >= 0 && row != kCutterRows) return refuse("short section");
    for (bool present : t.present)
        if (!present) return fw::unexpected(std::string("missing section"));
    return t;
}

std::vector<CutterRow> cutterList(const CutterTables& t, double r, double betaM) {
    std::vector<CutterRow> out;
    for (bool present : t.present)
        if (!present) return out;
    for (std::size_t row = 0; row < kCutterRows; ++row)
        for (std::size_t c = 0; c < kCutterBands; ++c) {
            const bool fits = t.rMin[row][c] <= r && r < t.rMax[row][c] && t.btMin[row][c] <= betaM &&
                              (betaM <= t.btMax[row][c] || t.btMax[row][c] == 0) && t.xpm[row][c] > 0;
            if (!fits) continue;
            out.push_back({static_cast<std::int32_t>(row), static_cast<std::int32_t>(c), t.xpd[row][0],
                           t.btMin[row][c], t.btMax[row][c], t.rMin[row][c], t.rMax[row][c], t.xpd[row][1],
                           t.xpd[row][2], t.xpm[row][c]});
        }
    return out;
}

std::array<std::string, 6> cutterColumns(const CutterRow& c) {
    return {fw::format("%.2f", c.d0),
            c.betaMax == 0 ? fw::format(">%.2f", c.betaMin) : fw::format("%.2f～%.2f", c.betaMin, c.betaMax),
            fw::format("%.0f～%.0f", c.rMin, c.rMax), fw::format("%.2f", c.depth), fw::format("%.2f", c.width),
            fw::format("%.2f", c.module)};
}

}  // namespace bevel
