// The angle – involute converter (template 1036), run headless.
#include "cylindrical/invdlg.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fw/format.h"
#include "fwtest/script.h"

using D = CInvdlg;
using fwtest::Running;

namespace {

constexpr const char* kAngleOutOfRange = "角度超范围！";

class InvDlgTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(m_s.allUsed()) << "a queued script or answer was not used"; }
    int run(fwtest::Script script) {
        m_s.onDialog(D::IDD, std::move(script));
        D dlg(nullptr);
        return dlg.DoModal();
    }
    void expectAngle(Running& d, const char* deg, const char* min, const char* sec) {
        EXPECT_EQ(d.text(D::IDC_DEG), deg);
        EXPECT_EQ(d.text(D::IDC_MIN), min);
        EXPECT_EQ(d.text(D::IDC_SEC), sec);
    }
    fwtest::Session m_s;
};

TEST_F(InvDlgTest, ConvertsBothWays) {
    int r = run([&](Running& d) {
        EXPECT_EQ(d.caption(), "《Ondrel》Kavrin  角度－渐开线函数值换算");
        // inv 20° = tan 20° − 20° in radians = 0.0149043838673364 (published tables).
        d.type(D::IDC_DECIMAL, "20");
        d.click(D::IDC_TO_INV);
        EXPECT_EQ(d.text(D::IDC_INV), "0.0149043838673364");
        expectAngle(d, "20", "0", "0");
        // Back again: the search (step 4e-6 rad) overshoots by less than 0.5″.
        d.type(D::IDC_DECIMAL, "0");
        d.leave();
        d.type(D::IDC_INV, "0.0149043838673364");
        d.click(D::IDC_TO_ANGLE);
        expectAngle(d, "20", "0", "0");
        // inv α = 0 gives 0°0′0″.
        d.type(D::IDC_INV, "0");
        d.click(D::IDC_TO_ANGLE);
        expectAngle(d, "0", "0", "0");
        // 0.683, the largest value taken: inv 60° = 0.68485, so just under 60°.
        d.type(D::IDC_INV, "0.683");
        d.click(D::IDC_TO_ANGLE);
        EXPECT_EQ(d.text(D::IDC_DEG), "59");
        d.click(D::IDC_CLOSE);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_TRUE(m_s.messages().empty());
}

TEST_F(InvDlgTest, AngleRangeIsOpenAtSixtyDegrees) {
    run([&](Running& d) {
        // Exactly 60° is refused and the involute value becomes 0.
        m_s.expectMessage(kAngleOutOfRange);
        d.type(D::IDC_INV, "0.5");
        d.type(D::IDC_DECIMAL, "60");
        d.click(D::IDC_TO_INV);
        EXPECT_EQ(d.text(D::IDC_INV), "0");
        EXPECT_FALSE(d.ended());
        // 59°59′59″ is taken: tan α − α of (59 + 59/60 + 59/3600)·π/180.
        d.type(D::IDC_DEG, "59");
        d.type(D::IDC_MIN, "59");
        d.type(D::IDC_SEC, "59");
        d.leave();
        d.click(D::IDC_TO_INV);
        double a = (59 + 59 / 60.0 + 59 / 3600.0) * 3.141592653589793 / 180;
        EXPECT_NEAR(std::stod(d.text(D::IDC_INV)), std::tan(a) - a, 1e-14);
        d.click(D::IDC_CLOSE);
    });
    ASSERT_EQ(m_s.messages().size(), 1u);
    EXPECT_EQ(m_s.messages()[0].icon, fw::MessageIcon::Exclamation);
}

TEST_F(InvDlgTest, InvoluteAboveTheLimitIsRefusedByTheField) {
    run([&](Running& d) {
        m_s.expectMessage("渐开线函数值：请输入 0 到 0.683 之间的数值。");
        d.type(D::IDC_INV, "0.6831");
        d.leave();
        EXPECT_EQ(d.focused(), D::IDC_INV);
        d.click(D::IDC_CLOSE);
    });
}

// The split of a decimal angle rounds the seconds without a carry.
TEST_F(InvDlgTest, SplitShowsSixtySeconds) {
    run([&](Running& d) {
        d.type(D::IDC_DECIMAL, "12.99999");
        d.leave();
        expectAngle(d, "12", "59", "60");
        d.click(D::IDC_CLOSE);
    });
}

// "结   束" closes whatever the fields hold: out of range, not a number, or
// a split that shows 60″; so do Escape and the close box.
TEST_F(InvDlgTest, AlwaysCloses) {
    struct Case {
        const char* what;
        int field;
        const char* text;
        int how;  // 0 "结   束", 1 Escape, 2 close box
    } cases[] = {
        {"involute above 0.683, focused", D::IDC_INV, "0.6831", 0},
        {"degrees above 59, focused", D::IDC_DEG, "75", 0},
        {"decimal not a number, focused", D::IDC_DECIMAL, "abc", 1},
        {"involute above 0.683, focused", D::IDC_INV, "0.6831", 2},
        {"60 seconds from 12.99999", D::IDC_DECIMAL, "12.99999", 0},
    };
    for (const Case& c : cases) {
        int r = run([&](Running& d) {
            d.type(c.field, c.text);
            if (c.field == D::IDC_DECIMAL && std::string(c.text) == "12.99999") d.leave();
            if (c.how == 0) d.click(D::IDC_CLOSE);
            else if (c.how == 1) d.escape();
            else d.close();
            EXPECT_TRUE(d.ended()) << c.what;
            if (!d.ended()) d.end(IDCANCEL);
        });
        EXPECT_EQ(r, c.how == 0 ? IDOK : IDCANCEL) << c.what;
    }
    EXPECT_TRUE(m_s.messages().empty());
}

}  // namespace
