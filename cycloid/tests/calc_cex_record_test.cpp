// The cycloid design record, its file, the store-step rules, the save names
// and the report. The fixtures come from tests/fixtures/make_cex_fixtures.py,
// which builds them from the file layout and the report's line table.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
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

// The one check of the record, as the load and the save run it: each
// finding refused with the block and the field named, or taken as it is.
TEST(CexRecordCheck, Findings) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        std::function<void(CexDesignRecord&)> change;
        int block;           // 0: the record passes
        const char* field;   // the start of the fault's text
    };
    const Case cases[] = {
        {"the filled record", [](CexDesignRecord&) {}, 0, ""},
        {"P 1e306 made Tc infinite", [&](CexDesignRecord& r) { r.b1.Tc = inf; }, 1, "输出扭矩 Tc：请输入 0 或 0.000001 到 10000000000 之间的数值。"},
        {"Zc 4294967294", [](CexDesignRecord& r) { r.b1.Zc = 4294967294u, r.b1.Zp = 4294967295u, r.b1.i = 4294967294.0; },
         1, "摆线轮齿数 Zc"},
        {"Zc 1000", [](CexDesignRecord& r) { r.b1.Zc = 1000, r.b1.Zp = 1001, r.b1.i = 1000; }, 1, "摆线轮齿数 Zc"},
        {"Zc 999, the largest", [](CexDesignRecord& r) { r.b1.Zc = 999, r.b1.Zp = 1000, r.b1.i = 999; }, 0, ""},
        {"Zc 7", [](CexDesignRecord& r) { r.b1.Zc = 7, r.b1.Zp = 8, r.b1.i = 7; }, 1, "摆线轮齿数 Zc"},
        {"i not Zc", [](CexDesignRecord& r) { r.b1.i = 12; }, 1, "传动比 i 须等于摆线轮齿数 Zc"},
        {"P negative", [](CexDesignRecord& r) { r.b1.P = -10; }, 1, "功 率 p：请输入 0 或 0.000001 到 1000000 之间的数值。"},
        {"K1 negative", [](CexDesignRecord& r) { r.b1.K1 = -0.5; }, 1, "短幅系数 K1：请输入 0 或 0.01 到 1 之间的数值。"},
        // Page 1 replaces an unreasonable efficiency when it loads it.
        {"η 1.2", [](CexDesignRecord& r) { r.b1.eta = 1.2; }, 0, ""},
        {"η infinite", [&](CexDesignRecord& r) { r.b1.eta = inf; }, 1, "传动效率 η："},
        {"block 1 complete without Rrp", [](CexDesignRecord& r) { r.b1.Rrp = 0; }, 1, "状态字 标为完成但数据不全"},
        {"X2 7", [](CexDesignRecord& r) { r.b2.X2 = 7; }, 2, "柱销数 X2"},
        {"Nz above X2", [](CexDesignRecord& r) { r.b2.Nz = 11; }, 2, "受力柱销数 Nz"},
        {"Nz negative", [](CexDesignRecord& r) { r.b2.Nz = -1; }, 2, "受力柱销数 Nz"},
        {"ΔfEs positive", [](CexDesignRecord& r) { r.b3.dfEs = 0.1; }, 3, "齿根圆直径上偏差 ΔfEs："},
        {"grade 5", [](CexDesignRecord& r) { r.b3.grade = 5; }, 3, "公差等级"},
        {"Δrrp NaN", [](CexDesignRecord& r) { r.b4.drrp = std::nan(""); }, 4, "正等距修形量 Δrrp："},
        {"n wrapped negative", [](CexDesignRecord& r) { r.b5.n = -1294967296; }, 5, "跨测齿数 n：请输入 0 或 3 到 999 之间的整数。"},
        {"Zn 5000", [](CexDesignRecord& r) { r.b6.Zn = 5000; }, 6, "啮合齿数 Zn：请输入 0 到 1000 之间的整数。"},
        {"μ 1.5", [](CexDesignRecord& r) { r.b6.mu = 1.5; }, 6, "泊桑比 μ：请输入 0 或 0.01 到 0.5 之间的数值。"},
        {"status 7", [](CexDesignRecord& r) { r.b4.status = 7; }, 4, "状态字 不是0或完成值"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CexDesignRecord r = filledRecord();
        c.change(r);
        auto fault = checkRecord(r);
        auto loaded = parseDesignFile(designFileBytes(r, 0));
        if (c.block == 0) {
            EXPECT_FALSE(fault) << fault->what;
            ASSERT_TRUE(loaded);
            EXPECT_EQ(recordBytes(loaded->record), recordBytes(r));
        } else {
            ASSERT_TRUE(fault);
            EXPECT_EQ(fault->block, c.block);
            EXPECT_EQ(fault->what.rfind(c.field, 0), 0u) << fault->what;
            EXPECT_FALSE(loaded);   // the load refuses what the save would not write
        }
    }
    CexDesignRecord r = filledRecord();
    r.b1.Tc = inf;
    EXPECT_EQ(recordFaultMessage(*checkRecord(r)),
              "设计数据有误，未保存：第1页(预定参数)的输出扭矩 Tc：请输入 0 或 0.000001 到 10000000000 之间的数值。");
}

// Random records, each field from a pool of ordinary and absurd values:
// what the check passes saves and loads back equal, with and without the
// header; what it refuses the load refuses too.
TEST(CexRecordCheck, SaveAndLoadAgreeOnRandomRecords) {
    std::uint32_t seed = 2024;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    const double doubles[] = {0, 0.5, 1, -1, 630.234, 1e308, -1e308, std::numeric_limits<double>::infinity(),
                              std::nan(""), 0.99, 1.2, 5e-324};
    const std::int64_t ints[] = {0, 1, 2, 3, 6, 9, 10, 11, 12, 16, 401, 402, 403, 404, 405, 406, 999, 1000, -1,
                                 4294967294LL, 2147483647LL};
    auto pickD = [&] { return doubles[next() % std::size(doubles)]; };
    auto pickI = [&] { return ints[next() % std::size(ints)]; };
    std::vector<std::function<void(CexDesignRecord&)>> setters = {
        [&](CexDesignRecord& r) { r.b1.a = pickD(); },      [&](CexDesignRecord& r) { r.b1.eta = pickD(); },
        [&](CexDesignRecord& r) { r.b1.Tc = pickD(); },     [&](CexDesignRecord& r) { r.b1.P = pickD(); },
        [&](CexDesignRecord& r) { r.b1.K1 = pickD(); },     [&](CexDesignRecord& r) { r.b1.i = pickD(); },
        [&](CexDesignRecord& r) {
            r.b1.Zc = static_cast<std::uint32_t>(pickI());
            r.b1.Zp = next() % 2 ? r.b1.Zc + 1 : static_cast<std::uint32_t>(pickI());
            if (next() % 2) r.b1.i = r.b1.Zc;
        },
        [&](CexDesignRecord& r) { r.b1.status = static_cast<std::int32_t>(pickI()); },
        [&](CexDesignRecord& r) { r.b2.X1 = static_cast<std::int32_t>(pickI()); },
        [&](CexDesignRecord& r) { r.b2.X2 = static_cast<std::int32_t>(pickI()); },
        [&](CexDesignRecord& r) { r.b2.Nz = static_cast<std::int32_t>(pickI()); },
        [&](CexDesignRecord& r) { r.b2.dsp = pickD(); },    [&](CexDesignRecord& r) { r.b2.Qmax = pickD(); },
        [&](CexDesignRecord& r) { r.b2.pinsLeftOut = static_cast<std::int32_t>(pickI()); },
        [&](CexDesignRecord& r) { r.b2.status = static_cast<std::int32_t>(pickI()); },
        [&](CexDesignRecord& r) { r.b3.dfEs = pickD(); },   [&](CexDesignRecord& r) { r.b3.DW = pickD(); },
        [&](CexDesignRecord& r) { r.b3.grade = static_cast<std::int32_t>(pickI()); },
        [&](CexDesignRecord& r) { r.b4.drp = pickD(); },    [&](CexDesignRecord& r) { r.b4.K1m = pickD(); },
        [&](CexDesignRecord& r) { r.b4.status = static_cast<std::int32_t>(pickI()); },
        [&](CexDesignRecord& r) { r.b5.n = static_cast<std::int32_t>(pickI()); },
        [&](CexDesignRecord& r) { r.b5.Ln = pickD(); },     [&](CexDesignRecord& r) { r.b6.E = pickD(); },
        [&](CexDesignRecord& r) { r.b6.mu = pickD(); },
        [&](CexDesignRecord& r) { r.b6.Zn = static_cast<std::int32_t>(pickI()); },
        [&](CexDesignRecord& r) { r.b6.status = static_cast<std::int32_t>(pickI()); },
    };
    int passed = 0, refused = 0;
    for (int round = 0; round < 5000; ++round) {
        CexDesignRecord r = next() % 4 ? filledRecord() : CexDesignRecord{};
        const int changes = 1 + next() % 3;
        for (int k = 0; k < changes; ++k) setters[next() % setters.size()](r);
        const auto fault = checkRecord(r);
        const auto withHeader = parseDesignFile(designFileBytes(r, 0));
        const auto body = recordBytes(r);
        const auto headerless = parseDesignFile(body);
        ASSERT_EQ(fault.has_value(), !withHeader.has_value()) << round;
        ASSERT_EQ(fault.has_value(), !headerless.has_value()) << round;
        if (fault) {
            ++refused;
            continue;
        }
        ++passed;
        EXPECT_EQ(recordBytes(withHeader->record), body) << round;
        EXPECT_EQ(recordBytes(headerless->record), body) << round;
    }
    // Both sides of the check are reached.
    EXPECT_GT(passed, 500);
    EXPECT_GT(refused, 500);
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
    ASSERT_EQ(saveDesignAndReportFiles(design, bytes, report, "a\nb").outcome, SaveOutcome::Saved);
    EXPECT_EQ(fileBytes(design), bytes);
    auto rep = fileBytes(report);
    EXPECT_EQ(std::string(rep.begin(), rep.end()), "a\r\nb");
    // A report that cannot be put in place: the older pair stays.
    auto dir2 = freshDir("save_report_fails");
    std::string d2 = (dir2 / "gear.cxd").string();
    writeBytes(d2, {1, 2, 3});
    std::filesystem::create_directory(dir2 / "gear.cxt");
    EXPECT_EQ(saveDesignAndReportFiles(d2, bytes, (dir2 / "gear.cxt").string(), "x").outcome, SaveOutcome::ReportFailed);
    EXPECT_EQ(fileBytes(d2), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir2), std::filesystem::directory_iterator()), 2);
    // A folder that does not exist.
    EXPECT_EQ(saveDesignAndReportFiles((dir / "no/gear.cxd").string(), bytes, (dir / "no/gear.cxt").string(), "x").outcome,
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
