// The application object: start-up helpers, the document templates, the
// recent-file list in the per-user profile, command line, printing, shell
// open and file-type registration, the hand-off of a report path to a
// running program, and exit. Plus the backend interface that draws frames,
// views and popups (installed next to fw::Backend).
#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/document.h"
#include "fw/frame.h"
#include "fw/services.h"
#include "fw/window.h"

namespace fw {

class App;
class PopupWindow;

// Input that the application sees before any window (message pre-translation).
struct InputMessage {
    enum class Kind { KeyDown, SysKeyDown, LButtonDown, RButtonDown, MButtonDown,
                      NcLButtonDown, NcRButtonDown, NcMButtonDown, Other };
    Kind kind = Kind::Other;
    std::string key;   // "Ctrl+N", "A", "F1" for keys
};

enum class EditCommand { Undo, Cut, Copy, Paste };

// What draws the application's windows. Every call has a do-nothing default:
// with no application backend installed the model runs headless.
class AppBackend {
public:
    virtual ~AppBackend() = default;
    virtual void frameCreated(MdiFrame&) {}
    virtual void frameChanged(MdiFrame&, FrameChange) {}
    virtual void frameDestroyed(MdiFrame&) {}
    virtual void childCreated(MdiChild&) {}
    virtual void childChanged(MdiChild&, ChildChange) {}
    virtual void childDestroyed(MdiChild&) {}
    // The widget does an edit command itself (and reports the new text);
    // false: the model does it.
    virtual bool editCommand(EditView&, EditCommand) { return false; }
    virtual void popupChanged(PopupWindow&) {}    // created, shown, hidden, moved
    virtual void popupDestroyed(PopupWindow&) {}
    virtual void startPopupTimer(PopupWindow&, int /*id*/, int /*ms*/) {}
    virtual void stopPopupTimer(PopupWindow&, int /*id*/) {}
    // Printing of a report (direct: no print dialog); nullopt: not handled
    // here (fw::print is used).
    virtual std::optional<bool> print(const PrintRequest&, bool /*direct*/) { return std::nullopt; }
    // Call `readable` whenever fd has data (the hand-off socket).
    virtual void watchFd(int /*fd*/, std::function<void()> /*readable*/) {}
    virtual void unwatchFd(int /*fd*/) {}         // before fd is closed
    virtual int run() { return 0; }               // the message loop until quit
    virtual void quit(int /*code*/) {}
};

AppBackend* setAppBackend(AppBackend* b);   // not owned; returns the previous one
AppBackend* appBackend();                   // may be null (headless)

// A popup window (a splash): a bitmap painted by its paint handler, timers.
class PopupWindow : public Window {
public:
    explicit PopupWindow(Window* owner = nullptr) : Window(owner) {}
    ~PopupWindow() override;
    bool Create(const Module& module, Rect rect);
    bool created() const { return m_created; }
    const Module* module() const override { return m_module; }
    Rect rect() const { return m_rect; }
    void CenterWindow(Size screen = {1920, 1080});
    void ShowWindow(bool on);
    bool isVisible() const { return m_visible; }
    void UpdateWindow();
    // Destroys the window; then PostNcDestroy runs (a self-owning popup
    // deletes itself there).
    void DestroyWindow();
    void SetTimer(int id, int ms);
    void KillTimer(int id);
    virtual void OnTimer(int id) { (void)id; }
    virtual void OnCreate() {}
    virtual void PostNcDestroy() {}
    void userPopupTimer(int id);   // backend: a timer elapsed

private:
    const Module* m_module = nullptr;
    Rect m_rect;
    bool m_created = false;
    bool m_visible = false;
    std::vector<int> m_timers;
};

// The recent-file list: newest first, each path once.
class RecentFileList {
public:
    explicit RecentFileList(int size = 4) : m_size(size) {}
    void add(const std::filesystem::path& p);
    void remove(int index);
    const std::vector<std::filesystem::path>& files() const { return m_files; }
    int size() const { return m_size; }
    void load(std::string_view key);          // "File1".."FileN" under key
    bool save(std::string_view key) const;

private:
    int m_size;
    std::vector<std::filesystem::path> m_files;
};

struct CommandLineInfo {
    enum class Shell { FileNew, FileOpen, FilePrint, FileNothing };
    Shell shell = Shell::FileNew;
    std::filesystem::path file;                    // the first file named
    std::vector<std::filesystem::path> files;      // every file named, in order
    bool showSplash = true;
};

// The shell file-type registration: a desktop entry and a MIME type for the
// user ($XDG_DATA_HOME, else ~/.local/share).
struct FileTypeRegistration {
    std::string typeId;                   // "KAVRIN.Document"
    std::string typeName;                 // "KAVRIN Document"
    std::string appName;                  // "Kavrin"
    std::vector<std::string> extensions;  // "cyt", "tng", ...
    std::filesystem::path program;        // the executable
    std::string iconName;                 // "kavrin": the desktop entry's Icon=
    std::string iconSvg;                  // installed as hicolor/scalable/apps/<iconName>.svg
};
// What a running program answered to a file handed over to it.
struct HandOver {
    enum class Answer {
        None,      // no program took it: none runs, or it gave no answer in time
        Opened,    // open there, in front
        Refused,   // it could not open it: `reason` says why, as its message does
    };
    Answer answer = Answer::None;
    std::string reason;
};

std::filesystem::path userDataFolder();
std::string mimeTypeName(const FileTypeRegistration& r);   // "application/x-kavrin-document"
bool registerFileTypes(const FileTypeRegistration& r);

class App : public CmdTarget {
public:
    App();
    ~App() override;
    static App* current();

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance();
    // Start-up, then the message loop when InitInstance succeeded. The exit
    // status: the loop's; 1 when start-up failed; 0 when this start ended
    // because the running program took every file it was given.
    int main(std::vector<std::string> args);
    const std::vector<std::string>& args() const { return m_args; }
    void setArgs(std::vector<std::string> a) { m_args = std::move(a); }   // before InitInstance

    // Per-user profile: "Software\<company>\<app title>".
    void SetRegistryKey(std::string_view company);
    std::string profileKey() const;
    void LoadStdProfileSettings(int mruCount = 4);
    void SaveStdProfileSettings();
    RecentFileList& recentFiles() { return m_mru; }
    void AddToRecentFileList(const std::filesystem::path& p);

    void AddDocTemplate(std::unique_ptr<DocTemplate> t);
    DocTemplate* docTemplate() const { return m_template.get(); }
    // An open document of that file is activated; else a new window. On
    // failure the framework's message shows and the result is nullptr.
    virtual Document* OpenDocumentFile(const std::filesystem::path& p);
    // The same without a message: the document, or the message
    // OpenDocumentFile would show ("无法打开文件 …", empty when it shows none).
    Expected<Document*, std::string> openDocument(const std::filesystem::path& p);
    std::vector<Document*> documents() const;

    void setMainFrame(std::unique_ptr<MdiFrame> f);
    MdiFrame* mainFrame() const { return m_frame.get(); }
    EditView* activeView() const;
    Document* activeDocument() const;

    // Command line: every file named opens, "/p file" prints it. When a
    // program runs already, the files go to it, one by one, and this start
    // prints what it answered for each: the file open there (on stdout), or
    // why it is not (its message, on stderr). Once it has answered for them
    // all, ProcessShellCommand returns false and handedOver() is true: this
    // start ends, with status 0 when every file opened there, else 1
    // (handOverRefused()). From the first file it does not answer for (none
    // runs, or it does not answer in time) on, the files open here.
    void ParseCommandLine(CommandLineInfo& info) const;
    virtual bool ProcessShellCommand(const CommandLineInfo& info);
    bool handedOver() const { return m_handedOver; }
    bool handOverRefused() const { return m_handOverRefused; }
    // Shell open: a second start hands its file to the running program,
    // which comes to the front, opens it (or activates its window) and
    // answers; when it cannot open it, it answers why and then shows the
    // same message.
    void EnableShellOpen();
    void RegisterShellFileTypes(bool compat = true);
    // The application icon: a name in the icon theme and its SVG picture,
    // installed for the user with the file types.
    void SetAppIcon(std::string name, std::string svg);
    const std::string& appIconName() const { return m_iconName; }
    const std::string& appIconSvg() const { return m_iconSvg; }
    HandOver handOver(const std::filesystem::path& p);   // asks the running program to open p
    void pollShellOpen();                                // the running program serves hand-offs
    const std::filesystem::path& socketPath() const { return m_socketPath; }

    // Standard handlers.
    void OnFileNew();
    virtual void OnFileOpen();
    void OnFilePrintSetup();
    void OnFileMru(int index);
    // Exit: every modified document is asked about, then the recent-file
    // list is stored and the frame goes away. False when a question was cancelled.
    bool exit();
    bool exited() const { return m_exited; }

    // Input before any window; true eats it. Default: false.
    virtual bool PreTranslateMessage(const InputMessage& m) { (void)m; return false; }
    // Backend: a key or mouse button. True when it was eaten.
    bool userInput(const InputMessage& m);
    // Backend/tests: a key that was not eaten runs its accelerator, if any.
    bool userKey(std::string_view key);

    bool print(const PrintRequest& job, bool direct = false);

private:
    void closeShellOpen();
    std::vector<std::string> m_args;
    std::string m_company;
    RecentFileList m_mru;
    std::unique_ptr<DocTemplate> m_template;
    std::unique_ptr<MdiFrame> m_frame;
    bool m_exited = false;
    bool m_handedOver = false;
    bool m_handOverRefused = false;
    std::string m_iconName, m_iconSvg;
    int m_listenFd = -1;
    std::filesystem::path m_socketPath;
};

}  // namespace fw
