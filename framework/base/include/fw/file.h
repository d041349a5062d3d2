// Files: binary records and code page 936 text with CR LF line ends.
#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fw/expected.h"

namespace fw {

// Why a file operation failed. Our own numbering; shown to the user as an
// unsigned decimal in "不能打开文件%s,ERROR = %U".
enum class FileCause : unsigned {
    None = 0,
    Generic = 1,
    NotFound = 2,
    BadPath = 3,
    TooManyOpen = 4,
    AccessDenied = 5,
    InvalidFile = 6,
    DirectoryFull = 8,
    HardIO = 10,
    DiskFull = 13,
    EndOfFile = 14,
};
FileCause causeFromErrno(int err);

// The step that failed: the file could not be opened (or created), or it
// was open and writing, flushing or replacing the target failed.
enum class FileStep { Open, Write };

struct FileError {
    FileCause cause = FileCause::Generic;
    std::filesystem::path path;
    FileStep step = FileStep::Open;
    unsigned code() const { return static_cast<unsigned>(cause); }
    // "不能打开文件<path>,ERROR = <code>"
    std::string openMessage() const;
    // The message of a failed save: openMessage() when the file could not be
    // opened or created, "创建文件错误:<path>,ERROR = <code>" when it was
    // open and could not be written.
    std::string saveMessage() const;
};

// Reading. Only regular files are read (a FIFO, device or folder is refused
// with InvalidFile or AccessDenied, without waiting for a writer), and never
// more than maxBytes: a loader passes the byte count it expects, so a huge
// file is not read whole. A file shorter than maxBytes is returned as it is.
Expected<std::vector<std::uint8_t>, FileError> readFile(const std::filesystem::path& p,
                                                        std::size_t maxBytes = static_cast<std::size_t>(-1));
// Reads exactly n bytes from the start; a shorter file is EndOfFile.
Expected<std::vector<std::uint8_t>, FileError> readExact(const std::filesystem::path& p, std::size_t n);

// Saving is atomic: the bytes go to a temporary file in the target's folder
// (a short name of its own, ".kv??????.tmp", so any name that fits can be
// saved), which is flushed to the disk and then renamed over the target. Any
// failure removes the temporary and leaves the old file byte for byte. The
// new file keeps the old one's permission bits; a symbolic link is followed
// and the file it names is replaced. Refused before anything is written: a
// write-protected target (no write bit for its owner, or no write access,
// AccessDenied, even for root), a folder (AccessDenied), a pipe, socket or
// block device (InvalidFile). A character device such as /dev/full is
// written in place.
Expected<void, FileError> writeFile(const std::filesystem::path& p, std::span<const std::uint8_t> bytes);

// UTF-8 text as it is stored on disk: code page 936, every "\n" a CR LF
// (an existing CR LF is kept as it is).
std::string gbkFileText(std::string_view utf8);

// Several files saved together, all or nothing: stage every file (each is
// written to its temporary and flushed at once, so write errors show here),
// then commit() renames them over their targets in the order staged. When a
// rename fails, the targets already replaced get their old contents back (a
// target that did not exist is removed again). Destroying a transaction that
// was not committed removes its temporaries and touches no target.
//
//     fw::SaveTransaction save;
//     if (auto r = save.stage(dataPath, bytes); !r) ...        // nothing changed
//     if (auto r = save.stageText(reportPath, text); !r) ...   // nothing changed
//     if (auto r = save.commit(); !r) ...                      // nothing changed
class SaveTransaction {
public:
    enum class Mode { Replace, Append };
    SaveTransaction();
    ~SaveTransaction();
    SaveTransaction(const SaveTransaction&) = delete;
    SaveTransaction& operator=(const SaveTransaction&) = delete;

    // Stages bytes for p. Append: the new file is p's current content (when p
    // exists) followed by bytes.
    Expected<void, FileError> stage(const std::filesystem::path& p, std::span<const std::uint8_t> bytes,
                                    Mode mode = Mode::Replace);
    // Stages UTF-8 text, stored as gbkFileText(utf8).
    Expected<void, FileError> stageText(const std::filesystem::path& p, std::string_view utf8,
                                        Mode mode = Mode::Replace);
    // Replaces every target; on failure none is changed. A transaction
    // commits once; staging after a failed stage is refused.
    Expected<void, FileError> commit();
    // Removes the temporaries (what the destructor does when not committed).
    void rollback();

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

// Text in code page 936: write() takes UTF-8, converts it losslessly to GBK
// and turns every "\n" into "\r\n". Errors are reported by close(). Saved
// atomically as writeFile: the text goes to a temporary file (for Append it
// starts as a copy of the existing file) that close() renames over the
// target; until then, and after any failure, the old file is as it was. A
// writer whose open or any write failed never replaces the target; one
// destroyed without close() commits only when every write succeeded.
class TextFileWriter {
public:
    enum class Mode { Create, Append };
    static Expected<TextFileWriter, FileError> open(const std::filesystem::path& p, Mode mode);
    TextFileWriter(TextFileWriter&&) noexcept;
    TextFileWriter& operator=(TextFileWriter&&) noexcept;
    ~TextFileWriter();
    void write(std::string_view utf8);
    Expected<void, FileError> close();

private:
    TextFileWriter() = default;
    struct Impl;
    std::unique_ptr<Impl> m;
};

// A whole GBK text file as UTF-8 (lossless), with CR LF kept as they are.
// At most maxBytes are read (regular files only, as readFile).
Expected<std::string, FileError> readTextFile(const std::filesystem::path& p,
                                              std::size_t maxBytes = static_cast<std::size_t>(-1));

}  // namespace fw
