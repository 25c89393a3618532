#include "netdoc/CNetDoc.h"

#include "base/TickTime.h"
#include "netdoc/CGlobalIcon.h"
#include "netdoc/IconFactory.h"
#include "netdoc/NetIconRoles.h"
#include "netdoc/RecordFields.h"
#include "netmodel/CCorvaneIcon.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::uint16_t kTypeClock = 2;
constexpr std::uint16_t kTypeDelay = 264;
constexpr std::uint16_t kTypeWarmup = 266;
constexpr std::uint16_t kTypeDataTag = 80;
constexpr std::uint16_t kTypeModuleChannel = 32;
constexpr std::size_t kFirstTicksOffset = 72;
constexpr std::size_t kSecondTicksOffset = 76;
constexpr std::size_t kDataTagBitsOffset = 74;
constexpr std::size_t kMessageLineLimit = 259;

int ShowBox(std::string text, MessageBoxButtons buttons, MessageBoxIcon icon)
{
    MessageBoxRequest request;
    request.text = std::move(text);
    request.buttons = buttons;
    request.icon = icon;
    return Application::Instance().Prompts().ShowMessageBox(request);
}

}  // namespace

CNetDoc::CNetDoc(NetDocServices& services, const IconFactory& factory) : services_(services), factory_(factory)
{
    SetTitle(kDefaultTitle);
    SetDocSize({5000, 5000});
}

CNetDoc::~CNetDoc() = default;

std::unique_ptr<CCorvaneIcon> CNetDoc::CreateIcon(std::uint16_t typeCode, std::uint16_t subtype)
{
    if (typeCode == 258 && !IsDefinedStatisticsSubtype(subtype)) {
        ShowBox("Undefined Min/Max/Avg icon type", MessageBoxButtons::Ok, MessageBoxIcon::Warning);
        return nullptr;
    }
    return factory_.Create(typeCode, subtype);
}

std::optional<RecordError> CNetDoc::FillIconFromRecord(
    CCorvaneIcon& icon, std::span<const std::uint8_t> record, std::uint16_t typeCode, std::uint16_t subtype)
{
    icon.ApplySubtype(subtype);
    const auto loaded = icon.LoadRecord(record);
    if (const auto* error = std::get_if<RecordError>(&loaded))
        return *error;
    const SpecialInputs special = SpecialInputsOf(typeCode, subtype, record);
    icon.ConfigureChannels(special.trigger, special.enable, special.select);
    return std::nullopt;
}

std::optional<RecordError> CNetDoc::LoadIconFromRecord(std::unique_ptr<CCorvaneIcon>& icon,
    std::span<const std::uint8_t> record, std::uint16_t typeCode, std::uint16_t subtype, bool add)
{
    if (const auto error = FillIconFromRecord(*icon, record, typeCode, subtype)) {
        icon.reset();
        return error;
    }
    if (typeCode == kTypeModuleChannel)
        NoteModuleChannel(*icon, record, GetHardwarePoll());
    if (add) {
        CCorvaneIcon& added = *icon;
        AddObject(std::move(icon));
        if (added.UniqueId() == 0)
            added.SetUniqueId(TakeNextIconId());
    }
    return std::nullopt;
}

CGlobalIcon* CNetDoc::ProgramIcon() const
{
    for (CCorvaneIcon* icon : Icons())
        if (auto* program = dynamic_cast<CGlobalIcon*>(icon))
            return program;
    return nullptr;
}

int CNetDoc::GetProgramLoggerType() const
{
    const CGlobalIcon* program = ProgramIcon();
    return program != nullptr ? program->GetLoggerType() : 0;
}

std::string CNetDoc::GetProgramIconName() const
{
    const CCorvaneIcon* program = ProgramIcon();
    return program != nullptr ? program->Header().name : "NO-PROGRAM-ICON";
}

bool CNetDoc::OnNewDocument()
{
    if (!CCorvaneDoc::OnNewDocument())
        return false;
    DeleteObjects(true);
    messages_.clear();
    ordered_.clear();
    loading_ = true;
    fromLogger_ = false;
    naming_ = true;
    mqttNotice_ = true;
    SetTitle(kDefaultTitle);
    GetHardwarePoll().Reset();
    SetModified(false);
    return true;
}

bool CNetDoc::OnOpenDocument(const std::filesystem::path& path)
{
    std::filesystem::path chosen = path;
    return OpenNetFile(false, true, chosen);
}

bool CNetDoc::OnSaveDocument(const std::filesystem::path& path) { return SaveNetFile(true, path); }

bool CNetDoc::SaveModified()
{
    std::string name = Title();
    if (name.size() < 4 || name.substr(name.size() - 4) != ".nt3")
        name += ".nt3";
    if (!IsModified()) {
        saveOutcome_ = 0;
        return true;
    }
    const int answer
        = ShowBox("Would you like to save the changes made to the currently open Net (" + name + ") first?",
            MessageBoxButtons::YesNoCancel, MessageBoxIcon::Question);
    switch (answer) {
    case kIdYes: {
        const bool saved = SaveNetFile(false, PathName());
        saveOutcome_ = saved ? 0 : 1;
        return saved;
    }
    case kIdNo: saveOutcome_ = 0; return true;
    case kIdCancel: saveOutcome_ = 2; return false;
    default: saveOutcome_ = 1; return false;
    }
}

int CNetDoc::AppendMessage(std::string_view text)
{
    if (quiet_)
        return static_cast<int>(messages_.size()) - 1;
    std::size_t start = 0;
    while (!text.empty() && start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string_view piece
            = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        messages_.emplace_back(piece.substr(0, kMessageLineLimit));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    messages_.emplace_back();
    return static_cast<int>(messages_.size()) - 1;
}

int CNetDoc::ClearDataTagFlag(int bit)
{
    for (CCorvaneIcon* icon : Icons())
        if (icon->TypeCode() == kTypeDataTag)
            if (auto* tag = dynamic_cast<DataTagRole*>(icon))
                tag->SetAssignmentBits(static_cast<std::uint16_t>(tag->AssignmentBits() & ~bit));
    return 0;
}

int CNetDoc::RescanMillisecondClocks(bool rescan, const CCorvaneIcon* skip)
{
    if (!rescan)
        return millisecondClock_;
    millisecondClock_ = 0;
    for (CCorvaneIcon* icon : Icons()) {
        if (millisecondClock_ == 1)
            break;
        if (icon == skip)
            continue;
        const std::uint16_t type = icon->TypeCode();
        if (type != kTypeClock && type != kTypeDelay && type != kTypeWarmup)
            continue;
        const std::vector<std::uint8_t> record = SavedRecordOf(*icon);
        std::vector<std::optional<std::uint32_t>> ticks{RecordU32(record, kFirstTicksOffset)};
        if (type != kTypeWarmup)
            ticks.push_back(RecordU32(record, kSecondTicksOffset));
        for (const auto& value : ticks)
            if (value && GetBestTimeUnit(*value, 0) == 0)
                millisecondClock_ = 1;
    }
    return millisecondClock_;
}

void CNetDoc::ConfirmSampleRateChange(int oldUnit, int newUnit, std::string& text, const CCorvaneIcon* icon)
{
    text.clear();
    const bool newMilliseconds = newUnit == 0;
    const bool oldMilliseconds = oldUnit == 0;
    if (newMilliseconds == oldMilliseconds)
        return;
    if (newMilliseconds) {
        if (millisecondClock_ != 0)
            return;
        text = "NOTE: Millisecond Clock Resolution should only be used for sub-second sampling applications, "
               "as battery life will be drastically reduced. "
               "Additionally, ms Rate logging sessions will automatically halt after approximately 248 days "
               "due to an internal counter overflow.   Accept Change?";
        millisecondClock_ = 1;
        return;
    }
    if (RescanMillisecondClocks(true, icon) == 0)
        text = "Notice: Sample rates will be rounded to the nearest one-second interval during upload.  "
               "Accept rate change?";
}

bool CNetDoc::ConnectedSourceExists(const CCorvaneIcon& icon) const
{
    const auto links = icon.GetInputLinks();
    return !links.empty() && links[0].sourceId != 0 && FindIconById(links[0].sourceId) != nullptr;
}

int CNetDoc::CountConnectedDataTags() const
{
    int count = 0;
    for (const CCorvaneIcon* icon : Icons())
        if (icon->TypeCode() == kTypeDataTag && ConnectedSourceExists(*icon))
            ++count;
    return count;
}

bool CNetDoc::GetDataTagChannels(std::size_t capacity, std::vector<DataTagChannel>& channels) const
{
    channels.clear();
    if (capacity == 0)
        return false;
    for (CCorvaneIcon* icon : Icons()) {
        if (channels.size() >= capacity)
            break;
        if (icon->TypeCode() != kTypeDataTag || !ConnectedSourceExists(*icon))
            continue;
        const InputLink& link = icon->GetInputLinks()[0];
        const CCorvaneIcon* source = FindIconById(link.sourceId);
        DataTagChannel channel;
        channel.iconId = icon->UniqueId();
        channel.tagName = icon->Header().name;
        if (link.sourceOutput < source->OutputCount()) {
            const OutputEntry& entry = source->GetOutputEntries()[link.sourceOutput];
            channel.sourceLabel.assign(entry.data.begin(), std::find(entry.data.begin(), entry.data.end(), 0));
            if (entry.flags != 0) {
                const auto word = RecordU16(SavedRecordOf(*icon), 72);
                channel.valueKind = word && (*word & 0x800) != 0 ? 1 : 2;
            }
        }
        channels.push_back(std::move(channel));
    }
    return true;
}

std::vector<DataTagInfo> CNetDoc::CollectDataTagIcons() const
{
    std::vector<DataTagInfo> tags;
    for (CCorvaneIcon* icon : Icons()) {
        if (icon->TypeCode() != kTypeDataTag)
            continue;
        const auto bits = RecordU16(SavedRecordOf(*icon), kDataTagBitsOffset);
        tags.push_back({icon->Header().name, icon->UniqueId(), bits.value_or(0)});
    }
    return tags;
}

}  // namespace corvane
