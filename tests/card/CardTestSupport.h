#pragma once

#include "PlatformTestSupport.h"
#include "ScratchFolder.h"
#include "card/CardMessages.h"
#include "card/CardPayloads.h"
#include "card/CardSettings.h"
#include "card/RemovableMediaProbe.h"
#include "loggersim/CardImageWriter.h"
#include "loggersim/LoggedSessionGenerator.h"
#include "loggersim/LoggerState.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace corvane::test {

// Card settings the test sets directly.
class FakeCardSettings final : public CardSettings {
public:
    std::string drive;
    std::uint32_t splitLimit = 0;
    std::filesystem::path workFolder;

    std::string Drive() const override { return drive; }
    std::uint32_t OutputSplitLimit() const override { return splitLimit; }
    std::filesystem::path WorkFolder() const override { return workFolder; }
};

// A probe with fixed answers.
class FakeMediaProbe final : public RemovableMediaProbe {
public:
    bool removable = true;
    bool present = true;

    bool IsRemovable(const std::filesystem::path&) const override { return removable; }
    bool IsMediumPresent(const std::filesystem::path&) const override { return present; }
};

// A window that keeps what the card worker reports, payloads included.
class CardReportWindow final : public RecordingWindow {
public:
    std::vector<std::string> sessionNames;  // of kCardJobStartedMessage and kCardDeleteStartedMessage
    std::vector<CardCopyReport> copyReports;
    std::vector<std::intptr_t> progress;

    CardReportWindow()
    {
        onMessage = [this](Message& message) {
            if (message.id == kCardProgressMessage)
                progress.push_back(message.lParam);
            if (auto name = message.TakePayload<ValuePayload<std::string>>())
                sessionNames.push_back(name->value);
            if (auto report = message.TakePayload<CardCopyReport>())
                copyReports.push_back(*report);
            return std::intptr_t{0};
        };
    }

    std::vector<MessageId> Ids(bool withProgress = false) const
    {
        std::vector<MessageId> ids;
        for (const Received& r : received)
            if (withProgress || r.id != kCardProgressMessage)
                ids.push_back(r.id);
        return ids;
    }
    bool Got(MessageId id) const
    {
        for (const Received& r : received)
            if (r.id == id)
                return true;
        return false;
    }
    int Count(MessageId id) const
    {
        int count = 0;
        for (const Received& r : received)
            count += r.id == id ? 1 : 0;
        return count;
    }
    std::vector<std::uintptr_t> Failures() const
    {
        std::vector<std::uintptr_t> reasons;
        for (const Received& r : received)
            if (r.id == kCardJobFailedMessage)
                reasons.push_back(r.wParam);
        return reasons;
    }
};

// Handles what is ready until done() holds; fails after a generous bound
// so a fault shows as a failure, not a hang.
inline void PumpUntil(Application& app, const std::function<bool()>& done)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) {
            ADD_FAILURE() << "the card worker did not report in time";
            return;
        }
        app.ProcessPending();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// A session of the simulated logger, written to a card folder.
inline LoggedSessionPlan CardSession(std::uint32_t start, std::uint32_t scans, bool stopped = true)
{
    LoggedSessionPlan plan;
    plan.startSeconds = start;
    plan.scanCount = scans;
    plan.stopped = stopped;
    plan.subSecond = true;
    plan.intervalTicks = 40;
    return plan;
}

inline std::uint32_t WriteCardSession(const std::filesystem::path& card, const LoggedSessionPlan& plan)
{
    LoggedSessionGenerator session(LoggerState::Fresh(), plan);
    EXPECT_EQ(CardImageWriter(card).WriteSession(session), "");
    return session.StopSeconds();
}

}  // namespace corvane::test
