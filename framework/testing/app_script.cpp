#include "fwtest/app_script.h"

#include <algorithm>

namespace fwtest {

namespace {
const char* showName(fw::ShowCmd c) {
    switch (c) {
    case fw::ShowCmd::Hide: return "hidden";
    case fw::ShowCmd::Normal: return "normal";
    case fw::ShowCmd::Minimized: return "minimized";
    case fw::ShowCmd::Maximized: return "maximized";
    }
    return "?";
}
}  // namespace

class AppBackend : public fw::AppBackend {
public:
    explicit AppBackend(AppSession& s) : m_s(s) {}
    void frameCreated(fw::MdiFrame&) override { m_s.m_events.push_back("frame created"); }
    void frameChanged(fw::MdiFrame& f, fw::FrameChange what) override {
        if (what == fw::FrameChange::Show) m_s.m_events.push_back(std::string("frame shown ") + showName(f.showState()));
        if (what == fw::FrameChange::Foreground) m_s.m_events.push_back("frame to front");
    }
    void frameDestroyed(fw::MdiFrame&) override { m_s.m_events.push_back("frame destroyed"); }
    void childCreated(fw::MdiChild& c) override { m_s.m_events.push_back("child shown " + c.caption()); }
    void childDestroyed(fw::MdiChild& c) override { m_s.m_events.push_back("child closed " + c.caption()); }
    void popupChanged(fw::PopupWindow& p) override {
        if (std::find(m_s.m_popups.begin(), m_s.m_popups.end(), &p) == m_s.m_popups.end()) {
            m_s.m_popups.push_back(&p);
            m_s.m_events.push_back("popup shown " + std::to_string(p.rect().width()) + "x" +
                                   std::to_string(p.rect().height()));
        }
        if (!p.isVisible() && p.created()) m_s.m_events.push_back("popup hidden");
    }
    void popupDestroyed(fw::PopupWindow& p) override {
        auto it = std::find(m_s.m_popups.begin(), m_s.m_popups.end(), &p);
        if (it == m_s.m_popups.end()) return;
        m_s.m_popups.erase(it);
        std::erase_if(m_s.m_timers, [&](const AppSession::Timer& t) { return t.popup == &p; });
        m_s.m_events.push_back("popup destroyed");
    }
    void startPopupTimer(fw::PopupWindow& p, int id, int ms) override {
        m_s.m_timers.push_back({&p, id});
        m_s.m_events.push_back("timer " + std::to_string(id) + " " + std::to_string(ms));
    }
    void stopPopupTimer(fw::PopupWindow& p, int id) override {
        std::erase_if(m_s.m_timers, [&](const AppSession::Timer& t) { return t.popup == &p && t.id == id; });
    }
    std::optional<bool> print(const fw::PrintRequest&, bool) override {
        ++m_s.m_prints;
        return std::nullopt;   // recorded by the dialog session's prints()
    }
    void quit(int) override { m_s.m_events.push_back("quit"); }

private:
    AppSession& m_s;
};

AppSession::AppSession() {
    m_backend = new AppBackend(*this);
    m_previous = fw::setAppBackend(m_backend);
}

AppSession::~AppSession() {
    fw::setAppBackend(m_previous);
    delete m_backend;
}

bool AppSession::happened(std::string_view event) const {
    return std::find(m_events.begin(), m_events.end(), event) != m_events.end();
}

int AppSession::indexOf(std::string_view prefix) const {
    for (std::size_t i = 0; i < m_events.size(); ++i)
        if (m_events[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    return -1;
}

fw::MdiFrame* AppSession::frame() const {
    fw::App* a = fw::App::current();
    return a ? a->mainFrame() : nullptr;
}

void AppSession::command(int id) {
    if (fw::MdiFrame* f = frame()) f->userCommand(id);
}

bool AppSession::key(std::string_view k) {
    fw::App* a = fw::App::current();
    return a && a->userKey(k);
}

bool AppSession::mouseDown() {
    fw::App* a = fw::App::current();
    return a && a->userInput({fw::InputMessage::Kind::LButtonDown, {}});
}

bool AppSession::clickToolbar(int id) {
    if (mouseDown()) return false;
    command(id);
    return true;
}

void AppSession::fireTimers() {
    std::vector<Timer> now = m_timers;
    for (const Timer& t : now) {
        bool live = std::any_of(m_timers.begin(), m_timers.end(),
                                [&](const Timer& x) { return x.popup == t.popup && x.id == t.id; });
        if (live) t.popup->userPopupTimer(t.id);
    }
}

void AppSession::dropFiles(const std::vector<std::filesystem::path>& files) {
    if (fw::MdiFrame* f = frame()) f->userDropFiles(files);
}

fw::EditView* AppSession::activeView() const {
    fw::App* a = fw::App::current();
    return a ? a->activeView() : nullptr;
}

fw::Document* AppSession::activeDocument() const {
    fw::App* a = fw::App::current();
    return a ? a->activeDocument() : nullptr;
}

std::string AppSession::activeText() const {
    fw::EditView* v = activeView();
    return v ? v->text() : std::string();
}

std::string AppSession::activeTitle() const {
    fw::Document* d = activeDocument();
    return d ? d->GetTitle() : std::string();
}

}  // namespace fwtest
