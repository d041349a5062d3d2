// Cutting and interference checks of measured gears: a single gear and a
// gear pair, with the tests of the cylindrical checks on the measured
// values, their rows, hint texts and report lines, and the report sections
// that print them.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "cylindrical/calc/cutter_scheme.h"
#include "cylindrical/calc/cutting_check.h"
#include "fw/expected.h"
#include "measurement/calc/single_measure.h"

namespace measurement {

// What a measurement dialog keeps of its checks: the scheme, the rows of the
// last run with cutters, the report lines of the last run without, the hint.
struct CheckState {
    cylindrical::CutterScheme scheme;
    std::vector<std::string> items, results, solutions;
    std::vector<std::string> reportLines;
    std::string hint;
    bool shapedRun = false;  // the last run had cutters
    bool done() const { return !items.empty() || !reportLines.empty(); }
};

// A run's outcome: what it changes in the state (the other fields stay).
struct CheckRun {
    bool shaped = false;
    cylindrical::CutterScheme scheme;  // hobbed flags set for a run without cutters
    std::vector<std::string> items, results, solutions;  // shaped runs
    std::vector<std::string> reportLines;                 // runs without cutters
    std::string hint;
};
void apply(CheckState& s, CheckRun run);

inline constexpr const char* kMsgNoCutterInternal = "没有选择插齿刀参数，故未做齿廓干涉校验，请注意校验!";

// ---- single gear ----

struct SingleCheckInput {
    GearType type = GearType::External;
    int z = 0;
    double mn = 0, xn = 0, haStar = 1;
    double alphaN = 0, alphaT = 0, beta = 0;  // radians
    double da = 0, db = 0;                    // measured tip and base diameters
};
// With the cutter dialog accepted: cutter 1 shapes an external gear,
// cutter 2 an internal one (inverse step 1e-6). Refused when the gear's tip
// circle is not outside its base circle, the cutter is not usable, its tip
// circle is not outside its base circle, z02 ≥ Z, or no working angle exists.
fw::Expected<CheckRun, std::string> checkSingleShaped(const SingleCheckInput& in,
                                                      const cylindrical::CutterScheme& dialogScheme);
// With the cutter dialog cancelled: the hobbing lines.
fw::Expected<CheckRun, std::string> checkSingleHobbed(const SingleCheckInput& in);
// Section 3 of the single-gear report after its heading.
std::string singleCheckSection(const CheckState& s, GearType type);

// ---- gear pair ----

// Tests of a measured pair with the dialog's own tip and working angles; a′
// in the overlap test; inverse step 4e-6.
fw::Expected<CheckRun, std::string> checkPairShaped(const cylindrical::PairQuantities& p,
                                                    const cylindrical::CutterScheme& scheme);
fw::Expected<CheckRun, std::string> checkPairHobbed(const cylindrical::PairQuantities& p);
// Sections 4 and 5 of the pair report after the heading of section 4.
std::string pairCheckSection(const CheckState& s, bool internal);

}  // namespace measurement
