// Loads arbitrary bytes as an e-mail record (first byte even) or an FTP
// record (odd) into its icon, as the net loader does; an accepted record
// must store and load again to the same bytes.
#include "icons/reporting/CEmailIcon.h"
#include "icons/reporting/CFTPIcon.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <variant>
#include <vector>

namespace {

std::unique_ptr<corvane::CCorvaneIcon> MakeIcon(bool ftp)
{
    if (ftp)
        return std::make_unique<corvane::CFTPIcon>();
    return std::make_unique<corvane::CEmailIcon>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const bool ftp = (data[0] & 1U) != 0;
    const std::span<const std::uint8_t> record(data + 1, size - 1);
    auto icon = MakeIcon(ftp);
    if (!std::holds_alternative<std::size_t>(icon->LoadRecord(record)))
        return 0;
    const auto stored = icon->StoreRecord(corvane::TransferMode::Save);
    const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&stored);
    if (bytes == nullptr)
        return 0;
    auto again = MakeIcon(ftp);
    if (!std::holds_alternative<std::size_t>(again->LoadRecord(*bytes)))
        std::abort();
    const auto restored = again->StoreRecord(corvane::TransferMode::Save);
    const auto* second = std::get_if<std::vector<std::uint8_t>>(&restored);
    if (second == nullptr || *second != *bytes)
        std::abort();
    return 0;
}
