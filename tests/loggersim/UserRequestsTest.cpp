#include "loggersim/UserRequests.h"

#include "halvix/protocol/RequestTypes.h"
#include "halvix/protocol/UserAuthLayout.h"
#include "halvix/protocol/UserRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace user_requests_test {
namespace {

constexpr std::int64_t kHostTime = 1700000000;
constexpr std::uint64_t kAdministrator = 0xBFFFA038ull;
constexpr std::uint64_t kViewer = 0x2000ull;

Frame Request(std::uint16_t type, std::vector<std::uint8_t> payload)
{
    Frame frame;
    frame.kind = FrameKind::Request;
    frame.requestType = type;
    frame.requestId = 9;
    frame.payload = std::move(payload);
    return frame;
}

std::vector<std::uint8_t> PassMan(std::uint8_t operation, std::uint8_t subCode, std::string name = {},
    std::string password = {}, std::uint64_t rights = 0)
{
    return EncodeUserRecord({operation, subCode, std::move(name), std::move(password),
        static_cast<std::uint32_t>(rights), static_cast<std::uint32_t>(rights >> 32)});
}

class UserRequestsTest : public ::testing::Test {
protected:
    UserRequestsTest()
    {
        state_.users.clear();
        state_.users["zed"] = LoggerUser{"z1", kAdministrator, true};
        state_.users["amy"] = LoggerUser{"a1", kViewer, true};
        state_.passwordsOn = 1;
        state_.fullAccess = 0;
    }

    RequestOutcome Send(std::uint16_t type, std::vector<std::uint8_t> payload)
    {
        return HandleRequest(state_, Request(type, std::move(payload)), kHostTime);
    }
    // The reply's error code, or -1 for a plain reply (whose data holds at
    // least the operation and one more byte).
    int Code(const RequestOutcome& outcome, std::uint8_t operation)
    {
        EXPECT_TRUE(outcome.reply.has_value());
        if (!outcome.reply)
            return -2;
        if (outcome.reply->error)
            return outcome.reply->code;
        EXPECT_GE(outcome.reply->payload.size(), kPassManReplyMinSize);
        EXPECT_EQ(outcome.reply->payload.at(0), operation);
        return -1;
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& [name, user] : state_.users)
            names.push_back(name);
        return names;
    }

    LoggerState state_ = LoggerState::Fresh();
};

TEST_F(UserRequestsTest, ReadsUsersByIndexInInsertionOrderAndRefusesPastTheLast)
{
    const RequestOutcome first = Send(kRequestPassMan, PassMan(kPassManRead, 0));
    ASSERT_EQ(Code(first, kPassManRead), -1);
    const ParsedUserRecord record = ParseUserRecord(first.reply->payload);
    ASSERT_TRUE(record.record);
    EXPECT_EQ(record.record->name, "zed");
    EXPECT_EQ(record.record->password, "z1");
    EXPECT_EQ(record.record->rightsLow, static_cast<std::uint32_t>(kAdministrator));
    ASSERT_EQ(Code(Send(kRequestPassMan, PassMan(kPassManRead, 1)), kPassManRead), -1);
    EXPECT_EQ(Code(Send(kRequestPassMan, PassMan(kPassManRead, 2)), kPassManRead), kSimErrorNoSuchUser);
}

TEST_F(UserRequestsTest, AddChangeDeleteFollowTheTableRules)
{
    struct Step {
        const char* what;
        std::vector<std::uint8_t> payload;
        int code;
        std::vector<std::string> names;
    };
    const std::vector<Step> steps = {
        {"existing name", PassMan(kPassManAdd, 2, "amy", "x", kViewer), kCodeUserExists, {"zed", "amy"}},
        {"add", PassMan(kPassManAdd, 2, "bob", "b1", kViewer), -1, {"zed", "amy", "bob"}},
        {"rename onto another", PassMan(kPassManChange, 2, "amy", "b2", kViewer), kCodeUserExists,
            {"zed", "amy", "bob"}},
        {"change", PassMan(kPassManChange, 2, "bob", "b2", kAdministrator), -1, {"zed", "amy", "bob"}},
        {"change past the end", PassMan(kPassManChange, 3, "cat", "c", 0), kSimErrorNoSuchUser, {"zed", "amy", "bob"}},
        {"delete unknown", PassMan(kPassManDelete, 0, "cat"), kSimErrorNoSuchUser, {"zed", "amy", "bob"}},
        {"delete only with others", PassMan(kPassManDeleteOnly, 0), kSimErrorLastUser, {"zed", "amy", "bob"}},
        {"delete", PassMan(kPassManDelete, 0, "amy"), -1, {"zed", "bob"}},
        {"delete", PassMan(kPassManDelete, 0, "zed"), -1, {"bob"}},
        {"delete the last by name", PassMan(kPassManDelete, 0, "bob"), kSimErrorLastUser, {"bob"}},
        {"add before the first", PassMan(kPassManAdd, 0, "ann", "a", kViewer), -1, {"ann", "bob"}},
        {"add past the end", PassMan(kPassManAdd, 9, "cy", "c", kViewer), -1, {"ann", "bob", "cy"}},
        {"delete", PassMan(kPassManDelete, 0, "ann"), -1, {"bob", "cy"}},
        {"delete", PassMan(kPassManDelete, 0, "cy"), -1, {"bob"}},
    };
    for (const Step& step : steps) {
        const std::uint8_t operation = step.payload.at(0);
        EXPECT_EQ(Code(Send(kRequestPassMan, step.payload), operation), step.code) << step.what;
        EXPECT_EQ(Names(), step.names) << step.what;
    }
    EXPECT_EQ(state_.users.at("bob").password, "b2");
    EXPECT_EQ(state_.users.at("bob").rights, kAdministrator);

    ASSERT_EQ(Code(Send(kRequestPassMan, PassMan(kPassManDeleteOnly, 0)), kPassManDeleteOnly), -1);
    EXPECT_TRUE(state_.users.empty());
    EXPECT_EQ(state_.passwordsOn, 0);
    EXPECT_EQ(state_.fullAccess, 1);
}

TEST_F(UserRequestsTest, TheTableHoldsAtMost101Users)
{
    for (int i = 2; i < 101; ++i)
        ASSERT_EQ(Code(Send(kRequestPassMan,
                           PassMan(kPassManAdd, static_cast<std::uint8_t>(i), "u" + std::to_string(i), "p")),
                      kPassManAdd),
            -1);
    EXPECT_EQ(state_.users.size(), 101u);
    EXPECT_EQ(
        Code(Send(kRequestPassMan, PassMan(kPassManAdd, 101, "extra", "p")), kPassManAdd), kSimErrorUserTableFull);
}

TEST_F(UserRequestsTest, PasswordsGoOnOnlyWithAnAdministrator)
{
    ASSERT_EQ(Code(Send(kRequestPassMan, PassMan(kPassManSwitch, 0)), kPassManSwitch), -1);
    EXPECT_EQ(state_.passwordsOn, 0);
    EXPECT_EQ(state_.fullAccess, 0);  // users remain: no full access
    ASSERT_EQ(Code(Send(kRequestPassMan, PassMan(kPassManSwitch, 1)), kPassManSwitch), -1);
    EXPECT_EQ(state_.passwordsOn, 1);

    state_.users.at("zed").rights = kViewer;
    EXPECT_EQ(Code(Send(kRequestPassMan, PassMan(kPassManSwitch, 1)), kPassManSwitch), kSimErrorNoAdministrator);
}

TEST_F(UserRequestsTest, MalformedUserTableRequestsAreRefused)
{
    std::vector<std::uint8_t> shortRequest = PassMan(kPassManRead, 0);
    shortRequest.pop_back();
    std::vector<std::uint8_t> emptyName = PassMan(kPassManAdd, 2, "", "p");
    std::vector<std::uint8_t> unknown = PassMan(9, 0);
    for (const auto& payload : {shortRequest, emptyName, unknown}) {
        const RequestOutcome outcome = Send(kRequestPassMan, payload);
        ASSERT_TRUE(outcome.reply);
        EXPECT_TRUE(outcome.reply->error);
        EXPECT_EQ(outcome.reply->code, kSimErrorBadRequestData);
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"zed", "amy"}));
}

TEST_F(UserRequestsTest, PasswordChangeNeedsTheCurrentPassword)
{
    const auto change = [](std::string user, std::string current, std::string next) {
        return *EncodePasswordChange({std::move(user), std::move(current), std::move(next)});
    };
    RequestOutcome refused = Send(kRequestPassWd, change("amy", "wrong", "new"));
    ASSERT_TRUE(refused.reply);
    EXPECT_TRUE(refused.reply->error);
    EXPECT_EQ(refused.reply->code, kCodeLoginRefused);
    EXPECT_EQ(state_.users.at("amy").password, "a1");

    RequestOutcome done = Send(kRequestPassWd, change("amy", "a1", "new"));
    ASSERT_TRUE(done.reply);
    EXPECT_FALSE(done.reply->error);
    EXPECT_EQ(done.reply->payload.size(), 2u);
    EXPECT_TRUE(done.stateChanged);
    EXPECT_EQ(state_.users.at("amy").password, "new");

    RequestOutcome unknown = Send(kRequestPassWd, change("nobody", "a1", "new"));
    ASSERT_TRUE(unknown.reply);
    EXPECT_EQ(unknown.reply->code, kCodeLoginRefused);
}

}  // namespace
}  // namespace user_requests_test
}  // namespace corvane
