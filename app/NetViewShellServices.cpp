#include "app/NetViewShellServices.h"

#include "app/CCorvaneApp.h"
#include "app/CMainFrame.h"
#include "comms/ProgramVersion.h"
#include "icons/hardware/CWiringListManager.h"
#include "icons/program/RegisterProgramIcon.h"
#include "netdoc/CGlobalIcon.h"
#include "netdoc/CNetDoc.h"
#include "platform/View.h"

namespace corvane {

NetViewShellServices::NetViewShellServices(CCorvaneApp& app, const HardwareIconMakers& makers,
    const ProgramSheetServices& sheet, HardwarePollReporter& reporter, TextFileViewer& viewer)
    : app_(app), makers_(makers), sheet_(sheet), reporter_(reporter), viewer_(viewer)
{
}

std::unique_ptr<CCorvaneIcon> NetViewShellServices::MakeProgramIcon(const Rect& position, const CHardwarePoll& poll)
{
    // The net is made for the connected logger's firmware and this program.
    const CConnectionDetails& connection = app_.Connection();
    auto icon = std::make_unique<CGlobalIcon>(position, poll, connection.GetFirmwareVersion(), GetProgramVersion(),
        connection.GetLoggerCapabilityByte());
    InstallProgramSheet(*icon, sheet_);
    return icon;
}

void NetViewShellServices::ClearDiagnostics()
{
    app_.ClearCommLog();
}

void NetViewShellServices::ShowWiringList(CNetDoc& document)
{
    View* view = document.FirstView();
    CWiringListManager manager(view, document, viewer_);
    manager.CollectModules(document.GetObjects());
    manager.CollectPins(document.GetObjects());
    manager.AddFixedPins();
    if (const CGlobalIcon* program = document.ProgramIcon())
        manager.SetHeader(*program);
    (void)manager.SaveAndShow();
}

}  // namespace corvane
