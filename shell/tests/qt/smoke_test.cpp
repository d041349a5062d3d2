// The real window under offscreen Qt: the program starts maximised with the
// main menu and the report named on its command line; screenshots of the
// main window and the About dialog go to the build folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QElapsedTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fw/registry.h"
#include "fwqt/app_qt.h"
#include "fwqt/qt_backend.h"
#include "shell/kavrin_app.h"

namespace {

TEST(ShellQtSmoke, StartsMaximisedWithTheMainMenuAndTheReport) {
    const char* base = std::getenv("KAVRIN_TEST_TMP");
    std::filesystem::path dir = std::filesystem::path(base ? base : "/tmp") / "shell-qt";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "run");
    std::filesystem::permissions(dir / "run", std::filesystem::perms::owner_all);
    std::ofstream(dir / "machine.reg") << "[SOFTWARE\\ondrel\\kavrin]\nxpfileloc=" << (dir / "home").string() << "\n";
    std::ofstream(dir / "sample.cyt", std::ios::binary) << "\t\xb3\xdd\xc2\xd6\xb6\xd4\r\n\tmn = 2.50\r\n";
    setenv("KAVRIN_MACHINE_REGISTRY", (dir / "machine.reg").c_str(), 1);
    setenv("KAVRIN_USER_REGISTRY", (dir / "user.reg").c_str(), 1);
    setenv("XDG_DATA_HOME", (dir / "share").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
    fw::registry::reload();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);   // also when the test runner's environment misses it

    static int argc = 1;
    static char name[] = "shell_qt_smoke_test";
    static char* argv[] = {name, nullptr};
    fwqt::Application qapp(argc, argv);
    fwqt::QtBackend backend;
    fw::Backend* oldBackend = fw::setBackend(&backend);
    fwqt::AppBackendQt appBackend;
    fw::AppBackend* oldApp = fw::setAppBackend(&appBackend);
    std::filesystem::path shots = std::filesystem::path(base ? base : "/tmp").parent_path() / "screenshots";
    std::filesystem::create_directories(shots);
    {
        CKavrinApp app;
        app.setArgs({"Kavrin", (dir / "sample.cyt").string()});
        ASSERT_TRUE(app.InitInstance());
        QMainWindow* w = appBackend.mainWindow();
        ASSERT_NE(w, nullptr);
        for (QElapsedTimer t; !t.isValid() || t.elapsed() < 50;) { if (!t.isValid()) t.start(); QApplication::processEvents(); }
        EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
        EXPECT_EQ(w->windowTitle().toStdString(), "《Ondrel》Kavrin V4.00 - sample.cyt");
        QStringList menus;
        for (QAction* a : w->menuBar()->actions()) menus << a->text();
        EXPECT_EQ(menus.join('|').toStdString(),
                  "文件(&F)|编辑(&E)|查看(&V)|定轴传动齿轮对(&K)|蜗杆传动(&C)|动轴传动齿轮对(&X)|工具(&T)|窗口(&W)|帮助(&H)");
        auto* area = qobject_cast<QMdiArea*>(w->centralWidget());
        ASSERT_NE(area, nullptr);
        ASSERT_EQ(area->subWindowList().size(), 1);
        QMdiSubWindow* sub = area->subWindowList().front();
        EXPECT_TRUE(sub->isMaximized());
        auto* edit = qobject_cast<QPlainTextEdit*>(sub->widget());
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->toPlainText().toStdString(), "\t齿轮对\n\tmn = 2.50\n");

        // typing in the widget reaches the model as CR LF text
        edit->appendPlainText("x");
        EXPECT_EQ(app.activeView()->text(), "\t齿轮对\r\n\tmn = 2.50\r\n\r\nx");
        EXPECT_TRUE(app.activeDocument()->IsModified());
        app.activeDocument()->SetModifiedFlag(false);

        w->resize(1024, 700);
        w->grab().save(QString::fromStdString((shots / "kavrin-main.png").string()));

        backend.setShownHook([&](fw::Window& win, QWidget* widget) {
            widget->grab().save(QString::fromStdString((shots / "kavrin-about.png").string()));
            if (auto* d = dynamic_cast<fw::Dialog*>(&win)) d->EndDialog(IDOK);
        });
        app.mainFrame()->userCommand(57664);
        backend.setShownHook({});
        EXPECT_TRUE(std::filesystem::exists(shots / "kavrin-about.png"));
        ASSERT_TRUE(app.exit());
    }
    fw::setAppBackend(oldApp);
    fw::setBackend(oldBackend);
}

}  // namespace
