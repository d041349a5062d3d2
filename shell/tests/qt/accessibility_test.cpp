// Every dialog template of every deliverable, shown by the Qt backend and read
// through QAccessible as a screen reader reads it: each control has a name of
// its own that says what it holds, in its label's words without the label's
// punctuation and with one ASCII blank between its words (whatever blanks
// the label pads with), whatever takes typing is named (an editable combo
// box's edit part too), and a dialog keeps its size whatever its hints say.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bevel/preliminary/a199_dlg.h"
#include "bevel/rating/sirrow_factor_dialogs.h"
#include "common/dialogs/bending_life_dialog.h"
#include "common/dialogs/work_hardening_dialog.h"
#include "common/calc/chart_scale.h"
#include "cylindrical/cy_geom_pro_page1.h"
#include "cylindrical/cy_geom_pro_page4.h"
#include "cylindrical/factor_dialogs.h"
#include "fw/format.h"
#include "fw/fw.h"
#include "fwqt/qt_backend.h"
#include "resources/belmar/module.h"
#include "resources/corvane/module.h"
#include "resources/kavrin/module.h"
#include "resources/pellun/module.h"
#include "resources/sirrow/module.h"
#include "resources/tarv/module.h"
#include "smallmodule/csmcy_dlg.h"
#include "worm/calc/worm_preliminary.h"
#include "worm/ccw_pr_dlg.h"

namespace {

void pump(int ms = 0) {
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (t.elapsed() < ms);
}

// The application, made once for the process before any backend (the
// backend's key and focus routing goes onto the application).
struct QtApplication {
    QtApplication() {
        const char* base = std::getenv("KAVRIN_TEST_TMP");
        const std::filesystem::path run = std::filesystem::path(base ? base : "/tmp") / "qt-a11y-run";
        std::filesystem::create_directories(run);
        ::chmod(run.c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", run.c_str(), 1);
        // One screen 1600 pixels wide, as a designer's notebook has it.
        const std::filesystem::path screens = run / "screens.json";
        if (std::FILE* f = std::fopen(screens.c_str(), "w")) {
            std::fputs("{\"screens\": [{\"name\": \"notebook\", \"x\": 0, \"y\": 0, \"width\": 1600, "
                       "\"height\": 900, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}",
                       f);
            std::fclose(f);
        }
        ::setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.string()).c_str(), 1);
        static int argc = 1;
        static char name[] = "shell_qt_accessibility_test";
        static char* argv[] = {name, nullptr};
        static auto* app = new fwqt::Application(argc, argv);   // lives for the process
        (void)app;
    }
};

struct QtProgram : QtApplication {
    QtProgram() { m_old = fw::setBackend(&backend); }
    ~QtProgram() {
        backend.setShownHook({});
        fw::setBackend(m_old);
    }
    fwqt::QtBackend backend;

private:
    fw::Backend* m_old = nullptr;
};

const std::vector<const fw::Module*>& modules() {
    static const std::vector<const fw::Module*> all = {&kavrin::module(), &corvane::module(), &pellun::module(),
                                                       &belmar::module(), &sirrow::module(), &tarv::module()};
    return all;
}

// Shows every template of every module as a plain dialog and runs look on
// its window once it is up.
void everyTemplate(QtProgram& p, const std::function<void(const std::string&, fw::Dialog&, QWidget*)>& look) {
    for (const fw::Module* m : modules()) {
        for (int id : m->dialogIds()) {
            const std::string name = m->name() + "-" + std::to_string(id);
            fw::Dialog d(*m, id);
            bool shown = false;
            p.backend.setShownHook([&](fw::Window&, QWidget* top) {
                shown = true;
                look(name, d, top);
                d.EndDialog(IDCANCEL);
            });
            d.DoModal();
            p.backend.setShownHook({});
            EXPECT_TRUE(shown) << name;
        }
    }
}

// ---- what a screen reader hears ----

bool interactive(QAccessible::Role r) {
    switch (r) {
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::SpinBox:
    case QAccessible::PageTabList: return true;
    default: return false;
    }
}

struct Heard {
    QWidget* widget = nullptr;
    QAccessible::Role role = QAccessible::NoRole;
    QString name;    // blanks simplified, as the checks of its words read it
    QString group;   // caption of the group box around it
    QString raw;     // as a screen reader gets it
};

QString groupOf(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (auto* g = qobject_cast<QGroupBox*>(p)) return g->title().simplified();
    return {};
}

// The controls of a window as the accessibility tree shows them.
void listen(QAccessibleInterface* iface, std::vector<Heard>& out, int depth = 0) {
    if (!iface || depth > 30) return;
    auto* w = qobject_cast<QWidget*>(iface->object());
    if (w && w->property("fwqt.control").isValid() && interactive(iface->role())) {
        // A name the program did not give (Qt's guess: the caption of the
        // group around it) counts as none.
        const QString raw = w->accessibleName().isEmpty() ? QString() : iface->text(QAccessible::Name);
        out.push_back({w, iface->role(), raw.simplified(), groupOf(w), raw});
        return;   // a control's own parts (a combo's list) are not controls of the dialog
    }
    for (int i = 0; i < iface->childCount(); ++i) listen(iface->child(i), out, depth + 1);
}

std::vector<Heard> heardIn(QWidget* top) {
    std::vector<Heard> out;
    listen(QAccessible::queryAccessibleInterface(top), out);
    return out;
}

// Words that say only what unit a value has, or nothing at all.
bool saysOnlyUnits(QString name, const QString& group) {
    if (!group.isEmpty() && name.startsWith(group + u' ')) name = name.mid(group.size() + 1);
    static const QSet<QString> units = {
        QStringLiteral("mm"),  QStringLiteral("r/min"), QStringLiteral("kW"),    QStringLiteral("N·m"),
        QStringLiteral("N.m"), QStringLiteral("Nm"),    QStringLiteral("MPa"),   QStringLiteral("N/mm²"),
        QStringLiteral("N"),   QStringLiteral("°"),     QStringLiteral("′"),     QStringLiteral("″"),
        QStringLiteral("%"),   QStringLiteral("－"),    QStringLiteral("-"),     QStringLiteral("度"),
        QStringLiteral("分"),  QStringLiteral("秒"),    QStringLiteral("μm"),    QStringLiteral("um"),
        QStringLiteral("cSt"), QStringLiteral("=")};
    const QStringList words = name.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) return false;
    for (const QString& w : words)
        if (!units.contains(w)) return false;
    return true;
}

// What a name must not hold: the punctuation of the label it comes from. A
// colon, equals sign or dash at either end ("：α 度", "Ws = -", "选用典型材料:"),
// a colon between words ("齿数:Z1"), or a bracket that is not closed in the
// name ("等顶隙 )"). Empty when the name is clean, else what is wrong.
QString punctuationIn(const QString& name) {
    static const QString ends = QStringLiteral(":：=＝-－—,，;；、");
    if (name.isEmpty()) return {};
    if (ends.contains(name.front())) return QStringLiteral("starts with ") + name.front();
    if (ends.contains(name.back())) return QStringLiteral("ends with ") + name.back();
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const bool digits = i > 0 && i + 1 < name.size() && name[i - 1].isDigit() && name[i + 1].isDigit();
        if ((c == u':' || c == u'：') && !digits) return QStringLiteral("a colon inside");
    }
    static const std::pair<QChar, QChar> pairs[] = {{u'(', u')'}, {u'（', u'）'}, {u'[', u']'}, {u'【', u'】'}};
    for (const auto& [open, close] : pairs) {
        int depth = 0;
        for (QChar c : name) {
            if (c == open) ++depth;
            if (c == close && --depth < 0) return QStringLiteral("a stray ") + close;
        }
        if (depth > 0) return QStringLiteral("a stray ") + open;
    }
    return {};
}

// What a name must not hold between its words: a blank at either end, two
// blanks in a row, or a blank other than the ASCII one (an ideographic space
// "　", a no-break or typographic space, a tab), of any kind Unicode knows.
// Empty when the name is clean, else what is wrong.
QString blanksIn(const QString& name) {
    if (name.isEmpty()) return {};
    if (name.front().isSpace()) return QStringLiteral("starts with a blank");
    if (name.back().isSpace()) return QStringLiteral("ends with a blank");
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!name[i].isSpace()) continue;
        if (name[i] != u' ') return QStringLiteral("a blank U+%1").arg(name[i].unicode(), 4, 16, QChar(u'0'));
        if (name[i + 1].isSpace()) return QStringLiteral("two blanks in a row");
    }
    return {};
}

struct Findings {
    int controls = 0;
    std::vector<std::string> unnamed, unitOnly, duplicate, numbered, comboByValue, punctuated, blanks, unnamedEdit;
    int duplicateControls = 0;
    std::string summary() const {
        char line[256];
        std::snprintf(line, sizeof line,
                      "%d controls: %zu duplicate names (%d controls), %zu names differing by a trailing number, "
                      "%zu unnamed, %zu unit-only, %zu combo boxes named by their value, %zu names with "
                      "punctuation, %zu with stray blanks, %zu unnamed editable parts",
                      controls, duplicate.size(), duplicateControls, numbered.size(), unnamed.size(),
                      unitOnly.size(), comboByValue.size(), punctuated.size(), blanks.size(), unnamedEdit.size());
        return line;
    }
    std::string details() const {
        std::string s;
        auto list = [&s](const char* what, const std::vector<std::string>& v) {
            for (const auto& e : v) s += std::string(what) + ": " + e + "\n";
        };
        list("unnamed", unnamed);
        list("unit only", unitOnly);
        list("duplicate", duplicate);
        list("trailing number", numbered);
        list("combo named by its value", comboByValue);
        list("punctuation", punctuated);
        list("blanks", blanks);
        list("unnamed editable part", unnamedEdit);
        return s;
    }
};

void judge(const std::string& dialog, QWidget* top, Findings& f) {
    std::vector<Heard> heard = heardIn(top);
    f.controls += static_cast<int>(heard.size());
    auto where = [&dialog](const Heard& h) {
        return dialog + " " + h.widget->objectName().toStdString() + " \"" + h.name.toStdString() + "\"";
    };
    std::map<QString, int> count;
    std::map<QString, std::set<QString>> byBase;
    static const QRegularExpression trailing(QStringLiteral("^(.*\\S) \\d+$"));
    for (const Heard& h : heard) {
        if (h.name.isEmpty()) {
            f.unnamed.push_back(where(h));
            continue;
        }
        if (saysOnlyUnits(h.name, h.group)) f.unitOnly.push_back(where(h));
        if (const QString why = punctuationIn(h.name); !why.isEmpty())
            f.punctuated.push_back(where(h) + ": " + why.toStdString());
        if (const QString why = blanksIn(h.raw); !why.isEmpty())
            f.blanks.push_back(dialog + " " + h.widget->objectName().toStdString() + " \"" + h.raw.toStdString() +
                               "\": " + why.toStdString());
        ++count[h.name];
        const auto m = trailing.match(h.name);
        byBase[m.hasMatch() ? m.captured(1) : h.name].insert(h.name);
    }
    for (const auto& [name, n] : count)
        if (n > 1) {
            f.duplicate.push_back(dialog + " \"" + name.toStdString() + "\" ×" + std::to_string(n));
            f.duplicateControls += n;
        }
    for (const auto& [base, names] : byBase)
        if (names.size() > 1) {
            std::string all;
            for (const QString& n : names) all += (all.empty() ? "\"" : ", \"") + n.toStdString() + "\"";
            f.numbered.push_back(dialog + " " + all);
        }
    // Whatever takes typing is named, the edit part of an editable combo box
    // too (a screen reader lands on it when the box gets the focus): by the
    // combo box's own name.
    std::vector<std::pair<QAccessibleInterface*, QString>> edits;   // with the name of the control around it
    std::function<void(QAccessibleInterface*, const QString&, int)> walk = [&](QAccessibleInterface* i,
                                                                           const QString& around, int depth) {
        if (!i || depth > 30) return;
        auto* w = qobject_cast<QWidget*>(i->object());
        QString owner = around;
        if (w && w->property("fwqt.control").isValid()) owner = i->text(QAccessible::Name).simplified();
        if (i->role() == QAccessible::EditableText && w && w->isVisible()) edits.push_back({i, owner});
        for (int k = 0; k < i->childCount(); ++k) walk(i->child(k), owner, depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(top), QString(), 0);
    for (const auto& [i, owner] : edits) {
        const QString raw = i->text(QAccessible::Name);
        const QString name = raw.simplified();
        auto* w = qobject_cast<QWidget*>(i->object());
        const bool part = !w->property("fwqt.control").isValid();   // the edit inside a control
        const std::string where = dialog + " " + (part ? w->parentWidget()->objectName() : w->objectName()).toStdString() +
                                  (part ? " (its edit part)" : "");
        if (name.isEmpty() || (part && name != owner))
            f.unnamedEdit.push_back(where + " \"" + name.toStdString() + "\", its control \"" + owner.toStdString() + "\"");
        if (const QString why = blanksIn(raw); part && !why.isEmpty())
            f.blanks.push_back(where + " \"" + raw.toStdString() + "\": " + why.toStdString());
    }
    // A combo box is named by what it chooses, whatever it shows.
    for (const Heard& h : heard) {
        auto* cb = qobject_cast<QComboBox*>(h.widget);
        if (!cb) continue;
        if (cb->count() == 0) cb->addItem(QStringLiteral("8.00"));
        cb->setCurrentIndex(cb->count() - 1);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(cb);
        const QString name = iface->text(QAccessible::Name).simplified();
        if (name == cb->currentText().simplified())
            f.comboByValue.push_back(dialog + " " + cb->objectName().toStdString() + " \"" + name.toStdString() + "\"");
    }
}

TEST(QtAccessibility, EveryControlOfEveryDialogHasANameOfItsOwn) {
    QtProgram p;
    Findings f;
    everyTemplate(p, [&](const std::string& name, fw::Dialog&, QWidget* top) { judge(name, top, f); });
    std::printf("%s\n", f.summary().c_str());
    EXPECT_GT(f.controls, 1000);
    EXPECT_TRUE(f.unnamed.empty() && f.unitOnly.empty() && f.duplicate.empty() && f.numbered.empty() &&
                f.comboByValue.empty() && f.punctuated.empty() && f.blanks.empty() && f.unnamedEdit.empty())
        << f.summary() << "\n"
        << f.details();
}

// The parts of an angle: "[field] °  [field] ′  [field] ″". Each field is
// named, for a screen reader and in a refusal alike, by what it holds.
void angleParts(const std::vector<fw::Node>& nodes, std::vector<std::pair<int, std::string>>& out) {
    for (const fw::Node& n : nodes) {
        std::vector<std::pair<int, std::string>> row;
        if (n.kind == fw::Kind::Row)
            for (std::size_t i = 0; i + 1 < n.children.size(); ++i) {
                const fw::Node& f = n.children[i];
                const fw::Node& u = n.children[i + 1];
                if (f.kind != fw::Kind::Edit || u.kind != fw::Kind::Static) continue;
                if (u.text == "°") row.push_back({f.id, "度"});
                if (u.text == "′") row.push_back({f.id, "分"});
                if (u.text == "″") row.push_back({f.id, "秒"});
            }
        // degrees with minutes: an angle in parts (one field in degrees or in
        // minutes alone, or two angles in degrees side by side, hold values)
        const auto has = [&row](const char* w) {
            return std::any_of(row.begin(), row.end(), [w](const auto& r) { return r.second == w; });
        };
        if (has("度") && has("分")) out.insert(out.end(), row.begin(), row.end());
        angleParts(n.children, out);
    }
}

TEST(QtAccessibility, AnglePartsAreNamedByWhatTheyHold) {
    QtProgram p;
    int rows = 0;   // angle part fields seen
    std::vector<std::string> wrong;
    everyTemplate(p, [&](const std::string& name, fw::Dialog& d, QWidget*) {
        std::vector<std::pair<int, std::string>> parts;
        angleParts(d.dialogTemplate().body, parts);
        rows += static_cast<int>(parts.size());
        for (const auto& [id, word] : parts) {
            const std::string heard = fwqt::QtBackend::widgetOf(d.item(id))->accessibleName().toStdString();
            const std::string refused = fw::fieldLabel(d, id);
            const std::string end = " " + word;
            const bool named = heard.size() > end.size() && heard.compare(heard.size() - end.size(), end.size(), end) == 0;
            if (!named || refused != heard)
                wrong.push_back(name + " id" + std::to_string(id) + " holds " + word + ": heard \"" + heard +
                                "\", refused as \"" + refused + "\"");
        }
    });
    EXPECT_GT(rows, 20);   // fields that are parts of an angle
    std::string all;
    for (const auto& w : wrong) all += w + "\n";
    EXPECT_TRUE(wrong.empty()) << all;
}

// Where a label alone does not say what a control holds or whose it is: the
// gear of each field of a pair (the small-module tables, the work hardening
// radios), the quantity of a list that multiplies a field, the field after a
// unit, and a label padded with ideographic blanks. As a screen reader hears
// them, and as a refusal names them.
TEST(QtAccessibility, ControlsSayWhatTheyHoldAndWhoseTheyAre) {
    QtProgram p;
    using Z = kavrin::WorkHardeningDialog;
    using W = kavrin::BendingLifeDialog;
    using S = CSmcyDlg;
    const struct {
        const fw::Module& module;
        int dialog, id;
        const char* name;
    } cases[] = {
        {corvane::module(), CCyGeomProPage1::IDD, CCyGeomProPage1::IDC_SUMX, "总变位系数 χnΣ"},   // "总变位系数：　 　χnΣ="
        {corvane::module(), CCyGeomProPage4::IDD, CCyGeomProPage4::IDC_MN, "Mn"},
        {corvane::module(), CCyGeomProPage4::IDD, CCyGeomProPage4::IDC_MT, "Mt"},               // "Mn= [] mm, Mt= []"
        {corvane::module(), CCyProofWynDlg::IDD, W::IDC_MULTIPLIER, "当量循环次数 NE"},
        {corvane::module(), CCyProofWynDlg::IDD, W::IDC_CYCLES, "当量循环次数 NE 的数量级"},
        {sirrow::module(), CSirrowWynDlg::IDD, W::IDC_CYCLES, "当量循环次数 NE 的数量级"},
        {corvane::module(), CCyProofZhwDlg::IDD, Z::IDC_PINION, "小齿轮 硬齿面"},
        {corvane::module(), CCyProofZhwDlg::IDD, Z::IDC_PINION + 1, "小齿轮 软齿面"},
        {corvane::module(), CCyProofZhwDlg::IDD, Z::IDC_GEAR, "大齿轮 硬齿面"},
        {corvane::module(), CCyProofZhwDlg::IDD, Z::IDC_GEAR + 1, "大齿轮 软齿面 HB≤350"},
        {sirrow::module(), CSirrowZwDlg::IDD, Z::IDC_PINION + 1, "小齿轮 软齿面"},
        {corvane::module(), S::IDD, S::IDC_Z1, "齿数 小齿轮 Z1"},
        {corvane::module(), S::IDD, S::IDC_Z2, "齿数 大齿轮 Z2"},
        {corvane::module(), S::IDD, S::IDC_XN1, "变位系数 小齿轮 Z1"},
        {corvane::module(), S::IDD, S::IDC_DWS1, "公法线上偏差 Ws 小齿轮 Z1"},
        {corvane::module(), S::IDD, S::IDC_DWS2, "公法线上偏差 Ws 大齿轮 Z2"},
        {corvane::module(), S::IDD, S::IDC_DMI1, "测量跨径下偏差 小齿轮 Z1"},
    };
    for (const auto& c : cases) {
        const std::string where = c.module.name() + "-" + std::to_string(c.dialog) + " id" + std::to_string(c.id);
        fw::Dialog d(c.module, c.dialog);
        std::string heard = "(not shown)";
        p.backend.setShownHook([&](fw::Window&, QWidget*) {
            heard = fwqt::QtBackend::widgetOf(d.item(c.id))->accessibleName().toStdString();
            d.EndDialog(IDCANCEL);
        });
        d.DoModal();
        p.backend.setShownHook({});
        EXPECT_EQ(heard, c.name) << where;
        EXPECT_EQ(fw::fieldLabel(d, c.id), c.name) << where;
    }
}

// Runs look once the next dialog's own loop runs (user input reaches the
// model only then).
void whenRunning(QtProgram& p, std::function<void(QWidget*)> look) {
    p.backend.setShownHook([&p, look](fw::Window&, QWidget* top) {
        p.backend.setShownHook({});
        QTimer::singleShot(0, top, [look, top] { look(top); });
    });
}

// ---- sliders ----

QSlider* sliderOf(const fw::Dialog& d, int id) {
    return qobject_cast<QSlider*>(fwqt::QtBackend::widgetOf(d.item(id)));
}

QPoint handleCentre(QSlider* s) {
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.orientation = s->orientation();
    opt.minimum = s->minimum();
    opt.maximum = s->maximum();
    opt.upsideDown = s->invertedAppearance() == (s->orientation() == Qt::Horizontal);
    opt.sliderPosition = opt.sliderValue = s->value();
    return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s).center();
}

// The row of the chart's horizontal cross-hair line as last drawn.
int crossHairRow(const fw::Window& w) {
    const auto& ops = w.drawing();
    for (auto it = ops.rbegin(); it != ops.rend(); ++it)
        if (it->kind == fw::DrawOp::Kind::Line && it->from.y == it->to.y) return it->from.y;
    return -1;
}

// Pixels of that row across the plot box that are drawn dark, in percent.
int darkAcross(QWidget* top, const kavrin::ChartDialog& d, int y) {
    const QImage img = top->grab().toImage();
    int dark = 0, all = 0;
    for (int x = d.m_left + 1; x < d.m_right - 1; ++x, ++all)
        if (qGray(img.pixel(x, y)) < 100) ++dark;
    return all ? dark * 100 / all : 0;
}

// A chart dialog follows its sliders however they move: a click gives a
// slider the keyboard focus, Tab goes on to the other, keys and a value set
// through the accessibility interface move the cross-hair, and the value
// read off is the one the cross-hair shows.
TEST(QtAccessibility, ChartFollowsItsSliderByKeysAndAssistiveTools) {
    QtProgram p;
    CA199Dlg d;
    bool shown = false;
    whenRunning(p, [&](QWidget* top) {
        shown = true;
        QSlider* h = sliderOf(d, CA199Dlg::IDC_H_SLIDER);
        QSlider* v = sliderOf(d, CA199Dlg::IDC_V_SLIDER);
        ASSERT_TRUE(h && v);
        pump(20);
        ASSERT_EQ(v->value(), 200);
        QTest::mouseClick(h, Qt::LeftButton, {}, handleCentre(h));
        EXPECT_TRUE(h->hasFocus());
        EXPECT_EQ(d.focusId(), CA199Dlg::IDC_H_SLIDER);
        QTest::keyClick(h, Qt::Key_Tab);
        EXPECT_TRUE(v->hasFocus());
        EXPECT_EQ(d.focusId(), CA199Dlg::IDC_V_SLIDER);

        struct Move {
            const char* how;
            std::function<void()> act;
            int pos;
        };
        const Move moves[] = {
            {"Page Up", [&] { QTest::keyClick(v, Qt::Key_PageUp); }, 200 - d.copy().pageSize},
            {"Up", [&] { QTest::keyClick(v, Qt::Key_Up); }, 199 - d.copy().pageSize},
            {"an assistive tool",
             [&] {
                 QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(v);
                 ASSERT_TRUE(iface && iface->valueInterface());
                 iface->valueInterface()->setCurrentValue(120);
             },
             120},
            {"Home", [&] { QTest::keyClick(v, Qt::Key_Home); }, 0},
            {"an assistive tool again",
             [&] { QAccessible::queryAccessibleInterface(v)->valueInterface()->setCurrentValue(57); }, 57},
        };
        for (const Move& m : moves) {
            m.act();
            pump(20);
            const int y = kavrin::chart::pixelOf(m.pos, d.m_top, d.m_bottom);
            EXPECT_EQ(d.trackbar(CA199Dlg::IDC_V_SLIDER).pos(), m.pos) << m.how;
            EXPECT_EQ(d.m_vPos, m.pos) << m.how;
            EXPECT_EQ(crossHairRow(d), y) << m.how;
            EXPECT_GT(darkAcross(top, d, y), 90) << m.how << ": the line is not on the screen";
            EXPECT_DOUBLE_EQ(d.m_value, kavrin::chart::valueAt(m.pos, d.copy().k, d.copy().c)) << m.how;
        }
        // The horizontal one by an assistive tool: the vertical line follows.
        QAccessible::queryAccessibleInterface(h)->valueInterface()->setCurrentValue(30);
        pump(20);
        EXPECT_EQ(d.m_hPos, 30);
        EXPECT_TRUE(v->hasFocus()) << "a value set from outside leaves the focus where it is";
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(d.DoModal(3.0, 20), IDOK);
    EXPECT_TRUE(shown);
    EXPECT_DOUBLE_EQ(d.m_value, kavrin::chart::valueAt(57, d.copy().k, d.copy().c));
}

// ---- size ----

// The worm preliminary dialog writes its hints into one field: whatever it
// says, the dialog keeps its size and its buttons stay on a 1600-pixel screen.
TEST(QtAccessibility, WormPreliminaryKeepsItsSizeWhateverItsHintSays) {
    QtProgram p;
    CcwPrDlg d;
    bool shown = false;
    whenRunning(p, [&](QWidget* top) {
        shown = true;
        pump(20);
        const QRect screen = top->screen()->availableGeometry();
        ASSERT_EQ(screen.width(), 1600);
        const QSize size = top->size();
        const std::string hints[] = {
            worm::kHintChooseDiameter,
            worm::kHintDoneSmallLead,
            worm::kHintSmallLead,
            worm::kHintLargeLead,
            worm::kHintLoaded,
            fw::format(worm::kHintInputUnusable, "蜗轮分度圆直径 d2"),
            std::string(worm::kHintDoneSmallLead) + worm::kHintSmallLead + worm::kHintLoaded + worm::kHintLargeLead,
        };
        for (const std::string& hint : hints) {
            d.setText(CcwPrDlg::IDC_HINT, hint);
            pump(20);
            EXPECT_EQ(top->size(), size) << hint;
            auto* field = qobject_cast<QLineEdit*>(fwqt::QtBackend::widgetOf(d.item(CcwPrDlg::IDC_HINT)));
            ASSERT_TRUE(field);
            EXPECT_EQ(field->text().toStdString(), hint) << "the hint is there whole, to scroll through";
            for (int id : {int(IDCANCEL), int(CcwPrDlg::IDC_HELP)}) {
                QWidget* b = fwqt::QtBackend::widgetOf(d.item(id));
                const QRect onScreen(b->mapToGlobal(QPoint(0, 0)), b->size());
                EXPECT_TRUE(screen.contains(onScreen)) << hint << ": button " << id << " at " << onScreen.x() << ","
                                                       << onScreen.y() << " " << onScreen.width() << "×"
                                                       << onScreen.height();
            }
        }
        d.EndDialog(IDCANCEL);
    });
    d.DoModal();
    EXPECT_TRUE(shown);
}

}  // namespace
