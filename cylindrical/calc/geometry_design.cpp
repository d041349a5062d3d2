#include "cylindrical/calc/geometry_design.h"

#include <cmath>

#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "fw/format.h"

namespace cylindrical {

namespace {

constexpr double kRadToDeg = 180 / 3.141592653589793;

fw::Unexpected<std::string> refuse(const char* message) { return fw::unexpected(std::string(message)); }

// The header word test both loaders share; nullptr when the word is ours.
const char* wordRefusal(const kavrin::DesignFileBody& body) {
    if (body.oldFile) return nullptr;
    if (body.header.word == kavrin::kWordCyMeasure) return kMsgMeasurementFile;
    if (body.header.word != kavrin::kWordCyDesign) return kMsgNotDesignFile;
    return nullptr;
}

std::string fileNameOf(const std::filesystem::path& p) { return p.filename().string(); }

// The name up to its first '.' after the first character, or all of it.
std::string baseName(const std::string& name) {
    auto dot = name.find('.', 1);
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

std::vector<std::uint8_t> geometryDesignFileBytes(const CyPreRecord& pre, const CyGeomRecord& geom,
                                                  std::int64_t timeStamp) {
    CyPreRecord p = pre;
    p.status = kCyPreStatus;
    CyGeomRecord g = geom;
    g.status = kCyGeomStatus;
    std::vector<std::vector<std::uint8_t>> records{writeCyPreRecord(p), writeCyGeomRecord(g)};
    return kavrin::designFileBytes(kavrin::makeHeader(kCyDesignKind, kavrin::kWordCyDesign, timeStamp), records);
}

fw::Expected<LoadedPreliminary, std::string> loadPreliminaryForGeometry(std::span<const std::uint8_t> file) {
    auto loaded = loadCyPreFile(file);
    if (!loaded) {
        if (loaded.error() == kMsgUnfinishedFile) return refuse(kMsgUnfinishedGeometry);
        return fw::unexpected(loaded.error());
    }
    return LoadedPreliminary{loaded->record, loaded->oldFile};
}

fw::Expected<LoadedGeometryDesign, std::string> loadGeometryDesign(std::span<const std::uint8_t> file) {
    auto head = kavrin::splitDesignFile(file, CyPreRecord::kSize);
    if (!head) return refuse(kMsgNotDesignFile);
    if (const char* m = wordRefusal(*head)) return refuse(m);
    auto body = kavrin::splitDesignFile(file, CyPreRecord::kSize + CyGeomRecord::kSize);
    if (!body) return refuse(kMsgUnfinishedGeometry);
    auto pre = readCyPreRecord(body->records.first(CyPreRecord::kSize));
    auto geom = readCyGeomRecord(body->records.subspan(CyPreRecord::kSize));
    if (!pre || !geom) return refuse(kMsgNotDesignFile);
    if (geom->status != kCyGeomStatus) return refuse(kMsgUnfinishedGeometry);
    auto listFault = cyPreListFault(*pre);
    if (!listFault) listFault = cyGeomListFault(*geom);
    if (listFault) return fw::unexpected(std::string(kMsgNotDesignFile) + "\n" + *listFault);
    if (auto fault = geometryDesignFault(*pre, *geom)) return fw::unexpected(kavrin::refusedOnLoad(*fault));
    return LoadedGeometryDesign{*pre, *geom, body->oldFile};
}

std::optional<std::string> geometryDesignFault(const CyPreRecord& pre, const CyGeomRecord& geom) {
    if (auto f = checkCyPreRecord(pre)) return f;
    return checkCyGeomRecord(geom);
}

fw::Expected<std::vector<std::uint8_t>, std::string> geometryDesignSaveBytes(const CyPreRecord& pre,
                                                                             const CyGeomRecord& geom,
                                                                             std::int64_t timeStamp) {
    if (auto fault = geometryDesignFault(pre, geom)) return fw::unexpected(*fault);
    return geometryDesignFileBytes(pre, geom, timeStamp);
}

PairUpdate pairFromPreliminary(const CyPreRecord& pre, const PairState& page) {
    PairState s = page;
    s.z1 = pre.z1;
    s.z2 = pre.z2;
    s.beta = {pre.betaDeg, pre.betaMin, pre.betaSec};
    s.mn = pre.mn;
    s.mt = pre.ms;
    s.a = pre.a;
    s.meshType = kavrin::meshTypeOf(pre.meshType);
    return helixChanged(s);
}

PairState pairFromGeometry(const CyGeomRecord& g, const PairState& page) {
    PairState s = page;
    s.a = g.a;
    s.alphaN = {g.alphaNDeg, g.alphaNMin, g.alphaNSec};
    s.alphaWtDeg = g.alphaWtDeg;
    s.alphaWtRad = g.alphaWtDeg / kRadToDeg;
    s.beta = {g.betaDeg, g.betaMin, g.betaSec};
    s.haStar = g.haStar;
    s.meshType = kavrin::meshTypeOf(g.meshType);
    s.mn = g.mn;
    s.xn1 = g.xn1;
    s.xn2 = g.xn2;
    s.sumX = g.sumX;
    s.yn = g.yn;
    s.yt = g.yt;
    s.z1 = g.z1;
    s.z2 = g.z2;
    s.betaRad = kavrin::tripleToRadians(s.beta);
    double c = std::cos(s.betaRad);
    s.zv1 = s.z1 / (c * c * c);
    s.zv2 = s.z2 / (c * c * c);
    s.mt = s.mn / c;
    s.alphaNRad = kavrin::tripleToRadians(s.alphaN);
    s.alphaTRad = transversePressureAngle(s.alphaNRad, s.betaRad);
    s.alphaT = truncateToTriple(s.alphaTRad * kRadToDeg);
    s.ad = standardCentreDistance(s.z1, s.z2, s.mt, s.meshType);
    if (auto cls = ratioClass(s.z1, s.z2)) s.ratioClass = *cls;
    return s;
}

void storePair(const PairState& s, const DesignTexts& texts, CyGeomRecord& g) {
    g.z1 = s.z1;
    g.z2 = s.z2;
    g.betaDeg = s.beta.deg;
    g.betaMin = s.beta.min;
    g.betaSec = s.beta.sec;
    g.mn = s.mn;
    g.alphaNDeg = s.alphaN.deg;
    g.alphaNMin = s.alphaN.min;
    g.alphaNSec = s.alphaN.sec;
    g.a = s.a;
    g.ad = s.ad;
    g.alphaWtDeg = s.alphaWtDeg;
    g.yt = s.yt;
    g.yn = s.yn;
    g.sumX = s.sumX;
    g.xn1 = s.xn1;
    g.xn2 = s.xn2;
    g.meshType = kavrin::toInt(s.meshType);
    g.haStar = s.haStar;
    g.zv1 = s.zv1;
    g.zv2 = s.zv2;
    g.title = texts.title;
    g.number = texts.number;
    g.date = texts.date;
    g.b = s.z1 * g.psiD * s.mt;
}

SaveNames geometrySaveNames(const std::filesystem::path& chosen) {
    std::string name = fileNameOf(chosen);
    if (name.find(kavrin::kExtCyData, 1) != std::string::npos)
        return {chosen, kavrin::designReportName(chosen, kavrin::kExtCyData, kavrin::kExtCyReport), false};
    std::string base = baseName(name);
    return {chosen.parent_path() / (base + std::string(kavrin::kExtCyData)),
            chosen.parent_path() / (base + std::string(kavrin::kExtCyReport)), true};
}

std::string saveRenamedNotice(const std::filesystem::path& data) {
    return fw::format("文件格式不符合程序规定，将以%s文件名保存数据。", data.string().c_str());
}

SaveNames pairReportNames(const std::filesystem::path& chosen, const std::filesystem::path& currentData) {
    std::string name = fileNameOf(chosen);
    if (name.find(kavrin::kExtCyReport, 1) != std::string::npos) return {currentData, chosen, false};
    std::string base = baseName(name);
    return {chosen.parent_path() / (base + std::string(kavrin::kExtCyData)),
            chosen.parent_path() / (base + std::string(kavrin::kExtCyReport)), true};
}

}  // namespace cylindrical
