#include "shell/StringFields.h"

#include <algorithm>

namespace corvane {

std::string CopyFieldToString(std::span<const std::uint8_t> field, std::size_t maxCount)
{
    const std::size_t limit = std::min(maxCount, field.size());
    std::string text;
    for (std::size_t i = 0; i < limit && field[i] != 0; ++i)
        text.push_back(static_cast<char>(field[i]));
    return text;
}

std::size_t CopyStringToField(std::string_view text, std::span<std::uint8_t> field, std::size_t maxCount)
{
    if (field.empty())
        return 0;
    const std::size_t count = std::min({text.size(), maxCount, field.size() - 1});
    for (std::size_t i = 0; i < count; ++i)
        field[i] = static_cast<std::uint8_t>(text[i]);
    field[count] = 0;
    return count;
}

}  // namespace corvane
