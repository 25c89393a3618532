#include "logger/DiagnosticLevels.h"

namespace corvane {

namespace {

constexpr std::array<std::string_view, DiagnosticLevels::kCategoryCount> kLabels = {"stdout -> Log", "System",
    "HW Test", "User IO", "Program Net", "Messaging", "Clocking", "Data Logging", "Vexa-7", "Tevlink Comm",
    "Data Manager", "E-Mail", "FTP", "Modbus", "Vexa-2", "Log -> stdout", "Cryptography", "HTTP", "Network", "MQTT",
    "Diag-11", "Diag-10", "Diag-09", "Diag-08", "Diag-07", "Diag-06", "Diag-05", "Diag-04", "Diag-03", "Diag-02",
    "Diag-01", "Diag-00"};

}  // namespace

std::string_view DiagnosticLevels::Label(std::size_t category)
{
    return category < kLabels.size() ? kLabels[category] : std::string_view();
}

bool DiagnosticLevels::IsSwitch(std::size_t category) { return category == kStdoutToLog || category == kLogToStdout; }

bool DiagnosticLevels::IsAvailable(std::size_t category, bool production)
{
    if (category >= kCategoryCount)
        return false;
    return kAlwaysAvailable[category] == 'y' || (production && kProductionAvailable[category] == 'y');
}

bool DiagnosticLevels::IsShown(std::size_t category, bool production)
{
    if (category >= kCategoryCount)
        return false;
    if (kProductionAvailable[category] == 'y')
        return production;
    return kAlwaysAvailable[category] == 'y';
}

void DiagnosticLevels::SetAll(Levels& levels, std::uint8_t level)
{
    for (std::size_t category = 0; category < levels.size(); ++category) {
        if (!IsSwitch(category) || level < 2)
            levels[category] = level;
    }
}

}  // namespace corvane
