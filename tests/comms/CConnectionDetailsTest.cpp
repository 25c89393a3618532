#include "comms/CConnectionDetails.h"

#include "CommsFakes.h"
#include "comms/MainFrameMessages.h"
#include "comms/UserPermissionTable.h"

#include <gtest/gtest.h>

#include <bit>
#include <set>
#include <vector>

namespace corvane {
namespace c_connection_details_test {
namespace {

using test::FixedCommsSettings;
using test::RecordingMainFrame;

class CConnectionDetailsTest : public ::testing::Test {
protected:
    enum class User { PasswordsOff, PasswordsOffFullAccess, NobodyLoggedIn, LoggedIn };

    void Become(User user, std::uint32_t low = 0, std::uint32_t high = 0)
    {
        details_.SetFullAccessFlag(user == User::PasswordsOffFullAccess);
        details_.SetRightsLoaded(user == User::NobodyLoggedIn || user == User::LoggedIn);
        details_.SetAuthenticated(user == User::LoggedIn);
        details_.SetRightsLow(low);
        details_.SetRightsHigh(high);
    }

    // The listed request codes that the current user may send.
    std::set<std::uint32_t> AllowedListedCodes() const
    {
        std::set<std::uint32_t> allowed;
        for (const RequestRights& row : kRequestRightsTable) {
            if (row.code != kUnlistedRequestCode && details_.IsRequestAllowed(static_cast<std::uint16_t>(row.code)))
                allowed.insert(row.code);
        }
        return allowed;
    }

    std::set<std::uint32_t> ListedCodesExcept(std::set<std::uint32_t> refused) const
    {
        std::set<std::uint32_t> codes;
        for (const RequestRights& row : kRequestRightsTable) {
            if (row.code != kUnlistedRequestCode && !refused.contains(row.code))
                codes.insert(row.code);
        }
        return codes;
    }

    RecordingMainFrame mainFrame_;
    FixedCommsSettings settings_;
    CConnectionDetails details_{mainFrame_, settings_};
};

constexpr std::uint32_t kBit(unsigned bit) { return std::uint32_t{1} << bit; }

TEST_F(CConnectionDetailsTest, RequestRightsFollowTheUserState)
{
    struct Case {
        const char* what;
        User user;
        std::uint32_t low;
        std::uint32_t high;
        std::uint16_t code;
        bool allowed;
    };
    const Case cases[] = {
        {"passwords off: user management needs full access", User::PasswordsOff, 0, 0, 5, false},
        {"passwords off: every right but bit 31", User::PasswordsOff, 0, 0, 4, true},
        {"passwords off: bit 62 is held", User::PasswordsOff, 0, 0, 4086, true},
        {"passwords off with full access", User::PasswordsOffFullAccess, 0, 0, 5, true},
        {"logged in holding only bit 62", User::LoggedIn, 0, kBit(30), 4086, true},
        {"logged in holding only bit 31", User::LoggedIn, kBit(31), 0, 4086, true},
        {"bit 62 is not user management", User::LoggedIn, 0, kBit(30), 5, false},
        {"one of several bits is enough", User::LoggedIn, kBit(16), 0, 70, true},
        {"a bit the request does not name", User::LoggedIn, kBit(16), 0, 71, false},
        {"a request needing all bits takes any one", User::LoggedIn, kBit(3), 0, 4064, true},
        {"a request needing nothing", User::LoggedIn, 0, 0, 130, true},
        {"an unlisted code with nobody logged in", User::NobodyLoggedIn, 0, 0, 1, true},
        {"an unlisted code near a listed one", User::NobodyLoggedIn, 0, 0, 4072, true},
        {"nobody logged in: ping", User::NobodyLoggedIn, 0, 0, 4064, false},
        {"rights words without a login count for nothing", User::NobodyLoggedIn, 0xFFFFFFFFu, 0xFFFFFFFFu, 0, false},
    };
    for (const Case& c : cases) {
        Become(c.user, c.low, c.high);
        EXPECT_EQ(details_.IsRequestAllowed(c.code), c.allowed) << c.what << " (request " << c.code << ")";
    }
}

TEST_F(CConnectionDetailsTest, WithPasswordsOffOnlyUserManagementNeedsFullAccess)
{
    Become(User::PasswordsOff);
    EXPECT_EQ(AllowedListedCodes(), ListedCodesExcept({5}));
    Become(User::PasswordsOffFullAccess);
    EXPECT_EQ(AllowedListedCodes(), ListedCodesExcept({}));
}

TEST_F(CConnectionDetailsTest, WithNobodyLoggedInOnlyRequestsNeedingNothingPass)
{
    Become(User::NobodyLoggedIn);
    EXPECT_EQ(AllowedListedCodes(), (std::set<std::uint32_t>{7, 28, 64, 65, 66, 67, 130, 4066, 4067, 4068}));
}

TEST_F(CConnectionDetailsTest, ProgramAccessAloneReachesTheRequestsThatNameIt)
{
    // Bit 16: "Corvane Access", the right every new user gets.
    Become(User::LoggedIn, kBit(16));
    std::set<std::uint32_t> expected{0, 10, 11, 70, 7, 28, 64, 65, 66, 67, 130, 4066, 4067, 4068};
    for (std::uint32_t code : {4u, 9u, 26u, 29u, 31u, 4064u, 4065u, 4079u, 4080u, 4081u, 4082u})
        expected.insert(code);  // requests any right opens
    EXPECT_EQ(AllowedListedCodes(), expected);
}

TEST_F(CConnectionDetailsTest, EveryRequestCodeIsListedOnce)
{
    std::set<std::uint32_t> codes;
    for (const RequestRights& row : kRequestRightsTable)
        EXPECT_TRUE(codes.insert(row.code).second) << "request " << row.code << " listed twice";
    EXPECT_EQ(kRequestRightsTable.back().code, kUnlistedRequestCode);
    EXPECT_EQ(kRequestRightsTable.back().required, RightsMask{});
    EXPECT_EQ(&CConnectionDetails::LookupRequestRights(9999), &kRequestRightsTable.back());
}

TEST_F(CConnectionDetailsTest, HasRightsUsesTheSameUserMask)
{
    Become(User::PasswordsOff);
    EXPECT_FALSE(details_.HasRights(kBit(31), 0));
    EXPECT_TRUE(details_.HasRights(kBit(31) | kBit(13), 0));
    EXPECT_TRUE(details_.HasRights(0, kBit(0)));
    EXPECT_FALSE(details_.HasRights(0, 0)) << "naming no bit grants nothing";
    Become(User::LoggedIn, kBit(15), 0);
    EXPECT_TRUE(details_.HasRights(kBit(15), 0));
    EXPECT_FALSE(details_.HasRights(kBit(17), 0));
}

TEST_F(CConnectionDetailsTest, DisconnectingKeepsTheRightsButNotTheLogin)
{
    Become(User::LoggedIn, kBit(13), kBit(2));
    details_.SetLoginUserName("alice");
    details_.SetConnected(true);
    details_.SetFirmwareVersion(0x00050102);

    details_.SetConnected(false);
    EXPECT_FALSE(details_.IsConnected());
    EXPECT_EQ(details_.GetFirmwareVersion(), 0u);
    EXPECT_EQ(details_.GetLoginUserName(), "");
    EXPECT_FALSE(details_.IsAuthenticated());
    EXPECT_EQ(details_.GetRightsLow(), kBit(13));
    EXPECT_EQ(details_.GetRightsHigh(), kBit(2));
    EXPECT_EQ(details_.UserMask(), RightsMask{}) << "rights are enforced and nobody is logged in";
    EXPECT_FALSE(details_.IsRequestAllowed(0));
}

TEST_F(CConnectionDetailsTest, LoggingOutForgetsTheUserAndTheRights)
{
    Become(User::LoggedIn, kBit(13), kBit(2));
    details_.SetLoginUserName("alice");
    details_.SetAuthenticated(false);
    EXPECT_EQ(details_.GetLoginUserName(), "");
    EXPECT_EQ(details_.GetRightsLow(), 0u);
    EXPECT_EQ(details_.GetRightsHigh(), 0u);
}

TEST_F(CConnectionDetailsTest, PolledConfigWordNeedsAValueOfExactly102Bytes)
{
    for (std::size_t length : {0u, 101u, 102u, 103u}) {
        std::vector<std::uint8_t> value(length, 0xEE);
        if (length > 101) {
            value[100] = 0x34;
            value[101] = 0x12;
        }
        details_.StorePolledConfigWord(std::vector<std::uint8_t>(102, 0x77));  // an earlier value
        details_.StorePolledConfigWord(value);
        EXPECT_EQ(details_.GetPolledConfigWord(), length == 102 ? 0x1234u : 0u) << length << " bytes";
    }
}

TEST_F(CConnectionDetailsTest, MessageTimeoutIsReadOnceFromTheSettings)
{
    settings_.retryTime = 1234;
    EXPECT_EQ(details_.GetMessageTimeout(), 1234u);
    settings_.retryTime = 999;
    EXPECT_EQ(details_.GetMessageTimeout(), 1234u);
}

TEST_F(CConnectionDetailsTest, LoggerRunAndCardStateReachTheMainFrame)
{
    details_.SetLoggerEnabled(true);
    EXPECT_TRUE(details_.IsLoggerEnabled());
    details_.NotifyCardPresent(false);
    EXPECT_TRUE(details_.IsLoggerEnabled()) << "the card state is not stored";
    details_.SetLoggerEnabled(false);
    EXPECT_FALSE(details_.IsLoggerEnabled());

    const auto posts = mainFrame_.Posts();
    ASSERT_EQ(posts.size(), 3u);
    EXPECT_EQ(posts[0].id, kLoggerEnabledChangedMessage);
    EXPECT_EQ(posts[0].wParam, 1u);
    EXPECT_EQ(posts[1].id, kCardStateChangedMessage);
    EXPECT_EQ(posts[1].wParam, 0u);
    EXPECT_EQ(posts[2].id, kLoggerEnabledChangedMessage);
    EXPECT_EQ(posts[2].wParam, 0u);
}

// The main window derives its title and connection pane from this record,
// so each change is posted and closing the connection drops the title.
TEST_F(CConnectionDetailsTest, ConnectionChangesReachTheMainFrameAndClosingDropsTheTitle)
{
    const auto changes = [&] {
        std::vector<std::uintptr_t> connected;
        for (const auto& post : mainFrame_.Posts())
            if (post.id == kConnectionChangedMessage)
                connected.push_back(post.wParam);
        return connected;
    };
    details_.SetTitleText("Logger Name: North - ID: 7");
    details_.SetConnected(true);
    details_.SetConnectionName("North");
    details_.SetConnectionName("North");  // unchanged: nothing posted
    EXPECT_EQ(changes(), (std::vector<std::uintptr_t>{0, 1, 1}));
    details_.SetConnected(false);
    EXPECT_EQ(details_.GetTitleText(), "");
    EXPECT_EQ(details_.GetConnectionName(), "North") << "the Communication Window forgets the name";
    details_.SetConnected(false);
    EXPECT_EQ(changes(), (std::vector<std::uintptr_t>{0, 1, 1, 0}));
}

TEST_F(CConnectionDetailsTest, LoggerIdBytesAreCutOrZeroFilledTo14)
{
    const std::vector<std::uint8_t> longer(20, 0xAB);
    details_.SetLoggerIdBytes(longer);
    EXPECT_EQ(details_.GetLoggerIdBytes(),
        (std::array<std::uint8_t, 14>{
            0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB}));
    const std::vector<std::uint8_t> shorter{1, 2, 3};
    details_.SetLoggerIdBytes(shorter);
    EXPECT_EQ(details_.GetLoggerIdBytes(), (std::array<std::uint8_t, 14>{1, 2, 3}));
}

TEST(UserPermissionTableTest, EachPermissionIsOneDistinctRight)
{
    std::uint32_t seen = 0;
    for (const UserPermission& permission : kUserPermissionTable) {
        EXPECT_EQ(permission.bits.high, 0u) << permission.name;
        EXPECT_EQ(std::popcount(permission.bits.low), 1) << permission.name;
        EXPECT_EQ(seen & permission.bits.low, 0u) << permission.name << " repeats a right";
        seen |= permission.bits.low;
    }
    // The user dialogs address these rows by number.
    EXPECT_EQ(kUserPermissionTable[0].bits.low, kBit(31));
    EXPECT_EQ(kUserPermissionTable[14].name, "Corvane Access");
    EXPECT_EQ(kUserPermissionTable[14].bits.low, kBit(16));
}

}  // namespace
}  // namespace c_connection_details_test
}  // namespace corvane
