#pragma once

#include "icons/common/CIconDialog.h"

#include <string>

namespace corvane {

class CTnoteIcon;

// Edits a text note: its name and its text of at most 250 bytes.
class CTnoteDialog : public CIconDialog {
public:
    explicit CTnoteDialog(CTnoteIcon& icon, Window* parent = nullptr);

    const std::string& NoteText() const { return text_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    CTnoteIcon& note_;
    std::string text_;  // UTF-8
};

}  // namespace corvane
