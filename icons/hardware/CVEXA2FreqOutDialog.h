#pragma once

#include "icons/common/CIconDialog.h"

#include <string>
#include <string_view>

namespace corvane {

class CVEXA2FreqOutIcon;

// Configures a frequency/open-collector output of the digital I/O module:
// the mode (radios or picture buttons) and the pull-up. OK first checks
// that the source linked to the data input gives the new mode's type and
// refuses with nothing changed when it does not; then it writes the
// channel word and remakes the data input.
class CVEXA2FreqOutDialog : public CIconDialog {
public:
    enum Mode { kOpenCollector = 0, kFrequency = 1 };

    static constexpr std::string_view kTypeMismatch = "This output type does not match what you are connected to.";

    explicit CVEXA2FreqOutDialog(CVEXA2FreqOutIcon& icon, Window* parent = nullptr);

    int Mode() const { return mode_; }
    const std::string& Title() const { return title_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    void SelectMode(int mode);
    void ShowMode();

    CVEXA2FreqOutIcon& channel_;
    int mode_ = kOpenCollector;
    int pullUp_ = 0;
    std::string title_;
};

}  // namespace corvane
