#pragma once

#include "platform/Message.h"

namespace corvane {

// Thread messages the card worker takes.
constexpr MessageId kCardSetNotifyWindowMessage = 0x464;  // lParam: the window that gets the reports
constexpr MessageId kCardStartJobMessage = 0x466;         // wParam: delete after; payload CardJobRequest
constexpr MessageId kCardDeleteSessionMessage = 0x46B;    // wParam: expected file count; payload CardDeleteRequest

// Messages the card worker posts to its notify window.
constexpr MessageId kCardProgressMessage = 0x467;       // lParam: percent (may pass 100)
constexpr MessageId kCardJobDoneMessage = 0x468;        // a copy job's carries a CardCopyReport
constexpr MessageId kCardJobStartedMessage = 0x469;     // payload ValuePayload<std::string>: the session
constexpr MessageId kCardJobFailedMessage = 0x46A;      // wParam: CardJobFailure
constexpr MessageId kCardDeleteStartedMessage = 0x46C;  // payload ValuePayload<std::string>: the session
constexpr MessageId kCardDeleteDoneMessage = 0x46D;
constexpr MessageId kCardOutputErrorMessage = 0x46E;  // an output file could not be created or written

// Why a job ended without success (wParam of kCardJobFailedMessage).
enum class CardJobFailure : std::uintptr_t {
    CancelledBeforeStart = 0,
    CopyFailed = 1,
    RenderCancelled = 2,
    CopyCancelled = 3,
    RenderFailed = 4,  // the session could not be rendered (no "HEADER", unreadable data)
};

}  // namespace corvane
