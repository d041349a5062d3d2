// The cycloid design record, its file, the store-step rules, the save names
// and the report. The fixtures come from tests/fixtures/make_cex_fixtures.py,
// which builds them from the file layout and the report's line table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cycloid/calc/cex_files.h"
#include "cycloid/calc/cex_record.h"
#include "cycloid/calc/cex_report.h"
#include "cex_test_support.h"
#include "fw/text.h"

using namespace cycloid;
using namespace cextest;

TEST(CexRecordFile, SavedFileMatchesTheFixtureByteForByte) {
    auto bytes = designFileBytes(filledRecord(), 1700000000);
    auto expected = fileBytes(fixture("cex_filled.cxd"));
    ASSERT_EQ(expected.size(), 992u);
    ASSERT_EQ(bytes.size(), 992u);
    EXPECT_EQ(bytes, expected);
    // 400 in bytes 0 to 3, the word and its zero in 36 to 47.
    EXPECT_EQ(bytes[0], 0x90);
    EXPECT_EQ(bytes[1], 0x01);
    EXPECT_EQ(std::string(bytes.begin() + 36, bytes.begin() + 47), "W_CEXDESIGN");
    EXPECT_EQ(bytes[47], 0);
    // The blocks' status words sit where the layout puts them.
    const std::size_t statusAt[6] = {64 + 252, 344 + 136, 560 + 56, 664 + 56, 752 + 80, 864 + 40};
    for (int k = 0; k < 6; ++k) {
        std::int32_t s;
        std::memcpy(&s, &bytes[statusAt[k]], 4);
        EXPECT_EQ(s, 401 + k) << "block " << k + 1;
    }
}

TEST(CexRecordFile, IncompleteBlocksAreWrittenAsTheyAre) {
    CexDesignRecord r = filledRecord();
    r.b3.status = 0;
    r.b6 = {};
    auto bytes = designFileBytes(r, 0);
    auto back = parseDesignFile(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->record.b3.status, 0);
    EXPECT_DOUBLE_EQ(back->record.b3.dc, 0.19794);
    EXPECT_EQ(recordBytes(back->record), recordBytes(r));
}

TEST(CexRecordFile, LoadReadsTheFixtureBackExactly) {
    auto loaded = parseDesignFile(fileBytes(fixture("cex_filled.cxd")));
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(loaded->oldFile);
    EXPECT_EQ(recordBytes(loaded->record), recordBytes(filledRecord()));
}

TEST(CexRecordFile, OldHeaderlessFilesAreToldByFirstWordOrLength) {
    auto body = recordBytes(filledRecord());
    ASSERT_EQ(body.size(), 928u);
    // First word below 104: a = 1.0 has a low word of 0.
    CexDesignRecord small = filledRecord();
    small.b1.a = 1.0;   // low word 0
    auto oldSmall = recordBytes(small);
    auto l1 = parseDesignFile(oldSmall);
    ASSERT_TRUE(l1);
    EXPECT_TRUE(l1->oldFile);
    EXPECT_DOUBLE_EQ(l1->record.b1.a, 1.0);
    EXPECT_EQ(l1->record.b6.Zn, 3);
    // a = 1.7: the first word is 0x33333333, far above 104; the length tells.
    CexDesignRecord odd = filledRecord();
    odd.b1.a = 1.7;
    auto oldOdd = recordBytes(odd);
    std::uint32_t w;
    std::memcpy(&w, oldOdd.data(), 4);
    EXPECT_EQ(w, 0x33333333u);
    auto l2 = parseDesignFile(oldOdd);
    ASSERT_TRUE(l2);
    EXPECT_TRUE(l2->oldFile);
    EXPECT_DOUBLE_EQ(l2->record.b1.a, 1.7);
    EXPECT_EQ(recordBytes(l2->record), oldOdd);
}

TEST(CexRecordFile, RefusedFiles) {
    const auto good = fileBytes(fixture("cex_filled.cxd"));
    auto nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> change;
    };
    const Case cases[] = {
        {"another header word", [](auto& b) { b[37] = 'X'; }},
        {"991 bytes", [](auto& b) { b.pop_back(); }},
        {"NaN in block 1", [&](auto& b) { putF64(b, 64 + 8, nan); }},
        {"infinity in block 6", [](auto& b) { putF64(b, 864 + 96, INFINITY); }},
        {"status word 7", [](auto& b) { putI32(b, 64 + 252, 7); }},
        {"block 2 marked 401", [](auto& b) { putI32(b, 344 + 136, 401); }},
        {"block 1 complete with K2 0", [](auto& b) { putF64(b, 64 + 32, 0); }},
        {"block 2 complete with l 0", [](auto& b) { putF64(b, 344 + 120, 0); }},
        {"block 4 complete with Δs -1", [](auto& b) { putF64(b, 664 + 16, -1); }},
        {"block 6 complete with Zn 0", [](auto& b) { putI32(b, 864 + 16, 0); }},
        {"Zp not Zc + 1", [](auto& b) { putI32(b, 64 + 92, 13); }},
        {"Zc 0 with Zp 12", [](auto& b) { putI32(b, 64 + 88, 0); }},
        {"X1 4", [](auto& b) { putI32(b, 344 + 128, 4); }},
        {"X1 1", [](auto& b) { putI32(b, 344 + 128, 1); }},
        {"grade 5", [](auto& b) { putI32(b, 560 + 72, 5); }},
        {"grade -1", [](auto& b) { putI32(b, 560 + 72, -1); }},
        {"flag 2", [](auto& b) { putI32(b, 344 + 184, 2); }},
    };
    for (const Case& c : cases) {
        auto b = good;
        c.change(b);
        EXPECT_FALSE(parseDesignFile(b)) << c.what;
    }
    EXPECT_FALSE(parseDesignFile(std::vector<std::uint8_t>(927, 0)));
    EXPECT_FALSE(parseDesignFile({}));
}

TEST(CexRecordFile, AcceptedOddities) {
    auto good = fileBytes(fixture("cex_filled.cxd"));
    // Block 3 keeps 403 through incomplete edits: not held to its mask.
    auto b = good;
    putF64(b, 560 + 8, 0);
    EXPECT_TRUE(parseDesignFile(b));
    // Incomplete blocks with anything finite; both tooth counts 0.
    CexDesignRecord empty;
    EXPECT_TRUE(parseDesignFile(designFileBytes(empty, 0)));
    // Bytes behind the 992 are never read.
    b = good;
    b.resize(2000, 0xFF);
    EXPECT_TRUE(parseDesignFile(b));
}

TEST(CexStoreStep, FullMasksGiveTheTablesStatusAndButtons) {
    CexDesignRecord r = filledRecord();
    EXPECT_EQ(mask1(r.b1), kFullMask1);
    EXPECT_EQ(mask2(r.b2), kFullMask2);
    EXPECT_EQ(mask3(r.b3), kFullMask3);
    EXPECT_EQ(mask4(r.b4), kFullMask4);
    EXPECT_EQ(mask6(r.b6), kFullMask6);
    struct Row {
        int page;
        std::int32_t status;
        unsigned buttons;
    };
    const Row rows[] = {{1, 401, kWizNext},           {2, 402, kWizBack | kWizNext}, {3, 403, kWizBack | kWizNext},
                        {4, 404, kWizBack | kWizNext}, {5, 405, kWizBack | kWizNext}, {6, 406, kWizBack | kWizFinish}};
    for (const Row& row : rows) {
        StoreDecision d = storeDecision(row.page, r, 0);
        EXPECT_EQ(d.status, row.status) << row.page;
        EXPECT_EQ(d.buttons, row.buttons) << row.page;
        // Stale results: incomplete, Back only.
        StoreDecision stale = storeDecision(row.page, r, row.status, false);
        EXPECT_EQ(stale.status, 0) << row.page;
        EXPECT_EQ(stale.buttons, row.page == 1 ? 0u : kWizBack) << row.page;
    }
}

TEST(CexStoreStep, IncompleteBlocks) {
    CexDesignRecord r = filledRecord();
    r.b1.Zp = 0;
    EXPECT_EQ(mask1(r.b1), kFullMask1 & ~(1u << 12));
    EXPECT_EQ(storeDecision(1, r, 401).status, 0);
    EXPECT_EQ(storeDecision(1, r, 401).buttons, 0u);
    r.b2.dj = 0;
    EXPECT_EQ(storeDecision(2, r, 402).buttons, kWizBack);
    // Page 3 keeps its status in the store step and gets 0 on leaving.
    r.b3.dfEs = 0.01;   // must be negative
    StoreDecision d3 = storeDecision(3, r, 403);
    EXPECT_EQ(d3.status, 403);
    EXPECT_EQ(d3.buttons, kWizBack);
    EXPECT_EQ(leaveStatus(3, d3.mask), 0);
    r.b3.grade = 0;   // IT4: below the mask's index 1
    EXPECT_EQ(mask3(r.b3) & (1u << 7), 0u);
    r.b6.Zn = 0;
    EXPECT_EQ(storeDecision(6, r, 406).status, 0);
    EXPECT_EQ(storeDecision(6, r, 406).buttons, kWizBack);
    EXPECT_EQ(leaveStatus(5, 0), 405);
}

TEST(CexStoreStep, LeavingClearsTheReservedFields) {
    CexDesignRecord r = filledRecord();
    auto bytes = recordBytes(r);
    std::fill(bytes.begin(), bytes.end(), 0x5A);
    CexDesignRecord full = recordFromBytes(bytes);   // a load that put data everywhere
    zeroOnLeave(2, full);
    auto after = recordBytes(full);
    for (std::size_t k = 0; k < 216; ++k)
        EXPECT_EQ(after[280 + k], (k >= 192) ? 0 : 0x5A) << "block 2 byte " << k;
    zeroOnLeave(3, full);
    after = recordBytes(full);
    for (std::size_t k = 0; k < 104; ++k) {
        bool cleared = (k >= 76 && k < 84) || k >= 88;
        EXPECT_EQ(after[496 + k], cleared ? 0 : 0x5A) << "block 3 byte " << k;
    }
    zeroOnLeave(5, full);
    after = recordBytes(full);
    for (std::size_t k = 0; k < 112; ++k) {
        bool cleared = (k >= 84 && k < 92) || k >= 96;
        EXPECT_EQ(after[688 + k], cleared ? 0 : 0x5A) << "block 5 byte " << k;
    }
}

TEST(CexSaveNames, DesignAndReportNames) {
    struct Row {
        const char* chosen;
        const char* design;
        const char* report;
    };
    const Row rows[] = {
        {"/d/gear.txt", "/d/gear.cxd", "/d/gear.cxt"},
        {"/d/gear", "/d/gear.cxd", "/d/gear.cxt"},
        {"/d/a.b.cxd", "/d/a.b.cxd", "/d/a.b.cxt"},
        {"/d/x.cxd.d/gear.txt", "/d/x.cxd.d/gear.cxd", "/d/x.cxd.d/gear.cxt"},
        {"/d/gear.cxd.bak", "/d/gear.cxd.bak", "/d/gear.cxd.cxt"},
        {"/d/w.old/gear", "/d/w.old/gear.cxd", "/d/w.old/gear.cxt"},
    };
    for (const Row& row : rows) {
        std::string d = designFileName(row.chosen);
        EXPECT_EQ(d, row.design) << row.chosen;
        EXPECT_EQ(reportFileName(d), row.report) << row.chosen;
    }
    EXPECT_TRUE(isDesignFileName("/d/gear.cxd"));
    EXPECT_FALSE(isDesignFileName("/d/X.CXD"));
    EXPECT_FALSE(isDesignFileName("/d/x.cxd.d/gear.txt"));
    EXPECT_FALSE(isDesignFileName("/d/.cxd"));
}

TEST(CexReport, GoldenReportOfAFilledRecord) {
    std::string text = cexReportText(filledRecord());
    std::string gbk = fw::gbkFromUtf8(text);
    std::string crlf;
    for (char c : gbk) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    auto golden = fileBytes(fixture("cex_filled.cxt"));
    EXPECT_EQ(crlf, std::string(golden.begin(), golden.end()));
}

TEST(CexReport, MissingBlocksAndTheFlag) {
    CexDesignRecord r = filledRecord();
    r.b3.status = 0;
    r.b6.status = 0;
    std::string t = cexReportText(r);
    EXPECT_NE(t.find("\t4. 角修正有关参数:没有保存数据或数据格式不正确！\n\n"), std::string::npos);
    EXPECT_NE(t.find("\t修正短幅系数:              K'1=                                    0.4982 MPa\n\n\n\n\t6. "),
              std::string::npos);
    EXPECT_NE(t.find("\t7. 啮合副强度校核:没有保存数据或数据格式不正确！\n\n"
                     "\t8. 啮合副材料性能指标:没有保存数据或数据格式不正确！\n\n\n\t......完！OK!......\n"),
              std::string::npos);
    EXPECT_EQ(t.find("采取抽齿"), std::string::npos);
    r = filledRecord();
    r.b2.pinsLeftOut = 0;
    EXPECT_EQ(cexReportText(r).find("采取抽齿"), std::string::npos);
    r.b2.status = 0;
    t = cexReportText(r);
    EXPECT_NE(t.find("\t2. 主要另部件基本尺寸与受力:没有保存数据或数据格式不正确！\n\n"
                     "\t3. 输出机构材料性能指标:没有保存数据或数据格式不正确！\n\n"),
              std::string::npos);
    // dt is twice the stored rod radius.
    EXPECT_NE(t.find("dt=                                     21.95 mm\n"), std::string::npos);
}

TEST(CexFiles, SaveCommitsBothOrNeither) {
    auto dir = freshDir("save_both");
    std::string design = (dir / "gear.cxd").string(), report = (dir / "gear.cxt").string();
    std::vector<std::uint8_t> bytes(992, 7);
    ASSERT_EQ(saveDesignAndReportFiles(design, bytes, report, "a\nb"), SaveOutcome::Saved);
    EXPECT_EQ(fileBytes(design), bytes);
    auto rep = fileBytes(report);
    EXPECT_EQ(std::string(rep.begin(), rep.end()), "a\r\nb");
    // A report that cannot be put in place: the older pair stays.
    auto dir2 = freshDir("save_report_fails");
    std::string d2 = (dir2 / "gear.cxd").string();
    writeBytes(d2, {1, 2, 3});
    std::filesystem::create_directory(dir2 / "gear.cxt");
    EXPECT_EQ(saveDesignAndReportFiles(d2, bytes, (dir2 / "gear.cxt").string(), "x"), SaveOutcome::ReportFailed);
    EXPECT_EQ(fileBytes(d2), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir2), std::filesystem::directory_iterator()), 2);
    // A folder that does not exist.
    EXPECT_EQ(saveDesignAndReportFiles((dir / "no/gear.cxd").string(), bytes, (dir / "no/gear.cxt").string(), "x"),
              SaveOutcome::DesignFailed);
}

TEST(CexFiles, LoaderReadsRegularFilesOnlyAndAtMostItsSize) {
    auto dir = freshDir("load_bounded");
    EXPECT_FALSE(readDesignFileBytes(dir.string(), 992));
    EXPECT_FALSE(readDesignFileBytes((dir / "none.cxd").string(), 992));
    writeBytes(dir / "big.cxd", std::vector<std::uint8_t>(5000, 1));
    auto b = readDesignFileBytes((dir / "big.cxd").string(), 992);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->size(), 992u);
}

// A fuzz run over the loader: mutated and truncated files never crash it,
// and whatever it accepts holds only finite values, counts that fit and
// status words it knows.
TEST(CexRecordFile, FuzzedFilesAreRefusedOrSound) {
    const auto good = fileBytes(fixture("cex_filled.cxd"));
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        auto b = good;
        if (next() % 8 == 0) b.resize(next() % 1100);
        if (next() % 2) b.resize(928);
        int flips = 1 + next() % 8;
        for (int k = 0; k < flips && !b.empty(); ++k) b[next() % b.size()] = static_cast<std::uint8_t>(next());
        auto r = parseDesignFile(b);
        if (!r) continue;
        ++accepted;
        const auto& rec = r->record;
        EXPECT_TRUE(std::isfinite(rec.b1.a) && std::isfinite(rec.b6.E) && std::isfinite(rec.b4.drrp));
        EXPECT_TRUE(rec.b1.Zp == rec.b1.Zc + 1 || (rec.b1.Zc == 0 && rec.b1.Zp == 0));
        EXPECT_TRUE(rec.b3.grade >= 0 && rec.b3.grade <= 4);
        EXPECT_TRUE(rec.b1.status == 0 || rec.b1.status == kStatus1);
        EXPECT_EQ(recordBytes(parseDesignFile(designFileBytes(rec, 0))->record), recordBytes(rec));
    }
    EXPECT_GT(accepted, 0);
}
