// Windows of the model: the base Window (caption, canvas, timers, help, the
// modal run) and Dialog (a template's controls, notifications by control id,
// data exchange, the focus and re-entrancy rules).
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fw/canvas.h"
#include "fw/controls.h"
#include "fw/ids.h"
#include "fw/resources.h"

namespace fw {

class Exchange;
class PropertySheet;

enum class Notify { Click, Change, KillFocus, SetFocus, SelChange, DropDown, Released, DateChange, DoubleClick };

using Handler = std::function<void()>;

enum class TimerKind { Repeating, Once };

class Window {
public:
    explicit Window(Window* parent = nullptr);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Window* parent() const { return m_parent; }
    void setParent(Window* p) { m_parent = p; }
    // The top-level window this one belongs to (a page's sheet; itself otherwise).
    virtual Window& root() { return *this; }
    virtual const Module* module() const { return nullptr; }

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string_view text);   // SetWindowText of the window

    // Running: between the start of DoModal and its end (for a page: while
    // its sheet runs and the page has been created).
    virtual bool running() const { return m_running; }
    bool ended() const { return m_ended; }
    int result() const { return m_result; }

    // Painting.
    void onPaint(std::function<void(Canvas&)> handler) { m_paintHandler = std::move(handler); }
    Canvas clientCanvas() { return Canvas(*this, false); }  // draw outside paint
    void invalidate();
    Rect clientRect() const;
    void setClientSize(Size s);              // backend: the laid-out client size
    const std::vector<DrawOp>& drawing() const { return m_drawing; }
    bool needsPaint() const { return m_needsPaint; }
    void paint();                            // backend: run the paint handler now

    // Timers: the backend calls userTimer when one elapses.
    void setTimer(int id, int ms, TimerKind kind = TimerKind::Repeating);
    void killTimer(int id);
    void onTimer(std::function<void(int id)> handler) { m_timerHandler = std::move(handler); }
    void userTimer(int id);

    // Context help: HTML help of fw::helpFile() with the command and number.
    virtual void WinHelp(std::uintptr_t data, unsigned command = HH_HELP_CONTEXT);

    // False while a message box or a dialog opened from this window's
    // handlers is up (then no notification reaches it).
    bool acceptsInput() const;

    void* backendData = nullptr;             // the backend's widget

protected:
    // The modal run: start, loop in the backend, end. Subclasses call these.
    void beginRun();
    void endRun();
    virtual void EndWindow(int code);        // ends the modal loop with code
    friend class Canvas;
    std::vector<DrawOp> m_drawing;
    bool m_inLoop = false;                   // the backend's loop runs

private:
    Window* m_parent;
    std::string m_caption;
    bool m_running = false;
    bool m_ended = false;
    int m_result = 0;
    bool m_needsPaint = false;
    Size m_clientSize;
    std::function<void(Canvas&)> m_paintHandler;
    std::function<void(int)> m_timerHandler;
    std::map<int, TimerKind> m_timers;
};

// A modal dialog built from a template of a module.
class Dialog : public Window {
public:
    Dialog(const Module& module, int templateId, Window* parent = nullptr);
    ~Dialog() override;

    // Runs the dialog modally; returns the code given to EndDialog. Subclasses
    // add overloads (then `using fw::Dialog::DoModal;`).
    virtual int DoModal();
    void EndDialog(int code);

    virtual bool OnInitDialog();   // default: UpdateData(false); true = focus the first control
    virtual void OnOK();           // default: UpdateData(true), then EndDialog(IDOK) if it passed
    virtual void OnCancel();       // default: EndDialog(IDCANCEL); the close box comes here too
    virtual void DoDataExchange(Exchange& dx);
    // true: controls -> members (validating); false: members -> controls.
    bool UpdateData(bool save = true);

    int templateId() const { return m_templateId; }
    const Module* module() const override { return m_module; }
    const DialogTemplate& dialogTemplate() const { return *m_template; }

    // Controls by id. item() and the typed lookups throw std::out_of_range
    // naming the id when it is missing or of another kind.
    Control* find(int id) const;
    Control& item(int id) const;
    Static& staticText(int id) const;
    Picture& picture(int id) const;
    Edit& edit(int id) const;
    Button& button(int id) const;
    ComboBox& combo(int id) const;
    ListBox& listBox(int id) const;
    ListView& listView(int id) const;
    Trackbar& trackbar(int id) const;
    DatePicker& datePicker(int id) const;
    // All controls in tab (template) order, statics included.
    const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }

    // Short forms.
    std::string text(int id) const;
    void setText(int id, std::string_view text);
    void setNumber(int id, double v);            // fw::formatNumber
    void setInteger(int id, long long v);
    void enable(int id, bool on = true);
    void show(int id, bool on = true);
    bool isEnabled(int id) const;
    bool isVisible(int id) const;
    bool checked(int id) const;
    void setCheck(int id, bool on);
    void checkRadio(int firstId, int lastId, int checkId);   // ids in between unchecked
    int checkedRadio(int firstId, int lastId) const;         // 0 when none
    // Radio group of a radio: it and the radios after it up to the next one
    // marked style::Group (controls of other kinds in between do not end it).
    std::vector<int> radioGroup(int firstId) const;
    // Quiet reads for change handlers: the whole text through the strict
    // parser (fw::parseNumber / parseInteger), 0 when it is no number yet
    // ("" or "-" or "12abc" or "1e999" read 0, "12." reads 12); never a
    // message box. A handler that needs to tell "no number" from 0 uses
    // numberOf / integerOf.
    std::optional<double> numberOf(int id) const;
    std::optional<long long> integerOf(int id) const;
    double readNumber(int id) const;
    long long readInteger(int id) const;

    // Focus (programmatic moves deliver kill-focus / set-focus too).
    void setFocus(int id);
    // From a field's kill-focus handler that refused its value, or whose
    // question was answered "edit again": the focus goes back to the field
    // once; left again without an edit, the field silently takes back the
    // text it had before, so the refused value never gets through and the
    // next focus move is the user's. (Elsewhere: just setFocus.)
    void editAgain(int id);
    int focusId() const { return m_focus; }
    void setDefaultButton(int id);
    int defaultButton() const;   // the default push button's id, 0 when none

    // Handlers by (control id, kind). One handler per pair; a new one replaces.
    void on(Notify kind, int id, Handler h);
    void onClick(int id, Handler h) { on(Notify::Click, id, std::move(h)); }
    void onChange(int id, Handler h) { on(Notify::Change, id, std::move(h)); }
    void onKillFocus(int id, Handler h) { on(Notify::KillFocus, id, std::move(h)); }
    void onSetFocus(int id, Handler h) { on(Notify::SetFocus, id, std::move(h)); }
    void onSelChange(int id, Handler h) { on(Notify::SelChange, id, std::move(h)); }
    void onDropDown(int id, Handler h) { on(Notify::DropDown, id, std::move(h)); }
    void onReleased(int id, Handler h) { on(Notify::Released, id, std::move(h)); }
    void onDateChange(int id, Handler h) { on(Notify::DateChange, id, std::move(h)); }
    void onDoubleClick(int id, Handler h) { on(Notify::DoubleClick, id, std::move(h)); }
    // A command: the click handler of id, else IDOK -> OnOK, IDCANCEL -> OnCancel.
    void command(int id);

    // ---- User actions, called by backends (and the scripted backend). ----
    // Each returns false when it was refused or dropped (input blocked,
    // control disabled or hidden, focus refused by a kill-focus handler
    // that opened a message box or dialog).
    bool userFocus(int id);                         // click/tab into a control
    bool userFocusNext();                           // Tab: next focusable control
    bool userTyped(int id, std::string_view text);  // focus, then the text as typed
    bool userClick(int id);                         // button, radio, check, list view
    bool userClickItem(int id, int row);            // list view row (selects it, then click)
    bool userDoubleClick(int id);
    virtual bool userPressEnter();                  // default button (kill-focus first)
    virtual bool userEscape();                      // IDCANCEL (kill-focus first)
    virtual bool userClose();                       // close box: IDCANCEL command
    bool userSelect(int id, int index);             // combo: drop-down, select, sel-change; list
    bool userDropDown(int id);
    bool userTrackbarMove(int id, int pos);         // thumb dragged (no notification yet)
    bool userTrackbarRelease(int id);               // mouse let go: released notification
    bool userDate(int id, const Date& d);

    // Internal: a control changed (the model tells the backend).
    void controlChanged(Control& c, Change what);
    // Internal: the user changed c; delivers the notification as the user's.
    void userChange(Control& c, Notify kind);
    // Internal: deliver a notification unless input is blocked.
    void dispatch(Notify kind, int id);

protected:
    // Creation when shown (pages: when first shown). Resets the controls.
    void createControls();
    bool created() const { return m_created; }
    void initialFocus();
    bool m_created = false;
    friend class PropertyPage;

private:
    friend class PropertySheet;
    friend class Exchange;
    friend class Control;
    bool moveFocus(int to);
    bool isCancelButton(int id) const;
    void checkOnLeave(int id);    // the kill-focus check of a control being left
    void buildControls(const std::vector<Node>& nodes);

    const Module* m_module;
    int m_templateId;
    const DialogTemplate* m_template;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::map<int, Control*> m_byId;
    std::map<std::pair<int, int>, Handler> m_handlers;
    int m_focus = 0;
    int m_defaultOverride = 0;
    int m_focusDepth = 0;
    int m_focusPending = 0;   // got the focus, set-focus not yet delivered
    int m_deferredCheck = 0;  // the field left for the Cancel button: checked when the focus goes on
    int m_checking = 0;       // the control whose kill-focus check runs
    bool m_editAgain = false; // that check asked to edit again
    int m_editAgainAt = 0;    // the field a check sent the focus back to
    Control* m_userChange = nullptr;  // the control whose user change is being delivered
};

}  // namespace fw
