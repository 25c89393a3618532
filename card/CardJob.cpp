#include "card/CardJob.h"

namespace corvane {

bool IsCardEntryName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos
        && name.find('\0') == std::string_view::npos;
}

}  // namespace corvane
