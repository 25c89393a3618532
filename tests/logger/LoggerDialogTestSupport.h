#pragma once

// The logger dialogs against an in-process simulated logger over TCP,
// through the communications library and the application's message loop
// (real clock). The logger's state and stored net are kept in the test's
// own output folder.
#include "PlatformTestSupport.h"
#include "RecordingStatusSink.h"
#include "SimulatorLink.h"
#include "TestOutput.h"

#include "comms/CConnectionDetails.h"
#include "comms/CommsSettings.h"
#include "comms/MainFramePoster.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/NetImageFile.h"
#include "platform/Application.h"
#include "res/Pictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace corvane::test {

struct QuietMainFramePoster final : MainFramePoster {
    bool PostToMainFrame(MessageId, std::uintptr_t, std::unique_ptr<Payload>) override { return true; }
};

struct FixedCommsSettings final : CommsSettings {
    std::uint32_t LoggerRetryTime() const override { return 5000; }
};

class LoggerDialogTest : public PlatformTest {
protected:
    // A logger without passwords: every right.
    // The program's pictures, as the program registers them.
    LoggerDialogTest() : PlatformTest(true)
    {
        connection.SetRightsLoaded(false);
        res::RegisterPictures(App().Bitmaps());
    }

    // Starts the logger with a stored net and links the library to it.
    void StartLogger(const std::vector<std::uint8_t>& net, bool running)
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::filesystem::path folder
            = OutputFolder() / "logger-dialogs" / (std::string(info->test_suite_name()) + "." + info->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        LoggerState state = LoggerState::Fresh();
        state.running = running;
        ASSERT_FALSE(SaveLoggerState(folder, state));
        ASSERT_FALSE(SaveNetImage(folder, net));
        ASSERT_NO_FATAL_FAILURE(link.Connect(App(), folder));
    }

    // Runs the message loop until done() holds; false after the bound,
    // which only keeps a broken build from hanging.
    bool WaitFor(const std::function<bool()>& done)
    {
        for (int i = 0; i < 500; ++i) {
            if (done())
                return true;
            App().WaitMilliseconds(20);
        }
        return done();
    }

    QuietMainFramePoster poster;
    FixedCommsSettings settings;
    CConnectionDetails connection{poster, settings};
    RecordingStatusSink status;
    SimulatorLink link;
};

}  // namespace corvane::test
