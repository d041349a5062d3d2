#include "fwtest/script.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fwtest {

namespace {

std::string describe(const fw::Window& w) {
    if (auto* d = dynamic_cast<const fw::Dialog*>(&w)) return "dialog " + std::to_string(d->templateId());
    return "property sheet \"" + w.caption() + "\"";
}

int cancelAnswer(const fw::MessageRequest& m) {
    switch (m.buttons) {
    case fw::MessageButtons::Ok: return fw::IDOK;
    case fw::MessageButtons::YesNo: return fw::IDNO;
    case fw::MessageButtons::AbortRetryIgnore: return fw::IDABORT;
    default: return fw::IDCANCEL;
    }
}

bool isSheetButton(int id) {
    return id == fw::IDOK || id == fw::IDCANCEL || id == fw::ID_APPLY_NOW || id == fw::IDHELP ||
           id == fw::ID_WIZBACK || id == fw::ID_WIZNEXT || id == fw::ID_WIZFINISH;
}

}  // namespace

// ---- the backend ----

class Backend : public fw::Backend {
public:
    explicit Backend(Session& s) : m_s(s) {}

    void runDialog(fw::Dialog& d) override {
        m_s.m_runs.push_back(d.templateId());
        auto it = std::find_if(m_s.m_scripts.begin(), m_s.m_scripts.end(),
                               [&](const Session::Pending& p) { return p.id == d.templateId(); });
        if (it == m_s.m_scripts.end()) {
            if (m_s.m_defaultScript) return run(d, Running(d), *m_s.m_defaultScript);
            ADD_FAILURE() << "unexpected " << describe(d) << " \"" << d.caption() << "\" (no script)";
            d.EndDialog(fw::IDCANCEL);
            return;
        }
        Script script = std::move(it->script);
        m_s.m_scripts.erase(it);
        run(d, Running(d), script);
    }

    void runSheet(fw::PropertySheet& s) override {
        m_s.m_runs.push_back(0);
        if (m_s.m_sheetScripts.empty()) {
            if (m_s.m_defaultScript) return run(s, Running(s), *m_s.m_defaultScript);
            ADD_FAILURE() << "unexpected " << describe(s) << " (no script)";
            s.EndDialog(fw::IDCANCEL);
            return;
        }
        Script script = std::move(m_s.m_sheetScripts.front());
        m_s.m_sheetScripts.pop_front();
        run(s, Running(s), script);
    }

    void endModal(fw::Window&, int) override {}

    int messageBox(const fw::MessageRequest& m) override {
        MessageRecord rec{m.text, m.caption, m.icon, m.buttons, 0};
        if (m_s.m_answers.empty()) {
            if (!m_s.m_defaultScript) ADD_FAILURE() << "unexpected message box: \"" << m.text << "\"";
            rec.answer = cancelAnswer(m);
        } else {
            Session::Answer a = m_s.m_answers.front();
            m_s.m_answers.pop_front();
            if (a.text && *a.text != m.text)
                ADD_FAILURE() << "message box \"" << m.text << "\", expected \"" << *a.text << "\"";
            auto ok = m.answers();
            if (std::find(ok.begin(), ok.end(), a.answer) == ok.end()) {
                ADD_FAILURE() << "answer " << a.answer << " is not a button of the box \"" << m.text << "\"";
                rec.answer = cancelAnswer(m);
            } else {
                rec.answer = a.answer;
            }
        }
        m_s.m_messages.push_back(rec);
        return rec.answer;
    }

    std::optional<std::filesystem::path> fileDialog(const fw::FileRequest& r) override {
        FileRecord rec{r, std::nullopt};
        if (m_s.m_fileAnswers.empty()) {
            if (!m_s.m_defaultScript) ADD_FAILURE() << "unexpected file dialog \"" << r.title << "\"";
        } else {
            Session::FileAnswer a = m_s.m_fileAnswers.front();
            m_s.m_fileAnswers.pop_front();
            if (a.mode && *a.mode != r.mode)
                ADD_FAILURE() << "file dialog \"" << r.title << "\" is an " << (r.mode == fw::FileMode::Open ? "open" : "save")
                              << " dialog, the test answered the other kind";
            std::error_code ec;
            if (a.path && r.mode == fw::FileMode::Open && (r.flags & fw::OFN_FILEMUSTEXIST) &&
                !std::filesystem::exists(*a.path, ec) &&
                !std::filesystem::exists(fw::withDefaultExtension(*a.path, r.defaultExt), ec))
                ADD_FAILURE() << "file dialog \"" << r.title << "\" needs an existing file, " << *a.path << " is not";
            rec.answer = a.path;
        }
        m_s.m_files.push_back(rec);
        return rec.answer;
    }

    void help(const fw::HelpRequest& h) override { m_s.m_help.push_back(h); }
    bool shellOpen(const fw::ShellRequest& r) override {
        m_s.m_shell.push_back(r);
        return m_s.m_shellResult;
    }
    bool print(const fw::PrintRequest& p) override {
        m_s.m_prints.push_back(p);
        return true;
    }
    void setWaitCursor(bool on) override {
        if (on) ++m_s.m_waitShows;
        m_s.m_waitDepth = on ? 1 : 0;
    }

private:
    void run(fw::Window& w, Running r, const Script& script) {
        r.settleNow();
        try {
            script(r);
        } catch (const std::exception& e) {
            ADD_FAILURE() << "script for " << describe(w) << " threw: " << e.what();
        }
        if (!w.ended()) {
            ADD_FAILURE() << "script for " << describe(w) << " returned with it still open";
            if (auto* d = dynamic_cast<fw::Dialog*>(&w)) d->EndDialog(fw::IDCANCEL);
            else if (auto* s = dynamic_cast<fw::PropertySheet*>(&w)) s->EndDialog(fw::IDCANCEL);
        }
    }
    Session& m_s;
};

// ---- Session ----

Session::Session() {
    m_backend = new Backend(*this);
    m_previous = fw::setBackend(m_backend);
    fw::setAppTitle("Kavrin");
}

Session::~Session() {
    fw::setBackend(m_previous);
    delete m_backend;
}

void Session::onDialog(int templateId, Script script) { m_scripts.push_back({templateId, std::move(script)}); }
void Session::onSheet(Script script) { m_sheetScripts.push_back(std::move(script)); }
void Session::answerMessage(int answer) { m_answers.push_back({answer, std::nullopt}); }
void Session::expectMessage(std::string text, int answer) { m_answers.push_back({answer, std::move(text)}); }
void Session::answerOpen(std::filesystem::path p) { m_fileAnswers.push_back({fw::FileMode::Open, std::move(p)}); }
void Session::answerSave(std::filesystem::path p) { m_fileAnswers.push_back({fw::FileMode::Save, std::move(p)}); }
void Session::cancelFile() { m_fileAnswers.push_back({std::nullopt, std::nullopt}); }
void Session::tolerate(Script script) {
    if (script) m_defaultScript = std::move(script);
    else m_defaultScript.reset();
}

bool Session::allUsed() const {
    return m_scripts.empty() && m_sheetScripts.empty() && m_answers.empty() && m_fileAnswers.empty();
}

// ---- Running ----

fw::Dialog& Running::dialog() const {
    if (m_sheet) return *m_sheet->GetActivePage();
    return *m_dialog;
}

void Running::settleNow() const {
    fw::Window* w = m_sheet ? static_cast<fw::Window*>(m_sheet) : m_dialog;
    if (w->needsPaint()) w->paint();
    if (m_sheet) {
        fw::Dialog& p = dialog();
        if (p.needsPaint()) p.paint();
    }
}

bool Running::settle(bool ok) {
    settleNow();
    return ok;
}

bool Running::live() const {
    fw::Window* w = m_sheet ? static_cast<fw::Window*>(m_sheet) : m_dialog;
    if (w->ended()) {
        ADD_FAILURE() << "script acts on " << describe(*w) << " after it ended";
        return false;
    }
    return true;
}

fw::Control* Running::control(int id) const {
    fw::Control* c = dialog().find(id);
    if (!c) ADD_FAILURE() << "no control " << id << " in dialog " << dialog().templateId();
    return c;
}

bool Running::type(int id, std::string_view text) {
    if (!live() || !control(id)) return false;
    return settle(dialog().userTyped(id, text));
}

bool Running::typeKeys(int id, std::string_view text) {
    if (!live() || !control(id)) return false;
    if (!dialog().userTyped(id, "")) return settle(false);
    std::string sofar;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t len = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 4;
        sofar += text.substr(i, len);
        i += len;
        if (!dialog().userTyped(id, sofar)) {
            // A key the field does not take is ignored; anything else ends the typing.
            if (!live() || dialog().focusId() != id) return settle(false);
            sofar = dialog().text(id);
        }
    }
    return settle(true);
}

bool Running::leave() { return live() && settle(dialog().userFocusNext()); }
bool Running::focus(int id) { return live() && control(id) && settle(dialog().userFocus(id)); }

bool Running::click(int id) {
    if (!live()) return false;
    if (m_sheet && isSheetButton(id) && !dialog().find(id)) return settle(m_sheet->userClick(id));
    return control(id) && settle(dialog().userClick(id));
}

bool Running::clickItem(int id, int row) { return live() && control(id) && settle(dialog().userClickItem(id, row)); }
bool Running::doubleClick(int id) { return live() && control(id) && settle(dialog().userDoubleClick(id)); }
bool Running::enter() { return live() && settle(m_sheet ? m_sheet->userPressEnter() : dialog().userPressEnter()); }
bool Running::escape() { return live() && settle(m_sheet ? m_sheet->userEscape() : dialog().userEscape()); }
bool Running::close() { return live() && settle(m_sheet ? m_sheet->userClose() : dialog().userClose()); }
bool Running::select(int id, int index) { return live() && control(id) && settle(dialog().userSelect(id, index)); }

bool Running::selectText(int id, std::string_view item) {
    if (!live() || !control(id)) return false;
    std::vector<std::string> all = items(id);
    auto it = std::find(all.begin(), all.end(), item);
    if (it == all.end()) {
        ADD_FAILURE() << "control " << id << " has no item \"" << item << "\"";
        return false;
    }
    return select(id, static_cast<int>(it - all.begin()));
}

bool Running::drag(int id, int pos) {
    if (!live() || !control(id)) return false;
    bool moved = dialog().userTrackbarMove(id, pos);
    return settle(moved && dialog().userTrackbarRelease(id));
}

bool Running::date(int id, const fw::Date& d) { return live() && control(id) && settle(dialog().userDate(id, d)); }

bool Running::timer(int timerId) {
    if (!live()) return false;
    fw::Window* w = m_sheet ? static_cast<fw::Window*>(m_sheet) : m_dialog;
    w->userTimer(timerId);
    return settle(true);
}

bool Running::page(int index) { return live() && m_sheet && settle(m_sheet->userSelectPage(index)); }

void Running::end(int code) {
    if (m_sheet) m_sheet->EndDialog(code);
    else m_dialog->EndDialog(code);
}

std::string Running::text(int id) const {
    fw::Control* c = control(id);
    return c ? c->text() : std::string();
}
bool Running::enabled(int id) const {
    fw::Control* c = control(id);
    return c && c->enabled();
}
bool Running::visible(int id) const {
    fw::Control* c = control(id);
    return c && c->visible();
}
bool Running::checked(int id) const {
    auto* b = dynamic_cast<fw::Button*>(control(id));
    return b && b->checked();
}
bool Running::readOnly(int id) const {
    auto* e = dynamic_cast<fw::Edit*>(control(id));
    return e && e->readOnly();
}
int Running::selection(int id) const {
    fw::Control* c = control(id);
    if (auto* cb = dynamic_cast<fw::ComboBox*>(c)) return cb->curSel();
    if (auto* lb = dynamic_cast<fw::ListBox*>(c)) return lb->curSel();
    if (auto* lv = dynamic_cast<fw::ListView*>(c)) return lv->firstSelected();
    return -1;
}
std::vector<std::string> Running::items(int id) const {
    fw::Control* c = control(id);
    if (auto* cb = dynamic_cast<fw::ComboBox*>(c)) return cb->items();
    if (auto* lb = dynamic_cast<fw::ListBox*>(c)) return lb->items();
    return {};
}
std::vector<std::vector<std::string>> Running::rows(int id) const {
    auto* lv = dynamic_cast<fw::ListView*>(control(id));
    return lv ? lv->rows() : std::vector<std::vector<std::string>>{};
}
int Running::position(int id) const {
    auto* t = dynamic_cast<fw::Trackbar*>(control(id));
    return t ? t->pos() : 0;
}
fw::Date Running::dateOf(int id) const {
    auto* p = dynamic_cast<fw::DatePicker*>(control(id));
    return p ? p->date() : fw::Date{};
}
int Running::bitmap(int id) const {
    auto* p = dynamic_cast<fw::Picture*>(control(id));
    return p ? p->bitmap() : 0;
}
std::string Running::caption() const { return m_sheet ? m_sheet->caption() : m_dialog->caption(); }

const std::vector<fw::DrawOp>& Running::canvas() const {
    settleNow();
    return dialog().drawing();
}

int Running::activePage() const { return m_sheet ? m_sheet->GetActiveIndex() : -1; }
bool Running::buttonEnabled(int buttonId) const { return m_sheet && m_sheet->buttonEnabled(buttonId); }
bool Running::ended() const { return m_sheet ? m_sheet->ended() : m_dialog->ended(); }

}  // namespace fwtest
