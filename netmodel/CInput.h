#pragma once

#include "netmodel/CConnector.h"

namespace corvane {

// An input connector: it draws the line of its link, from its anchor to
// the anchor of the output feeding it.
class CInput final : public CConnector {
public:
    using CConnector::CConnector;
    bool IsInput() const override { return true; }
    void DrawLink(DeviceContext& dc) const override;
};

}  // namespace corvane
