#include "bevel/geometry/calc/spiral_cutters.h"

#include <bit>
#include <charconv>
#include <sstream>
#include <cmath>
#include <cstring>

#include "common/calc/data_folder.h"
#include "fw/file.h"
#include "fw/format.h"
#include "fw/registry.h"

namespace bevel {

const std::array<const char*, kCutterTableCount> kCutterTableFiles = {"xp1.dat", "xp2.dat", "xp3.dat",
                                                                      "xp4.dat", "xp5.dat", "xp6.dat"};

const std::array<const char*, kCutterTableCount> kCutterTableContents = {
    "刀盘直径、最大齿高与齿宽", "最大模数", "螺旋角下限", "螺旋角上限", "锥距下限", "锥距上限"};

bool CutterTables::complete() const {
    for (bool l : loaded)
        if (!l) return false;
    return true;
}

std::string missingCutterTablesMessage(const CutterTables& t) {
    std::string names;
    for (std::size_t i = 0; i < kCutterTableFiles.size(); ++i) {
        if (t.loaded[i]) continue;
        if (!names.empty()) names += "、";
        names += fw::format("%s（%s）", kCutterTableFiles[i], kCutterTableContents[i]);
    }
    if (names.empty()) return {};
    return "铣刀盘数据表" + names + "缺失或不能读取，没有可选用的标准铣刀盘。\n请重新安装软件，或输入自定义刀盘名义直径后重新计算!";
}

namespace {

std::string openMessage(const std::filesystem::path& file) {
    return fw::format("不能打开文件%s,", file.filename().string().c_str());
}

}  // namespace

CutterTable cutterTableFromBytes(const std::vector<std::uint8_t>& bytes) {
    CutterTable t{};
    if (bytes.size() < kCutterTableBytes) return t;
    for (int r = 0; r < kCutterRows; ++r)
        for (int c = 0; c < kCutterBands; ++c) {
            std::uint64_t u = 0;
            const std::size_t at = static_cast<std::size_t>(3 * r + c) * 8;
            for (int k = 7; k >= 0; --k) u = (u << 8) | bytes[at + static_cast<std::size_t>(k)];
            t[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = std::bit_cast<double>(u);
        }
    return t;
}

std::vector<std::uint8_t> cutterTableBytes(const CutterTable& t) {
    std::vector<std::uint8_t> out;
    out.reserve(kCutterTableBytes);
    for (const auto& row : t)
        for (double v : row) {
            auto u = std::bit_cast<std::uint64_t>(v);
            for (int k = 0; k < 8; ++k) out.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
        }
    return out;
}

fw::Expected<CutterTable, std::string> readCutterTable(const std::filesystem::path& file) {
    auto bytes = fw::readFile(file, kCutterTableBytes);
    if (!bytes || bytes->size() < kCutterTableBytes) return fw::unexpected(openMessage(file));
    CutterTable t = cutterTableFromBytes(*bytes);
    for (const auto& row : t)
        for (double v : row)
            if (!std::isfinite(v)) return fw::unexpected(openMessage(file));
    return t;
}

namespace {
bool parseNumber(const std::string& s, double& v) {
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, v);
    return ec == std::errc() && p == end && std::isfinite(v);
}
}  // namespace

fw::Expected<CutterTables, std::string> parseCutterTableSource(const std::string& text) {
    CutterTables out;
    std::istringstream in(text);
    std::string line;
    std::size_t tables = 0;
    int row = -1, lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string s; w.size() <= kCutterBands && words >> s;) w.push_back(s);
        if (w.empty()) continue;
        if (w.size() == 1 && tables < kCutterTableFiles.size() && (row < 0 || row == kCutterRows) &&
            w[0] == kCutterTableFiles[tables]) {
            ++tables;
            row = 0;
            continue;
        }
        if (w.size() != kCutterBands || row < 0 || row >= kCutterRows)
            return fw::unexpected(fw::format("line %d: unexpected", lineNo));
        for (std::size_t c = 0; c < kCutterBands; ++c)
            if (!parseNumber(w[c], out.t[tables - 1][static_cast<std::size_t>(row)][c]))
                return fw::unexpected(fw::format("line %d: not a number", lineNo));
        ++row;
    }
    if (tables != kCutterTableFiles.size() || row != kCutterRows)
        return fw::unexpected(std::string("six tables of 17 rows expected"));
    out.loaded.fill(true);
    return out;
}

std::optional<std::filesystem::path> cutterTableFolder() {
    auto value = fw::registry::readString(fw::registry::Hive::LocalMachine, kavrin::kInstallKey,
                                          kavrin::kInstallValue);
    if (!value || value->empty() || value->size() > 260) return std::nullopt;
    return std::filesystem::path(*value);
}

LoadedCutterTables loadCutterTables(const std::optional<std::filesystem::path>& folder) {
    LoadedCutterTables out;
    for (std::size_t i = 0; i < kCutterTableFiles.size(); ++i) {
        if (!folder) {
            out.messages.emplace_back(kMsgCutterRegistry);
            continue;
        }
        auto t = readCutterTable(*folder / kCutterTableFiles[i]);
        if (t) {
            out.tables.t[i] = *t;
            out.tables.loaded[i] = true;
        } else {
            out.messages.push_back(t.error());
        }
    }
    return out;
}

std::vector<CutterRow> cutterRows(const CutterTables& tables, double r, double betaMDeg) {
    std::vector<CutterRow> rows;
    if (!tables.complete()) return rows;
    const auto& t = tables.t;
    for (std::size_t i = 0; i < kCutterRows; ++i)
        for (std::size_t c = 0; c < kCutterBands; ++c) {
            const double rMin = t[kXPRmin][i][c], rMax = t[kXPRmax][i][c];
            const double bMin = t[kXPBtmin][i][c], bMax = t[kXPBtmax][i][c];
            const double module = t[kXPM][i][c];
            if (!(rMin <= r && r < rMax && bMin <= betaMDeg && (betaMDeg <= bMax || bMax == 0) && module > 0))
                continue;
            rows.push_back(CutterRow{static_cast<std::int32_t>(i), static_cast<std::int32_t>(c), t[kXPD][i][0], bMin,
                                     bMax, rMin, rMax, t[kXPD][i][1], t[kXPD][i][2], module});
        }
    return rows;
}

std::array<std::string, 6> cutterColumns(const CutterRow& c) {
    return {fw::format("%.2f", c.d0),
            c.betaMax == 0 ? fw::format(">%.2f", c.betaMin) : fw::format("%.2f～%.2f", c.betaMin, c.betaMax),
            fw::format("%.0f～%.0f", c.rMin, c.rMax),
            fw::format("%.2f", c.depth),
            fw::format("%.2f", c.width),
            fw::format("%.2f", c.module)};
}

CutterRow customCutter(double d0) {
    CutterRow c;
    c.band = kCustomCutterBand;
    c.d0 = d0;
    return c;
}

}  // namespace bevel
