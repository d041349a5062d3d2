// The data folder: the installation folder from the registry.
#pragma once
#include <filesystem>

namespace kavrin {

inline constexpr const char* kInstallKey = "SOFTWARE\\ondrel\\kavrin\\";
inline constexpr const char* kInstallValue = "xpfileloc";

// The value xpfileloc under HKEY_LOCAL_MACHINE SOFTWARE\ondrel\kavrin\;
// the current directory when it cannot be read. Never fails.
std::filesystem::path GetDefaultDir();

// Where design files and reports are offered: GetDefaultDir() / "data".
std::filesystem::path GetDataDir();

}  // namespace kavrin
