#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>
#include <memory>

namespace corvane {

class CSpikeBlockerIcon;
class FloatEdit;

// Sets a transient reject filter's magnitude (a number that is not
// negative) and its step-change count (more than 1, at most three digits).
class CSpikeDialog : public CIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 2291;
    static constexpr std::size_t kCountDigits = 3;

    explicit CSpikeDialog(CSpikeBlockerIcon& icon, Window* parent = nullptr);
    ~CSpikeDialog() override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    bool Refuse(std::string_view text) const;

    CSpikeBlockerIcon& spike_;
    std::uint32_t count_;
    float magnitude_;
    std::unique_ptr<FloatEdit> magnitudeEdit_;
};

}  // namespace corvane
