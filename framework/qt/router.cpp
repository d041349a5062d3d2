// One application-wide event filter: keys, focus and mouse presses of the
// widgets that show our controls go to the model first, as the user's actions.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "internal.h"

namespace fwqt::detail {

namespace {

int g_focusSync = 0;   // > 0 while we move the Qt focus for the model

ControlView* controlOf(QObject* o) {
    for (auto* w = qobject_cast<QWidget*>(o); w; w = w->parentWidget()) {
        QVariant v = w->property("fwqt.control");
        if (v.isValid()) return static_cast<ControlView*>(v.value<void*>());
        if (w->isWindow()) break;
    }
    return nullptr;
}

ModalWindow* windowOf(QObject* o) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w) return nullptr;
    return dynamic_cast<ModalWindow*>(w->window());
}

bool handleKey(QObject* o, QKeyEvent* k) {
    const int key = k->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool escape = key == Qt::Key_Escape;
    const bool tab = key == Qt::Key_Tab && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!enter && !escape && !tab) return false;
    ControlView* v = controlOf(o);
    if (v && v->dlg && v->ctl) {
        if (enter && qobject_cast<QPlainTextEdit*>(v->widget) && !v->ctl->hasStyle(fw::style::ReadOnly)) return false;
        fw::Dialog* d = v->dlg;
        if (tab) d->userFocusNext();
        else if (enter) d->userPressEnter();
        else d->userEscape();
        return true;
    }
    ModalWindow* mw = windowOf(o);
    if (!mw || !mw->window() || tab) return false;
    if (enter) {
        if (auto* b = qobject_cast<QPushButton*>(o)) {   // a sheet's own button has the focus
            b->click();
            return true;
        }
    }
    fw::Window* w = mw->window();
    if (auto* s = dynamic_cast<fw::PropertySheet*>(w)) {
        if (enter) s->userPressEnter();
        else s->userEscape();
    } else if (auto* d = dynamic_cast<fw::Dialog*>(w)) {
        if (enter) d->userPressEnter();
        else d->userEscape();
    }
    return true;
}

void handleFocusIn(QObject* o, QFocusEvent* f) {
    ControlView* v = controlOf(o);
    if (!v || !v->dlg || !v->ctl || g_focusSync) return;
    fw::Dialog* d = v->dlg;
    const Qt::FocusReason r = f->reason();
    // Focus asked for through the accessibility interface (a screen reader,
    // a GUI robot) comes as "other": it is the user's too. Our own moves are
    // marked by g_focusSync.
    const bool byUser = r == Qt::MouseFocusReason || r == Qt::TabFocusReason || r == Qt::BacktabFocusReason ||
                        r == Qt::ShortcutFocusReason || r == Qt::OtherFocusReason;
    if (d->focusId() == v->ctl->id()) return;
    if (!byUser) {
        // The window got the focus back (after a box, on activation): the
        // model's focus stands.
        QPointer<QWidget> w = v->widget;
        QTimer::singleShot(0, w, [w, d] {
            if (w) {
                ControlView* cv = controlOf(w);
                if (cv && cv->dlg == d) syncFocus(*d);
            }
        });
        return;
    }
    const bool ok = d->userFocus(v->ctl->id());
    // The model said no (a kill-focus handler answered with a box): the
    // click that brought the focus is dropped too.
    if (!ok && v->dlg) {
        v->refusedPress = r == Qt::MouseFocusReason;
        syncFocus(*d);
    }
}

class Router : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress: return handleKey(o, static_cast<QKeyEvent*>(e));
        case QEvent::FocusIn: handleFocusIn(o, static_cast<QFocusEvent*>(e)); return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            ControlView* v = controlOf(o);
            if (v && v->refusedPress) {
                v->refusedPress = false;
                v->eatRelease = true;
                return true;
            }
            return false;
        }
        case QEvent::MouseButtonRelease: {
            ControlView* v = controlOf(o);
            if (v && v->eatRelease) {
                v->eatRelease = false;
                return true;
            }
            return false;
        }
        default: return false;
        }
    }
};

}  // namespace

void withoutFocusMove(QWidget* w, const std::function<void()>& change) {
    const bool had = w->hasFocus();
    ++g_focusSync;
    change();
    if (had && !w->hasFocus())
        if (QWidget* now = QApplication::focusWidget(); now && now->window() == w->window()) now->clearFocus();
    --g_focusSync;
}

void syncFocus(fw::Dialog& d) {
    fw::Control* c = d.find(d.focusId());
    ControlView* v = c ? viewOf(*c) : nullptr;
    if (!v || !v->widget || v->widget->hasFocus()) return;
    ++g_focusSync;
    v->widget->setFocus(Qt::OtherFocusReason);
    --g_focusSync;
}

void installRouter() {
    static Router* router = nullptr;
    if (router || !qApp) return;
    router = new Router(qApp);
    qApp->installEventFilter(router);
}

}  // namespace fwqt::detail
