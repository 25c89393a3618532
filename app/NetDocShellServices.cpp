#include "app/NetDocShellServices.h"

#include "app/CCorvaneApp.h"
#include "app/CFolderOptions.h"
#include "app/CMainFrame.h"
#include "app/FileNameRules.h"
#include "comms/MainFrameMessages.h"
#include "halvix/HalvixLibrary.h"
#include "netmodel/CHardwarePoll.h"
#include "netmodel/HardwarePollOwner.h"
#include "netmodel/HardwarePollWait.h"
#include "shell/CAdvisoryDlg.h"

#include <system_error>

namespace corvane {
namespace {

// The document's query waits for the end itself; nobody else is told.
class QuietPollOwner final : public HardwarePollOwner {
public:
    void OnHardwarePollDone() override {}
};

}  // namespace

NetDocShellServices::NetDocShellServices(CCorvaneApp& app, HardwarePollReporter& reporter)
    : app_(app), reporter_(reporter), notices_(app)
{}

bool NetDocShellServices::IsConnected() const { return app_.Connection().IsConnected(); }

std::uint16_t NetDocShellServices::PolledConfigWord() const { return app_.Connection().GetPolledConfigWord(); }

std::uint8_t NetDocShellServices::LoggerCapabilityByte() const { return app_.Connection().GetLoggerCapabilityByte(); }

std::uint32_t NetDocShellServices::LoggerFirmwareVersion() const { return app_.Connection().GetFirmwareVersion(); }

std::string NetDocShellServices::LoggerInfoText() const { return app_.GetLoggerInfoText(); }

SettingsStore* NetDocShellServices::UserSettings() { return &app_.Settings(); }

std::uint32_t NetDocShellServices::MessageTimeoutMs() const { return app_.Connection().GetMessageTimeout(); }

std::optional<std::string> NetDocShellServices::CheckNetVersion(std::uint32_t first, std::uint32_t second) const
{
    return CheckNetVersionForConnection(app_.Connection(), first, second);
}

std::filesystem::path NetDocShellServices::NetFileFolder() const
{
    const CFolderOptions* folders = app_.FolderOptions();
    return folders != nullptr ? std::filesystem::path(folders->MakeNetFilePath({})) : WorkingFolder();
}

void NetDocShellServices::SetNetFileFolder(const std::filesystem::path& folder)
{
    // The folder options keep the folder part of a chosen file's path.
    if (CFolderOptions* folders = app_.FolderOptions())
        folders->SetNetFileFolder((folder / "").string());
}

std::filesystem::path NetDocShellServices::ModbusFileFolder() const
{
    const CFolderOptions* folders = app_.FolderOptions();
    return folders != nullptr ? std::filesystem::path(folders->MakeModbusFilePath({})) : WorkingFolder();
}

void NetDocShellServices::SetModbusFileFolder(const std::filesystem::path& folder)
{
    if (CFolderOptions* folders = app_.FolderOptions())
        folders->SetModbusFileFolder((folder / "").string());
}

std::filesystem::path NetDocShellServices::WorkingFolder() const
{
    // The program's per-user data folder, never the folder it was started from.
    return app_.DataFolder();
}

bool NetDocShellServices::KeepRawDownloads() const { return !app_.ShouldDeleteRawData(); }

void NetDocShellServices::AddRecentNet(const std::filesystem::path& path)
{
    app_.AddRecentFile(CCorvaneApp::RecentList::Net, path.string());
}

void NetDocShellServices::ShowNotice(std::string_view text, NetNoticeCaption caption)
{
    (void)app_.PostToMainFrame(kShowNoticeMessage, static_cast<std::uintptr_t>(caption),
        std::make_unique<ValuePayload<std::string>>(std::string(text)));
}

StatusSink& NetDocShellServices::Status()
{
    // The main frame exists before any net window and goes after the last.
    return *app_.MainFrame();
}

int NetDocShellServices::ShowAdvisory(int boxType, std::string_view text)
{
    CAdvisoryDlg box(app_.Advisories(), app_.MainFrame());
    return box.Show(boxType, text);
}

void NetDocShellServices::ConvertNet(const std::filesystem::path& path)
{
    if (converter_)
        converter_(path);
}

bool NetDocShellServices::QueryHardware(CHardwarePoll& poll)
{
    QuietPollOwner owner;
    poll.SetReporter(&reporter_);
    poll.Reset();
    poll.Start(owner);
    return WaitForHardwarePoll(poll, HardwarePollTimeLimitMs(app_.LoggerRetryTime(), kDefaultMaxRetries));
}

}  // namespace corvane
