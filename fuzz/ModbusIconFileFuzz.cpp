// Reads arbitrary bytes as a saved remote Modbus register icon (".mbi") the
// way the net view's import does; an accepted file's icon must save to a
// file that reads again to the same icon, byte for byte.
#include "icons/reporting/CModbusServerIcon.h"
#include "netdoc/ModbusIconFile.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <variant>
#include <vector>

namespace {

using namespace corvane;

// The icon of a saved file's record, or null when the record is refused.
std::unique_ptr<CModbusServerIcon> LoadIcon(std::span<const std::uint8_t> file)
{
    const auto parsed = ParseModbusIconFile(file);
    if (!std::holds_alternative<std::span<const std::uint8_t>>(parsed))
        return nullptr;
    auto icon = std::make_unique<CModbusServerIcon>();
    icon->SetConnectorCounts(0, 0, false);
    if (!std::holds_alternative<std::size_t>(icon->LoadRecord(std::get<std::span<const std::uint8_t>>(parsed))))
        return nullptr;
    icon->ConfigureChannels(true, true, false);
    icon->DetachConnectors();
    icon->ResetConnectorLayout();
    icon->LayoutConnectors();
    return icon;
}

std::vector<std::uint8_t> SaveIcon(CModbusServerIcon& icon)
{
    const auto stored = icon.StoreRecord(TransferMode::Save);
    const auto* record = std::get_if<std::vector<std::uint8_t>>(&stored);
    if (record == nullptr)
        std::abort();
    return BuildModbusIconFile(*record);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    const auto icon = LoadIcon(input);
    if (!icon)
        return 0;
    const std::vector<std::uint8_t> saved = SaveIcon(*icon);
    const auto again = LoadIcon(saved);
    if (!again || SaveIcon(*again) != saved)
        std::abort();
    (void)icon->StoreRecord(TransferMode::Compile);
    return 0;
}
