#pragma once

// The logger dialogs' tests against an in-process simulated logger on TCP,
// through the communications library: the connection state, the program's
// logger time zone and status bar, and fakes of the hidden reconnect and
// the USB link check.
#include "PlatformTestSupport.h"
#include "RecordingStatusSink.h"
#include "ScratchFolder.h"

#include "base/LoggerTimeZone.h"
#include "comms/CConnectionDetails.h"
#include "comms/CommsSettings.h"
#include "comms/MainFramePoster.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixLibrary.h"
#include "halvix/MessagePoster.h"
#include "logger/HiddenReconnect.h"
#include "logger/UsbLinkCheck.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SimulatedLogger.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace corvane::test {

struct QuietFramePoster final : MainFramePoster {
    bool PostToMainFrame(MessageId, std::uintptr_t, std::unique_ptr<Payload>) override { return true; }
};

struct FixedCommsSettings final : CommsSettings {
    std::uint32_t LoggerRetryTime() const override { return 5000; }
};

// A hidden reconnect whose result the test sets.
struct ScriptedReconnect final : HiddenReconnect {
    int* result;
    int* connectPosts;
    ScriptedReconnect(int& r, int& posts) : result(&r), connectPosts(&posts) {}
    void PostDisconnect() override {}
    void PostConnectWaiting() override { ++*connectPosts; }
    int Result() const override { return *result; }
};
struct ScriptedReconnects final : HiddenReconnectMaker {
    int result = 0;
    int connectPosts = 0;
    int made = 0;
    std::unique_ptr<HiddenReconnect> MakeHiddenReconnect(Window&) override
    {
        ++made;
        return std::make_unique<ScriptedReconnect>(result, connectPosts);
    }
};

struct RecordingUsbLinkCheck final : UsbLinkCheck {
    std::vector<bool> calls;
    void EnableUsbLinkCheck(bool enable) override { calls.push_back(enable); }
    bool On() const { return calls.empty() || calls.back(); }
};

class LoggerLinkTest : public PlatformTest {
protected:
    explicit LoggerLinkTest(bool steadyClock) : PlatformTest(steadyClock)
    {
        library_ = std::make_unique<HalvixLibrary>(MakeApplicationPoster(App()));
        installation_ = std::make_unique<HalvixInstallation>(*library_);
        EXPECT_EQ(CxInitHalvixLib(), kCxOk);
        // A logger without passwords: every request is allowed.
        connection.SetRightsLoaded(false);
    }
    ~LoggerLinkTest() override
    {
        CxLoggerConnect(0);
        installation_.reset();
        library_.reset();
        if (logger_)
            logger_->Stop();
    }

    // A fresh logger, changed by adjust, linked over TCP.
    void StartLogger(const std::function<void(LoggerState&)>& adjust = {}, const std::vector<SimFault>& faults = {})
    {
        LoggerState state = LoggerState::Fresh();
        if (adjust)
            adjust(state);
        const auto folder = scratch_.Path() / "logger";
        std::filesystem::create_directories(folder);
        ASSERT_FALSE(SaveLoggerState(folder, state));
        SimulatorOptions options;
        options.stateFolder = folder;
        logger_ = std::make_unique<SimulatedLogger>(options);
        ASSERT_TRUE(logger_->Start()) << logger_->StartError();
        for (const SimFault& fault : faults)
            logger_->InjectFault(fault);
        ASSERT_EQ(CxSetRetryTime(400), kCxOk);
        ASSERT_EQ(CxSetMaxRetries(0), kCxOk);
        ASSERT_EQ(CxSetNetworkServer("127.0.0.1", logger_->Port()), kCxOk);
        ASSERT_EQ(CxSetCommunicationType(kCommTypeNetwork), kCxOk);
        ASSERT_EQ(CxLoggerConnect(1), kCxOk) << library_->LastLinkError();
    }

    // Dispatches what arrives until done() holds; false after a bound that
    // only keeps a broken build from hanging (no timing is asserted).
    bool RunUntil(const std::function<bool()>& done)
    {
        for (int round = 0; round < 1000; ++round) {
            if (done())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            App().ProcessPending();
        }
        return done();
    }

    bool Took(std::uint16_t requestType) const
    {
        const std::vector<std::uint16_t> types = logger_->RequestTypes();
        return std::find(types.begin(), types.end(), requestType) != types.end();
    }

    QuietFramePoster poster;
    FixedCommsSettings settings;
    CConnectionDetails connection{poster, settings};
    LoggerTimeZone zone;
    RecordingStatusSink status;
    ScriptedReconnects reconnects;
    RecordingUsbLinkCheck usbLinkCheck;
    std::unique_ptr<SimulatedLogger> logger_;

private:
    ScratchFolder scratch_;
    std::unique_ptr<HalvixLibrary> library_;
    std::unique_ptr<HalvixInstallation> installation_;
};

}  // namespace corvane::test
