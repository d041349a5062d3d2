// The corpus driver of the ordinary test build: feeds every file named on
// the command line (folders: every regular file inside, in name order) to the
// target's LLVMFuzzerTestOneInput once. No fuzzing engine is needed; a
// reproducer added to the corpus stays fixed. Fails when it found no input.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

int runOne(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A copy of exactly the file's size, so the sanitizers see any read past it
    // (sized, then filled: GCC 12 misreads the range constructor's free at -O2).
    std::vector<std::uint8_t> exact(bytes.size());
    std::copy(bytes.begin(), bytes.end(), exact.begin());
    return LLVMFuzzerTestOneInput(exact.empty() ? nullptr : exact.data(), exact.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg = argv[i];
        if (std::filesystem::is_directory(arg)) {
            std::vector<std::filesystem::path> files;
            for (const auto& e : std::filesystem::directory_iterator(arg))
                if (e.is_regular_file()) files.push_back(e.path());
            std::sort(files.begin(), files.end());
            inputs.insert(inputs.end(), files.begin(), files.end());
        } else if (std::filesystem::is_regular_file(arg)) {
            inputs.push_back(arg);
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no corpus input found\n");
        return 1;
    }
    for (const auto& p : inputs) runOne(p);
    std::printf("%zu inputs, every promise kept\n", inputs.size());
    return 0;
}
