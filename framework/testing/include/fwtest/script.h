// The scripted backend: runs any dialog, sheet or wizard with no screen.
//
//   fwtest::Session s;                      // installs the backend for this test
//   s.onDialog(1000, [](fwtest::Running& d) {
//       d.type(203, "3.2"); d.leave();      // typing, then Tab
//       d.click(4);
//       EXPECT_EQ(d.text(261), "...");
//       d.click(IDOK);                      // the script must end the dialog
//   });
//   s.answerMessage(IDYES);                 // next message box
//   s.answerSave("/tmp/x/gear");            // next file dialog (".cyb" appended by the model)
//   CypreDlg dlg(nullptr);
//   EXPECT_EQ(dlg.DoModal(), IDOK);
//   EXPECT_EQ(s.messages().at(0).text, "...");
//
// Scripts are taken per template id in the order given (onSheet: per sheet
// run). A dialog with no script, a message box or file dialog with no answer
// queued, or a script that returns with its dialog still open fails the
// test (gtest ADD_FAILURE with the dialog id or the message text) and is
// closed with IDCANCEL / the box's cancel answer.
#pragma once
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/fw.h"

namespace fwtest {

// A running dialog or sheet, handed to a script. Control actions act on the
// dialog (for a sheet: on its active page). Each action runs the model's
// rules, then any pending paint; it returns false when the model refused or
// dropped it.
class Running {
public:
    explicit Running(fw::Dialog& d) : m_dialog(&d) {}
    explicit Running(fw::PropertySheet& s) : m_sheet(&s) {}

    fw::Dialog& dialog() const;            // the dialog, or the sheet's active page
    fw::PropertySheet* sheet() const { return m_sheet; }
    int id() const { return dialog().templateId(); }

    // Actions.
    bool type(int id, std::string_view text);        // focus, replace the text (one change)
    bool typeKeys(int id, std::string_view text);    // focus, clear, then one key at a time
    bool leave();                                     // Tab to the next control
    bool focus(int id);
    bool click(int id);                               // control, or the sheet's own button
    bool clickItem(int id, int row);                  // list view row
    bool doubleClick(int id);
    bool enter();
    bool escape();
    bool close();
    bool select(int id, int index);                   // combo / list box item
    bool selectText(int id, std::string_view item);   // by exact item text
    bool drag(int id, int pos);                       // move the thumb and let go
    bool date(int id, const fw::Date& d);
    bool timer(int timerId);
    // Sheets and wizards.
    bool page(int index);                             // click a tab
    bool next() { return click(fw::ID_WIZNEXT); }
    bool back() { return click(fw::ID_WIZBACK); }
    bool finish() { return click(fw::ID_WIZFINISH); }
    // Ends the run directly (no handlers), e.g. to stop a test early.
    void end(int code);

    // Reading back.
    std::string text(int id) const;
    bool enabled(int id) const;
    bool visible(int id) const;
    bool checked(int id) const;
    bool readOnly(int id) const;
    int selection(int id) const;                      // combo / list box / list view first selected
    std::vector<std::string> items(int id) const;     // combo / list box items
    std::vector<std::vector<std::string>> rows(int id) const;  // list view
    int position(int id) const;                       // trackbar
    fw::Date dateOf(int id) const;
    int bitmap(int id) const;                         // picture
    int focused() const { return dialog().focusId(); }
    std::string caption() const;
    const std::vector<fw::DrawOp>& canvas() const;    // after pending paint
    int activePage() const;                           // sheet
    bool buttonEnabled(int buttonId) const;           // sheet button
    bool ended() const;

private:
    friend class Backend;
    bool settle(bool ok);          // runs pending paints, returns ok
    void settleNow() const;
    bool live() const;             // fails the test when the run has ended
    fw::Control* control(int id) const;  // fails the test when missing
    fw::Dialog* m_dialog = nullptr;
    fw::PropertySheet* m_sheet = nullptr;
};

using Script = std::function<void(Running&)>;

struct MessageRecord {
    std::string text;
    std::string caption;
    fw::MessageIcon icon = fw::MessageIcon::None;
    fw::MessageButtons buttons = fw::MessageButtons::Ok;
    int answer = 0;
};

struct FileRecord {
    fw::FileRequest request;
    std::optional<std::filesystem::path> answer;   // as given by the test
};

class Backend;

class Session {
public:
    Session();     // installs the scripted backend; the application title "Kavrin"
    ~Session();    // restores the previous backend
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void onDialog(int templateId, Script script);
    void onSheet(Script script);
    // Message boxes, in order. The expected-text form fails the test when the
    // box shows another text.
    void answerMessage(int answer);
    void expectMessage(std::string text, int answer = fw::IDOK);
    // File dialogs, in order.
    void answerOpen(std::filesystem::path p);
    void answerSave(std::filesystem::path p);
    void cancelFile();
    void shellOpenResult(bool ok) { m_shellResult = ok; }
    // For tests that walk many dialogs: a dialog or sheet with no script
    // queued runs `script`, a message box with no answer queued gets its
    // cancel answer (No, Cancel, OK), a file dialog with none is cancelled;
    // none of these fails the test. The records are kept as usual. An empty
    // script (nullptr) makes the session strict again.
    void tolerate(Script script);

    const std::vector<MessageRecord>& messages() const { return m_messages; }
    const std::vector<FileRecord>& files() const { return m_files; }
    const std::vector<fw::HelpRequest>& helpCalls() const { return m_help; }
    const std::vector<fw::ShellRequest>& shellOpens() const { return m_shell; }
    const std::vector<fw::PrintRequest>& prints() const { return m_prints; }
    const std::vector<int>& dialogsRun() const { return m_runs; }   // template ids (sheet: 0)
    int waitCursorShows() const { return m_waitShows; }
    bool waitCursorOn() const { return m_waitDepth > 0; }
    // True when every queued script, answer and file has been used.
    bool allUsed() const;

private:
    friend class Backend;
    struct Pending {
        int id;
        Script script;
    };
    struct Answer {
        int answer;
        std::optional<std::string> text;
    };
    struct FileAnswer {
        std::optional<fw::FileMode> mode;
        std::optional<std::filesystem::path> path;
    };
    std::deque<Pending> m_scripts;
    std::deque<Script> m_sheetScripts;
    std::deque<Answer> m_answers;
    std::deque<FileAnswer> m_fileAnswers;
    std::vector<MessageRecord> m_messages;
    std::vector<FileRecord> m_files;
    std::vector<fw::HelpRequest> m_help;
    std::vector<fw::ShellRequest> m_shell;
    std::vector<fw::PrintRequest> m_prints;
    std::vector<int> m_runs;
    bool m_shellResult = true;
    std::optional<Script> m_defaultScript;
    int m_waitShows = 0;
    int m_waitDepth = 0;
    Backend* m_backend = nullptr;
    fw::Backend* m_previous = nullptr;
};

}  // namespace fwtest
