#pragma once

#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Message.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace corvane::test {

// A payload that counts its own destruction, to check ownership.
class CountedPayload final : public Payload {
public:
    CountedPayload(std::atomic<int>& destroyed, int value) : tag(value), destroyed_(destroyed) {}
    ~CountedPayload() override { ++destroyed_; }
    int tag;

private:
    std::atomic<int>& destroyed_;
};

// A window that records what it receives and can run a callback per message.
class RecordingWindow : public Window {
public:
    struct Received {
        MessageId id;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    std::vector<Received> received;
    std::function<std::intptr_t(Message&)> onMessage;

    std::intptr_t OnMessage(Message& message) override
    {
        received.push_back({message.id, message.wParam, message.lParam});
        return onMessage ? onMessage(message) : 0;
    }
};

// An application on a manual clock, for each test.
class PlatformTest : public ::testing::Test {
protected:
    PlatformTest()
    {
        auto clock = std::make_unique<ManualClock>(1000);
        clock_ = clock.get();
        app_ = std::make_unique<Application>(std::vector<std::string>{"corvane-test"}, std::move(clock));
    }
    ~PlatformTest() override = default;

    Application& App() { return *app_; }
    ManualClock& TestClock() { return *clock_; }

private:
    ManualClock* clock_ = nullptr;
    std::unique_ptr<Application> app_;
};

}  // namespace corvane::test
