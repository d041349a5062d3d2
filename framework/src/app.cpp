#include "fw/app.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "fw/registry.h"

namespace fw {

namespace {
AppBackend*& appBackendSlot() {
    static AppBackend* b = nullptr;
    return b;
}
App*& currentApp() {
    static App* a = nullptr;
    return a;
}
}  // namespace

AppBackend* setAppBackend(AppBackend* b) {
    AppBackend* old = appBackendSlot();
    appBackendSlot() = b;
    return old;
}
AppBackend* appBackend() { return appBackendSlot(); }

// ---- PopupWindow ----

PopupWindow::~PopupWindow() {
    if (m_created)
        if (AppBackend* b = appBackend()) b->popupDestroyed(*this);
}

bool PopupWindow::Create(const Module& module, Rect rect) {
    m_module = &module;
    m_rect = rect;
    m_created = true;
    m_visible = true;
    setClientSize({rect.width(), rect.height()});
    invalidate();   // a new window paints its whole client area before it shows
    OnCreate();
    if (AppBackend* b = appBackend()) b->popupChanged(*this);
    return true;
}

void PopupWindow::CenterWindow(Size screen) {
    int w = m_rect.width(), h = m_rect.height();
    m_rect.left = (screen.width - w) / 2;
    m_rect.top = (screen.height - h) / 2;
    m_rect.right = m_rect.left + w;
    m_rect.bottom = m_rect.top + h;
    if (AppBackend* b = appBackend(); b && m_created) b->popupChanged(*this);
}

void PopupWindow::ShowWindow(bool on) {
    if (m_visible == on) return;
    m_visible = on;
    if (AppBackend* b = appBackend(); b && m_created) b->popupChanged(*this);
}

void PopupWindow::UpdateWindow() {
    if (needsPaint()) paint();
    if (AppBackend* b = appBackend(); b && m_created) b->popupChanged(*this);
}

void PopupWindow::DestroyWindow() {
    if (!m_created) return;
    for (int id : std::vector<int>(m_timers)) KillTimer(id);
    m_created = false;
    m_visible = false;
    if (AppBackend* b = appBackend()) b->popupDestroyed(*this);
    PostNcDestroy();   // may delete this
}

void PopupWindow::SetTimer(int id, int ms) {
    if (std::find(m_timers.begin(), m_timers.end(), id) == m_timers.end()) m_timers.push_back(id);
    if (AppBackend* b = appBackend()) b->startPopupTimer(*this, id, ms);
}

void PopupWindow::KillTimer(int id) {
    auto it = std::find(m_timers.begin(), m_timers.end(), id);
    if (it == m_timers.end()) return;
    m_timers.erase(it);
    if (AppBackend* b = appBackend()) b->stopPopupTimer(*this, id);
}

void PopupWindow::userPopupTimer(int id) {
    if (!m_created || std::find(m_timers.begin(), m_timers.end(), id) == m_timers.end()) return;
    OnTimer(id);
}

// ---- RecentFileList ----

void RecentFileList::add(const std::filesystem::path& p) {
    std::filesystem::path n = normalisedPath(p);
    if (n.empty()) return;
    m_files.erase(std::remove(m_files.begin(), m_files.end(), n), m_files.end());
    m_files.insert(m_files.begin(), n);
    if (static_cast<int>(m_files.size()) > m_size) m_files.resize(static_cast<std::size_t>(m_size));
}

void RecentFileList::remove(int index) {
    if (index >= 0 && index < static_cast<int>(m_files.size())) m_files.erase(m_files.begin() + index);
}

void RecentFileList::load(std::string_view key) {
    m_files.clear();
    for (int i = 1; i <= m_size; ++i) {
        auto v = registry::readString(registry::Hive::CurrentUser, key, "File" + std::to_string(i));
        if (!v || v->empty()) continue;
        std::filesystem::path p = normalisedPath(*v);
        if (std::find(m_files.begin(), m_files.end(), p) == m_files.end()) m_files.push_back(p);
    }
}

bool RecentFileList::save(std::string_view key) const {
    bool ok = true;
    for (int i = 1; i <= m_size; ++i) {
        std::string v = i <= static_cast<int>(m_files.size()) ? m_files[static_cast<std::size_t>(i - 1)].string() : "";
        ok = registry::writeString(key, "File" + std::to_string(i), v) && ok;
    }
    return ok;
}

// ---- App ----

App::App() {
    currentApp() = this;
    onCommand(cmd::FileNew, [this] { OnFileNew(); });
    onCommand(cmd::FileOpen, [this] { OnFileOpen(); });
    onCommand(cmd::FilePrintSetup, [this] { OnFilePrintSetup(); });
    for (int i = 0; i < 4; ++i) onCommand(cmd::FileMru1 + i, [this, i] { OnFileMru(i); });
    onCommand(cmd::AppExit, [this] { exit(); });
}

App::~App() {
    if (m_template) m_template->CloseAllDocuments();
    m_frame.reset();
    m_template.reset();
    closeShellOpen();
    if (currentApp() == this) currentApp() = nullptr;
}

App* App::current() { return currentApp(); }

int App::ExitInstance() { return 0; }

int App::main(std::vector<std::string> args) {
    m_args = std::move(args);
    if (!InitInstance()) {
        ExitInstance();
        return m_handedOver && !m_handOverRefused ? 0 : 1;
    }
    int code = appBackend() ? appBackend()->run() : 0;
    if (!m_exited) {
        if (m_template) m_template->CloseAllDocuments();
        SaveStdProfileSettings();
        m_exited = true;
    }
    int exitCode = ExitInstance();
    return code != 0 ? code : exitCode;
}

void App::SetRegistryKey(std::string_view company) { m_company = std::string(company); }

std::string App::profileKey() const { return "Software\\" + m_company + "\\" + appTitle(); }

void App::LoadStdProfileSettings(int mruCount) {
    m_mru = RecentFileList(mruCount);
    if (!m_company.empty()) m_mru.load(profileKey() + "\\Recent File List");
}

void App::SaveStdProfileSettings() {
    if (!m_company.empty()) m_mru.save(profileKey() + "\\Recent File List");
}

void App::AddToRecentFileList(const std::filesystem::path& p) {
    m_mru.add(p);
    if (m_frame) m_frame->changed(FrameChange::Menu);
}

void App::AddDocTemplate(std::unique_ptr<DocTemplate> t) { m_template = std::move(t); }

Document* App::OpenDocumentFile(const std::filesystem::path& p) {
    auto d = openDocument(p);
    if (d) return *d;
    if (!d.error().empty()) MessageBox(d.error(), {}, MB_OK | MB_ICONEXCLAMATION);
    return nullptr;
}

Expected<Document*, std::string> App::openDocument(const std::filesystem::path& p) {
    if (!m_template) return unexpected(std::string());
    if (Document* d = m_template->findDocument(p)) {
        auto frames = d->frames();
        if (!frames.empty()) frames.front()->ActivateFrame();
        return d;
    }
    return m_template->openDocument(normalisedPath(p));
}

std::vector<Document*> App::documents() const {
    return m_template ? m_template->documents() : std::vector<Document*>{};
}

void App::setMainFrame(std::unique_ptr<MdiFrame> f) { m_frame = std::move(f); }

EditView* App::activeView() const {
    MdiChild* c = m_frame ? m_frame->MDIGetActive() : nullptr;
    return c ? c->view() : nullptr;
}

Document* App::activeDocument() const {
    MdiChild* c = m_frame ? m_frame->MDIGetActive() : nullptr;
    return c ? c->document() : nullptr;
}

void App::ParseCommandLine(CommandLineInfo& info) const {
    bool print = false;
    for (std::size_t i = 1; i < m_args.size(); ++i) {
        const std::string& a = m_args[i];
        if (a == "/p" || a == "-p" || a == "/P") {
            print = true;
            continue;
        }
        if (!a.empty() && (a[0] == '/' && a.size() <= 3)) continue;   // other framework flags
        if (!a.empty() && a[0] == '-') continue;
        if (info.file.empty()) info.file = a;
        info.files.emplace_back(a);
    }
    if (!info.file.empty()) info.shell = print ? CommandLineInfo::Shell::FilePrint : CommandLineInfo::Shell::FileOpen;
}

bool App::ProcessShellCommand(const CommandLineInfo& info) {
    switch (info.shell) {
    case CommandLineInfo::Shell::FileNew:
        OnFileNew();
        return true;
    case CommandLineInfo::Shell::FileOpen: {
        // A running program is asked for each, in order; from the first one
        // it does not answer for (none runs, or no answer in time) each opens
        // here. What it answered is said to whoever started this one (a
        // terminal, a file manager's log).
        std::vector<std::filesystem::path> files = info.files;
        if (files.empty()) files.push_back(info.file);
        std::size_t handed = 0;
        for (; handed < files.size(); ++handed) {
            const HandOver h = handOver(files[handed]);
            if (h.answer == HandOver::Answer::None) break;
            if (h.answer == HandOver::Answer::Opened) {
                std::printf("%s 已在运行，已由它打开：%s\n", appTitle().c_str(), normalisedPath(files[handed]).c_str());
                std::fflush(stdout);
            } else {
                std::fprintf(stderr, "%s\n", h.reason.c_str());
                std::fflush(stderr);
                m_handOverRefused = true;
            }
        }
        if (handed == files.size()) {
            m_handedOver = true;
            return false;   // this start has done its work
        }
        bool opened = false;
        for (std::size_t i = handed; i < files.size(); ++i) opened = OpenDocumentFile(files[i]) != nullptr || opened;
        return opened;
    }
    case CommandLineInfo::Shell::FilePrint: {
        Document* d = OpenDocumentFile(info.file);
        if (!d) return false;
        if (m_frame) m_frame->routeCommand(cmd::FilePrintDirect);
        d->OnCloseDocument();
        return false;   // printed: the program ends
    }
    case CommandLineInfo::Shell::FileNothing: return true;
    }
    return true;
}

void App::OnFileNew() {
    if (m_template) m_template->OpenDocumentFile({});
}

void App::OnFileOpen() {
    if (!m_template) return;
    FileDialog fd(FileMode::Open, {}, {}, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, m_template->filter());
    fd.setTitle("打开");
    if (fd.DoModal() != IDOK) return;
    OpenDocumentFile(fd.path());
}

void App::OnFilePrintSetup() { print({"", "", false, true, {}}); }

void App::OnFileMru(int index) {
    if (index < 0 || index >= static_cast<int>(m_mru.files().size())) return;
    std::filesystem::path p = m_mru.files()[static_cast<std::size_t>(index)];
    if (!OpenDocumentFile(p)) {
        m_mru.remove(index);
        if (m_frame) m_frame->changed(FrameChange::Menu);
    }
}

bool App::exit() {
    if (m_exited) return true;
    if (m_template && !m_template->SaveAllModified()) return false;
    if (m_template) m_template->CloseAllDocuments();
    SaveStdProfileSettings();
    m_exited = true;
    if (m_frame) m_frame->DestroyWindow();
    if (AppBackend* b = appBackend()) b->quit(0);
    return true;
}

bool App::userInput(const InputMessage& m) { return PreTranslateMessage(m); }

bool App::userKey(std::string_view key) {
    if (userInput({InputMessage::Kind::KeyDown, std::string(key)})) return true;
    if (!m_frame) return false;
    // The MDI window keys, as the desktop has them.
    if (key == "Ctrl+F6" || key == "Ctrl+Tab" || key == "Ctrl+Shift+F6" || key == "Ctrl+Shift+Tab") {
        m_frame->userNextWindow(key.find("Shift") == std::string_view::npos);
        return true;
    }
    if (!m_frame->accelerators()) return false;
    if (key == "Escape" && m_frame->contextHelpMode()) {
        m_frame->userEscape();
        return true;
    }
    for (const Accelerator& a : m_frame->accelerators()->keys) {
        if (a.key == key) {
            m_frame->userCommand(a.command);
            return true;
        }
    }
    return false;
}

bool App::print(const PrintRequest& job, bool direct) {
    if (AppBackend* b = appBackend())
        if (auto r = b->print(job, direct)) return *r;
    return fw::print(job);
}

}  // namespace fw
