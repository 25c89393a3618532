#include "LaunchTestServices.h"
#include "PlatformTestSupport.h"
#include "ScratchFolder.h"

#include "commwindow/CUserLoginDialog.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/MessagePoster.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SimulatedLogger.h"
#include "platform/ButtonControl.h"
#include "platform/EditControl.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace corvane::test {
namespace c_user_login_dialog_test {
namespace {

constexpr std::uint32_t kWaitLimitMs = 10000;
constexpr std::uint32_t kProgramAccess = 0x10000;

// The login dialog, modeless, against an in-process simulated logger with
// passwords on, reached over TCP through the communications library and
// the application's message loop.
class CUserLoginDialogTest : public ::testing::Test {
protected:
    CUserLoginDialogTest()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<Application>(std::vector<std::string>{"corvane-test"});
        app_->SetPromptSink(&prompts_);
        services_.connection.SetRightsLoaded(true);
        dialog_ = std::make_unique<CUserLoginDialog>(services_.connection, services_.status);
        EXPECT_TRUE(dialog_->Create());
    }

    ~CUserLoginDialogTest() override
    {
        dialog_.reset();
        CxLoggerConnect(0);
        installation_.reset();
        library_.reset();
        if (sim_)
            sim_->Stop();
    }

    void Connect()
    {
        const auto folder = folder_.Path() / "logger";
        std::filesystem::create_directories(folder);
        LoggerState state = LoggerState::Fresh();
        state.passwordsOn = 1;
        state.users["abcdefghijklmnopqrstuvw"] = LoggerUser{"0123456789abcdefghi", 0x0001000000010000ull, true};
        state.users["viewer"] = LoggerUser{"look", 0x2000, true};
        state.users["kiosk"] = LoggerUser{"any", 0x12000, false};
        state.users["display"] = LoggerUser{"any", 0x2000, false};
        ASSERT_FALSE(SaveLoggerState(folder, state));
        SimulatorOptions options;
        options.stateFolder = folder;
        sim_ = std::make_unique<SimulatedLogger>(options);
        ASSERT_TRUE(sim_->Start()) << sim_->StartError();
        library_ = std::make_unique<HalvixLibrary>(MakeApplicationPoster(*app_));
        installation_ = std::make_unique<HalvixInstallation>(*library_);
        ASSERT_EQ(CxInitHalvixLib(), kCxOk);
        ASSERT_EQ(CxSetMaxRetries(0), kCxOk);
        ASSERT_EQ(CxSetNetworkServer("127.0.0.1", sim_->Port()), kCxOk);
        ASSERT_EQ(CxSetCommunicationType(kCommTypeNetwork), kCxOk);
        ASSERT_EQ(CxLoggerConnect(1), kCxOk) << library_->LastLinkError();
    }

    // Types the name and password and presses OK.
    void LogIn(std::string_view name, std::string_view password)
    {
        dialog_->GetControlAs<EditControl>(res::kIdcLoginUserName)->SetText(name);
        dialog_->GetControlAs<EditControl>(res::kIdcLoginPassword)->SetText(password);
        dialog_->GetControlAs<ButtonControl>(kIdOk)->Click();
    }

    // Runs the message loop until a box has been shown.
    void WaitForBox(std::size_t count = 1)
    {
        for (std::uint32_t waited = 0; prompts_.messageBoxes.size() < count && waited < kWaitLimitMs; waited += 5)
            app_->WaitMilliseconds(5);
        ASSERT_EQ(prompts_.messageBoxes.size(), count);
    }

    void PostReply(std::uint16_t type, std::uint16_t code, bool error, std::vector<std::uint8_t> data)
    {
        app_->SendMessage(dialog_->Handle(), kReplyMessage, type, 0,
            std::make_unique<CReplyMessage>(type, code, error, error ? "Busy" : "", std::move(data)));
    }

    const MessageBoxRequest& Box(std::size_t index = 0) const { return prompts_.messageBoxes.at(index); }

    ScratchFolder folder_;
    RecordingPromptSink prompts_;
    std::unique_ptr<Application> app_;
    LaunchTestServices services_;
    std::unique_ptr<SimulatedLogger> sim_;
    std::unique_ptr<HalvixLibrary> library_;
    std::unique_ptr<HalvixInstallation> installation_;
    std::unique_ptr<CUserLoginDialog> dialog_;
};

TEST_F(CUserLoginDialogTest, LogsInAndStoresNamePasswordAndRights)
{
    const struct {
        const char* name;
        const char* password;
        std::uint64_t rights;
    } cases[] = {
        {"admin", "admin", ~0ull},                                                  // challenge and response
        {"abcdefghijklmnopqrstuvw", "0123456789abcdefghi", 0x0001000000010000ull},  // the longest name and password
        {"kiosk", "any", 0x12000},                                                  // no challenge
    };
    Connect();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompts_.messageBoxes.clear();
        services_.connection.SetAuthenticated(false);
        dialog_ = std::make_unique<CUserLoginDialog>(services_.connection, services_.status);
        ASSERT_TRUE(dialog_->Create());
        LogIn(c.name, c.password);
        WaitForBox();
        EXPECT_EQ(Box().text, "Successfully Logged In");
        EXPECT_EQ(Box().caption, "User Login");
        EXPECT_EQ(Box().icon, MessageBoxIcon::Information);
        EXPECT_FALSE(dialog_->IsOpen());
        EXPECT_EQ(dialog_->EndCode(), kIdOk);
        EXPECT_TRUE(services_.connection.IsAuthenticated());
        EXPECT_EQ(services_.connection.GetLoginUserName(), c.name);
        EXPECT_EQ(services_.connection.GetLoginPassword(), c.password);
        EXPECT_EQ(services_.connection.GetRightsLow(), static_cast<std::uint32_t>(c.rights));
        EXPECT_EQ(services_.connection.GetRightsHigh(), static_cast<std::uint32_t>(c.rights >> 32));
    }
}

TEST_F(CUserLoginDialogTest, AWrongPasswordIsRefusedAndTheDialogTakesAnotherTry)
{
    Connect();
    LogIn("admin", "Admin");
    WaitForBox();
    EXPECT_EQ(Box().text, "Unable to authenticate user\n\nLogin Unsuccessful");
    EXPECT_EQ(Box().caption, "User Login");
    EXPECT_EQ(Box().icon, MessageBoxIcon::Warning);
    EXPECT_TRUE(dialog_->IsOpen());
    EXPECT_FALSE(services_.connection.IsAuthenticated());

    LogIn("admin", "admin");
    WaitForBox(2);
    EXPECT_EQ(Box(1).text, "Successfully Logged In");
    EXPECT_TRUE(services_.connection.IsAuthenticated());
}

TEST_F(CUserLoginDialogTest, TooFewRightsLeaveTheUserLoggedOut)
{
    const struct {
        const char* name;
        const char* password;
        const char* text;
    } cases[] = {
        {"viewer", "look",
            "Although you entered a valid Username and Password,\nyou do not have sufficient access rights to "
            "connect\nto the selected Logger from Corvane.\n\nSee your Password Administrator for details."},
        {"display", "any",
            "The Username/Password is valid but you do not have\nsufficient access rights to connect to the "
            "Logger\n\nSee your Password Administrator for details."},
    };
    Connect();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompts_.messageBoxes.clear();
        dialog_ = std::make_unique<CUserLoginDialog>(services_.connection, services_.status);
        ASSERT_TRUE(dialog_->Create());
        LogIn(c.name, c.password);
        WaitForBox();
        EXPECT_EQ(Box().text, c.text);
        EXPECT_EQ(Box().caption, "Connect To Logger");
        EXPECT_FALSE(dialog_->IsOpen());
        EXPECT_FALSE(services_.connection.IsAuthenticated());
        EXPECT_EQ(services_.connection.GetLoginUserName(), "");
        EXPECT_EQ(services_.connection.GetRightsLow(), 0u);
        EXPECT_FALSE(services_.connection.HasRights(kProgramAccess, 0));
    }
}

// Without a library installed any request would be refused with the
// "Communication error" box, so a single box shows nothing was sent.
TEST_F(CUserLoginDialogTest, EmptyFieldsAreRefusedBeforeAnythingIsSent)
{
    const struct {
        const char* name;
        const char* password;
    } cases[] = {{"", "admin"}, {"admin", ""}, {"", ""}};
    for (const auto& c : cases) {
        prompts_.messageBoxes.clear();
        LogIn(c.name, c.password);
        ASSERT_EQ(prompts_.messageBoxes.size(), 1u) << c.name << "/" << c.password;
        EXPECT_EQ(Box().text, "Please enter your User Name and Password.");
        EXPECT_EQ(Box().icon, MessageBoxIcon::Warning);
        EXPECT_TRUE(dialog_->IsOpen());
    }
    prompts_.messageBoxes.clear();
    LogIn("admin", "admin");
    ASSERT_EQ(prompts_.messageBoxes.size(), 1u);
    EXPECT_EQ(Box().text, "Communication error sending\nthe user login request");
}

TEST_F(CUserLoginDialogTest, ChallengesThatOverrunTheirFieldsAreNotAnswered)
{
    const auto challenge = [](std::string_view text) {
        std::vector<std::uint8_t> data = {0, 0};
        data.insert(data.end(), text.begin(), text.end());
        return data;
    };
    const std::string nonce(32, 'n');
    const struct {
        const char* why;
        std::vector<std::uint8_t> data;
    } cases[] = {
        {"nonce without its NUL", challenge(nonce)},
        {"nonce longer than 32", challenge(nonce + "n" + std::string(1, '\0') + "realm" + std::string(1, '\0'))},
        {"realm without its NUL", challenge(nonce + std::string(1, '\0') + "realm")},
        {"realm longer than its buffer", challenge(nonce + std::string(1, '\0') + std::string(65, 'r') + '\0')},
        {"no realm", challenge(nonce + std::string(1, '\0'))},
        {"result only half there", {0}},
        {"rights cut short", {1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        prompts_.messageBoxes.clear();
        dialog_ = std::make_unique<CUserLoginDialog>(services_.connection, services_.status);
        ASSERT_TRUE(dialog_->Create());
        PostReply(kRequestUserAuth, 0, false, c.data);
        ASSERT_EQ(prompts_.messageBoxes.size(), 1u);
        EXPECT_EQ(Box().text, "User authentication message error");
        EXPECT_FALSE(dialog_->IsOpen());
        EXPECT_FALSE(services_.connection.IsAuthenticated());
    }
}

TEST_F(CUserLoginDialogTest, RefusedChallengesCloseTheDialogWithTheirText)
{
    const struct {
        std::uint16_t code;
        const char* text;
    } cases[] = {
        {kCodeLoginRefused, "User/Password authentication error"},
        {0x4242, "User authentication message error"},
    };
    for (const auto& c : cases) {
        prompts_.messageBoxes.clear();
        dialog_ = std::make_unique<CUserLoginDialog>(services_.connection, services_.status);
        ASSERT_TRUE(dialog_->Create());
        PostReply(kRequestUserAuth, c.code, true, {0x42, 0x42, 'B', 'u', 's', 'y', 0});
        ASSERT_EQ(prompts_.messageBoxes.size(), 1u) << c.code;
        EXPECT_EQ(Box().text, c.text);
        EXPECT_FALSE(dialog_->IsOpen());
    }
    // A reply without data is discarded.
    prompts_.messageBoxes.clear();
    dialog_ = std::make_unique<CUserLoginDialog>(services_.connection, services_.status);
    ASSERT_TRUE(dialog_->Create());
    PostReply(kRequestUserAuth, 0, false, {});
    EXPECT_TRUE(prompts_.messageBoxes.empty());
    EXPECT_TRUE(dialog_->IsOpen());
}

TEST_F(CUserLoginDialogTest, OtherResultErrorsShowCodeAndTextAndKeepTheDialogOpen)
{
    Connect();
    SimFault fault;
    fault.kind = SimFault::Kind::ErrorReply;
    fault.requestType = kRequestPassWd;
    fault.code = 0x4A2F;
    fault.text = "Busy";
    sim_->InjectFault(fault);
    LogIn("admin", "admin");
    WaitForBox();
    EXPECT_EQ(Box().text, "There was an error (4A2F) while logging in\n\nError Text: 'Busy'");
    EXPECT_TRUE(dialog_->IsOpen());
    EXPECT_FALSE(services_.connection.IsAuthenticated());
}

TEST_F(CUserLoginDialogTest, TimeOutsAreToldAndTheDialogStaysOpen)
{
    const struct {
        std::uint16_t type;
        const char* text;
    } cases[] = {
        {kRequestPassWd, "There was a communication timeout while\nlogging in.\n\nPlease try again."},
        {kRequestUserAuth, "** TIMEOUT **"},
    };
    for (const auto& c : cases) {
        prompts_.messageBoxes.clear();
        services_.status.messages.clear();
        app_->SendMessage(dialog_->Handle(), kTimeoutMessage, c.type, c.type);
        ASSERT_EQ(prompts_.messageBoxes.size(), 1u) << c.type;
        EXPECT_EQ(Box().text, c.text);
        EXPECT_EQ(Box().caption, "Communication Timeout");
        EXPECT_EQ(Box().icon, MessageBoxIcon::Error);
        EXPECT_NE(std::find(services_.status.messages.begin(), services_.status.messages.end(), "Timeout"),
            services_.status.messages.end());
        EXPECT_TRUE(dialog_->IsOpen());
    }
}

TEST_F(CUserLoginDialogTest, ThePasswordShowsAsBulletsAndTheFieldsKeepTheirLimits)
{
    const auto* name = dialog_->GetControlAs<EditControl>(res::kIdcLoginUserName);
    const auto* password = dialog_->GetControlAs<EditControl>(res::kIdcLoginPassword);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(password, nullptr);
    EXPECT_EQ(name->LimitText(), 23u);
    EXPECT_EQ(password->LimitText(), 19u);
    const auto& controls = dialog_->Layout().controls;
    const auto field = std::find_if(
        controls.begin(), controls.end(), [](const ControlTemplate& c) { return c.id == res::kIdcLoginPassword; });
    ASSERT_NE(field, controls.end());
    EXPECT_NE(field->style & control_style::kPassword, 0u);
}

}  // namespace
}  // namespace c_user_login_dialog_test
}  // namespace corvane::test
