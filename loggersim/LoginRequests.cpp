#include "loggersim/LoginRequests.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/SystemRandom.h"
#include "halvix/protocol/LoginDigest.h"
#include "halvix/protocol/RequestTypes.h"
#include "halvix/protocol/UserAuthLayout.h"

#include <algorithm>
#include <array>
#include <string>

namespace corvane {

namespace {

constexpr std::size_t kNonceBytes = 16;  // 32 hexadecimal digits
constexpr std::size_t kClientNonceLength = 8;
constexpr std::size_t kResponseLength = 32;

RequestOutcome BadLoginData(const Frame& request)
{
    return RefuseRequest(
        request, kSimErrorBadRequestData, "Login request " + std::to_string(request.requestType) + " carries bad data");
}

// A text field that must end with its NUL inside the field.
std::optional<std::string> TerminatedText(ByteReader& reader, std::size_t size, std::string_view field)
{
    const std::span<const std::uint8_t> bytes = reader.Bytes(size, field);
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    if (reader.Failed() || end == bytes.end())
        return std::nullopt;
    return std::string(bytes.begin(), end);
}

bool IsLowerHex(std::string_view text) { return text.find_first_not_of("0123456789abcdef") == std::string_view::npos; }

std::vector<std::uint8_t> RightsData(std::uint64_t rights, std::size_t offset)
{
    std::vector<std::uint8_t> data(offset + kLoginRightsSize);
    ByteWriter writer(data);
    writer.Seek(offset);
    writer.U32LE(static_cast<std::uint32_t>(rights));
    writer.U32LE(static_cast<std::uint32_t>(rights >> 32));
    return data;
}

}  // namespace

RequestOutcome AnswerLoginChallenge(LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint16_t stage = reader.U16LE("stage");
    const auto userName = TerminatedText(reader, kUserAuthUserNameSize, "user name");
    const auto clientNonce = TerminatedText(reader, kUserAuthClientNonceSize, "client nonce");
    if (request.payload.size() != kUserAuthBufferSize || stage != kUserAuthStageChallenge || !userName || !clientNonce
        || clientNonce->size() != kClientNonceLength || !IsLowerHex(*clientNonce))
        return BadLoginData(request);

    state.pendingLogin.reset();
    const auto user = state.users.find(*userName);
    if (user != state.users.end() && !user->second.challenge) {
        std::vector<std::uint8_t> data = RightsData(user->second.rights, kChallengeRightsOffset);
        ByteWriter(data).U16LE(1);
        return AnswerRequest(request, std::move(data));
    }
    // An unknown user is challenged like any other and refused at the
    // response, so the challenge does not tell which names exist.
    std::array<std::uint8_t, kNonceBytes> random{};
    if (!FillSystemRandom(random))
        return RefuseRequest(request, kSimErrorBadRequestData, "No random source for the login challenge");
    state.pendingLogin = LoggerState::PendingLogin{*userName, HexEncode(random), *clientNonce};

    std::vector<std::uint8_t> data(kChallengeTextOffset);
    data.insert(data.end(), state.pendingLogin->nonce.begin(), state.pendingLogin->nonce.end());
    data.push_back(0);
    data.insert(data.end(), state.unitName.begin(), state.unitName.end());
    data.push_back(0);
    return AnswerRequest(request, std::move(data));
}

RequestOutcome AnswerLoginResponse(LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint16_t stage = reader.U16LE("stage");
    const auto response = TerminatedText(reader, kUserAuthResponseSize, "response");
    if (request.payload.size() != kUserAuthBufferSize || stage != kUserAuthStageResponse || !response
        || response->size() != kResponseLength)
        return BadLoginData(request);

    const std::optional<LoggerState::PendingLogin> pending = std::move(state.pendingLogin);
    state.pendingLogin.reset();
    if (!pending)
        return RefuseRequest(request, kCodeLoginRefused, "No login challenge was given");
    const auto user = state.users.find(pending->userName);
    if (user == state.users.end()
        || LoginDigestResponse(
               pending->userName, state.unitName, user->second.password, pending->nonce, pending->clientNonce)
            != *response)
        return RefuseRequest(request, kCodeLoginRefused, "User name or password refused");
    return AnswerRequest(request, RightsData(user->second.rights, 0));
}

}  // namespace corvane
