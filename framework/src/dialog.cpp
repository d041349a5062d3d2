#include <stdexcept>
#include <string>

#include "fw/backend.h"
#include "fw/exchange.h"
#include "fw/format.h"
#include "fw/text.h"
#include "fw/window.h"
#include "modal.h"

namespace fw {

namespace {

std::unique_ptr<Control> makeControl(Dialog& d, const Node& n) {
    switch (n.kind) {
    case Kind::Static: return std::make_unique<Static>(d, n);
    case Kind::GroupBox: return std::make_unique<GroupBox>(d, n);
    case Kind::Picture: return std::make_unique<Picture>(d, n);
    case Kind::Edit: return std::make_unique<Edit>(d, n);
    case Kind::PushButton:
    case Kind::BitmapButton:
    case Kind::RadioButton:
    case Kind::CheckBox: return std::make_unique<Button>(d, n);
    case Kind::ComboBox: return std::make_unique<ComboBox>(d, n);
    case Kind::ListBox: return std::make_unique<ListBox>(d, n);
    case Kind::ListView: return std::make_unique<ListView>(d, n);
    case Kind::Trackbar: return std::make_unique<Trackbar>(d, n);
    case Kind::DatePicker: return std::make_unique<DatePicker>(d, n);
    case Kind::Row:
    case Kind::Column: break;
    }
    return nullptr;
}

bool isButton(Kind k) {
    return k == Kind::PushButton || k == Kind::BitmapButton || k == Kind::RadioButton || k == Kind::CheckBox;
}

bool isPush(Kind k) { return k == Kind::PushButton || k == Kind::BitmapButton; }

std::size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

}  // namespace

// Cuts UTF-8 text to at most maxBytes bytes of code page 936, on a character boundary.
std::string truncateToGbk(std::string_view utf8, std::size_t maxBytes) {
    std::size_t used = 0, i = 0;
    while (i < utf8.size()) {
        std::size_t len = std::min(utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        std::size_t w = gbkWidth(utf8.substr(i, len));
        if (used + w > maxBytes) break;
        used += w;
        i += len;
    }
    return std::string(utf8.substr(0, i));
}

Dialog::Dialog(const Module& module, int templateId, Window* parent)
    : Window(parent), m_module(&module), m_templateId(templateId), m_template(module.dialog(templateId)) {
    if (!m_template)
        throw std::out_of_range("fw: dialog " + std::to_string(templateId) + " is not in module " + module.name());
    setCaption(m_template->caption);
    if (m_template->size) setClientSize(toPixels(*m_template->size, m_template->font));
    buildControls(m_template->body);
    for (auto& c : m_controls) c->reset();
}

Dialog::~Dialog() = default;

void Dialog::buildControls(const std::vector<Node>& nodes) {
    for (const Node& n : nodes) {
        if (auto c = makeControl(*this, n)) {
            if (n.id != IDC_STATIC) m_byId[n.id] = c.get();
            m_controls.push_back(std::move(c));
        }
        if (!n.children.empty()) buildControls(n.children);
    }
}

void Dialog::createControls() {
    m_created = false;
    for (auto& c : m_controls) c->reset();
    if (m_defaultOverride) setDefaultButton(m_defaultOverride);
    setCaption(m_template->caption);
    m_focus = 0;
    m_focusPending = 0;
    m_drawing.clear();
    m_created = true;
}

int Dialog::DoModal() {
    if (Window::running()) throw std::logic_error("fw: dialog " + std::to_string(m_templateId) + " is already running");
    createControls();
    beginRun();
    struct Finish {
        Dialog& d;
        ~Finish() {
            d.m_inLoop = false;
            d.endRun();
        }
    };
    {
        detail::ModalScope scope(this);
        Finish finish{*this};
        bool focusFirst = OnInitDialog();
        if (!ended()) {
            if (focusFirst && m_focus == 0) initialFocus();
            m_inLoop = true;
            backend().runDialog(*this);
        }
    }
    return result();
}

void Dialog::EndDialog(int code) { EndWindow(code); }

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::DoDataExchange(Exchange&) {}

bool Dialog::UpdateData(bool save) {
    Exchange dx(*this, save ? Exchange::Direction::Save : Exchange::Direction::Load);
    DoDataExchange(dx);
    return !dx.failed();
}

// ---- lookup ----

Control* Dialog::find(int id) const {
    auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

Control& Dialog::item(int id) const {
    Control* c = find(id);
    if (!c)
        throw std::out_of_range("fw: no control " + std::to_string(id) + " in dialog " + std::to_string(m_templateId));
    return *c;
}

namespace {
template <class T>
T& typed(const Dialog& d, int id, const char* what) {
    if (auto* t = dynamic_cast<T*>(&d.item(id))) return *t;
    throw std::out_of_range("fw: control " + std::to_string(id) + " of dialog " + std::to_string(d.templateId()) +
                            " is not a " + what);
}
}  // namespace

Static& Dialog::staticText(int id) const { return typed<Static>(*this, id, "static"); }
Picture& Dialog::picture(int id) const { return typed<Picture>(*this, id, "picture"); }
Edit& Dialog::edit(int id) const { return typed<Edit>(*this, id, "edit"); }
Button& Dialog::button(int id) const { return typed<Button>(*this, id, "button"); }
ComboBox& Dialog::combo(int id) const { return typed<ComboBox>(*this, id, "combo box"); }
ListBox& Dialog::listBox(int id) const { return typed<ListBox>(*this, id, "list box"); }
ListView& Dialog::listView(int id) const { return typed<ListView>(*this, id, "list view"); }
Trackbar& Dialog::trackbar(int id) const { return typed<Trackbar>(*this, id, "trackbar"); }
DatePicker& Dialog::datePicker(int id) const { return typed<DatePicker>(*this, id, "date picker"); }

// ---- short forms ----

std::string Dialog::text(int id) const { return item(id).text(); }
void Dialog::setText(int id, std::string_view text) { item(id).setText(text); }
void Dialog::setNumber(int id, double v) { setText(id, formatNumber(v)); }
void Dialog::setInteger(int id, long long v) { setText(id, std::to_string(v)); }
void Dialog::enable(int id, bool on) { item(id).enable(on); }
void Dialog::show(int id, bool on) { item(id).show(on); }
bool Dialog::isEnabled(int id) const { return item(id).enabled(); }
bool Dialog::isVisible(int id) const { return item(id).visible(); }
bool Dialog::checked(int id) const { return button(id).checked(); }
void Dialog::setCheck(int id, bool on) { button(id).setCheck(on); }

void Dialog::checkRadio(int firstId, int lastId, int checkId) {
    for (auto& c : m_controls) {
        if (c->id() < firstId || c->id() > lastId || !isButton(c->kind())) continue;
        static_cast<Button&>(*c).setCheck(c->id() == checkId);
    }
}

int Dialog::checkedRadio(int firstId, int lastId) const {
    for (auto& c : m_controls) {
        if (c->id() < firstId || c->id() > lastId || !isButton(c->kind())) continue;
        if (static_cast<Button&>(*c).checked()) return c->id();
    }
    return 0;
}

std::vector<int> Dialog::radioGroup(int firstId) const {
    std::vector<int> ids;
    bool in = false;
    for (auto& c : m_controls) {
        if (c->kind() != Kind::RadioButton) continue;
        if (!in) {
            if (c->id() == firstId) {
                in = true;
                ids.push_back(c->id());
            }
            continue;
        }
        if (c->hasStyle(style::Group)) break;
        ids.push_back(c->id());
    }
    return ids;
}

namespace {
// The whole group a radio belongs to.
std::vector<Control*> groupOf(const std::vector<std::unique_ptr<Control>>& controls, const Control& radio) {
    std::vector<Control*> current;
    bool found = false;
    for (auto& c : controls) {
        if (c->kind() != Kind::RadioButton) continue;
        if (c->hasStyle(style::Group) || current.empty()) {
            if (found) break;
            current.clear();
        }
        current.push_back(c.get());
        if (c.get() == &radio) found = true;
    }
    return found ? current : std::vector<Control*>{};
}
}  // namespace

std::optional<double> Dialog::numberOf(int id) const { return parseNumber(text(id)); }
std::optional<long long> Dialog::integerOf(int id) const { return parseInteger(text(id)); }
double Dialog::readNumber(int id) const { return numberOf(id).value_or(0); }
long long Dialog::readInteger(int id) const { return integerOf(id).value_or(0); }

// ---- focus ----

void Dialog::setFocus(int id) {
    if (!running()) {
        m_focus = id;
        return;
    }
    Control* c = find(id);
    if (!c || !c->canFocus()) return;
    moveFocus(id);
}

void Dialog::setDefaultButton(int id) {
    m_defaultOverride = id;
    for (auto& c : m_controls)
        if (c->kind() == Kind::PushButton) static_cast<Button&>(*c).setDefault(c->id() == id);
}

int Dialog::defaultButton() const {
    if (m_defaultOverride && find(m_defaultOverride)) return m_defaultOverride;
    for (auto& c : m_controls)
        if (isPush(c->kind()) && static_cast<Button&>(*c).isDefault()) return c->id();
    return 0;
}

bool Dialog::isCancelButton(int id) const {
    const Control* c = id == IDCANCEL ? find(id) : nullptr;
    return c && isPush(c->kind());
}

namespace {
bool holdsText(const Control& c) { return c.kind() == Kind::Edit || c.kind() == Kind::ComboBox; }
}  // namespace

void Dialog::checkOnLeave(int id) {
    Control* c = find(id);
    if (c && holdsText(*c)) {
        if (c->m_revert && c->text() == c->m_revert->from) {
            // Left again without an edit after "edit again": the refused text
            // goes, the accepted one comes back, and nothing is asked.
            const std::string back = c->m_revert->to;
            c->setText(back);
            c->m_checkedText = back;
            return;
        }
        if (c->m_checkedText && c->text() == *c->m_checkedText) return;  // checked already
    }
    const std::string acceptedBefore = c ? c->m_accepted : std::string();
    const int outer = m_checking;
    const bool outerAgain = m_editAgain;
    m_checking = id;
    m_editAgain = false;
    dispatch(Notify::KillFocus, id);
    if (c = find(id); c && holdsText(*c)) {
        c->m_checkedText = c->text();
        if (m_editAgain) {
            c->m_revert = Control::Revert{c->text(), acceptedBefore};
            c->m_accepted = acceptedBefore;
        } else {
            c->m_accepted = c->text();
            c->m_revert.reset();
        }
    }
    m_checking = outer;
    m_editAgain = outerAgain;
}

void Dialog::editAgain(int id) {
    if (id == m_checking) {
        m_editAgain = true;
    } else if (Control* c = m_checking ? find(id) : nullptr; c && holdsText(*c)) {
        // Refused while another field was checked (a handler reading every
        // field): left unchanged, this field takes back the last text that
        // passed, or else the program's, so the refusal does not come again
        // on every later focus change. (A button's refusal comes once per
        // press: the field keeps its text for the user to mend.)
        const std::string& to = c->m_accepted != c->text() ? c->m_accepted : c->m_programText;
        if (to != c->text()) {
            c->m_revert = Control::Revert{c->text(), to};
            c->m_accepted = to;
            c->m_checkedText.reset();
        }
    }
    m_editAgainAt = id;
    setFocus(id);
}

bool Dialog::moveFocus(int to) {
    if (to == m_focus) return true;
    if (m_focusDepth > 8) return false;  // handlers bouncing the focus
    ++m_focusDepth;
    const int old = m_focus;
    const bool oldPending = old != 0 && old == m_focusPending;
    // Whose kill-focus check runs: the control left, unless the focus goes to
    // Cancel (leaving a dialog checks nothing) or comes back from it to the
    // field it left (then that field's check runs now, when the focus goes on).
    int check = oldPending ? 0 : old;
    if (old != 0 && old == IDCANCEL && m_deferredCheck) {
        check = m_deferredCheck == to ? 0 : m_deferredCheck;
        m_deferredCheck = 0;
    }
    if (isCancelButton(to)) {
        if (check) m_deferredCheck = check;
        check = 0;
    }
    const unsigned opened = detail::modalOpenings();
    m_focus = to;
    m_focusPending = to;
    if (running() && hasBackend()) backend().focusChanged(*this, m_focus);
    const int outerAgainAt = m_editAgainAt;
    m_editAgainAt = 0;
    if (check != 0) checkOnLeave(check);
    const bool sentHere = m_editAgainAt == to;
    m_editAgainAt = outerAgainAt;
    bool dropped = false;
    if (detail::modalOpenings() != opened) {
        // The kill-focus handler answered with a box or a dialog: the move is
        // dropped and the focus goes back, unless the handler placed it (also
        // where the move was going: a refused field that comes next).
        dropped = !sentHere;
        if (m_focus == to && !sentHere) {
            m_focus = check ? check : old;
            if (running() && hasBackend()) backend().focusChanged(*this, m_focus);
        }
    } else if (m_focus != to) {
        dropped = true;
    }
    if (m_focusPending == to) m_focusPending = 0;
    if (!dropped && to != 0) dispatch(Notify::SetFocus, to);
    --m_focusDepth;
    return !dropped && m_focus == to;
}

void Dialog::initialFocus() {
    for (auto& c : m_controls) {
        if (!c->canFocus() || c->hasStyle(style::NoTabStop)) continue;
        moveFocus(c->id() == IDC_STATIC ? 0 : c->id());
        return;
    }
}

// ---- notifications ----

void Dialog::on(Notify kind, int id, Handler h) { m_handlers[{id, static_cast<int>(kind)}] = std::move(h); }

void Dialog::dispatch(Notify kind, int id) {
    if (!running() || ended() || !acceptsInput()) return;
    auto it = m_handlers.find({id, static_cast<int>(kind)});
    if (it == m_handlers.end() || !it->second) return;
    Handler h = it->second;  // the handler may replace itself
    h();
}

void Dialog::command(int id) {
    if (!running() || ended() || !acceptsInput()) return;
    auto it = m_handlers.find({id, static_cast<int>(Notify::Click)});
    if (it != m_handlers.end() && it->second) {
        Handler h = it->second;
        h();
        return;
    }
    if (id == IDOK) OnOK();
    else if (id == IDCANCEL) OnCancel();
}

void Dialog::controlChanged(Control& c, Change what) {
    if (running() && hasBackend()) backend().controlChanged(*this, c, what);
}

void Dialog::userChange(Control& c, Notify kind) {
    Control* outer = m_userChange;
    m_userChange = &c;
    dispatch(kind, c.id());
    m_userChange = outer;
}

// ---- user actions ----

namespace {
bool usable(const Control* c) { return c && c->enabled() && c->visible(); }
}  // namespace

bool Dialog::userFocus(int id) {
    if (!acceptsInput()) return false;
    Control* c = find(id);
    if (!c || !c->canFocus()) return false;
    return moveFocus(id);
}

bool Dialog::userFocusNext() {
    if (!acceptsInput()) return false;
    std::vector<int> order;
    for (auto& c : m_controls) {
        if (c->id() == IDC_STATIC || !c->canFocus() || c->hasStyle(style::NoTabStop)) continue;
        if (c->kind() == Kind::RadioButton) {
            // One stop per group: its checked radio, else its first.
            auto g = groupOf(m_controls, *c);
            Control* stop = g.empty() ? c.get() : g.front();
            for (Control* r : g)
                if (static_cast<Button*>(r)->checked() && r->canFocus()) stop = r;
            if (stop != c.get()) continue;
        }
        order.push_back(c->id());
    }
    if (order.empty()) return false;
    std::size_t next = 0;
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i] == m_focus) next = (i + 1) % order.size();
    return moveFocus(order[next]);
}

bool Dialog::userTyped(int id, std::string_view text) {
    if (!acceptsInput()) return false;
    Control* c = find(id);
    if (!usable(c)) return false;
    auto* e = dynamic_cast<Edit*>(c);
    auto* cb = dynamic_cast<ComboBox*>(c);
    if (!e && !(cb && cb->editable())) return false;
    if (!moveFocus(id) || ended()) return false;
    if (e && e->readOnly()) return false;
    // A digits-only field takes digits: a key that is none is ignored, and a
    // text that arrives whole (pasted, written by a screen reader) with any
    // other character is refused, never quietly changed into another number.
    if (e && e->digitsOnly() && text.find_first_not_of("0123456789") != std::string_view::npos) return false;
    std::string t(text);
    if (e && e->limit()) t = truncateToGbk(t, e->limit());
    if (e) {
        e->userText(t);  // fires change when it differs
        return true;
    }
    if (cb->text() == t) return true;
    cb->userText(t);
    userChange(*cb, Notify::Change);
    return true;
}

bool Dialog::userClick(int id) {
    if (!acceptsInput()) return false;
    Control* c = find(id);
    if (!usable(c)) return false;
    const Kind k = c->kind();
    if (!isButton(k) && k != Kind::ListView && k != Kind::ListBox) return false;
    if (!moveFocus(id) || ended() || !usable(c)) return false;
    if (k == Kind::CheckBox) {
        auto& b = static_cast<Button&>(*c);
        b.setCheck(!b.checked());
    } else if (k == Kind::RadioButton) {
        for (Control* r : groupOf(m_controls, *c)) static_cast<Button*>(r)->setCheck(r == c);
    }
    if (isButton(k)) command(id);
    else dispatch(Notify::Click, id);
    return true;
}

bool Dialog::userClickItem(int id, int row) {
    if (!acceptsInput()) return false;
    auto* lv = dynamic_cast<ListView*>(find(id));
    if (!usable(lv) || !moveFocus(id) || ended()) return false;
    if (row >= 0 && row < lv->itemCount() && !(lv->selected(row) && lv->firstSelected() == row)) {
        lv->select(row);
        dispatch(Notify::SelChange, id);
    }
    dispatch(Notify::Click, id);
    return true;
}

bool Dialog::userDoubleClick(int id) {
    if (!acceptsInput()) return false;
    Control* c = find(id);
    if (!usable(c) || !c->canFocus() || !moveFocus(id) || ended()) return false;
    dispatch(Notify::DoubleClick, id);
    return true;
}

bool Dialog::userPressEnter() {
    if (!acceptsInput()) return false;
    Control* f = find(m_focus);
    int target = f && isPush(f->kind()) ? m_focus : defaultButton();
    if (!target && find(IDOK) && isButton(find(IDOK)->kind())) target = IDOK;
    if (target) return userClick(target);
    if (!moveFocus(0) || ended()) return false;
    command(IDOK);
    return true;
}

bool Dialog::userEscape() {
    // Escape leaves as Cancel does: no field is checked on the way out (a
    // question the dialog asks on cancel still comes).
    if (!acceptsInput()) return false;
    if (Control* c = find(IDCANCEL); c && isButton(c->kind()) && !usable(c)) return false;
    command(IDCANCEL);
    return true;
}

bool Dialog::userClose() {
    if (!acceptsInput()) return false;
    command(IDCANCEL);
    return true;
}

bool Dialog::userSelect(int id, int index) {
    if (!acceptsInput()) return false;
    Control* c = find(id);
    if (!usable(c) || !c->canFocus()) return false;
    if (!moveFocus(id) || ended()) return false;
    if (auto* cb = dynamic_cast<ComboBox*>(c)) {
        if (!cb->hasStyle(style::Simple)) dispatch(Notify::DropDown, id);
        if (index < 0 || index >= cb->count() || ended()) return false;
        cb->pick(index);
    } else if (auto* lb = dynamic_cast<ListBox*>(c)) {
        if (index < 0 || index >= lb->count()) return false;
        lb->setCurSel(index);
    } else if (auto* lv = dynamic_cast<ListView*>(c)) {
        if (index < 0 || index >= lv->itemCount()) return false;
        lv->select(index);
    } else {
        return false;
    }
    dispatch(Notify::SelChange, id);
    return true;
}

bool Dialog::userDropDown(int id) {
    if (!acceptsInput()) return false;
    auto* cb = dynamic_cast<ComboBox*>(find(id));
    if (!usable(cb) || !moveFocus(id) || ended()) return false;
    dispatch(Notify::DropDown, id);
    return true;
}

bool Dialog::userTrackbarMove(int id, int pos) {
    if (!acceptsInput()) return false;
    auto* tb = dynamic_cast<Trackbar*>(find(id));
    if (!usable(tb)) return false;
    tb->setPos(pos);
    return true;
}

bool Dialog::userTrackbarRelease(int id) {
    if (!acceptsInput()) return false;
    auto* tb = dynamic_cast<Trackbar*>(find(id));
    if (!usable(tb)) return false;
    dispatch(Notify::Released, id);
    return true;
}

bool Dialog::userDate(int id, const Date& d) {
    if (!acceptsInput()) return false;
    auto* dp = dynamic_cast<DatePicker*>(find(id));
    if (!usable(dp) || !moveFocus(id) || ended()) return false;
    const Date& cur = dp->date();
    if (cur.year == d.year && cur.month == d.month && cur.day == d.day) return true;
    dp->setDate(d);
    dispatch(Notify::DateChange, id);
    return true;
}

}  // namespace fw
