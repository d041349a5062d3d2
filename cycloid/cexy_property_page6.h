// CCexyPropertyPage6: page 6 of the cycloid wizard (template 143, "强度校验").
#pragma once
#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage6 : public CexyWizardPage {
public:
    static constexpr int IDD = 143;
    CCexyPropertyPage6();
};
