#include "app/CommWindowShellServices.h"

#include "app/CCorvaneApp.h"
#include "app/CMainFrame.h"
#include "netdoc/CNetDoc.h"

#include <utility>

namespace corvane {

CommWindowShellServices::CommWindowShellServices(
    CCorvaneApp& app, Places places, std::function<void()> updateNetIconBar)
    : app_(app),
      places_(std::move(places)),
      updateNetIconBar_(std::move(updateNetIconBar)),
      cardSettings_(app.Settings()),
      downloads_(app)
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

void CommWindowShellServices::PostToMainWindow(std::uint32_t messageId)
{
    (void)app_.PostToMainFrame(messageId, 0);
}

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
    return app_.StartFolder() / "dir.bin";
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

}  // namespace corvane
