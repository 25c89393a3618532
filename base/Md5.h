#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace corvane {

using Md5Digest = std::array<std::uint8_t, 16>;

// MD5 (RFC 1321) of a byte span, built up in pieces.
class Md5 {
public:
    Md5();
    void Update(std::span<const std::uint8_t> bytes);
    void Update(std::string_view text);
    // The digest; the object is spent afterwards.
    Md5Digest Finish();

private:
    void Block(const std::uint8_t* block);

    std::array<std::uint32_t, 4> state_;
    std::array<std::uint8_t, 64> buffer_{};
    std::uint64_t length_ = 0;  // bytes so far
};

Md5Digest ComputeMd5(std::span<const std::uint8_t> bytes);
Md5Digest ComputeMd5(std::string_view text);

}  // namespace corvane
