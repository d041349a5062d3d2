// CCyGeomProSheet: the pair geometry calculator of the cylindrical chain, a
// four-page property sheet. The shell runs it modally without an Apply
// button and calls doSave on OK (and on Cancel when the user asks to save);
// after a save it loads m_strReportPath.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "cylindrical/cy_geom_pro_page1.h"
#include "cylindrical/cy_geom_pro_page2.h"
#include "cylindrical/cy_geom_pro_page3.h"
#include "cylindrical/cy_geom_pro_page4.h"
#include "fw/fw.h"

class CCyGeomProSheet : public fw::PropertySheet {
public:
    CCyGeomProSheet(const char* caption, fw::Window* parent);
    ~CCyGeomProSheet() override;

    // Asks for the file name and writes the design data file (header,
    // preliminary record, geometry record: 776 bytes). Page 1's entries are
    // taken first when it is still the active page. True only when the file
    // was written and closed without error; then m_strDataPath and
    // m_strReportPath name the design and its report.
    bool doSave();

    static std::filesystem::path GetDefaultDir();
    // Context help goes to "Kavrin.chm" by context number.
    void WinHelp(std::uintptr_t data, unsigned command = fw::HH_HELP_CONTEXT) override;
    bool OnInitDialog() override;

    CCyGeomProPage1 m_page1;
    CCyGeomProPage2 m_page2;
    CCyGeomProPage3 m_page3;
    CCyGeomProPage4 m_page4;
    std::string m_strReportPath;
    std::string m_strDataPath;
};
