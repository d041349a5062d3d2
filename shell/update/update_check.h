// The update check of 帮助 > 检测版本更新...: asks the update server over FTP
// for the current version number and says which message to show. No window
// work here; the caller shows the message (under its wait cursor).
#pragma once
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kavrin::update {

// The program's own version number (major * 100 + minor: 4.00).
inline constexpr std::int32_t kProgramVersion = 400;

// The installation key and its values naming the update server.
inline constexpr const char* kInstallKey = "SOFTWARE\\ondrel\\kavrin\\";
inline constexpr const char* kHostValue = "updatehost";   // host name or address
inline constexpr const char* kPortValue = "updateport";   // default 21
inline constexpr const char* kSiteValue = "updatesite";   // web address shown for a new version

inline constexpr const char* kDefaultSite = "www.ondrel.com";

// What the check says when the installation names no usable update server.
inline constexpr const char* kNotConfiguredText = "未配置版本更新服务器（安装信息中缺少 updatehost），无法检测版本更新。";
inline constexpr const char* kBadServerText = "版本更新服务器的设置（updatehost、updateport）无效，无法检测版本更新。";

struct ServerSettings {
    std::string host;                       // empty: no server configured
    int port = 21;
    std::string user = "dnr3";
    std::string password = "Tqe5172649%";
    std::string directory = "/www/download/objects/";
    std::string file = "Rtv.dat";
    std::string site = kDefaultSite;        // where the user downloads the new version
    std::chrono::milliseconds connectTimeout{10'000};
    std::chrono::milliseconds totalTimeout{20'000};   // the whole check, all steps
};

enum class Outcome {
    NotConfigured,          // no usable `updatehost`/`updateport`: nothing is asked of the network
    Unreachable,            // no connection or login: "你的网络连接不得力..."
    DirectoryUnavailable,   // the version directory failed: "可能网络查询超时..."
    NoVersionInfo,          // no version file, or shorter than 4 bytes
    UpToDate,               // server version <= program version
    NewerVersion,           // server version > program version
};

// Every message of the check goes in a plain box with an OK button only.
enum class MessageIcon { None, Information, Exclamation };

struct CheckResult {
    Outcome outcome = Outcome::Unreachable;
    std::string message;                       // the exact text to show, UTF-8
    MessageIcon icon = MessageIcon::None;
    std::optional<std::int32_t> serverVersion; // set when the version file was read
    std::string errorText;                     // the network error's text (Unreachable, DirectoryUnavailable)
};

// The server settings from the machine hive's installation key: host from
// `updatehost` (missing: empty host), port from `updateport` (missing or not
// a number: 21; outside 1..65535: 0, which the check refuses), web address
// from `updatesite` (missing: kDefaultSite). Login, folder, file and timeouts
// keep their defaults.
ServerSettings settingsFromRegistry();

// The check's last step on the head of the version file as read: fewer than
// 4 bytes is NoVersionInfo; otherwise its first int32 (little-endian) is the
// server's version, compared with kProgramVersion.
CheckResult versionFileResult(std::span<const std::uint8_t> head, const std::string& site);

// Runs the check synchronously; bounded by settings.totalTimeout. Never
// throws for network trouble: each failure is an Outcome with its message.
CheckResult checkForUpdate(const ServerSettings& settings);

}  // namespace kavrin::update
