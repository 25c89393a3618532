#include "netmodel/CCorvaneDoc.h"

#include "netmodel/CCorvaneIcon.h"
#include "netmodel/IconCaptions.h"
#include "netmodel/NetClassRegistry.h"
#include "netmodel/NetObjectView.h"
#include "netmodel/ObjectArchive.h"
#include "netmodel/RenumberIds.h"
#include "platform/Application.h"
#include "platform/DeviceContext.h"
#include "platform/PrintDialogs.h"
#include "platform/PrintSetup.h"
#include "platform/PromptSink.h"
#include "platform/View.h"

#include <algorithm>

namespace corvane {

namespace {

// The paper of the printer a page set-up prints to, turned when landscape;
// none for a PDF file or when no printer is configured.
std::optional<Size> PrinterArea(const PrintSetup& setup)
{
    Application& app = Application::Instance();
    const PrintSetup resolved = ResolvePrintSetup(setup, app.Printers());
    if (resolved.target == PrintTarget::Printer)
        return PaperOnPage(resolved);
    return std::nullopt;
}

}  // namespace

CCorvaneDoc::CCorvaneDoc()
{
    if (Application::Exists())
        startSetup_ = Application::Instance().Printing();
    AddCommand(kPaperColourCommand, [this](int) { OnPaperColor(); });
}

CCorvaneDoc::~CCorvaneDoc() = default;

CCorvaneObj& CCorvaneDoc::AddObject(std::unique_ptr<CCorvaneObj> object)
{
    object->SetOwner(this);
    objects_.push_back(std::move(object));
    iconIndexStale_ = true;
    return *objects_.back();
}

std::unique_ptr<CCorvaneObj> CCorvaneDoc::RemoveObject(CCorvaneObj& object)
{
    std::unique_ptr<CCorvaneObj> removed;
    const auto found = std::find_if(
        objects_.begin(), objects_.end(), [&](const std::unique_ptr<CCorvaneObj>& o) { return o.get() == &object; });
    if (found != objects_.end()) {
        removed = std::move(*found);
        objects_.erase(found);
        iconIndexStale_ = true;
    }
    ForEachObjectView([&](NetObjectView& view) { view.DropFromSelection(object); });
    return removed;
}

void CCorvaneDoc::MoveToFront(CCorvaneObj& object)
{
    const auto found = std::find_if(
        objects_.begin(), objects_.end(), [&](const std::unique_ptr<CCorvaneObj>& o) { return o.get() == &object; });
    if (found != objects_.end()) {
        std::rotate(objects_.begin(), found, found + 1);
        iconIndexStale_ = true;
    }
}

CCorvaneObj* CCorvaneDoc::ObjectAt(Point point) const
{
    const Rect probe = Rect::FromPointAndSize(point, {1, 1});
    for (auto it = objects_.rbegin(); it != objects_.rend(); ++it)
        if ((*it)->Intersects(probe))
            return it->get();
    return nullptr;
}

std::vector<CCorvaneIcon*> CCorvaneDoc::Icons() const { return IconList(); }

const std::vector<CCorvaneIcon*>& CCorvaneDoc::IconList() const
{
    RefreshIconIndex();
    return icons_;
}

CCorvaneIcon* CCorvaneDoc::FindIconById(std::uint16_t id) const
{
    if (id == 0)
        return nullptr;
    RefreshIconIndex();
    const auto found = iconsById_.find(id);
    return found != iconsById_.end() ? found->second : nullptr;
}

void CCorvaneDoc::RefreshIconIndex() const
{
    if (!iconIndexStale_)
        return;
    icons_.clear();
    iconsById_.clear();
    for (const auto& object : objects_) {
        if (auto* icon = dynamic_cast<CCorvaneIcon*>(object.get())) {
            icons_.push_back(icon);
            // The first icon in list order keeps an id that two icons share.
            if (icon->UniqueId() != 0)
                iconsById_.try_emplace(icon->UniqueId(), icon);
        }
    }
    iconIndexStale_ = false;
}

void CCorvaneDoc::LayoutAllIconConnectors()
{
    // Placing first and linking after gives each input the anchor of its
    // source's placed output, which LayoutConnectors reaches by placing
    // each icon and then binding every input its outputs feed.
    const std::vector<CCorvaneIcon*> icons = Icons();
    for (CCorvaneIcon* icon : icons)
        icon->PlaceConnectors();
    for (CCorvaneIcon* icon : icons)
        icon->LinkAllConnectors();
}

void CCorvaneDoc::DrawAll(DeviceContext& dc, BitmapCatalog& pictures, const NetObjectView* view) const
{
    const bool trackers = view != nullptr && view->IsViewActivated() && !dc.IsPrinting();
    // Each icon's caption goes where the net's caption layout puts it,
    // drawn right after the icon so that stacking order holds.
    const std::vector<PlacedCaption> captions = PlaceIconCaptions(*this, dc);
    for (std::size_t n = 0; n < objects_.size(); ++n) {
        CCorvaneObj& object = *objects_[n];
        object.Draw(dc, pictures);
        if (const auto* icon = dynamic_cast<const CCorvaneIcon*>(&object))
            DrawIconCaption(*icon, dc, captions[n]);
        if (trackers && view->IsSelected(object))
            object.DrawTracker(dc, TrackerState::Selected);
    }
}

void CCorvaneDoc::DeleteObjects(bool all)
{
    std::vector<CCorvaneObj*> doomed;
    for (const auto& object : objects_)
        if (all || object->IsDeletable())
            doomed.push_back(object.get());
    for (CCorvaneObj* object : doomed) {
        // Unlinked while still in the list, so the inputs it feeds are
        // found; then taken out of the list and the views, and freed.
        object->Remove();
        std::unique_ptr<CCorvaneObj> gone = RemoveObject(*object);
    }
    ResetIdsFromIcons();
    UpdateAllViews(nullptr);
}

void CCorvaneDoc::ComputePageSize()
{
    std::optional<Size> area;
    if (Application::Exists())
        area = PrinterArea(Application::Instance().Printing());
    ComputePageSize(area);
}

void CCorvaneDoc::ComputePageSize(std::optional<Size> printerArea)
{
    const Size size = printerArea.value_or(kDefaultPaper);
    if (size == GetPaperSize())
        return;
    paperSize_ = size;
    ForEachObjectView([&](NetObjectView& view) { view.OnPaperSizeChanged(size); });
}

Size CCorvaneDoc::GetPaperSize() const
{
    if (!paperSize_) {
        std::optional<Size> area;
        if (startSetup_ && Application::Exists())
            area = PrinterArea(*startSetup_);
        paperSize_ = area.value_or(kDefaultPaper);
    }
    return *paperSize_;
}

void CCorvaneDoc::OnPaperColor()
{
    const std::optional<std::uint32_t> colour = Application::Instance().Prompts().ChooseColour({}, 0);
    if (!colour)
        return;
    paperColour_ = *colour;
    SetModified(true);
    UpdateAllViews(nullptr);
}

std::uint16_t CCorvaneDoc::TakeNextIconId()
{
    if (const auto id = ids_.GetNextId())
        return *id;
    RenumberIcons();
    return ids_.GetNextId().value_or(0);
}

void CCorvaneDoc::ResetIdsFromIcons()
{
    std::vector<std::uint16_t> ids;
    for (const CCorvaneIcon* icon : Icons())
        ids.push_back(icon->UniqueId());
    ids_.ResetFromIds(ids);
}

void CCorvaneDoc::RenumberIcons()
{
    const std::vector<CCorvaneIcon*> icons = Icons();
    std::vector<std::uint16_t> ids;
    std::vector<std::uint16_t> sources;
    std::vector<InputLink*> links;
    for (CCorvaneIcon* icon : icons) {
        ids.push_back(icon->UniqueId());
        for (int slot : {kEnableSlot, kTriggerSlot})
            links.push_back(icon->RecordLink(slot));
        for (InputLink& link : icon->GetInputLinks())
            links.push_back(&link);
    }
    for (const InputLink* link : links)
        sources.push_back(link->sourceId);
    const RenumberedIds renumbered = RenumberIds(ids, sources);
    for (std::size_t i = 0; i < icons.size(); ++i)
        icons[i]->SetUniqueId(renumbered.ids[i]);
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (renumbered.linkSources[i] == 0)
            ClearInputLink(*links[i]);
        else
            links[i]->sourceId = renumbered.linkSources[i];
    }
    ResetIdsFromIcons();
    LayoutAllIconConnectors();
}

std::vector<std::uint8_t> CCorvaneDoc::SaveObjectArchive() const
{
    std::vector<ArchivedObject> archived;
    archived.reserve(objects_.size());
    for (const auto& object : objects_)
        archived.push_back({std::string(object->ClassName()), object->ToRecord()});
    return WriteObjectArchive(archived);
}

std::optional<RecordError> CCorvaneDoc::LoadObjectArchive(
    std::span<const std::uint8_t> bytes, const NetClassRegistry& classes)
{
    auto read = ReadObjectArchive(bytes);
    if (auto* error = std::get_if<RecordError>(&read))
        return *error;
    std::vector<std::unique_ptr<CCorvaneObj>> made;
    for (const ArchivedObject& stored : std::get<std::vector<ArchivedObject>>(read)) {
        std::unique_ptr<CCorvaneObj> object = classes.Create(stored.className);
        if (!object)
            return RecordError{RecordErrorKind::BadValue, 0, "class " + stored.className};
        object->FromRecord(stored.record);
        made.push_back(std::move(object));
    }
    DeleteObjects(true);
    for (auto& object : made)
        AddObject(std::move(object));
    return std::nullopt;
}

void CCorvaneDoc::ForEachObjectView(const std::function<void(NetObjectView&)>& visit) const
{
    // Copied: a view may come or go while the others are told.
    const std::vector<View*> views = Views();
    for (View* view : views)
        if (auto* objectView = dynamic_cast<NetObjectView*>(view))
            visit(*objectView);
}

void CCorvaneDoc::InvalidateInViews(const CCorvaneObj& object) const
{
    ForEachObjectView([&](NetObjectView& view) { view.InvalidateObject(object); });
}

}  // namespace corvane
