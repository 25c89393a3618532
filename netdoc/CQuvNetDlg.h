#pragma once

#include "platform/Dialog.h"

#include <filesystem>
#include <string>

namespace corvane {

class CNetDoc;

// "Convert Logger Net": writes the compiled net file. A net without
// findings is written at once and the window never shows (the dialog ends
// with kWritten); otherwise the findings are listed, "Accept Warnings"
// writes the file in spite of them and Cancel writes nothing.
class CQuvNetDlg : public Dialog {
public:
    static constexpr int kWritten = 8;
    static constexpr std::string_view kHeading = "Program net errors found:";

    CQuvNetDlg(CNetDoc& doc, std::filesystem::path output, Window* parent = nullptr);

    // Whether the compiled file was written.
    bool Written() const { return written_; }
    // The report shown ("\r\n" line ends); empty when there was nothing to show.
    const std::string& Report() const { return report_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void ShowFindings(const std::vector<std::string>& messages);

    CNetDoc& doc_;
    std::filesystem::path output_;
    std::string report_;
    bool written_ = false;
};

}  // namespace corvane
