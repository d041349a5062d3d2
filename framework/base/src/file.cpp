// Whole-file I/O over POSIX calls, so that every failure keeps its errno.
#include "fw/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "fw/text.h"

namespace fw {

FileCause causeFromErrno(int err) {
    switch (err) {
    case 0: return FileCause::None;
    case ENOENT: return FileCause::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return FileCause::AccessDenied;
    case ENOTDIR:
    case ENAMETOOLONG: return FileCause::BadPath;
    case EMFILE:
    case ENFILE: return FileCause::TooManyOpen;
    case ENOSPC:
    case EDQUOT: return FileCause::DiskFull;
    case EIO: return FileCause::HardIO;
    default: return FileCause::Generic;
    }
}

std::string FileError::openMessage() const {
    return "不能打开文件" + path.string() + ",ERROR = " + std::to_string(code());
}

namespace {

Unexpected<FileError> errorOf(const std::filesystem::path& p, int err) {
    FileCause cause = causeFromErrno(err);
    if (cause == FileCause::None) cause = FileCause::Generic;
    return unexpected(FileError{cause, p});
}

Unexpected<FileError> lastError(const std::filesystem::path& p) { return errorOf(p, errno); }

// Closes fd on every path out of a function.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    // Closes now; returns the errno of close, 0 when it succeeded.
    int close() {
        const int r = ::close(m_fd);
        m_fd = -1;
        return r == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

int openForWrite(const std::filesystem::path& p, bool append) {
    const int how = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
    return ::open(p.c_str(), how, 0666);
}

// Writes all of data; returns errno of the first failure, 0 on success.
int writeAll(int fd, const void* data, std::size_t n) {
    const auto* p = static_cast<const char*>(data);
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return 0;
}

// Data that the kernel still holds must reach the disk before we say "saved":
// a full disk or a failing device shows up here or at close. Files that
// cannot be synced (pipes, devices) are not an error.
int syncAndClose(Fd& fd) {
    int err = 0;
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS) err = errno;
    const int closeErr = fd.close();
    return err != 0 ? err : closeErr;
}

// Reads up to limit bytes (or all when limit is unset).
Expected<std::vector<std::uint8_t>, FileError> readUpTo(const std::filesystem::path& p, std::size_t limit) {
    Fd fd(::open(p.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return lastError(p);
    std::vector<std::uint8_t> bytes;
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode))
        bytes.reserve(std::min(limit, static_cast<std::size_t>(st.st_size)));
    std::uint8_t buf[65536];
    while (bytes.size() < limit) {
        const ssize_t r = ::read(fd.get(), buf, std::min(sizeof buf, limit - bytes.size()));
        if (r < 0) {
            if (errno == EINTR) continue;
            return lastError(p);
        }
        if (r == 0) break;
        bytes.insert(bytes.end(), buf, buf + r);
    }
    return bytes;
}

}  // namespace

Expected<std::vector<std::uint8_t>, FileError> readFile(const std::filesystem::path& p) {
    return readUpTo(p, static_cast<std::size_t>(-1));
}

Expected<std::vector<std::uint8_t>, FileError> readExact(const std::filesystem::path& p, std::size_t n) {
    auto bytes = readUpTo(p, n);
    if (bytes && bytes->size() < n) return unexpected(FileError{FileCause::EndOfFile, p});
    return bytes;
}

Expected<void, FileError> writeFile(const std::filesystem::path& p, std::span<const std::uint8_t> bytes) {
    Fd fd(openForWrite(p, false));
    if (fd.get() < 0) return lastError(p);
    if (int err = writeAll(fd.get(), bytes.data(), bytes.size())) return errorOf(p, err);
    if (int err = syncAndClose(fd)) return errorOf(p, err);
    return {};
}

// ---- TextFileWriter ----

struct TextFileWriter::Impl {
    std::filesystem::path path;
    int fd = -1;
    int err = 0;               // first write error, reported by close()
    bool lastWasCr = false;    // a "\r" ended the previous write
    std::string pendingUtf8;   // an incomplete UTF-8 character cut by a write
    std::string buffer;        // GBK bytes not yet written

    void flush() {
        if (err == 0 && !buffer.empty()) err = writeAll(fd, buffer.data(), buffer.size());
        buffer.clear();
    }
};

namespace {

// Length of a trailing incomplete UTF-8 sequence (0 when the text ends whole).
std::size_t incompleteTail(std::string_view s) {
    for (std::size_t back = 1; back <= 3 && back <= s.size(); ++back) {
        const auto b = static_cast<unsigned char>(s[s.size() - back]);
        if ((b & 0xC0) == 0x80) continue;  // continuation byte, look further back
        const std::size_t need = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return need > back ? back : 0;
    }
    return 0;
}

}  // namespace

Expected<TextFileWriter, FileError> TextFileWriter::open(const std::filesystem::path& p, Mode mode) {
    const int fd = openForWrite(p, mode == Mode::Append);
    if (fd < 0) return lastError(p);
    TextFileWriter w;
    w.m = std::make_unique<Impl>();
    w.m->path = p;
    w.m->fd = fd;
    return w;
}

TextFileWriter::TextFileWriter(TextFileWriter&&) noexcept = default;
TextFileWriter& TextFileWriter::operator=(TextFileWriter&& other) noexcept {
    if (this != &other) {
        if (m) (void)close();
        m = std::move(other.m);
    }
    return *this;
}

TextFileWriter::~TextFileWriter() {
    if (m) (void)close();
}

void TextFileWriter::write(std::string_view utf8) {
    if (!m || m->fd < 0) return;
    std::string text = std::move(m->pendingUtf8);
    text.reserve(text.size() + utf8.size() + utf8.size() / 16);
    for (char c : utf8) {
        if (c == '\n' && !m->lastWasCr) text += '\r';
        text += c;
        m->lastWasCr = c == '\r';
    }
    const std::size_t tail = incompleteTail(text);
    m->pendingUtf8 = text.substr(text.size() - tail);
    text.resize(text.size() - tail);
    m->buffer += gbkFromUtf8(text);
    if (m->buffer.size() >= 65536) m->flush();
}

Expected<void, FileError> TextFileWriter::close() {
    if (!m || m->fd < 0) return {};
    if (!m->pendingUtf8.empty()) m->buffer += gbkFromUtf8(m->pendingUtf8);
    m->pendingUtf8.clear();
    m->flush();
    Fd fd(m->fd);
    m->fd = -1;
    const int closeErr = syncAndClose(fd);
    const int err = m->err != 0 ? m->err : closeErr;
    if (err != 0) return errorOf(m->path, err);
    return {};
}

Expected<std::string, FileError> readTextFile(const std::filesystem::path& p) {
    auto bytes = readFile(p);
    if (!bytes) return unexpected(bytes.error());
    return utf8FromGbk(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace fw
