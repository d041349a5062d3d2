// The steps of saving and loading a design data file that do not need a
// window: file-name rules, the file's bytes, and the checks of a loaded file.
// Name rules look at the last path component only; folder names are never
// changed, whatever dots they hold.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/calc/data_file_header.h"
#include "fw/expected.h"
#include "fw/file.h"

namespace kavrin {

inline constexpr std::string_view kExtCyData = ".cyb";
inline constexpr std::string_view kExtCyReport = ".cyt";

// Messages of the save and load steps.
inline constexpr const char* kMsgNotCybFile = "所指定的文件不是规定格式(*.cyb)的数据文件!请重选。";
inline constexpr const char* kMsgOldFile = "注意：所用数据文件为旧版本兼容文件，若保留它，请另存计算结果!";
inline constexpr const char* kMsgReportCreate = "不能打开或建立报告文件！";
inline constexpr const char* kCaptionReportCreate = "创建文件错误";

// Save, step 2: the chosen name stays when its file name holds `dataExt`
// after its first character; otherwise everything from its last '.' (after
// the first character) is replaced by `dataExt`, or `dataExt` is appended.
struct NormalisedName {
    std::filesystem::path path;
    bool changed = false;
};
NormalisedName normaliseDataName(const std::filesystem::path& chosen, std::string_view dataExt);

// "文件名“%s”不符合规定格式，将以“%s”文件名保存!"
std::string renameNotice(const std::filesystem::path& chosen, const std::filesystem::path& renamed);

// Save, step 3: the file name up to its first '.' (after its first
// character) followed by `reportExt`, in the same folder.
std::filesystem::path saveReportName(const std::filesystem::path& data, std::string_view reportExt);

// Load, step 2: does the file name hold `dataExt` after its first character
// (case-sensitive)? Otherwise the loader shows kMsgNotCybFile.
bool hasDataExtension(const std::filesystem::path& p, std::string_view dataExt);

// Load, step 3: the file name up to `dataExt` followed by `reportExt`.
// Only meaningful when hasDataExtension(p, dataExt).
std::filesystem::path loadReportName(const std::filesystem::path& p, std::string_view dataExt,
                                     std::string_view reportExt);

// The report of a design file, named as the load names it: the file name up
// to `dataExt` when it holds it ("x.v2.cyb" → "x.v2.cyt"), otherwise cut at
// its first '.' (saveReportName). Every step of a chain names one design's
// report alike, so its sections never split across two files.
std::filesystem::path designReportName(const std::filesystem::path& p, std::string_view dataExt,
                                       std::string_view reportExt);

// Save, step 7: "计算记录已以\n%s\n文件名输出报告！"
std::string savedNotice(const std::filesystem::path& report);

// Load, step 4: the bytes of a design file whose records take recordBytes:
// a regular file only (a FIFO or device is refused at once), and no more
// than the header and the records hold, so a huge file is never read whole.
// splitDesignFile then tells whether enough bytes came.
fw::Expected<std::vector<std::uint8_t>, fw::FileError> readDesignFile(const std::filesystem::path& p,
                                                                      std::size_t recordBytes);

// Save, steps 4 to 7 as one: the data file and its report replace their old
// files together or not at all (see fw::SaveTransaction). dataError tells
// which of the two failed: the caller shows the data file's open or write
// message, or its report-creation message.
struct DesignSaveError {
    bool dataFile = true;   // false: the report failed
    fw::FileError error;
};
fw::Expected<void, DesignSaveError> saveDesignAndReport(const std::filesystem::path& data,
                                                        std::span<const std::uint8_t> dataBytes,
                                                        const std::filesystem::path& report,
                                                        std::string_view reportUtf8,
                                                        fw::SaveTransaction::Mode reportMode);

// The bytes of a design file: the header, then the records in their order.
std::vector<std::uint8_t> designFileBytes(const CDataFileHeader& header,
                                          std::span<const std::vector<std::uint8_t>> records);

// A loaded design file split into its header and the bytes of its records.
struct DesignFileBody {
    bool oldFile = false;            // no header: the records start at byte 0
    CDataFileHeader header;          // as read; meaningless for an old file
    std::span<const std::uint8_t> records;  // exactly recordBytes long
};
// Load, step 5: nullopt when the file is shorter than the header (for a
// file with header) plus `recordBytes`; the caller then refuses it with its
// "not this kind of data" message. Bytes behind the records are ignored.
std::optional<DesignFileBody> splitDesignFile(std::span<const std::uint8_t> file, std::size_t recordBytes);

}  // namespace kavrin
