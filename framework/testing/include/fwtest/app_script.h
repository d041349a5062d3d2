// Scripted support for the application layer: a headless application
// backend that records what the frames, children and popups do, and short
// forms for the user's actions on the main frame.
//
//   fwtest::Session s;            // message boxes, file dialogs, dialogs
//   fwtest::AppSession app;       // frames, popups, timers
//   CKavrinApp a;  a.main({"Kavrin", "/tmp/x.cyt"});
//   app.command(32771);           // a menu command by id
//   EXPECT_EQ(app.activeText(), "...");
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "fw/app.h"

namespace fwtest {

class AppBackend;

class AppSession {
public:
    AppSession();    // installs the headless application backend
    ~AppSession();   // restores the previous one
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // What happened, in order: "frame created", "frame shown maximized",
    // "frame to front", "child shown <caption>", "popup shown 520x320",
    // "popup destroyed", "timer 1 8500", "quit".
    const std::vector<std::string>& events() const { return m_events; }
    bool happened(std::string_view event) const;
    int indexOf(std::string_view prefix) const;   // first event starting with it; -1 none

    // User actions on the running application (App::current()).
    void command(int id);                  // a menu item
    bool key(std::string_view key);        // true when eaten or a command ran
    // A click on a toolbar button: false when the click was eaten first.
    bool clickToolbar(int id);
    bool mouseDown();                      // a click into the frame; true when eaten
    void fireTimers();                     // every running popup timer elapses once
    void dropFiles(const std::vector<std::filesystem::path>& files);

    // Reading back.
    fw::MdiFrame* frame() const;
    fw::EditView* activeView() const;
    fw::Document* activeDocument() const;
    std::string activeText() const;        // CR LF kept
    std::string activeTitle() const;
    const std::vector<fw::PopupWindow*>& popups() const { return m_popups; }
    int printCalls() const { return m_prints; }

private:
    friend class AppBackend;
    struct Timer {
        fw::PopupWindow* popup;
        int id;
    };
    std::vector<std::string> m_events;
    std::vector<fw::PopupWindow*> m_popups;
    std::vector<Timer> m_timers;
    int m_prints = 0;
    AppBackend* m_backend = nullptr;
    fw::AppBackend* m_previous = nullptr;
};

}  // namespace fwtest
