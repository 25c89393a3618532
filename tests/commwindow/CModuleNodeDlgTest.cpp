#include "LaunchTestServices.h"
#include "PinnedTimeZone.h"
#include "PlatformTestSupport.h"
#include "ScratchFolder.h"
#include "TestOutput.h"

#include "commwindow/CChangeModuleName.h"
#include "commwindow/CModuleNodeDlg.h"
#include "commwindow/CalibrationTimeText.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixMessages.h"
#include "halvix/MessagePoster.h"
#include "halvix/protocol/ModuleReplies.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SimulatedLogger.h"
#include "platform/ButtonControl.h"
#include "platform/EditControl.h"
#include "platform/LocaleFormats.h"
#include "platform/ProgressControl.h"
#include "res/ModuleNodeIds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace corvane::test {
namespace c_module_node_dlg_test {
namespace {

constexpr std::uint32_t kWaitLimitMs = 15000;
constexpr std::uint8_t kAnalogAddress = 1;
constexpr std::uint8_t kDigitalAddress = 4;
constexpr std::uint32_t kReplyTimeoutMs = 300;

const char* const kSendFailedText = "A problem was encountered while sending\nthe message to the module.\n\nUnable to "
                                    "continue with the reflash operation.";

// A module firmware file for type whose payload carries version at its
// bytes 10..12, as the simulated module reads it.
std::vector<std::uint8_t> FirmwareFile(std::uint8_t type, std::size_t payload, std::array<std::uint8_t, 3> version)
{
    std::vector<std::uint8_t> file(32 + payload, 0x5A);
    std::memcpy(file.data(), "TVLKMODULE", 10);
    file[28] = type;
    for (std::size_t i = 0; i < 3 && 10 + i < payload; ++i)
        file[32 + 10 + i] = version[i];
    return file;
}

// The node dialogs, modeless, against an in-process simulated logger with
// its shipped analog module at 1 and digital module at 4, reached over TCP
// through the communications library and the application's message loop.
class CModuleNodeDlgTest : public ::testing::Test {
protected:
    CModuleNodeDlgTest()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<Application>(std::vector<std::string>{"corvane-test"});
        app_->SetPromptSink(&prompts_);
        SetFormatLocale("en_US");
    }

    ~CModuleNodeDlgTest() override
    {
        dialog_.reset();
        CxLoggerConnect(0);
        installation_.reset();
        library_.reset();
        if (sim_)
            sim_->Stop();
        SetFormatLocale("");
    }

    void Connect(const std::function<void(LoggerState&)>& adjust = {})
    {
        const auto folder = folder_.Path() / "logger";
        std::filesystem::create_directories(folder);
        LoggerState state = LoggerState::Fresh();
        if (adjust)
            adjust(state);
        ASSERT_FALSE(SaveLoggerState(folder, state));
        SimulatorOptions options;
        options.stateFolder = folder;
        sim_ = std::make_unique<SimulatedLogger>(options);
        ASSERT_TRUE(sim_->Start()) << sim_->StartError();
        library_ = std::make_unique<HalvixLibrary>(MakeApplicationPoster(*app_));
        installation_ = std::make_unique<HalvixInstallation>(*library_);
        ASSERT_EQ(CxInitHalvixLib(), kCxOk);
        ASSERT_EQ(CxSetMaxRetries(0), kCxOk);
        ASSERT_EQ(CxSetRetryTime(kReplyTimeoutMs), kCxOk);
        ASSERT_EQ(CxSetNetworkServer("127.0.0.1", sim_->Port()), kCxOk);
        ASSERT_EQ(CxSetCommunicationType(kCommTypeNetwork), kCxOk);
        ASSERT_EQ(CxLoggerConnect(1), kCxOk) << library_->LastLinkError();
    }

    void Open(std::uint8_t type, std::uint8_t address)
    {
        dialog_ = std::make_unique<CModuleNodeDlg>(type, address, services_);
        ASSERT_TRUE(dialog_->Create());
    }

    std::string Text(int id) const { return dialog_->GetControl(id)->GetText(); }
    bool Visible(int id) const { return dialog_->GetControl(id)->IsVisible(); }
    void Click(int id) { dialog_->GetControlAs<ButtonControl>(id)->Click(); }

    // Runs the message loop until done says so; false after the bound.
    bool WaitUntil(const std::function<bool()>& done)
    {
        for (std::uint32_t waited = 0; !done() && waited < kWaitLimitMs; waited += 5)
            app_->WaitMilliseconds(5);
        return done();
    }
    void WaitForText(int id, const std::string& text)
    {
        EXPECT_TRUE(WaitUntil([&] { return Text(id) == text; })) << id << " shows \"" << Text(id) << "\"";
    }
    void WaitForBox(std::size_t count = 1)
    {
        ASSERT_TRUE(WaitUntil([&] { return prompts_.messageBoxes.size() >= count; }));
    }
    const MessageBoxRequest& Box(std::size_t index = 0) const { return prompts_.messageBoxes.at(index); }

    std::filesystem::path WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const std::filesystem::path path = folder_.Path() / "firmware" / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    // Chooses the file in the reflash file dialog and presses Reflash.
    void Reflash(const std::filesystem::path& file)
    {
        FileDialogResult chosen;
        chosen.paths = {file.string()};
        prompts_.fileDialogAnswers.push_back(chosen);
        Click(res::kIdcNodeReflash);
    }

    // The reflash has ended with its box and the module has been read again.
    void WaitForReflashEnd(std::size_t boxes = 1)
    {
        WaitForBox(boxes);
        EXPECT_TRUE(WaitUntil([&] { return !dialog_->Reflash().Running() && !Text(res::kIdcNodeFirmware).empty(); }));
        app_->WaitMilliseconds(50);
    }

    ScratchFolder folder_;
    RecordingPromptSink prompts_;
    std::unique_ptr<Application> app_;
    LaunchTestServices services_;
    std::unique_ptr<SimulatedLogger> sim_;
    std::unique_ptr<HalvixLibrary> library_;
    std::unique_ptr<HalvixInstallation> installation_;
    std::unique_ptr<CModuleNodeDlg> dialog_;
};

TEST(CalibrationTimeText, ShowsTheLocalDateAndTimeOrTheInvalidText)
{
    PinnedTimeZone zone("EST5");
    SetFormatLocale("en_US");
    struct Case {
        std::int64_t seconds;
        int year, month, day, hour, minute, second;
    };
    const Case cases[] = {
        {0, 1969, 12, 31, 19, 0, 0},
        {1700000000, 2023, 11, 14, 17, 13, 20},
        {0x7FFFFFFF, 2038, 1, 18, 22, 14, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalibrationTimeText(c.seconds),
            FormatLocaleShortDate(c.year, c.month, c.day) + " " + FormatLocaleTime(c.hour, c.minute, c.second))
            << c.seconds;
    }
    EXPECT_EQ(CalibrationTimeText(-1), kInvalidDateTimeText);
    SetFormatLocale("");
}

// The name dialog offers the current name, keeps a new one only on OK and
// opens its help topic from Help and F1.
TEST(CChangeModuleName, KeepsTheNewNameOnlyOnOkAndOpensItsHelp)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Application app(std::vector<std::string>{"corvane-test"});
    RecordingPromptSink prompts;
    app.SetPromptSink(&prompts);
    for (const int button : {kIdCancel, kIdOk}) {
        CChangeModuleName dialog("Digital I/O");
        ASSERT_TRUE(dialog.Create());
        auto* edit = dialog.GetControlAs<EditControl>(res::kIdcNewModuleName);
        EXPECT_EQ(edit->GetText(), "Digital I/O");
        EXPECT_EQ(edit->LimitText(), 32u);
        edit->SetText("Valve outputs");
        dialog.GetControlAs<ButtonControl>(kIdHelp)->Click();
        dialog.GetControlAs<ButtonControl>(button)->Click();
        EXPECT_EQ(dialog.Name(), button == kIdOk ? "Valve outputs" : "Digital I/O");
    }
    EXPECT_EQ(prompts.helpIds, (std::vector<std::uint32_t>{2161, 2161}));
}

TEST_F(CModuleNodeDlgTest, ShowsWhatTheModuleSaysOfItself)
{
    PinnedTimeZone zone("EST5");
    // The shipped analog module was calibrated 2026-01-15 00:00 UTC, due a year later.
    Connect([](LoggerState& state) {
        state.modules[7] = BusModule{kModuleTypeDigital, {0xFF, 0xFF, 0xFF}, 0x80000001u, "Blank"};
    });
    struct Case {
        std::uint8_t type;
        std::uint8_t address;
        const char* typeText;
        const char* firmware;
        const char* serial;
        const char* name;
        bool changeEnabled;
    };
    const Case cases[] = {
        {0, kAnalogAddress, "VEXA-7 Isolated Input Module", "02.01.00", "700101", "Analog Inputs", true},
        {1, kDigitalAddress, "VEXA-2 Digital Input/Output Module", "01.03.00", "700402", "Digital I/O", true},
        {1, 7, "VEXA-2 Digital Input/Output Module", "Reflash Needed", "-2147483647", "Blank", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.type, c.address);
        WaitForText(res::kIdcNodeName, c.name);
        EXPECT_EQ(Text(res::kIdcNodeModuleType), c.typeText);
        EXPECT_EQ(Text(res::kIdcNodeFirmware), c.firmware);
        EXPECT_EQ(Text(res::kIdcNodeSerial), c.serial);
        EXPECT_EQ(Text(res::kIdcNodeAddress), std::to_string(c.address));
        EXPECT_EQ(dialog_->GetControl(res::kIdcNodeChange)->IsEnabled(), c.changeEnabled);
        EXPECT_TRUE(Visible(res::kIdcNodeReflash));
        EXPECT_FALSE(Visible(res::kIdcNodeProgress));
        // Without the production setting there is no serial number to set.
        EXPECT_EQ(dialog_->GetControl(res::kIdcNodeSetSerial) != nullptr && Visible(res::kIdcNodeSetSerial), false);
        if (c.type == 0) {
            WaitForText(res::kIdcNodeComments, "Factory calibration");
            EXPECT_EQ(Text(res::kIdcNodeLastCalibration),
                FormatLocaleShortDate(2026, 1, 14) + " " + FormatLocaleTime(19, 0, 0));
            EXPECT_EQ(Text(res::kIdcNodeCalibrationDue),
                FormatLocaleShortDate(2027, 1, 14) + " " + FormatLocaleTime(19, 0, 0));
            EXPECT_TRUE(dialog_->SaveImage((OutputFolder() / "module-node-analog.png").string()));
        }
    }
    EXPECT_TRUE(prompts_.messageBoxes.empty());
}

TEST_F(CModuleNodeDlgTest, AModuleWithoutCalibrationShowsNoComment)
{
    Connect([](LoggerState& state) {
        state.modules[kAnalogAddress].calibrationLast = 1700000000;
        state.modules[kAnalogAddress].calibrationDue = kNoCalibrationDue;
        state.modules[kAnalogAddress].calibrationComment = "stale";
    });
    Open(0, kAnalogAddress);
    WaitForText(res::kIdcNodeLastCalibration, CalibrationTimeText(1700000000));
    EXPECT_EQ(Text(res::kIdcNodeCalibrationDue), kInvalidDateTimeText);
    EXPECT_EQ(Text(res::kIdcNodeComments), "");
}

// Replies and time-outs posted to the dialog as the library posts them.
TEST_F(CModuleNodeDlgTest, RepliesOfTheWrongLengthAndOtherTimeOutsAreReported)
{
    const auto reply = [](std::uint8_t command, std::size_t length) {
        std::vector<std::uint8_t> data(length, 0);
        data[1] = command;
        return std::make_unique<CReplyMessage>(kRequestTlTran, 0, false, "", std::move(data));
    };
    struct Case {
        std::uint8_t type;
        std::uint8_t command;
        std::size_t length;
    };
    const Case cases[] = {
        {1, kModuleCmdInformation, 41},
        {0, kModuleCmdInformation, 43},
        {0, kModuleCmdCalibration, 33},
        {0, kModuleCmdCalibration, 42},
    };
    for (const Case& c : cases) {
        Open(c.type, 2);
        app_->SendMessage(dialog_->Handle(), kReplyMessage, kRequestTlTran, 0, reply(c.command, c.length));
        EXPECT_EQ(Text(res::kIdcNodeModuleType), "Problem obtaining module data") << int{c.command} << " " << c.length;
    }
    EXPECT_TRUE(prompts_.messageBoxes.empty());

    Open(1, 2);
    app_->SendMessage(dialog_->Handle(), kTimeoutMessage, kRequestCfGet, 0);
    ASSERT_EQ(prompts_.messageBoxes.size(), 1u);
    EXPECT_EQ(Box().text, "** TIMEOUT **");
    EXPECT_EQ(Box().caption, "Communication Timeout");
    EXPECT_EQ(services_.status.messages.back(), "Timeout");
    EXPECT_FALSE(services_.status.progress);
}

TEST_F(CModuleNodeDlgTest, ChangeRenamesTheModule)
{
    Connect();
    Open(1, kDigitalAddress);
    WaitForText(res::kIdcNodeName, "Digital I/O");

    // The name dialog opens with the module's name; the user types a new one.
    std::string offered;
    RecordingWindow driver;
    driver.onMessage = [&](Message&) {
        if (CChangeModuleName* names = dialog_->OpenNameDialog()) {
            auto* edit = names->GetControlAs<EditControl>(res::kIdcNewModuleName);
            offered = edit->GetText();
            edit->SetText("Pump house I/O");
            EXPECT_TRUE(names->SaveImage((OutputFolder() / "module-name-dialog.png").string()));
            names->GetControlAs<ButtonControl>(kIdOk)->Click();
        }
        return std::intptr_t{0};
    };
    driver.SetTimer(1, 20);
    Click(res::kIdcNodeChange);
    driver.KillTimer(1);
    EXPECT_EQ(offered, "Digital I/O");
    EXPECT_EQ(Text(res::kIdcNodeName), "   >> Updating : Please Wait <<");
    EXPECT_FALSE(Visible(res::kIdcNodeChange));
    EXPECT_TRUE(dialog_->IsUpdating());

    WaitForText(res::kIdcNodeName, "Pump house I/O");
    EXPECT_TRUE(Visible(res::kIdcNodeChange));
    EXPECT_FALSE(dialog_->IsUpdating());
    EXPECT_EQ(sim_->State().modules.at(kDigitalAddress).name, "Pump house I/O");

    // Cancel in the name dialog sends nothing.
    const std::size_t requests = sim_->RequestTypes().size();
    driver.onMessage = [&](Message&) {
        if (CChangeModuleName* names = dialog_->OpenNameDialog())
            names->GetControlAs<ButtonControl>(kIdCancel)->Click();
        return std::intptr_t{0};
    };
    driver.SetTimer(1, 20);
    Click(res::kIdcNodeChange);
    driver.KillTimer(1);
    app_->WaitMilliseconds(50);
    EXPECT_EQ(sim_->RequestTypes().size(), requests);
    EXPECT_EQ(Text(res::kIdcNodeName), "Pump house I/O");
}

TEST_F(CModuleNodeDlgTest, ARenameThatTimesOutShowsQuestionMarks)
{
    Connect();
    Open(0, kAnalogAddress);
    WaitForText(res::kIdcNodeComments, "");
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestTlTran, 0, 0, {}, 1});
    RecordingWindow driver;
    driver.onMessage = [&](Message&) {
        if (CChangeModuleName* names = dialog_->OpenNameDialog())
            names->GetControlAs<ButtonControl>(kIdOk)->Click();
        return std::intptr_t{0};
    };
    driver.SetTimer(1, 20);
    Click(res::kIdcNodeChange);
    driver.KillTimer(1);
    WaitForText(res::kIdcNodeName, "???");
    EXPECT_FALSE(dialog_->IsUpdating());
    EXPECT_TRUE(Visible(res::kIdcNodeChange));
    EXPECT_TRUE(prompts_.messageBoxes.empty());
}

TEST_F(CModuleNodeDlgTest, SetSerialNumberTakesNineDigitsOnly)
{
    Connect();
    ASSERT_FALSE(services_.settings.CreateKey("Software\\Tarnwick\\Corvane\\Admin"));
    ASSERT_FALSE(
        services_.settings.SetValue("Software\\Tarnwick\\Corvane\\Admin", "ShowProduction", SettingsValue::Dword(1)));
    Open(1, kDigitalAddress);
    WaitForText(res::kIdcNodeSerial, "700402");
    ASSERT_TRUE(Visible(res::kIdcNodeSetSerial));
    ASSERT_TRUE(Visible(res::kIdcNodeNewSerial));
    auto* edit = dialog_->GetControlAs<EditControl>(res::kIdcNodeNewSerial);
    for (const char* refused : {"12345678", "99999999", "", "0"}) {
        prompts_.messageBoxes.clear();
        edit->SetText(refused);
        Click(res::kIdcNodeSetSerial);
        ASSERT_EQ(prompts_.messageBoxes.size(), 1u) << refused;
        EXPECT_EQ(Box().text, "Valid serial numbers contain 9 decimal digits...");
        EXPECT_EQ(Box().caption, "Invalid serial number");
    }
    prompts_.messageBoxes.clear();
    edit->SetText("123456789");
    Click(res::kIdcNodeSetSerial);
    // The dialog reads the module again once the serial number is written.
    WaitForText(res::kIdcNodeSerial, "123456789");
    EXPECT_EQ(sim_->State().modules.at(kDigitalAddress).serialNumber, 0x075BCD15u);
    EXPECT_TRUE(prompts_.messageBoxes.empty());
}

TEST_F(CModuleNodeDlgTest, ReflashSendsTheFileAndShowsTheNewVersion)
{
    Connect();
    services_.reflashFolder = "/nowhere/";
    Open(1, kDigitalAddress);
    WaitForText(res::kIdcNodeFirmware, "01.03.00");
    const auto file = WriteFile("digital.bin", FirmwareFile(kModuleTypeDigital, 2041, {4, 5, 6}));
    Reflash(file);
    ASSERT_EQ(prompts_.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts_.fileDialogs[0].fileName, "/nowhere/*.bin");
    EXPECT_EQ(prompts_.fileDialogs[0].filter, "Firmware Files (*.bin)| *.bin||");
    EXPECT_EQ(prompts_.fileDialogs[0].defaultExtension, "bin");
    EXPECT_EQ(services_.reflashFolder, file.parent_path().string() + "/");
    EXPECT_TRUE(Visible(res::kIdcNodeProgress));
    EXPECT_FALSE(Visible(res::kIdcNodeFirmware));
    EXPECT_FALSE(Visible(res::kIdcNodeReflash));
    // Pressing Reflash again while one runs does nothing.
    Click(res::kIdcNodeReflash);
    EXPECT_EQ(prompts_.fileDialogs.size(), 1u);

    ASSERT_TRUE(WaitUntil([&] { return dialog_->Reflash().BytesSent() >= 1020; }));
    EXPECT_TRUE(dialog_->SaveImage((OutputFolder() / "module-node-digital-reflash.png").string()));
    WaitForReflashEnd();
    EXPECT_EQ(Box().text, "Reflash operation successful.");
    EXPECT_EQ(Box().caption, "Reflash Complete");
    EXPECT_EQ(Box().icon, MessageBoxIcon::Information);
    WaitForText(res::kIdcNodeFirmware, "04.05.06");
    EXPECT_FALSE(Visible(res::kIdcNodeProgress));
    EXPECT_TRUE(Visible(res::kIdcNodeFirmware));
    EXPECT_TRUE(Visible(res::kIdcNodeReflash));

    // Prepare, erase, three blocks, end, then the status until the module is done.
    std::vector<std::uint16_t> flashes;
    for (const std::uint16_t type : sim_->RequestTypes()) {
        if (type == kRequestTlFlash)
            flashes.push_back(type);
    }
    EXPECT_EQ(flashes.size(), 6u + 1u + LoggerState::Fresh().modules.at(kDigitalAddress).flashBusy);
}

// Every way a reflash fails shows its text, restores the display and reads
// the module again, which the erase has left without firmware.
TEST_F(CModuleNodeDlgTest, EachReflashFailureShowsItsTextAndRestoresTheDisplay)
{
    const char* const retry = "Error response from the modue, but the operation may be retried.\nIf the error "
                              "continues to occur, the module must be returned to QZL.";
    struct Case {
        const char* what;
        SimFault::Kind kind;
        int skip;  // the reflash requests answered before the fault: prepare, erase, one block, end, statuses
        std::uint16_t code;
        const char* text;
        const char* title;
    };
    const Case cases[] = {
        {"status 0x302", SimFault::Kind::ErrorReply, 4, 0x302, retry, "Reflash Error"},
        {"status 0x304", SimFault::Kind::ErrorReply, 5, 0x304, retry, "Reflash Error"},
        {"status 0x306", SimFault::Kind::ErrorReply, 4, 0x306, retry, "Reflash Error"},
        {"status 0x4305", SimFault::Kind::ErrorReply, 4, 0x4305, retry, "Reflash Error"},
        {"status 0x307", SimFault::Kind::ErrorReply, 4, 0x307,
            "Missing response from the modue, but the operation may be retried.\nIf the error continues to occur, "
            "the module must be returned to QZL.",
            "Reflash Error"},
        {"other status", SimFault::Kind::ErrorReply, 4, 0x1234,
            "Unexpected ErrorCode (0x1234) in status response\nText: Injected", "Reflash Error"},
        {"erase refused", SimFault::Kind::ErrorReply, 1, 0x0A0B, "Error (0A0B) while processing request.\n\nInjected",
            "Communication Error"},
        {"block refused", SimFault::Kind::ErrorReply, 2, 0x0A0C, "Error (0A0C) while processing request.\n\nInjected",
            "Communication Error"},
        {"no answer to the end", SimFault::Kind::NoReply, 3, 0, kSendFailedText, "Communication Error"},
    };
    Connect();
    Open(1, kDigitalAddress);
    WaitForText(res::kIdcNodeFirmware, "01.03.00");
    const auto file = WriteFile("digital.bin", FirmwareFile(kModuleTypeDigital, 100, {9, 9, 9}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompts_.messageBoxes.clear();
        SimFault fault{c.kind, kRequestTlFlash, 0, c.code, "Injected", 1};
        fault.skip = c.skip;
        sim_->InjectFault(fault);
        Reflash(file);
        WaitForReflashEnd();
        ASSERT_EQ(prompts_.messageBoxes.size(), 1u);
        EXPECT_EQ(Box().text, c.text);
        EXPECT_EQ(Box().caption, c.title);
        EXPECT_EQ(Box().icon, MessageBoxIcon::Error);
        WaitForText(res::kIdcNodeFirmware, "Reflash Needed");
        EXPECT_FALSE(Visible(res::kIdcNodeProgress));
        EXPECT_TRUE(Visible(res::kIdcNodeFirmware));
        EXPECT_TRUE(Visible(res::kIdcNodeReflash));
        EXPECT_FALSE(dialog_->Reflash().Running());
        sim_->ClearFaults();
    }
}

TEST_F(CModuleNodeDlgTest, AFileForTheOtherModuleStopsAfterTheErase)
{
    Connect();
    Open(0, kAnalogAddress);
    WaitForText(res::kIdcNodeFirmware, "02.01.00");
    Reflash(WriteFile("digital.bin", FirmwareFile(kModuleTypeDigital, 100, {1, 1, 1})));
    WaitForReflashEnd();
    EXPECT_EQ(Box().text,
        "The selected file is not a valid VEXA-7 Module reflash file.\n\nUnable to continue with the reflash "
        "operation.");
    EXPECT_EQ(Box().caption, "Communication Error");
    std::vector<std::uint16_t> flashes;
    for (const std::uint16_t type : sim_->RequestTypes()) {
        if (type == kRequestTlFlash)
            flashes.push_back(type);
    }
    EXPECT_EQ(flashes.size(), 2u);
    WaitForText(res::kIdcNodeFirmware, "Reflash Needed");
}

TEST_F(CModuleNodeDlgTest, ClosingTheDialogDuringAReflashEndsIt)
{
    Connect();
    Open(1, kDigitalAddress);
    WaitForText(res::kIdcNodeFirmware, "01.03.00");
    Reflash(WriteFile("digital.bin", FirmwareFile(kModuleTypeDigital, 5000, {2, 2, 2})));
    ASSERT_TRUE(WaitUntil([&] { return dialog_->Reflash().BytesSent() > 0; }));
    Click(kIdOk);
    EXPECT_FALSE(dialog_->IsOpen());
    EXPECT_FALSE(dialog_->Reflash().Running());
    app_->WaitMilliseconds(300);
    EXPECT_TRUE(prompts_.messageBoxes.empty());
}

}  // namespace
}  // namespace c_module_node_dlg_test
}  // namespace corvane::test
