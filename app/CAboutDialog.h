#pragma once

#include "platform/Dialog.h"

#include <cstdint>
#include <string>

namespace corvane {

// The program's About box: its version and legal notice.
class CAboutDialog : public Dialog {
public:
    static constexpr std::uint32_t kHelpId = 0x20064;

    explicit CAboutDialog(Window* parent = nullptr);

    const std::string& VersionText() const { return versionText_; }
    const std::string& LegalText() const { return legalText_; }

protected:
    bool OnInitDialog() override;

private:
    std::string versionText_;
    std::string legalText_;
};

}  // namespace corvane
