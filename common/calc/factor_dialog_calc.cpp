#include "common/calc/factor_dialog_calc.h"

#include <array>
#include <cmath>
#include <string>

#include "fw/format.h"

namespace kavrin {

namespace {

using BandTable = std::array<std::array<KaBand, 3>, 3>;

// Rows: driver 平稳, 轻度冲击, 中等冲击; columns: driven 平稳, 中等冲击, 较大冲击.
// The two tables agree except in cells (0,2), (1,1) and (2,0).
constexpr BandTable kByDriver{{
    {{{1.00, 1.25}, {1.25, 1.50}, {1.50, 1.75}}},
    {{{1.25, 1.50}, {1.50, 2.00}, {2.00, 2.50}}},
    {{{1.50, 1.75}, {1.75, 2.25}, {2.25, 2.75}}},
}};
constexpr BandTable kByDriven{{
    {{{1.00, 1.25}, {1.25, 1.50}, {1.75, 2.00}}},
    {{{1.25, 1.50}, {1.50, 1.75}, {2.00, 2.50}}},
    {{{1.50, 2.00}, {1.75, 2.25}, {2.25, 2.75}}},
}};

constexpr std::array<ElasticModuli, 10> kModuli{{
    {210000, 210000},  // 钢-钢
    {200000, 206000},  // 钢-铸钢
    {210000, 120000},  // 钢-铸铁
    {210000, 176000},  // 钢-球墨铸铁
    {206000, 206000},  // 铸钢-铸钢
    {206000, 120000},  // 铸钢-铸铁
    {206000, 176000},  // 铸钢-球墨铸铁
    {120000, 120000},  // 铸铁-铸铁
    {120000, 176000},  // 铸铁-球墨铸铁
    {176000, 176000},  // 球墨铸铁-球墨铸铁
}};

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

std::optional<KaBand> applicationFactorBand(int driver, int driven, KaBandSource source) {
    if (driver < 0 || driver > 2 || driven < 0 || driven > 2) return std::nullopt;
    const BandTable& t = source == KaBandSource::Driver ? kByDriver : kByDriven;
    return t[static_cast<std::size_t>(driver)][static_cast<std::size_t>(driven)];
}

double applicationFactor(const KaBand& band, int pos, int rangeMin, int rangeMax) {
    if (rangeMax <= rangeMin) return band.low;
    return band.low + (band.high - band.low) * (pos - rangeMin) / (rangeMax - rangeMin);
}

std::optional<int> cyclesExponent(std::string_view text) {
    text = trimmed(text);
    for (std::string_view prefix : {std::string_view("10^"), std::string_view("10＾")}) {
        if (text.substr(0, prefix.size()) != prefix) continue;
        std::string_view k = text.substr(prefix.size());
        if (k.empty() || k.front() == ' ') return std::nullopt;
        auto v = fw::parseInteger(k);
        if (!v || *v < -400 || *v > 400) return std::nullopt;
        return static_cast<int>(*v);
    }
    return std::nullopt;
}

std::optional<double> bendingCycles(int exponent, double multiplier, const fw::Bounds& cycles) {
    const double ne = std::pow(10.0, exponent) * multiplier;
    if (!std::isfinite(ne)) return std::nullopt;
    if (multiplier <= 0) return ne;
    // Above 0 the product lies in NE's range; an underflow to 0 (10^−400)
    // is no count of cycles either.
    if (!(ne > 0 && cycles.admits(ne))) return std::nullopt;
    return ne;
}

double contactLifeCycles(int materialClass, int pitting) {
    if (materialClass == 1 || materialClass == 2) return 2e6;
    return pitting == 1 ? 5e7 : 1e9;
}

ElasticModuli elasticModuli(int pair) {
    if (pair < 0 || pair >= static_cast<int>(kModuli.size())) return {};
    return kModuli[static_cast<std::size_t>(pair)];
}

}  // namespace kavrin
