#include "app/CommWindowShellServices.h"

#include "app/CCorvaneApp.h"
#include "app/CFolderOptions.h"
#include "app/CMainFrame.h"
#include "netdoc/CNetDoc.h"
#include "platform/SettingsStore.h"

#include <optional>
#include <string>
#include <utility>

namespace corvane {

CommWindowShellServices::CommWindowShellServices(
    CCorvaneApp& app, Places places, std::function<void()> updateNetIconBar)
    : app_(app),
      places_(std::move(places)),
      updateNetIconBar_(std::move(updateNetIconBar)),
      cardSettings_(app.Settings(), app.DataFolder()),
      mediaProbe_(places_.mountTable, places_.sysBlockRoot),
      downloads_(app),
      diagnosticLogs_(app),
      reflashFolder_(app),
      notices_(app)
{
}

CConnectionDetails& CommWindowShellServices::Connection()
{
    return app_.Connection();
}

SettingsStore& CommWindowShellServices::Settings()
{
    return app_.Settings();
}

StatusSink& CommWindowShellServices::Status()
{
    // The main frame exists before any window of the program is made and
    // goes after the last one.
    return *app_.MainFrame();
}

Window* CommWindowShellServices::MainWindow()
{
    return app_.MainFrame();
}

void CommWindowShellServices::ShowProgramSettings(Window* owner)
{
    app_.ShowProgramSettings(owner);
}

void CommWindowShellServices::OpenLastDownloadFile()
{
    const std::string key
        = std::string(CCorvaneApp::kRecentRoot) + "\\" + std::string(DownloadShellServices::kProfileSection);
    const std::optional<SettingsValue> value
        = app_.Settings().GetValue(key, DownloadShellServices::kLastDownloadFileValue);
    const std::string* path = value ? value->AsString() : nullptr;
    if (path != nullptr && !path->empty())
        app_.OpenWithDesktop(*path);
}

void CommWindowShellServices::PostToMainWindow(std::uint32_t messageId)
{
    (void)app_.PostToMainFrame(messageId, 0);
}

bool& CommWindowShellServices::VerifyRemoteValues() { return app_.VerifyRemoteValues(); }

void CommWindowShellServices::SetNetworkPasswordWarningAccepted(bool accepted)
{
    app_.SetNetworkPasswordWarningAccepted(accepted);
}

void CommWindowShellServices::SetLoggerInfoText(std::string_view text)
{
    app_.SetLoggerInfoText(text);
}

void CommWindowShellServices::SetLoggerStateWords(std::uint32_t status, std::uint32_t memoryKb, std::uint32_t memoryUsedKb)
{
    app_.SetLoggerStateWords(status, memoryKb, memoryUsedKb);
}

LoggerTimeZone& CommWindowShellServices::TimeZone()
{
    return app_.TimeZone();
}

void CommWindowShellServices::UpdateNetIconBar()
{
    if (updateNetIconBar_)
        updateNetIconBar_();
}

std::filesystem::path CommWindowShellServices::DirectoryFile() const
{
    return app_.DataFolder() / "dir.bin";
}

CNetDoc* CommWindowShellServices::NetDocument()
{
    return dynamic_cast<CNetDoc*>(app_.NetDocument());
}

std::uint32_t CommWindowShellServices::LoggerStatusWord() const
{
    return app_.LoggerStatusWord();
}

void CommWindowShellServices::SetLoggerStatusWord(std::uint32_t status)
{
    app_.SetLoggerStateWords(status, app_.LoggerMemoryKb(), app_.LoggerMemoryUsedKb());
}

bool CommWindowShellServices::NetworkPasswordWarningAccepted() const
{
    return app_.GetNetworkPasswordWarningAccepted();
}

std::uint32_t CommWindowShellServices::LoggerMemoryKb() const { return app_.LoggerMemoryKb(); }

std::uint32_t CommWindowShellServices::LoggerMemoryUsedKb() const { return app_.LoggerMemoryUsedKb(); }

void CommWindowShellServices::EnableUsbLinkCheck(bool enable)
{
    if (CMainFrame* frame = app_.MainFrame())
        frame->EnableUsbLinkCheck(enable);
}

}  // namespace corvane
