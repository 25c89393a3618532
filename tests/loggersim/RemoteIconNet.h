#pragma once

// A stored net for the remote-control and probe-point requests: the
// Program icon, remote constants and switches, a fixed constant that is
// not remote, Data Tag icons and the Probe icon listing some of them, each
// record as the program writes it.
#include "base/ByteWriter.h"
#include "netimage/NetImage.h"

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace corvane::test {

struct NetRemoteIcon {
    std::uint16_t id = 0;
    std::string name;
    bool isSwitch = false;
    float value = 0.0f;  // a constant's
    bool high = false;   // a switch's
    bool remote = true;
};

struct NetDataTag {
    std::uint16_t id = 0;
    std::string name;
    std::uint16_t format = 2;  // bits 0-2 digits, 0x0800 whole number
    bool fed = true;
};

inline std::vector<std::uint8_t> IconRecordBytes(
    std::uint16_t type, std::uint16_t id, std::string_view name, std::size_t length, std::uint8_t inputs,
    std::uint8_t outputs)
{
    std::vector<std::uint8_t> record(length, 0);
    ByteWriter writer(record);
    writer.U16LE(static_cast<std::uint16_t>(length));
    writer.U16LE(id);
    writer.U16LE(type);
    writer.Seek(10);
    writer.U8(inputs);
    writer.U8(outputs);
    writer.FixedText(name, 21);
    return record;
}

inline std::vector<std::uint8_t> MakeRemoteIconNet(std::span<const NetRemoteIcon> icons,
    std::span<const NetDataTag> tags, std::span<const std::uint32_t> probeList)
{
    std::vector<std::vector<std::uint8_t>> records;
    records.push_back(IconRecordBytes(1, 1, "Remote Test", 176, 0, 0));
    for (const NetRemoteIcon& icon : icons) {
        std::vector<std::uint8_t> record = IconRecordBytes(260, icon.id, icon.name, 90, 0, 1);
        ByteWriter writer(record);
        writer.Seek(72);
        const std::uint16_t mode = icon.remote ? (icon.isSwitch ? 0xA000 : 0x8000) : 0;
        writer.U16LE(mode);
        if (icon.isSwitch)
            writer.U32LE(icon.high ? 1 : 0);
        else
            writer.F32LE(icon.value);
        records.push_back(std::move(record));
    }
    for (const NetDataTag& tag : tags) {
        std::vector<std::uint8_t> record = IconRecordBytes(80, tag.id, tag.name, 84, 1, 0);
        ByteWriter writer(record);
        writer.Seek(72);
        writer.U16LE(tag.format);
        writer.U16LE(0xFFFF);
        writer.U16LE(tag.fed ? 2 : 0);  // the source icon's id
        records.push_back(std::move(record));
    }
    std::vector<std::uint8_t> probe = IconRecordBytes(82, 900, "Probe", 72 + 4 * probeList.size(), 0, 0);
    ByteWriter writer(probe);
    writer.Seek(72);
    for (const std::uint32_t id : probeList)
        writer.U32LE(id);
    records.push_back(std::move(probe));
    return std::get<std::vector<std::uint8_t>>(BuildNetImage(records));
}

}  // namespace corvane::test
