#include "cycloid/cexy_property_page1.h"

#include "cycloid/cexy_property_sheet.h"

CCexyPropertyPage1::CCexyPropertyPage1() : CexyWizardPage(IDD, 1) {}

bool CCexyPropertyPage1::OnSetActive() {
    cycloid::StoreDecision d = Store();
    if (g_pCexySheet)
        g_pCexySheet->SetWizardButtons(d.status == cycloid::kStatus1 ? cycloid::kWizNext : cycloid::kWizDisabledFinish);
    return fw::PropertyPage::OnSetActive();
}
