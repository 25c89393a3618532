#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class CRegistry;

// One cached value of a CRegistry key. Assigning a value updates the cache
// and writes it through to the settings store at once (unless the owner is
// loading, the entry has no name or the key is not open). Getters re-read
// the key first when the owner asks for it (CRegistry::kRefreshOnRead).
class CRegEntry {
public:
    // The settings store's type numbers; None until a value is known.
    enum class Type : std::uint32_t { None = 0, String = 1, Binary = 3, Dword = 4, Multi = 7 };

    // Longest text kept, in bytes, without its terminating NUL.
    static constexpr std::size_t kMaxText = 2047;

    CRegEntry(CRegistry& owner, std::string_view name);
    CRegEntry(const CRegEntry&) = delete;
    // Copies name, type and value (not the owner); writes nothing.
    CRegEntry& operator=(const CRegEntry& other);

    const std::string& Name() const { return name_; }
    Type GetType() const { return type_; }
    // Whether the value was read from the key or assigned.
    bool Exists() const { return hasValue_; }

    // Each returns true when the value reached the store and was saved.
    // A text is cut to kMaxText bytes (at a character boundary).
    bool SetString(std::string_view text);
    bool SetDword(std::uint32_t value);
    // An empty block changes nothing and returns false.
    bool SetBinary(std::span<const std::uint8_t> bytes);
    // data: NUL-separated strings closed by a second NUL, of that length.
    bool SetMulti(std::span<const char> data);
    bool SetMultiList(std::vector<std::string> strings);
    // index == MultiCount() appends; a smaller index replaces; larger does nothing.
    bool MultiSetAt(std::size_t index, std::string_view text);
    bool MultiRemoveAt(std::size_t index);
    // Removes the value from the key (the cache keeps it).
    bool Delete();

    // A number as "%lu", the strings of a multi-string value joined by
    // '\n', a binary value as an empty text.
    std::string GetString();
    // A text through strtoul rules (base from its prefix: "0x" hex, "0"
    // octal); a binary value's first 4 bytes little-endian, zero-extended
    // when shorter; 0 for no value.
    std::uint32_t GetDword();
    // A text through atoi rules, a number as it is, anything else 0.
    int ToInt();
    // Copies at most buffer.size() bytes; returns how many were copied.
    std::size_t GetBinary(std::span<std::uint8_t> buffer);
    std::size_t GetBinaryLength();
    std::vector<std::uint8_t> GetBinaryBytes();
    // The strings each with its NUL and a final NUL, cut to the buffer
    // (which always ends with a NUL when not empty); returns the bytes used.
    std::size_t GetMulti(std::span<char> buffer);
    // Empty text for an index past the end.
    std::string MultiGetAt(std::size_t index);
    std::size_t MultiCount();
    // Sum of (length + 1) over the strings, plus 1; 0 for an empty list.
    std::size_t MultiLength();
    std::vector<std::string> MultiStrings();

private:
    bool WriteThrough();
    void RefreshIfAsked();
    void SetMultiListCache(std::vector<std::string> strings);

    CRegistry* owner_;
    std::string name_;
    Type type_ = Type::None;
    bool hasValue_ = false;
    std::uint32_t dword_ = 0;
    std::string text_;
    std::vector<std::uint8_t> binary_;
    std::vector<std::string> multi_;
};

}  // namespace corvane
