#include "common/calc/quantity.h"

namespace kavrin {

std::string quantityRefusal(const Quantity& q) { return std::string(q.name) + "：" + fw::numberBoundsText(q.bounds); }

std::string countRefusal(const Quantity& q) { return std::string(q.name) + "：" + fw::integerBoundsText(q.bounds); }

}  // namespace kavrin
