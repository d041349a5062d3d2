// The application layer drawn with Qt Widgets: QMainWindow + QMdiArea,
// menus and toolbar by command id, status bar, QPlainTextEdit report views,
// the splash popup, the hand-off socket, the message loop.
#include "fwqt/app_qt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <map>

#include "fwqt/qt_backend.h"
#include "internal.h"
#include "report_cells.h"

namespace fwqt {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QImage imageOf(const fw::Bitmap& b) {
    if (b.rgba.size() < static_cast<std::size_t>(b.width * b.height * 4)) return {};
    return QImage(b.rgba.data(), b.width, b.height, b.width * 4, QImage::Format_RGBA8888).copy();
}

QIcon iconOf(const fw::Module* m, int id) {
    const fw::Bitmap* b = m ? m->bitmap(id) : nullptr;
    return b ? QIcon(QPixmap::fromImage(imageOf(*b))) : QIcon();
}

// The freedesktop theme's icon of a standard command, or an empty name.
QString themeIconName(int id) {
    switch (id) {
    case fw::cmd::FileNew: return QStringLiteral("document-new");
    case fw::cmd::FileOpen: return QStringLiteral("document-open");
    case fw::cmd::FileSave: return QStringLiteral("document-save");
    case fw::cmd::EditCut: return QStringLiteral("edit-cut");
    case fw::cmd::EditCopy: return QStringLiteral("edit-copy");
    case fw::cmd::EditPaste: return QStringLiteral("edit-paste");
    case fw::cmd::FilePrintPreview: return QStringLiteral("document-print-preview");
    case fw::cmd::FilePrint: return QStringLiteral("document-print");
    case fw::cmd::AppAbout: return QStringLiteral("help-about");
    case fw::cmd::ContextHelp: return QStringLiteral("help-contextual");
    case fw::cmd::HelpFinder: return QStringLiteral("help-contents");
    default: return {};
    }
}

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(fw::MdiFrame& f) : m_frame(&f) { setAcceptDrops(true); }
    fw::MdiFrame* m_frame;
    // The frame's caption. A maximised report window would add its own name
    // again (" - [name]"); the title stays the frame's, which already
    // carries the active document's name.
    void setCaption(const QString& c) {
        m_caption = c;
        setWindowTitle(c);
    }

protected:
    void changeEvent(QEvent* e) override {
        QMainWindow::changeEvent(e);
        if (e->type() == QEvent::WindowTitleChange && !m_caption.isNull() && windowTitle() != m_caption)
            setWindowTitle(m_caption);
    }

private:
    QString m_caption;

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        if (m_frame) m_frame->userClose();   // the model destroys the frame, and this window with it
    }
    void dragEnterEvent(QDragEnterEvent* e) override {
        if (m_frame && m_frame->acceptsFiles() && e->mimeData()->hasUrls()) e->acceptProposedAction();
    }
    void dropEvent(QDropEvent* e) override {
        std::vector<std::filesystem::path> files;
        for (const QUrl& u : e->mimeData()->urls())
            if (u.isLocalFile()) files.emplace_back(u.toLocalFile().toStdString());
        if (m_frame) m_frame->userDropFiles(files);
    }
};

class ChildWindow : public QMdiSubWindow {
public:
    explicit ChildWindow(fw::MdiChild& c) : m_child(&c) { setAttribute(Qt::WA_DeleteOnClose, false); }
    fw::MdiChild* m_child;

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        if (m_child) m_child->userClose();
    }
};

std::string keyName(const QKeyEvent* k) {
    return QKeySequence(k->keyCombination()).toString(QKeySequence::PortableText).toStdString();
}

}  // namespace

struct AppBackendQt::Impl : public QObject {
    MainWindow* main = nullptr;
    QMdiArea* area = nullptr;
    QToolBar* toolbar = nullptr;
    QLabel* message = nullptr;
    std::vector<QLabel*> indicators;
    std::vector<QAction*> shortcuts;
    std::map<fw::MdiChild*, QPointer<ChildWindow>> children;
    std::map<fw::PopupWindow*, QPointer<QLabel>> popups;
    std::map<std::pair<fw::PopupWindow*, int>, QTimer*> timers;
    std::vector<QSocketNotifier*> notifiers;
    std::vector<int> builtButtons;   // the toolbar's commands as last built
    std::vector<QMenu*> menus;       // the menu bar's popups as last built
    bool menusDue = false;           // a rebuild of the menus is queued
    bool guard = false;          // text pushed from the model
    bool eatNextKey = false;     // a shortcut override was eaten: so is its key press

    QPlainTextEdit* editOf(fw::MdiChild* c) {
        auto it = children.find(c);
        return it != children.end() && it->second ? static_cast<QPlainTextEdit*>(it->second->widget()) : nullptr;
    }

    void buildMenu(QMenu* menu, const std::vector<fw::MenuItem>& items, fw::MdiFrame& f) {
        for (const fw::MenuItem& it : items) {
            if (!it.children.empty()) {
                buildMenu(menu->addMenu(q(it.text)), it.children, f);
            } else if (it.command == 0) {
                menu->addSeparator();
            } else if (it.command == fw::cmd::FileMru1) {
                addRecentFiles(menu, it.text, f);
            } else {
                QAction* a = menu->addAction(q(it.text));
                QString theme = themeIconName(it.command);
                if (!theme.isEmpty() && QIcon::hasThemeIcon(theme)) a->setIcon(QIcon::fromTheme(theme));
                addCommand(a, it.command, f);
            }
        }
        menu->setProperty("fwqt.frameMenu", true);
        fw::MdiFrame* frame = &f;
        bool windowMenu = false;
        for (const fw::MenuItem& it : items) windowMenu = windowMenu || it.command == fw::cmd::WindowCascade;
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this, frame, menu, windowMenu] {
            if (windowMenu) fillWindowList(menu, *frame);
            updateChecks(menu, *frame);
        });
    }

    // The Window menu ends with the list of report windows, the active one
    // checked; choosing one activates it.
    void fillWindowList(QMenu* menu, fw::MdiFrame& f) {
        for (QAction* a : menu->actions())
            if (a->property("fwqt.windowList").toBool()) {
                menu->removeAction(a);
                a->deleteLater();
            }
        const auto names = f.windowList();
        for (std::size_t i = 0; i < names.size(); ++i) {
            QAction* a = i == 0 ? menu->addSeparator() : nullptr;
            if (a) a->setProperty("fwqt.windowList", true);
            a = menu->addAction(q(names[i]));
            a->setProperty("fwqt.windowList", true);
            addCommand(a, fw::MdiFrame::FirstWindow + static_cast<int>(i), f);
        }
    }
    static void updateChecks(QMenu* menu, fw::MdiFrame& f) {
        for (QAction* a : menu->actions()) {
            bool ok = false;
            int id = a->data().toInt(&ok);
            if (!ok || a->isSeparator() || a->menu()) continue;
            if (auto c = f.commandChecked(id)) {
                a->setCheckable(true);
                a->setChecked(*c);
            }
        }
    }
    void addRecentFiles(QMenu* menu, const std::string& placeholder, fw::MdiFrame& f) {
        fw::App* app = fw::App::current();
        const auto& files = app ? app->recentFiles().files() : std::vector<std::filesystem::path>{};
        if (files.empty()) {
            // Greyed, as the desktop shows an empty list; hovering it still
            // shows its prompt (see the event filter), as for every item.
            QAction* a = menu->addAction(q(placeholder));
            addCommand(a, fw::cmd::FileMru1, f);
            a->setEnabled(false);
            return;
        }
        for (std::size_t i = 0; i < files.size(); ++i)
            addCommand(menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(q(files[i].string()))),
                       fw::cmd::FileMru1 + static_cast<int>(i), f);
    }
    void addCommand(QAction* a, int id, fw::MdiFrame& f) {
        fw::MdiFrame* frame = &f;
        a->setData(id);
        a->setToolTip(q(f.toolTip(id)));
        QObject::connect(a, &QAction::triggered, a, [frame, id] { frame->userCommand(id); });
        QObject::connect(a, &QAction::hovered, a, [frame, id] { frame->userMenuSelect(id); });
    }

    void buildMenus(fw::MdiFrame& f) {
        if (!main) return;
        menusDue = false;
        main->menuBar()->clear();
        for (QMenu* old : menus) old->deleteLater();
        menus.clear();
        if (const fw::Menu* m = f.currentMenu())
            for (const fw::MenuItem& top : m->items) {
                QMenu* menu = main->menuBar()->addMenu(q(top.text));
                menus.push_back(menu);
                buildMenu(menu, top.children, f);
                fw::MdiFrame* frame = &f;
                QObject::connect(menu, &QMenu::aboutToHide, menu, [frame] { frame->userMenuSelect(0); });
            }
    }
    // A command chosen from a menu may change the menus (a report opens, the
    // recent-file list grows): the new menus are built once that menu's
    // event has returned, never from inside it.
    void scheduleMenus(fw::MdiFrame& f) {
        if (menusDue || !main) return;
        menusDue = true;
        fw::MdiFrame* frame = &f;
        QTimer::singleShot(0, main, [this, frame] {
            if (menusDue) buildMenus(*frame);
        });
    }

    void buildShortcuts(fw::MdiFrame& f) {
        for (QAction* a : shortcuts) delete a;
        shortcuts.clear();
        if (!f.accelerators()) return;
        for (const fw::Accelerator& k : f.accelerators()->keys) {
            auto* a = new QAction(main);
            a->setShortcut(QKeySequence(q(k.key)));
            a->setShortcutContext(Qt::WindowShortcut);
            fw::MdiFrame* frame = &f;
            int id = k.command;
            QObject::connect(a, &QAction::triggered, a, [frame, id] { frame->userCommand(id); });
            main->addAction(a);
            shortcuts.push_back(a);
        }
        // Next and previous report window, as the desktop's MDI programs have it.
        const std::pair<const char*, bool> windowKeys[] = {
            {"Ctrl+F6", true}, {"Ctrl+Tab", true}, {"Ctrl+Shift+F6", false}, {"Ctrl+Shift+Tab", false}};
        for (const auto& [key, forward] : windowKeys) {
            auto* a = new QAction(main);
            a->setShortcut(QKeySequence(QString::fromLatin1(key)));
            a->setShortcutContext(Qt::WindowShortcut);
            fw::MdiFrame* frame = &f;
            const bool fwd = forward;
            QObject::connect(a, &QAction::triggered, a, [frame, fwd] { frame->userNextWindow(fwd); });
            main->addAction(a);
            shortcuts.push_back(a);
        }
    }

    // The bars' structure: toolbar buttons and status-bar panes. Built again
    // only when they differ from what is shown.
    void buildBars(fw::MdiFrame& f) {
        if (!main) return;
        if (fw::ToolBar* tb = f.toolBar()) {
            if (!toolbar) {
                toolbar = main->addToolBar(QStringLiteral("toolbar"));
                toolbar->setObjectName(QStringLiteral("toolbar"));
                toolbar->setMovable(false);
                toolbar->setIconSize(QSize(16, 16));
            }
            if (builtButtons != tb->buttons()) {
                builtButtons = tb->buttons();
                toolbar->clear();
                const fw::Bitmap* strip = tb->module() ? tb->module()->bitmap(tb->bitmap()) : nullptr;
                QImage img = strip ? imageOf(*strip) : QImage();
                for (int id : tb->buttons()) {
                    if (id == 0) {
                        toolbar->addSeparator();
                        continue;
                    }
                    QAction* a = toolbar->addAction(QString());
                    int index = tb->imageIndex(id);
                    QIcon drawn;
                    if (!img.isNull() && index >= 0) drawn = QIcon(QPixmap::fromImage(img.copy(index * 16, 0, 16, 16)));
                    QString theme = themeIconName(id);
                    a->setIcon(theme.isEmpty() ? drawn : QIcon::fromTheme(theme, drawn));
                    a->setText(q(f.toolTip(id)));
                    addCommand(a, id, f);
                }
            }
        }
        if (fw::StatusBar* sb = f.statusBar()) {
            if (!message) {
                message = new QLabel;
                message->setObjectName(QStringLiteral("message"));
                main->statusBar()->addWidget(message, 1);
            }
            const auto& ids = sb->indicators();
            while (indicators.size() + 1 < ids.size()) {
                auto* l = new QLabel;
                l->setFrameShape(QFrame::Panel);
                l->setFrameShadow(QFrame::Sunken);
                main->statusBar()->addPermanentWidget(l);
                indicators.push_back(l);
            }
            for (std::size_t i = 1; i < ids.size() && i - 1 < indicators.size(); ++i)
                indicators[i - 1]->setText(q(f.module() ? f.module()->string(ids[i]) : std::string()));
        }
        updateMessage(f);
        updateBarState(f);
    }

    // Bars shown or hidden, key indicators on or off, the View menu's marks.
    void updateBarState(fw::MdiFrame& f) {
        if (!main) return;
        if (fw::ToolBar* tb = f.toolBar(); tb && toolbar) toolbar->setVisible(tb->visible());
        if (fw::StatusBar* sb = f.statusBar()) {
            for (std::size_t i = 1; i < sb->indicators().size() && i - 1 < indicators.size(); ++i)
                indicators[i - 1]->setEnabled(!sb->paneText(static_cast<int>(i)).empty());   // greyed while off
            main->statusBar()->setVisible(sb->visible());
        }
        for (QMenu* menu : main->menuBar()->findChildren<QMenu*>()) updateChecks(menu, f);
    }

    // The message pane's text, nothing else: a fly-by prompt while the mouse
    // is over a button must not touch that button.
    void updateMessage(fw::MdiFrame& f) {
        if (fw::StatusBar* sb = f.statusBar(); sb && message) message->setText(q(sb->message()));
    }

    bool eventFilter(QObject* o, QEvent* e) override {
        fw::App* app = fw::App::current();
        if (!app) return false;
        using K = fw::InputMessage::Kind;
        switch (e->type()) {
        case QEvent::ShortcutOverride:
            if (app->userInput({K::KeyDown, keyName(static_cast<QKeyEvent*>(e))})) {
                e->accept();
                eatNextKey = true;
                return true;
            }
            return false;
        case QEvent::KeyPress: {
            if (eatNextKey) {
                eatNextKey = false;
                return true;
            }
            auto* k = static_cast<QKeyEvent*>(e);
            if (app->userInput({K::KeyDown, keyName(k)})) return true;
            if (k->key() == Qt::Key_Escape && app->mainFrame() && app->mainFrame()->contextHelpMode()) {
                app->mainFrame()->userEscape();
                return true;
            }
            return false;
        }
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress: {
            auto* m = static_cast<QMouseEvent*>(e);
            bool nc = e->type() == QEvent::NonClientAreaMouseButtonPress;
            K kind = m->button() == Qt::RightButton ? (nc ? K::NcRButtonDown : K::RButtonDown)
                     : m->button() == Qt::MiddleButton ? (nc ? K::NcMButtonDown : K::MButtonDown)
                                                       : (nc ? K::NcLButtonDown : K::LButtonDown);
            if (app->userInput({kind, {}})) return true;
            fw::MdiFrame* f = app->mainFrame();
            auto* w = qobject_cast<QWidget*>(o);
            if (f && f->contextHelpMode() && w && main && main->isAncestorOf(w) && !qobject_cast<QMenuBar*>(w) &&
                !qobject_cast<QToolBar*>(w->parentWidget()) && !qobject_cast<QMenu*>(w)) {
                f->userHelpClick();
                return true;
            }
            return false;
        }
        case QEvent::MouseMove:
            menuHover(o, static_cast<QMouseEvent*>(e));
            return false;
        default: return false;
        }
    }

    // A menu signals the hovering of enabled items only: over a greyed item
    // the message pane shows its prompt, over a separator the idle message,
    // so the pane never keeps the prompt of the item hovered before.
    void menuHover(QObject* o, QMouseEvent* e) {
        auto* menu = qobject_cast<QMenu*>(o);
        fw::App* app = fw::App::current();
        fw::MdiFrame* f = app ? app->mainFrame() : nullptr;
        if (!menu || !f || !menu->property("fwqt.frameMenu").toBool()) return;
        QAction* a = menu->actionAt(e->position().toPoint());
        if (!a || a->menu() || (a->isEnabled() && !a->isSeparator())) return;
        bool ok = false;
        const int id = a->isSeparator() ? 0 : a->data().toInt(&ok);
        f->userMenuSelect(ok ? id : 0);
    }
};

AppBackendQt::AppBackendQt() : m(std::make_unique<Impl>()) {
    if (qApp) qApp->installEventFilter(m.get());
}

AppBackendQt::~AppBackendQt() {
    if (qApp) qApp->removeEventFilter(m.get());
    for (auto& [k, t] : m->timers) delete t;
    for (QSocketNotifier* n : m->notifiers) delete n;
    for (auto& [p, l] : m->popups) delete l.data();
    delete m->main;
}

QMainWindow* AppBackendQt::mainWindow() const { return m->main; }

void AppBackendQt::frameCreated(fw::MdiFrame& f) {
    delete m->main;
    m->toolbar = nullptr;
    m->message = nullptr;
    m->indicators.clear();
    m->shortcuts.clear();
    m->builtButtons.clear();
    m->menus.clear();
    m->menusDue = false;
    m->main = new MainWindow(f);
    m->main->setCaption(q(f.caption()));
    // The program's icon from the icon theme; else its own SVG; else icon 128.
    QIcon own = iconOf(f.module(), 128);
    if (fw::App* app = fw::App::current(); app && !app->appIconSvg().empty()) {
        QPixmap svg;
        const std::string& data = app->appIconSvg();
        if (svg.loadFromData(reinterpret_cast<const uchar*>(data.data()), static_cast<uint>(data.size()), "SVG"))
            own = QIcon(svg);
    }
    const std::string name = fw::App::current() ? fw::App::current()->appIconName() : std::string();
    m->main->setWindowIcon(name.empty() ? own : QIcon::fromTheme(q(name), own));
    m->area = new QMdiArea;
    m->area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m->area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m->main->setCentralWidget(m->area);
    QObject::connect(m->area, &QMdiArea::subWindowActivated, m->area, [this](QMdiSubWindow* w) {
        if (auto* c = dynamic_cast<ChildWindow*>(w); c && c->m_child && !c->m_child->isActive()) c->m_child->userActivate();
    });
    m->buildMenus(f);
    m->buildShortcuts(f);
    detail::pushModal(m->main);   // dialogs run from the frame's commands are its children
}

void AppBackendQt::frameChanged(fw::MdiFrame& f, fw::FrameChange what) {
    if (!m->main) return;
    switch (what) {
    case fw::FrameChange::Caption: m->main->setCaption(q(f.caption())); break;
    case fw::FrameChange::Menu: m->scheduleMenus(f); break;
    case fw::FrameChange::Bars: m->buildBars(f); break;
    case fw::FrameChange::BarState: m->updateBarState(f); break;
    case fw::FrameChange::Message: m->updateMessage(f); break;
    case fw::FrameChange::Show:
        switch (f.showState()) {
        case fw::ShowCmd::Hide: m->main->hide(); break;
        case fw::ShowCmd::Normal: m->main->showNormal(); break;
        case fw::ShowCmd::Minimized: m->main->showMinimized(); break;
        case fw::ShowCmd::Maximized: m->main->showMaximized(); break;
        }
        break;
    case fw::FrameChange::Arrange:
        if (f.arrangement() == fw::MdiFrame::Arrangement::Cascade) m->area->cascadeSubWindows();
        if (f.arrangement() == fw::MdiFrame::Arrangement::Tile) m->area->tileSubWindows();
        break;
    case fw::FrameChange::Active:
        if (fw::MdiChild* c = f.MDIGetActive()) {
            auto it = m->children.find(c);
            if (it != m->children.end() && it->second && m->area->activeSubWindow() != it->second)
                m->area->setActiveSubWindow(it->second);
        }
        break;
    case fw::FrameChange::HelpMode:
        if (f.contextHelpMode()) QApplication::setOverrideCursor(Qt::WhatsThisCursor);
        else QApplication::restoreOverrideCursor();
        break;
    case fw::FrameChange::Foreground:
        // Restored as it was before the user minimised it (maximised stays
        // maximised), then on top with the focus.
        if (m->main->isMinimized()) m->main->setWindowState(m->main->windowState() & ~Qt::WindowMinimized);
        m->main->show();
        m->main->raise();
        m->main->activateWindow();
        break;
    }
}

void AppBackendQt::frameDestroyed(fw::MdiFrame&) {
    if (!m->main) return;
    detail::popModal(m->main);
    m->main->m_frame = nullptr;
    m->main->hide();
    m->main->deleteLater();
    m->main = nullptr;
    m->area = nullptr;
    m->toolbar = nullptr;
    m->message = nullptr;
    m->indicators.clear();
    m->shortcuts.clear();
    m->builtButtons.clear();
    m->menus.clear();
    m->menusDue = false;
}

void AppBackendQt::childCreated(fw::MdiChild& c) {
    if (!m->area) return;
    auto* sub = new ChildWindow(c);
    auto* edit = new QPlainTextEdit;
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setFont(detail::reportFont());
    edit->setTabStopDistance(detail::reportTabStop(edit->font()));
    detail::fitReportCells(edit->document());
    edit->setAccessibleName(q(c.caption()));
    sub->setWidget(edit);
    sub->setWindowTitle(q(c.caption()));
    sub->setWindowIcon(iconOf(c.module(), 129));
    m->area->addSubWindow(sub);
    m->children[&c] = sub;
    if (fw::EditView* v = c.view()) {
        m->guard = true;
        edit->setPlainText(q(v->displayText()));
        m->guard = false;
        fw::MdiChild* child = &c;
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, child, edit] {
            if (m->guard || !child->view()) return;
            m->guard = true;
            child->view()->userEdited(edit->toPlainText().toStdString());
            m->guard = false;
        });
    }
    sub->show();
}

void AppBackendQt::childChanged(fw::MdiChild& c, fw::ChildChange what) {
    auto it = m->children.find(&c);
    if (it == m->children.end() || !it->second) return;
    ChildWindow* sub = it->second;
    switch (what) {
    case fw::ChildChange::Caption: sub->setWindowTitle(q(c.caption())); break;
    case fw::ChildChange::State:
        if (c.showState() == fw::ShowCmd::Maximized) sub->showMaximized();
        else if (c.showState() == fw::ShowCmd::Minimized) sub->showMinimized();
        else if (c.showState() == fw::ShowCmd::Normal) sub->showNormal();
        break;
    case fw::ChildChange::Text:
        if (!m->guard && c.view()) {
            QPlainTextEdit* e = m->editOf(&c);
            QString t = q(c.view()->displayText());
            if (e && e->toPlainText() != t) {
                m->guard = true;
                e->setPlainText(t);
                m->guard = false;
            }
        }
        break;
    case fw::ChildChange::Selection: break;
    }
}

void AppBackendQt::childDestroyed(fw::MdiChild& c) {
    auto it = m->children.find(&c);
    if (it == m->children.end()) return;
    if (ChildWindow* sub = it->second) {
        sub->m_child = nullptr;
        if (m->area) m->area->removeSubWindow(sub);
        sub->deleteLater();
    }
    m->children.erase(it);
}

bool AppBackendQt::editCommand(fw::EditView& v, fw::EditCommand cmd) {
    QPlainTextEdit* e = v.frame() ? m->editOf(v.frame()) : nullptr;
    if (!e) return false;
    switch (cmd) {
    case fw::EditCommand::Undo: e->undo(); break;
    case fw::EditCommand::Cut: e->cut(); break;
    case fw::EditCommand::Copy: e->copy(); break;
    case fw::EditCommand::Paste: e->paste(); break;
    }
    return true;
}

void AppBackendQt::popupChanged(fw::PopupWindow& p) {
    QPointer<QLabel>& l = m->popups[&p];
    if (!l) {
        l = new QLabel(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        l->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    if (p.needsPaint()) p.paint();
    for (const fw::DrawOp& op : p.drawing())
        if (op.kind == fw::DrawOp::Kind::Bitmap && op.module)
            if (const fw::Bitmap* b = op.module->bitmap(op.bitmap)) l->setPixmap(QPixmap::fromImage(imageOf(*b)));
    l->resize(p.rect().width(), p.rect().height());
    QScreen* screen = m->main && m->main->screen() ? m->main->screen() : QGuiApplication::primaryScreen();
    if (screen) l->move(screen->geometry().center() - QPoint(p.rect().width() / 2, p.rect().height() / 2));
    l->setVisible(p.isVisible());
}

void AppBackendQt::popupDestroyed(fw::PopupWindow& p) {
    auto it = m->popups.find(&p);
    if (it != m->popups.end()) {
        if (it->second) {
            it->second->hide();
            it->second->deleteLater();
        }
        m->popups.erase(it);
    }
    for (auto t = m->timers.begin(); t != m->timers.end();) {
        if (t->first.first == &p) {
            t->second->stop();
            t->second->deleteLater();
            t = m->timers.erase(t);
        } else {
            ++t;
        }
    }
}

void AppBackendQt::startPopupTimer(fw::PopupWindow& p, int id, int ms) {
    stopPopupTimer(p, id);
    auto* t = new QTimer;
    t->setInterval(ms);
    fw::PopupWindow* popup = &p;
    // The popup may destroy itself from its handler: timers go by deleteLater.
    QObject::connect(t, &QTimer::timeout, t, [popup, id] { popup->userPopupTimer(id); });
    m->timers[{&p, id}] = t;
    t->start();
}

void AppBackendQt::stopPopupTimer(fw::PopupWindow& p, int id) {
    auto it = m->timers.find({&p, id});
    if (it == m->timers.end()) return;
    it->second->stop();
    it->second->deleteLater();
    m->timers.erase(it);
}

void AppBackendQt::watchFd(int fd, std::function<void()> readable) {
    auto* n = new QSocketNotifier(fd, QSocketNotifier::Read);
    QObject::connect(n, &QSocketNotifier::activated, n, [readable] { readable(); });
    m->notifiers.push_back(n);
}

void AppBackendQt::unwatchFd(int fd) {
    std::erase_if(m->notifiers, [fd](QSocketNotifier* n) {
        if (n->socket() != fd) return false;
        delete n;   // never from its own signal: the socket closes when the program ends
        return true;
    });
}

int AppBackendQt::run() { return QApplication::exec(); }

void AppBackendQt::quit(int code) {
    QTimer::singleShot(0, qApp, [code] { QCoreApplication::exit(code); });
}

}  // namespace fwqt
