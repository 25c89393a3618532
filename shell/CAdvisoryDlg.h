#pragma once

#include "platform/Dialog.h"

#include <string>
#include <string_view>

namespace corvane {

class AdvisorySuppressions;

// The advisory box: a text with one or two buttons and the choice "Do not
// show this advisory again", which holds for the rest of the run.
class CAdvisoryDlg : public Dialog {
public:
    // Box types.
    static constexpr int kOkCancel = 0;
    static constexpr int kOk = 1;
    static constexpr int kYesNo = 2;
    static constexpr int kUnlabelled = 3;

    explicit CAdvisoryDlg(AdvisorySuppressions& suppressed, Window* parent = nullptr);

    // The button pressed as a message-box code: type 0 gives 1 (OK) or 2
    // (Cancel), type 1 gives 6 for its one button, type 2 gives 6 (Yes) or 7
    // (No). Escape and the close box answer Cancel, 6 and No respectively.
    // A suppressed text returns 5 at once without showing anything.
    int Show(int boxType, std::string_view text);

    int Result() const { return result_; }

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    void Answer(int result);

    AdvisorySuppressions& suppressed_;
    int boxType_ = kUnlabelled;
    int result_ = 0;
    std::string text_;
};

}  // namespace corvane
