#include "fwtest/by_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

namespace fwtest {

namespace {

bool endsWith(std::string_view s, std::string_view e) {
    return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
}

void replaceAll(std::string& s, std::string_view what, std::string_view with) {
    for (std::size_t at = 0; (at = s.find(what, at)) != std::string::npos; at += with.size())
        s.replace(at, what.size(), with);
}

// "(&K)" and "&C" as the window shows them, "(K)" and "C"; "&&" is one "&".
std::string shownKeys(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

// The same without the access keys: "定轴传动齿轮对(&K)" -> "定轴传动齿轮对",
// "&C 执行计算" -> " 执行计算".
std::string withoutKeys(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') {
            if (!out.empty() && out.back() == '(' && i + 2 < text.size() && text[i + 2] == ')') {
                out.pop_back();
                i += 2;
            } else {
                ++i;
            }
            continue;
        }
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

// Both readings of a caption: with the access key as shown, and without it.
std::vector<std::string> captionReadings(std::string_view caption) {
    caption = caption.substr(0, caption.find('\t'));   // "新建(&N)\tCtrl+N": no accelerator
    std::vector<std::string> out{readingOf(shownKeys(caption))};
    std::string bare = readingOf(withoutKeys(caption));
    if (bare != out.front()) out.push_back(std::move(bare));
    return out;
}

bool isPush(fw::Kind k) { return k == fw::Kind::PushButton || k == fw::Kind::BitmapButton; }
bool isButton(fw::Kind k) { return isPush(k) || k == fw::Kind::RadioButton || k == fw::Kind::CheckBox; }

bool plays(fw::Kind k, Role role) {
    using fw::Kind;
    switch (role) {
    case Role::Any: return true;
    case Role::Press: return isPush(k);
    case Role::Choose: return k == Kind::RadioButton || k == Kind::CheckBox || k == Kind::ComboBox || k == Kind::ListBox;
    case Role::Type: return k == Kind::Edit || k == Kind::ComboBox || k == Kind::DatePicker;
    case Role::Slide: return k == Kind::Trackbar;
    case Role::Read:
        return k == Kind::Edit || k == Kind::ComboBox || k == Kind::Static || k == Kind::ListBox ||
               k == Kind::DatePicker || k == Kind::Trackbar;
    }
    return false;
}

// Where each node of a template stands: its group box and the node before
// it in its row.
struct Place {
    const fw::Node* group = nullptr;
    const fw::Node* before = nullptr;
    const fw::Node* parent = nullptr;
};

void walk(const std::vector<fw::Node>& nodes, const fw::Node* parent, const fw::Node* group,
          std::map<const fw::Node*, Place>& out) {
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const fw::Node& n = nodes[i];
        const bool inRow = parent && parent->kind == fw::Kind::Row;
        out[&n] = {group, inRow && i > 0 ? &nodes[i - 1] : nullptr, parent};
        walk(n.children, &n, n.kind == fw::Kind::GroupBox ? &n : group, out);
    }
}

// What a node shows now: its control's text, else the template's.
std::string shownText(const fw::Dialog& d, const fw::Node& n) {
    for (const auto& c : d.controls())
        if (&c->node() == &n) return c->text();
    return n.text;
}

// A slider's name ends with its range ("对于接触强度 2.5–3.0"), which moves
// with the choices before it; the words alone name it too.
std::string withoutRange(const std::string& name) {
    const std::size_t sp = name.rfind(' ');
    if (sp == std::string::npos || name.find("\xe2\x80\x93", sp) == std::string::npos) return name;
    return name.substr(0, sp);
}

std::string accessibleName(const fw::Dialog& d, const fw::Control& c) {
    for (const auto& [ctl, name] : fw::controlNames(d))
        if (ctl == &c) return name;
    return {};
}

std::vector<std::string> readingsWith(const fw::Dialog& d, const fw::Control& c, const std::string& name) {
    std::map<const fw::Node*, Place> places;
    walk(d.dialogTemplate().body, nullptr, nullptr, places);
    const Place place = places.count(&c.node()) ? places.at(&c.node()) : Place{};

    std::vector<std::string> own;
    auto add = [&own](std::string r) {
        if (!r.empty() && std::find(own.begin(), own.end(), r) == own.end()) own.push_back(std::move(r));
    };
    add(readingOf(name));
    if (c.kind() == fw::Kind::Trackbar) add(readingOf(withoutRange(name)));
    if (isButton(c.kind()))
        for (auto& r : captionReadings(c.text())) add(std::move(r));
    // A field's label, also after the words in front of its row ("齿宽:" "b=" [field]).
    auto isStatic = [](const fw::Node* n) { return n && n->kind == fw::Kind::Static; };
    if (isStatic(place.before) && !isButton(c.kind())) {
        const std::string label = readingOf(shownText(d, *place.before));
        add(label);
        const fw::Node* row = place.parent;
        const fw::Node* words = row && places.count(row) ? places.at(row).before : nullptr;
        if (isStatic(words)) add(readingOf(shownText(d, *words)) + label);
    }

    std::vector<std::string> out = own;
    if (place.group) {
        const std::string group = readingOf(shownText(d, *place.group));
        for (const auto& r : own)
            if (!group.empty() && r.rfind(group, 0) != 0) out.push_back(group + r);
    }
    return out;
}

}  // namespace

std::string readingOf(std::string_view text) {
    std::string s(text);
    // Blanks (also the ideographic one and the no-break space), colons and
    // equals signs, full width or not.
    for (std::string_view mark : {"\xe3\x80\x80", "\xc2\xa0", "\xef\xbc\x9a", "\xef\xbc\x9d"}) replaceAll(s, mark, "");
    // Cyrillic letters drawn as Latin ones: а е о р с у х, А В Е К М Н О Р С Т Х.
    static const std::pair<std::string_view, std::string_view> lookAlikes[] = {
        {"\xd0\xb0", "a"}, {"\xd0\xb5", "e"}, {"\xd0\xbe", "o"}, {"\xd1\x80", "p"}, {"\xd1\x81", "c"},
        {"\xd1\x83", "y"}, {"\xd1\x85", "x"}, {"\xd0\x90", "A"}, {"\xd0\x92", "B"}, {"\xd0\x95", "E"},
        {"\xd0\x9a", "K"}, {"\xd0\x9c", "M"}, {"\xd0\x9d", "H"}, {"\xd0\x9e", "O"}, {"\xd0\xa0", "P"},
        {"\xd0\xa1", "C"}, {"\xd0\xa2", "T"}, {"\xd0\xa5", "X"}};
    for (const auto& [cyrillic, latin] : lookAlikes) replaceAll(s, cyrillic, latin);
    std::erase_if(s, [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == ':' || c == '='; });
    // The dots after a menu item or a caption that goes on ("......", "…", "。").
    for (bool cut = true; cut;) {
        cut = false;
        for (std::string_view tail : {".", "\xe2\x80\xa6", "\xe3\x80\x82"})
            if (endsWith(s, tail)) {
                s.erase(s.size() - tail.size());
                cut = true;
            }
    }
    return s;
}

bool sameName(std::string_view caption, std::string_view written) {
    const auto all = captionReadings(caption);
    return std::find(all.begin(), all.end(), readingOf(written)) != all.end();
}

std::vector<std::string> readingsOf(const fw::Dialog& d, const fw::Control& c) {
    return readingsWith(d, c, accessibleName(d, c));
}

std::vector<const fw::Control*> controlsNamed(const fw::Dialog& d, std::string_view name, Role role) {
    const std::string wanted = readingOf(name);
    std::vector<const fw::Control*> out;
    if (wanted.empty()) return out;
    for (const auto& [c, accessible] : fw::controlNames(d)) {
        if (!plays(c->kind(), role)) continue;
        const auto all = readingsWith(d, *c, accessible);
        if (std::find(all.begin(), all.end(), wanted) != all.end()) out.push_back(c);
    }
    return out;
}

std::string namesIn(const fw::Dialog& d) {
    std::string out;
    for (const auto& [c, name] : fw::controlNames(d)) {
        if (name.empty()) continue;
        if (!out.empty()) out += ", ";
        out += "\xe2\x80\x9c" + name + "\xe2\x80\x9d";
    }
    return out;
}

int controlNamed(const fw::Dialog& d, std::string_view name, Role role) {
    const auto found = controlsNamed(d, name, role);
    if (found.size() == 1) return found.front()->id();
    ADD_FAILURE() << (found.empty() ? "no control" : "several controls") << " named \xe2\x80\x9c" << name
                  << "\xe2\x80\x9d in \xe2\x80\x9c" << d.caption() << "\xe2\x80\x9d; it holds " << namesIn(d);
    return 0;
}

int sheetButtonNamed(const fw::PropertySheet& s, std::string_view name) {
    for (int id : s.buttons())
        if (sameName(fw::standardButtonText(id), name)) return id;
    return 0;
}

int pageNamed(const fw::PropertySheet& s, std::string_view name) {
    for (int i = 0; i < s.GetPageCount(); ++i)
        if (sameName(s.GetPage(i)->title(), name)) return i;
    return -1;
}

int answerNamed(const std::vector<int>& answers, std::string_view word) {
    for (int id : answers)
        if (sameName(fw::standardButtonText(id), word)) return id;
    return 0;
}

int menuCommand(const fw::Menu& menu, const std::vector<std::string>& path) {
    const std::vector<fw::MenuItem>* items = &menu.items;
    for (std::size_t k = 0; k < path.size(); ++k) {
        const fw::MenuItem* hit = nullptr;
        for (const auto& item : *items)
            if (!item.text.empty() && sameName(item.text, path[k])) hit = &item;
        if (!hit) return 0;
        if (k + 1 == path.size()) return hit->children.empty() ? hit->command : 0;
        items = &hit->children;
    }
    return 0;
}

}  // namespace fwtest
