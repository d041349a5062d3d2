#include "bevel/geometry/calc/cutter_head_record.h"

#include <charconv>
#include <cmath>
#include <sstream>

#include "fw/record.h"

namespace bevel {

namespace {

enum : std::size_t {
    kUnread1 = 0, kZ0 = 4, kRb = 8, kRbMin = 16, kRbMax = 24, kBlade = 32, kUnread2 = 44, kMp = 48,
    kMMin = 72, kMMax = 96, kEb = 120, kQ = 144, kRhoA0 = 168,
};
constexpr std::size_t kTriple = 24;
static_assert(kZ0 == kUnread1 + 4 && kRb == kZ0 + 4 && kBlade == kRbMax + 8 && kUnread2 == kBlade + 12);
static_assert(kMp == kUnread2 + 4 && kMMin == kMp + kTriple && kMMax == kMMin + kTriple && kEb == kMMax + kTriple);
static_assert(kQ == kEb + kTriple && kRhoA0 == kQ + kTriple && kRhoA0 + kTriple == CutterHeadRecord::kSize);

void writeTriple(fw::RecordWriter& w, std::size_t off, const std::array<double, 3>& v) {
    for (std::size_t g = 0; g < 3; ++g) w.f64(off + 8 * g, v[g]);
}

std::array<double, 3> readTriple(const fw::RecordReader& rd, std::size_t off) {
    return {rd.f64(off), rd.f64(off + 8), rd.f64(off + 16)};
}

bool positive(double v) { return std::isfinite(v) && std::fpclassify(v) != FP_SUBNORMAL && v > 0; }

// A count read as a number of the text source: whole and within 1..max, so
// that it converts to int32 without overflow.
bool countOf(double v, std::int32_t max, std::int32_t& out) {
    if (!(v >= 1 && v <= max) || v != std::floor(v)) return false;
    out = static_cast<std::int32_t>(v);
    return true;
}

}  // namespace

std::array<std::uint8_t, CutterHeadRecord::kSize> writeCutterHeadRecord(const CutterHeadRecord& r) {
    fw::RecordWriter w(CutterHeadRecord::kSize);
    w.i32(kZ0, r.z0);
    w.f64(kRb, r.rb);
    w.f64(kRbMin, r.rbMin);
    w.f64(kRbMax, r.rbMax);
    for (std::size_t g = 0; g < 3; ++g) w.i32(kBlade + 4 * g, r.blade[g]);
    writeTriple(w, kMp, r.mp);
    writeTriple(w, kMMin, r.mMin);
    writeTriple(w, kMMax, r.mMax);
    writeTriple(w, kEb, r.eb);
    writeTriple(w, kQ, r.q);
    writeTriple(w, kRhoA0, r.rhoA0);
    std::array<std::uint8_t, CutterHeadRecord::kSize> out{};
    const auto& b = w.bytes();
    std::copy(b.begin(), b.end(), out.begin());
    return out;
}

CutterHeadRecord readCutterHeadRecord(std::span<const std::uint8_t, CutterHeadRecord::kSize> bytes) {
    fw::RecordReader rd(bytes);
    CutterHeadRecord r;
    r.z0 = rd.i32(kZ0);
    r.rb = rd.f64(kRb);
    r.rbMin = rd.f64(kRbMin);
    r.rbMax = rd.f64(kRbMax);
    for (std::size_t g = 0; g < 3; ++g) r.blade[g] = rd.i32(kBlade + 4 * g);
    r.mp = readTriple(rd, kMp);
    r.mMin = readTriple(rd, kMMin);
    r.mMax = readTriple(rd, kMMax);
    r.eb = readTriple(rd, kEb);
    r.q = readTriple(rd, kQ);
    r.rhoA0 = readTriple(rd, kRhoA0);
    return r;
}

bool plausibleCutterHead(const CutterHeadRecord& r) {
    if (r.z0 < 1 || r.z0 > kBladeGroupsMax || !positive(r.rb) || !positive(r.rbMin) || !positive(r.rbMax))
        return false;
    for (std::size_t g = 0; g < 3; ++g) {
        if (r.blade[g] < 1 || r.blade[g] > kBladeNumberMax) return false;
        if (!positive(r.mp[g]) || !positive(r.mMin[g]) || !positive(r.mMax[g]) || !positive(r.eb[g]) ||
            !positive(r.q[g]) || !(r.rhoA0[g] == 0 || positive(r.rhoA0[g])))
            return false;
    }
    return true;
}

fw::Expected<CutterHeadRecord, fw::FileError> readCutterHead(const std::filesystem::path& table, int index) {
    if (index < 0 || index >= kCutterHeadCount)
        return fw::unexpected(fw::FileError{.cause = fw::FileCause::Generic, .path = table});
    const std::size_t end = static_cast<std::size_t>(index + 1) * CutterHeadRecord::kSize;
    auto bytes = fw::readExact(table, end);
    if (!bytes) return fw::unexpected(bytes.error());
    auto head = cutterHeadFromTable(*bytes, index);
    if (!head) return fw::unexpected(fw::FileError{.cause = head.error(), .path = table});
    return *head;
}

fw::Expected<CutterHeadRecord, fw::FileCause> cutterHeadFromTable(std::span<const std::uint8_t> table, int index) {
    if (index < 0 || index >= kCutterHeadCount) return fw::unexpected(fw::FileCause::Generic);
    const std::size_t end = static_cast<std::size_t>(index + 1) * CutterHeadRecord::kSize;
    if (table.size() < end) return fw::unexpected(fw::FileCause::EndOfFile);
    std::span<const std::uint8_t, CutterHeadRecord::kSize> rec(table.data() + end - CutterHeadRecord::kSize,
                                                               CutterHeadRecord::kSize);
    CutterHeadRecord r = readCutterHeadRecord(rec);
    if (!plausibleCutterHead(r)) return fw::unexpected(fw::FileCause::InvalidFile);
    return r;
}

fw::Expected<std::vector<CutterHeadRecord>, std::string> parseCutterTable(std::string_view text) {
    std::vector<CutterHeadRecord> out;
    std::istringstream in{std::string(text)};
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line) && lineNo < 10000) {
        ++lineNo;
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string w; fields >> w && words.size() < 40;) words.push_back(w);
        if (words.empty()) continue;
        const std::string bad = "entc line " + std::to_string(lineNo);
        if (words.size() != 25) return fw::unexpected(bad);
        std::array<double, 25> v{};
        for (std::size_t i = 0; i < words.size(); ++i) {
            const char* b = words[i].data();
            const char* e = b + words[i].size();
            auto [p, ec] = std::from_chars(b, e, v[i]);
            if (ec != std::errc() || p != e || !std::isfinite(v[i])) return fw::unexpected(bad);
        }
        CutterHeadRecord r;
        r.rb = v[0];
        // The counts are converted only when they fit ("5 5555555111 …" is refused).
        if (!countOf(v[1], kBladeGroupsMax, r.z0)) return fw::unexpected(bad);
        r.rbMin = v[2];
        r.rbMax = v[3];
        for (std::size_t g = 0; g < 3; ++g) {
            if (!countOf(v[4 + g], kBladeNumberMax, r.blade[g])) return fw::unexpected(bad);
            r.mp[g] = v[7 + g];
            r.mMin[g] = v[10 + g];
            r.mMax[g] = v[13 + g];
            r.eb[g] = v[16 + g];
            r.q[g] = v[19 + g];
            r.rhoA0[g] = v[22 + g];
        }
        if (!plausibleCutterHead(r)) return fw::unexpected(bad);
        out.push_back(r);
    }
    return out;
}

std::vector<std::uint8_t> cutterTableBytes(const std::vector<CutterHeadRecord>& heads) {
    std::vector<std::uint8_t> out;
    out.reserve(heads.size() * CutterHeadRecord::kSize);
    for (const auto& h : heads) {
        auto b = writeCutterHeadRecord(h);
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

}  // namespace bevel
