#include "cycloid/cexy_property_page5.h"

CCexyPropertyPage5::CCexyPropertyPage5() : CexyWizardPage(IDD, 5) {}
