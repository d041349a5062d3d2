// The report document and view: the report opener, raw round trip of a
// GBK report, editing, the save question, dropped files, printing.
#include <gtest/gtest.h>

#include "fw/text.h"
#include "shell/kavrin_app.h"
#include "shell/kavrin_view.h"
#include "shell_fixture.h"

namespace {

constexpr const char* kNotReport = "要打开的文件不是计算数据报告文件！";

class ReportTest : public ShellTest {
protected:
    void start() {
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");   // the splash
    }
    CKavrinApp a;
};

TEST_F(ReportTest, OpenerAcceptsReportExtensionsInAnyCase) {
    // Extensions of the opener (the last four characters, case ignored).
    struct Case {
        const char* name;
        bool accepted;
    } cases[] = {{"X.CYT", true}, {"x.tng", true}, {"y.Cwt", true}, {"z.cxt", true},
                 {"X.txt", false}, {"gear.cyb", false}, {"cyt", false}};
    for (const auto& c : cases) EXPECT_EQ(isReportFileName(c.name), c.accepted) << c.name;

    start();
    auto good = writeFile("X.CYT", "upper\r\n");
    s.answerOpen(good);
    app.command(57601);
    ASSERT_EQ(s.files().size(), 1u);
    const fw::FileRequest& r = s.files()[0].request;
    EXPECT_EQ(r.title, "《Ondrel》 打开已有的报告数据文件");
    ASSERT_EQ(r.filters.size(), 5u);
    EXPECT_EQ(r.filters[0].description, "圆柱齿轮计算(*.cyt)");
    EXPECT_EQ(r.filters[4].patterns, "*.*");
    EXPECT_TRUE(r.flags & OFN_FILEMUSTEXIST);
    EXPECT_EQ(app.activeTitle(), "查询已有的计算报告" + good.string());
    EXPECT_EQ(app.activeText(), "upper\r\n");

    auto bad = writeFile("X.txt", "text\r\n");
    s.answerOpen(bad);
    s.expectMessage(kNotReport);
    std::size_t docs = a.documents().size();
    app.command(57601);
    EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Stop);
    EXPECT_EQ(a.documents().size(), docs);

    s.cancelFile();   // Cancel ends the command
    app.command(57601);
    EXPECT_EQ(a.documents().size(), docs);
}

TEST_F(ReportTest, GbkReportRoundTripsByteForByte) {
    start();
    // "齿轮" in GBK, CR LF lines, a lone 0xFF byte that is no GBK character
    const std::string bytes = "\xb3\xdd\xc2\xd6 report\r\n\t\xff value\r\nlast";
    auto p = writeFile("r.cyt", bytes);
    fw::Document* d = a.OpenDocumentFile(p);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(app.activeText().substr(0, 6), "齿轮");
    EXPECT_FALSE(d->IsModified());
    app.command(57603);   // save untouched
    EXPECT_EQ(readBytes(p), bytes);

    // typing a line at the end (the widget reports "\n" line ends)
    fw::EditView* v = app.activeView();
    v->userEdited(v->displayText() + "\nadded");
    EXPECT_TRUE(d->IsModified());
    app.command(57603);
    EXPECT_EQ(readBytes(p), bytes + "\r\nadded");
    EXPECT_FALSE(d->IsModified());

    // undo, cut and paste in the model
    app.command(57643);
    EXPECT_EQ(v->text(), fw::utf8FromGbk(bytes));
    v->userSelect(v->text().size() - 4, v->text().size());
    app.command(57635);
    EXPECT_EQ(v->text(), fw::utf8FromGbk(bytes.substr(0, bytes.size() - 4)));
    v->userSelect(0, 0);
    app.command(57637);
    EXPECT_EQ(v->text().substr(0, 4), "last");
}

TEST_F(ReportTest, ClosingAModifiedReportAsksToSave) {
    start();
    auto p = writeFile("q.cyt", "one\r\n");
    fw::Document* d = a.OpenDocumentFile(p);
    ASSERT_NE(d, nullptr);
    app.activeView()->userEdited("one\ntwo\n");
    s.expectMessage("是否保存对 " + fw::normalisedPath(p).string() + " 的更改?", IDCANCEL);
    app.command(57602);   // Cancel: stays open
    EXPECT_EQ(app.activeTitle(), "q.cyt");
    s.expectMessage("是否保存对 " + fw::normalisedPath(p).string() + " 的更改?", IDYES);
    app.command(57602);
    EXPECT_EQ(readBytes(p), "one\r\ntwo\r\n");
    EXPECT_EQ(app.activeTitle(), "KAVRIN1");

    // exit asks for each modified report; No drops the edits
    app.activeView()->userEdited("draft");
    s.expectMessage("是否保存对 KAVRIN1 的更改?", IDNO);
    EXPECT_TRUE(a.exit());
    EXPECT_TRUE(app.happened("quit"));
}

TEST_F(ReportTest, DroppedFilesOpenAndPrintingGoesToThePrintService) {
    start();
    auto p1 = writeFile("d1.cyt", "drop one\r\n");
    auto p2 = writeFile("d2.cwt", "drop two\r\nline\r\n");
    app.dropFiles({p1, p2});
    EXPECT_EQ(app.activeTitle(), "d2.cwt");
    app.command(57609);   // print preview
    app.command(57607);   // print
    ASSERT_EQ(s.prints().size(), 2u);
    EXPECT_TRUE(s.prints()[0].preview);
    EXPECT_EQ(s.prints()[1].text, "drop two\nline\n");
    EXPECT_EQ(s.prints()[1].title, "d2.cwt");
    app.command(57606);   // print setup
    EXPECT_TRUE(s.prints().back().setupOnly);
}

TEST_F(ReportTest, CommandLinePrintPrintsAndEnds) {
    auto p = writeFile("p.cyt", "to print\r\n");
    a.setArgs({"Kavrin", "/p", p.string()});
    EXPECT_FALSE(a.InitInstance());
    ASSERT_EQ(s.prints().size(), 1u);
    EXPECT_EQ(s.prints()[0].text, "to print\n");
}

}  // namespace
