// Registry hives kept in two small text files, read lazily and cached.
#include "fw/registry.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <mutex>
#include <system_error>
#include <vector>

#include "fw/file.h"
#include "fw/format.h"

namespace fw::registry {
namespace {

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view withoutTrailingBackslash(std::string_view key) {
    while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
    return key;
}

std::string keyId(std::string_view key) { return lowerAscii(withoutTrailingBackslash(key)); }

struct Section {
    std::string key;                                       // as first written
    std::vector<std::pair<std::string, std::string>> values;  // in file order

    const std::string* find(std::string_view name) const {
        const std::string id = lowerAscii(name);
        for (const auto& [n, v] : values)
            if (lowerAscii(n) == id) return &v;
        return nullptr;
    }
};

// A hive holds a few keys; a file far larger is no registry file of ours.
constexpr std::size_t kMaxHiveBytes = 1 << 20;

struct HiveData {
    std::filesystem::path file;
    std::map<std::string, Section> sections;  // by keyId
    // False when the file exists but could not be read whole (no regular
    // file, unreadable, too large): it reads as empty and is never
    // overwritten, so its content is not lost.
    bool writable = true;

    Section& section(std::string_view key) {
        Section& s = sections[keyId(key)];
        if (s.key.empty()) s.key = std::string(withoutTrailingBackslash(key));
        return s;
    }
};

void parseLine(HiveData& hive, std::string_view line, Section*& current) {
    // Every carriage return at the end goes: a line read as a value must not
    // turn into a section heading once it is written back without them.
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == ';' || line.front() == '#') return;
    if (line.front() == '[' && line.back() == ']') {
        current = &hive.section(line.substr(1, line.size() - 2));
        return;
    }
    const std::size_t eq = line.find('=');
    if (current == nullptr || eq == std::string_view::npos || eq == 0) return;
    const std::string_view name = line.substr(0, eq), value = line.substr(eq + 1);
    const std::string id = lowerAscii(name);
    for (auto& [n, v] : current->values) {
        if (lowerAscii(n) == id) {
            v = std::string(value);
            return;
        }
    }
    current->values.emplace_back(name, value);
}

HiveData load(const std::filesystem::path& file) {
    HiveData hive;
    hive.file = file;
    auto bytes = readFile(file, kMaxHiveBytes + 1);
    if (!bytes) {
        hive.writable = bytes.error().cause == FileCause::NotFound;  // a missing file is an empty hive
        return hive;
    }
    if (bytes->size() > kMaxHiveBytes) {
        hive.writable = false;
        return hive;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    Section* current = nullptr;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        parseLine(hive, text.substr(start, end - start), current);
        start = end + 1;
    }
    return hive;
}

std::string serialise(const HiveData& hive) {
    std::string out;
    for (const auto& [id, s] : hive.sections) {
        if (!out.empty()) out += '\n';
        out += "[" + s.key + "]\n";
        for (const auto& [n, v] : s.values) out += n + "=" + v + "\n";
    }
    return out;
}

std::span<const std::uint8_t> bytesOf(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// Writes a whole file atomically (writeFile goes through a temporary
// neighbour), so a failed write leaves the old file as it was.
bool replaceFile(const std::filesystem::path& file, const std::string& text) {
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    return static_cast<bool>(writeFile(file, bytesOf(text)));
}

std::string envOr(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? std::string(v) : std::string();
}

class Cache {
public:
    // Runs f on the hive's data, (re)loaded when its file changed or after reload().
    template <class F>
    auto with(Hive hive, F f) {
        std::lock_guard lock(m_mutex);
        std::optional<HiveData>& slot = hive == Hive::LocalMachine ? m_machine : m_user;
        const std::filesystem::path file = hive == Hive::LocalMachine ? machineFile() : userFile();
        if (!slot || slot->file != file) slot = load(file);
        return f(*slot);
    }
    void clear() {
        std::lock_guard lock(m_mutex);
        m_machine.reset();
        m_user.reset();
    }

private:
    std::mutex m_mutex;
    std::optional<HiveData> m_machine, m_user;
};

Cache& cache() {
    static Cache c;
    return c;
}

std::filesystem::path homeFolder() {
    if (std::string home = envOr("HOME"); !home.empty()) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) return pw->pw_dir;
    return "/";
}

bool storable(std::string_view s) { return s.find_first_of("\r\n") == std::string_view::npos; }

}  // namespace

std::filesystem::path machineFile() {
    if (std::string env = envOr("KAVRIN_MACHINE_REGISTRY"); !env.empty()) return env;
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (ec ? std::filesystem::current_path(ec) : exe.parent_path()) / "kavrin-machine.reg";
}

std::filesystem::path userFile() {
    if (std::string env = envOr("KAVRIN_USER_REGISTRY"); !env.empty()) return env;
    std::filesystem::path config;
    if (std::string xdg = envOr("XDG_CONFIG_HOME"); !xdg.empty() && xdg.front() == '/')
        config = xdg;
    else
        config = homeFolder() / ".config";
    return config / "kavrin" / "user.reg";
}

bool keyExists(Hive hive, std::string_view key) {
    return cache().with(hive, [&](HiveData& h) { return h.sections.contains(keyId(key)); });
}

std::optional<std::string> readString(Hive hive, std::string_view key, std::string_view name) {
    return cache().with(hive, [&](HiveData& h) -> std::optional<std::string> {
        const auto it = h.sections.find(keyId(key));
        if (it == h.sections.end()) return std::nullopt;
        if (const std::string* v = it->second.find(name)) return *v;
        return std::nullopt;
    });
}

std::optional<long long> readInt(Hive hive, std::string_view key, std::string_view name) {
    const auto text = readString(hive, key, name);
    if (!text) return std::nullopt;
    return parseInteger(*text);
}

bool writeString(std::string_view key, std::string_view name, std::string_view value) {
    if (withoutTrailingBackslash(key).empty() || name.empty() || name.find('=') != std::string_view::npos ||
        !storable(key) || !storable(name) || !storable(value) || name.front() == '[')
        return false;
    return cache().with(Hive::CurrentUser, [&](HiveData& h) {
        HiveData changed = load(h.file);  // another process may have written since
        if (!changed.writable) return false;
        Section& s = changed.section(key);
        bool found = false;
        const std::string id = lowerAscii(name);
        for (auto& [n, v] : s.values) {
            if (lowerAscii(n) == id) v = std::string(value), found = true;
        }
        if (!found) s.values.emplace_back(name, value);
        if (!replaceFile(changed.file, serialise(changed))) return false;
        h = std::move(changed);
        return true;
    });
}

bool writeInt(std::string_view key, std::string_view name, long long value) {
    return writeString(key, name, std::to_string(value));
}

bool writeMachineFile(const std::filesystem::path& file, const std::filesystem::path& xpfileloc,
                      const std::filesystem::path& mentloc) {
    if (!storable(xpfileloc.string()) || !storable(mentloc.string())) return false;
    const std::string text = "[SOFTWARE\\ondrel\\kavrin]\nxpfileloc=" + xpfileloc.string() +
                             "\nmentloc=" + mentloc.string() + "\n";
    return replaceFile(file, text);
}

void reload() { cache().clear(); }

}  // namespace fw::registry
