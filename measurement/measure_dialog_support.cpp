#include "measurement/measure_dialog_support.h"

#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "fw/format.h"

namespace measurement {

namespace {

constexpr const char* kSaveTitle = "《Ondrel》保存圆柱齿轮数据文件";
constexpr const char* kSaveFilter = "圆柱齿轮测绘计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*|";
constexpr const char* kOpenTitle = "《Ondrel》读取圆柱齿轮数据文件";
constexpr const char* kOpenFilter = "圆柱齿轮几何计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*|";

}  // namespace

void refuse(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONEXCLAMATION); }

std::string fixed(double v, int digits) { return fw::format("%.*f", digits, v); }

std::optional<std::filesystem::path> askSavePath(fw::Window* parent, const std::string& lastDataPath) {
    fw::FileDialog fd(fw::FileMode::Save, "cyb", lastDataPath.empty() ? "*.cyb" : lastDataPath,
                      OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSaveFilter, parent);
    fd.setTitle(kSaveTitle);
    fd.setInitialFolder(lastDataPath.empty() ? kavrin::GetDataDir()
                                             : std::filesystem::path(lastDataPath).parent_path());
    if (fd.DoModal() != IDOK) return std::nullopt;
    return fd.path();
}

std::optional<std::filesystem::path> askOpenPath(fw::Window* parent) {
    fw::FileDialog fd(fw::FileMode::Open, "cyb", "*.cyb", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kOpenFilter, parent);
    fd.setTitle(kOpenTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return std::nullopt;
    return fd.path();
}

void showLoadRefusal(const std::string& error) {
    const bool notice = error == kavrin::kMsgOldFile;
    fw::MessageBox(error, MB_OK | (notice ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
}

void selectCoefficient(fw::ComboBox& c, double v, std::initializer_list<double> entries, std::string& shown) {
    int i = 0;
    for (double e : entries) {
        if (v == e) {
            c.setCurSel(i);
            shown = c.itemText(i);
            return;
        }
        ++i;
    }
    shown = fw::format("%.2f", v);
    c.setCurSel(-1);
    c.setText(shown);
}

}  // namespace measurement
