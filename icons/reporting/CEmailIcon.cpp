#include "icons/reporting/CEmailIcon.h"

#include "base/Cp1252.h"
#include "icons/reporting/CEmailDlgs.h"
#include "netdoc/CNetDoc.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::string_view kDefaultName = "Email";
constexpr std::size_t kReferenceCountOffset = 74;
constexpr std::size_t kTagCountOffset = 76;

}  // namespace

CEmailIcon::CEmailIcon() : lists_(DataTagLists::kMaxTags)
{
    Init();
}

CEmailIcon::CEmailIcon(const Rect& position) : CCorvaneIcon(position), lists_(DataTagLists::kMaxTags)
{
    Init();
}

void CEmailIcon::Init()
{
    SetHardwareLayout(true);
    SetName(kDefaultName);
    SetBitmapId(res::kBitmapEmailNet);
    SetInputLimit(kMaxDataInputs);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, true, true, false);
}

const std::string& CEmailIcon::GetTextSection(TextSection section) const
{
    return const_cast<CEmailIcon*>(this)->TextOf(section);
}

std::string& CEmailIcon::TextOf(TextSection section)
{
    switch (section) {
    case TextSection::BaseFilename: return settings_.baseFilename;
    case TextSection::From: return content_.from;
    case TextSection::Subject: return content_.subject;
    case TextSection::To: return content_.to;
    case TextSection::Message: break;
    }
    return content_.message;
}

std::size_t CEmailIcon::GetTextSectionLimit(TextSection section)
{
    switch (section) {
    case TextSection::BaseFilename: return EmailRecordTail::kBaseFilenameLimit;
    case TextSection::From: return EmailRecordTail::kFromLimit;
    case TextSection::Subject: return EmailRecordTail::kSubjectLimit;
    case TextSection::To: return EmailRecordTail::kToLimit;
    case TextSection::Message: break;
    }
    return EmailRecordTail::kMessageLimit;
}

void CEmailIcon::SetTextSection(TextSection section, std::string_view utf8)
{
    TextOf(section) = Utf8ToCp1252(utf8, GetTextSectionLimit(section));
}

std::unique_ptr<IconDialog> CEmailIcon::CreateIconDialog()
{
    CNetDoc* net = NetDocument();
    if (net == nullptr)
        return std::make_unique<CEmailDlgs>(*this, std::string(), nullptr);
    return std::make_unique<CEmailDlgs>(*this, net->Services().LoggerInfoText(), net->Services().UserSettings());
}

EmailTailLayout CEmailIcon::TailLayout() const
{
    EmailTailLayout layout;
    const std::span<const InputLink> links = GetInputLinks();
    const std::size_t count = std::min(links.size(), EmailTailLayout::kInputs);
    for (std::size_t i = 0; i < count; ++i) {
        layout.linked[i] = links[i].IsConnected();
        layout.number[i] = links[i].flags != 0;
    }
    layout.referenceCount = references_;
    layout.tagCount = tagCount_;
    return layout;
}

std::size_t CEmailIcon::WrittenReferenceCount() const
{
    return EmailRecordTail::PlaceReferences(content_, TailLayout()).size();
}

CNetDoc* CEmailIcon::NetDocument() const
{
    return dynamic_cast<CNetDoc*>(Owner());
}

void CEmailIcon::UpdateTagLists(int bit)
{
    if (const CNetDoc* net = NetDocument())
        lists_.UpdateTagLists(bit, net->CollectDataTagIcons());
}

void CEmailIcon::OnDataTagRemoved(const CCorvaneIcon& tag)
{
    (void)lists_.RemoveTag(tag.UniqueId());
}

std::variant<std::size_t, RecordError> CEmailIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    auto loaded = CCorvaneIcon::LoadRecord(record);
    if (std::holds_alternative<std::size_t>(loaded))
        SetName(Header().name);
    return loaded;
}

void CEmailIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kAdapts, false, false);
    // A linked input takes its source's type.
    const std::span<const InputLink> links = GetInputLinks();
    for (int i = 0; i < InputCount() && static_cast<std::size_t>(i) < links.size(); ++i) {
        const InputLink& link = links[static_cast<std::size_t>(i)];
        if (!link.IsConnected())
            continue;
        const CCorvaneIcon* source = FindIconById(link.sourceId);
        if (source != nullptr && link.sourceOutput < source->OutputCount())
            Input(i).SetDataType(
                (source->Output(link.sourceOutput).GetDataType() & ~data_type::kUnsettled) | data_type::kAdapts);
        else
            // Not yet in a net (a record being read): the link's format
            // byte tells a number from an on/off state.
            Input(i).SetDataType((link.flags != 0 ? data_type::kData : data_type::kLogic) | data_type::kAdapts);
    }
    CreateConnectors(false, data_type::kLogic, false, false);
}

void CEmailIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    settings_.baseFilename.clear();
    settings_.word = 0;
    settings_.optionWord = options_;
    settings_.referenceCount = references_;
    settings_.sizeLimit = TransferSettings::kEmailSizeLimit;
    settings_.flagWord = TransferSettings::kEmailFlag;
    CCorvaneIcon::Layout();
}

int CEmailIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 0, false, false);
}

void CEmailIcon::CopyFixedPart(RecordTransfer& t)
{
    if (!t.IsLoading()) {
        references_ = static_cast<std::uint8_t>(WrittenReferenceCount());
        tagCount_ = static_cast<std::uint16_t>(std::min(TagIds().size(), EmailRecordTail::kMaxTags));
    }
    t.U16(options_, "option word");
    t.U8(references_, "input reference count");
    t.U8(unused_, "not used");
    t.U16(tagCount_, "tag count");
    t.U16(attachMarker_, "attachment marker");
    if (t.IsLoading() && !t.Failed()) {
        if (references_ > EmailTailLayout::kInputs)
            t.Fail({RecordErrorKind::BadCount, kReferenceCountOffset, "input reference count"});
        else if (tagCount_ > EmailRecordTail::kMaxTags)
            t.Fail({RecordErrorKind::BadCount, kTagCountOffset, "tag count"});
    }
    settings_.optionWord = options_;
    settings_.referenceCount = references_;
    settings_.sizeLimit = TransferSettings::kEmailSizeLimit;
}

std::size_t CEmailIcon::TransferTail(RecordTransfer& t)
{
    const std::size_t start = t.Position();
    if (t.IsLoading()) {
        EmailTailContent content = EmailRecordTail::Read(t, TailLayout());
        if (t.Failed())
            return 0;
        (void)lists_.SetStoredIds(content.tagIds);
        content.tagIds.clear();
        settings_.baseFilename = std::move(content.baseFilename);
        content.baseFilename.clear();
        content_ = std::move(content);
        return t.Position() - start;
    }
    EmailTailContent content = content_;
    content.tagIds = TagIds();
    content.baseFilename = settings_.baseFilename;
    CNetDoc* net = NetDocument();
    EmailRecordTail::Write(t, content, TailLayout(), Cp1252ToUtf8(Header().name),
        net != nullptr ? &net->Services().Notices() : nullptr);
    return t.Position() - start;
}

}  // namespace corvane
