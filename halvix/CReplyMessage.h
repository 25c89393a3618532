#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class ReplyMemoryPool;

// A logger's answer to one request, or a message the logger sent by itself.
// It travels as the payload of kReplyMessage or kUnsolicitedMessage and
// belongs to whoever receives it; a reply for a window that is gone is
// destroyed by the platform.
//
// An error reply has its error flag set, and its data holds the u16 code
// followed by the NUL-terminated text; Code() and ErrorText() give the same.
// Every typed read below is checked against the data length and yields
// nothing (or an empty text) for bytes the reply does not have.
class CReplyMessage final : public Payload {
public:
    CReplyMessage(std::uint16_t requestType, std::uint16_t code, bool errorFlag, std::string errorText,
        std::vector<std::uint8_t> data);
    // The same reply with a copy of data in the reply's own block: one
    // block per reply, from pool when it fits there, which the link thread
    // makes for every block of a download and the receiving thread frees.
    static std::unique_ptr<CReplyMessage> Make(std::uint16_t requestType, std::uint16_t code, bool errorFlag,
        std::string errorText, std::span<const std::uint8_t> data,
        const std::shared_ptr<ReplyMemoryPool>& pool = nullptr);
    ~CReplyMessage() override = default;
    // The data may live behind the object, so a reply is neither copied nor moved.
    CReplyMessage(const CReplyMessage&) = delete;
    CReplyMessage& operator=(const CReplyMessage&) = delete;
    // Every reply made on the heap has a place before it that names the
    // pool its block goes back to (none for these).
    static void* operator new(std::size_t size);
    static void operator delete(void* memory);

    std::uint16_t RequestType() const { return requestType_; }
    std::uint16_t Code() const { return code_; }
    bool ErrorFlag() const { return errorFlag_; }
    const std::string& ErrorText() const { return errorText_; }

    std::uint32_t DataLength() const { return static_cast<std::uint32_t>(data_.size()); }
    bool HasData() const { return !data_.empty(); }
    std::span<const std::uint8_t> Data() const { return data_; }

    std::optional<std::uint8_t> U8At(std::size_t offset) const;
    std::optional<std::uint16_t> U16At(std::size_t offset) const;  // little-endian
    std::optional<std::int16_t> I16At(std::size_t offset) const;
    std::optional<std::uint32_t> U32At(std::size_t offset) const;
    std::optional<std::int32_t> I32At(std::size_t offset) const;
    std::optional<float> F32At(std::size_t offset) const;
    // count bytes from offset, or an empty span when the data is shorter.
    std::span<const std::uint8_t> BytesAt(std::size_t offset, std::size_t count) const;
    // The text from offset up to the first NUL, the end of the data or
    // maxBytes, whichever comes first; the bytes are not converted.
    std::string_view TextAt(std::size_t offset, std::size_t maxBytes = SIZE_MAX) const;

private:
    std::uint16_t requestType_;
    std::uint16_t code_;
    bool errorFlag_;
    std::string errorText_;
    std::vector<std::uint8_t> owned_;     // the data given to the public constructor
    std::span<const std::uint8_t> data_;  // owned_, or the bytes behind the object
};

}  // namespace corvane
