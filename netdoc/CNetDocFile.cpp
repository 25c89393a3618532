// Saving a net into a net file and opening one.
#include "netdoc/CNetDoc.h"

#include "base/AtomicFile.h"
#include "netdoc/CGlobalIcon.h"
#include "netdoc/IconFactory.h"
#include "netimage/NetImage.h"
#include "netdoc/RecordFields.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/ModuleSwitchWord.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <set>
#include <string>

namespace corvane {
namespace {

constexpr std::uint16_t kTypeProgram = 1;
constexpr std::uint16_t kTypeClock = 2;
constexpr std::uint16_t kTypeModbusClient = 5;
constexpr std::uint16_t kTypeModuleChannel = 32;
constexpr std::size_t kModelWordOffset = 96;
constexpr std::size_t kSecondVersionOffset = 100;
constexpr std::size_t kNetOptionByteOffset = 105;
constexpr std::size_t kModuleAddressOffset = 72;
constexpr std::size_t kModuleChannelOffset = 73;
constexpr std::size_t kModuleRangeOffset = 74;
constexpr std::string_view kSaveFilter = "CV3 Files (*.nt3)|*.nt3|QUV Files (*.quv)|*.quv||";
constexpr std::string_view kOpenFilter = "Net Files (*.nt3)|*.nt3||";

std::string Lower(std::string text)
{
    std::transform(
        text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string StripNetExtension(std::string name)
{
    if (name.size() >= 4 && name.substr(name.size() - 4) == ".nt3")
        name.resize(name.size() - 4);
    return name;
}

}  // namespace

void CNetDoc::NumberForSave()
{
    messages_.clear();
    ordered_.clear();
    executionCounter_ = 0;
    const std::vector<CCorvaneIcon*> icons = Icons();
    for (CCorvaneIcon* icon : icons) {
        icon->ResetExecutionOrder();
        icon->SyncRecordPosition();
        icon->ClearVisitMark();
    }
    const auto numberWhere = [&](auto&& wanted) {
        for (CCorvaneIcon* icon : icons)
            if (wanted(*icon))
                icon->AssignExecutionOrder(*this);
    };
    numberWhere([](const CCorvaneIcon& i) { return i.TypeCode() == kTypeProgram; });
    numberWhere([](const CCorvaneIcon& i) { return i.TypeCode() == kTypeClock; });
    numberWhere([](const CCorvaneIcon& i) { return i.TypeCode() == kTypeModbusClient; });
    numberWhere([](const CCorvaneIcon& i) { return !i.IsHardwareLayout(); });
    numberWhere([](const CCorvaneIcon& i) { return i.IsHardwareLayout(); });
}

std::variant<std::vector<std::uint8_t>, std::string> CNetDoc::BuildSaveImage()
{
    NumberForSave();
    // The numbered icons in execution order, then any the numbering left
    // out (those on a cycle) in list order: a save keeps every icon.
    std::vector<CCorvaneIcon*> order = Icons();
    std::stable_sort(order.begin(), order.end(), [](const CCorvaneIcon* a, const CCorvaneIcon* b) {
        const auto key = [](const CCorvaneIcon* i) {
            return i->GetExecutionOrder() < 0 ? std::numeric_limits<int>::max() : i->GetExecutionOrder();
        };
        return key(a) < key(b);
    });
    // The Program icon heads the file whatever the numbering made of it:
    // opening refuses a file that does not start with it.
    if (CGlobalIcon* program = ProgramIcon()) {
        const auto at = std::find(order.begin(), order.end(), program);
        std::rotate(order.begin(), at, at + 1);
    }
    ordered_ = order;
    std::vector<std::vector<std::uint8_t>> records;
    for (CCorvaneIcon* icon : order) {
        icon->SyncRecordPosition();
        auto stored = icon->StoreRecord(TransferMode::Save);
        if (auto* error = std::get_if<RecordError>(&stored))
            return "Net File Could Not be Saved: icon '" + icon->Header().name + "' " + error->Describe();
        records.push_back(std::move(std::get<std::vector<std::uint8_t>>(stored)));
    }
    auto image = BuildNetImage(records);
    if (std::holds_alternative<NetImageError>(image))
        return std::string("Program net size exceeds maximum limit");
    // An image that opening would refuse is never written over a file.
    auto reread = StageNetImage(std::get<std::vector<std::uint8_t>>(image));
    if (const auto* refusal = std::get_if<OpenRefusal>(&reread))
        return "The net was not saved: the saved file would not open again.\n" + refusal->text;
    return std::move(std::get<std::vector<std::uint8_t>>(image));
}

bool CNetDoc::SaveNetFile(bool usePath, const std::filesystem::path& path)
{
    if (GetObjectCount() == 0) {
        services_.ShowNotice("Net contains no icons and can not be saved", NetNoticeCaption::SaveFile);
        return false;
    }
    std::filesystem::path chosen = path;
    bool dialog = !usePath || path.empty() || path.string().find('*') != std::string::npos;
    if (path.empty())
        chosen = services_.NetFileFolder() / (StripNetExtension(Title()) + ".nt3");
    if (dialog) {
        FileDialogRequest request;
        request.open = false;
        request.folder = chosen.parent_path().string();
        request.fileName = !fromLogger_ && !naming_ ? std::string("*.nt3") : chosen.filename().string();
        request.filter = std::string(kSaveFilter);
        request.defaultExtension = "nt3";
        request.overwritePrompt = true;
        const auto result = Application::Instance().Prompts().ShowFileDialog(request);
        if (!result || result->paths.empty())
            return false;
        chosen = result->paths.front();
        fromLogger_ = false;
    }
    if (Lower(chosen.extension().string()) == ".quv") {
        services_.ConvertNet(chosen);
        return true;
    }
    services_.SetNetFileFolder(chosen.parent_path());
    if (CGlobalIcon* program = ProgramIcon()) {
        MoveToFront(*program);
        program->SetSavedFileName(chosen.filename().string());
    }
    auto image = BuildSaveImage();
    if (auto* refusal = std::get_if<std::string>(&image)) {
        services_.ShowNotice(*refusal, NetNoticeCaption::SaveFile);
        return false;
    }
    if (const FileError error = WriteFileAtomically(chosen, std::get<std::vector<std::uint8_t>>(image))) {
        services_.ShowNotice("Net File " + chosen.string() + " Could Not be Saved", NetNoticeCaption::SaveFile);
        return false;
    }
    SetPathName(chosen);
    if (Lower(chosen.extension().string()) == ".nt3")
        services_.AddRecentNet(chosen);
    SetModified(false);
    return true;
}

bool CNetDoc::OpenNetFile(bool fromLogger, bool havePath, std::filesystem::path& path)
{
    if (IsModified() && !SaveModified())
        return false;
    messages_.clear();
    loading_ = true;
    if (!havePath && fromLogger) {
        path = services_.WorkingFolder() / kDownloadFileName;
    } else if (!havePath) {
        FileDialogRequest request;
        request.open = true;
        request.folder = services_.NetFileFolder().string();
        request.filter = std::string(kOpenFilter);
        request.defaultExtension = "nt3;bin";
        request.fileMustExist = true;
        const auto result = Application::Instance().Prompts().ShowFileDialog(request);
        if (!result || result->paths.empty())
            return false;
        path = result->paths.front();
        services_.SetNetFileFolder(path.parent_path());
    }
    const std::string extension = Lower(path.extension().string());
    if (extension != ".nt3" && extension != ".bin") {
        services_.ShowNotice(
            "*" + path.extension().string() + " file cannot be opened as Program Net", NetNoticeCaption::OpenFile);
        return false;
    }
    const FileContents contents = ReadWholeFile(path, kMaxNetFileBytes);
    if (contents.error) {
        services_.ShowNotice(path.string() + " File Could Not be Opened", NetNoticeCaption::OpenFile);
        return false;
    }
    if (const auto refusal = LoadNetImage(contents.bytes, fromLogger)) {
        if (refusal->notice) {
            services_.ShowNotice(refusal->text, NetNoticeCaption::OpenFile);
        } else {
            MessageBoxRequest request;
            request.text = refusal->text;
            request.icon = MessageBoxIcon::Error;
            Application::Instance().Prompts().ShowMessageBox(request);
        }
        return false;
    }
    // A downloaded image is deleted once it has been read in; one that was
    // refused is kept for a look.
    if (path.filename() == kDownloadFileName && !services_.KeepRawDownloads()) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    fromLogger_ = fromLogger;
    if (fromLogger) {
        SetPathName(services_.NetFileFolder() / (GetProgramIconName() + ".nt3"));
    } else {
        SetPathName(path);
        if (extension == ".nt3")
            services_.AddRecentNet(path);
    }
    SetModified(false);
    return true;
}

std::variant<CNetDoc::StagedNet, CNetDoc::OpenRefusal> CNetDoc::StageNetImage(std::span<const std::uint8_t> image)
{
    const auto parsed = ParseNetImage(image);
    if (const auto* error = std::get_if<NetImageError>(&parsed)) {
        if (error->fault == NetImageFault::CrcMismatch)
            return OpenRefusal{"CRC error: Program Net may not be correct.", true};
        return OpenRefusal{"Not a valid net file\n" + error->Reason(), false};
    }
    const std::vector<std::span<const std::uint8_t>>& records = std::get<NetImageRecords>(parsed).records;

    StagedNet staged;
    staged.programRecord = records.front();
    staged.modules = std::make_unique<CHardwarePoll>();
    std::size_t offset = kNetImageLengthSize;
    for (const auto record : records) {
        const std::uint16_t type = RecordTypeCode(record);
        const std::uint16_t subtype = SubtypeFromRecord(record, type);
        std::unique_ptr<CCorvaneIcon> icon = CreateIcon(type, subtype);
        if (icon) {
            if (const auto error = FillIconFromRecord(*icon, record, type, subtype)) {
                NetImageError damaged{NetImageFault::BadRecord, offset + error->offset, error->field};
                return OpenRefusal{"Not a valid net file\n" + damaged.Reason(), false};
            }
            if (type == kTypeModuleChannel)
                NoteModuleChannel(*icon, record, *staged.modules);
            staged.icons.push_back({std::move(icon), record});
        }
        offset += record.size();
    }

    // Links name their source by id, so an id belongs to one icon only.
    std::set<std::uint16_t> ids;
    for (const StagedIcon& item : staged.icons) {
        const std::uint16_t id = item.icon->UniqueId();
        if (id != 0 && !ids.insert(id).second)
            return OpenRefusal{"Not a valid net file\nTwo icons have the id " + std::to_string(id), false};
    }
    // A link from an id no icon has would tie itself to whichever icon
    // is given that id later; the Program icon has no inputs to link.
    for (StagedIcon& item : staged.icons) {
        CCorvaneIcon& icon = *item.icon;
        const bool program = dynamic_cast<CGlobalIcon*>(&icon) != nullptr;
        for (int slot : {kEnableSlot, kTriggerSlot}) {
            InputLink& link = *icon.RecordLink(slot);
            if (link.IsConnected() && (program || !ids.contains(link.sourceId)))
                ClearInputLink(link);
        }
        for (InputLink& link : icon.GetInputLinks())
            if (link.IsConnected() && !ids.contains(link.sourceId))
                ClearInputLink(link);
    }
    return staged;
}

std::optional<CNetDoc::OpenRefusal> CNetDoc::LoadNetImage(std::span<const std::uint8_t> image, bool fromLogger)
{
    // Every record is read into a new icon before the net is touched.
    auto stagedOrRefusal = StageNetImage(image);
    if (auto* refusal = std::get_if<OpenRefusal>(&stagedOrRefusal))
        return std::move(*refusal);
    StagedNet& staged = std::get<StagedNet>(stagedOrRefusal);

    const std::span<const std::uint8_t> program = staged.programRecord;
    if (const auto option = RecordU8(program, kNetOptionByteOffset))
        services_.SetNetOptionByte(*option);
    if (auto warning = services_.CheckNetVersion(
            RecordU32(program, kModelWordOffset).value_or(0), RecordU32(program, kSecondVersionOffset).value_or(0)))
        services_.ShowNotice(*warning, NetNoticeCaption::VersionWarning);

    DeleteObjects(true);
    messages_.clear();
    ordered_.clear();
    CHardwarePoll& poll = GetHardwarePoll();
    poll.Reset();
    poll.SetModuleMask(staged.modules->GetModuleMask());
    for (int slot = 0; slot < CHardwarePoll::kSlotCount; ++slot)
        poll.SetModuleValue(slot, staged.modules->GetModuleValue(slot));
    std::vector<CCorvaneIcon*> icons;
    for (StagedIcon& item : staged.icons) {
        icons.push_back(item.icon.get());
        AddObject(std::move(item.icon));
    }
    ResetIdsFromIcons();
    for (CCorvaneIcon* icon : icons)
        if (icon->UniqueId() == 0)
            icon->SetUniqueId(TakeNextIconId());
    for (CCorvaneIcon* icon : icons)
        icon->SetPositionFromRecord();
    LayoutAllIconConnectors();
    for (CCorvaneIcon* icon : icons)
        for (int slot = 0; slot < icon->TotalInputs(); ++slot)
            if ((icon->Input(slot).GetDataType() & data_type::kAdapts) != 0)
                icon->SyncConnectorFlags(slot);
    if (fromLogger) {
        if (CGlobalIcon* programIcon = ProgramIcon();
            programIcon != nullptr && services_.QueryHardware(GetHardwarePoll()))
            programIcon->CopyPollResults(GetHardwarePoll());
    }
    mqttNotice_ = true;
    UpdateAllViews(nullptr);
    return std::nullopt;
}

void CNetDoc::NoteModuleChannel(CCorvaneIcon& icon, std::span<const std::uint8_t> record, CHardwarePoll& poll)
{
    const auto address = RecordU8(record, kModuleAddressOffset);
    const auto channel = RecordU8(record, kModuleChannelOffset);
    const auto range = RecordU16(record, kModuleRangeOffset);
    if (!address || !channel || !range)
        return;
    if (*address < CHardwarePoll::kSlotCount)
        poll.SetModuleMask(static_cast<std::uint16_t>(poll.GetModuleMask() | (1u << *address)));
    const std::uint16_t rangeBits = static_cast<std::uint16_t>(*range & 0x38);
    if (*channel != 0xFF)
        poll.SetModuleValue(*address, SetChannelSwitches(poll.GetModuleValue(*address), *channel, rangeBits));
    icon.SetBitmapId(ModuleChannelBitmap(rangeBits));
}

}  // namespace corvane
