#include "cycloid/cexy_property_page3.h"

CCexyPropertyPage3::CCexyPropertyPage3() : CexyWizardPage(IDD, 3) {}
