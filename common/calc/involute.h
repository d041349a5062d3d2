// The involute function inv α = tan α − α, its inverse by the linear search
// from zero, and the parity of a tooth count.
#pragma once
#include <optional>

namespace kavrin {

// Angle unit codes of the unit-aware routines.
constexpr int kUnitRadian = 0;
constexpr int kUnitDegree = 1;
constexpr bool isKnownAngleUnit(int unit) { return unit == kUnitRadian || unit == kUnitDegree; }

// Search steps of the inverse, in radians; the step is part of a result's
// precision, so each caller names its own.
constexpr double kInvStepFine = 1e-6;      // arcInvFunc, single gear measurement, small-module pairs
constexpr double kInvStepGeometry = 4e-6;  // geometry sheet, gear pair measurement, converter
constexpr double kInvStepCheck = 4e-8;     // cutting and interference checks

// The search never returns an angle at or beyond this bound.
constexpr double kHalfPi = 3.141592653589793 / 2;

// tan α − α of an angle in the given unit; nullopt for an unknown unit
// (the caller shows "未知角度单位!").
std::optional<double> invFunc(double angle, int unit);

// tan α − α for 0 < α < π/2 (radians); nullopt outside (the caller shows
// "角度超范围！").
std::optional<double> invChecked(double alphaRad);

// The first angle of the sequence α₀ = 0, αₖ₊₁ = αₖ + step (repeated
// floating-point addition) with tan αₖ − αₖ ≥ value, in radians. A value
// ≤ 0 gives 0. nullopt when the sequence reaches π/2 (or stops advancing
// because the step is below half an ulp) without reaching the value, for a
// NaN value, and for a step that is not positive and finite.
// Exactly the result of the plain loop, found with a few dozen tangents.
std::optional<double> arcInvStep(double value, double step);

// The plain loop itself, one tangent per step: the reference for tests and
// benchmarks.
std::optional<double> arcInvStepPlain(double value, double step);

// arcInvStep with step 1e-6, the result in the given unit; nullopt for an
// unknown unit ("未知角度单位!") or a value the search cannot reach.
std::optional<double> arcInvFunc(double value, int unit);

// The angle–involute converter. Messages of its refusals:
inline constexpr const char* kMsgUnknownUnit = "未知角度单位!";
inline constexpr const char* kMsgAngleOutOfRange = "角度超范围！";
inline constexpr const char* kMsgInvoluteTooLarge = "函数值超过限度,请纠正设计错误!";
constexpr double kConverterMaxAngleRad = 1.0471975511965976;  // 60°, excluded
constexpr double kConverterMaxInvolute = 0.683;               // included

// "invα=": the involute of an angle in decimal degrees, for
// 0 < α < 60° (strictly); nullopt otherwise (kMsgAngleOutOfRange).
std::optional<double> converterInvolute(double decimalDegrees);

// "α=": the angle in decimal degrees whose involute reaches the value, by the
// search with step 4e-6; nullopt above 0.683 (kMsgInvoluteTooLarge).
std::optional<double> converterAngle(double value);

// n % 2 with the sign of n: 0 even, 1 odd positive, −1 odd negative.
int CheckOddEven(int n);

}  // namespace kavrin
