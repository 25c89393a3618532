#include "icons/function/CTnoteIcon.h"

#include "icons/function/CTnoteDialog.h"
#include "netmodel/NetDrawing.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::size_t kReservedBytes = 2;

}  // namespace

CTnoteIcon::CTnoteIcon()
{
    Init();
}

CTnoteIcon::CTnoteIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
}

void CTnoteIcon::Init()
{
    SetName("Notes");
    SetBitmapId(res::kBitmapNoteBody);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 0, kTypeCode, false, false, false);
}

void CTnoteIcon::SetText(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    text_ = std::string(text.substr(0, kTextLimit));
}

std::unique_ptr<IconDialog> CTnoteIcon::CreateIconDialog()
{
    return std::make_unique<CTnoteDialog>(*this);
}

void CTnoteIcon::Layout()
{
    Header().length = kRecordLength;
    CFunctionIcon::Layout();
}

void CTnoteIcon::LayoutHardware()
{
    SetPositionFromRecord();
}

int CTnoteIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, false, true);
}

void CTnoteIcon::CopyFixedPart(RecordTransfer& t)
{
    t.Zeros(kReservedBytes, "reserved");
}

std::size_t CTnoteIcon::TransferTail(RecordTransfer& t)
{
    return t.NetString(text_, kTextLimit, true, "note text");
}

Size CTnoteIcon::BodySize() const
{
    return kNoteBodySize;
}

}  // namespace corvane
