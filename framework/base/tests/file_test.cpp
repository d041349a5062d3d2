#include "fw/file.h"

#include <gtest/gtest.h>

#include <cerrno>

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

// Tests run as root, where file permission bits stop nothing; real refusals
// come from a missing folder, a path through a file and a folder in place of
// a file.
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
    // A /proc file without a writer: depending on the kernel, open refuses it
    // (access denied) or the write fails (I/O error); never a success.
    auto proc = fw::writeFile("/proc/version", bytesOf("data"));
    ASSERT_FALSE(proc);
    EXPECT_TRUE(proc.error().cause == fw::FileCause::AccessDenied || proc.error().cause == fw::FileCause::HardIO)
        << proc.error().code();

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

}  // namespace
