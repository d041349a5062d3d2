// A user's written steps (fwtest/steps.h) done in the real Qt window: the
// menu bar's actions, mouse clicks on the buttons, radios and tabs, keys
// typed into the fields and file dialogs, the slider moved by its keys, and
// every message box answered by its button, Qt's own (a file dialog's
// replace question) as well. A control is found by its name in the model
// (fwtest/by_name.h) and used through its widget. Any window, box or file
// dialog that comes where the steps say nothing fails the run.
//
//   QtStepRunner r(program.backend, program.main());
//   const std::string failure = r.run(steps);   // empty: every step was done
#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fwqt/qt_backend.h"
#include "fwtest/by_name.h"
#include "fwtest/steps.h"

class QtStepRunner {
public:
    QtStepRunner(fwqt::QtBackend& backend, QMainWindow* main) : m_backend(backend), m_main(main) {
        // Which model window each modal widget shows.
        m_backend.setShownHook([this](fw::Window& w, QWidget* top) {
            m_windows[top] = &w;
            QObject::connect(top, &QObject::destroyed, [this, top] {
                m_windows.erase(top);
                m_named.erase(top);
            });
        });
    }
    ~QtStepRunner() { m_backend.setShownHook({}); }

    // Runs every step; a step that waits longer than stepMs for its window
    // fails the run. Returns the first failure, empty when there is none.
    std::string run(const std::vector<fwtest::Step>& steps, int stepMs = 10000) {
        m_steps = steps;
        m_at = 0;
        m_failure.clear();
        QEventLoop loop;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
            if (tick(stepMs)) loop.quit();
        });
        m_waiting.start();
        timer.start(5);
        loop.exec();
        return m_failure;
    }

private:
    struct Running {
        int token;
        QWidget* modal;   // the modal window the action began in
    };

    // One look at the program; true when the run is over.
    bool tick(int stepMs) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!m_failure.empty()) return closeAll(modal);
        // An action still at work in the window now in front (its handler
        // runs on after a box or dialog it opened has closed), or not yet begun.
        if (m_posted) return false;
        for (const Running& r : m_running)
            if (r.modal == modal) return false;
        if (m_waiting.elapsed() > stepMs)
            return fail(m_notReady.empty() ? "waits for its window (now " + describe(modal) + ")" : m_notReady);
        if (m_at >= m_steps.size()) {
            if (modal) return fail("the steps end with " + describe(modal) + " open", true);
            return m_running.empty();
        }
        const fwtest::Step& st = m_steps[m_at];
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (st.verb != "回答") return fail("a message box the steps do not name came: “" + box->text().toStdString() + "”", true);
            return answer(box, st);
        }
        if (auto* fd = qobject_cast<QFileDialog*>(modal)) {
            if (st.verb != "保存为" && st.verb != "打开")
                return fail("a file dialog the steps do not name came: “" + fd->windowTitle().toStdString() + "”", true);
            return chooseFile(fd, st);
        }
        if (!modal) {
            if (st.verb != "菜单") return fail("no window is open for this step");
            return menu(st);
        }
        auto it = m_windows.find(modal);
        if (it == m_windows.end()) return false;   // shown, not yet laid out: the hook comes next
        if (!m_named.count(modal)) {
            if (st.verb != "窗口") return fail("the window " + describe(modal) + " opens; the steps do not name it", true);
            m_named.insert(modal);
        }
        return act(*it->second, modal, st);
    }

    std::string describe(QWidget* w) const { return w ? "“" + w->windowTitle().toStdString() + "”" : "no window"; }

    // At the step about to be taken, or (afterWards) at the one whose action
    // brought what is in front.
    bool fail(const std::string& why, bool afterwards = false) {
        if (m_failure.empty()) {
            const std::size_t n = afterwards ? m_at : std::min(m_at + 1, m_steps.size());
            m_failure = "step " + std::to_string(n) + " “" + (n ? m_steps[n - 1].text : "") + "”: " + why;
        }
        return false;
    }

    // After a failure: every window still open is closed, the model's ones
    // directly (no handler runs, so no question comes).
    bool closeAll(QWidget* modal) {
        if (!modal) return m_running.empty() && !m_posted;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* b = box->escapeButton() ? box->escapeButton() : box->buttons().value(0);
            if (b) post(modal, [b] { b->click(); });
        } else if (auto* fd = qobject_cast<QFileDialog*>(modal)) {
            fd->reject();
        } else if (auto it = m_windows.find(modal); it != m_windows.end()) {
            if (auto* s = dynamic_cast<fw::PropertySheet*>(it->second)) s->EndDialog(fw::IDCANCEL);
            else if (auto* d = dynamic_cast<fw::Dialog*>(it->second)) d->EndDialog(fw::IDCANCEL);
        }
        return false;
    }

    // The step's action, run from the event loop (a click may open a modal
    // window whose loop runs inside it); the step is taken.
    void post(QWidget* modal, std::function<void()> action) {
        const int token = ++m_token;
        m_posted = true;
        QTimer::singleShot(0, [this, token, modal, action] {
            m_posted = false;
            m_running.push_back({token, modal});
            action();
            std::erase_if(m_running, [token](const Running& r) { return r.token == token; });
        });
    }
    bool next() {
        ++m_at;
        m_waiting.restart();
        m_notReady.clear();
        return false;
    }

    bool menu(const fwtest::Step& st) {
        QList<QAction*> actions = m_main->menuBar()->actions();
        QAction* hit = nullptr;
        for (const std::string& part : fwtest::menuPath(st.target)) {
            hit = nullptr;
            for (QAction* a : actions)
                if (!a->isSeparator() && fwtest::sameName(a->text().toStdString(), part)) hit = a;
            if (!hit) return fail("the menu has no such item");
            actions = hit->menu() ? hit->menu()->actions() : QList<QAction*>{};
        }
        if (!hit || hit->menu()) return fail("the menu path ends in a submenu");
        post(nullptr, [hit] { hit->trigger(); });
        return next();
    }

    bool answer(QMessageBox* box, const fwtest::Step& st) {
        if (!fwtest::fits(box->text().toStdString(), st.target))
            return fail("the message box says “" + box->text().toStdString() + "”");
        for (QAbstractButton* b : box->buttons())
            if (fwtest::sameName(b->text().toStdString(), st.value)) {
                post(box, [b] { QTest::mouseClick(b, Qt::LeftButton); });
                return next();
            }
        return fail("the message box has no button “" + st.value + "”");
    }

    bool chooseFile(QFileDialog* fd, const fwtest::Step& st) {
        const bool save = fd->acceptMode() == QFileDialog::AcceptSave;
        if (save != (st.verb == "保存为")) return fail(std::string("the file dialog is an ") + (save ? "save" : "open") + " dialog");
        auto* name = fd->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) return fail("the file dialog has no name field");
        const QString typed = QString::fromStdString(st.target);
        post(fd, [name, typed] {
            name->setFocus();
            name->selectAll();
            typeText(name, typed);
            QTest::keyClick(name, Qt::Key_Return);
        });
        return next();
    }

    // The widget of the one control the step names; null when there is
    // none (the run fails) or when it is not shown or usable yet (the step
    // waits: a page's widgets come after its tab is clicked).
    QWidget* widgetNamed(fw::Dialog& d, const fwtest::Step& st, fwtest::Role role) {
        const auto found = fwtest::controlsNamed(d, st.target, role);
        if (found.size() != 1) {
            fail(std::string(found.empty() ? "no control of that name" : "the name fits several controls") + "; it holds " + fwtest::namesIn(d));
            return nullptr;
        }
        QWidget* w = fwqt::QtBackend::widgetOf(*found.front());
        if (!w || !w->isVisible()) m_notReady = "the control is not shown";
        else if (role != fwtest::Role::Read && !w->isEnabled()) m_notReady = "the control is disabled";
        else return w;
        return nullptr;
    }

    // Keys as a user types them: ASCII on the keyboard, Chinese through the
    // input method (its committed text).
    static void typeText(QWidget* w, const QString& text) {
        for (QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(w, c.toLatin1());
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QApplication::sendEvent(w, &commit);
            }
        }
    }

    static std::string shownText(QWidget* w) {
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
        if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText().toStdString();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
        if (auto* t = qobject_cast<QPlainTextEdit*>(w)) return t->toPlainText().toStdString();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().toStdString();
        if (auto* s = qobject_cast<QSlider*>(w)) return std::to_string(s->value());
        return {};
    }

    bool act(fw::Window& win, QWidget* modal, const fwtest::Step& st) {
        auto* sheet = dynamic_cast<fw::PropertySheet*>(&win);
        fw::Dialog* d = sheet ? sheet->GetActivePage() : dynamic_cast<fw::Dialog*>(&win);
        if (!d) return fail("the window in front shows no controls");
        if (st.verb == "窗口") {
            const std::string title = modal->windowTitle().toStdString();
            if (fwtest::readingOf(title).find(fwtest::readingOf(st.target)) == std::string::npos)
                return fail("the window open is " + describe(modal));
            return next();
        }
        if (st.verb == "按" && sheet && fwtest::controlsNamed(*d, st.target, fwtest::Role::Press).empty()) {
            if (int id = fwtest::sheetButtonNamed(*sheet, st.target)) {
                auto* b = modal->findChild<QPushButton*>(QStringLiteral("sheet-%1").arg(id));
                if (!b || !b->isVisible() || !b->isEnabled()) {
                    m_notReady = "the sheet's button is not there to press";
                    return false;
                }
                post(modal, [b] { QTest::mouseClick(b, Qt::LeftButton); });
                return next();
            }
        }
        if (st.verb == "按" || (st.verb == "选" && st.value.empty())) {
            QWidget* w = widgetNamed(*d, st, st.verb == "按" ? fwtest::Role::Press : fwtest::Role::Choose);
            if (!w) return false;
            // A radio or check box takes the click on its mark (a row may make
            // the widget wider than its text); a push button anywhere.
            const bool marked = qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w);
            const QPoint at = marked ? QPoint(w->height() / 2, w->height() / 2) : w->rect().center();
            post(modal, [w, at] { QTest::mouseClick(w, Qt::LeftButton, {}, at); });
            return next();
        }
        if (st.verb == "输入") {
            QWidget* w = widgetNamed(*d, st, fwtest::Role::Type);
            auto* edit = qobject_cast<QLineEdit*>(w);
            if (auto* c = qobject_cast<QComboBox*>(w)) edit = c->lineEdit();
            if (!w) return false;
            if (!edit) return fail("the field takes no typing here");
            const QString text = QString::fromStdString(st.value);
            post(modal, [edit, text] {
                QTest::mouseClick(edit, Qt::LeftButton);
                edit->selectAll();
                typeText(edit, text);
                QTest::keyClick(edit, Qt::Key_Tab);
            });
            return next();
        }
        if (st.verb == "拖") {
            QWidget* w = widgetNamed(*d, st, fwtest::Role::Slide);
            if (!w) return false;
            const int steps = std::stoi(st.value);
            post(modal, [w, steps] {
                w->setFocus(Qt::TabFocusReason);
                QTest::keyClick(w, Qt::Key_Home);
                for (int k = 0; k < steps; ++k) QTest::keyClick(w, Qt::Key_Right);
            });
            return next();
        }
        if (st.verb == "翻到") {
            auto* tabs = modal->findChild<QTabWidget*>();
            const int page = sheet ? fwtest::pageNamed(*sheet, st.target) : -1;
            if (!tabs || page < 0) return fail("no tab of that name");
            QTabBar* bar = tabs->tabBar();
            post(modal, [bar, page] { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center()); });
            return next();
        }
        if (st.verb == "核对") {
            QWidget* w = widgetNamed(*d, st, fwtest::Role::Read);
            if (!w) return false;
            // The widget may follow the model a moment later: a text that does
            // not read as written fails only when it stays so.
            if (!fwtest::readsAs(shownText(w), st.value)) {
                m_notReady = "it shows “" + shownText(w) + "”";
                return false;
            }
            return next();
        }
        return fail("this step is not done in the Qt run");
    }

    fwqt::QtBackend& m_backend;
    QMainWindow* m_main;
    std::vector<fwtest::Step> m_steps;
    std::size_t m_at = 0;
    std::string m_failure;
    std::map<QWidget*, fw::Window*> m_windows;
    std::set<QWidget*> m_named;
    std::vector<Running> m_running;
    bool m_posted = false;
    int m_token = 0;
    QElapsedTimer m_waiting;
    std::string m_notReady;   // why the next step waits
};
