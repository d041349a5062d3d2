// Reading and writing the cycloid design's files on disk: the design file is
// read whole (a regular file, at most its full size) before anything is
// checked, and a save puts the design file and its report in place together
// or leaves both older files untouched.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fw/file.h"

namespace cycloid {

// nullopt when the path is not a regular file or cannot be read; otherwise
// its first bytes, at most `maxBytes`.
std::optional<std::vector<std::uint8_t>> readDesignFileBytes(const std::string& path, std::size_t maxBytes);

enum class SaveOutcome { Saved, DesignFailed, ReportFailed };
struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Saved;
    fw::FileError error;   // what failed, for DesignFailed and ReportFailed
};

// Saves both files as one transaction (fw::SaveTransaction): any failure
// leaves older files as they were. The report text is UTF-8
// with "\n"; it is written in code page 936 with CR LF.
SaveResult saveDesignAndReportFiles(const std::string& designPath, const std::vector<std::uint8_t>& designBytes,
                                     const std::string& reportPath, const std::string& reportUtf8);

}  // namespace cycloid
