#include "cycloid/cexy_wizard_page.h"

#include "resources/kavrin/module.h"

CexyWizardPage::CexyWizardPage(int templateId, int block)
    : fw::PropertyPage(kavrin::module(), templateId), m_block(block) {}

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
