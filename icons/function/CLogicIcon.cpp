#include "icons/function/CLogicIcon.h"

#include "icons/function/CLogicDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <array>
#include <optional>

namespace corvane {
namespace {

constexpr int kMaxGrowingInputs = 24;

struct GateTraits {
    int maxInputs;
    int minimumLinked;
    std::uint32_t helpContext;
    // Pictures: plain, De Morgan, inverted output, both (0: not offered).
    std::array<int, 4> pictures;
};

const GateTraits& TraitsOf(CLogicIcon::Gate gate)
{
    static constexpr std::array<GateTraits, 4> kTraits{{
        {kMaxGrowingInputs, 2, 611,
            {res::kBitmapAnd, res::kBitmapAndDeMorgan, res::kBitmapAndInverted, res::kBitmapAndDeMorganInverted}},
        {kMaxGrowingInputs, 2, 641,
            {res::kBitmapOr, res::kBitmapOrDeMorgan, res::kBitmapOrInverted, res::kBitmapOrDeMorganInverted}},
        {2, 2, 621, {res::kBitmapXor, 0, res::kBitmapXorInverted, 0}},
        {1, 1, 631,
            {res::kBitmapNot, res::kBitmapNotDeMorgan, res::kBitmapNotInverted, res::kBitmapNotDeMorganInverted}},
    }};
    return kTraits[static_cast<std::size_t>(gate)];
}

// Where a picture stands in the table: the gate and its column, if any.
struct PicturePlace {
    CLogicIcon::Gate gate;
    std::size_t column;
};

std::optional<PicturePlace> FindPicture(int picture)
{
    for (std::uint8_t g = 0; g < 4; ++g) {
        const auto gate = static_cast<CLogicIcon::Gate>(g);
        const auto& pictures = TraitsOf(gate).pictures;
        for (std::size_t column = 0; column < pictures.size(); ++column)
            if (pictures[column] != 0 && pictures[column] == picture)
                return PicturePlace{gate, column};
    }
    return std::nullopt;
}

// The table's picture in the column with one flag bit flipped (bit 1: the
// inverted output, bit 0: De Morgan); unchanged when there is none.
int TogglePicture(int picture, std::size_t columnBit)
{
    const std::optional<PicturePlace> place = FindPicture(picture);
    if (!place)
        return picture;
    const int partner = TraitsOf(place->gate).pictures[place->column ^ columnBit];
    return partner != 0 ? partner : picture;
}

}  // namespace

CLogicIcon::CLogicIcon(Gate gate) : mode_(static_cast<std::uint8_t>(gate))
{
    SetBitmapId(PictureFor(gate, false, false));
    SetLimits();
}

CLogicIcon::CLogicIcon(const Rect& position, Gate gate, std::string_view name)
    : CFunctionIcon(position), mode_(static_cast<std::uint8_t>(gate))
{
    SetBitmapId(PictureFor(gate, false, false));
    SetLimits();
    SetName(name);
    const int inputs = gate == Gate::Not ? 1 : 2;
    InitIcon(Position().left, Position().top, inputs, 1, kTypeCode, false, true, false);
}

void CLogicIcon::SetLimits()
{
    const GateTraits& traits = TraitsOf(GetGate());
    SetCompaction(true);
    SetMinimumInputs(traits.minimumLinked);
    SetInputLimit(traits.maxInputs);
}

std::uint32_t CLogicIcon::HelpContext() const
{
    return TraitsOf(GetGate()).helpContext;
}

int CLogicIcon::PictureFor(Gate gate, bool deMorgan, bool invertedOutput)
{
    const auto& pictures = TraitsOf(gate).pictures;
    const int picture = pictures[(invertedOutput ? 2u : 0u) | (deMorgan ? 1u : 0u)];
    if (picture != 0)
        return picture;
    return pictures[invertedOutput ? 2 : 0];
}

std::optional<CLogicIcon::Gate> CLogicIcon::GateOfPicture(int picture)
{
    const std::optional<PicturePlace> place = FindPicture(picture);
    return place ? std::optional(place->gate) : std::nullopt;
}

int CLogicIcon::ToggleInvertedPicture(int picture)
{
    return TogglePicture(picture, 2);
}

int CLogicIcon::ToggleDeMorganPicture(int picture)
{
    return TogglePicture(picture, 1);
}

void CLogicIcon::ApplySettings(int picture, bool latched, bool deMorgan)
{
    SetBitmapId(picture);
    latch_ = latched ? 1 : 0;
    mode_ = static_cast<std::uint8_t>(deMorgan ? (mode_ | kDeMorgan) : (mode_ & ~kDeMorgan));
}

void CLogicIcon::SetOptionalConnector(ConnectorSide side, int index, bool present, bool secondOutput)
{
    const bool adding = side == ConnectorSide::Output && present && index >= OutputCount();
    CFunctionIcon::SetOptionalConnector(side, index, present, secondOutput);
    if (side != ConnectorSide::Output)
        return;
    const auto entries = GetOutputEntries();
    if (adding && entries.size() > 1)
        std::copy(entries[0].data.begin(), entries[0].data.end(), entries[1].data.begin());
    mode_ = static_cast<std::uint8_t>(entries.size() > 1 ? (mode_ | kInvertedOutput) : (mode_ & ~kInvertedOutput));
}

int CLogicIcon::HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon)
{
    const int code = CFunctionIcon::HitTestConnect(point, view, peer, peerIcon);
    if (code == connector_hit::kOutput && OutputCount() > 1 && DraggedConnector() == &Output(1))
        return kHitInvertedOutput;
    return code;
}

void CLogicIcon::ApplySubtype(std::uint16_t mode)
{
    const auto gate = static_cast<Gate>(mode & kGateMask);
    if (static_cast<std::uint8_t>(gate) > static_cast<std::uint8_t>(Gate::Not))
        return;
    if (gate == Gate::Xor)
        SetBitmapId(res::kBitmapXor);
    else
        SetBitmapId(PictureFor(gate, (mode & kDeMorgan) != 0, (mode & kInvertedOutput) != 0));
}

void CLogicIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
    CreateConnectors(false, data_type::kLogic, false, HasInvertedOutput());
}

std::unique_ptr<IconDialog> CLogicIcon::CreateIconDialog()
{
    return std::make_unique<CLogicDialog>(*this);
}

void CLogicIcon::Layout()
{
    Header().length = kFixedLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CLogicIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, TraitsOf(GetGate()).minimumLinked, true, false);
}

void CLogicIcon::CopyFixedPart(RecordTransfer& transfer)
{
    const std::size_t modeOffset = transfer.Position();
    std::uint8_t mode = mode_;
    transfer.U8(mode, "gate mode");
    if (transfer.IsLoading() && !transfer.Failed() && (mode & kGateMask) > static_cast<std::uint8_t>(Gate::Not)) {
        transfer.Fail({RecordErrorKind::BadValue, modeOffset, "gate mode"});
        return;
    }
    mode_ = mode;
    transfer.U8(latch_, "latch");
}

std::variant<std::size_t, RecordError> CLogicIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    auto loaded = CFunctionIcon::LoadRecord(record);
    if (std::holds_alternative<RecordError>(loaded))
        return loaded;
    // A gate stored with two output entries shows its inverted output,
    // whatever its mode byte says, and is drawn so.
    if (OutputCount() == 2 && !HasInvertedOutput()) {
        mode_ = static_cast<std::uint8_t>(mode_ | kInvertedOutput);
        if (GetGate() != Gate::Xor)
            SetBitmapId(PictureFor(GetGate(), IsDeMorgan(), true));
    }
    return loaded;
}

}  // namespace corvane
