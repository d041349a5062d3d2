#include "common/calc/rating_tables.h"

#include <cmath>
#include <iterator>

namespace kavrin::rating {

double lifeFactorPowerLaw(double c, double e, double cycles) {
    constexpr double kLongLifeCycles = 1e10;  // end of the long-life line
    constexpr double kLongLifeFactor = 0.85;  // the factor from there on
    const double knee = std::pow(c, -1.0 / e);
    if (cycles <= knee) return c * std::pow(cycles, e);
    if (cycles >= kLongLifeCycles) return kLongLifeFactor;
    const double share = std::log10(cycles / knee) / std::log10(kLongLifeCycles / knee);
    return 1.0 - (1.0 - kLongLifeFactor) * share;
}

std::optional<double> bendingLifeFactor(int material, double ne) {
    switch (material) {
        case 0: return ne < 10000 ? 2.5 : lifeFactorPowerLaw(11.0762, -0.16081, ne);
        case 1: return lifeFactorPowerLaw(5.4929, -0.113855, ne);
        case 2: return lifeFactorPowerLaw(2.38713, -0.0574943, ne);
        case 3: return lifeFactorPowerLaw(1.15267, -0.00942168, ne);
        default: return std::nullopt;
    }
}

namespace {

struct LubricantRow {
    double cL, eL, cV, eV;
};
constexpr LubricantRow kLubricantRows[5] = {
    {0.599842, 0.113182, 0.88655, 0.0525964},   // σHlim ≤ 800 MPa
    {0.625583, 0.103984, 0.896265, 0.0487948},  // 900 MPa
    {0.655252, 0.0931095, 0.909268, 0.0418283}, // 1000 MPa
    {0.707968, 0.076629, 0.927788, 0.0331643},  // 1100 MPa
    {0.761874, 0.0602386, 0.942212, 0.0266505}, // ≥ 1200 MPa
};

}  // namespace

double lubricantFactor(int limitClass, int lubricant, int flankState, double viscosity) {
    const LubricantRow& r = kLubricantRows[limitClass];
    double zL = r.cL * std::pow(viscosity, r.eL);
    if (lubricant == 1) zL *= flankState == 0 ? 1.1 : 1.4;
    return zL;
}

double velocityFactor(int limitClass, double v) {
    const LubricantRow& r = kLubricantRows[limitClass];
    return r.cV * std::pow(v, r.eV);
}

double roughnessDistanceFactor(double a) {
    struct Row {
        double a, f;
    };
    static constexpr Row rows[] = {
        {100, 0.9286},  {150, 0.8},    {200, 0.7286},  {250, 0.6714},  {300, 0.625},
        {350, 0.5893},  {400, 0.5571}, {500, 0.5143},  {600, 0.475},   {800, 0.4286},
        {1000, 0.39286}, {1500, 0.3286}, {2000, 0.3},
    };
    if (std::isnan(a)) return a;
    if (a < rows[0].a) return rows[0].f;
    for (std::size_t i = 1; i < std::size(rows); ++i) {
        if (a <= rows[i].a) {
            const Row& lo = rows[i - 1];
            const Row& hi = rows[i];
            return lo.f + (a - lo.a) * (hi.f - lo.f) / (hi.a - lo.a);
        }
    }
    return rows[std::size(rows) - 1].f;
}

double roughnessFactor(int limitClass, double raTimesF) {
    static constexpr double c0[5] = {1.06304, 1.05184, 1.0439, 1.02518, 1.02227};
    static constexpr double c1[5] = {0.14015, 0.0924888, 0.0810485, 0.0629959, 0.0516571};
    const auto k = static_cast<std::size_t>(limitClass);
    return c0[k] - c1[k] * std::log(raTimesF);
}

double workHardeningFactor(int pinionFlank, int gearFlank, double hb) {
    if (pinionFlank != 0 || gearFlank != 1) return 1.0;
    if (hb < 130) return 1.2;
    if (hb <= 350) return 1.27704 - 0.0005926 * hb;
    return 1.0;
}

}  // namespace kavrin::rating
