#pragma once

#include "icons/common/CIconDialog.h"
#include "icons/function/LcdMessageContext.h"

#include <string_view>

namespace corvane {

class CLCDtextIcon;
class CTextInsSubDlg;

// The LCD message icon's dialog: its name, the sources of its value
// inputs, what the message does, and a preview of the message. Edit
// Message opens the message editor on the dialog's own copy of the
// message; the icon takes the message, its inserts and the name on OK
// only.
class CLCDtextDialog : public CIconDialog {
public:
    explicit CLCDtextDialog(CLCDtextIcon& icon, Window* parent = nullptr);
    ~CLCDtextDialog() override;

    static std::string_view CaptionFor(bool latched);
    static std::string_view DescriptionFor(bool latched);

    // The message as the dialog holds it now.
    const LcdMessageContext& Context() const { return context_; }
    // The message editor while it is open, else null.
    CTextInsSubDlg* OpenEditor() const { return editor_; }

protected:
    bool OnInitDialog() override;
    void ApplyToIcon() override;

private:
    void OnEditMessage();
    void ShowPreview();
    std::string SourceName(int input) const;

    CLCDtextIcon& lcd_;
    LcdMessageContext context_;
    CTextInsSubDlg* editor_ = nullptr;
};

}  // namespace corvane
