#include "cylindrical/cy_current_design.h"

cylindrical::CyPreRecord g_curPreRecord;
cylindrical::CyGeomRecord g_curGeomRecord;

std::string g_strDataPath;
std::string g_strReportPath;
std::string g_strTitle;
std::string g_strDrawingNo;
std::string g_strDate;
