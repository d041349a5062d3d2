#include "fwtest/steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <system_error>

#include "fw/format.h"
#include "fwtest/by_name.h"

namespace fwtest {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOpenQuote = "\xe2\x80\x9c";    // “
constexpr std::string_view kCloseQuote = "\xe2\x80\x9d";   // ”
constexpr std::string_view kArrow = "\xe2\x86\x92";        // →
constexpr std::string_view kEllipsis = "\xe2\x80\xa6";     // …

std::string trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return std::string(s);
}

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

std::string inQuotes(std::string_view s) { return std::string(kOpenQuote) + std::string(s) + std::string(kCloseQuote); }

std::vector<std::string> split(std::string_view s, std::string_view sep) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(sep, from)) != std::string_view::npos; from = at + sep.size())
        out.push_back(std::string(s.substr(from, at - from)));
    out.push_back(std::string(s.substr(from)));
    return out;
}

// The verbs: those that act on the application or a window, and the answers
// to the boxes that an action brings.
constexpr std::string_view kVerbs[] = {"菜单", "窗口", "输入", "选", "拖", "按", "翻到", "核对", "保存为", "打开", "回答"};
bool isAnswer(const Step& st) { return st.verb == "保存为" || st.verb == "打开" || st.verb == "回答"; }

}  // namespace

bool fits(std::string_view text, std::string_view pattern) {
    const std::string t = readingOf(text);
    const auto pieces = split(pattern, kEllipsis);
    if (pieces.size() == 1) return t == readingOf(pattern);
    std::size_t at = 0;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const std::string p = readingOf(pieces[k]);
        if (p.empty()) continue;
        if (k == 0) {
            if (!startsWith(t, p)) return false;
            at = p.size();
        } else if (k + 1 == pieces.size()) {
            if (t.size() < at + p.size() || t.compare(t.size() - p.size(), p.size(), p) != 0) return false;
        } else {
            at = t.find(p, at);
            if (at == std::string::npos) return false;
            at += p.size();
        }
    }
    return true;
}

namespace {

// A number shown against a number written: equal to the digits written.
bool sameNumber(std::string_view shown, std::string_view written) {
    auto s = fw::parseNumber(trim(shown));
    auto w = fw::parseNumber(trim(written));
    if (!s || !w) return false;
    const std::string t = trim(written);
    const std::size_t dot = t.find('.');
    const int decimals = dot == std::string::npos ? 0 : static_cast<int>(t.size() - dot - 1);
    return std::fabs(*s - *w) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
}

std::string decodeEntities(std::string_view s) {
    static const std::pair<std::string_view, std::string_view> entities[] = {
        {"&gt;", ">"}, {"&lt;", "<"}, {"&quot;", "\""}, {"&nbsp;", " "}, {"&amp;", "&"}};
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        bool hit = false;
        for (const auto& [name, text] : entities)
            if (s.substr(i, name.size()) == name) {
                out += text;
                i += name.size();
                hit = true;
                break;
            }
        if (!hit) out += s[i++];
    }
    return out;
}

// A cell's text: tags dropped, entities read, blanks and line ends one blank.
std::string cellText(std::string_view html) {
    std::string plain;
    bool inTag = false;
    for (char c : html) {
        if (c == '<') inTag = true;
        else if (c == '>' && inTag) inTag = false;
        else if (!inTag) plain += c;
    }
    std::string out;
    for (char c : decodeEntities(plain)) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (blank && (out.empty() || out.back() == ' ')) continue;
        out += blank ? ' ' : c;
    }
    return trim(out);
}

// The file a save or open step names, and its name after the dialog's
// default extension.
fs::path answerPath(const fs::path& folder, const std::string& name) {
    const fs::path p(name);
    return p.is_absolute() ? p : folder / p;
}

}  // namespace

bool readsAs(std::string_view shown, std::string_view written) { return sameNumber(shown, written) || fits(shown, written); }

std::vector<std::string> menuPath(std::string_view path) {
    std::vector<std::string> out;
    for (const auto& part : split(path, ">")) out.push_back(trim(part));
    return out;
}

Step parseStep(std::string_view text) {
    Step st;
    st.text = trim(text);
    std::string_view rest = st.text;
    std::string verb;
    for (std::string_view v : kVerbs)
        if (startsWith(rest, v) && v.size() > verb.size()) verb = std::string(v);
    if (verb.empty()) return st;
    rest.remove_prefix(verb.size());
    const std::string body = trim(rest);
    Step out = st;
    if (verb == "菜单" || verb == "保存为" || verb == "打开") {
        if (body.empty()) return st;
        out.verb = verb;
        out.target = body;
        return out;
    }
    // 窗口“…”, 按“…”, 输入“…”= value, 拖“…”滑块到 n, 回答“…”→ answer, …
    if (!startsWith(body, kOpenQuote)) return st;
    const std::size_t close = body.find(kCloseQuote, kOpenQuote.size());
    if (close == std::string::npos) return st;
    out.verb = verb;
    out.target = trim(body.substr(kOpenQuote.size(), close - kOpenQuote.size()));
    std::string after = trim(std::string_view(body).substr(close + kCloseQuote.size()));
    auto valueAfter = [&after](std::string_view mark) -> std::optional<std::string> {
        if (!startsWith(after, mark)) return std::nullopt;
        return trim(std::string_view(after).substr(mark.size()));
    };
    if (verb == "输入" || verb == "核对") {
        auto v = valueAfter("=");
        if (!v) v = valueAfter("\xef\xbc\x9d");   // ＝
        if (!v) return st;
        out.value = *v;
    } else if (verb == "选") {
        if (!after.empty()) {
            auto v = valueAfter("=");
            if (!v || v->empty()) return st;
            out.value = *v;
        }
    } else if (verb == "拖") {
        auto v = valueAfter("滑块到");
        if (!v || !fw::parseInteger(*v)) return st;
        out.value = *v;
    } else if (verb == "回答") {
        auto v = valueAfter(kArrow);
        if (!v || v->empty()) return st;
        out.value = *v;
    } else if (!after.empty()) {
        return st;
    }
    return out;
}

std::vector<std::string> documentStepTexts(std::string_view html) {
    std::vector<std::string> out;
    const std::string_view open = "<table class=\"steps\"";
    for (std::size_t t = html.find(open); t != std::string_view::npos; t = html.find(open, t + 1)) {
        const std::size_t end = html.find("</table>", t);
        const std::string_view table = html.substr(t, end == std::string_view::npos ? std::string_view::npos : end - t);
        for (std::size_t r = table.find("<tr"); r != std::string_view::npos; r = table.find("<tr", r + 1)) {
            const std::size_t rowEnd = std::min(table.find("</tr>", r), table.size());
            const std::string_view row = table.substr(r, rowEnd - r);
            const std::size_t cell = row.find("<td");
            if (cell == std::string_view::npos) continue;   // a heading row
            const std::size_t from = row.find('>', cell);
            const std::size_t to = std::min(row.find("</td>", cell), row.size());
            if (from == std::string_view::npos || from > to) continue;
            std::string text = cellText(row.substr(from + 1, to - from - 1));
            if (!text.empty()) out.push_back(std::move(text));
        }
        if (end == std::string_view::npos) break;
    }
    return out;
}

std::vector<Step> documentSteps(std::string_view html) {
    std::vector<Step> out;
    for (const auto& text : documentStepTexts(html)) {
        Step st = parseStep(text);
        if (st.verb.empty()) ADD_FAILURE() << "not a step: " << inQuotes(text);
        else out.push_back(std::move(st));
    }
    return out;
}

// ---- running ----

StepRunner::StepRunner(Session& s, AppSession& app, std::filesystem::path folder)
    : m_s(s), m_app(app), m_folder(std::move(folder)) {}

void StepRunner::fail(const std::string& why) { failAt(m_at, why); }

void StepRunner::failAt(std::size_t step, const std::string& why) {
    if (m_failed) return;
    m_failed = true;
    if (step == 0) ADD_FAILURE() << why;
    else ADD_FAILURE() << "step " << step << " " << inQuotes(m_steps[step - 1].text) << ": " << why;
}

void StepRunner::run(const std::vector<Step>& steps) {
    m_steps = steps;
    m_at = 0;
    m_failed = false;
    m_messages.clear();
    m_files.clear();
    m_lastAction = 0;
    m_messagesSeen = m_s.messages().size();
    m_filesSeen = m_s.files().size();
    // Every window that opens runs the steps; every message box and file
    // dialog takes the answer the steps queued, and checkAnswers fails the
    // test for any that the steps do not name.
    m_s.tolerate([this](Running& r) { runWindow(r); });
    while (m_at < m_steps.size() && !m_failed) {
        const Step& st = m_steps[m_at++];
        checkAnswers();
        if (m_failed) break;
        if (st.verb != "菜单") {
            fail(isAnswer(st) ? "an answer with no box before it" : "no window is open for this step");
            break;
        }
        m_lastAction = m_at;
        takeAnswers();
        fw::MdiFrame* frame = m_app.frame();
        const fw::Menu* menu = frame ? frame->currentMenu() : nullptr;
        const int command = menu ? menuCommand(*menu, menuPath(st.target)) : 0;
        if (!command) {
            fail("the menu has no such item");
            break;
        }
        m_app.command(command);
    }
    if (!m_failed) checkAnswers();
    m_s.tolerate(nullptr);
}

void StepRunner::runWindow(Running& r) {
    if (m_failed) return r.end(fw::IDCANCEL);   // after a failure, whatever opens is closed
    const std::string caption = r.caption();
    if (m_at >= m_steps.size() || m_steps[m_at].verb != "窗口") {
        fail("the window " + inQuotes(caption) + " opens; the steps do not name it (窗口" + inQuotes("…") + ")");
        return r.end(fw::IDCANCEL);
    }
    while (!r.ended() && !m_failed) {
        if (m_at >= m_steps.size()) {
            fail("the steps end with the window " + inQuotes(caption) + " still open");
            break;
        }
        const Step& st = m_steps[m_at++];
        checkAnswers();
        if (m_failed) break;
        m_lastAction = m_at;
        takeAnswers();
        if (!perform(r, st)) break;
    }
    if (!r.ended()) r.end(fw::IDCANCEL);
}

bool StepRunner::perform(Running& r, const Step& st) {
    fw::Dialog& d = r.dialog();
    auto one = [&](Role role) -> int {
        const auto found = controlsNamed(d, st.target, role);
        if (found.size() == 1) return found.front()->id();
        fail(std::string(found.empty() ? "no control of that name" : "the name fits several controls") + " in " +
             inQuotes(r.caption()) + (r.sheet() ? " (" + inQuotes(r.sheet()->GetActivePage()->title()) + ")" : "") +
             "; it holds " + namesIn(d));
        return 0;
    };
    auto done = [&](bool ok, const std::string& why) {
        if (!ok && !r.ended()) fail(why);
        return ok || r.ended();
    };
    if (st.verb == "窗口") {
        if (r.caption().find(st.target) != std::string::npos || readingOf(r.caption()).find(readingOf(st.target)) != std::string::npos)
            return true;
        fail("the window open is " + inQuotes(r.caption()));
        return false;
    }
    if (st.verb == "按") {
        if (r.sheet() && controlsNamed(d, st.target, Role::Press).empty()) {
            if (int b = sheetButtonNamed(*r.sheet(), st.target)) {
                if (!r.buttonEnabled(b)) return done(false, "the button is disabled");
                return done(r.click(b), "the sheet did not take the click");
            }
        }
        const int id = one(Role::Press);
        if (!id) return false;
        if (!r.enabled(id)) return done(false, "the button is disabled");
        return done(r.click(id), "the click was refused or dropped");
    }
    if (st.verb == "选") {
        const int id = one(Role::Choose);
        if (!id) return false;
        if (!r.enabled(id)) return done(false, "the control is disabled");
        if (st.value.empty()) return done(r.click(id), "the click was refused or dropped");
        const auto items = r.items(id);
        for (std::size_t k = 0; k < items.size(); ++k)
            if (readingOf(items[k]) == readingOf(st.value)) return done(r.select(id, static_cast<int>(k)), "the choice was refused");
        return done(false, "the list has no item " + inQuotes(st.value));
    }
    if (st.verb == "输入") {
        const int id = one(Role::Type);
        if (!id) return false;
        if (!r.type(id, st.value)) return done(false, "the field does not take the text (disabled, read-only or digits only?)");
        return done(r.leave(), "Tab did not leave the field");
    }
    if (st.verb == "拖") {
        const int id = one(Role::Slide);
        if (!id) return false;
        return done(r.drag(id, static_cast<int>(*fw::parseInteger(st.value))), "the slider did not move");
    }
    if (st.verb == "翻到") {
        const int page = r.sheet() ? pageNamed(*r.sheet(), st.target) : -1;
        if (page < 0) return done(false, "no tab of that name");
        r.page(page);
        return done(r.activePage() == page, "the sheet stays on " + inQuotes(r.sheet()->GetActivePage()->title()));
    }
    if (st.verb == "核对") return read(r, st);
    fail(isAnswer(st) ? "an answer with no box before it" : "this step does not act on a window");
    return false;
}

bool StepRunner::read(Running& r, const Step& st) {
    const auto found = controlsNamed(r.dialog(), st.target, Role::Read);
    if (found.size() != 1) {
        fail(std::string(found.empty() ? "no control of that name" : "the name fits several controls") + "; " +
             inQuotes(r.caption()) + " holds " + namesIn(r.dialog()));
        return false;
    }
    const std::string shown = found.front()->text();
    if (readsAs(shown, st.value)) return true;
    fail("it shows " + inQuotes(shown));
    return false;
}

void StepRunner::takeAnswers() {
    static const std::vector<int> kAnswers{fw::IDOK, fw::IDCANCEL, fw::IDYES, fw::IDNO, fw::IDRETRY, fw::IDABORT, fw::IDIGNORE};
    while (m_at < m_steps.size() && isAnswer(m_steps[m_at]) && !m_failed) {
        const Step& st = m_steps[m_at++];
        if (st.verb == "回答") {
            const int answer = answerNamed(kAnswers, st.value);
            if (!answer) return fail(inQuotes(st.value) + " is no answer of a message box");
            m_s.answerMessage(answer);
            m_messages.push_back({m_at - 1, st.target});
            continue;
        }
        const fs::path path = answerPath(m_folder, st.target);
        FileAnswer f{m_at - 1, false, {}};
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(path.parent_path(), ec)) f.namesBefore.push_back(e.path().filename().string());
        // The save dialog's own question whether to replace the file.
        if (st.verb == "保存为" && m_at < m_steps.size() && m_steps[m_at].verb == "回答" &&
            startsWith(readingOf(m_steps[m_at].target), readingOf(path.filename().string()))) {
            const Step& q = m_steps[m_at++];
            if (answerNamed({fw::IDYES}, q.value) != fw::IDYES) return fail("only 是 replaces the file and saves");
            f.replaceAsked = true;
        }
        if (st.verb == "保存为") m_s.answerSave(path);
        else m_s.answerOpen(path);
        m_files.push_back(std::move(f));
    }
}

void StepRunner::checkAnswers() {
    const auto& messages = m_s.messages();
    for (; m_messagesSeen < messages.size(); ++m_messagesSeen) {
        const std::string& text = messages[m_messagesSeen].text;
        if (m_messages.empty()) return failAt(m_lastAction, "a message box the steps do not name came: " + inQuotes(text));
        const MessageAnswer a = m_messages.front();
        m_messages.pop_front();
        if (!fits(text, a.pattern))
            return failAt(m_lastAction, "the message box of step " + std::to_string(a.step + 1) + " says " + inQuotes(text) +
                        ", not " + inQuotes(a.pattern));
    }
    if (!m_messages.empty())
        return failAt(m_lastAction, "the message box " + inQuotes(m_messages.front().pattern) + " of step " +
                    std::to_string(m_messages.front().step + 1) + " did not come");
    const auto& files = m_s.files();
    for (; m_filesSeen < files.size(); ++m_filesSeen) {
        const FileRecord& rec = files[m_filesSeen];
        if (m_files.empty()) return failAt(m_lastAction, "a file dialog the steps do not name came: " + inQuotes(rec.request.title));
        const FileAnswer a = m_files.front();
        m_files.pop_front();
        const std::string name =
            rec.answer ? fw::withDefaultExtension(*rec.answer, rec.request.defaultExt).filename().string() : std::string();
        const bool existed = std::find(a.namesBefore.begin(), a.namesBefore.end(), name) != a.namesBefore.end();
        const unsigned flags = rec.request.flags;
        const bool asks = rec.request.mode == fw::FileMode::Save && (flags & fw::OFN_OVERWRITEPROMPT) &&
                          !(flags & fw::OFN_FILEMUSTEXIST) && existed;
        if (asks && !a.replaceAsked)
            return failAt(m_lastAction, "the save dialog " + inQuotes(rec.request.title) + " asks whether to replace " + name +
                        "; the steps do not say (回答" + inQuotes(name + " 已存在…") + "→ 是)");
        if (!asks && a.replaceAsked)
            return failAt(m_lastAction, "the steps answer a question whether to replace " + name + " that the save dialog " +
                        inQuotes(rec.request.title) + " does not ask");
    }
    if (!m_files.empty())
        return failAt(m_lastAction, "the file dialog of step " + std::to_string(m_files.front().step + 1) + " did not come");
}

}  // namespace fwtest
