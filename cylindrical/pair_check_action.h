// The cutting and interference check of a designed pair as the geometry
// sheet's first page runs it (button "检验数据"): the cutter dialog, the
// check, the result dialog, and the state the page keeps for its report.
#pragma once
#include <string>
#include <vector>

#include "cylindrical/calc/cutter_scheme.h"
#include "cylindrical/calc/cutting_check.h"
#include "cylindrical/calc/geometry_report.h"
#include "fw/fw.h"

// What the page keeps of its last check: the scheme, the rows (row i of each
// array belongs together) and the summary; done once a check has run.
struct PairCheckState {
    cylindrical::CutterScheme scheme;
    std::vector<std::string> items, results, solutions;
    std::string summary;
    bool done = false;
};

// Runs one check of the pair. A pair the check cannot take puts its refusal
// into summaryOut and opens no dialog. Otherwise the cutter dialog asks how
// the gears are cut: OK runs the full check and shows its rows in the result
// dialog; Cancel (or an OK without a usable cutter) marks both gears hobbed
// and composes the hobbing summary only, leaving the rows as they were. A
// refusal of the check (cutter tip inside its base circle, z02 ≥ Z2, ...)
// goes into summaryOut and changes nothing else. On success summaryOut gets
// the summary, the text of the page's static 1035.
void runDesignedPairCheck(fw::Window* parent, const cylindrical::DesignedPair& pair, PairCheckState& state,
                          std::string& summaryOut);

// The state as the page's report section prints it; resultText gets the
// summary (the page sets its result text as it stands when it reports). A
// state of no check gives the section of no check.
cylindrical::PairCheckSection pairCheckSection(const PairCheckState& state);
// Back from a page that keeps only the report section (the solutions are not
// in it, and are not needed: the result dialog shows only fresh rows).
PairCheckState pairCheckState(const cylindrical::PairCheckSection& section);
