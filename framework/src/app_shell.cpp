// Shell integration on a freedesktop system: file types for the user, and
// the hand-off of a file named at a second start to the running program
// over a Unix socket in $XDG_RUNTIME_DIR.
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

#include "fw/app.h"

namespace fw {

namespace {

std::string envOr(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : fallback;
}

bool writeIfChanged(const std::filesystem::path& p, const std::string& content) {
    std::error_code ec;
    std::filesystem::create_directories(p.parent_path(), ec);
    {
        std::ifstream in(p, std::ios::binary);
        if (in) {
            std::stringstream ss;
            ss << in.rdbuf();
            if (ss.str() == content) return true;
        }
    }
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    return static_cast<bool>(out);
}

bool fillAddress(const std::filesystem::path& p, sockaddr_un& a) {
    std::memset(&a, 0, sizeof a);
    a.sun_family = AF_UNIX;
    std::string s = p.string();
    if (s.empty() || s.size() >= sizeof a.sun_path) return false;
    std::memcpy(a.sun_path, s.c_str(), s.size() + 1);
    return true;
}

int connectTo(const std::filesystem::path& p) {
    sockaddr_un a;
    if (!fillAddress(p, a)) return -1;
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The hand-off protocol, one connection per file: the second start sends
// "open <path>\n"; the running program opens the file and answers "ok\n", or
// "no <its message>\n" when it cannot ("no\n" to a request it does not
// understand). A backslash and a line break in a path or a message travel as
// "\\" and "\n". Lines are at most kMaxLine bytes, the newline included (a
// longer message is cut). The second start keeps the connection open until
// the answer has come: a request whose sender has gone is not served, as
// that one opens the file itself.
constexpr std::size_t kMaxLine = 16384;
constexpr int kRequestMs = 1000;   // the running program waits this long for a request
constexpr int kAnswerMs = 3000;    // the second start waits this long for the answer

std::string escapeLine(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

std::optional<std::string> unescapeLine(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size()) return std::nullopt;
        if (s[i] == '\\') out += '\\';
        else if (s[i] == 'n') out += '\n';
        else return std::nullopt;
    }
    return out;
}

// A message cut to fit an answer line, at a character boundary.
std::string escapedToFit(std::string_view text, std::size_t room) {
    std::string out = escapeLine(text);
    if (out.size() <= room) return out;
    std::size_t cut = room;
    // not inside a UTF-8 sequence, not after the first half of an escape
    while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
    std::size_t slashes = 0;
    while (slashes < cut && out[cut - 1 - slashes] == '\\') ++slashes;
    if (slashes % 2 == 1) --cut;
    out.resize(cut);
    return out;
}

// One line, its newline not included: nullopt when none came whole within
// ms in all (the peer closed, went silent or sent too much).
std::optional<std::string> readLine(int fd, int ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    std::string line;
    char buf[512];
    while (line.size() < kMaxLine) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) return std::nullopt;
        pollfd pf{fd, POLLIN, 0};
        const int ready = ::poll(&pf, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return std::nullopt;
        const ssize_t n = ::recv(fd, buf, std::min(sizeof buf, kMaxLine - line.size()), 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;
        line.append(buf, static_cast<std::size_t>(n));
        if (std::size_t nl = line.find('\n'); nl != std::string::npos) return line.substr(0, nl);
    }
    return std::nullopt;
}

// The peer has closed the connection (not only its sending half): a second
// start that gave up waiting for the answer.
bool peerGone(int fd) {
    pollfd pf{fd, 0, 0};
    return ::poll(&pf, 1, 0) > 0 && (pf.revents & (POLLHUP | POLLERR)) != 0;
}

bool writeAll(int fd, const std::string& s) {
    std::size_t done = 0;
    while (done < s.size()) {
        ssize_t n = ::send(fd, s.data() + done, s.size() - done, MSG_NOSIGNAL);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::filesystem::path userDataFolder() {
    const char* home = std::getenv("HOME");
    return envOr("XDG_DATA_HOME", std::string(home ? home : "/tmp") + "/.local/share");
}

std::string mimeTypeName(const FileTypeRegistration& r) {
    std::string id = r.typeId;
    for (char& c : id) c = c == '.' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return "application/x-" + id;
}

bool registerFileTypes(const FileTypeRegistration& r) {
    std::filesystem::path base = userDataFolder();
    std::string mime = mimeTypeName(r);
    std::string lower = r.appName;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));

    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                      "  <mime-type type=\"" + mime + "\">\n"
                      "    <comment>" + r.typeName + "</comment>\n";
    for (const auto& e : r.extensions) xml += "    <glob pattern=\"*." + e + "\"/>\n";
    xml += "  </mime-type>\n</mime-info>\n";

    std::string desktop = "[Desktop Entry]\nType=Application\nName=" + r.appName + "\nComment=" + r.typeName +
                          "\nExec=\"" + r.program.string() + "\" %F\nMimeType=" + mime +
                          ";\nTerminal=false\nCategories=Science;Engineering;\n";
    if (!r.iconName.empty()) desktop += "Icon=" + r.iconName + "\n";
    bool ok = writeIfChanged(base / "mime" / "packages" / (lower + ".xml"), xml);
    if (!r.iconName.empty() && !r.iconSvg.empty())
        ok = writeIfChanged(base / "icons" / "hicolor" / "scalable" / "apps" / (r.iconName + ".svg"), r.iconSvg) && ok;
    return writeIfChanged(base / "applications" / (lower + ".desktop"), desktop) && ok;
}

void App::SetAppIcon(std::string name, std::string svg) {
    m_iconName = std::move(name);
    m_iconSvg = std::move(svg);
}

void App::RegisterShellFileTypes(bool /*compat*/) {
    if (!m_template) return;
    const DocStrings& s = m_template->strings();
    FileTypeRegistration r;
    r.typeId = s.fileTypeId;
    r.typeName = s.fileTypeName;
    r.appName = appTitle();
    std::string ext = s.filterExt;   // ".cyt;*.tng;*.cwt;*.cxt"
    std::size_t start = 0;
    while (start <= ext.size()) {
        std::size_t semi = ext.find(';', start);
        std::string one = ext.substr(start, semi == std::string::npos ? std::string::npos : semi - start);
        while (!one.empty() && (one.front() == '*' || one.front() == '.')) one.erase(0, 1);
        if (!one.empty()) r.extensions.push_back(one);
        if (semi == std::string::npos) break;
        start = semi + 1;
    }
    std::error_code ec;
    r.program = std::filesystem::read_symlink("/proc/self/exe", ec);
    r.iconName = m_iconName;
    r.iconSvg = m_iconSvg;
    registerFileTypes(r);
}

void App::EnableShellOpen() {
    std::string lower = appTitle().empty() ? "app" : appTitle();
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string runtime = envOr("XDG_RUNTIME_DIR", "/tmp");
    std::string name = lower + "-" + std::to_string(::getuid());
    m_socketPath = std::filesystem::path(runtime) / (name + ".sock");
    sockaddr_un a;
    if (m_socketPath.string().size() >= sizeof a.sun_path) {
        // A socket path must fit its address: a long runtime folder is
        // named by its hash in /tmp instead.
        std::size_t h = std::hash<std::string>{}(runtime);
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016zx", h);
        m_socketPath = std::filesystem::path("/tmp") / (name + "-" + hex + ".sock");
    }
    if (!fillAddress(m_socketPath, a)) return;
    if (int fd = connectTo(m_socketPath); fd >= 0) {   // a program runs already
        ::close(fd);
        return;
    }
    ::unlink(m_socketPath.c_str());   // left over from a program that ended abruptly
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        return;
    }
    m_listenFd = fd;
    if (AppBackend* b = appBackend()) b->watchFd(fd, [this] { pollShellOpen(); });
}

void App::closeShellOpen() {
    if (m_listenFd < 0) return;
    if (AppBackend* b = appBackend()) b->unwatchFd(m_listenFd);
    ::close(m_listenFd);
    m_listenFd = -1;
    ::unlink(m_socketPath.c_str());
}

HandOver App::handOver(const std::filesystem::path& p) {
    if (m_listenFd >= 0 || m_socketPath.empty()) return {};   // we are the running program
    int fd = connectTo(m_socketPath);
    if (fd < 0) return {};
    HandOver h;
    const std::string request = "open " + escapeLine(normalisedPath(p).string()) + "\n";
    if (request.size() <= kMaxLine && writeAll(fd, request)) {
        const std::optional<std::string> answer = readLine(fd, kAnswerMs);
        if (answer == "ok") {
            h.answer = HandOver::Answer::Opened;
        } else if (answer && answer->rfind("no ", 0) == 0) {
            if (auto why = unescapeLine(std::string_view(*answer).substr(3)); why && !why->empty()) {
                h.answer = HandOver::Answer::Refused;
                h.reason = std::move(*why);
            }
        }
    }
    ::close(fd);
    return h;
}

void App::pollShellOpen() {
    if (m_listenFd < 0) return;
    while (true) {
        int c = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (c < 0) return;
        const std::optional<std::string> line = readLine(c, kRequestMs);
        std::optional<std::string> path;
        if (line && line->rfind("open ", 0) == 0) path = unescapeLine(std::string_view(*line).substr(5));
        if (!path || path->empty()) {
            writeAll(c, "no\n");
            ::close(c);
            continue;
        }
        if (peerGone(c)) {   // it has opened the file itself meanwhile
            ::close(c);
            continue;
        }
        // The frame comes to the front with the report's window active, a
        // new one or the one that shows it already. The answer goes before
        // any message box, which would hold it up until the box is closed:
        // a refusal is said to the second start, then shown here too, as the
        // user who double-clicked a report in a file manager sees no
        // terminal.
        if (m_frame) m_frame->BringToFront();
        auto opened = openDocument(*path);
        std::string why;
        if (!opened) why = opened.error().empty() ? "无法打开文件 " + *path + "。" : opened.error();
        writeAll(c, opened ? std::string("ok\n") : "no " + escapedToFit(why, kMaxLine - 4) + "\n");
        ::close(c);
        if (!opened) MessageBox(why, {}, MB_OK | MB_ICONEXCLAMATION);
    }
}

}  // namespace fw
