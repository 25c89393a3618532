#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Where converted text goes: a file or, in tests and fuzzing, memory.
class OutputSink {
public:
    virtual ~OutputSink() = default;
    // False when the bytes could not be written; later writes may be skipped.
    virtual bool Write(std::string_view bytes) = 0;
};

// Collects everything written in a string.
class StringOutputSink : public OutputSink {
public:
    bool Write(std::string_view bytes) override
    {
        text_.append(bytes);
        return true;
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

}  // namespace corvane
