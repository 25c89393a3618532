#include "commwindow/ModuleFirmwareFile.h"

#include "halvix/protocol/ModuleReplies.h"

#include <algorithm>
#include <string_view>

namespace corvane {

namespace {

constexpr std::string_view kMagic = "TVLKMODULE";

}  // namespace

ModuleFirmwareFile::HeaderCheck ModuleFirmwareFile::CheckHeader(std::span<const std::uint8_t> header,
    std::uint8_t moduleType)
{
    if (header.size() < kHeaderBytes)
        return HeaderCheck::Short;
    if (!std::equal(kMagic.begin(), kMagic.end(), header.begin(),
            [](char expected, std::uint8_t actual) { return static_cast<std::uint8_t>(expected) == actual; }))
        return HeaderCheck::BadMagic;
    if (header[kModuleTypeOffset] != moduleType)
        return HeaderCheck::WrongType;
    return HeaderCheck::Valid;
}

std::uint64_t ModuleFirmwareFile::PayloadLength(std::uint64_t fileLength)
{
    return fileLength > kHeaderBytes ? fileLength - kHeaderBytes : 0;
}

std::size_t ModuleFirmwareFile::NextBlockBytes(std::uint64_t sent, std::uint64_t total)
{
    if (sent >= total)
        return 0;
    return static_cast<std::size_t>(std::min<std::uint64_t>(total - sent, kFlashMaxBlockBytes));
}

}  // namespace corvane
