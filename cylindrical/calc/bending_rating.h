// Bending stress rating of one gear of a cylindrical pair: the tooth form,
// helix, contact ratio, life, stress concentration and size factors, then
// σF, σFP and SF (safetyFactor of contact_rating.h). KA, Kv, KFα and KFβ
// come from the contact calculations. Factor values returned are finite and
// above 0, or 0 (stored with the bit clear).
#pragma once
#include <optional>

#include "cylindrical/calc/contact_rating.h"

namespace cylindrical {

// zv = z / cos³β.
double virtualToothNumber(unsigned z, double betaDeg);

// ---- YFa: tooth form factor (form factor options dialog) -----------------
// Y_k(zv) of the form factor table, row k of 0..23 as stored.
double formFactorRow(int k, double zv);
struct FormFactorInput {
    double x = 0;            // profile shift coefficient
    double zv = 0;           // virtual tooth number
    double wholeDepth = 2.25;  // h
    MeshType mesh = MeshType::External;
};
// Refusals are boxes with caption "注意" (the range message for x < −1.0
// or x > 1.2, the thin-tip and undercut messages); nothing changes then.
RatingResult<double> toothFormFactor(const FormFactorInput& in);

// ---- Yβ and Yε -------------------------------------------------------------
double helixAngleFactor(double epsBeta, double betaDeg);
double bendingContactRatioFactor(double epsAlpha);

// ---- YN: bending life factor (bending life dialog) -----------------------
struct BendingLifeInput {
    double cycles = 0;  // NE
    int material = 0;   // 0..3
};
// NE ≤ 0 (or not finite): "未正确给定设计寿命！" (caption "注意").
RatingResult<double> bendingLifeFactor(const BendingLifeInput& in);

// ---- YS and YX: stress concentration and size factors --------------------
// q_j(zv) of the stress concentration table, row j of 0..17 as stored.
double stressConcentrationRow(int j, double zv);

// The Yes/No questions (caption "注意") the calculation may ask.
enum class StressCorrectionQuestion {
    None,
    ShiftTooSmall,   // x ≤ −0.8: "修正系数太小，可能根切！\n是否放弃选择?"
    ShiftTooLarge,   // x > 0.9: "齿轮过修正，可能齿顶太薄！\n是否放弃选择?"
    UndercutRisk,    // "修正系数太小，须考虑根切问题！\n是否放弃选择？"
};
struct StressCorrectionInput {
    double x = 0;
    double zv = 0;
    int material = 0;  // 0 渗碳钢, 1 调质钢, 2 调质钢、渗氮, 3 灰铸铁
    MeshType mesh = MeshType::External;
    double mn = 0;     // for YX
    // Questions already answered No (go on); call again with the answer set.
    bool rangeAnsweredNo = false;     // ShiftTooSmall or ShiftTooLarge
    bool undercutAnsweredNo = false;  // UndercutRisk
};
struct StressCorrection {
    enum class Kind { Factors, Question, Refusal };
    Kind kind = Kind::Refusal;
    StressCorrectionQuestion question = StressCorrectionQuestion::None;
    RatingMessage message;  // the question (Kind::Question) or the refusal
    double q = 0;           // the interpolated q (2.074 is YS itself for internal pairs)
    double yS = 0;
    double yX = 0;
};
// Kind::Question: ask message (Yes/No); on No call again with the matching
// answer flag set, on any other answer stop with nothing changed.
StressCorrection stressCorrection(const StressCorrectionInput& in);

// YX alone: 1.0 up to mn 5, then by the material's line and limit.
double sizeFactor(double mn, int material);

// ---- σF, σFP ----------------------------------------------------------------
struct BendingStressInput {
    double ft = 0, b = 0, mn = 0;
    double kA = 0, kV = 0, kFalpha = 0, kFbeta = 0;
    double yFa = 0, yEps = 0, yBeta = 0;
};
// σF in MPa; not finite and positive: calculationErrorMessage().
RatingResult<double> bendingStress(const BendingStressInput& in);

struct PermissibleBendingInput {
    double sigmaFlim = 0;  // MPa, from the limit strength dialog
    double yN = 0, yS = 0, yX = 0;
};
// σFlim ≤ 0: "数据无效，请重新计算！" (caption "警告"); otherwise σFP, or 0.
RatingResult<double> permissibleBendingStress(const PermissibleBendingInput& in);

}  // namespace cylindrical
