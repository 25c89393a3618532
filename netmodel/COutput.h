#pragma once

#include "netmodel/CConnector.h"

namespace corvane {

// An output connector: its links are drawn by the inputs they end at, so
// it draws its box only.
class COutput final : public CConnector {
public:
    using CConnector::CConnector;
    bool IsInput() const override { return false; }
    void DrawLink(DeviceContext& dc) const override;
};

}  // namespace corvane
