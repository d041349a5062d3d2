// Property sheets and wizards through the scripted backend.
#include <functional>

#include <gtest/gtest.h>

#include "fwtest/script.h"

using fwtest::Running;

namespace {

enum : int { IDD_P1 = 200, IDD_P2 = 201, IDD_P3 = 202, IDC_VALUE = 10, IDS_CAPTION = 7 };

const fw::Module& sheetModule() {
    static const fw::Module m = [] {
        fw::Module mod("sheets");
        for (int id : {IDD_P1, IDD_P2, IDD_P3})
            mod.addDialog({.id = id, .caption = "页" + std::to_string(id - IDD_P1 + 1), .body = {fw::field("值", IDC_VALUE)}});
        mod.addString(IDS_CAPTION, "样例属性表");
        return mod;
    }();
    return m;
}

// A page that refuses to be left while its value is below 1, and logs its calls.
class Page : public fw::PropertyPage {
public:
    Page(int id, std::vector<std::string>& log) : fw::PropertyPage(sheetModule(), id), m_log(log) {}
    bool OnInitDialog() override {
        note("init");
        return PropertyPage::OnInitDialog();
    }
    void DoDataExchange(fw::Exchange& dx) override { dx.number(IDC_VALUE, value); }
    bool OnSetActive() override {
        note("set");
        if (sheet()->isWizard()) {
            bool last = sheet()->GetActivePage() == sheet()->GetPage(sheet()->GetPageCount() - 1);
            bool first = sheet()->GetActiveIndex() == 0;
            sheet()->SetWizardButtons((first ? 0 : PSWIZB_BACK) | (last ? PSWIZB_FINISH : PSWIZB_NEXT));
        }
        return PropertyPage::OnSetActive();
    }
    bool OnKillActive() override {
        note("kill");
        if (!PropertyPage::OnKillActive()) return false;
        return value >= 1;
    }
    void OnOK() override { note("ok"); }
    void OnReset() override { note("reset"); }
    double value = 1;

private:
    void note(const char* what) { m_log.push_back(std::string(what) + " " + std::to_string(templateId())); }
    std::vector<std::string>& m_log;
};

struct Sheet : fw::PropertySheet {
    std::vector<std::string> log;
    Page p1{IDD_P1, log}, p2{IDD_P2, log}, p3{IDD_P3, log};
    Sheet() : fw::PropertySheet(sheetModule(), IDS_CAPTION) {
        AddPage(&p1);
        AddPage(&p2);
        AddPage(&p3);
    }
};

}  // namespace

TEST(Sheet, KillActiveRefusalKeepsThePageAlsoOnOk) {
    fwtest::Session s;
    Sheet sheet;
    sheet.removeApplyButton();
    s.onSheet([&](Running& d) {
        EXPECT_EQ(d.caption(), "样例属性表");
        EXPECT_EQ(sheet.buttons(), (std::vector<int>{IDOK, IDCANCEL}));   // Apply removed
        EXPECT_EQ(sheet.log, (std::vector<std::string>{"init 200", "set 200"}));
        EXPECT_FALSE(sheet.p2.running());        // pages are created when first shown
        d.type(IDC_VALUE, "0.5");
        EXPECT_FALSE(d.page(1));                 // refused: value below 1
        EXPECT_EQ(d.activePage(), 0);
        d.click(IDOK);                           // refused the same way
        EXPECT_FALSE(d.ended());
        d.type(IDC_VALUE, "2");
        EXPECT_TRUE(d.page(2));
        EXPECT_EQ(d.id(), IDD_P3);               // actions go to the active page
        d.type(IDC_VALUE, "3");
        d.click(IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    // Page 2 was never shown, so never created and not asked for OK.
    EXPECT_EQ(sheet.log, (std::vector<std::string>{"init 200", "set 200", "kill 200", "kill 200", "kill 200",
                                                   "init 202", "set 202", "kill 202", "ok 200", "ok 202"}));
    // The sheet and its pages outlive the run.
    EXPECT_EQ(sheet.p1.value, 2);
    EXPECT_EQ(sheet.p3.value, 3);
    EXPECT_EQ(sheet.p3.text(IDC_VALUE), "3");
}

TEST(Sheet, CancelResetsEveryCreatedPage) {
    fwtest::Session s;
    Sheet sheet;
    s.onSheet([&](Running& d) { d.escape(); });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(sheet.log.back(), "reset 200");
}

// Cancel, Escape and the close box leave a sheet or wizard whatever the
// focused field holds: its check does not run on the way out.
TEST(Sheet, LeavingChecksNoField) {
    for (bool wizard : {false, true}) {
        for (auto leave : std::vector<std::function<bool(Running&)>>{
                 [](Running& d) { return d.click(IDCANCEL); }, [](Running& d) { return d.escape(); },
                 [](Running& d) { return d.close(); }}) {
            fwtest::Session s;
            Sheet sheet;
            if (wizard) sheet.SetWizardMode();
            sheet.p1.onKillFocus(IDC_VALUE, [&] {
                if (sheet.p1.text(IDC_VALUE) == "abc") fw::MessageBox("请输入一个数值！");
            });
            s.onSheet([&](Running& d) {
                d.type(IDC_VALUE, "abc");
                EXPECT_TRUE(leave(d));
                EXPECT_TRUE(d.ended());
            });
            EXPECT_EQ(sheet.DoModal(), IDCANCEL);
            EXPECT_TRUE(s.messages().empty());
        }
    }
}

TEST(Sheet, WizardWalksNextBackFinish) {
    fwtest::Session s;
    Sheet sheet;
    sheet.SetWizardMode();
    s.onSheet([&](Running& d) {
        EXPECT_FALSE(d.buttonEnabled(ID_WIZBACK));
        EXPECT_TRUE(d.buttonEnabled(ID_WIZNEXT));
        EXPECT_FALSE(d.page(1));                 // no tabs in a wizard
        EXPECT_TRUE(d.next());
        EXPECT_EQ(d.activePage(), 1);
        EXPECT_TRUE(d.buttonEnabled(ID_WIZBACK));
        EXPECT_TRUE(d.back());
        EXPECT_EQ(d.activePage(), 0);
        d.next();
        d.next();
        EXPECT_EQ(sheet.buttons(), (std::vector<int>{ID_WIZBACK, ID_WIZFINISH, IDCANCEL}));
        EXPECT_FALSE(d.next());                  // Next is gone on the last page
        d.type(IDC_VALUE, "0");
        d.finish();                              // refused by OnKillActive
        EXPECT_FALSE(d.ended());
        d.type(IDC_VALUE, "4");
        d.enter();                               // Enter = Finish on the last page
    });
    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
}
