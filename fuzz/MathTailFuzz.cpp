// Reads arbitrary bytes as the tail of a math icon record (after a fixed
// 120-byte front: header, fixed part, four input links, the output entry).
// An accepted tail must keep the equation and the code in their limits,
// and what it writes back must read and write again to the same bytes.
#include "icons/function/CMathIcon.h"
#include "icons/math/CMathCompiler.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <variant>
#include <vector>

namespace {

constexpr std::size_t kFrontSize = 120;
constexpr std::uint16_t kMathType = 273;
constexpr std::size_t kTypeOffset = 4;
constexpr std::size_t kInputCountOffset = 10;
constexpr std::size_t kOutputCountOffset = 11;

// Loads a record into a new math icon; null when it is refused.
std::unique_ptr<corvane::CMathIcon> Load(std::span<const std::uint8_t> record)
{
    auto icon = std::make_unique<corvane::CMathIcon>();
    icon->SetConnectorCounts(4, 1, false);
    if (!std::holds_alternative<std::size_t>(icon->LoadRecord(record)))
        return nullptr;
    return icon;
}

std::vector<std::uint8_t> Store(corvane::CMathIcon& icon)
{
    auto stored = icon.StoreRecord(corvane::TransferMode::Save);
    const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&stored);
    if (bytes == nullptr)
        std::abort();
    return *bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> record(kFrontSize, 0);
    if (size > 0)
        record.insert(record.end(), data, data + size);
    record.resize(record.size() + record.size() % 2, 0);
    record[0] = static_cast<std::uint8_t>(record.size());
    record[1] = static_cast<std::uint8_t>(record.size() >> 8);
    record[kTypeOffset] = static_cast<std::uint8_t>(kMathType);
    record[kTypeOffset + 1] = static_cast<std::uint8_t>(kMathType >> 8);
    record[kInputCountOffset] = 4;
    record[kOutputCountOffset] = 1;

    const auto icon = Load(record);
    if (icon == nullptr)
        return 0;
    if (icon->Equation().size() > corvane::kMathEquationLimit || icon->Code().size() > corvane::kMathCodeCapacity)
        std::abort();
    const std::vector<std::uint8_t> stored = Store(*icon);
    const auto again = Load(stored);
    if (again == nullptr || Store(*again) != stored)
        std::abort();
    return 0;
}
