// Where the chart pictures lie: the "charts" folder of the installation
// folder (GetDefaultDir), else the folder the build wrote them to.
#pragma once
#include <filesystem>
#include <string_view>

namespace kavrin {

std::filesystem::path chartFile(std::string_view name, const std::filesystem::path& buildFolder);

}  // namespace kavrin
