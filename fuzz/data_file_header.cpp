// The 64-byte data-file header and the split of a design file into header
// and records: short input refused, every accepted header writes back to a
// fixed point that keeps its numbers, the records' span inside the file.
#include <cstdint>
#include <span>

#include "common/calc/data_file_header.h"
#include "common/calc/design_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> in(data, size);
    auto h = kavrin::readHeader(in);
    FUZZ_CHECK(h.has_value() == (size >= kavrin::CDataFileHeader::kSize));
    if (h) {
        const auto out = kavrin::writeHeader(*h);
        FUZZ_CHECK(out.size() == kavrin::CDataFileHeader::kSize);
        // Version, kind and time stamp come back byte for byte.
        for (std::size_t k : {0, 1, 2, 3, 4, 5, 6, 7, 56, 57, 58, 59, 60, 61, 62, 63}) FUZZ_CHECK(out[k] == in[k]);
        auto again = kavrin::readHeader(out);
        FUZZ_CHECK(again && again->version == h->version && again->kind == h->kind &&
                   again->timeStamp == h->timeStamp);
        FUZZ_CHECK(kavrin::writeHeader(*again) == out);  // a fixed point
        FUZZ_CHECK(out[kavrin::CDataFileHeader::kOffWord + kavrin::CDataFileHeader::kWordWidth - 1] == 0);
    }
    for (std::size_t recordBytes : {std::size_t{0}, std::size_t{376}, std::size_t{712}}) {
        auto body = kavrin::splitDesignFile(in, recordBytes);
        if (!body) continue;
        FUZZ_CHECK(body->records.size() == recordBytes);
        FUZZ_CHECK(body->records.data() >= data && body->records.data() + recordBytes <= data + size);
        FUZZ_CHECK(body->oldFile || size >= kavrin::CDataFileHeader::kSize + recordBytes);
    }
    return 0;
}
