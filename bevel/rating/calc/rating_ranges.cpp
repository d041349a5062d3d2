#include "bevel/rating/calc/rating_ranges.h"

#include "fw/format.h"

namespace bevel::rating_range {

std::string factorRefusal(const Quantity& q) {
    return std::string(q.name) + " 的计算结果超出 " + fw::formatNumber(q.lower()) + " 到 " + fw::formatNumber(q.upper()) +
           " 的范围，未被采用。请检查所选的数据！";
}

std::string couplingRefusal(const Quantity& q) {
    return "输入未被接受，由此算得的" + std::string(q.name) + "超出范围。\n" + kavrin::quantityRefusal(q);
}

}  // namespace bevel::rating_range
