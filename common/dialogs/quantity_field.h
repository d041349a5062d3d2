// A number field bound to one range (a quantity's bounds): what the field
// takes is what the record checks and the calculations take.
#pragma once
#include <optional>
#include <string>

#include "fw/bounds.h"
#include "fw/exchange.h"

namespace kavrin {

// Like dx.number(id, v, b), except that a value at or below ownFloor is taken
// as typed: the dialog's own rule refuses it next, in its own words (a
// speed "请确定转速!", a roughness "输入粗糙度精度太高或无效！"). Anything else
// outside b is refused naming the field, and the member keeps its value.
void numberOwnBelow(fw::Exchange& dx, int id, double& v, const fw::Bounds& b, double ownFloor);

// The value an on-change handler may store: the whole text parses and b
// admits it (or it lies at or below ownFloor, for the dialog's own rule);
// nullopt otherwise, and the member stays as it is until the field is left.
std::optional<double> typedValue(const std::string& text, const fw::Bounds& b);
std::optional<double> typedValueOwnBelow(const std::string& text, const fw::Bounds& b, double ownFloor);

}  // namespace kavrin
