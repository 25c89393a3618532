// Parses arbitrary bytes as a settings file. Whatever parses must format
// to a text that parses back to the same tree, and formatting that tree
// again must give the same text.
#include "platform/SettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text
        = size == 0 ? std::string_view{} : std::string_view(reinterpret_cast<const char*>(data), size);
    const corvane::SettingsParseResult parsed = corvane::ParseSettings(text);
    if (parsed.error) {
        if (parsed.error.what.empty() || parsed.root != corvane::SettingsKey{})
            std::abort();
        return 0;
    }
    const std::string formatted = corvane::FormatSettings(parsed.root);
    const corvane::SettingsParseResult again = corvane::ParseSettings(formatted);
    if (again.error || again.root != parsed.root || corvane::FormatSettings(again.root) != formatted)
        std::abort();
    return 0;
}
