#include "platform/LengthPrefixedReader.h"

#include "base/ByteReader.h"

#include <algorithm>

namespace corvane {

std::span<std::uint8_t> LengthPrefixedReader::Space()
{
    if (state_ != Progress::Waiting)
        return {};
    if (lengthRead_ < kLengthBytes)
        return std::span(length_).subspan(lengthRead_);
    return std::span(reinterpret_cast<std::uint8_t*>(text_.data()), text_.size()).subspan(textRead_);
}

LengthPrefixedReader::Progress LengthPrefixedReader::Took(std::size_t count)
{
    if (state_ != Progress::Waiting)
        return state_;
    count = std::min(count, Space().size());
    if (lengthRead_ < kLengthBytes) {
        lengthRead_ += count;
        if (lengthRead_ < kLengthBytes)
            return state_;
        ByteReader reader(length_);
        const std::uint32_t size = reader.U32LE("string length");
        if (size > maxBytes_) {
            state_ = Progress::Failed;
            return state_;
        }
        text_.assign(size, '\0');
    } else {
        textRead_ += count;
    }
    if (textRead_ == text_.size())
        state_ = Progress::Complete;
    return state_;
}

}  // namespace corvane
