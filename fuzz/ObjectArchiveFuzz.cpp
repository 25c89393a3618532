// Reads arbitrary bytes as a document's object-list archive; an accepted
// list must write back to the same bytes' meaning.
#include "netmodel/ObjectArchive.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <variant>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    const auto parsed = corvane::ReadObjectArchive(input);
    if (const auto* objects = std::get_if<std::vector<corvane::ArchivedObject>>(&parsed)) {
        const std::vector<std::uint8_t> bytes = corvane::WriteObjectArchive(*objects);
        const auto again = corvane::ReadObjectArchive(bytes);
        const auto* second = std::get_if<std::vector<corvane::ArchivedObject>>(&again);
        if (second == nullptr || *second != *objects) {
            std::abort();
        }
    }
    return 0;
}
