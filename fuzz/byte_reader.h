#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Reads a fuzz input front to back. Past the end every read gives zeros or empty text, so any
// input, however short, decodes into some run.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool atEnd() const { return position_ == size_; }

    std::uint8_t byte() { return atEnd() ? 0 : data_[position_++]; }

    std::uint32_t u32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = value << 8 | byte();
        }
        return value;
    }

    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

    // A length byte, then that many bytes (fewer at the end of the input).
    std::string text() {
        std::size_t length = byte();
        length = length < size_ - position_ ? length : size_ - position_;
        std::string result(reinterpret_cast<const char*>(data_ + position_), length);
        position_ += length;
        return result;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

}  // namespace fuzz
