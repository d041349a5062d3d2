// CCexyPropertySheet: the six-page cycloid drive design wizard. The shell
// creates it on the heap, publishes it in g_pCexySheet, runs it in wizard
// mode and, on Finish, calls SaveDesignAndReport and shows m_strReportPath.
#pragma once
#include <cstdint>
#include <string>

#include "cycloid/cexy_property_page1.h"
#include "cycloid/cexy_property_page2.h"
#include "cycloid/cexy_property_page3.h"
#include "cycloid/cexy_property_page4.h"
#include "cycloid/cexy_property_page5.h"
#include "cycloid/cexy_property_page6.h"
#include "fw/fw.h"

class CCexyPropertySheet : public fw::PropertySheet {
public:
    CCexyPropertySheet(int captionStringId, fw::Window* parent, int startPage = 0);
    ~CCexyPropertySheet() override;

    // Context help of "Kavrin.chm" by context number; the command is ignored.
    void WinHelp(std::uintptr_t data, unsigned command = fw::HH_HELP_CONTEXT) override;
    bool OnInitDialog() override;

    // Asks for the name and writes the .cxd design file and its .cxt report,
    // both or neither. 1 when both were written, 0 otherwise (declined,
    // cancelled or failed, each failure with its message).
    int SaveDesignAndReport();

    CCexyPropertyPage1 m_page1;
    CCexyPropertyPage2 m_page2;
    CCexyPropertyPage3 m_page3;
    CCexyPropertyPage4 m_page4;
    CCexyPropertyPage5 m_page5;
    CCexyPropertyPage6 m_page6;
    std::string m_strReportPath;
    std::string m_strDataDir;
};
