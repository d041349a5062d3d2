#include "bevel/geometry/calc/cutter_tables.h"

#include <cmath>
#include <cstring>

#include "fw/file.h"
#include "fw/format.h"

namespace bevel {

namespace {

// Nominal cutter diameters, mm: the inch sizes 1/2″ to 18″.
constexpr std::array<double, kCutterRows> kDiameters = {12.70,  19.05,  27.94,  38.10,  50.80,  63.50,
                                                        76.20,  88.90,  114.30, 127.00, 152.40, 190.50,
                                                        228.60, 266.70, 304.80, 381.00, 457.20};
// Upper cone-distance limit of each band, as a share of d0 (keeps d0/R
// between 1.0, 1.11 or 1.25 and 2.5, where the heel spiral angle exists).
constexpr std::array<double, kCutterBands> kRMaxShare = {1.0, 0.9, 0.8};
constexpr double kRMinShare = 0.4;
constexpr std::array<double, kCutterBands> kBandLow = {0, 15, 30};    // βm, degrees
constexpr std::array<double, kCutterBands> kBandHigh = {15, 30, 0};   // 0: open

double halvesUp(double v) { return std::floor(v + 0.5); }

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

CutterTables standardCutterTables() {
    CutterTables t;
    t.present.fill(true);
    for (std::size_t r = 0; r < kCutterRows; ++r) {
        const double d0 = kDiameters[r];
        const double depth = std::floor((0.1 * d0 + 1) * 2 + 0.5) / 2;  // nearest 0.5 mm
        const double module = std::floor(depth / 2.188 / 0.25) * 0.25;  // whole depth 2.188·m, down to 0.25
        t.xpd[r] = {d0, depth, halvesUp(0.3 * d0)};
        for (std::size_t c = 0; c < kCutterBands; ++c) {
            const bool absent = (r == 0 && c == 2) || (r == kCutterRows - 1 && c == 0);
            t.xpm[r][c] = absent ? 0 : module;
            t.btMin[r][c] = kBandLow[c];
            t.btMax[r][c] = kBandHigh[c];
            t.rMin[r][c] = halvesUp(kRMinShare * d0);
            t.rMax[r][c] = halvesUp(kRMaxShare[c] * d0);
        }
    }
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
