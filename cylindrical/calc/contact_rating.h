// Contact stress rating of a cylindrical pair: the influence factors, each
// from its factor dialog's answer and the design, then σH, σHP and SH.
// Every factor value returned is finite and above 0, or 0 (not usable: the
// caller stores it with its bit clear, see storeFactor).
#pragma once
#include <optional>

#include "common/calc/gear_kinds.h"
#include "cylindrical/calc/rating_forces.h"

namespace cylindrical {

using kavrin::MeshType;

// Tooth sum for an external pair, Z2 − Z1 for an internal one.
int toothSum(unsigned z1, unsigned z2, MeshType mesh);

// ---- Kv: dynamic factor (accuracy grade dialog) -------------------------
struct DynamicFactorInput {
    double mn = 0;       // mm
    unsigned z1 = 0;
    double n1 = 0;       // r/min
    double betaDeg = 0;
    double epsBeta = 0;  // counts up to 1 (a full overlap)
    int gradeIndex = 3;  // 0 for grade 3 … 7 for grade 10
};
struct DynamicFactor {
    double v = 0;   // pitch line speed, m/s
    double kV = 0;
};
// Refused ("数据无效，请重新计算！") only for a grade index outside 0..7.
RatingResult<DynamicFactor> dynamicFactor(const DynamicFactorInput& in);

// ---- KHα and KFα: transverse load factors (accuracy grade dialog) -------
struct TransverseLoadInput {
    double epsAlpha = 0;
    double epsBeta = 0;
    double betaDeg = 0;  // 0: spur pair
    int gradeIndex = 3;
};
struct TransverseLoadFactors {
    double kHalpha = 0;
    double kFalpha = 0;
};
RatingResult<TransverseLoadFactors> transverseLoadFactors(const TransverseLoadInput& in);

// ---- KHβ (= KFβ): face load factor (face load options dialog) -----------
struct FaceLoadInput {
    double b = 0;  // mm
    unsigned z1 = 0;
    double mn = 0;
    double betaDeg = 0;
    int flankPairing = 0;  // 0 hard-hard, 1 hard (soft)-soft
    int mounting = 0;      // 0..3
};
struct FaceLoadFactor {
    double kHbeta = 0;
    double psiD = 0;
    // Set when ψd < ψmin: KHβ is 1.0 and the dialog shows this box first.
    std::optional<RatingMessage> notice;
};
RatingResult<FaceLoadFactor> faceLoadFactor(const FaceLoadInput& in);

// ---- ZH: zone factor (no dialog) -----------------------------------------
struct ZoneFactorInput {
    unsigned z1 = 0, z2 = 0;
    double betaDeg = 0;
    double alphaNDeg = 0;
    MeshType mesh = MeshType::External;
    // The working transverse pressure angle of the loaded geometry record
    // (decimal degrees), given when the design came from a geometry file and
    // Z1, Z2, mn, β and αn are unchanged since; otherwise αwt follows from
    // the whole-number half of the tooth sum.
    std::optional<double> recordAlphaWtDeg;
};
struct ZoneFactor {
    double zH = 0;
    double alphaTDeg = 0;
    double alphaWtDeg = 0;
    bool fromRecord = false;  // αwt taken from the geometry record
    std::string hint;         // for the hint line: which αwt was used
};
// Refusals go to the hint line; ZH and its bit then stay as they were.
RatingResult<ZoneFactor> zoneFactor(const ZoneFactorInput& in);

// ---- ZE: elasticity factor (elasticity dialog) ---------------------------
struct ElasticityInput {
    double e1 = 0, e2 = 0;    // N/mm²
    double nu1 = 0, nu2 = 0;  // Poisson's ratios
};
// Refused with "材料力学指标值不正确，请继续选定！" for a zero, E ≤ 0 or a
// result that is not finite and positive; nothing changes then.
RatingResult<double> elasticityFactor(const ElasticityInput& in);

// ---- Zε: contact ratio factor (no dialog) --------------------------------
struct ContactRatioInput {
    double epsAlpha = 0, epsBeta = 0;
    double betaDeg = 0, alphaNDeg = 0;
};
double contactRatioFactor(const ContactRatioInput& in);

// ---- ZN: contact life factor (contact life dialog) -----------------------
struct ContactLifeInput {
    int materialClass = 0;  // 0, 1, 2
    int pitting = 0;        // 0 "允许有一定点蚀", 1 "不允许点蚀"
    double cycles = 0;      // NE
};
// NE ≤ 0 (or not finite): "未正确给定设计寿命！" (caption "注意").
RatingResult<double> contactLifeFactor(const ContactLifeInput& in);

// ---- ZL and ZV: lubricant and velocity factors (lubricant dialog) --------
struct LubricantInput {
    int limitClass = 4;  // 0..4, shared with the roughness dialog
    int lubricant = 1;   // 0 mineral oil, 1 synthetic
    int flankState = 0;  // 0 hard flanks, 1 quenched and tempered
    double viscosity = 220;  // ν50, cSt
    unsigned z1 = 0;
    double mn = 0;
    double n1 = 0;
};
struct LubricantFactors {
    double v = 0;  // π·Z1·mn·n1/60000, m/s (no cos β)
    double zL = 0;
    double zV = 0;
};
RatingResult<LubricantFactors> lubricantFactors(const LubricantInput& in);

// ---- ZR: roughness factor (roughness dialog) -----------------------------
// The factor f of the centre distance a (mm) by the table of thirteen rows.
using kavrin::rating::roughnessDistanceFactor;
struct RoughnessInput {
    int limitClass = 4;
    double ra = 3.2;  // μm
    unsigned z1 = 0, z2 = 0;
    MeshType mesh = MeshType::External;
    double mn = 0;
    double betaDeg = 0;
    // The centre distance of the loaded geometry record (mm), given when the
    // design came from a geometry file and is unchanged since (as ZH takes
    // the record's αwt); otherwise a follows from the whole-number half of
    // the tooth sum.
    std::optional<double> recordCentreDistance{};
};
struct RoughnessFactor {
    double a = 0;  // the record's centre distance, or ⌊S/2⌋ · mn / cos β, mm
    double f = 0;
    double zR = 0;
};
RatingResult<RoughnessFactor> roughnessFactor(const RoughnessInput& in);

// ---- ZW: work hardening factor (work hardening dialog) -------------------
struct WorkHardeningInput {
    int pinionFlank = 0;  // 0 hard, 1 soft
    int gearFlank = 1;    // 0 hard, 1 soft
    double gearHardness = 350;  // HB
};
double workHardeningFactor(const WorkHardeningInput& in);

// ---- σH, σHP, SH -----------------------------------------------------------
struct ContactStressInput {
    unsigned z1 = 0, z2 = 0;
    double mn = 0, betaDeg = 0, b = 0;
    MeshType mesh = MeshType::External;
    double ft = 0;
    double kA = 0, kV = 0, kHalpha = 0, kHbeta = 0;
    double zH = 0, zE = 0, zEps = 0;
};
// σH in MPa; not finite and positive: calculationErrorMessage().
RatingResult<double> contactStress(const ContactStressInput& in);

struct PermissibleContactInput {
    double sigmaHlim = 0;  // MPa, from the limit strength dialog
    double zN = 0, zL = 0, zV = 0, zR = 0, zW = 0;
};
// σHlim ≤ 0: "数据无效，请重新计算！" (caption "警告"); otherwise σHP, or 0
// when it is not usable ("安全系数" stays disabled).
RatingResult<double> permissibleContactStress(const PermissibleContactInput& in);

// The safety factor permissible/calculated (SH and SF); nullopt when the
// calculated stress is not positive (the field keeps its value).
std::optional<double> safetyFactor(double permissible, double calculated);

// "数据无效，请重新计算！" (caption "警告", exclamation icon).
RatingMessage invalidDataMessage();

}  // namespace cylindrical
