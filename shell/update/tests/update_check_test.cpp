// The update check against a real FTP server on 127.0.0.1 (pyftpdlib, run by
// tests/ftp_server.py), and its settings from the machine registry.
#include "shell/update/update_check.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <arpa/inet.h>
#include <fcntl.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fw/record.h"
#include "fw/registry.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace kavrin::update;
using namespace std::chrono_literals;

const std::string kUnreachablePrefix = "你的网络连接不得力，请检查网络再试！Erro:";
const std::string kDirectoryPrefix = "可能网络查询超时，未能查到更新版本信息！稍后再试。！Erro:";
const std::string kNoVersion = "未找到有关版本更新的信息！";
const std::string kUpToDate = "当前使用版本为最新，不需升级";
const std::string kSite = "www.kavrin-test.invalid";

fs::path testRoot() {
    const char* tmp = std::getenv("KAVRIN_TEST_TMP");
    fs::path base = tmp && *tmp ? fs::path(tmp) : fs::temp_directory_path();
    return base / "update_check" / std::to_string(::getpid());
}

void writeBytes(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> le32(std::int32_t v) {
    fw::RecordWriter w(4);
    w.i32(0, v);
    return w.bytes();
}

std::vector<std::uint8_t> operator+(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A loopback TCP socket; listening but never accepting when asked to.
class LoopbackSocket {
public:
    explicit LoopbackSocket(bool listening) {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
            (listening && ::listen(m_fd, 4) != 0) ||
            ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &len) != 0)
            return;
        m_port = ntohs(a.sin_port);
    }
    ~LoopbackSocket() { close(); }
    void close() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }
    int port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};

// The FTP server child process. It stops by itself when its stdin closes,
// so a crashed test leaves nothing running; stop() ends it for sure.
class FtpServer {
public:
    ~FtpServer() { stop(); }

    // Empty on success; otherwise why the server did not come up.
    std::string start(const fs::path& root, const std::string& user, const std::string& password) {
        const fs::path script = fs::path(KAVRIN_SOURCE_DIR) / "shell/update/tests/ftp_server.py";
        const std::string log = (root.parent_path() / "ftp_server.log").string();
        int in[2], out[2];
        if (::pipe2(in, O_CLOEXEC) != 0) return "pipe failed";
        if (::pipe2(out, O_CLOEXEC) != 0) return "pipe failed";
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_adddup2(&fa, in[0], 0);
        posix_spawn_file_actions_adddup2(&fa, out[1], 1);
        posix_spawn_file_actions_addopen(&fa, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<std::string> args = {"/usr/bin/python3", script.string(), user, password, root.string()};
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        const int rc = ::posix_spawn(&m_pid, argv[0], &fa, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&fa);
        ::close(in[0]);
        ::close(out[1]);
        m_stdin = in[1];
        m_stdout = out[0];
        if (rc != 0) {
            m_pid = -1;
            return "cannot run /usr/bin/python3";
        }
        const std::string line = readLine(15s);
        if (line.rfind("PORT ", 0) == 0) {
            m_port = std::atoi(line.c_str() + 5);
            return {};
        }
        if (line.rfind("NO-PYFTPDLIB", 0) == 0) m_noPyftpdlib = true;
        return line.empty() ? "the FTP server did not start (see " + log + ")" : line;
    }

    void stop() {
        if (m_stdin >= 0) ::close(m_stdin);
        if (m_stdout >= 0) ::close(m_stdout);
        m_stdin = m_stdout = -1;
        if (m_pid <= 0) return;
        ::kill(m_pid, SIGTERM);
        for (int i = 0; i < 100 && ::waitpid(m_pid, nullptr, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(20ms);
        if (::waitpid(m_pid, nullptr, WNOHANG) == 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        m_pid = -1;
    }

    int port() const { return m_port; }
    bool noPyftpdlib() const { return m_noPyftpdlib; }

private:
    std::string readLine(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        std::string line;
        while (true) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left <= 0ms) return {};
            pollfd p{m_stdout, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
            char c;
            if (::read(m_stdout, &c, 1) != 1) return line;
            if (c == '\n') return line;
            line += c;
        }
    }

    pid_t m_pid = -1;
    int m_stdin = -1;
    int m_stdout = -1;
    int m_port = 0;
    bool m_noPyftpdlib = false;
};

class UpdateCheckFtp : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("no_proxy", "127.0.0.1,localhost", 1);  // a proxy of the machine must not take loopback
        fs::remove_all(testRoot());
        fs::create_directories(root());
        server = std::make_unique<FtpServer>();
        startError = server->start(root(), "dnr3", "Tqe5172649%");
    }
    static void TearDownTestSuite() {
        server.reset();
        fs::remove_all(testRoot());
    }
    void SetUp() override {
        if (server->noPyftpdlib())
            GTEST_SKIP() << "/usr/bin/python3 cannot import pyftpdlib (Debian: python3-pyftpdlib): "
                         << startError;
        ASSERT_EQ(startError, "") << "FTP server on 127.0.0.1";
        fs::remove_all(root() / "www");
    }

    static fs::path root() { return testRoot() / "ftproot"; }
    static fs::path versionFile() { return root() / "www/download/objects/Rtv.dat"; }

    static ServerSettings settings() {
        ServerSettings s;
        s.host = "127.0.0.1";
        s.port = server->port();
        s.site = kSite;
        return s;
    }

    static inline std::unique_ptr<FtpServer> server;
    static inline std::string startError;
};

TEST_F(UpdateCheckFtp, VersionFileDecidesTheMessage) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        Outcome outcome;
        std::string message;
    } cases[] = {
        // The program's own version is 400: equal is up to date.
        {"400", le32(400), Outcome::UpToDate, kUpToDate},
        {"399", le32(399), Outcome::UpToDate, kUpToDate},
        // Signed comparison: 0xFFFFFFFF is -1, not a huge newer version.
        {"-1", le32(-1), Outcome::UpToDate, kUpToDate},
        // The documented examples: 1205 -> V12.05, 401 -> V4.01.
        {"1205", le32(1205), Outcome::NewerVersion, "有新版本可以更新，请登录" + kSite + "下载更新，最新版本是V12.05"},
        {"401", le32(401), Outcome::NewerVersion, "有新版本可以更新，请登录" + kSite + "下载更新，最新版本是V4.01"},
        // Minor part is two digits, zero-padded: 1000 / 100 = 10, 1000 % 100 = 0.
        {"1000", le32(1000), Outcome::NewerVersion, "有新版本可以更新，请登录" + kSite + "下载更新，最新版本是V10.00"},
        // Only the first 4 bytes count; the rest of a long file is never read.
        {"1205 + 1 MiB", le32(1205) + std::vector<std::uint8_t>(1 << 20, 0x7f), Outcome::NewerVersion,
         "有新版本可以更新，请登录" + kSite + "下载更新，最新版本是V12.05"},
        // Too short to hold a version number: no version information.
        {"2 bytes", {0x90, 0x01}, Outcome::NoVersionInfo, kNoVersion},
        {"empty", {}, Outcome::NoVersionInfo, kNoVersion},
    };
    for (const auto& c : cases) {
        writeBytes(versionFile(), c.file);
        const CheckResult r = checkForUpdate(settings());
        EXPECT_EQ(r.outcome, c.outcome) << c.name << ": " << r.message;
        EXPECT_EQ(r.message, c.message) << c.name;
        EXPECT_EQ(r.icon, MessageIcon::None) << c.name;
    }
}

TEST_F(UpdateCheckFtp, ServerVersionIsReported) {
    writeBytes(versionFile(), le32(1205));
    EXPECT_EQ(checkForUpdate(settings()).serverVersion, 1205);
}

TEST_F(UpdateCheckFtp, MissingFileMeansNoVersionInformation) {
    fs::create_directories(versionFile().parent_path());
    const CheckResult r = checkForUpdate(settings());
    EXPECT_EQ(r.outcome, Outcome::NoVersionInfo);
    EXPECT_EQ(r.message, kNoVersion);
}

TEST_F(UpdateCheckFtp, MissingDirectoryShowsTheQueryMessageWithTheErrorText) {
    fs::create_directories(root() / "www/download");  // "objects" is missing
    writeBytes(root() / "Rtv.dat", le32(1205));        // a file elsewhere must not be taken
    const CheckResult r = checkForUpdate(settings());
    EXPECT_EQ(r.outcome, Outcome::DirectoryUnavailable);
    EXPECT_FALSE(r.errorText.empty());
    EXPECT_EQ(r.message, kDirectoryPrefix + r.errorText);
}

TEST_F(UpdateCheckFtp, RefusedLoginIsANetworkFailure) {
    writeBytes(versionFile(), le32(1205));
    ServerSettings s = settings();
    s.password = "wrong";
    const CheckResult r = checkForUpdate(s);
    EXPECT_EQ(r.outcome, Outcome::Unreachable);
    EXPECT_FALSE(r.errorText.empty());
    EXPECT_EQ(r.message, kUnreachablePrefix + r.errorText);
}

TEST_F(UpdateCheckFtp, SettingsFromTheInstallationKeyReachTheServer) {
    writeBytes(versionFile(), le32(401));
    const fs::path reg = testRoot() / "machine.reg";
    std::ofstream(reg, std::ios::binary) << "[SOFTWARE\\ondrel\\kavrin]\nupdatehost=127.0.0.1\nupdateport="
                                         << server->port() << "\nupdatesite=" << kSite << "\n";
    setenv("KAVRIN_MACHINE_REGISTRY", reg.c_str(), 1);
    fw::registry::reload();
    const CheckResult r = checkForUpdate(settingsFromRegistry());
    unsetenv("KAVRIN_MACHINE_REGISTRY");
    fw::registry::reload();
    EXPECT_EQ(r.message, "有新版本可以更新，请登录" + kSite + "下载更新，最新版本是V4.01");
}

// Failures that need no FTP server at all.
TEST(UpdateCheckOffline, UnreachableServersShowTheNetworkMessage) {
    setenv("no_proxy", "127.0.0.1,localhost", 1);
    LoopbackSocket closed(false);  // a port nobody listens on
    const int freePort = closed.port();
    closed.close();
    ASSERT_GT(freePort, 0);
    struct Case {
        const char* name;
        std::string host;
        int port;
    } cases[] = {
        {"nothing listening", "127.0.0.1", freePort},
    };
    for (const auto& c : cases) {
        ServerSettings s;
        s.host = c.host;
        s.port = c.port;
        const CheckResult r = checkForUpdate(s);
        EXPECT_EQ(r.outcome, Outcome::Unreachable) << c.name;
        EXPECT_FALSE(r.errorText.empty()) << c.name;
        EXPECT_EQ(r.message, kUnreachablePrefix + r.errorText) << c.name;
        EXPECT_FALSE(r.serverVersion) << c.name;
    }
}

// Settings that name no usable server: a Chinese message about the
// installation, never the network's, and no connection attempt.
TEST(UpdateCheckOffline, MissingOrBadServerSettingsSayNoServerIsConfigured) {
    struct Case {
        const char* name;
        std::string host;
        int port;
        const char* message;
    } cases[] = {
        {"no host configured", "", 21, kNotConfiguredText},
        {"port out of range", "127.0.0.1", 0, kBadServerText},   // what a bad `updateport` turns into
        {"host with a path in it", "127.0.0.1/x", 21, kBadServerText},
    };
    for (const auto& c : cases) {
        ServerSettings s;
        s.host = c.host;
        s.port = c.port;
        const auto start = std::chrono::steady_clock::now();
        const CheckResult r = checkForUpdate(s);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1s) << c.name;
        EXPECT_EQ(r.outcome, Outcome::NotConfigured) << c.name;
        EXPECT_EQ(r.message, c.message) << c.name;
        EXPECT_EQ(r.message.find("Erro"), std::string::npos) << c.name;
        EXPECT_EQ(r.icon, MessageIcon::Exclamation) << c.name;
        EXPECT_FALSE(r.serverVersion) << c.name;
    }
    EXPECT_EQ(std::string(kNotConfiguredText), "未配置版本更新服务器（安装信息中缺少 updatehost），无法检测版本更新。");
}

TEST(UpdateCheckOffline, SilentServerEndsAtTheTimeout) {
    setenv("no_proxy", "127.0.0.1,localhost", 1);
    LoopbackSocket silent(true);  // accepts connections, never greets
    ASSERT_GT(silent.port(), 0);
    ServerSettings s;
    s.host = "127.0.0.1";
    s.port = silent.port();
    s.connectTimeout = 300ms;
    s.totalTimeout = 600ms;
    const auto start = std::chrono::steady_clock::now();
    const CheckResult r = checkForUpdate(s);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.outcome, Outcome::Unreachable) << r.message;
    EXPECT_EQ(r.message, kUnreachablePrefix + r.errorText);
    EXPECT_LT(took, 10s) << "the timeouts bound the check";
}

class UpdateSettings : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(testRoot());
        reg = testRoot() / "settings.reg";
        fs::remove(reg);
        setenv("KAVRIN_MACHINE_REGISTRY", reg.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("KAVRIN_MACHINE_REGISTRY");
        fw::registry::reload();
        std::error_code ignored;
        fs::remove(reg, ignored);
        fs::remove(testRoot(), ignored);  // only when empty: the FTP suite may still use it
    }
    fs::path reg;
};

TEST_F(UpdateSettings, ReadFromTheInstallationKey) {
    struct Case {
        const char* name;
        const char* file;  // machine registry contents; nullptr: no file at all
        std::string host;
        int port;
        std::string site;
    } cases[] = {
        // All three values given.
        {"all", "[SOFTWARE\\ondrel\\kavrin]\nupdatehost=ftp.example.net\nupdateport=2121\nupdatesite=www.x.net\n",
         "ftp.example.net", 2121, "www.x.net"},
        // Port defaults to 21, the site to the built-in address.
        {"host only", "[SOFTWARE\\ondrel\\kavrin]\nupdatehost=10.1.2.3\n", "10.1.2.3", 21, kDefaultSite},
        // A port that is not a number keeps the default.
        {"port text", "[SOFTWARE\\ondrel\\kavrin]\nupdatehost=h\nupdateport=ftp\n", "h", 21, kDefaultSite},
        // A number that is no TCP port becomes 0, which the check refuses.
        {"port too big", "[SOFTWARE\\ondrel\\kavrin]\nupdatehost=h\nupdateport=70000\n", "h", 0, kDefaultSite},
        // No value, or no key at all: no host.
        {"other values", "[SOFTWARE\\ondrel\\kavrin]\nxpfileloc=/opt/k\n", "", 21, kDefaultSite},
        {"no file", nullptr, "", 21, kDefaultSite},
    };
    for (const auto& c : cases) {
        fs::remove(reg);
        if (c.file) std::ofstream(reg, std::ios::binary) << c.file;
        fw::registry::reload();
        const ServerSettings s = settingsFromRegistry();
        EXPECT_EQ(s.host, c.host) << c.name;
        EXPECT_EQ(s.port, c.port) << c.name;
        EXPECT_EQ(s.site, c.site) << c.name;
        // What the registry does not name keeps the fixed login and location.
        EXPECT_EQ(s.user, "dnr3") << c.name;
        EXPECT_EQ(s.password, "Tqe5172649%") << c.name;
        EXPECT_EQ(s.directory, "/www/download/objects/") << c.name;
        EXPECT_EQ(s.file, "Rtv.dat") << c.name;
        EXPECT_EQ(s.connectTimeout, 10s) << c.name;
        EXPECT_EQ(s.totalTimeout, 20s) << c.name;
    }
}

}  // namespace
