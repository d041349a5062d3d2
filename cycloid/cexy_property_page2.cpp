#include "cycloid/cexy_property_page2.h"

CCexyPropertyPage2::CCexyPropertyPage2() : CexyWizardPage(IDD, 2) {}
