#include "app/CommWindowAssembly.h"

#include "app/CChildFrame.h"
#include "app/ShellMessages.h"
#include "comms/window/CLaunchDoc.h"
#include "comms/window/CLaunchView.h"
#include "platform/DocTemplate.h"
#include "platform/MenuTemplate.h"

#include <array>
#include <utility>

namespace corvane {
namespace {

constexpr std::array kCommFileMenu = {MenuCommand(kCmdExit, "E&xit")};
constexpr std::array kCommLoggerMenu = {MenuCommand(CLaunchView::kLoggerConnectionCommand, "Logger &Connection..."),
    MenuSeparator(), MenuCommand(CLaunchView::kDownloadNetCommand, "&Download Net from Logger"),
    MenuCommand(CLaunchView::kUploadNetCommand, "&Upload Net to Logger"), MenuSeparator(),
    MenuCommand(CLaunchView::kDownloadDataCommand, "Download Data from &Logger")};
// The memory card in the PC's reader (the picture's tip names "SD Card | Scan Card").
constexpr std::array kCommCardMenu = {MenuCommand(CLaunchView::kScanCardCommand, "&Scan Card"),
    MenuCommand(CLaunchView::kDownloadCardDataCommand, "&Download Data")};
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
