// Every dialog template of every deliverable, shown by the Qt backend and read
// through QAccessible as a screen reader reads it: each control has a name of
// its own that says what it holds, and a dialog keeps its size whatever its
// hints say.
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
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fw/fw.h"
#include "fwqt/qt_backend.h"
#include "resources/belmar/module.h"
#include "resources/corvane/module.h"
#include "resources/kavrin/module.h"
#include "resources/pellun/module.h"
#include "resources/sirrow/module.h"
#include "resources/tarv/module.h"

namespace {

void pump(int ms = 0) {
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (t.elapsed() < ms);
}

struct QtProgram {
    QtProgram() {
        const char* base = std::getenv("KAVRIN_TEST_TMP");
        const std::filesystem::path run = std::filesystem::path(base ? base : "/tmp") / "qt-a11y-run";
        std::filesystem::create_directories(run);
        ::chmod(run.c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", run.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "shell_qt_accessibility_test";
        static char* argv[] = {name, nullptr};
        static auto* app = new fwqt::Application(argc, argv);   // lives for the process
        (void)app;
        m_old = fw::setBackend(&backend);
    }
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
    QString name;
    QString group;   // caption of the group box around it
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
        const QString name = w->accessibleName().isEmpty() ? QString() : iface->text(QAccessible::Name).simplified();
        out.push_back({w, iface->role(), name, groupOf(w)});
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

struct Findings {
    int controls = 0;
    std::vector<std::string> unnamed, unitOnly, duplicate, numbered, comboByValue;
    int duplicateControls = 0;
    std::string summary() const {
        char line[256];
        std::snprintf(line, sizeof line,
                      "%d controls: %zu duplicate names (%d controls), %zu names differing by a trailing number, "
                      "%zu unnamed, %zu unit-only, %zu combo boxes named by their value",
                      controls, duplicate.size(), duplicateControls, numbered.size(), unnamed.size(),
                      unitOnly.size(), comboByValue.size());
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
                f.comboByValue.empty())
        << f.summary() << "\n"
        << f.details();
}

}  // namespace
