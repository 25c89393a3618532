#pragma once

// The communications library installed for a test and linked over TCP to an
// in-process simulated logger that keeps its state in a folder; replies
// reach the application's message loop. Link and logger end with it.

#include "halvix/HalvixLib.h"
#include "halvix/HalvixLibrary.h"
#include "halvix/MessagePoster.h"
#include "loggersim/SimulatedLogger.h"
#include "platform/Application.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace corvane::test {

class SimulatorLink {
public:
    SimulatorLink() = default;
    ~SimulatorLink()
    {
        if (installation_)
            CxLoggerConnect(0);
        installation_.reset();
        library_.reset();
        if (logger_)
            logger_->Stop();
    }
    SimulatorLink(const SimulatorLink&) = delete;
    SimulatorLink& operator=(const SimulatorLink&) = delete;

    // Starts the logger over its state folder and links the library to it,
    // without retries. Use under ASSERT_NO_FATAL_FAILURE.
    void Connect(Application& app, const std::filesystem::path& stateFolder)
    {
        SimulatorOptions options;
        options.stateFolder = stateFolder;
        logger_ = std::make_unique<SimulatedLogger>(options);
        ASSERT_TRUE(logger_->Start()) << logger_->StartError();
        library_ = std::make_unique<HalvixLibrary>(MakeApplicationPoster(app));
        installation_ = std::make_unique<HalvixInstallation>(*library_);
        ASSERT_EQ(CxInitHalvixLib(), kCxOk);
        ASSERT_EQ(CxSetMaxRetries(0), kCxOk);
        ASSERT_EQ(CxSetNetworkServer("127.0.0.1", logger_->Port()), kCxOk);
        ASSERT_EQ(CxSetCommunicationType(kCommTypeNetwork), kCxOk);
        ASSERT_EQ(CxLoggerConnect(1), kCxOk) << library_->LastLinkError();
    }

    SimulatedLogger& Logger() { return *logger_; }
    const SimulatedLogger& Logger() const { return *logger_; }

private:
    std::unique_ptr<SimulatedLogger> logger_;
    std::unique_ptr<HalvixLibrary> library_;
    std::unique_ptr<HalvixInstallation> installation_;
};

}  // namespace corvane::test
