#include "common/calc/data_file_header.h"

#include "fw/record.h"

namespace kavrin {

using H = CDataFileHeader;
static_assert(H::kOffKind == H::kOffVersion + 4);
static_assert(H::kOffWord + H::kWordWidth == H::kOffTime);
static_assert(H::kOffTime + 8 == H::kSize);
static_assert(H::kSize == 64);

CDataFileHeader makeHeader(std::int32_t kind, std::string_view word, std::int64_t timeStamp) {
    CDataFileHeader h;
    h.version = kHeaderVersion;
    h.kind = kind;
    h.word = std::string(word);
    h.timeStamp = timeStamp;
    return h;
}

std::vector<std::uint8_t> writeHeader(const CDataFileHeader& h) {
    fw::RecordWriter w(H::kSize);
    w.i32(H::kOffVersion, h.version);
    w.i32(H::kOffKind, h.kind);
    w.text(H::kOffWord, H::kWordWidth, h.word);
    w.i64(H::kOffTime, h.timeStamp);
    return w.take();
}

std::optional<CDataFileHeader> readHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < H::kSize) return std::nullopt;
    fw::RecordReader r(bytes.first(H::kSize));
    CDataFileHeader h;
    h.version = r.i32(H::kOffVersion);
    h.kind = r.i32(H::kOffKind);
    h.word = r.text(H::kOffWord, H::kWordWidth);
    h.timeStamp = r.i64(H::kOffTime);
    return h;
}

}  // namespace kavrin
