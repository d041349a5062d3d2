// Start-up of the main program: its order, each refusal, the splash window,
// the frame's menus and bars, exit and the per-user profile.
#include <gtest/gtest.h>
#include <poll.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <thread>

#include "shell/kavrin_app.h"
#include "shell/main_frame.h"
#include "shell/splash_wnd.h"
#include "shell_fixture.h"

namespace {

constexpr const char* kNot64 = "你的操作环境不是Wow64系统，本程序不适宜运行，\n请选择X86版本安装尝试！";
constexpr const char* kBadInstall = "软件安装有问题，请重新安装！";
constexpr const char* kOle = "OLE 初始化失败。请确保 OLE 库是正确的版本。";

using StartupTest = ShellTest;

TEST_F(StartupTest, RefusalsEndTheProgramBeforeAnyWindow) {
    struct Case {
        const char* name;
        bool is64;
        bool ole;
        const char* machine;   // nullptr: keep the good machine file
        const char* message;
        fw::MessageIcon icon;
    };
    // The failure table of start-up, in the order of its steps: an earlier
    // step's refusal wins over a later one.
    const Case cases[] = {
        {"not 64-bit", false, false, "", kNot64, fw::MessageIcon::Stop},
        {"no installation key", true, false, "[SOFTWARE\\other]\nx=1\n", kBadInstall, fw::MessageIcon::Exclamation},
        {"key without xpfileloc", true, true, "[SOFTWARE\\ondrel\\kavrin]\nmentloc=/x\n", kBadInstall,
         fw::MessageIcon::Exclamation},
        {"OLE fails", true, false, nullptr, kOle, fw::MessageIcon::Exclamation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.machine) writeMachine(c.machine);
        std::size_t before = s.messages().size();
        s.expectMessage(c.message);
        {
            CKavrinApp a;
            a.checks.is64BitSystem = [&] { return c.is64; };
            a.checks.initOle = [&] { return c.ole; };
            EXPECT_EQ(a.main({"Kavrin"}), 1);
            EXPECT_EQ(a.mainFrame(), nullptr);
        }
        ASSERT_EQ(s.messages().size(), before + 1);
        EXPECT_EQ(s.messages().back().icon, c.icon);
        EXPECT_TRUE(app.events().empty()) << app.events().front();
        EXPECT_EQ(CSplashWnd::current(), nullptr);
        SetUp();
    }
}

TEST_F(StartupTest, ReportOnTheCommandLineOpensBeforeTheFrameShowsMaximised) {
    auto report = writeFile("gear.cyt", "report\r\n");
    CKavrinApp a;
    a.setArgs({"Kavrin", report.string()});
    ASSERT_TRUE(a.InitInstance());
    // frame, then its splash and timer, then the report window, then the frame shown
    int frame = app.indexOf("frame created"), popup = app.indexOf("popup shown 520x320"),
        timer = app.indexOf("timer 1 8500"), child = app.indexOf("child shown gear.cyt"),
        shown = app.indexOf("frame shown maximized");
    EXPECT_GE(frame, 0);
    EXPECT_GT(popup, frame);
    EXPECT_GT(timer, popup);
    EXPECT_GT(child, timer);
    EXPECT_GT(shown, child);
    EXPECT_EQ(app.activeText(), "report\r\n");
    EXPECT_EQ(a.installFolder(), dir / "home");
    // a report window is maximised, and the main menu is the report menu
    EXPECT_EQ(a.mainFrame()->MDIGetActive()->showState(), fw::ShowCmd::Maximized);
    EXPECT_EQ(a.mainFrame()->menuId(), 129);
    EXPECT_EQ(a.mainFrame()->caption(), "《Ondrel》Kavrin V4.00 - gear.cyt");
    EXPECT_TRUE(a.mainFrame()->acceptsFiles());

    // file types registered for the user
    auto desktop = readBytes(dir / "share" / "applications" / "kavrin.desktop");
    EXPECT_NE(desktop.find("MimeType=application/x-kavrin-document;"), std::string::npos) << desktop;
    // the entry names the program's icon, installed as SVG in the hicolor theme
    EXPECT_NE(desktop.find("\nIcon=kavrin\n"), std::string::npos) << desktop;
    auto svg = readBytes(dir / "share" / "icons" / "hicolor" / "scalable" / "apps" / "kavrin.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    auto mime = readBytes(dir / "share" / "mime" / "packages" / "kavrin.xml");
    for (const char* g : {"*.cyt", "*.tng", "*.cwt", "*.cxt"}) EXPECT_NE(mime.find(g), std::string::npos) << g;
    EXPECT_NE(mime.find("<comment>KAVRIN Document</comment>"), std::string::npos);
}

TEST_F(StartupTest, EveryReportOnTheCommandLineOpensAndTheWindowListSwitches) {
    auto first = writeFile("first.cyt", "one\r\n");
    auto second = writeFile("second.tng", "two\r\n");
    CKavrinApp a;
    a.setArgs({"Kavrin", first.string(), second.string()});
    ASSERT_TRUE(a.InitInstance());
    fw::MdiFrame* f = a.mainFrame();
    ASSERT_EQ(f->children().size(), 2u);
    EXPECT_EQ(app.activeText(), "two\r\n");   // the last one named is active
    // The Window menu's list: numbered, the active one checked.
    EXPECT_EQ(f->windowList(), (std::vector<std::string>{"&1 first.cyt", "&2 second.tng"}));
    EXPECT_EQ(f->commandChecked(fw::MdiFrame::FirstWindow), false);
    EXPECT_EQ(f->commandChecked(fw::MdiFrame::FirstWindow + 1), true);
    EXPECT_FALSE(f->commandChecked(fw::MdiFrame::FirstWindow + 2).has_value());
    f->userCommand(fw::MdiFrame::FirstWindow);   // chosen from the list
    EXPECT_EQ(app.activeText(), "one\r\n");
    EXPECT_EQ(f->caption(), "《Ondrel》Kavrin V4.00 - first.cyt");
    // Ctrl+F6 / Ctrl+Tab forwards, with Shift backwards, round the list
    // (once the splash is gone: the first key only closes it).
    a.userInput({fw::InputMessage::Kind::KeyDown, "Shift"});
    EXPECT_TRUE(a.userKey("Ctrl+F6"));
    EXPECT_EQ(app.activeText(), "two\r\n");
    EXPECT_TRUE(a.userKey("Ctrl+Tab"));
    EXPECT_EQ(app.activeText(), "one\r\n");
    EXPECT_TRUE(a.userKey("Ctrl+Shift+F6"));
    EXPECT_EQ(app.activeText(), "two\r\n");
    // The View menu's marks follow the bars.
    EXPECT_EQ(f->commandChecked(fw::cmd::ViewToolbar), true);
    f->userCommand(fw::cmd::ViewToolbar);
    EXPECT_EQ(f->commandChecked(fw::cmd::ViewToolbar), false);
    EXPECT_EQ(f->commandChecked(fw::cmd::ViewStatusBar), true);
}

TEST_F(StartupTest, WithoutArgumentsANewEmptyReportOpens) {
    CKavrinApp a;
    ASSERT_TRUE(a.InitInstance());
    EXPECT_EQ(app.activeTitle(), "KAVRIN1");   // document name of string 129 plus a number
    EXPECT_EQ(a.mainFrame()->showState(), fw::ShowCmd::Maximized);
}

TEST_F(StartupTest, AMissingCommandLineFileEndsTheProgram) {
    s.answerMessage(IDOK);   // the framework's open failure
    CKavrinApp a;
    a.setArgs({"Kavrin", (dir / "none.cyt").string()});
    EXPECT_FALSE(a.InitInstance());
    EXPECT_FALSE(app.happened("frame shown maximized"));
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_NE(s.messages()[0].text.find("none.cyt"), std::string::npos);
}

TEST_F(StartupTest, SplashClosesOnAKeyAndEatsIt) {
    CKavrinApp a;
    ASSERT_TRUE(a.InitInstance());
    ASSERT_NE(CSplashWnd::current(), nullptr);
    EXPECT_TRUE(app.key("Ctrl+N"));                 // eaten by the splash
    EXPECT_EQ(CSplashWnd::current(), nullptr);
    EXPECT_EQ(a.documents().size(), 1u);            // no new report
    EXPECT_TRUE(app.key("Ctrl+N"));                 // now the accelerator runs
    EXPECT_EQ(a.documents().size(), 2u);
    EXPECT_EQ(app.activeTitle(), "KAVRIN2");
}

TEST_F(StartupTest, SplashEatsAToolbarClickAndGoesAfterItsTimer) {
    {
        CKavrinApp a;
        ASSERT_TRUE(a.InitInstance());
        EXPECT_FALSE(app.clickToolbar(57600));      // the first click only closes the splash
        EXPECT_EQ(a.documents().size(), 1u);
        EXPECT_TRUE(app.clickToolbar(57600));
        EXPECT_EQ(a.documents().size(), 2u);
    }
    CKavrinApp b;
    ASSERT_TRUE(b.InitInstance());
    ASSERT_NE(CSplashWnd::current(), nullptr);
    app.fireTimers();
    EXPECT_EQ(CSplashWnd::current(), nullptr);
    EXPECT_FALSE(app.mouseDown());                  // nothing eats clicks any more
}

TEST_F(StartupTest, FrameBarsPromptsAndHelp) {
    CKavrinApp a;
    ASSERT_TRUE(a.InitInstance());
    auto* f = dynamic_cast<CMainFrame*>(a.mainFrame());
    ASSERT_NE(f, nullptr);
    std::vector<int> buttons{57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57609, 57607, 0, 57664, 57669};
    EXPECT_EQ(f->m_wndToolBar.buttons(), buttons);
    EXPECT_EQ(f->m_wndStatusBar.indicators(), (std::vector<int>{0, 59137, 59138, 59139}));
    // fly-by prompt and tool-tip from "prompt\ntip"
    f->userMenuSelect(32771);
    EXPECT_EQ(f->m_wndStatusBar.message(), "确定齿轮对的预定参数值与最小模数值");
    EXPECT_EQ(f->toolTip(32787), "invα");
    f->m_wndStatusBar.setKeyStates(true, false, true);
    EXPECT_EQ(f->m_wndStatusBar.paneText(1), "大写");
    EXPECT_EQ(f->m_wndStatusBar.paneText(2), "");
    EXPECT_EQ(f->m_wndStatusBar.paneText(3), "滚动");
    app.key("Escape");   // closes the splash

    // Shift+F1, then a command: its context help in Kavrin.chm
    app.key("Shift+F1");
    EXPECT_TRUE(f->contextHelpMode());
    app.command(32771);
    ASSERT_EQ(s.helpCalls().size(), 1u);
    EXPECT_EQ(s.helpCalls()[0].target, "Kavrin.chm");
    EXPECT_EQ(s.helpCalls()[0].command, HH_HELP_CONTEXT);
    EXPECT_EQ(s.helpCalls()[0].data, 0x10000u + 32771);
    app.command(57667);   // help topics: the table of contents
    EXPECT_EQ(s.helpCalls().back().command, HH_DISPLAY_TOC);

    // About dialog 100
    s.onDialog(100, [](fwtest::Running& d) {
        EXPECT_EQ(d.caption(), "关于 Kavrin");
        d.click(IDOK);
    });
    app.command(57664);
    EXPECT_EQ(s.dialogsRun().back(), 100);
}

TEST_F(StartupTest, ChildrenAreMaximisedWhenActivatedAndWindowCommandsWork) {
    CKavrinApp a;
    ASSERT_TRUE(a.InitInstance());
    app.key("Escape");
    fw::MdiFrame* f = a.mainFrame();
    app.command(57648);   // new window on the same report
    ASSERT_EQ(f->children().size(), 2u);
    EXPECT_EQ(f->children()[0]->caption(), "KAVRIN1:1");
    EXPECT_EQ(f->children()[1]->caption(), "KAVRIN1:2");
    app.command(57650);   // cascade restores the windows
    EXPECT_EQ(f->arrangement(), fw::MdiFrame::Arrangement::Cascade);
    EXPECT_EQ(f->children()[0]->showState(), fw::ShowCmd::Normal);
    f->children()[0]->ActivateFrame();   // the framework's activation maximises again
    EXPECT_EQ(f->children()[0]->showState(), fw::ShowCmd::Maximized);
    app.command(57651);
    EXPECT_EQ(f->arrangement(), fw::MdiFrame::Arrangement::Tile);
}

TEST_F(StartupTest, RecentFilesKeepAPathOnceAndAreStoredAtExit) {
    auto r1 = writeFile("a.cyt", "a\r\n");
    auto r2 = writeFile("b.tng", "b\r\n");
    {
        CKavrinApp a;
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");
        a.OpenDocumentFile(r1);
        a.OpenDocumentFile(r2);
        a.OpenDocumentFile(r1);   // already open: its window is activated, no second document
        EXPECT_EQ(a.documents().size(), 3u);   // KAVRIN1, a, b
        EXPECT_EQ(app.activeTitle(), "a.cyt");
        a.recentFiles().add(r1);
        EXPECT_EQ(a.recentFiles().files(), (std::vector<std::filesystem::path>{r1, r2}));
        ASSERT_TRUE(a.exit());
    }
    fw::registry::reload();
    const char* key = "Software\\ONDREL\\Kavrin\\Recent File List";
    EXPECT_EQ(fw::registry::readString(fw::registry::Hive::CurrentUser, key, "File1"), r1.string());
    EXPECT_EQ(fw::registry::readString(fw::registry::Hive::CurrentUser, key, "File2"), r2.string());
    CKavrinApp b;   // the next start reads them back
    ASSERT_TRUE(b.InitInstance());
    EXPECT_EQ(b.recentFiles().files().size(), 2u);
    app.key("Escape");
    app.command(57617);   // the second entry opens b.tng
    EXPECT_EQ(app.activeTitle(), "b.tng");
}

// A second start of the program, as a process of its own ("Kavrin <reports>"
// from a shell or a file manager) while `running` runs: its exit status
// and what it printed. Both would run on one thread here, so the running
// program serves its hand-offs while this one waits for the second to end.
struct SecondStart {
    int status = -1;   // -1: it did not end (it opened the reports itself and ran on)
    std::string out, err;
};

SecondStart secondStart(CKavrinApp& running, const std::vector<std::filesystem::path>& reports) {
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return {};
    std::fflush(stdout);
    std::fflush(stderr);
    pid_t child = fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        int code = 2;
        {
            std::vector<std::string> args{"Kavrin"};
            for (const auto& r : reports) args.push_back(r.string());
            CKavrinApp second;
            code = second.main(std::move(args));
        }
        std::fflush(stdout);
        std::fflush(stderr);
        _exit(code);
    }
    ::close(out[1]);
    ::close(err[1]);
    SecondStart said;
    auto drain = [](int fd, std::string& to) {
        char buf[4096];
        for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) to.append(buf, static_cast<std::size_t>(n));
    };
    ::fcntl(out[0], F_SETFL, O_NONBLOCK);
    ::fcntl(err[0], F_SETFL, O_NONBLOCK);
    int status = 0;
    for (int i = 0; i < 250 && waitpid(child, &status, WNOHANG) == 0; ++i) {
        running.pollShellOpen();
        drain(out[0], said.out);
        drain(err[0], said.err);
        usleep(20000);
    }
    if (waitpid(child, &status, WNOHANG) == 0) {   // still running: it opened the reports itself
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    } else if (WIFEXITED(status)) {
        said.status = WEXITSTATUS(status);
    }
    drain(out[0], said.out);
    drain(err[0], said.err);
    ::close(out[0]);
    ::close(err[0]);
    return said;
}

std::string takenLine(const std::filesystem::path& p) { return "Kavrin 已在运行，已由它打开：" + p.string() + "\n"; }

// The running program takes a report named at a second start, shows it in
// front (a new window, or the one that shows it already), and the second
// start ends saying it worked: status 0.
TEST_F(StartupTest, ASecondStartHandsItsReportToTheRunningProgramAndEndsWell) {
    auto handed = writeFile("hand.cyt", "handed\r\n");
    auto other = writeFile("other.tng", "other\r\n");
    // A line break and a backslash in a name travel whole.
    auto odd = writeFile("odd\nname\\.cwt", "odd\r\n");
    CKavrinApp first;
    first.setArgs({"Kavrin", other.string()});
    ASSERT_TRUE(first.InitInstance());
    ASSERT_FALSE(first.socketPath().empty());
    app.key("Escape");   // the splash goes
    struct Case {
        const char* what;
        std::filesystem::path report;
        std::size_t documents;   // open afterwards
    };
    const Case cases[] = {
        {"a report not open yet", handed, 2},
        {"a report open already, behind another", other, 2},
        {"the first one again, open behind another", handed, 2},
        {"a name with a line break and a backslash", odd, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t events = app.events().size();
        const SecondStart said = secondStart(first, {c.report});
        EXPECT_EQ(said.status, 0) << said.err;
        EXPECT_EQ(said.out, takenLine(c.report));
        EXPECT_EQ(said.err, "");
        EXPECT_EQ(app.activeTitle(), c.report.filename().string());
        EXPECT_EQ(first.documents().size(), c.documents);
        EXPECT_EQ(first.mainFrame()->MDIGetActive()->showState(), fw::ShowCmd::Maximized);
        const std::vector<std::string> after(app.events().begin() + static_cast<long>(events), app.events().end());
        EXPECT_NE(std::find(after.begin(), after.end(), "frame to front"), after.end());
    }
    EXPECT_EQ(app.activeText(), "odd\r\n");
    EXPECT_TRUE(s.messages().empty()) << s.messages().front().text;
}

// A report the running program cannot open is no success: the second start
// prints the running program's reason, the very text of the message it
// shows there, and ends with status 1; it opens nothing itself.
TEST_F(StartupTest, ASecondStartSaysWhyTheRunningProgramCouldNotOpenItsReportAndEndsWithStatus1) {
    auto kept = writeFile("kept.cyt", "kept\r\n");
    CKavrinApp first;
    first.setArgs({"Kavrin", kept.string()});
    ASSERT_TRUE(first.InitInstance());
    app.key("Escape");
    // Tests may run as root, where no file mode stops reading: a folder, a
    // pipe and an oversized file are reports no one can open.
    const auto folder = dir / "folder.tng";
    std::filesystem::create_directories(folder);
    const auto pipe = dir / "pipe.cwt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto huge = writeFile("huge.cyt", "");
    std::filesystem::resize_file(huge, fw::Document::kMaxDocumentBytes + 1);
    const auto missing = dir / "odd\nmissing.cxt";
    struct Case {
        const char* what;
        std::filesystem::path report;
        std::string reason;
    };
    std::vector<Case> cases = {
        {"a missing file (a line break in its name)", missing, "无法打开文件 " + missing.string() + "。"},
        {"a folder", folder, "无法打开文件 " + folder.string() + "。"},
        {"a pipe without a writer", pipe, "无法打开文件 " + pipe.string() + "。"},
        {"a file too large for a report", huge, "无法打开文件 " + huge.string() + "：文件大于 16 MB，不是计算报告。"},
    };
    if (::geteuid() != 0) {
        const auto locked = writeFile("locked.cyt", "locked\r\n");
        std::filesystem::permissions(locked, std::filesystem::perms::none);
        cases.push_back({"a file without read permission", locked, "无法打开文件 " + locked.string() + "。"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t events = app.events().size();
        s.expectMessage(c.reason);   // the running program's message, after its answer
        const SecondStart said = secondStart(first, {c.report});
        EXPECT_EQ(said.status, 1);
        EXPECT_EQ(said.err, c.reason + "\n");
        EXPECT_EQ(said.out, "");
        ASSERT_FALSE(s.messages().empty());
        EXPECT_EQ(s.messages().back().text, c.reason);
        EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation);
        EXPECT_EQ(first.documents().size(), 1u);
        EXPECT_EQ(app.activeTitle(), "kept.cyt");
        // in front, so its user sees the message
        const std::vector<std::string> after(app.events().begin() + static_cast<long>(events), app.events().end());
        EXPECT_NE(std::find(after.begin(), after.end(), "frame to front"), after.end());
    }
    EXPECT_TRUE(s.allUsed());

    // Several at once: each is answered, the ones taken are said as such,
    // and the status is 1 as one of them failed.
    auto a = writeFile("a.cyt", "a\r\n");
    auto b = writeFile("b.tng", "b\r\n");
    s.expectMessage("无法打开文件 " + folder.string() + "。");
    const SecondStart said = secondStart(first, {a, folder, b});
    EXPECT_EQ(said.status, 1);
    EXPECT_EQ(said.out, takenLine(a) + takenLine(b));
    EXPECT_EQ(said.err, "无法打开文件 " + folder.string() + "。\n");
    EXPECT_EQ(first.documents().size(), 3u);
    EXPECT_EQ(app.activeTitle(), "b.tng");
    EXPECT_TRUE(s.allUsed());

    // A name as long as a request may carry, nearly all of it backslashes
    // sent escaped: the answer stays within its bound, so the reason comes
    // cut, but whole up to the cut (never half an escape).
    const std::filesystem::path longest = "/x" + std::string(8187, '\\');
    const std::string reason = "无法打开文件 " + longest.string() + "。";
    s.expectMessage(reason);
    const SecondStart cut = secondStart(first, {longest});
    EXPECT_EQ(cut.status, 1);
    ASSERT_GT(cut.err.size(), 1000u);
    EXPECT_LT(cut.err.size(), reason.size());
    EXPECT_EQ(reason.compare(0, cut.err.size() - 1, cut.err, 0, cut.err.size() - 1), 0) << cut.err.substr(0, 100);
    EXPECT_EQ(first.documents().size(), 3u);
}

// What the running program does with a request that is not whole, or whose
// sender has given up waiting for the answer: it opens nothing.
TEST_F(StartupTest, TheRunningProgramOpensNothingForABrokenHandOff) {
    auto report = writeFile("report.cyt", "report\r\n");
    CKavrinApp first;
    ASSERT_TRUE(first.InitInstance());
    app.key("Escape");
    const std::filesystem::path sock = first.socketPath();
    auto connectToRunning = [&] {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        std::memcpy(a.sun_path, sock.c_str(), sock.string().size() + 1);
        EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
        return fd;
    };
    struct Case {
        const char* what;
        std::string request;
        bool waits;   // the sender waits for the answer
    };
    const std::string path = report.string();
    const Case cases[] = {
        {"a path without its line end", "open " + path, true},
        {"a path with an unknown escape", "open " + path + "\\t\n", true},
        {"an empty path", "open \n", true},
        {"another request", "show " + path + "\n", true},
        {"a line longer than any path", "open " + std::string(20000, 'a') + "\n", true},
        {"a sender that has given up", "open " + path + "\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t events = app.events().size();
        const int fd = connectToRunning();
        ASSERT_EQ(::send(fd, c.request.data(), c.request.size(), MSG_NOSIGNAL), static_cast<ssize_t>(c.request.size()));
        ::shutdown(fd, SHUT_WR);
        if (!c.waits) ::close(fd);
        first.pollShellOpen();
        if (c.waits) {
            char buf[64] = {};
            EXPECT_EQ(::recv(fd, buf, sizeof buf - 1, 0), 3);
            EXPECT_STREQ(buf, "no\n");
            ::close(fd);
        }
        EXPECT_EQ(first.documents().size(), 1u);
        EXPECT_EQ(app.activeTitle(), "KAVRIN1");
        EXPECT_EQ(app.events().size(), events) << app.events().back();
    }
    EXPECT_TRUE(s.messages().empty()) << s.messages().front().text;
}

// A hand-off nobody takes (a program that does not answer, or a socket left
// behind by one that ended) is no failure: the report opens in this start,
// as if no program ran.
TEST_F(StartupTest, AHandOffNobodyTakesOpensTheReportInTheNewProgram) {
    auto report = writeFile("late.cyt", "late\r\n");
    std::filesystem::path sock;   // where the program looks for a running one
    {
        CKavrinApp probe;
        probe.EnableShellOpen();
        sock = probe.socketPath();
    }
    ASSERT_FALSE(sock.empty());
    ASSERT_LT(sock.string().size(), sizeof(sockaddr_un::sun_path));
    struct Case {
        const char* what;
        bool listening;   // a program listens, and closes every connection without an answer
    };
    for (const Case c : {Case{"a program that does not answer", true}, Case{"a socket left behind", false}}) {
        SCOPED_TRACE(c.what);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        std::memcpy(a.sun_path, sock.c_str(), sock.string().size() + 1);
        ::unlink(sock.c_str());
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
        if (c.listening) {
            ASSERT_EQ(::listen(fd, 8), 0);
        }
        std::atomic<bool> stop{false};
        std::atomic<int> calls{0};
        std::thread mute([&] {
            while (c.listening && !stop) {
                pollfd p{fd, POLLIN, 0};
                if (::poll(&p, 1, 20) > 0)
                    if (int conn = ::accept(fd, nullptr, nullptr); conn >= 0) {
                        ++calls;
                        ::close(conn);
                    }
            }
        });
        {
            CKavrinApp second;
            second.setArgs({"Kavrin", report.string()});
            EXPECT_TRUE(second.InitInstance());
            EXPECT_FALSE(second.handedOver());
            EXPECT_EQ(app.activeTitle(), "late.cyt");
            EXPECT_EQ(app.activeText(), "late\r\n");
        }
        stop = true;
        mute.join();
        if (c.listening) {
            EXPECT_EQ(calls, 2) << "looked for a running program, then tried to hand over";
        }
        ::close(fd);
        SetUp();
    }
}

}  // namespace
