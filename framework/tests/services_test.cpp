// Message boxes, file dialog helpers, help, wait cursor, timers, geometry.
#include <gtest/gtest.h>

#include "fwtest/script.h"
#include "sample.h"

TEST(Services, MessageBoxFlagsGiveIconButtonsAndAnswers) {
    struct Case {
        unsigned flags;
        fw::MessageIcon icon;
        std::vector<int> answers;
        int answer;
    };
    // Flag values and answer codes of the classic platform.
    const std::vector<Case> cases = {
        {MB_OK, fw::MessageIcon::None, {IDOK}, IDOK},
        {MB_OKCANCEL | MB_ICONINFORMATION, fw::MessageIcon::Information, {IDOK, IDCANCEL}, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, fw::MessageIcon::Question, {IDYES, IDNO}, IDNO},
        {MB_RETRYCANCEL | MB_ICONSTOP, fw::MessageIcon::Stop, {IDRETRY, IDCANCEL}, IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION, fw::MessageIcon::Exclamation, {IDABORT, IDRETRY, IDIGNORE}, IDIGNORE},
    };
    EXPECT_EQ(IDYES, 6);
    EXPECT_EQ(IDIGNORE, 5);
    for (const auto& c : cases) {
        fwtest::Session s;
        s.answerMessage(c.answer);
        EXPECT_EQ(fw::MessageBox("文字", c.flags), c.answer);
        const auto& m = s.messages().at(0);
        EXPECT_EQ(m.icon, c.icon) << c.flags;
        EXPECT_EQ(fw::messageRequest("t", {}, c.flags).answers(), c.answers) << c.flags;
        EXPECT_EQ(m.caption, "Kavrin");   // the application title by default
    }
    fwtest::Session s;
    s.answerMessage(IDOK);
    fw::MessageBox("t", "《Ondrel》", MB_OK);
    EXPECT_EQ(s.messages().at(0).caption, "《Ondrel》");
}

TEST(Services, FilterStringsSplitIntoPairs) {
    struct Case {
        const char* filter;
        std::size_t count;
        const char* lastPattern;
    };
    const std::vector<Case> cases = {
        {"圆柱齿轮计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*|", 2, "*.*"},
        {"圆柱齿轮计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*||", 2, "*.*"},   // trailing "||"
        {"文本(*.cyt;*.tng)|*.cyt;*.tng|", 1, "*.cyt;*.tng"},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        auto f = fw::parseFilter(c.filter);
        ASSERT_EQ(f.size(), c.count) << c.filter;
        if (c.count) {
            EXPECT_EQ(f.back().patterns, c.lastPattern) << c.filter;
        }
    }
}

TEST(Services, DefaultExtensionWorksOnTheLastComponentOnly) {
    struct Case {
        const char* in;
        const char* ext;
        const char* out;
    };
    const std::vector<Case> cases = {
        {"/d/gear", "cyb", "/d/gear.cyb"},
        {"/d/gear", "DDA", "/d/gear.DDA"},          // the case as given
        {"/d.v2/gear", "cyb", "/d.v2/gear.cyb"},    // dotted folder
        {"/d/gear.CYB", "cyb", "/d/gear.CYB"},      // typed extension kept
        {"/d/gear", "", "/d/gear"},
    };
    for (const auto& c : cases) EXPECT_EQ(fw::withDefaultExtension(c.in, c.ext), c.out) << c.in;
}

TEST(Services, OpenDialogPatternNameIsNeverAPath) {
    fwtest::Session s;
    s.answerOpen("/tmp/*.cyb");   // the user pressed OK on the pattern itself
    fw::FileDialog fd(fw::FileMode::Open, "cyb", "*.cyb", OFN_HIDEREADONLY, "数据(*.cyb)|*.cyb||");
    fd.setInitialFolder("/d/last/gear.cyb");
    EXPECT_EQ(fd.DoModal(), IDCANCEL);
    EXPECT_TRUE(fd.path().empty());
    EXPECT_EQ(s.files().at(0).request.folder, "/d/last");
    EXPECT_EQ(s.files().at(0).request.initialName, "gear.cyb");
}

TEST(Services, HelpShellWaitCursorAreRecorded) {
    fwtest::Session s;
    fw::setHelpFile("Kavrin.chm");
    fw::htmlHelp("Kavrin.chm::/CyPreDlg.htm");
    fw::htmlHelp("Kavrin.chm", HH_DISPLAY_TOC);
    sample::SampleDlg dlg;
    dlg.WinHelp(0x20000 + 1031);
    ASSERT_EQ(s.helpCalls().size(), 3u);
    EXPECT_EQ(s.helpCalls()[0].target, "Kavrin.chm::/CyPreDlg.htm");
    EXPECT_EQ(s.helpCalls()[1].command, 1u);
    EXPECT_EQ(s.helpCalls()[2].command, 15u);
    EXPECT_EQ(s.helpCalls()[2].data, 0x20000u + 1031);
    EXPECT_TRUE(fw::shellOpen("/m/Kavrin_read.chm", "/m"));
    EXPECT_EQ(s.shellOpens().at(0).workingDir, "/m");
    {
        fw::WaitCursor a;
        fw::WaitCursor b;
        EXPECT_TRUE(s.waitCursorOn());
    }
    EXPECT_FALSE(s.waitCursorOn());
    EXPECT_EQ(s.waitCursorShows(), 1);
}

TEST(Services, OneShotTimerFiresOnce) {
    fwtest::Session s;
    sample::SampleDlg dlg;
    int fired = 0;
    dlg.onTimer([&](int id) { fired += id; });
    s.onDialog(sample::IDD_SAMPLE, [&](fwtest::Running& d) {
        dlg.setTimer(1, 8500, fw::TimerKind::Once);
        dlg.setTimer(2, 100);
        d.timer(1);
        d.timer(1);
        d.timer(2);
        d.timer(2);
        d.end(IDOK);
    });
    dlg.DoModal();
    EXPECT_EQ(fired, 1 + 2 + 2);
}

TEST(Services, DialogUnitsToPixels) {
    struct Case {
        int points;
        fw::Box box;
        fw::Rect px;
    };
    // 9 pt: 12 px cell height, 6 px width; 10 pt: 13 px, 7 px (the template
    // fonts' cells: a 宋体 10 chart dialog of 291×303 units is 509×492 px).
    const std::vector<Case> cases = {
        {9, {24, 281, 298, 9}, {36, 422, 36 + 447, 422 + 14}},
        {9, {0, 0, 4, 8}, {0, 0, 6, 12}},
        {10, {4, 8, 4, 8}, {7, 13, 14, 26}},
        {10, {0, 0, 291, 303}, {0, 0, 509, 492}},
    };
    for (const auto& c : cases) EXPECT_EQ(fw::toPixels(c.box, fw::Font{"宋体", c.points}), c.px) << c.points;
}
