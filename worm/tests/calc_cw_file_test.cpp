// The file steps of the worm design file: the three readers and their
// refusals, old headerless files, name rules, the committed save of a data
// file with its report, and the scales of the contact-factor charts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <filesystem>
#include <functional>
#include <limits>

#include "fw/file.h"
#include "common/calc/record_check.h"
#include "worm/calc/arc_geometry.h"
#include "worm/calc/contact_chart.h"
#include "worm/calc/cw_file.h"

namespace fs = std::filesystem;
using namespace worm;

namespace {

// A record-check refusal adds the value at fault after the loader's text:
// the part of `text` a message of `message`'s length starts with.
std::string leading(const std::string& text, const char* message) { return text.substr(0, std::strlen(message)); }
// A record of the kind with a value out of range: the value first, then that
// the file was not loaded.
bool valueRefused(const std::string& text) { return text.ends_with(std::string("\n") + kavrin::kMsgRecordNotLoaded); }

std::vector<std::uint8_t> fixture(const char* name) {
    auto b = fw::readFile(fs::path(KAVRIN_SOURCE_DIR) / "worm/tests/fixtures" / name);
    EXPECT_TRUE(b) << name;
    return b ? *b : std::vector<std::uint8_t>{};
}

void putI32(std::vector<std::uint8_t>& b, std::size_t off, std::int32_t v) { std::memcpy(&b[off], &v, 4); }
void putF64(std::vector<std::uint8_t>& b, std::size_t off, double v) { std::memcpy(&b[off], &v, 8); }

// File offsets: the preliminary record at 64, the geometry record at 384.
constexpr std::size_t kPre = 64, kGeom = 384;

enum class Reader { Preliminary, Ordinary, Zc1, Zc3, Rating };
fw::Expected<LoadedDesign, Refusal> load(Reader r, std::span<const std::uint8_t> f) {
    switch (r) {
    case Reader::Preliminary: return loadForPreliminary(f);
    case Reader::Ordinary: return loadForGeometry(f, Family::Ordinary);
    case Reader::Zc1: return loadForGeometry(f, Family::Zc1);
    case Reader::Zc3: return loadForGeometry(f, Family::Zc3);
    case Reader::Rating: return loadForRating(f);
    }
    return fw::unexpected(Refusal{});
}

const char* wrongWordText(Reader r) {
    switch (r) {
    case Reader::Preliminary:
    case Reader::Ordinary: return kMsgNoCalcOrGeomFull;
    case Reader::Zc1: return kMsgNoCalcOrGeomZc1;
    case Reader::Zc3:
    case Reader::Rating: return kMsgNoCalcOrGeomHalf;
    }
    return "";
}

// A design of each family as its geometry step saves it: the chain design
// (ordinary ZA pair, make_chain.py) and the arc design of cw_zc.cwb as a
// ZC1 pair at a' 130 and a ZC3 pair at a' 132.5.
std::vector<std::uint8_t> savedDesign(Family f) {
    if (f == Family::Ordinary) return fixture("cw_chain_geom.cwb");
    auto pre = loadForPreliminary(fixture("cw_zc.cwb"));
    EXPECT_TRUE(pre);
    if (f == Family::Zc1) {
        arc::Zc1 z = *arc::zc1Start(pre->pre);
        z.g.aw = 130;
        EXPECT_TRUE(arc::zc1Calculate(z));
        return geometryFileBytes(pre->pre, z.g, 1765324800);
    }
    CwGeomRecord g = *arc::zc3Start(pre->pre);
    g.aw = 132.5;
    EXPECT_TRUE(arc::zc3Calculate(g));
    return geometryFileBytes(pre->pre, g, 1765324800);
}

TEST(CwFile, EveryReaderRefusesWhatIsNotItsFile) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
        bool value = false;
    };
    // Each spoiled file gets the reader's "not this kind of data" text; one
    // with a value out of range (value) names it first.
    const std::vector<Case> cases{
        {"header word", [](auto& b) { b[36] = 'X'; }},
        {"short file", [](auto& b) { b.resize(200); }},
        {"worm type 7", [](auto& b) { putI32(b, kPre + 4, 7); }},
        {"worm type -1", [](auto& b) { putI32(b, kPre + 4, -1); }},
        {"module 0", [](auto& b) { putF64(b, kPre + 104, 0.0); }, true},
        {"d1 NaN", [nan](auto& b) { putF64(b, kPre + 136, nan); }, true},
        {"Z2 0", [](auto& b) { putI32(b, kPre + 100, 0); }, true},
        {"a infinite", [](auto& b) { putF64(b, kPre + 144, std::numeric_limits<double>::infinity()); }, true},
    };
    for (Reader r : {Reader::Preliminary, Reader::Ordinary, Reader::Zc1, Reader::Zc3, Reader::Rating})
        for (const Case& c : cases) {
            auto file = fixture("cw_chain_geom.cwb");
            c.spoil(file);
            auto got = load(r, file);
            ASSERT_FALSE(got) << c.name << " reader " << int(r);
            if (c.value) EXPECT_TRUE(valueRefused(got.error().text)) << c.name << " reader " << int(r);
            else EXPECT_EQ(leading(got.error().text, wrongWordText(r)), wrongWordText(r)) << c.name << " reader " << int(r);
            EXPECT_EQ(got.error().icon, Icon::Warning);
        }
}

TEST(CwFile, StatusWords) {
    auto unfinished = fixture("cw_chain_geom.cwb");
    putI32(unfinished, kPre, 300);
    for (Reader r : {Reader::Preliminary, Reader::Ordinary, Reader::Zc1, Reader::Zc3, Reader::Rating}) {
        auto got = load(r, unfinished);
        ASSERT_FALSE(got);
        EXPECT_EQ(got.error().text, kMsgUnfinishedPre);
    }
    // A file written by the preliminary step only: the rating wants geometry.
    auto pre = fixture("cw_pre.cwb");
    auto rating = loadForRating(pre);
    ASSERT_FALSE(rating);
    EXPECT_EQ(rating.error().text, kMsgNoGeometry);
    EXPECT_TRUE(loadForPreliminary(pre));
    EXPECT_TRUE(loadForGeometry(pre, Family::Ordinary));
    // Every geometry status is taken by the rating, none other; a status
    // word of another family than the record's is refused too.
    for (Family f : {Family::Ordinary, Family::Zc1, Family::Zc3}) {
        const auto file = savedDesign(f);
        EXPECT_TRUE(loadForRating(file)) << int(f);
        for (auto [status, text] : {std::pair{301, kMsgNoGeometry}, {30202, kMsgNoGeometry}}) {
            auto spoilt = file;
            putI32(spoilt, kGeom + 424, status);
            EXPECT_EQ(loadForRating(spoilt).error().text, text) << status;
        }
    }
    auto ordinaryAsZc1 = savedDesign(Family::Ordinary);
    putI32(ordinaryAsZc1, kGeom + 424, 30201);
    EXPECT_EQ(leading(loadForRating(ordinaryAsZc1).error().text, kMsgNoCalcOrGeomHalf), kMsgNoCalcOrGeomHalf);
}

// One check for the preliminary record: what its fields refuse, every
// reader refuses (naming the value first).
TEST(CwFile, EveryLoadRefusesWhatThePreliminaryFieldsRefuse) {
    for (auto [off, v] : {std::pair<std::size_t, double>{24, 4.9}, {24, 70.1}, {8, 0.0}, {16, -1.0}, {32, -7.5},
                          {48, 0.0}, {88, 0.0}}) {
        auto f = fixture("cw_chain_geom.cwb");
        putF64(f, kPre + off, v);
        for (Reader r : {Reader::Preliminary, Reader::Ordinary, Reader::Rating}) {
            auto got = load(r, f);
            ASSERT_FALSE(got) << off << " " << v;
            EXPECT_TRUE(valueRefused(got.error().text)) << off << " " << v << ": " << got.error().text;
        }
    }
}

// A file whose first int32 is below 104 has no header: its records start at
// byte 0 and 320. The preliminary record starts with its status word, so
// such a file never holds a completed record (301): after the notice it gets
// the status refusal. A headerless copy of a completed design (first int32
// 301) is read as a file with header and refused by its header word.
TEST(CwFile, OldHeaderlessFiles) {
    auto full = savedDesign(Family::Zc3);
    std::vector<std::uint8_t> headerless(full.begin() + 64, full.end());  // 896 bytes
    EXPECT_FALSE(isOldFile(headerless));
    EXPECT_FALSE(isOldFile(full));
    for (Reader r : {Reader::Preliminary, Reader::Ordinary, Reader::Rating}) {
        auto got = load(r, headerless);
        ASSERT_FALSE(got);
        EXPECT_EQ(leading(got.error().text, wrongWordText(r)), wrongWordText(r));
    }
    putI32(headerless, 0, 3);  // an old status word
    ASSERT_TRUE(isOldFile(headerless));
    for (Reader r : {Reader::Preliminary, Reader::Ordinary, Reader::Rating}) {
        auto got = load(r, headerless);
        ASSERT_FALSE(got);
        EXPECT_EQ(got.error().text, kMsgUnfinishedPre) << int(r);
    }
    // Too short even without a header: "not this kind of data".
    std::vector<std::uint8_t> shortOld(headerless.begin(), headerless.begin() + 300);
    EXPECT_EQ(loadForPreliminary(shortOld).error().text, kMsgNoCalcOrGeomFull);
    // The geometry save of a design always writes the 960-byte layout.
    auto rating = loadForRating(full);
    ASSERT_TRUE(rating) << rating.error().text;
    EXPECT_EQ(geometryFileBytes(rating->pre, *rating->geom, 1765324800), full);
}

TEST(CwFile, NameRulesLookAtTheFileNameOnly) {
    EXPECT_TRUE(isCwbName("/d/gear.cwb"));
    EXPECT_TRUE(isCwbName("/d/gear.v2.cwb"));
    EXPECT_FALSE(isCwbName("/d/v1.cwb.d/gear"));
    EXPECT_FALSE(isCwbName("/d/.cwb"));  // ".cwb" must follow the first character
    EXPECT_EQ(reportNameOf("/d/gear.cwb"), fs::path("/d/gear.cwt"));
    EXPECT_EQ(reportNameOf("/d/gear.v2.cwb"), fs::path("/d/gear.v2.cwt"));
    EXPECT_EQ(reportNameOf("/d/v1.cwb.d/gear.cwb"), fs::path("/d/v1.cwb.d/gear.cwt"));
    auto n = preliminarySaveName("/d/gear.txt");
    EXPECT_TRUE(n.changed);
    EXPECT_EQ(n.path, fs::path("/d/gear.cwb"));
    n = preliminarySaveName("/d/v1.2/gear");
    EXPECT_TRUE(n.changed);
    EXPECT_EQ(n.path, fs::path("/d/v1.2/gear.cwb"));
    n = preliminarySaveName("/d/gear.v2.cwb");
    EXPECT_FALSE(n.changed);
    EXPECT_EQ(msgNotCwbName("x.txt"), "文件x.txt不是“*.cwb”格式，请重新赋名！");
}

class CwCommit : public ::testing::Test {
protected:
    void SetUp() override {
        const char* root = std::getenv("KAVRIN_TEST_TMP");
        m_dir = fs::path(root ? root : fs::temp_directory_path().string()) /
                (std::string("cw-commit-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    std::vector<std::uint8_t> bytesOf(const fs::path& p) {
        auto b = fw::readFile(p);
        return b ? *b : std::vector<std::uint8_t>{};
    }
    std::size_t filesIn() {
        std::size_t n = 0;
        for ([[maybe_unused]] auto& e : fs::directory_iterator(m_dir)) ++n;
        return n;
    }
    fs::path m_dir;
};

TEST_F(CwCommit, CreateAndAppendWriteGbkWithCrLf) {
    const fs::path data = m_dir / "gear.cwb", report = m_dir / "gear.cwt";
    const std::vector<std::uint8_t> bytes(960, 7);
    ASSERT_TRUE(commitDesignAndReport(data, bytes, report, "预定\n", ReportMode::Create));
    ASSERT_TRUE(commitDesignAndReport(data, bytes, report, "几何\n", ReportMode::Append));
    EXPECT_EQ(bytesOf(data), bytes);
    // 预 D4 A4, 定 B6 A8, 几 BC B8, 何 BA CE
    EXPECT_EQ(bytesOf(report), (std::vector<std::uint8_t>{0xD4, 0xA4, 0xB6, 0xA8, 0x0D, 0x0A, 0xBC, 0xB8, 0xBA, 0xCE,
                                                          0x0D, 0x0A}));
    ASSERT_TRUE(commitDesignAndReport(data, bytes, report, "a\n", ReportMode::Create));
    EXPECT_EQ(bytesOf(report), (std::vector<std::uint8_t>{'a', 0x0D, 0x0A}));
    EXPECT_EQ(filesIn(), 2u);  // no temporaries left behind
}

TEST_F(CwCommit, AReportThatCannotBeWrittenLeavesTheOldDataFile) {
    const fs::path data = m_dir / "gear.cwb", report = m_dir / "gear.cwt";
    const std::vector<std::uint8_t> old(960, 1);
    ASSERT_TRUE(fw::writeFile(data, old));
    fs::create_directories(report);  // a folder where the report should be
    auto r = commitDesignAndReport(data, std::vector<std::uint8_t>(960, 2), report, "x\n", ReportMode::Append);
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.error().report);
    EXPECT_EQ(r.error().error.path, report);
    EXPECT_EQ(bytesOf(data), old);
    EXPECT_EQ(filesIn(), 2u);
    // A data file that cannot be written leaves the report alone.
    fs::remove(report);
    ASSERT_TRUE(fw::writeFile(report, std::vector<std::uint8_t>{'o', 'k'}));
    fs::remove(data);
    fs::create_directories(data);
    auto r2 = commitDesignAndReport(data, old, report, "x\n", ReportMode::Create);
    ASSERT_FALSE(r2);
    EXPECT_FALSE(r2.error().report);
    EXPECT_EQ(bytesOf(report), (std::vector<std::uint8_t>{'o', 'k'}));
}

TEST_F(CwCommit, ReaderTakesRegularFilesOnlyAndAtMostTheFileLength) {
    EXPECT_FALSE(readDesignFile(m_dir));
    EXPECT_EQ(readDesignFile(m_dir / "none.cwb").error().cause, fw::FileCause::NotFound);
    const fs::path big = m_dir / "big.cwb";
    ASSERT_TRUE(fw::writeFile(big, std::vector<std::uint8_t>(5000, 3)));
    auto b = readDesignFile(big);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->size(), kFileBytes);
}

TEST(ContactChart, Scales) {
    // Starting positions: 50·(d1/a − 0.25)/0.3, clamped, NaN at 0.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [d1a, pos] : {std::pair{0.25, 0}, {0.4, 25}, {0.55, 50}, {0.7, 50}, {0.1, 0}, {nan, 0}, {1e300, 50}})
        EXPECT_EQ(chart::startPosition(d1a), pos) << d1a;
    // Zρ = 2.55 + (50 − pos)·0.85/50.
    EXPECT_DOUBLE_EQ(chart::zrhoAt(0), 3.4);
    EXPECT_DOUBLE_EQ(chart::zrhoAt(25), 2.975);
    EXPECT_DOUBLE_EQ(chart::zrhoAt(50), 2.55);
    EXPECT_DOUBLE_EQ(chart::zrhoAt(20), 3.06);
    EXPECT_DOUBLE_EQ(chart::d1aAt(0), 0.25);
    EXPECT_DOUBLE_EQ(chart::d1aAt(25), 0.4);
    EXPECT_DOUBLE_EQ(chart::d1aAt(50), 0.55);
    // Cross-hair: products first, then the division.
    EXPECT_EQ(chart::crossX(437, 25), 432 * 25 / 50 + 107);
    EXPECT_EQ(chart::crossY(293, 50), 288 + 42);
}

}  // namespace
