// The file steps the three worm geometry calculators share: the load of a
// design's preliminary record and the save of the whole design file with the
// report section appended, each with its family's texts.
#pragma once
#include <optional>
#include <string>

#include "fw/fw.h"
#include "worm/calc/cw_file.h"

namespace worm {

// Open dialog, name test, read, old-file notice, the family's checks; the
// refusals shown. The data path changes only when the load is accepted.
std::optional<CwPreRecord> loadGeometryDesign(fw::Window* owner, Family family, std::string& dataPath);

// Not calculated, overwrite notice, save dialog, name test, then the data file
// and the report committed together; the refusals shown. Returns the report
// path after a save; the data path then names the saved file.
std::optional<std::string> saveGeometryDesign(fw::Window* owner, Family family, bool calculated,
                                              std::string& dataPath, const CwPreRecord& pre,
                                              const CwGeomRecord& geom, const std::string& report);

void showRefusal(const Refusal& r);

}  // namespace worm
