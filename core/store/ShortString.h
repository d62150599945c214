#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantorel {

// A length-prefixed text of at most N single-byte (Windows-1252) characters, held exactly as stored in a
// league file: one length byte, then N character bytes. Bytes past the length are kept as they were read so
// that a league file written back is identical to the one loaded.
template <std::size_t N> class ShortString {
public:
    static constexpr std::size_t kCapacity = N;
    static constexpr std::size_t kStoredSize = N + 1;

    ShortString() = default;
    explicit ShortString(std::string_view stored) { assignStored(stored); }

    // The stored length byte, which a damaged file may set beyond N.
    std::uint8_t lengthByte() const { return bytes_[0]; }
    std::size_t length() const { return std::min<std::size_t>(bytes_[0], N); }

    // The Windows-1252 characters.
    std::string_view stored() const { return {reinterpret_cast<const char*>(bytes_.data() + 1), length()}; }

    // Replaces the text with the first N bytes of a Windows-1252 text; the unused bytes become zero.
    void assignStored(std::string_view stored) {
        bytes_.fill(0);
        const std::size_t count = std::min(stored.size(), N);
        bytes_[0] = static_cast<std::uint8_t>(count);
        std::copy_n(stored.begin(), count, bytes_.begin() + 1);
    }

    // Raw access for the file reader and writer.
    std::array<std::uint8_t, N + 1>& raw() { return bytes_; }
    const std::array<std::uint8_t, N + 1>& raw() const { return bytes_; }

    friend bool operator==(const ShortString& a, const ShortString& b) { return a.stored() == b.stored(); }

private:
    std::array<std::uint8_t, N + 1> bytes_{};
};

} // namespace vantorel
