#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvane {

// The categories of the logger's diagnostic log and the rules of their
// level choices, apart from the settings dialog that shows them.
class DiagnosticLevels {
public:
    static constexpr std::size_t kCategoryCount = 32;
    using Levels = std::array<std::uint8_t, kCategoryCount>;

    // One "y" or "n" per category: always available, and available only
    // when the program shows its production tools.
    static constexpr std::string_view kAlwaysAvailable = "nynnyyyyyyyyyyynyyyynnnnnnnnyyyy";
    static constexpr std::string_view kProductionAvailable = "ynyynnnnnnnnnnnynnnnnnnnnnnnnnnn";
    // The two switch categories ("stdout -> Log", "Log -> stdout").
    static constexpr std::size_t kStdoutToLog = 0;
    static constexpr std::size_t kLogToStdout = 15;
    // A level is the index of its combo choice; "Info" and above are
    // beyond what a switch category takes.
    static constexpr std::array<std::string_view, 4> kLevelNames = {"None", "Errors", "Info", "Trace"};
    static constexpr std::array<std::string_view, 2> kSwitchNames = {"Disable", "Enable"};

    static std::string_view Label(std::size_t category);
    static bool IsSwitch(std::size_t category);
    // Whether the category's combo takes choices (with production on or off).
    static bool IsAvailable(std::size_t category, bool production);
    // Whether the category's label and combo are shown: the production
    // ones only with production on, those never available never.
    static bool IsShown(std::size_t category, bool production);
    // "Set All" to level: every category takes it, except the two switch
    // categories, which take it only below "Info" (as Disable or Enable).
    static void SetAll(Levels& levels, std::uint8_t level);
};

}  // namespace corvane
