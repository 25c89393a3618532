#include "app/DownloadShellServices.h"

#include "app/CCorvaneApp.h"
#include "app/CFolderOptions.h"
#include "app/CMainFrame.h"

#include <system_error>

namespace corvane {

StatusSink& DownloadShellServices::Status()
{
    // The main frame exists before any window of the program is made and
    // goes after the last one.
    return *app_.MainFrame();
}

TimeColumns DownloadShellServices::TimeColumnChoice() const
{
    switch (app_.TimeColumnChoice()) {
    case static_cast<int>(TimeColumns::Utc): return TimeColumns::Utc;
    case static_cast<int>(TimeColumns::Both): return TimeColumns::Both;
    default: return TimeColumns::Local;
    }
}

void DownloadShellServices::SetTimeColumnChoice(TimeColumns choice)
{
    app_.SetTimeColumnChoice(static_cast<int>(choice));
}

std::filesystem::path DownloadShellServices::WorkingFolder() const
{
    // The program's per-user data folder, never the folder it was started from.
    return app_.DataFolder();
}

std::string DownloadShellServices::MakeDownloadFilePath(std::string_view text) const
{
    const CFolderOptions* folders = app_.FolderOptions();
    return folders != nullptr ? folders->MakeDownloadFilePath(text) : std::string(text);
}

void DownloadShellServices::SetDownloadFileFolder(std::string_view chosenPath)
{
    if (CFolderOptions* folders = app_.FolderOptions())
        folders->SetDownloadFileFolder(chosenPath);
}

void DownloadShellServices::NoteDownloadFile(std::string_view path)
{
    const std::string key = std::string(CCorvaneApp::kRecentRoot) + "\\" + std::string(kProfileSection);
    SettingsStore& settings = app_.Settings();
    // The program goes on without the profile value when the store cannot
    // keep it; the recent list still has the file.
    if (!settings.CreateKey(key))
        (void)settings.SetValue(key, kLastDownloadFileValue, SettingsValue::String(std::string(path)));
    app_.AddRecentFile(CCorvaneApp::RecentList::Data, path);
}

bool DownloadShellServices::ShouldDeleteRawData() const { return app_.ShouldDeleteRawData(); }

}  // namespace corvane
