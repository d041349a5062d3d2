// Strength rating of a cylindrical pair: what the contact and bending
// calculations share (the message a refused calculation names, the rule that
// a stored factor is finite and positive, the mask bits), the torque from
// power and speed, the four tooth forces and the overlap ratio.
#pragma once
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "common/calc/quantity.h"
#include "common/calc/rating_tables.h"
#include "fw/expected.h"

namespace cylindrical {

inline constexpr double kRatingPi = 3.141592653589793;
inline double degToRad(double deg) { return deg * kRatingPi / 180.0; }

// A text the rating dialog shows: in its hint line (261) or in a message box.
struct RatingMessage {
    enum class Place { HintLine, Box };
    enum class Icon { None, Information, Exclamation, Question };
    Place place = Place::Box;
    Icon icon = Icon::None;
    std::string text;     // UTF-8, exactly as shown
    std::string caption;  // box caption; empty: the application's own caption
};

template <class T>
using RatingResult = fw::Expected<T, RatingMessage>;

// "计算结果错误，请重新计算！" (caption "警告", exclamation icon).
RatingMessage calculationErrorMessage();

// A factor or stress may be stored with its bit set only when it is above 0
// and printable (finite, fewer than 16 digits before the point: a value no
// report format holds is no result); anything else is stored as 0.
inline bool isUsableValue(double v) { return kavrin::printable(v) && v > 0; }
double usableOrZero(double v);

// The life factors follow the shared power laws with their long-life line.
using kavrin::rating::lifeFactorPowerLaw;

// Stores v (or 0 when it is not usable) into slot and sets or clears bit in
// mask accordingly; true when the bit is set.
bool storeFactor(double v, double& slot, std::uint16_t& mask, std::uint16_t bit);

// Contact mask bits: the twelve factors in the order of the contact group.
namespace contact_bit {
inline constexpr std::uint16_t kA = 0x1, kV = 0x2, kHalpha = 0x4, kHbeta = 0x8, zH = 0x10,
                               zE = 0x20, zEps = 0x40, zN = 0x80, zL = 0x100, zV = 0x200,
                               zR = 0x400, zW = 0x800;
inline constexpr std::uint16_t kComplete = 0xfff;  // enables "计算应力" 1144
}  // namespace contact_bit

// Bending mask bits: the ten factors in the order of the bending group.
namespace bending_bit {
inline constexpr std::uint16_t kA = 0x1, kV = 0x2, kFalpha = 0x4, kFbeta = 0x8, yFa = 0x10,
                               yBeta = 0x20, yEps = 0x40, yN = 0x80, yS = 0x100, yX = 0x200;
inline constexpr std::uint16_t kComplete = 0x3ff;  // enables "计算应力" 1176
}  // namespace bending_bit

inline bool contactMaskComplete(std::uint16_t mask) {
    return (mask & contact_bit::kComplete) == contact_bit::kComplete;
}
inline bool bendingMaskComplete(std::uint16_t mask) {
    return (mask & bending_bit::kComplete) == bending_bit::kComplete;
}

// T = 9549 · P / n1 in N·m from the power P (kW) and the pinion speed n1
// (r/min). n1 ≤ 0: "输入的转速值不正确！" (caption "注意"); P ≤ 0 is refused
// in the same way with its own text.
RatingResult<double> ratingTorque(double powerKw, double speedRpm);

// Ft = 2000 · T · cos β / (Z1 · mn), N.
struct TangentialForceInput {
    double torque = 0;  // N·m
    unsigned z1 = 0;
    double mn = 0;       // mm
    double betaDeg = 0;  // helix angle, decimal degrees
};
RatingResult<double> tangentialForce(const TangentialForceInput& in);

// The three forces that follow Ft; each refuses Ft = 0 with the hint
// "请先计算圆周力".
RatingResult<double> radialForce(double ft, double alphaNDeg, double betaDeg);  // Ft·tan αn / cos β
RatingResult<double> axialForce(double ft, double betaDeg);                     // Ft·tan β
RatingResult<double> normalForce(double ft, double alphaNDeg, double betaDeg);  // Ft/(cos β·cos αn)

// εβ = b · sin β / (π · mn); nullopt (εβ := 0 with its flag clear) unless
// mn > 0 and the result is finite. β = 0 gives 0.
std::optional<double> overlapRatio(double b, double betaDeg, double mn);

}  // namespace cylindrical
