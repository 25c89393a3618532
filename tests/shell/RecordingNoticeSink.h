#pragma once

#include "base/NoticeSink.h"

#include <string>
#include <vector>

namespace corvane::test {

// Keeps the notices shown through it.
class RecordingNoticeSink final : public NoticeSink {
public:
    struct Shown {
        std::string text;
        std::string caption;
        NoticeStyle style;
    };
    std::vector<Shown> shown;

    void ShowNotice(std::string_view text, std::string_view caption, NoticeStyle style) override
    {
        shown.push_back({std::string(text), std::string(caption), style});
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const Shown& s : shown)
            texts.push_back(s.text);
        return texts;
    }
};

}  // namespace corvane::test
