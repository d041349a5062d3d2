// The cycloid-disc tooth profile of a one-tooth-difference drive, the mean
// gap between the turned profile and a modified one, the search for the
// best equidistant and shift modification, and the point files for CAD.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cycloid {

struct ProfilePoint {
    double x = 0;
    double y = 0;
};

// The profile for pin-circle radius R, pin-sleeve radius r, short-amplitude
// coefficient K, eccentricity a, turned by tau (radians), at the parameter
// phi, with iH = Zp/Zc. S = sqrt(1 + K² − 2K·cos φ) is 0 for K = 1 at φ = 0:
// the point is then not finite.
struct Profile {
    double R = 0, r = 0, K = 0, a = 0, tau = 0;
    unsigned Zc = 0, Zp = 0;
    ProfilePoint at(double phi) const;
};

struct ModificationInputs {
    double rp = 0, rrp = 0, K1 = 0, a = 0;
    double delta = 0;   // angular modification, degrees
    double dj = 0;      // radial clearance
    unsigned Zc = 0, Zp = 0;
};

// Mean distance of 101 points (φ = 0 to π) between the profile turned by δ
// and the profile modified by Δrrp (rp + Δrrp − Δj, rrp + Δrrp); the
// modified profile's short-amplitude coefficient comes back in *K1m.
double meanProfileGap(const ModificationInputs& in, double drrp, double* K1m = nullptr);

// The scan over the candidates c = i·step, i = 0 … count − 1, against
// gap(0): a candidate wins only with a gap strictly below the best so far,
// so ties keep the smaller candidate and a gap that is not a number never
// wins. best stays 0 when no candidate beats gap(0).
struct ScanResult {
    double best = 0;
    double bestGap = 0;
};
template <class Gap>
ScanResult scanCandidates(int count, double step, Gap gap) {
    ScanResult r;
    r.bestGap = gap(0.0);
    for (int i = 0; i < count; ++i) {
        const double c = i * step;
        const double g = gap(c);
        if (r.bestGap > g) {
            r.best = c;
            r.bestGap = g;
        }
    }
    return r;
}

struct Modification {
    double drrp = 0, drp = 0, ds = 0, K1m = 0;
};
constexpr int kModificationCandidates = 1001;
// The scan of Δrrp over 0 to 0.25·rrp (1001 candidates, ties keep the
// smaller one). nullopt when no candidate beats Δrrp = 0 (also when every
// gap is not finite) or a result lies outside its quantity's range
// (cex_ranges.h).
std::optional<Modification> optimumModification(const ModificationInputs& in);

// The point files (x then y, little-endian doubles, 401 points per curve).
constexpr int kProfileFilePoints = 401;
std::vector<std::uint8_t> ddaFileBytes(const ModificationInputs& in);                       // turned, then standard
std::vector<std::uint8_t> mdaFileBytes(const ModificationInputs& in, double drp, double drrp);  // modified
// False when a point is not finite (nothing may be written then).
bool pointsFinite(const std::vector<std::uint8_t>& file);

// File names: the default from the current design file, and the chosen name
// brought to its extension (true in *renamed when the extension was missing).
// .DDA works at the file name's last '.', .MDA at its first; folders stay.
std::string ddaDefaultName(const std::string& designPath);
std::string mdaDefaultName(const std::string& designPath);
std::string ddaFileName(const std::string& chosen, bool* renamed);
std::string mdaFileName(const std::string& chosen, bool* renamed);

}  // namespace cycloid
