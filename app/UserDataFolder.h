#pragma once

#include <filesystem>
#include <string>

namespace corvane {

// The environment values that choose the per-user data folder; empty when unset.
struct DataFolderEnvironment {
    std::string corvaneHome;  // CORVANE_HOME
    std::string xdgDataHome;  // XDG_DATA_HOME
    std::string home;         // HOME (the password database's home when HOME is unset)

    static DataFolderEnvironment FromProcess();
};

// The folder of the program's own files (saved connections, the diagnostics
// log, the download work files): $CORVANE_HOME when set; otherwise
// $XDG_DATA_HOME/Tarnwick/Corvane when that is an absolute path (the XDG
// rules ignore relative ones); otherwise $HOME/.local/share/Tarnwick/Corvane.
// Empty when none is set. Only the name; see MakeUserDataFolder.
std::filesystem::path PerUserDataFolder(const DataFolderEnvironment& environment);

// Creates the folder and its missing parents, each private to the user
// (mode 0700); folders that exist are left as they are. False when the
// folder is not there afterwards.
bool MakeUserDataFolder(const std::filesystem::path& folder);

}  // namespace corvane
