#pragma once

#include "netmodel/CCorvaneObj.h"

#include <cstdint>

namespace corvane {

class Bitmap;

// A picture at a fixed place of a document that stands for an action: the
// Communication Window builds its picture from these. It shows a bitmap
// (or its alternate), may be movable, and remembers the rectangle it was
// made at so that a dragged one can be put back. Only the object record is
// stored; the rest comes from whoever makes it.
class CCorvaneCtrl : public CCorvaneObj {
public:
    CCorvaneCtrl(bool firstFlag, bool fixed, bool movable, bool clickable, int bitmapId, int ctrlId,
        const Rect& rect);

    std::string_view ClassName() const override { return "CCorvaneCtrl"; }

    void SetAlternateBitmap(int id) { alternateBitmapId_ = id; }
    void SetUseAlternateBitmap(bool use) { useAlternate_ = use; }
    bool IsUsingAlternateBitmap() const { return useAlternate_; }
    int GetCtrlId() const { return ctrlId_; }
    bool IsClickable() const { return clickable_; }
    bool IsFixed() const { return fixed_; }
    bool FirstFlag() const { return firstFlag_; }
    int BitmapId() const { return bitmapId_; }
    const Rect& HomeRect() const { return home_; }
    // The bitmap drawn now: the alternate one when asked for and set.
    int DrawnBitmapId() const;

    int GetHandleCursor(int hitCode) const override;
    void Draw(DeviceContext& dc, BitmapCatalog& pictures) override;
    bool Intersects(const Rect& rect) const override;
    // Centres the object on the point, keeping its right and bottom edges.
    void MoveHandleTo(int handle, Point point, NetObjectView* view) override;
    // Moves back to the rectangle the object was made at.
    virtual void RestorePosition(NetObjectView* view);

private:
    int bitmapId_;
    Rect home_;
    bool clickable_;
    int ctrlId_;
    bool fixed_;
    bool firstFlag_;
    int alternateBitmapId_ = 0;
    bool useAlternate_ = false;
};

// Copies the top-left width x height pixels of a bitmap to (x, y).
void DrawBitmap(const Bitmap& bitmap, DeviceContext& dc, int x, int y, int width, int height);

}  // namespace corvane
