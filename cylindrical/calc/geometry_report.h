// Texts of the geometry sheet: the listings of pages 2 to 4 and the four
// report sections that the pages append to the current report.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "cylindrical/calc/characteristic.h"
#include "cylindrical/calc/gear_geometry.h"
#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/calc/shift_distribution.h"
#include "fw/expected.h"
#include "fw/file.h"

namespace cylindrical {

inline constexpr const char* kMsgNoCheck = "\t未进行切齿校验!";

// Hand texts of the two lists for one stored index ("左", "右", "直齿" on
// the pinion page, "右", "左", "直齿" on the gear page); an index outside the
// list uses its nearest entry.
const char* pinionHandText(int hand);
const char* gearHandText(int hand);

// The mesh label of pages 2 to 4: "外  啮  合" or "内  啮  合".
const char* meshLabel(MeshType mesh);

// The titles and drawing numbers pages 2 and 3 derive from the shared ones:
// "--小齿轮", "--大齿轮" or "--内齿轮"; "-1" or "-2".
std::string gearPageTitle(const std::string& title, GearSide side, MeshType mesh);
std::string gearPageNumber(const std::string& number, GearSide side);

// The page's texts a listing or section prints.
struct GearPageTexts {
    std::string title;
    std::string number;
    std::string hand;  // the text the page's hand list shows
};

// One shaper cutter as the report prints it.
struct ReportCutter {
    int z0 = 0;
    double d0 = 0;
    double da0 = 0;
    double ha0 = 0;
    double x0 = 0;
};

// The verdicts of the last cutting and interference check, as page 1 keeps
// them; a page that has not run the check leaves it as constructed.
struct PairCheckSection {
    bool pinionNoScheme = false;  // both set: the check ran without cutters,
    bool gearNoScheme = false;    // the page's result text is printed
    bool commonCutter = false;
    std::vector<std::string> items;    // check item names
    std::vector<std::string> results;  // row i belongs to items[i]
    ReportCutter pinionCutter;
    ReportCutter gearCutter;
    std::string resultText;  // the page's result text (control 1035) as it stands
};

// Page 1's "报告输出" section.
std::string pairReportSection(const PairState& s, const DesignTexts& texts, const PairCheckSection& check);

// Pages 2 and 3: the listing of "计 算" and the section of "输出报告".
std::string pinionListing(const PairGeometryInput& in, const GearDimensions& g, const GearPageTexts& t);
std::string pinionReportSection(const PairGeometryInput& in, const GearDimensions& g, const GearPageTexts& t);
std::string gearListing(const PairGeometryInput& in, const GearDimensions& g, const GearPageTexts& t);
std::string gearReportSection(const PairGeometryInput& in, const GearDimensions& g, const GearPageTexts& t);

// Page 4: the listing (computed with kPinFactorListing) and the section
// (computed with kPinFactorReport). Span counts or lengths that cannot be
// computed show "—".
std::string characteristicListing(const CharacteristicInput& in, const Characteristic& c);
std::string characteristicReportSection(const CharacteristicInput& in, const Characteristic& c,
                                        const DesignTexts& texts);

// Appends a section to the report (created when missing), GBK with CR LF;
// the error names the cause when opening, writing or closing failed.
fw::Expected<void, fw::FileError> appendReportSection(const std::filesystem::path& report, const std::string& utf8);

// "不能打开报告文件%s" (page 1) and "不能打开报告文件%s!" (pages 2 to 4).
std::string pairReportOpenFailure(const std::filesystem::path& report);
std::string pageReportOpenFailure(const std::filesystem::path& report);

}  // namespace cylindrical
