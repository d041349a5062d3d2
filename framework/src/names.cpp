// The name each control of a dialog is known by: what assistive tools read
// aloud and what the refusals of the data exchange start with. One set of
// rules for every backend, taken from the template's structure and the texts
// its controls show now.
#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "fw/exchange.h"
#include "fw/text.h"
#include "fw/window.h"

namespace fw {

namespace {

// ---- text ----

// The code point that starts at s[i], and in len the bytes it takes; a byte
// that does not start a whole sequence counts as itself.
char32_t codePointAt(std::string_view s, std::size_t i, std::size_t& len) {
    const auto b = static_cast<unsigned char>(s[i]);
    len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
    if (i + len > s.size()) len = 1;
    for (std::size_t k = 1; k < len; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) len = 1;
    char32_t c = len == 1 ? b : b & (0x3F >> (len - 1));
    for (std::size_t k = 1; k < len; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return c;
}

// Code points of UTF-8 text (bytes that do not decode count as themselves).
std::vector<char32_t> codePoints(std::string_view s) {
    std::vector<char32_t> out;
    for (std::size_t i = 0, len = 0; i < s.size(); i += len) out.push_back(codePointAt(s, i, len));
    return out;
}

// A blank of any script: the ASCII ones, the no-break spaces, the typographic
// spaces U+2000 to U+200A, the line and paragraph separators and the
// ideographic space "　" that Chinese labels pad with.
bool isBlank(char32_t c) {
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// A letter or digit of a word: Latin, Greek, Chinese, full-width letters and
// digits; not the signs "×" and "÷" among the Latin letters.
bool wordChar(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x370 && c <= 0x3FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF10 && c <= 0xFF19) ||
           (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A);
}

// Chinese text and full-width forms, as opposed to the letters of a symbol.
bool chinese(char32_t c) { return c >= 0x2E80; }

bool saysSomething(std::string_view s) {
    for (char32_t c : codePoints(s))
        if (wordChar(c)) return true;
    return false;
}

bool endsWith(std::string_view s, std::string_view e) {
    return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
}

// "&O  装入\t数据" -> "O 装入 数据", "总变位系数：　 　χnΣ=" -> "总变位系数： χnΣ=":
// mnemonics gone (unless keepAmpersands), blanks of every kind collapsed
// into one " " and trimmed.
std::string plainText(std::string_view text, bool keepAmpersands = false) {
    std::string out;
    bool blank = false;
    for (std::size_t i = 0, len = 0; i < text.size(); i += len) {
        if (text[i] == '&' && !keepAmpersands && i + 1 < text.size()) ++i;
        if (isBlank(codePointAt(text, i, len))) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out.append(text.substr(i, len));
    }
    return out;
}

std::string utf8(const std::u32string& text) {
    std::string out;
    for (char32_t c : text) appendUtf8(out, c);
    return out;
}

bool isColon(char32_t c) { return c == ':' || c == 0xFF1A /* ： */; }
bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }

// What a label ends with to say that a value follows: "=", ":", a sign "-"
// (the field holds the size of a negative deviation), "," or ";".
bool labelMark(char32_t c) {
    return isColon(c) || c == '=' || c == 0xFF1D /* ＝ */ || c == '-' || c == 0xFF0D /* － */ || c == 0x2212 /* − */ ||
           c == 0x2014 /* — */ || c == ',' || c == 0xFF0C /* ， */ || c == ';' || c == 0xFF1B /* ； */ ||
           c == 0x3001 /* 、 */;
}

// The words and the symbol of a label, as a screen reader is to say them
// and a refusal to name the field: "模数:   m   =" -> "模数 m", "齿数:Z1" ->
// "齿数 Z1", "公法线上偏差：  Ws = -" -> "公法线上偏差 Ws", "等顶隙 ):" ->
// "等顶隙". A colon between words becomes a blank (one between digits, a
// ratio, stays); the marks that end or open a label go; a bracket that the
// text does not close (or open) goes.
// A text that has lost its mnemonics already (a name) is cleaned with
// mnemonics false: an "&" left in it is the text's own.
std::string plainLabel(std::string_view text, bool mnemonics = true) {
    std::vector<char32_t> cs = codePoints(plainText(text, !mnemonics));
    for (std::size_t i = 0; i < cs.size(); ++i)
        if (isColon(cs[i]) && !(i > 0 && i + 1 < cs.size() && isDigit(cs[i - 1]) && isDigit(cs[i + 1]))) cs[i] = ' ';
    static const std::pair<char32_t, char32_t> brackets[] = {{'(', ')'}, {0xFF08, 0xFF09} /* （） */, {'[', ']'},
                                                             {0x3010, 0x3011} /* 【】 */};
    std::vector<bool> stray(cs.size(), false);
    for (const auto& [open, close] : brackets) {
        std::vector<std::size_t> opened;
        for (std::size_t i = 0; i < cs.size(); ++i) {
            if (cs[i] == open) opened.push_back(i);
            if (cs[i] != close) continue;
            if (opened.empty()) stray[i] = true;
            else opened.pop_back();
        }
        for (std::size_t i : opened) stray[i] = true;
    }
    std::u32string kept;
    for (std::size_t i = 0; i < cs.size(); ++i)
        if (!stray[i]) kept += cs[i];
    auto edge = [](char32_t c) { return c == ' ' || labelMark(c); };
    while (!kept.empty() && edge(kept.back())) kept.pop_back();
    std::size_t from = 0;   // a sign before a number ("-0.5", an end of a slider's range) stays
    auto sign = [&kept](std::size_t i) {
        return (kept[i] == '-' || kept[i] == 0x2212) && i + 1 < kept.size() && (isDigit(kept[i + 1]) || kept[i + 1] == '.');
    };
    while (from < kept.size() && edge(kept[from]) && !sign(from)) ++from;
    return plainText(utf8(kept.substr(from)), true);   // blanks collapsed again, the text's own "&" kept
}

// A caption that ends like a label ("传递功率 N =", "选用典型材料:").
bool endsLikeLabel(std::string_view text) {
    const std::string t = plainText(text);
    return endsWith(t, "=") || endsWith(t, ":") || endsWith(t, "\xef\xbc\x9d") || endsWith(t, "\xef\xbc\x9a");
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(sep, from)) != std::string::npos; from = at + 1) out.push_back(s.substr(from, at - from));
    out.push_back(s.substr(from));
    for (auto& w : out) w = plainText(w);
    return out;
}

std::string join(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& p : parts) {
        if (p.empty()) continue;
        if (!out.empty()) out += ' ';
        out += p;
    }
    return out;
}

std::string lastWord(const std::string& s) {
    std::size_t sp = s.rfind(' ');
    return sp == std::string::npos ? s : s.substr(sp + 1);
}

// The symbol a label names: "螺旋角 β" -> "β", "中点螺旋角βm" -> "βm"; a
// label of words only stays whole.
std::string symbolOf(const std::string& label) {
    std::string word = lastWord(label);
    std::size_t cut = 0, at = 0;
    for (char32_t c : codePoints(word)) {
        at += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (chinese(c)) cut = at;
    }
    return cut < word.size() ? word.substr(cut) : word;
}

// What the unit after a field of an angle says that field holds.
const char* angleUnitWord(std::string_view unit) {
    if (unit == "°") return "度";
    if (unit == "′") return "分";
    if (unit == "″") return "秒";
    return nullptr;
}

bool isInput(Kind k) {
    return k == Kind::Edit || k == Kind::ComboBox || k == Kind::DatePicker || k == Kind::ListBox || k == Kind::ListView;
}
bool isPushKind(Kind k) { return k == Kind::PushButton || k == Kind::BitmapButton; }
bool isButtonKind(Kind k) { return isPushKind(k) || k == Kind::RadioButton || k == Kind::CheckBox; }
// What a button is, in words (a button named as the field beside it adds it).
const char* kindWord(Kind k) { return k == Kind::RadioButton ? "单选按钮" : k == Kind::CheckBox ? "复选框" : "按钮"; }

// A text box of the program's hints.
bool isPane(const Node& n) { return isTextPane(n); }

// ---- the rules ----

class Namer {
public:
    explicit Namer(const Dialog& d) {
        for (const auto& c : d.controls()) m_control[&c->node()] = c.get();
        const auto& body = d.dialogTemplate().body;
        for (std::size_t i = 0; i < body.size(); ++i) walk(body[i], nullptr, nullptr, body, static_cast<int>(i));
    }

    std::vector<std::pair<const Control*, std::string>> names() const {
        std::vector<std::pair<const Control*, std::string>> named;
        for (const auto& [node, place] : m_order) {
            const Control* c = control(*node);
            if (!c) continue;
            if (!isInput(node->kind) && !isButtonKind(node->kind) && node->kind != Kind::Trackbar && !isPane(*node))
                continue;
            named.push_back({c, plainLabel(nameOf(*node), false)});
        }
        // A button whose field after it reads its caption (a result it
        // computes, a value it chooses): the field keeps the label, the
        // button says what it is, as a slider beside its field says "滑标".
        std::map<const Node*, const std::string*> byNode;
        for (const auto& [c, name] : named) byNode[&node(c)] = &name;
        for (auto& [c, name] : named) {
            const Node& b = node(c);
            if (!isButtonKind(b.kind) || !b.name.empty() || name.empty()) continue;
            const Node* next = sibling(b, 1);
            auto it = next && isInput(next->kind) ? byNode.find(next) : byNode.end();
            if (it != byNode.end() && *it->second == name) name = join({name, kindWord(b.kind)});
        }
        // A name that repeats takes its group's caption in front.
        std::map<std::string, int> count;
        for (const auto& [c, name] : named) ++count[name];
        for (auto& [c, name] : named) {
            if (name.empty() || node(c).name.size() || count[name] < 2) continue;
            const Node* g = m_place.at(&node(c)).group;
            const std::string caption = g ? plainLabel(text(*g)) : std::string();
            if (!caption.empty() && name.compare(0, caption.size() + 1, caption + " ") != 0) name = caption + " " + name;
        }
        return named;
    }

private:
    struct Place {
        const Node* group = nullptr;
        const Node* parent = nullptr;           // null for the template's body
        const std::vector<Node>* list = nullptr;  // the nodes it stands among
        int index = 0;
    };

    void walk(const Node& n, const Node* group, const Node* parent, const std::vector<Node>& list, int index) {
        m_place[&n] = {group, parent, &list, index};
        m_order.push_back({&n, parent});
        const Node* g = n.kind == Kind::GroupBox ? &n : group;
        for (std::size_t i = 0; i < n.children.size(); ++i) walk(n.children[i], g, &n, n.children, static_cast<int>(i));
    }

    const Control* control(const Node& n) const {
        auto it = m_control.find(&n);
        return it == m_control.end() ? nullptr : it->second;
    }
    static const Node& node(const Control* c) { return c->node(); }
    // What a node shows now: its control's text (the program may change it).
    std::string text(const Node& n) const {
        const Control* c = control(n);
        return c ? c->text() : n.text;
    }
    const Place& place(const Node& n) const { return m_place.at(&n); }
    // The node offset places away in the same row; null when there is none.
    const Node* sibling(const Node& n, int offset) const {
        const Place& p = place(n);
        if (!p.parent || p.parent->kind != Kind::Row) return nullptr;
        const int i = p.index + offset;
        const auto& ch = p.parent->children;
        return i >= 0 && i < static_cast<int>(ch.size()) ? &ch[static_cast<std::size_t>(i)] : nullptr;
    }
    bool isStatic(const Node* n) const { return n && n->kind == Kind::Static && !isPane(*n); }
    // A static right after a field is that field's unit or subscript, never
    // the label of the next one (unless it ends like a label).
    bool followsField(const Node& n) const {
        const Node* prev = sibling(n, -1);
        if (!prev || !isInput(prev->kind)) return false;
        return !endsLikeLabel(text(n));
    }
    bool symbolLabel(const Node& n) const {
        const std::string t = plainText(text(n));
        return n.kind == Kind::Static && (endsWith(t, "=") || endsWith(t, "\xef\xbc\x9d"));
    }
    std::string groupCaption(const Node& n) const {
        const Node* g = place(n).group;
        return g ? plainLabel(text(*g)) : std::string();
    }

    std::string nameOf(const Node& n) const {
        if (!n.name.empty()) return n.name;
        if (isButtonKind(n.kind)) return plainText(text(n));
        if (n.kind == Kind::Trackbar) return sliderName(n);
        if (isPane(n)) return paneName(n);
        return fieldName(n);
    }

    // The words of the statics of n's row that label something (no units).
    std::string rowWords(const Node& n) const {
        const Place& p = place(n);
        if (!p.parent || p.parent->kind != Kind::Row) return {};
        std::vector<std::string> words;
        for (const Node& c : p.parent->children)
            if (isStatic(&c) && !followsField(c) && saysSomething(text(c))) words.push_back(plainLabel(text(c)));
        return join(words);
    }

    // The label a static gives the field after it, with the symbol's
    // subscript; a static that says nothing ("=", a sign "－") lets the
    // label before it speak ("d" "u" "=" [field], "上偏差 ΔWs =" "－" [field]).
    std::string labelOf(const Node& lab, const Node& field) const {
        if (std::string cell = tableName(lab); !cell.empty()) return cell;
        std::string t = plainLabel(text(lab));
        if (!saysSomething(t)) {
            const Node* b1 = sibling(lab, -1);
            const Node* b2 = sibling(lab, -2);
            if (isStatic(b1) && isStatic(b2) && saysSomething(text(*b2)) && (text(*b1).empty() || isSubscript(*b1)))
                t = plainLabel(text(*b2)) + text(*b1);
            else if (isStatic(b1) && !followsField(*b1) && saysSomething(text(*b1)))
                t = plainLabel(text(*b1));
            else
                t.clear();
        } else if (const Node* sub = sibling(field, 1); symbolLabel(lab) && sub && isSubscript(*sub)) {
            t += text(*sub);   // "模数: m =" [field] "n": mn
        }
        return t;
    }

    // A table of columns side by side, each under a heading ("小齿轮 Z1"
    // beside "大齿轮 Z2"): the first column's rows carry the item labels, the
    // other columns leave theirs blank. Each field of it is named by the
    // label of its row and the heading of its own column ("齿数 小齿轮 Z1",
    // "齿数 大齿轮 Z2"), so every gear's field says whose it is. Empty when
    // lab is no label of such a table.
    std::string tableName(const Node& lab) const {
        const Node* fieldRow = place(lab).parent;
        if (!fieldRow || fieldRow->kind != Kind::Row || place(lab).index != 0) return {};
        const Place& fr = place(*fieldRow);
        const Node* column = fr.parent;
        if (!column || column->kind != Kind::Column || fr.index == 0) return {};
        const Place& cp = place(*column);
        if (!cp.parent || cp.parent->kind != Kind::Row || cp.parent->children.size() < 2) return {};
        const auto at = static_cast<std::size_t>(fr.index);
        auto heading = [this](const Node& c) {
            return c.kind == Kind::Column && !c.children.empty() && isStatic(&c.children[0])
                       ? plainLabel(text(c.children[0]))
                       : std::string();
        };
        auto rowLabel = [this, at](const Node& c) -> const Node* {
            if (c.kind != Kind::Column || at >= c.children.size()) return nullptr;
            const Node& r = c.children[at];
            return r.kind == Kind::Row && !r.children.empty() && isStatic(&r.children[0]) ? &r.children[0] : nullptr;
        };
        const std::vector<Node>& columns = cp.parent->children;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const Node* l = rowLabel(columns[i]);
            if (heading(columns[i]).empty() || !l || saysSomething(text(*l)) != (i == 0)) return {};
        }
        return join({plainLabel(text(*rowLabel(columns[0]))), heading(*column)});
    }

    // The k-th of several fields after one label: "齿数 Z1 / Z2" names them
    // "齿数 Z1" and "齿数 Z2"; else a group "小齿轮 / 大齿轮" puts the gear in front.
    std::string partOf(const std::string& label, int k, int count, const Node& field) const {
        if (count < 2) return label;
        const auto parts = split(label, '/');
        if (static_cast<int>(parts.size()) == count) {
            std::string stem = parts[0];
            std::size_t sp = stem.rfind(' ');
            stem = sp == std::string::npos ? std::string() : stem.substr(0, sp);
            return join({stem, lastWord(parts[static_cast<std::size_t>(k)])});
        }
        const auto gear = split(groupCaption(field), '/');
        if (static_cast<int>(gear.size()) == count) return join({gear[static_cast<std::size_t>(k)], label});
        return label;
    }

    // "齿数:Z1 =" [field]  "Z2 =" [field]: the second symbol of a pair says
    // what it is with the words of the first ("齿数 Z2"). The words of the
    // label before, when lab is a bare symbol that differs from that
    // label's symbol only in its closing digits; else empty.
    std::string pairWords(const Node& lab, const std::string& symbol) const {
        auto stem = [](std::string s) {
            while (!s.empty() && s.back() >= '0' && s.back() <= '9') s.pop_back();
            return s;
        };
        if (symbol.empty() || symbol.find(' ') != std::string::npos || symbolOf(symbol) != symbol ||
            stem(symbol) == symbol || stem(symbol).empty())
            return {};
        for (char32_t c : codePoints(symbol))
            if (chinese(c)) return {};
        const Node* before = nullptr;
        for (const Node* b = sibling(lab, -1); b && !before; b = sibling(*b, -1))
            if (isStatic(b) && !followsField(*b) && saysSomething(text(*b))) before = b;
        if (!before && place(lab).index == 0) {   // field(...) rows side by side in a row
            const Node* own = place(lab).parent;
            const Node* left = own ? sibling(*own, -1) : nullptr;
            if (left && left->kind == Kind::Row && !left->children.empty() && isStatic(&left->children[0]))
                before = &left->children[0];
        }
        if (!before) return {};
        const std::string label = plainLabel(text(*before));
        const std::string sym = symbolOf(label);
        if (sym == label || stem(sym) != stem(symbol)) return {};
        return plainLabel(label.substr(0, label.size() - sym.size()));
    }

    // The three fields of an angle: named by the row's symbol and the unit
    // after each ("β 度", "β 分", "β 秒").
    std::string anglePart(const Node& n) const {
        const Node* unit = sibling(n, 1);
        const char* word = unit && isStatic(unit) ? angleUnitWord(plainText(text(*unit))) : nullptr;
        if (!word) return {};
        const Node* row = place(n).parent;
        std::vector<std::string> units;   // degrees, minutes, seconds: each once
        const Node* firstLabel = nullptr;
        for (std::size_t i = 0; i < row->children.size(); ++i) {
            const Node& c = row->children[i];
            if (isInput(c.kind) && i + 1 < row->children.size() && isStatic(&row->children[i + 1])) {
                const std::string u = plainText(text(row->children[i + 1]));
                if (angleUnitWord(u)) {
                    if (std::find(units.begin(), units.end(), u) != units.end()) return {};
                    units.push_back(u);
                }
            }
            if (!firstLabel && units.empty() && isStatic(&c) && saysSomething(text(c))) firstLabel = &c;
        }
        if (units.size() < 2) return {};
        const std::string symbol = firstLabel ? symbolOf(plainLabel(text(*firstLabel))) : std::string();
        return join({symbol, word});
    }

    std::string fieldName(const Node& n) const {
        const Place& p = place(n);
        if (p.parent && p.parent->kind == Kind::Row) {
            if (std::string a = anglePart(n); !a.empty()) return a;
            // a run of fields after one label
            const Node* start = &n;
            int k = 0;
            while (const Node* b = sibling(*start, -1)) {
                if (!isInput(b->kind)) break;
                start = b;
                ++k;
            }
            int count = k + 1;
            for (const Node* a = sibling(n, 1); a && isInput(a->kind); a = sibling(*a, 1)) ++count;
            const Node* prev = sibling(*start, -1);
            if (isStatic(prev) && !followsField(*prev)) {
                std::string label = labelOf(*prev, n);
                if (label.empty()) return rowWords(n);
                label = partOf(label, k, count, n);
                if (std::string w = pairWords(*prev, label); !w.empty()) label = join({w, label});
                // "[button] [symbol = field]": the button says what the symbol is
                const Node* before = sibling(*prev, -1);
                if (!before && place(*prev).index == 0) {
                    const Node* row = place(*prev).parent;
                    before = row ? sibling(*row, -1) : nullptr;
                }
                if (before && isPushKind(before->kind) && symbolLabel(*prev)) return join({plainLabel(nameOf(*before)), label});
                return label;
            }
            if (prev && isButtonKind(prev->kind)) return resultName(*prev);
            if (std::string w = rowWords(n); !w.empty()) return w;
        }
        // A list or field on its own: the static before it (a heading above
        // it, or the label beside a field placed at a box), else its group.
        if ((!p.parent || p.parent->kind != Kind::Row) && p.index > 0) {
            const Node& above = (*p.list)[static_cast<std::size_t>(p.index - 1)];
            if (isStatic(&above) && saysSomething(text(above))) return plainLabel(text(above));
        }
        if (onlyInputOfGroup(n)) return groupCaption(n);
        // a list at the top of its group: the group says what it lists
        if ((n.kind == Kind::ListView || n.kind == Kind::ListBox) && p.group && p.parent == p.group && p.index == 0)
            return groupCaption(n);
        return {};
    }

    // A result after the button that computes it: "传递功率 N =" names its
    // field "传递功率 N"; a caption without "=" ("工况系数KA") gives the
    // field its symbol ("KA"), so the button and the field differ.
    std::string resultName(const Node& button) const {
        const std::string caption = nameOf(button);
        const std::string label = plainLabel(caption);
        if (endsLikeLabel(caption)) return label;
        const std::string symbol = symbolOf(label);
        return symbol != label ? symbol : std::string();
    }

    bool onlyInputOfGroup(const Node& n) const {
        const Node* g = place(n).group;
        if (!g) return false;
        int inputs = 0;
        std::vector<const Node*> todo{g};
        while (!todo.empty()) {
            const Node* x = todo.back();
            todo.pop_back();
            if (isInput(x->kind) || x->kind == Kind::Trackbar || isPane(*x)) ++inputs;
            for (const Node& c : x->children) todo.push_back(&c);
        }
        return inputs == 1;
    }

    // A slider: the words of its row and its range ("对于接触强度 2.0–2.4"),
    // else the label of the field right above it, else its group.
    std::string sliderName(const Node& n) const {
        const Place& p = place(n);
        std::vector<std::string> words, ends;
        if (p.parent && p.parent->kind == Kind::Row) {
            for (const Node& c : p.parent->children) {
                if (!isStatic(&c)) continue;
                const std::string t = plainLabel(text(c));
                if (t.empty()) continue;
                // the ends of its range stand right beside it
                const bool end = c.id != IDC_STATIC && (sibling(c, 1) == &n || sibling(c, -1) == &n);
                const bool number = t.find_first_not_of("0123456789.-+") == std::string::npos;
                if (end || number) {
                    if (number) ends.push_back(t);
                } else if (!followsField(c)) {
                    words.push_back(t);
                }
            }
        }
        // "Δwl = [field]" above "Min [slider] Max": the slider of that field
        // (a field of that name stands beside it: "Δwl 滑标")
        // (a field of that name stands beside it: "Δwl 滑标"); else its
        // group, else the field below it.
        const Node& line = p.parent && p.parent->kind == Kind::Row ? *p.parent : n;
        auto fieldAt = [&](int side) {
            const Place& lp = place(line);
            const int i = lp.index + side;
            if (!words.empty() || i < 0 || i >= static_cast<int>(lp.list->size())) return;
            const Node& next = (*lp.list)[static_cast<std::size_t>(i)];
            if (next.kind == Kind::Row && next.children.size() >= 2 && isStatic(&next.children[0]) &&
                isInput(next.children[1].kind) && saysSomething(text(next.children[0])))
                words = {plainLabel(text(next.children[0])), "滑标"};
        };
        fieldAt(-1);
        if (words.empty() && place(n).group) words.push_back(groupCaption(n));
        fieldAt(1);
        std::string name = join(words);
        if (ends.size() == 2 && !name.empty()) name = join({name, ends[0] + "–" + ends[1]});
        return name;
    }

    // A hint pane: the heading above it, else its group, else what it is.
    std::string paneName(const Node& n) const {
        const Place& p = place(n);
        if (p.index > 0 && !n.box) {
            const Node& above = (*p.list)[static_cast<std::size_t>(p.index - 1)];
            if (isStatic(&above) && !above.box && saysSomething(text(above)) && !followsField(above))
                return plainLabel(text(above));
        }
        if (onlyInputOfGroup(n)) return groupCaption(n);
        return "提示";
    }

    std::map<const Node*, const Control*> m_control;
    std::map<const Node*, Place> m_place;
    std::vector<std::pair<const Node*, const Node*>> m_order;
};

}  // namespace

std::vector<std::pair<const Control*, std::string>> controlNames(const Dialog& d) { return Namer(d).names(); }

std::string fieldLabel(const Dialog& d, int id) {
    const Control* c = d.find(id);
    if (!c) return {};
    for (auto& [ctl, name] : controlNames(d))
        if (ctl == c) return name;
    return {};
}

}  // namespace fw
