#include <algorithm>
#include <system_error>

#include "fw/app.h"
#include "fw/file.h"
#include "fw/text.h"

namespace fw {

namespace {
std::string& clipboardStore() {
    static std::string c;
    return c;
}
std::string replaceAll(std::string s, std::string_view what, std::string_view with) {
    std::size_t pos = 0;
    while ((pos = s.find(what, pos)) != std::string::npos) {
#if defined(__GNUC__) && !defined(__clang__)  // GCC 12 bug 105329: a bogus -Wrestrict once a short literal is inlined
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
        s.replace(pos, what.size(), with);
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
        pos += with.size();
    }
    return s;
}
// Lone "\n" become CR LF (as an edit control stores a typed line break).
std::string toCrLf(std::string_view t) {
    std::string out;
    out.reserve(t.size() + t.size() / 16);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\n' && (i == 0 || t[i - 1] != '\r')) out += '\r';
        out += t[i];
    }
    return out;
}
}  // namespace

bool CmdTarget::OnCmdMsg(int id) {
    auto it = m_commands.find(id);
    if (it == m_commands.end() || !it->second) return false;
    Handler h = it->second;   // the handler may replace itself
    h();
    return true;
}

std::filesystem::path normalisedPath(const std::filesystem::path& p) {
    if (p.empty()) return p;
    std::error_code ec;
    std::filesystem::path a = std::filesystem::absolute(p, ec);
    if (ec) a = p;
    std::filesystem::path c = std::filesystem::weakly_canonical(a, ec);
    return ec ? a.lexically_normal() : c;
}

bool samePath(const std::filesystem::path& a, const std::filesystem::path& b) {
    return normalisedPath(a) == normalisedPath(b);
}

DocStrings parseDocString(std::string_view s) {
    std::vector<std::string> f;
    std::size_t start = 0;
    while (true) {
        std::size_t nl = s.find('\n', start);
        f.emplace_back(s.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start));
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    f.resize(7);
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6]};
}

// ---- EditView ----

EditView::EditView() {
    onCommand(cmd::EditUndo, [this] { Undo(); });
    onCommand(cmd::EditCut, [this] { Cut(); });
    onCommand(cmd::EditCopy, [this] { Copy(); });
    onCommand(cmd::EditPaste, [this] { Paste(); });
    onCommand(cmd::FilePrint, [this] { OnFilePrint(); });
    onCommand(cmd::FilePrintDirect, [this] {
        if (App* a = App::current()) a->print(printJob(false), true);
    });
    onCommand(cmd::FilePrintPreview, [this] { OnFilePrintPreview(); });
}

EditView::~EditView() {
    if (m_doc) {
        auto& v = m_doc->m_views;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
}

void EditView::SetWindowText(std::string_view text) {
    m_text = std::string(text);
    m_undoText.clear();
    m_canUndo = false;
    m_selStart = m_selEnd = 0;
    if (m_frame) m_frame->notify(ChildChange::Text);
}

std::string EditView::displayText() const { return replaceAll(m_text, "\r\n", "\n"); }

void EditView::SerializeRaw(Archive& ar) {
    if (ar.IsLoading()) {
        SetWindowText(utf8FromGbk(std::string_view(reinterpret_cast<const char*>(ar.bytes.data()), ar.bytes.size())));
    } else {
        std::string g = gbkFromUtf8(m_text);
        ar.bytes.assign(g.begin(), g.end());
    }
}

void EditView::edited(std::string newText) {
    m_undoText = std::move(m_text);
    m_canUndo = true;
    m_text = std::move(newText);
    m_selStart = std::min(m_selStart, m_text.size());
    m_selEnd = std::min(m_selEnd, m_text.size());
    if (m_doc) m_doc->SetModifiedFlag(true);
    if (m_frame) m_frame->notify(ChildChange::Text);
}

void EditView::userEdited(std::string_view text) {
    std::string t = toCrLf(text);
    if (t == m_text) return;
    edited(std::move(t));
}

void EditView::userSelect(std::size_t start, std::size_t end) {
    if (start > end) std::swap(start, end);
    m_selStart = std::min(start, m_text.size());
    m_selEnd = std::min(end, m_text.size());
}

void EditView::replaceSelection(std::string_view with) {
    std::string t = m_text;
    t.replace(m_selStart, m_selEnd - m_selStart, toCrLf(with));
    std::size_t caret = m_selStart + toCrLf(with).size();
    edited(std::move(t));
    m_selStart = m_selEnd = caret;
}

void EditView::Undo() {
    if (appBackend() && appBackend()->editCommand(*this, EditCommand::Undo)) return;
    if (!m_canUndo) return;
    std::swap(m_text, m_undoText);
    m_selStart = m_selEnd = 0;
    if (m_doc) m_doc->SetModifiedFlag(true);
    if (m_frame) m_frame->notify(ChildChange::Text);
}

void EditView::Cut() {
    if (appBackend() && appBackend()->editCommand(*this, EditCommand::Cut)) return;
    if (m_selStart == m_selEnd) return;
    clipboardStore() = m_text.substr(m_selStart, m_selEnd - m_selStart);
    replaceSelection("");
}

void EditView::Copy() {
    if (appBackend() && appBackend()->editCommand(*this, EditCommand::Copy)) return;
    if (m_selStart == m_selEnd) return;
    clipboardStore() = m_text.substr(m_selStart, m_selEnd - m_selStart);
}

void EditView::Paste() {
    if (appBackend() && appBackend()->editCommand(*this, EditCommand::Paste)) return;
    if (clipboardStore().empty()) return;
    replaceSelection(clipboardStore());
}

// The job carries the report file's base name ("report" for
// /data/report.cyt), never the window title with its path.
PrintRequest EditView::printJob(bool preview) const {
    PrintRequest job{m_doc ? m_doc->GetTitle() : "", displayText(), preview, false, {}};
    if (m_doc && !m_doc->GetPathName().empty()) job.jobName = m_doc->GetPathName().stem().string();
    else job.jobName = job.title;
    return job;
}

void EditView::OnFilePrint() {
    if (App* a = App::current()) a->print(printJob(false));
}

void EditView::OnFilePrintPreview() {
    if (App* a = App::current()) a->print(printJob(true));
}

// ---- Document ----

Document::Document() {
    onCommand(cmd::FileClose, [this] {
        if (SaveModified()) OnCloseDocument();
    });
    onCommand(cmd::FileSave, [this] { DoFileSave(); });
    onCommand(cmd::FileSaveAs, [this] { DoSave({}); });
}

Document::~Document() {
    for (EditView* v : m_views) v->m_doc = nullptr;
}

std::vector<MdiChild*> Document::frames() const {
    std::vector<MdiChild*> out;
    for (EditView* v : m_views)
        if (v->m_frame) out.push_back(v->m_frame);
    return out;
}

void Document::SetTitle(std::string_view title) {
    m_title = std::string(title);
    for (MdiChild* f : frames()) f->updateCaption();
    if (App* a = App::current(); a && a->mainFrame()) a->mainFrame()->updateCaption();
}

void Document::SetPathName(const std::filesystem::path& p, bool addToMRU) {
    m_path = normalisedPath(p);
    SetTitle(m_path.filename().string());
    if (addToMRU)
        if (App* a = App::current()) a->AddToRecentFileList(m_path);
}

void Document::SetModifiedFlag(bool on) { m_modified = on; }

bool Document::OnNewDocument() {
    DeleteContents();
    m_path.clear();
    SetModifiedFlag(false);
    return true;
}

bool Document::OnOpenDocument(const std::filesystem::path& p) {
    m_openError.clear();
    auto bytes = readFile(p, kMaxDocumentBytes + 1);
    if (!bytes) return false;
    if (bytes->size() > kMaxDocumentBytes) {
        m_openError = "无法打开文件 " + p.string() + "：文件大于 " + std::to_string(kMaxDocumentBytes >> 20) +
                      " MB，不是计算报告。";
        return false;
    }
    Archive ar{Archive::Mode::Load, std::move(*bytes)};
    Serialize(ar);
    SetModifiedFlag(false);
    return true;
}

bool Document::OnSaveDocument(const std::filesystem::path& p) {
    Archive ar{Archive::Mode::Store, {}};
    Serialize(ar);
    auto w = writeFile(p, ar.bytes);
    if (!w) {
        MessageBox("无法保存文件 " + p.string() + "。", {}, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

void Document::Serialize(Archive& ar) {
    if (EditView* v = firstView()) v->SerializeRaw(ar);
}

void Document::DeleteContents() {
    for (EditView* v : m_views) v->SetWindowText("");
}

bool Document::SaveModified() {
    if (!m_modified) return true;
    std::string name = m_path.empty() ? m_title : m_path.string();
    int r = MessageBox("是否保存对 " + name + " 的更改?", {}, MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (r == IDCANCEL) return false;
    if (r == IDYES) return DoFileSave();
    return true;
}

bool Document::DoFileSave() { return DoSave(m_path); }

bool Document::DoSave(const std::filesystem::path& p) {
    std::filesystem::path target = p;
    if (target.empty()) {
        std::string ext = m_template ? m_template->defaultExtension() : std::string();
        FileDialog fd(FileMode::Save, ext, {}, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                      m_template ? m_template->filter() : std::string());
        fd.setTitle("另存为");
        if (!m_path.empty()) fd.setInitialFolder(m_path);
        else fd.request().initialName = m_title;
        if (fd.DoModal() != IDOK) return false;
        target = fd.path();
    }
    if (!OnSaveDocument(target)) return false;
    SetPathName(target);
    return true;
}

void Document::OnCloseDocument() {
    for (MdiChild* f : frames())
        if (f->m_frame) f->m_frame->removeChild(f);
    if (m_template) m_template->removeDocument(this);   // deletes this
}

void Document::UpdateAllViews(EditView* sender) {
    for (EditView* v : m_views)
        if (v != sender) v->OnUpdate();
}

// ---- DocTemplate ----

DocTemplate::DocTemplate(const Module& module, int resourceId, DocFactory doc, ChildFactory child, ViewFactory view)
    : m_module(&module), m_id(resourceId), m_strings(parseDocString(module.string(resourceId))),
      m_docFactory(std::move(doc)), m_childFactory(std::move(child)), m_viewFactory(std::move(view)) {}

DocTemplate::~DocTemplate() = default;

std::string DocTemplate::filter() const {
    std::string out;
    if (!m_strings.filterName.empty() && !m_strings.filterExt.empty())
        out += m_strings.filterName + "|*" + m_strings.filterExt + "|";
    out += "所有文件 (*.*)|*.*||";
    return out;
}

std::string DocTemplate::defaultExtension() const {
    std::string e = m_strings.filterExt.substr(0, m_strings.filterExt.find(';'));
    if (!e.empty() && e.front() == '.') e.erase(0, 1);
    return e;
}

MdiChild* DocTemplate::CreateNewFrame(Document& doc) {
    App* app = App::current();
    if (!app || !app->mainFrame()) return nullptr;
    std::unique_ptr<MdiChild> child = m_childFactory();
    child->m_doc = &doc;
    child->m_module = m_module;
    child->PreCreateWindow(child->m_style);
    std::unique_ptr<EditView> view = m_viewFactory();
    view->PreCreateWindow(view->m_style);
    view->m_doc = &doc;
    view->m_frame = child.get();
    doc.m_views.push_back(view.get());
    child->m_view = std::move(view);
    MdiChild* c = app->mainFrame()->addChild(std::move(child));
    for (MdiChild* f : doc.frames()) f->updateCaption();
    return c;
}

Document* DocTemplate::OpenDocumentFile(const std::filesystem::path& p) {
    auto d = openDocument(p);
    if (d) return *d;
    if (!d.error().empty()) MessageBox(d.error(), {}, MB_OK | MB_ICONEXCLAMATION);
    return nullptr;
}

Expected<Document*, std::string> DocTemplate::openDocument(const std::filesystem::path& p) {
    m_docs.push_back(m_docFactory());
    Document* d = m_docs.back().get();
    d->m_template = this;
    MdiChild* child = CreateNewFrame(*d);
    if (!child) {
        removeDocument(d);
        return unexpected(std::string());
    }
    if (p.empty()) {
        d->SetTitle(m_strings.docName + std::to_string(++m_untitled));
        if (!d->OnNewDocument()) {
            d->OnCloseDocument();
            return unexpected(std::string());
        }
    } else {
        if (!d->OnOpenDocument(p)) {
            std::string why = d->openError().empty() ? "无法打开文件 " + p.string() + "。" : d->openError();
            d->OnCloseDocument();
            return unexpected(std::move(why));
        }
        d->SetPathName(p);
    }
    child->ActivateFrame();
    child->view()->OnInitialUpdate();
    return d;
}

Document* DocTemplate::findDocument(const std::filesystem::path& p) const {
    if (p.empty()) return nullptr;
    std::filesystem::path n = normalisedPath(p);
    for (const auto& d : m_docs)
        if (!d->GetPathName().empty() && d->GetPathName() == n) return d.get();
    return nullptr;
}

std::vector<Document*> DocTemplate::documents() const {
    std::vector<Document*> out;
    for (const auto& d : m_docs) out.push_back(d.get());
    return out;
}

bool DocTemplate::SaveAllModified() {
    for (Document* d : documents())
        if (!d->SaveModified()) return false;
    return true;
}

void DocTemplate::CloseAllDocuments() {
    for (Document* d : documents()) d->OnCloseDocument();
}

void DocTemplate::removeDocument(Document* d) {
    auto it = std::find_if(m_docs.begin(), m_docs.end(), [&](const auto& p) { return p.get() == d; });
    if (it == m_docs.end()) return;
    std::unique_ptr<Document> keep = std::move(*it);
    m_docs.erase(it);
}

}  // namespace fw
