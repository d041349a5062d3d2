// The head of the update server's version file: fewer than 4 bytes is "no
// version information"; otherwise its first int32 is the server's version,
// newer exactly when above the program's, and the message is never empty.
#include <cstdint>
#include <cstring>
#include <span>

#include "fuzz_check.h"
#include "shell/update/update_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kavrin::update::Outcome;
    auto r = kavrin::update::versionFileResult(std::span<const std::uint8_t>(data, size), "www.example.test");
    FUZZ_CHECK(!r.message.empty());
    if (size < 4) {
        FUZZ_CHECK(r.outcome == Outcome::NoVersionInfo && !r.serverVersion);
        return 0;
    }
    const std::int32_t v = static_cast<std::int32_t>(std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 |
                                                     std::uint32_t(data[2]) << 16 | std::uint32_t(data[3]) << 24);
    FUZZ_CHECK(r.serverVersion == v);
    FUZZ_CHECK(r.outcome == (v > kavrin::update::kProgramVersion ? Outcome::NewerVersion : Outcome::UpToDate));
    return 0;
}
