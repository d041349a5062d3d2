// Widgets from a dialog template: layouts from rows, columns and groups,
// label-field-unit rows lined up in grids, absolute boxes where the template
// fixes them; each control's widget wired to the model both ways.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QHash>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QGuiApplication>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "fw/format.h"
#include "fwqt/qt_backend.h"
#include "internal.h"

namespace fwqt::detail {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string str(const QString& s) { return s.toUtf8().toStdString(); }

QString stripMnemonic(const QString& s) {
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'&' && i + 1 < s.size()) {
            ++i;
            out += s[i];
            continue;
        }
        if (s[i] != u'&') out += s[i];
    }
    return out;
}

QImage bitmapImage(const fw::Module& m, int id) {
    const fw::Bitmap* b = m.bitmap(id);
    if (!b) return {};
    if (!b->rgba.empty() && b->width > 0 && b->height > 0 &&
        b->rgba.size() >= static_cast<std::size_t>(b->width) * static_cast<std::size_t>(b->height) * 4) {
        QImage img(b->rgba.data(), b->width, b->height, b->width * 4, QImage::Format_RGBA8888);
        return img.copy();
    }
    if (!b->file.empty()) return QImage(QString::fromStdString(b->file.string()));
    return {};
}

QFont dialogFont(const fw::Font& f) {
    QString face = qs(f.face);
    if (!QFontDatabase::hasFamily(face)) face = qs(Application::fallbackFamily());
    QFont font(face);
    font.setPointSize(f.points > 0 ? f.points : 9);
    return font;
}

QFont reportFont() {
    const QString mono = QStringLiteral("WenQuanYi Micro Hei Mono");
    QFont f = QFontDatabase::hasFamily(mono) ? QFont(mono) : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(10);
    return f;
}

qreal reportTabStop(const QFont& f, QPaintDevice* device) {
    QFontMetricsF fm = device ? QFontMetricsF(f, device) : QFontMetricsF(f);
    return fm.horizontalAdvance(QLatin1Char(' ')) * 8;
}

// A radio button whose group the model keeps.
class ModelRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;
};

// Combo box: opening the list is the drop-down notification.
class ModelComboBox : public QComboBox {
    Q_OBJECT
public:
    ModelComboBox(ControlView& v, QWidget* parent) : QComboBox(parent), m_view(v) {}
    void showPopup() override {
        if (m_view.dlg && !m_view.syncing) {
            if (!m_view.dlg->userDropDown(m_view.ctl->id())) return;
            if (!m_view.dlg || m_view.dlg->ended()) return;
        }
        QComboBox::showPopup();
    }

private:
    ControlView& m_view;
};

namespace {

// A radio button keeps its role for assistive tools although the model, not
// Qt, keeps its group (Qt would report a non-exclusive one as a check box).
class RadioAccessible : public QAccessibleWidget {
public:
    explicit RadioAccessible(QAbstractButton* b) : QAccessibleWidget(b, QAccessible::RadioButton) {}
    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        st.checkable = true;
        st.checked = button()->isChecked();
        return st;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            QString n = widget()->accessibleName();
            return n.isEmpty() ? stripMnemonic(button()->text()) : n;
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& a) override {
        if (a == pressAction() || a == toggleAction()) button()->click();
        else QAccessibleWidget::doAction(a);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A combo box is named by what it chooses (its label); what it shows is its
// value. (Qt's own interface reads the current item as the name here.)
class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name: return widget()->accessibleName();
        case QAccessible::Value: return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
        default: return QAccessibleWidget::text(t);
        }
    }
    int childCount() const override { return combo()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->isEditable()) return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        if (!c) return -1;
        if (c->object() == combo()->view()) return 0;
        if (combo()->isEditable() && c->object() == combo()->lineEdit()) return 1;
        return -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& a) override {
        if (a != showMenuAction() && a != pressAction()) return;
        if (combo()->view()->isVisible()) combo()->hidePopup();
        else combo()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

// One tab of a tab bar; the current one is selected.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : m_bar(bar), m_index(index) {}
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QObject* object() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s = parent()->state();
        s.focused = false;
        s.selectable = true;
        s.selected = m_bar->currentIndex() == m_index;
        s.focused = s.selected && m_bar->hasFocus();
        s.disabled = !m_bar->isTabEnabled(m_index);
        return s;
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(r.topLeft()), r.size());
    }
    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_bar.data()); }
    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name) return {};
        const QString n = m_bar->accessibleTabName(m_index);
        return n.isEmpty() ? stripMnemonic(m_bar->tabText(m_index)) : n;
    }
    void setText(QAccessible::Text, const QString&) override {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& a) override {
        if (isValid() && a == pressAction()) m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

// A tab bar whose tabs report which one is selected (the page shown).
class TabBarAccessible : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override {
        for (QAccessible::Id id : m_tabs) QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= bar()->count()) return nullptr;
        if (QAccessible::Id id = m_tabs.value(index)) return QAccessible::accessibleInterface(id);
        auto* tab = new TabAccessible(bar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        for (auto it = m_tabs.begin(); it != m_tabs.end(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == c) return it.key();
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = bar()->mapFromGlobal(QPoint(x, y));
        const int i = bar()->tabAt(p);
        return i >= 0 ? child(i) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const int i = bar()->currentIndex();
            const QString n = bar()->accessibleTabName(i);
            return n.isEmpty() ? stripMnemonic(bar()->tabText(i)) : n;
        }
        return QAccessibleWidget::text(t);
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }
    mutable QHash<int, QAccessible::Id> m_tabs;
};

QAccessibleInterface* accessibleFactory(const QString&, QObject* o) {
    // Our radio buttons and combo boxes, from their construction on (an
    // interface is made as soon as the widget exists while assistive tools
    // listen). Their own class name is asked first, before Qt's factory knows
    // a QRadioButton or a QComboBox.
    if (auto* b = qobject_cast<ModelRadioButton*>(o)) return new RadioAccessible(b);
    if (auto* c = qobject_cast<ModelComboBox*>(o)) return new ComboAccessible(c);
    if (auto* t = qobject_cast<QTabBar*>(o)) return new TabBarAccessible(t);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static bool done = false;
    if (done) return;
    done = true;
    QAccessible::installFactory(accessibleFactory);
}

void prepareReport(QTextDocument& doc, QPaintDevice* device, qreal points) {
    QFont font = reportFont();
    if (points > 0) font.setPointSizeF(points);
    doc.setDefaultFont(font);
    QTextOption opt = doc.defaultTextOption();
    // A layout on another device scales the tab distance from screen units
    // (by its dpi over the screen's) but measures the font on the device
    // itself: give 8 of the device's cells in screen units, so the stops do
    // not drift from the text on paper.
    qreal distance = reportTabStop(doc.defaultFont());
    if (device && device->logicalDpiX() > 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const qreal screenDpi = QCoreApplication::testAttribute(Qt::AA_Use96Dpi) ? 96.0
                                : screen ? qRound(screen->logicalDotsPerInchX()) : 100.0;
        distance = reportTabStop(doc.defaultFont(), device) * screenDpi / device->logicalDpiX();
    }
    opt.setTabStopDistance(distance);
    doc.setDefaultTextOption(opt);
}

ControlView* viewOf(const fw::Control& c) { return static_cast<ControlView*>(c.backendData); }
WindowView* viewOf(const fw::Window& w) { return static_cast<WindowView*>(w.backendData); }

namespace {

// Runs f with the view marked as being synced from the model.
template <class F>
void quietly(ControlView& v, F f) {
    ++v.syncing;
    const bool blocked = v.widget->blockSignals(true);
    f();
    v.widget->blockSignals(blocked);
    --v.syncing;
}


// ---- widgets with behaviour of their own ----

// Trackbar: takes the focus by click and Tab. A drag of the thumb, a click
// in the channel (one page towards the click), a key (arrows a line, Page
// Up/Down a page, Home/End the ends; up and left towards the minimum) and a
// value set through the accessibility interface each end with "released".
class Trackbar : public QSlider {
public:
    Trackbar(ControlView& v, Qt::Orientation o, QWidget* parent) : QSlider(o, parent), m_view(v) {
        setFocusPolicy(Qt::StrongFocus);
        setTracking(true);
        connect(this, &QSlider::sliderMoved, this, [this](int pos) {
            if (m_view.syncing || !m_view.dlg) return;
            m_view.dlg->userTrackbarMove(m_view.ctl->id(), pos);
            pushAll(m_view);
        });
        // Any other change that is not the model's own: an assistive tool's.
        connect(this, &QSlider::valueChanged, this, [this](int pos) {
            if (m_view.syncing || !m_view.dlg || !isVisible() || isSliderDown() || m_pressed) return;
            moveTo(pos);
        });
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton || !m_view.dlg) return QSlider::mousePressEvent(e);
        m_pressed = true;
        QStyleOptionSlider opt;
        initStyleOption(&opt);
        QRect handle = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
        if (handle.contains(e->position().toPoint())) return QSlider::mousePressEvent(e);
        // In the channel: one page towards the click.
        auto& tb = static_cast<fw::Trackbar&>(*m_view.ctl);
        const QPoint p = e->position().toPoint();
        const bool horizontal = orientation() == Qt::Horizontal;
        const int along = horizontal ? p.x() : p.y();
        const int centre = horizontal ? handle.center().x() : handle.center().y();
        bool towardsMax = along > centre;
        if (invertedAppearance() != (!horizontal)) towardsMax = !towardsMax;  // vertical QSlider grows upwards
        int pos = tb.pos() + (towardsMax ? tb.pageSize() : -tb.pageSize());
        pos = std::clamp(pos, tb.rangeMin(), tb.rangeMax());
        m_view.dlg->userTrackbarMove(tb.id(), pos);
        pushAll(m_view);
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QSlider::mouseReleaseEvent(e);
        if (e->button() != Qt::LeftButton || !m_pressed) return;
        m_pressed = false;
        if (m_view.dlg) m_view.dlg->userTrackbarRelease(m_view.ctl->id());
        if (m_view.dlg) pushAll(m_view);
    }
    void wheelEvent(QWheelEvent* e) override { e->ignore(); }   // the mouse wheel would move without releasing
    void keyPressEvent(QKeyEvent* e) override {
        if (!m_view.dlg || !m_view.ctl || m_pressed) return e->ignore();
        const auto& tb = static_cast<const fw::Trackbar&>(*m_view.ctl);
        int pos = tb.pos();
        switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: pos -= tb.lineSize(); break;
        case Qt::Key_Right:
        case Qt::Key_Down: pos += tb.lineSize(); break;
        case Qt::Key_PageUp: pos -= tb.pageSize(); break;
        case Qt::Key_PageDown: pos += tb.pageSize(); break;
        case Qt::Key_Home: pos = tb.rangeMin(); break;
        case Qt::Key_End: pos = tb.rangeMax(); break;
        default: return e->ignore();
        }
        e->accept();
        moveTo(std::clamp(pos, tb.rangeMin(), tb.rangeMax()));
    }

private:
    // One whole move: the thumb goes to pos and is let go.
    void moveTo(int pos) {
        const int id = m_view.ctl->id();
        if (m_view.dlg->userTrackbarMove(id, pos) && m_view.dlg) m_view.dlg->userTrackbarRelease(id);
        if (m_view.dlg) pushAll(m_view);
    }

    ControlView& m_view;
    bool m_pressed = false;
};

QString editText(const std::string& t) {
    QString s = qs(t);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

// ---- names ----

// Every control of d gets the name the model gives it (fw::controlNames):
// what a screen reader says and what the refusals start with. The edit part
// of an editable combo box, where the focus and a screen reader land, is
// named as the box.
void nameAll(fw::Dialog& d) {
    for (const auto& [c, name] : fw::controlNames(d)) {
        ControlView* v = viewOf(*c);
        if (!v || !v->widget) continue;
        const QString n = qs(name);
        if (v->widget->accessibleName() != n) v->widget->setAccessibleName(n);
        if (auto* cb = qobject_cast<QComboBox*>(v->widget); cb && cb->lineEdit() && cb->lineEdit()->accessibleName() != n)
            cb->lineEdit()->setAccessibleName(n);
    }
}

// After the build: a label, caption or button text the program changes renames.
void renameShown(fw::Dialog& d) {
    WindowView* wv = viewOf(d);
    if (wv && wv->client && wv->client->property("fwqt.named").toBool()) nameAll(d);
}

// ---- pushing the model's state ----

QString withSubscript(const QString& label, const QString& sub, bool rich);

void pushText(ControlView& v) {
    const fw::Control& c = *v.ctl;
    if (auto* l = qobject_cast<QLineEdit*>(v.widget)) {
        QString t = qs(c.text());
        if (l->text() != t) {
            int cur = l->cursorPosition();
            l->setText(t);
            l->setCursorPosition(std::min<int>(cur, static_cast<int>(t.size())));
            // A value is shown whole: the field widens for a longer number. A
            // longer text (a hint, a list) scrolls in the field: the dialog
            // keeps its size.
            const int need = l->fontMetrics().horizontalAdvance(t) + 16;
            if (need > l->minimumWidth() && fw::parseNumber(c.text())) l->setMinimumWidth(need);
            if (!l->hasFocus()) l->setCursorPosition(0);
        }
    } else if (auto* pe = qobject_cast<QPlainTextEdit*>(v.widget)) {
        QString t = editText(c.text());
        if (pe->toPlainText() != t) pe->setPlainText(t);
    } else if (auto* cb = qobject_cast<QComboBox*>(v.widget)) {
        if (cb->isEditable() && cb->currentText() != qs(c.text())) cb->setEditText(qs(c.text()));
    } else if (auto* lab = qobject_cast<QLabel*>(v.widget)) {
        if (c.kind() != fw::Kind::Static) return;
        if (v.subscriptOf) {   // shown inside its symbol's label
            pushText(*v.subscriptOf);
            return;
        }
        if (v.subscript && v.subscript->ctl) {
            lab->setTextFormat(Qt::RichText);
            lab->setText(withSubscript(qs(c.text()), qs(v.subscript->ctl->text()), true));
            return;
        }
        lab->setText(lab->buddy() ? qs(c.text()) : stripMnemonic(qs(c.text())));
    } else if (auto* g = qobject_cast<QGroupBox*>(v.widget)) {
        g->setTitle(qs(c.text()));
    } else if (auto* b = qobject_cast<QAbstractButton*>(v.widget)) {
        if (c.kind() != fw::Kind::BitmapButton) b->setText(qs(c.text()));
    }
    // A label or a caption names controls: their names follow its text.
    if (c.kind() == fw::Kind::Static || c.kind() == fw::Kind::GroupBox || qobject_cast<QAbstractButton*>(v.widget))
        renameShown(*v.dlg);
}

void pushButton(ControlView& v) {
    auto& b = static_cast<fw::Button&>(*v.ctl);
    auto* w = qobject_cast<QAbstractButton*>(v.widget);
    if (!w) return;
    if (b.kind() == fw::Kind::CheckBox || b.kind() == fw::Kind::RadioButton) w->setChecked(b.checked());
    if (auto* pb = qobject_cast<QPushButton*>(w)) pb->setDefault(b.isDefault());
    if (b.kind() == fw::Kind::BitmapButton) {
        const fw::Module* m = v.dlg->module();
        int img = b.images().up ? b.images().up : b.node().bitmap;
        QImage i = m ? bitmapImage(*m, img) : QImage();
        if (!i.isNull()) {
            QIcon icon(QPixmap::fromImage(i));
            if (b.images().disabled && m) {
                QImage d = bitmapImage(*m, b.images().disabled);
                if (!d.isNull()) icon.addPixmap(QPixmap::fromImage(d), QIcon::Disabled);
            }
            w->setIcon(icon);
            w->setIconSize(i.size());
        }
    }
}

void pushCombo(ControlView& v) {
    auto& c = static_cast<fw::ComboBox&>(*v.ctl);
    auto* w = qobject_cast<QComboBox*>(v.widget);
    bool same = w->count() == c.count();
    for (int i = 0; same && i < c.count(); ++i) same = w->itemText(i) == qs(c.itemText(i));
    if (!same) {
        w->clear();
        for (const auto& s : c.items()) w->addItem(qs(s));
    }
    if (w->currentIndex() != c.curSel()) w->setCurrentIndex(c.curSel());
    if (w->isEditable() && w->currentText() != qs(c.text())) w->setEditText(qs(c.text()));
}

void pushListBox(ControlView& v) {
    auto& c = static_cast<fw::ListBox&>(*v.ctl);
    auto* w = qobject_cast<QListWidget*>(v.widget);
    bool same = w->count() == c.count();
    for (int i = 0; same && i < c.count(); ++i) same = w->item(i)->text() == qs(c.itemText(i));
    if (!same) {
        w->clear();
        for (const auto& s : c.items()) w->addItem(qs(s));
    }
    if (w->currentRow() != c.curSel()) w->setCurrentRow(c.curSel());
}

void pushListView(ControlView& v, fw::Change what) {
    auto& c = static_cast<fw::ListView&>(*v.ctl);
    auto* w = qobject_cast<QTreeWidget*>(v.widget);
    if (what == fw::Change::Columns || w->columnCount() != std::max<int>(1, static_cast<int>(c.columns().size()))) {
        QStringList titles;
        for (const auto& col : c.columns()) titles << qs(col.title);
        w->setColumnCount(std::max<int>(1, static_cast<int>(c.columns().size())));
        w->setHeaderLabels(titles);
        w->setHeaderHidden(titles.isEmpty());   // no columns yet: no "1" header
        for (int i = 0; i < static_cast<int>(c.columns().size()); ++i) w->setColumnWidth(i, c.columns()[i].width);
    }
    if (what != fw::Change::Position) {
        w->clear();
        const int cols = static_cast<int>(c.columns().size());
        for (int r = 0; r < c.itemCount(); ++r) {
            auto* item = new QTreeWidgetItem(w);
            for (int k = 0; k < std::max(1, cols); ++k) {
                item->setText(k, qs(c.itemText(r, k)));
                if (k < cols) {
                    auto a = c.columns()[static_cast<std::size_t>(k)].align;
                    item->setTextAlignment(k, a == fw::Align::Right    ? Qt::AlignRight | Qt::AlignVCenter
                                              : a == fw::Align::Center ? Qt::AlignCenter
                                                                       : Qt::AlignLeft | Qt::AlignVCenter);
                }
            }
            item->setSelected(c.selected(r));
        }
        int first = c.firstSelected();
        if (first >= 0) w->setCurrentItem(w->topLevelItem(first), 0, QItemSelectionModel::NoUpdate);
    }
    w->verticalScrollBar()->setValue(c.topIndex());
}

void pushTrackbar(ControlView& v) {
    auto& t = static_cast<fw::Trackbar&>(*v.ctl);
    auto* w = static_cast<QSlider*>(v.widget);
    w->setRange(t.rangeMin(), t.rangeMax());
    w->setPageStep(t.pageSize());
    w->setSingleStep(t.lineSize());
    w->setTickInterval(t.ticFreq());
    if (t.hasStyle(fw::style::NoTicks)) w->setTickPosition(QSlider::NoTicks);
    else w->setTickPosition(t.hasStyle(fw::style::TopLeft) ? QSlider::TicksAbove : QSlider::TicksBelow);
    if (!w->isSliderDown() || w->value() != t.pos()) w->setValue(t.pos());
}

void pushDate(ControlView& v) {
    auto& d = static_cast<fw::DatePicker&>(*v.ctl);
    auto* w = qobject_cast<QDateEdit*>(v.widget);
    QDate q(d.date().year, d.date().month, d.date().day);
    if (w->date() != q) w->setDate(q);
}

void pushPicture(ControlView& v) {
    auto& p = static_cast<fw::Picture&>(*v.ctl);
    auto* w = qobject_cast<QLabel*>(v.widget);
    const fw::Module* m = v.dlg->module();
    QImage img = (m && p.bitmap()) ? bitmapImage(*m, p.bitmap()) : QImage();
    w->setPixmap(img.isNull() ? QPixmap() : QPixmap::fromImage(img));
}

void pushState(ControlView& v, fw::Change what) {
    switch (v.ctl->kind()) {
    case fw::Kind::Edit: {
        auto& e = static_cast<fw::Edit&>(*v.ctl);
        if (auto* l = qobject_cast<QLineEdit*>(v.widget)) l->setReadOnly(e.readOnly());
        if (auto* pe = qobject_cast<QPlainTextEdit*>(v.widget)) pe->setReadOnly(e.readOnly());
        pushText(v);
        break;
    }
    case fw::Kind::PushButton:
    case fw::Kind::BitmapButton:
    case fw::Kind::RadioButton:
    case fw::Kind::CheckBox:
        pushText(v);
        pushButton(v);
        break;
    case fw::Kind::ComboBox: pushCombo(v); break;
    case fw::Kind::ListBox: pushListBox(v); break;
    case fw::Kind::ListView: pushListView(v, what); break;
    case fw::Kind::Trackbar: pushTrackbar(v); break;
    case fw::Kind::DatePicker: pushDate(v); break;
    case fw::Kind::Picture: pushPicture(v); break;
    default: pushText(v); break;
    }
}

}  // namespace

void push(ControlView& v, fw::Change what) {
    if (!v.widget || !v.ctl) return;
    quietly(v, [&] {
        switch (what) {
        case fw::Change::Enabled:
            withoutFocusMove(v.widget, [&] { v.widget->setEnabled(v.ctl->enabled()); });
            break;
        case fw::Change::Visible:
            withoutFocusMove(v.widget, [&] { v.widget->setVisible(v.ctl->visible() && !v.subscriptOf); });
            break;
        default: pushState(v, what); break;
        }
    });
}

void pushAll(ControlView& v) {
    if (!v.widget || !v.ctl) return;
    quietly(v, [&] {
        v.widget->setEnabled(v.ctl->enabled());
        pushState(v, fw::Change::Columns);
    });
    // Visibility last and outside the block: a hidden widget keeps its place.
    v.widget->setHidden(!v.ctl->visible() || v.subscriptOf);
}

namespace {

// ---- creating the widgets ----

void wireButton(ControlView& v, QAbstractButton* b) {
    QObject::connect(b, &QAbstractButton::clicked, b, [&v] {
        if (v.syncing || !v.dlg) return;
        v.dlg->userClick(v.ctl->id());
        if (v.dlg) pushAll(v);
    });
}

void afterTyped(ControlView& v) {
    if (!v.dlg) return;
    // The model may cut or filter what was typed, or refuse it.
    quietly(v, [&] { pushText(v); });
}

QWidget* makeEdit(ControlView& v, QWidget* parent) {
    const fw::Control& c = *v.ctl;
    if (c.hasStyle(fw::style::Multiline)) {
        auto* pe = new QPlainTextEdit(parent);
        pe->setTabChangesFocus(true);
        QObject::connect(pe, &QPlainTextEdit::textChanged, pe, [&v, pe] {
            if (v.syncing || !v.dlg) return;
            v.dlg->userTyped(v.ctl->id(), str(pe->toPlainText()));
            afterTyped(v);
        });
        pe->setMinimumSize(pe->fontMetrics().averageCharWidth() * 30, pe->fontMetrics().height() * 4);
        return pe;
    }
    auto* l = new QLineEdit(parent);
    if (c.hasStyle(fw::style::Password)) l->setEchoMode(QLineEdit::Password);
    if (c.hasStyle(fw::style::Center)) l->setAlignment(Qt::AlignCenter);
    else if (c.hasStyle(fw::style::Right)) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().averageCharWidth() * 12);
    // Any text change that is not the model's own is the user's: typed, or
    // set through the accessibility interface (a screen reader, a GUI robot).
    QObject::connect(l, &QLineEdit::textChanged, l, [&v](const QString& t) {
        if (v.syncing || !v.dlg) return;
        v.dlg->userTyped(v.ctl->id(), str(t));
        afterTyped(v);
    });
    return l;
}

QWidget* makeCombo(ControlView& v, QWidget* parent) {
    auto* cb = new ModelComboBox(v, parent);
    auto& c = static_cast<fw::ComboBox&>(*v.ctl);
    cb->setEditable(c.editable());
    cb->setInsertPolicy(QComboBox::NoInsert);
    cb->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cb->setMinimumWidth(cb->fontMetrics().averageCharWidth() * 12);
    QObject::connect(cb, &QComboBox::activated, cb, [&v](int index) {
        if (v.syncing || !v.dlg) return;
        v.dlg->userSelect(v.ctl->id(), index);
        if (v.dlg) pushAll(v);
    });
    if (cb->lineEdit()) {
        QObject::connect(cb->lineEdit(), &QLineEdit::textEdited, cb, [&v](const QString& t) {
            if (v.syncing || !v.dlg) return;
            v.dlg->userTyped(v.ctl->id(), str(t));
            afterTyped(v);
        });
    }
    return cb;
}

QWidget* makeListView(ControlView& v, QWidget* parent) {
    auto* w = new QTreeWidget(parent);
    w->setRootIsDecorated(false);
    w->setUniformRowHeights(true);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    w->setAllColumnsShowFocus(true);
    w->header()->setStretchLastSection(false);
    w->setMinimumSize(w->fontMetrics().averageCharWidth() * 40, w->fontMetrics().height() * 8);
    auto rowOf = [w](QTreeWidgetItem* it) { return it ? w->indexOfTopLevelItem(it) : -1; };
    QObject::connect(w, &QTreeWidget::currentItemChanged, w, [&v, rowOf](QTreeWidgetItem* cur, QTreeWidgetItem*) {
        if (v.syncing || !v.dlg || rowOf(cur) < 0) return;
        v.dlg->userSelect(v.ctl->id(), rowOf(cur));
        if (v.dlg) pushAll(v);
    });
    QObject::connect(w, &QTreeWidget::itemClicked, w, [&v, rowOf](QTreeWidgetItem* it, int) {
        if (v.syncing || !v.dlg) return;
        v.dlg->userClickItem(v.ctl->id(), rowOf(it));
        if (v.dlg) pushAll(v);
    });
    QObject::connect(w, &QTreeWidget::itemDoubleClicked, w, [&v](QTreeWidgetItem*, int) {
        if (v.syncing || !v.dlg) return;
        v.dlg->userDoubleClick(v.ctl->id());
    });
    QObject::connect(w->verticalScrollBar(), &QScrollBar::valueChanged, w, [&v](int top) {
        if (v.syncing || !v.dlg) return;
        static_cast<fw::ListView&>(*v.ctl).setTopIndex(top);
    });
    return w;
}

QWidget* makeListBox(ControlView& v, QWidget* parent) {
    auto* w = new QListWidget(parent);
    w->setMinimumSize(w->fontMetrics().averageCharWidth() * 16, w->fontMetrics().height() * 5);
    QObject::connect(w, &QListWidget::currentRowChanged, w, [&v](int row) {
        if (v.syncing || !v.dlg || row < 0) return;
        v.dlg->userSelect(v.ctl->id(), row);
        if (v.dlg) pushAll(v);
    });
    QObject::connect(w, &QListWidget::itemDoubleClicked, w, [&v](QListWidgetItem*) {
        if (v.syncing || !v.dlg) return;
        v.dlg->userDoubleClick(v.ctl->id());
    });
    return w;
}

QWidget* makeDate(ControlView& v, QWidget* parent) {
    auto* w = new QDateEdit(parent);
    w->setCalendarPopup(true);
    w->setDisplayFormat(QStringLiteral("yyyy/M/d"));
    QObject::connect(w, &QDateEdit::dateChanged, w, [&v](QDate d) {
        if (v.syncing || !v.dlg) return;
        v.dlg->userDate(v.ctl->id(), fw::Date{d.year(), d.month(), d.day()});
        if (v.dlg) pushAll(v);
    });
    return w;
}

// A multi-line text box (a listing, a result): read-only, scrolls when its
// text is longer than its box.
class TextBox : public QPlainTextEdit {
public:
    TextBox(int lines, QWidget* parent) : QPlainTextEdit(parent), m_lines(std::max(2, lines)) {
        setReadOnly(true);
        setFocusPolicy(Qt::NoFocus);
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        setLineWrapMode(QPlainTextEdit::WidgetWidth);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override {
        const QFontMetrics fm(font());
        return {fm.averageCharWidth() * 30, fm.lineSpacing() * m_lines + 2 * frameWidth() + 8};
    }
    QSize minimumSizeHint() const override {
        const QFontMetrics fm(font());
        return {fm.averageCharWidth() * 12, fm.lineSpacing() * std::min(m_lines, 3) + 2 * frameWidth() + 8};
    }

private:
    int m_lines;
};

// A plain label the program writes (a hint, a range, a note): its text
// wraps at the width the dialog was laid out with, so a longer text makes it
// taller, never the dialog wider.
class WrapLabel : public QLabel {
public:
    explicit WrapLabel(QWidget* parent) : QLabel(parent) { setWordWrap(true); }
    // Keeps the width the text shown now needs: at least 12 characters (a
    // label still empty), at most 40.
    void freeze() {
        const QFontMetrics fm(font());
        int w = 0;
        for (const QString& line : text().split(u'\n')) w = std::max(w, fm.horizontalAdvance(line));
        const int frame = 2 * (margin() + frameWidth()) + 2;
        m_width = std::clamp(w + frame, fm.averageCharWidth() * 12 + frame, fm.averageCharWidth() * 40 + frame);
        updateGeometry();
    }
    QSize sizeHint() const override {
        if (m_width < 0) return QLabel::sizeHint();
        // Shown, it wraps at the width the layout gave it.
        const int w = isVisible() ? std::max(m_width, width()) : m_width;
        return {w, std::max(heightForWidth(w), fontMetrics().height())};
    }
    QSize minimumSizeHint() const override {
        const QSize m = QLabel::minimumSizeHint();
        return m_width < 0 ? m : QSize(std::min(m_width, m.width()), m.height());
    }

private:
    int m_width = -1;
};

QWidget* makeStatic(ControlView& v, QWidget* parent) {
    const fw::Control& c = *v.ctl;
    if (fw::isTextPane(c.node()))
        return new TextBox(static_cast<int>(std::count(c.text().begin(), c.text().end(), '\n')) + 1, parent);
    auto* l = v.wraps ? new WrapLabel(parent) : new QLabel(parent);
    Qt::Alignment a = Qt::AlignVCenter;
    a |= c.hasStyle(fw::style::Center) ? Qt::AlignHCenter : c.hasStyle(fw::style::Right) ? Qt::AlignRight : Qt::AlignLeft;
    l->setAlignment(a);
    if (c.hasStyle(fw::style::Multiline)) l->setWordWrap(true);
    // An empty sunken static one or two units high (or wide) is an etched
    // rule, not a box.
    const auto& box = c.node().box;
    if (c.text().empty() && c.hasStyle(fw::style::Sunken) && box && (box->h <= 2 || box->w <= 2)) {
        l->setFrameStyle((box->h <= 2 ? QFrame::HLine : QFrame::VLine) | QFrame::Sunken);
        l->setLineWidth(1);
        if (box->h <= 2) l->setFixedHeight(2);
        else l->setFixedWidth(2);
        return l;
    }
    if (c.hasStyle(fw::style::Sunken) || c.hasStyle(fw::style::Border)) {
        l->setFrameStyle(c.hasStyle(fw::style::Sunken) ? (QFrame::Panel | QFrame::Sunken) : QFrame::Box);
        l->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        l->setMinimumHeight(l->fontMetrics().height() + 6);
        l->setMargin(2);
    }
    l->setTextInteractionFlags(Qt::NoTextInteraction);
    return l;
}

QWidget* makeWidget(ControlView& v, QWidget* parent) {
    const fw::Control& c = *v.ctl;
    switch (c.kind()) {
    case fw::Kind::Static: return makeStatic(v, parent);
    case fw::Kind::GroupBox: return new QGroupBox(parent);
    case fw::Kind::Picture: {
        auto* l = new QLabel(parent);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    }
    case fw::Kind::Edit: return makeEdit(v, parent);
    case fw::Kind::PushButton:
    case fw::Kind::BitmapButton: {
        auto* b = new QPushButton(parent);
        b->setAutoDefault(false);
        wireButton(v, b);
        return b;
    }
    case fw::Kind::RadioButton: {
        auto* b = new ModelRadioButton(parent);
        b->setAutoExclusive(false);   // the model keeps the groups
        wireButton(v, b);
        return b;
    }
    case fw::Kind::CheckBox: {
        auto* b = new QCheckBox(parent);
        wireButton(v, b);
        return b;
    }
    case fw::Kind::ComboBox: return makeCombo(v, parent);
    case fw::Kind::ListBox: return makeListBox(v, parent);
    case fw::Kind::ListView: return makeListView(v, parent);
    case fw::Kind::Trackbar: {
        auto* t = new Trackbar(v, c.hasStyle(fw::style::Vertical) ? Qt::Vertical : Qt::Horizontal, parent);
        t->setInvertedAppearance(c.hasStyle(fw::style::Vertical));   // minimum at the top, as the platform has it
        return t;
    }
    case fw::Kind::DatePicker: return makeDate(v, parent);
    case fw::Kind::Row:
    case fw::Kind::Column: break;
    }
    return nullptr;
}

bool isInput(fw::Kind k) {
    return k == fw::Kind::Edit || k == fw::Kind::ComboBox || k == fw::Kind::DatePicker || k == fw::Kind::ListBox;
}

bool isPush(fw::Kind k) { return k == fw::Kind::PushButton || k == fw::Kind::BitmapButton; }

// A label that ends with "=" names a symbol ("模数: m =").
bool symbolLabel(const fw::Node& n) {
    return n.kind == fw::Kind::Static && !n.box && qs(n.text).trimmed().endsWith(u'=');
}

// "label field [unit]" or "label field subscript [unit]" without boxes:
// lined up with its neighbours in a grid.
bool fieldRow(const fw::Node& n) {
    if (n.kind != fw::Kind::Row || n.box || n.children.size() < 2 || n.children.size() > 4) return false;
    const auto& ch = n.children;
    if (ch[0].kind != fw::Kind::Static || ch[0].box || !isInput(ch[1].kind) || ch[1].box) return false;
    for (std::size_t i = 2; i < ch.size(); ++i)
        if (ch[i].kind != fw::Kind::Static || ch[i].box) return false;
    return ch.size() < 4 || (symbolLabel(ch[0]) && fw::isSubscript(ch[2]));
}

// The label's text with the subscript right after its symbol: "模数: m =" and
// "n" read "模数: m<sub>n</sub> =" (rich) or "模数: mn =" (plain).
QString withSubscript(const QString& label, const QString& sub, bool rich) {
    QString t = label;
    qsizetype end = t.size();
    while (end > 0 && t[end - 1].isSpace()) --end;
    if (end > 0 && t[end - 1] == u'=') {
        --end;
        while (end > 0 && t[end - 1].isSpace()) --end;
    }
    if (!rich) return t.left(end) + sub + t.mid(end);
    return QStringLiteral("<span style=\"white-space:pre\">") + t.left(end).toHtmlEscaped() + QStringLiteral("<sub>") +
           sub.toHtmlEscaped() + QStringLiteral("</sub>") + t.mid(end).toHtmlEscaped() + QStringLiteral("</span>");
}

class Builder {
public:
    explicit Builder(ClientWidget& client) : m_client(client), m_dlg(*client.dialog()) {
        for (auto& c : m_dlg.controls()) m_byNode[&c->node()] = c.get();
        m_font = m_dlg.dialogTemplate().font;
        for (const fw::Node& n : m_dlg.dialogTemplate().body) walk(n, nullptr, nullptr, 0);
    }

    void build() {
        auto* top = new QVBoxLayout(&m_client);
        top->setContentsMargins(10, 10, 10, 10);
        top->setSpacing(6);
        fillVertical(top, &m_client, m_dlg.dialogTemplate().body);
        const auto& t = m_dlg.dialogTemplate();
        if (t.size) {
            fw::Size px = fw::toPixels(*t.size, t.font);
            m_client.setFixedSize(px.width, px.height);
        } else if (!m_extent.isEmpty()) {
            m_client.setMinimumSize(m_extent.right() + 8, m_extent.bottom() + 8);
        }
        linkBuddies();
        linkSubscripts();
        tabOrder();
        for (auto& v : m_client.views()) pushAll(*v);
        for (auto& v : m_client.views())
            if (auto* l = dynamic_cast<WrapLabel*>(v->widget)) l->freeze();
        nameControls();
    }

private:
    // Where a node stands: its group box, its row and its place in that row.
    struct Place {
        const fw::Node* group = nullptr;
        const fw::Node* row = nullptr;
        int index = 0;
        const fw::Node* parent = nullptr;
    };
    void walk(const fw::Node& n, const fw::Node* group, const fw::Node* row, int index, const fw::Node* parent = nullptr) {
        m_place[&n] = {group, row, index, parent};
        const fw::Node* g = n.kind == fw::Kind::GroupBox ? &n : group;
        const fw::Node* r = n.kind == fw::Kind::Row ? &n : (n.kind == fw::Kind::Column || n.kind == fw::Kind::GroupBox ? nullptr : row);
        for (std::size_t i = 0; i < n.children.size(); ++i) walk(n.children[i], g, r, static_cast<int>(i), &n);
    }
    const fw::Node* sibling(const fw::Node& n, int offset) const {
        auto it = m_place.find(&n);
        if (it == m_place.end() || !it->second.row) return nullptr;
        const int i = it->second.index + offset;
        const auto& ch = it->second.row->children;
        return i >= 0 && i < static_cast<int>(ch.size()) ? &ch[static_cast<std::size_t>(i)] : nullptr;
    }
    ControlView* viewOfNode(const fw::Node* n) const {
        if (!n) return nullptr;
        auto it = m_byNode.find(n);
        return it == m_byNode.end() ? nullptr : viewOf(*it->second);
    }
    // A static right after a field of its row is that field's unit (or its
    // subscript), never the next field's label.
    bool followsField(const fw::Node& n) const {
        const fw::Node* prev = sibling(n, -1);
        if (!prev || !isInput(prev->kind)) return false;
        const QString t = qs(n.text).trimmed();
        return !(t.endsWith(u'=') || t.endsWith(u':') || t.endsWith(u'：'));
    }

    // A static the program writes that labels nothing: not a field's label
    // or unit, not a slider's end, not a subscript, not placed at a box.
    bool writtenLabel(const fw::Node& n) const {
        if (n.kind != fw::Kind::Static || n.id == fw::IDC_STATIC || n.box || fw::isSubscript(n) || fw::isTextPane(n))
            return false;
        if (followsField(n)) return false;
        for (int k = 1; const fw::Node* s = sibling(n, k); ++k)
            if (isInput(s->kind)) return false;
        for (int k : {-1, 1})
            if (const fw::Node* s = sibling(n, k); s && s->kind == fw::Kind::Trackbar) return false;
        return true;
    }

    // "symbol = [field] subscript": the subscript is shown in the label,
    // right after the symbol, before the field.
    void linkSubscripts() {
        for (ControlView* v : m_order) {
            const fw::Node& n = v->ctl->node();
            if (n.kind != fw::Kind::Static || n.box || qs(n.text).contains(u'&')) continue;
            const fw::Node* sub = nullptr;
            const fw::Node* next = sibling(n, 1);
            const fw::Node* after = sibling(n, 2);
            const fw::Node* third = sibling(n, 3);
            if (symbolLabel(n) && next && isInput(next->kind) && after && fw::isSubscript(*after)) {
                sub = after;   // "m = [field] n"
            } else if (next && next->kind == fw::Kind::Static && !next->box && after && after->kind == fw::Kind::Static &&
                       third && isInput(third->kind) && !followsField(n) && !symbolLabel(n) &&
                       (next->text.empty() || fw::isSubscript(*next)) &&
                       (after->text.empty() || qs(after->text).trimmed() == QStringLiteral("="))) {
                sub = next;    // "d" "u" "=" [field]: the subscript already before the field
            }
            if (!sub) continue;
            ControlView* sv = viewOfNode(sub);
            if (!sv || sv->subscriptOf || v->subscriptOf) continue;
            v->subscript = sv;
            sv->subscriptOf = v;
            QSizePolicy sp = sv->widget->sizePolicy();
            sp.setRetainSizeWhenHidden(false);
            sv->widget->setSizePolicy(sp);
        }
    }

    void nameControls() {
        nameAll(m_dlg);
        m_client.setProperty("fwqt.named", true);
    }
    // Creates the widget of a control node; nullptr for rows and columns.
    QWidget* control(const fw::Node& n, QWidget* parent) {
        auto it = m_byNode.find(&n);
        if (it == m_byNode.end()) return nullptr;
        fw::Control* c = it->second;
        auto view = std::make_unique<ControlView>();
        view->dlg = &m_dlg;
        view->ctl = c;
        view->wraps = writtenLabel(n);
        QWidget* w = makeWidget(*view, parent);
        if (!w) return nullptr;
        view->widget = w;
        w->setProperty("fwqt.control", QVariant::fromValue<void*>(view.get()));
        w->setObjectName(QStringLiteral("id%1").arg(c->id()));
        // A caption names a button or a group; a field's text is its value, never its name.
        if (c->kind() != fw::Kind::Static && !qobject_cast<QLabel*>(w) && !isInput(c->kind()))
            w->setAccessibleName(stripMnemonic(qs(c->text())));
        QSizePolicy sp = w->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        w->setSizePolicy(sp);
        // By kind, not by state: a field disabled or hidden now takes the
        // focus by click once it is enabled and shown.
        const fw::Kind k = c->kind();
        if (k == fw::Kind::Static || k == fw::Kind::GroupBox || k == fw::Kind::Picture) w->setFocusPolicy(Qt::NoFocus);
        else if (c->hasStyle(fw::style::NoTabStop)) w->setFocusPolicy(Qt::ClickFocus);
        c->backendData = view.get();
        m_order.push_back(view.get());
        m_client.views().push_back(std::move(view));
        return w;
    }

    // A node placed at its template box, on the client.
    void placeAbsolute(const fw::Node& n) {
        QRect r = toRect(*n.box);
        m_extent = m_extent.united(r);
        if (n.kind == fw::Kind::Row || n.kind == fw::Kind::Column) {
            auto* box = new QWidget(&m_client);
            box->setGeometry(r);
            auto* lay = n.kind == fw::Kind::Row ? static_cast<QBoxLayout*>(new QHBoxLayout(box)) : new QVBoxLayout(box);
            lay->setContentsMargins(0, 0, 0, 0);
            if (n.kind == fw::Kind::Row) fillRow(static_cast<QHBoxLayout*>(lay), box, n.children);
            else fillVertical(lay, box, n.children);
            return;
        }
        QWidget* w = control(n, &m_client);
        if (!w) return;
        w->setGeometry(r);
        if (n.kind == fw::Kind::GroupBox) {
            w->lower();
            std::vector<fw::Node> loose;
            auto* lay = new QVBoxLayout(w);
            fillVertical(lay, w, n.children);
        }
    }

    QRect toRect(const fw::Box& b) const {
        fw::Rect r = fw::toPixels(b, m_font);
        return QRect(r.left, r.top, r.width(), r.height());
    }

    // One node into a layout (or at its box).
    void add(QBoxLayout* lay, QWidget* parent, const fw::Node& n) {
        if (n.box) {
            placeAbsolute(n);
            return;
        }
        switch (n.kind) {
        case fw::Kind::Row: {
            auto* row = new QHBoxLayout;
            row->setSpacing(6);
            lay->addLayout(row);
            fillRow(row, parent, n.children);
            return;
        }
        case fw::Kind::Column: {
            auto* col = new QVBoxLayout;
            col->setSpacing(6);
            lay->addLayout(col);
            fillVertical(col, parent, n.children);
            col->addStretch(1);   // a shorter column keeps its groups at their height
            return;
        }
        case fw::Kind::GroupBox: {
            QWidget* g = control(n, parent);
            if (!g) return;
            auto* inner = new QVBoxLayout(g);
            inner->setSpacing(6);
            fillVertical(inner, g, n.children);
            lay->addWidget(g);
            return;
        }
        default: {
            QWidget* w = control(n, parent);
            if (!w) return;
            Qt::Alignment a = {};
            if (lay->direction() == QBoxLayout::LeftToRight) a = Qt::AlignVCenter;
            lay->addWidget(w, 0, a);
        }
        }
    }

    void fillVertical(QBoxLayout* lay, QWidget* parent, const std::vector<fw::Node>& nodes) {
        QGridLayout* grid = nullptr;
        int gridRow = 0;
        for (const fw::Node& n : nodes) {
            if (!fieldRow(n)) {
                grid = nullptr;
                add(lay, parent, n);
                continue;
            }
            if (!grid) {
                grid = new QGridLayout;
                grid->setHorizontalSpacing(6);
                grid->setVerticalSpacing(6);
                grid->setColumnStretch(1, 1);
                lay->addLayout(grid);
                gridRow = 0;
            }
            for (int col = 0; col < static_cast<int>(n.children.size()); ++col) {
                QWidget* w = control(n.children[static_cast<std::size_t>(col)], parent);
                if (!w) continue;
                grid->addWidget(w, gridRow, col, Qt::AlignVCenter);
            }
            ++gridRow;
        }
    }

    void fillRow(QHBoxLayout* row, QWidget* parent, const std::vector<fw::Node>& nodes) {
        bool allPush = !nodes.empty();
        for (const fw::Node& n : nodes) allPush = allPush && isPush(n.kind) && !n.box;
        if (allPush) row->addStretch(1);
        for (const fw::Node& n : nodes) add(row, parent, n);
    }

    // A static followed by an input control labels it (its buddy).
    void linkBuddies() {
        for (std::size_t i = 0; i + 1 < m_order.size(); ++i) {
            ControlView* lab = m_order[i];
            ControlView* fld = m_order[i + 1];
            if (lab->ctl->kind() != fw::Kind::Static || !isInput(fld->ctl->kind())) continue;
            if (&lab->ctl->node() == &fld->ctl->node()) continue;
            if (followsField(lab->ctl->node())) continue;   // a unit, not a label
            auto* l = qobject_cast<QLabel*>(lab->widget);
            if (!l || lab->ctl->text().empty()) continue;
            l->setBuddy(fld->widget);
            l->setText(qs(lab->ctl->text()));
        }
    }

    void tabOrder() {
        QWidget* prev = nullptr;
        for (ControlView* v : m_order) {
            if (v->widget->focusPolicy() == Qt::NoFocus) continue;
            if (prev) QWidget::setTabOrder(prev, v->widget);
            prev = v->widget;
        }
    }

    ClientWidget& m_client;
    fw::Dialog& m_dlg;
    fw::Font m_font;
    std::map<const fw::Node*, fw::Control*> m_byNode;
    std::map<const fw::Node*, Place> m_place;
    std::vector<ControlView*> m_order;
    QRect m_extent;
};

}  // namespace

void buildDialog(ClientWidget& client) { Builder(client).build(); }

// ---- ClientWidget ----

ClientWidget::ClientWidget(fw::Dialog& d, QWidget* parent) : QWidget(parent), m_dialog(&d) {
    setFont(dialogFont(d.dialogTemplate().font));
    setProperty("fwqt.client", QVariant::fromValue<void*>(this));
}

ClientWidget::~ClientWidget() { detach(); }

void ClientWidget::detach() {
    if (m_dialog) {
        for (auto& v : m_views) {
            if (v->ctl) v->ctl->backendData = nullptr;
            v->dlg = nullptr;
            v->ctl = nullptr;
        }
    }
    m_dialog = nullptr;
}

void ClientWidget::paintNow() {
    if (!m_dialog) return;
    if (m_dialog->needsPaint()) m_dialog->paint();
    render();
}

void ClientWidget::render() {
    if (!m_dialog) return;
    QImage img(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setFont(font());
        for (const fw::DrawOp& op : m_dialog->drawing()) {
            switch (op.kind) {
            case fw::DrawOp::Kind::Bitmap: {
                if (!op.module) break;
                QImage b = bitmapImage(*op.module, op.bitmap);
                p.save();
                if (!op.clip.empty()) p.setClipRect(QRect(op.clip.left, op.clip.top, op.clip.width(), op.clip.height()));
                p.drawImage(QPoint(op.from.x, op.from.y), b);
                p.restore();
                break;
            }
            case fw::DrawOp::Kind::Line:
                p.setPen(QPen(Qt::black, 1));
                p.drawLine(QPoint(op.from.x, op.from.y), QPoint(op.to.x, op.to.y));
                break;
            case fw::DrawOp::Kind::Text: {
                QString t = qs(op.text);
                QRect r = p.fontMetrics().boundingRect(QRect(op.from.x, op.from.y, 4000, 4000),
                                                       Qt::AlignLeft | Qt::AlignTop, t);
                p.fillRect(r, Qt::white);
                p.setPen(Qt::black);
                p.drawText(r, Qt::AlignLeft | Qt::AlignTop, t);
                break;
            }
            }
        }
    }
    m_image = img;
    update();
}

void ClientWidget::paintEvent(QPaintEvent*) {
    if (m_image.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void ClientWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (!m_dialog) return;
    m_dialog->setClientSize({width(), height()});
    if (m_dialog->running()) {
        m_dialog->paint();
        render();
    }
}

}  // namespace fwqt::detail

#include "builder.moc"
