// Frame windows of the application: the MDI main frame with menus by command
// id, toolbar, status bar and help routing, and the MDI child frames that
// hold one view each.
#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/document.h"
#include "fw/resources.h"
#include "fw/window.h"

namespace fw {

enum class ShowCmd { Hide, Normal, Minimized, Maximized };

// Standard commands of the framework.
namespace cmd {
inline constexpr int FileNew = 57600, FileOpen = 57601, FileClose = 57602, FileSave = 57603, FileSaveAs = 57604;
inline constexpr int FilePageSetup = 57605, FilePrintSetup = 57606, FilePrint = 57607, FilePrintDirect = 57608;
inline constexpr int FilePrintPreview = 57609, FileMru1 = 57616, FileMru4 = 57619;
inline constexpr int EditCopy = 57634, EditCut = 57635, EditPaste = 57637, EditUndo = 57643;
inline constexpr int WindowNew = 57648, WindowArrange = 57649, WindowCascade = 57650, WindowTileHorz = 57651;
inline constexpr int AppAbout = 57664, AppExit = 57665, HelpFinder = 57667, ContextHelp = 57669;
inline constexpr int Help = 57670, DefaultHelp = 57671, NextPane = 57680, PrevPane = 57681;
inline constexpr int ViewToolbar = 59392, ViewStatusBar = 59393;
inline constexpr int IndicatorCaps = 59137, IndicatorNum = 59138, IndicatorScroll = 59139;
inline constexpr int IdleMessage = 57345;   // string: the status bar's idle text
}  // namespace cmd

class FrameWindow;

class ToolBar {
public:
    bool CreateEx(FrameWindow& frame);
    bool LoadToolBar(const Module& module, int id);
    const std::vector<int>& buttons() const { return m_buttons; }   // 0 = separator
    const Module* module() const { return m_module; }
    int bitmap() const { return m_bitmap; }
    int imageIndex(int command) const;    // position in the image strip, -1 none
    bool visible() const { return m_visible; }
    void show(bool on);
    FrameWindow* frame() const { return m_frame; }

private:
    FrameWindow* m_frame = nullptr;
    const Module* m_module = nullptr;
    int m_bitmap = 0;
    std::vector<int> m_buttons;
    bool m_visible = true;
};

class StatusBar {
public:
    bool Create(FrameWindow& frame);
    bool SetIndicators(std::vector<int> ids);   // 0 = the message pane
    const std::vector<int>& indicators() const { return m_ids; }
    const std::string& message() const { return m_message; }
    void SetMessage(std::string_view text);
    // An indicator's text (its string) while its key is on, else empty.
    std::string paneText(int index) const;
    void setKeyStates(bool caps, bool num, bool scroll);   // backend
    bool visible() const { return m_visible; }
    void show(bool on);
    FrameWindow* frame() const { return m_frame; }

private:
    FrameWindow* m_frame = nullptr;
    std::vector<int> m_ids;
    std::string m_message;
    bool m_caps = false, m_num = false, m_scroll = false;
    bool m_visible = true;
};

// What changed in a frame. Bars: the toolbar's buttons or the status bar's
// panes (rebuild them); BarState: a bar shown or hidden, a key indicator on
// or off; Message: only the text of the status bar's message pane;
// Foreground: the frame comes to the front (restored when the user has
// minimised it, raised above the other windows, given the focus).
enum class FrameChange { Caption, Menu, Bars, BarState, Message, Show, Arrange, Active, HelpMode, Foreground };

class FrameWindow : public Window, public CmdTarget {
public:
    FrameWindow();
    ~FrameWindow() override;
    const Module* module() const override { return m_module; }
    ShowCmd showState() const { return m_show; }
    bool isVisible() const { return m_show != ShowCmd::Hide; }

protected:
    friend class ToolBar;
    friend class StatusBar;
    virtual void changed(FrameChange) {}
    const Module* m_module = nullptr;
    ShowCmd m_show = ShowCmd::Hide;
};

class MdiChild;

struct FrameStyle {
    bool maximize = false;
    bool overlappedWindow = true;
    bool addToTitle = true;
    bool child = false;
    bool visible = false;
};

class MdiFrame : public FrameWindow {
public:
    MdiFrame();
    ~MdiFrame() override;

    virtual void PreCreateWindow(FrameStyle& style) { (void)style; }
    // Loads caption (string id), menu, accelerators of id; runs OnCreate.
    bool LoadFrame(const Module& module, int id);
    virtual int OnCreate();   // 0, or -1 to fail
    const FrameStyle& style() const { return m_style; }
    bool created() const { return m_created; }
    void DestroyWindow();

    void ShowWindow(ShowCmd cmd);
    void UpdateWindow() {}
    // Brings a shown frame to the front of the desktop (a report handed over
    // by a second start is to be seen at once). A hidden frame stays hidden.
    void BringToFront();
    void DragAcceptFiles(bool on = true) { m_acceptFiles = on; }
    bool acceptsFiles() const { return m_acceptFiles; }

    // The menu shown now: the active child's template menu, else the frame's.
    const Menu* currentMenu() const;
    const AcceleratorTable* accelerators() const { return m_accels; }
    int menuId() const;
    std::string prompt(int command) const;    // status-bar text of a command
    std::string toolTip(int command) const;   // after "\n"
    std::string title() const { return m_title; }   // the frame's own title (string of its id)
    ToolBar* toolBar() const { return m_toolbar; }
    StatusBar* statusBar() const { return m_statusBar; }

    // Children.
    const std::vector<std::unique_ptr<MdiChild>>& children() const { return m_children; }
    MdiChild* MDIGetActive() const { return m_active; }
    void MDIActivate(MdiChild* child);
    void MDINext();
    void MDIPrev();
    enum class Arrangement { None, Cascade, Tile, Icons };
    Arrangement arrangement() const { return m_arrangement; }
    void MDICascade();
    void MDITile();
    void MDIIconArrange();

    // Help: context-help mode (Shift+F1), then a command or a window click.
    bool contextHelpMode() const { return m_helpMode; }
    void OnContextHelp();

    // ---- User actions, called by backends. ----
    // Menu item, toolbar button or accelerator: routed to the active view,
    // its document, its frame, this frame, the application.
    void userCommand(int id);
    void userMenuSelect(int id);     // fly-by: the prompt in the message pane; 0 = idle
    void userNextWindow(bool forward = true);   // Ctrl+F6 / Ctrl+Tab (Shift: backwards)
    void userDropFiles(const std::vector<std::filesystem::path>& files);
    void userHelpClick();            // in help mode: a click on a window
    void userEscape();               // leaves help mode
    bool userClose();                // close box: the exit command; false when it was refused

    // Route a command (no help mode). True when a target handled it.
    bool routeCommand(int id);
    // The check mark of a menu item: set for the toolbar and status bar
    // items while their bar shows, and for the active window's entry of the
    // window list; nullopt for items without one.
    std::optional<bool> commandChecked(int id) const;
    // The window list of the Window menu: one entry per report window,
    // numbered from 1 ("&1 name"), command FirstWindow + index.
    static constexpr int FirstWindow = 0xFF00;
    std::vector<std::string> windowList() const;
    void updateCaption();
    void changed(FrameChange what) override;

private:
    friend class MdiChild;
    friend class ToolBar;
    friend class StatusBar;
    friend class DocTemplate;
    friend class Document;
    friend class App;
    MdiChild* addChild(std::unique_ptr<MdiChild> c);
    void removeChild(MdiChild* c);
    std::string m_title;
    const Menu* m_menu = nullptr;
    const AcceleratorTable* m_accels = nullptr;
    FrameStyle m_style;
    bool m_created = false;
    bool m_acceptFiles = false;
    bool m_helpMode = false;
    ToolBar* m_toolbar = nullptr;
    StatusBar* m_statusBar = nullptr;
    std::vector<std::unique_ptr<MdiChild>> m_children;
    MdiChild* m_active = nullptr;
    Arrangement m_arrangement = Arrangement::None;
};

enum class ChildChange { Caption, State, Text, Selection };

class MdiChild : public FrameWindow {
public:
    MdiChild();
    ~MdiChild() override;
    virtual void PreCreateWindow(FrameStyle& style) { (void)style; }
    // Shows and activates: -1 keeps the current state (normal when new).
    virtual void ActivateFrame(int nCmdShow = -1);
    const FrameStyle& style() const { return m_style; }

    MdiFrame* mdiFrame() const { return m_frame; }
    Document* document() const { return m_doc; }
    EditView* view() const { return m_view.get(); }
    void show(ShowCmd cmd);
    void updateCaption();
    void notify(ChildChange what);
    bool isActive() const;

    // ---- User actions, called by backends. ----
    void userActivate();      // the user clicked into this window
    void userShow(ShowCmd cmd);   // restore / minimise / maximise buttons
    bool userClose();         // the close box: last window of a document closes it

private:
    friend class DocTemplate;
    friend class MdiFrame;
    friend class Document;
    MdiFrame* m_frame = nullptr;
    Document* m_doc = nullptr;
    std::unique_ptr<EditView> m_view;
    FrameStyle m_style;
};

// Int values of ShowCmd for ActivateFrame.
inline constexpr int SW_SHOWNORMAL = 1, SW_SHOWMINIMIZED = 2, SW_SHOWMAXIMIZED = 3;

}  // namespace fw
