// The Qt 6 backend: draws the framework's windows as widgets and reports the
// user's actions to the model. Start-up:
//
//     fwqt::Application app(argc, argv);   // QApplication, zh_CN, CJK font, C numbers
//     fwqt::QtBackend backend;
//     fw::setBackend(&backend);
//
// The model keeps every rule (focus order, Enter, change notifications,
// re-entrancy); this backend only shows state and forwards what the user did.
#pragma once
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "fw/backend.h"
#include "fw/window.h"

class QWidget;
class QApplication;
class QPrinter;

namespace fwqt {

// The Qt application as the program needs it: creates the QApplication
// (unless one exists), installs Qt's own zh_CN translation, makes sure a
// font with CJK glyphs is known, and puts LC_NUMERIC back to "C".
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    int exec();
    // The family used for dialogs whose template face is not installed.
    static std::string fallbackFamily();

private:
    std::unique_ptr<QApplication> m_owned;
};

class HelpViewer;


class QtBackend : public fw::Backend {
public:
    QtBackend();
    ~QtBackend() override;

    void runDialog(fw::Dialog& d) override;
    void runSheet(fw::PropertySheet& s) override;
    void endModal(fw::Window& w, int code) override;
    int messageBox(const fw::MessageRequest& m) override;
    std::optional<std::filesystem::path> fileDialog(const fw::FileRequest& r) override;

    void controlChanged(fw::Dialog& d, fw::Control& c, fw::Change what) override;
    void captionChanged(fw::Window& w) override;
    void focusChanged(fw::Dialog& d, int id) override;
    void sheetChanged(fw::PropertySheet& s) override;
    void invalidate(fw::Window& w) override;
    void canvasChanged(fw::Window& w) override;

    void help(const fw::HelpRequest& h) override;
    bool shellOpen(const fw::ShellRequest& r) override;
    bool print(const fw::PrintRequest& p) override;
    void setWaitCursor(bool on) override;
    void startTimer(fw::Window& w, int id, int ms) override;
    void stopTimer(fw::Window& w, int id) override;
    void windowDestroyed(fw::Window& w) override;

    // Called once a dialog or sheet is laid out and shown, before its loop
    // runs (the screenshot program and the smoke tests hook in here).
    using ShownHook = std::function<void(fw::Window&, QWidget*)>;
    void setShownHook(ShownHook hook) { m_shown = std::move(hook); }

    // The widget showing a window or a control (nullptr when not shown).
    static QWidget* widgetOf(const fw::Window& w);
    static QWidget* widgetOf(const fw::Control& c);
    // The help window (created on first use).
    HelpViewer& helpViewer();
    // The one printer of the program's run: print setup applies to every
    // later print and preview.
    QPrinter& printer();

private:
    std::unique_ptr<QPrinter> m_printer;
    ShownHook m_shown;
    std::unique_ptr<HelpViewer> m_help;
    struct Timers;
    std::unique_ptr<Timers> m_timers;
    int m_waitDepth = 0;
};

// ---- Help pages (no Qt needed to read these) ----

// The folder of the help pages: the registry's xpfileloc + "/help"
// (the current folder + "/help" when it cannot be read).
std::filesystem::path helpFolder();
// "0x20000+id page.htm" lines ("#" comments, blank lines ignored): number -> page.
std::map<unsigned long, std::string> readContextMap(const std::filesystem::path& file);
// The page a help request opens, relative to the help folder, with an
// optional "#anchor": the topic page of "Kavrin.chm::/Page.htm", the page a
// context number maps to, or "index.htm" (contents, unknown numbers).
std::string helpPageFor(const fw::HelpRequest& r, const std::map<unsigned long, std::string>& contextMap);

}  // namespace fwqt
