#include "netdoc/CNetUploadDialog.h"

#include "NetDocTestSupport.h"

#include "base/AtomicFile.h"
#include "halvix/HalvixLib.h"
#include "halvix/MessagePoster.h"
#include "halvix/protocol/NetTransferLayout.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SimulatedLogger.h"
#include "platform/ButtonControl.h"
#include "platform/ProgressControl.h"
#include "res/ResourceIds.h"
#include "shell/Waits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace corvane {
namespace c_net_upload_dialog_test {
namespace {

using test::GateIcon;
using test::NetDocTest;
using test::Place;

// Bounds that only keep a broken build from hanging; no timing is asserted.
constexpr int kLimitRounds = 600;
constexpr std::uint32_t kRoundMs = 50;

// A logger of the net's family (3).
constexpr std::uint32_t kLoggerFirmware = 0x03020100;
constexpr std::uint32_t kOtherFamilyFirmware = 0x02020100;

// A short message time-out keeps the time-out cases quick.
constexpr std::uint32_t kMessageTimeoutMs = 500;

TEST(CNetUploadBlocks, SplitsTheImageIntoFullBlocksTheRestAndOneFinalCall)
{
    const struct {
        std::size_t size;
        std::vector<std::size_t> calls;
    } cases[] = {
        {0, {0}},
        {1, {1, 0}},
        {1023, {1023, 0}},
        {1024, {1024, 0}},
        {2048, {1024, 1024, 0}},
        {2049, {1024, 1024, 1, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CNetUploadDialog::BlockCalls(c.size), c.calls) << c.size;
}

// The dialog with its progress bar's position noted whenever a message it
// took moved the bar.
class WatchedUploadDialog final : public CNetUploadDialog {
public:
    using CNetUploadDialog::CNetUploadDialog;

    std::intptr_t OnMessage(Message& message) override
    {
        const std::intptr_t result = CNetUploadDialog::OnMessage(message);
        if (const auto* bar = GetControlAs<ProgressControl>(res::kIdcNetUploadProgressBar))
            if (positions.empty() || positions.back() != bar->GetPos())
                positions.push_back(bar->GetPos());
        return result;
    }

    std::vector<int> positions;
};

// The dialog against an in-process simulated logger over TCP, through the
// communications library and the application's message loop (real clock).
class CNetUploadDialogTest : public NetDocTest {
protected:
    CNetUploadDialogTest() : NetDocTest(true)
    {
        library_ = std::make_unique<HalvixLibrary>(MakeApplicationPoster(App()));
        installation_ = std::make_unique<HalvixInstallation>(*library_);
        EXPECT_EQ(CxInitHalvixLib(), kCxOk);
        services.firmwareVersion = kLoggerFirmware;
        services.messageTimeoutMs = kMessageTimeoutMs;
        loggerState.running = true;
    }

    ~CNetUploadDialogTest() override
    {
        dialog.reset();
        CxLoggerConnect(0);
        installation_.reset();
        library_.reset();
        if (sim_)
            sim_->Stop();
    }

    void StartLogger()
    {
        const auto folder = Folder() / "logger";
        std::filesystem::create_directories(folder);
        ASSERT_FALSE(SaveLoggerState(folder, loggerState));
        SimulatorOptions options;
        options.stateFolder = folder;
        sim_ = std::make_unique<SimulatedLogger>(options);
        ASSERT_TRUE(sim_->Start()) << sim_->StartError();
        ASSERT_EQ(CxSetRetryTime(kOwnRetryMs), kCxOk);
        ASSERT_EQ(CxSetMaxRetries(0), kCxOk);
        ASSERT_EQ(CxSetNetworkServer("127.0.0.1", sim_->Port()), kCxOk);
        ASSERT_EQ(CxSetCommunicationType(kCommTypeNetwork), kCxOk);
        ASSERT_EQ(CxLoggerConnect(1), kCxOk) << library_->LastLinkError();
    }

    void OpenDialog()
    {
        dialog = std::make_unique<CNetUploadDialog>(doc);
        ASSERT_TRUE(dialog->Create());
    }

    // Presses a button and runs the loop until the dialog closes or aborts.
    void Press(int button)
    {
        dialog->GetControlAs<ButtonControl>(button)->Click();
        for (int round = 0;
             round < kLimitRounds && dialog->IsOpen() && dialog->State() != CNetUploadDialog::kStateAborted; ++round)
            WaitMilliseconds(kRoundMs);
    }

    // The image a compile for upload writes now.
    std::vector<std::uint8_t> CompiledImage()
    {
        std::vector<std::string> messages;
        const auto path = Folder() / "expected.bin";
        (void)doc.CompileNet(messages, path, CompileMode::Upload);
        return ReadWholeFile(path, 1 << 20).bytes;
    }

    std::vector<std::filesystem::path> TemporaryImages() const
    {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with("quv") && name.ends_with(".tmp"))
                found.push_back(entry.path());
        }
        return found;
    }

    // The Program icon, a clock and a constant feeding a chain of gates
    // that ends in a relay: a clean net whose image takes several blocks.
    void BuildLongNet(int gates)
    {
        PlaceProgram(doc);
        auto& clock = Place<test::ClockIcon>(doc);
        auto& constant = Place<test::SourceIcon>(doc, test::kTestConstType, 100, 200);
        CCorvaneIcon* previous = &constant;
        for (int i = 0; i < gates; ++i) {
            auto& gate = Place<GateIcon>(doc, 300, 100, 2, test::kTestGateType);
            gate.SetName("Gate " + std::to_string(i));
            test::Link(*previous, 0, gate, 0);
            test::Link(constant, 0, gate, 1);
            test::Link(clock, 0, gate, kTriggerSlot);
            previous = &gate;
        }
        test::Link(*previous, 0, Place<test::RelayIcon>(doc, "Relay", 1, test::kTestRelayType), 0);
    }

    std::vector<std::uint16_t> Requests() const { return sim_->RequestTypes(); }
    LoggerState Logger() const { return sim_->State(); }
    void InjectFault(const SimFault& fault) { sim_->InjectFault(fault); }
    void ClearFaults() { sim_->ClearFaults(); }

    static constexpr std::uint32_t kOwnRetryMs = 4000;

    LoggerState loggerState = LoggerState::Fresh();
    std::unique_ptr<CNetUploadDialog> dialog;

private:
    std::unique_ptr<HalvixLibrary> library_;
    std::unique_ptr<HalvixInstallation> installation_;
    std::unique_ptr<SimulatedLogger> sim_;
};

TEST_F(CNetUploadDialogTest, UploadSendsTheCompiledImageAndLeavesTheLoggerStopped)
{
    BuildLongNet(40);
    StartLogger();
    OpenDialog();
    EXPECT_EQ(dialog->StatusText(), CNetUploadDialog::kSelectModeText);
    ASSERT_EQ(TemporaryImages().size(), 1u);
    std::uint32_t raised = 0;
    ASSERT_EQ(CxGetRetryTime(raised), kCxOk);
    EXPECT_EQ(raised, kMessageTimeoutMs + CNetUploadDialog::kRetryTimeRaiseMs);

    Press(res::kIdcNetUploadButton);

    EXPECT_FALSE(dialog->IsOpen()) << dialog->StatusText();
    EXPECT_EQ(dialog->EndCode(), kIdOk);
    EXPECT_EQ(dialog->StatusText(), CNetUploadDialog::kUploadedText);
    const auto image = CompiledImage();
    ASSERT_GT(image.size(), 2 * kNetBlockSize);
    EXPECT_EQ(Logger().netImage, image);
    EXPECT_FALSE(Logger().running);

    std::vector<std::uint16_t> expected{kRequestRun, kRequestEraseAll};
    expected.insert(expected.end(), CNetUploadDialog::BlockCalls(image.size()).size(), kRequestNetSet);
    expected.push_back(kRequestNetInit);
    EXPECT_EQ(Requests(), expected);

    // The net has no Memory icon: the user was asked and went on.
    ASSERT_EQ(services.advisories.size(), 1u);
    EXPECT_EQ(services.advisories[0].second, CNetUploadDialog::kNoMemoryIconText);
    EXPECT_TRUE(TemporaryImages().empty());
    dialog.reset();
    std::uint32_t restored = 0;
    ASSERT_EQ(CxGetRetryTime(restored), kCxOk);
    EXPECT_EQ(restored, kOwnRetryMs);
}

TEST_F(CNetUploadDialogTest, TheProgressBarShowsAndAdvancesWithEveryBlockTheLoggerTakes)
{
    BuildLongNet(40);
    StartLogger();
    auto watched = std::make_unique<WatchedUploadDialog>(doc);
    const WatchedUploadDialog& upload = *watched;
    dialog = std::move(watched);
    ASSERT_TRUE(dialog->Create());
    const auto* bar = dialog->GetControlAs<ProgressControl>(res::kIdcNetUploadProgressBar);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetUpper(), 100);

    Press(res::kIdcNetUploadButton);

    ASSERT_FALSE(dialog->IsOpen()) << dialog->StatusText();
    // From 0 before the first block, a step up with each block the logger
    // answered, to 100 with the whole image.
    const std::size_t imageSize = CompiledImage().size();
    const std::size_t dataBlocks = CNetUploadDialog::BlockCalls(imageSize).size() - 1;
    ASSERT_GE(dataBlocks, 3u);
    ASSERT_EQ(upload.positions.size(), dataBlocks + 1) << ::testing::PrintToString(upload.positions);
    EXPECT_EQ(upload.positions.front(), 0);
    EXPECT_TRUE(std::is_sorted(upload.positions.begin(), upload.positions.end()));
    EXPECT_EQ(upload.positions[1], static_cast<int>(kNetBlockSize * 100 / imageSize));
    EXPECT_EQ(upload.positions.back(), 100);
}

TEST_F(CNetUploadDialogTest, UploadAndEnableStartsTheLoggerAfterTheUpload)
{
    BuildSmallNet(doc);
    loggerState.running = false;
    services.versionWarning = "The net is newer than the logger";
    StartLogger();
    OpenDialog();

    Press(kIdOk);

    // The image's versions were checked once, before the first block.
    EXPECT_EQ(services.notices,
        (std::vector<std::pair<std::string, NetNoticeCaption>>{
            {"The net is newer than the logger", NetNoticeCaption::VersionWarning}}));

    EXPECT_FALSE(dialog->IsOpen()) << dialog->StatusText();
    EXPECT_TRUE(Logger().running);
    EXPECT_EQ(Logger().netImage, CompiledImage());
    const auto requests = Requests();
    ASSERT_GE(requests.size(), 2u);
    EXPECT_EQ(requests.front(), kRequestRun);
    EXPECT_EQ(requests[requests.size() - 2], kRequestNetInit);
    EXPECT_EQ(requests.back(), kRequestRun);
    EXPECT_TRUE(TemporaryImages().empty());
}

TEST_F(CNetUploadDialogTest, EachFailedStepAbortsWithItsTextAndRemovesTheImage)
{
    const auto error = [](std::uint16_t type) {
        SimFault fault;
        fault.kind = SimFault::Kind::ErrorReply;
        fault.requestType = type;
        fault.code = 0x0123;
        fault.text = "Refused";
        return fault;
    };
    const auto silence = [](std::uint16_t type) {
        SimFault fault;
        fault.kind = SimFault::Kind::NoReply;
        fault.requestType = type;
        return fault;
    };
    const struct {
        const char* name;
        SimFault fault;
        std::string_view status;
        std::string_view box;
    } cases[] = {
        {"stop refused", error(kRequestRun), CNetUploadDialog::kStopFailedText, "Communication Error"},
        {"erase refused", error(kRequestEraseAll), CNetUploadDialog::kEraseFailedText, "Communication Error"},
        {"block refused", error(kRequestNetSet), CNetUploadDialog::kUploadErrorText, "Communication Error"},
        {"init refused", error(kRequestNetInit), CNetUploadDialog::kInitFailedText, "Communication Error"},
        // A stop or erase that times out leaves its own step's text.
        {"stop silent", silence(kRequestRun), CNetUploadDialog::kStoppingText, "Communication Timeout"},
        {"erase silent", silence(kRequestEraseAll), CNetUploadDialog::kErasingText, "Communication Timeout"},
        {"block silent", silence(kRequestNetSet), CNetUploadDialog::kTimeoutStatusText, "Communication Timeout"},
        {"init silent", silence(kRequestNetInit), CNetUploadDialog::kTimeoutStatusText, "Communication Timeout"},
    };
    BuildSmallNet(doc);
    StartLogger();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Prompts().messageBoxes.clear();
        InjectFault(c.fault);
        OpenDialog();
        Press(res::kIdcNetUploadButton);
        EXPECT_EQ(dialog->State(), CNetUploadDialog::kStateAborted);
        EXPECT_EQ(dialog->StatusText(), c.status);
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, c.box);
        EXPECT_TRUE(dialog->TemporaryPath().empty());
        EXPECT_TRUE(TemporaryImages().empty());
        EXPECT_FALSE(dialog->GetControl(kIdOk)->IsEnabled());
        EXPECT_FALSE(dialog->GetControl(res::kIdcNetUploadButton)->IsEnabled());
        dialog.reset();
        ClearFaults();
    }
}

TEST_F(CNetUploadDialogTest, NothingIsSentWhenTheCheckStopsTheUpload)
{
    const struct {
        const char* name;
        bool lonelyGate;
        int advisoryAnswer;
        std::string_view status;
    } cases[] = {
        {"findings", true, kIdOk, CNetUploadDialog::kFindingsText},
        {"no Memory icon declined", false, kIdCancel, CNetUploadDialog::kNoMemoryIconRefusedText},
    };
    StartLogger();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        BuildSmallNet(doc);
        if (c.lonelyGate)
            Place<GateIcon>(doc, 500, 500, 2, test::kTestGateType).SetName("Lonely");
        services.advisoryAnswers = {c.advisoryAnswer};
        OpenDialog();
        Press(res::kIdcNetUploadButton);
        EXPECT_EQ(dialog->State(), CNetUploadDialog::kStateAborted);
        EXPECT_EQ(dialog->StatusText(), c.status);
        EXPECT_EQ(std::find(dialog->Findings().begin(), dialog->Findings().end(),
                      "'Lonely' Icon needs to be connected or deleted.")
                != dialog->Findings().end(),
            c.lonelyGate)
            << ::testing::PrintToString(dialog->Findings());
        EXPECT_TRUE(TemporaryImages().empty());
        dialog.reset();
    }
    EXPECT_TRUE(Requests().empty());
}

TEST_F(CNetUploadDialogTest, AForeignFamilyIsUploadedOnlyWhenTheUserAgrees)
{
    BuildSmallNet(doc);
    services.firmwareVersion = kOtherFamilyFirmware;
    services.advisoryAnswers = {kIdCancel, kIdOk};
    dialog = std::make_unique<CNetUploadDialog>(doc);
    (void)dialog->Create();
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(dialog->EndCode(), kIdCancel);
    EXPECT_TRUE(TemporaryImages().empty());

    OpenDialog();
    EXPECT_TRUE(dialog->IsOpen());
    EXPECT_EQ(dialog->StatusText(), CNetUploadDialog::kSelectModeText);
    ASSERT_EQ(services.advisories.size(), 2u);
    EXPECT_EQ(services.advisories[0].second, CNetUploadDialog::kFamilyMismatchText);
    EXPECT_EQ(services.advisories[1].second, CNetUploadDialog::kFamilyMismatchText);
    dialog->GetControlAs<ButtonControl>(kIdCancel)->Click();
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(dialog->UploadMode(), CNetUploadDialog::Mode::Cancelled);
    EXPECT_TRUE(TemporaryImages().empty()) << "Cancel removes the image";
}

}  // namespace
}  // namespace c_net_upload_dialog_test
}  // namespace corvane
