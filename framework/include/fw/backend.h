// The backend: what draws the model and runs its modal loops. One is
// installed at start-up (the Qt one in the program, the scripted one in
// tests); libraries never know which.
//
// The model owns all state and all rules. A backend shows the state, calls
// the Dialog/PropertySheet user* functions for user actions, and runs loops.
#pragma once
#include <filesystem>
#include <optional>

#include "fw/controls.h"
#include "fw/services.h"

namespace fw {

class Window;
class Dialog;
class PropertySheet;

class Backend {
public:
    virtual ~Backend() = default;

    // Modal runs. Called after OnInitDialog (sheet: after the start page is
    // active); returns when the model calls endModal for this window.
    // Nested calls must work (a handler opens another dialog).
    virtual void runDialog(Dialog& d) = 0;
    virtual void runSheet(PropertySheet& s) = 0;
    virtual void endModal(Window& w, int code) = 0;

    virtual int messageBox(const MessageRequest& m) = 0;
    // The chosen path as the user gave it, or nullopt on cancel. The model
    // appends the default extension afterwards.
    virtual std::optional<std::filesystem::path> fileDialog(const FileRequest& r) = 0;

    // State pushed from the model (a backend may ignore what it does not show).
    virtual void controlChanged(Dialog&, Control&, Change) {}
    virtual void captionChanged(Window&) {}
    virtual void focusChanged(Dialog&, int /*id*/) {}
    virtual void sheetChanged(PropertySheet&) {}      // page, wizard buttons, Apply
    virtual void invalidate(Window&) {}               // call Window::paint() soon
    virtual void canvasChanged(Window&) {}            // ops appended outside paint

    virtual void help(const HelpRequest&) {}
    virtual bool shellOpen(const ShellRequest&) { return false; }
    virtual bool print(const PrintRequest&) { return false; }
    virtual void setWaitCursor(bool /*on*/) {}
    virtual void startTimer(Window&, int /*id*/, int /*ms*/) {}
    virtual void stopTimer(Window&, int /*id*/) {}
    // A window object goes away (drop widgets that point at it).
    virtual void windowDestroyed(Window&) {}
};

// Installs the backend (not owned); returns the previous one (may be null).
Backend* setBackend(Backend* b);
// The installed backend; throws std::logic_error when none is installed.
Backend& backend();
bool hasBackend();

}  // namespace fw
