#pragma once

#include "icons/common/CIconDialog.h"

#include <array>
#include <cstdint>

namespace corvane {

class CWarningIcon;

// Chooses the conditions that force a Warning icon's output high, one check
// box per condition bit, and the memory percentage for "Memory is more
// than" (editable only while that box is checked). OK needs a condition and,
// with the memory box checked, a percentage of 1 to 100.
class CWarningDialog : public CIconDialog {
public:
    struct Condition {
        std::uint16_t bit;
        int controlId;
    };
    static const std::array<Condition, 15> kConditions;

    explicit CWarningDialog(CWarningIcon& icon, Window* parent = nullptr);
    ~CWarningDialog() override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    static std::size_t MemoryIndex();
    void EnablePercentage();
    void ShowRefusal(std::string_view text);

    CWarningIcon& warning_;
    std::array<int, 15> checked_{};
    std::uint32_t percentage_ = 0;
};

}  // namespace corvane
