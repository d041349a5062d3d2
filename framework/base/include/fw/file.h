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

struct FileError {
    FileCause cause = FileCause::Generic;
    std::filesystem::path path;
    unsigned code() const { return static_cast<unsigned>(cause); }
    // "不能打开文件<path>,ERROR = <code>"
    std::string openMessage() const;
};

// Whole-file binary I/O.
Expected<std::vector<std::uint8_t>, FileError> readFile(const std::filesystem::path& p);
// Reads exactly n bytes from the start; a shorter file is EndOfFile.
Expected<std::vector<std::uint8_t>, FileError> readExact(const std::filesystem::path& p, std::size_t n);
// Creates or truncates, writes, closes; errors of write and close count.
Expected<void, FileError> writeFile(const std::filesystem::path& p, std::span<const std::uint8_t> bytes);

// Text in code page 936: write() takes UTF-8, converts it losslessly to GBK
// and turns every "\n" into "\r\n". Errors are reported by close().
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
Expected<std::string, FileError> readTextFile(const std::filesystem::path& p);

}  // namespace fw
