#pragma once

#include "netmodel/ObjectRecord.h"
#include "platform/DrawingTypes.h"
#include "platform/Geometry.h"

#include <string_view>

namespace corvane {

class BitmapCatalog;
class CCorvaneDoc;
class DeviceContext;
class NetObjectView;

// Kinds of net objects; they decide hit testing and handles.
namespace object_type {
inline constexpr unsigned kRectangle = 0;
inline constexpr unsigned kLine = 1;
inline constexpr unsigned kIconOrControl = 2;
inline constexpr unsigned kNotHitTestable = 3;
}  // namespace object_type

// Cursor ids an object asks for; the view turns them into cursors.
namespace object_cursor {
inline constexpr int kArrow = 32512;
inline constexpr int kSizeAll = 32646;
inline constexpr int kMove = 154;
}  // namespace object_cursor

// Selection states the trackers are drawn for.
enum class TrackerState { Normal = 0, Selected = 1, Active = 2 };

// The base of every object a document draws and stores: icons, bitmap
// controls and bus-node pictures. It holds the rectangle (document
// coordinates), kind, owner, pen and brush, and the behaviour flags, and
// gives the editing tools handles, hit tests and moving. It is stored as
// the 50-byte object record.
class CCorvaneObj {
public:
    CCorvaneObj() = default;
    explicit CCorvaneObj(const Rect& position);
    virtual ~CCorvaneObj() = default;
    CCorvaneObj(const CCorvaneObj&) = delete;
    CCorvaneObj& operator=(const CCorvaneObj&) = delete;

    // The name the object's class is stored under in an object archive.
    virtual std::string_view ClassName() const { return "CCorvaneObj"; }

    const Rect& Position() const { return position_; }
    void SetPosition(const Rect& position) { position_ = position; }
    unsigned Type() const { return type_; }
    void SetType(unsigned type) { type_ = type; }
    CCorvaneDoc* Owner() const { return owner_; }
    void SetOwner(CCorvaneDoc* owner) { owner_ = owner; }

    // Hardware channel icons draw 32 x 64, are numbered last and are never
    // walked into when the execution order is set.
    bool IsHardwareLayout() const { return hardwareLayout_; }
    void SetHardwareLayout(bool set) { hardwareLayout_ = set; }
    bool IsDeletable() const { return deletable_; }
    void SetDeletable(bool deletable) { deletable_ = deletable; }
    bool SecondFlag() const { return secondFlag_; }
    void SetSecondFlag(bool set) { secondFlag_ = set; }
    bool DrawsHandles() const { return drawHandles_; }
    void SetDrawHandles(bool set) { drawHandles_ = set; }
    bool DrawsOutline() const { return drawOutline_; }
    void SetDrawOutline(bool set) { drawOutline_ = set; }

    // The stored record (rectangle, type, pen and brush) and back.
    ObjectRecord ToRecord() const;
    void FromRecord(const ObjectRecord& record);

    // Handles: 1 the centre, 2 to 9 clockwise from top-left (2 top-left,
    // 3 top-centre, 4 top-right, 5 right-centre, 6 bottom-right, 7
    // bottom-centre, 8 bottom-left, 9 left-centre).
    virtual int GetHandleCount() const;
    virtual Point GetHandle(int handle) const;
    virtual int GetHandleCursor(int hitCode) const;
    virtual void Draw(DeviceContext& dc, BitmapCatalog& pictures);
    virtual void DrawTracker(DeviceContext& dc, TrackerState state) const;
    // Moves to a rectangle, repainting the old and new area in the view
    // (or in every view of the owner) and marking the owner modified.
    virtual void MoveTo(const Rect& position, NetObjectView* view);
    virtual bool IsOnlySelection(const NetObjectView& view) const;
    // 0 outside (edges count inside), 1 inside when not the only
    // selection, else the handle code of the edge zone the point is in.
    virtual int HitTestHandles(Point point, const NetObjectView* view) const;
    virtual bool Intersects(const Rect& rect) const;
    virtual bool IntersectsRect(const Rect& rect) const;
    virtual bool IntersectsLine(const Rect& rect) const;
    virtual bool IntersectsRegion(const Rect& rect) const;
    virtual void MoveHandleTo(int handle, Point point, NetObjectView* view);
    // Opening the object (a double click): its properties.
    void OpenProperties() { OnOpen(); }
    virtual void OnOpen() {}
    // Whether opening the object shows a dialog; the Properties command is
    // greyed for an object without one.
    virtual bool HasProperties() const { return true; }
    // Detaches the object from its net before it leaves the document.
    virtual void Remove() {}

protected:
    // The object's own pen and brush, for drawing; null ones when turned off.
    Pen DrawingPen() const;
    Brush DrawingBrush() const;

    // The outline of a selected object: 34 wide, 34 or 66 tall.
    virtual bool DrawsTallOutline() const { return hardwareLayout_; }
    // The note icon's outline carries an extra segment.
    virtual bool HasOutlineSegment() const { return false; }

private:
    Rect position_{};
    unsigned type_ = object_type::kRectangle;
    CCorvaneDoc* owner_ = nullptr;
    bool hardwareLayout_ = false;
    bool penOn_ = true;
    bool brushOn_ = true;
    std::uint32_t penStyle_ = 6;
    std::int32_t penWidthX_ = 1;
    std::int32_t penWidthY_ = 1;
    std::uint32_t penColour_ = 0;
    std::uint32_t brushStyle_ = 0;
    std::uint32_t brushColour_ = 0xC0C0C0;
    std::uint32_t brushHatch_ = 0;
    bool deletable_ = true;
    bool secondFlag_ = true;
    bool drawHandles_ = true;
    bool drawOutline_ = true;
};

}  // namespace corvane
