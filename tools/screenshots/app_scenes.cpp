// The main program's own windows: the splash, the main window with two
// reports and its Window menu open, a bevel rating report, the About box. The program runs here as
// from a shell, on a registry and reports of its own in a scratch folder.
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "fw/registry.h"
#include "fwqt/app_qt.h"
#include "shell/about_dlg.h"
#include "shell/kavrin_app.h"
#include "shooter.h"

namespace shots {

namespace {

namespace fs = std::filesystem;

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (t.elapsed() < ms);
}

// An environment variable set for one scene, put back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name) {
        if (const char* v = std::getenv(name)) m_old = v;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (m_old) ::setenv(m_name, m_old->c_str(), 1);
        else ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

}  // namespace

void mainWindowScenes(Shooter& shooter) {
    const fs::path dir = fs::temp_directory_path() / ("kavrin-shots-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "home");
    std::ofstream(dir / "machine.reg") << "[SOFTWARE\\ondrel\\kavrin]\nxpfileloc=" << (dir / "home").string() << "\n";
    ScopedEnv machine("KAVRIN_MACHINE_REGISTRY", (dir / "machine.reg").string());
    ScopedEnv user("KAVRIN_USER_REGISTRY", (dir / "user.reg").string());
    ScopedEnv data("XDG_DATA_HOME", (dir / "share").string());
    fw::registry::reload();
    const char* report = "\t\t\xd4\xb2\xd6\xf9\xb3\xdd\xc2\xd6\xbc\xb8\xba\xce\xbc\xc6\xcb\xe3\xb1\xa8\xb8\xe6\r\n"   // 圆柱齿轮几何计算报告
                         "\tmn = 2.50\tz1 = 20\tz2 = 40\r\n\ta = 75.00\tb = 30.00\r\n";
    std::vector<std::string> args{"Kavrin"};
    for (const char* name : {"reducer-stage1.cyt", "reducer-stage2.cyt"}) {
        std::ofstream(dir / name, std::ios::binary) << report;
        args.push_back((dir / name).string());
    }

    fwqt::AppBackendQt appBackend;
    fw::AppBackend* old = fw::setAppBackend(&appBackend);
    {
        CKavrinApp app;
        app.setArgs(args);
        if (app.InitInstance() && appBackend.mainWindow()) {
            QMainWindow* main = appBackend.mainWindow();
            main->resize(1024, 700);
            pump(50);
            // The splash as shown over the starting program.
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* l = qobject_cast<QLabel*>(w); l && l->isVisible() && (l->windowFlags() & Qt::SplashScreen))
                    shooter.save("kavrin-splash", l->grab().toImage());
            app.userInput({fw::InputMessage::Kind::KeyDown, "Shift"});   // a key closes the splash
            pump(20);
            // Two reports, the Window menu open under its title.
            QMenu* window = nullptr;
            for (QAction* a : main->menuBar()->actions())
                if (a->text() == QStringLiteral("窗口(&W)")) window = a->menu();
            if (window) {
                QMenuBar* bar = main->menuBar();
                window->popup(bar->mapToGlobal(bar->actionGeometry(window->menuAction()).bottomLeft()));
                pump(30);
                QImage shot = main->grab().toImage();
                QPainter p(&shot);
                p.drawPixmap(bar->mapTo(main, bar->actionGeometry(window->menuAction()).bottomLeft()), window->grab());
                p.end();
                shooter.save("kavrin-main-window-menu", shot);
                window->hide();
                pump(10);
            }
            // A bevel rating report (Greek letters and ° in its lines): its
            // result column stands straight.
            const fs::path rating = dir / "bevel-rating.tng";
            std::error_code ec;
            fs::copy_file(fs::path(KAVRIN_SOURCE_DIR) / "bevel/rating/tests/fixtures/rating_pinion_arr1.tng", rating,
                          fs::copy_options::overwrite_existing, ec);
            if (!ec && app.OpenDocumentFile(rating)) {
                main->resize(1100, 760);
                pump(50);
                shooter.save("kavrin-bevel-rating-report", main->grab().toImage());
            }
        }
        app.exit();
        // Exit ends the program's loop: a loop runs here to take that, so the
        // scenes after this one still get running dialog loops.
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, &safety, [] { QCoreApplication::exit(0); });
        safety.start(200);
        QCoreApplication::exec();
        pump(10);
    }
    fw::setAppBackend(old);
    fw::registry::reload();
    std::error_code ec;
    fs::remove_all(dir, ec);

    CAboutDlg about;
    shooter.shoot("kavrin-about-box", about);
}

}  // namespace shots
