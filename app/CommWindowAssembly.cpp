#include "app/CommWindowAssembly.h"

#include "app/CChildFrame.h"
#include "app/ShellMessages.h"
#include "commwindow/CLaunchDoc.h"
#include "commwindow/CLaunchView.h"
#include "platform/DocTemplate.h"
#include "platform/MenuTemplate.h"

#include <array>
#include <utility>

namespace corvane {
namespace {

using V = CLaunchView;

constexpr std::array kCommFileMenu = {MenuCommand(V::kProgramSettingsCommand, "Corvane &Settings"), MenuSeparator(),
    MenuCommand(kCmdRecentFirst, "Recent File"), MenuSeparator(), MenuCommand(kCmdExit, "E&xit")};
// Commands whose dialogs the program does not have yet are listed too; the
// view keeps them greyed.
constexpr std::array kCommLoggerMenu = {MenuCommand(V::kLoggerConnectionCommand, "Logger &Connection..."),
    MenuCommand(V::kPasswordManagementCommand, "&Password Management"), MenuSeparator(),
    MenuCommand(V::kViewLoggerStatusCommand, "View Logger &Status"),
    MenuCommand(V::kViewProbePointsCommand, "View Probe Point &Values"),
    MenuCommand(V::kRemoteControlsCommand, "&Access Remote Controls"),
    MenuCommand(V::kSetLoggerTimeCommand, "Set Logger &Time"), MenuSeparator(),
    MenuCommand(V::kDownloadDataCommand, "Download Data from &Logger"),
    MenuCommand(V::kDownloadNetCommand, "&Download Net from Logger"),
    MenuCommand(V::kUploadNetCommand, "&Upload Net to Logger"), MenuSeparator(),
    MenuCommand(V::kEnableLoggingCommand, "&Enable Logging"), MenuCommand(V::kStopLoggingCommand, "St&op Logging"),
    MenuCommand(V::kClearMemoryCommand, "Clear &Memory"), MenuSeparator(),
    MenuCommand(V::kLoggerConfigurationCommand, "Logger Con&figuration"),
    MenuCommand(V::kLoggerDiagnosticsCommand, "Logger Dia&gnostics"),
    MenuCommand(V::kReflashFirmwareCommand, "&Reflash Firmware"), MenuCommand(V::kResetLoggerCommand, "Rese&t Logger")};
// The memory card in the PC's reader (the picture's tip names "SD Card | Scan Card").
constexpr std::array kCommCardMenu
    = {MenuCommand(V::kScanCardCommand, "&Scan Card"), MenuCommand(V::kDownloadCardDataCommand, "&Download Data")};
constexpr std::array kCommViewMenu = {MenuCommand(kCmdCommunications, "&Communications"),
    MenuCommand(kCmdProgramDevelopment, "&Program Development"),
    MenuCommand(kCmdTrending, "&Real-Time Trending")};
constexpr std::array kCommHelpMenu = {MenuCommand(kCmdAbout, "&About Corvane...")};
constexpr std::array kCommMenuBar = {MenuPopup("&File", kCommFileMenu), MenuPopup("&Logger", kCommLoggerMenu),
    MenuPopup("&SD Card", kCommCardMenu), MenuPopup("&View", kCommViewMenu), MenuPopup("&Help", kCommHelpMenu)};
constexpr MenuTemplate kCommMenu{kCommWindowTemplate, kCommMenuBar};

}  // namespace

CommWindowAssembly::CommWindowAssembly(CCorvaneApp& app, EditorEnvironment& environment,
    CommWindowShellServices::Places places, std::function<void()> updateNetIconBar)
    : environment_(environment), services_(app, std::move(places), std::move(updateNetIconBar))
{
}

std::unique_ptr<DocTemplate> CommWindowAssembly::MakeTemplate()
{
    DocTemplateResources resources;
    resources.id = kCommWindowTemplate;
    resources.menu = &kCommMenu;
    resources.newTitle = "Communication";
    return std::make_unique<DocTemplate>(
        resources, [this] { return std::make_unique<CLaunchDoc>(services_); },
        [] { return std::make_unique<CChildFrame>(); },
        [this] { return std::make_unique<CLaunchView>(environment_, services_); });
}

}  // namespace corvane
