#pragma once

#include "platform/Geometry.h"

namespace corvane {

class CCorvaneIcon;
class DeviceContext;

// One connection point of an icon. Its position is relative to the icon's
// top-left corner; its hot rectangle, anchor and link end are in document
// coordinates. A link is stored in the record of the input it ends at; in
// memory an input's link end is the anchor of the output feeding it, and
// (0, 0) means no link.
class CConnector {
public:
    CConnector() = default;
    CConnector(int kind, bool active, bool trigger, Point position, int dataType, CCorvaneIcon* owner);
    virtual ~CConnector() = default;

    int Kind() const { return kind_; }
    Point Position() const { return position_; }
    void SetPosition(Point position) { position_ = position; }
    Point LinkEnd() const { return linkEnd_; }
    void SetLinkEnd(Point end) { linkEnd_ = end; }
    bool HasLinkEnd() const { return linkEnd_ != Point{}; }
    CCorvaneIcon* Owner() const { return owner_; }
    void SetOwner(CCorvaneIcon* owner) { owner_ = owner; }

    bool IsActive() const { return active_; }
    void SetActive(bool active) { active_ = active; }
    bool IsTrigger() const { return trigger_; }
    bool IsHighlighted() const { return highlight_; }
    void SetHighlight(bool highlight) { highlight_ = highlight; }
    // An inactive connector reads 0 and keeps 0.
    int GetDataType() const { return active_ ? dataType_ : 0; }
    void SetDataType(int dataType) { dataType_ = active_ ? dataType : 0; }
    bool IsOnInputSide() const { return position_.x < 0 || position_.y < 0; }

    // The hot rectangle starts at the given document point: 8 wide and 5
    // tall, or 5 wide and 8 tall for a trigger connector.
    void SetHotRect(Point documentPoint);
    const Rect& HotRect() const { return hot_; }
    // A hit within the hot rectangle widened 5 pixels left and right and 2
    // up and down, edges included; never for an inactive connector.
    bool HitTest(Point point) const;
    // Where links attach: the hot rectangle's centre moved out of the body.
    Point GetLinkAnchorPoint() const;

    virtual bool IsInput() const = 0;
    // The box, in the colour of its data type, and the link lines the
    // connector owns.
    virtual void DrawLink(DeviceContext& dc) const = 0;
    void DrawConnector(DeviceContext& dc) const;

    // Copies what a connector slot takes over from another connector:
    // position, kind, flags, hot rectangle and data type (not the owner or
    // the link end).
    void CopyShape(const CConnector& other);

private:
    Point position_{};
    Point linkEnd_{};
    int kind_ = 0;
    CCorvaneIcon* owner_ = nullptr;
    bool active_ = false;
    bool trigger_ = false;
    Rect hot_{};
    int dataType_ = 0;
    bool highlight_ = false;
};

}  // namespace corvane
