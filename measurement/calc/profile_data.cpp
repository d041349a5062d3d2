#include "measurement/calc/profile_data.h"

#include <cmath>

#include "fw/record.h"

namespace measurement {

namespace {

constexpr double kPi = 3.141592653589793;
enum : std::size_t { kType = 0, kZ = 4, kRf = 8, kCentre = 16, kCentreMirror = 32, kRoot = 48, kRootMirror = 64,
                     kFlank = 80, kFlankMirror = 336, kDiameter = 592 };
static_assert(kFlankMirror == kFlank + 16 * 16 && kDiameter == kFlankMirror + 16 * 16);
static_assert(kDiameter + 8 == ProfileDataRecord::kSize);

double inv(double a) { return std::tan(a) - a; }

ProfilePoint polar(double r, double theta) { return {r * std::sin(theta), r * std::cos(theta)}; }
ProfilePoint mirror(ProfilePoint p) { return {-p.x, p.y}; }

void point(fw::RecordWriter& w, std::size_t off, ProfilePoint p) {
    w.f64(off, p.x);
    w.f64(off + 8, p.y);
}
ProfilePoint point(const fw::RecordReader& r, std::size_t off) { return {r.f64(off), r.f64(off + 8)}; }

bool finite(const ProfileDataRecord& r) {
    auto ok = [](ProfilePoint p) { return std::isfinite(p.x) && std::isfinite(p.y); };
    if (!std::isfinite(r.rf) || !std::isfinite(r.diameter)) return false;
    if (!ok(r.centre) || !ok(r.root)) return false;
    for (const ProfilePoint& p : r.flank)
        if (!ok(p)) return false;
    return true;
}

}  // namespace

std::vector<std::uint8_t> writeProfileDataRecord(const ProfileDataRecord& r) {
    fw::RecordWriter w(ProfileDataRecord::kSize);
    w.i32(kType, r.type);
    w.i32(kZ, r.z);
    w.f64(kRf, r.rf);
    point(w, kCentre, r.centre);
    point(w, kCentreMirror, r.centreMirror);
    point(w, kRoot, r.root);
    point(w, kRootMirror, r.rootMirror);
    for (std::size_t i = 0; i < 16; ++i) {
        point(w, kFlank + 16 * i, r.flank[i]);
        point(w, kFlankMirror + 16 * i, r.flankMirror[i]);
    }
    w.f64(kDiameter, r.diameter);
    return w.take();
}

std::optional<ProfileDataRecord> readProfileDataRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < ProfileDataRecord::kSize) return std::nullopt;
    fw::RecordReader rd(bytes.first(ProfileDataRecord::kSize));
    ProfileDataRecord r;
    r.type = rd.i32(kType);
    r.z = rd.i32(kZ);
    r.rf = rd.f64(kRf);
    r.centre = point(rd, kCentre);
    r.centreMirror = point(rd, kCentreMirror);
    r.root = point(rd, kRoot);
    r.rootMirror = point(rd, kRootMirror);
    for (std::size_t i = 0; i < 16; ++i) {
        r.flank[i] = point(rd, kFlank + 16 * i);
        r.flankMirror[i] = point(rd, kFlankMirror + 16 * i);
    }
    r.diameter = rd.f64(kDiameter);
    return r;
}

std::optional<ProfileDataRecord> profilePoints(const ProfileInput& in) {
    if (in.z <= 0) return std::nullopt;
    const double k = 1 + in.shrinkage / 100;
    const double ra = k * in.da / 2, rf = k * in.df / 2, rb = k * in.db / 2, Rf = in.filletRadius;
    if (!(rb > 0)) return std::nullopt;
    // Half the space angle at the base circle.
    const double psi = (kPi - 4 * in.xt * std::tan(in.alphaT)) / (2.0 * in.z) - inv(in.alphaT);
    ProfileDataRecord r;
    r.type = in.internal ? 1 : 0;
    r.z = in.z;
    r.rf = Rf;
    r.diameter = k * in.d;
    // A flank point at radius ri, on the involute from the base circle.
    auto flank = [&](double ri) { return polar(ri, psi + inv(std::acos(rb / ri))); };
    if (in.internal) {
        const double a = std::sqrt((rf - Rf) * (rf - Rf) - rb * rb) + Rf;
        const double lf = std::atan((a - Rf) / rb), t = std::atan(a / rb);
        const double theta = inv(t) + t - lf + psi;
        r.centre = polar(rf - Rf, theta);
        r.root = polar(rf, theta);
        const double m = std::sqrt(a * a + rb * rb);
        for (int i = 0; i < 16; ++i) r.flank[static_cast<std::size_t>(i)] = flank(ra + i * (m - ra) / 15);
    } else if (rf + Rf <= rb) {
        // The fillet stays inside the base circle: a radial line up to it.
        const double lf = std::asin(Rf / (rf + Rf));
        const double m = std::sqrt((rf + Rf) * (rf + Rf) - Rf * Rf);
        r.flank[0] = polar(m, psi);
        r.flank[1] = polar(rb, psi);
        r.centre = polar(rf + Rf, psi - lf);
        r.root = polar(rf, psi - lf);
        for (int i = 2; i < 16; ++i) r.flank[static_cast<std::size_t>(i)] = flank(rb + (i - 1) * (ra - rb) / 14);
    } else {
        const double a = std::sqrt((rf + Rf) * (rf + Rf) - rb * rb) - Rf;
        const double lf = std::atan((a + Rf) / rb), t = std::atan(a / rb);
        const double theta = psi - (lf - t - inv(t));
        r.centre = polar(rf + Rf, theta);
        r.root = polar(rf, theta);
        const double m = std::sqrt(a * a + rb * rb);
        for (int i = 0; i < 16; ++i) r.flank[static_cast<std::size_t>(i)] = flank(m + i * (ra - m) / 15);
    }
    r.centreMirror = mirror(r.centre);
    r.rootMirror = mirror(r.root);
    for (std::size_t i = 0; i < 16; ++i) r.flankMirror[i] = mirror(r.flank[i]);
    if (!finite(r)) return std::nullopt;
    return r;
}

}  // namespace measurement
