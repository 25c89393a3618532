#pragma once

#include "halvix/protocol/Frame.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The bytes of one frame; nothing when the payload is longer than
// kMaxFramePayload.
std::optional<std::vector<std::uint8_t>> EncodeFrame(const Frame& frame);
// The same bytes added to the end of out; false, and out unchanged, when the
// payload is too long.
bool AppendFrame(const Frame& frame, std::vector<std::uint8_t>& out);

// The data of an error reply: the u16 code, then the text and a NUL. The
// text is cut so the whole fits kMaxFramePayload.
std::vector<std::uint8_t> MakeErrorPayload(std::uint16_t code, std::string_view text);

struct ErrorPayload {
    std::uint16_t code = 0;
    std::string text;
};
// Reads an error reply's data; a missing code reads as 0, a missing NUL
// ends the text at the end of the data.
ErrorPayload ParseErrorPayload(std::span<const std::uint8_t> data);

}  // namespace corvane
