#include "bevel/preliminary/calc/cone_pre_ranges.h"

namespace bevel::cone_pre {

std::string couplingRefusal(const Quantity& q) {
    return "输入未被接受，由此算得的" + std::string(q.name) + "超出范围。\n" + kavrin::quantityRefusal(q);
}

}  // namespace bevel::cone_pre
