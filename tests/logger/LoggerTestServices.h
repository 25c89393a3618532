#pragma once

// The program around the logger dialogs as plain fields: a connection
// state, a status bar that notes what it shows, and the logger state words.

#include "RecordingStatusSink.h"
#include "base/LoggerTimeZone.h"
#include "comms/CConnectionDetails.h"
#include "comms/CommsSettings.h"
#include "comms/MainFramePoster.h"
#include "logger/LoggerStateServices.h"

namespace corvane::test {

class LoggerTestServices final : public LoggerStateServices {
public:
    struct Poster final : MainFramePoster {
        bool PostToMainFrame(MessageId, std::uintptr_t, std::unique_ptr<Payload>) override { return true; }
    };
    struct RetrySettings final : CommsSettings {
        std::uint32_t LoggerRetryTime() const override { return 5000; }
    };

    Poster poster;
    RetrySettings retry;
    CConnectionDetails connection{poster, retry};
    RecordingStatusSink status;
    LoggerTimeZone timeZone;
    std::uint32_t statusWord = 0;
    std::uint32_t memoryKb = 0;
    std::uint32_t memoryUsedKb = 0;

    CConnectionDetails& Connection() override { return connection; }
    StatusSink& Status() override { return status; }
    void SetLoggerStateWords(std::uint32_t word, std::uint32_t memory, std::uint32_t used) override
    {
        statusWord = word;
        memoryKb = memory;
        memoryUsedKb = used;
    }
    std::uint32_t LoggerStatusWord() const override { return statusWord; }
    void SetLoggerStatusWord(std::uint32_t word) override { statusWord = word; }
    std::uint32_t LoggerMemoryKb() const override { return memoryKb; }
    std::uint32_t LoggerMemoryUsedKb() const override { return memoryUsedKb; }
    LoggerTimeZone& TimeZone() override { return timeZone; }
};

}  // namespace corvane::test
