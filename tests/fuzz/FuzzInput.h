// The bytes of one fuzz input, taken from the front as the target needs them. Once they
// run out every read gives zeros or nothing, so a target never reads past its input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ == size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::uint16_t Word()
    {
        const std::uint8_t low = Byte();
        return static_cast<std::uint16_t>(low | Byte() << 8);
    }
    // Up to `count` bytes.
    std::string Bytes(std::size_t count)
    {
        const std::size_t taken = count < size_ - at_ ? count : size_ - at_;
        std::string bytes(reinterpret_cast<const char*>(data_ + at_), taken);
        at_ += taken;
        return bytes;
    }
    // A length byte (below `limit`), then that many bytes; zero bytes end the text early,
    // as the engine's C strings would.
    std::string Text(std::size_t limit = 64)
    {
        std::string text = Bytes(Byte() % limit);
        return text.substr(0, text.find('\0'));
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace fuzz
