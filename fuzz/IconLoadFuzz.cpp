// Loads arbitrary bytes into an icon the way the net loader does, through
// a class whose fixed part is as long as the record's unused byte 33 says
// and whose tail is one text; an accepted record must store and load again
// to the same bytes.
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/RecordTransfer.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <variant>
#include <vector>

namespace {

class FuzzIcon final : public corvane::CCorvaneIcon {
public:
    explicit FuzzIcon(std::size_t fixedSize) : fixed_(fixedSize) {}
    void CopyFixedPart(corvane::RecordTransfer& t) override { t.Bytes(fixed_, "fixed part"); }
    std::size_t TransferTail(corvane::RecordTransfer& t) override { return t.NetString(tail_, 64, true, "tail"); }

private:
    std::vector<std::uint8_t> fixed_;
    std::string tail_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    const std::size_t fixedSize = size > 33 ? input[33] : 0;
    FuzzIcon icon(fixedSize);
    if (!std::holds_alternative<std::size_t>(icon.LoadRecord(input)))
        return 0;
    const auto stored = icon.StoreRecord(corvane::TransferMode::Save);
    const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&stored);
    if (bytes == nullptr)
        std::abort();
    FuzzIcon again(fixedSize);
    if (!std::holds_alternative<std::size_t>(again.LoadRecord(*bytes)))
        std::abort();
    const auto restored = again.StoreRecord(corvane::TransferMode::Save);
    if (std::get<std::vector<std::uint8_t>>(restored) != *bytes)
        std::abort();
    (void)icon.StoreRecord(corvane::TransferMode::Compile);
    return 0;
}
