#pragma once

// What the tests that connect the whole program to the simulated logger
// share: the program with its own windows, a simulated logger on the
// network or on a USB-looking serial link, saved connections, and the
// connect dialog driven as a user would.
#include "AppTestSupport.h"

#include "app/CMainFrame.h"
#include "app/NetEditorAssembly.h"
#include "app/ShellMessages.h"
#include "comms/ConnectionDirectory.h"
#include "comms/ProgramVersion.h"
#include "commwindow/CConnectDialog.h"
#include "commwindow/CLaunchDoc.h"
#include "commwindow/CLaunchView.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SimulatedLogger.h"
#include "loggersim/UsbDeviceTree.h"
#include "platform/ButtonControl.h"
#include "platform/ListViewControl.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace corvane::test {

inline constexpr std::uint32_t kCardInstalled = 0x800000;

// Real time: the link, the handshake's timer and its waits run on it.
class LoggerConnectionTest : public ShellTest {
protected:
    LoggerConnectionTest() : ShellTest(true) {}
    // A steady clock of the test's own (one it may move on).
    explicit LoggerConnectionTest(std::unique_ptr<Clock> clock) : ShellTest(std::move(clock)) {}

    // With a media root, its "mounts" file and "block" folder stand for the
    // mount table and the block devices the card reader is judged by.
    void StartProgram(const std::filesystem::path& mediaRoot = {})
    {
        ShellNeighbours neighbours = MakePlaceholderNeighbours();
        CommWindowShellServices::Places places{UsbTree().SysRoot(), UsbTree().DeviceFolder()};
        if (!mediaRoot.empty()) {
            places.mountTable = mediaRoot / "mounts";
            places.sysBlockRoot = mediaRoot / "block";
        }
        InstallProgramWindows(neighbours, places);
        Start(std::move(neighbours));
        ASSERT_TRUE(Shell().MainFrame()->PostMessage(
            kActivateKindMessage, 0, static_cast<std::intptr_t>(WindowKind::CommWindow)));
        App().ProcessPending();
        auto* doc = dynamic_cast<CLaunchDoc*>(Shell().CommWindowDocument());
        ASSERT_NE(doc, nullptr);
        view_ = dynamic_cast<CLaunchView*>(doc->FirstView());
        ASSERT_NE(view_, nullptr);
    }

    // A logger with the fresh logger's two bus modules and a memory card,
    // whose firmware suits this program unless another is given; adjust
    // changes anything else of its state before it starts.
    void StartLogger(bool passwordsOn, bool pty, std::uint32_t firmware = LoggerState{}.firmwareVersion,
        const std::function<void(LoggerState&)>& adjust = {})
    {
        LoggerState state = LoggerState::Fresh();
        state.firmwareVersion = firmware;
        state.statusWord |= kCardInstalled;
        state.passwordsOn = passwordsOn ? 1 : 0;
        state.fullAccess = 0;
        if (adjust)
            adjust(state);
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

}  // namespace corvane::test
