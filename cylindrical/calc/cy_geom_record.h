// CyGeomRecord: the geometry record of a cylindrical design file, 336 bytes
// directly after the preliminary record.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace cylindrical {

constexpr std::int32_t kCyGeomStatus = 102;

// Hand of helix, the index of the pinion's list "左", "右", "直齿" (the gear
// page shows the same index in its list "右", "左", "直齿").
constexpr int kHandLeft = 0;
constexpr int kHandRight = 1;
constexpr int kHandSpur = 2;
constexpr int kHandCount = 3;

// Bottom clearance coefficient c*, the index of the list 0.25, 0.3, 0.35.
constexpr int kCStarCount = 3;
double cStarOfIndex(int index);  // an index outside the list uses its nearest entry

struct CyGeomRecord {
    static constexpr std::size_t kSize = 336;

    std::int32_t z1 = 0;
    std::int32_t z2 = 0;
    std::int32_t betaDeg = 0;
    std::int32_t betaMin = 0;
    std::int32_t betaSec = 0;
    std::int32_t hand = kHandLeft;
    double mn = 0;
    std::int32_t alphaNSec = 0;  // stored seconds first, then minutes, then degrees
    std::int32_t alphaNMin = 0;
    std::int32_t alphaNDeg = 0;
    double a = 0;           // working (design) centre distance, mm
    double ad = 0;          // standard centre distance, mm
    double alphaWtDeg = 0;  // transverse working pressure angle, decimal degrees
    double yt = 0;
    double yn = 0;
    double sumX = 0;
    double xn1 = 0;
    double xn2 = 0;
    std::int32_t meshType = 0;  // 0 external, 1 internal
    double haStar = 0;
    std::int32_t cStarIndex = 0;
    double zv1 = 0;
    double zv2 = 0;
    double b = 0;         // face width, mm
    double epsAlpha = 0;  // transverse contact ratio
    double epsBeta = 0;   // overlap ratio
    double psiD = 0;      // face width factor b / d1
    std::int32_t status = 0;
    std::string title;   // 64 bytes on disk
    std::string number;  // drawing number, 64 bytes on disk
    std::string date;    // 20 bytes on disk

    friend bool operator==(const CyGeomRecord&, const CyGeomRecord&) = default;
};

// One writer and one reader; the padding bytes are written as zeros.
std::vector<std::uint8_t> writeCyGeomRecord(const CyGeomRecord& r);
// nullopt when fewer than 336 bytes are given.
std::optional<CyGeomRecord> readCyGeomRecord(std::span<const std::uint8_t> bytes);

// Limits of the pair that the geometry sheet's fields, the record's check and
// the strength rating's fields share: |β| at most 60°, αn above 0 and at most
// 30°, and the transverse contact ratio at most 3.5 (the contact ratio
// factors take (4 − εα); an involute pair stays well below it).
inline constexpr double kMaxHelixDeg = 60;
inline constexpr double kMaxPressureAngleDeg = 30;
inline constexpr double kMaxEpsAlpha = 3.5;
// Faults of a pair that its fields and the record's check name (wording ours).
inline constexpr const char* kMsgGeomTeethOrder = "齿数 Z2：不能小于小齿轮齿数 Z1（Z1为小齿轮齿数）。";
inline constexpr const char* kMsgGeomInternalTeeth = "齿数 Z2：内齿轮齿数须大于小齿轮齿数 Z1。";
inline constexpr const char* kMsgHelixTooLarge = "螺旋角 β：不能超过±60°。";
inline constexpr const char* kMsgPressureAngleRange = "法面压力角 αn：须大于0°且不大于30°。";
inline constexpr const char* kMsgCentreDistanceTooLarge = "设计给定中心距 a：过大，啮合角 αwt 达到90°。";
// The addendum coefficients of page 1's list.
inline constexpr double kHaStarList[] = {1.0, 0.8};

// The one check of a geometry record, run by the sheet's and the rating's
// loaders, by the profile tool's read (through loadGeometryDesign) and by
// the sheet's save before it writes: every number inside its
// quantity's range (cy_geom_ranges.h, what the fields take; teeth, module,
// centre distances and virtual teeth given), hand, c* and mesh type inside
// their lists, ha* one of its list, Z2 ≥ Z1 (Z2 > Z1 for an internal pair),
// |β| ≤ 60°, 0 < αn ≤ 30° and αwt below 90°. nullopt when sound; otherwise
// the first fault, naming its field.
std::optional<std::string> checkCyGeomRecord(const CyGeomRecord& r);
// The list indices alone (hand, c*, mesh type), the check's first rules.
std::optional<std::string> cyGeomListFault(const CyGeomRecord& r);

}  // namespace cylindrical
