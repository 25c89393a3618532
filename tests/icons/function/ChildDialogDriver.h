#pragma once

#include "PlatformTestSupport.h"
#include "platform/Dialog.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvane::test {

// Drives a dialog that another dialog opens modally: make it just before
// the action that opens the child. Once the child's modal loop runs, drive
// gets the child (found through `child`); a child left open is ended with
// kIdAbort so that a failing test never hangs.
class ChildDialogDriver {
public:
    ChildDialogDriver(std::function<Dialog*()> child, std::function<void(Dialog&)> drive)
        : child_(std::move(child)), drive_(std::move(drive))
    {
        window_.onMessage = [this](Message&) {
            Dialog* open = child_();
            if (open == nullptr || !open->IsOpen()) {
                ADD_FAILURE() << "no child dialog is open";
                return std::intptr_t{0};
            }
            ++runs;
            drive_(*open);
            if (open->IsOpen()) {
                ADD_FAILURE() << "the child dialog was left open";
                open->EndDialog(kIdAbort);
            }
            return std::intptr_t{0};
        };
        window_.PostMessage(kUserMessage);
    }

    int runs = 0;

private:
    std::function<Dialog*()> child_;
    std::function<void(Dialog&)> drive_;
    RecordingWindow window_;
};

}  // namespace corvane::test
