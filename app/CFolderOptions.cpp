#include "app/CFolderOptions.h"

#include "shell/CRegistry.h"
#include "app/FileNameRules.h"
#include "app/ProgramSettings.h"
#include "app/UserDataFolder.h"
#include "platform/SettingsStore.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace fs = std::filesystem;

namespace {

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// Makes a folder private to this user: created with mode 0700 when missing;
// an existing one must be a real folder (not a link) owned by this user,
// and loses any access of others.
bool MakePrivateFolder(const std::string& folder)
{
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return false;
    if ((info.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0)
        return false;
    return true;
}

// Whether inner lies strictly below outer, both resolved paths, comparing
// whole path components.
bool IsStrictlyInside(const fs::path& inner, const fs::path& outer)
{
    auto innerPart = inner.begin();
    for (auto outerPart = outer.begin(); outerPart != outer.end(); ++outerPart) {
        if (outerPart->empty())
            continue;  // the trailing separator of a folder path
        if (innerPart == inner.end() || *innerPart != *outerPart)
            return false;
        ++innerPart;
    }
    for (; innerPart != inner.end(); ++innerPart) {
        if (!innerPart->empty())
            return true;
    }
    return false;
}

// Deletes a folder's contents and then the folder; links are removed, never
// followed. One failure does not stop the walk.
bool RemoveTree(const fs::path& folder)
{
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (!error) {
        for (const fs::directory_entry& entry : entries) {
            std::error_code entryError;
            const fs::file_status status = entry.symlink_status(entryError);
            if (!entryError && fs::is_directory(status))
                (void)RemoveTree(entry.path());
            else
                fs::remove(entry.path(), entryError);
        }
    }
    std::error_code removeError;
    return fs::remove(folder, removeError) && !removeError;
}

}  // namespace

TempFolderEnvironment TempFolderEnvironment::FromProcess()
{
    TempFolderEnvironment environment;
    environment.runtimeDir = EnvironmentValue("XDG_RUNTIME_DIR");
    environment.tmpDir = EnvironmentValue("TMPDIR");
    environment.user = EnvironmentValue("USER");
    if (environment.user.empty())
        environment.user = EnvironmentValue("LOGNAME");
    if (environment.user.empty())
        environment.user = std::to_string(::geteuid());
    return environment;
}

std::string PerUserTempFolder(const TempFolderEnvironment& environment)
{
    if (!environment.runtimeDir.empty() && environment.runtimeDir.front() == '/')
        return WithSlash(environment.runtimeDir) + "corvane/";
    const std::string& user = environment.user;
    if (user.empty() || user == "." || user == ".." || user.find('/') != std::string::npos)
        return {};
    const std::string base
        = !environment.tmpDir.empty() && environment.tmpDir.front() == '/' ? environment.tmpDir : std::string("/tmp");
    return WithSlash(base) + "corvane-" + user + "/";
}

CFolderOptions::CFolderOptions(SettingsStore& store, TempFolderEnvironment environment)
    : store_(&store), environment_(std::move(environment))
{
    Load();
}

void CFolderOptions::Load(std::string_view homeFolder)
{
    const std::string folder
        = WithSlash(homeFolder.empty() ? DataFolderEnvironment::FromProcess().home : std::string(homeFolder));
    for (std::string* field : {&downloadFolder_, &webViewFolder_, &trackViewFolder_, &netFolder_,
             &backgroundImageFolder_, &reflashFolder_, &modbusFolder_, &diagnosticLogFolder_})
        *field = folder;

    CRegistry key(*store_, CRegistry::kCreate);
    if (!key.Open(kFoldersKey))
        return;
    const std::pair<std::string_view, std::string*> values[] = {
        {"ReflashFileFolder", &reflashFolder_},
        {"BackgroundImageFileFolder", &backgroundImageFolder_},
        {"NetFileFolder", &netFolder_},
        {"TrackViewFileFolder", &trackViewFolder_},
        {"WebViewFileFolder", &webViewFolder_},
        {"DownloadFileFolder", &downloadFolder_},
        {"InstallationFolder", &installationFolder_},
        {"DiagnosticLogFileFolder", &diagnosticLogFolder_},
        {"ModbusFileFolder", &modbusFolder_},
    };
    for (const auto& [name, field] : values) {
        CRegEntry& entry = key[name];
        if (entry.Exists()) {
            // A folder edited by hand may lack its closing '/'.
            const std::string stored = entry.GetString();
            *field = stored.empty() ? stored : WithSlash(stored);
        }
    }
}

bool CFolderOptions::SetUpCacheFolders()
{
    const auto usable = [](const std::string& folder) {
        return !folder.empty() && MakePrivateFolder(folder.substr(0, folder.size() - 1));
    };
    std::string temp = PerUserTempFolder(environment_);
    if (!usable(temp)) {
        // A runtime folder that cannot be used gives way to the shared temporary folder.
        if (environment_.runtimeDir.empty())
            return false;
        TempFolderEnvironment shared = environment_;
        shared.runtimeDir.clear();
        temp = PerUserTempFolder(shared);
        if (!usable(temp))
            return false;
    }
    tempFolder_ = temp;
    for (const char* folder : {"QZL", "QZL/RTT", "QZL/RTT/FileCache", "QZL/Web", "QZL/Web/FileCache"})
        (void)::mkdir((temp + folder).c_str(), 0700);
    trackCacheFolder_ = temp + "QZL/RTT/FileCache/";
    webCacheFolder_ = temp + "QZL/Web/FileCache/";
    (void)ClearTrackFileCache();
    (void)ClearWebFileCache();
    return true;
}

void CFolderOptions::SetDownloadFileFolder(std::string_view chosenPath)
{
    SetFolder(downloadFolder_, "DownloadFileFolder", chosenPath);
}
void CFolderOptions::SetWebViewFileFolder(std::string_view chosenPath)
{
    SetFolder(webViewFolder_, "WebViewFileFolder", chosenPath);
}
void CFolderOptions::SetNetFileFolder(std::string_view chosenPath)
{
    SetFolder(netFolder_, "NetFileFolder", chosenPath);
}
void CFolderOptions::SetBackgroundImageFileFolder(std::string_view chosenPath)
{
    SetFolder(backgroundImageFolder_, "BackgroundImageFileFolder", chosenPath);
}
void CFolderOptions::SetReflashFileFolder(std::string_view chosenPath)
{
    SetFolder(reflashFolder_, "ReflashFileFolder", chosenPath);
}
void CFolderOptions::SetModbusFileFolder(std::string_view chosenPath)
{
    SetFolder(modbusFolder_, "ModbusFileFolder", chosenPath);
}
void CFolderOptions::SetDiagnosticLogFileFolder(std::string_view chosenPath)
{
    SetFolder(diagnosticLogFolder_, "DiagnosticLogFileFolder", chosenPath);
}

void CFolderOptions::SetFolder(std::string& field, std::string_view valueName, std::string_view chosenPath)
{
    // Linux file names are case-sensitive, so folders compare exactly.
    std::string folder = GetDirectoryPart(chosenPath);
    if (folder == field)
        return;
    CRegistry key(*store_, CRegistry::kCreate);
    if (!key.Open(kFoldersKey))
        return;
    field = folder;
    (void)key[valueName].SetString(folder);
}

int CFolderOptions::ClearTrackFileCache() { return ClearCache(trackCacheFolder_); }

int CFolderOptions::ClearWebFileCache() { return ClearCache(webCacheFolder_); }

int CFolderOptions::ClearCache(const std::string& folder)
{
    if (tempFolder_.empty() || folder.empty())
        return 1;
    const int result = DeleteTempFolder(folder.substr(0, folder.size() - 1)) ? 0 : 1;
    (void)::mkdir(folder.c_str(), 0700);
    return result;
}

bool CFolderOptions::DeleteTempFolder(std::string_view path) const
{
    if (path.empty() || tempFolder_.empty())
        return false;
    std::error_code error;
    const fs::path temp = fs::canonical(fs::path(tempFolder_), error);
    if (error)
        return false;
    const fs::path target = fs::canonical(fs::path(path), error);
    if (error || !IsStrictlyInside(target, temp))
        return false;
    if (ReadDontDeleteRawData(*store_))
        return true;
    const fs::file_status status = fs::symlink_status(target, error);
    if (error || !fs::is_directory(status))
        return false;
    return RemoveTree(target);
}

}  // namespace corvane
