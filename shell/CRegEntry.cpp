#include "shell/CRegEntry.h"

#include "shell/CRegistry.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <utility>

namespace corvane {

namespace {

// The longest prefix of text of at most limit bytes that does not end
// inside a UTF-8 sequence.
std::string_view CutText(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    std::size_t end = limit;
    // Step back over continuation bytes to the start of the cut character.
    std::size_t back = end;
    while (back > 0 && (static_cast<unsigned char>(text[back]) & 0xC0) == 0x80 && end - back < 3)
        --back;
    if ((static_cast<unsigned char>(text[back]) & 0xC0) == 0xC0)
        end = back;
    return text.substr(0, end);
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return 99;
}

// strtoul with base 0 for a 32-bit unsigned long: leading blanks, an
// optional sign, "0x" for hexadecimal and a leading 0 for octal; an
// out-of-range magnitude gives the largest value; a minus negates.
std::uint32_t ParseUnsignedBaseZero(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    if (at < text.size() && text[at] == '0') {
        base = 8;
        if (at + 2 < text.size() + 0 && (text[at + 1] == 'x' || text[at + 1] == 'X') && DigitValue(text[at + 2]) < 16) {
            base = 16;
            at += 2;
        }
    }
    std::uint64_t magnitude = 0;
    bool overflow = false;
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text[at]);
        if (digit >= base)
            break;
        magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (magnitude > std::numeric_limits<std::uint32_t>::max()) {
            overflow = true;
            magnitude = std::numeric_limits<std::uint32_t>::max();
        }
    }
    if (overflow)
        return std::numeric_limits<std::uint32_t>::max();
    const auto value = static_cast<std::uint32_t>(magnitude);
    return negative ? static_cast<std::uint32_t>(0u - value) : value;
}

// atoi: leading blanks, an optional sign, decimal digits; kept within int.
int ParseIntDecimal(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        magnitude = std::min(kLimit, magnitude * 10 + (text[at] - '0'));
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<int>(value);
}

}  // namespace

CRegEntry::CRegEntry(CRegistry& owner, std::string_view name)
    : owner_(&owner), name_(CutText(name, kMaxText))
{
}

CRegEntry& CRegEntry::operator=(const CRegEntry& other)
{
    if (this == &other)
        return *this;
    name_ = other.name_;
    type_ = other.type_;
    hasValue_ = other.hasValue_;
    dword_ = other.dword_;
    text_ = other.text_;
    binary_ = other.binary_;
    multi_ = other.multi_;
    return *this;
}

bool CRegEntry::WriteThrough()
{
    if (owner_->Loading() || name_.empty())
        return false;
    if (!owner_->AutoOpen(CRegistry::kSetValue))
        return false;
    bool written = false;
    if (owner_->CanWrite()) {
        SettingsValue value;
        switch (type_) {
        case Type::String: value = SettingsValue::String(text_); break;
        case Type::Binary: value = SettingsValue::Binary(binary_); break;
        case Type::Dword: value = SettingsValue::Dword(dword_); break;
        case Type::Multi: value = SettingsValue::Multi(multi_); break;
        case Type::None: break;
        }
        if (type_ != Type::None)
            written = !owner_->Store().SetValue(owner_->SubKey(), name_, std::move(value));
    }
    owner_->AutoClose();
    return written;
}

void CRegEntry::RefreshIfAsked()
{
    if ((owner_->Flags() & CRegistry::kRefreshOnRead) == 0 || owner_->Loading() || name_.empty())
        return;
    if (!owner_->AutoOpen(CRegistry::kQueryValue))
        return;
    if (owner_->IsOpen())
        (void)owner_->Refresh();
    owner_->AutoClose();
}

bool CRegEntry::SetString(std::string_view text)
{
    type_ = Type::String;
    text_ = std::string(CutText(text, kMaxText));
    hasValue_ = true;
    return WriteThrough();
}

bool CRegEntry::SetDword(std::uint32_t value)
{
    type_ = Type::Dword;
    dword_ = value;
    hasValue_ = true;
    return WriteThrough();
}

bool CRegEntry::SetBinary(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return false;
    type_ = Type::Binary;
    binary_.assign(bytes.begin(), bytes.end());
    hasValue_ = true;
    return WriteThrough();
}

bool CRegEntry::SetMulti(std::span<const char> data)
{
    std::size_t length = data.size();
    if (length > 2 && data[length - 1] == '\0')
        --length;
    std::vector<std::string> strings;
    std::size_t at = 0;
    while (at < length) {
        const auto begin = data.begin() + static_cast<std::ptrdiff_t>(at);
        const auto limit = data.begin() + static_cast<std::ptrdiff_t>(length);
        const auto end = std::find(begin, limit, '\0');
        strings.emplace_back(begin, end);
        at = static_cast<std::size_t>(end - data.begin()) + 1;
    }
    return SetMultiList(std::move(strings));
}

void CRegEntry::SetMultiListCache(std::vector<std::string> strings)
{
    type_ = Type::Multi;
    multi_ = std::move(strings);
    hasValue_ = true;
}

bool CRegEntry::SetMultiList(std::vector<std::string> strings)
{
    SetMultiListCache(std::move(strings));
    return WriteThrough();
}

bool CRegEntry::MultiSetAt(std::size_t index, std::string_view text)
{
    if (type_ != Type::Multi)
        multi_.clear();
    if (index > multi_.size())
        return false;
    std::vector<std::string> strings = multi_;
    if (index == strings.size())
        strings.emplace_back(text);
    else
        strings[index] = std::string(text);
    return SetMultiList(std::move(strings));
}

bool CRegEntry::MultiRemoveAt(std::size_t index)
{
    if (type_ != Type::Multi || index >= multi_.size())
        return false;
    std::vector<std::string> strings = multi_;
    strings.erase(strings.begin() + static_cast<std::ptrdiff_t>(index));
    return SetMultiList(std::move(strings));
}

bool CRegEntry::Delete()
{
    if (name_.empty() || !owner_->AutoOpen(CRegistry::kSetValue))
        return false;
    const bool deleted = owner_->CanWrite() && !owner_->Store().DeleteValue(owner_->SubKey(), name_);
    owner_->AutoClose();
    return deleted;
}

std::string CRegEntry::GetString()
{
    RefreshIfAsked();
    switch (type_) {
    case Type::String: return text_;
    case Type::Dword: return std::to_string(dword_);
    case Type::Multi: {
        std::string joined;
        for (std::size_t i = 0; i < multi_.size(); ++i) {
            if (i > 0)
                joined += '\n';
            joined += multi_[i];
        }
        return joined;
    }
    case Type::Binary:
    case Type::None: break;
    }
    return {};
}

std::uint32_t CRegEntry::GetDword()
{
    RefreshIfAsked();
    switch (type_) {
    case Type::Dword: return dword_;
    case Type::String: return ParseUnsignedBaseZero(text_);
    case Type::Binary: {
        std::uint32_t value = 0;
        const std::size_t count = std::min<std::size_t>(binary_.size(), 4);
        for (std::size_t i = 0; i < count; ++i)
            value |= static_cast<std::uint32_t>(binary_[i]) << (8 * i);
        return value;
    }
    case Type::Multi:
    case Type::None: break;
    }
    return 0;
}

int CRegEntry::ToInt()
{
    RefreshIfAsked();
    if (type_ == Type::String)
        return ParseIntDecimal(text_);
    if (type_ == Type::Dword)
        return static_cast<int>(dword_);
    return 0;
}

std::size_t CRegEntry::GetBinary(std::span<std::uint8_t> buffer)
{
    RefreshIfAsked();
    if (type_ != Type::Binary)
        return 0;
    const std::size_t count = std::min(buffer.size(), binary_.size());
    std::copy_n(binary_.begin(), count, buffer.begin());
    return count;
}

std::size_t CRegEntry::GetBinaryLength()
{
    RefreshIfAsked();
    return type_ == Type::Binary ? binary_.size() : 0;
}

std::vector<std::uint8_t> CRegEntry::GetBinaryBytes()
{
    RefreshIfAsked();
    return type_ == Type::Binary ? binary_ : std::vector<std::uint8_t>();
}

std::size_t CRegEntry::GetMulti(std::span<char> buffer)
{
    RefreshIfAsked();
    if (buffer.empty())
        return 0;
    std::size_t used = 0;
    // Room for the closing NUL is kept back throughout.
    const std::size_t room = buffer.size() - 1;
    if (hasValue_ && type_ == Type::Multi) {
        for (const std::string& text : multi_) {
            if (used >= room)
                break;
            const std::size_t count = std::min(text.size(), room - used);
            std::copy_n(text.begin(), count, buffer.begin() + static_cast<std::ptrdiff_t>(used));
            used += count;
            if (count < text.size() || used >= room)
                break;
            buffer[used++] = '\0';
        }
    }
    buffer[used++] = '\0';
    return used;
}

std::string CRegEntry::MultiGetAt(std::size_t index)
{
    RefreshIfAsked();
    return type_ == Type::Multi && index < multi_.size() ? multi_[index] : std::string();
}

std::size_t CRegEntry::MultiCount()
{
    RefreshIfAsked();
    return type_ == Type::Multi ? multi_.size() : 0;
}

std::size_t CRegEntry::MultiLength()
{
    RefreshIfAsked();
    if (type_ != Type::Multi || multi_.empty())
        return 0;
    std::size_t length = 1;
    for (const std::string& text : multi_)
        length += text.size() + 1;
    return length;
}

std::vector<std::string> CRegEntry::MultiStrings()
{
    RefreshIfAsked();
    return type_ == Type::Multi ? multi_ : std::vector<std::string>();
}

}  // namespace corvane
