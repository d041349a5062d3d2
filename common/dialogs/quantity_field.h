// A field bound to one quantity of a record's table (its name and its
// range): what the field takes is what the record checks and the
// calculations take, and the field hands the quantity's name to the
// exchange beside its bounds, so that a test holds the name the record
// checks word their faults with to the label the field's refusal names.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "common/calc/quantity.h"
#include "fw/bounds.h"
#include "fw/exchange.h"

namespace kavrin {

// dx.number / dx.integer with q's bounds and name.
void number(fw::Exchange& dx, int id, double& v, const Quantity& q);
void integer(fw::Exchange& dx, int id, std::int32_t& v, const Quantity& q);
// A whole number held unsigned (a tooth count, an angle's degrees).
void integer(fw::Exchange& dx, int id, std::uint32_t& v, const Quantity& q);

// Like number(dx, id, v, q), except that a value at or below ownFloor is
// taken as typed: the dialog's own rule refuses it next, in its own words (a
// speed "请确定转速!", a roughness "输入粗糙度精度太高或无效！"). Anything else
// outside q's range is refused naming the field, and the member keeps its value.
void numberOwnBelow(fw::Exchange& dx, int id, double& v, const Quantity& q, double ownFloor);

// A value the dialog's own code has read from field id (after its own rules):
// true when q's range admits it; otherwise refused as the exchange refuses
// (the field's label and the range, exclamation icon, the field edited
// again). The field names q to the exchange either way.
bool takeInRange(fw::Dialog& d, int id, double v, const Quantity& q);

// The value an on-change handler may store: the whole text parses and b
// admits it (or it lies at or below ownFloor, for the dialog's own rule);
// nullopt otherwise, and the member stays as it is until the field is left.
std::optional<double> typedValue(const std::string& text, const fw::Bounds& b);
std::optional<double> typedValueOwnBelow(const std::string& text, const fw::Bounds& b, double ownFloor);

}  // namespace kavrin
