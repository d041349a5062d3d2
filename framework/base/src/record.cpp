// Little-endian fields at fixed offsets, independent of the host's byte order.
#include "fw/record.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <string>

#include "fw/text.h"

namespace fw {
namespace {

void checkRange(std::size_t off, std::size_t n, std::size_t size) {
    if (off > size || n > size - off)
        throw std::out_of_range("record field at " + std::to_string(off) + "+" + std::to_string(n) +
                                " outside a record of " + std::to_string(size) + " bytes");
}

template <class U>
void storeLe(std::vector<std::uint8_t>& bytes, std::size_t off, U v) {
    checkRange(off, sizeof(U), bytes.size());
    for (std::size_t k = 0; k < sizeof(U); ++k) bytes[off + k] = static_cast<std::uint8_t>(v >> (8 * k));
}

template <class U>
U loadLe(std::span<const std::uint8_t> bytes, std::size_t off) {
    checkRange(off, sizeof(U), bytes.size());
    U v = 0;
    for (std::size_t k = 0; k < sizeof(U); ++k) v |= static_cast<U>(static_cast<U>(bytes[off + k]) << (8 * k));
    return v;
}

}  // namespace

void RecordWriter::i32(std::size_t off, std::int32_t v) { storeLe(m_bytes, off, static_cast<std::uint32_t>(v)); }
void RecordWriter::u32(std::size_t off, std::uint32_t v) { storeLe(m_bytes, off, v); }
void RecordWriter::i64(std::size_t off, std::int64_t v) { storeLe(m_bytes, off, static_cast<std::uint64_t>(v)); }
void RecordWriter::f64(std::size_t off, double v) { storeLe(m_bytes, off, std::bit_cast<std::uint64_t>(v)); }

void RecordWriter::text(std::size_t off, std::size_t width, std::string_view utf8) {
    checkRange(off, width, m_bytes.size());
    copyToField(std::span<char>(reinterpret_cast<char*>(m_bytes.data() + off), width), utf8);
}

void RecordWriter::raw(std::size_t off, std::span<const std::uint8_t> bytes) {
    checkRange(off, bytes.size(), m_bytes.size());
    std::copy(bytes.begin(), bytes.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(off));
}

std::int32_t RecordReader::i32(std::size_t off) const {
    return static_cast<std::int32_t>(loadLe<std::uint32_t>(m_bytes, off));
}
std::uint32_t RecordReader::u32(std::size_t off) const { return loadLe<std::uint32_t>(m_bytes, off); }
std::int64_t RecordReader::i64(std::size_t off) const {
    return static_cast<std::int64_t>(loadLe<std::uint64_t>(m_bytes, off));
}
double RecordReader::f64(std::size_t off) const { return std::bit_cast<double>(loadLe<std::uint64_t>(m_bytes, off)); }

std::string RecordReader::text(std::size_t off, std::size_t width) const {
    checkRange(off, width, m_bytes.size());
    return readField(std::span<const char>(reinterpret_cast<const char*>(m_bytes.data() + off), width));
}

std::span<const std::uint8_t> RecordReader::raw(std::size_t off, std::size_t n) const {
    checkRange(off, n, m_bytes.size());
    return m_bytes.subspan(off, n);
}

}  // namespace fw
