#include <algorithm>

#include "fw/app.h"

namespace fw {

namespace {
void frameNotify(MdiFrame& f, FrameChange what) {
    if (AppBackend* b = appBackend(); b && f.created()) b->frameChanged(f, what);
}
std::string beforeNewline(const std::string& s) { return s.substr(0, s.find('\n')); }
}  // namespace

// ---- ToolBar, StatusBar ----

bool ToolBar::CreateEx(FrameWindow& frame) {
    auto* mdi = dynamic_cast<MdiFrame*>(&frame);
    if (!mdi) return false;
    m_frame = &frame;
    mdi->m_toolbar = this;
    return true;
}

bool ToolBar::LoadToolBar(const Module& module, int id) {
    const Toolbar* t = module.toolbar(id);
    if (!t) return false;
    m_module = &module;
    m_bitmap = t->bitmap;
    m_buttons = t->commands;
    if (m_frame) m_frame->changed(FrameChange::Bars);
    return true;
}

int ToolBar::imageIndex(int command) const {
    int i = 0;
    for (int c : m_buttons) {
        if (c == 0) continue;
        if (c == command) return i;
        ++i;
    }
    return -1;
}

void ToolBar::show(bool on) {
    if (m_visible == on) return;
    m_visible = on;
    if (m_frame) m_frame->changed(FrameChange::BarState);
}

bool StatusBar::Create(FrameWindow& frame) {
    auto* mdi = dynamic_cast<MdiFrame*>(&frame);
    if (!mdi) return false;
    m_frame = &frame;
    mdi->m_statusBar = this;
    if (const Module* m = frame.module()) m_message = m->string(cmd::IdleMessage);
    return true;
}

bool StatusBar::SetIndicators(std::vector<int> ids) {
    m_ids = std::move(ids);
    if (m_frame) m_frame->changed(FrameChange::Bars);
    return true;
}

void StatusBar::SetMessage(std::string_view text) {
    if (m_message == text) return;
    m_message = std::string(text);
    if (m_frame) m_frame->changed(FrameChange::Message);
}

std::string StatusBar::paneText(int index) const {
    if (index < 0 || index >= static_cast<int>(m_ids.size())) return {};
    int id = m_ids[index];
    if (id == 0) return m_message;
    bool on = (id == cmd::IndicatorCaps && m_caps) || (id == cmd::IndicatorNum && m_num) ||
              (id == cmd::IndicatorScroll && m_scroll);
    const Module* m = m_frame ? m_frame->module() : nullptr;
    return on && m ? m->string(id) : std::string();
}

void StatusBar::setKeyStates(bool caps, bool num, bool scroll) {
    if (m_caps == caps && m_num == num && m_scroll == scroll) return;
    m_caps = caps;
    m_num = num;
    m_scroll = scroll;
    if (m_frame) m_frame->changed(FrameChange::BarState);
}

void StatusBar::show(bool on) {
    if (m_visible == on) return;
    m_visible = on;
    if (m_frame) m_frame->changed(FrameChange::BarState);
}

// ---- FrameWindow ----

FrameWindow::FrameWindow() = default;
FrameWindow::~FrameWindow() = default;

// ---- MdiFrame ----

MdiFrame::MdiFrame() {
    onCommand(cmd::WindowNew, [this] {
        if (!m_active || !m_active->document()) return;
        Document* d = m_active->document();
        if (DocTemplate* t = d->GetDocTemplate())
            if (MdiChild* c = t->CreateNewFrame(*d)) c->ActivateFrame();
    });
    onCommand(cmd::WindowCascade, [this] { MDICascade(); });
    onCommand(cmd::WindowTileHorz, [this] { MDITile(); });
    onCommand(cmd::WindowArrange, [this] { MDIIconArrange(); });
    onCommand(cmd::ViewToolbar, [this] {
        if (m_toolbar) m_toolbar->show(!m_toolbar->visible());
    });
    onCommand(cmd::ViewStatusBar, [this] {
        if (m_statusBar) m_statusBar->show(!m_statusBar->visible());
    });
    onCommand(cmd::ContextHelp, [this] { OnContextHelp(); });
    onCommand(cmd::Help, [this] { WinHelp(0x20000u + static_cast<unsigned>(menuId()), HH_HELP_CONTEXT); });
    onCommand(cmd::DefaultHelp, [this] { WinHelp(0, HH_DISPLAY_TOC); });
    onCommand(cmd::NextPane, [] {});   // one pane per window: nothing to move to
    onCommand(cmd::PrevPane, [] {});
}

MdiFrame::~MdiFrame() {
    m_active = nullptr;
    m_children.clear();
    if (m_created)
        if (AppBackend* b = appBackend()) b->frameDestroyed(*this);
}

bool MdiFrame::LoadFrame(const Module& module, int id) {
    m_module = &module;
    m_style = FrameStyle{};
    PreCreateWindow(m_style);
    m_title = module.string(id);
    m_menu = module.menu(id);
    m_accels = module.accelerators(id);
    if (!m_menu) return false;
    setCaption(m_title);
    m_created = true;
    if (AppBackend* b = appBackend()) b->frameCreated(*this);
    if (OnCreate() == -1) {
        DestroyWindow();
        return false;
    }
    return true;
}

int MdiFrame::OnCreate() { return 0; }

void MdiFrame::DestroyWindow() {
    m_active = nullptr;
    m_children.clear();
    if (m_created)
        if (AppBackend* b = appBackend()) b->frameDestroyed(*this);
    m_created = false;
    m_show = ShowCmd::Hide;
}

void MdiFrame::ShowWindow(ShowCmd c) {
    m_show = c;
    frameNotify(*this, FrameChange::Show);
}

void MdiFrame::BringToFront() {
    if (m_show != ShowCmd::Hide) frameNotify(*this, FrameChange::Foreground);
}

void MdiFrame::changed(FrameChange what) { frameNotify(*this, what); }

const Menu* MdiFrame::currentMenu() const {
    if (m_active && m_active->document() && m_active->document()->GetDocTemplate())
        if (const Menu* m = m_active->document()->GetDocTemplate()->menu()) return m;
    return m_menu;
}

int MdiFrame::menuId() const {
    const Menu* m = currentMenu();
    return m ? m->id : 0;
}

std::string MdiFrame::prompt(int command) const {
    return m_module ? beforeNewline(m_module->string(command)) : std::string();
}

std::string MdiFrame::toolTip(int command) const {
    if (!m_module) return {};
    const std::string& s = m_module->string(command);
    std::size_t nl = s.find('\n');
    return nl == std::string::npos ? std::string() : s.substr(nl + 1);
}

MdiChild* MdiFrame::addChild(std::unique_ptr<MdiChild> c) {
    c->m_frame = this;
    m_children.push_back(std::move(c));
    return m_children.back().get();
}

void MdiFrame::removeChild(MdiChild* c) {
    auto it = std::find_if(m_children.begin(), m_children.end(), [&](const auto& p) { return p.get() == c; });
    if (it == m_children.end()) return;
    std::unique_ptr<MdiChild> keep = std::move(*it);
    m_children.erase(it);
    Document* doc = keep->document();
    if (m_active == c) {
        m_active = nullptr;
        if (!m_children.empty()) MDIActivate(m_children.back().get());
        else {
            changed(FrameChange::Active);
            changed(FrameChange::Menu);
        }
    }
    keep.reset();
    if (doc)
        for (MdiChild* f : doc->frames()) f->updateCaption();
    updateCaption();
}

void MdiFrame::MDIActivate(MdiChild* child) {
    if (m_active == child) return;
    const Menu* before = currentMenu();
    m_active = child;
    changed(FrameChange::Active);
    if (currentMenu() != before) changed(FrameChange::Menu);
    updateCaption();
}

void MdiFrame::MDINext() {
    if (m_children.size() < 2 || !m_active) return;
    auto it = std::find_if(m_children.begin(), m_children.end(), [&](const auto& p) { return p.get() == m_active; });
    ++it;
    MDIActivate(it == m_children.end() ? m_children.front().get() : it->get());
}

void MdiFrame::MDIPrev() {
    if (m_children.size() < 2 || !m_active) return;
    auto it = std::find_if(m_children.begin(), m_children.end(), [&](const auto& p) { return p.get() == m_active; });
    MDIActivate(it == m_children.begin() ? m_children.back().get() : std::prev(it)->get());
}

void MdiFrame::userNextWindow(bool forward) {
    if (forward) MDINext();
    else MDIPrev();
}

std::optional<bool> MdiFrame::commandChecked(int id) const {
    if (id == cmd::ViewToolbar) return m_toolbar && m_toolbar->visible();
    if (id == cmd::ViewStatusBar) return m_statusBar && m_statusBar->visible();
    if (id >= FirstWindow && id < FirstWindow + static_cast<int>(m_children.size()))
        return m_children[static_cast<std::size_t>(id - FirstWindow)].get() == m_active;
    return std::nullopt;
}

std::vector<std::string> MdiFrame::windowList() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < m_children.size(); ++i)
        out.push_back('&' + std::to_string(i + 1) + " " + m_children[i]->caption());
    return out;
}

void MdiFrame::MDICascade() {
    m_arrangement = Arrangement::Cascade;
    for (auto& c : m_children)
        if (c->showState() != ShowCmd::Minimized) c->show(ShowCmd::Normal);
    changed(FrameChange::Arrange);
}

void MdiFrame::MDITile() {
    m_arrangement = Arrangement::Tile;
    for (auto& c : m_children)
        if (c->showState() != ShowCmd::Minimized) c->show(ShowCmd::Normal);
    changed(FrameChange::Arrange);
}

void MdiFrame::MDIIconArrange() {
    m_arrangement = Arrangement::Icons;
    changed(FrameChange::Arrange);
}

void MdiFrame::OnContextHelp() {
    m_helpMode = true;
    changed(FrameChange::HelpMode);
}

void MdiFrame::userCommand(int id) {
    if (m_helpMode) {
        m_helpMode = false;
        changed(FrameChange::HelpMode);
        WinHelp(0x10000u + static_cast<unsigned>(id), HH_HELP_CONTEXT);
        return;
    }
    routeCommand(id);
}

bool MdiFrame::routeCommand(int id) {
    if (id >= FirstWindow && id < FirstWindow + static_cast<int>(m_children.size())) {
        MdiChild* c = m_children[static_cast<std::size_t>(id - FirstWindow)].get();
        if (c->showState() == ShowCmd::Minimized) c->show(ShowCmd::Normal);
        c->ActivateFrame();
        return true;
    }
    if (m_active) {
        if (EditView* v = m_active->view(); v && v->OnCmdMsg(id)) return true;
        if (Document* d = m_active->document(); d && d->OnCmdMsg(id)) return true;
        if (m_active->OnCmdMsg(id)) return true;
    }
    if (OnCmdMsg(id)) return true;
    if (App* a = App::current()) return a->OnCmdMsg(id);
    return false;
}

void MdiFrame::userMenuSelect(int id) {
    if (!m_statusBar) return;
    m_statusBar->SetMessage(id == 0 ? (m_module ? m_module->string(cmd::IdleMessage) : std::string()) : prompt(id));
}

void MdiFrame::userDropFiles(const std::vector<std::filesystem::path>& files) {
    if (!m_acceptFiles) return;
    App* a = App::current();
    if (!a) return;
    for (const auto& f : files) a->OpenDocumentFile(f);
}

void MdiFrame::userHelpClick() {
    if (!m_helpMode) return;
    m_helpMode = false;
    changed(FrameChange::HelpMode);
    WinHelp(0x20000u + static_cast<unsigned>(menuId()), HH_HELP_CONTEXT);
}

void MdiFrame::userEscape() {
    if (!m_helpMode) return;
    m_helpMode = false;
    changed(FrameChange::HelpMode);
}

bool MdiFrame::userClose() {
    if (App* a = App::current()) return a->exit();
    return true;
}

void MdiFrame::updateCaption() {
    std::string c = m_title;
    if (m_style.addToTitle && m_active && m_active->document())
        c += " - " + m_active->document()->GetTitle();
    if (c != caption()) {
        setCaption(c);
        changed(FrameChange::Caption);
    }
}

// ---- MdiChild ----

MdiChild::MdiChild() = default;

MdiChild::~MdiChild() {
    m_view.reset();
    if (m_show != ShowCmd::Hide)
        if (AppBackend* b = appBackend()) b->childDestroyed(*this);
}

void MdiChild::ActivateFrame(int nCmdShow) {
    ShowCmd c = m_show == ShowCmd::Hide ? ShowCmd::Normal : m_show;
    if (nCmdShow == SW_SHOWNORMAL) c = ShowCmd::Normal;
    if (nCmdShow == SW_SHOWMINIMIZED) c = ShowCmd::Minimized;
    if (nCmdShow == SW_SHOWMAXIMIZED) c = ShowCmd::Maximized;
    show(c);
    if (m_frame) m_frame->MDIActivate(this);
}

void MdiChild::show(ShowCmd c) {
    bool first = m_show == ShowCmd::Hide && c != ShowCmd::Hide;
    m_show = c;
    if (AppBackend* b = appBackend()) {
        if (first) {
            updateCaption();
            b->childCreated(*this);
        }
        b->childChanged(*this, ChildChange::State);
    }
}

void MdiChild::updateCaption() {
    std::string c = m_doc ? m_doc->GetTitle() : std::string();
    if (m_doc) {
        auto frames = m_doc->frames();
        if (frames.size() > 1) {
            auto it = std::find(frames.begin(), frames.end(), this);
            c += ':' + std::to_string((it - frames.begin()) + 1);
        }
    }
    if (c != caption()) {
        setCaption(c);
        notify(ChildChange::Caption);
    }
    if (m_frame && m_frame->MDIGetActive() == this) m_frame->updateCaption();
}

void MdiChild::notify(ChildChange what) {
    if (m_show == ShowCmd::Hide) return;
    if (AppBackend* b = appBackend()) b->childChanged(*this, what);
}

bool MdiChild::isActive() const { return m_frame && m_frame->MDIGetActive() == this; }

void MdiChild::userActivate() {
    if (m_frame) m_frame->MDIActivate(this);
}

void MdiChild::userShow(ShowCmd c) { show(c); }

bool MdiChild::userClose() {
    Document* d = m_doc;
    if (d && d->frames().size() == 1) {
        if (!d->SaveModified()) return false;
        d->OnCloseDocument();
        return true;
    }
    if (m_frame) m_frame->removeChild(this);
    return true;
}

}  // namespace fw
