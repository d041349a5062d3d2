#include "fw/controls.h"

#include <algorithm>

#include "fw/window.h"

namespace fw {

// ---- Control ----

Control::Control(Dialog& owner, const Node& node)
    : m_owner(&owner), m_node(&node), m_id(node.id), m_kind(node.kind), m_style(node.style) {
    Control::reset();
}

void Control::reset() {
    m_text = m_node->text;
    m_enabled = !(m_style & style::Disabled);
    m_visible = !(m_style & style::Hidden);
    m_checkedText.reset();
    m_accepted = m_text;
    m_programText = m_text;
    m_revert.reset();
}

void Control::markAccepted(bool changed) {
    // A control's own change handler rewriting its text (cutting, filtering)
    // leaves the text the user's.
    if (userChanging()) return;
    m_accepted = m_text;
    m_programText = m_text;
    m_revert.reset();
    // A text the program changed is checked when the field is next left.
    if (changed) m_checkedText.reset();
}

bool Control::userChanging() const { return m_owner->m_userChange == this; }

void Control::changed(Change what) { m_owner->controlChanged(*this, what); }

bool Control::setTextQuiet(std::string_view text) {
    if (m_text == text) return false;
    m_text = std::string(text);
    changed(Change::Text);
    return true;
}

void Control::setText(std::string_view text) { markAccepted(setTextQuiet(text)); }

void Control::enable(bool on) {
    if (m_enabled == on) return;
    m_enabled = on;
    changed(Change::Enabled);
}

void Control::show(bool on) {
    if (m_visible == on) return;
    m_visible = on;
    changed(Change::Visible);
}

bool Control::canFocus() const {
    switch (m_kind) {
    case Kind::Static:
    case Kind::GroupBox:
    case Kind::Picture:
    case Kind::Row:
    case Kind::Column: return false;
    default: return m_enabled && m_visible;
    }
}

Rect Control::rect() const {
    if (!m_node->box) return {};
    return toPixels(*m_node->box, m_owner->dialogTemplate().font);
}

// ---- Picture ----

Picture::Picture(Dialog& owner, const Node& node) : Control(owner, node) { m_bitmap = node.bitmap; }

void Picture::setBitmap(int bitmapId) {
    if (m_bitmap == bitmapId) return;
    m_bitmap = bitmapId;
    changed(Change::Bitmap);
}

void Picture::reset() {
    Control::reset();
    m_bitmap = node().bitmap;
}

// ---- Edit ----

void Edit::setText(std::string_view text) {
    const bool changed = setTextQuiet(text);
    markAccepted(changed);
    if (changed) owner().dispatch(Notify::Change, id());
}

void Edit::userText(std::string_view text) {
    if (this->text() == text) return;
    setTextQuiet(text);
    owner().userChange(*this, Notify::Change);
}

void Edit::setReadOnly(bool on) {
    if (m_readOnly == on) return;
    m_readOnly = on;
    changed(Change::ReadOnly);
}

void Edit::reset() {
    Control::reset();
    m_readOnly = hasStyle(style::ReadOnly);
    m_limit = 0;
}

// ---- Button ----

Button::Button(Dialog& owner, const Node& node) : Control(owner, node) {
    m_default = hasStyle(style::Default);
    if (node.kind == Kind::BitmapButton) m_images.up = node.bitmap;
}

void Button::setCheck(bool on) {
    if (m_checked == on) return;
    m_checked = on;
    changed(Change::Checked);
}

void Button::setDefault(bool on) {
    if (m_default == on) return;
    m_default = on;
    changed(Change::Checked);
}

void Button::setImages(Images images) {
    m_images = images;
    changed(Change::Bitmap);
}

void Button::reset() {
    Control::reset();
    m_checked = false;
    m_default = hasStyle(style::Default);
    m_images = {};
    if (kind() == Kind::BitmapButton) m_images.up = node().bitmap;
}

// ---- ComboBox ----

namespace {
const std::string& emptyText() {
    static const std::string e;
    return e;
}

int sortedPosition(const std::vector<std::string>& items, std::string_view s) {
    auto it = std::upper_bound(items.begin(), items.end(), s,
                               [](std::string_view a, const std::string& b) { return a < std::string_view(b); });
    return static_cast<int>(it - items.begin());
}
}  // namespace

ComboBox::ComboBox(Dialog& owner, const Node& node) : Control(owner, node) { ComboBox::reset(); }

const std::string& ComboBox::itemText(int index) const {
    if (index < 0 || index >= count()) return emptyText();
    return m_items[static_cast<std::size_t>(index)];
}

int ComboBox::addString(std::string_view s) {
    int at = hasStyle(style::Sorted) ? sortedPosition(m_items, s) : count();
    return insertString(at, s);
}

int ComboBox::insertString(int index, std::string_view s) {
    if (index < 0 || index > count()) index = count();
    m_items.insert(m_items.begin() + index, std::string(s));
    if (m_sel >= index) ++m_sel;
    changed(Change::Items);
    return index;
}

void ComboBox::deleteString(int index) {
    if (index < 0 || index >= count()) return;
    m_items.erase(m_items.begin() + index);
    if (m_sel == index) {
        m_sel = -1;
        if (!editable()) markAccepted(setTextQuiet(""));
    } else if (m_sel > index) {
        --m_sel;
    }
    changed(Change::Items);
}

void ComboBox::resetContent() {
    m_items.clear();
    m_sel = -1;
    markAccepted(setTextQuiet(""));
    changed(Change::Items);
}

bool ComboBox::pick(int index) {
    if (index < -1 || index >= count()) index = -1;
    m_sel = index;
    const bool text =
        setTextQuiet(index < 0 ? std::string_view() : std::string_view(m_items[static_cast<std::size_t>(index)]));
    changed(Change::Selection);
    return text;
}

void ComboBox::setCurSel(int index) { markAccepted(pick(index)); }

int ComboBox::findStringExact(std::string_view s) const {
    for (int i = 0; i < count(); ++i)
        if (m_items[static_cast<std::size_t>(i)] == s) return i;
    return -1;
}

int ComboBox::selectString(std::string_view prefix) {
    for (int i = 0; i < count(); ++i) {
        if (std::string_view(m_items[static_cast<std::size_t>(i)]).substr(0, prefix.size()) == prefix) {
            setCurSel(i);
            return i;
        }
    }
    return -1;
}

bool ComboBox::userText(std::string_view text) {
    if (m_sel >= 0 && itemText(m_sel) != text) {
        m_sel = -1;
        changed(Change::Selection);
    }
    return setTextQuiet(text);
}

void ComboBox::setText(std::string_view text) {
    if (editable()) {
        markAccepted(userText(text));
        return;
    }
    int i = findStringExact(text);
    if (i >= 0) setCurSel(i);
}

void ComboBox::reset() {
    Control::reset();
    m_items = node().items;
    if (hasStyle(style::Sorted)) std::stable_sort(m_items.begin(), m_items.end());
    m_sel = -1;
    if (!editable()) setTextQuiet("");
    markAccepted(true);
}

// ---- ListBox ----

ListBox::ListBox(Dialog& owner, const Node& node) : Control(owner, node) { ListBox::reset(); }

const std::string& ListBox::itemText(int index) const {
    if (index < 0 || index >= count()) return emptyText();
    return m_items[static_cast<std::size_t>(index)];
}

int ListBox::addString(std::string_view s) {
    int at = hasStyle(style::Sorted) ? sortedPosition(m_items, s) : count();
    m_items.insert(m_items.begin() + at, std::string(s));
    if (m_sel >= at) ++m_sel;
    changed(Change::Items);
    return at;
}

void ListBox::deleteString(int index) {
    if (index < 0 || index >= count()) return;
    m_items.erase(m_items.begin() + index);
    if (m_sel == index) m_sel = -1;
    else if (m_sel > index) --m_sel;
    changed(Change::Items);
}

void ListBox::resetContent() {
    m_items.clear();
    m_sel = -1;
    changed(Change::Items);
}

void ListBox::setCurSel(int index) {
    if (index < -1 || index >= count()) index = -1;
    m_sel = index;
    changed(Change::Selection);
}

void ListBox::reset() {
    Control::reset();
    m_items = node().items;
    if (hasStyle(style::Sorted)) std::stable_sort(m_items.begin(), m_items.end());
    m_sel = -1;
}

// ---- ListView ----

int ListView::insertColumn(int index, std::string_view title, Align align, int width) {
    if (index < 0 || index > static_cast<int>(m_columns.size())) index = static_cast<int>(m_columns.size());
    m_columns.insert(m_columns.begin() + index, Column{std::string(title), width, align});
    for (auto& r : m_rows)
        if (static_cast<int>(r.size()) > index) r.insert(r.begin() + index, std::string());
    changed(Change::Columns);
    return index;
}

int ListView::insertItem(int index, std::string_view text) {
    if (index < 0 || index > itemCount()) index = itemCount();
    std::vector<std::string> row(std::max<std::size_t>(1, m_columns.size()));
    row[0] = std::string(text);
    m_rows.insert(m_rows.begin() + index, std::move(row));
    m_selected.insert(m_selected.begin() + index, false);
    changed(Change::Items);
    return index;
}

bool ListView::setItemText(int row, int column, std::string_view text) {
    if (row < 0 || row >= itemCount() || column < 0) return false;
    auto& r = m_rows[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= r.size()) r.resize(static_cast<std::size_t>(column) + 1);
    r[static_cast<std::size_t>(column)] = std::string(text);
    changed(Change::Items);
    return true;
}

const std::string& ListView::itemText(int row, int column) const {
    if (row < 0 || row >= itemCount() || column < 0) return emptyText();
    const auto& r = m_rows[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= r.size()) return emptyText();
    return r[static_cast<std::size_t>(column)];
}

void ListView::deleteItem(int row) {
    if (row < 0 || row >= itemCount()) return;
    m_rows.erase(m_rows.begin() + row);
    m_selected.erase(m_selected.begin() + row);
    m_top = std::clamp(m_top, 0, std::max(0, itemCount() - 1));
    changed(Change::Items);
}

void ListView::deleteAllItems() {
    m_rows.clear();
    m_selected.clear();
    m_top = 0;
    changed(Change::Items);
}

bool ListView::selected(int row) const {
    return row >= 0 && row < itemCount() && m_selected[static_cast<std::size_t>(row)];
}

void ListView::setSelected(int row, bool on) {
    if (row < 0 || row >= itemCount()) return;
    m_selected[static_cast<std::size_t>(row)] = on;
    changed(Change::Selection);
}

void ListView::select(int row) {
    std::fill(m_selected.begin(), m_selected.end(), false);
    if (row >= 0 && row < itemCount()) m_selected[static_cast<std::size_t>(row)] = true;
    changed(Change::Selection);
}

int ListView::firstSelected() const {
    for (int i = 0; i < itemCount(); ++i)
        if (m_selected[static_cast<std::size_t>(i)]) return i;
    return -1;
}

void ListView::ensureVisible(int row) {
    if (row >= 0 && row < itemCount() && row < m_top) setTopIndex(row);
}

void ListView::setTopIndex(int row) {
    m_top = std::clamp(row, 0, std::max(0, itemCount() - 1));
    changed(Change::Position);
}

void ListView::reset() {
    Control::reset();
    m_columns.clear();
    m_rows.clear();
    m_selected.clear();
    m_top = 0;
}

// ---- Trackbar ----

void Trackbar::setRange(int min, int max) {
    if (max < min) std::swap(min, max);
    m_min = min;
    m_max = max;
    m_pos = std::clamp(m_pos, m_min, m_max);
    changed(Change::Range);
}

void Trackbar::setPos(int pos) {
    pos = std::clamp(pos, m_min, m_max);
    if (pos == m_pos) return;
    m_pos = pos;
    changed(Change::Position);
}

void Trackbar::reset() {
    Control::reset();
    m_min = 0;
    m_max = 100;
    m_pos = 0;
    m_tic = 1;
    m_line = 1;
    m_page = 20;
}

// ---- DatePicker ----

void DatePicker::setDate(const Date& d) {
    m_date = d;
    changed(Change::Date);
}

void DatePicker::reset() {
    Control::reset();
    m_date = today();
}

}  // namespace fw
