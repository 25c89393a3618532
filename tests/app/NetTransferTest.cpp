// Sending the net to the simulated logger from the Communication Window and
// reading it back, through the whole program.
#include "LoggerConnectionTest.h"

#include "ModalDriver.h"
#include "halvix/protocol/RequestTypes.h"
#include "icons/reporting/CEmailIcon.h"
#include "icons/reporting/CFTPIcon.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/CNetDownloadDialog.h"
#include "netdoc/CNetUploadDialog.h"
#include "netdoc/CNetView.h"
#include "netdoc/CQuvTestDlg.h"
#include "netimage/NetImage.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/PaletteMessages.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace corvane::test {
namespace net_transfer_test {
namespace {

constexpr int kSampleClockCell = 0;
constexpr int kMemoryCell = 1;
constexpr int kConstantCell = 6;
constexpr int kEmailCell = 11;
constexpr int kFtpCell = 12;
constexpr int kDataTagCell = 44;

class NetTransferTest : public LoggerConnectionTest {
protected:
    CNetDoc& Net() { return *dynamic_cast<CNetDoc*>(Shell().NetDocument()); }
    CNetView& NetView() { return *dynamic_cast<CNetView*>(Net().FirstView()); }

    void ShowWindow(WindowKind kind)
    {
        ASSERT_TRUE(Shell().MainFrame()->PostMessage(kActivateKindMessage, 0, static_cast<std::intptr_t>(kind)));
        App().ProcessPending();
    }

    // A net for the connected logger: its hardware from the query, a
    // sample-rate clock and the Memory icon.
    void BuildNet()
    {
        ShowWindow(WindowKind::ProgramDevelopment);
        NetView().OnQueryLoggerConfiguration();
        for (int i = 0; i < 500 && Net().GetHardwarePoll().IsRunning(); ++i)
            App().WaitMilliseconds(20);
        App().ProcessPending();
        for (const auto& [cell, point] : {std::pair{kSampleClockCell, Point{300, 100}}, std::pair{kMemoryCell, Point{400, 300}}})
            App().SendMessage(
                NetView().Handle(), kPaletteDropMessage, static_cast<std::uintptr_t>(cell), 0,
                std::make_unique<PaletteDropPayload>(point));
        ShowWindow(WindowKind::CommWindow);
    }

    // Runs a Communication Window command whose dialog drive() answers
    // (called while the dialog is open, until it closes); a dialog still
    // open after the bound is ended.
    void RunTransferCommand(int command, const std::function<void(Dialog&)>& drive)
    {
        RecordingWindow driver;
        int rounds = 0;
        driver.onMessage = [&](Message&) {
            Dialog* dialog = view_->OpenTransferDialog();
            if (dialog == nullptr)
                return std::intptr_t{0};
            drive(*dialog);
            // A bound that only keeps a broken build from hanging.
            if (++rounds > 600 && view_->OpenTransferDialog() != nullptr) {
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

    // Sends the open net with "Upload"; the dialog is closed when it stopped
    // on a failure. The dialog's findings, when it had any.
    std::vector<std::string> UploadNet()
    {
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
        return findings;
    }

    // Reads the logger's net back into the program net (saved first, so
    // nothing asks).
    void ReadNetBack()
    {
        Net().SetModified(false);
        RunTransferCommand(CLaunchView::kDownloadNetCommand, [&](Dialog& dialog) {
            auto& download = dynamic_cast<CNetDownloadDialog&>(dialog);
            if (download.CurrentState() == CNetDownloadDialog::kDone
                || download.CurrentState() == CNetDownloadDialog::kFailed)
                dialog.EndDialog(kIdOk);
        });
    }

    // The version boxes shown so far.
    int VersionWarnings()
    {
        App().ProcessPending();
        return static_cast<int>(std::count_if(Prompts().messageBoxes.begin(), Prompts().messageBoxes.end(),
            [](const MessageBoxRequest& box) { return box.caption == "Version Compatibility Warning"; }));
    }

    // Each record's icon id and type code, sorted.
    using IconKey = std::pair<std::uint16_t, std::uint16_t>;
    static std::vector<IconKey> KeysOf(std::span<const std::uint8_t> image)
    {
        auto parsed = ParseNetImage(image);
        EXPECT_TRUE(std::holds_alternative<NetImageRecords>(parsed));
        std::vector<IconKey> keys;
        if (auto* good = std::get_if<NetImageRecords>(&parsed)) {
            for (const auto& record : good->records) {
                // Record offsets: 2 the icon id, 4 the type word (low 12 bits the code).
                keys.emplace_back(static_cast<std::uint16_t>(record[2] | record[3] << 8),
                    static_cast<std::uint16_t>((record[4] | record[5] << 8) & 0x0FFF));
            }
        }
        std::sort(keys.begin(), keys.end());
        return keys;
    }
    std::vector<IconKey> KeysOfNet()
    {
        std::vector<IconKey> keys;
        for (const CCorvaneIcon* icon : Net().Icons())
            keys.emplace_back(icon->UniqueId(), icon->TypeCode());
        std::sort(keys.begin(), keys.end());
        return keys;
    }
};

TEST_F(NetTransferTest, UploadsTheNetFromTheCommunicationWindowAndReadsItBack)
{
    StartLogger(false, false);
    StartProgram();
    SaveConnections();
    ConnectThroughTheDialog("Plant network");
    ASSERT_TRUE(Shell().Connection().IsConnected());
    BuildNet();
    const std::size_t icons = Net().Icons().size();
    ASSERT_GT(icons, 2u);

    bool pressed = false;
    RunTransferCommand(CLaunchView::kUploadNetCommand, [&](Dialog& dialog) {
        if (!pressed) {
            pressed = true;
            dialog.GetControlAs<ButtonControl>(res::kIdcNetUploadButton)->Click();
        }
    });
    const std::vector<std::uint16_t> seen = logger_->RequestTypes();
    const auto first = std::find(seen.begin(), seen.end(), kRequestEraseAll);
    ASSERT_NE(first, seen.end());
    EXPECT_EQ(*(first - 1), kRequestRun);  // stopped first
    EXPECT_NE(std::find(first, seen.end(), kRequestNetSet), seen.end());
    EXPECT_NE(std::find(first, seen.end(), kRequestNetInit), seen.end());
    const std::vector<std::uint8_t> uploaded = logger_->State().netImage;
    ASSERT_FALSE(uploaded.empty());
    EXPECT_FALSE(logger_->State().running);

    // Read back into the program net (saved first, so nothing asks): the
    // records the logger runs, those of the icons the compilation took.
    Net().SetModified(false);
    RunTransferCommand(CLaunchView::kDownloadNetCommand, [&](Dialog& dialog) {
        auto& download = dynamic_cast<CNetDownloadDialog&>(dialog);
        if (download.CurrentState() == CNetDownloadDialog::kDone || download.CurrentState() == CNetDownloadDialog::kFailed)
            dialog.EndDialog(kIdOk);
    });
    EXPECT_EQ(KeysOfNet(), KeysOf(uploaded));
    EXPECT_LT(Net().Icons().size(), icons);
}

// The version check of a net made for the connected logger, where the
// program runs it: reopening the saved net, sending it and reading it back.
struct VersionCase {
    const char* name;
    std::uint32_t firmware;
    // The version boxes counted after the reopen, the upload and the read-back.
    std::vector<int> warnings;
};

// The case's name in the test log, in place of its bytes.
void PrintTo(const VersionCase& version, std::ostream* out)
{
    *out << version.name;
}

class NetVersionTest : public NetTransferTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(NetVersionTest, WarnsOnReopenUploadAndReadBackOnlyWhenTheVersionsDiffer)
{
    StartLogger(false, false, GetParam().firmware);
    StartProgram();
    SaveConnections();
    ConnectThroughTheDialog("Plant network");
    ASSERT_TRUE(Shell().Connection().IsConnected());
    BuildNet();
    const std::filesystem::path folder = Scratch() / "nets";
    std::filesystem::create_directories(folder);
    std::filesystem::path file = folder / "Pumps.nt3";
    ASSERT_TRUE(Net().SaveNetFile(true, file));
    const int before = VersionWarnings();

    std::vector<int> warnings;
    ASSERT_TRUE(Net().OpenNetFile(false, true, file));
    warnings.push_back(VersionWarnings() - before);
    EXPECT_TRUE(UploadNet().empty());
    EXPECT_FALSE(logger_->State().netImage.empty());
    warnings.push_back(VersionWarnings() - before);
    ReadNetBack();
    warnings.push_back(VersionWarnings() - before);
    EXPECT_EQ(warnings, GetParam().warnings);
}

INSTANTIATE_TEST_SUITE_P(Firmware, NetVersionTest,
    ::testing::Values(VersionCase{"ShippedDefaults", LoggerState{}.firmwareVersion, {0, 0, 0}},
        // 3.2.0.0: the net is made for it, but this program is 3.1.
        VersionCase{"OtherMinorVersion", 0x03020000, {1, 2, 3}}),
    [](const ::testing::TestParamInfo<VersionCase>& version) { return std::string(version.param.name); });

// A logger of another type (1) than the program's nets are for (3): a net
// made while it is connected is refused by Check Net and by the upload.
TEST_F(NetTransferTest, CheckNetAndUploadRefuseANetForAnotherLoggerType)
{
    constexpr std::string_view kRefusal = "The net program is not compatible with the logger.";
    StartLogger(false, false, 0x01010000);
    StartProgram();
    SaveConnections();
    ConnectThroughTheDialog("Plant network");
    ASSERT_TRUE(Shell().Connection().IsConnected());
    BuildNet();
    ASSERT_EQ(Net().GetProgramLoggerType(), 1);

    ShowWindow(WindowKind::ProgramDevelopment);
    CQuvTestDlg check(Net(), {}, &NetView());
    ModalDriver driver(check, [&] { check.EndDialog(kIdOk); });
    EXPECT_EQ(check.DoModal(), kIdOk);
    EXPECT_NE(check.Report().find(kRefusal), std::string::npos) << check.Report();
    ShowWindow(WindowKind::CommWindow);

    const std::vector<std::uint8_t> loggersNet = logger_->State().netImage;
    const std::vector<std::string> findings = UploadNet();
    EXPECT_NE(std::find(findings.begin(), findings.end(), kRefusal), findings.end())
        << ::testing::PrintToString(findings);
    EXPECT_EQ(logger_->State().netImage, loggersNet);
    const std::vector<std::uint16_t> seen = logger_->RequestTypes();
    EXPECT_EQ(std::find(seen.begin(), seen.end(), kRequestNetSet), seen.end());
}

// E-mail and FTP icons placed from the palette of a logger with network
// features, checked, sent and read back as they went; deleting a data tag
// then takes it out of both.
TEST_F(NetTransferTest, EmailAndFtpIconsGoToTheLoggerAndComeBackAsTheyWent)
{
    StartLogger(false, false);
    StartProgram();
    SaveConnections();
    ConnectThroughTheDialog("Plant network");
    ASSERT_TRUE(Shell().Connection().IsConnected());
    ASSERT_NE(Shell().Connection().GetLoggerCapabilityByte() & 0x07, 0) << "the simulator has network features";
    BuildNet();

    ShowWindow(WindowKind::ProgramDevelopment);
    const auto drop = [&](int cell, Point point) -> CCorvaneIcon& {
        const std::size_t before = Net().Icons().size();
        App().SendMessage(NetView().Handle(), kPaletteDropMessage, static_cast<std::uintptr_t>(cell), 0,
            std::make_unique<PaletteDropPayload>(point));
        EXPECT_EQ(Net().Icons().size(), before + 1) << "cell " << cell;
        return *Net().Icons().back();
    };
    const auto link = [](CCorvaneIcon& giver, CCorvaneIcon& receiver, int slot) {
        giver.SetDraggedConnector(&giver.Output(0));
        receiver.SetDraggedConnector(receiver.InputConnector(slot));
        receiver.LinkFrom(giver, 0);
    };
    CCorvaneIcon* clock = nullptr;
    for (CCorvaneIcon* icon : Net().Icons())
        if (icon->TypeCode() == 2)
            clock = icon;
    ASSERT_NE(clock, nullptr);
    CCorvaneIcon& constant = drop(kConstantCell, {120, 420});
    CCorvaneIcon& level = drop(kDataTagCell, {260, 400});
    CCorvaneIcon& state = drop(kDataTagCell, {260, 480});
    auto& email = dynamic_cast<CEmailIcon&>(drop(kEmailCell, {420, 400}));
    auto& ftp = dynamic_cast<CFTPIcon&>(drop(kFtpCell, {520, 400}));
    level.SetName("Level");
    state.SetName("State");
    link(constant, level, 0);
    link(*clock, state, 0);
    link(constant, email, 0);
    link(*clock, email, 1);
    link(*clock, ftp, kTriggerSlot);
    email.Content().message = "Level ^0, state ^1";
    email.Content().references[0] = 0;
    email.Content().references[1] = 1;
    email.Content().inputTexts[0] = {"##", "#"};
    email.Content().inputTexts[1] = {"off", "on"};
    email.SetTextSection(CEmailIcon::TextSection::To, "ops@plant.example");
    email.SetTextSection(CEmailIcon::TextSection::From, "logger@plant.example");
    email.SetTextSection(CEmailIcon::TextSection::Subject, "Report");

    // The e-mail icon's trigger is not linked: the check says so.
    CQuvTestDlg check(Net(), {}, &NetView());
    ModalDriver driver(check, [&] { check.EndDialog(kIdOk); });
    EXPECT_EQ(check.DoModal(), kIdOk);
    EXPECT_NE(check.Report().find("'Email' Icon Trigger Input is not connected."), std::string::npos) << check.Report();
    link(*clock, email, kTriggerSlot);
    ShowWindow(WindowKind::CommWindow);

    EXPECT_TRUE(UploadNet().empty());
    const std::vector<std::uint8_t> uploaded = logger_->State().netImage;
    ASSERT_FALSE(uploaded.empty());
    EXPECT_EQ(email.TagIds(), (std::vector<std::uint32_t>{level.UniqueId(), state.UniqueId()}))
        << "the check hands the icons their marked tags";
    EXPECT_EQ(ftp.TagIds().size(), 2u);

    ReadNetBack();
    EXPECT_EQ(KeysOfNet(), KeysOf(uploaded));
    const auto parsed = ParseNetImage(uploaded);
    ASSERT_TRUE(std::holds_alternative<NetImageRecords>(parsed));
    int compared = 0;
    for (const auto& record : std::get<NetImageRecords>(parsed).records) {
        const auto type = static_cast<std::uint16_t>((record[4] | record[5] << 8) & 0x0FFF);
        if (type != CEmailIcon::kTypeCode && type != CFTPIcon::kTypeCode)
            continue;
        CCorvaneIcon* back = Net().FindIconById(static_cast<std::uint16_t>(record[2] | record[3] << 8));
        ASSERT_NE(back, nullptr);
        const auto stored = back->StoreRecord(TransferMode::Compile);
        ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(stored));
        EXPECT_EQ(std::get<std::vector<std::uint8_t>>(stored), std::vector<std::uint8_t>(record.begin(), record.end()))
            << "type " << type;
        ++compared;
    }
    EXPECT_EQ(compared, 2);

    CEmailIcon* emailBack = nullptr;
    CFTPIcon* ftpBack = nullptr;
    CCorvaneIcon* levelBack = nullptr;
    for (CCorvaneIcon* icon : Net().Icons()) {
        if (auto* e = dynamic_cast<CEmailIcon*>(icon))
            emailBack = e;
        else if (auto* f = dynamic_cast<CFTPIcon*>(icon))
            ftpBack = f;
        else if (icon->TypeCode() == 80 && icon->Name() == "Level")
            levelBack = icon;
    }
    ASSERT_TRUE(emailBack != nullptr && ftpBack != nullptr && levelBack != nullptr);
    EXPECT_EQ(emailBack->Content().message, "Level ^0, state ^1");
    const std::uint32_t gone = levelBack->UniqueId();
    levelBack->Remove();
    (void)Net().RemoveObject(*levelBack);
    for (const auto* ids : {&emailBack->TagIds(), &ftpBack->TagIds()}) {
        EXPECT_EQ(ids->size(), 1u);
        EXPECT_EQ(std::count(ids->begin(), ids->end(), gone), 0);
    }
}

}  // namespace
}  // namespace net_transfer_test
}  // namespace corvane::test
