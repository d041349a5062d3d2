// The cycloid wizard as the shell runs it: caption, pages, help, the save of
// the design file and report, the load of page 1's button, and the shell's
// handling of Finish and Cancel.
#include <gtest/gtest.h>

#include "cex_test_support.h"
#include "common/calc/record_check.h"
#include "cycloid/calc/cex_report.h"
#include "cycloid/cex_design.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"
#include "shell/command_table.h"
#include "shell/kavrin_app.h"
#include "shell/kavrin_view.h"
#include "shell/tests/shell_fixture.h"

using namespace cycloid;
using namespace cextest;

namespace {

class CexySheetTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        g_cexRecord = filledRecord();
        g_strCexDesignPath.clear();
        g_pCexySheet = nullptr;
    }
    void TearDown() override {
        g_cexRecord = {};
        g_strCexDesignPath.clear();
    }
    std::string namesNotice(const std::filesystem::path& d, const std::filesystem::path& r) {
        return fw::format(kMsgSaveNames, d.string().c_str(), r.string().c_str());
    }
};

TEST_F(CexySheetTest, CaptionPagesAndHelpOfEachPage) {
    // Page 2 clears the pins-left-out flag for K2 2.59 (it would make page 6's
    // results stale); the record is complete without it.
    g_cexRecord.b2.pinsLeftOut = 0;
    CCexyPropertySheet sheet(109, nullptr);
    g_pCexySheet = &sheet;
    sheet.SetWizardMode();
    s.onSheet([&](fwtest::Running& r) {
        EXPECT_EQ(r.caption(), "《Ondrel》Kavrin 一齿差行星摆线针轮传动计算");
        const int ids[] = {104, 105, 106, 107, 108, 143};
        const char* titles[] = {"预定参数", "传动零件设计", "间隙和转角修形量", "优化修形量", "棒测量", "强度校验"};
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(r.activePage(), k);
            EXPECT_EQ(r.dialog().templateId(), ids[k]);
            EXPECT_EQ(r.sheet()->GetPage(k)->title(), titles[k]);
            r.click(fw::IDHELP);
            if (k < 5) { EXPECT_TRUE(r.next()) << k; }
        }
        // A complete record: page 6 offers Back and Finish.
        EXPECT_TRUE(r.buttonEnabled(fw::ID_WIZFINISH));
        r.end(IDCANCEL);
    });
    sheet.DoModal();
    ASSERT_EQ(s.helpCalls().size(), 6u);
    const unsigned contexts[] = {0x20068, 0x20069, 0x2006A, 0x2006B, 0x2006C, 0x2008F};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(s.helpCalls()[k].target, "Kavrin.chm");
        EXPECT_EQ(s.helpCalls()[k].command, fw::HH_HELP_CONTEXT);
        EXPECT_EQ(s.helpCalls()[k].data, contexts[k]);
    }
    g_pCexySheet = nullptr;
}

TEST_F(CexySheetTest, StoreStepsTellTheRunningSheetItsButtons) {
    CCexyPropertySheet sheet(109, nullptr);
    g_pCexySheet = &sheet;
    StoreDecision d = cexStoreStep(2);
    EXPECT_EQ(d.status, 402);
    EXPECT_EQ(sheet.wizardButtons(), kWizBack | kWizNext);
    g_cexRecord.b2.dw = 0;
    d = cexStoreStep(2);
    EXPECT_EQ(g_cexRecord.b2.status, 0);
    EXPECT_EQ(sheet.wizardButtons(), kWizBack);
    // Stale results: incomplete even with a full mask.
    g_cexRecord.b4.status = 404;
    cexStoreStep(4, false);
    EXPECT_EQ(g_cexRecord.b4.status, 0);
    EXPECT_EQ(sheet.wizardButtons(), kWizBack);
    // Page 3 keeps its status while incomplete, and loses it on leaving.
    g_cexRecord.b3.dj = 0;
    cexStoreStep(3);
    EXPECT_EQ(g_cexRecord.b3.status, 403);
    cexLeaveStep(3);
    EXPECT_EQ(g_cexRecord.b3.status, 0);
    // Page 5 sets block 5's diameters from blocks 2 and 4.
    cexStoreStep(5);
    EXPECT_DOUBLE_EQ(g_cexRecord.b5.dac, 188.1273 - 0.145);
    EXPECT_EQ(g_cexRecord.b5.status, 405);
    g_pCexySheet = nullptr;
}

TEST_F(CexySheetTest, SaveWritesBothFilesWithTheirNames) {
    struct Row {
        const char* chosen;
        const char* design;
        const char* report;
    };
    std::filesystem::create_directories(dir / "x.cxd.d");
    const Row rows[] = {{"gear.txt", "gear.cxd", "gear.cxt"},
                        {"gear", "gear.cxd", "gear.cxt"},
                        {"a.b.cxd", "a.b.cxd", "a.b.cxt"},
                        {"x.cxd.d/gear.txt", "x.cxd.d/gear.cxd", "x.cxd.d/gear.cxt"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.chosen);
        CCexyPropertySheet sheet(109, nullptr);
        s.answerSave(dir / row.chosen);
        s.expectMessage(namesNotice(dir / row.design, dir / row.report));
        EXPECT_EQ(sheet.SaveDesignAndReport(), 1);
        EXPECT_EQ(sheet.m_strReportPath, (dir / row.report).string());
        auto bytes = fileBytes(dir / row.design);
        EXPECT_EQ(bytes.size(), 992u);
        auto loaded = parseDesignFile(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        ASSERT_TRUE(loaded);
        EXPECT_EQ(recordBytes(loaded->record), recordBytes(filledRecord()));
        auto report = fileBytes(dir / row.report);
        EXPECT_EQ(report, fileBytes(fixture("cex_filled.cxt")));
    }
    const auto& req = s.files().front().request;
    EXPECT_EQ(req.title, "《Ondrel》保存摆线设计数据文件");
    EXPECT_EQ(req.initialName, "*.cxd");
    EXPECT_EQ(req.folder, dir / "home" / "data");
    EXPECT_TRUE(s.allUsed());
}

TEST_F(CexySheetTest, SaveQuestionOnlyForIncompleteBlocksOneToFive) {
    // Block 6 alone incomplete: no question.
    g_cexRecord.b6.status = 0;
    {
        CCexyPropertySheet sheet(109, nullptr);
        s.answerSave(dir / "six");
        s.expectMessage(namesNotice(dir / "six.cxd", dir / "six.cxt"));
        EXPECT_EQ(sheet.SaveDesignAndReport(), 1);
        std::string rep = fw::utf8FromGbk(ShellTest::readBytes(dir / "six.cxt"));
        EXPECT_NE(rep.find("7. 啮合副强度校核:没有保存数据或数据格式不正确！"), std::string::npos);
    }
    // Block 3 incomplete: the question; No writes nothing and returns 0.
    g_cexRecord.b3.status = 0;
    {
        CCexyPropertySheet sheet(109, nullptr);
        s.expectMessage(kMsgAskIncompleteSave, IDNO);
        EXPECT_EQ(sheet.SaveDesignAndReport(), 0);
        EXPECT_TRUE(s.files().size() == 1);   // no further file dialog
        // Yes saves, incomplete block written with status 0.
        s.expectMessage(kMsgAskIncompleteSave, IDYES);
        s.answerSave(dir / "three");
        s.expectMessage(namesNotice(dir / "three.cxd", dir / "three.cxt"));
        EXPECT_EQ(sheet.SaveDesignAndReport(), 1);
        auto b = fileBytes(dir / "three.cxd");
        EXPECT_EQ(b[560 + 56], 0);
        // Cancel in the save dialog.
        s.expectMessage(kMsgAskIncompleteSave, IDYES);
        s.cancelFile();
        EXPECT_EQ(sheet.SaveDesignAndReport(), 0);
    }
    EXPECT_TRUE(s.allUsed());
}

TEST_F(CexySheetTest, SaveFailuresLeaveOlderFilesAlone) {
    CCexyPropertySheet sheet(109, nullptr);
    // A folder that cannot be written.
    auto missing = dir / "missing" / "gear.cxd";
    s.answerSave(missing);
    s.expectMessage(namesNotice(missing, dir / "missing" / "gear.cxt"));
    // The save says it could not create the file (not a read message).
    s.expectMessage(fw::format("不能打开文件%s,ERROR = 2", missing.string().c_str()));
    EXPECT_EQ(sheet.SaveDesignAndReport(), 0);
    // A design file that cannot be replaced (a folder of its name): the save
    // names the file it could not write (no read message), the folder stays.
    std::filesystem::create_directory(dir / "folder.cxd");
    s.answerSave(dir / "folder.cxd");
    s.expectMessage(namesNotice(dir / "folder.cxd", dir / "folder.cxt"));
    s.answerMessage(IDOK);
    EXPECT_EQ(sheet.SaveDesignAndReport(), 0);
    const std::string failed = s.messages().back().text;
    EXPECT_NE(failed.find((dir / "folder.cxd").string() + ",ERROR = "), std::string::npos) << failed;
    EXPECT_EQ(failed.find("读取"), std::string::npos) << failed;
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.cxd"));
    EXPECT_FALSE(std::filesystem::exists(dir / "folder.cxt"));
    // A report that cannot be written: the older design file stays.
    writeFile("gear.cxd", "older");
    std::filesystem::create_directory(dir / "gear.cxt");
    s.answerSave(dir / "gear.cxd");
    s.expectMessage(namesNotice(dir / "gear.cxd", dir / "gear.cxt"));
    s.expectMessage(kMsgReportError);
    EXPECT_EQ(sheet.SaveDesignAndReport(), 0);
    EXPECT_EQ(ShellTest::readBytes(dir / "gear.cxd"), "older");
    EXPECT_TRUE(sheet.m_strReportPath.empty());
    EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation);
}

// The save runs the load's check first: a record that would not load again
// is not written, the user is told which field, the older file stays.
TEST_F(CexySheetTest, SaveRefusesWhatWouldNotLoad) {
    writeFile("gear.cxd", "older");
    g_strCexDesignPath = (dir / "gear.cxd").string();
    g_cexRecord.b1.Tc = INFINITY;
    CCexyPropertySheet sheet(109, nullptr);
    s.expectMessage("设计数据有误，未保存：第1页(预定参数)的输出扭矩 Tc：请输入 0 或 0.000001 到 10000000000 之间的数值。");
    EXPECT_EQ(sheet.SaveDesignAndReport(), 0);
    EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation);
    EXPECT_TRUE(s.files().empty());
    EXPECT_EQ(ShellTest::readBytes(dir / "gear.cxd"), "older");
    EXPECT_FALSE(std::filesystem::exists(dir / "gear.cxt"));
    EXPECT_TRUE(sheet.m_strReportPath.empty());
    g_cexRecord = filledRecord();
    g_cexRecord.b2.X2 = 7;
    s.expectMessage("设计数据有误，未保存：第2页(传动零件设计)的柱销数 X2 须为6、8、10、12或16。");
    EXPECT_EQ(sheet.SaveDesignAndReport(), 0);
    EXPECT_TRUE(s.allUsed());
}

class CexyLoadTest : public CexySheetTest {
protected:
    std::filesystem::path put(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        auto p = dir / name;
        writeBytes(p, bytes);
        return p;
    }
};

TEST_F(CexyLoadTest, LoadReplacesTheRecordAndPath) {
    g_cexRecord = {};
    auto p = put("gear.cxd", fileBytes(fixture("cex_filled.cxd")));
    s.answerOpen(p);
    EXPECT_EQ(cexLoadDesign(nullptr), CexLoad::Loaded);
    EXPECT_EQ(recordBytes(g_cexRecord), recordBytes(filledRecord()));
    EXPECT_EQ(g_strCexDesignPath, p.string());
    const auto& req = s.files().front().request;
    EXPECT_EQ(req.title, "《Ondrel》打开摆线设计数据文件");
    EXPECT_EQ(req.initialName, "*.cxd");
    EXPECT_TRUE(s.messages().empty());
    // The next dialog proposes the loaded file.
    s.cancelFile();
    EXPECT_EQ(cexLoadDesign(nullptr), CexLoad::Cancelled);
    EXPECT_EQ(s.files().back().request.initialName, p.string());
}

TEST_F(CexyLoadTest, OldFilesLoadWithTheirNotice) {
    CexDesignRecord small = filledRecord();
    small.b1.a = 1.0;
    CexDesignRecord odd = filledRecord();
    odd.b1.a = 1.7;
    for (const auto& r : {small, odd}) {
        g_cexRecord = {};
        s.answerOpen(put("old.cxd", recordBytes(r)));
        s.expectMessage(kMsgOldFile);
        EXPECT_EQ(cexLoadDesign(nullptr), CexLoad::Loaded);
        EXPECT_EQ(recordBytes(g_cexRecord), recordBytes(r));
    }
}

TEST_F(CexyLoadTest, RefusedFilesChangeNothing) {
    const auto good = fileBytes(fixture("cex_filled.cxd"));
    ASSERT_FALSE(good.empty());
    auto other = good;
    other[40] = 'Z';
    auto shorter = good;
    shorter.resize(good.size() - 1);
    auto nan = good;
    putF64(nan, 64, std::nan(""));
    auto seven = good;
    putI32(seven, 864 + 40, 7);
    // Zc 4294967294: page 6 would count its pins for half a minute.
    auto teeth = good;
    putI32(teeth, 64 + 88, -2);
    putI32(teeth, 64 + 92, -1);
    putF64(teeth, 64 + 16, 4294967294.0);
    auto torque = good;
    putF64(torque, 64 + 80, INFINITY);
    // Not this kind of file (a status word with the block named on a second
    // line), or the field the record check refuses named first.
    const std::string notCycloid = kMsgNotCycloid;
    const std::pair<const std::vector<std::uint8_t>*, std::string> files[] = {
        {&other, notCycloid},
        {&shorter, notCycloid},
        {&nan, kavrin::refusedOnLoad("第1页(预定参数)的偏心距 a：请输入 0 或 0.01 到 1000 之间的数值。")},
        {&seven, notCycloid + "\n第6页(强度校验)的状态字 不是0或完成值"},
        {&teeth, kavrin::refusedOnLoad("第1页(预定参数)的摆线轮齿数 Zc：请输入 0 或 9 到 999 之间的整数。")},
        {&torque, kavrin::refusedOnLoad("第1页(预定参数)的输出扭矩 Tc：请输入 0 或 0.000001 到 10000000000 之间的数值。")},
    };
    CexDesignRecord before = filledRecord();
    before.b1.P = 3;   // the record in hand differs from every file
    g_cexRecord = before;
    g_strCexDesignPath = "/previous/design.cxd";
    for (const auto& [f, message] : files) {
        s.answerOpen(put("bad.cxd", *f));
        s.expectMessage(message);
        EXPECT_EQ(cexLoadDesign(nullptr), CexLoad::Refused);
        EXPECT_EQ(recordBytes(g_cexRecord), recordBytes(before));
        EXPECT_EQ(g_strCexDesignPath, "/previous/design.cxd");
    }
    // The name test: ".cxd" in the file name, case-sensitive.
    s.answerOpen(put("X.CXD", good));
    s.expectMessage(kMsgNotCxd);
    EXPECT_EQ(cexLoadDesign(nullptr), CexLoad::Refused);
    std::filesystem::create_directories(dir / "d.cxd");
    s.answerOpen(put("d.cxd/gear.txt", good));
    s.expectMessage(kMsgNotCxd);
    EXPECT_EQ(cexLoadDesign(nullptr), CexLoad::Refused);
    // A folder named like a design file is not read.
    s.answerOpen(dir / "d.cxd");
    s.expectMessage(fw::format(kMsgCannotRead, (dir / "d.cxd").string().c_str()));
    EXPECT_EQ(cexLoadDesign(nullptr), CexLoad::Refused);
    EXPECT_EQ(recordBytes(g_cexRecord), recordBytes(before));
    EXPECT_EQ(g_strCexDesignPath, "/previous/design.cxd");
}

TEST_F(CexyLoadTest, BlockOneIncompleteReplacesTheBlocksWithItsMessage) {
    CexDesignRecord r = filledRecord();
    r.b1.status = 0;
    g_cexRecord = {};
    s.answerOpen(put("part.cxd", designFileBytes(r, 0)));
    s.expectMessage(kMsgIncomplete);
    EXPECT_EQ(cexLoadDesign(nullptr), CexLoad::Incomplete);
    EXPECT_EQ(recordBytes(g_cexRecord), recordBytes(r));
}

class CexyShellTest : public CexySheetTest {
protected:
    void SetUp() override {
        CexySheetTest::SetUp();
        // Pages 2 to 6 keep the record as it is when it holds a consistent
        // design: the pins-left-out flag only goes with K2 below 1.3.
        g_cexRecord.b2.pinsLeftOut = 0;
        consistent = g_cexRecord;
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");
    }
    void run() { findCommand(32786)->run(dynamic_cast<CKavrinView&>(*app.activeView())); }
    static std::string crlf(const std::string& s) {
        std::string out;
        for (char c : s) {
            if (c == '\n') out += '\r';
            out += c;
        }
        return out;
    }
    CKavrinApp a;
    CexDesignRecord consistent;
};

TEST_F(CexyShellTest, FinishSavesAndShowsTheReport) {
    ASSERT_TRUE(findCommand(32786)->available);
    s.onSheet([&](fwtest::Running& r) {
        EXPECT_EQ(g_pCexySheet, r.sheet());
        EXPECT_TRUE(r.sheet()->isWizard());
        for (int k = 0; k < 5; ++k) EXPECT_TRUE(r.next());
        EXPECT_TRUE(r.finish());
    });
    s.answerSave(dir / "gear");
    s.expectMessage(namesNotice(dir / "gear.cxd", dir / "gear.cxt"));
    run();
    EXPECT_EQ(g_pCexySheet, nullptr);
    EXPECT_EQ(app.activeTitle(), (dir / "gear.cxt").string());
    // Page 5 measured the rods again from blocks 1, 2 and 4; the rest stays.
    EXPECT_NEAR(g_cexRecord.b5.Ln, 257.9353, 5e-5);
    CexDesignRecord expected = consistent;
    expected.b5 = g_cexRecord.b5;
    EXPECT_EQ(recordBytes(g_cexRecord), recordBytes(expected));
    EXPECT_EQ(app.activeText(), crlf(cexReportText(expected)));
    auto saved = parseDesignFile(fileBytes(dir / "gear.cxd"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(recordBytes(saved->record), recordBytes(expected));
}

TEST_F(CexyShellTest, FailedOrDeclinedSavesLoadNothing) {
    std::string before = app.activeTitle();
    // Finish, then the save fails.
    s.onSheet([](fwtest::Running& r) { r.end(fw::ID_WIZFINISH); });
    s.cancelFile();
    s.expectMessage("未能成功储存数据！");
    run();
    EXPECT_EQ(app.activeTitle(), before);
    // Cancel, No: nothing at all.
    s.onSheet([](fwtest::Running& r) { EXPECT_TRUE(r.escape()); });
    s.expectMessage("退出摆线优化设计计算程序，是(Yes)否(No)保存数据？", IDNO);
    run();
    EXPECT_EQ(app.activeTitle(), before);
    // Cancel, Yes, then the save dialog cancelled: nothing loaded.
    s.onSheet([](fwtest::Running& r) { EXPECT_TRUE(r.escape()); });
    s.expectMessage("退出摆线优化设计计算程序，是(Yes)否(No)保存数据？", IDYES);
    s.cancelFile();
    run();
    EXPECT_EQ(app.activeTitle(), before);
    // Cancel, Yes, save works: the report is shown.
    s.onSheet([](fwtest::Running& r) { EXPECT_TRUE(r.escape()); });
    s.expectMessage("退出摆线优化设计计算程序，是(Yes)否(No)保存数据？", IDYES);
    s.answerSave(dir / "kept.cxd");
    s.expectMessage(namesNotice(dir / "kept.cxd", dir / "kept.cxt"));
    run();
    EXPECT_EQ(app.activeTitle(), (dir / "kept.cxt").string());
    EXPECT_TRUE(s.allUsed());
}

TEST_F(CexyShellTest, ASecondRunStartsFromTheRecordTheFirstLeft) {
    s.onSheet([](fwtest::Running& r) {
        EXPECT_TRUE(r.next());
        r.end(IDCANCEL);
    });
    s.expectMessage("退出摆线优化设计计算程序，是(Yes)否(No)保存数据？", IDNO);
    run();
    const CexDesignRecord first = g_cexRecord;
    s.onSheet([](fwtest::Running& r) {
        EXPECT_TRUE(r.buttonEnabled(fw::ID_WIZNEXT));
        EXPECT_TRUE(r.next());
        r.end(IDCANCEL);
    });
    s.expectMessage("退出摆线优化设计计算程序，是(Yes)否(No)保存数据？", IDNO);
    run();
    EXPECT_EQ(recordBytes(g_cexRecord), recordBytes(first));
    EXPECT_EQ(recordBytes(first), recordBytes(consistent));   // pages 1 and 2 keep a consistent record
}

}  // namespace
