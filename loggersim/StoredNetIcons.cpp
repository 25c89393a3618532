#include "loggersim/StoredNetIcons.h"

#include "base/ByteReader.h"
#include "netimage/IconRecordLayout.h"
#include "netimage/NetImage.h"

#include <map>
#include <variant>

namespace corvane {

namespace {

constexpr std::size_t kModeOffset = 72;
constexpr std::size_t kValueOffset = 74;
constexpr std::size_t kFormatOffset = 72;
constexpr std::size_t kTagInputLinkOffset = 76;
constexpr std::size_t kTagIdSize = 4;
constexpr std::size_t kInputLinkBytes = 8;
constexpr std::size_t kOutputEntryBytes = 12;

std::vector<std::span<const std::uint8_t>> Records(std::span<const std::uint8_t> netImage)
{
    auto parsed = ParseNetImage(netImage);
    if (auto* records = std::get_if<NetImageRecords>(&parsed))
        return std::move(records->records);
    return {};
}

std::uint16_t IconId(ByteReader& reader)
{
    reader.Seek(kIconUniqueIdOffset);
    return reader.U16LE("unique id");
}

std::string IconName(ByteReader& reader)
{
    reader.Seek(kIconNameOffset);
    return std::string(reader.FixedText(kIconNameFieldSize, "name"));
}

}  // namespace

std::vector<StoredRemoteIcon> StoredRemoteIcons(std::span<const std::uint8_t> netImage)
{
    std::vector<StoredRemoteIcon> icons;
    for (const auto record : Records(netImage)) {
        if (RecordTypeCode(record) != kSimConstantIconType)
            continue;
        ByteReader reader(record);
        StoredRemoteIcon icon;
        icon.iconId = IconId(reader);
        icon.name = IconName(reader);
        reader.Seek(kModeOffset);
        const std::uint16_t mode = reader.U16LE("mode word");
        const std::span<const std::uint8_t> value = reader.Bytes(icon.initialValue.size(), "value");
        if (reader.Failed() || (mode & kSimRemoteModeBit) == 0)
            continue;
        icon.isSwitch = (mode & kSimSwitchModeBit) != 0;
        std::copy(value.begin(), value.end(), icon.initialValue.begin());
        icons.push_back(std::move(icon));
    }
    return icons;
}

std::vector<StoredProbeTag> StoredProbeTags(std::span<const std::uint8_t> netImage)
{
    const auto records = Records(netImage);
    std::map<std::uint32_t, StoredProbeTag> tags;
    std::span<const std::uint8_t> probe;
    for (const auto record : records) {
        const std::uint16_t type = RecordTypeCode(record);
        if (type == kSimProbeIconType && probe.empty()) {
            probe = record;
        } else if (type == kSimDataTagIconType) {
            ByteReader reader(record);
            StoredProbeTag tag;
            tag.tagId = IconId(reader);
            tag.name = IconName(reader);
            reader.Seek(kFormatOffset);
            const std::uint16_t format = reader.U16LE("format word");
            reader.Seek(kTagInputLinkOffset);
            const std::uint16_t source = reader.U16LE("input link");
            if (reader.Failed())
                continue;
            tag.decimals = static_cast<std::uint8_t>(format & kSimDigitsMask);
            tag.wholeNumber = (format & kSimWholeNumberBit) != 0;
            tag.fed = source != 0;
            tags.emplace(tag.tagId, std::move(tag));
        }
    }
    std::vector<StoredProbeTag> listed;
    // The ids follow the head and any connectors the record counts.
    ByteReader counts(probe);
    counts.Seek(kIconInputCountOffset);
    const std::size_t inputs = counts.U8("input count");
    const std::size_t outputs = counts.U8("output count");
    const std::size_t tailStart = kIconRecordHeaderSize + inputs * kInputLinkBytes + outputs * kOutputEntryBytes;
    if (counts.Failed() || probe.size() <= tailStart)
        return listed;
    ByteReader reader(probe.subspan(tailStart));
    while (reader.Remaining() >= kTagIdSize) {
        const auto found = tags.find(reader.U32LE("tag id"));
        if (found != tags.end())
            listed.push_back(found->second);
    }
    return listed;
}

}  // namespace corvane
