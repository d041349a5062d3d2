#include "fw/resources.h"

#include <algorithm>

namespace fw {

Size baseUnits(const Font& font) {
    int h = (font.points * 96 + 36) / 72;
    return {(h + 1) / 2, h};
}

namespace {
int mulDiv(int v, int num, int den) {
    long long p = static_cast<long long>(v) * num;
    return static_cast<int>(p >= 0 ? (p + den / 2) / den : -((-p + den / 2) / den));
}
}  // namespace

Rect toPixels(const Box& b, const Font& font) {
    Size u = baseUnits(font);
    int l = mulDiv(b.x, u.width, 4), t = mulDiv(b.y, u.height, 8);
    return {l, t, l + mulDiv(b.w, u.width, 4), t + mulDiv(b.h, u.height, 8)};
}

Size toPixels(Size du, const Font& font) {
    Size u = baseUnits(font);
    return {mulDiv(du.width, u.width, 4), mulDiv(du.height, u.height, 8)};
}

Node Node::at(int x, int y, int w, int h) const {
    Node n = *this;
    n.box = Box{x, y, w, h};
    return n;
}

Node Node::with(std::uint32_t moreStyle) const {
    Node n = *this;
    n.style |= moreStyle;
    return n;
}

Node Node::named(std::string accessibleName) const {
    Node n = *this;
    n.name = std::move(accessibleName);
    return n;
}

bool isTextPane(const Node& n) {
    return n.kind == Kind::Static && n.id != IDC_STATIC && (n.style & (style::Sunken | style::Border)) &&
           ((n.style & style::Multiline) || !n.box);
}

bool isSubscript(const Node& n) {
    if (n.kind != Kind::Static || n.box) return false;
    if (n.style & style::Subscript) return true;
    const std::string& t = n.text;
    if (t.empty() || t.size() > 3) return false;
    for (std::string_view unit : {"mm", "cm", "m", "km", "um", "s", "h", "min", "N", "kN", "W", "kW", "Nm", "Pa",
                                  "MPa", "GPa", "rpm", "kg", "g", "t", "%"})
        if (t == unit) return false;
    for (char c : t)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '*')) return false;
    return true;
}

namespace {
Node make(Kind k, int id, std::string text, std::uint32_t st) {
    Node n;
    n.kind = k;
    n.id = id;
    n.text = std::move(text);
    n.style = st;
    return n;
}
}  // namespace

Node label(std::string text, int id, std::uint32_t st) { return make(Kind::Static, id, std::move(text), st); }
Node subscript(std::string text, int id) { return make(Kind::Static, id, std::move(text), style::Subscript); }
Node edit(int id, std::uint32_t st, std::string text) { return make(Kind::Edit, id, std::move(text), st); }
Node button(int id, std::string text, std::uint32_t st) { return make(Kind::PushButton, id, std::move(text), st); }
Node defButton(int id, std::string text) { return make(Kind::PushButton, id, std::move(text), style::Default); }
Node bitmapButton(int id, int bmp, std::uint32_t st) {
    Node n = make(Kind::BitmapButton, id, {}, st);
    n.bitmap = bmp;
    return n;
}
Node radio(int id, std::string text, std::uint32_t st) { return make(Kind::RadioButton, id, std::move(text), st); }
Node check(int id, std::string text, std::uint32_t st) { return make(Kind::CheckBox, id, std::move(text), st); }
Node combo(int id, std::vector<std::string> items, std::uint32_t st) {
    Node n = make(Kind::ComboBox, id, {}, st);
    n.items = std::move(items);
    return n;
}
Node listBox(int id, std::vector<std::string> items, std::uint32_t st) {
    Node n = make(Kind::ListBox, id, {}, st);
    n.items = std::move(items);
    return n;
}
Node listView(int id, std::uint32_t st) { return make(Kind::ListView, id, {}, st); }
Node trackbar(int id, std::uint32_t st) { return make(Kind::Trackbar, id, {}, st); }
Node datePicker(int id, std::uint32_t st) { return make(Kind::DatePicker, id, {}, st); }
Node picture(int id, int bmp, std::uint32_t st) {
    Node n = make(Kind::Picture, id, {}, st);
    n.bitmap = bmp;
    return n;
}
Node group(int id, std::string caption, std::vector<Node> children) {
    Node n = make(Kind::GroupBox, id, std::move(caption), 0);
    n.children = std::move(children);
    return n;
}
Node row(std::vector<Node> children) {
    Node n = make(Kind::Row, IDC_STATIC, {}, 0);
    n.children = std::move(children);
    return n;
}
Node column(std::vector<Node> children) {
    Node n = make(Kind::Column, IDC_STATIC, {}, 0);
    n.children = std::move(children);
    return n;
}
Node field(std::string labelText, int editId, std::string unit, std::uint32_t editStyle) {
    std::vector<Node> cells{label(std::move(labelText)), edit(editId, editStyle)};
    if (!unit.empty()) cells.push_back(label(std::move(unit)));
    return row(std::move(cells));
}

DialogTemplate dialog(int id, std::string caption, std::vector<Node> body) {
    DialogTemplate t;
    t.id = id;
    t.caption = std::move(caption);
    t.body = std::move(body);
    return t;
}

Module::Module(std::string name) : m_name(std::move(name)) {}

void Module::addDialog(DialogTemplate t) {
    int id = t.id;
    m_dialogs.insert_or_assign(id, std::move(t));
}
const DialogTemplate* Module::dialog(int id) const {
    auto it = m_dialogs.find(id);
    return it == m_dialogs.end() ? nullptr : &it->second;
}
std::vector<int> Module::dialogIds() const {
    std::vector<int> ids;
    for (const auto& [id, t] : m_dialogs) ids.push_back(id);
    return ids;
}

void Module::addString(int id, std::string text) { m_strings.insert_or_assign(id, std::move(text)); }
const std::string& Module::string(int id) const {
    static const std::string empty;
    auto it = m_strings.find(id);
    return it == m_strings.end() ? empty : it->second;
}
bool Module::hasString(int id) const { return m_strings.count(id) != 0; }

void Module::addBitmap(Bitmap b) {
    int id = b.id;
    m_bitmaps.insert_or_assign(id, std::move(b));
}
const Bitmap* Module::bitmap(int id) const {
    auto it = m_bitmaps.find(id);
    return it == m_bitmaps.end() ? nullptr : &it->second;
}
std::vector<int> Module::bitmapIds() const {
    std::vector<int> ids;
    for (const auto& [id, b] : m_bitmaps) ids.push_back(id);
    return ids;
}

void Module::addMenu(Menu m) {
    int id = m.id;
    m_menus.insert_or_assign(id, std::move(m));
}
const Menu* Module::menu(int id) const {
    auto it = m_menus.find(id);
    return it == m_menus.end() ? nullptr : &it->second;
}
void Module::addAccelerators(AcceleratorTable t) {
    int id = t.id;
    m_accels.insert_or_assign(id, std::move(t));
}
const AcceleratorTable* Module::accelerators(int id) const {
    auto it = m_accels.find(id);
    return it == m_accels.end() ? nullptr : &it->second;
}
void Module::addToolbar(Toolbar t) {
    int id = t.id;
    m_toolbars.insert_or_assign(id, std::move(t));
}
const Toolbar* Module::toolbar(int id) const {
    auto it = m_toolbars.find(id);
    return it == m_toolbars.end() ? nullptr : &it->second;
}

}  // namespace fw
