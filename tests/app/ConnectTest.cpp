// Connecting to the simulated logger through the whole program: the
// Communication Window's connect dialog, the handshake over the network or
// over a serial link that looks like a USB logger, the hardware query and
// the picture it leaves.
#include "AppTestSupport.h"

#include "app/CMainFrame.h"
#include "app/NetEditorAssembly.h"
#include "app/ShellMessages.h"
#include "comms/ConnectionDirectory.h"
#include "comms/ProgramVersion.h"
#include "comms/window/CConnectDialog.h"
#include "comms/window/CLaunchDoc.h"
#include "comms/window/CLaunchView.h"
#include "comms/window/CUserLoginDialog.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SimulatedLogger.h"
#include "loggersim/UsbDeviceTree.h"
#include "platform/ButtonControl.h"
#include "platform/EditControl.h"
#include "platform/ListViewControl.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace corvane::test {
namespace {

constexpr std::uint32_t kCardInstalled = 0x800000;

// Real time: the link, the handshake's timer and its waits run on it.
class ConnectTest : public ShellTest {
protected:
    ConnectTest() : ShellTest(true) {}

    void StartProgram()
    {
        ShellNeighbours neighbours = MakePlaceholderNeighbours();
        InstallProgramWindows(neighbours, {UsbTree().SysRoot(), UsbTree().DeviceFolder()});
        Start(std::move(neighbours));
        ASSERT_TRUE(Shell().MainFrame()->PostMessage(
            kActivateKindMessage, 0, static_cast<std::intptr_t>(WindowKind::CommWindow)));
        App().ProcessPending();
        auto* doc = dynamic_cast<CLaunchDoc*>(Shell().CommWindowDocument());
        ASSERT_NE(doc, nullptr);
        view_ = dynamic_cast<CLaunchView*>(doc->FirstView());
        ASSERT_NE(view_, nullptr);
    }

    // A logger whose firmware suits this program, with the fresh logger's
    // two bus modules and a memory card.
    void StartLogger(bool passwordsOn, bool pty)
    {
        LoggerState state = LoggerState::Fresh();
        state.firmwareVersion = GetProgramVersion();
        state.statusWord |= kCardInstalled;
        state.passwordsOn = passwordsOn ? 1 : 0;
        state.fullAccess = 0;
        const std::filesystem::path folder = Scratch() / "logger";
        std::filesystem::create_directories(folder);
        ASSERT_FALSE(SaveLoggerState(folder, state));
        SimulatorOptions options;
        options.stateFolder = folder;
        options.pty = pty;
        logger_ = std::make_unique<SimulatedLogger>(options);
        ASSERT_TRUE(logger_->Start()) << logger_->StartError();
        if (pty) {
            ASSERT_EQ(UsbTree().Write(logger_->PtyPath()), "");
        }
    }

    UsbDeviceTree UsbTree() const { return {Scratch() / "usb", "LOGGERSIM"}; }

    // The saved connections the connect dialog lists, in the start folder.
    void SaveConnections()
    {
        ConnectionDirectory directory;
        OM_DIRECTORY_ENTRY network;
        network.name = "Plant network";
        network.kind = 0;
        network.address = "127.0.0.1";
        network.ipPort = logger_->Port();
        directory.Append(network);
        OM_DIRECTORY_ENTRY usb;
        usb.name = "Bench USB";
        usb.kind = 3;
        usb.usbPortName = std::string(UsbDeviceTree::kTtyName);
        directory.Append(usb);
        ASSERT_FALSE(directory.Save(Scratch() / "work" / "dir.bin"));
    }

    // Opens the connect dialog from the Communication Window, connects the
    // named connection and lets the dialog close itself when the hardware
    // query has ended; a dialog still open after the bound is ended.
    void ConnectThroughTheDialog(std::string_view name, const std::function<void()>& whileConnecting = {})
    {
        RecordingWindow driver;
        int rounds = 0;
        driver.onMessage = [&](Message& message) {
            CConnectDialog* dialog = view_->OpenConnectDialog();
            if (message.id == kUserMessage && dialog != nullptr) {
                auto* list = dialog->GetControlAs<ListViewControl>(res::kIdcConnectList);
                EXPECT_TRUE(list->SetItemSelected(dialog->FindListRow(name)));
                dialog->GetControlAs<ButtonControl>(res::kIdcConnectNow)->Click();
                return std::intptr_t{0};
            }
            if (whileConnecting)
                whileConnecting();
            // A bound that only keeps a broken build from hanging.
            if (dialog != nullptr && ++rounds > 600) {
                ADD_FAILURE() << "the connect dialog did not close";
                dialog->EndDialog(kIdAbort);
            }
            return std::intptr_t{0};
        };
        driver.PostMessage(kUserMessage);
        driver.SetTimer(1, 50);
        view_->ShowConnectDialog();
        driver.KillTimer(1);
        App().ProcessPending();
    }

    std::unique_ptr<SimulatedLogger> logger_;
    CLaunchView* view_ = nullptr;
};

TEST_F(ConnectTest, ConnectsOverTheNetworkAndShowsTheLoggersModulesAndCard)
{
    StartLogger(false, false);
    StartProgram();
    SaveConnections();
    ConnectThroughTheDialog("Plant network");

    EXPECT_TRUE(Shell().Connection().IsConnected());
    EXPECT_EQ(Shell().Connection().GetConnectionName(), "Plant network");
    EXPECT_EQ(Shell().Connection().GetFirmwareVersion(), GetProgramVersion());
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
    EXPECT_TRUE(picture.SavePng(std::filesystem::path(::testing::TempDir()) / "comm-window-simulator.png"));
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

}  // namespace
}  // namespace corvane::test
