#pragma once

#include "icons/reporting/CBigDataIconDialog.h"

namespace corvane {

class CBigRamIcon;

// "Log Data Memory": the Memory icon's choice of data tags.
class CBigRamDialog : public CBigDataIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 131223;

    explicit CBigRamDialog(CBigRamIcon& icon, Window* parent = nullptr);
};

}  // namespace corvane
