#include "cycloid/cexy_property_page4.h"

CCexyPropertyPage4::CCexyPropertyPage4() : CexyWizardPage(IDD, 4) {}
