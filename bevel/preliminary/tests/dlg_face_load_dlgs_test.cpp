// The face load factor dialogs of the bevel preliminary design, headless.
#include <gtest/gtest.h>

#include "bevel/preliminary/khbita_dlg.h"
#include "bevel/preliminary/kwbita_dlg.h"
#include "fwtest/script.h"

using fwtest::Running;
using FL = kavrin::FaceLoadTableDialog;

namespace {

template <class D>
double run(std::function<void(Running&)> script, int expect = IDOK) {
    fwtest::Session s;
    s.onDialog(D::IDD, std::move(script));
    D dlg;
    EXPECT_EQ(dlg.DoModal(), expect);
    return dlg.m_value;
}

TEST(PellunFaceLoad, OkAtOnceGivesTheFirstValue) {
    EXPECT_EQ(run<CKhbitaDlg>([](Running& d) { d.click(IDOK); }), 1.3);
    EXPECT_EQ(run<CKwbitaDlg>([](Running& d) { d.click(IDOK); }), 1.05);
}

TEST(PellunFaceLoad, AColumnButtonEnablesOnlyItsList) {
    run<CKhbitaDlg>([](Running& d) {
        EXPECT_TRUE(d.enabled(3088));
        for (int id = 3089; id <= 3093; ++id) EXPECT_FALSE(d.enabled(id)) << id;
        d.click(1004);
        for (int id = 3088; id <= 3093; ++id) EXPECT_EQ(d.enabled(id), id == 3090) << id;
        d.click(IDOK);
    });
    // A button alone changes no value.
    EXPECT_EQ(run<CKwbitaDlg>([](Running& d) { d.click(1006); d.click(IDOK); }), 1.05);
}

TEST(PellunFaceLoad, SelectingAValueInAnEnabledList) {
    EXPECT_EQ(run<CKwbitaDlg>([](Running& d) { d.click(1007); d.selectText(3093, "2.0"); d.click(IDOK); }), 2.0);
    EXPECT_EQ(run<CKhbitaDlg>([](Running& d) { d.click(1005); d.selectText(3091, "1.75"); d.click(IDOK); }), 1.75);
    EXPECT_EQ(run<CKhbitaDlg>([](Running& d) {
        EXPECT_EQ(d.items(3093), (std::vector<std::string>{"1.7", "2.1", "2.5"}));
        EXPECT_EQ(d.items(3091), (std::vector<std::string>{"1.3", "1.6", "1.75"}));  // sorted, same order
        d.click(IDOK);
    }), 1.3);
}

TEST(PellunFaceLoad, CaptionsOfTheTwoDialogs) {
    run<CKhbitaDlg>([](Running& d) {
        EXPECT_EQ(d.caption(), "《Ondrel》 Kavrin 圆锥齿轮接触强度齿向负载分布系数");
        d.click(IDCANCEL);
    }, IDCANCEL);
    run<CKwbitaDlg>([](Running& d) {
        EXPECT_EQ(d.caption(), "《Ondrel》 Kavrin 圆锥齿轮弯曲强度齿向负载分布系数");
        d.click(IDCANCEL);
    }, IDCANCEL);
}

}  // namespace
