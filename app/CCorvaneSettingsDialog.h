#pragma once

#include "platform/Dialog.h"

#include <cstdint>
#include <string>

namespace corvane {

class CConnectionDetails;
class SettingsStore;

// The program-wide settings: the memory-card reader's mount point, the
// communications trace and the two time-outs of logger communication.
class CCorvaneSettingsDialog : public Dialog {
public:
    static constexpr std::uint32_t kHelpId = 0x20000 + 472;

    // What the dialog reads and updates: the settings, the application's
    // two time-outs in milliseconds, and the link (null: not connected).
    struct Context {
        SettingsStore& store;
        std::uint32_t& messageTimeoutMs;
        std::uint32_t& socketTimeoutMs;
        const CConnectionDetails* connection = nullptr;
    };

    CCorvaneSettingsDialog(Context context, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(DataExchange& exchange) override;

private:
    void ChooseCardFolder();
    void ShowBox(const char* text);

    Context context_;
    std::string cardFolder_;
    int commTrace_ = 0;
    int messageTimeout_ = 5;     // seconds
    int connectionTimeout_ = 5;  // seconds
};

}  // namespace corvane
