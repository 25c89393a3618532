#pragma once

#include "icons/common/CIconDialog.h"

#include <string>

namespace corvane {

class CMultiplexIcon;

// Shows which icons feed a multiplexer: input A, input B and the select
// input (named twice, for "is Low" and "is High"); only the name is set.
class CMultiplexDialog : public CIconDialog {
public:
    explicit CMultiplexDialog(CMultiplexIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;

private:
    // The name of the icon feeding an input, or empty when none does.
    std::string SourceOf(int slot) const;
    void ShowSource(int controlId, int slot);
};

}  // namespace corvane
