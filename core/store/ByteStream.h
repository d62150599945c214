#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "store/ShortString.h"

namespace vantorel {

// Reads little-endian fields from a byte buffer. Reading past the end yields zeros and sets overrun(), so
// a caller checks once after a group of fields.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool overrun() const { return overrun_; }
    bool hasBytes(std::size_t count) const { return bytes_.size() - position_ >= count; }

    std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)); }
    bool flag() { return u8() != 0; }
    std::uint16_t u16() { return static_cast<std::uint16_t>(take(2)); }
    std::int16_t i16() { return static_cast<std::int16_t>(take(2)); }
    std::int32_t i32() { return static_cast<std::int32_t>(take(4)); }
    double f64() { return std::bit_cast<double>(take(8)); }
    void skip(std::size_t count) {
        if (!hasBytes(count)) {
            overrun_ = true;
            position_ = bytes_.size();
            return;
        }
        position_ += count;
    }
    template <std::size_t N> void text(ShortString<N>& into) {
        auto& raw = into.raw();
        if (!hasBytes(raw.size())) {
            overrun_ = true;
            position_ = bytes_.size();
            return;
        }
        std::memcpy(raw.data(), bytes_.data() + position_, raw.size());
        position_ += raw.size();
    }

private:
    std::uint64_t take(std::size_t width) {
        if (!hasBytes(width)) {
            overrun_ = true;
            position_ = bytes_.size();
            return 0;
        }
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value |= std::uint64_t{bytes_[position_ + i]} << (8 * i);
        position_ += width;
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    bool overrun_ = false;
};

// Appends little-endian fields to a byte buffer.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void u8(std::uint8_t value) { out_.push_back(value); }
    void flag(bool value) { out_.push_back(value ? 1 : 0); }
    void u16(std::uint16_t value) { put(value, 2); }
    void i16(std::int16_t value) { put(static_cast<std::uint16_t>(value), 2); }
    void i32(std::int32_t value) { put(static_cast<std::uint32_t>(value), 4); }
    void f64(double value) { put(std::bit_cast<std::uint64_t>(value), 8); }
    template <std::size_t N> void text(const ShortString<N>& value) {
        out_.insert(out_.end(), value.raw().begin(), value.raw().end());
    }

private:
    void put(std::uint64_t value, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i)
            out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }

    std::vector<std::uint8_t>& out_;
};

} // namespace vantorel
