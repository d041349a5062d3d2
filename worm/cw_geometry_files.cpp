#include "worm/cw_geometry_files.h"

#include <filesystem>

#include "common/calc/data_folder.h"
#include "fw/clock.h"
#include "worm/cw_dialog_helpers.h"

namespace worm {

void showRefusal(const Refusal& r) {
    const unsigned icon = r.icon == Icon::Stop          ? MB_ICONSTOP
                          : r.icon == Icon::Information ? MB_ICONINFORMATION
                                                        : MB_ICONEXCLAMATION;
    fw::MessageBox(r.text, MB_OK | icon);
}

std::optional<CwPreRecord> loadGeometryDesign(fw::Window* owner, Family family, std::string& dataPath) {
    const FamilyTexts& texts = familyTexts(family);
    fw::FileDialog fd(fw::FileMode::Open, "cwb", isCwbName(dataPath) ? dataPath : "*.cwb",
                      OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, texts.openFilter, owner);
    fd.setTitle(kOpenTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return std::nullopt;
    const std::filesystem::path path = fd.path();
    if (!isCwbName(path)) {
        warn(msgNotGeomFile(path));
        return std::nullopt;
    }
    auto bytes = readDesignFile(path);
    if (!bytes) {
        warn(bytes.error().openMessage());
        return std::nullopt;
    }
    if (isOldFile(*bytes)) inform(kMsgOldFile);
    auto loaded = loadForGeometry(*bytes, family);
    if (!loaded) {
        showRefusal(loaded.error());
        return std::nullopt;
    }
    dataPath = path.string();
    return loaded->pre;
}

std::optional<std::string> saveGeometryDesign(fw::Window* owner, Family family, bool calculated,
                                              std::string& dataPath, const CwPreRecord& pre,
                                              const CwGeomRecord& geom, const std::string& report) {
    if (!calculated) {
        inform(kMsgNotCalculated);
        return std::nullopt;
    }
    const FamilyTexts& texts = familyTexts(family);
    CwGeomRecord g = geom;
    g.status = texts.status;
    // What the strength rating would refuse is not written: the user is told which field.
    if (auto fault = checkDesign(pre, g)) {
        warn(saveRefusal(*fault));
        return std::nullopt;
    }
    const bool named = isCwbName(dataPath);
    if (named) inform(texts.overwriteNotice);
    fw::FileDialog fd(fw::FileMode::Save, "cwb", named ? dataPath : "*.cwb", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                      texts.saveFilter, owner);
    fd.setTitle(kSaveTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return std::nullopt;
    const std::filesystem::path path = fd.path();
    if (!isCwbName(path)) {
        warn(msgNotCwbName(path));
        return std::nullopt;
    }
    const std::filesystem::path reportPath = reportNameOf(path);
    auto done = saveGeometryFiles(path, pre, g, reportPath, report, fw::nowSeconds());
    if (!done) {
        warn(done.error().message());
        return std::nullopt;
    }
    dataPath = path.string();
    return reportPath.string();
}

}  // namespace worm
