// Platform services routed to the installed backend: message boxes, file
// dialogs, help, shell open, printing, wait cursor; the application title.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/ids.h"

namespace fw {

class Window;

// ---- Application-wide texts (set once at start-up). ----
void setAppTitle(std::string title);       // default caption of message boxes
const std::string& appTitle();
void setHelpFile(std::string file);        // used by Window::WinHelp, e.g. "Kavrin.chm"
const std::string& helpFile();

// ---- Message boxes. ----
enum class MessageIcon { None, Information, Exclamation, Stop, Question };
enum class MessageButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };

struct MessageRequest {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    int defaultButton = 0;   // 0-based index into answers()
    std::vector<int> answers() const;   // e.g. {IDYES, IDNO}
};
MessageRequest messageRequest(std::string_view text, std::string_view caption, unsigned flags);

// Shows a modal message box; returns IDOK, IDCANCEL, IDYES, IDNO, IDRETRY,
// IDABORT or IDIGNORE. An empty caption means the application title.
int MessageBox(std::string_view text, std::string_view caption = {}, unsigned flags = MB_OK);
int MessageBox(std::string_view text, unsigned flags);

// The caption of a standard button, as every backend shows it: a message
// box's answers and a property sheet's own buttons ("确定", "是(&Y)",
// "下一步(&N) >"); empty for any other id.
std::string_view standardButtonText(int id);

// ---- File dialogs. ----
enum class FileMode { Open, Save };

struct FileFilter {
    std::string description;   // "圆柱齿轮计算数据文件(*.cyb)"
    std::string patterns;      // "*.cyb" or "*.cyb;*.cyt"
};
// "描述|模式|描述|模式|" (a trailing "||" tolerated) into pairs.
std::vector<FileFilter> parseFilter(std::string_view filter);

struct FileRequest {
    FileMode mode = FileMode::Open;
    std::string title;                   // empty: the backend's default
    std::vector<FileFilter> filters;
    int filterIndex = 0;                 // 0-based
    std::string defaultExt;              // without the dot
    std::filesystem::path folder;        // initial folder (may be empty)
    std::string initialName;             // a name or a pattern such as "*.cyb"
    unsigned flags = 0;                  // OFN_*
};

// Appends "." + defaultExt, in the case given (the case the caller's own
// name check expects), when the last component has no extension; leaves
// folders with dots alone.
std::filesystem::path withDefaultExtension(const std::filesystem::path& p, std::string_view defaultExt);

// The file dialog of the classic platform: construct, adjust, DoModal, read.
class FileDialog {
public:
    FileDialog(FileMode mode, std::string defaultExt = {}, std::string initialName = {},
               unsigned flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, std::string_view filter = {},
               Window* parent = nullptr);
    void setTitle(std::string title) { m_req.title = std::move(title); }
    // Initial folder. A path whose last component has an extension (and is
    // not an existing folder), such as the last data file "/d/gear.cyb",
    // gives the folder and the initial name. A pattern name ("*.cyb") is
    // only shown in the dialog; it is never returned as a path.
    void setInitialFolder(std::filesystem::path folder);
    const FileRequest& request() const { return m_req; }
    FileRequest& request() { return m_req; }

    int DoModal();   // IDOK or IDCANCEL
    const std::filesystem::path& path() const { return m_path; }
    std::string GetPathName() const { return m_path.string(); }
    std::string GetFileName() const { return m_path.filename().string(); }
    std::string GetFileTitle() const { return m_path.stem().string(); }
    std::string GetFileExt() const;   // without the dot
    std::string GetFolderPath() const { return m_path.parent_path().string(); }

private:
    FileRequest m_req;
    Window* m_parent;
    std::filesystem::path m_path;
};

// ---- Help, shell, printing. ----
struct HelpRequest {
    std::string target;        // "Kavrin.chm" or "Kavrin.chm::/CyPreDlg.htm"
    unsigned command = HH_DISPLAY_TOPIC;
    std::uintptr_t data = 0;   // context number for HH_HELP_CONTEXT
};
void htmlHelp(std::string_view target, unsigned command = HH_DISPLAY_TOPIC, std::uintptr_t data = 0);

struct ShellRequest {
    std::string verb = "open";
    std::filesystem::path file;
    std::filesystem::path workingDir;
};
bool shellOpen(const std::filesystem::path& file, const std::filesystem::path& workingDir = {});

struct PrintRequest {
    std::string title;
    std::string text;          // UTF-8, "\n" lines
    bool preview = false;
    bool setupOnly = false;    // the print setup dialog
    std::string jobName{};     // the print job's document name (a PDF's file name); empty: title
};
bool print(const PrintRequest& job);

// ---- Wait cursor: shown while any instance lives. ----
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace fw
