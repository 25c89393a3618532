#include "icons/reporting/CFTPIcon.h"

#include "base/Cp1252.h"
#include "icons/reporting/CFTPDlg.h"
#include "netdoc/CNetDoc.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::string_view kDefaultName = "FTP";
constexpr std::size_t kTagCountOffset = 74;

}  // namespace

CFTPIcon::CFTPIcon() : lists_(DataTagLists::kMaxTags)
{
    Init();
}

CFTPIcon::CFTPIcon(const Rect& position) : CCorvaneIcon(position), lists_(DataTagLists::kMaxTags)
{
    Init();
}

void CFTPIcon::Init()
{
    SetHardwareLayout(true);
    SetName(kDefaultName);
    SetBitmapId(res::kBitmapFtpNet);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, true, true, false);
}

const std::string& CFTPIcon::SelectTextBlock(int block) const
{
    return block == 0 ? settings_.baseFilename : directory_;
}

void CFTPIcon::SetTextBlock(int block, std::string_view utf8)
{
    std::string text = Utf8ToCp1252(utf8, kTextLimit);
    if (block == 0) {
        settings_.baseFilename = std::move(text);
        return;
    }
    directory_ = text.empty() ? std::string(kRootDirectory) : std::move(text);
}

std::unique_ptr<IconDialog> CFTPIcon::CreateIconDialog() { return std::make_unique<CFTPDlg>(*this); }

CNetDoc* CFTPIcon::NetDocument() const
{
    return dynamic_cast<CNetDoc*>(Owner());
}

void CFTPIcon::UpdateTagLists(int bit)
{
    if (const CNetDoc* net = NetDocument())
        lists_.UpdateTagLists(bit, net->CollectDataTagIcons());
}

void CFTPIcon::OnDataTagRemoved(const CCorvaneIcon& tag)
{
    (void)lists_.RemoveTag(tag.UniqueId());
}

std::variant<std::size_t, RecordError> CFTPIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    auto loaded = CCorvaneIcon::LoadRecord(record);
    if (std::holds_alternative<std::size_t>(loaded))
        SetName(Header().name);
    return loaded;
}

void CFTPIcon::BuildConnectors()
{
    // One input connector stands at the first input place, switched off.
    CreateConnectors(true, data_type::kData, false, false);
    Input(0).SetActive(false);
    CreateConnectors(false, data_type::kLogic, false, false);
}

void CFTPIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    settings_.baseFilename.clear();
    settings_.word = 0;
    settings_.optionWord = options_;
    settings_.referenceCount = 0;
    settings_.flagWord = TransferSettings::kFtpFlag;
    CCorvaneIcon::Layout();
}

int CFTPIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 0, false, false);
}

void CFTPIcon::CopyFixedPart(RecordTransfer& t)
{
    if (!t.IsLoading())
        tagCount_ = static_cast<std::uint16_t>(std::min(TagIds().size(), DataTagLists::kMaxTags));
    t.U16(options_, "option word");
    t.U16(tagCount_, "tag count");
    t.U16(marker_, "confirmed marker");
    if (t.IsLoading() && !t.Failed() && tagCount_ > DataTagLists::kMaxTags)
        t.Fail({RecordErrorKind::BadCount, kTagCountOffset, "tag count"});
    settings_.optionWord = options_;
}

std::size_t CFTPIcon::TransferTail(RecordTransfer& t)
{
    const std::size_t start = t.Position();
    if (t.IsLoading()) {
        std::vector<std::uint32_t> ids(tagCount_);
        for (std::uint32_t& id : ids)
            t.U32(id, "tag id");
        std::string filename;
        std::string directory;
        t.NetString(filename, kTextLimit, false, "base filename");
        t.NetString(directory, kTextLimit, true, "directory");
        if (t.Failed())
            return 0;
        (void)lists_.SetStoredIds(ids);
        settings_.baseFilename = std::move(filename);
        directory_ = std::move(directory);
        return t.Position() - start;
    }
    std::vector<std::uint32_t> ids = TagIds();
    ids.resize(tagCount_);
    for (std::uint32_t& id : ids)
        t.U32(id, "tag id");
    std::string filename = settings_.baseFilename;
    std::string directory = directory_.empty() || directory_.front() == '\0' ? std::string(kRootDirectory) : directory_;
    t.NetString(filename, kTextLimit, false, "base filename");
    t.NetString(directory, kTextLimit, true, "directory");
    return t.Position() - start;
}

}  // namespace corvane
