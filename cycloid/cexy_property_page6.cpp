#include "cycloid/cexy_property_page6.h"

CCexyPropertyPage6::CCexyPropertyPage6() : CexyWizardPage(IDD, 6) {}
