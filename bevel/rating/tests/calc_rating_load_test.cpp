// What the rating takes from a bevel design file: the geometry fixture as the
// geometry step writes it (bevel/geometry/tests/fixtures, values of
// make_conegeom_example.py), the refusals, and the completion mask.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/rating/calc/rating_load.h"
#include "bevel/rating/calc/rating_ranges.h"
#include "common/calc/record_check.h"
#include "fw/bounds.h"
#include "fw/format.h"

namespace {

using namespace bevel;

std::vector<std::uint8_t> fixture() {
    std::ifstream in(std::filesystem::path(KAVRIN_SOURCE_DIR) / "bevel/geometry/tests/fixtures/conegeom_example.cng",
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void putI32(std::vector<std::uint8_t>& f, std::size_t at, std::int32_t v) {
    for (int k = 0; k < 4; ++k) f[at + k] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * k));
}
void putF64(std::vector<std::uint8_t>& f, std::size_t at, double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, 8);
    for (int k = 0; k < 8; ++k) f[at + k] = static_cast<std::uint8_t>(bits >> (8 * k));
}

constexpr std::size_t kGeom = 64 + 344;  // the geometry record in the file

TEST(BevelRatingLoad, FixtureFillsEveryEntry) {
    const auto file = fixture();
    ASSERT_EQ(file.size(), 1296u);
    auto loaded = loadRatingDesign(file);
    ASSERT_TRUE(loaded.has_value()) << loaded.error().text;
    const RatingEntries& e = loaded->entries;
    EXPECT_FALSE(loaded->oldFile);
    EXPECT_NEAR(e.alphaN, 20 + 11 / 60.0 + 12 / 3600.0, 1e-12);
    EXPECT_NEAR(e.betaM, 35 + 13 / 60.0 + 14 / 3600.0, 1e-12);
    EXPECT_EQ(e.m, 3.75);
    EXPECT_EQ(e.z1, 21);
    EXPECT_EQ(e.z2, 50);
    EXPECT_EQ(e.x1, 0.3276);
    EXPECT_EQ(e.x2, -0.3276);
    EXPECT_EQ(e.xt1, 0.045);
    EXPECT_EQ(e.xt2, -0.045);
    EXPECT_EQ(e.epsAlpha, 1.3125);
    EXPECT_EQ(e.epsBeta, 1.6875);
    EXPECT_EQ(e.b, 27.5);
    EXPECT_EQ(e.r, 100.9375);
    EXPECT_EQ(e.phiR, 0.2725);
    // δ from the double triples: 68°9′54.75″ and 21°48′5.25″.
    EXPECT_NEAR(e.delta2, 68 + 9 / 60.0 + 54.75 / 3600, 1e-12);
    EXPECT_NEAR(e.delta1, 21 + 48 / 60.0 + 5.25 / 3600, 1e-12);
    EXPECT_EQ(e.date, "2025年12月11日");
    EXPECT_EQ(e.number, "KV-B01-G");
    EXPECT_EQ(e.title, "电动葫芦弧齿锥齿轮副几何");
    // T and n1 are not in the file: the forces wait for them.
    const auto mask = completionMask(e, 0, 0);
    EXPECT_EQ(mask, entry_bit::kComplete & ~(entry_bit::torque | entry_bit::n1));
    EXPECT_EQ(completionMask(e, 250, 960), entry_bit::kComplete);
}

TEST(BevelRatingLoad, RefusalsLeaveNothingHalfLoaded) {
    const auto good = fixture();
    // `names`: a value refused is named after the message, on a line of its own.
    struct Case { const char* name; std::vector<std::uint8_t> file; const char* message; const char* names = nullptr; };
    std::vector<Case> cases;
    {
        auto f = good;
        f.resize(408);  // a preliminary-only design
        cases.push_back({"preliminary only", f, kMsgNoConeGeometry});
    }
    {
        auto f = good;
        putI32(f, kGeom + 736, 0);  // geometry not calculated
        cases.push_back({"geometry status 0", f, kMsgNoConeGeometry});
    }
    {
        auto f = good;
        const char other[] = "W_CYDESIGN";
        std::fill(f.begin() + 36, f.begin() + 56, 0);
        std::copy(other, other + 10, f.begin() + 36);
        cases.push_back({"another header word", f, kMsgNotConeData});
    }
    {
        auto f = good;
        f.resize(1000);  // shorter than its records
        cases.push_back({"short file", f, kMsgNoConeGeometry});
    }
    {
        auto f = good;
        putF64(f, kGeom + 576, 0);  // εβ 0 with βm 35°: named before the record checks refuse it
        cases.push_back({"βm > 0, εβ 0", f, kMsgSpiralContact});
    }
    {
        auto f = good;
        putI32(f, kGeom + 48, -21);  // Z1 negative
        cases.push_back({"Z1 −21", f, nullptr, "Z1"});
    }
    {
        auto f = good;
        putF64(f, kGeom + 520, 2.0);  // φR 2: the forces would divide by zero
        cases.push_back({"φR 2", f, nullptr, "φR"});
    }
    {
        auto f = good;
        putF64(f, kGeom + 432, std::nan(""));
        cases.push_back({"b NaN", f, nullptr, "b"});
    }
    for (const auto& c : cases) {
        auto r = loadRatingDesign(c.file);
        ASSERT_FALSE(r.has_value()) << c.name;
        if (!c.names) {
            EXPECT_EQ(r.error().text, c.message) << c.name;
            continue;
        }
        // A value out of its range: named on the first line, then that the
        // file was not loaded.
        const std::string& t = r.error().text;
        EXPECT_NE(t.substr(0, t.find('\n')).find(c.names), std::string::npos) << c.name << ": " << t;
        EXPECT_TRUE(t.ends_with(std::string("\n") + kavrin::kMsgRecordNotLoaded)) << c.name << ": " << t;
    }
}

TEST(BevelRatingLoad, StraightTeethAndOldFiles) {
    // βm 0 with εβ 0 (straight bevel gears) is accepted.
    auto f = fixture();
    for (std::size_t at : {12u, 16u, 20u}) putI32(f, kGeom + at, 0);
    putF64(f, kGeom + 576, 0);
    auto r = loadRatingDesign(f);
    ASSERT_TRUE(r.has_value()) << r.error().text;
    EXPECT_EQ(r->entries.betaM, 0);
    EXPECT_TRUE(completionMask(r->entries, 1, 1) & entry_bit::spiral);
    // An old file without header: the records from byte 0.
    const auto whole = fixture();
    std::vector<std::uint8_t> old(whole.begin() + 64, whole.end());
    putI32(old, 0, 1);  // what the file starts with is below the first header version (104)
    auto o = loadRatingDesign(old);
    ASSERT_TRUE(o.has_value()) << o.error().text;
    EXPECT_TRUE(o->oldFile);
    EXPECT_EQ(o->entries.z2, 50);
}

TEST(BevelRatingLoad, ToothNumbersCountOnlyWhenPositive) {
    RatingEntries e;
    e.z1 = -17;
    e.z2 = 43;
    EXPECT_EQ(completionMask(e, 0, 0) & (entry_bit::z1 | entry_bit::z2), entry_bit::z2);
    e.betaM = 35;
    EXPECT_FALSE(completionMask(e, 0, 0) & entry_bit::spiral);
    e.epsBeta = 1.8;
    EXPECT_TRUE(completionMask(e, 0, 0) & entry_bit::spiral);
}

}  // namespace

namespace {

// The slots of the geometry record the rating reads, each with the entry
// and the quantity it becomes. An angle is probed in its degrees (its
// minutes and seconds 0).
struct RatingSlot {
    const kavrin::Quantity& q;
    std::size_t at;  // in the geometry record
    enum Kind { Int, Double, IntDegrees, DoubleDegrees } kind;
    double RatingEntries::*entry;  // nullptr: Z1, Z2
};
const RatingSlot kRatingSlots[] = {
    {rating_range::kAlphaN, 0, RatingSlot::IntDegrees, &RatingEntries::alphaN},
    {rating_range::kBetaM, 12, RatingSlot::IntDegrees, &RatingEntries::betaM},
    {rating_range::kM, 40, RatingSlot::Double, &RatingEntries::m},
    {rating_range::kZ1, 48, RatingSlot::Int, nullptr},
    {rating_range::kZ2, 52, RatingSlot::Int, nullptr},
    {rating_range::kX1, 56, RatingSlot::Double, &RatingEntries::x1},
    {rating_range::kX2, 64, RatingSlot::Double, &RatingEntries::x2},
    {rating_range::kXt2, 72, RatingSlot::Double, &RatingEntries::xt2},
    {rating_range::kXt1, 80, RatingSlot::Double, &RatingEntries::xt1},
    {rating_range::kEpsAlpha, 112, RatingSlot::Double, &RatingEntries::epsAlpha},
    {rating_range::kB, 432, RatingSlot::Double, &RatingEntries::b},
    {rating_range::kR, 440, RatingSlot::Double, &RatingEntries::r},
    {rating_range::kDelta2, 464, RatingSlot::DoubleDegrees, &RatingEntries::delta2},
    {rating_range::kDelta1, 488, RatingSlot::DoubleDegrees, &RatingEntries::delta1},
    {rating_range::kPhiR, 520, RatingSlot::Double, &RatingEntries::phiR},
    {rating_range::kEpsBeta, 576, RatingSlot::Double, &RatingEntries::epsBeta},
};

std::vector<double> probesOf(const RatingSlot& s) {
    const double lo = s.q.lower(), hi = s.q.upper();
    if (s.kind == RatingSlot::Int || s.kind == RatingSlot::IntDegrees)
        return {std::floor(lo) - 1, std::ceil(lo), std::ceil(lo) + 1, std::floor(hi) - 1, std::floor(hi),
                std::floor(hi) + 1, 0, 2e9, -2e9};
    auto step = [](double b) { return 1e-9 * std::max(1.0, std::abs(b)); };
    return {1e300, -1e300, 1e-300, lo - step(lo), lo, lo + step(lo), hi - step(hi), hi, hi + step(hi), 0};
}

}  // namespace

// For every slot the rating reads: a value its field refuses (out of its
// range, or 0 where the pair needs it) is refused by the load, naming the
// value; a value its field takes is refused only by the geometry record's
// own check (a design no geometry step writes), which names it too.
TEST(BevelRatingRanges, EverySlotTheLoadReadsIsRefusedWhereItsFieldRefusesIt) {
    const auto good = fixture();
    const RatingEntries base = loadRatingDesign(good)->entries;
    for (const RatingSlot& s : kRatingSlots) {
        for (double v : probesOf(s)) {
            auto f = good;
            RatingEntries e = base;
            switch (s.kind) {
            case RatingSlot::Int: putI32(f, kGeom + s.at, static_cast<std::int32_t>(v)); break;
            case RatingSlot::IntDegrees:
                for (std::size_t k = 0; k < 3; ++k) putI32(f, kGeom + s.at + 4 * k, k ? 0 : static_cast<std::int32_t>(v));
                break;
            case RatingSlot::Double: putF64(f, kGeom + s.at, v); break;
            case RatingSlot::DoubleDegrees:
                for (std::size_t k = 0; k < 3; ++k) putF64(f, kGeom + s.at + 8 * k, k ? 0 : v);
                break;
            }
            if (s.entry)
                e.*s.entry = v;
            else
                (s.at == 48 ? e.z1 : e.z2) = static_cast<int>(v);
            const std::string what = std::string(s.q.name) + " = " + fw::formatNumber(v);
            const bool fieldRefuses = entriesRefusal(e).has_value();
            auto loaded = loadRatingDesign(f);
            if (fieldRefuses) { EXPECT_FALSE(loaded.has_value()) << what; }
            if (loaded.has_value()) continue;
            const std::string& text = loaded.error().text;
            EXPECT_TRUE(text.ends_with(std::string("\n") + kavrin::kMsgRecordNotLoaded) || text == kMsgSpiralContact)
                << what << ": " << text;
            // The entries' own refusal names the field as the field names it.
            if (fieldRefuses && *entriesRefusal(e) != kMsgSpiralContact &&
                text.find(std::string(s.q.name) + "：") != std::string::npos) {
                EXPECT_EQ(text, kavrin::refusedOnLoad(*entriesRefusal(e))) << what;
            }
        }
    }
    // Within the geometry check's ranges the entries' own ranges speak: a
    // pressure angle of 0.5° would be taken by no field.
    RatingEntries e = base;
    e.alphaN = 0.5;
    EXPECT_EQ(entriesRefusal(e), "法面压力角 αn：" + fw::numberBoundsText(rating_range::given(rating_range::kAlphaN).bounds));
    e = base;
    e.m = 1e300;
    EXPECT_EQ(entriesRefusal(e), "大端模数 m：" + fw::numberBoundsText(rating_range::given(rating_range::kM).bounds));
    EXPECT_FALSE(entriesRefusal(base));
}
