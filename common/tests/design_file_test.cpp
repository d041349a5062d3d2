#include "common/calc/design_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/calc/data_file_header.h"

using namespace kavrin;
namespace fs = std::filesystem;

namespace {

// A header built byte by byte from its layout: version at 0, kind at 4, the
// word at 36, the time stamp at 56, all little-endian.
std::vector<std::uint8_t> handBuiltHeader(std::int32_t version, std::int32_t kind, const char* word, std::int64_t t) {
    std::vector<std::uint8_t> b(64, 0);
    for (int k = 0; k < 4; ++k) b[k] = std::uint8_t(std::uint32_t(version) >> (8 * k));
    for (int k = 0; k < 4; ++k) b[4 + k] = std::uint8_t(std::uint32_t(kind) >> (8 * k));
    std::memcpy(&b[36], word, std::strlen(word));
    for (int k = 0; k < 8; ++k) b[56 + k] = std::uint8_t(std::uint64_t(t) >> (8 * k));
    return b;
}

TEST(DataFileHeader, WriterAndReaderFollowTheLayout) {
    auto expected = handBuiltHeader(400, 2, "W_CYDESIGN", 1765324800);
    EXPECT_EQ(writeHeader(makeHeader(2, kWordCyDesign, 1765324800)), expected);

    auto h = readHeader(handBuiltHeader(400, 3, "W_CONDESIGN", -5));
    ASSERT_TRUE(h);
    EXPECT_EQ(h->version, 400);
    EXPECT_EQ(h->kind, 3);
    EXPECT_EQ(h->word, "W_CONDESIGN");
    EXPECT_EQ(h->timeStamp, -5);
    EXPECT_FALSE(h->isOldFile());
    EXPECT_TRUE(readHeader(handBuiltHeader(103, 0, "", 0))->isOldFile());
    EXPECT_FALSE(readHeader(std::vector<std::uint8_t>(63, 0)));

    CDataFileHeader fresh;
    EXPECT_EQ(fresh.timeStamp, 0);
}

TEST(DesignFileNames, SaveNamesLookAtTheFileNameOnly) {
    struct Case { const char* name; fs::path chosen; fs::path data; bool changed; fs::path report; };
    const Case cases[] = {
        // The examples of the save steps: gear.txt → gear.cyb and gear.cyt.
        {"other extension replaced", "/d/gear.txt", "/d/gear.cyb", true, "/d/gear.cyt"},
        {"no extension appended", "/d/gear", "/d/gear.cyb", true, "/d/gear.cyt"},
        {"right extension kept", "/d/gear.cyb", "/d/gear.cyb", false, "/d/gear.cyt"},
        {"from the last dot", "/d/a.b.txt", "/d/a.b.cyb", true, "/d/a.cyt"},
        {"extension inside the name kept", "/d/x.cyb.old", "/d/x.cyb.old", false, "/d/x.cyt"},
        // Folder names with dots are never cut.
        {"dotted folder, bare name", "/home/u/v1.2/gear", "/home/u/v1.2/gear.cyb", true, "/home/u/v1.2/gear.cyt"},
        {"dotted folder, data name", "/x.cyb/gear", "/x.cyb/gear.cyb", true, "/x.cyb/gear.cyt"},
        {"upper-case extension is not the extension", "g.CYB", "g.cyb", true, "g.cyt"},
        {"leading dot is part of the name", "/d/.gear", "/d/.gear.cyb", true, "/d/.gear.cyt"},
    };
    for (const auto& c : cases) {
        auto n = normaliseDataName(c.chosen, kExtCyData);
        EXPECT_EQ(n.path, c.data) << c.name;
        EXPECT_EQ(n.changed, c.changed) << c.name;
        EXPECT_EQ(saveReportName(n.path, kExtCyReport), c.report) << c.name;
    }
}

TEST(DesignFileNames, LoadNames) {
    struct Case { const char* name; fs::path p; bool accepted; fs::path report; };
    const Case cases[] = {
        {"plain", "/d/gear.cyb", true, "/d/gear.cyt"},
        {"cut at the extension", "/d/a.b.cyb", true, "/d/a.b.cyt"},
        {"extension in a folder only", "/d/x.cyb/gear", false, ""},
        {"case-sensitive", "/d/gear.CYB", false, ""},
        {"the extension alone is no name", "/d/.cyb", false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hasDataExtension(c.p, kExtCyData), c.accepted) << c.name;
        if (c.accepted) {
            EXPECT_EQ(loadReportName(c.p, kExtCyData, kExtCyReport), c.report) << c.name;
        }
    }
}

TEST(DesignFileNames, Notices) {
    EXPECT_EQ(renameNotice("/d/gear.txt", "/d/gear.cyb"),
              "文件名“/d/gear.txt”不符合规定格式，将以“/d/gear.cyb”文件名保存!");
    EXPECT_EQ(savedNotice("/d/gear.cyt"), "计算记录已以\n/d/gear.cyt\n文件名输出报告！");
}

TEST(DesignFileBytes, HeaderThenRecords) {
    std::vector<std::vector<std::uint8_t>> records{{1, 2, 3}, {4, 5}};
    auto bytes = designFileBytes(makeHeader(2, kWordCyDesign, 7), records);
    auto expected = handBuiltHeader(400, 2, "W_CYDESIGN", 7);
    expected.insert(expected.end(), {1, 2, 3, 4, 5});
    EXPECT_EQ(bytes, expected);
}

TEST(DesignFileBytes, SplitChecksTheWholeLength) {
    auto file = handBuiltHeader(400, 2, "W_CYDESIGN", 7);
    file.resize(64 + 376, 0xAB);
    auto body = splitDesignFile(file, 376);
    ASSERT_TRUE(body);
    EXPECT_FALSE(body->oldFile);
    EXPECT_EQ(body->header.word, "W_CYDESIGN");
    EXPECT_EQ(body->records.size(), 376u);
    EXPECT_EQ(body->records.data(), file.data() + 64);

    // One byte short of the record: refused.
    file.pop_back();
    EXPECT_FALSE(splitDesignFile(file, 376));

    // An old file: first int32 below 104, the record from byte 0.
    std::vector<std::uint8_t> old(376, 0);
    old[0] = 20;
    auto oldBody = splitDesignFile(old, 376);
    ASSERT_TRUE(oldBody);
    EXPECT_TRUE(oldBody->oldFile);
    EXPECT_EQ(oldBody->records.data(), old.data());
    old.pop_back();
    EXPECT_FALSE(splitDesignFile(old, 376));

    EXPECT_FALSE(splitDesignFile(std::vector<std::uint8_t>{1, 0}, 376));
    EXPECT_FALSE(splitDesignFile(std::vector<std::uint8_t>{}, 376));
}

}  // namespace
