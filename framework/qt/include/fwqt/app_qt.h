// The Qt rendering of the application layer: the MDI main window with menus,
// toolbar and status bar, report windows with a plain-text editor, the splash
// popup, the hand-off socket and the message loop. Install next to QtBackend:
//
//     fwqt::Application qapp(argc, argv);
//     fwqt::QtBackend backend;            fw::setBackend(&backend);
//     fwqt::AppBackendQt appBackend;      fw::setAppBackend(&appBackend);
#pragma once
#include <memory>

#include "fw/app.h"

class QMainWindow;

namespace fwqt {

class AppBackendQt : public fw::AppBackend {
public:
    AppBackendQt();
    ~AppBackendQt() override;

    void frameCreated(fw::MdiFrame& f) override;
    void frameChanged(fw::MdiFrame& f, fw::FrameChange what) override;
    void frameDestroyed(fw::MdiFrame& f) override;
    void childCreated(fw::MdiChild& c) override;
    void childChanged(fw::MdiChild& c, fw::ChildChange what) override;
    void childDestroyed(fw::MdiChild& c) override;
    bool editCommand(fw::EditView& v, fw::EditCommand cmd) override;
    void popupChanged(fw::PopupWindow& p) override;
    void popupDestroyed(fw::PopupWindow& p) override;
    void startPopupTimer(fw::PopupWindow& p, int id, int ms) override;
    void stopPopupTimer(fw::PopupWindow& p, int id) override;
    void watchFd(int fd, std::function<void()> readable) override;
    void unwatchFd(int fd) override;
    int run() override;
    void quit(int code) override;

    // The main window (nullptr before the frame is created).
    QMainWindow* mainWindow() const;

    struct Impl;

private:
    std::unique_ptr<Impl> m;
};

}  // namespace fwqt
