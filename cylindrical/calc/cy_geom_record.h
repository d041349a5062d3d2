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

// Can the sheet use the record as it stands: hand, c* and mesh type inside
// their lists, every real number finite, the angles inside their fields'
// ranges (β −60..60°, αn 0..30°, minutes and seconds below 60), tooth counts
// and module above zero, and no negative length, ratio or angle. The sheet
// saves only a record that passes, so what it saves it loads again.
bool plausible(const CyGeomRecord& r);
// Every real field finite.
bool finiteCyGeomRecord(const CyGeomRecord& r);

}  // namespace cylindrical
