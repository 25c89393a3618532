#include "netmodel/IconCaptions.h"

#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CCorvaneObj.h"
#include "platform/DeviceContext.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {
namespace {

constexpr int kCaptionGap = 2;
constexpr std::size_t kLongCaption = 12;  // captions longer than this use the smaller font

}  // namespace

FontSpec IconCaptionFont(const CCorvaneIcon& icon)
{
    return FontSpec{"Arial", icon.Caption().size() > kLongCaption ? 8.0 : 8.7};
}

Rect IconDrawnArea(CCorvaneIcon& icon)
{
    Rect area = Rect::FromPointAndSize(icon.Position().TopLeft(), icon.BodySize());
    const auto add = [&area](const CConnector& connector) {
        if (connector.IsActive())
            area = area.United(connector.HotRect());
    };
    add(icon.EnableInput());
    add(icon.TriggerInput());
    for (int i = 0; i < icon.TotalInputs(); ++i)
        add(icon.Input(i));
    for (int i = 0; i < icon.OutputCount(); ++i)
        add(icon.Output(i));
    return area;
}

Point IconCaptionAnchor(CCorvaneIcon& icon)
{
    const Rect body = Rect::FromPointAndSize(icon.Position().TopLeft(), icon.BodySize());
    return {body.left + body.Width() / 2, IconDrawnArea(icon).bottom + kCaptionGap};
}

std::vector<PlacedCaption> PlaceIconCaptions(const CCorvaneDoc& document, DeviceContext& dc)
{
    // Every object keeps its place in the list; only icons bring an area
    // to keep clear and a caption.
    const auto& objects = document.GetObjects();
    std::vector<CaptionRequest> requests;
    std::vector<const CCorvaneIcon*> icons;
    requests.reserve(objects.size());
    icons.reserve(objects.size());
    for (const auto& object : objects) {
        auto* icon = dynamic_cast<CCorvaneIcon*>(object.get());
        icons.push_back(icon);
        if (icon == nullptr)
            requests.push_back({});
        else
            requests.push_back({IconDrawnArea(*icon), IconCaptionAnchor(*icon), icon->Caption()});
    }
    const FontSpec oldFont = dc.CurrentFont();
    std::vector<PlacedCaption> placed = CaptionLayout::Place(requests, [&](std::size_t n, std::string_view line) {
        dc.SelectFont(IconCaptionFont(*icons[n]));
        return dc.TextExtent(line);
    });
    dc.SelectFont(oldFont);
    return placed;
}

void DrawIconCaption(const CCorvaneIcon& icon, DeviceContext& dc, const PlacedCaption& placed)
{
    if (placed.lines.empty())
        return;
    const FontSpec oldFont = dc.SelectFont(IconCaptionFont(icon));
    const BackgroundMode oldMode = dc.SetBackgroundMode(BackgroundMode::Transparent);
    const RgbColour oldColour = dc.SetTextColour({0, 0, 0});
    const unsigned oldAlign = dc.SetTextAlign(text_align::kCenter | text_align::kTop);
    const int centre = placed.rect.left + placed.rect.Width() / 2;
    int top = placed.rect.top;
    for (const std::string& line : placed.lines) {
        dc.TextOut({centre, top}, line);
        top += placed.lineHeight;
    }
    dc.SetTextAlign(oldAlign);
    dc.SetTextColour(oldColour);
    dc.SetBackgroundMode(oldMode);
    dc.SelectFont(oldFont);
}

}  // namespace corvane
