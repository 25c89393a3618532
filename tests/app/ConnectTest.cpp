// Connecting to the simulated logger through the whole program: the
// Communication Window's connect dialog, the handshake over the network or
// over a serial link that looks like a USB logger, the hardware query and
// the picture it leaves.
#include "TestOutput.h"
#include "LoggerConnectionTest.h"

#include "app/CommWindowShellServices.h"
#include "commwindow/CUserLoginDialog.h"
#include "halvix/protocol/RequestTypes.h"
#include "platform/EditControl.h"
#include "platform/StatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace corvane::test {
namespace connect_test {
namespace {

using ConnectTest = LoggerConnectionTest;

// Sets (or, with nullopt, removes) environment values, and puts the old
// ones back at the end of its lifetime.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::initializer_list<std::pair<const char*, std::optional<std::string>>> values)
    {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name);
            old_.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
            Set(name, value);
        }
    }
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : old_)
            Set(name.c_str(), value);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    static void Set(const char* name, const std::optional<std::string>& value)
    {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> old_;
};

// Makes a folder the current one for its lifetime.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};

TEST_F(ConnectTest, SavedConnectionsAndTheDiagnosticsLogLiveInTheDataFolderNotTheStartFolder)
{
    const std::filesystem::path start = Scratch() / "start";
    std::filesystem::create_directories(start);
    const ScopedEnvironment environment(
        {{"CORVANE_HOME", std::nullopt}, {"XDG_DATA_HOME", (Scratch() / "xdg").string()}});
    const CurrentFolder current(start);
    UseDataFolderOfEnvironment();
    StartProgram();

    // The connect dialog keeps the (empty) list of saved connections when it is confirmed.
    RecordingWindow driver;
    driver.onMessage = [&](Message&) {
        if (CConnectDialog* dialog = view_->OpenConnectDialog())
            dialog->GetControlAs<ButtonControl>(kIdOk)->Click();
        return std::intptr_t{0};
    };
    driver.PostMessage(kUserMessage);
    view_->ShowConnectDialog();
    Stop();

    const std::filesystem::path data = Scratch() / "xdg" / "Tarnwick" / "Corvane";
    EXPECT_TRUE(std::filesystem::exists(data / "dir.bin"));
    EXPECT_TRUE(std::filesystem::exists(data / "diagnostics.txt"));
    EXPECT_TRUE(std::filesystem::is_empty(start));
}

// A new user's simulated logger is of the family the program's nets are for
// (type 3 in bits 24..27) and shares the program's version in its upper 16
// bits, so neither the connect check nor the net's version check complains.
TEST(ShippedSimulator, IsALoggerThisProgramAccepts)
{
    const std::uint32_t firmware = LoggerState{}.firmwareVersion;
    EXPECT_EQ((firmware >> 24) & 0x0Fu, 3u);
    EXPECT_EQ(firmware >> 16, GetProgramVersion() >> 16);
}

TEST_F(ConnectTest, ConnectsOverTheNetworkAndShowsTheLoggersModulesAndCard)
{
    StartLogger(false, false);
    StartProgram();
    SaveConnections();
    ConnectThroughTheDialog("Plant network");

    EXPECT_TRUE(Shell().Connection().IsConnected());
    EXPECT_EQ(Shell().Connection().GetConnectionName(), "Plant network");
    EXPECT_EQ(Shell().Connection().GetFirmwareVersion(), LoggerState{}.firmwareVersion);
    EXPECT_TRUE(view_->IsConnected());
    EXPECT_NE(Shell().LoggerStatusWord() & kCardInstalled, 0u);

    // The handshake's requests in order, then the hardware query's.
    const std::vector<std::uint16_t> seen = logger_->RequestTypes();
    const std::vector<std::uint16_t> handshake
        = {kRequestPing, kRequestOobS, kRequestMsgTimeout, kRequestPwStatus, kRequestRtStreamReq, kRequestCfGet,
            kRequestCfGet, kRequestCfGet, kRequestCfGet, kRequestStateGet};
    ASSERT_GE(seen.size(), handshake.size());
    EXPECT_EQ(std::vector<std::uint16_t>(seen.begin(), seen.begin() + static_cast<std::ptrdiff_t>(handshake.size())),
        handshake);
    EXPECT_NE(std::find(seen.begin(), seen.end(), kRequestTLEnum), seen.end());

    // Both modules of the bus are in the picture.
    int modules = 0;
    for (const auto& object : view_->GetLaunchDoc()->GetObjects()) {
        if (object->ClassName() == "CTevlinkNode")
            ++modules;
    }
    EXPECT_EQ(modules, 2);
    // The whole 1024 x 768 picture in view.
    Shell().MainFrame()->MoveTo({0, 0, 1200, 1000});
    App().ProcessPending();
    const Bitmap picture = view_->RenderToBitmap();
    EXPECT_TRUE(picture.SavePng(test::OutputFolder() / "comm-window-simulator.png"));
}

TEST_F(ConnectTest, ConnectsToAUsbLoggerThatAsksForALogin)
{
    StartLogger(true, true);
    StartProgram();
    SaveConnections();
    // The login dialog comes up inside the handshake; it is answered by
    // the user named in the fresh logger's state.
    bool answered = false;
    ConnectThroughTheDialog("Bench USB", [&] {
        CConnectDialog* dialog = view_->OpenConnectDialog();
        CUserLoginDialog* login = dialog != nullptr ? dialog->OpenLoginDialog() : nullptr;
        if (login == nullptr || answered)
            return;
        answered = true;
        login->GetControlAs<EditControl>(res::kIdcLoginUserName)->SetText("admin");
        login->GetControlAs<EditControl>(res::kIdcLoginPassword)->SetText("admin");
        login->GetControlAs<ButtonControl>(kIdOk)->Click();
    });
    EXPECT_TRUE(answered);

    EXPECT_TRUE(Shell().Connection().IsConnected());
    EXPECT_TRUE(Shell().Connection().IsAuthenticated());
    EXPECT_EQ(Shell().Connection().GetLoginUserName(), "admin");
    const std::vector<std::uint16_t> seen = logger_->RequestTypes();
    EXPECT_NE(std::find(seen.begin(), seen.end(), kRequestUserAuth), seen.end());
}

// What the main window shows of the connection.
struct Shown {
    bool loggerInTitle;
    std::string connectionPane;
    bool generalPaneSaysDisconnected;
    bool operator==(const Shown&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Shown& shown)
    {
        return out << "{title names the logger: " << shown.loggerInTitle << ", connection pane: \""
                   << shown.connectionPane
                   << "\", general pane says Disconnected: " << shown.generalPaneSaysDisconnected << "}";
    }
};

// What the main window shows of the connection (its title and the
// connection pane) agrees with the connection state at each step: when
// connected, after the link is lost, and after the hidden reconnect that
// firmware reflash and reset use. The general pane is left to the
// operations and never keeps a "Disconnected" of its own.
TEST_F(ConnectTest, TitleAndStatusPanesFollowTheConnectionThroughALostLinkAndAHiddenReconnect)
{
    StartLogger(false, false);
    StartProgram();
    SaveConnections();
    CMainFrame& frame = *Shell().MainFrame();
    const auto shown = [&] {
        App().ProcessPending();
        const StatusBar& bar = *frame.GetStatusBar();
        return Shown{frame.Caption().starts_with("Corvane-III - Logger Name: Simulated Logger - ID: SIM-0001"),
            bar.PaneText(bar.IndexOf(kPaneConnection)), bar.PaneText(bar.IndexOf(kPaneStatus)) == "Disconnected"};
    };
    const Shown connected{true, "Connected: Plant network", false};
    const Shown disconnected{false, "Disconnected", false};
    // The steps below wait on the program's own timers and waits (real time);
    // the bound only keeps a broken build from hanging.
    const auto waitFor = [&](const std::function<bool()>& done) {
        for (int round = 0; round < 600 && !done(); ++round)
            App().WaitMilliseconds(50);
        return done();
    };

    EXPECT_EQ(shown(), disconnected);
    ConnectThroughTheDialog("Plant network");
    ASSERT_TRUE(Shell().Connection().IsConnected());
    EXPECT_EQ(shown(), connected);

    // The cable is pulled: the link watch finds it within its second.
    Prompts().messageBoxes.clear();
    logger_->DropLinks();
    ASSERT_TRUE(waitFor([&] { return !Shell().Connection().IsConnected(); }));
    EXPECT_EQ(shown(), disconnected);
    EXPECT_FALSE(view_->IsConnected());
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Network comm with the logger has been lost. Please try to reconnect.");

    // A hidden connect dialog told to disconnect, then to connect waiting
    // for the logger, reconnects to the last connection used.
    CommWindowShellServices services(Shell(), {UsbTree().SysRoot(), UsbTree().DeviceFolder()}, {});
    {
        CConnectDialog reconnect(services, view_, view_->IsConnected(), nullptr);
        ASSERT_TRUE(reconnect.CreateHidden());
        ASSERT_TRUE(reconnect.PostMessage(CConnectDialog::kCommandMessage, res::kIdcConnectDisconnect));
        ASSERT_TRUE(reconnect.PostMessage(CConnectDialog::kConnectNowMessage, 1));
        ASSERT_TRUE(waitFor([&] { return reconnect.ConnectResult() != 0; }));
        ASSERT_EQ(reconnect.ConnectResult(), 1) << ::testing::PrintToString(logger_->RequestTypes());
        // The connection's name is taken a second after the handshake.
        ASSERT_TRUE(waitFor([&] { return !Shell().Connection().GetConnectionName().empty(); }));
    }
    EXPECT_TRUE(view_->IsConnected());
    EXPECT_EQ(shown(), connected);
}

}  // namespace
}  // namespace connect_test
}  // namespace corvane::test
