// The registry files: any bytes as the machine or the user hive are read
// without harm, and a value written to the user hive reads back as written
// while the others stay readable.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_check.h"
#include "fw/registry.h"

namespace {

// In memory where there is a tmpfs: every write syncs its file, which on a
// disk would bound the run to a few dozen inputs a second. The folder is
// removed when the program ends.
struct ScratchDir {
    std::filesystem::path dir;
    ScratchDir() {
        std::filesystem::path base = std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                             : std::filesystem::temp_directory_path();
        dir = base / ("kavrin-fuzz-registry." + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

std::filesystem::path scratch(const char* name) {
    static const ScratchDir s;
    return s.dir / name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto machine = scratch("machine.reg"), user = scratch("user.reg");
    for (const auto& p : {machine, user}) {
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    ::setenv("KAVRIN_MACHINE_REGISTRY", machine.c_str(), 1);
    ::setenv("KAVRIN_USER_REGISTRY", user.c_str(), 1);
    fw::registry::reload();
    using fw::registry::Hive;
    const char* key = "SOFTWARE\\ondrel\\kavrin\\";
    (void)fw::registry::readString(Hive::LocalMachine, key, "xpfileloc");
    (void)fw::registry::readInt(Hive::LocalMachine, key, "updateport");
    const bool existed = fw::registry::keyExists(Hive::CurrentUser, key);

    FUZZ_CHECK(fw::registry::writeString("SOFTWARE\\Kavrin\\Fuzz", "probe", "数据 = 1"));
    FUZZ_CHECK(fw::registry::writeInt("SOFTWARE\\Kavrin\\Fuzz", "count", -42));
    fw::registry::reload();
    FUZZ_CHECK(fw::registry::readString(Hive::CurrentUser, "software\\kavrin\\fuzz\\", "PROBE") == "数据 = 1");
    FUZZ_CHECK(fw::registry::readInt(Hive::CurrentUser, "SOFTWARE\\Kavrin\\Fuzz", "count") == -42);
    FUZZ_CHECK(fw::registry::keyExists(Hive::CurrentUser, key) == existed);
    return 0;
}
