// ConeGeomRecord: the geometry record of a bevel design file (.cng), 888
// bytes behind the preliminary record (file bytes 408 to 1295). The straight,
// the spiral and zerol, and the cycloidal calculators write it; the strength
// rating reads it. Beside it: the tooth-system table, the checks of a loaded
// design and the bytes of a geometry save, which the three calculators share.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bevel/geometry/calc/cone_geom_ranges.h"
#include "bevel/preliminary/calc/cone_pre_record.h"
#include "common/calc/angle_split.h"
#include "common/calc/design_file.h"
#include "fw/expected.h"

namespace bevel {

using kavrin::AngleDms;

// Every field starts at zero: a dialog's record holds no byte it did not set.
struct ConeGeomRecord {
    static constexpr std::size_t kSize = 888;

    std::int32_t alphaDeg = 0, alphaMin = 0, alphaSec = 0;  // normal pressure angle as typed
    std::int32_t betaDeg = 0, betaMin = 0, betaSec = 0;     // β (straight) or βm
    double cStar = 0;
    double haStar = 0;
    double mt = 0;  // outer transverse module, mm
    std::int32_t z1 = 0, z2 = 0;
    double x1 = 0, x2 = 0;    // χ1, χ2
    double xt2 = 0, xt1 = 0;  // χτ2, χτ1 (gear first, as stored)
    double rTau = 0;          // tangent-circle radius of skew teeth
    double zv2 = 0, zv1 = 0;
    double epsAlpha = 0;
    double sBar2 = 0, sBar1 = 0;  // chordal tooth thickness
    double s2 = 0, s1 = 0;        // arc tooth thickness
    AngleDms deltaF2, deltaF1;    // root angles
    AngleDms thetaF2, thetaF1;    // dedendum angles
    AngleDms deltaA2, deltaA1;    // face angles
    AngleDms thetaA2, thetaA1;    // addendum angles
    double ak2 = 0, ak1 = 0;      // outer cone heights
    double da2 = 0, da1 = 0;
    double h = 0;
    double hf2 = 0, hf1 = 0;
    double ha2 = 0, ha1 = 0;
    double b = 0;
    double r = 0;  // outer cone distance R
    double d2 = 0, d1 = 0;
    AngleDms delta2, delta1;  // pitch angles
    double rf = 0;            // root fillet radius coefficient
    double phiR = 0;          // b/R
    std::int32_t taper = 0;   // clearance and depth form, see ConeTaper
    double hBar2 = 0, hBar1 = 0;  // chordal heights
    std::int32_t toothSystem = 0;
    double zp = 0;            // crown gear teeth Zp or Zc
    double dThetaF = 0;       // increment of the dedendum angle, minutes of arc
    double epsBeta = 0;
    std::int32_t cutterChoice = 0;  // spiral: row in the cutter list; cycloidal: series 0 EN, 1 TC
    AngleDms betaInner;       // βi
    AngleDms betaOuter;       // β at the outer end
    double tilt = 0;          // Δα, degrees
    AngleDms betaP0;          // βp'
    AngleDms betaP;           // βp
    double d0 = 0;            // spiral: cutter diameter; cycloidal: Δh
    double mp = 0;
    double ri = 0;            // R − b
    double rp = 0;            // R − 0.415·b
    std::int32_t cutterRow = 0;   // spiral: table row 0 to 16; cycloidal: cutter-head index
    std::int32_t cutterBand = 0;  // spiral: band 0 to 3; cycloidal: blade group 0 to 2
    std::int32_t status = 0;      // kConeGeomStatus once calculated
    std::string date;    // 20 bytes on disk
    std::string number;  // 64 bytes on disk
    std::string title;   // 64 bytes on disk

    friend bool operator==(const ConeGeomRecord&, const ConeGeomRecord&) = default;
};

// One writer and one reader. Bytes without defined content are written as
// zeros and never read.
std::vector<std::uint8_t> writeConeGeomRecord(const ConeGeomRecord& r);
ConeGeomRecord readConeGeomRecord(std::span<const std::uint8_t, ConeGeomRecord::kSize> bytes);

// A preliminary record with every field zero (status 0): what a geometry
// dialog holds until a load gives it one.
ConePreRecord zeroConePreRecord();

// The three geometry calculators.
enum class ConeKind { Straight, Spiral, Cycloidal };

// Clearance and depth form (record byte 528).
enum ConeTaper : std::int32_t {
    kTaperUnequalClearance = 0,
    kTaperEqualClearance = 1,
    kTaperDouble = 2,
    kTaperUniformDepth = 3,
};

// The tooth systems: the kind that accepts each, and the names its messages
// and the straight report print.
struct ToothSystemRow {
    int index;
    ConeKind kind;
    const char* preliminaryName;  // load of a preliminary record
    const char* savedName;        // load of a saved design
    const char* straightReportName;
};
extern const std::array<ToothSystemRow, kToothSystemCount> kConeToothSystems;

// What differs between the kinds in the shared load and save.
struct ConeKindRules {
    ConeKind kind;
    int firstSystem, lastSystem;  // tooth-system indices it accepts
    int firstTaper, lastTaper;    // its clearance and depth radio group
    const char* saveTitle;
    const char* openTitle;
    const char* renameFormat;      // %s the new name
    const char* reportOpenMessage; // the report cannot be written
    const cone_geom::KindInputs* inputs;  // its dialog's names of the inputs
};
const ConeKindRules& coneKindRules(ConeKind kind);

// Messages of the geometry step's file operations.
inline constexpr const char* kMsgConeGeomNotComputed = "未完成计算，无法保存数据!";
inline constexpr const char* kMsgConeGeomBadName = "指定的文件不是有效数据格式文件!";
inline constexpr const char* kMsgConeGeomNotGeometry = "载入的数据不包含锥齿轮几何计算或根本不是锥齿轮计算!";
inline constexpr const char* kConeGeomFilter = "锥齿轮计算数据文件(*.cng)|*.cng|All File(*.*)|*.*|";
// "所选择的数据文件是%s圆锥齿轮,不宜用此方法计算!"
std::string coneWrongSystemMessage(const char* systemName);
std::string coneRenameMessage(ConeKind kind, const std::filesystem::path& renamed);

// The two loads.
enum class ConeLoad { Preliminary, Saved };

// How many bytes a load reads at most: the header and both records.
constexpr std::size_t kConeGeomFileSize = kavrin::CDataFileHeader::kSize + ConePreRecord::kSize + ConeGeomRecord::kSize;
static_assert(kConeGeomFileSize == 1296);

struct LoadedConeDesign {
    ConePreRecord pre;
    ConeGeomRecord geom;  // all zero for a preliminary load
    bool oldFile = false; // no header: the caller shows kavrin::kMsgOldFile first
};
struct ConeLoadRefusal {
    std::string message;
    bool exclamation = true;
    bool stop = false;  // the straight kind refuses another kind's preliminary record with the stop icon
};
// The checks of a loaded file, all before anything is handed back: its
// length (408 or 1296 bytes with a header, 344 or 1232 without) and header
// word ("所用数据文件不包含圆锥齿轮设计计算数据。"); the statuses (201, and 202
// for a saved design) and the lists and words the kind reads
// (kMsgConeGeomNotGeometry, the fault on the next line); then the kind's
// tooth systems (coneWrongSystemMessage); then every value the kind reads: a
// value outside its range is refused by the record check's fault, which
// names it (kavrin::refusedOnLoad).
fw::Expected<LoadedConeDesign, ConeLoadRefusal> loadConeDesign(std::span<const std::uint8_t> file, ConeLoad which,
                                                               ConeKind kind);
// The limits that the geometry fields, the loads and the saves share, from
// the range table (cone_geom_ranges.h).
inline constexpr std::int32_t kConeTeethMax = static_cast<std::int32_t>(cone_geom::kZ1.upper());  // Z1, Z2
inline constexpr double kConeModuleMax = cone_geom::kMt.upper();                                  // mt, mm
inline constexpr int kConeAlphaDegMax = static_cast<int>(cone_geom::kAlphaDeg.upper());  // α degrees
inline constexpr int kConeHelixDegMax = static_cast<int>(cone_geom::kBetaDeg.upper());   // β and βm degrees
inline constexpr double kConePhiRStraightMin = cone_geom::kPhiRStraight.lower(),
                        kConePhiRMax = cone_geom::kPhiRStraight.upper();
inline constexpr double kConeSmallestCutter = cone_geom::kD0.lower();  // d0 of a spiral cutter, mm
inline constexpr double kConeTilts[] = {0, 1.5, 3};    // Δα of the check charts, degrees

// The one validity check of a geometry record of a kind: both loads run it
// on the record they read, every save on the record it is about to write,
// and the calculations on what they produced. It tests the inputs against
// the ranges their fields accept and every stored value against its range
// in cone_geom_ranges.h, every number for being finite (and not
// subnormal, which no field takes), the lengths that must be positive
// (diameters, cone distances, heights, thicknesses), the angles that must
// lie between 0° and 90° (pitch, root and spiral angles), the status 202,
// the kind's tooth systems, clearance forms and cutter words. The refusal
// names the value that fails, in a sentence for the user.
fw::Expected<void, std::string> checkConeGeomRecord(const ConeGeomRecord& g, ConeKind kind);
// The check's first fault when it is a list index, a cutter word or the
// status outside its list (the record is no geometry of this kind); nullopt
// when the check passes or fails on a value.
std::optional<std::string> coneGeomListFault(const ConeGeomRecord& g, ConeKind kind);
// The part of that check a calculation can pass before its cutter is
// chosen (a spiral pair whose list is empty): everything but the cutter
// words, d0, the outer spiral angle and the thicknesses it decides.
fw::Expected<void, std::string> checkConeGeomDimensions(const ConeGeomRecord& g, ConeKind kind);
// Values of a preliminary record that the geometry fields take: the tooth
// numbers and the module within the fields' ranges.
bool preliminaryFitsGeometry(const ConePreRecord& p);

// The preliminary record a save writes: the held copy with the ratio
// Z2/Z1; a copy that no load filled (status not 201) is filled from the
// design first, so that later loads and the strength rating read the file.
ConePreRecord preRecordForSave(const ConePreRecord& held, const ConeGeomRecord& geom);

// The whole 1296-byte file: header (version 400, kind 3, "W_CONDESIGN",
// the time), the preliminary record, the geometry record.
std::vector<std::uint8_t> coneGeomFileBytes(const ConePreRecord& pre, const ConeGeomRecord& geom,
                                            std::int64_t timeStamp);

// The save: the design file replaced and the report appended together or
// not at all. Before anything is written both records pass their checks
// (checkConeGeomRecord of the kind, the preliminary record's own); a record
// refused is never written and the old files stay as they were.
struct ConeSaveError {
    std::string refusal;             // not empty: a record was refused (the reason, for the user)
    kavrin::DesignSaveError file;    // otherwise: which file failed
};
fw::Expected<void, ConeSaveError> saveConeGeomDesign(ConeKind kind, const std::filesystem::path& data,
                                                     const ConePreRecord& pre, const ConeGeomRecord& geom,
                                                     const std::filesystem::path& report, std::string_view reportUtf8,
                                                     std::int64_t timeStamp);
// The checks of the save alone (the reason of a refusal).
fw::Expected<void, std::string> checkConeGeomSave(ConeKind kind, const ConePreRecord& pre, const ConeGeomRecord& geom);
// The message of a refused save: "数据未保存：<reason>".
std::string coneSaveRefusedMessage(const std::string& reason);
// The message of a calculation whose results the check refuses:
// "计算结果不能采用：<reason>\n请修改输入数据后重新计算!".
std::string coneResultRefusedMessage(const std::string& reason);

}  // namespace bevel
