#pragma once

#include "comms/MainFrameMessages.h"
#include "comms/MainFramePoster.h"

#include <string>
#include <vector>

namespace corvane::test {

// Keeps the notices posted to the main frame.
class RecordingPoster final : public MainFramePoster {
public:
    struct Posted {
        MessageId id;
        std::uintptr_t wParam;
        std::string text;
    };
    std::vector<Posted> posted;

    bool PostToMainFrame(MessageId id, std::uintptr_t wParam, std::unique_ptr<Payload> payload) override
    {
        auto* text = dynamic_cast<ValuePayload<std::string>*>(payload.get());
        posted.push_back({id, wParam, text != nullptr ? text->value : std::string()});
        return true;
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const Posted& p : posted)
            texts.push_back(p.text);
        return texts;
    }
};

}  // namespace corvane::test
