// Fixed-layout little-endian records: one writer and one reader per record
// type, fields at explicit offsets.
#pragma once
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class RecordWriter {
public:
    explicit RecordWriter(std::size_t size) : m_bytes(size, 0) {}
    void i32(std::size_t off, std::int32_t v);
    void u32(std::size_t off, std::uint32_t v);
    void i64(std::size_t off, std::int64_t v);
    void f64(std::size_t off, double v);
    // Fixed-width GBK text (see copyToField).
    void text(std::size_t off, std::size_t width, std::string_view utf8);
    void raw(std::size_t off, std::span<const std::uint8_t> bytes);
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};

class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    std::size_t size() const { return m_bytes.size(); }
    // Callers check size() first; an out-of-range read throws std::out_of_range.
    std::int32_t i32(std::size_t off) const;
    std::uint32_t u32(std::size_t off) const;
    std::int64_t i64(std::size_t off) const;
    double f64(std::size_t off) const;
    std::string text(std::size_t off, std::size_t width) const;  // UTF-8
    std::span<const std::uint8_t> raw(std::size_t off, std::size_t n) const;

private:
    std::span<const std::uint8_t> m_bytes;
};

}  // namespace fw
