#pragma once

#include "ReplyWaiter.h"
#include "halvix/HalvixLibrary.h"
#include "loggersim/LoggedSessionFile.h"
#include "loggersim/LoggedSessionPlan.h"
#include "loggersim/SimulatedLogger.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace corvane::bench {

// The communications library linked over TCP to an in-process simulated
// logger whose state lives in a fresh folder under $TMPDIR, both with their
// shipped settings; what the library posts reaches Replies(). The folder
// goes with it.
class SimulatorLinkFixture {
public:
    explicit SimulatorLinkFixture(const std::vector<LoggedSessionPlan>& sessions = {})
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/corvane-bench-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no scratch folder");
        folder_ = pattern;
        if (!sessions.empty() && SaveLoggedSessions(folder_, sessions))
            throw std::runtime_error("cannot write the logged sessions");
        SimulatorOptions options;
        options.stateFolder = folder_;
        logger_ = std::make_unique<SimulatedLogger>(options);
        if (!logger_->Start())
            throw std::runtime_error(logger_->StartError());
        auto replies = std::make_unique<ReplyWaiter>();
        replies_ = replies.get();
        library_ = std::make_unique<HalvixLibrary>(std::move(replies));
        library_->Init();
        library_->SetNetworkServer("127.0.0.1", logger_->Port());
        library_->SetCommunicationType(kCommTypeNetwork);
        if (library_->LoggerConnect(1) != kCxOk)
            throw std::runtime_error(library_->LastLinkError());
    }

    ~SimulatorLinkFixture()
    {
        library_.reset();
        logger_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    SimulatorLinkFixture(const SimulatorLinkFixture&) = delete;
    SimulatorLinkFixture& operator=(const SimulatorLinkFixture&) = delete;

    HalvixLibrary& Library() { return *library_; }
    ReplyWaiter& Replies() { return *replies_; }

private:
    std::filesystem::path folder_;
    std::unique_ptr<SimulatedLogger> logger_;
    std::unique_ptr<HalvixLibrary> library_;
    ReplyWaiter* replies_ = nullptr;
};

}  // namespace corvane::bench
