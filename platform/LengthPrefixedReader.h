#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace corvane {

// Collects one length-prefixed string as its bytes arrive: a 4-byte
// little-endian length, then that many bytes. The caller asks for the room
// the next bytes go to (never past the string), fills some of it, and says
// how many bytes it put there.
class LengthPrefixedReader {
public:
    enum class Progress { Waiting, Complete, Failed };

    static constexpr std::size_t kLengthBytes = 4;

    explicit LengthPrefixedReader(std::size_t maxBytes) : maxBytes_(maxBytes) {}

    // Where the next bytes go; empty once the string is complete or the
    // reader has failed.
    std::span<std::uint8_t> Space();
    // count bytes (at most Space().size()) were put into the space. Failed
    // when the length announces more than maxBytes (and from then on).
    Progress Took(std::size_t count);
    Progress State() const { return state_; }
    // The string; whole once the state is Complete.
    std::string& Text() { return text_; }

private:
    std::size_t maxBytes_;
    std::array<std::uint8_t, kLengthBytes> length_{};
    std::size_t lengthRead_ = 0;
    std::string text_;
    std::size_t textRead_ = 0;
    Progress state_ = Progress::Waiting;
};

}  // namespace corvane
