#include "app/ProgramSheetShellServices.h"

#include "app/CCorvaneApp.h"
#include "app/FileNameRules.h"
#include "comms/ProgramVersion.h"

namespace corvane {

std::optional<std::string> ProgramSheetShellServices::CheckNetVersion(
    std::uint32_t modelWord, std::uint32_t secondVersionWord) const
{
    return CheckNetVersionForConnection(app_.Connection(), modelWord, secondVersionWord);
}

std::uint32_t ProgramSheetShellServices::ProgramVersionWord() const
{
    return GetProgramVersion();
}

std::uint32_t ProgramSheetShellServices::LoggerFirmwareWord() const
{
    return app_.Connection().GetFirmwareVersion();
}

}  // namespace corvane
