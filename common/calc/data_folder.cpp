#include "common/calc/data_folder.h"

#include <system_error>

#include "fw/registry.h"

namespace kavrin {

std::filesystem::path GetDefaultDir() {
    auto value = fw::registry::readString(fw::registry::Hive::LocalMachine, kInstallKey, kInstallValue);
    if (value && !value->empty()) return std::filesystem::path(*value);
    std::error_code ec;
    auto cwd = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path(".") : cwd;
}

std::filesystem::path GetDataDir() { return GetDefaultDir() / "data"; }

}  // namespace kavrin
