// One name per quantity: a field that reads a quantity of a record's range
// table names it to the exchange, and the table's name is the field's label
// (its accessible name, which the field's refusal starts with), so that the
// record checks, which word their faults from the table, name a value as
// the field that holds it is named. Every dialog class runs from its default
// state, the geometry sheet and the cycloid wizard at each page; each field
// is spoilt once (as a user leaving nonsense would), so that fields checked
// only by their own handlers name their quantities too.
#include <gtest/gtest.h>

#include <cxxabi.h>

#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <typeinfo>

#include "cycloid/cex_design.h"
#include "cycloid/cexy_property_sheet.h"
#include "cylindrical/cy_geom_pro_sheet.h"
#include "fw/exchange.h"
#include "fw/format.h"
#include "resources/kavrin/module.h"
#include "shell_fixture.h"
#include "every_dialog_class.h"

namespace {

using fwtest::Running;
using kavrin_shell_test::DialogEntry;

std::string className(const fw::Dialog& d) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> n(abi::__cxa_demangle(typeid(d).name(), nullptr, nullptr, &status),
                                             std::free);
    return status == 0 ? std::string(n.get()) : std::string(typeid(d).name());
}

// Every dialog class, then each page of the two sheets as its start page.
std::vector<DialogEntry> everyWindow() {
    std::vector<DialogEntry> all = kavrin_shell_test::everyDialogClass();
    for (int page = 0; page < 4; ++page)
        all.push_back({"CCyGeomProSheet", [page] {
                           CCyGeomProSheet sheet("", nullptr);
                           sheet.removeApplyButton();
                           sheet.SetActivePage(page);
                           sheet.DoModal();
                       }});
    for (int page = 0; page < 6; ++page)
        all.push_back({"CCexyPropertySheet", [page] {
                           auto wizard = std::make_unique<CCexyPropertySheet>(kavrin::IDS_CEXY_CAPTION, nullptr, page);
                           g_pCexySheet = wizard.get();
                           wizard->SetWizardMode();
                           wizard->DoModal();
                           g_pCexySheet = nullptr;
                       }});
    return all;
}

// A field that named a quantity: the names it gave, its label, the range.
struct NamedField {
    std::set<std::string> names;
    std::string label;
    fw::Bounds bounds;
};
using Field = std::pair<std::string, int>;   // dialog class, control id

bool editable(const fw::Control& c) {
    auto* e = dynamic_cast<const fw::Edit*>(&c);
    return e && e->enabled() && e->visible() && !e->readOnly();
}

// Values outside b, one beyond each end, as a user types them: whole
// numbers for a whole-number range, digits only where the field takes only
// digits.
std::vector<std::string> outside(const fw::Bounds& b, const fw::Edit& e) {
    const bool whole = std::floor(b.lower) == b.lower && std::floor(b.upper) == b.upper;
    std::vector<double> values{b.upper + std::max(1.0, std::abs(b.upper))};
    if (whole) values.push_back(b.lower - 1);
    else values.push_back(b.lower > 0 ? b.lower / 2 : b.lower - std::max(1.0, std::abs(b.lower)));
    std::vector<std::string> texts;
    for (double v : values) {
        const std::string t = fw::formatNumber(v);
        if (b.admits(v) || (e.digitsOnly() && t.find_first_not_of("0123456789") != std::string::npos)) continue;
        texts.push_back(t);
    }
    return texts;
}

class FieldNamesTest : public ShellTest {
protected:
    void TearDown() override {
        fw::watchNamedRanges({});
        ShellTest::TearDown();
    }

    // Runs every window; `each` is given the top dialog (or page) of each
    // run, after its opening exchange. Dialogs its handlers open are left.
    void walk(const std::function<void(Running&)>& each) {
        int depth = 0;
        s.tolerate([&](Running& r) {
            if (depth > 0) return r.end(fw::IDCANCEL);
            ++depth;
            each(r);
            --depth;
            if (!r.ended()) r.end(fw::IDCANCEL);
        });
        for (const DialogEntry& e : everyWindow()) e.run();
        s.tolerate(nullptr);
    }

    // Every field that names a quantity, with what it names.
    std::map<Field, NamedField> namedFields() {
        std::map<Field, NamedField> fields;
        fw::watchNamedRanges([&](const fw::Dialog& d, int id, std::string_view name, const fw::Bounds& b) {
            NamedField& f = fields[{className(d), id}];
            f.names.insert(std::string(name));
            f.label = fw::fieldLabel(d, id);
            f.bounds = b;
        });
        walk([](Running& r) {
            std::vector<int> ids;
            for (const auto& c : r.dialog().controls())
                if (editable(*c)) ids.push_back(c->id());
            for (int id : ids) {
                if (r.ended()) return;
                r.type(id, static_cast<const fw::Edit&>(r.dialog().item(id)).digitsOnly() ? "" : "abc");
                if (!r.ended()) r.leave();
            }
        });
        fw::watchNamedRanges({});
        return fields;
    }
};

TEST_F(FieldNamesTest, EveryFieldThatReadsATableIsNamedByItsLabel) {
    const std::map<Field, NamedField> fields = namedFields();
    for (const auto& [field, f] : fields) {
        const auto& [dialog, id] = field;
        if (f.names.size() > 1) {
            std::string all;
            for (const auto& n : f.names) all += " \"" + n + "\"";
            ADD_FAILURE() << dialog << ", field " << id << " (\"" << f.label << "\") names several quantities:" << all;
            continue;
        }
        if (*f.names.begin() != f.label)
            ADD_FAILURE() << dialog << ", field " << id << ": labelled \"" << f.label << "\", the table names it \""
                          << *f.names.begin() << "\"";
    }
    RecordProperty("fields", static_cast<int>(fields.size()));
}

// A value outside the range, typed and left (or taken by the dialog's next
// exchange where the field is checked there), is refused naming the field
// as the table does. A refusal in the dialog's own words (that the value
// comes too early, that a rule between fields fails) may come instead; a
// range refusal ("… 之间 …") always names the table's quantity. A field
// disabled in the default state is enabled for its probe.
TEST_F(FieldNamesTest, AValueOutsideItsRangeIsRefusedInTheTablesName) {
    const std::map<Field, NamedField> fields = namedFields();
    std::set<Field> refused;
    walk([&](Running& r) {
        const std::string dialog = className(r.dialog());
        for (const auto& [field, f] : fields) {
            if (field.first != dialog) continue;
            const int id = field.second;
            const std::string name = *f.names.begin();
            const auto* edit = dynamic_cast<const fw::Edit*>(&r.dialog().item(id));
            if (!edit) continue;   // a combo box's own rule
            for (const std::string& text : outside(f.bounds, *edit)) {
                if (r.ended()) return;
                const std::string before = r.text(id);
                const bool enabled = r.enabled(id);
                if (!enabled) r.dialog().enable(id, true);
                const std::size_t boxes = s.messages().size();
                r.type(id, text);
                if (!r.ended()) r.leave();
                bool other = false;   // another field refused first: says nothing of this one
                if (s.messages().size() == boxes && !r.ended()) {
                    r.dialog().UpdateData(true);
                    other = r.focused() != id;
                }
                if (s.messages().size() > boxes && !other) {
                    const std::string& m = s.messages()[boxes].text;
                    if (m.rfind(name, 0) == 0) refused.insert(field);
                    else if (m.find("之间") != std::string::npos)
                        ADD_FAILURE() << dialog << ", field " << id << " = " << text << ": refused as \"" << m
                                      << "\", not in the name \"" << name << "\"";
                }
                if (!r.ended()) {
                    r.type(id, before);
                    r.leave();
                }
                if (!enabled && !r.ended()) r.dialog().enable(id, false);
            }
        }
    });
    RecordProperty("refused_in_the_name", static_cast<int>(refused.size()));
}

}  // namespace
