#include "app/NetEditorAssembly.h"

#include "app/CCorvaneApp.h"
#include "app/CMainFrame.h"
#include "app/CommWindowAssembly.h"
#include "app/NetPaletteFrame.h"
#include "app/ShellMessages.h"
#include "icons/function/RegisterFunctionIcons.h"
#include "icons/function/RegisterFunctionPalette.h"
#include "icons/function/RegisterMathIcon.h"
#include "icons/hardware/RegisterHardwareIcons.h"
#include "icons/hardware/RegisterHardwarePlacing.h"
#include "icons/program/RegisterProgramIcon.h"
#include "icons/reporting/RegisterMqttIcon.h"
#include "icons/reporting/RegisterReportingIcons.h"
#include "icons/reporting/RegisterReportingPalette.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/CNetFrm.h"
#include "netdoc/CNetView.h"
#include "netdoc/CQuvNetDlg.h"
#include "netmodel/CCorvaneView.h"
#include "netmodel/CIconBar.h"
#include "platform/AcceleratorTable.h"
#include "platform/DocTemplate.h"
#include "platform/KeyCodes.h"
#include "platform/MenuTemplate.h"

#include <array>
#include <cstdlib>

namespace corvane {
namespace {

constexpr std::array kNetFileMenu = {MenuCommand(CNetView::kFileNewCommand, "&New Net from Logger\tCtrl+N"),
    MenuCommand(CNetView::kOpenCommand, "&Open...\tCtrl+O"), MenuCommand(CNetView::kSaveCommand, "&Save\tCtrl+S"),
    MenuCommand(CNetView::kSaveAsCommand, "Save  &As..."), MenuSeparator(),
    MenuCommand(view_command::kPrint, "&Print...\tCtrl+P"), MenuCommand(view_command::kPrintPreview, "Print Pre&view"),
    MenuCommand(kCmdPrintSetup, "P&rint Setup..."), MenuSeparator(), MenuCommand(kCmdRecentFirst, "Recent File"),
    MenuSeparator(), MenuCommand(kCmdExit, "E&xit")};
constexpr std::array kNetEditMenu = {MenuCommand(view_command::kCut, "Cu&t\tCtrl+X"),
    MenuCommand(view_command::kCopy, "&Copy\tCtrl+C"), MenuCommand(view_command::kPaste, "&Paste\tCtrl+V"),
    MenuCommand(view_command::kDelete, "&Delete\tDel"), MenuCommand(view_command::kSelectAll, "Select &All\tCtrl+A"),
    MenuSeparator(), MenuCommand(view_command::kProperties, "P&roperties...")};
constexpr std::array kNetNetMenu = {MenuCommand(CNetView::kQueryCommand, "&Query Logger Configuration"),
    MenuCommand(CNetView::kCheckNetCommand, "&Check Net"),
    MenuCommand(CNetView::kWiringListCommand, "View &Wiring/Connection List"), MenuSeparator(),
    MenuCommand(view_command::kSelectionTool, "&Selection Tool"), MenuCommand(view_command::kLineTool, "&Line Tool"),
    MenuCommand(view_command::kSnapToGrid, "Snap to &grid"), MenuSeparator(),
    MenuCommand(view_command::kBringToTop, "Bring to &Top"), MenuCommand(view_command::kSendToBottom, "Send to &Bottom"),
    MenuCommand(CCorvaneDoc::kPaperColourCommand, "Paper &Colour...")};
constexpr std::array kNetViewMenu = {MenuCommand(kCmdCommunications, "&Communications"),
    MenuCommand(kCmdProgramDevelopment, "&Program Development"),
    MenuCommand(kCmdTrending, "&Real-Time Trending")};
constexpr std::array kNetHelpMenu = {MenuCommand(kCmdAbout, "&About Corvane...")};
constexpr std::array kNetMenuBar = {MenuPopup("&File", kNetFileMenu), MenuPopup("&Edit", kNetEditMenu),
    MenuPopup("&Net", kNetNetMenu), MenuPopup("&View", kNetViewMenu), MenuPopup("&Help", kNetHelpMenu)};
constexpr MenuTemplate kNetMenu{kNetTemplate, kNetMenuBar};

constexpr std::array kNetKeys = {Accelerator{'N', key_modifier::kCtrl, CNetView::kFileNewCommand},
    Accelerator{'O', key_modifier::kCtrl, CNetView::kOpenCommand},
    Accelerator{'S', key_modifier::kCtrl, CNetView::kSaveCommand},
    Accelerator{'P', key_modifier::kCtrl, view_command::kPrint},
    Accelerator{'X', key_modifier::kCtrl, view_command::kCut},
    Accelerator{'C', key_modifier::kCtrl, view_command::kCopy},
    Accelerator{'V', key_modifier::kCtrl, view_command::kPaste},
    Accelerator{'A', key_modifier::kCtrl, view_command::kSelectAll},
    Accelerator{key_code::kDelete, key_modifier::kNone, view_command::kDelete}};
constexpr AcceleratorTable kNetAccelerators{kNetTemplate, kNetKeys};

}  // namespace

NetEditorAssembly::NetEditorAssembly(CCorvaneApp& app)
    : app_(app),
      reporter_(app),
      sheet_(app),
      docServices_(app, reporter_),
      environment_(app, palette_),
      viewServices_(app, hardware_, sheet_, reporter_, viewer_)
{
    RegisterFunctionIcons(factory_);
    RegisterMathIcon(factory_, app.Settings());
    RegisterHardwareIcons(factory_);
    RegisterReportingIcons(factory_);
    RegisterMqttIcon(factory_, app.Settings());
    RegisterProgramIcon(factory_, sheet_);

    RegisterFunctionPaletteIcons(palette_, &app.Settings());
    RegisterReportingPaletteIcons(palette_, &app.Settings());
    RegisterHardwarePaletteIcons(palette_);
    RegisterHardwarePlacing(hardware_);

    docServices_.SetConverter([this](const std::filesystem::path& path) { ConvertNet(path); });
}

NetEditorAssembly::~NetEditorAssembly() = default;

CNetDoc* NetEditorAssembly::Document() const
{
    return dynamic_cast<CNetDoc*>(app_.NetDocument());
}

std::unique_ptr<DocTemplate> NetEditorAssembly::MakeTemplate()
{
    DocTemplateResources resources;
    resources.id = kNetTemplate;
    resources.menu = &kNetMenu;
    resources.accelerators = &kNetAccelerators;
    resources.newTitle = CNetDoc::kDefaultTitle;
    resources.fileFilter = "Net Files (*.nt3)|*.nt3||";
    resources.defaultExtension = "nt3";
    return std::make_unique<DocTemplate>(
        resources, [this] { return std::make_unique<CNetDoc>(docServices_, factory_); },
        [this] { return std::make_unique<NetPaletteFrame>(environment_); },
        [this] { return std::make_unique<CNetView>(environment_, viewServices_); });
}

void NetEditorAssembly::UpdateIconBar()
{
    CMainFrame* frame = app_.MainFrame();
    DocTemplate* net = frame != nullptr ? frame->FindTemplate(kNetTemplate) : nullptr;
    auto* netFrame = net != nullptr ? dynamic_cast<CNetFrm*>(net->Frame()) : nullptr;
    if (netFrame != nullptr && netFrame->IconBar() != nullptr)
        netFrame->IconBar()->LoadModelImages();
}

void NetEditorAssembly::ConvertNet(const std::filesystem::path& path)
{
    CNetDoc* document = Document();
    if (document == nullptr)
        return;
    CQuvNetDlg dialog(*document, path, app_.MainFrame());
    (void)dialog.DoModal();
}

CommWindowShellServices::Places ProgramDevicePlaces()
{
    CommWindowShellServices::Places places;
    if (const char* root = std::getenv("CORVANE_USB_ROOT"); root != nullptr && *root != '\0') {
        places.usbDeviceRoot = std::filesystem::path(root) / "sys";
        places.deviceFolder = std::filesystem::path(root) / "dev";
    }
    if (const char* root = std::getenv("CORVANE_MEDIA_ROOT"); root != nullptr && *root != '\0') {
        places.mountTable = std::filesystem::path(root) / "mounts";
        places.sysBlockRoot = std::filesystem::path(root) / "block";
    }
    return places;
}

void InstallProgramWindows(ShellNeighbours& neighbours, CommWindowShellServices::Places places)
{
    struct Windows {
        std::unique_ptr<NetEditorAssembly> editor;
        std::unique_ptr<CommWindowAssembly> comm;
        NetEditorAssembly& Editor(CCorvaneApp& app)
        {
            if (!editor)
                editor = std::make_unique<NetEditorAssembly>(app);
            return *editor;
        }
    };
    auto windows = std::make_shared<Windows>();
    neighbours.net = [windows](CCorvaneApp& app) { return windows->Editor(app).MakeTemplate(); };
    neighbours.commWindow = [windows, places](CCorvaneApp& app) {
        NetEditorAssembly& editor = windows->Editor(app);
        windows->comm = std::make_unique<CommWindowAssembly>(
            app, editor.Environment(), places, [&editor] { editor.UpdateIconBar(); });
        return windows->comm->MakeTemplate();
    };
}

}  // namespace corvane
