#include "cylindrical/calc/bending_rating.h"

#include <algorithm>
#include <cmath>

namespace cylindrical {

namespace {

using Place = RatingMessage::Place;
using Icon = RatingMessage::Icon;

RatingMessage attention(const char* text) { return {Place::Box, Icon::Exclamation, text, "注意"}; }
RatingMessage question(const char* text) { return {Place::Box, Icon::Question, text, "注意"}; }

// Form factor table: row k belongs to x_k = 1.2 − 0.1·k; Y_k = C_k · zv^E_k.
struct FormRow {
    double c, e;
};
constexpr FormRow kFormRows[24] = {
    {1.58245, 0.0474519},   {1.59957, 0.046017},    {1.63648, 0.0423904},  {1.68542, 0.0357991},
    {1.75563, 0.0283692},   {1.8759, 0.0163519},    {2.05332, -0.00237787}, {2.26996, -0.0224577},
    {2.52607, -0.0436727},  {2.81619, -0.065211},   {3.19599, -0.0906026}, {3.67433, -0.118631},
    {4.28239, -0.148494},   {5.04528, -0.180843},   {5.68596, -0.201686},  {6.19662, -0.214916},
    {6.67484, -0.226654},   {7.01924, -0.229887},   {7.36397, -0.235051},  {7.97303, -0.245614},
    // Row 20 (x = −0.8) is kept as stored, but its exponent breaks the run of
    // its neighbours (it makes YFa 30 to 40 % low, an unsafe rating), so
    // toothFormFactor never uses it: between rows 19 and 21 it interpolates
    // over the double step.
    {8.58775, -0.56186},
    {9.43918, -0.274464},   {10.4851, -0.28895},    {10.3558, -0.281381},
};
constexpr int kFormSkippedRow = 20;

double formX(int k) { return 1.2 - 0.1 * k; }

// Stress concentration table: row j belongs to x_j = −0.8 + 0.1·j;
// q_j = S_j · ln zv + I_j.
struct StressRow {
    double s, i;
};
constexpr StressRow kStressRows[18] = {
    {1.97286, -5.32475}, {1.90483, -5.06546}, {2.03306, -4.00742}, {2.00348, -4.4486},
    {1.92445, -3.00864},
    // Row 5 (x = −0.3) is kept as stored; its intercept would refuse every
    // shift between −0.4 and −0.2, so stressCorrection interpolates between
    // rows 4 and 6 there.
    {1.85343, -323510.0},
    {1.72128, -2.29197}, {1.61671, -1.54339}, {1.40125, -0.617833}, {1.37295, 0.167105},
    {1.19625, 1.27436},  {1.12683, 2.0172},   {1.03333, 2.69219},   {0.816277, 3.96431},
    {0.730133, 4.63804}, {0.571479, 5.55159}, {0.46319, 6.35862},   {0.550292, 6.0005},
};
constexpr int kStressSkippedRow = 5;

double stressX(int j) { return -0.8 + 0.1 * j; }

struct Material {
    double bm, km, yxIntercept, yxSlope, mnLimit, yxAbove;
};
constexpr Material kMaterials[4] = {
    {1.69012, -0.058098, 1.028, 0.0056, 30, 0.85},
    {1.6318, -0.0524098, 1.028, 0.0056, 30, 0.85},
    {1.52036, -0.0404353, 1.05, 0.01, 30, 0.75},
    {1.41857, -0.0317258, 1.075, 0.015, 25, 0.7},
};

bool validMaterial(int m) { return m >= 0 && m <= 3; }

// Y at x by linear interpolation between the rows that bracket it
// (x in −1.0 … 1.2).
double formFactorAt(double x, double zv) {
    int k = 0;
    while (k < 23 && formX(k) > x) ++k;
    if (k == 0) return formFactorRow(0, zv);
    if (k == kFormSkippedRow || k == kFormSkippedRow + 1) {
        const int lo = kFormSkippedRow + 1;
        const int hi = kFormSkippedRow - 1;
        return formFactorRow(lo, zv) + (x - formX(lo)) * (formFactorRow(hi, zv) - formFactorRow(lo, zv)) / 0.2;
    }
    return formFactorRow(k, zv) + (x - formX(k)) * (formFactorRow(k - 1, zv) - formFactorRow(k, zv)) / 0.1;
}

// q for −0.8 < x ≤ 0.9: the row j with x_j < x ≤ x_(j+1), j at most 16.
double stressFactorAt(double x, double zv) {
    int j = 0;
    while (j < 16 && x > stressX(j + 1)) ++j;
    if (j == kStressSkippedRow - 1 || j == kStressSkippedRow) {
        const int lo = kStressSkippedRow - 1;
        const int hi = kStressSkippedRow + 1;
        return stressConcentrationRow(lo, zv) +
               (x - stressX(lo)) * (stressConcentrationRow(hi, zv) - stressConcentrationRow(lo, zv)) / 0.2;
    }
    return stressConcentrationRow(j, zv) +
           (x - stressX(j)) * (stressConcentrationRow(j + 1, zv) - stressConcentrationRow(j, zv)) / 0.1;
}

StressCorrection askQuestion(StressCorrectionQuestion which, const char* text) {
    StressCorrection out;
    out.kind = StressCorrection::Kind::Question;
    out.question = which;
    out.message = question(text);
    return out;
}

StressCorrection refuse(RatingMessage m) {
    StressCorrection out;
    out.kind = StressCorrection::Kind::Refusal;
    out.message = std::move(m);
    return out;
}

StressCorrection factors(double q, double yS, double yX) {
    StressCorrection out;
    out.kind = StressCorrection::Kind::Factors;
    out.q = q;
    out.yS = usableOrZero(yS);
    out.yX = usableOrZero(yX);
    return out;
}

}  // namespace

double virtualToothNumber(unsigned z, double betaDeg) {
    const double c = std::cos(degToRad(betaDeg));
    return z / (c * c * c);
}

double formFactorRow(int k, double zv) {
    const FormRow& r = kFormRows[std::clamp(k, 0, 23)];
    return r.c * std::pow(zv, r.e);
}

RatingResult<double> toothFormFactor(const FormFactorInput& in) {
    const double x = in.x;
    const RatingMessage range = attention("变位系数过小或过大，可能导致齿顶\n过薄或发生根切！");
    if (!std::isfinite(x) || x < -1.0 || x > 1.4) return fw::unexpected(range);
    if (in.mesh == MeshType::Internal) return usableOrZero(2.063 - (2.25 - in.wholeDepth) * 1.266);
    // The table ends at x = 1.2; larger shifts are not rated.
    if (x > 1.2) return fw::unexpected(range);

    const double zv = in.zv;
    if (!isUsableValue(zv)) return fw::unexpected(calculationErrorMessage());
    const double y = formFactorAt(x, zv);
    if (y < 3.83763 * std::pow(zv, -0.268167)) {
        return fw::unexpected(attention("变位系数过大，可能导致齿顶过薄！\n须重新配置齿轮的修正。"));
    }
    if (y > 1.0467 * std::pow(zv, 0.427369)) {
        return fw::unexpected(attention("变位系数或齿数过小，实际导致根切！\n须重新配置齿轮的修正。"));
    }
    if (y > 1.05806 * std::pow(zv, 0.367968)) {
        return fw::unexpected(attention("变位系数或齿数过小，可能导致根切！\n须重新配置齿轮的修正。"));
    }
    return usableOrZero(y * in.wholeDepth / 2.25);
}

double helixAngleFactor(double epsBeta, double betaDeg) {
    const double e = std::min(epsBeta, 1.0);
    return usableOrZero(std::max(1.0 - e * betaDeg / 120.0, 1.0 - 0.25 * e));
}

double bendingContactRatioFactor(double epsAlpha) { return usableOrZero(0.2 + 0.8 / epsAlpha); }

RatingResult<double> bendingLifeFactor(const BendingLifeInput& in) {
    if (!isUsableValue(in.cycles)) return fw::unexpected(attention("未正确给定设计寿命！"));
    const double ne = in.cycles;
    const auto yN = kavrin::rating::bendingLifeFactor(in.material, ne);
    if (!yN) return fw::unexpected(invalidDataMessage());
    return usableOrZero(*yN);
}

double stressConcentrationRow(int j, double zv) {
    const StressRow& r = kStressRows[std::clamp(j, 0, 17)];
    return r.s * std::log(zv) + r.i;
}

double sizeFactor(double mn, int material) {
    if (!validMaterial(material) || std::isnan(mn)) return 0;
    const Material& m = kMaterials[material];
    if (mn <= 5) return 1.0;
    if (mn <= m.mnLimit) return m.yxIntercept - m.yxSlope * mn;
    return m.yxAbove;
}

StressCorrection stressCorrection(const StressCorrectionInput& in) {
    if (!validMaterial(in.material)) return refuse(invalidDataMessage());
    const Material& m = kMaterials[in.material];
    const double yX = sizeFactor(in.mn, in.material);
    if (in.mesh == MeshType::Internal) return factors(0, 2.074, yX);

    const double x = in.x;
    const double zv = in.zv;
    if (!std::isfinite(x) || !isUsableValue(zv)) return refuse(calculationErrorMessage());
    double q = 0;
    if (x <= -0.8 || x > 0.9) {
        if (!in.rangeAnsweredNo) {
            return x <= -0.8 ? askQuestion(StressCorrectionQuestion::ShiftTooSmall,
                                           "修正系数太小，可能根切！\n是否放弃选择?")
                             : askQuestion(StressCorrectionQuestion::ShiftTooLarge,
                                           "齿轮过修正，可能齿顶太薄！\n是否放弃选择?");
        }
        const int row = x <= -0.8 ? 0 : x < 1.1 ? 16 : x < 1.2 ? 15 : 14;
        q = stressConcentrationRow(row, zv);
    } else {
        q = stressFactorAt(x, zv);
    }
    if (q < 5.47719 - 0.155965 * zv) return refuse(attention("修正系数太小，超越根切限制条件！"));
    if (q < 6.90281 - 0.109035 * zv && !in.undercutAnsweredNo) {
        return askQuestion(StressCorrectionQuestion::UndercutRisk, "修正系数太小，须考虑根切问题！\n是否放弃选择？");
    }
    return factors(q, m.bm * std::exp(m.km * q), yX);
}

RatingResult<double> bendingStress(const BendingStressInput& in) {
    const double sigmaF = in.ft / (in.b * in.mn) * in.kA * in.kV * in.kFalpha * in.kFbeta * in.yFa *
                          in.yEps * in.yBeta;
    if (!isUsableValue(sigmaF)) return fw::unexpected(calculationErrorMessage());
    return sigmaF;
}

RatingResult<double> permissibleBendingStress(const PermissibleBendingInput& in) {
    if (!isUsableValue(in.sigmaFlim) || in.sigmaFlim > kavrin::rating::kSigmaFlimMax)
        return fw::unexpected(invalidDataMessage());
    return usableOrZero(in.sigmaFlim * in.yN * in.yS * in.yX);
}

}  // namespace cylindrical
