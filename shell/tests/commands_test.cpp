// The calculator command table: a calculator's OK loads its report into the
// active window, Cancel leaves it alone; the sheet and wizard paths; the
// placeholder for calculators not yet built; the help documents.
#include <algorithm>
#include <gtest/gtest.h>

#include "shell/calculator_commands.h"
#include "shell/command_table.h"
#include "shell/kavrin_app.h"
#include "shell_fixture.h"

namespace {

// A stand-in calculator: template 9000 of a test module. OK writes the
// report named by `g_reportToWrite` (when set) and ends with IDOK.
fw::Module& testModule() {
    static fw::Module m = [] {
        fw::Module mod("shelltest");
        mod.addDialog({.id = 9000, .caption = "calc", .body = {fw::defButton(IDOK, "OK"), fw::button(IDCANCEL, "Cancel")}});
        mod.addDialog({.id = 9001, .caption = "page", .body = {fw::label("page")}});
        return mod;
    }();
    return m;
}
std::filesystem::path g_reportToWrite;
std::string g_reportText;

void writeReport(std::string& reportPath) {
    reportPath = g_reportToWrite.string();
    if (!g_reportText.empty()) std::ofstream(g_reportToWrite, std::ios::binary) << g_reportText;
}

class FakeCalc : public fw::Dialog {
public:
    explicit FakeCalc(fw::Window* parent) : fw::Dialog(testModule(), 9000, parent) {}
    void OnOK() override {
        writeReport(m_strReportPath);
        EndDialog(IDOK);
    }
    std::string m_strReportPath;
};

class FakePage : public fw::PropertyPage {
public:
    FakePage() : fw::PropertyPage(testModule(), 9001) {}
};

class FakeSheet : public fw::PropertySheet {
public:
    FakeSheet(const char* caption, fw::Window* parent) : fw::PropertySheet(caption, parent) { AddPage(&m_page); }
    bool doSave() {
        ++saves;
        if (!saveWorks) return false;
        writeReport(m_strReportPath);
        return true;
    }
    FakePage m_page;
    std::string m_strReportPath;
    static inline bool saveWorks = true;
    static inline int saves = 0;
};

class FakeWizard : public fw::PropertySheet {
public:
    FakeWizard(int captionId, fw::Window* parent) : fw::PropertySheet("wizard " + std::to_string(captionId), parent) {
        AddPage(&m_page);
    }
    bool SaveDesignAndReport() { return FakeSheet::saveWorks ? (writeReport(m_strReportPath), true) : false; }
    FakePage m_page;
    std::string m_strReportPath;
};

class CommandsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");
        current = writeFile("current.cyt", "current report\r\n");
        a.OpenDocumentFile(current);
        app.activeView()->userEdited("current report\nedited\n");
        g_reportToWrite = dir / "gear.cyt";
        g_reportText = "\xb1\xa8\xb8\xe6\r\n";   // "报告" in GBK
        FakeSheet::saveWorks = true;
        FakeSheet::saves = 0;
    }
    CKavrinView& view() { return dynamic_cast<CKavrinView&>(*app.activeView()); }
    CKavrinApp a;
    std::filesystem::path current;
};

TEST_F(CommandsTest, OkLoadsTheReportIntoTheActiveWindowWithItsPathAsTitle) {
    fw::Document* before = app.activeDocument();
    s.onDialog(9000, [](fwtest::Running& d) { d.click(IDOK); });
    runModalCalculator<FakeCalc>(view());
    EXPECT_EQ(app.activeDocument(), before);   // replaced in place, no save question
    EXPECT_EQ(app.activeText(), "报告\r\n");
    EXPECT_EQ(app.activeTitle(), g_reportToWrite.string());
    EXPECT_EQ(view().m_strReportPath, g_reportToWrite.string());
    EXPECT_FALSE(before->IsModified());
    EXPECT_EQ(a.recentFiles().files().front(), g_reportToWrite);
    // the same report twice is listed once
    s.onDialog(9000, [](fwtest::Running& d) { d.click(IDOK); });
    runModalCalculator<FakeCalc>(view());
    EXPECT_EQ(std::count(a.recentFiles().files().begin(), a.recentFiles().files().end(), g_reportToWrite), 1);
}

TEST_F(CommandsTest, CancelLeavesTheActiveReportUntouched) {
    s.onDialog(9000, [](fwtest::Running& d) { d.click(IDCANCEL); });
    runModalCalculator<FakeCalc>(view());
    EXPECT_EQ(app.activeText(), "current report\r\nedited\r\n");
    EXPECT_EQ(app.activeTitle(), "current.cyt");
    EXPECT_TRUE(app.activeDocument()->IsModified());
}

TEST_F(CommandsTest, AReportThatCannotBeReadLeavesTheDocumentAsItWas) {
    g_reportToWrite = dir / "missing" / "gone.cyt";
    g_reportText.clear();
    s.onDialog(9000, [](fwtest::Running& d) { d.click(IDOK); });
    s.expectMessage("报告文件操作失败！");
    runModalCalculator<FakeCalc>(view());
    EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation);
    EXPECT_EQ(app.activeText(), "current report\r\nedited\r\n");
    EXPECT_EQ(app.activeTitle(), "current.cyt");
}

TEST_F(CommandsTest, GeometrySheetSavesOnOkOrOnCancelAnsweredYes) {
    struct Case {
        const char* name;
        int end;
        int answer;       // 0: no question expected
        bool saveWorks;
        bool loaded;
    } cases[] = {
        {"OK saves and loads", IDOK, 0, true, true},
        {"Cancel, Yes saves and loads", IDCANCEL, IDYES, true, true},
        {"Cancel, No does nothing", IDCANCEL, IDNO, true, false},
        {"a failed save loads nothing", IDOK, 0, false, false},   // only a real save loads a report
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        a.OpenDocumentFile(current);
        fw::Document* d = app.activeDocument();
        d->OnOpenDocument(current);
        d->SetTitle("current.cyt");
        FakeSheet::saveWorks = c.saveWorks;
        s.onSheet([&](fwtest::Running& r) {
            EXPECT_EQ(r.caption(), "《Ondrel》 Kavrin  齿轮几何计算程序");
            r.end(c.end);
        });
        if (c.answer) s.expectMessage("退出圆柱齿轮几何计算程序，是(Yes)否(No)保存数据？", c.answer);
        runGeometrySheet<FakeSheet>(view());
        EXPECT_EQ(app.activeTitle(), c.loaded ? g_reportToWrite.string() : "current.cyt");
    }
}

TEST_F(CommandsTest, WizardFinishSavesThenLoadsAndPublishesItself) {
    FakeWizard* published = nullptr;
    s.onSheet([&](fwtest::Running& r) {
        EXPECT_NE(published, nullptr);
        EXPECT_TRUE(r.sheet()->isWizard());
        r.end(ID_WIZFINISH);
    });
    runCycloidWizard<FakeWizard>(view(), 109, published);
    EXPECT_EQ(published, nullptr);
    EXPECT_EQ(app.activeTitle(), g_reportToWrite.string());

    FakeSheet::saveWorks = false;
    s.onSheet([](fwtest::Running& r) { r.end(ID_WIZFINISH); });
    s.expectMessage("未能成功储存数据！");
    runCycloidWizard<FakeWizard>(view(), 109, published);
}

TEST_F(CommandsTest, TableListsEveryCommandOnceWithItsPrompt) {
    const int ids[] = {32771, 32772, 32773, 32790, 32791, 32809, 32774, 32776, 32777, 32779, 32780, 32781,
                       32782, 32783, 32784, 32785, 32786, 32796, 32787, 32800, 32789, 32798, 32802};
    EXPECT_EQ(commandTable().size(), std::size(ids));
    for (int id : ids) {
        const CalculatorCommand* c = findCommand(id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_EQ(a.mainFrame()->module()->string(id), c->prompt) << id;
    }
    EXPECT_EQ(std::string(findCommand(32787)->prompt), "渐开线函数与压力角双向速算\ninvα");
}

TEST_F(CommandsTest, CalculatorsNotYetBuiltShowThePlaceholder) {
    const auto& table = commandTable();
    auto missing = std::find_if(table.begin(), table.end(), [](const CalculatorCommand& c) { return !c.available; });
    if (missing == table.end()) GTEST_SKIP() << "every calculator is built";
    s.expectMessage("该计算程序尚未提供，敬请期待。");
    app.command(missing->id);
    EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Information);
    EXPECT_EQ(app.activeTitle(), "current.cyt");
}

TEST_F(CommandsTest, HelpDocumentsOpenFromTheMentlocFolder) {
    app.command(32789);
    app.command(32798);
    ASSERT_EQ(s.shellOpens().size(), 2u);
    EXPECT_EQ(s.shellOpens()[0].file, dir / "home" / "docs" / "manual.htm");
    EXPECT_EQ(s.shellOpens()[0].workingDir, dir / "home" / "docs");
    EXPECT_EQ(s.shellOpens()[1].file, dir / "home" / "docs" / "examples.htm");
    EXPECT_TRUE(s.messages().empty());

    // The file is missing (or cannot be shown): a message names it.
    s.shellOpenResult(false);
    s.expectMessage("未能打开文档：\n" + (dir / "home" / "docs" / "examples.htm").string() +
                    "\n请检查软件安装目录中的说明文档。");
    app.command(32798);
    EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation);
    s.shellOpenResult(true);

    writeMachine("[SOFTWARE\\ondrel\\kavrin]\nxpfileloc=/x\n");   // no mentloc
    s.expectMessage("未找到说明文档所在的文件夹，无法打开文档！");
    app.command(32789);
    EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Stop);
    EXPECT_EQ(s.shellOpens().size(), 3u);
}

TEST_F(CommandsTest, UpdateCheckRunsUnderTheWaitCursorAndShowsItsMessage) {
    // No update server configured in this installation: the check says so
    // in Chinese (not a network failure); the program goes on.
    s.answerMessage(IDOK);
    app.command(32802);
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_EQ(s.messages()[0].text, "未配置版本更新服务器（安装信息中缺少 updatehost），无法检测版本更新。");
    EXPECT_EQ(s.messages()[0].icon, fw::MessageIcon::Exclamation);
    EXPECT_EQ(s.messages()[0].buttons, fw::MessageButtons::Ok);
    EXPECT_EQ(s.waitCursorShows(), 1);
    EXPECT_FALSE(s.waitCursorOn());
    EXPECT_EQ(app.activeTitle(), "current.cyt");
}

}  // namespace
