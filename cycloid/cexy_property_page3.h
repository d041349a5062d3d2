// CCexyPropertyPage3: page 3 of the cycloid wizard (template 106, "间隙和转角修形量").
#pragma once
#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage3 : public CexyWizardPage {
public:
    static constexpr int IDD = 106;
    CCexyPropertyPage3();
};
