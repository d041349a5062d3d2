// The real window, driven as a user drives it (offscreen Qt): the mouse over
// every toolbar button and menu item, every menu opened, every calculator of
// the command table opened from its menu and cancelled, two reports switched
// from the Window menu and by key, print preview; the program stays alive.
#include <unistd.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>

#include "fw/registry.h"
#include "fwqt/app_qt.h"
#include "fwqt/qt_backend.h"
#include "resources/kavrin/module.h"
#include "shell/command_table.h"
#include "shell/kavrin_app.h"
#include "cylindrical/cy_proof_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "cylindrical/cypre_dlg.h"
#include "bevel/geometry/belmar_arc_dlg.h"
#include "smallmodule/csmcy_dlg.h"
#include <QLineEdit>

namespace fs = std::filesystem;

namespace {

// The Window menu's list of report windows: commands from this id on.
constexpr int kFirstWindowEntry = fw::MdiFrame::FirstWindow;

void pump(int ms = 0) {
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (t.elapsed() < ms);
}

// One folder per test: ctest runs the tests of this file side by side.
fs::path testDir() {
    const char* base = std::getenv("KAVRIN_TEST_TMP");
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return fs::path(base ? base : "/tmp") / "shell-qt-window" / (info ? info->name() : "any");
}

// Screenshots for review: build/screenshots under ctest.
fs::path shotDir() {
    const char* base = std::getenv("KAVRIN_TEST_TMP");
    fs::path d = base ? fs::path(base).parent_path() / "screenshots" : fs::path("/tmp") / "kavrin-screenshots";
    fs::create_directories(d);
    return d;
}

QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "shell_qt_window_test";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);   // also when started by hand
    static auto* app = new fwqt::Application(argc, argv);   // lives for the process
    (void)app;
    return *qApp;
}

// Answers what the program asks while the test drives it: message boxes
// with No (else their Escape answer), file and print dialogs cancelled;
// records what it saw.
struct Answerer {
    QStringList messages;
    QString previewDocName;
    std::set<QPrinter*> printers;
    int previews = 0;
    std::function<void(QFileDialog*)> onFileDialog;   // looks at a file dialog before it is cancelled
    QTimer timer;
    Answerer() {
        timer.setInterval(15);
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] { answer(); });
        timer.start();
    }
    void answer() {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            messages << box->text();
            auto* no = box->findChild<QPushButton*>(QStringLiteral("answer-7"));
            QAbstractButton* b = no ? no : box->escapeButton();
            if (!b && !box->buttons().isEmpty()) b = box->buttons().front();
            if (b) b->click();
        } else if (auto* pp = qobject_cast<QPrintPreviewDialog*>(w)) {
            ++previews;
            previewDocName = pp->printer()->docName();
            printers.insert(pp->printer());
            pp->reject();
        } else if (auto* fd = qobject_cast<QFileDialog*>(w)) {
            if (onFileDialog) onFileDialog(fd);
            fd->reject();
        } else if (auto* pd = qobject_cast<QPrintDialog*>(w)) {
            pd->reject();
        } else if (auto* ps = qobject_cast<QPageSetupDialog*>(w)) {
            ps->reject();
        }
    }
};

// The program started as from a shell, with the reports given.
class Program {
public:
    explicit Program(std::vector<std::string> reports = {"sample.cyt"}) {
        fs::path dir = testDir();
        fs::remove_all(dir);
        fs::create_directories(dir / "run");
        fs::create_directories(dir / "home");
        fs::permissions(dir / "run", fs::perms::owner_all);
        std::ofstream(dir / "machine.reg") << "[SOFTWARE\\ondrel\\kavrin]\nxpfileloc=" << (dir / "home").string()
                                           << "\n";
        setenv("KAVRIN_MACHINE_REGISTRY", (dir / "machine.reg").c_str(), 1);
        setenv("KAVRIN_USER_REGISTRY", (dir / "user.reg").c_str(), 1);
        setenv("XDG_DATA_HOME", (dir / "share").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        fw::registry::reload();
        fs::current_path(dir);
        qtApp();
        m_oldBackend = fw::setBackend(&backend);
        m_oldApp = fw::setAppBackend(&appBackend);
        std::vector<std::string> args{"Kavrin"};
        for (const std::string& r : reports) {
            // "\t齿轮对\r\n\tmn = 2.50\r\n" in code page 936, with the report's name.
            std::ofstream(dir / r, std::ios::binary) << "\t\xb3\xdd\xc2\xd6\xb6\xd4 " << r << "\r\n\tmn = 2.50\r\n";
            args.push_back((dir / r).string());
        }
        // Whatever the program asks is answered: a test never hangs on a box.
        answers = std::make_unique<Answerer>();
        app = std::make_unique<CKavrinApp>();
        app->setArgs(args);
        started = app->InitInstance();
        if (main()) (void)QTest::qWaitForWindowExposed(main());
        pump(30);
    }
    ~Program() {
        backend.setShownHook({});
        if (app && !app->exited()) app->exit();
        // Exit ends the program's message loop; here a loop runs to take that
        // exit, so the next program of this process starts with loops that run.
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, &safety, [] { QCoreApplication::exit(0); });
        safety.start(200);
        QCoreApplication::exec();
        pump(10);
        app.reset();
        answers.reset();
        pump(10);
        fw::setAppBackend(m_oldApp);
        fw::setBackend(m_oldBackend);
    }
    QMainWindow* main() const { return appBackend.mainWindow(); }
    QMdiArea* area() const { return main() ? qobject_cast<QMdiArea*>(main()->centralWidget()) : nullptr; }
    QToolBar* toolbar() const { return main() ? main()->findChild<QToolBar*>() : nullptr; }
    QString message() const {
        auto* l = main() ? main()->statusBar()->findChild<QLabel*>(QStringLiteral("message")) : nullptr;
        if (l) return l->text();
        // Any label of the status bar that is not an indicator.
        return main() ? main()->statusBar()->currentMessage() : QString();
    }
    QMenu* topMenu(const QString& title) const {
        for (QAction* a : main()->menuBar()->actions())
            if (a->text() == title) return a->menu();
        return nullptr;
    }
    QAction* commandAction(int id) const {
        for (QAction* a : main()->menuBar()->findChildren<QAction*>())
            if (a->data().toInt() == id && !a->menu() && !a->isSeparator()) return a;
        return nullptr;
    }
    bool alive() const {
        return app && !app->exited() && main() && main()->isVisible() && app->mainFrame() != nullptr;
    }
    // Hides the splash the way a user does (a key), so it covers nothing.
    void dismissSplash() {
        app->userInput({fw::InputMessage::Kind::KeyDown, "Shift"});
        pump(5);
    }
    std::string prompt(int id) const { return app->mainFrame()->prompt(id); }

    // The Qt application exists before the backends, which hook into it.
    bool qtFirst = (qtApp(), true);
    fwqt::QtBackend backend;
    fwqt::AppBackendQt appBackend;
    std::unique_ptr<Answerer> answers;
    std::unique_ptr<CKavrinApp> app;
    bool started = false;

private:
    fw::Backend* m_oldBackend = nullptr;
    fw::AppBackend* m_oldApp = nullptr;
};

QLabel* visibleSplash() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* l = qobject_cast<QLabel*>(w); l && l->isVisible() && (l->windowFlags() & Qt::SplashScreen))
            return l;
    return nullptr;
}

// ---- the splash ----

TEST(ShellQtWindow, SplashShowsItsBitmapFromTheStart) {
    Program p;
    ASSERT_TRUE(p.started);
    QLabel* splash = visibleSplash();
    ASSERT_NE(splash, nullptr);
    QPixmap shown = splash->pixmap();
    ASSERT_FALSE(shown.isNull());   // not a grey box
    EXPECT_EQ(shown.size(), QSize(520, 320));
    EXPECT_EQ(splash->size(), QSize(520, 320));
    // What is shown is bitmap 102 itself.
    const fw::Bitmap* b = kavrin::module().bitmap(kavrin::IDB_SPLASH);
    ASSERT_NE(b, nullptr);
    QImage want(b->rgba.data(), b->width, b->height, b->width * 4, QImage::Format_RGBA8888);
    EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_RGBA8888), want);
    shown.save(QString::fromStdString((shotDir() / "kavrin-splash-shown.png").string()));
    p.dismissSplash();
    EXPECT_EQ(visibleSplash(), nullptr);
    EXPECT_TRUE(p.alive());
}

// ---- the mouse over the toolbar ----

TEST(ShellQtWindow, HoveringEveryToolbarButtonShowsItsPromptAndKeepsTheButton) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    QToolBar* tb = p.toolbar();
    ASSERT_NE(tb, nullptr);
    const QList<QAction*> actions = tb->actions();
    int buttons = 0;
    for (int round = 0; round < 2; ++round) {
        for (QAction* a : actions) {
            if (a->isSeparator()) continue;
            QPointer<QWidget> button = tb->widgetForAction(a);
            ASSERT_TRUE(button);
            QTest::mouseMove(button, button->rect().center());
            pump(5);
            ASSERT_TRUE(p.alive());
            ASSERT_TRUE(button) << "the hovered button was rebuilt under the mouse";
            EXPECT_EQ(p.message().toStdString(), p.prompt(a->data().toInt())) << a->data().toInt();
            ++buttons;
        }
        // Off the toolbar and back again.
        QTest::mouseMove(p.area(), p.area()->rect().center());
        pump(5);
    }
    EXPECT_EQ(buttons, 2 * 10);
    EXPECT_EQ(tb->actions(), actions);   // the same buttons: nothing was rebuilt
    EXPECT_TRUE(p.alive());
}

// ---- every menu and every item ----

void hoverMenu(Program& p, QMenu* menu, std::set<int>& hovered) {
    ASSERT_TRUE(menu->isVisible());
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        QTest::mouseMove(menu, menu->actionGeometry(a).center());
        pump(2);
        ASSERT_TRUE(p.alive());
        if (QMenu* sub = a->menu()) {
            sub->popup(menu->mapToGlobal(menu->actionGeometry(a).topRight()));
            pump(2);
            hoverMenu(p, sub, hovered);
            sub->hide();
            pump(2);
            continue;
        }
        bool ok = false;
        int id = a->data().toInt(&ok);
        if (!ok || id == 0) continue;
        hovered.insert(id);
        if (id < kFirstWindowEntry && id != fw::cmd::FileMru1) {
            EXPECT_EQ(p.message().toStdString(), p.prompt(id)) << id;
        }
    }
}

TEST(ShellQtWindow, OpeningEveryMenuAndHoveringEveryItem) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    QMenuBar* bar = p.main()->menuBar();
    std::set<int> hovered;
    const QList<QAction*> tops = bar->actions();
    ASSERT_EQ(tops.size(), 9);
    for (QAction* top : tops) {
        QTest::mouseMove(bar, bar->actionGeometry(top).center());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
        pump(5);
        QMenu* menu = top->menu();
        if (!menu->isVisible()) menu->popup(bar->mapToGlobal(bar->actionGeometry(top).bottomLeft()));
        pump(2);
        hoverMenu(p, menu, hovered);
        menu->hide();
        pump(2);
        ASSERT_TRUE(p.alive());
    }
    // The idle text is back once the menus are closed.
    EXPECT_EQ(p.message().toStdString(), kavrin::module().string(fw::cmd::IdleMessage));
    for (int id : {57600, 57601, 57609, 59392, 59393, 32771, 32772, 32787, 57650, 57664, 32802})
        EXPECT_TRUE(hovered.count(id)) << id;
    EXPECT_TRUE(p.alive());
}

// ---- View menu: check marks follow the bars ----

TEST(ShellQtWindow, ViewMenuMarksFollowTheBars) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    QMenu* view = p.topMenu(QStringLiteral("查看(&V)"));
    ASSERT_NE(view, nullptr);
    auto marks = [&] {
        view->popup(p.main()->mapToGlobal(QPoint(40, 20)));
        pump(2);
        QAction* tb = p.commandAction(fw::cmd::ViewToolbar);
        QAction* sb = p.commandAction(fw::cmd::ViewStatusBar);
        std::string s = std::string(tb && tb->isCheckable() && tb->isChecked() ? "T" : "t") +
                        (sb && sb->isCheckable() && sb->isChecked() ? "S" : "s");
        view->hide();
        pump(2);
        return s;
    };
    EXPECT_EQ(marks(), "TS");
    p.commandAction(fw::cmd::ViewToolbar)->trigger();
    pump(2);
    EXPECT_FALSE(p.toolbar()->isVisible());
    EXPECT_EQ(marks(), "tS");
    p.commandAction(fw::cmd::ViewStatusBar)->trigger();
    pump(2);
    EXPECT_FALSE(p.main()->statusBar()->isVisible());
    EXPECT_EQ(marks(), "ts");
    p.commandAction(fw::cmd::ViewToolbar)->trigger();
    p.commandAction(fw::cmd::ViewStatusBar)->trigger();
    pump(2);
    EXPECT_EQ(marks(), "TS");
    EXPECT_TRUE(p.toolbar()->isVisible());
}

// ---- every calculator of the command table, opened and cancelled ----

TEST(ShellQtWindow, EveryAvailableCalculatorOpensFromItsMenuAndCancels) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    std::vector<std::string> shown;
    std::vector<std::string> repeated;
    p.backend.setShownHook([&](fw::Window& w, QWidget* top) {
        shown.push_back(w.caption());
        // Every control of the window tells itself apart for assistive tools.
        std::map<QString, int> names;
        for (QWidget* c : top->findChildren<QWidget*>())
            if (c->property("fwqt.control").isValid() && c->isVisibleTo(top) && !c->accessibleName().isEmpty() &&
                c->focusPolicy() != Qt::NoFocus)
                if (++names[c->accessibleName()] == 2)
                    repeated.push_back(w.caption() + ": \"" + c->accessibleName().toStdString() + "\" " +
                                       c->objectName().toStdString());
        QPointer<QWidget> t = top;
        // Cancel as the user does, once the dialog's loop runs.
        QTimer::singleShot(0, top, [t] {
            if (!t) return;
            QPushButton* cancel = t->findChild<QPushButton*>(QStringLiteral("sheet-2"));
            if (!cancel || !cancel->isVisible()) cancel = t->findChild<QPushButton*>(QStringLiteral("id2"));
            if (cancel && cancel->isVisible() && cancel->isEnabled()) cancel->click();
            else t->close();
        });
    });
    int run = 0;
    for (const CalculatorCommand& c : commandTable()) {
        if (!c.available || c.runAs == RunAs::HelpDocument || c.runAs == RunAs::UpdateCheck) continue;
        QAction* a = p.commandAction(c.id);
        ASSERT_NE(a, nullptr) << c.id << " has no menu item";
        const std::size_t before = shown.size();
        a->trigger();
        pump(5);
        EXPECT_GT(shown.size(), before) << c.className << " showed no window";
        ASSERT_TRUE(p.alive()) << c.className;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << c.className << " left a window open";
        ++run;
    }
    EXPECT_GE(run, 4);
    EXPECT_TRUE(repeated.empty()) << repeated.front();
    // Cancelled everywhere: the report is still the one opened.
    EXPECT_NE(p.app->activeView()->text().find("mn = 2.50"), std::string::npos);
    EXPECT_TRUE(p.alive());
}

// ---- two reports: the Window menu, the keys, the title ----

TEST(ShellQtWindow, TwoReportsFromTheCommandLineSwitchByWindowMenuAndKeys) {
    Program p({"first.cyt", "second.cyt"});
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    ASSERT_EQ(p.area()->subWindowList().size(), 2);   // every path given opens
    EXPECT_TRUE(p.answers->messages.isEmpty()) << p.answers->messages.join('|').toStdString();
    auto activeName = [&] { return fs::path(p.app->activeDocument()->GetPathName()).filename().string(); };
    EXPECT_EQ(activeName(), "second.cyt");
    EXPECT_EQ(p.main()->windowTitle().toStdString(), "《Ondrel》Kavrin V4.00 - second.cyt");

    QMenu* window = p.topMenu(QStringLiteral("窗口(&W)"));
    ASSERT_NE(window, nullptr);
    QMenuBar* bar = p.main()->menuBar();
    const QPoint under = bar->mapToGlobal(bar->actionGeometry(window->menuAction()).bottomLeft());
    window->popup(under);
    pump(5);
    QStringList entries;
    QAction* firstEntry = nullptr;
    for (QAction* a : window->actions()) {
        if (a->data().toInt() < kFirstWindowEntry) continue;
        entries << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
        if (a->text().startsWith(QStringLiteral("&1 "))) firstEntry = a;
    }
    EXPECT_EQ(entries.join('|').toStdString(), "&1 first.cyt|&2 second.cyt *");
    ASSERT_NE(firstEntry, nullptr);
    QTest::mouseMove(window, window->actionGeometry(firstEntry).center());
    QTest::mouseClick(window, Qt::LeftButton, {}, window->actionGeometry(firstEntry).center());
    pump(10);
    EXPECT_EQ(activeName(), "first.cyt");
    ASSERT_NE(p.area()->activeSubWindow(), nullptr);
    EXPECT_EQ(p.area()->activeSubWindow()->windowTitle().toStdString(), "first.cyt");
    EXPECT_EQ(p.main()->windowTitle().toStdString(), "《Ondrel》Kavrin V4.00 - first.cyt");

    // Screenshot: two reports and the Window menu open.
    p.main()->resize(1024, 700);
    pump(10);
    window->popup(bar->mapToGlobal(bar->actionGeometry(window->menuAction()).bottomLeft()));
    pump(10);
    {
        fs::path shots = shotDir();
        p.main()->resize(1024, 700);
        pump(10);
        QPixmap shot = p.main()->grab();
        QPainter painter(&shot);
        painter.drawPixmap(window->mapTo(p.main(), QPoint(0, 0)) - QPoint(0, 0), window->grab());
        painter.end();
        shot.save(QString::fromStdString((shots / "kavrin-window-menu.png").string()));
    }
    window->hide();
    pump(2);

    // Ctrl+F6 and Ctrl+Tab go to the next window, from the report's editor.
    auto* edit = qobject_cast<QPlainTextEdit*>(p.area()->activeSubWindow()->widget());
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F6, Qt::ControlModifier);
    pump(5);
    EXPECT_EQ(activeName(), "second.cyt");
    edit = qobject_cast<QPlainTextEdit*>(p.area()->activeSubWindow()->widget());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    pump(5);
    EXPECT_EQ(activeName(), "first.cyt");
    EXPECT_EQ(p.main()->windowTitle().count(QStringLiteral(".cyt")), 1);
    EXPECT_TRUE(p.alive());
}

// ---- print preview ----

TEST(ShellQtWindow, PrintPreviewShowsTheReportUnderItsFileName) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    Answerer& answers = *p.answers;
    p.app->activeDocument()->SetTitle("查询已有的计算报告" + (testDir() / "sample.cyt").string());
    QAction* preview = p.commandAction(fw::cmd::FilePrintPreview);
    ASSERT_NE(preview, nullptr);
    preview->trigger();
    pump(5);
    EXPECT_EQ(answers.previews, 1);
    EXPECT_EQ(answers.previewDocName.toStdString(), "sample");
    // Again from the toolbar: the program still answers.
    QToolBar* tb = p.toolbar();
    for (QAction* a : tb->actions())
        if (a->data().toInt() == fw::cmd::FilePrintPreview)
            QTest::mouseClick(tb->widgetForAction(a), Qt::LeftButton);
    pump(5);
    EXPECT_EQ(answers.previews, 2);
    EXPECT_EQ(answers.printers.size(), 1u);   // one printer for the program's run
    EXPECT_TRUE(p.alive());
    EXPECT_TRUE(answers.messages.isEmpty()) << answers.messages.join('|').toStdString();
}

}  // namespace

namespace {

// ---- subscripts and assistive tools in the dialogs ----

QWidget* control(QWidget* top, int id) { return top->findChild<QWidget*>(QStringLiteral("id%1").arg(id)); }

TEST(ShellQtWindow, CutterSchemeShowsEachSubscriptAfterItsSymbol) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    CCygeomCutDlg dlg;
    std::map<int, QString> labels, names;
    QStringList shownStatics;
    p.backend.setShownHook([&](fw::Window&, QWidget* top) {
        for (int id : {1000, 1001, 1003, 1004, 1005, 1007})
            for (auto* l : top->findChildren<QLabel*>())
                if (l->buddy() == control(top, id)) {
                    labels[id] = l->text();
                    // the subscript stands left of the field, in the label
                    EXPECT_LT(l->mapTo(top, QPoint(l->width(), 0)).x(), control(top, id)->mapTo(top, QPoint(0, 0)).x() + 1);
                }
        for (int id : {1001, 1007, 1005, 1011}) names[id] = control(top, id)->accessibleName();
        for (auto* l : top->findChildren<QLabel*>())
            if (l->isVisibleTo(top) && (l->text() == QStringLiteral("0") || l->text() == QStringLiteral("a0") ||
                                        l->text() == QStringLiteral("n")))
                shownStatics << l->text();
        QPixmap shot = top->grab();
        shot.save(QString::fromStdString((shotDir() / "kavrin-cutter-scheme-subscripts.png").string()));
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal(2.0, 0, 1.0);
    p.backend.setShownHook({});
    EXPECT_TRUE(labels[1000].contains(QStringLiteral("m<sub>n</sub>"))) << labels[1000].toStdString();
    EXPECT_TRUE(labels[1001].contains(QStringLiteral("Z<sub>0</sub>"))) << labels[1001].toStdString();
    EXPECT_TRUE(labels[1003].contains(QStringLiteral("h*<sub>a0</sub>"))) << labels[1003].toStdString();
    EXPECT_TRUE(labels[1004].contains(QStringLiteral("d<sub>0</sub>"))) << labels[1004].toStdString();
    EXPECT_TRUE(labels[1005].contains(QStringLiteral("d<sub>a0</sub>"))) << labels[1005].toStdString();
    EXPECT_TRUE(labels[1007].contains(QStringLiteral("Z<sub>0</sub>"))) << labels[1007].toStdString();
    EXPECT_TRUE(shownStatics.isEmpty()) << shownStatics.join('|').toStdString();   // no loose subscript after a field
    // The pinion's and the gear's cutter fields are told apart by their group
    // (as the dialog captions it).
    EXPECT_EQ(names[1001].toStdString(), "用于小齿轮（Z1）的插齿刀参数 齿数 Z0");
    EXPECT_EQ(names[1007].toStdString(), "用于大齿轮（Z2）的插齿刀参数 齿数 Z0");
    EXPECT_EQ(names[1005].toStdString(), "用于小齿轮（Z1）的插齿刀参数 齿顶圆直径 da0");
    EXPECT_EQ(names[1011].toStdString(), "用于大齿轮（Z2）的插齿刀参数 齿顶圆直径 da0");
}

TEST(ShellQtWindow, RatingDialogSpeaksToAssistiveToolsAsTyped) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    using D = CCyProofDlg;
    CCyProofDlg dlg;
    p.backend.setShownHook([&](fw::Window&, QWidget* top) {
        // Names qualified by the button in front and by the group.
        EXPECT_EQ(control(top, D::IDC_KA)->accessibleName().toStdString(), "接触疲劳强度 工况系数 KA");
        EXPECT_EQ(control(top, D::IDC_KA_F)->accessibleName().toStdString(), "弯曲疲劳强度 工况系数 KA");
        EXPECT_EQ(control(top, D::IDC_H_KA)->accessibleName().toStdString(), "接触疲劳强度 工况系数");
        EXPECT_EQ(control(top, D::IDC_F_KA)->accessibleName().toStdString(), "弯曲疲劳强度 工况系数");
        // No control reads its id aloud; the id is the object name.
        for (QWidget* c : top->findChildren<QWidget*>())
            EXPECT_FALSE(c->accessibleDescription().startsWith(QStringLiteral("id "))) << c->objectName().toStdString();
        // Radio buttons are radio buttons.
        QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(control(top, D::IDC_EXTERNAL));
        ASSERT_NE(radio, nullptr);
        EXPECT_EQ(radio->role(), QAccessible::RadioButton);
        EXPECT_TRUE(radio->state().checkable);
        // Text and focus through the accessibility interface take effect as
        // typed. A focus request arrives as a focus change of reason "other"
        // (QAccessibleWidget's set-focus action calls setFocus()).
        auto accessibleFocus = [](QWidget* w) {
            QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
            QApplication::sendEvent(w, &in);
        };
        accessibleFocus(control(top, D::IDC_MN));
        pump(2);
        EXPECT_EQ(dlg.focusId(), D::IDC_MN);
        QAccessibleInterface* mn = QAccessible::queryAccessibleInterface(control(top, D::IDC_MN));
        ASSERT_NE(mn, nullptr);
        mn->setText(QAccessible::Value, QStringLiteral("3.5"));
        pump(2);
        EXPECT_EQ(dlg.text(D::IDC_MN), "3.5");   // the model has it, as if typed
        accessibleFocus(control(top, D::IDC_Z1));   // leaving mn takes its value
        pump(2);
        EXPECT_EQ(dlg.focusId(), D::IDC_Z1);
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
    p.backend.setShownHook({});
    EXPECT_TRUE(p.alive());
}

}  // namespace

namespace {

// ---- icons ----

TEST(ShellQtWindow, ToolbarTakesTheThemeIconsWithDrawnOnesAsFallback) {
    // A small icon theme of our own that has "document-new" and nothing else.
    fs::path theme = testDir().parent_path() / "icon-theme" / "kavrintest";
    fs::create_directories(theme / "16x16" / "actions");
    std::ofstream(theme / "index.theme") << "[Icon Theme]\nName=kavrintest\nDirectories=16x16/actions\n\n"
                                            "[16x16/actions]\nSize=16\nType=Fixed\n";
    qtApp();
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString((theme / "16x16" / "actions" / "document-new.png").string())));
    const QStringList oldPaths = QIcon::themeSearchPaths();
    const QString oldTheme = QIcon::themeName();
    QIcon::setThemeSearchPaths({QString::fromStdString(theme.parent_path().string())});
    QIcon::setThemeName(QStringLiteral("kavrintest"));
    {
        Program p;
        ASSERT_TRUE(p.started);
        p.dismissSplash();
        std::map<int, QIcon> icons;
        for (QAction* a : p.toolbar()->actions())
            if (!a->isSeparator()) icons[a->data().toInt()] = a->icon();
        ASSERT_EQ(icons.size(), 10u);
        EXPECT_EQ(icons[fw::cmd::FileNew].name().toStdString(), "document-new");   // the theme's
        EXPECT_EQ(icons[fw::cmd::FileNew].pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
        for (auto& [id, icon] : icons) {
            EXPECT_FALSE(icon.isNull()) << id;                                     // drawn ones otherwise
            EXPECT_FALSE(icon.pixmap(16, 16).isNull()) << id;
        }
        EXPECT_FALSE(p.main()->windowIcon().isNull());
    }
    QIcon::setThemeName(oldTheme);
    QIcon::setThemeSearchPaths(oldPaths);
}

// ---- the About box ----

TEST(ShellQtWindow, AboutBoxRuleIsAThinLine) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    int rules = 0;
    p.backend.setShownHook([&](fw::Window& w, QWidget* top) {
        for (auto* f : top->findChildren<QFrame*>())
            if (f->frameShape() == QFrame::HLine) {
                ++rules;
                EXPECT_LE(f->height(), 3);
                EXPECT_GT(f->width(), 200);
            }
        top->grab().save(QString::fromStdString((shotDir() / "kavrin-about-box.png").string()));
        if (auto* d = dynamic_cast<fw::Dialog*>(&w)) d->EndDialog(IDOK);
    });
    p.commandAction(fw::cmd::AppAbout)->trigger();
    pump(5);
    EXPECT_EQ(rules, 1);
    EXPECT_TRUE(p.alive());
}

}  // namespace

namespace {

// ---- Qt's own dialogs in Chinese ----

TEST(ShellQtWindow, FileDialogsSpeakChineseAndShowDatesInFull) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    QString title, lookIn, cancel;
    int dateWidth = 0, dateNeeded = 0;
    p.answers->onFileDialog = [&](QFileDialog* fd) {
        title = fd->windowTitle();
        if (auto* l = fd->findChild<QLabel*>(QStringLiteral("lookInLabel"))) lookIn = l->text();
        for (auto* b : fd->findChildren<QPushButton*>())
            if (b->isVisible() && fd->findChild<QDialogButtonBox*>() &&
                fd->findChild<QDialogButtonBox*>()->buttonRole(b) == QDialogButtonBox::RejectRole)
                cancel = b->text();
        if (auto* tv = fd->findChild<QTreeView*>(QStringLiteral("treeView"))) {
            pump(50);   // the folder is read
            dateWidth = tv->header()->sectionSize(3);
            dateNeeded = static_cast<QAbstractItemView*>(tv)->sizeHintForColumn(3);
        }
        fd->grab().save(QString::fromStdString((shotDir() / "kavrin-open-dialog.png").string()));
    };
    p.commandAction(fw::cmd::FileOpen)->trigger();
    pump(5);
    EXPECT_EQ(title.toStdString(), "《Ondrel》 打开已有的报告数据文件");
    EXPECT_EQ(lookIn.toStdString(), QCoreApplication::translate("QFileDialog", "Look in:").toStdString());
    EXPECT_NE(lookIn.toStdString(), "Look in:");        // Qt's own texts are in Chinese
    EXPECT_NE(cancel.toStdString(), "Cancel");
    EXPECT_NE(cancel.toStdString(), "&Cancel");
    EXPECT_GE(dateWidth, dateNeeded);                    // the date column shows whole dates
    EXPECT_TRUE(p.alive());
}

}  // namespace

namespace {

TEST(ShellQtWindow, SlidersAreToldApartByWhatTheySet) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    using D = CypreDlg;
    CypreDlg dlg(nullptr);
    std::string k1, k2, phid;
    p.backend.setShownHook([&](fw::Window&, QWidget* top) {
        k1 = control(top, D::IDC_K1_SLIDER)->accessibleName().toStdString();
        k2 = control(top, D::IDC_K2_SLIDER)->accessibleName().toStdString();
        phid = control(top, D::IDC_PHID_SLIDER)->accessibleName().toStdString();
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
    p.backend.setShownHook({});
    EXPECT_EQ(k1, "对于接触强度 2.0–2.4");
    EXPECT_EQ(k2, "对于弯曲强度 1.8–2.3");
    EXPECT_EQ(phid, "齿宽系数 0.8–1.4");
}

}  // namespace

// ---- leaving a dialog, and a notice once per change, with real keys and mouse ----

namespace {

// The first field a user would type into: visible, enabled, editable, in
// the order the dialog builds its controls.
// A dialog that opens with a title or number first gets its first field
// that shows a number (a tooth number, a module) instead.
QLineEdit* firstField(QWidget* top) {
    QLineEdit* first = nullptr;
    for (QLineEdit* le : top->findChildren<QLineEdit*>()) {
        if (!le->property("fwqt.control").isValid() || !le->isVisibleTo(top) || !le->isEnabled() || le->isReadOnly())
            continue;
        bool number = false;
        le->text().toDouble(&number);
        if (number) return le;
        if (!first) first = le;
    }
    return first;
}

QPushButton* cancelButton(QWidget* top) {
    for (const char* name : {"sheet-2", "id2"})
        if (auto* b = top->findChild<QPushButton*>(QString::fromLatin1(name)); b && b->isVisible() && b->isEnabled())
            return b;
    return nullptr;
}

// Where a key goes: the window's focus widget (offscreen Qt has no active window).
QWidget* keyTarget(QWidget* top) {
    QWidget* f = top->focusWidget();
    return f ? f : top;
}

void typeOver(QWidget* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Runs one calculator from its menu; `act` gets its window once it is up.
// A window that is still up after `act` and a few seconds is a trap: it is
// ended from the model so the test goes on, and reported.
struct CalculatorRun {
    Program& p;
    bool trapped = false;
    void run(QAction* a, std::function<void(fw::Window&, QWidget*)> act) {
        bool first = true;
        p.backend.setShownHook([&, act](fw::Window& w, QWidget* top) {
            if (!first) return;   // a sub-dialog of the calculator
            first = false;
            QPointer<QWidget> t = top;
            fw::Window* win = &w;
            QTimer::singleShot(0, top, [t, win, act] {
                if (t) act(*win, t);
            });
            QTimer::singleShot(4000, top, [this, t, win] {
                if (!t) return;
                trapped = true;
                if (auto* s = dynamic_cast<fw::PropertySheet*>(win)) s->EndDialog(IDCANCEL);
                else if (auto* d = dynamic_cast<fw::Dialog*>(win)) d->EndDialog(IDCANCEL);
            });
        });
        a->trigger();
        pump(5);
        p.backend.setShownHook({});
    }
};

}  // namespace

namespace {

// Nonsense in the first field of every calculator, then 取消 clicked with the
// mouse, or Escape: the window goes at once (a calculator's own "save
// first?" questions, answered No, may come; no field refusal does).
TEST(ShellQtWindow, EveryCalculatorIsLeftByCancelOrEscapeWhateverItsFieldHolds) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    int run = 0;
    for (const CalculatorCommand& c : commandTable()) {
        if (!c.available || c.runAs == RunAs::HelpDocument || c.runAs == RunAs::UpdateCheck) continue;
        for (bool escape : {false, true}) {
            SCOPED_TRACE(std::string(c.className) + (escape ? " by Escape" : " by 取消"));
            QAction* a = p.commandAction(c.id);
            ASSERT_NE(a, nullptr);
            CalculatorRun r{p};
            qsizetype boxesOnLeaving = 0;
            bool typed = false;
            r.run(a, [&](fw::Window&, QWidget* top) {
                QLineEdit* field = firstField(top);
                if (field) {
                    typeOver(field, QStringLiteral("abc"));
                    typed = true;
                }
                const qsizetype before = p.answers->messages.size();
                QPushButton* cancel = cancelButton(top);
                if (escape || !cancel) QTest::keyClick(field ? static_cast<QWidget*>(field) : top, Qt::Key_Escape);
                else QTest::mouseClick(cancel, Qt::LeftButton);
                boxesOnLeaving = p.answers->messages.size() - before;
            });
            EXPECT_FALSE(r.trapped) << c.className << " could not be left";
            EXPECT_LE(boxesOnLeaving, 2) << c.className << " asked on the way out: "
                                         << p.answers->messages.join(" | ").toStdString();
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << c.className;
            if (typed) ++run;
            ASSERT_TRUE(p.alive());
        }
    }
    EXPECT_GE(run, 20);
}

// A value typed into the first field of every calculator, then Tab, Tab:
// whatever its check says comes once, and the second Tab moves the focus on.
TEST(ShellQtWindow, EveryCalculatorChecksAFieldOncePerChange) {
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    for (const CalculatorCommand& c : commandTable()) {
        if (!c.available || c.runAs == RunAs::HelpDocument || c.runAs == RunAs::UpdateCheck) continue;
        for (const char* value : {"1", "12", "abc"}) {
            SCOPED_TRACE(std::string(c.className) + " with " + value);
            CalculatorRun r{p};
            qsizetype secondTabBoxes = 0;
            bool moved = true;
            r.run(p.commandAction(c.id), [&](fw::Window& w, QWidget* top) {
                QLineEdit* field = firstField(top);
                if (field) {
                    typeOver(field, QString::fromLatin1(value));
                    QTest::keyClick(keyTarget(top), Qt::Key_Tab);
                    const qsizetype before = p.answers->messages.size();
                    QTest::keyClick(keyTarget(top), Qt::Key_Tab);
                    secondTabBoxes = p.answers->messages.size() - before;
                    moved = top->focusWidget() != field;
                }
                if (auto* s = dynamic_cast<fw::PropertySheet*>(&w)) s->EndDialog(IDCANCEL);
                else if (auto* d = dynamic_cast<fw::Dialog*>(&w)) d->EndDialog(IDCANCEL);
            });
            EXPECT_FALSE(r.trapped);
            EXPECT_EQ(secondTabBoxes, 0) << c.className << ": " << p.answers->messages.join(" | ").toStdString();
            EXPECT_TRUE(moved) << c.className << " kept the focus in the field";
            ASSERT_TRUE(p.alive());
        }
    }
}

// Two notices the designer meets, with their texts: each comes once.
TEST(ShellQtWindow, ANoticedValueIsNoticedOnce) {
    struct Case {
        const char* what;
        std::function<std::unique_ptr<fw::Dialog>()> make;
        int field;
        const char* value;
        const char* notice;
    } cases[] = {
        {"spiral bevel, few pinion teeth", [] { return std::make_unique<CBelmarArcDlg>(nullptr); },
         CBelmarArcDlg::IDC_Z1, "12", "小齿轮齿数z1=12太少"},
        {"small-module pair, ratio 1 (否)", [] { return std::make_unique<CSmcyDlg>(nullptr); }, CSmcyDlg::IDC_U, "1",
         "注意：当前你所给定的齿数比U = 1"},
    };
    Program p;
    ASSERT_TRUE(p.started);
    p.dismissSplash();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto dlg = c.make();
        p.answers->messages.clear();
        int focusAfter = 0;
        p.backend.setShownHook([&](fw::Window&, QWidget* top) {
            QPointer<QWidget> t = top;
            QTimer::singleShot(0, top, [&, t] {
                if (!t) return;
                QWidget* field = control(t, c.field);
                typeOver(field, QString::fromUtf8(c.value));
                QTest::keyClick(keyTarget(t), Qt::Key_Tab);
                QTest::keyClick(keyTarget(t), Qt::Key_Tab);
                QTest::keyClick(keyTarget(t), Qt::Key_Tab);
                focusAfter = dlg->focusId();
                QTest::keyClick(keyTarget(t), Qt::Key_Escape);
            });
        });
        dlg->DoModal();
        p.backend.setShownHook({});
        EXPECT_EQ(p.answers->messages.filter(QString::fromUtf8(c.notice)).size(), 1)
            << p.answers->messages.join(" | ").toStdString();
        EXPECT_NE(focusAfter, c.field);
        EXPECT_TRUE(dlg->ended());
    }
}

}  // namespace
