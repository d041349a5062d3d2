// CCexyPropertyPage1: page 1 of the cycloid wizard (template 104, "预定参数").
#pragma once
#include "cycloid/cexy_wizard_page.h"

class CCexyPropertyPage1 : public CexyWizardPage {
public:
    static constexpr int IDD = 104;
    CCexyPropertyPage1();
    bool OnSetActive() override;
};
