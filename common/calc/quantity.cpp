#include "common/calc/quantity.h"

#include "fw/format.h"

namespace kavrin {

std::string quantityRefusal(const Quantity& q) { return std::string(q.name) + "：" + fw::numberBoundsText(q.bounds); }

std::string countRefusal(const Quantity& q) { return std::string(q.name) + "：" + fw::integerBoundsText(q.bounds); }

std::string resultNotTaken(const Quantity& q) {
    return "计算结果未被采用：" + std::string(q.name) + " 应在 " + fw::formatNumber(q.lower()) + " 到 " +
           fw::formatNumber(q.upper()) + (q.unit.empty() ? "" : ' ' + std::string(q.unit)) + " 之间。请检查输入数据！";
}

}  // namespace kavrin
