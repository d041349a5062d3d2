// Documents and views of the application: a document template makes a
// document, its MDI child frame and its view; the text document keeps its
// content in its first view, an edit view holding plain text.
//
// The view's text is held as the file holds it (UTF-8 in memory, lines ended
// by CR LF as an edit control keeps them), so loading and saving an untouched
// document writes back the same bytes.
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fw/expected.h"
#include "fw/resources.h"
#include "fw/services.h"
#include "fw/window.h"

namespace fw {

class DocTemplate;
class Document;
class EditView;
class MdiChild;

// A command target: handlers by command id.
class CmdTarget {
public:
    virtual ~CmdTarget() = default;
    void onCommand(int id, Handler h) { m_commands[id] = std::move(h); }
    bool handles(int id) const { return m_commands.count(id) != 0; }
    // Runs the handler of id; false when this target has none.
    virtual bool OnCmdMsg(int id);

private:
    std::map<int, Handler> m_commands;
};

// The whole file for raw serialisation.
struct Archive {
    enum class Mode { Load, Store };
    Mode mode = Mode::Load;
    std::vector<std::uint8_t> bytes;
    bool IsLoading() const { return mode == Mode::Load; }
    bool IsStoring() const { return mode == Mode::Store; }
};

// The seven fields of a document string ("\nName\nNew\nFilter\n.ext\nTypeId\nTypeName").
struct DocStrings {
    std::string windowTitle, docName, fileNewName, filterName, filterExt, fileTypeId, fileTypeName;
};
DocStrings parseDocString(std::string_view s);

// Plain-text edit view.
class EditView : public CmdTarget {
public:
    EditView();
    ~EditView() override;

    struct CreateStyle {
        bool multiline = true;
        bool wantReturn = true;
        bool hScroll = true;
        bool vScroll = true;
    };
    virtual void PreCreateWindow(CreateStyle& cs) { (void)cs; }
    const CreateStyle& createStyle() const { return m_style; }

    Document* GetDocument() const { return m_doc; }
    MdiChild* frame() const { return m_frame; }

    // The text (CR LF line ends as stored). Setting it is not an edit.
    const std::string& text() const { return m_text; }
    void SetWindowText(std::string_view text);
    // The text with "\n" line ends (for printing and for widgets).
    std::string displayText() const;
    std::size_t selStart() const { return m_selStart; }
    std::size_t selEnd() const { return m_selEnd; }
    bool CanUndo() const { return m_canUndo; }

    virtual void SerializeRaw(Archive& ar);
    virtual void OnInitialUpdate() {}
    virtual void OnUpdate() {}

    // Edit commands (57643 undo, 57635 cut, 57634 copy, 57637 paste).
    void Undo();
    void Cut();
    void Copy();
    void Paste();

    // Printing of the text through the application's print service.
    void OnFilePrint();
    void OnFilePrintPreview();
    // The print job of the view's text: the text, the title, the job name.
    PrintRequest printJob(bool preview) const;

    // ---- User actions, called by backends. ----
    // The whole new text as the widget holds it; lone "\n" become CR LF.
    void userEdited(std::string_view text);
    void userSelect(std::size_t start, std::size_t end);   // byte offsets in text()

    void* backendData = nullptr;

private:
    friend class DocTemplate;
    friend class MdiChild;
    friend class Document;
    void replaceSelection(std::string_view with);
    void edited(std::string newText);
    Document* m_doc = nullptr;
    MdiChild* m_frame = nullptr;
    CreateStyle m_style;
    std::string m_text;
    std::string m_undoText;
    bool m_canUndo = false;
    std::size_t m_selStart = 0, m_selEnd = 0;
};

class Document : public CmdTarget {
public:
    Document();
    ~Document() override;

    DocTemplate* GetDocTemplate() const { return m_template; }
    const std::string& GetTitle() const { return m_title; }
    virtual void SetTitle(std::string_view title);
    const std::filesystem::path& GetPathName() const { return m_path; }
    // Records the path; the title becomes its file name; addToMRU adds it to
    // the recent-file list.
    virtual void SetPathName(const std::filesystem::path& p, bool addToMRU = true);
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool on = true);

    virtual bool OnNewDocument();
    // A document file is read only when it is a regular file of at most this
    // many bytes (a report is a few kilobytes, even after many appends).
    static constexpr std::size_t kMaxDocumentBytes = std::size_t{16} << 20;
    // Reads the whole file and serialises it in; false (and nothing changed)
    // when it cannot be read or is larger than kMaxDocumentBytes. Shows no
    // message (the callers report; openError() says why a too-large file
    // was refused).
    virtual bool OnOpenDocument(const std::filesystem::path& p);
    // The message for the last refused open, empty when the file simply
    // could not be read.
    const std::string& openError() const { return m_openError; }
    // Writes the whole text; false after the framework's message on an error.
    virtual bool OnSaveDocument(const std::filesystem::path& p);
    virtual void Serialize(Archive& ar);   // default: the first view's raw serialisation
    virtual void DeleteContents();
    // The framework's save question for a modified document: Yes saves, No
    // drops the edits, Cancel returns false.
    virtual bool SaveModified();
    bool DoFileSave();
    bool DoSave(const std::filesystem::path& p);   // empty: ask with the Save As dialog
    void OnCloseDocument();                        // closes its windows; the document goes away
    void UpdateAllViews(EditView* sender = nullptr);

    const std::vector<EditView*>& views() const { return m_views; }
    EditView* firstView() const { return m_views.empty() ? nullptr : m_views.front(); }
    std::vector<MdiChild*> frames() const;

private:
    friend class DocTemplate;
    friend class EditView;
    friend class MdiChild;
    DocTemplate* m_template = nullptr;
    std::string m_title;
    std::filesystem::path m_path;
    std::string m_openError;
    bool m_modified = false;
    std::vector<EditView*> m_views;
};

class MdiFrame;

class DocTemplate {
public:
    using DocFactory = std::function<std::unique_ptr<Document>()>;
    using ChildFactory = std::function<std::unique_ptr<MdiChild>()>;
    using ViewFactory = std::function<std::unique_ptr<EditView>()>;
    DocTemplate(const Module& module, int resourceId, DocFactory doc, ChildFactory child, ViewFactory view);
    ~DocTemplate();

    const Module& module() const { return *m_module; }
    int resourceId() const { return m_id; }
    const DocStrings& strings() const { return m_strings; }
    const Menu* menu() const { return m_module->menu(m_id); }
    // "Name (*.a;*.b)|*.a;*.b|所有文件 (*.*)|*.*||"
    std::string filter() const;
    std::string defaultExtension() const;   // "cyt"

    // Empty path: a new document. Otherwise opens the file in a new window;
    // on failure shows the framework's message and returns nullptr.
    Document* OpenDocumentFile(const std::filesystem::path& p);
    // The same without a message: the document, or the message that
    // OpenDocumentFile would show ("无法打开文件 …"; empty when no window
    // could be made, which OpenDocumentFile does not report either).
    Expected<Document*, std::string> openDocument(const std::filesystem::path& p);
    MdiChild* CreateNewFrame(Document& doc);
    Document* findDocument(const std::filesystem::path& p) const;
    std::vector<Document*> documents() const;
    bool SaveAllModified();
    void CloseAllDocuments();

private:
    friend class Document;
    void removeDocument(Document* d);
    const Module* m_module;
    int m_id;
    DocStrings m_strings;
    DocFactory m_docFactory;
    ChildFactory m_childFactory;
    ViewFactory m_viewFactory;
    std::vector<std::unique_ptr<Document>> m_docs;
    int m_untitled = 0;
};

// Same file? (absolute, normalised paths)
bool samePath(const std::filesystem::path& a, const std::filesystem::path& b);
std::filesystem::path normalisedPath(const std::filesystem::path& p);

}  // namespace fw
