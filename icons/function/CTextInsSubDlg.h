#pragma once

#include "icons/function/LcdMessageContext.h"
#include "icons/function/LcdMessageLayout.h"
#include "platform/Dialog.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class CLCDtextIcon;
class EditControl;

// The LCD message editor: the message is typed in a multi-line edit; the
// input chosen in the list is put in at the caret by Insert ("^" and its
// number), with the texts an on/off input shows or the digit patterns of
// a number. Every change is laid out again on the display's lines (see
// LcdMessageLayout); a change that does not fit is taken back. Two test
// views show the message with the formats or with the inputs' names. OK
// hands the message, preview and insert texts over in Context(); Cancel
// hands nothing over.
class CTextInsSubDlg : public Dialog {
public:
    enum class View { Edit = 0, Numbers = 1, Names = 2 };

    CTextInsSubDlg(const CLCDtextIcon& icon, const LcdMessageContext& context, Window* parent = nullptr);
    ~CTextInsSubDlg() override;

    // What OK gave.
    const LcdMessageContext& Context() const { return context_; }

    static std::string_view CaptionFor(int lineCount);
    static std::string LayoutWarning(int lineCount);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // One row of the input list: a value input of the icon.
    struct InputRow {
        int input = 0;
        bool linked = false;
        bool data = false;
        std::string text;        // "<n> <source> <output label>", empty when unlinked
        std::string sourceName;  // UTF-8
    };

    LcdMessageLayout MakeLayout() const;
    void Accept(const LcdMessageLayout::Result& result, bool rewrite);
    void SetMessageText(const std::string& model, std::size_t caret);
    void OnMessageChanged();
    void OnFormatChanged(bool low);
    void OnInsert();
    void OnSelectInput();
    void OnView(View view);
    void ShowSelection();
    void ShowFormatTexts();
    void RebuildPreview();
    void ShowLayoutWarning();
    const InputRow* SelectedRow() const;
    EditControl* Edit(int id) const;

    const CLCDtextIcon& icon_;
    LcdMessageContext context_;
    std::array<LcdInsertTexts, LcdMessageContext::kInputSlots> texts_{};
    std::vector<InputRow> rows_;
    std::string accepted_;  // the message as last laid out (Windows-1252, CR LF)
    std::size_t acceptedCaret_ = 0;
    std::array<int, LcdMessageContext::kMaxLines> lineInserts_{-1, -1, -1};
    std::string preview_;
    View view_ = View::Edit;
    int selectedRow_ = -1;
    bool updating_ = false;  // controls being set by the dialog itself
};

}  // namespace corvane
