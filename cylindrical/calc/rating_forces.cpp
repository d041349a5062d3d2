#include "cylindrical/calc/rating_forces.h"

#include <cmath>

#include "common/calc/units.h"
#include "cylindrical/calc/rating_ranges.h"

namespace cylindrical {

namespace {

RatingMessage attention(const char* text) {
    return {RatingMessage::Place::Box, RatingMessage::Icon::Exclamation, text, "注意"};
}

RatingMessage tangentialForceFirst() {
    return {RatingMessage::Place::HintLine, RatingMessage::Icon::None, "请先计算圆周力", ""};
}

RatingResult<double> positiveForce(double f) {
    if (!isUsableValue(f)) return fw::unexpected(calculationErrorMessage());
    return f;
}

}  // namespace

RatingMessage calculationErrorMessage() {
    return {RatingMessage::Place::Box, RatingMessage::Icon::Exclamation, "计算结果错误，请重新计算！",
            "警告"};
}

double usableOrZero(double v) { return isUsableValue(v) ? v : 0.0; }

bool storeFactor(double v, double& slot, std::uint16_t& mask, std::uint16_t bit) {
    slot = usableOrZero(v);
    if (slot > 0) {
        mask = static_cast<std::uint16_t>(mask | bit);
        return true;
    }
    mask = static_cast<std::uint16_t>(mask & ~bit);
    return false;
}

RatingResult<double> ratingTorque(double powerKw, double speedRpm) {
    if (!isUsableValue(speedRpm)) return fw::unexpected(attention("输入的转速值不正确！"));
    if (!isUsableValue(powerKw)) return fw::unexpected(attention("输入的功率值不正确！"));
    // A quotient too large to print, or even infinite, is a torque outside its range as well.
    const double t = kavrin::kTorquePerPower * powerKw / speedRpm;
    if (!rating_q::kTorque.admits(t))
        return fw::unexpected(attention(kavrin::resultNotTaken(rating_q::kTorque).c_str()));
    return t;
}

RatingResult<double> tangentialForce(const TangentialForceInput& in) {
    const double beta = degToRad(in.betaDeg);
    return positiveForce(2000.0 * in.torque * std::cos(beta) / (in.z1 * in.mn));
}

RatingResult<double> radialForce(double ft, double alphaNDeg, double betaDeg) {
    if (ft == 0) return fw::unexpected(tangentialForceFirst());
    return positiveForce(ft * std::tan(degToRad(alphaNDeg)) / std::cos(degToRad(betaDeg)));
}

RatingResult<double> axialForce(double ft, double betaDeg) {
    if (ft == 0) return fw::unexpected(tangentialForceFirst());
    const double fx = ft * std::tan(degToRad(betaDeg));
    if (!kavrin::printable(fx) || fx < 0) return fw::unexpected(calculationErrorMessage());
    return fx;
}

RatingResult<double> normalForce(double ft, double alphaNDeg, double betaDeg) {
    if (ft == 0) return fw::unexpected(tangentialForceFirst());
    return positiveForce(ft / (std::cos(degToRad(betaDeg)) * std::cos(degToRad(alphaNDeg))));
}

std::optional<double> overlapRatio(double b, double betaDeg, double mn) {
    if (!isUsableValue(mn)) return std::nullopt;
    const double eps = b * std::sin(degToRad(betaDeg)) / (kRatingPi * mn);
    if (!kavrin::printable(eps)) return std::nullopt;
    return eps;
}

}  // namespace cylindrical
