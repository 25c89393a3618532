#pragma once

#include "platform/Control.h"

#include <functional>

namespace corvane {

// A single- or multi-line edit field.
class EditControl : public Control {
public:
    using Control::Control;

    void SetText(std::string_view text) override;
    std::string GetText() const override;
    // The most characters the user may type (0: no limit).
    void SetLimitText(std::size_t characters);
    std::size_t LimitText() const;
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const;
    // Selection in characters; end -1 means to the end of the text.
    void SetSel(int start, int end);
    std::pair<int, int> GetSel() const;
    void ReplaceSel(std::string_view text);
    int CaretPosition() const;
    // Decides which typed or pasted characters the edit accepts.
    void SetCharFilter(std::function<bool(char32_t)> accept);
};

}  // namespace corvane
