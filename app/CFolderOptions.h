#pragma once

#include <string>
#include <string_view>

namespace corvane {

class SettingsStore;

// The environment values that choose the per-user temporary folder; empty when unset.
struct TempFolderEnvironment {
    std::string runtimeDir;  // XDG_RUNTIME_DIR
    std::string tmpDir;      // TMPDIR
    std::string user;        // USER (LOGNAME when USER is unset)

    static TempFolderEnvironment FromProcess();
};

// The program's temporary folder, with a trailing '/': $XDG_RUNTIME_DIR/corvane/
// when XDG_RUNTIME_DIR is an absolute path, else $TMPDIR/corvane-$USER/
// ($TMPDIR defaulting to /tmp). Empty when no user name is known for the
// shared case. Only the name; see CFolderOptions::SetUpCacheFolders.
std::string PerUserTempFolder(const TempFolderEnvironment& environment);

// The folder per kind of file in which file dialogs open, kept under
// Software\Tarnwick\Corvane\Folders, and the program's private cache
// folders below its per-user temporary folder. Folders end with '/'.
class CFolderOptions {
public:
    static constexpr std::string_view kNoTempFolderText
        = "Unable to locate the temporary folder\n\nApplication cannot continue...";

    // Loads the folders with the user's home as default folder; touches no
    // cache folder (SetUpCacheFolders does, after the single-instance check).
    CFolderOptions(SettingsStore& store, TempFolderEnvironment environment);
    virtual ~CFolderOptions() = default;
    CFolderOptions(const CFolderOptions&) = delete;
    CFolderOptions& operator=(const CFolderOptions&) = delete;

    // Every kind's folder becomes homeFolder + '/', then the stored values
    // replace those that exist. An empty home folder means the home of the
    // user running the program (never the folder it was started from).
    void Load(std::string_view homeFolder = {});

    // Creates the temporary folder (private to the user: a link or another
    // owner's folder is refused, others' access is removed; an unusable
    // runtime folder falls back to the shared one), the two cache folders,
    // and empties them. False when there is no usable temporary folder: the
    // caller shows kNoTempFolderText and ends the program.
    [[nodiscard]] bool SetUpCacheFolders();

    // folder + text; text is a file name or a pattern such as "*.nt3".
    std::string MakeDownloadFilePath(std::string_view text) const { return downloadFolder_ + std::string(text); }
    std::string MakeWebViewFilePath(std::string_view text) const { return webViewFolder_ + std::string(text); }
    std::string MakeNetFilePath(std::string_view text) const { return netFolder_ + std::string(text); }
    std::string MakeBackgroundImageFilePath(std::string_view text) const
    {
        return backgroundImageFolder_ + std::string(text);
    }
    std::string MakeReflashFilePath(std::string_view text) const { return reflashFolder_ + std::string(text); }
    std::string MakeModbusFilePath(std::string_view text) const { return modbusFolder_ + std::string(text); }
    std::string MakeDiagnosticLogFilePath(std::string_view text) const
    {
        return diagnosticLogFolder_ + std::string(text);
    }

    // Keep the folder of a path the user chose, here and in the settings,
    // when it differs from the stored one. Nothing changes when the
    // settings key cannot be opened.
    void SetDownloadFileFolder(std::string_view chosenPath);
    void SetWebViewFileFolder(std::string_view chosenPath);
    void SetNetFileFolder(std::string_view chosenPath);
    void SetBackgroundImageFileFolder(std::string_view chosenPath);
    void SetReflashFileFolder(std::string_view chosenPath);
    void SetModbusFileFolder(std::string_view chosenPath);
    void SetDiagnosticLogFileFolder(std::string_view chosenPath);

    std::string GetTrackViewFileFolder() const { return trackViewFolder_; }
    std::string GetInstallationFolder() const { return installationFolder_; }
    std::string GetWebFileCacheFolder() const { return webCacheFolder_; }
    std::string GetTrackFileCacheFolder() const { return trackCacheFolder_; }
    // The per-user temporary folder once set up; empty before.
    std::string GetTempFolder() const { return tempFolder_; }

    // Empty one cache folder and make it again: 1 when the old folder could
    // not be deleted, else 0.
    int ClearTrackFileCache();
    int ClearWebFileCache();

    // Deletes a folder tree that lies inside the temporary folder (by its
    // resolved path, never the temporary folder itself); links inside are
    // removed, never followed. True when the folder is gone; true without
    // deleting when DontDeleteRawData is on; false for anything outside.
    bool DeleteTempFolder(std::string_view path) const;

private:
    void SetFolder(std::string& field, std::string_view valueName, std::string_view chosenPath);
    int ClearCache(const std::string& folder);

    SettingsStore* store_;
    TempFolderEnvironment environment_;
    std::string tempFolder_;
    std::string webCacheFolder_;
    std::string trackCacheFolder_;
    std::string installationFolder_;
    std::string downloadFolder_;
    std::string webViewFolder_;
    std::string trackViewFolder_;
    std::string netFolder_;
    std::string backgroundImageFolder_;
    std::string reflashFolder_;
    std::string modbusFolder_;
    std::string diagnosticLogFolder_;
};

}  // namespace corvane
