#pragma once

#include "PlatformTestSupport.h"
#include "platform/Dialog.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvane::test {

// Runs drive once the next modal loop runs (so it acts on the open dialog),
// and ends the dialog with kIdAbort if drive left it open, so that a
// failing test never hangs. Keep it alive until the modal call returns.
class ModalDriver {
public:
    ModalDriver(Dialog& dialog, std::function<void()> drive) : dialog_(dialog), drive_(std::move(drive))
    {
        window_.onMessage = [this](Message&) {
            ++runs;
            drive_();
            if (dialog_.IsOpen()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog_.EndDialog(kIdAbort);
            }
            return 0;
        };
        window_.PostMessage(kUserMessage);
    }

    int runs = 0;

private:
    Dialog& dialog_;
    std::function<void()> drive_;
    RecordingWindow window_;
};

}  // namespace corvane::test
