#pragma once

#include "icons/reporting/FileSpecificationBits.h"
#include "platform/PropertyPage.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// What the File Specification page edits, kept by the sheet that hosts it:
// the base filename of the data files and the action's option word, of
// which the page changes bits 0 to 9 only.
struct AttachSettings {
    std::string baseFilename;  // UTF-8, at most CEmailAttachPage::kBaseFilenameLimit characters
    std::uint16_t optionWord = 0;
    bool ftp = false;  // the page serves an FTP icon, not an e-mail icon
};

// "File Specification", the page of the e-mail and FTP sheets that chooses
// which data-tag data the action sends as files, in which format, with what
// content and under what base filename. It reads the settings when it is
// first shown after SetSettings and keeps what the user enters over later
// activations; leaving the page and OK write the values back into the
// settings. "None" is offered for e-mail only; the three text formats are
// enabled unless "None" is chosen, "Raw data" only with "All new".
class CEmailAttachPage : public PropertyPage {
public:
    static constexpr std::size_t kBaseFilenameLimit = 45;
    static constexpr std::string_view kFilenameRequiredText = "Filename Base is required for Data Files";
    static constexpr std::string_view kFilenameRequiredCaption = "Data Files";

    CEmailAttachPage();

    // The settings the page edits (owned by the host, which writes them
    // into its icon on OK). The page reads them on its next activation.
    void SetSettings(AttachSettings& settings);
    // The page's values from the settings, and the controls from them when
    // the page is built.
    void LoadFromIcon();
    // The page's check: a base filename is required unless "None" is
    // chosen; a refusal is told in a message box. Works whether or not the
    // page has been shown.
    bool ValidateFilenameBase();
    // The page's values into the settings.
    void WriteSettings();

    const FileSpecificationBits& Bits() const { return bits_; }
    const std::string& BaseFilename() const { return baseFilename_; }

protected:
    bool OnSetActive() override;
    bool OnKillActive() override;
    // The page's check, so that a sheet's OK refuses a missing filename.
    bool OnApply() override;
    void OnOK() override;
    void DoDataExchange(DataExchange& exchange) override;

private:
    bool Ftp() const { return settings_ != nullptr && settings_->ftp; }
    // After a click in the data or the format group: the format settled to
    // the data choice, then the enabling.
    void OnChoiceClicked();
    void UpdateEnabling();

    AttachSettings* settings_ = nullptr;
    bool shown_ = false;
    std::string baseFilename_;
    FileSpecificationBits bits_;
    // The check boxes as the exchange keeps them (0 or 1).
    int appendDateTime_ = 0;
    int appendSerialNumber_ = 0;
    int appendLoggerName_ = 0;
};

}  // namespace corvane
