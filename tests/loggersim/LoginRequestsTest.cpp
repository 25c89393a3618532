#include "loggersim/LoginRequests.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "halvix/protocol/LoginDigest.h"
#include "halvix/protocol/RequestTypes.h"
#include "halvix/protocol/UserAuthLayout.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

namespace corvane {
namespace login_requests_test {
namespace {

constexpr std::int64_t kHostTime = 1700000000;
constexpr const char* kClientNonce = "0a1b2c3d";

Frame Request(std::uint16_t type, std::vector<std::uint8_t> payload)
{
    Frame frame;
    frame.kind = FrameKind::Request;
    frame.requestType = type;
    frame.requestId = 7;
    frame.payload = std::move(payload);
    return frame;
}

std::vector<std::uint8_t> FirstStage(std::string_view user, std::string_view clientNonce = kClientNonce)
{
    std::vector<std::uint8_t> buffer(kUserAuthBufferSize);
    ByteWriter writer(buffer);
    writer.U16LE(kUserAuthStageChallenge);
    writer.Seek(kUserAuthUserNameOffset);
    writer.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(user.data()), user.size()));
    writer.Seek(kUserAuthClientNonceOffset);
    writer.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(clientNonce.data()), clientNonce.size()));
    return buffer;
}

std::vector<std::uint8_t> SecondStage(std::string_view response)
{
    std::vector<std::uint8_t> buffer(kUserAuthBufferSize);
    ByteWriter writer(buffer);
    writer.U16LE(kUserAuthStageResponse);
    writer.Seek(kUserAuthResponseOffset);
    writer.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(response.data()), response.size()));
    return buffer;
}

struct Challenge {
    std::string nonce;
    std::string realm;
};

class LoginRequestsTest : public ::testing::Test {
protected:
    LoginRequestsTest()
    {
        state_.passwordsOn = 1;
        state_.users["operator"] = LoggerUser{"s3cret", 0x0000000100010000ull, true};
        state_.users["kiosk"] = LoggerUser{"any", 0x2000, false};
    }

    RequestOutcome Send(std::uint16_t type, std::vector<std::uint8_t> payload)
    {
        return HandleRequest(state_, Request(type, std::move(payload)), kHostTime);
    }

    Challenge Challenged(std::string_view user)
    {
        const RequestOutcome outcome = Send(kRequestUserAuth, FirstStage(user));
        EXPECT_TRUE(outcome.reply && !outcome.reply->error);
        const std::vector<std::uint8_t>& data = outcome.reply->payload;
        EXPECT_EQ(ByteReader(data).U16LE(), 0);
        const std::string text(data.begin() + 2, data.end());
        Challenge challenge{text.c_str(), text.c_str() + std::string(text.c_str()).size() + 1};
        EXPECT_EQ(text.back(), '\0');
        return challenge;
    }

    // The second stage's reply to the response for password.
    RequestOutcome Respond(std::string_view user, std::string_view password)
    {
        const Challenge challenge = Challenged(user);
        return Send(kRequestPassWd,
            SecondStage(LoginDigestResponse(user, challenge.realm, password, challenge.nonce, kClientNonce)));
    }

    LoggerState state_ = LoggerState::Fresh();
};

TEST_F(LoginRequestsTest, ChallengesWithAFreshNonceAndTheUnitNameAsRealm)
{
    const Challenge first = Challenged("operator");
    EXPECT_EQ(first.nonce.size(), kMaxNonceLength);
    EXPECT_EQ(first.nonce.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(first.realm, state_.unitName);
    EXPECT_NE(Challenged("operator").nonce, first.nonce);
}

TEST_F(LoginRequestsTest, TheRightPasswordAnswersTheUsersRights)
{
    for (const auto& [user, password, rights] :
        {std::tuple{"operator", "s3cret", 0x0000000100010000ull}, std::tuple{"admin", "admin", ~0ull}}) {
        const RequestOutcome outcome = Respond(user, password);
        ASSERT_TRUE(outcome.reply) << user;
        EXPECT_FALSE(outcome.reply->error) << user;
        EXPECT_EQ(outcome.reply->requestType, kRequestPassWd);
        ByteReader reader(outcome.reply->payload);
        EXPECT_EQ(reader.U32LE(), static_cast<std::uint32_t>(rights)) << user;
        EXPECT_EQ(reader.U32LE(), static_cast<std::uint32_t>(rights >> 32)) << user;
        EXPECT_FALSE(reader.Failed());
    }
}

TEST_F(LoginRequestsTest, WrongPasswordsUnknownUsersAndStaleChallengesAreRefused)
{
    const struct {
        const char* name;
        std::function<RequestOutcome()> attempt;
    } cases[] = {
        {"wrong password", [&] { return Respond("operator", "s3creT"); }},
        {"unknown user", [&] { return Respond("nobody", "s3cret"); }},
        {"no challenge", [&] { return Send(kRequestPassWd, SecondStage(std::string(32, 'a'))); }},
        {"challenge used twice",
            [&] {
                const Challenge challenge = Challenged("operator");
                const auto response = SecondStage(
                    LoginDigestResponse("operator", challenge.realm, "s3cret", challenge.nonce, kClientNonce));
                EXPECT_FALSE(Send(kRequestPassWd, response).reply->error);
                return Send(kRequestPassWd, response);
            }},
    };
    for (const auto& c : cases) {
        const RequestOutcome outcome = c.attempt();
        ASSERT_TRUE(outcome.reply) << c.name;
        EXPECT_TRUE(outcome.reply->error) << c.name;
        EXPECT_EQ(outcome.reply->code, kCodeLoginRefused) << c.name;
    }
}

TEST_F(LoginRequestsTest, AUserWithoutAChallengeGetsTheRightsAtOnce)
{
    const RequestOutcome outcome = Send(kRequestUserAuth, FirstStage("kiosk"));
    ASSERT_TRUE(outcome.reply);
    ByteReader reader(outcome.reply->payload);
    EXPECT_EQ(reader.U16LE(), 1);
    EXPECT_EQ(reader.U32LE(), 0x2000u);
    EXPECT_EQ(reader.U32LE(), 0u);
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_FALSE(state_.pendingLogin.has_value());
}

TEST_F(LoginRequestsTest, MalformedBuffersAreRefusedAsBadData)
{
    std::vector<std::pair<std::string, std::pair<std::uint16_t, std::vector<std::uint8_t>>>> cases;
    const std::vector<std::uint8_t> first = FirstStage("operator");
    const std::vector<std::uint8_t> second = SecondStage(std::string(32, 'b'));
    for (std::size_t length = 0; length < kUserAuthBufferSize; ++length) {
        cases.push_back({"first stage cut to " + std::to_string(length),
            {kRequestUserAuth,
                std::vector<std::uint8_t>(first.begin(), first.begin() + static_cast<std::ptrdiff_t>(length))}});
        cases.push_back({"second stage cut to " + std::to_string(length),
            {kRequestPassWd,
                std::vector<std::uint8_t>(second.begin(), second.begin() + static_cast<std::ptrdiff_t>(length))}});
    }
    auto longer = first;
    longer.push_back(0);
    cases.push_back({"first stage too long", {kRequestUserAuth, longer}});
    cases.push_back({"user name without its NUL", {kRequestUserAuth, FirstStage(std::string(24, 'u'))}});
    cases.push_back({"client nonce too short", {kRequestUserAuth, FirstStage("operator", "0a1b")}});
    cases.push_back({"client nonce not hexadecimal", {kRequestUserAuth, FirstStage("operator", "0a1b2c3G")}});
    cases.push_back({"first stage with stage 1", {kRequestUserAuth, SecondStage(std::string(32, 'b'))}});
    cases.push_back({"response too short", {kRequestPassWd, SecondStage(std::string(31, 'b'))}});
    cases.push_back({"response without its NUL", {kRequestPassWd, SecondStage(std::string(33, 'b'))}});
    cases.push_back({"second stage with stage 0", {kRequestPassWd, first}});
    for (const auto& [name, request] : cases) {
        const RequestOutcome outcome = Send(request.first, request.second);
        ASSERT_TRUE(outcome.reply) << name;
        EXPECT_EQ(outcome.reply->code, kSimErrorBadRequestData) << name;
    }
}

TEST_F(LoginRequestsTest, PasswordStatusFollowsTheState)
{
    for (const std::uint8_t on : {std::uint8_t{0}, std::uint8_t{1}}) {
        state_.passwordsOn = on;
        const RequestOutcome outcome = Send(kRequestPwStatus, {});
        ASSERT_TRUE(outcome.reply);
        EXPECT_EQ(outcome.reply->payload, (std::vector<std::uint8_t>{on, state_.fullAccess}));
    }
}

}  // namespace
}  // namespace login_requests_test
}  // namespace corvane
