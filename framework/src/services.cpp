#include "fw/services.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "fw/backend.h"
#include "modal.h"

namespace fw {

namespace {
std::string& titleStore() {
    static std::string t;
    return t;
}
std::string& helpStore() {
    static std::string h;
    return h;
}
Backend*& backendSlot() {
    static Backend* b = nullptr;
    return b;
}
int& waitDepth() {
    static int d = 0;
    return d;
}
}  // namespace

namespace detail {
std::vector<ModalEntry>& modalStack() {
    static std::vector<ModalEntry> s;
    return s;
}
static unsigned g_openings = 0;
unsigned modalOpenings() { return g_openings; }
ModalScope::ModalScope(Window* w) {
    modalStack().push_back({w});
    ++g_openings;
}
ModalScope::~ModalScope() { modalStack().pop_back(); }
}  // namespace detail

Backend* setBackend(Backend* b) {
    Backend* old = backendSlot();
    backendSlot() = b;
    return old;
}
Backend& backend() {
    if (!backendSlot()) throw std::logic_error("fw: no backend installed");
    return *backendSlot();
}
bool hasBackend() { return backendSlot() != nullptr; }

void setAppTitle(std::string title) { titleStore() = std::move(title); }
const std::string& appTitle() { return titleStore(); }
void setHelpFile(std::string file) { helpStore() = std::move(file); }
const std::string& helpFile() { return helpStore(); }

std::string_view standardButtonText(int id) {
    switch (id) {
    case IDOK: return "确定";
    case IDCANCEL: return "取消";
    case IDYES: return "是(&Y)";
    case IDNO: return "否(&N)";
    case IDRETRY: return "重试(&R)";
    case IDABORT: return "中止(&A)";
    case IDIGNORE: return "忽略(&I)";
    case IDHELP: return "帮助";
    case ID_APPLY_NOW: return "应用(&A)";
    case ID_WIZBACK: return "< 上一步(&B)";
    case ID_WIZNEXT: return "下一步(&N) >";
    case ID_WIZFINISH: return "完成";
    default: return {};
    }
}

std::vector<int> MessageRequest::answers() const {
    switch (buttons) {
    case MessageButtons::Ok: return {IDOK};
    case MessageButtons::OkCancel: return {IDOK, IDCANCEL};
    case MessageButtons::AbortRetryIgnore: return {IDABORT, IDRETRY, IDIGNORE};
    case MessageButtons::YesNoCancel: return {IDYES, IDNO, IDCANCEL};
    case MessageButtons::YesNo: return {IDYES, IDNO};
    case MessageButtons::RetryCancel: return {IDRETRY, IDCANCEL};
    }
    return {IDOK};
}

MessageRequest messageRequest(std::string_view text, std::string_view caption, unsigned flags) {
    MessageRequest m;
    m.text = std::string(text);
    m.caption = caption.empty() ? appTitle() : std::string(caption);
    switch (flags & 0xF) {
    case MB_OKCANCEL: m.buttons = MessageButtons::OkCancel; break;
    case MB_ABORTRETRYIGNORE: m.buttons = MessageButtons::AbortRetryIgnore; break;
    case MB_YESNOCANCEL: m.buttons = MessageButtons::YesNoCancel; break;
    case MB_YESNO: m.buttons = MessageButtons::YesNo; break;
    case MB_RETRYCANCEL: m.buttons = MessageButtons::RetryCancel; break;
    default: m.buttons = MessageButtons::Ok; break;
    }
    switch (flags & 0xF0) {
    case MB_ICONSTOP: m.icon = MessageIcon::Stop; break;
    case MB_ICONQUESTION: m.icon = MessageIcon::Question; break;
    case MB_ICONEXCLAMATION: m.icon = MessageIcon::Exclamation; break;
    case MB_ICONINFORMATION: m.icon = MessageIcon::Information; break;
    default: m.icon = MessageIcon::None; break;
    }
    int def = static_cast<int>((flags & 0xF00) >> 8);
    m.defaultButton = std::min<int>(def, static_cast<int>(m.answers().size()) - 1);
    return m;
}

int MessageBox(std::string_view text, std::string_view caption, unsigned flags) {
    MessageRequest m = messageRequest(text, caption, flags);
    detail::ModalScope scope(nullptr);
    return backend().messageBox(m);
}

int MessageBox(std::string_view text, unsigned flags) { return MessageBox(text, {}, flags); }

std::vector<FileFilter> parseFilter(std::string_view filter) {
    std::vector<FileFilter> out;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < filter.size()) {
        std::size_t bar = filter.find('|', start);
        if (bar == std::string_view::npos) bar = filter.size();
        parts.emplace_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        if (parts[i].empty()) break;  // "||" ends the list
        std::string pat = i + 1 < parts.size() ? parts[i + 1] : std::string();
        out.push_back({parts[i], pat.empty() ? std::string("*.*") : pat});
    }
    return out;
}

std::filesystem::path withDefaultExtension(const std::filesystem::path& p, std::string_view defaultExt) {
    if (defaultExt.empty() || !p.has_filename() || p.filename().has_extension()) return p;
    std::string ext(defaultExt);
    if (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
    std::filesystem::path out = p;
    out += "." + ext;
    return out;
}

namespace {
bool isPattern(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }
}  // namespace

FileDialog::FileDialog(FileMode mode, std::string defaultExt, std::string initialName, unsigned flags,
                       std::string_view filter, Window* parent)
    : m_parent(parent) {
    m_req.mode = mode;
    m_req.defaultExt = std::move(defaultExt);
    m_req.initialName = std::move(initialName);
    m_req.flags = flags;
    m_req.filters = parseFilter(filter);
}

void FileDialog::setInitialFolder(std::filesystem::path folder) {
    std::error_code ec;
    if (folder.empty() || std::filesystem::is_directory(folder, ec) || !folder.has_filename() ||
        !folder.filename().has_extension()) {
        m_req.folder = std::move(folder);
        return;
    }
    m_req.initialName = folder.filename().string();
    m_req.folder = folder.parent_path();
}

int FileDialog::DoModal() {
    std::optional<std::filesystem::path> chosen;
    {
        detail::ModalScope scope(nullptr);
        chosen = backend().fileDialog(m_req);
    }
    if (!chosen || chosen->empty() || isPattern(chosen->filename().string())) return IDCANCEL;
    std::filesystem::path p = *chosen;
    std::filesystem::path withExt = withDefaultExtension(p, m_req.defaultExt);
    std::error_code ec;
    // Opening keeps an existing file without extension as chosen.
    if (m_req.mode == FileMode::Save || !std::filesystem::exists(p, ec)) p = withExt;
    m_path = p;
    return IDOK;
}

std::string FileDialog::GetFileExt() const {
    std::string e = m_path.extension().string();
    return e.empty() ? e : e.substr(1);
}

void htmlHelp(std::string_view target, unsigned command, std::uintptr_t data) {
    if (!hasBackend()) return;
    backend().help({std::string(target), command, data});
}

bool shellOpen(const std::filesystem::path& file, const std::filesystem::path& workingDir) {
    if (!hasBackend()) return false;
    return backend().shellOpen({"open", file, workingDir});
}

bool print(const PrintRequest& job) {
    if (!hasBackend()) return false;
    return backend().print(job);
}

WaitCursor::WaitCursor() {
    if (waitDepth()++ == 0 && hasBackend()) backend().setWaitCursor(true);
}
WaitCursor::~WaitCursor() {
    if (--waitDepth() == 0 && hasBackend()) backend().setWaitCursor(false);
}

}  // namespace fw
