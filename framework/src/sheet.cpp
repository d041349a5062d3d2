#include "fw/sheet.h"

#include <stdexcept>

#include "fw/backend.h"
#include "modal.h"

namespace fw {

// ---- PropertyPage ----

PropertyPage::PropertyPage(const Module& module, int templateId) : Dialog(module, templateId, nullptr) {}

Window& PropertyPage::root() { return m_sheet ? static_cast<Window&>(*m_sheet) : *this; }

bool PropertyPage::running() const { return m_sheet && m_sheet->running() && created(); }

const std::string& PropertyPage::title() const { return dialogTemplate().caption; }

bool PropertyPage::OnSetActive() {
    if (m_firstActive) m_firstActive = false;
    else UpdateData(false);
    return true;
}

bool PropertyPage::OnKillActive() { return UpdateData(true); }
void PropertyPage::OnOK() {}
void PropertyPage::OnCancel() {}
void PropertyPage::OnReset() {}
bool PropertyPage::OnApply() {
    OnOK();
    return true;
}
int PropertyPage::OnWizardBack() { return 0; }
int PropertyPage::OnWizardNext() { return 0; }
bool PropertyPage::OnWizardFinish() { return true; }

void PropertyPage::SetModified(bool on) {
    m_modified = on;
    if (m_sheet) m_sheet->changed();
}

bool PropertyPage::userPressEnter() { return m_sheet ? m_sheet->userPressEnter() : false; }
bool PropertyPage::userEscape() { return m_sheet ? m_sheet->userEscape() : false; }
bool PropertyPage::userClose() { return m_sheet ? m_sheet->userClose() : false; }

// ---- PropertySheet ----

PropertySheet::PropertySheet(std::string caption, Window* parent, int startPage)
    : Window(parent), m_active(startPage), m_start(startPage) {
    setCaption(caption);
}

PropertySheet::PropertySheet(const Module& module, int captionStringId, Window* parent, int startPage)
    : PropertySheet(module.string(captionStringId), parent, startPage) {}

PropertySheet::~PropertySheet() = default;

void PropertySheet::AddPage(PropertyPage* page) {
    if (!page) return;
    page->m_sheet = this;
    page->setParent(this);
    m_pages.push_back(page);
    if (running()) changed();
}

PropertyPage* PropertySheet::GetPage(int index) const {
    if (index < 0 || index >= GetPageCount()) return nullptr;
    return m_pages[static_cast<std::size_t>(index)];
}

PropertyPage* PropertySheet::GetActivePage() const { return GetPage(m_active); }

int PropertySheet::pageIndexOf(int templateId) const {
    for (int i = 0; i < GetPageCount(); ++i)
        if (m_pages[static_cast<std::size_t>(i)]->templateId() == templateId) return i;
    return -1;
}

bool PropertySheet::SetActivePage(int index) {
    if (!running()) {
        m_start = m_active = index;
        return GetPage(index) != nullptr;
    }
    return turnTo(index);
}

void PropertySheet::SetWizardButtons(unsigned flags) {
    m_wizardButtons = flags;
    changed();
}

std::vector<int> PropertySheet::buttons() const {
    std::vector<int> b;
    if (m_wizard) {
        b = {ID_WIZBACK, (m_wizardButtons & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH)) ? ID_WIZFINISH : ID_WIZNEXT,
             IDCANCEL};
    } else {
        b = {IDOK, IDCANCEL};
        if (hasApplyButton()) b.push_back(ID_APPLY_NOW);
    }
    if (m_help) b.push_back(IDHELP);
    return b;
}

bool PropertySheet::buttonEnabled(int id) const {
    bool present = false;
    for (int b : buttons()) present = present || b == id;
    if (!present) return false;
    switch (id) {
    case ID_WIZBACK: return (m_wizardButtons & PSWIZB_BACK) && m_active > 0;
    case ID_WIZNEXT: return (m_wizardButtons & PSWIZB_NEXT) != 0;
    case ID_WIZFINISH: return (m_wizardButtons & PSWIZB_FINISH) != 0;
    case ID_APPLY_NOW: {
        for (auto* p : m_pages)
            if (p->modified()) return true;
        return false;
    }
    default: return true;
    }
}

void PropertySheet::changed() {
    if (running() && hasBackend()) backend().sheetChanged(*this);
}

bool PropertySheet::activate(int index) {
    PropertyPage* p = GetPage(index);
    if (!p) return false;
    if (!p->created()) {
        p->createControls();
        p->m_firstActive = true;
        int saved = m_active;
        m_active = index;  // the page is the sheet's while it initialises
        if (p->OnInitDialog() && p->focusId() == 0) p->initialFocus();
        m_active = saved;
    }
    int saved = m_active;
    m_active = index;
    if (!p->OnSetActive()) {
        m_active = saved;
        return false;
    }
    p->invalidate();
    changed();
    return true;
}

bool PropertySheet::turnTo(int index) {
    if (index == m_active) return true;
    if (!GetPage(index)) return false;
    PropertyPage* cur = GetActivePage();
    if (cur && !cur->OnKillActive()) return false;
    return activate(index);
}

bool PropertySheet::leaveFocus() {
    PropertyPage* p = GetActivePage();
    return !p || p->moveFocus(0);
}

int PropertySheet::DoModal() {
    if (running()) throw std::logic_error("fw: property sheet is already running");
    if (m_pages.empty()) throw std::logic_error("fw: property sheet without pages");
    for (auto* p : m_pages) {
        p->m_created = false;
        p->m_modified = false;
    }
    beginRun();
    struct Finish {
        PropertySheet& s;
        ~Finish() {
            s.m_inLoop = false;
            s.endRun();
        }
    };
    {
        detail::ModalScope scope(this);
        Finish finish{*this};
        m_active = (m_start >= 0 && m_start < GetPageCount()) ? m_start : 0;
        activate(m_active);
        if (!ended()) OnInitDialog();
        if (!ended()) {
            m_inLoop = true;
            backend().runSheet(*this);
        }
    }
    return result();
}

bool PropertySheet::OnInitDialog() { return true; }

void PropertySheet::EndDialog(int code) { EndWindow(code); }

void PropertySheet::pressOk() {
    PropertyPage* cur = GetActivePage();
    if (cur && !cur->OnKillActive()) return;
    for (auto* p : m_pages)
        if (p->created()) p->OnOK();
    EndDialog(IDOK);
}

void PropertySheet::pressCancel() {
    for (auto* p : m_pages)
        if (p->created()) p->OnCancel();
    for (auto* p : m_pages)
        if (p->created()) p->OnReset();
    EndDialog(IDCANCEL);
}

void PropertySheet::pressApply() {
    PropertyPage* cur = GetActivePage();
    if (cur && !cur->OnKillActive()) return;
    for (auto* p : m_pages)
        if (p->created() && p->modified() && p->OnApply()) p->m_modified = false;
    changed();
}

void PropertySheet::wizardStep(int direction) {
    PropertyPage* cur = GetActivePage();
    if (!cur) return;
    int r = direction > 0 ? cur->OnWizardNext() : cur->OnWizardBack();
    if (r == -1) return;
    int target = r == 0 ? m_active + direction : pageIndexOf(r);
    if (target < 0 || target >= GetPageCount()) return;
    turnTo(target);
}

void PropertySheet::pressFinish() {
    PropertyPage* cur = GetActivePage();
    if (cur && (!cur->OnKillActive() || !cur->OnWizardFinish())) return;
    EndDialog(ID_WIZFINISH);
}

bool PropertySheet::userSelectPage(int index) {
    if (!acceptsInput() || m_wizard || !GetPage(index)) return false;
    if (!leaveFocus() || ended()) return false;
    return turnTo(index);
}

bool PropertySheet::userClick(int id) {
    if (!acceptsInput() || !buttonEnabled(id)) return false;
    // Cancel checks no field on the way out; every other button first has
    // the focused field checked.
    if (id != IDCANCEL && (!leaveFocus() || ended())) return false;
    switch (id) {
    case IDOK: pressOk(); break;
    case IDCANCEL: pressCancel(); break;
    case ID_APPLY_NOW: pressApply(); break;
    case ID_WIZBACK: wizardStep(-1); break;
    case ID_WIZNEXT: wizardStep(+1); break;
    case ID_WIZFINISH: pressFinish(); break;
    case IDHELP:
        if (PropertyPage* p = GetActivePage()) WinHelp(0x20000u + static_cast<unsigned>(p->templateId()));
        break;
    default: return false;
    }
    return true;
}

bool PropertySheet::userPressEnter() {
    if (!m_wizard) return userClick(IDOK);
    if (buttonEnabled(ID_WIZFINISH)) return userClick(ID_WIZFINISH);
    return userClick(ID_WIZNEXT);
}

bool PropertySheet::userEscape() { return userClick(IDCANCEL); }

bool PropertySheet::userClose() {
    if (!acceptsInput()) return false;
    pressCancel();
    return true;
}

}  // namespace fw
