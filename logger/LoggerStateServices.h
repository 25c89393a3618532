#pragma once

#include <cstdint>

namespace corvane {

class CConnectionDetails;
class LoggerTimeZone;
class StatusSink;

// What the logger dialogs need of the program around them: the connection
// state, the main window's status bar, and the logger state the program
// keeps from the last state reply (status word, log memory size and use,
// the logger's time zone). The Communication Window's services provide it;
// tests fake it. It outlives the dialogs that use it.
class LoggerStateServices {
public:
    virtual ~LoggerStateServices() = default;

    virtual CConnectionDetails& Connection() = 0;
    virtual StatusSink& Status() = 0;
    virtual void SetLoggerStateWords(std::uint32_t status, std::uint32_t memoryKb, std::uint32_t memoryUsedKb) = 0;
    // The logger-state word kept above (bit 0x800000: a memory card is in
    // the logger); the Communication Window reads it and sets its card bit.
    virtual std::uint32_t LoggerStatusWord() const = 0;
    virtual void SetLoggerStatusWord(std::uint32_t status) = 0;
    // The log memory size and use in kilobytes kept above.
    virtual std::uint32_t LoggerMemoryKb() const = 0;
    virtual std::uint32_t LoggerMemoryUsedKb() const = 0;
    virtual LoggerTimeZone& TimeZone() = 0;
};

}  // namespace corvane
