// Property sheets and pages, including wizard mode.
//
// Pages are added in order and created (controls reset, OnInitDialog) when
// first shown. Turning a page asks the current page's OnKillActive, then the
// new page's OnSetActive; either may refuse and the current page stays. OK
// asks the active page's OnKillActive (refusal keeps the sheet open), then
// calls OnOK of every created page. Cancel calls OnCancel and OnReset of
// every created page. Wizard: Back/Next ask OnWizardBack/OnWizardNext (-1
// stay, 0 the neighbour, else a page's template id), then turn the page;
// Finish asks OnKillActive, then OnWizardFinish, and ends with ID_WIZFINISH.
// The sheet object (and its pages) outlive the run.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "fw/window.h"

namespace fw {

class PropertySheet;

class PropertyPage : public Dialog {
public:
    PropertyPage(const Module& module, int templateId);

    PropertySheet* sheet() const { return m_sheet; }
    Window& root() override;
    bool running() const override;
    const std::string& title() const;        // tab title: the template caption

    virtual bool OnSetActive();    // default: UpdateData(false) after the first time; true
    virtual bool OnKillActive();   // default: UpdateData(true)
    void OnOK() override;          // default: nothing
    void OnCancel() override;      // default: nothing
    virtual void OnReset();        // default: nothing
    virtual bool OnApply();        // default: OnOK(); true
    virtual int OnWizardBack();    // default 0
    virtual int OnWizardNext();    // default 0
    virtual bool OnWizardFinish(); // default true

    void SetModified(bool on = true);
    bool modified() const { return m_modified; }

    // Enter and Escape on a page go to the sheet.
    bool userPressEnter() override;
    bool userEscape() override;
    bool userClose() override;

private:
    friend class PropertySheet;
    PropertySheet* m_sheet = nullptr;
    bool m_firstActive = true;
    bool m_modified = false;
};

class PropertySheet : public Window {
public:
    explicit PropertySheet(std::string caption, Window* parent = nullptr, int startPage = 0);
    PropertySheet(const Module& module, int captionStringId, Window* parent = nullptr, int startPage = 0);
    ~PropertySheet() override;

    void AddPage(PropertyPage* page);     // not owned
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    PropertyPage* GetPage(int index) const;
    PropertyPage* GetActivePage() const;
    int GetActiveIndex() const { return m_active; }
    int pageIndexOf(int templateId) const;  // -1 when none
    // Programmatic turn (the same refusals apply while running); before the
    // run it sets the start page.
    bool SetActivePage(int index);

    void SetWizardMode() { m_wizard = true; }
    bool isWizard() const { return m_wizard; }
    void SetWizardButtons(unsigned flags);   // PSWIZB_*; kept, shown by the backend
    unsigned wizardButtons() const { return m_wizardButtons; }
    void removeApplyButton() { m_apply = false; }
    bool hasApplyButton() const { return m_apply && !m_wizard; }
    void setHelpButton(bool on) { m_help = on; }
    bool hasHelpButton() const { return m_help; }
    // The buttons the sheet shows now, in order, and whether each is enabled.
    std::vector<int> buttons() const;
    bool buttonEnabled(int id) const;

    virtual int DoModal();                 // IDOK, IDCANCEL or ID_WIZFINISH
    virtual bool OnInitDialog();           // after the start page is shown; default true
    void EndDialog(int code);

    // ---- User actions, called by backends. ----
    bool userSelectPage(int index);        // a tab (not in wizard mode)
    bool userClick(int buttonId);          // IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP/ID_HELP, ID_WIZ*
    bool userPressEnter();                 // OK, or Next / Finish in a wizard
    bool userEscape();                     // Cancel
    bool userClose();                      // Cancel

private:
    friend class PropertyPage;
    bool turnTo(int index);
    bool activate(int index);
    bool leaveFocus();
    void pressOk();
    void pressCancel();
    void pressApply();
    void wizardStep(int direction);
    void pressFinish();
    void changed();

    std::vector<PropertyPage*> m_pages;
    int m_active = 0;
    int m_start = 0;
    bool m_wizard = false;
    bool m_apply = true;
    bool m_help = false;
    unsigned m_wizardButtons = PSWIZB_BACK | PSWIZB_NEXT;
};

}  // namespace fw
