// A report opened in the program's text view and saved again is the same
// file byte for byte, whatever it holds (any code page 936 or stray bytes,
// any line ends).
#include <cstdint>
#include <vector>

#include "fuzz_check.h"
#include "fw/document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fw::EditView view;
    fw::Archive load{fw::Archive::Mode::Load, std::vector<std::uint8_t>(data, data + size)};
    view.SerializeRaw(load);
    fw::Archive store{fw::Archive::Mode::Store, {}};
    view.SerializeRaw(store);
    FUZZ_CHECK(store.bytes == load.bytes);
    (void)view.displayText();
    return 0;
}
