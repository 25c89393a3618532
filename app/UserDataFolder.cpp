#include "app/UserDataFolder.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// The user's home as the password database knows it; empty when unknown.
std::string PasswordDatabaseHome()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr
        || found->pw_dir == nullptr)
        return {};
    return found->pw_dir;
}

}  // namespace

DataFolderEnvironment DataFolderEnvironment::FromProcess()
{
    DataFolderEnvironment environment;
    environment.corvaneHome = EnvironmentValue("CORVANE_HOME");
    environment.xdgDataHome = EnvironmentValue("XDG_DATA_HOME");
    environment.home = EnvironmentValue("HOME");
    if (environment.home.empty())
        environment.home = PasswordDatabaseHome();
    return environment;
}

std::filesystem::path PerUserDataFolder(const DataFolderEnvironment& environment)
{
    if (!environment.corvaneHome.empty())
        return std::filesystem::path(environment.corvaneHome);
    const std::filesystem::path xdg(environment.xdgDataHome);
    if (xdg.is_absolute())
        return xdg / "Tarnwick" / "Corvane";
    if (!environment.home.empty())
        return std::filesystem::path(environment.home) / ".local" / "share" / "Tarnwick" / "Corvane";
    return {};
}

bool MakeUserDataFolder(const std::filesystem::path& folder)
{
    if (folder.empty())
        return false;
    std::filesystem::path partial;
    for (const std::filesystem::path& part : folder) {
        partial /= part;
        if (part.empty() || part == "/" || part == "." || part == "..")
            continue;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    std::error_code error;
    return std::filesystem::is_directory(folder, error);
}

}  // namespace corvane
