// Internals of the Qt backend: the views behind Window::backendData and
// Control::backendData, and the widget builder.
#pragma once
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fw/fw.h"

class QLabel;
class QTextDocument;
class QPaintDevice;
class QPushButton;
class QTabWidget;
class QStackedWidget;

namespace fwqt::detail {

QString qs(std::string_view s);
std::string str(const QString& s);
// "&O 装入数据" -> "O 装入数据" ("&&" -> "&").
QString stripMnemonic(const QString& s);
QImage bitmapImage(const fw::Module& m, int id);
QFont dialogFont(const fw::Font& f);
// The report windows' font: fixed pitch with CJK glyphs, so the report's
// columns line up; used for the view and the printout alike.
QFont reportFont();
// Tab stops every 8 character cells of font f on device (nullptr: screen).
qreal reportTabStop(const QFont& f, QPaintDevice* device = nullptr);
// A report's text laid out for device (nullptr: screen) as in the report
// window: the report font, tab stops every 8 cells of the font on device.
void prepareReport(QTextDocument& doc, QPaintDevice* device);

// One control's widget and its link back to the model.
struct ControlView {
    fw::Dialog* dlg = nullptr;
    fw::Control* ctl = nullptr;
    QWidget* widget = nullptr;     // the control itself
    int syncing = 0;               // > 0 while the model's state is pushed
    bool refusedPress = false;     // focus by mouse was refused: eat that click
    bool wraps = false;            // a label the program writes: wraps at its laid-out width
    bool eatRelease = false;
    ControlView* subscript = nullptr;     // a symbol's label: the static holding its subscript
    ControlView* subscriptOf = nullptr;   // a subscript static: the label it is shown in
};

// The client area of a dialog or page: hosts the controls, shows the canvas.
class ClientWidget : public QWidget {
public:
    ClientWidget(fw::Dialog& d, QWidget* parent);
    ~ClientWidget() override;
    fw::Dialog* dialog() const { return m_dialog; }
    // Replays the model's drawing operations into the backing image.
    void render();
    // Runs the paint handler when the model asks for it, then replays.
    void paintNow();
    void detach();   // the model's objects go away: forget them
    std::vector<std::unique_ptr<ControlView>>& views() { return m_views; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    fw::Dialog* m_dialog;
    QImage m_image;
    std::vector<std::unique_ptr<ControlView>> m_views;
};

// Window::backendData of a shown dialog, page or sheet.
struct WindowView {
    fw::Window* window = nullptr;
    QWidget* top = nullptr;            // the QDialog of the run
    ClientWidget* client = nullptr;    // dialogs and pages
};

// The modal window of a dialog or sheet: ends only when the model says so.
class ModalWindow : public QDialog {
public:
    ModalWindow(fw::Window& w, QWidget* parent);
    fw::Window* window() const { return m_window; }
    void detach() { m_window = nullptr; }
    void finish(int code);

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override {}
    void done(int r) override;

private:
    fw::Window* m_window;
    bool m_finishing = false;
};

// A sheet's window: tabs or wizard pages, and the sheet's buttons.
class SheetWindow : public ModalWindow {
public:
    SheetWindow(fw::PropertySheet& s, QWidget* parent);
    // Follows the model: pages created, active page, buttons.
    void sync();
    fw::PropertySheet& sheet() const { return *m_sheet; }
    void detachPages();

private:
    void ensurePage(int index);
    fw::PropertySheet* m_sheet;
    QTabWidget* m_tabs = nullptr;
    QStackedWidget* m_stack = nullptr;
    std::vector<QWidget*> m_holders;
    std::vector<ClientWidget*> m_clients;
    std::vector<std::pair<int, QPushButton*>> m_buttons;
    int m_syncing = 0;
};

// Builds the widgets of a dialog's template into client.
void buildDialog(ClientWidget& client);
// Pushes one change (or everything) of a control to its widget.
void push(ControlView& v, fw::Change what);
void pushAll(ControlView& v);
ControlView* viewOf(const fw::Control& c);
WindowView* viewOf(const fw::Window& w);
// Sets the Qt focus to the model's focused control of d.
void syncFocus(fw::Dialog& d);
// Runs change (enabling, showing or hiding w). Qt moves the keyboard focus
// off a widget it disables or hides; that move is not the user's: the model's
// focus stands and no widget of the window keeps the keyboard focus until the
// user gives it one.
void withoutFocusMove(QWidget* w, const std::function<void()>& change);
// The widget new modal windows belong to (the top running one, or null).
QWidget* modalParent();
void pushModal(QWidget* w);
void popModal(QWidget* w);

// Routes key, focus and mouse events of our widgets to the model.
void installRouter();
// Accessible interfaces of our own (radio buttons); once per process.
void installAccessibility();

}  // namespace fwqt::detail
