// CCexyPropertyPage4: page 4 of the cycloid wizard (template 107, "优化修形量").
#pragma once
#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage4 : public CexyWizardPage {
public:
    static constexpr int IDD = 107;
    CCexyPropertyPage4();
};
