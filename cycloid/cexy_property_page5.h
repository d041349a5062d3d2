// CCexyPropertyPage5: page 5 of the cycloid wizard (template 108, "棒测量").
#pragma once
#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage5 : public CexyWizardPage {
public:
    static constexpr int IDD = 108;
    CCexyPropertyPage5();
};
