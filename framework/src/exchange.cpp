#include "fw/exchange.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "fw/format.h"
#include "fw/services.h"
#include "fw/text.h"
#include "fw/window.h"

namespace fw {

std::string truncateToGbk(std::string_view utf8, std::size_t maxBytes);  // dialog.cpp

namespace {

NamedRangeWatcher& rangeWatcher() {
    static NamedRangeWatcher w;
    return w;
}

std::string fill(std::string_view pattern, const std::string& a, const std::string& b) {
    std::string out(pattern);
#if defined(__GNUC__) && !defined(__clang__)  // GCC 12 bug 105329: a bogus -Wrestrict once a short literal is inlined
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
    if (auto p = out.find("%1"); p != std::string::npos) out.replace(p, 2, a);
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
    if (auto p = out.find("%2"); p != std::string::npos) out.replace(p, 2, b);
    return out;
}

}  // namespace

void watchNamedRanges(NamedRangeWatcher watcher) { rangeWatcher() = std::move(watcher); }

void Exchange::named(int id, std::string_view name, const Bounds& b) const {
    if (const NamedRangeWatcher& w = rangeWatcher()) w(m_dialog, id, name, b);
}

void Exchange::fail(int id, std::string_view message) {
    if (m_failed) return;
    m_failed = true;
    // The refusal names the field it is about.
    std::string label = fieldLabel(m_dialog, id);
    std::string text = label.empty() ? std::string(message) : label + "：" + std::string(message);
    MessageBox(text, {}, MB_OK | MB_ICONEXCLAMATION);
    m_dialog.editAgain(id);
}

// Integers of any width go through one path: read as long long, bounded.
namespace {
struct IntField {
    Exchange& dx;
    Dialog& d;
    int id;
    // Returns the value read, or nothing after a refusal.
    std::optional<long long> read(long long lo, long long hi, bool ranged, bool isUnsigned, bool orZero = false) {
        auto v = parseInteger(d.text(id));
        if (!v) {
            dx.fail(id, dx_text::NotAnInteger);
            return std::nullopt;
        }
        if (isUnsigned && *v < 0 && !ranged) {
            dx.fail(id, dx_text::NotUnsigned);
            return std::nullopt;
        }
        if ((*v < lo || *v > hi) && !(orZero && *v == 0)) {
            if (ranged) dx.fail(id, integerBoundsText({double(lo), double(hi), orZero}));
            else dx.fail(id, isUnsigned ? dx_text::NotUnsigned : dx_text::NotAnInteger);
            return std::nullopt;
        }
        return v;
    }
    void write(long long v) {
        auto cur = parseInteger(d.text(id));
        if (cur && *cur == v) return;
        d.setText(id, std::to_string(v));
    }
};
}  // namespace

void Exchange::integer(int id, std::int32_t& v) {
    if (skip()) return;
    IntField f{*this, m_dialog, id};
    if (!saving()) return f.write(v);
    if (auto r = f.read(INT32_MIN, INT32_MAX, false, false)) v = static_cast<std::int32_t>(*r);
}

void Exchange::integer(int id, std::int32_t& v, std::int32_t min, std::int32_t max) {
    if (skip()) return;
    IntField f{*this, m_dialog, id};
    if (!saving()) return f.write(v);
    if (auto r = f.read(min, max, true, false)) v = static_cast<std::int32_t>(*r);
}

void Exchange::integer(int id, std::int32_t& v, const Bounds& b) {
    if (skip()) return;
    IntField f{*this, m_dialog, id};
    if (!saving()) return f.write(v);
    const auto lo = static_cast<long long>(std::ceil(std::max(b.lower, double(INT32_MIN))));
    const auto hi = static_cast<long long>(std::floor(std::min(b.upper, double(INT32_MAX))));
    if (auto r = f.read(lo, hi, true, false, b.orZero)) v = static_cast<std::int32_t>(*r);
}

void Exchange::integer(int id, std::int32_t& v, const Bounds& b, std::string_view name) {
    named(id, name, b);
    integer(id, v, b);
}

void Exchange::unsignedInt(int id, std::uint32_t& v) {
    if (skip()) return;
    IntField f{*this, m_dialog, id};
    if (!saving()) return f.write(v);
    if (auto r = f.read(0, UINT32_MAX, false, true)) v = static_cast<std::uint32_t>(*r);
}

void Exchange::unsignedInt(int id, std::uint32_t& v, std::uint32_t min, std::uint32_t max) {
    if (skip()) return;
    IntField f{*this, m_dialog, id};
    if (!saving()) return f.write(v);
    if (auto r = f.read(min, max, true, true)) v = static_cast<std::uint32_t>(*r);
}

void Exchange::number(int id, double& v) {
    if (skip()) return;
    if (!saving()) {
        auto cur = parseNumber(m_dialog.text(id));
        if (cur && *cur == v) return;
        m_dialog.setText(id, formatNumber(v));
        return;
    }
    const std::string t = m_dialog.text(id);
    auto r = parseNumber(t);
    if (!r || !std::isfinite(*r)) return fail(id, dx_text::NotANumber);
    if (t == formatNumber(v)) return;  // still shows the member: keep its full precision
    v = *r;
}

void Exchange::number(int id, double& v, double min, double max) { number(id, v, Bounds{min, max}); }

void Exchange::number(int id, double& v, const Bounds& b) {
    if (skip()) return;
    if (!saving()) return number(id, v);
    const std::string t = m_dialog.text(id);
    auto r = parseNumber(t);
    if (!r || !std::isfinite(*r)) return fail(id, dx_text::NotANumber);
    if (!b.admits(*r)) return fail(id, numberBoundsText(b));
    if (t == formatNumber(v)) return;  // still shows the member: keep its full precision
    v = *r;
}

void Exchange::number(int id, double& v, const Bounds& b, std::string_view name) {
    named(id, name, b);
    number(id, v, b);
}

void Exchange::text(int id, std::string& v, std::size_t maxBytes) {
    if (skip()) return;
    if (!saving()) {
        if (maxBytes)
            if (auto* e = dynamic_cast<Edit*>(&m_dialog.item(id))) e->setLimit(maxBytes);
        m_dialog.setText(id, v);
        return;
    }
    std::string t = m_dialog.text(id);
    if (maxBytes && gbkWidth(t) > maxBytes) return fail(id, fill(dx_text::TooLong, std::to_string(maxBytes), {}));
    v = std::move(t);
}

void Exchange::chars(int id, std::span<char> field) {
    if (skip() || field.empty()) return;
    if (!saving()) {
        if (auto* e = dynamic_cast<Edit*>(&m_dialog.item(id))) e->setLimit(field.size() - 1);
        m_dialog.setText(id, readField(field));
        return;
    }
    copyToField(field, truncateToGbk(m_dialog.text(id), field.size() - 1));
}

void Exchange::radio(int firstId, int& index) {
    if (skip()) return;
    std::vector<int> ids = m_dialog.radioGroup(firstId);
    if (saving()) {
        index = -1;
        for (std::size_t i = 0; i < ids.size(); ++i)
            if (m_dialog.checked(ids[i])) index = static_cast<int>(i);
        return;
    }
    for (std::size_t i = 0; i < ids.size(); ++i) m_dialog.setCheck(ids[i], static_cast<int>(i) == index);
}

void Exchange::check(int id, int& v) {
    if (skip()) return;
    if (saving()) v = m_dialog.checked(id) ? 1 : 0;
    else m_dialog.setCheck(id, v != 0);
}

void Exchange::check(int id, bool& v) {
    if (skip()) return;
    if (saving()) v = m_dialog.checked(id);
    else m_dialog.setCheck(id, v);
}

void Exchange::comboIndex(int id, int& index) {
    if (skip()) return;
    ComboBox& c = m_dialog.combo(id);
    if (saving()) index = c.curSel();
    else if (c.curSel() != index) c.setCurSel(index);
}

void Exchange::comboText(int id, std::string& v) {
    if (skip()) return;
    ComboBox& c = m_dialog.combo(id);
    if (saving()) {
        v = c.text();
        return;
    }
    if (c.editable()) {
        c.setText(v);
        return;
    }
    if (int i = c.findStringExact(v); i >= 0) c.setCurSel(i);
    else if (c.selectString(v) < 0) c.setCurSel(-1);
}

void Exchange::listIndex(int id, int& index) {
    if (skip()) return;
    ListBox& l = m_dialog.listBox(id);
    if (saving()) index = l.curSel();
    else l.setCurSel(index);
}

void Exchange::trackbar(int id, int& pos) {
    if (skip()) return;
    Trackbar& t = m_dialog.trackbar(id);
    if (saving()) pos = t.pos();
    else t.setPos(pos);
}

void Exchange::date(int id, Date& d) {
    if (skip()) return;
    DatePicker& p = m_dialog.datePicker(id);
    if (saving()) d = p.date();
    else p.setDate(d);
}

}  // namespace fw
