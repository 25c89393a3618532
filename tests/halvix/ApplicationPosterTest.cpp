#include "halvix/HalvixLib.h"
#include "halvix/MessagePoster.h"

#include "loggersim/SimulatedLogger.h"
#include "tests/platform/PlatformTestSupport.h"
#include "tests/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace corvane {
namespace application_poster_test {
namespace {

using test::PlatformTest;
using test::RecordingWindow;
using test::ScratchFolder;

// Replies through the application's own windows: the receiver takes the
// reply object; one for a window that is gone is destroyed (the leak
// checker of the test build would report it otherwise).
class ApplicationPosterTest : public PlatformTest {
protected:
    ApplicationPosterTest()
    {
        SimulatorOptions options;
        options.stateFolder = folder_.Path();
        sim_ = std::make_unique<SimulatedLogger>(options);
        EXPECT_TRUE(sim_->Start()) << sim_->StartError();
        library_ = std::make_unique<HalvixLibrary>(MakeApplicationPoster(App()));
        EXPECT_EQ(library_->Init(), kCxOk);
        EXPECT_EQ(library_->SetNetworkServer("127.0.0.1", sim_->Port()), kCxOk);
        EXPECT_EQ(library_->SetCommunicationType(kCommTypeNetwork), kCxOk);
        EXPECT_EQ(library_->LoggerConnect(1), kCxOk) << library_->LastLinkError();
    }
    ~ApplicationPosterTest() override
    {
        library_.reset();
        sim_->Stop();
    }

    void PumpUntil(const std::function<bool()>& done)
    {
        for (int i = 0; i < 4000 && !done(); ++i) {
            App().ProcessPending();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        EXPECT_TRUE(done());
    }

    ScratchFolder folder_;
    std::unique_ptr<SimulatedLogger> sim_;
    std::unique_ptr<HalvixLibrary> library_;
};

TEST_F(ApplicationPosterTest, TheWindowOwnsItsReplyAndAGoneWindowsReplyIsDestroyed)
{
    RecordingWindow window;
    std::unique_ptr<CReplyMessage> taken;
    window.onMessage = [&](Message& message) {
        if (message.id == kReplyMessage)
            taken = message.TakePayload<CReplyMessage>();
        return 0;
    };
    {
        RecordingWindow gone;
        ASSERT_EQ(library_->StateGet(gone.Handle()), kCxOk);
    }
    ASSERT_EQ(library_->Ping(window.Handle(), "PP"), kCxOk);
    PumpUntil([&] { return taken != nullptr; });
    ASSERT_EQ(window.received.size(), 1u);
    EXPECT_EQ(window.received[0].wParam, kRequestPing);
    EXPECT_EQ(taken->RequestType(), kRequestPing);
    EXPECT_EQ(taken->TextAt(0), "PP");
}

}  // namespace
}  // namespace application_poster_test
}  // namespace corvane
