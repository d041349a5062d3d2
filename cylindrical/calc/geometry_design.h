// The design file of the geometry sheet (header 64 + CyPreRecord 376 +
// CyGeomRecord 336 = 776 bytes), its two loaders, and the copies between the
// records and the pair correction page.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cylindrical/calc/cy_geom_record.h"
#include "cylindrical/calc/cy_pre_record.h"
#include "cylindrical/calc/shift_distribution.h"
#include "fw/expected.h"

namespace cylindrical {

constexpr std::size_t kGeometryFileSize = 64 + CyPreRecord::kSize + CyGeomRecord::kSize;

// Refusal of a file whose geometry is missing or not finished (status ≠ 102),
// and of a preliminary record whose status is not 101.
inline constexpr const char* kMsgUnfinishedGeometry = "所载入的文件包含未完成的圆柱齿轮几何计算数据。";
// The name notice of the sheet's save.
inline constexpr const char* kMsgSaveRenamed = "文件格式不符合程序规定，将以%s文件名保存数据。";

// doSave, step 5: the records with status 101 and 102 after the header
// (version 400, kind 2, "W_CYDESIGN", the time stamp). Always 776 bytes.
std::vector<std::uint8_t> geometryDesignFileBytes(const CyPreRecord& pre, const CyGeomRecord& geom,
                                                  std::int64_t timeStamp);

// The checks of both records of a geometry design file (checkCyPreRecord,
// then checkCyGeomRecord), run by both loaders of the file and by the
// sheet's save: nullopt when sound, otherwise the first fault.
std::optional<std::string> geometryDesignFault(const CyPreRecord& pre, const CyGeomRecord& geom);
// The bytes the sheet's save writes, after that check: a design the check
// refuses is not written (the fault names the field).
fw::Expected<std::vector<std::uint8_t>, std::string> geometryDesignSaveBytes(const CyPreRecord& pre,
                                                                             const CyGeomRecord& geom,
                                                                             std::int64_t timeStamp);

// "装入预定数据": the preliminary record of a design file. A file shorter
// than its header and record, with a word other than "W_CYDESIGN"
// ("W_CYMEASURE" has its own message) or with an impossible value is refused;
// a status other than 101 is refused with kMsgUnfinishedGeometry.
struct LoadedPreliminary {
    CyPreRecord pre;
    bool oldFile = false;  // show kMsgOldFile first
};
fw::Expected<LoadedPreliminary, std::string> loadPreliminaryForGeometry(std::span<const std::uint8_t> file);

// "装入数据编辑": both records. The same header checks; a file without the
// whole geometry record (a preliminary-only file) or whose geometry status is
// not 102 is refused with kMsgUnfinishedGeometry; a list index outside its
// list with kMsgNotDesignFile and the fault; a value the checks refuse by
// that fault (kavrin::refusedOnLoad).
struct LoadedGeometryDesign {
    CyPreRecord pre;
    CyGeomRecord geom;
    bool oldFile = false;
};
fw::Expected<LoadedGeometryDesign, std::string> loadGeometryDesign(std::span<const std::uint8_t> file);

// Page 1 after "装入预定数据": the record's teeth, helix angle, module,
// transverse module, centre distance and mesh type, then the helix-angle
// rule. αn and ha* stay as the page had them. The caller also copies the
// texts, disables the other mesh radio and sets the geometry record's ψd to
// pre.phiD.
PairUpdate pairFromPreliminary(const CyPreRecord& pre, const PairState& page);

// Page 1 after "装入数据编辑": the record's values, then β, Zv, mt, αn, αt and
// ad recomputed and the ratio class.
PairState pairFromGeometry(const CyGeomRecord& geom, const PairState& page);

// The title, drawing number and date texts of the page.
struct DesignTexts {
    std::string title;
    std::string number;
    std::string date;
};

// Leaving page 1: the page's values and texts into the record, and
// b = Z1·ψd·mt with the record's ψd. The hand, c*, εα, εβ, ψd and status
// fields stay. The caller lets the page change only when pairComplete().
void storePair(const PairState& s, const DesignTexts& texts, CyGeomRecord& geom);

// doSave, step 3, on the file name only: a name holding ".cyb" after its
// first character stays; otherwise the part before its first '.' (or the
// whole name) gets ".cyb", and the notice kMsgSaveRenamed is due. Either way
// the design's report is named after its data file ("b.v2.cyb" → "b.v2.cyt"):
// a design saved under a new name takes its own report with it.
struct SaveNames {
    std::filesystem::path data;
    std::filesystem::path report;
    bool renamed = false;
};
SaveNames geometrySaveNames(const std::filesystem::path& chosen);
std::string saveRenamedNotice(const std::filesystem::path& data);

// Page 1's report dialog, step 2: a report name holding ".cyt" after its
// first character stays (data path kept); otherwise the base gets ".cyt" and
// the data path becomes the base with ".cyb".
SaveNames pairReportNames(const std::filesystem::path& chosen, const std::filesystem::path& currentData);

}  // namespace cylindrical
