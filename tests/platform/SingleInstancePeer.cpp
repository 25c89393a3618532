// A second instance for the single-instance tests, run as its own process:
//
//     corvane_single_instance_peer <socket path> <execute string>
//
// It claims the channel, expects to find another instance listening, sends
// the execute string and waits for the acknowledgement. Exit status: 0 when
// the string was acknowledged, 1 for wrong arguments, 2 when the claim
// failed, 3 when this process became the primary, 4 when sending failed.

#include "platform/SingleInstanceChannel.h"

#include <cstdio>

int main(int argc, char** argv)
{
    using corvane::SingleInstanceChannel;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <socket path> <execute string>\n", argc > 0 ? argv[0] : "peer");
        return 1;
    }
    SingleInstanceChannel channel(argv[1]);
    const SingleInstanceChannel::ClaimResult claim = channel.Claim([](std::string) {});
    if (claim.role == SingleInstanceChannel::Role::None) {
        std::fprintf(stderr, "claim failed: %s\n", claim.error.c_str());
        return 2;
    }
    if (claim.role == SingleInstanceChannel::Role::Primary) {
        std::fprintf(stderr, "no other instance was running\n");
        return 3;
    }
    if (const SingleInstanceChannel::Error error = channel.SendExecute(argv[2])) {
        std::fprintf(stderr, "sending failed: %s\n", error.message.c_str());
        return 4;
    }
    return 0;
}
