// Code page 936 decoding: lossless both ways for any bytes, and fixed-width
// fields always end with a zero inside their width and read back as a
// prefix of what was copied in.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "fw/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view gbk(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = fw::utf8FromGbk(gbk);
    FUZZ_CHECK(fw::gbkFromUtf8(utf8) == gbk);
    FUZZ_CHECK(fw::gbkWidth(utf8) == size);
    for (std::size_t width : {1, 2, 20, 64}) {
        std::string field(width, '\x55');
        fw::copyToField({field.data(), field.size()}, utf8);
        FUZZ_CHECK(std::memchr(field.data(), 0, width) != nullptr);
        const std::string back = fw::readField({field.data(), field.size()});
        FUZZ_CHECK(fw::gbkFromUtf8(back).size() < width);
        FUZZ_CHECK(utf8.compare(0, back.size(), back) == 0);
    }
    // Any bytes read as a field stop at its width or its first zero.
    const std::string read = fw::readField({reinterpret_cast<const char*>(data), size});
    FUZZ_CHECK(fw::gbkFromUtf8(read).size() <= size);
    return 0;
}
