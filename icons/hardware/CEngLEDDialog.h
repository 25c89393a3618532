#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CEngLEDIcon;

// Names the blue LED icon and shows the source of its input.
class CEngLEDDialog : public CIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 1611;

    explicit CEngLEDDialog(CEngLEDIcon& icon, Window* parent = nullptr);
};

}  // namespace corvane
