#include "cycloid/cexy_wizard_page.h"

#include "fw/format.h"
#include "resources/kavrin/module.h"

CexyWizardPage::CexyWizardPage(int templateId, int block)
    : fw::PropertyPage(kavrin::module(), templateId), m_block(block) {}

bool CexyWizardPage::readField(int id, double& v) {
    const std::string t = text(id);
    if (t == fw::formatNumber(v)) return true;   // the value as shown: kept to its last digit
    auto n = fw::parseNumber(t);
    if (!n) {
        cexRefuseField(*this, id, fw::dx_text::NotANumber);
        editAgain(id);
        return false;
    }
    v = *n;
    return true;
}

cycloid::StoreDecision CexyWizardPage::Store() {
    storeValues();
    return cexStoreStep(m_block, resultsCurrent());
}

bool CexyWizardPage::OnSetActive() {
    Store();
    return fw::PropertyPage::OnSetActive();
}

bool CexyWizardPage::OnKillActive() {
    storeValues();
    cexLeaveStep(m_block, resultsCurrent());
    return fw::PropertyPage::OnKillActive();
}
