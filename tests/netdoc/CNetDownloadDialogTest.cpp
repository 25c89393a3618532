#include "netdoc/CNetDownloadDialog.h"

#include "NetDocTestSupport.h"
#include "SimulatorLink.h"

#include "base/AtomicFile.h"
#include "base/Cp1252.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/NetTransferLayout.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/NetImageFile.h"
#include "platform/Control.h"
#include "platform/ProgressControl.h"
#include "res/ResourceIds.h"
#include "shell/Waits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane {
namespace c_net_download_dialog_test {
namespace {

using test::NetDocTest;

// Bounds that only keep a broken build from hanging; no timing is asserted.
constexpr int kLimitRounds = 400;
constexpr std::uint32_t kRoundMs = 25;
constexpr std::uint32_t kShortRetryMs = 200;
// What the logger calls its net.
constexpr std::string_view kLoggerNetName = "Pump Station 4";

// A reply as the library would post it.
std::unique_ptr<CReplyMessage> Reply(std::uint16_t type, std::vector<std::uint8_t> data)
{
    return std::make_unique<CReplyMessage>(type, 0, false, std::string(), std::move(data));
}

// The status reply: u16 status, u32 size, the text; cut to length when given.
std::unique_ptr<CReplyMessage> StatusReply(
    std::uint16_t status, std::uint32_t size, std::string_view text = "", std::size_t length = SIZE_MAX)
{
    std::vector<std::uint8_t> data = {static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(status >> 8),
        static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8), static_cast<std::uint8_t>(size >> 16),
        static_cast<std::uint8_t>(size >> 24)};
    data.insert(data.end(), text.begin(), text.end());
    data.push_back(0);
    data.resize(std::min(length, data.size()));
    return Reply(kRequestNetParm, std::move(data));
}

std::unique_ptr<CReplyMessage> BlockReply(std::uint32_t next, std::span<const std::uint8_t> block)
{
    std::vector<std::uint8_t> data = {static_cast<std::uint8_t>(next), static_cast<std::uint8_t>(next >> 8),
        static_cast<std::uint8_t>(next >> 16), static_cast<std::uint8_t>(next >> 24)};
    data.insert(data.end(), block.begin(), block.end());
    return Reply(kRequestNetGet, std::move(data));
}

// The dialog against an in-process simulated logger over TCP, through the
// communications library and the application's message loop (real clock).
class NetDownload : public NetDocTest {
protected:
    NetDownload() : NetDocTest(true) {}

    ~NetDownload() override
    {
        dialog.reset();
    }

    // A net of a dozen icons, more than one block long.
    std::vector<std::uint8_t> LoggerNetImage()
    {
        CNetDoc source(services, factory);
        BuildSmallNet(source);
        for (int i = 0; i < 12; ++i)
            test::Place<test::SourceIcon>(source, test::kTestConstType, 100, 200);
        return std::get<std::vector<std::uint8_t>>(source.BuildSaveImage());
    }

    // Starts the logger, holding netImage when given, and links the library to it.
    void Connect(const std::optional<std::vector<std::uint8_t>>& netImage = std::nullopt)
    {
        const auto folder = Folder() / "logger";
        std::filesystem::create_directories(folder);
        LoggerState state = LoggerState::Fresh();
        state.netName = kLoggerNetName;
        ASSERT_FALSE(SaveLoggerState(folder, state));
        if (netImage) {
            ASSERT_FALSE(SaveNetImage(folder, *netImage));
        }
        ASSERT_NO_FATAL_FAILURE(link_.Connect(App(), folder));
    }

    // The logger answers nothing; the test posts the replies itself.
    void ConnectSilentLogger()
    {
        Connect();
        SimFault silent;
        silent.kind = SimFault::Kind::NoReply;
        link_.Logger().InjectFault(silent);
    }

    void InjectFault(const SimFault& fault) { link_.Logger().InjectFault(fault); }

    void OpenDialog()
    {
        dialog = std::make_unique<CNetDownloadDialog>(doc, nullptr);
        ASSERT_TRUE(dialog->Create());
    }

    // Runs the loop until the download has ended or the dialog was closed.
    void RunToEnd()
    {
        for (int round = 0; round < kLimitRounds && dialog->IsOpen() && !Ended(); ++round)
            WaitMilliseconds(kRoundMs);
    }

    bool Ended() const
    {
        return dialog->CurrentState() == CNetDownloadDialog::kDone
            || dialog->CurrentState() == CNetDownloadDialog::kFailed;
    }

    void Post(std::unique_ptr<CReplyMessage> reply)
    {
        const auto type = reply->RequestType();
        ASSERT_TRUE(dialog->PostMessage(kReplyMessage, type, 0, std::move(reply)));
    }

    // Answers for the silent logger once the dialog has asked: the status
    // after the query, blocks after the first block request.
    void Answer(CNetDownloadDialog::State asked, std::unique_ptr<CReplyMessage> reply)
    {
        for (int round = 0; round < kLimitRounds && dialog->CurrentState() < asked; ++round)
            WaitMilliseconds(kRoundMs);
        Post(std::move(reply));
    }
    void AnswerStatus(std::unique_ptr<CReplyMessage> reply) { Answer(CNetDownloadDialog::kTransfer, std::move(reply)); }
    void AnswerBlock(std::unique_ptr<CReplyMessage> reply) { Answer(CNetDownloadDialog::kOpen, std::move(reply)); }

    std::filesystem::path ImagePath() const { return Folder() / std::string(CNetDoc::kDownloadFileName); }

    std::string ButtonText() const { return dialog->GetControl(kIdOk)->GetText(); }

    // The failed state as the user sees it: the text, the icon instead of
    // the bar, a Close button, and no image left behind.
    void ExpectFailure(std::string_view text)
    {
        EXPECT_EQ(dialog->CurrentState(), CNetDownloadDialog::kFailed);
        EXPECT_EQ(dialog->StatusText(), text);
        EXPECT_EQ(dialog->GetControl(res::kIdcNetDownloadStatus)->GetText(), text);
        EXPECT_TRUE(dialog->GetControl(res::kIdcNetDownloadIcon)->IsVisible());
        EXPECT_FALSE(dialog->GetControl(res::kIdcNetDownloadProgress)->IsVisible());
        EXPECT_EQ(ButtonText(), "Close");
        EXPECT_FALSE(std::filesystem::exists(ImagePath()));
        EXPECT_TRUE(dialog->IsOpen()) << "the dialog waits for its button";
    }

    std::unique_ptr<CNetDownloadDialog> dialog;

private:
    test::SimulatorLink link_;
};

TEST_F(NetDownload, ReadsTheLoggersNetAndOpensItWithTheSameRecords)
{
    const auto image = LoggerNetImage();
    ASSERT_GT(image.size(), kNetBlockSize) << "more than one block";
    Connect(image);
    OpenDialog();
    EXPECT_EQ(dialog->StatusText(), CNetDownloadDialog::kStartingText);
    EXPECT_EQ(ButtonText(), "Cancel");
    RunToEnd();

    EXPECT_EQ(dialog->CurrentState(), CNetDownloadDialog::kDone);
    EXPECT_EQ(dialog->StatusText(), CNetDownloadDialog::kSuccessText);
    EXPECT_EQ(ButtonText(), "&Done");
    EXPECT_FALSE(dialog->GetControl(res::kIdcNetDownloadIcon)->IsVisible());
    EXPECT_EQ(dialog->TotalSize(), image.size());
    EXPECT_EQ(dialog->BytesReceived(), image.size());
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(doc.BuildSaveImage()), image);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.LoggerNetText(), kLoggerNetName);
    EXPECT_TRUE(services.notices.empty());
    EXPECT_TRUE(dialog->IsOpen());
    NotifyEvent done{Notification::Clicked, kIdOk};
    dialog->Notify(done);
    EXPECT_FALSE(dialog->IsOpen());
}

TEST_F(NetDownload, ALoggerWithoutANetLeavesNoFile)
{
    Connect();
    OpenDialog();
    RunToEnd();
    ExpectFailure(CNetDownloadDialog::kNoNetText);
    EXPECT_EQ(doc.GetObjectCount(), 0);
}

TEST_F(NetDownload, LoggerErrorsAndTimeOutsEndInTheFailedState)
{
    struct Case {
        const char* what;
        SimFault::Kind kind;
        std::uint16_t requestType;
        std::string_view text;
    };
    const Case cases[] = {
        {"status error", SimFault::Kind::ErrorReply, kRequestNetParm, CNetDownloadDialog::kStatusErrorText},
        {"block error", SimFault::Kind::ErrorReply, kRequestNetGet, CNetDownloadDialog::kBlockErrorText},
        {"status time-out", SimFault::Kind::NoReply, kRequestNetParm, CNetDownloadDialog::kTimeoutText},
        {"block time-out", SimFault::Kind::NoReply, kRequestNetGet, CNetDownloadDialog::kTimeoutText},
    };
    Connect(LoggerNetImage());
    ASSERT_EQ(CxSetRetryTime(kShortRetryMs), kCxOk);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimFault fault;
        fault.kind = c.kind;
        fault.requestType = c.requestType;
        fault.code = 0x4101;
        fault.text = "refused";
        fault.count = 1;
        InjectFault(fault);
        OpenDialog();
        RunToEnd();
        ExpectFailure(c.text);
        dialog.reset();
    }
}

TEST_F(NetDownload, MalformedAndOversizedRepliesEndInTheFailedState)
{
    const auto image = LoggerNetImage();
    auto damaged = image;
    damaged[damaged.size() / 2] ^= 0x5A;
    const std::vector<std::uint8_t> six(6, 0x11);
    const std::vector<std::uint8_t> five(5, 0x22);
    struct Case {
        const char* what;
        std::function<void()> post;
        std::string_view text;
    };
    const Case cases[] = {
        {"status reply of 5 bytes", [&] { AnswerStatus(StatusReply(kNetStatusPresent, 10, "", 5)); },
            CNetDownloadDialog::kStatusInvalidText},
        {"net larger than a net file",
            [&] { AnswerStatus(StatusReply(kNetStatusPresent, CNetDoc::kMaxNetFileBytes + 1)); },
            CNetDownloadDialog::kTooLargeText},
        {"block reply of 3 bytes",
            [&] {
                AnswerStatus(StatusReply(kNetStatusPresent, 10));
                AnswerBlock(Reply(kRequestNetGet, {1, 2, 3}));
            },
            CNetDownloadDialog::kBlockInvalidText},
        {"blocks past the announced size",
            [&] {
                AnswerStatus(StatusReply(kNetStatusPresent, 10));
                AnswerBlock(BlockReply(6, six));
                AnswerBlock(BlockReply(0, five));
            },
            CNetDownloadDialog::kOverrunText},
        {"zero size, one empty last block",
            [&] {
                AnswerStatus(StatusReply(kNetStatusPresent, 0));
                AnswerBlock(BlockReply(0, {}));
            },
            CNetDownloadDialog::kParseFailedText},
        {"damaged image",
            [&] {
                AnswerStatus(StatusReply(kNetStatusPresent, static_cast<std::uint32_t>(damaged.size())));
                AnswerBlock(BlockReply(0, damaged));
            },
            CNetDownloadDialog::kParseFailedText},
    };
    ConnectSilentLogger();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenDialog();
        c.post();
        RunToEnd();
        ExpectFailure(c.text);
        EXPECT_EQ(doc.GetObjectCount(), 0) << "the open net is untouched";
        dialog.reset();
    }
    // The opener said why it refused the damaged image.
    EXPECT_FALSE(services.notices.empty());
}

TEST_F(NetDownload, CancellingTheSaveQuestionClosesTheDialogAndKeepsTheOpenNet)
{
    BuildSmallNet(doc);
    doc.SetModified(true);
    const int icons = doc.GetObjectCount();
    Prompts().messageBoxAnswers.push_back(kIdCancel);
    Connect(LoggerNetImage());
    OpenDialog();
    RunToEnd();
    EXPECT_FALSE(dialog->IsOpen());
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u) << "the save question";
    EXPECT_EQ(doc.GetObjectCount(), icons);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(NetDownload, ARefusedImageIsKeptWhereRawDownloadsAreKept)
{
    auto damaged = LoggerNetImage();
    damaged[damaged.size() / 2] ^= 0x5A;
    services.keepRaw = true;
    ConnectSilentLogger();
    OpenDialog();
    AnswerStatus(StatusReply(kNetStatusPresent, static_cast<std::uint32_t>(damaged.size())));
    AnswerBlock(BlockReply(0, damaged));
    RunToEnd();
    EXPECT_EQ(dialog->StatusText(), CNetDownloadDialog::kParseFailedText);
    EXPECT_EQ(ReadWholeFile(ImagePath(), CNetDoc::kMaxNetFileBytes).bytes, damaged);
}

TEST_F(NetDownload, ClosingDuringTheTransferRemovesThePartialImageAndDropsLateReplies)
{
    const std::vector<std::uint8_t> block(8, 0x33);
    ConnectSilentLogger();
    OpenDialog();
    // A block before the query was answered is no answer at all.
    Post(BlockReply(8, block));
    AnswerStatus(StatusReply(kNetStatusPresent, 100, "Pump \xE9tude"));
    AnswerBlock(BlockReply(8, block));
    for (int round = 0; round < kLimitRounds && dialog->BytesReceived() == 0; ++round)
        WaitMilliseconds(kRoundMs);
    ASSERT_EQ(dialog->BytesReceived(), block.size());
    EXPECT_EQ(dialog->GetControlAs<ProgressControl>(res::kIdcNetDownloadProgress)->GetPos(), 8);
    EXPECT_TRUE(std::filesystem::exists(ImagePath()));
    EXPECT_EQ(doc.LoggerNetText(), "Pump \u00E9tude");

    NotifyEvent press{Notification::Clicked, kIdOk};
    dialog->Notify(press);
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_FALSE(std::filesystem::exists(ImagePath()));

    // A reply that comes after the close changes nothing, nor does one for
    // the dialog once it is gone.
    Post(BlockReply(0, block));
    const WindowHandle gone = dialog->Handle();
    WaitMilliseconds(kRoundMs);
    EXPECT_EQ(dialog->BytesReceived(), block.size());
    dialog.reset();
    App().PostMessage(gone, kReplyMessage, kRequestNetGet, 0, BlockReply(0, block));
    WaitMilliseconds(kRoundMs);
    EXPECT_FALSE(std::filesystem::exists(ImagePath()));
}

TEST_F(NetDownload, HelpOpensItsTopic)
{
    ConnectSilentLogger();
    OpenDialog();
    NotifyEvent help{Notification::Clicked, kIdHelp};
    dialog->Notify(help);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{CNetDownloadDialog::kHelpTopic});
}

}  // namespace
}  // namespace c_net_download_dialog_test
}  // namespace corvane
