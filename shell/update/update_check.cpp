#include "shell/update/update_check.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>
#include <string_view>
#include <vector>

#include "fw/format.h"
#include "fw/record.h"
#include "fw/registry.h"

namespace kavrin::update {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

constexpr const char* kUnreachableText = "你的网络连接不得力，请检查网络再试！Erro:%s";
constexpr const char* kDirectoryText = "可能网络查询超时，未能查到更新版本信息！稍后再试。！Erro:%s";
constexpr const char* kNoVersionText = "未找到有关版本更新的信息！";
constexpr const char* kUpToDateText = "当前使用版本为最新，不需升级";
constexpr const char* kNewerHead = "有新版本可以更新，请登录";
constexpr const char* kNewerTail = "下载更新，最新版本是V%d.%02d";

constexpr std::size_t kVersionBytes = 4;

CheckResult networkFailure(Outcome outcome, const char* fmt, std::string why) {
    CheckResult r;
    r.outcome = outcome;
    r.message = fw::format(fmt, why.c_str());
    r.errorText = std::move(why);
    return r;
}

CheckResult plain(Outcome outcome, std::string message) {
    CheckResult r;
    r.outcome = outcome;
    r.message = std::move(message);
    return r;
}

CheckResult versionResult(std::int32_t v, const std::string& site) {
    CheckResult r = v <= kProgramVersion
                        ? plain(Outcome::UpToDate, kUpToDateText)
                        : plain(Outcome::NewerVersion,
                                kNewerHead + site + fw::format(kNewerTail, v / 100, v % 100));
    r.serverVersion = v;
    return r;
}

// A host that cannot be put into an ftp:// address as it stands (a path,
// user part, query or blank in it) is refused before any connection.
bool plausibleHost(std::string_view host) {
    return !host.empty() && std::none_of(host.begin(), host.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u <= 0x20 || u == 0x7f || std::string_view("/?#@\\%").find(c) != std::string_view::npos;
    });
}

std::optional<std::string> refuseSettings(const ServerSettings& s) {
    if (s.host.empty()) return "no update server configured (" + std::string(kHostValue) + ")";
    if (!plausibleHost(s.host)) return "invalid update server name \"" + s.host + "\"";
    if (s.port < 1 || s.port > 65535) return fw::format("invalid update server port %d", s.port);
    return std::nullopt;
}

void initCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// One FTP control connection, driven step by step: log in, change into the
// version folder, read the head of the version file. The easy handle keeps
// the connection open between the steps; all of them share one deadline.
class FtpSession {
public:
    explicit FtpSession(const ServerSettings& s)
        : m_settings(s), m_deadline(Clock::now() + s.totalTimeout) {
        initCurlOnce();
        m_curl = curl_easy_init();
        if (m_curl) configure();
    }
    ~FtpSession() {
        if (m_curl) curl_easy_cleanup(m_curl);  // sends QUIT, bounded by the response timeout
    }
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    bool ready() const { return m_curl != nullptr; }

    // Each step returns the error text on failure.
    std::optional<std::string> login() { return perform(serverUrl() + "/", false); }
    std::optional<std::string> enterDirectory() { return perform(directoryUrl(), false); }

    // The first `count` bytes of the file; nullopt when the file cannot be
    // read or holds fewer bytes.
    std::optional<std::vector<std::uint8_t>> readHead(std::size_t count) {
        m_head.clear();
        m_want = count;
        perform(directoryUrl() + escape(m_settings.file), true);
        // The transfer is cut off on purpose once the head has arrived, so
        // the error of that step says nothing; the byte count does.
        if (m_head.size() < count) return std::nullopt;
        m_head.resize(count);
        return m_head;
    }

private:
    void configure() {
        curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_curl, CURLOPT_PROTOCOLS_STR, "ftp");
        curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_errorBuffer);
        curl_easy_setopt(m_curl, CURLOPT_USERNAME, m_settings.user.c_str());
        curl_easy_setopt(m_curl, CURLOPT_PASSWORD, m_settings.password.c_str());
        curl_easy_setopt(m_curl, CURLOPT_FTPPORT, nullptr);  // passive mode
        curl_easy_setopt(m_curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &FtpSession::onData);
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, this);
    }

    static std::size_t onData(char* data, std::size_t size, std::size_t n, void* self) {
        auto* s = static_cast<FtpSession*>(self);
        const std::size_t bytes = size * n;
        const std::size_t take = std::min(bytes, s->m_want - std::min(s->m_want, s->m_head.size()));
        s->m_head.insert(s->m_head.end(), data, data + take);
        // Returning less than was delivered ends the transfer: the rest of
        // the file is not needed.
        return s->m_head.size() >= s->m_want ? 0 : bytes;
    }

    std::optional<std::string> perform(const std::string& url, bool body) {
        const auto left = std::chrono::duration_cast<milliseconds>(m_deadline - Clock::now());
        if (left <= milliseconds(0)) return std::string(curl_easy_strerror(CURLE_OPERATION_TIMEDOUT));
        const auto connect = std::min(left, m_settings.connectTimeout);
        const long leftSeconds = static_cast<long>((left.count() + 999) / 1000);
        curl_easy_setopt(m_curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, body ? 0L : 1L);
        curl_easy_setopt(m_curl, CURLOPT_TIMEOUT_MS, static_cast<long>(left.count()));
        curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(connect.count()));
        curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, leftSeconds);
        m_errorBuffer[0] = '\0';
        const CURLcode rc = curl_easy_perform(m_curl);
        if (rc == CURLE_OK) return std::nullopt;
        return std::string(m_errorBuffer[0] ? m_errorBuffer : curl_easy_strerror(rc));
    }

    std::string serverUrl() const {
        const std::string& h = m_settings.host;
        const bool bareIpv6 = h.find(':') != std::string::npos && h.front() != '[';
        return "ftp://" + (bareIpv6 ? "[" + h + "]" : h) + ":" + std::to_string(m_settings.port);
    }

    // The folder as an address path ending in '/'; an absolute folder keeps
    // its leading '/' ("%2F"), so it is not taken relative to the login folder.
    std::string directoryUrl() const {
        const std::string& dir = m_settings.directory;
        std::string path = "/";
        if (!dir.empty() && dir.front() == '/') path += "%2F";
        std::size_t start = 0;
        while (start < dir.size()) {
            std::size_t end = dir.find('/', start);
            if (end == std::string::npos) end = dir.size();
            if (end > start) path += escape(dir.substr(start, end - start)) + "/";
            start = end + 1;
        }
        return serverUrl() + path;
    }

    std::string escape(const std::string& segment) const {
        char* e = curl_easy_escape(m_curl, segment.data(), static_cast<int>(segment.size()));
        std::string out = e ? e : "";
        curl_free(e);
        return out;
    }

    const ServerSettings& m_settings;
    const Clock::time_point m_deadline;
    CURL* m_curl = nullptr;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
    std::vector<std::uint8_t> m_head;
    std::size_t m_want = 0;
};

}  // namespace

ServerSettings settingsFromRegistry() {
    using fw::registry::Hive;
    ServerSettings s;
    s.host = fw::registry::readString(Hive::LocalMachine, kInstallKey, kHostValue).value_or("");
    if (const auto port = fw::registry::readInt(Hive::LocalMachine, kInstallKey, kPortValue))
        s.port = *port >= 1 && *port <= 65535 ? static_cast<int>(*port) : 0;
    if (auto site = fw::registry::readString(Hive::LocalMachine, kInstallKey, kSiteValue))
        s.site = std::move(*site);
    return s;
}

CheckResult checkForUpdate(const ServerSettings& settings) {
    // A missing or unusable server setting is the installation's, not the
    // network's: say so, in the program's language.
    if (auto why = refuseSettings(settings)) {
        CheckResult r = plain(Outcome::NotConfigured, settings.host.empty() ? kNotConfiguredText : kBadServerText);
        r.icon = MessageIcon::Exclamation;
        r.errorText = *why;
        return r;
    }
    FtpSession ftp(settings);
    if (!ftp.ready()) return networkFailure(Outcome::Unreachable, kUnreachableText, "cannot start libcurl");
    if (auto why = ftp.login()) return networkFailure(Outcome::Unreachable, kUnreachableText, *why);
    if (auto why = ftp.enterDirectory())
        return networkFailure(Outcome::DirectoryUnavailable, kDirectoryText, *why);
    const auto head = ftp.readHead(kVersionBytes);
    if (!head) return plain(Outcome::NoVersionInfo, kNoVersionText);
    return versionFileResult(*head, settings.site);
}

CheckResult versionFileResult(std::span<const std::uint8_t> head, const std::string& site) {
    if (head.size() < 4) return plain(Outcome::NoVersionInfo, kNoVersionText);
    return versionResult(fw::RecordReader(head).i32(0), site);
}

}  // namespace kavrin::update
