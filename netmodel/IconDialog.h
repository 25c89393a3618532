#pragma once

namespace corvane {

// An icon's configuration dialog as its icon sees it: run modally, true
// when it ended with OK (having written its values back into the icon).
class IconDialog {
public:
    virtual ~IconDialog() = default;
    virtual bool RunModal() = 0;
};

}  // namespace corvane
