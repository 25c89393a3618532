#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>
#include <string>

namespace corvane {

class CDataTagIcon;

// Names a data tag and, when the value feeding it offers the choice,
// chooses its number format (decimal with 1 to 7 digits past the point,
// or whole numbers). A name another tag of the net already has is refused.
class CDataTagDialog : public CIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 4;
    static constexpr std::string_view kDuplicateCaption = "Duplicate Icon Names";

    explicit CDataTagDialog(CDataTagIcon& icon, Window* parent = nullptr);

    // The refusal text for a name already in use.
    static std::string DuplicateNameText(std::string_view name);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    void ShowDigits();

    CDataTagIcon& tag_;
    std::string openingName_;  // the record name (Windows-1252) at opening
    std::uint16_t format_;
    int formatChoice_ = 0;  // 0 decimal, 1 whole number
    int digitsIndex_ = 0;   // digits past the point - 1
};

}  // namespace corvane
