// Dialog data exchange between controls and members, both ways.
//
// Saving (UpdateData(true)) reads and validates; the first refusal shows the
// framework's message (exclamation icon, application title), puts the focus
// back on the control and turns every later call into a no-op, and UpdateData
// returns false. Loading (UpdateData(false)) writes members to controls and
// leaves a text alone when it already reads as the member's value. Saving a
// number whose text is exactly the member as shown ("%.15g") keeps the
// member's full precision. Every number is parsed whole and strictly
// (fw::parseNumber / parseInteger): no prefix, no NaN, no overflow.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "fw/bounds.h"
#include "fw/clock.h"

namespace fw {

class Control;
class Dialog;

// The framework's own refusal texts (%1: the limit; the range refusals are
// fw::numberBoundsText and fw::integerBoundsText).
namespace dx_text {
inline constexpr const char* NotANumber = "请输入一个数值。";
inline constexpr const char* NotAnInteger = "请输入一个整数。";
inline constexpr const char* NotUnsigned = "请输入一个非负整数。";
inline constexpr const char* TooLong = "输入的文字不能超过 %1 个字节。";
}  // namespace dx_text

// The name each control of d is known by, in template order: a field by its
// label and subscript ("传动比 i", "模数: mn"), the parts of an angle by the
// row's symbol and the unit after each ("β 度", "β 分", "β 秒"), a field
// after a button by the button ("工况系数KA"), a combo box by its label, a
// button by its caption; a name that repeats in the dialog takes its group's
// caption in front. A template node's name (Node::named) comes first.
// Assistive tools read these names; the refusals start with them.
std::vector<std::pair<const Control*, std::string>> controlNames(const Dialog& d);
// The name of one control of d (controlNames); empty when it has none.
std::string fieldLabel(const Dialog& d, int id);

// A range with a name: what a record's checks call the value a field holds
// ("法面模数 mn"), beside the bounds the field takes. The refusal is still
// worded from the field's label; a test holds the two together.
// For tests: a watcher is told the dialog, the field and the named range at
// every exchange of a field that reads one (both directions, and when a
// dialog's own check of such a field names it: Exchange::named). One
// watcher at a time; an empty one stops the watch.
using NamedRangeWatcher = std::function<void(const Dialog& d, int id, std::string_view name, const Bounds& b)>;
void watchNamedRanges(NamedRangeWatcher watcher);

class Exchange {
public:
    enum class Direction { Load, Save };
    Exchange(Dialog& dialog, Direction direction) : m_dialog(dialog), m_dir(direction) {}

    bool saving() const { return m_dir == Direction::Save; }
    bool failed() const { return m_failed; }
    Dialog& dialog() const { return m_dialog; }

    void integer(int id, std::int32_t& v);
    void integer(int id, std::int32_t& v, std::int32_t min, std::int32_t max);
    // In b (a quantity's one range, shared with its record's checks).
    void integer(int id, std::int32_t& v, const Bounds& b);
    void unsignedInt(int id, std::uint32_t& v);
    void unsignedInt(int id, std::uint32_t& v, std::uint32_t min, std::uint32_t max);
    void number(int id, double& v);                       // shown "%.15g"
    void number(int id, double& v, double min, double max);
    void number(int id, double& v, const Bounds& b);
    // The same for a field that reads a named range (see watchNamedRanges).
    void integer(int id, std::int32_t& v, const Bounds& b, std::string_view name);
    void number(int id, double& v, const Bounds& b, std::string_view name);
    // Field id reads the range b named name, checked by the dialog's own
    // code (a value its rule takes first, then b): tells the watcher.
    void named(int id, std::string_view name, const Bounds& b) const;
    // Text; maxBytes > 0 limits it in code page 936 bytes (sets the edit's limit).
    void text(int id, std::string& v, std::size_t maxBytes = 0);
    // Fixed char field (zero-terminated, code page 936 inside): truncated on a
    // character boundary; the limit is the field width less one.
    void chars(int id, std::span<char> field);
    template <std::size_t N>
    void text(int id, char (&field)[N]) { chars(id, std::span<char>(field, N)); }
    // Radio index within the group that starts at firstId; -1 when none checked.
    void radio(int firstId, int& index);
    // The same for an enum whose enumerators are the radios in order (0, 1, ...);
    // the member keeps its value when no radio of the group is checked.
    template <class E>
        requires std::is_enum_v<E>
    void radio(int firstId, E& v) {
        int index = static_cast<int>(v);
        radio(firstId, index);
        if (saving() && index >= 0) v = static_cast<E>(index);
    }
    void check(int id, int& v);    // 0 or 1
    void check(int id, bool& v);
    void comboIndex(int id, int& index);
    void comboText(int id, std::string& v);
    void listIndex(int id, int& index);
    void trackbar(int id, int& pos);
    void date(int id, Date& d);

    // A custom refusal in the framework's way: message, focus back, fail.
    void fail(int id, std::string_view message);

private:
    bool skip() const { return m_failed; }
    Dialog& m_dialog;
    Direction m_dir;
    bool m_failed = false;
};

}  // namespace fw
