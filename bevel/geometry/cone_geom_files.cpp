#include "bevel/geometry/cone_geom_files.h"

#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "fw/clock.h"
#include "fw/file.h"

namespace bevel {

namespace {

void exclaim(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONEXCLAMATION); }

}  // namespace

std::optional<ConeLoaded> runConeLoad(fw::Window* parent, ConeKind kind, ConeLoad which) {
    const ConeKindRules& rules = coneKindRules(kind);
    fw::FileDialog fd(fw::FileMode::Open, "cng", "*.cng", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kConeGeomFilter,
                      parent);
    fd.setTitle(rules.openTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return std::nullopt;
    const std::filesystem::path path = fd.path();
    if (!hasConeDataExtension(path)) {
        exclaim(kMsgConeGeomBadName);
        return std::nullopt;
    }
    // Never more than a whole design: a huge file is not read whole.
    auto bytes = fw::readFile(path, kConeGeomFileSize);
    if (!bytes) {
        exclaim(bytes.error().openMessage());
        return std::nullopt;
    }
    if (auto body = kavrin::splitDesignFile(*bytes, ConePreRecord::kSize); body && body->oldFile)
        fw::MessageBox(kavrin::kMsgOldFile, MB_OK);
    auto loaded = loadConeDesign(*bytes, which, kind);
    if (!loaded) {
        const ConeLoadRefusal& why = loaded.error();
        fw::MessageBox(why.message, MB_OK | (why.stop ? MB_ICONSTOP : why.exclamation ? MB_ICONEXCLAMATION : 0u));
        return std::nullopt;
    }
    return ConeLoaded{loaded->pre, loaded->geom, path, coneReportName(path)};
}

std::optional<ConeSaved> runConeSave(fw::Window* parent, ConeKind kind, bool computed,
                                     const std::filesystem::path& currentData, const ConePreRecord& pre,
                                     const ConeGeomRecord& geom, std::string_view reportUtf8) {
    if (!computed) {
        exclaim(kMsgConeGeomNotComputed);
        return std::nullopt;
    }
    // A record its check refuses is never written: say why before asking for a name.
    const ConePreRecord preToWrite = preRecordForSave(pre, geom);
    if (auto checked = checkConeGeomSave(kind, preToWrite, geom); !checked) {
        exclaim(coneSaveRefusedMessage(checked.error()));
        return std::nullopt;
    }
    const ConeKindRules& rules = coneKindRules(kind);
    fw::FileDialog fd(fw::FileMode::Save, "cng", currentData.empty() ? std::string("*.cng") : currentData.string(),
                      OFN_HIDEREADONLY, kConeGeomFilter, parent);
    fd.setTitle(rules.saveTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return std::nullopt;
    const ConeDataName name = normaliseConeDataName(fd.path());
    if (name.changed) fw::MessageBox(coneRenameMessage(kind, name.path), MB_OK | MB_ICONINFORMATION);
    const std::filesystem::path report = coneReportName(name.path);
    auto saved = saveConeGeomDesign(kind, name.path, preToWrite, geom, report, reportUtf8, fw::nowSeconds());
    if (!saved) {
        const ConeSaveError& e = saved.error();
        exclaim(!e.refusal.empty() ? coneSaveRefusedMessage(e.refusal)
                : e.file.dataFile  ? e.file.error.openMessage()
                                   : std::string(rules.reportOpenMessage));
        return std::nullopt;
    }
    fw::MessageBox(kavrin::savedNotice(report), MB_OK);
    return ConeSaved{name.path, report};
}

}  // namespace bevel
