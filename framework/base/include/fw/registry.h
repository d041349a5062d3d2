// The registry stand-in: a read-only machine hive (HKEY_LOCAL_MACHINE) read
// from the machine registry file, and a read-write per-user hive
// (HKEY_CURRENT_USER) under the user's config folder.
//
// Machine file: $KAVRIN_MACHINE_REGISTRY, else <folder of the executable>/kavrin-machine.reg.
// User file:    $KAVRIN_USER_REGISTRY, else $XDG_CONFIG_HOME (or ~/.config)/kavrin/user.reg.
// Both are UTF-8 text: "[KEY\PATH]" section lines, then "name=value" lines.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fw::registry {

enum class Hive { LocalMachine, CurrentUser };

// Keys are matched without regard to case and a trailing backslash
// ("SOFTWARE\\ondrel\\kavrin\\" == "software\\ondrel\\kavrin").
bool keyExists(Hive hive, std::string_view key);
std::optional<std::string> readString(Hive hive, std::string_view key, std::string_view name);
std::optional<long long> readInt(Hive hive, std::string_view key, std::string_view name);
// Only the user hive is writable; returns false on a write error.
bool writeString(std::string_view key, std::string_view name, std::string_view value);
bool writeInt(std::string_view key, std::string_view name, long long value);

std::filesystem::path machineFile();
std::filesystem::path userFile();
// Writes a machine file (the build and install steps use this too).
bool writeMachineFile(const std::filesystem::path& file, const std::filesystem::path& xpfileloc,
                      const std::filesystem::path& mentloc);

// Re-read both files (tests change them between cases).
void reload();

}  // namespace fw::registry
