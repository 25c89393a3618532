#pragma once

#include "platform/Dialog.h"

#include <filesystem>
#include <string>

namespace corvane {

class CNetDoc;

// "Check Net": runs the net checks without writing anything and lists what
// they found. A clean net never shows the window: the box "No warnings or
// errors" is shown instead and the dialog ends with kNoFindings.
class CQuvTestDlg : public Dialog {
public:
    static constexpr int kNoFindings = 8;
    static constexpr std::string_view kHeading = "Program net check found:";
    static constexpr std::string_view kCleanText = "No warnings or errors";

    explicit CQuvTestDlg(CNetDoc& doc, std::filesystem::path path = {}, Window* parent = nullptr);

    // The report as built ("\r\n" line ends); empty for a clean net.
    const std::string& Report() const { return report_; }

protected:
    bool OnInitDialog() override;

private:
    CNetDoc& doc_;
    std::filesystem::path path_;
    std::string report_;
};

}  // namespace corvane
