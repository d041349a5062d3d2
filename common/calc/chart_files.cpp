#include "common/calc/chart_files.h"

#include <system_error>

#include "common/calc/data_folder.h"

namespace kavrin {

std::filesystem::path chartFile(std::string_view name, const std::filesystem::path& buildFolder) {
    std::error_code ec;
    std::filesystem::path installed = GetDefaultDir() / "charts" / std::string(name);
    if (std::filesystem::is_regular_file(installed, ec)) return installed;
    return buildFolder / std::string(name);
}

}  // namespace kavrin
