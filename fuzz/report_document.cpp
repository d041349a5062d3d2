// A report opened in the program's text view and saved again is the same
// file byte for byte, whatever it holds (any code page 936 or stray bytes,
// any line ends). The bytes go through the document's own open, from a
// file, as the report window reads them (regular files, bounded size).
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "fw/document.h"

namespace {

// A document whose text lives in one view of its own (no window needed).
class ReportDocument : public fw::Document {
public:
    void Serialize(fw::Archive& ar) override { view.SerializeRaw(ar); }
    fw::EditView view;
};

std::filesystem::path scratch() {
    static const std::filesystem::path file = [] {
        std::filesystem::path base = std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                             : std::filesystem::temp_directory_path();
        return base / ("kavrin-fuzz-report." + std::to_string(::getpid()) + ".cyt");
    }();
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    {
        std::ofstream out(scratch(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    ReportDocument doc;
    FUZZ_CHECK(doc.OnOpenDocument(scratch()));
    FUZZ_CHECK(doc.openError().empty());
    FUZZ_CHECK(!doc.IsModified());
    fw::Archive store{fw::Archive::Mode::Store, {}};
    doc.view.SerializeRaw(store);
    FUZZ_CHECK(store.bytes == bytes);
    (void)doc.view.displayText();
    return 0;
}
