// Whole-file I/O over POSIX calls, so that every failure keeps its errno.
#include "fw/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <chrono>

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
    case EFBIG:
    case EDQUOT: return FileCause::DiskFull;
    case EIO: return FileCause::HardIO;
    default: return FileCause::Generic;
    }
}

std::string FileError::openMessage() const {
    return "不能打开文件" + path.string() + ",ERROR = " + std::to_string(code());
}

std::string FileError::saveMessage() const {
    if (step == FileStep::Open) return openMessage();
    return "创建文件错误:" + path.string() + ",ERROR = " + std::to_string(code());
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

Unexpected<FileError> stepError(const std::filesystem::path& p, int err, FileStep step) {
    auto e = errorOf(p, err);
    e.error.step = step;
    return e;
}

// Reads up to limit bytes of a regular file.
Expected<std::vector<std::uint8_t>, FileError> readUpTo(const std::filesystem::path& p, std::size_t limit) {
    // Non-blocking open: a FIFO without a writer must not hold the caller.
    Fd fd(::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return lastError(p);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return lastError(p);
    if (S_ISDIR(st.st_mode)) return errorOf(p, EISDIR);
    if (!S_ISREG(st.st_mode)) return unexpected(FileError{FileCause::InvalidFile, p});
    std::vector<std::uint8_t> bytes;
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

// The file a path names, symbolic links followed (a dangling link names the
// file it would create).
std::filesystem::path resolveLinks(const std::filesystem::path& p) {
    std::filesystem::path target = p;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::error_code ec;
        const std::filesystem::path link = std::filesystem::read_symlink(target, ec);
        if (ec) break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

std::atomic<std::uint64_t> g_tempCounter{0};

// Six letters or digits, different for every call of this process and
// unlikely to repeat in another one.
std::string tempStem() {
    std::uint64_t x = g_tempCounter.fetch_add(1) * 0x9E3779B97F4A7C15ull ^
                      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                      (static_cast<std::uint64_t>(::getpid()) << 40);
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s(6, '0');
    for (char& c : s) {
        c = kDigits[x % 36];
        x /= 36;
    }
    return s;
}

// A new file beside target, made exclusively: ".kv<six>.<tag>". The name has
// a fixed length of its own, so it fits wherever the target's name fits.
int createBeside(const std::filesystem::path& target, const char* tag, mode_t mode, std::filesystem::path& made) {
    const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = dir / (".kv" + tempStem() + "." + tag);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            made = std::move(candidate);
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

// A file the user has marked read-only (no write bit for its owner, or no
// write access for us) is not replaced: rename would ignore its mode, and
// for root access() alone would allow it.
bool writeProtected(const std::filesystem::path& p, const struct stat& st) {
    return (st.st_mode & S_IWUSR) == 0 || ::faccessat(AT_FDCWD, p.c_str(), W_OK, AT_EACCESS) != 0;
}

// One file being saved: written to a temporary beside its target, then
// renamed over it. Destroying it before replace() removes the temporary.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { discard(); }

    Expected<void, FileError> open(const std::filesystem::path& requested, bool keepContent) {
        m_requested = requested;
        m_target = resolveLinks(requested);
        struct stat st {};
        bool exists = false;
        if (::stat(m_target.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) return stepError(requested, EISDIR, FileStep::Open);
            // A pipe, socket or block device is no file to save into.
            if (!S_ISREG(st.st_mode) && !S_ISCHR(st.st_mode))
                return unexpected(FileError{FileCause::InvalidFile, requested, FileStep::Open});
            if (writeProtected(m_target, st)) return stepError(requested, EACCES, FileStep::Open);
            exists = true;
            if (S_ISCHR(st.st_mode)) {
                // A character device (/dev/null, /dev/full) cannot be
                // replaced: it is written in place.
                m_inPlace = true;
                m_fd = ::open(m_target.c_str(),
                              O_WRONLY | O_CLOEXEC | O_NONBLOCK | (keepContent ? O_APPEND : O_TRUNC));
                if (m_fd < 0) return stepError(requested, errno, FileStep::Open);
                ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
                return {};
            }
        }
        m_fd = createBeside(m_target, "tmp", 0666, m_temp);
        if (m_fd < 0) return stepError(requested, errno, FileStep::Open);
        if (exists) (void)::fchmod(m_fd, st.st_mode & 07777);
        if (exists && keepContent) {
            Fd old(::open(m_target.c_str(), O_RDONLY | O_CLOEXEC));
            if (old.get() < 0) return stepError(requested, errno, FileStep::Open);
            std::uint8_t buf[65536];
            for (;;) {
                const ssize_t r = ::read(old.get(), buf, sizeof buf);
                if (r < 0) {
                    if (errno == EINTR) continue;
                    return stepError(requested, errno, FileStep::Open);
                }
                if (r == 0) break;
                if (auto w = write(buf, static_cast<std::size_t>(r)); !w) return w;
            }
        }
        return {};
    }

    Expected<void, FileError> write(const void* data, std::size_t n) {
        if (int err = writeAll(m_fd, data, n)) return stepError(m_requested, err, FileStep::Write);
        return {};
    }

    // Flushes and closes the temporary; the target is not touched yet.
    Expected<void, FileError> finish() {
        Fd fd(m_fd);
        m_fd = -1;
        if (int err = syncAndClose(fd)) return stepError(m_requested, err, FileStep::Write);
        return {};
    }

    // Renames the finished temporary over the target.
    Expected<void, FileError> replace() {
        if (m_inPlace) return {};
        if (::rename(m_temp.c_str(), m_target.c_str()) != 0)
            return stepError(m_requested, errno, FileStep::Write);
        m_temp.clear();
        // The rename itself reaches the disk with its folder.
        const std::filesystem::path dir = m_target.has_parent_path() ? m_target.parent_path() : ".";
        Fd d(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (d.get() >= 0) (void)::fsync(d.get());
        return {};
    }

    void discard() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
        if (!m_temp.empty()) ::unlink(m_temp.c_str());
        m_temp.clear();
    }

    int fd() const { return m_fd; }
    bool inPlace() const { return m_inPlace; }
    const std::filesystem::path& target() const { return m_target; }
    const std::filesystem::path& requested() const { return m_requested; }

private:
    std::filesystem::path m_requested, m_target, m_temp;
    int m_fd = -1;
    bool m_inPlace = false;
};

}  // namespace

Expected<std::vector<std::uint8_t>, FileError> readFile(const std::filesystem::path& p, std::size_t maxBytes) {
    return readUpTo(p, maxBytes);
}

Expected<std::vector<std::uint8_t>, FileError> readExact(const std::filesystem::path& p, std::size_t n) {
    auto bytes = readUpTo(p, n);
    if (bytes && bytes->size() < n) return unexpected(FileError{FileCause::EndOfFile, p});
    return bytes;
}

Expected<void, FileError> writeFile(const std::filesystem::path& p, std::span<const std::uint8_t> bytes) {
    TempFile t;
    if (auto r = t.open(p, false); !r) return r;
    if (auto r = t.write(bytes.data(), bytes.size()); !r) return r;
    if (auto r = t.finish(); !r) return r;
    return t.replace();
}

std::string gbkFileText(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size() + utf8.size() / 16);
    char prev = 0;
    for (char c : utf8) {
        if (c == '\n' && prev != '\r') text += '\r';
        text += c;
        prev = c;
    }
    return gbkFromUtf8(text);
}

// ---- SaveTransaction ----

struct SaveTransaction::Impl {
    std::vector<std::unique_ptr<TempFile>> files;
    bool failed = false;
    bool committed = false;
};

SaveTransaction::SaveTransaction() : m(std::make_unique<Impl>()) {}
SaveTransaction::~SaveTransaction() { rollback(); }

void SaveTransaction::rollback() { m->files.clear(); }

Expected<void, FileError> SaveTransaction::stage(const std::filesystem::path& p, std::span<const std::uint8_t> bytes,
                                                 Mode mode) {
    if (m->failed || m->committed) return unexpected(FileError{FileCause::Generic, p});
    auto t = std::make_unique<TempFile>();
    auto r = t->open(p, mode == Mode::Append);
    if (r) r = t->write(bytes.data(), bytes.size());
    if (r) r = t->finish();
    if (!r) {
        m->failed = true;
        return r;
    }
    m->files.push_back(std::move(t));
    return {};
}

Expected<void, FileError> SaveTransaction::stageText(const std::filesystem::path& p, std::string_view utf8,
                                                     Mode mode) {
    const std::string gbk = gbkFileText(utf8);
    return stage(p, std::span(reinterpret_cast<const std::uint8_t*>(gbk.data()), gbk.size()), mode);
}

Expected<void, FileError> SaveTransaction::commit() {
    if (m->failed || m->committed)
        return unexpected(FileError{FileCause::Generic, m->files.empty() ? std::filesystem::path{}
                                                                          : m->files.front()->requested()});
    // With more than one file, each existing target is kept under a second
    // name (a hard link, else a copy) until every rename has succeeded.
    struct Backup {
        std::filesystem::path path;  // empty: the target did not exist
    };
    std::vector<Backup> backups(m->files.size());
    auto dropBackups = [&] {
        for (auto& b : backups)
            if (!b.path.empty()) ::unlink(b.path.c_str());
    };
    if (m->files.size() > 1) {
        for (std::size_t i = 0; i < m->files.size(); ++i) {
            const TempFile& f = *m->files[i];
            struct stat st {};
            if (f.inPlace() || ::stat(f.target().c_str(), &st) != 0) continue;
            std::filesystem::path made;
            const int fd = createBeside(f.target(), "bak", 0600, made);
            if (fd < 0) {
                const int err = errno;
                dropBackups();
                rollback();
                m->failed = true;
                return stepError(f.requested(), err, FileStep::Write);
            }
            ::close(fd);
            ::unlink(made.c_str());
            std::error_code ec;
            if (::link(f.target().c_str(), made.c_str()) != 0)
                std::filesystem::copy_file(f.target(), made, ec);
            if (ec) {
                dropBackups();
                rollback();
                m->failed = true;
                return stepError(f.requested(), ec.value(), FileStep::Write);
            }
            backups[i].path = made;
        }
    }
    for (std::size_t i = 0; i < m->files.size(); ++i) {
        auto r = m->files[i]->replace();
        if (r) continue;
        // Put back what was already replaced.
        for (std::size_t j = 0; j < i; ++j) {
            const TempFile& f = *m->files[j];
            if (f.inPlace()) continue;
            if (!backups[j].path.empty()) {
                if (::rename(backups[j].path.c_str(), f.target().c_str()) == 0) backups[j].path.clear();
            } else {
                ::unlink(f.target().c_str());
            }
        }
        dropBackups();
        rollback();
        m->failed = true;
        return r;
    }
    dropBackups();
    m->files.clear();
    m->committed = true;
    return {};
}

// ---- TextFileWriter ----

struct TextFileWriter::Impl {
    TempFile file;
    Expected<void, FileError> err;  // first write error, reported by close()
    bool lastWasCr = false;    // a "\r" ended the previous write
    std::string pendingUtf8;   // an incomplete UTF-8 character cut by a write
    std::string buffer;        // GBK bytes not yet written
    bool open = true;

    void flush() {
        if (err && !buffer.empty()) err = file.write(buffer.data(), buffer.size());
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
    TextFileWriter w;
    w.m = std::make_unique<Impl>();
    if (auto r = w.m->file.open(p, mode == Mode::Append); !r) {
        // Never committed: for Append the temporary may hold part of the old
        // text (a full disk while copying it), which must not replace it.
        w.m->file.discard();
        w.m->open = false;
        return unexpected(r.error());
    }
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
    if (!m || !m->open) return;
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
    if (!m || !m->open) return {};
    m->open = false;
    if (!m->pendingUtf8.empty()) m->buffer += gbkFromUtf8(m->pendingUtf8);
    m->pendingUtf8.clear();
    m->flush();
    if (!m->err) {
        m->file.discard();
        return m->err;
    }
    if (auto r = m->file.finish(); !r) {
        m->file.discard();
        return r;
    }
    return m->file.replace();
}

Expected<std::string, FileError> readTextFile(const std::filesystem::path& p, std::size_t maxBytes) {
    auto bytes = readFile(p, maxBytes);
    if (!bytes) return unexpected(bytes.error());
    return utf8FromGbk(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace fw
