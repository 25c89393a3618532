#pragma once

#include "netmodel/CHardwarePoll.h"
#include "netmodel/CUIDMgr.h"
#include "netmodel/RecordError.h"
#include "platform/Document.h"
#include "platform/Geometry.h"
#include "platform/PrintSetup.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

namespace corvane {

class BitmapCatalog;
class CCorvaneIcon;
class CCorvaneObj;
class DeviceContext;
class LinkedInputIndex;
class NetClassRegistry;
class NetObjectView;

// The document base of every document kind: it owns its objects in
// drawing order (first drawn at the front, topmost at the back), the
// logger hardware-query result, the icon ids of its net, a logical size,
// the paper size and the paper colour.
class CCorvaneDoc : public Document {
public:
    static constexpr Size kDefaultPaper{5000, 5000};
    static constexpr std::uint32_t kDefaultPaperColour = 0xFFFFFF;
    static constexpr int kPaperColourCommand = 32781;

    CCorvaneDoc();
    ~CCorvaneDoc() override;

    // Appends the object at the top and makes this document its owner.
    CCorvaneObj& AddObject(std::unique_ptr<CCorvaneObj> object);
    // Takes the object out of the list (handing it back) and out of every
    // view's selection, also when it was not in the list.
    std::unique_ptr<CCorvaneObj> RemoveObject(CCorvaneObj& object);
    // Moves an object of the list to its head (drawn first).
    void MoveToFront(CCorvaneObj& object);
    // The topmost object that a 1 x 1 rectangle at the point hits.
    CCorvaneObj* ObjectAt(Point point) const;
    int GetObjectCount() const { return static_cast<int>(objects_.size()); }
    const std::vector<std::unique_ptr<CCorvaneObj>>& GetObjects() const { return objects_; }
    // Every icon, in list order.
    std::vector<CCorvaneIcon*> Icons() const;
    // The same list without a copy, for a walk that changes no object's
    // place in the list and adds or removes none.
    const std::vector<CCorvaneIcon*>& IconList() const;
    // The first icon in list order with the id, or null (none for 0).
    CCorvaneIcon* FindIconById(std::uint16_t id) const;
    // An icon took another id (CCorvaneIcon::SetUniqueId): the index by id
    // is renewed before it is next used.
    void OnIconIdChanged() { iconIndexStale_ = true; }
    // The index of inputs by the output feeding them while one lives
    // (LinkedInputIndex), else null.
    const LinkedInputIndex* ActiveLinkedInputIndex() const { return linkedInputIndex_; }
    // Places the connectors of every icon and links them, as
    // LayoutConnectors on each icon in list order would, in time linear in
    // the number of icons: each input is linked once both ends are placed.
    void LayoutAllIconConnectors();

    // Draws every object and, in an activated view and not when printing,
    // the trackers of the selected ones, object by object.
    void DrawAll(DeviceContext& dc, BitmapCatalog& pictures, const NetObjectView* view) const;
    // Detaches and frees the deletable objects (every object with all),
    // then resets the ids from what is left and updates the views.
    void DeleteObjects(bool all);

    // The paper: in hundredths of an inch, that of the printer the page
    // set-up prints to, turned when landscape, or 5000 x 5000 without a
    // printer (or when printing to a PDF file). A document starts with the
    // paper of the page set-up it was made under, asked of the print system
    // only when it is first needed; ComputePageSize takes the page set-up
    // as it is now, and the views hear of a change only.
    void ComputePageSize();
    void ComputePageSize(std::optional<Size> printerArea);
    Size GetDocSize() const { return docSize_; }
    void SetDocSize(Size size) { docSize_ = size; }
    Size GetPaperSize() const;
    // Whether the paper is known without asking the print system.
    bool IsPaperSizeKnown() const { return paperSize_.has_value(); }
    std::uint32_t GetPaperColor() const { return paperColour_; }
    void SetPaperColor(std::uint32_t colour) { paperColour_ = colour; }
    // Asks for a colour (black offered first); on OK it becomes the paper
    // colour, the document is modified and the views repaint.
    void OnPaperColor();

    CHardwarePoll& GetHardwarePoll() { return hardwarePoll_; }
    const CHardwarePoll& GetHardwarePoll() const { return hardwarePoll_; }

    // Icon ids. The next id for a new icon; when the 16-bit ids run out
    // the icons are renumbered compactly (links follow) first. 0 only when
    // the net holds 65535 icons.
    std::uint16_t TakeNextIconId();
    void ResetIdsFromIcons();
    CUIDMgr& Ids() { return ids_; }

    // The object archive: the object count, each object's class and its
    // 50-byte record. Loading refuses bad bytes or an unknown class
    // without touching the document; otherwise it replaces every object.
    std::vector<std::uint8_t> SaveObjectArchive() const;
    std::optional<RecordError> LoadObjectArchive(std::span<const std::uint8_t> bytes, const NetClassRegistry& classes);

    // The views of this document that show net objects.
    void ForEachObjectView(const std::function<void(NetObjectView&)>& visit) const;
    void InvalidateInViews(const CCorvaneObj& object) const;

private:
    friend class LinkedInputIndex;

    void RenumberIcons();
    // Renews the icon list and the index by id when they are stale.
    void RefreshIconIndex() const;

    CHardwarePoll hardwarePoll_;
    std::vector<std::unique_ptr<CCorvaneObj>> objects_;
    Size docSize_{};
    // The page set-up the document was made under; none without an application.
    std::optional<PrintSetup> startSetup_;
    mutable std::optional<Size> paperSize_;
    std::uint32_t paperColour_ = kDefaultPaperColour;
    CUIDMgr ids_;
    // The icons in list order and the first icon of each id, renewed in
    // one pass on first use after the object list or an icon's id changed.
    mutable std::vector<CCorvaneIcon*> icons_;
    mutable std::unordered_map<std::uint16_t, CCorvaneIcon*> iconsById_;
    mutable bool iconIndexStale_ = true;
    const LinkedInputIndex* linkedInputIndex_ = nullptr;
};

}  // namespace corvane
