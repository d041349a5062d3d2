// ProfileDataRecord: the tooth-profile point data of one gear in the
// transverse plane for a CAD program, the whole 600-byte content of a .cyd
// file (no header), and the one routine that computes it. Coordinates in
// mm, origin at the gear centre, x = r·sin θ, y = r·cos θ, θ measured from
// the y axis. The y axis is the centre line of what lies between the two
// flanks: a tooth space of an external gear (type 0), a tooth of an internal
// gear (type 1), whose flanks run from the tip circle outward and bound the
// ring's tooth; each point has its mirror image about that line.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace measurement {

struct ProfilePoint {
    double x = 0, y = 0;
    bool operator==(const ProfilePoint&) const = default;
};

struct ProfileDataRecord {
    static constexpr std::size_t kSize = 600;
    std::int32_t type = 0;             // 0 external, 1 internal
    std::int32_t z = 0;
    double rf = 0;                     // root fillet radius Rf
    ProfilePoint centre, centreMirror; // fillet circle centre and its mirror
    ProfilePoint root, rootMirror;     // the fillet's point on the root circle and its mirror
    std::array<ProfilePoint, 16> flank{}, flankMirror{};
    double diameter = 0;               // reference diameter with shrinkage
    bool operator==(const ProfileDataRecord&) const = default;
};

// One writer and one reader.
std::vector<std::uint8_t> writeProfileDataRecord(const ProfileDataRecord& r);
std::optional<ProfileDataRecord> readProfileDataRecord(std::span<const std::uint8_t> bytes);

// What the point calculation needs of one gear. Diameters as designed or
// measured (the shrinkage scales them, not Rf); angles in radians.
struct ProfileInput {
    bool internal = false;   // the internal gear of a pair (record type 1)
    std::int32_t z = 0;
    double filletRadius = 0; // Rf
    double shrinkage = 0;    // λ, percent
    double d = 0, da = 0, df = 0, db = 0;
    double alphaT = 0;       // transverse pressure angle
    double xt = 0;           // transverse shift coefficient xn·cos β
};

// The fillet centre, root point and 16 flank points with their mirrors.
// nullopt when the data hold no such profile: Z ≤ 0, a square root of a
// negative number or an arc sine / arc cosine beyond 1 (a tip circle inside
// the base circle, a fillet too large for an internal gear), or any result
// that is not finite.
std::optional<ProfileDataRecord> profilePoints(const ProfileInput& in);

}  // namespace measurement
