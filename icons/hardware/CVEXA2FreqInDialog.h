#pragma once

#include "icons/common/CIconDialog.h"

#include <string>

namespace corvane {

class CVEXA2FreqInIcon;

// Configures a frequency input of the digital I/O module: debounce
// filtering. The trackbar only shows a frequency and its period; nothing
// of it is stored.
class CVEXA2FreqInDialog : public CIconDialog {
public:
    static constexpr int kSliderMinimum = 1;
    static constexpr int kSliderMaximum = 10000;

    explicit CVEXA2FreqInDialog(CVEXA2FreqInIcon& icon, Window* parent = nullptr);

    const std::string& Title() const { return title_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    void ShowFrequency(const char* format);
    void OnSliderMoved();

    CVEXA2FreqInIcon& channel_;
    int debounce_ = 0;
    double frequency_ = 10.0;
    std::string title_;
};

}  // namespace corvane
