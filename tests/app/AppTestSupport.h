#pragma once

#include "PlatformTestSupport.h"
#include "ScratchFolder.h"
#include "app/CCorvaneApp.h"
#include "app/PlaceholderNeighbours.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

// The application started in-process on scratch folders: its settings,
// instance socket, data and home folders, desktop files and temporary folders.
class ShellTest : public PlatformTest {
protected:
    explicit ShellTest(bool steadyClock = false) : PlatformTest(steadyClock) { PrepareFolders(); }
    explicit ShellTest(std::unique_ptr<Clock> clock) : PlatformTest(std::move(clock)) { PrepareFolders(); }

    void PrepareFolders()
    {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) {
            oldRuntimeDir_ = old;
            hadRuntimeDir_ = true;
        }
        setenv("XDG_RUNTIME_DIR", (scratch_.Path() / "run").c_str(), 1);
        std::filesystem::create_directories(scratch_.Path() / "run");
        std::filesystem::permissions(scratch_.Path() / "run", std::filesystem::perms::owner_all);
        std::filesystem::create_directories(scratch_.Path() / "work");
    }

    CorvaneAppOptions Options() const
    {
        CorvaneAppOptions options;
        options.settingsFile = scratch_.Path() / "settings.ini";
        options.instanceSocket = scratch_.Path() / "instance.sock";
        if (!dataFolderOfEnvironment_)
            options.dataFolder = scratch_.Path() / "work";
        options.homeFolder = scratch_.Path() / "home";
        options.desktopDataHome = scratch_.Path() / "share";
        options.desktopToolPath = "";
        options.registerDesktopFiles = registerDesktopFiles_;
        options.executable = "/opt/corvane/bin/corvane";
        options.openWithDesktop = [this](const std::filesystem::path& path) {
            desktopOpened_.push_back(path);
            return true;
        };
        return options;
    }

    CCorvaneApp& Start(ShellNeighbours neighbours = MakePlaceholderNeighbours())
    {
        shell_ = std::make_unique<CCorvaneApp>(App(), std::move(neighbours), Options());
        EXPECT_EQ(shell_->InitInstance(), CCorvaneApp::StartResult::Running);
        App().ProcessPending();
        return *shell_;
    }

    void Stop() { shell_.reset(); }

    // The program finds its data folder as it does for a user, from the environment.
    void UseDataFolderOfEnvironment() { dataFolderOfEnvironment_ = true; }
    // The desktop files (entry, MIME type, icons) are written only when a
    // test asks: drawing the icons is slow under the sanitizers.
    void RegisterDesktopFiles() { registerDesktopFiles_ = true; }

    const std::filesystem::path& Scratch() const { return scratch_.Path(); }
    // The files handed to the desktop's programs, in order (none is started).
    const std::vector<std::filesystem::path>& DesktopOpened() const { return desktopOpened_; }
    CCorvaneApp& Shell() { return *shell_; }

    ~ShellTest() override
    {
        shell_.reset();
        if (hadRuntimeDir_) {
            setenv("XDG_RUNTIME_DIR", oldRuntimeDir_.c_str(), 1);
        } else {
            unsetenv("XDG_RUNTIME_DIR");
        }
    }

private:
    std::string oldRuntimeDir_;
    bool hadRuntimeDir_ = false;
    bool dataFolderOfEnvironment_ = false;
    bool registerDesktopFiles_ = false;
    mutable std::vector<std::filesystem::path> desktopOpened_;
    ScratchFolder scratch_;
    std::unique_ptr<CCorvaneApp> shell_;
};

}  // namespace corvane::test
