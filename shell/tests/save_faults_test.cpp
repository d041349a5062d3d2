// Saves through real calculators and the report window when the file system
// refuses: a full disk while a report is appended, a report marked
// read-only, a file name as long as the file system allows. The old files
// stay byte for byte, no temporary is left, the user is told.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>

#include "fwtest/file_size_limit.h"
#include "cylindrical/cy_proof_dlg.h"
#include "cylindrical/cypre_dlg.h"
#include "cylindrical/tests/proof_test_support.h"
#include "cylindrical/tests/worked_example.h"
#include "fw/text.h"
#include "shell/kavrin_app.h"
#include "shell_fixture.h"

namespace {

// The fault: a file-size limit makes every write past it fail, as a full
// disk does part way through.
using fwtest::FileSizeLimit;

std::vector<std::string> namesIn(const std::filesystem::path& dir) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(dir)) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

class SaveFaultsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");   // the splash
    }
    // 强度校核 with 保存返回 answered by `report`; the refusal answered, the
    // dialog then left.
    void rateAndAppendTo(const std::filesystem::path& report) {
        proof_test::queueContactRating(s);
        s.onDialog(CCyProofDlg::IDD, [](fwtest::Running& d) {
            proof_test::rateContact(d);
            d.click(IDOK);
            EXPECT_FALSE(d.ended()) << "a failed report keeps the dialog open";
            d.end(IDCANCEL);
        });
        s.answerSave(report);
        s.expectMessage("不能打开文件" + report.string());
        app.command(32773);
    }
    const std::filesystem::path data = dir / "home" / "data";
    CKavrinApp a;
};

TEST_F(SaveFaultsTest, RatingReportAppendedOnAFullDiskStaysAsItWas) {
    const auto report = data / "pair.cyt";
    std::string old;
    for (int k = 0; k < 100; ++k) old += fw::gbkFromUtf8("\t齿轮几何计算 第" + std::to_string(k) + "行\r\n");
    ASSERT_GT(old.size(), 2000u);
    writeFile("home/data/pair.cyt", old);
    {
        FileSizeLimit full(1000);   // below the old report: copying it fails
        rateAndAppendTo(report);
    }
    EXPECT_EQ(readBytes(report), old);
    EXPECT_EQ(namesIn(data), std::vector<std::string>{"pair.cyt"});
    EXPECT_EQ(app.activeTitle(), "KAVRIN1") << "no report loaded";
}

TEST_F(SaveFaultsTest, ReadOnlyReportIsNotReplaced) {
    const auto report = data / "locked.cyt";
    writeFile("home/data/locked.cyt", "old\r\n");
    ASSERT_EQ(::chmod(report.c_str(), 0444), 0);
    rateAndAppendTo(report);
    EXPECT_EQ(readBytes(report), "old\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(report.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_EQ(namesIn(data), std::vector<std::string>{"locked.cyt"});

    // The report window's own save (保存修改) of a read-only report.
    fw::Document* d = a.OpenDocumentFile(report);
    ASSERT_NE(d, nullptr);
    app.activeView()->userEdited("edited\n");
    s.expectMessage("无法保存文件 " + fw::normalisedPath(report).string() + "。");
    app.command(57603);
    EXPECT_TRUE(d->IsModified());
    EXPECT_EQ(readBytes(report), "old\r\n");
}

TEST_F(SaveFaultsTest, LongestChineseNameSavesDesignAndReport) {
    std::string stem;
    for (int k = 0; k < 80; ++k) stem += "齿";   // 240 bytes: with ".cyb" 244 of the 255 a name may have
    const auto report = data / (stem + ".cyt");
    s.onDialog(CypreDlg::IDD, [](fwtest::Running& d) {
        cylindrical_test::enterWorkedExample(d);
        d.click(IDOK);
    });
    s.answerSave(data / stem);
    s.expectMessage("计算记录已以\n" + report.string() + "\n文件名输出报告！");
    app.command(32771);
    EXPECT_EQ(namesIn(data), (std::vector<std::string>{stem + ".cyb", stem + ".cyt"}));
    EXPECT_EQ(app.activeTitle(), report.string());
    EXPECT_EQ(app.activeText(), fw::utf8FromGbk(readBytes(report)));
}

// A report far larger than any calculator writes is refused with its reason;
// a pipe in place of a report neither opens nor holds the program.
TEST_F(SaveFaultsTest, OversizedReportOrPipeIsNotOpened) {
    const auto big = data / "big.cyt";
    writeFile("home/data/big.cyt", "x");
    std::filesystem::resize_file(big, fw::Document::kMaxDocumentBytes + 1);   // sparse: no disk used
    const std::size_t docs = a.documents().size();
    s.expectMessage("无法打开文件 " + fw::normalisedPath(big).string() + "：文件大于 16 MB，不是计算报告。");
    EXPECT_EQ(a.OpenDocumentFile(big), nullptr);
    const auto fifo = data / "pipe.cyt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    s.expectMessage("无法打开文件 " + fw::normalisedPath(fifo).string() + "。");
    EXPECT_EQ(a.OpenDocumentFile(fifo), nullptr);
    EXPECT_EQ(a.documents().size(), docs);
}

}  // namespace
