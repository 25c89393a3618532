#pragma once

#include "icons/common/CIconDialog.h"

#include <memory>

namespace corvane {

class CScratchPadIcon;
class FloatEdit;

// Configures a scratchpad icon: the register, read or write mode, and for
// writing the initial value, keeping the value between sessions and
// bounding by the Min and Max terminals. The write settings are enabled
// only in write mode, the bounding texts only with bounding on.
class CScratchPadIconDialog : public CIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 2281;

    explicit CScratchPadIconDialog(CScratchPadIcon& icon, Window* parent = nullptr);
    ~CScratchPadIconDialog() override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    // Enables the write settings by the checked radio and bounding box.
    void EnableForMode();

    CScratchPadIcon& scratch_;
    int register_;
    int mode_;  // 0 read, 1 write
    int retain_;
    int bounding_;
    float initial_;
    std::unique_ptr<FloatEdit> initialEdit_;
};

}  // namespace corvane
