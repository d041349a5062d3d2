// What the six pages of the cycloid wizard share: their block number, the
// store step after every accepted input and on activation, and the leave
// step. A page copies its values into its block in storeValues() and says
// in resultsCurrent() whether its results still belong to the earlier
// blocks' values.
#pragma once
#include "cycloid/cex_design.h"
#include "fw/fw.h"

class CexyWizardPage : public fw::PropertyPage {
public:
    CexyWizardPage(int templateId, int block);

    int block() const { return m_block; }
    // Copies the page's values into its block and runs the store step.
    cycloid::StoreDecision Store();

    bool OnSetActive() override;
    bool OnKillActive() override;

protected:
    virtual void storeValues() {}
    virtual bool resultsCurrent() const { return true; }
    // A number field read strictly: a text that shows `v` leaves it as it is
    // (all its digits); a bad text is refused, naming the field, and edited
    // again (left unedited it shows `v` again); true when `v` holds the field.
    bool readField(int id, double& v);

private:
    int m_block;
};
