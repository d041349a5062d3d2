// Every calculator of the command table, and every dialog its buttons open,
// is left by Cancel, Escape or the close box whatever its fields hold: bad
// text in every field, each field left once (its refusal or notice answered
// as a user who wants out answers it: No, Cancel), then the way out. A field
// left again unchanged asks nothing more.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "fw/exchange.h"
#include "shell/command_table.h"
#include "shell/kavrin_app.h"
#include "shell/kavrin_view.h"
#include "shell_fixture.h"
#include "every_dialog_class.h"

namespace {

using fwtest::Running;
using kavrin_shell_test::DialogEntry;
using kavrin_shell_test::everyDialogClass;

enum class Way { Cancel, Escape, Close };
const char* name(Way w) { return w == Way::Cancel ? "Cancel" : w == Way::Escape ? "Escape" : "close box"; }

bool isEditable(const fw::Control& c) {
    auto* e = dynamic_cast<const fw::Edit*>(&c);
    return e && e->enabled() && e->visible() && !e->readOnly();
}

// What a user who types nonsense would leave in the field.
const char* nonsense(const fw::Control& c) {
    return static_cast<const fw::Edit&>(c).digitsOnly() ? "" : "abc";
}

bool isPlainButton(const fw::Control& c) {
    return c.kind() == fw::Kind::PushButton && c.enabled() && c.visible() && c.id() != fw::IDOK &&
           c.id() != fw::IDCANCEL && c.id() != fw::IDHELP && c.id() != fw::IDC_STATIC;
}

class LeaveTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");
        s.tolerate([this](Running& r) { spoilAndLeave(r); });
    }
    CKavrinView& view() { return dynamic_cast<CKavrinView&>(*app.activeView()); }

    // Bad text in every field, each left once; then every field is passed
    // through again (no box may come now); then the way out.
    void spoilAndLeave(Running& r) {
        const std::string where = r.sheet() ? "sheet \"" + r.caption() + "\"" : "dialog " + std::to_string(r.id());
        runs.insert(r.sheet() ? 0 : r.id());
        std::vector<int> fields;
        for (const auto& c : r.dialog().controls())
            if (isEditable(*c)) fields.push_back(c->id());
        for (int id : fields) {
            if (r.ended()) return fail(where, "ended while typing");
            r.type(id, nonsense(r.dialog().item(id)));
            if (r.ended()) return fail(where, "ended while typing");
            r.leave();
        }
        if (r.ended()) return fail(where, "ended while its fields were left");
        // Through every field again, twice: a field some box kept the user
        // from is checked now; the second time nothing may ask.
        std::size_t boxes = 0;
        for (int pass = 0; pass < 2 && !r.ended(); ++pass) {
            boxes = s.messages().size();
            for (int id : fields) {
                if (r.ended()) break;
                r.focus(id);
                if (!r.ended()) r.leave();
            }
        }
        if (s.messages().size() != boxes)
            fail(where, "asked again about an unchanged field: \"" + s.messages().back().text + "\"");
        // The buttons of the top dialog open its sub-dialogs, which get the same.
        if (depth == 0) {
            ++depth;
            for (const auto& c : r.dialog().controls()) {
                if (r.ended()) break;
                if (isPlainButton(*c)) r.click(c->id());
            }
            --depth;
            if (r.ended()) return;   // a button of its own ended it (saved, or a custom code)
        }
        // Last, fresh nonsense in the first field, left by the way out alone.
        if (!fields.empty() && !r.ended()) {
            const int first = fields.front();
            const auto& e = static_cast<const fw::Edit&>(r.dialog().item(first));
            r.type(first, !e.digitsOnly() ? "xyz" : e.text().empty() ? "0" : "");
            if (r.ended()) return fail(where, "ended while typing");
        }
        switch (way) {
        case Way::Cancel:
            if (r.sheet() || r.dialog().find(fw::IDCANCEL)) r.click(fw::IDCANCEL);
            else r.escape();   // no Cancel button: Escape is its way out
            break;
        case Way::Escape: r.escape(); break;
        case Way::Close: r.close(); break;
        }
        if (!r.ended()) {
            fail(where, std::string(name(way)) + " did not leave it");
            r.end(fw::IDCANCEL);
        }
    }
    void fail(const std::string& where, const std::string& what) { failures.push_back(where + ": " + what); }

    CKavrinApp a;
    Way way = Way::Cancel;
    int depth = 0;
    std::set<int> runs;
    std::vector<std::string> failures;
};

TEST_F(LeaveTest, EveryDialogIsLeftWhateverItsFieldsHold) {
    int commands = 0;
    for (Way w : {Way::Cancel, Way::Escape, Way::Close}) {
        way = w;
        for (const CalculatorCommand& c : commandTable()) {
            if (!c.available || c.runAs == RunAs::HelpDocument || c.runAs == RunAs::UpdateCheck) continue;
            SCOPED_TRACE(std::string(c.className) + " by " + name(w));
            failures.clear();
            c.run(view());
            for (const std::string& f : failures) ADD_FAILURE() << c.className << ", " << name(w) << ": " << f;
            ++commands;
        }
    }
    EXPECT_GE(commands, 3 * 15);
    // The templates this walk reached, for whoever extends it.
    std::ostringstream reached;
    for (int id : runs) reached << id << ' ';
    RecordProperty("templates", reached.str());
}

// Every dialog class on its own, from its default state: its fields
// spoilt, then each way out. (The calculators also run above from their
// commands, and the sub-dialogs their buttons reach from there.)
TEST_F(LeaveTest, EveryDialogClassIsLeftWhateverItsFieldsHold) {
    const std::vector<DialogEntry>& dialogs = everyDialogClass();
    for (Way w : {Way::Cancel, Way::Escape, Way::Close}) {
        way = w;
        for (const DialogEntry& e : dialogs) {
            SCOPED_TRACE(std::string(e.name) + " by " + name(w));
            failures.clear();
            const std::size_t before = s.dialogsRun().size();
            e.run();
            EXPECT_GT(s.dialogsRun().size(), before) << e.name << " did not run";
            for (const std::string& f : failures) ADD_FAILURE() << e.name << ", " << name(w) << ": " << f;
        }
    }
}

// A notice comes once per change, in every dialog class: each field in turn
// given one value of a list (typical tooth numbers, ratios, angles, a zero,
// a text that is no number), then the focus walked round the dialog three
// times, every box answered as it comes (the first button); no box text may
// come twice.
TEST_F(LeaveTest, EveryDialogClassNoticesAValueOncePerChange) {
    int phase = 0;   // 0: list the fields, 1: one value in one field
    std::vector<int> fields;
    int field = 0, focusables = 0;
    std::string value;
    std::vector<std::string> leftFrom, sentTo;
    bool nested = false;
    s.tolerate([&](Running& r) {
        if (nested) {   // a dialog a button opened: left as it came
            r.end(IDCANCEL);
            return;
        }
        nested = true;
        if (phase == 0) {
            fields.clear();
            focusables = 0;
            for (const auto& c : r.dialog().controls()) {
                if (c->canFocus()) ++focusables;
                auto* e = dynamic_cast<const fw::Edit*>(c.get());
                if (e && e->enabled() && e->visible() && !e->readOnly()) fields.push_back(c->id());
            }
        } else {
            // Two fields may refuse in the same words: a box is one notice
            // twice when its text comes again about the same value, told by
            // the field left when it came, or the field the focus was sent
            // back to (the parts of an angle are one value).
            auto valueOf = [&](int id) {
                std::string label = fw::fieldLabel(r.dialog(), id);
                for (const char* part : {" 度", " 分", " 秒"})
                    if (label.size() > std::strlen(part) && label.ends_with(part))
                        label.resize(label.size() - std::strlen(part));
                return label.empty() ? std::to_string(id) : label;
            };
            std::size_t m = s.messages().size();
            r.type(field, value);
            for (int i = 0; i < 3 * focusables + 6 && !r.ended(); ++i) {
                const int left = r.focused();
                r.leave();
                for (; m < s.messages().size(); ++m) {
                    leftFrom.push_back(s.messages()[m].text + "\" leaving " + valueOf(left));
                    sentTo.push_back(s.messages()[m].text + "\" back in " + valueOf(r.focused()));
                }
            }
        }
        nested = false;
        if (!r.ended()) r.end(IDCANCEL);
    });
    for (const DialogEntry& e : everyDialogClass()) {
        phase = 0;
        e.run();
        const std::vector<int> ids = fields;
        for (int id : ids) {
            for (const char* v : {"0", "1", "8", "12", "20", "50", "0.2", "abc"}) {
                phase = 1;
                field = id;
                value = v;
                leftFrom.clear();
                sentTo.clear();
                e.run();
                for (const auto* boxes : {&leftFrom, &sentTo}) {
                    std::map<std::string, int> count;
                    for (const auto& t : *boxes) ++count[t];
                    for (const auto& [t, k] : count)
                        if (k > 1)
                            ADD_FAILURE() << e.name << ", field " << id << " = \"" << v << "\": " << k << " × \"" << t;
                }
            }
        }
    }
}

}  // namespace
