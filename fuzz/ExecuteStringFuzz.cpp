// Parses arbitrary bytes as an execute string. A path that parses must
// format to an open command that parses back to the same path.
#include "platform/ExecuteString.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text
        = size == 0 ? std::string_view{} : std::string_view(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> path = corvane::ParseExecuteString(text);
    if (!path)
        return 0;
    if (path->empty() || path->find('\0') != std::string::npos)
        std::abort();
    if (corvane::ParseExecuteString(corvane::FormatOpenExecuteString(*path)) != path)
        std::abort();
    return 0;
}
