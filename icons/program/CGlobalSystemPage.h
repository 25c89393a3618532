#pragma once

#include "platform/PropertyPage.h"

#include <array>
#include <cstdint>
#include <string>

namespace corvane {

class CGlobalIcon;
class ProgramSheetServices;

// The System page of the Program icon's sheet: the net name (shown), the
// program description, the data-logging memory mode and the version words
// saved in the net, with an Update button when they do not suit this
// program or the connected logger. It reloads from the icon when shown
// after binding or after OK; switching pages keeps what was typed.
class CGlobalSystemPage : public PropertyPage {
public:
    static constexpr std::size_t kDescriptionLimit = 20;
    static constexpr std::string_view kUpdateQuestion =
        "Update the net version numbers?  No Un-do.\n\n(Save net to record update)";

    explicit CGlobalSystemPage(const ProgramSheetServices& services);

    void BindRecord(CGlobalIcon& icon, std::string_view netName);
    // The dialog's icon name as the page shows it.
    void SetNetName(std::string_view name);
    // Writes the description and the memory mode into the icon (OK).
    void WriteRecord();

    // A version word as the page shows it, most significant byte first.
    static std::string FormatVersion(std::uint32_t word);

protected:
    bool OnSetActive() override;
    bool OnKillActive() override;
    void DoDataExchange(DataExchange& exchange) override;

private:
    void LoadFromRecord();
    void ShowCurrentVersions(bool show);
    void OnDescriptionChange();
    void OnUpdateVersions();

    const ProgramSheetServices& services_;
    CGlobalIcon* icon_ = nullptr;
    bool left_ = true;
    bool showCurrent_ = false;
    std::string description_;
    std::string netName_;
    int memoryMode_ = 0;
    std::array<std::string, 4> versions_;  // saved program, saved logger, current program, current logger
    std::uint32_t programWord_ = 0;
    std::uint32_t firmwareWord_ = 0;
};

}  // namespace corvane
