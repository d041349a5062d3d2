#include "common/calc/record_check.h"

#include <cmath>

#include "fw/format.h"

namespace kavrin {

std::string refusedOnLoad(std::string_view fault) { return std::string(fault) + "\n" + kMsgRecordNotLoaded; }

void RecordCheck::fail(std::string_view field, const std::string& problem) {
    if (m_fault) return;
    m_fault = std::string(field) + "：" + problem;
}

RecordCheck& RecordCheck::integer(std::string_view field, long long v, long long lo, long long hi) {
    if (!m_fault && (v < lo || v > hi)) fail(field, fw::format("请输入 %lld 到 %lld 之间的整数。", lo, hi));
    return *this;
}

RecordCheck& RecordCheck::quantity(const Quantity& q, double v) {
    if (!m_fault && !q.admits(v)) m_fault = quantityRefusal(q);
    return *this;
}

RecordCheck& RecordCheck::count(const Quantity& q, long long v) {
    if (!m_fault && !q.admits(static_cast<double>(v))) m_fault = countRefusal(q);
    return *this;
}

RecordCheck& RecordCheck::index(std::string_view field, long long v, int count) {
    if (!m_fault && (v < 0 || v >= count)) fail(field, "不是可选的一项。");
    return *this;
}

RecordCheck& RecordCheck::number(std::string_view field, double v, double lo, double hi) {
    if (!m_fault && !(std::isfinite(v) && v >= lo && v <= hi))
        fail(field, "请输入 " + fw::formatNumber(lo) + " 到 " + fw::formatNumber(hi) + " 之间的数值。");
    return *this;
}

RecordCheck& RecordCheck::positive(std::string_view field, double v) {
    if (!m_fault && !(std::isfinite(v) && v > 0)) fail(field, "请输入一个大于零的数值。");
    return *this;
}

RecordCheck& RecordCheck::notNegative(std::string_view field, double v) {
    if (!m_fault && !(std::isfinite(v) && v >= 0)) fail(field, "请输入一个不小于零的数值。");
    return *this;
}

RecordCheck& RecordCheck::finite(std::string_view field, double v) {
    if (!m_fault && !std::isfinite(v)) fail(field, "请输入一个数值。");
    return *this;
}

RecordCheck& RecordCheck::rule(bool holds, std::string_view message) {
    if (!m_fault && !holds) m_fault = std::string(message);
    return *this;
}

}  // namespace kavrin
