// The real program under a real window manager (run by with_window_manager.sh
// under Xvfb and openbox): every modal window, the first one after start-up
// included, opens with its frame and title bar, centred on the main window.
// And, on any platform, the report window draws a report in the cells its
// columns were written for, the status bar follows every menu item, and a
// second start of the program hands its reports to the running one and
// says what became of them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "fw/registry.h"
#include "fwqt/app_qt.h"
#include "fwqt/qt_backend.h"
#include "fw/sheet.h"
#include "resources/kavrin/module.h"
#include "shell/kavrin_app.h"

namespace fs = std::filesystem;

namespace {

void pump(int ms = 0) {
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (t.elapsed() < ms);
}

// Pumps until done() or the time is up; true when done.
bool pumpUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Set by with_window_manager.sh: the display runs a window manager.
bool underWindowManager() { return std::getenv("KAVRIN_WINDOW_MANAGER") != nullptr; }

fs::path testDir() {
    const char* base = std::getenv("KAVRIN_TEST_TMP");
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return fs::path(base ? base : "/tmp") / "shell-qt-frame" / (info ? info->name() : "any");
}

QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "shell_qt_frame_test";
    static char* argv[] = {name, nullptr};
    if (!underWindowManager()) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static auto* app = new fwqt::Application(argc, argv);   // lives for the process
    (void)app;
    return *qApp;
}

// Message boxes are answered No (else their Escape answer).
struct Answerer {
    QTimer timer;
    Answerer() {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, &timer, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                auto* no = box->findChild<QPushButton*>(QStringLiteral("answer-7"));
                QAbstractButton* b = no ? no : box->escapeButton();
                if (b) b->click();
            }
        });
        timer.start();
    }
};

// "Kavrin <reports>" run from a shell while the program runs: the real
// program as a process of its own.
class SecondStart {
public:
    explicit SecondStart(const QStringList& reports) {
        m_p.setProgram(QStringLiteral(KAVRIN_PROGRAM));
        m_p.setArguments(reports);
        // Its exit status is the point here, not what the libraries it loads
        // leave allocated at exit.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        m_p.setProcessEnvironment(env);
        m_p.start();
    }
    ~SecondStart() {
        if (running()) {
            m_p.kill();
            m_p.waitForFinished(5000);
        }
    }
    bool running() const { return m_p.state() != QProcess::NotRunning; }
    // Pumps until it has ended (the running program answers from its own
    // loop): false when it ran on, having opened its reports itself.
    bool finish() {
        const bool ended = pumpUntil([&] { return !running(); }, 30000);
        if (!ended) {
            m_p.kill();
            m_p.waitForFinished(5000);
        }
        m_out += m_p.readAllStandardOutput().toStdString();
        m_err += m_p.readAllStandardError().toStdString();
        return ended;
    }
    int code() const { return m_p.exitStatus() == QProcess::NormalExit ? m_p.exitCode() : -1; }
    const std::string& out() const { return m_out; }
    const std::string& err() const { return m_err; }

private:
    QProcess m_p;
    std::string m_out, m_err;
};

std::string takenLine(const std::string& report) { return "Kavrin 已在运行，已由它打开：" + report + "\n"; }
std::string cannotOpen(const std::string& report) { return "无法打开文件 " + report + "。"; }

// The running program's message boxes, each held open while hold() is true
// (15 s at most), then answered: an answer to a second start that waited on
// a box would not come while the box is up.
class HeldBoxes {
public:
    explicit HeldBoxes(std::function<bool()> hold) : m_hold(std::move(hold)) {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (box != m_box) {
                m_box = box;
                m_texts.push_back(box->text().toStdString());
                m_since.start();
            }
            const bool held = m_hold();
            if (held && m_since.elapsed() < 15000) return;
            if (!held) ++m_heldToTheEnd;
            if (QAbstractButton* b = box->escapeButton()) b->click();
        });
        m_timer.start();
    }
    const std::vector<std::string>& texts() const { return m_texts; }
    int heldToTheEnd() const { return m_heldToTheEnd; }   // boxes answered only once hold() was false

private:
    std::function<bool()> m_hold;
    QTimer m_timer;
    QPointer<QMessageBox> m_box;
    QElapsedTimer m_since;
    std::vector<std::string> m_texts;
    int m_heldToTheEnd = 0;
};

// The program as started from a shell with the reports given.
class Program {
public:
    explicit Program(const std::vector<std::pair<std::string, std::string>>& reports = {}) {
        const fs::path dir = testDir();
        fs::remove_all(dir);
        fs::create_directories(dir / "run");
        fs::create_directories(dir / "home" / "data");
        fs::permissions(dir / "run", fs::perms::owner_all);
        std::ofstream(dir / "machine.reg") << "[SOFTWARE\\ondrel\\kavrin]\nxpfileloc=" << (dir / "home").string()
                                           << "\n";
        setenv("KAVRIN_MACHINE_REGISTRY", (dir / "machine.reg").c_str(), 1);
        setenv("KAVRIN_USER_REGISTRY", (dir / "user.reg").c_str(), 1);
        setenv("XDG_DATA_HOME", (dir / "share").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
        fw::registry::reload();
        fs::current_path(dir);
        qtApp();
        m_oldBackend = fw::setBackend(&backend);
        m_oldApp = fw::setAppBackend(&appBackend);
        std::vector<std::string> args{"Kavrin"};
        for (const auto& [name, bytes] : reports) {
            std::ofstream(dir / name, std::ios::binary) << bytes;
            args.push_back((dir / name).string());
        }
        answers = std::make_unique<Answerer>();
        app = std::make_unique<CKavrinApp>();
        app->setArgs(args);
        started = app->InitInstance();
        pump(20);
    }
    ~Program() {
        backend.setShownHook({});
        if (app && !app->exited()) app->exit();
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
    QString message() const {
        auto* l = main() ? main()->statusBar()->findChild<QLabel*>(QStringLiteral("message")) : nullptr;
        return l ? l->text() : QString();
    }
    QMenu* topMenu(const QString& title) const {
        for (QAction* a : main()->menuBar()->actions())
            if (a->text() == title) return a->menu();
        return nullptr;
    }

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

// Where a window was shown, once the window manager has framed it.
struct Placement {
    std::string caption;
    QRect frame, client, mainFrame;
    bool framed = false;
};

std::string describe(const Placement& p) {
    auto r = [](const QRect& q) {
        return "(" + std::to_string(q.x()) + "," + std::to_string(q.y()) + " " + std::to_string(q.width()) + "x" +
               std::to_string(q.height()) + ")";
    };
    return p.caption + ": frame " + r(p.frame) + " client " + r(p.client) + " main " + r(p.mainFrame);
}

// ---- under a window manager: frames and placement ----

// The window manager's frame is known from its frame extents: a title bar
// puts the client area below the frame's top.
TEST(ShellQtFrame, EveryModalWindowOpensFramedAndCentredOnTheMainWindow) {
    if (!underWindowManager())
        GTEST_SKIP() << "no window manager: run through with_window_manager.sh (Xvfb and openbox)";
    Program p;
    ASSERT_TRUE(p.started);
    ASSERT_NE(p.main(), nullptr);
    std::vector<Placement> seen;
    p.backend.setShownHook([&](fw::Window& w, QWidget* top) {
        Placement pl;
        pl.caption = w.caption();
        // The frame comes with the window manager's answer, a moment later.
        pl.framed = pumpUntil([&] { return top->geometry().top() - top->frameGeometry().top() > 5; }, 3000);
        pl.frame = top->frameGeometry();
        pl.client = top->geometry();
        pl.mainFrame = p.main()->frameGeometry();
        seen.push_back(pl);
        fw::Window* win = &w;
        QTimer::singleShot(0, top, [win] {
            if (auto* s = dynamic_cast<fw::PropertySheet*>(win)) s->EndDialog(fw::IDCANCEL);
            else if (auto* d = dynamic_cast<fw::Dialog*>(win)) d->EndDialog(fw::IDCANCEL);
        });
    });
    // As a user starts: the program comes up, a key takes the splash away,
    // the first calculator is chosen from its menu at once.
    p.app->userInput({fw::InputMessage::Kind::KeyDown, "Shift"});
    for (int command : {32771, 32772, 32781, 57664}) {   // cylindrical, geometry sheet, worm, About
        p.app->mainFrame()->userCommand(command);
        pump(5);
    }
    // A message box (Qt's own window) the same way.
    p.answers.reset();
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, &look, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        look.stop();
        Placement pl;
        pl.caption = "message box";
        pl.framed = pumpUntil([&] { return box->geometry().top() - box->frameGeometry().top() > 5; }, 3000);
        pump(50);
        pl.frame = box->frameGeometry();
        pl.client = box->geometry();
        pl.mainFrame = p.main()->frameGeometry();
        seen.push_back(pl);
        box->buttons().front()->click();
    });
    look.start();
    fw::MessageBox("计算记录已以\n/tmp/gear.cyt\n文件名输出报告！", MB_OK | MB_ICONINFORMATION);
    ASSERT_EQ(seen.size(), 5u);
    const QRect screen = p.main()->screen()->availableGeometry();
    for (const Placement& pl : seen) {
        SCOPED_TRACE(describe(pl));
        EXPECT_TRUE(pl.framed) << "no title bar";
        EXPECT_TRUE(pl.frame.contains(pl.client));
        EXPECT_TRUE(screen.contains(pl.frame)) << "off the screen";
        if (pl.frame.width() < pl.mainFrame.width() && pl.frame.height() < pl.mainFrame.height()) {
            EXPECT_LE(std::abs(pl.frame.center().x() - pl.mainFrame.center().x()), 2) << "not centred";
            EXPECT_LE(std::abs(pl.frame.center().y() - pl.mainFrame.center().y()), 2) << "not centred";
        }
    }
}

// ---- any platform ----

// A report line holds Greek letters and °′″ (two bytes each in code page
// 936, laid out for two cells): each takes two cells of the report font, so
// a column after them starts where it starts after two ASCII characters.
TEST(ShellQtFrame, ReportWindowDrawsDoubleByteCharactersTwoCellsWide) {
    // Each line: the text before its '|' takes 8 cells in code page 936.
    const char* lines[] = {
        "ab cdefg|x",                           // ASCII
        "\xa6\xc1n cdef|x",                      // αn: α two cells
        "\xa6\xc2m\xa1\xe3 ab|x",                 // βm°: β and ° two cells each
        "\xa1\xe3\x32\xa1\xe4\x33\xa1\xe5|x",        // °2′3″
        "\xb3\xdd\xc2\xd6 cde|x",                 // 齿轮: Chinese, two cells each
        "\xa1\xaa\xa1\xaa\xa1\xaa\xa1\xaa|x",        // ———— (U+2014)
    };
    std::string report;
    for (const char* l : lines) report += std::string(l) + "\r\n";
    Program p({{"columns.tng", report}});
    ASSERT_TRUE(p.started);
    auto* area = qobject_cast<QMdiArea*>(p.main()->centralWidget());
    ASSERT_NE(area, nullptr);
    ASSERT_NE(area->activeSubWindow(), nullptr);
    auto* edit = qobject_cast<QPlainTextEdit*>(area->activeSubWindow()->widget());
    ASSERT_NE(edit, nullptr);
    pump(20);
    const qreal cell = QFontMetricsF(edit->font()).horizontalAdvance(QLatin1Char(' '));
    QTextBlock b = edit->document()->firstBlock();
    std::vector<qreal> bars;
    for (; b.isValid() && !b.text().isEmpty(); b = b.next()) {
        const int bar = static_cast<int>(b.text().indexOf(u'|'));
        ASSERT_GE(bar, 0) << b.text().toStdString();
        QTextCursor c(b);
        c.setPosition(b.position() + bar);
        bars.push_back(edit->cursorRect(c).x());
    }
    ASSERT_EQ(bars.size(), std::size(lines));
    for (std::size_t i = 1; i < bars.size(); ++i)
        EXPECT_NEAR(bars[i], bars[0], 0.5) << "line " << i << " is off by " << (bars[i] - bars[0]) / cell << " cells";
    EXPECT_FALSE(p.app->activeDocument()->IsModified()) << "laying out is no edit";
    EXPECT_FALSE(edit->document()->isUndoAvailable());
    // Typed text is laid out the same way (the splash taken away first: it
    // eats the first key).
    p.app->userInput({fw::InputMessage::Kind::KeyDown, "Shift"});
    pump(5);
    QTextCursor end(edit->document());
    end.movePosition(QTextCursor::End);
    edit->setTextCursor(end);
    for (const QString& key : {QString::fromUtf8("α"), QString::fromUtf8("β"), QStringLiteral("|")})
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, key, Qt::NoModifier);
    pump(5);
    ASSERT_EQ(edit->document()->lastBlock().text(), QString::fromUtf8("αβ|"));
    QTextCursor typed(edit->document()->lastBlock());
    typed.setPosition(edit->document()->lastBlock().position() + 2);
    EXPECT_NEAR(edit->cursorRect(typed).x() - edit->cursorRect(QTextCursor(edit->document()->lastBlock())).x(),
                4 * cell, 0.5);
}

// Hovering a greyed menu item (最近文件 while the list is empty) shows its
// own prompt, never the one of the item hovered before.
TEST(ShellQtFrame, GreyedRecentFileItemShowsItsOwnPrompt) {
    Program p;
    ASSERT_TRUE(p.started);
    p.app->userInput({fw::InputMessage::Kind::KeyDown, "Shift"});   // the splash
    pump(5);
    QMenu* file = p.topMenu(QStringLiteral("文件(&F)"));
    ASSERT_NE(file, nullptr);
    file->popup(p.main()->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(pumpUntil([&] { return file->isVisible(); }, 2000));
    pump(10);
    QAction *open = nullptr, *recent = nullptr, *separator = nullptr;
    for (QAction* a : file->actions()) {
        if (a->data().toInt() == fw::cmd::FileOpen) open = a;
        if (a->text() == QStringLiteral("最近文件")) recent = a;
        if (a->isSeparator() && !separator && open) separator = a;
    }
    ASSERT_NE(open, nullptr);
    ASSERT_NE(recent, nullptr);
    ASSERT_NE(separator, nullptr);
    EXPECT_FALSE(recent->isEnabled());
    const QString openPrompt = QString::fromStdString(p.app->mainFrame()->prompt(fw::cmd::FileOpen));
    const QString recentPrompt = QString::fromStdString(p.app->mainFrame()->prompt(fw::cmd::FileMru1));
    ASSERT_FALSE(recentPrompt.isEmpty());
    ASSERT_NE(openPrompt, recentPrompt);
    // Under a window manager the pointer moves for real: its hover comes a
    // moment later.
    auto shows = [&](const QString& want) { return pumpUntil([&] { return p.message() == want; }, 2000); };
    const QString idle = QString::fromStdString(kavrin::module().string(fw::cmd::IdleMessage));
    for (int round = 0; round < 2; ++round) {
        QTest::mouseMove(file, file->actionGeometry(open).center());
        EXPECT_TRUE(shows(openPrompt)) << p.message().toStdString();
        QTest::mouseMove(file, file->actionGeometry(recent).center());
        EXPECT_TRUE(shows(recentPrompt)) << "round " << round << ": " << p.message().toStdString();
        QTest::mouseMove(file, file->actionGeometry(separator).center());
        EXPECT_TRUE(shows(idle)) << p.message().toStdString();
    }
    file->hide();
    pump(5);
}

// "Kavrin <report>" run from a shell while the program runs minimised: the
// real program, started as a second process, hands the report over and
// ends with status 0, saying so; the running one comes back to the front
// with that report's window active, a new one or the one that shows it
// already (behind another).
TEST(ShellQtFrame, ASecondStartHandsItsReportOverAndTheRunningProgramShowsIt) {
    Program p(std::vector<std::pair<std::string, std::string>>{{"first.cyt", "first\r\n"}});
    ASSERT_TRUE(p.started);
    p.app->userInput({fw::InputMessage::Kind::KeyDown, "Shift"});   // the splash
    std::ofstream(testDir() / "second.tng", std::ios::binary) << "second\r\n";
    auto* area = p.main()->findChild<QMdiArea*>();
    ASSERT_NE(area, nullptr);
    struct Case {
        const char* what;
        const char* report;
        int windows;   // report windows afterwards
    };
    const Case cases[] = {
        {"a report not open yet", "second.tng", 2},
        {"a report open already, behind another", "first.cyt", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p.main()->showMinimized();
        pumpUntil([&] { return p.main()->isMinimized(); }, 2000);
        const std::string report = (testDir() / c.report).string();
        SecondStart second({QString::fromStdString(report)});
        ASSERT_TRUE(second.finish()) << "the second start opened the report itself and ran on";
        EXPECT_EQ(second.code(), 0) << second.out() << second.err();
        EXPECT_EQ(second.out(), takenLine(report));
        EXPECT_TRUE(pumpUntil([&] { return !p.main()->isMinimized() && p.main()->isVisible(); }, 3000))
            << "the running program stays minimised";
        EXPECT_TRUE(pumpUntil([&] { return p.main()->isActiveWindow(); }, 3000)) << "not in front";
        EXPECT_EQ(area->subWindowList().size(), c.windows);
        ASSERT_NE(area->activeSubWindow(), nullptr);
        EXPECT_EQ(area->activeSubWindow()->windowTitle().toStdString(), c.report);
        EXPECT_EQ(fs::path(p.app->activeDocument()->GetPathName()).filename().string(), c.report);
    }
}

// A report the running program cannot open: the second start prints the
// running program's reason and ends with status 1, while the running one
// comes to the front and shows the same message. The second start learns
// the answer while that message is still up; a good report named after the
// bad one is served meanwhile and opens in front.
TEST(ShellQtFrame, ASecondStartTheRunningProgramCannotServeSaysWhyAndEndsWithStatus1) {
    Program p(std::vector<std::pair<std::string, std::string>>{{"first.cyt", "first\r\n"}});
    ASSERT_TRUE(p.started);
    p.app->userInput({fw::InputMessage::Kind::KeyDown, "Shift"});   // the splash
    p.answers.reset();
    auto* area = p.main()->findChild<QMdiArea*>();
    ASSERT_NE(area, nullptr);
    // Tests may run as root, where no file mode stops reading: a folder
    // named as a report is one no one can open.
    const std::string missing = (testDir() / "missing.tng").string(), folder = (testDir() / "folder.cyt").string(),
                      good = (testDir() / "good.cwt").string();
    fs::create_directories(folder);
    std::ofstream(good, std::ios::binary) << "good\r\n";
    struct Case {
        const char* what;
        std::vector<std::string> reports;
        std::string refused;   // the one the running program cannot open
        std::string out;       // the second start's standard output
        int windows;           // report windows afterwards
        const char* active;
    };
    const Case cases[] = {
        {"a missing report", {missing}, missing, "", 1, "first.cyt"},
        {"a folder", {folder}, folder, "", 1, "first.cyt"},
        {"a missing report, then a good one", {missing, good}, missing, takenLine(good), 2, "good.cwt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p.main()->showMinimized();
        pumpUntil([&] { return p.main()->isMinimized(); }, 2000);
        QStringList args;
        for (const std::string& r : c.reports) args << QString::fromStdString(r);
        std::unique_ptr<SecondStart> second;
        HeldBoxes boxes([&] { return second && second->running(); });
        second = std::make_unique<SecondStart>(args);
        ASSERT_TRUE(second->finish()) << "the second start opened its reports itself and ran on";
        EXPECT_EQ(second->code(), 1) << second->out() << second->err();
        EXPECT_EQ(second->out(), c.out);
        EXPECT_NE(second->err().find(cannotOpen(c.refused) + "\n"), std::string::npos) << second->err();
        EXPECT_TRUE(pumpUntil([&] { return QApplication::activeModalWidget() == nullptr; }, 20000));
        EXPECT_EQ(boxes.texts(), std::vector<std::string>{cannotOpen(c.refused)});
        EXPECT_EQ(boxes.heldToTheEnd(), 1) << "the answer waited on the message box";
        EXPECT_TRUE(pumpUntil([&] { return !p.main()->isMinimized() && p.main()->isVisible(); }, 3000))
            << "the running program stays minimised behind its message";
        EXPECT_EQ(area->subWindowList().size(), c.windows);
        ASSERT_NE(area->activeSubWindow(), nullptr);
        EXPECT_EQ(area->activeSubWindow()->windowTitle().toStdString(), c.active);
    }
}

// A modal dialog open in the running program (the About box) holds up no
// hand-off: a good report opens behind it, a bad one is refused with its
// message above the dialog, which stays open.
TEST(ShellQtFrame, ASecondStartIsServedWhileAModalDialogIsOpen) {
    Program p(std::vector<std::pair<std::string, std::string>>{{"first.cyt", "first\r\n"}});
    ASSERT_TRUE(p.started);
    p.app->userInput({fw::InputMessage::Kind::KeyDown, "Shift"});   // the splash
    p.answers.reset();
    const std::string good = (testDir() / "good.tng").string(), missing = (testDir() / "missing.cyt").string();
    std::ofstream(good, std::ios::binary) << "good\r\n";
    int goodCode = -2, missingCode = -2;
    std::vector<std::string> boxTexts;
    bool dialogStayed = false;
    p.backend.setShownHook([&](fw::Window& w, QWidget* top) {
        p.backend.setShownHook({});
        auto* d = dynamic_cast<fw::Dialog*>(&w);
        ASSERT_NE(d, nullptr);
        // from the dialog's own loop
        QTimer::singleShot(0, top, [&, d, top] {
            {
                SecondStart second({QString::fromStdString(good)});
                if (second.finish()) goodCode = second.code();
            }
            {
                std::unique_ptr<SecondStart> second;
                HeldBoxes boxes([&] { return second && second->running(); });
                second = std::make_unique<SecondStart>(QStringList{QString::fromStdString(missing)});
                if (second->finish()) missingCode = second->code();
                pumpUntil([&] { return QApplication::activeModalWidget() == top; }, 20000);
                boxTexts = boxes.texts();
            }
            dialogStayed = !d->ended() && QApplication::activeModalWidget() == top;
            d->EndDialog(fw::IDCANCEL);
        });
    });
    p.app->mainFrame()->userCommand(57664);   // About
    EXPECT_EQ(goodCode, 0);
    EXPECT_EQ(missingCode, 1);
    EXPECT_EQ(boxTexts, std::vector<std::string>{cannotOpen(missing)});
    EXPECT_TRUE(dialogStayed);
    auto* area = p.main()->findChild<QMdiArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->subWindowList().size(), 2);
    ASSERT_NE(area->activeSubWindow(), nullptr);
    EXPECT_EQ(area->activeSubWindow()->windowTitle().toStdString(), "good.tng");
}

}  // namespace
