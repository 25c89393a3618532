#pragma once

#include "icons/reporting/CBigDataIconDialog.h"

namespace corvane {

class CBigProbeIcon;

// "Probe Point": the Probe icon's choice of data tags.
class CBigProbeDialog : public CBigDataIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 131224;

    explicit CBigProbeDialog(CBigProbeIcon& icon, Window* parent = nullptr);
};

}  // namespace corvane
