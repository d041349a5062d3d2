// The 776-byte design file of the geometry sheet: writer, both loaders, the
// copies between page 1 and the records, and the file names of the save.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>

#include "common/tests/range_probes.h"
#include "common/calc/data_file_header.h"
#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "cylindrical/calc/characteristic.h"
#include "cylindrical/calc/cy_geom_ranges.h"
#include "cylindrical/calc/geometry_design.h"
#include "fw/file.h"
#include "fw/format.h"

namespace cylindrical {
namespace {

CyPreRecord preliminary() {
    CyPreRecord p;
    p.z1 = 20, p.z2 = 40, p.mn = 2, p.ms = 2, p.a = 60, p.i = 2, p.phiD = 0.8, p.support = 1;
    p.title = "试验齿轮", p.number = "TX-7", p.date = "2024年5月6日";
    return p;
}

CyGeomRecord geometry() {
    PairState s;
    s.z1 = 20, s.z2 = 40, s.mn = 2;
    s = distribute(helixChanged(s).state).state;
    CyGeomRecord g;
    g.psiD = 0.8;
    g.hand = kHandRight, g.cStarIndex = 1, g.epsAlpha = 1.6352;
    storePair(s, {"试验齿轮", "TX-7", "2024年5月6日"}, g);
    return g;
}

std::vector<std::uint8_t> withWord(std::vector<std::uint8_t> file, std::string_view word) {
    auto h = kavrin::readHeader(file);
    h->word = std::string(word);
    auto head = kavrin::writeHeader(*h);
    std::copy(head.begin(), head.end(), file.begin());
    return file;
}

TEST(GeometryDesignFile, SavedFileIs776BytesAndLoadsBackFieldByField) {
    auto file = geometryDesignFileBytes(preliminary(), geometry(), 1714953600);
    ASSERT_EQ(file.size(), 776u);
    ASSERT_EQ(file.size(), kGeometryFileSize);
    auto loaded = loadGeometryDesign(file);
    ASSERT_TRUE(loaded) << loaded.error();
    CyGeomRecord expected = geometry();
    expected.status = kCyGeomStatus;  // the save sets both status words
    EXPECT_EQ(loaded->geom, expected);
    EXPECT_EQ(loaded->pre.status, kCyPreStatus);
    EXPECT_EQ(writeCyPreRecord(loaded->pre), writeCyPreRecord(preliminary()));
    EXPECT_FALSE(loaded->oldFile);
    auto h = kavrin::readHeader(file);
    EXPECT_EQ(h->version, 400);
    EXPECT_EQ(h->kind, 2);
    EXPECT_EQ(h->word, "W_CYDESIGN");
    EXPECT_EQ(h->timeStamp, 1714953600);
    // The preliminary loader reads the same file.
    auto pre = loadPreliminaryForGeometry(file);
    ASSERT_TRUE(pre) << pre.error();
    EXPECT_EQ(pre->pre.z2, 40);
}

// The fuzz corpus starts from a design file both loaders accept (its seed
// written by hand: 20/40 teeth, mn 2, αn 20°, a = ad = 60) and from the same
// file with a module of 1e307, refused because its diameters would not be finite.
TEST(GeometryDesignFile, FuzzSeedsLoadAsIntended) {
    auto seed = [](const char* name) {
        auto r = fw::readFile(std::filesystem::path(KAVRIN_SOURCE_DIR) / "fuzz/corpus/cy_geometry_design" / name);
        EXPECT_TRUE(r) << name;
        return r ? *r : std::vector<std::uint8_t>{};
    };
    auto good = loadGeometryDesign(seed("example.cyb"));
    ASSERT_TRUE(good) << good.error();
    EXPECT_EQ(good->geom.z2, 40);
    EXPECT_TRUE(loadPreliminaryForGeometry(seed("example.cyb")));
    auto huge = loadGeometryDesign(seed("huge_module.cyb"));
    ASSERT_FALSE(huge);
    // refused by the value, named on the first line
    EXPECT_EQ(huge.error(), kavrin::refusedOnLoad("法面摸数 m：请输入 0.01 到 100 之间的数值。"));
}

TEST(GeometryDesignFile, RefusalsOfBothLoaders) {
    auto good = geometryDesignFileBytes(preliminary(), geometry(), 0);
    auto preOnly = cyPreFileBytes(preliminary(), 0);
    CyGeomRecord badHand = geometry();
    badHand.hand = 5;
    CyPreRecord unfinished = preliminary();
    unfinished.status = 7;
    auto unfinishedPre = cyPreFileBytes(unfinished, 0);
    auto geomNot102 = geometryDesignFileBytes(preliminary(), geometry(), 0);
    geomNot102[64 + 376 + 184] = 0;  // status word of the geometry record
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        const char* preliminaryLoader;  // nullptr: accepted
        const char* editLoader;
    } cases[] = {
        {"measurement file", withWord(good, "W_CYMEASURE"), kMsgMeasurementFile, kMsgMeasurementFile},
        {"bevel file", withWord(good, "W_CONDESIGN"), kMsgNotDesignFile, kMsgNotDesignFile},
        {"shorter than a header", std::vector<std::uint8_t>(good.begin(), good.begin() + 40), kMsgNotDesignFile,
         kMsgNotDesignFile},
        {"preliminary-only file", preOnly, nullptr, kMsgUnfinishedGeometry},
        {"preliminary status not 101", unfinishedPre, kMsgUnfinishedGeometry, kMsgUnfinishedGeometry},
        {"geometry status not 102", geomNot102, nullptr, kMsgUnfinishedGeometry},
        {"hand index out of its list", geometryDesignFileBytes(preliminary(), badHand, 0), nullptr,
         "所用数据文件不包含圆柱齿轮设计计算数据。\n旋向：不是可选的一项。"},
    };
    for (const auto& c : cases) {
        auto p = loadPreliminaryForGeometry(c.file);
        if (c.preliminaryLoader) {
            ASSERT_FALSE(p) << c.name;
            EXPECT_EQ(p.error(), c.preliminaryLoader) << c.name;
        } else {
            EXPECT_TRUE(p) << c.name;
        }
        auto e = loadGeometryDesign(c.file);
        ASSERT_FALSE(e) << c.name;
        EXPECT_EQ(e.error(), c.editLoader) << c.name;
    }
}

// The one check of the geometry record: each row a pair the sheet's page 1
// refuses (or a value its fields refuse), the fault naming it; the save
// writes nothing of it and both loaders refuse its bytes.
TEST(GeometryDesignCheck, RefusedPairsAreNeverWrittenAndNeverLoaded) {
    // list: a list index outside its list, which the loaders refuse as no
    // design file; any other fault comes first in their refusal.
    struct Case { const char* name; void (*spoil)(CyGeomRecord&); const char* fault; bool list = false; };
    const Case cases[] = {
        {"Z 20/10", [](CyGeomRecord& g) { g.z1 = 20, g.z2 = 10; }, kMsgGeomTeethOrder},
        {"Z1 1000000", [](CyGeomRecord& g) { g.z1 = 1000000; }, "齿数 Z1：请输入 1 到 100000 之间的整数。"},
        {"Z2 wrapped negative", [](CyGeomRecord& g) { g.z2 = -1294967296; }, "齿数 Z2：请输入 1 到 100000 之间的整数。"},
        {"internal 20/20", [](CyGeomRecord& g) { g.z2 = 20, g.meshType = 1, g.ad = 0; }, kMsgGeomInternalTeeth},
        {"a = 0 with ad 60", [](CyGeomRecord& g) { g.a = 0; }, "设计给定中心距 а：请输入 0.000001 到 10000000 之间的数值。"},
        {"a = 1e308", [](CyGeomRecord& g) { g.a = 1e308, g.alphaWtDeg = 90; }, "设计给定中心距 а：请输入 0.000001 到 10000000 之间的数值。"},
        {"αwt 90°", [](CyGeomRecord& g) { g.alphaWtDeg = 90; }, kMsgCentreDistanceTooLarge},
        {"αn 0°", [](CyGeomRecord& g) { g.alphaNDeg = 0; }, kMsgPressureAngleRange},
        {"αn 30°30′", [](CyGeomRecord& g) { g.alphaNDeg = 30, g.alphaNMin = 30; }, kMsgPressureAngleRange},
        {"αn minutes 75", [](CyGeomRecord& g) { g.alphaNMin = 75; }, "α 分：请输入 0 到 59 之间的整数。"},
        {"β 60°30′", [](CyGeomRecord& g) { g.betaDeg = 60, g.betaMin = 30; }, kMsgHelixTooLarge},
        {"β minutes -30", [](CyGeomRecord& g) { g.betaMin = -30; }, "β 分：请输入 0 到 59 之间的整数。"},
        {"mn 0", [](CyGeomRecord& g) { g.mn = 0; }, "法面摸数 m：请输入 0.01 到 100 之间的数值。"},
        {"mn 1e307", [](CyGeomRecord& g) { g.mn = 1e307; }, "法面摸数 m：请输入 0.01 到 100 之间的数值。"},
        {"εα 1e308", [](CyGeomRecord& g) { g.epsAlpha = 1e308; }, "端面重合度 εα：请输入 0 或 0.01 到 3.5 之间的数值。"},
        {"ha* 0.9", [](CyGeomRecord& g) { g.haStar = 0.9; }, "齿顶高系数 ha*：只能取 1.0 或 0.8。"},
        {"hand 3", [](CyGeomRecord& g) { g.hand = 3; }, "旋向：不是可选的一项。", true},
        {"Σx NaN", [](CyGeomRecord& g) { g.sumX = std::nan(""); }, "总变位系数 χnΣ：请输入 -10 到 10 之间的数值。"},
        {"b negative", [](CyGeomRecord& g) { g.b = -1; }, "b：请输入 0 或 0.000001 到 10000000 之间的数值。"},
    };
    for (const auto& c : cases) {
        CyGeomRecord g = geometry();
        c.spoil(g);
        auto fault = geometryDesignFault(preliminary(), g);
        ASSERT_TRUE(fault) << c.name;
        EXPECT_EQ(*fault, c.fault) << c.name;
        auto bytes = geometryDesignSaveBytes(preliminary(), g, 0);
        ASSERT_FALSE(bytes) << c.name << ": never written";
        auto loaded = loadGeometryDesign(geometryDesignFileBytes(preliminary(), g, 0));
        ASSERT_FALSE(loaded) << c.name;
        EXPECT_EQ(loaded.error(), c.list ? std::string(kMsgNotDesignFile) + "\n" + c.fault : kavrin::refusedOnLoad(c.fault))
            << c.name;
    }
    // The preliminary record of the file is checked the same way.
    CyPreRecord pre = preliminary();
    pre.z2 = 10;
    EXPECT_EQ(geometryDesignFault(pre, geometry()), std::optional<std::string>(kMsgTeethOrderPre));
}

// Random pairs as page 1's rules leave them, with page 4's contact ratios:
// whatever the save writes, both records load back equal.
TEST(GeometryDesignCheck, WhatTheSaveWritesLoadsBackEqual) {
    std::mt19937 gen(20250613);
    auto integer = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(gen); };
    int saved = 0;
    for (int n = 0; n < 400; ++n) {
        PairState s;
        const bool internal = n % 4 == 3;
        s.z1 = integer(12, 60);
        s.z2 = s.z1 + integer(internal ? 10 : 0, 150);
        s.mn = integer(2, 40) * 0.5;
        s.alphaN = {integer(14, 25), integer(0, 59), 0};
        s.beta = internal ? kavrin::AngleTriple{} : kavrin::AngleTriple{integer(-40, 40), integer(0, 59), integer(0, 59)};
        s.haStar = kHaStarList[integer(0, 1)];
        PairUpdate u = helixChanged(s);
        ASSERT_FALSE(u.refused);
        if (internal) u = internalMeshChosen(u.state);
        PairState p = u.state;
        p.a = p.ad + s.mn * uniform(0, 2.0);  // yn 0 to 2: shifts inside ±5
        u = centreDistanceChanged(p);
        ASSERT_FALSE(u.refused) << n;
        CyGeomRecord g;
        g.psiD = uniform(0.2, 1.2);
        g.hand = internal ? kHandSpur : integer(0, 2);
        g.cStarIndex = integer(0, 2);
        storePair(u.state, {"试验齿轮", "TX-7", "2024年5月6日"}, g);
        if (auto c = characteristic(characteristicInput(g), kPinFactorListing)) {
            g.epsAlpha = c->epsAlpha;
            g.epsBeta = c->epsBeta;
        }
        auto bytes = geometryDesignSaveBytes(preliminary(), g, 1714953600);
        ASSERT_TRUE(bytes) << n << ": " << bytes.error();
        auto back = loadGeometryDesign(*bytes);
        ASSERT_TRUE(back) << n << ": " << back.error();
        g.status = kCyGeomStatus;
        EXPECT_EQ(back->geom, g) << n;
        CyPreRecord pre = preliminary();
        pre.status = kCyPreStatus;
        EXPECT_EQ(back->pre, pre) << n;
        ++saved;
    }
    EXPECT_EQ(saved, 400);
}

TEST(GeometryDesignFile, OldFileWithoutHeaderIsReadFromByteZero) {
    CyPreRecord pre = preliminary();
    pre.z1 = 30;  // a first int32 below 104 marks a file without header
    CyGeomRecord g = geometry();
    g.status = kCyGeomStatus;
    auto a = writeCyPreRecord(pre), b = writeCyGeomRecord(g);
    a.insert(a.end(), b.begin(), b.end());
    auto loaded = loadGeometryDesign(a);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_TRUE(loaded->oldFile);
    EXPECT_EQ(loaded->pre.z1, 30);
    EXPECT_EQ(loaded->geom, g);
}

TEST(PageOne, LoadingAPreliminaryDesignRunsTheHelixRule) {
    PairState page;
    page.alphaN = {25, 0, 0};
    page.xn1 = 0.3;
    CyPreRecord pre = preliminary();
    pre.a = 61;  // taken over, then replaced by ad
    auto u = pairFromPreliminary(pre, page);
    EXPECT_EQ(u.state.z1, 20);
    EXPECT_DOUBLE_EQ(u.state.ad, 60);
    EXPECT_DOUBLE_EQ(u.state.a, 60);
    EXPECT_EQ(u.state.xn1, 0);
    EXPECT_EQ(u.state.alphaN, (kavrin::AngleTriple{25, 0, 0})) << "αn stays as the page had it";
    EXPECT_EQ(u.resultText, kMsgUpdateShifts);
}

TEST(PageOne, GeometryRecordBackIntoThePageAndOutAgain) {
    CyGeomRecord g = geometry();
    PairState s = pairFromGeometry(g, PairState{});
    EXPECT_DOUBLE_EQ(s.ad, 60);
    EXPECT_DOUBLE_EQ(s.mt, 2);
    EXPECT_EQ(s.ratioClass, 2);
    EXPECT_DOUBLE_EQ(s.xn1, 0.25);
    CyGeomRecord back = g;
    storePair(s, {g.title, g.number, g.date}, back);
    EXPECT_EQ(back, g);
    EXPECT_DOUBLE_EQ(back.b, 32) << "b = Z1·ψd·mt";
}

TEST(SaveNames, SheetRulesOnTheFileNameOnly) {
    struct Case {
        const char* chosen;
        const char* data;
        const char* report;
        bool renamed;
    } cases[] = {
        {"/d/abc", "/d/abc.cyb", "/d/abc.cyt", true},               // no extension
        {"/d/gear.txt", "/d/gear.cyb", "/d/gear.cyt", true},        // cut at the first '.'
        {"/d/a.b.c", "/d/a.cyb", "/d/a.cyt", true},
        {"/d/v1.2/pair", "/d/v1.2/pair.cyb", "/d/v1.2/pair.cyt", true},  // folder dots stay
        // A .cyb name stays; its design takes the report of its own name
        // (one design, one report), whatever report was loaded before.
        {"/d/pair.cyb", "/d/pair.cyb", "/d/pair.cyt", false},
        {"/d/b.v2.cyb", "/d/b.v2.cyb", "/d/b.v2.cyt", false},
    };
    for (const auto& c : cases) {
        auto n = geometrySaveNames(c.chosen);
        EXPECT_EQ(n.data, c.data) << c.chosen;
        EXPECT_EQ(n.report, c.report) << c.chosen;
        EXPECT_EQ(n.renamed, c.renamed) << c.chosen;
    }
    EXPECT_EQ(saveRenamedNotice("/d/abc.cyb"), "文件格式不符合程序规定，将以/d/abc.cyb文件名保存数据。");
    auto r = pairReportNames("/d/rep.txt", "/d/x.cyb");
    EXPECT_EQ(r.report, "/d/rep.cyt");
    EXPECT_EQ(r.data, "/d/rep.cyb");
    EXPECT_EQ(pairReportNames("/d/rep.cyt", "/d/x.cyb").data, "/d/x.cyb");
}


// ---- one range per quantity ----

// One numeric slot the loader reads (as GeometryDesignCheck's rows, by
// quantity): how a value goes into the example pair with every other rule
// still held.
struct GeomSlot {
    const char* name;
    const kavrin::Quantity* q;
    bool integer;
    bool needed;
    void (*put)(CyGeomRecord&, double);
};

int asInt(double v) { return static_cast<int>(v); }

const GeomSlot kGeomSlots[] = {
    {"Z1", &geom_q::kZ1, true, true, [](CyGeomRecord& g, double v) { g.z1 = asInt(v); if (g.z1 >= 1 && g.z1 <= kavrin::kMaxTeeth) g.z2 = std::max(g.z2, g.z1); }},
    {"Z2", &geom_q::kZ2, true, true, [](CyGeomRecord& g, double v) { g.z2 = asInt(v); if (g.z2 >= 1) g.z1 = std::min(g.z1, g.z2); }},
    {"β degrees", &geom_q::kBetaDeg, true, false, [](CyGeomRecord& g, double v) { g.betaDeg = asInt(v); }},
    {"β minutes", &geom_q::kBetaMin, true, false, [](CyGeomRecord& g, double v) { g.betaMin = asInt(v); }},
    {"β seconds", &geom_q::kBetaSec, true, false, [](CyGeomRecord& g, double v) { g.betaSec = asInt(v); }},
    // αn 0° alone is no angle: 0°30′ then.
    {"αn degrees", &geom_q::kAlphaNDeg, true, false, [](CyGeomRecord& g, double v) { g.alphaNDeg = asInt(v); g.alphaNMin = g.alphaNDeg == 0 ? 30 : 0; }},
    {"αn minutes", &geom_q::kAlphaNMin, true, false, [](CyGeomRecord& g, double v) { g.alphaNMin = asInt(v); }},
    {"αn seconds", &geom_q::kAlphaNSec, true, false, [](CyGeomRecord& g, double v) { g.alphaNSec = asInt(v); }},
    {"mn", &geom_q::kMn, false, true, [](CyGeomRecord& g, double v) { g.mn = v; }},
    {"a", &geom_q::kA, false, true, [](CyGeomRecord& g, double v) { g.a = v; }},
    {"ad", &geom_q::kAd, false, true, [](CyGeomRecord& g, double v) { g.ad = v; }},
    {"αwt", &geom_q::kAlphaWt, false, false, [](CyGeomRecord& g, double v) { g.alphaWtDeg = v; }},
    {"yn", &geom_q::kYn, false, false, [](CyGeomRecord& g, double v) { g.yn = v; }},
    {"yt", &geom_q::kYt, false, false, [](CyGeomRecord& g, double v) { g.yt = v; }},
    {"Σx", &geom_q::kSumX, false, false, [](CyGeomRecord& g, double v) { g.sumX = v; }},
    {"xn1", &geom_q::kXn1, false, false, [](CyGeomRecord& g, double v) { g.xn1 = v; }},
    {"xn2", &geom_q::kXn2, false, false, [](CyGeomRecord& g, double v) { g.xn2 = v; }},
    {"Zv1", &geom_q::kZv1, false, true, [](CyGeomRecord& g, double v) { g.zv1 = v; }},
    {"Zv2", &geom_q::kZv2, false, true, [](CyGeomRecord& g, double v) { g.zv2 = v; }},
    {"b", &geom_q::kB, false, false, [](CyGeomRecord& g, double v) { g.b = v; }},
    {"ψd", &geom_q::kPsiD, false, false, [](CyGeomRecord& g, double v) { g.psiD = v; }},
    {"εα", &geom_q::kEpsAlpha, false, false, [](CyGeomRecord& g, double v) { g.epsAlpha = v; }},
    {"εβ", &geom_q::kEpsBeta, false, false, [](CyGeomRecord& g, double v) { g.epsBeta = v; }},
};

// Every numeric slot of the geometry record, at 1e300, −1e300, ±1e-300 and at
// each bound and one step beside it: both loaders' edit load and the save
// refuse exactly what the slot's range refuses (0 too where the later steps
// need the value), naming the quantity with the range's words. A working
// pressure angle of 90° or more keeps its own words (the centre distance
// that gives it is named).
TEST(GeometryRanges, LoadAndSaveRefuseExactlyWhatTheRangeRefuses) {
    for (const GeomSlot& slot : kGeomSlots) {
        const kavrin::Quantity q = slot.needed ? required(*slot.q) : *slot.q;
        std::vector<double> probes = slot.integer ? kavrin_test::countProbes(q) : kavrin_test::numberProbes(q);
        if (slot.integer) probes.insert(probes.end(), {double(INT32_MIN), double(INT32_MAX)});
        for (double v : probes) {
            SCOPED_TRACE(std::string(slot.name) + " = " + fw::formatNumber(v));
            CyGeomRecord g = geometry();
            slot.put(g, v);
            const bool admitted = q.admits(slot.integer ? double(asInt(v)) : v);
            auto loaded = loadGeometryDesign(geometryDesignFileBytes(preliminary(), g, 0));
            auto saved = geometryDesignSaveBytes(preliminary(), g, 0);
            if (admitted) {
                EXPECT_TRUE(loaded) << loaded.error();
                EXPECT_TRUE(saved) << saved.error();
                continue;
            }
            std::string fault = slot.integer ? kavrin::countRefusal(q) : kavrin::quantityRefusal(q);
            if (slot.q == &geom_q::kAlphaWt && v >= 90) fault = kMsgCentreDistanceTooLarge;
            ASSERT_FALSE(loaded);
            EXPECT_EQ(loaded.error(), kavrin::refusedOnLoad(fault));
            ASSERT_FALSE(saved);
            EXPECT_EQ(saved.error(), fault);
        }
    }
}

}  // namespace
}  // namespace cylindrical
