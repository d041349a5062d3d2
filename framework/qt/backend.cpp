#include <cctype>
// The Qt backend: modal runs of dialogs and sheets, the model's changes
// pushed to the widgets, message and file dialogs, timers, printing.
#include "fwqt/qt_backend.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QScreen>
#include <QWindow>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "help_viewer.h"
#include "internal.h"
#include "report_cells.h"

namespace fwqt {

using namespace detail;

namespace detail {

namespace {
std::vector<QPointer<QWidget>>& modalStack() {
    static std::vector<QPointer<QWidget>> s;
    return s;
}
}  // namespace

QWidget* modalParent() {
    auto& s = modalStack();
    for (auto it = s.rbegin(); it != s.rend(); ++it)
        if (*it) return *it;
    return nullptr;
}
void pushModal(QWidget* w) { modalStack().push_back(w); }
void popModal(QWidget* w) {
    auto& s = modalStack();
    auto it = std::find(s.begin(), s.end(), QPointer<QWidget>(w));
    if (it != s.end()) s.erase(it);
}

// ---- ModalWindow ----

ModalWindow::ModalWindow(fw::Window& w, QWidget* parent) : QDialog(parent), m_window(&w) {
    setWindowTitle(qs(w.caption()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setProperty("fwqt.window", QVariant::fromValue<void*>(this));
}

void ModalWindow::finish(int code) {
    m_finishing = true;
    QDialog::done(code);
    m_finishing = false;
}

void ModalWindow::done(int r) {
    if (m_finishing || !m_window) QDialog::done(r);
}

void ModalWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (!m_window) return;
    if (auto* s = dynamic_cast<fw::PropertySheet*>(m_window)) s->userClose();
    else if (auto* d = dynamic_cast<fw::Dialog*>(m_window)) d->userClose();
}

// ---- SheetWindow ----

namespace {
QString buttonText(int id) { return qs(fw::standardButtonText(id)); }
const int kSheetButtons[] = {fw::ID_WIZBACK, fw::ID_WIZNEXT, fw::ID_WIZFINISH, fw::IDOK,
                             fw::IDCANCEL,   fw::ID_APPLY_NOW, fw::IDHELP};
}  // namespace

SheetWindow::SheetWindow(fw::PropertySheet& s, QWidget* parent) : ModalWindow(s, parent), m_sheet(&s) {
    auto* lay = new QVBoxLayout(this);
    if (s.GetPageCount() > 0) setFont(dialogFont(s.GetPage(0)->dialogTemplate().font));
    if (s.isWizard()) {
        m_stack = new QStackedWidget(this);
        lay->addWidget(m_stack, 1);
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        lay->addWidget(line);
    } else {
        m_tabs = new QTabWidget(this);
        m_tabs->setObjectName(QStringLiteral("sheet-tabs"));
        lay->addWidget(m_tabs, 1);
        connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
            if (m_syncing || !m_sheet) return;
            m_sheet->userSelectPage(index);
            if (m_sheet) sync();
        });
    }
    for (int i = 0; i < s.GetPageCount(); ++i) {
        auto* holder = new QWidget;
        auto* hl = new QVBoxLayout(holder);
        hl->setContentsMargins(0, 0, 0, 0);
        m_holders.push_back(holder);
        m_clients.push_back(nullptr);
        if (m_tabs) m_tabs->addTab(holder, qs(s.GetPage(i)->title()));
        else m_stack->addWidget(holder);
    }
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (int id : kSheetButtons) {
        auto* b = new QPushButton(buttonText(id), this);
        b->setAutoDefault(false);
        b->setObjectName(QStringLiteral("sheet-%1").arg(id));
        b->setAccessibleName(stripMnemonic(buttonText(id)));
        connect(b, &QPushButton::clicked, this, [this, id] {
            if (m_sheet) m_sheet->userClick(id);
            if (m_sheet) sync();
        });
        row->addWidget(b);
        m_buttons.push_back({id, b});
    }
    lay->addLayout(row);
}

void SheetWindow::ensurePage(int index) {
    fw::PropertyPage* p = m_sheet->GetPage(index);
    if (!p || m_clients[static_cast<std::size_t>(index)] || !p->running()) return;
    auto* client = new ClientWidget(*p, m_holders[static_cast<std::size_t>(index)]);
    auto* view = new WindowView{p, this, client};
    p->backendData = view;
    buildDialog(*client);
    m_holders[static_cast<std::size_t>(index)]->layout()->addWidget(client);
    m_clients[static_cast<std::size_t>(index)] = client;
    client->adjustSize();
    p->setClientSize({client->width(), client->height()});
    client->paintNow();
}

void SheetWindow::sync() {
    if (!m_sheet) return;
    ++m_syncing;
    fw::PropertySheet& s = *m_sheet;
    for (int i = 0; i < s.GetPageCount() && i < static_cast<int>(m_clients.size()); ++i) ensurePage(i);
    const int active = s.GetActiveIndex();
    if (m_tabs && m_tabs->currentIndex() != active) m_tabs->setCurrentIndex(active);
    if (m_stack && m_stack->currentIndex() != active) m_stack->setCurrentIndex(active);
    if (fw::PropertyPage* p = s.GetActivePage(); p && s.isWizard()) setWindowTitle(qs(s.caption()));
    const auto shown = s.buttons();
    for (auto& [id, b] : m_buttons) {
        const bool present = std::find(shown.begin(), shown.end(), id) != shown.end();
        b->setVisible(present);
        b->setEnabled(present && s.buttonEnabled(id));
    }
    --m_syncing;
    if (fw::PropertyPage* p = s.GetActivePage()) syncFocus(*p);
}

void SheetWindow::detachPages() {
    if (!m_sheet) return;
    for (int i = 0; i < m_sheet->GetPageCount() && i < static_cast<int>(m_clients.size()); ++i) {
        fw::PropertyPage* p = m_sheet->GetPage(i);
        if (ClientWidget* c = m_clients[static_cast<std::size_t>(i)]) c->detach();
        if (p && p->backendData) {
            delete viewOf(*p);
            p->backendData = nullptr;
        }
    }
    m_sheet = nullptr;
    detach();
}

}  // namespace detail

// ---- timers ----

struct QtBackend::Timers {
    std::map<std::pair<fw::Window*, int>, QTimer*> timers;
    void stop(fw::Window* w, int id) {
        auto it = timers.find({w, id});
        if (it == timers.end()) return;
        it->second->stop();
        it->second->deleteLater();
        timers.erase(it);
    }
};

QtBackend::QtBackend() : m_timers(std::make_unique<Timers>()) {
    installRouter();
    installAccessibility();
}

QtBackend::~QtBackend() {
    for (auto& [key, t] : m_timers->timers) delete t;
}

QWidget* QtBackend::widgetOf(const fw::Window& w) {
    WindowView* v = viewOf(w);
    if (!v) return nullptr;
    return v->client && dynamic_cast<const fw::PropertyPage*>(&w) ? static_cast<QWidget*>(v->client) : v->top;
}

QWidget* QtBackend::widgetOf(const fw::Control& c) {
    ControlView* v = viewOf(c);
    return v ? v->widget : nullptr;
}

namespace {

// Keeps the help window alive when the modal window it was lent to closes.
void reclaimHelp(HelpViewer* help, QWidget* top) {
    if (!help || help->parentWidget() != top) return;
    const bool shown = help->isVisible();
    help->setParent(nullptr, Qt::Window);
    if (shown) help->show();
}

// A modal window opens centred on the window it was opened from (the main
// window, or the dialog below it), frame and title bar inside the screen.
// The position is the frame's, set before the window is shown, so the window
// manager neither places it by its own rules nor hides the title bar above
// the screen's edge. A window just shown (the main window at start-up) has
// its final geometry only once the window manager has answered: that is
// waited for, briefly.
QWidget* ownerOf(QWidget* top) {
    QWidget* owner = top->parentWidget() ? top->parentWidget()->window() : nullptr;
    return owner && owner->isVisible() ? owner : nullptr;
}

// The frame's top-left that centres a frame of the given size on the owner.
QPoint centredFrame(QWidget* top, QSize outer) {
    QWidget* owner = ownerOf(top);
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return top->pos();
    const QRect area = screen->availableGeometry();
    const QRect around = owner ? owner->frameGeometry() : area;
    QPoint p = around.center() - QPoint((outer.width() - 1) / 2, (outer.height() - 1) / 2);
    p.setX(std::clamp(p.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    p.setY(std::clamp(p.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    return p;
}

// Centres the window's frame on its owner. Its own frame is known only once
// the window manager has framed it; until then its owner's frame stands in
// for it (none on a platform without a window manager).
void centre(QWidget* top) {
    QWidget* owner = ownerOf(top);
    const QMargins own = top->windowHandle() ? top->windowHandle()->frameMargins() : QMargins();
    QMargins frame = own;
    if (frame.isNull() && owner && owner->windowHandle()) frame = owner->windowHandle()->frameMargins();
    // A window made and mapped but not framed yet is left alone: moved now it
    // would be placed by its client area, and a window manager busy framing
    // it may lose its frame. It is centred once the frame has come.
    if (top->testAttribute(Qt::WA_WState_Created) && top->isVisible() && !frame.isNull() && own.isNull()) return;
    const QPoint want = centredFrame(top, top->size().grownBy(frame));
    if (own.isNull()) {
        if ((want - top->pos()).manhattanLength() > 1) top->move(want);   // not shown yet: the frame's position
        return;
    }
    // Framed: the client area goes inside the frame. A widget moves by its
    // own idea of its frame, which may lag behind the window's: allow for it.
    const QPoint client = want + QPoint(own.left(), own.top());
    const QPoint strut = top->geometry().topLeft() - top->pos();
    if ((client - top->geometry().topLeft()).manhattanLength() > 1) top->move(client - strut);
}

// Before the window is shown: its owner's final geometry (waited for,
// briefly, when it has just been shown itself) and its own polished size.
void placeCentred(QWidget* top) {
    QWidget* owner = ownerOf(top);
    if (owner && owner->windowHandle() && !owner->windowHandle()->isExposed()) {
        QElapsedTimer waited;
        waited.start();
        while (!owner->windowHandle()->isExposed() && waited.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    }
    top->ensurePolished();
    if (top->layout()) top->layout()->activate();   // a fixed-size layout sets the size here
    centre(top);
}

// Once shown: centred again with its real frame, when a window manager
// gives it one (it comes a moment after the window is mapped).
void centreOnceFramed(QWidget* top) {
    QWidget* owner = ownerOf(top);
    const bool decorated = owner && owner->windowHandle() && !owner->windowHandle()->frameMargins().isNull();
    if (!decorated || !top->windowHandle()) return;
    QElapsedTimer waited;
    waited.start();
    while (top->windowHandle()->frameMargins().isNull() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    centre(top);
}

// A window that grows while it opens (texts filled in by its first
// handlers) stays centred, until the user first touches it or a moment has
// passed: from then on the window stays where it is.
class KeepCentred : public QObject {
public:
    explicit KeepCentred(QWidget* top) : QObject(top), m_top(top) {
        m_since.start();
        top->installEventFilter(this);
        // The frame's arrival sends no event of its own: look for it.
        m_look.setInterval(20);
        connect(&m_look, &QTimer::timeout, this, [this] {
            const QMargins frame = m_top->windowHandle() ? m_top->windowHandle()->frameMargins() : QMargins();
            if (!frame.isNull()) centre(m_top);
            if (!frame.isNull() || m_since.elapsed() > 1500) m_look.stop();
        });
        m_look.start();
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o != m_top) return false;
        switch (e->type()) {
        case QEvent::Resize:
        case QEvent::Move: {
            // A move counts only when the frame has just arrived: one the
            // user makes by the title bar is left alone.
            const QMargins frame = m_top->windowHandle() ? m_top->windowHandle()->frameMargins() : QMargins();
            if (m_since.elapsed() > 1500) deleteLater();
            else if (e->type() == QEvent::Resize || frame != m_frame) centre(m_top);
            m_frame = frame;
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::KeyPress:
            m_top->removeEventFilter(this);
            m_look.stop();
            deleteLater();
            break;
        default: break;
        }
        return false;
    }

private:
    QWidget* m_top;
    QElapsedTimer m_since;
    QMargins m_frame;
    QTimer m_look;
};

// Qt's own modal windows (message boxes, file and print dialogs) open
// centred in the same way.
void openCentred(QWidget* w) {
    placeCentred(w);
    new KeepCentred(w);
}

template <class Run>
void runModal(fw::Window& w, ModalWindow* top, QtBackend::ShownHook hook, HelpViewer* help, Run teardown) {
    pushModal(top);
    top->setWindowModality(Qt::ApplicationModal);
    top->adjustSize();
    placeCentred(top);
    new KeepCentred(top);
    top->show();
    QCoreApplication::processEvents();
    centreOnceFramed(top);
    if (hook) hook(w, top);
    if (!w.ended()) top->exec();
    popModal(top);
    reclaimHelp(help, top);
    teardown();
    delete top;
}

}  // namespace

void QtBackend::runDialog(fw::Dialog& d) {
    auto* top = new ModalWindow(d, modalParent());
    top->setFont(dialogFont(d.dialogTemplate().font));
    auto* lay = new QVBoxLayout(top);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSizeConstraint(QLayout::SetFixedSize);
    auto* client = new ClientWidget(d, top);
    auto* view = new WindowView{&d, top, client};
    d.backendData = view;
    buildDialog(*client);
    lay->addWidget(client);
    top->adjustSize();
    d.setClientSize({client->width(), client->height()});
    client->paintNow();
    syncFocus(d);
    runModal(d, top, m_shown, m_help.get(), [&] {
        client->detach();
        delete view;
        d.backendData = nullptr;
    });
}

void QtBackend::runSheet(fw::PropertySheet& s) {
    auto* top = new SheetWindow(s, modalParent());
    auto* view = new WindowView{&s, top, nullptr};
    s.backendData = view;
    top->sync();
    runModal(s, top, m_shown, m_help.get(), [&] {
        top->detachPages();
        delete view;
        s.backendData = nullptr;
    });
}

void QtBackend::endModal(fw::Window& w, int code) {
    WindowView* v = viewOf(w);
    if (!v || !v->top) return;
    if (auto* m = dynamic_cast<ModalWindow*>(v->top); m && m->window() == &w) m->finish(code);
}

// ---- the model's changes ----

void QtBackend::controlChanged(fw::Dialog&, fw::Control& c, fw::Change what) {
    if (ControlView* v = viewOf(c)) push(*v, what);
}

void QtBackend::captionChanged(fw::Window& w) {
    WindowView* v = viewOf(w);
    if (!v) return;
    if (auto* p = dynamic_cast<fw::PropertyPage*>(&w)) {
        (void)p;
        return;   // a page's tab keeps its template title
    }
    if (v->top) v->top->setWindowTitle(qs(w.caption()));
}

void QtBackend::focusChanged(fw::Dialog& d, int) {
    if (viewOf(d)) syncFocus(d);
}

void QtBackend::sheetChanged(fw::PropertySheet& s) {
    WindowView* v = viewOf(s);
    if (auto* sw = v ? dynamic_cast<SheetWindow*>(v->top) : nullptr) sw->sync();
}

void QtBackend::invalidate(fw::Window& w) {
    WindowView* v = viewOf(w);
    if (!v || !v->client) return;
    QPointer<ClientWidget> c = v->client;
    QTimer::singleShot(0, c, [c] {
        if (c) c->paintNow();
    });
}

void QtBackend::canvasChanged(fw::Window& w) {
    WindowView* v = viewOf(w);
    if (v && v->client) v->client->render();
}

void QtBackend::windowDestroyed(fw::Window& w) {
    for (auto it = m_timers->timers.begin(); it != m_timers->timers.end();) {
        if (it->first.first == &w) {
            it->second->stop();
            it->second->deleteLater();
            it = m_timers->timers.erase(it);
        } else {
            ++it;
        }
    }
}

// ---- message boxes ----

namespace {
QMessageBox::ButtonRole answerRole(int id) {
    switch (id) {
    case fw::IDOK:
    case fw::IDYES:
    case fw::IDRETRY: return QMessageBox::AcceptRole;
    case fw::IDNO: return QMessageBox::NoRole;
    case fw::IDCANCEL:
    case fw::IDABORT: return QMessageBox::RejectRole;
    default: return QMessageBox::ActionRole;
    }
}
}  // namespace

int QtBackend::messageBox(const fw::MessageRequest& m) {
    QMessageBox box(modalParent());
    box.setWindowTitle(qs(m.caption));
    box.setText(qs(m.text));
    switch (m.icon) {
    case fw::MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case fw::MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case fw::MessageIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case fw::MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case fw::MessageIcon::None: break;
    }
    const auto answers = m.answers();
    std::vector<std::pair<QAbstractButton*, int>> buttons;
    for (int id : answers) {
        QPushButton* b = box.addButton(buttonText(id), answerRole(id));
        b->setObjectName(QStringLiteral("answer-%1").arg(id));
        buttons.push_back({b, id});
    }
    const std::size_t def = static_cast<std::size_t>(std::clamp<int>(m.defaultButton, 0, int(answers.size()) - 1));
    box.setDefaultButton(static_cast<QPushButton*>(buttons[def].first));
    // Escape (and the close box) answer Cancel, or OK when that is the only button.
    int escape = 0;
    for (int id : answers)
        if (id == fw::IDCANCEL) escape = id;
    if (!escape && answers.size() == 1) escape = answers.front();
    for (auto& [b, id] : buttons)
        if (id == escape) box.setEscapeButton(b);
    QPointer<QWidget> parent = modalParent();
    pushModal(&box);
    openCentred(&box);
    box.exec();
    popModal(&box);
    for (auto& [b, id] : buttons)
        if (box.clickedButton() == b) return id;
    return escape ? escape : answers.back();
}

// ---- file dialogs ----

namespace {
QString patternsOf(const std::string& patterns) {
    QStringList out;
    for (const QString& p : qs(patterns).split(u';', Qt::SkipEmptyParts)) {
        QString t = p.trimmed();
        out << (t == QStringLiteral("*.*") ? QStringLiteral("*") : t);
    }
    return out.join(u' ');
}
// "圆柱齿轮计算数据文件(*.cyb)" with patterns "*.cyb" -> a Qt name filter
// whose last parentheses hold the patterns Qt matches.
QString nameFilter(const fw::FileFilter& f) {
    QString d = qs(f.description).trimmed();
    if (d.endsWith(u')')) {
        qsizetype open = d.lastIndexOf(u'(');
        if (open > 0) d = d.left(open);
    }
    return d + u'(' + patternsOf(f.patterns) + u')';
}
}  // namespace

std::optional<std::filesystem::path> QtBackend::fileDialog(const fw::FileRequest& r) {
    QFileDialog fd(modalParent());
    fd.setOption(QFileDialog::DontUseNativeDialog, true);
    const bool save = r.mode == fw::FileMode::Save;
    fd.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fd.setFileMode(!save && (r.flags & fw::OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // No overwrite question unless asked for, and none where the file must
    // exist already: such a dialog chooses a report to append to.
    if (save && (!(r.flags & fw::OFN_OVERWRITEPROMPT) || (r.flags & fw::OFN_FILEMUSTEXIST)))
        fd.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!r.title.empty()) fd.setWindowTitle(qs(r.title));
    QStringList filters;
    for (const auto& f : r.filters) filters << nameFilter(f);
    if (!filters.isEmpty()) {
        fd.setNameFilters(filters);
        fd.selectNameFilter(filters.value(std::clamp<int>(r.filterIndex, 0, int(filters.size()) - 1)));
    }
    // Saving: the overwrite question must see the name with its extension.
    if (save && !r.defaultExt.empty()) fd.setDefaultSuffix(qs(r.defaultExt).toLower());
    std::error_code ec;
    if (!r.folder.empty() && std::filesystem::is_directory(r.folder, ec))
        fd.setDirectory(QString::fromStdString(r.folder.string()));
    if (!r.initialName.empty() && r.initialName.find_first_of("*?") == std::string::npos)
        fd.selectFile(qs(r.initialName));
    // The details view, with dates shown in full (no column cut short).
    fd.setViewMode(QFileDialog::Detail);
    if (auto* tv = fd.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        tv->header()->setStretchLastSection(false);
        tv->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int c = 1; c < tv->header()->count(); ++c) tv->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
    fd.resize(std::max(fd.width(), 820), std::max(fd.height(), 480));
    pushModal(&fd);
    openCentred(&fd);
    const int rc = fd.exec();
    popModal(&fd);
    if (rc != QDialog::Accepted || fd.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(str(fd.selectedFiles().front()));
}

// ---- help, shell, printing, cursor, timers ----

HelpViewer& QtBackend::helpViewer() {
    if (!m_help) m_help = std::make_unique<HelpViewer>();
    return *m_help;
}

void QtBackend::help(const fw::HelpRequest& h) {
    HelpViewer& v = helpViewer();
    // A modal window blocks every other top-level window: lend it the help
    // window, so the help stays usable while the dialog asking for it is up.
    QWidget* top = modalParent();
    while (top && !dynamic_cast<ModalWindow*>(top)) top = top->parentWidget();
    if (top && v.parentWidget() != top) v.setParent(top, Qt::Window);
    v.showRequest(h);
}

bool QtBackend::shellOpen(const fw::ShellRequest& r) {
    std::error_code ec;
    if (!std::filesystem::exists(r.file, ec)) return false;
    // Our own HTML documents open in the program's help window, like the help.
    auto ext = r.file.extension().string();
    for (auto& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".htm" || ext == ".html") {
        helpViewer().showFile(r.file);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(r.file.string())));
}

QPrinter& QtBackend::printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool QtBackend::print(const fw::PrintRequest& p) {
    QPrinter& pr = printer();
    if (p.setupOnly) {
        QPageSetupDialog dlg(&pr, modalParent());
        openCentred(&dlg);
        return dlg.exec() == QDialog::Accepted;
    }
    // The job (and a PDF's suggested file) is named after the report file.
    const QString job = qs(p.jobName.empty() ? p.title : p.jobName);
    pr.setDocName(job);
    if (pr.outputFormat() == QPrinter::PdfFormat) {
        QFileInfo out(pr.outputFileName());
        pr.setOutputFileName(out.absolutePath().isEmpty() || pr.outputFileName().isEmpty()
                                 ? job + QStringLiteral(".pdf")
                                 : out.absolutePath() + u'/' + job + QStringLiteral(".pdf"));
    }
    QTextDocument doc;
    doc.setPlainText(qs(p.text));
    // Font, tab stops and character cells as in the report window (every 8
    // cells of the same font), measured on the device that is printed on;
    // a report wider than the page is printed smaller, never wrapped.
    auto printOn = [&doc](QPrinter* device) {
        prepareReportForPage(doc, device);
        doc.print(device);
    };
    if (p.preview) {
        QPrintPreviewDialog dlg(&pr, modalParent());
        dlg.setWindowTitle(QStringLiteral("打印预览 - ") + job);
        QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg, printOn);
        pushModal(&dlg);
        openCentred(&dlg);
        const bool ok = dlg.exec() == QDialog::Accepted;
        popModal(&dlg);
        return ok;
    }
    QPrintDialog dlg(&pr, modalParent());
    openCentred(&dlg);
    if (dlg.exec() != QDialog::Accepted) return false;
    printOn(&pr);
    return true;
}

void QtBackend::setWaitCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_waitDepth;
    } else if (m_waitDepth > 0) {
        QApplication::restoreOverrideCursor();
        --m_waitDepth;
    }
}

void QtBackend::startTimer(fw::Window& w, int id, int ms) {
    m_timers->stop(&w, id);
    auto* t = new QTimer;
    t->setInterval(ms);
    fw::Window* win = &w;
    QObject::connect(t, &QTimer::timeout, t, [win, id] { win->userTimer(id); });
    m_timers->timers[{&w, id}] = t;
    t->start();
}

void QtBackend::stopTimer(fw::Window& w, int id) { m_timers->stop(&w, id); }

}  // namespace fwqt
