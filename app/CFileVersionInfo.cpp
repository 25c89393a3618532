#include "app/CFileVersionInfo.h"

#include "app/ProgramVersionStrings.h"

namespace corvane {

CFileVersionInfo::CFileVersionInfo(std::string_view applicationName)
{
    std::string_view name = applicationName;
    const std::size_t word = name.find("Application");
    if (word != std::string_view::npos)
        name = name.substr(0, word);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
        name.remove_suffix(1);
    fileName_ = std::string(name);
}

std::string CFileVersionInfo::GetValue(std::string_view key) const { return ProgramVersionString(key); }

}  // namespace corvane
