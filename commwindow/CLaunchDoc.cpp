#include "commwindow/CLaunchDoc.h"

#include "commwindow/CommWindowServices.h"
#include "netmodel/CCorvaneCtrl.h"
#include "netmodel/CCorvaneObj.h"
#include "platform/Application.h"

#include <ranges>

namespace corvane {

namespace {

constexpr Size kProbeSize{1, 1};

}  // namespace

CLaunchDoc::CLaunchDoc(CommWindowServices& services)
    : cardManager_(Application::Instance(), services.CardSettingsSource(), services.MediaProbe())
{
    SetTitle(kTitle);
}

// The card manager stops its worker as it goes, before the base goes.
CLaunchDoc::~CLaunchDoc() = default;

CCorvaneObj* CLaunchDoc::HitTest(Point point) const
{
    const Rect probe = Rect::FromPointAndSize(point, kProbeSize);
    for (const auto& object : GetObjects() | std::views::reverse) {
        if (object->Intersects(probe))
            return object.get();
    }
    return nullptr;
}

CCorvaneObj* CLaunchDoc::HitTestSelectable(Point point) const
{
    const Rect probe = Rect::FromPointAndSize(point, kProbeSize);
    for (const auto& object : GetObjects()) {
        const auto* item = dynamic_cast<const CCorvaneCtrl*>(object.get());
        if (item != nullptr && item->IsClickable() && object->Intersects(probe))
            return object.get();
    }
    return nullptr;
}

CCorvaneObj* CLaunchDoc::GetObjectAt(int index) const
{
    if (index < 0 || index >= GetObjectCount())
        return nullptr;
    return GetObjects()[static_cast<std::size_t>(index)].get();
}

void CLaunchDoc::DeleteAllObjects()
{
    while (GetObjectCount() > 0)
        RemoveObject(*GetObjects().back());
}

bool CLaunchDoc::OnNewDocument()
{
    SetTitle(kTitle);
    if (!CCorvaneDoc::OnNewDocument())
        return false;
    SetPaperColor(kPaperColour);
    return true;
}

bool CLaunchDoc::OnOpenDocument(const std::filesystem::path& path)
{
    if (IsModified())
        SaveModified();
    return CCorvaneDoc::OnOpenDocument(path);
}

}  // namespace corvane
