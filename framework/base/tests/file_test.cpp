#include "fw/file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <future>

#include "fwtest/file_size_limit.h"
#include "temp_dir.h"

namespace {

std::vector<std::uint8_t> bytesOf(std::string_view s) { return {s.begin(), s.end()}; }
std::string textOf(const std::vector<std::uint8_t>& b) { return {b.begin(), b.end()}; }

TEST(FileCause, FromErrno) {
    struct Case {
        int err;
        fw::FileCause cause;
    } cases[] = {
        {ENOENT, fw::FileCause::NotFound},      {EACCES, fw::FileCause::AccessDenied},
        {EPERM, fw::FileCause::AccessDenied},   {EROFS, fw::FileCause::AccessDenied},
        {EISDIR, fw::FileCause::AccessDenied},  {ENOTDIR, fw::FileCause::BadPath},
        {ENAMETOOLONG, fw::FileCause::BadPath}, {EMFILE, fw::FileCause::TooManyOpen},
        {ENOSPC, fw::FileCause::DiskFull},      {EIO, fw::FileCause::HardIO},
        {EBUSY, fw::FileCause::Generic},
    };
    for (const auto& c : cases) EXPECT_EQ(fw::causeFromErrno(c.err), c.cause) << c.err;
}

TEST(FileError, OpenMessageShowsCauseAsUnsignedNumber) {
    const fw::FileError e{fw::FileCause::NotFound, "/tmp/数据/a.cyb"};
    EXPECT_EQ(e.openMessage(), "不能打开文件/tmp/数据/a.cyb,ERROR = 2");
}

// Tests may run as root, where folder permission bits stop nothing; these
// refusals come from a missing folder, a path through a file and a folder in
// place of a file.
TEST(FileIo, ErrorsCarryTheirCause) {
    const auto dir = fw::testing::freshTempDir();
    ASSERT_TRUE(fw::writeFile(dir / "plain", bytesOf("x")));
    struct Case {
        const char* name;
        std::filesystem::path path;
        bool write;
        fw::FileCause cause;
    } cases[] = {
        {"read, missing folder", dir / "none" / "a.cyb", false, fw::FileCause::NotFound},
        {"write, missing folder", dir / "none" / "a.cyb", true, fw::FileCause::NotFound},
        {"write, folder through a file", dir / "plain" / "a.cyb", true, fw::FileCause::BadPath},
        {"write, folder in place of file", dir, true, fw::FileCause::AccessDenied},
        {"read, folder in place of file", dir, false, fw::FileCause::AccessDenied},
    };
    for (const auto& c : cases) {
        fw::FileError err;
        if (c.write) {
            auto r = fw::writeFile(c.path, bytesOf("data"));
            ASSERT_FALSE(r) << c.name;
            err = r.error();
        } else {
            auto r = fw::readFile(c.path);
            ASSERT_FALSE(r) << c.name;
            err = r.error();
        }
        EXPECT_EQ(err.cause, c.cause) << c.name;
        EXPECT_EQ(err.path, c.path) << c.name;
    }
    // A /proc file: no temporary can be made beside it (or, depending on the
    // kernel, the write fails); never a success, and the file stays.
    auto proc = fw::writeFile("/proc/version", bytesOf("data"));
    ASSERT_FALSE(proc);
    EXPECT_NE(proc.error().cause, fw::FileCause::None);
    EXPECT_EQ(proc.error().path, "/proc/version");

    auto t = fw::TextFileWriter::open(dir / "none" / "r.cyt", fw::TextFileWriter::Mode::Create);
    ASSERT_FALSE(t);
    EXPECT_EQ(t.error().cause, fw::FileCause::NotFound);
}

TEST(FileIo, WriteThenReadWholeAndExact) {
    const auto p = fw::testing::freshTempDir() / "a.bin";
    ASSERT_TRUE(fw::writeFile(p, bytesOf("0123456789")));
    ASSERT_TRUE(fw::writeFile(p, bytesOf("abcdef")));  // truncates
    EXPECT_EQ(textOf(*fw::readFile(p)), "abcdef");
    EXPECT_EQ(textOf(*fw::readExact(p, 4)), "abcd");
    EXPECT_EQ(textOf(*fw::readExact(p, 6)), "abcdef");
    auto shortRead = fw::readExact(p, 7);
    ASSERT_FALSE(shortRead);
    EXPECT_EQ(shortRead.error().cause, fw::FileCause::EndOfFile);
}

TEST(FileIo, WriteErrorOnFullDeviceIsReported) {
    // /dev/full accepts open and fails every write with ENOSPC.
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    auto r = fw::writeFile("/dev/full", bytesOf("data"));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().cause, fw::FileCause::DiskFull);

    auto t = fw::TextFileWriter::open("/dev/full", fw::TextFileWriter::Mode::Append);
    ASSERT_TRUE(t);
    t->write("报告\n");
    auto closed = t->close();
    ASSERT_FALSE(closed);
    EXPECT_EQ(closed.error().cause, fw::FileCause::DiskFull);
}

TEST(TextFile, WritesGbkWithCrLfAndReadsBackLosslessly) {
    const auto p = fw::testing::freshTempDir() / "r.cyt";
    {
        auto w = fw::TextFileWriter::open(p, fw::TextFileWriter::Mode::Create);
        ASSERT_TRUE(w);
        w->write("齿轮\n");
        w->write("a\r\nb\n\n");        // an existing CR LF is not doubled
        w->write("c\r");               // "\r" ends one write, "\n" starts the next
        w->write("\nd\xE8\xBD");       // 轮 (E8 BD AE) cut across two writes
        w->write("\xAE\xEF\x9F\xBF");  // ... and U+F7FF, the stand-in for raw byte 0xFF
        ASSERT_TRUE(w->close());
    }
    {
        auto w = fw::TextFileWriter::open(p, fw::TextFileWriter::Mode::Append);
        ASSERT_TRUE(w);
        w->write("e\n");
    }  // closed by the destructor
    // GBK by hand: 齿 B3DD, 轮 C2D6.
    const std::string gbk = "\xB3\xDD\xC2\xD6\r\na\r\nb\r\n\r\nc\r\nd\xC2\xD6\xFF" "e\r\n";
    EXPECT_EQ(textOf(*fw::readFile(p)), gbk);
    EXPECT_EQ(*fw::readTextFile(p), "齿轮\r\na\r\nb\r\n\r\nc\r\nd轮\xEF\x9F\xBF" "e\r\n");
}

// Files in a folder other than the ones a test made: temporaries left behind.
std::vector<std::string> namesIn(const std::filesystem::path& dir) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(dir)) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

using fwtest::FileSizeLimit;  // writes past it fail with EFBIG, as on a full disk

TEST(AtomicSave, InterruptedWriteLeavesTheOldFileByteForByte) {
    const auto dir = fw::testing::freshTempDir();
    const auto p = dir / "gear.cyb";
    std::vector<std::uint8_t> good(440);
    for (std::size_t k = 0; k < good.size(); ++k) good[k] = static_cast<std::uint8_t>(k * 7);
    ASSERT_TRUE(fw::writeFile(p, good));
    std::vector<std::uint8_t> bigger(100000, 0x5A);
    fw::Expected<void, fw::FileError> r;
    fw::Expected<void, fw::FileError> text;
    {
        FileSizeLimit limit(1000);  // the old file fits, the new one does not
        r = fw::writeFile(p, bigger);
        auto w = fw::TextFileWriter::open(p, fw::TextFileWriter::Mode::Append);
        ASSERT_TRUE(w);
        w->write(std::string(5000, 'x'));
        text = w->close();
    }
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().cause, fw::FileCause::DiskFull);
    EXPECT_EQ(r.error().step, fw::FileStep::Write);
    EXPECT_EQ(r.error().saveMessage(), "创建文件错误:" + p.string() + ",ERROR = 13");
    ASSERT_FALSE(text);
    EXPECT_EQ(text.error().step, fw::FileStep::Write);
    EXPECT_EQ(*fw::readFile(p), good);
    EXPECT_EQ(namesIn(dir), std::vector<std::string>{"gear.cyb"});  // no temporary left
}

// Appending to a report on a full disk: the file-size limit is below the
// old report, so copying it into the temporary fails (the open of an Append
// writer), or just above it, so the appended text fails. Neither writer may
// replace the old report, not even from its destructor.
TEST(AtomicSave, AppendOnAFullDiskKeepsTheOldReport) {
    const auto dir = fw::testing::freshTempDir();
    const auto p = dir / "g.cyt";
    std::string old;
    for (int k = 0; k < 200; ++k) old += "\t\xB3\xDD\xC2\xD6 line " + std::to_string(k) + "\r\n";  // 齿轮
    ASSERT_GT(old.size(), 3000u);
    ASSERT_TRUE(fw::writeFile(p, bytesOf(old)));
    struct Case {
        const char* name;
        rlim_t limit;
        bool opens;  // the old text fits under the limit
    } cases[] = {
        {"the old report does not fit", 1000, false},
        {"the appended text does not fit", old.size() + 100, true},
    };
    for (const auto& c : cases) {
        fw::Expected<void, fw::FileError> closed, staged;
        bool opened = false;
        fw::FileCause openCause = fw::FileCause::None;
        {
            FileSizeLimit limit(c.limit);
            {
                auto w = fw::TextFileWriter::open(p, fw::TextFileWriter::Mode::Append);
                opened = static_cast<bool>(w);
                if (w) {
                    w->write(std::string(5000, 'x') + "\n");
                    closed = w->close();
                } else {
                    openCause = w.error().cause;
                }
            }
            {  // the writer left to its destructor
                auto w = fw::TextFileWriter::open(p, fw::TextFileWriter::Mode::Append);
                if (w) w->write(std::string(5000, 'y') + "\n");
            }
            fw::SaveTransaction save;
            staged = save.stageText(p, std::string(5000, 'z') + "\n", fw::SaveTransaction::Mode::Append);
            if (staged) staged = save.commit();
        }
        EXPECT_EQ(opened, c.opens) << c.name;
        if (opened) {
            ASSERT_FALSE(closed) << c.name;
            EXPECT_EQ(closed.error().cause, fw::FileCause::DiskFull) << c.name;
            EXPECT_EQ(closed.error().step, fw::FileStep::Write) << c.name;
        } else {
            EXPECT_EQ(openCause, fw::FileCause::DiskFull) << c.name;
        }
        EXPECT_FALSE(staged) << c.name;
        EXPECT_EQ(textOf(*fw::readFile(p)), old) << c.name;
        EXPECT_EQ(namesIn(dir), std::vector<std::string>{"g.cyt"}) << c.name;  // no temporary left
    }
}

TEST(AtomicSave, OpenFailureSaysOpenAndKeepsPermissionsAndLinks) {
    const auto dir = fw::testing::freshTempDir();
    auto missing = fw::writeFile(dir / "none" / "a.cyb", bytesOf("x"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().step, fw::FileStep::Open);
    EXPECT_EQ(missing.error().saveMessage(), missing.error().openMessage());

    // The replaced file keeps its mode; a link keeps pointing at the new content.
    const auto real = dir / "real.cyb";
    ASSERT_TRUE(fw::writeFile(real, bytesOf("old")));
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    std::filesystem::create_symlink("real.cyb", dir / "link.cyb");
    ASSERT_TRUE(fw::writeFile(dir / "link.cyb", bytesOf("new")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.cyb"));
    EXPECT_EQ(textOf(*fw::readFile(real)), "new");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"link.cyb", "real.cyb"}));
}

TEST(AtomicSave, TransactionCommitsBothOrNeither) {
    const auto dir = fw::testing::freshTempDir();
    const auto data = dir / "g.cyb", report = dir / "g.cyt";
    ASSERT_TRUE(fw::writeFile(data, bytesOf("old data")));
    ASSERT_TRUE(fw::writeFile(report, bytesOf("old report\r\n")));

    {  // both staged and committed; the report appended to its old text
        fw::SaveTransaction save;
        ASSERT_TRUE(save.stage(data, bytesOf("new data")));
        ASSERT_TRUE(save.stageText(report, "齿轮\n", fw::SaveTransaction::Mode::Append));
        ASSERT_TRUE(save.commit());
    }
    EXPECT_EQ(textOf(*fw::readFile(data)), "new data");
    EXPECT_EQ(textOf(*fw::readFile(report)), "old report\r\n\xB3\xDD\xC2\xD6\r\n");

    {  // the report cannot be made: the data file stays as it was
        fw::SaveTransaction save;
        ASSERT_TRUE(save.stage(data, bytesOf("third data")));
        auto r = save.stageText(dir / "none" / "g.cyt", "x\n");
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().cause, fw::FileCause::NotFound);
        EXPECT_FALSE(save.commit());
    }
    EXPECT_EQ(textOf(*fw::readFile(data)), "new data");

    {  // the second rename fails after the first succeeded: the first comes back
        const auto sub = dir / "sub";
        std::filesystem::create_directory(sub);
        fw::SaveTransaction save;
        ASSERT_TRUE(save.stage(data, bytesOf("fourth data")));
        ASSERT_TRUE(save.stage(sub / "g.cyt", bytesOf("r")));
        std::filesystem::remove_all(sub);
        auto r = save.commit();
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().step, fw::FileStep::Write);
    }
    EXPECT_EQ(textOf(*fw::readFile(data)), "new data");

    {  // a new file that cannot be followed by the next is removed again
        const auto sub = dir / "sub2";
        std::filesystem::create_directory(sub);
        fw::SaveTransaction save;
        ASSERT_TRUE(save.stage(dir / "fresh.cyb", bytesOf("fresh")));
        ASSERT_TRUE(save.stage(sub / "g.cyt", bytesOf("r")));
        std::filesystem::remove_all(sub);
        ASSERT_FALSE(save.commit());
    }
    {  // not committed: nothing changes
        fw::SaveTransaction save;
        ASSERT_TRUE(save.stage(data, bytesOf("never")));
    }
    EXPECT_EQ(textOf(*fw::readFile(data)), "new data");
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"g.cyb", "g.cyt"}));
}

// Names as long as the file system allows (NAME_MAX, 255 bytes on Linux):
// the temporary and backup names beside them must fit as well.
TEST(AtomicSave, LongestLegalNamesSave) {
    const auto dir = fw::testing::freshTempDir();
    std::string chinese;
    for (int k = 0; k < 80; ++k) chinese += "齿";  // 3 bytes each in UTF-8
    struct Case {
        const char* name;
        std::string stem;  // the name without its extension
    } cases[] = {
        {"80 Chinese characters + .cyb (244 bytes)", chinese},
        {"236 ASCII + .cyb (240 bytes)", std::string(236, 'g')},
        {"251 ASCII + .cyb (255 bytes)", std::string(251, 'h')},
    };
    for (const auto& c : cases) {
        const auto data = dir / (c.stem + ".cyb"), report = dir / (c.stem + ".cyt");
        ASSERT_LE(data.filename().string().size(), 255u) << c.name;
        ASSERT_TRUE(fw::writeFile(data, bytesOf("old"))) << c.name;
        ASSERT_TRUE(fw::writeFile(data, bytesOf("data"))) << c.name;
        {
            auto w = fw::TextFileWriter::open(report, fw::TextFileWriter::Mode::Create);
            ASSERT_TRUE(w) << c.name;
            w->write("a\n");
            ASSERT_TRUE(w->close()) << c.name;
            auto a = fw::TextFileWriter::open(report, fw::TextFileWriter::Mode::Append);
            ASSERT_TRUE(a) << c.name;
            a->write("b\n");
            ASSERT_TRUE(a->close()) << c.name;
        }
        {  // two existing targets: the commit keeps backups beside them
            fw::SaveTransaction save;
            ASSERT_TRUE(save.stage(data, bytesOf("both"))) << c.name;
            ASSERT_TRUE(save.stageText(report, "c\n", fw::SaveTransaction::Mode::Append)) << c.name;
            ASSERT_TRUE(save.commit()) << c.name;
        }
        EXPECT_EQ(textOf(*fw::readFile(data)), "both") << c.name;
        EXPECT_EQ(textOf(*fw::readFile(report)), "a\r\nb\r\nc\r\n") << c.name;
        EXPECT_EQ(namesIn(dir), (std::vector<std::string>{data.filename().string(), report.filename().string()}))
            << c.name;
        std::filesystem::remove(data);
        std::filesystem::remove(report);
    }
}

// A file marked read-only (mode 0444) is not replaced, for root as well
// (root's access() would allow it: the mode decides), and neither is a pipe
// in place of the file (refused at once, with or without a reader).
TEST(AtomicSave, WriteProtectedFilesAndPipesAreRefusedAndKept) {
    const auto dir = fw::testing::freshTempDir();
    const auto locked = dir / "locked.cyb", other = dir / "other.cyt";
    ASSERT_TRUE(fw::writeFile(locked, bytesOf("old data")));
    ASSERT_TRUE(fw::writeFile(other, bytesOf("old report\r\n")));
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    std::filesystem::create_symlink("locked.cyb", dir / "link.cyb");
    const auto fifo = dir / "pipe.cyt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);

    struct Case {
        const char* name;
        std::filesystem::path path;
        fw::FileCause cause;
    } cases[] = {
        {"mode 0444", locked, fw::FileCause::AccessDenied},
        {"a link to a mode 0444 file", dir / "link.cyb", fw::FileCause::AccessDenied},
        {"a pipe", fifo, fw::FileCause::InvalidFile},
    };
    for (const auto& c : cases) {
        auto pending = std::async(std::launch::async, [&] {
            std::vector<fw::FileError> errors;
            if (auto r = fw::writeFile(c.path, bytesOf("new")); !r) errors.push_back(r.error());
            for (auto mode : {fw::TextFileWriter::Mode::Create, fw::TextFileWriter::Mode::Append})
                if (auto w = fw::TextFileWriter::open(c.path, mode); !w) errors.push_back(w.error());
            fw::SaveTransaction save;
            if (auto r = save.stageText(other, "new\n", fw::SaveTransaction::Mode::Append); !r)
                errors.push_back(r.error());
            if (auto r = save.stage(c.path, bytesOf("new")); !r) errors.push_back(r.error());
            if (auto r = save.commit(); r) errors.clear();  // committed: a fault
            return errors;
        });
        ASSERT_EQ(pending.wait_for(std::chrono::seconds(10)), std::future_status::ready) << c.name << ": hangs";
        const auto errors = pending.get();
        ASSERT_EQ(errors.size(), 4u) << c.name;
        for (const auto& e : errors) {
            EXPECT_EQ(e.cause, c.cause) << c.name;
            EXPECT_EQ(e.step, fw::FileStep::Open) << c.name;
            EXPECT_EQ(e.path, c.path) << c.name;
        }
    }
    EXPECT_EQ(textOf(*fw::readFile(locked)), "old data");
    EXPECT_EQ(textOf(*fw::readFile(other)), "old report\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(locked.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"link.cyb", "locked.cyb", "other.cyt", "pipe.cyt"}));

    // With a reader on the pipe the save is refused all the same.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    auto r = fw::writeFile(fifo, bytesOf("new"));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().cause, fw::FileCause::InvalidFile);
    char buf[8];
    EXPECT_EQ(::read(reader, buf, sizeof buf), 0);  // nothing came through
    ::close(reader);
}

TEST(Loading, ReadsRegularFilesOnlyAndNoMoreThanAsked) {
    const auto dir = fw::testing::freshTempDir();
    const auto fifo = dir / "pipe.cyb";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Without a writer a blocking open would never return.
    auto pending = std::async(std::launch::async, [&] { return fw::readFile(fifo, 440); });
    ASSERT_EQ(pending.wait_for(std::chrono::seconds(10)), std::future_status::ready) << "the read hangs on a FIFO";
    auto r = pending.get();
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().cause, fw::FileCause::InvalidFile);
    EXPECT_FALSE(fw::readTextFile(fifo));

    const auto big = dir / "big.cyb";
    ASSERT_TRUE(fw::writeFile(big, std::vector<std::uint8_t>(200000, 1)));
    EXPECT_EQ(fw::readFile(big, 504)->size(), 504u);
    EXPECT_EQ(fw::readFile(big, 300000)->size(), 200000u);
    EXPECT_EQ(fw::readFile(big)->size(), 200000u);
}

}  // namespace
