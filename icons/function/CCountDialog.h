#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>
#include <string_view>

namespace corvane {

class CCountIcon;

// The count icon's dialog; its texts follow the variant. The timed
// counter shows the trigger's source, the accumulator the number of input
// transitions per output (1..9999). Both choose when the count is cleared
// or output and which edges are counted.
class CCountDialog final : public CIconDialog {
public:
    explicit CCountDialog(CCountIcon& icon, Window* parent = nullptr);

    // The caption the dialog takes for a variant.
    static std::string_view VariantCaption(bool accumulator);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    CCountIcon& count_;
    bool accumulator_;
    std::uint32_t sampleCount_;
    int clearOnOutput_;
    int clearOnEnable_;
    int outputOnDisable_;
    int edge_;  // 0 rising, 1 falling
};

}  // namespace corvane
