#include "fw/registry.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "fw/file.h"
#include "temp_dir.h"

namespace {

namespace reg = fw::registry;
using reg::Hive;

void writeText(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

std::string readText(const std::filesystem::path& p) {
    auto b = fw::readFile(p);
    return b ? std::string(b->begin(), b->end()) : std::string();
}

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fw::testing::freshTempDir();
        setenv("KAVRIN_MACHINE_REGISTRY", (dir / "machine.reg").c_str(), 1);
        setenv("KAVRIN_USER_REGISTRY", (dir / "cfg" / "kavrin" / "user.reg").c_str(), 1);
        reg::reload();
    }
    void TearDown() override {
        unsetenv("KAVRIN_MACHINE_REGISTRY");
        unsetenv("KAVRIN_USER_REGISTRY");
        reg::reload();
    }
    std::filesystem::path dir;
};

TEST_F(Registry, MachineHiveHitsAndMisses) {
    // The format the build writes (help/CMakeLists.txt), plus a CR LF line.
    writeText(dir / "machine.reg",
              "[SOFTWARE\\ondrel\\kavrin]\nxpfileloc=/opt/kavrin home\nmentloc=/opt/k/docs\r\n"
              "[SOFTWARE\\other]\ncount=42\nbad=4x\n");
    struct Case {
        const char* key;
        const char* name;
        std::optional<std::string> value;
    } cases[] = {
        {"SOFTWARE\\ondrel\\kavrin\\", "xpfileloc", "/opt/kavrin home"},  // trailing backslash ignored
        {"software\\ONDREL\\kavrin", "XPFileLoc", "/opt/kavrin home"},     // case ignored
        {"SOFTWARE\\ondrel\\kavrin", "mentloc", "/opt/k/docs"},           // CR of CR LF dropped
        {"SOFTWARE\\ondrel\\kavrin", "missing", std::nullopt},
        {"SOFTWARE\\ondrel", "xpfileloc", std::nullopt},                  // parent key holds nothing
        {"SOFTWARE\\ondrel\\kavrin\\sub", "xpfileloc", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reg::readString(Hive::LocalMachine, c.key, c.name), c.value) << c.key << " " << c.name;
    EXPECT_TRUE(reg::keyExists(Hive::LocalMachine, "SOFTWARE\\ondrel\\kavrin\\"));
    EXPECT_FALSE(reg::keyExists(Hive::LocalMachine, "SOFTWARE\\ondrel"));
    EXPECT_EQ(reg::readInt(Hive::LocalMachine, "SOFTWARE\\other", "count"), 42);
    EXPECT_EQ(reg::readInt(Hive::LocalMachine, "SOFTWARE\\other", "bad"), std::nullopt);
    EXPECT_FALSE(reg::keyExists(Hive::CurrentUser, "SOFTWARE\\ondrel\\kavrin"));  // hives are apart
}

TEST_F(Registry, MissingFileIsAnEmptyHive) {
    EXPECT_FALSE(reg::keyExists(Hive::LocalMachine, "SOFTWARE\\ondrel\\kavrin"));
    EXPECT_EQ(reg::readString(Hive::LocalMachine, "SOFTWARE\\ondrel\\kavrin", "xpfileloc"), std::nullopt);
}

TEST_F(Registry, CachedUntilReload) {
    writeText(dir / "machine.reg", "[K]\nv=1\n");
    EXPECT_EQ(reg::readInt(Hive::LocalMachine, "K", "v"), 1);
    writeText(dir / "machine.reg", "[K]\nv=2\n");
    EXPECT_EQ(reg::readInt(Hive::LocalMachine, "K", "v"), 1);
    reg::reload();
    EXPECT_EQ(reg::readInt(Hive::LocalMachine, "K", "v"), 2);
}

TEST_F(Registry, UserHiveWritesCreateFoldersAndPersist) {
    const auto file = dir / "cfg" / "kavrin" / "user.reg";
    ASSERT_TRUE(reg::writeString("Software\\ondrel\\kavrin\\Recent", "File1", "/home/u/齿轮.cyt"));
    ASSERT_TRUE(reg::writeInt("SOFTWARE\\ONDREL\\KAVRIN\\recent\\", "count", -3));
    ASSERT_TRUE(reg::writeString("Software\\ondrel\\kavrin\\Recent", "file1", "/b.cyt"));  // replaces
    EXPECT_EQ(readText(file), "[Software\\ondrel\\kavrin\\Recent]\nFile1=/b.cyt\ncount=-3\n");
    reg::reload();
    EXPECT_EQ(reg::readString(Hive::CurrentUser, "software\\ondrel\\kavrin\\recent", "FILE1"), "/b.cyt");
    EXPECT_EQ(reg::readInt(Hive::CurrentUser, "software\\ondrel\\kavrin\\recent", "count"), -3);
    // Texts a line-based file cannot hold are refused, not half written.
    EXPECT_FALSE(reg::writeString("K", "name", "two\nlines"));
    EXPECT_FALSE(reg::writeString("K", "a=b", "v"));
    EXPECT_FALSE(reg::keyExists(Hive::CurrentUser, "K"));
}

// A hive file edited by hand keeps what it holds across a write: a line
// ending in two carriage returns ("[C]x=1]\r\r") is a heading, as it is
// once written back with plain line ends, so the values after it stay in
// their own key.
TEST_F(Registry, HandEditedLinesKeepTheirMeaningAcrossAWrite) {
    const auto user = dir / "cfg" / "kavrin" / "user.reg";
    std::filesystem::create_directories(user.parent_path());
    writeText(user, "[K]\r\nold=1\r\n[C]x=1]\r\r\nv=2\r\n");
    EXPECT_EQ(reg::readString(Hive::CurrentUser, "C]x=1", "v"), "2");
    EXPECT_EQ(reg::readString(Hive::CurrentUser, "K", "[C]x"), std::nullopt);
    ASSERT_TRUE(reg::writeString("K", "new", "3"));
    reg::reload();
    EXPECT_EQ(reg::readString(Hive::CurrentUser, "K", "new"), "3");
    EXPECT_EQ(reg::readString(Hive::CurrentUser, "K", "old"), "1");
    EXPECT_EQ(reg::readString(Hive::CurrentUser, "C]x=1", "v"), "2");
}

TEST_F(Registry, UserWriteFailsWhenTheFolderCannotBeMade) {
    writeText(dir / "plain", "x");
    setenv("KAVRIN_USER_REGISTRY", (dir / "plain" / "user.reg").c_str(), 1);  // folder is a file
    EXPECT_FALSE(reg::writeString("K", "v", "1"));
}

// A hive file is read only when it is a regular file of at most 1 MiB; one
// that is not (too large, a pipe) reads as empty and is never overwritten,
// so whatever it held is not lost to the next recent-file entry.
TEST_F(Registry, OversizedOrOddHiveFilesReadAsEmptyAndStay) {
    const auto user = dir / "cfg" / "kavrin" / "user.reg";
    std::filesystem::create_directories(user.parent_path());
    const std::string big = "[K]\nv=1\n" + std::string(1 << 20, ';') + "\n";
    writeText(user, big);
    writeText(dir / "machine.reg", "[SOFTWARE\\ondrel\\kavrin]\nxpfileloc=/opt/k\n" + std::string(1 << 20, '#'));
    EXPECT_EQ(reg::readString(Hive::LocalMachine, "SOFTWARE\\ondrel\\kavrin", "xpfileloc"), std::nullopt);
    EXPECT_EQ(reg::readInt(Hive::CurrentUser, "K", "v"), std::nullopt);
    EXPECT_FALSE(reg::writeString("K", "w", "2"));
    EXPECT_EQ(readText(user), big);

    // Just under the bound it is an ordinary hive.
    writeText(user, "[K]\nv=1\n" + std::string((1 << 20) - 9, ';'));
    reg::reload();
    EXPECT_EQ(reg::readInt(Hive::CurrentUser, "K", "v"), 1);

    std::filesystem::remove(user);
    ASSERT_EQ(::mkfifo(user.c_str(), 0600), 0);
    reg::reload();
    EXPECT_FALSE(reg::keyExists(Hive::CurrentUser, "K"));  // returns at once: no writer needed
    EXPECT_FALSE(reg::writeString("K", "w", "2"));
    EXPECT_TRUE(std::filesystem::is_fifo(user));
}

TEST_F(Registry, MachineFileMatchesTheBuildsFormat) {
    const auto file = dir / "bin" / "kavrin-machine.reg";
    ASSERT_TRUE(reg::writeMachineFile(file, "/opt/kavrin", "/opt/kavrin/docs"));
    // Byte for byte what help/CMakeLists.txt writes at configure time.
    EXPECT_EQ(readText(file), "[SOFTWARE\\ondrel\\kavrin]\nxpfileloc=/opt/kavrin\nmentloc=/opt/kavrin/docs\n");
    setenv("KAVRIN_MACHINE_REGISTRY", file.c_str(), 1);
    EXPECT_EQ(reg::readString(Hive::LocalMachine, "SOFTWARE\\ondrel\\kavrin\\", "mentloc"), "/opt/kavrin/docs");
}

TEST_F(Registry, DefaultLocations) {
    unsetenv("KAVRIN_MACHINE_REGISTRY");
    unsetenv("KAVRIN_USER_REGISTRY");
    const auto exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(reg::machineFile(), exe.parent_path() / "kavrin-machine.reg");
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = oldXdg ? oldXdg : "";
    setenv("XDG_CONFIG_HOME", "/x/cfg", 1);
    EXPECT_EQ(reg::userFile(), std::filesystem::path("/x/cfg/kavrin/user.reg"));
    unsetenv("XDG_CONFIG_HOME");
    if (const char* home = std::getenv("HOME"); home && *home) {
        EXPECT_EQ(reg::userFile(), std::filesystem::path(home) / ".config/kavrin/user.reg");
    }
    if (oldXdg) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

}  // namespace
