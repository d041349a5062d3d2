// The file steps the three bevel geometry dialogs share: the load of a
// preliminary record or of a saved design, and the save with its report,
// each with its file dialog and messages. Nothing of the caller changes
// here: a load hands back the records and paths for the dialog to take.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "fw/fw.h"

namespace bevel {

struct ConeLoaded {
    ConePreRecord pre;
    ConeGeomRecord geom;  // zero for a preliminary load
    std::filesystem::path data;
    std::filesystem::path report;
};
// Open dialog, name check, bounded read, old-file notice and every check of
// loadConeDesign, with the kind's messages. nullopt when cancelled or refused.
std::optional<ConeLoaded> runConeLoad(fw::Window* parent, ConeKind kind, ConeLoad which);

struct ConeSaved {
    std::filesystem::path data;
    std::filesystem::path report;
};
// The save of the OK button: refuses an uncomputed design, asks for the
// name (initial name `currentData`, "*.cng" when empty), normalises it,
// writes the file (preliminary record from preRecordForSave) and appends
// reportUtf8 to its report, both or neither, then shows where the report
// went. nullopt when cancelled or failed (the message shown).
std::optional<ConeSaved> runConeSave(fw::Window* parent, ConeKind kind, bool computed,
                                     const std::filesystem::path& currentData, const ConePreRecord& pre,
                                     const ConeGeomRecord& geom, std::string_view reportUtf8);

}  // namespace bevel
