// The one validity check of a record kind. A loader runs it on the record it
// read, every save on the record it is about to write, so what a calculator
// saves it loads again and what it refuses is never written. A check runs
// its rules in order and keeps the first fault, worded as the field's own
// refusal would be ("Z1：请输入 1 到 100000 之间的整数。"): the user learns
// which field is wrong.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "common/calc/quantity.h"

namespace kavrin {

// What a loader says of a record of its kind whose check refused a value:
// the check's fault first, which names the value and its range
// ("取法面模数mn：请输入 0 或 0.01 到 100 之间的数值。"), then
// kMsgRecordNotLoaded. A file that is not of the kind (its length, header
// word, status or a list index it holds) keeps the loader's own message.
inline constexpr const char* kMsgRecordNotLoaded = "数据文件未装入。";
std::string refusedOnLoad(std::string_view fault);

class RecordCheck {
public:
    // A whole number in [lo, hi].
    RecordCheck& integer(std::string_view field, long long v, long long lo, long long hi);
    // A list index: 0 to count − 1.
    RecordCheck& index(std::string_view field, long long v, int count);
    // A value its quantity's range admits (the field's refusal, word for word).
    RecordCheck& quantity(const Quantity& q, double v);
    // A whole number its quantity's range admits.
    RecordCheck& count(const Quantity& q, long long v);
    // A finite number in [lo, hi].
    RecordCheck& number(std::string_view field, double v, double lo, double hi);
    // A finite number above zero.
    RecordCheck& positive(std::string_view field, double v);
    // A finite number, not negative.
    RecordCheck& notNegative(std::string_view field, double v);
    // A finite number of any sign.
    RecordCheck& finite(std::string_view field, double v);
    // A rule between fields; the message is shown as it stands.
    RecordCheck& rule(bool holds, std::string_view message);

    bool ok() const { return !m_fault; }
    // The first fault, or nullopt when every rule held.
    const std::optional<std::string>& fault() const { return m_fault; }

private:
    void fail(std::string_view field, const std::string& problem);
    std::optional<std::string> m_fault;
};

}  // namespace kavrin
