// CCexyPropertyPage2: page 2 of the cycloid wizard (template 105, "传动零件设计").
#pragma once
#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage2 : public CexyWizardPage {
public:
    static constexpr int IDD = 105;
    CCexyPropertyPage2();
};
