// The Modbus icons of the palette against the simulated logger: the remote
// register cell (40) places its icon only when the logger's Modbus
// configuration has a master or client role, the register list cell (47)
// only with a slave or server role, and once per net; both icons go to the
// logger and come back with the net.
#include "LoggerConnectionTest.h"

#include "icons/reporting/CModbusClientIcon.h"
#include "icons/reporting/CModbusServerIcon.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/CNetDownloadDialog.h"
#include "netdoc/CNetFrm.h"
#include "netdoc/CNetUploadDialog.h"
#include "netdoc/CNetView.h"
#include "netmodel/CIconBar.h"
#include "netmodel/PaletteMessages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::test {
namespace modbus_palette_test {
namespace {

constexpr int kRemoteRegisterCell = 40;
constexpr int kRegisterListCell = 47;
// The Modbus configuration item and where its mode word lies.
constexpr std::uint8_t kModbusItem = 42;
constexpr std::size_t kModeWordOffset = 100;

constexpr const char* kMasterOrClientMessage
    = "Either the Modbus RTU Master function or TCP Client function must be enabled to use this icon in a program net.";
constexpr const char* kSlaveOrServerMessage
    = "Either the Modbus RTU Slave function or TCP Server function must be enabled to use this icon in a program net.";

class ModbusPaletteTest : public LoggerConnectionTest {
protected:
    CNetDoc& Net() { return *dynamic_cast<CNetDoc*>(Shell().NetDocument()); }
    CNetView& NetView() { return *dynamic_cast<CNetView*>(Net().FirstView()); }

    // Connects to a logger whose Modbus mode word is the given one (the
    // simulator's own item when none is given) and starts a net from its
    // hardware.
    void ConnectAndQuery(std::optional<std::uint16_t> modeWord)
    {
        StartLogger(false, false, LoggerState{}.firmwareVersion, [&](LoggerState& state) {
            if (!modeWord)
                return;
            std::vector<std::uint8_t>& item = state.items[kModbusItem];
            item.resize(kModeWordOffset + 2);
            item[kModeWordOffset] = static_cast<std::uint8_t>(*modeWord & 0xFF);
            item[kModeWordOffset + 1] = static_cast<std::uint8_t>(*modeWord >> 8);
        });
        StartProgram();
        SaveConnections();
        ConnectThroughTheDialog("Plant network");
        ASSERT_TRUE(Shell().Connection().IsConnected());
        ASSERT_TRUE(Shell().MainFrame()->PostMessage(
            kActivateKindMessage, 0, static_cast<std::intptr_t>(WindowKind::ProgramDevelopment)));
        App().ProcessPending();
        NetView().OnQueryLoggerConfiguration();
        for (int i = 0; i < 500 && Net().GetHardwarePoll().IsRunning(); ++i)
            App().WaitMilliseconds(20);
        App().ProcessPending();
        ASSERT_FALSE(Net().Icons().empty());
    }

    CIconBar* Palette()
    {
        auto* frame = dynamic_cast<CNetFrm*>(NetView().ParentFrame());
        return frame != nullptr ? frame->IconBar() : nullptr;
    }

    // Drops the cell on the net as the palette does; the message shown, if any.
    std::string Drop(int cell, Point point)
    {
        const std::size_t boxes = Prompts().messageBoxes.size();
        App().SendMessage(NetView().Handle(), kPaletteDropMessage, static_cast<std::uintptr_t>(cell), 0,
            std::make_unique<PaletteDropPayload>(point));
        App().ProcessPending();
        return Prompts().messageBoxes.size() > boxes ? Prompts().messageBoxes.back().text : std::string();
    }

    // Runs a Communication Window command whose dialog drive() answers
    // until it closes; a dialog still open after the bound is ended.
    void RunTransferCommand(int command, const std::function<void(Dialog&)>& drive)
    {
        RecordingWindow driver;
        int rounds = 0;
        driver.onMessage = [&](Message&) {
            Dialog* dialog = view_->OpenTransferDialog();
            if (dialog == nullptr)
                return std::intptr_t{0};
            drive(*dialog);
            if (++rounds == 600 && view_->OpenTransferDialog() != nullptr) {
                ADD_FAILURE() << "the transfer dialog did not close";
                dialog->EndDialog(kIdAbort);
            }
            return std::intptr_t{0};
        };
        driver.SetTimer(1, 50);
        EXPECT_TRUE(view_->RouteCommand(command));
        driver.KillTimer(1);
        App().ProcessPending();
    }

    template <class Icon> int Count()
    {
        int count = 0;
        for (CCorvaneIcon* icon : Net().Icons())
            count += dynamic_cast<Icon*>(icon) != nullptr ? 1 : 0;
        return count;
    }
};

TEST_F(ModbusPaletteTest, WithoutModbusRolesBothCellsAreRefusedWithTheirMessages)
{
    ConnectAndQuery(std::nullopt);
    ASSERT_NE(Palette(), nullptr);
    EXPECT_TRUE(Palette()->IsCellEnabled(kRemoteRegisterCell));
    EXPECT_TRUE(Palette()->IsCellEnabled(kRegisterListCell));
    EXPECT_EQ(Drop(kRemoteRegisterCell, {400, 300}), kMasterOrClientMessage);
    EXPECT_EQ(Drop(kRegisterListCell, {500, 300}), kSlaveOrServerMessage);
    EXPECT_EQ(Count<CModbusServerIcon>(), 0);
    EXPECT_EQ(Count<CModbusClientIcon>(), 0);
}

TEST_F(ModbusPaletteTest, WithEveryModbusRoleBothIconsArePlacedAndTheListOnce)
{
    ConnectAndQuery(0xF000);
    EXPECT_EQ(Shell().Connection().GetPolledConfigWord(), 0xF000);
    EXPECT_EQ(Drop(kRemoteRegisterCell, {400, 300}), "");
    EXPECT_EQ(Drop(kRemoteRegisterCell, {400, 400}), "");
    EXPECT_EQ(Drop(kRegisterListCell, {500, 300}), "");
    EXPECT_EQ(Drop(kRegisterListCell, {500, 400}), "A program net may contain only one\nModbus slave/server icon.");
    EXPECT_EQ(Count<CModbusServerIcon>(), 2);
    EXPECT_EQ(Count<CModbusClientIcon>(), 1);
    // "Add New Icon" makes another remote register icon.
    EXPECT_TRUE(NetView().QueryCommand(CNetView::kAddNewIconCommand).IsEnabled());
    EXPECT_TRUE(NetView().RouteCommand(CNetView::kAddNewIconCommand));
    EXPECT_EQ(Count<CModbusServerIcon>(), 3);
}

TEST_F(ModbusPaletteTest, TheModbusIconsGoToTheLoggerAndComeBackWithTheNet)
{
    ConnectAndQuery(0xF000);
    Drop(1, {600, 100});  // the Memory icon, which a net sent to the logger has
    Drop(0, {300, 100});  // the sample-rate clock
    CCorvaneIcon* clock = Net().Icons().back();
    ASSERT_EQ(Drop(kRemoteRegisterCell, {400, 300}), "");
    ASSERT_EQ(Drop(kRegisterListCell, {500, 300}), "");
    auto* server = dynamic_cast<CModbusServerIcon*>(Net().Icons().at(Net().Icons().size() - 2));
    auto* list = dynamic_cast<CModbusClientIcon*>(Net().Icons().back());
    ASSERT_NE(server, nullptr);
    ASSERT_NE(list, nullptr);
    // A 32-bit signed holding register over TCP, written whenever the clock's output changes.
    server->SetIconWord(0x107D);
    server->SetMode(true);
    server->SetRegisterOffset(1234);
    server->SetNote("Flow");
    server->GetInputLinks()[0].sourceId = clock->UniqueId();
    server->LinkAllConnectors();
    list->RebuildPairs(std::vector<CModbusItem>{{server->UniqueId(), "Flow", "40101", 0, CModbusItem::kDataTag}});
    const std::uint16_t serverId = server->UniqueId();
    const std::uint16_t clockId = clock->UniqueId();
    const std::uint16_t listId = list->UniqueId();

    ASSERT_TRUE(
        Shell().MainFrame()->PostMessage(kActivateKindMessage, 0, static_cast<std::intptr_t>(WindowKind::CommWindow)));
    App().ProcessPending();
    std::vector<std::string> findings;
    bool pressed = false;
    RunTransferCommand(CLaunchView::kUploadNetCommand, [&](Dialog& dialog) {
        auto& upload = dynamic_cast<CNetUploadDialog&>(dialog);
        if (!pressed) {
            pressed = true;
            dialog.GetControlAs<ButtonControl>(res::kIdcNetUploadButton)->Click();
        } else if (upload.State() == CNetUploadDialog::kStateAborted) {
            findings = upload.Findings();
            dialog.EndDialog(kIdCancel);
        }
    });
    ASSERT_TRUE(findings.empty()) << testing::PrintToString(findings);
    ASSERT_FALSE(logger_->State().netImage.empty());

    Net().SetModified(false);
    RunTransferCommand(CLaunchView::kDownloadNetCommand, [&](Dialog& dialog) {
        auto& download = dynamic_cast<CNetDownloadDialog&>(dialog);
        if (download.CurrentState() == CNetDownloadDialog::kDone
            || download.CurrentState() == CNetDownloadDialog::kFailed)
            dialog.EndDialog(kIdOk);
    });
    auto* readServer = dynamic_cast<CModbusServerIcon*>(Net().FindIconById(serverId));
    auto* readList = dynamic_cast<CModbusClientIcon*>(Net().FindIconById(listId));
    ASSERT_NE(readServer, nullptr);
    ASSERT_NE(readList, nullptr);
    EXPECT_EQ(readServer->IconWord(), 0x107D);
    EXPECT_TRUE(readServer->IsWriteMode());
    EXPECT_EQ(readServer->GetInputLinks()[0].sourceId, clockId);
    EXPECT_EQ(readServer->RegisterOffset(), 1234u);
    EXPECT_EQ(readServer->Note(), "Flow");
    EXPECT_EQ(readList->Pairs(), (std::vector<CModbusClientPair>{{40101, serverId}}));
}

}  // namespace
}  // namespace modbus_palette_test
}  // namespace corvane::test
