#include "res/Toolbars.h"

#include "res/IconStyle.h"
#include "res/ResourceIds.h"
#include "res/ToolbarCommands.h"

#include <algorithm>
#include <array>

namespace corvane::res {

namespace {

using namespace toolbar_command;

constexpr int kSeparator = kToolBarSeparator;

constexpr std::array kCommWindow{kLoggerConnection, kSeparator, kViewLoggerStatus, kViewProbePoints, kRemoteControls,
    kSetLoggerTime, kSeparator, kDownloadData, kDownloadNet, kUploadNet, kSeparator, kEnableLogging, kStopLogging,
    kClearMemory, kSeparator, kLoggerConfiguration, kSeparator, kProgramDevelopment, kRealTimeTrending};

constexpr std::array kProgramDevelopmentButtons{kQueryLoggerConfiguration, kOpen, kSave, kSeparator, kCut, kCopy,
    kPaste, kDelete, kSeparator, kCheckNet, kWiringList, kSeparator, kCommunications, kRealTimeTrending};

constexpr std::array kTrending{kNew, kOpen, kSave, kSeparator, kScanOpenNetForTags, kScanLoggerForTags, kSeparator,
    kLockObjects, kSeparator, kRun, kPause, kStopAndFlush, kSeparator, kRemoteIconValues, kSeparator,
    kTrendingToCommunications, kTrendingToProgramDevelopment};

constexpr std::array kWebDesign{kNew, kOpen, kSave, kSeparator, kPageSize, kBackground, kSecurity, kSeparator, kDelete,
    kProperties, kSeparator, kExitWebDesign};

// A toolbar the frame loads but never shows.
constexpr std::array kSpare{kNew, kOpenFile, kSave, kSeparator, kAbout};

// Each toolbar's strip has the toolbar's own id.
constexpr ToolBarTemplate Toolbar(int id, std::span<const int> buttons)
{
    return {id, id, kToolbarButtonSize, buttons, colour::kKey};
}

constexpr std::array kToolbars{
    Toolbar(kToolbarCommWindow, kCommWindow),
    Toolbar(kToolbarProgramDevelopment, kProgramDevelopmentButtons),
    Toolbar(kToolbarSpare, kSpare),
    Toolbar(kToolbarTrending, kTrending),
    Toolbar(kToolbarWebDesign, kWebDesign),
};

}  // namespace

std::span<const ToolBarTemplate> Toolbars() { return kToolbars; }

const ToolBarTemplate* FindToolbar(int id)
{
    const auto found
        = std::find_if(kToolbars.begin(), kToolbars.end(), [id](const ToolBarTemplate& t) { return t.id == id; });
    return found == kToolbars.end() ? nullptr : &*found;
}

int ButtonCount(const ToolBarTemplate& toolbar)
{
    return static_cast<int>(std::count_if(
        toolbar.buttons.begin(), toolbar.buttons.end(), [](int command) { return command != kToolBarSeparator; }));
}

}  // namespace corvane::res
