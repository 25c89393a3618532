// Reads arbitrary bytes as the saved connections file; what is read must
// build into a file that reads back the same and builds the same bytes.
#include "comms/ConnectionDirectory.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    corvane::ConnectionDirectory directory;
    if (directory.Read(input).status != corvane::DirectoryReadStatus::Read)
        return 0;
    const std::vector<std::uint8_t> bytes = directory.Build();
    corvane::ConnectionDirectory again;
    if (again.Read(bytes).status != corvane::DirectoryReadStatus::Read || again.Entries() != directory.Entries()
        || again.LastConnection() != directory.LastConnection() || again.Build() != bytes) {
        std::abort();
    }
    return 0;
}
