#include "bevel/preliminary/calc/cone_pre_ranges.h"

#include "fw/format.h"

namespace bevel::cone_pre {

std::string couplingRefusal(const Quantity& q) {
    return "输入未被接受，由此算得的" + std::string(q.name) + "超出范围。\n" + kavrin::quantityRefusal(q);
}

std::string resultRefusal(const Quantity& q) {
    return "计算结果未被采用：" + std::string(q.name) + " 应在 " + fw::formatNumber(q.lower()) + " 到 " +
           fw::formatNumber(q.upper()) + (q.unit.empty() ? "" : ' ' + std::string(q.unit)) + " 之间。请检查输入数据！";
}

}  // namespace bevel::cone_pre
