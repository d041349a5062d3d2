#include "cycloid/calc/cex_profile.h"

#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/calc/cex_ranges.h"

namespace cycloid {

ProfilePoint Profile::at(double phi) const {
    const double iH = static_cast<double>(Zp) / static_cast<double>(Zc);
    const double S = std::sqrt(1 + K * K - 2 * K * std::cos(phi));
    const double A = R - r / S;
    const double B = a - K * r / S;
    return {A * std::cos((1 - iH) * phi - tau) - B * std::cos(iH * phi + tau),
            A * std::sin((1 - iH) * phi - tau) + B * std::sin(iH * phi + tau)};
}

namespace {
constexpr int kGapPoints = 101;

Profile turned(const ModificationInputs& in) {
    return {in.rp, in.rrp, in.K1, in.a, in.delta * kCexPi / 180, in.Zc, in.Zp};
}
Profile modified(const ModificationInputs& in, double drrp, double* K1m) {
    const double rpm = in.rp + drrp - in.dj;
    const double k = in.Zp * in.a / rpm;
    if (K1m) *K1m = k;
    return {rpm, in.rrp + drrp, k, in.a, 0, in.Zc, in.Zp};
}

// The turned profile's points do not depend on the candidate: computed once.
std::array<ProfilePoint, kGapPoints> turnedPoints(const ModificationInputs& in) {
    std::array<ProfilePoint, kGapPoints> p;
    const Profile t = turned(in);
    for (int i = 0; i < kGapPoints; ++i) p[i] = t.at(i * kCexPi / 100);
    return p;
}

double gapTo(const std::array<ProfilePoint, kGapPoints>& p1, const Profile& m) {
    double sum = 0;
    for (int i = 0; i < kGapPoints; ++i) {
        const ProfilePoint p2 = m.at(i * kCexPi / 100);
        sum += std::sqrt((p1[i].x - p2.x) * (p1[i].x - p2.x) + (p1[i].y - p2.y) * (p1[i].y - p2.y));
    }
    return sum / kGapPoints;
}

void putPoint(std::vector<std::uint8_t>& out, ProfilePoint p) {
    std::uint8_t b[16];
    std::memcpy(b, &p.x, 8);
    std::memcpy(b + 8, &p.y, 8);
    out.insert(out.end(), b, b + 16);
}

void putCurve(std::vector<std::uint8_t>& out, const Profile& pr) {
    for (int i = 0; i < kProfileFilePoints; ++i) putPoint(out, pr.at(i * 0.01570796327));
}

std::string withExtension(const std::string& path, const char* ext, bool firstDot) {
    std::filesystem::path p(path);
    std::string name = p.filename().string();
    auto dot = firstDot ? name.find('.', 1) : name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        name += ext;
    else
        name = name.substr(0, dot) + ext;
    return (p.parent_path() / name).string();
}

std::string fileNameWith(const std::string& chosen, const char* ext, bool firstDot, bool* renamed) {
    const std::string name = std::filesystem::path(chosen).filename().string();
    const bool has = name.find(ext, 1) != std::string::npos;
    if (renamed) *renamed = !has;
    return has ? chosen : withExtension(chosen, ext, firstDot);
}
}  // namespace

double meanProfileGap(const ModificationInputs& in, double drrp, double* K1m) {
    return gapTo(turnedPoints(in), modified(in, drrp, K1m));
}

std::optional<Modification> optimumModification(const ModificationInputs& in) {
    const auto p1 = turnedPoints(in);
    const double step = std::fabs(0.25 * in.rrp - 0) / 1000;
    const ScanResult scan = scanCandidates(kModificationCandidates, step,
                                           [&](double c) { return gapTo(p1, modified(in, c, nullptr)); });
    const double best = scan.best;
    const double bestGap = scan.bestGap;
    if (!(best > 0)) return std::nullopt;
    Modification m;
    m.drrp = best;
    m.ds = bestGap;
    m.drp = best - in.dj;
    m.K1m = in.Zp * in.a / (in.rp + m.drp);
    using namespace cex_q;
    if (!allAdmitted({{&kDs, m.ds}, {&kDrpMod, m.drp}, {&kDrrpMod, m.drrp}, {&kK1m, m.K1m}})) return std::nullopt;
    return m;
}

std::vector<std::uint8_t> ddaFileBytes(const ModificationInputs& in) {
    std::vector<std::uint8_t> out;
    out.reserve(2 * kProfileFilePoints * 16);
    putCurve(out, turned(in));
    Profile standard = turned(in);
    standard.tau = 0;
    putCurve(out, standard);
    return out;
}

std::vector<std::uint8_t> mdaFileBytes(const ModificationInputs& in, double drp, double drrp) {
    std::vector<std::uint8_t> out;
    out.reserve(kProfileFilePoints * 16);
    const double R = in.rp + drp;
    putCurve(out, Profile{R, in.rrp + drrp, in.Zp * in.a / R, in.a, 0, in.Zc, in.Zp});
    return out;
}

bool pointsFinite(const std::vector<std::uint8_t>& file) {
    for (std::size_t off = 0; off + 8 <= file.size(); off += 8) {
        double v;
        std::memcpy(&v, &file[off], 8);
        if (!std::isfinite(v)) return false;
    }
    return true;
}

std::string ddaDefaultName(const std::string& designPath) {
    return designPath.empty() ? std::string() : withExtension(designPath, ".DDA", false);
}
std::string mdaDefaultName(const std::string& designPath) {
    return designPath.empty() ? std::string() : withExtension(designPath, ".MDA", true);
}
std::string ddaFileName(const std::string& chosen, bool* renamed) { return fileNameWith(chosen, ".DDA", false, renamed); }
std::string mdaFileName(const std::string& chosen, bool* renamed) { return fileNameWith(chosen, ".MDA", true, renamed); }

}  // namespace cycloid
