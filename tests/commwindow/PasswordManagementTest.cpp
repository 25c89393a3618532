#include "EditorTestSupport.h"
#include "LaunchTestServices.h"
#include "TestOutput.h"

#include "commwindow/CConnectDialog.h"
#include "commwindow/CLaunchDoc.h"
#include "commwindow/CLaunchView.h"
#include "commwindow/CUserLoginDialog.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixLibrary.h"
#include "halvix/HalvixMessages.h"
#include "halvix/MessagePoster.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/CChangePasswordDialog.h"
#include "logger/CUserProperties.h"
#include "logger/CUserSelectionDialog.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SimulatedLogger.h"
#include "platform/ButtonControl.h"
#include "platform/ControlAutomation.h"
#include "platform/EditControl.h"
#include "platform/ListViewControl.h"
#include "res/LoggerUserIds.h"
#include "res/Pictures.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace corvane::test {
namespace password_management_test {
namespace {

constexpr std::uint32_t kMatchingFirmware = 0x01010000;
constexpr std::uint64_t kEveryRight = ~std::uint64_t{0};
constexpr std::uint64_t kViewer = 0x12000;  // program access and status
constexpr std::uint32_t kWaitLimitMs = 15000;

std::vector<std::uint8_t> StateBlock()
{
    std::vector<std::uint8_t> block(CLaunchView::kStateBlockSize);
    for (std::size_t i = 0; i < 4; ++i)
        block[44 + i] = static_cast<std::uint8_t>(kMatchingFirmware >> (8 * i));
    return block;
}

// Runs steps from inside whatever modal loop runs now, one per tick: a step
// that returns false is tried again on a later tick. A step may open a
// modal dialog; the steps after it then run inside that dialog's loop.
class ModalDriver final : public Window {
public:
    using Step = std::function<bool()>;

    void Then(Step step) { steps_.push_back(std::move(step)); }
    void Start() { PostMessage(kUserMessage); }
    bool Finished() const { return steps_.empty(); }

    std::intptr_t OnMessage(Message& message) override
    {
        if (message.id != kUserMessage || steps_.empty())
            return 0;
        Step step = std::move(steps_.front());
        steps_.pop_front();
        PostMessage(kUserMessage);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        if (++ticks_ > kWaitLimitMs / 2) {
            // A step that never comes true: end whatever is open.
            if (Dialog* open = control_automation::OpenModalDialog())
                open->EndDialog(kIdAbort);
            if (control_automation::OpenModalDialog() == nullptr) {
                ADD_FAILURE() << "step " << done_ << " of the script never came true";
                steps_.clear();
            } else {
                steps_.push_front(std::move(step));
            }
            return 0;
        }
        if (step()) {
            ticks_ = 0;
            ++done_;
        } else
            steps_.push_front(std::move(step));
        return 0;
    }

private:
    std::deque<Step> steps_;
    std::uint32_t ticks_ = 0;
    int done_ = 0;
};

template <class T> T* Open() { return dynamic_cast<T*>(control_automation::OpenModalDialog()); }

void Type(Dialog& dialog, int id, std::string_view text) { dialog.GetControlAs<EditControl>(id)->SetText(text); }
void ClickButton(Dialog& dialog, int id) { dialog.GetControlAs<ButtonControl>(id)->Click(); }
ListViewControl& List(Dialog& dialog, int id) { return *dialog.GetControlAs<ListViewControl>(id); }

std::vector<std::string> Rows(Dialog& dialog)
{
    std::vector<std::string> rows;
    ListViewControl& list = List(dialog, res::kIdcUserList);
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows.push_back(list.GetItemText(row, 0));
    return rows;
}

std::vector<std::string> Names(const LoggerState& state)
{
    std::vector<std::string> names;
    for (const auto& [name, user] : state.users)
        names.push_back(name);
    return names;
}

// The Communication Window connected to an in-process simulated logger
// over TCP, running the password commands.
class PasswordManagement : public EditorTest {
protected:
    PasswordManagement() : EditorTest(true)
    {
        res::RegisterPictures(App().Bitmaps());
        makeDocument = [this] { return std::make_unique<CLaunchDoc>(services); };
        makeView
            = [this](EditorEnvironment& environment) { return std::make_unique<CLaunchView>(environment, services); };
    }

    ~PasswordManagement() override
    {
        CxLoggerConnect(0);
        installation_.reset();
        library_.reset();
        if (sim_)
            sim_->Stop();
    }

    CLaunchView& Launch() { return static_cast<CLaunchView&>(View()); }
    CConnectionDetails& Connection() { return services.connection; }

    // Starts the logger with users (in this order), connects the window
    // and the link; the connection state is the caller's to set.
    void StartLogger(const std::vector<std::pair<std::string, LoggerUser>>& users, bool passwordsOn)
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = OutputFolder() / "password-management" / info->name();
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        LoggerState state = LoggerState::Fresh();
        state.users.clear();
        for (const auto& [name, user] : users)
            state.users[name] = user;
        state.passwordsOn = passwordsOn ? 1 : 0;
        state.fullAccess = users.empty() ? 1 : 0;
        ASSERT_FALSE(SaveLoggerState(folder_, state));
        SimulatorOptions options;
        options.stateFolder = folder_;
        sim_ = std::make_unique<SimulatedLogger>(options);
        ASSERT_TRUE(sim_->Start()) << sim_->StartError();

        // The window takes the connection first, while the library has no
        // link, so that its hardware query ends at once.
        library_ = std::make_unique<HalvixLibrary>(MakeApplicationPoster(App()));
        installation_ = std::make_unique<HalvixInstallation>(*library_);
        Launch().SetCommType(CLaunchView::kEthernet);
        Launch().CheckCommLibVersion(StateBlock());
        App().ProcessPending();
        Connection().SetConnectionName("Sim");
        ASSERT_TRUE(Launch().IsConnected());
        LinkUp();
    }

    void LinkUp()
    {
        ASSERT_EQ(CxInitHalvixLib(), kCxOk);
        ASSERT_EQ(CxSetMaxRetries(0), kCxOk);
        ASSERT_EQ(CxSetRetryTime(1000), kCxOk);
        ASSERT_EQ(CxSetNetworkServer("127.0.0.1", sim_->Port()), kCxOk);
        ASSERT_EQ(CxSetCommunicationType(kCommTypeNetwork), kCxOk);
        ASSERT_EQ(CxLoggerConnect(1), kCxOk) << library_->LastLinkError();
    }

    // A user logged in over the given link kind, with the rights given.
    void LoggedIn(std::string_view name, std::uint64_t rights, ConnectionKind kind = ConnectionKind::Usb)
    {
        Connection().SetConnectionKind(kind);
        Connection().SetFullAccessFlag(false);
        Connection().SetRightsLoaded(true);
        Connection().SetAuthenticated(true);
        Connection().SetLoginUserName(name);
        Connection().SetRightsLow(static_cast<std::uint32_t>(rights));
        Connection().SetRightsHigh(static_cast<std::uint32_t>(rights >> 32));
    }

    // Runs a command of the window with the script running inside it.
    void RunCommand(int command)
    {
        driver_.Start();
        EXPECT_TRUE(View().RouteCommand(command));
        EXPECT_TRUE(driver_.Finished()) << "the command ended before its script";
        EXPECT_EQ(control_automation::OpenModalDialog(), nullptr);
    }

    bool HasBox(std::string_view text)
    {
        for (const MessageBoxRequest& box : Prompts().messageBoxes)
            if (box.text == text)
                return true;
        return false;
    }
    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : Prompts().messageBoxes)
            texts.push_back(box.text);
        return texts;
    }
    std::size_t PassManRequests() const
    {
        std::size_t count = 0;
        for (std::uint16_t type : sim_->RequestTypes())
            count += type == kRequestPassMan ? 1 : 0;
        return count;
    }

    // The selection dialog once its listing has ended with count users.
    void OnSelection(std::size_t count, std::function<void(CUserSelectionDialog&)> action)
    {
        driver_.Then([count, action] {
            CUserSelectionDialog* dialog = Open<CUserSelectionDialog>();
            if (dialog == nullptr || dialog->GetMode() != CUserSelectionDialog::Mode::Idle
                || dialog->Users().Count() != count)
                return false;
            action(*dialog);
            return true;
        });
    }
    template <class T> void OnDialog(std::function<void(T&)> action)
    {
        driver_.Then([action] {
            T* dialog = Open<T>();
            if (dialog == nullptr)
                return false;
            action(*dialog);
            return true;
        });
    }
    void WaitForBox(std::string text)
    {
        driver_.Then([this, text] { return HasBox(text); });
    }

    // Logs in on the simulated logger through the login dialog.
    std::string LogIn(std::string_view name, std::string_view password)
    {
        Prompts().messageBoxes.clear();
        CUserLoginDialog login(Connection(), services.status);
        EXPECT_TRUE(login.Create());
        Type(login, res::kIdcLoginUserName, name);
        Type(login, res::kIdcLoginPassword, password);
        ClickButton(login, kIdOk);
        for (std::uint32_t waited = 0; Prompts().messageBoxes.empty() && waited < kWaitLimitMs; waited += 5)
            App().WaitMilliseconds(5);
        return Prompts().messageBoxes.empty() ? std::string() : Prompts().messageBoxes.back().text;
    }

    std::filesystem::path folder_;
    LaunchTestServices services;
    std::unique_ptr<SimulatedLogger> sim_;
    std::unique_ptr<HalvixLibrary> library_;
    std::unique_ptr<HalvixInstallation> installation_;
    ModalDriver driver_;
};

TEST_F(PasswordManagement, ALoggerWithoutUsersGetsItsTableAndTheFirstUserLogsInAfterTheReconnect)
{
    StartLogger({}, false);
    Connection().SetConnectionKind(ConnectionKind::Ethernet);
    Connection().SetFullAccessFlag(true);
    Connection().SetRightsLoaded(false);
    Prompts().messageBoxAnswers = {kIdYes};
    OnSelection(0, [this](CUserSelectionDialog& dialog) {
        EXPECT_TRUE(Connection().GetFullAccessFlag());
        EXPECT_FALSE(dialog.GetControl(res::kIdcDisablePasswords)->IsEnabled());
        EXPECT_TRUE(dialog.SaveImage(OutputFile("password-management-empty.png").string()));
        ClickButton(dialog, res::kIdcAddUser);
    });
    OnDialog<CUserProperties>([](CUserProperties& properties) {
        // The first user holds every right, none of which can be taken away.
        for (std::size_t row = 0; row < PermissionRows::kRowCount; ++row)
            EXPECT_EQ(List(properties, res::kIdcPermissionList).GetItemState(static_cast<int>(row)), 3) << row;
        EXPECT_TRUE(properties.SaveImage(OutputFile("user-properties-first-user.png").string()));
        Type(properties, res::kIdcUserName, "chief");
        Type(properties, res::kIdcUserPassword, "pw1");
        ClickButton(properties, kIdOk);
    });
    OnDialog<CConnectDialog>([](CConnectDialog& connect) { connect.EndDialog(kIdCancel); });
    RunCommand(CLaunchView::kPasswordManagementCommand);

    ASSERT_GE(Prompts().messageBoxes.size(), 3u);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Password management");
    EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::YesNo);
    EXPECT_EQ(Prompts().messageBoxes[1].caption, "Password Management");
    EXPECT_EQ(
        Prompts().messageBoxes[1].text.substr(0, 60), "A password management table will be created in the connected");
    EXPECT_EQ(Prompts().messageBoxes[2].text, "Re-connect to the logger to enable Password Management.");
    EXPECT_TRUE(services.passwordWarningAccepted);

    // Operation 1 for index 0, then passwords on.
    const LoggerState state = sim_->State();
    ASSERT_EQ(Names(state), std::vector<std::string>{"chief"});
    EXPECT_EQ(state.users.at("chief").rights, 0xBFFFA038ull);
    EXPECT_EQ(state.passwordsOn, 1);
    EXPECT_FALSE(Launch().IsConnected());
    EXPECT_FALSE(Connection().IsConnected());

    // The login that the reconnect leads to: the logger checks the digest.
    Launch().CheckCommLibVersion(StateBlock());
    App().ProcessPending();
    LinkUp();
    Connection().SetRightsLoaded(true);
    EXPECT_EQ(LogIn("chief", "wrong"), "Unable to authenticate user\n\nLogin Unsuccessful");
    EXPECT_EQ(LogIn("chief", "pw1"), "Successfully Logged In");

    // The warning is asked once a run: the list now opens at once.
    Prompts().messageBoxes.clear();
    OnSelection(1, [](CUserSelectionDialog& dialog) {
        EXPECT_EQ(Rows(dialog), std::vector<std::string>{"chief"});
        EXPECT_TRUE(dialog.GetControl(res::kIdcDisablePasswords)->IsEnabled());
        ClickButton(dialog, kIdOk);
    });
    RunCommand(CLaunchView::kPasswordManagementCommand);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(PasswordManagement, UsersAreListedAddedCopiedEditedAndDeletedWithinTheRules)
{
    StartLogger({{"admin", {"admin", kEveryRight, true}}, {"amy", {"a1", kViewer, true}}}, true);
    LoggedIn("admin", kEveryRight);
    std::size_t requestsBeforeUnchangedEdit = 0;

    OnSelection(2, [](CUserSelectionDialog& dialog) {
        EXPECT_EQ(Rows(dialog), (std::vector<std::string>{"admin", "amy"}));
        EXPECT_TRUE(dialog.SaveImage(OutputFile("password-management-users.png").string()));
        ClickButton(dialog, res::kIdcAddUser);
    });
    OnDialog<CUserProperties>([](CUserProperties& properties) {
        EXPECT_EQ(List(properties, res::kIdcPermissionList).GetItemState(PermissionRows::kProgramAccessRow), 2);
        Type(properties, res::kIdcUserName, "bob");
        Type(properties, res::kIdcUserPassword, "b1");
        ClickButton(properties, kIdOk);
    });
    // A second "bob": the logger refuses, the dialog stays open.
    OnSelection(3, [](CUserSelectionDialog& dialog) { ClickButton(dialog, res::kIdcAddUser); });
    OnDialog<CUserProperties>([](CUserProperties& properties) {
        Type(properties, res::kIdcUserName, "bob");
        Type(properties, res::kIdcUserPassword, "x");
        ClickButton(properties, kIdOk);
    });
    WaitForBox("Unable to add user.\n\nThere is already a user of that name");
    OnDialog<CUserProperties>([](CUserProperties& properties) {
        EXPECT_TRUE(properties.IsOpen());
        properties.EndDialog(kIdCancel);
    });
    // Copy bob as carl: bob's rights, an empty name and password.
    OnSelection(3, [](CUserSelectionDialog& dialog) {
        List(dialog, res::kIdcUserList).SetItemSelected(2);
        ClickButton(dialog, res::kIdcCopyUser);
    });
    OnDialog<CUserProperties>([](CUserProperties& properties) {
        EXPECT_EQ(properties.GetControl(res::kIdcUserName)->GetText(), "");
        Type(properties, res::kIdcUserName, "carl");
        Type(properties, res::kIdcUserPassword, "c1");
        ClickButton(properties, kIdOk);
    });
    // Editing without a change sends nothing.
    OnSelection(4, [&](CUserSelectionDialog& dialog) {
        EXPECT_EQ(sim_->State().users.at("carl").rights, 0x10000u);
        requestsBeforeUnchangedEdit = PassManRequests();
        List(dialog, res::kIdcUserList).SetItemSelected(3);
        ClickButton(dialog, res::kIdcEditUser);
    });
    OnDialog<CUserProperties>([this](CUserProperties& properties) {
        ClickButton(properties, kIdHelp);
        EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{131549});
        ClickButton(properties, kIdOk);
        EXPECT_FALSE(properties.IsOpen());
        EXPECT_EQ(properties.EndCode(), kIdCancel);
    });
    OnSelection(4, [&](CUserSelectionDialog& dialog) {
        EXPECT_EQ(PassManRequests(), requestsBeforeUnchangedEdit);
        List(dialog, res::kIdcUserList).SetItemSelected(3);
        ClickButton(dialog, res::kIdcEditUser);
    });
    // "Net Program Upload" fixes "Memory Clear" and "Logger Enable/Stop".
    OnDialog<CUserProperties>([](CUserProperties& properties) {
        ListViewControl& permissions = List(properties, res::kIdcPermissionList);
        EXPECT_TRUE(control_automation::ClickItemImage(permissions, 6));
        EXPECT_EQ(permissions.GetItemState(6), 2);
        EXPECT_EQ(permissions.GetItemState(9), 3);
        EXPECT_EQ(permissions.GetItemState(10), 3);
        EXPECT_TRUE(control_automation::ClickItemImage(permissions, 9));
        EXPECT_EQ(permissions.GetItemState(9), 3) << "a fixed row does not change";
        EXPECT_TRUE(properties.SaveImage(OutputFile("user-properties-fixed-rows.png").string()));
        ClickButton(properties, kIdOk);
    });
    // Without "Password Management" users cannot change their own permissions.
    OnSelection(4, [this](CUserSelectionDialog& dialog) {
        EXPECT_EQ(sim_->State().users.at("carl").rights, 0x1310000u);
        Connection().SetLoginUserName("carl");
        List(dialog, res::kIdcUserList).SetItemSelected(3);
        ClickButton(dialog, res::kIdcEditUser);
    });
    OnDialog<CUserProperties>([this](CUserProperties& properties) {
        ListViewControl& permissions = List(properties, res::kIdcPermissionList);
        EXPECT_TRUE(control_automation::ClickItemImage(permissions, 2));
        EXPECT_EQ(permissions.GetItemState(2), 1);
        EXPECT_EQ(Prompts().messageBoxes.back().text, "Users cannot modify their own permissions");
        Prompts().messageBoxes.pop_back();
        Connection().SetLoginUserName("admin");
        properties.EndDialog(kIdCancel);
    });
    // The logged-in user and the last administrator cannot be deleted.
    OnSelection(4, [this](CUserSelectionDialog& dialog) {
        List(dialog, res::kIdcUserList).SetItemSelected(0);
        ClickButton(dialog, res::kIdcDeleteUser);
        Connection().SetLoginUserName("amy");
        ClickButton(dialog, res::kIdcDeleteUser);
        Connection().SetLoginUserName("admin");
        Prompts().messageBoxAnswers = {kIdYes};
        List(dialog, res::kIdcUserList).SetItemSelected(3);
        ClickButton(dialog, res::kIdcDeleteUser);
    });
    OnSelection(3, [](CUserSelectionDialog& dialog) {
        EXPECT_EQ(Rows(dialog), (std::vector<std::string>{"admin", "amy", "bob"}));
        ClickButton(dialog, kIdOk);
    });
    RunCommand(CLaunchView::kPasswordManagementCommand);

    const LoggerState state = sim_->State();
    EXPECT_EQ(Names(state), (std::vector<std::string>{"admin", "amy", "bob"}));
    EXPECT_EQ(state.users.at("bob").password, "b1");
    EXPECT_EQ(state.users.at("bob").rights, 0x10000u);
    EXPECT_EQ(BoxTexts(),
        (std::vector<std::string>{
            "Unable to add user.\n\nThere is already a user of that name",
            "Deleting the currently logged in user is\nnot permitted while other users are\ndefined.\n\nOperation "
            "Aborted...",
            "Deleting the last remaining administrator is\nnot permitted while other users are\ndefined.\n\n"
            "Operation Aborted...",
            "Are you sure you want to permanently delete\nuser 'carl' ?",
        }));
}

TEST_F(PasswordManagement, With101UsersAddIsRefusedAndCopyLeavesItToTheLogger)
{
    std::vector<std::pair<std::string, LoggerUser>> users{{"admin", {"admin", kEveryRight, true}}};
    for (int i = 1; i < 101; ++i)
        users.push_back({"user" + std::to_string(i), {"p", kViewer, true}});
    StartLogger(users, true);
    LoggedIn("admin", kEveryRight);
    OnSelection(101, [](CUserSelectionDialog& dialog) {
        ClickButton(dialog, res::kIdcAddUser);
        EXPECT_EQ(Open<CUserProperties>(), nullptr);
        List(dialog, res::kIdcUserList).SetItemSelected(1);
        ClickButton(dialog, res::kIdcCopyUser);
    });
    OnDialog<CUserProperties>([](CUserProperties& properties) {
        Type(properties, res::kIdcUserName, "extra");
        Type(properties, res::kIdcUserPassword, "p");
        ClickButton(properties, kIdOk);
    });
    WaitForBox("There was an error (4112) adding this user\n\nError Text: 'The user table is full'");
    OnDialog<CUserProperties>([](CUserProperties& properties) { properties.EndDialog(kIdCancel); });
    OnSelection(101, [](CUserSelectionDialog& dialog) { ClickButton(dialog, kIdOk); });
    // Opened from the picture's padlock.
    Environment().pictureActions = &Launch();
    driver_.Start();
    DoubleClick({533, 183});
    for (std::uint32_t waited = 0; !driver_.Finished() && waited < 3 * kWaitLimitMs; waited += 5)
        App().WaitMilliseconds(5);
    EXPECT_TRUE(driver_.Finished());
    ASSERT_FALSE(Prompts().messageBoxes.empty());
    EXPECT_EQ(Prompts().messageBoxes[0].text,
        "The Maximum number of users has been reached.\n\nYou cannot add more users to the system.");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Add User");
    EXPECT_EQ(sim_->State().users.size(), 101u);
}

TEST_F(PasswordManagement, DisablingPasswordsClosesAndClearsTheRightsAndEnablingReconnects)
{
    StartLogger({{"admin", {"admin", kEveryRight, true}}, {"amy", {"a1", kViewer, true}}}, true);
    LoggedIn("admin", kEveryRight);
    Connection().SetLoggerEnabled(true);
    OnSelection(2, [this](CUserSelectionDialog& dialog) {
        Prompts().messageBoxAnswers = {kIdYes};
        ClickButton(dialog, res::kIdcDisablePasswords);
        EXPECT_EQ(Prompts().messageBoxes.back().caption, "Unable to Disable Passwords");
        Connection().SetLoggerEnabled(false);
        Prompts().messageBoxAnswers = {kIdYes};
        ClickButton(dialog, res::kIdcDisablePasswords);
        EXPECT_FALSE(dialog.GetControl(res::kIdcAddUser)->IsEnabled());
    });
    RunCommand(CLaunchView::kPasswordManagementCommand);
    EXPECT_FALSE(Connection().IsRightsLoaded());
    EXPECT_FALSE(Connection().IsAuthenticated());
    EXPECT_EQ(sim_->State().passwordsOn, 0);

    // Passwords back on: the logger's answer reconnects, so that the user logs in.
    Prompts().messageBoxes.clear();
    Prompts().messageBoxAnswers = {kIdYes};
    RunCommand(CLaunchView::kPasswordManagementCommand);
    EXPECT_EQ(Prompts().messageBoxes.at(0).caption, "Enable Passwords");
    for (std::uint32_t waited = 0; Launch().PasswordsBeingEnabled() && waited < kWaitLimitMs; waited += 5)
        App().WaitMilliseconds(5);
    App().ProcessPending();
    EXPECT_FALSE(Launch().PasswordsBeingEnabled());
    EXPECT_TRUE(Connection().IsRightsLoaded());
    EXPECT_FALSE(Launch().IsConnected());
    EXPECT_EQ(sim_->State().passwordsOn, 1);
}

TEST_F(PasswordManagement, ARefusalToEnablePasswordsIsShownAndTheUserLogsInAnewAllTheSame)
{
    // Without a user holding "Password Management" the logger refuses.
    StartLogger({{"amy", {"a1", kViewer, true}}}, false);
    Connection().SetConnectionKind(ConnectionKind::Usb);
    Connection().SetFullAccessFlag(false);
    Connection().SetRightsLoaded(false);
    Prompts().messageBoxAnswers = {kIdYes};
    RunCommand(CLaunchView::kPasswordManagementCommand);
    EXPECT_TRUE(Launch().PasswordsBeingEnabled());
    for (std::uint32_t waited = 0; Launch().PasswordsBeingEnabled() && waited < kWaitLimitMs; waited += 5)
        App().WaitMilliseconds(5);
    App().ProcessPending();
    ASSERT_EQ(Prompts().messageBoxes.size(), 2u);
    EXPECT_EQ(Prompts().messageBoxes[0].text,
        "Passwords are currently disabled.\n\nWould you like to enable them?\n\nYou will be required to log in once "
        "enabled.");
    EXPECT_EQ(Prompts().messageBoxes[1].text,
        "A problem (Error code 16660) was encountered while enabling passwords\n\nError Text: 'No user may manage "
        "passwords'");
    EXPECT_EQ(Prompts().messageBoxes[1].caption, "Enable Passwords");
    EXPECT_TRUE(Connection().IsRightsLoaded());
    EXPECT_FALSE(Launch().IsConnected());
    EXPECT_EQ(sim_->State().passwordsOn, 0);
}

TEST_F(PasswordManagement, ChangePasswordNeedsALoginAndAStoppedLoggerAndTheRightCurrentPassword)
{
    StartLogger({{"admin", {"admin", kEveryRight, true}}, {"amy", {"a1", kViewer, true}}}, true);
    Connection().SetConnectionKind(ConnectionKind::Usb);
    Connection().SetRightsLoaded(true);
    RunCommand(CLaunchView::kChangePasswordCommand);
    ASSERT_EQ(BoxTexts(), std::vector<std::string>{"You must log in before changing passwords"});

    LoggedIn("amy", kViewer);
    Connection().SetLoggerEnabled(true);
    Prompts().messageBoxes.clear();
    RunCommand(CLaunchView::kChangePasswordCommand);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Unable to Change Password");

    // Without Password Management, the command leads here too.
    Connection().SetLoggerEnabled(false);
    Prompts().messageBoxes.clear();
    OnDialog<CChangePasswordDialog>([](CChangePasswordDialog& dialog) {
        EXPECT_TRUE(dialog.SaveImage(OutputFile("change-password.png").string()));
        Type(dialog, res::kIdcCurrentPassword, "wrong");
        Type(dialog, res::kIdcNewPassword, "n1");
        Type(dialog, res::kIdcConfirmPassword, "N1");
        ClickButton(dialog, kIdOk);
        Type(dialog, res::kIdcConfirmPassword, "n1");
        ClickButton(dialog, kIdOk);
    });
    WaitForBox("Password Change Unsuccessful\n\nReenter Current Password and try again.\n\n");
    OnDialog<CChangePasswordDialog>([](CChangePasswordDialog& dialog) {
        EXPECT_FALSE(dialog.IsPending());
        Type(dialog, res::kIdcCurrentPassword, "a1");
        ClickButton(dialog, kIdOk);
    });
    RunCommand(CLaunchView::kPasswordManagementCommand);
    EXPECT_EQ(BoxTexts(),
        (std::vector<std::string>{
            "The new password and confirmation password\ndo not match.\n\nPlease correct this before retrying.",
            "Password Change Unsuccessful\n\nReenter Current Password and try again.\n\n",
            "Password Change Successful"}));
    EXPECT_EQ(sim_->State().users.at("amy").password, "n1");
    EXPECT_EQ(LogIn("amy", "a1"), "Unable to authenticate user\n\nLogin Unsuccessful");
    EXPECT_EQ(LogIn("amy", "n1"), "Successfully Logged In");
}

TEST_F(PasswordManagement, DeletingTheOnlyUserLeavesTheWindowDisconnected)
{
    StartLogger({{"solo", {"s1", kEveryRight, true}}}, true);
    LoggedIn("solo", kEveryRight);
    OnSelection(1, [this](CUserSelectionDialog& dialog) {
        EXPECT_TRUE(dialog.IsLastAdministrator(0));
        EXPECT_EQ(dialog.CheckDeleteAllowed(0), LoggerUserTable::kDeleteAllowed);
        Prompts().messageBoxAnswers = {kIdYes};
        List(dialog, res::kIdcUserList).SetItemSelected(0);
        ClickButton(dialog, res::kIdcDeleteUser);
    });
    OnSelection(0, [](CUserSelectionDialog& dialog) {
        EXPECT_FALSE(dialog.GetControl(res::kIdcDisablePasswords)->IsEnabled());
        ClickButton(dialog, kIdOk);
    });
    RunCommand(CLaunchView::kPasswordManagementCommand);
    EXPECT_FALSE(Launch().IsConnected());
    EXPECT_FALSE(Connection().IsConnected());
    EXPECT_EQ(Connection().GetConnectionName(), "");
    EXPECT_FALSE(Connection().IsRightsLoaded());
    EXPECT_FALSE(Connection().IsAuthenticated());
    EXPECT_TRUE(Connection().GetFullAccessFlag());
    const LoggerState state = sim_->State();
    EXPECT_TRUE(state.users.empty());
    EXPECT_EQ(state.passwordsOn, 0);
}

TEST_F(PasswordManagement, UnansweredRequestsShowTheirTimeOutTexts)
{
    StartLogger({{"admin", {"admin", kEveryRight, true}}, {"amy", {"a1", kViewer, true}}}, true);
    ASSERT_EQ(CxSetRetryTime(200), kCxOk);
    LoggedIn("admin", kEveryRight);
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestPassMan, 0, 0, {}, 1});
    WaitForBox("Timeout received while requesting User List.\n\nCheck Logger Connection");
    OnDialog<CUserSelectionDialog>([](CUserSelectionDialog& dialog) {
        EXPECT_EQ(dialog.GetMode(), CUserSelectionDialog::Mode::Idle);
        dialog.EndDialog(kIdCancel);
    });
    RunCommand(CLaunchView::kPasswordManagementCommand);

    // Adding and changing a user.
    OnSelection(2, [this](CUserSelectionDialog& dialog) {
        sim_->InjectFault({SimFault::Kind::NoReply, kRequestPassMan, 0, 0, {}, 2});
        ClickButton(dialog, res::kIdcAddUser);
    });
    OnDialog<CUserProperties>([](CUserProperties& properties) {
        Type(properties, res::kIdcUserName, "bob");
        Type(properties, res::kIdcUserPassword, "b1");
        ClickButton(properties, kIdOk);
    });
    WaitForBox("There was a communication timeout error\nwhile attempting to modify the add the user");
    OnDialog<CUserProperties>([this](CUserProperties& properties) {
        EXPECT_EQ(properties.Result(), CUserProperties::kResultTimedOut);
        properties.EndDialog(kIdCancel);
        // Other time-outs of the dialog.
        CUserProperties alone(Connection(), services.status, CUserProperties::Mode::Add, 3, {}, nullptr);
        ASSERT_TRUE(alone.Create());
        App().SendMessage(alone.Handle(), kTimeoutMessage, kRequestPassWd);
        App().SendMessage(alone.Handle(), kTimeoutMessage, kRequestPassMan);
        App().SendMessage(alone.Handle(), kTimeoutMessage, kRequestPing);
    });
    OnSelection(2, [](CUserSelectionDialog& dialog) {
        List(dialog, res::kIdcUserList).SetItemSelected(1);
        ClickButton(dialog, res::kIdcEditUser);
    });
    OnDialog<CUserProperties>([](CUserProperties& properties) {
        Type(properties, res::kIdcUserPassword, "a2");
        ClickButton(properties, kIdOk);
    });
    WaitForBox("There was a communication timeout error\nwhile attempting to modify the user information");
    OnDialog<CUserProperties>([](CUserProperties& properties) { properties.EndDialog(kIdCancel); });
    OnSelection(2, [this](CUserSelectionDialog& dialog) {
        // A deletion that goes unanswered shows nothing, but the dialog stops waiting.
        sim_->InjectFault({SimFault::Kind::NoReply, kRequestPassMan, 0, 0, {}, 1});
        Prompts().messageBoxAnswers = {kIdYes};
        List(dialog, res::kIdcUserList).SetItemSelected(1);
        ClickButton(dialog, res::kIdcDeleteUser);
        EXPECT_EQ(dialog.GetMode(), CUserSelectionDialog::Mode::Deleting);
    });
    OnSelection(2, [this](CUserSelectionDialog& dialog) {
        App().SendMessage(dialog.Handle(), kTimeoutMessage, 12);
        App().SendMessage(dialog.Handle(), kTimeoutMessage, kRequestPing);
        ClickButton(dialog, kIdOk);
    });
    RunCommand(CLaunchView::kPasswordManagementCommand);

    // The password change.
    LoggedIn("amy", kViewer);
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestPassWd, 0, 0, {}, 1});
    OnDialog<CChangePasswordDialog>([](CChangePasswordDialog& dialog) {
        Type(dialog, res::kIdcCurrentPassword, "a1");
        Type(dialog, res::kIdcNewPassword, "n1");
        Type(dialog, res::kIdcConfirmPassword, "n1");
        ClickButton(dialog, kIdOk);
    });
    WaitForBox("There was a communication timeout while\nrequesting the password change.\n\nPlease try again.");
    OnDialog<CChangePasswordDialog>([](CChangePasswordDialog& dialog) {
        EXPECT_FALSE(dialog.IsPending());
        EXPECT_TRUE(dialog.IsOpen());
        dialog.EndDialog(kIdCancel);
    });
    RunCommand(CLaunchView::kChangePasswordCommand);

    // Switching passwords on from the window.
    Connection().SetRightsLoaded(false);
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestPassMan, 0, 0, {}, 1});
    Prompts().messageBoxAnswers = {kIdYes};
    RunCommand(CLaunchView::kPasswordManagementCommand);
    EXPECT_TRUE(Launch().PasswordsBeingEnabled());
    for (std::uint32_t waited = 0; !HasBox("*** Timeout ***\n\nMessageType : 5") && waited < kWaitLimitMs; waited += 5)
        App().WaitMilliseconds(5);
    EXPECT_FALSE(Launch().PasswordsBeingEnabled());
    App().SendMessage(View().Handle(), kTimeoutMessage, 12);

    for (const char* text : {
             "Timeout received while requesting User List.\n\nCheck Logger Connection",
             "There was a communication timeout error\nwhile attempting to modify the add the user",
             "There was a communication timeout while\nattempting to login after adding the user.",
             "A communication timeout was detected",
             "** TIMEOUT **",
             "There was a communication timeout error\nwhile attempting to modify the user information",
             "There was a communication timeout while\nrequesting the password change.\n\nPlease try again.",
             "*** Timeout ***\n\nMessageType : 5",
             "A timeout was encountered while enabling passwords",
         })
        EXPECT_TRUE(HasBox(text)) << text;
}

}  // namespace
}  // namespace password_management_test
}  // namespace corvane::test
