#pragma once

#include "platform/Control.h"

#include <cstddef>
#include <string>

namespace corvane {

// A read-only log of text lines (kind LogBox). Each appended line is
// scrolled into view; with a maximum line count the oldest lines go first.
class LogBoxControl : public Control {
public:
    using Control::Control;

    // A line break inside the text starts another line.
    void AppendLine(std::string_view text);
    void Clear();
    int GetLineCount() const;
    std::string GetLine(int index) const;  // empty for a bad index
    // 0: no limit. A lower limit drops the oldest lines at once.
    void SetMaxLines(int lines);
    int GetMaxLines() const;

    // The whole log, lines ended by line breaks but the last.
    void SetText(std::string_view text) override;
    std::string GetText() const override;

private:
    bool empty_ = true;
};

}  // namespace corvane
