#include "netmodel/CCorvaneIcon.h"

#include "netmodel/CCorvaneDoc.h"
#include "netmodel/ConnectorTypes.h"
#include "netmodel/IconDialog.h"
#include "netmodel/NetDrawing.h"
#include "platform/BitmapCatalog.h"
#include "platform/DeviceContext.h"

#include <algorithm>
#include <limits>

namespace corvane {
namespace {

constexpr std::uint16_t kNewIconWarningFlags = 0x000F;
constexpr int kPlacingMargin = 8;
constexpr int kPlacingLeft = 10;

std::uint16_t ClampCoordinate(int value)
{
    return static_cast<std::uint16_t>(std::clamp(value, 0, static_cast<int>(std::numeric_limits<std::uint16_t>::max())));
}

Rect PlacingRect(Rect rect)
{
    if (rect.left < 0)
        rect.left = kPlacingLeft;
    return rect.Normalized().Inflated(kPlacingMargin, kPlacingMargin);
}

}  // namespace

CCorvaneIcon::CCorvaneIcon()
{
    SetType(object_type::kIconOrControl);
    SetHardwareLayout(false);
    SetSecondFlag(false);
    SetDrawHandles(false);
    SetDeletable(true);
    enable_ = CInput(connector_kind::kEnableInput, false, true, kEnableInputPoint, data_type::kLogic, this);
    trigger_ = CInput(connector_kind::kTriggerInput, false, true, kTriggerInputPoint, data_type::kLogic, this);
    for (CInput& input : inputs_)
        input.SetOwner(this);
    for (COutput& output : outputs_)
        output.SetOwner(this);
}

CCorvaneIcon::CCorvaneIcon(const Rect& position) : CCorvaneIcon()
{
    SetPosition(PlacingRect(position));
}

CCorvaneIcon::~CCorvaneIcon() = default;

InputLink* CCorvaneIcon::RecordLink(int slot)
{
    return const_cast<InputLink*>(std::as_const(*this).RecordLink(slot));
}

const InputLink* CCorvaneIcon::RecordLink(int slot) const
{
    if (slot == kEnableSlot)
        return &header_.enable;
    if (slot == kTriggerSlot)
        return &header_.trigger;
    if (slot >= 0 && slot < static_cast<int>(kMaxInputs))
        return &inputLinks_[static_cast<std::size_t>(slot)];
    return nullptr;
}

CInput* CCorvaneIcon::InputConnector(int slot)
{
    if (slot == kEnableSlot)
        return &enable_;
    if (slot == kTriggerSlot)
        return &trigger_;
    if (slot >= 0 && slot < static_cast<int>(kMaxInputs))
        return &inputs_[static_cast<std::size_t>(slot)];
    return nullptr;
}

std::optional<int> CCorvaneIcon::InputSlotOf(const CConnector* connector) const
{
    if (connector == &enable_)
        return kEnableSlot;
    if (connector == &trigger_)
        return kTriggerSlot;
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        if (connector == &inputs_[i])
            return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> CCorvaneIcon::OutputIndexOf(const CConnector* connector) const
{
    for (std::size_t i = 0; i < outputs_.size(); ++i)
        if (connector == &outputs_[i])
            return static_cast<int>(i);
    return std::nullopt;
}

void CCorvaneIcon::SetName(std::string_view text)
{
    name_ = std::string(text.substr(0, text.find('\0')));
    header_.name = name_.substr(0, kIconNameMaxBytes);
    caption_ = name_;
}

void CCorvaneIcon::InitIcon(int x, int y, int inputCount, int outputCount, std::uint16_t typeCode, bool triggerActive,
    bool enableActive, bool selectInput)
{
    header_ = IconRecordHeader{};
    if (Owner() != nullptr)
        Owner()->OnIconIdChanged();
    header_.warningFlags = kNewIconWarningFlags;
    header_.x = ClampCoordinate(x);
    header_.y = ClampCoordinate(y);
    extraInputs_ = selectInput ? 1 : 0;
    inputCount_ = std::clamp(inputCount, 0, static_cast<int>(kMaxInputs) - extraInputs_);
    outputCount_ = std::clamp(outputCount, 0, static_cast<int>(kMaxOutputs));
    hasInputTable_ = TotalInputs() > 0;
    inputLinks_.fill(InputLink{});
    outputEntries_.fill(OutputEntry{});
    header_.typeWord = typeCode;

    enable_ = CInput(connector_kind::kEnableInput, enableActive, true, kEnableInputPoint, data_type::kLogic, this);
    trigger_ = CInput(connector_kind::kTriggerInput, triggerActive, true, kTriggerInputPoint, data_type::kLogic, this);
    if (selectInput)
        inputs_[0] = CInput(connector_kind::kSelectInput, true, true, kSelectInputPoint, data_type::kLogic, this);
    Layout();

    header_.name = name_.substr(0, kIconNameMaxBytes);
    caption_ = name_;
    header_.trigger.flags = 0;
    header_.enable.flags = 0;
    SetLinkFlagsFromTypes();
    LayoutConnectors();
}

void CCorvaneIcon::SetLinkFlagsFromTypes()
{
    for (int i = 0; i < TotalInputs(); ++i)
        inputLinks_[static_cast<std::size_t>(i)].flags =
            (inputs_[static_cast<std::size_t>(i)].GetDataType() & data_type::kLogic) == 0 ? kInputLinkPlainFlags : 0;
    for (int i = 0; i < outputCount_; ++i)
        outputEntries_[static_cast<std::size_t>(i)].flags =
            (outputs_[static_cast<std::size_t>(i)].GetDataType() & data_type::kLogic) == 0 ? kInputLinkPlainFlags : 0;
}

void CCorvaneIcon::ConfigureChannels(bool triggerActive, bool enableActive, bool selectInput)
{
    SetType(object_type::kIconOrControl);
    if (selectInput && extraInputs_ == 0 && inputCount_ > 0) {
        extraInputs_ = 1;
        --inputCount_;
    }
    LayoutHardware();
    enable_ = CInput(connector_kind::kEnableInput, enableActive, true, kEnableInputPoint, data_type::kLogic, this);
    trigger_ = CInput(connector_kind::kTriggerInput, triggerActive, true, kTriggerInputPoint, data_type::kLogic, this);
    if (selectInput)
        inputs_[0] = CInput(connector_kind::kSelectInput, true, true, kSelectInputPoint, data_type::kLogic, this);
    LayoutHardware();
    SetLinkFlagsFromTypes();
    LayoutConnectors();
}

void CCorvaneIcon::SetConnectorCounts(int inputCount, int outputCount, bool selectInput)
{
    extraInputs_ = selectInput ? 1 : 0;
    inputCount_ = std::clamp(inputCount, 0, static_cast<int>(kMaxInputs) - extraInputs_);
    outputCount_ = std::clamp(outputCount, 0, static_cast<int>(kMaxOutputs));
    hasInputTable_ = hasInputTable_ || TotalInputs() > 0;
    for (InputLink& link : inputLinks_)
        ClearInputLink(link);
    for (int i = 0; i < outputCount_; ++i)
        BindOutputLinks(i);
}

void CCorvaneIcon::CreateConnectors(bool inputs, int dataType, bool pair, bool secondOutput)
{
    int count = pair ? 2 : 1;
    if (secondOutput)
        count *= 2;
    const int kind = inputs ? connector_kind::kDataInput : connector_kind::kOutput;
    const int first = inputs ? extraInputs_ : 0;
    const int active = inputs ? std::max(count, inputCount_) : count;
    const int limit = inputs ? static_cast<int>(kMaxInputs) : static_cast<int>(kMaxOutputs);
    const int made = std::min(std::max(active, 4), limit - first);
    for (int i = 0; i < made; ++i) {
        const bool on = i < active;
        const bool unsettled = secondOutput && i >= count / 2 && i < count;
        const int type = unsettled ? (dataType | data_type::kUnsettled) : dataType;
        const Point at = GetConnectorPoint(i + 1, std::max(active, 1), kind);
        if (inputs)
            inputs_[static_cast<std::size_t>(first + i)] = CInput(kind, on, false, at, type, this);
        else
            outputs_[static_cast<std::size_t>(i)] = COutput(kind, on, false, at, type, this);
    }
}

Point CCorvaneIcon::GetConnectorPoint(int n, int count, int kind)
{
    const int perSide = std::max(1, (count + 3) / 4);
    const int step = count > 0 ? perSide * 32 / count : 0;
    return {kind > 6 ? -9 : 33, step * (n - 1) + 2};
}

Size CCorvaneIcon::BodySize() const
{
    return IsHardwareLayout() ? kHardwareBodySize : kIconBodySize;
}

void CCorvaneIcon::Layout()
{
    labelFlags_ = 0;
    if (header_.uniqueId == 0 && Owner() != nullptr)
        SetUniqueId(Owner()->TakeNextIconId());
    SetPositionFromRecord();
    LayoutConnectors();
}

void CCorvaneIcon::LayoutHardware()
{
    // The body the icon draws (32 x 64 with the hardware layout), so that
    // all of it can be clicked.
    SetPositionFromRecord();
    BuildConnectors();
}

void CCorvaneIcon::SetPositionFromRecord()
{
    SetPosition(Rect::FromPointAndSize({header_.x, header_.y}, BodySize()));
}

void CCorvaneIcon::SyncRecordPosition()
{
    header_.x = ClampCoordinate(Position().left);
    header_.y = ClampCoordinate(Position().top);
}

void CCorvaneIcon::SetUniqueId(std::uint16_t id)
{
    header_.uniqueId = id;
    if (Owner() != nullptr)
        Owner()->OnIconIdChanged();
}

void CCorvaneIcon::LayoutConnectors()
{
    PlaceConnectors();
    LinkAllConnectors();
    for (int i = 0; i < outputCount_; ++i)
        BindOutputLinks(i);
}

void CCorvaneIcon::PlaceConnectors()
{
    const Point origin = Position().TopLeft();
    enable_.SetPosition(kEnableInputPoint);
    enable_.SetHotRect(origin + kEnableInputPoint);
    trigger_.SetPosition(kTriggerInputPoint);
    trigger_.SetHotRect(origin + kTriggerInputPoint);
    for (int i = 0; i < static_cast<int>(kMaxInputs); ++i) {
        CInput& input = inputs_[static_cast<std::size_t>(i)];
        if (i < extraInputs_) {
            input.SetPosition(kSelectInputPoint);
        } else if (i < TotalInputs()) {
            input.SetPosition(GetConnectorPoint(i - extraInputs_ + 1, inputCount_, connector_kind::kDataInput));
        } else {
            input.SetActive(false);
            input.SetLinkEnd({});
        }
        input.SetHotRect(origin + input.Position());
    }
    for (int i = 0; i < static_cast<int>(kMaxOutputs); ++i) {
        COutput& output = outputs_[static_cast<std::size_t>(i)];
        if (i < outputCount_) {
            output.SetPosition(GetConnectorPoint(i + 1, outputCount_, connector_kind::kOutput));
        } else {
            output.SetActive(false);
        }
        output.SetHotRect(origin + output.Position());
    }
}

int CCorvaneIcon::HitTestConnectors(Point point, const NetObjectView* view)
{
    struct Candidate {
        CConnector* connector;
        int code;
    };
    std::vector<Candidate> candidates{{&enable_, connector_hit::kEnableInput},
        {&trigger_, connector_hit::kTriggerInput}};
    for (int i = 0; i < TotalInputs(); ++i)
        candidates.push_back({&inputs_[static_cast<std::size_t>(i)],
            i < extraInputs_ ? connector_hit::kSelectInput : connector_hit::kInput});
    for (int i = 0; i < outputCount_; ++i)
        candidates.push_back({&outputs_[static_cast<std::size_t>(i)], connector_hit::kOutput});

    const Candidate* nearest = nullptr;
    long best = 0;
    for (const Candidate& c : candidates) {
        if (!c.connector->HitTest(point))
            continue;
        const Point d = point - c.connector->HotRect().Centre();
        const long distance = static_cast<long>(d.x) * d.x + static_cast<long>(d.y) * d.y;
        if (nearest == nullptr || distance < best) {
            nearest = &c;
            best = distance;
        }
    }
    if (nearest == nullptr)
        return HitTestHandles(point, view);
    dragged_ = nearest->connector;
    return nearest->code;
}

int CCorvaneIcon::HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon)
{
    if (peerIcon == this)
        return 0;
    const int base = HitTestHandles(point, view);
    if (peer != nullptr && peer->IsInput() && outputCount_ == 1) {
        dragged_ = &outputs_[0];
        return connector_hit::kOutput;
    }
    if (peer != nullptr && !peer->IsInput() && TotalInputs() == 1
        && ((peer->GetDataType() & data_type::kLogic) == 0 || base == 1)) {
        dragged_ = &inputs_[0];
        return connector_hit::kInput;
    }
    return HitTestConnectors(point, view);
}

int CCorvaneIcon::GetHandleCursor(int hitCode) const
{
    switch (hitCode) {
    case 10: if (enable_.IsActive()) return 167; break;
    case 11: if (trigger_.IsActive()) return 137; break;
    case 12: if (extraInputs_ > 0 && inputs_[0].IsActive()) return 166; break;
    case 13: if (outputCount_ > 0) return 280; break;
    case 18: if (TotalInputs() > 0) return 279; break;
    case 14: return 466;
    case 15: return 546;
    case 16: return 544;
    case 17: return 599;
    case 19: return 570;
    case 20: return 569;
    case 21: return 577;
    case 22: return 578;
    case 23: return 580;
    case 24: return 579;
    case 25: return 575;
    case 26: return 576;
    case 27: return 598;
    case 28: return 574;
    case 29: return 573;
    case 30: return 597;
    default: break;
    }
    return CCorvaneObj::GetHandleCursor(hitCode);
}

void CCorvaneIcon::Draw(DeviceContext& dc, BitmapCatalog& pictures)
{
    const Pen oldPen = dc.SelectPen(DrawingPen());
    const Brush oldBrush = dc.SelectBrush(DrawingBrush());

    enable_.DrawLink(dc);
    trigger_.DrawLink(dc);
    for (int i = 0; i < TotalInputs(); ++i)
        inputs_[static_cast<std::size_t>(i)].DrawLink(dc);
    for (int i = 0; i < outputCount_; ++i)
        outputs_[static_cast<std::size_t>(i)].DrawLink(dc);

    const Rect body = Rect::FromPointAndSize(Position().TopLeft(), BodySize());
    const Bitmap& picture = pictures.Get(bitmapId_, BodySize());
    const Point at{body.left + (body.Width() - picture.Width()) / 2, body.top + (body.Height() - picture.Height()) / 2};
    dc.CopyBitmap(at, picture, Rect::FromPointAndSize({0, 0}, picture.Extent()));

    const BackgroundMode oldMode = dc.SetBackgroundMode(BackgroundMode::Transparent);
    const RgbColour oldColour = dc.SetTextColour({0, 0, 0});
    if (const std::string text = DrawnText(); !text.empty()) {
        Rect inside = body;
        dc.DrawText(inside, text, text_format::kCenter | text_format::kVCenter | text_format::kSingleLine);
    }
    // The caption is the document's to draw: where it goes depends on the
    // icons and captions around it (IconCaptions.h).
    dc.SetTextColour(oldColour);
    dc.SetBackgroundMode(oldMode);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

void CCorvaneIcon::MoveTo(const Rect& position, NetObjectView* view)
{
    CCorvaneObj::MoveTo(position, view);
    SyncRecordPosition();
    LayoutConnectors();
}

bool CCorvaneIcon::IntersectsRect(const Rect& rect) const
{
    return Position().Normalized().Inflated(kPlacingMargin, kPlacingMargin).Intersects(rect.Normalized());
}

void CCorvaneIcon::OnOpen()
{
    if (dialogOpen_)
        return;
    std::unique_ptr<IconDialog> dialog = CreateIconDialog();
    if (!dialog)
        return;
    dialogOpen_ = true;
    const bool ok = dialog->RunModal();
    dialogOpen_ = false;
    if (!ok)
        return;
    if (Owner() != nullptr) {
        Owner()->SetModified(true);
        Owner()->UpdateAllViews(nullptr);
    }
    OnDialogOk();
}

}  // namespace corvane
