// Reads arbitrary bytes as the data of the logger replies the program takes
// apart: byte 0 picks the reply, the rest is its data. Each reader must
// keep within the data and give what its layout allows.
#include "commwindow/ConnectReplies.h"
#include "halvix/protocol/FrameCodec.h"
#include "halvix/protocol/LoginReplies.h"
#include "netdoc/NetTransferReplies.h"
#include "netmodel/HardwareReplies.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

namespace {

void Check(bool good)
{
    if (!good)
        std::abort();
}

bool HasNul(const std::string& text) { return text.find('\0') != std::string::npos; }

void ReadErrorPayload(std::span<const std::uint8_t> data)
{
    const corvane::ErrorPayload error = corvane::ParseErrorPayload(data);
    Check(error.text.size() <= data.size() && !HasNul(error.text));
    const corvane::ErrorPayload again = corvane::ParseErrorPayload(corvane::MakeErrorPayload(error.code, error.text));
    Check(again.code == error.code && again.text == error.text);
}

void ReadConnectReplies(std::span<const std::uint8_t> data)
{
    const corvane::LoggerStateBlock block = corvane::ParseLoggerStateBlock(data);
    Check(block.name.size() <= 22 && block.id.size() <= 22 && !HasNul(block.name) && !HasNul(block.id));
    Check(data.size() >= 116 || block.memoryUsed == 0);
    (void)corvane::ParsePasswordStatus(data);
    Check(corvane::ConfigItemValue(data).size() == data.size() - std::min<std::size_t>(data.size(), 2));
    const std::string info = corvane::ParseLoggerInfoItem(data);
    Check(info.size() <= 256 && !HasNul(info));
    Check(corvane::ParseCapabilityItem(data).has_value() == (data.size() > 2));
}

void ReadLoginReplies(std::span<const std::uint8_t> data)
{
    const corvane::LoginChallenge challenge = corvane::ParseLoginChallenge(data);
    switch (challenge.kind) {
    case corvane::LoginChallenge::Kind::Challenge:
        Check(challenge.nonce.size() <= 32 && challenge.realm.size() <= 64);
        Check(!HasNul(challenge.nonce) && !HasNul(challenge.realm));
        Check(challenge.nonce.size() + challenge.realm.size() + 4 <= data.size());
        break;
    case corvane::LoginChallenge::Kind::Granted: Check(data.size() >= 10); break;
    case corvane::LoginChallenge::Kind::Malformed: break;
    }
    Check(corvane::ParseLoginRights(data).has_value() == (data.size() >= 8));
}

void ReadNetReplies(std::span<const std::uint8_t> data)
{
    const auto status = corvane::ParseNetStatusReply(data);
    Check(status.has_value() == (data.size() >= 6));
    Check(!status || (status->name.size() <= data.size() - 6 && !HasNul(status->name)));
    const auto block = corvane::ParseNetBlockReply(data);
    Check(block.has_value() == (data.size() >= 4));
    Check(!block || (block->block.size() == data.size() - 4 && block->block.data() == data.data() + 4));
    Check(corvane::ParseNetValueReply(data).has_value() == (data.size() == 4));
}

void ReadHardwareReplies(std::span<const std::uint8_t> data)
{
    Check(corvane::ParseBaseConfigReply(data).has_value() == (data.size() >= 2));
    const auto modules = corvane::ParseBusEnumerationReply(data);
    Check(modules.size() == std::min(data.size() / corvane::kBusModuleRecordSize, corvane::kMaxBusModules));
    for (std::size_t i = 0; i < modules.size(); ++i)
        Check(std::equal(modules[i].begin(), modules[i].end(), data.begin() + static_cast<std::ptrdiff_t>(i * 42)));
    Check(corvane::ParseSwitchWordReply(data).has_value() == (data.size() >= 4));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::span<const std::uint8_t> reply(data + 1, size - 1);
    switch (data[0] % 5) {
    case 0: ReadErrorPayload(reply); break;
    case 1: ReadConnectReplies(reply); break;
    case 2: ReadLoginReplies(reply); break;
    case 3: ReadNetReplies(reply); break;
    default: ReadHardwareReplies(reply); break;
    }
    return 0;
}
