#pragma once

#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Message.h"
#include "platform/PromptSink.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <string>
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

// Records every prompt and answers from scripted queues (OK, or cancel for
// the common dialogs, when a queue is empty; the print dialogs take OK with
// what they show, unless an answer is queued).
class RecordingPromptSink final : public PromptSink {
public:
    std::vector<MessageBoxRequest> messageBoxes;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<std::uint32_t> helpIds;
    std::deque<int> messageBoxAnswers;
    std::deque<std::optional<FileDialogResult>> fileDialogAnswers;
    std::optional<std::uint32_t> colourAnswer;
    std::optional<FontChoice> fontAnswer;
    std::optional<std::string> folderAnswer;
    std::vector<PrintPromptRequest> pageSetupDialogs;
    std::vector<PrintPromptRequest> printDialogs;
    std::deque<std::optional<PrintSetup>> pageSetupAnswers;
    std::deque<std::optional<PrintSetup>> printAnswers;
    // Runs inside a message box, as if the user did something meanwhile.
    std::function<void()> whileMessageBoxOpen;

    int ShowMessageBox(const MessageBoxRequest& request) override
    {
        messageBoxes.push_back(request);
        if (whileMessageBoxOpen)
            whileMessageBoxOpen();
        if (messageBoxAnswers.empty())
            return 1;
        const int answer = messageBoxAnswers.front();
        messageBoxAnswers.pop_front();
        return answer;
    }
    std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest& request) override
    {
        fileDialogs.push_back(request);
        if (fileDialogAnswers.empty())
            return std::nullopt;
        auto answer = fileDialogAnswers.front();
        fileDialogAnswers.pop_front();
        return answer;
    }
    std::optional<std::uint32_t> ChooseColour(WindowHandle, std::uint32_t) override { return colourAnswer; }
    std::optional<FontChoice> ChooseFont(WindowHandle, const FontChoice&) override { return fontAnswer; }
    std::optional<std::string> ChooseFolder(WindowHandle, const std::string&, const std::string&) override
    {
        return folderAnswer;
    }
    std::optional<PrintSetup> ShowPageSetupDialog(const PrintPromptRequest& request) override
    {
        pageSetupDialogs.push_back(request);
        return Answer(pageSetupAnswers, request.setup);
    }
    std::optional<PrintSetup> ShowPrintDialog(const PrintPromptRequest& request) override
    {
        printDialogs.push_back(request);
        return Answer(printAnswers, request.setup);
    }
    void ShowHelp(WindowHandle, std::uint32_t helpId) override { helpIds.push_back(helpId); }

private:
    static std::optional<PrintSetup> Answer(std::deque<std::optional<PrintSetup>>& answers, const PrintSetup& shown)
    {
        if (answers.empty())
            return shown;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// An application on a manual clock, with recorded prompts, for each test.
class PlatformTest : public ::testing::Test {
protected:
    // With steadyClock the application runs on real time (tests that talk
    // to a simulated logger through the communications library); TestClock
    // is then not to be used.
    explicit PlatformTest(bool steadyClock = false)
    {
        // Tests draw offscreen unless told otherwise.
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        std::unique_ptr<ManualClock> clock;
        if (!steadyClock) {
            clock = std::make_unique<ManualClock>(1000);
            clock_ = clock.get();
        }
        app_ = std::make_unique<Application>(std::vector<std::string>{"corvane-test"}, std::move(clock));
        app_->SetPromptSink(&prompts_);
    }
    // The application runs on the clock given (a steady one that the test
    // may move on); TestClock is then not to be used.
    explicit PlatformTest(std::unique_ptr<Clock> clock)
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<Application>(std::vector<std::string>{"corvane-test"}, std::move(clock));
        app_->SetPromptSink(&prompts_);
    }
    ~PlatformTest() override = default;

    Application& App() { return *app_; }
    ManualClock& TestClock() { return *clock_; }
    RecordingPromptSink& Prompts() { return prompts_; }

private:
    RecordingPromptSink prompts_;
    ManualClock* clock_ = nullptr;
    std::unique_ptr<Application> app_;
};

}  // namespace corvane::test
