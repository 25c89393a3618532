#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvane {

// The settings model and its text form. A settings tree is a root key with
// named subkeys and named typed values, both kept in insertion order; names
// compare without regard to ASCII case and keep the spelling they were
// first given.
//
// The text is UTF-8, one item per line ('\n' or "\r\n"):
//
//     ; comment (also '#'); blank lines are ignored
//     Top = dword:1                     values before any section belong to the root
//     [Software\Tarnwick\Corvane]       a key, by its backslash-separated path
//     LoggerRetryTime = dword:5000      decimal, or hexadecimal with 0x
//     Title = string:"a \"quoted\" text\n"
//     Mask = binary:0a ff 10            two hex digits per byte; "binary:" is empty
//     Names = multi:"a", "b"            "multi:" is an empty list
//     "odd name = 1" = string:""
//
// Quoted texts hold any bytes: \" \\ \n \r \t and \xHH escape, and a byte
// that is not part of valid UTF-8 is written as \xHH. A name that is not
// made of letters, digits, '_', '-' and '.' is quoted; so is a section
// whose names have other unusual characters, as ["A\\odd]name"] (the
// backslash that separates names then escaped). Intermediate keys with
// neither values nor their own section are created by their subkeys'
// sections. Comments are not kept.

// Registry-compatible type numbers.
enum class SettingsType : std::uint32_t { String = 1, Binary = 3, Dword = 4, Multi = 7 };

// Longest names, in bytes, and the deepest key path.
constexpr std::size_t kMaxSettingsValueName = 2047;
constexpr std::size_t kMaxSettingsKeyName = 255;
constexpr std::size_t kMaxSettingsKeyDepth = 512;

using SettingsBinary = std::vector<std::uint8_t>;
using SettingsMulti = std::vector<std::string>;

struct SettingsValue {
    std::variant<std::string, SettingsBinary, std::uint32_t, SettingsMulti> data;

    static SettingsValue String(std::string text) { return {std::move(text)}; }
    static SettingsValue Binary(SettingsBinary bytes) { return {std::move(bytes)}; }
    static SettingsValue Dword(std::uint32_t number) { return {number}; }
    static SettingsValue Multi(SettingsMulti texts) { return {std::move(texts)}; }

    SettingsType Type() const;
    // The value when it has that type, otherwise null.
    const std::string* AsString() const { return std::get_if<std::string>(&data); }
    const SettingsBinary* AsBinary() const { return std::get_if<SettingsBinary>(&data); }
    const std::uint32_t* AsDword() const { return std::get_if<std::uint32_t>(&data); }
    const SettingsMulti* AsMulti() const { return std::get_if<SettingsMulti>(&data); }

    bool operator==(const SettingsValue&) const = default;
};

struct SettingsNamedValue {
    std::string name;
    SettingsValue value;

    bool operator==(const SettingsNamedValue&) const = default;
};

struct SettingsKey {
    std::string name;
    std::vector<SettingsNamedValue> values;
    std::vector<SettingsKey> subkeys;

    // The subkey or value of that name (any ASCII case), or null.
    SettingsKey* FindSubkey(std::string_view subkeyName);
    const SettingsKey* FindSubkey(std::string_view subkeyName) const;
    SettingsNamedValue* FindValue(std::string_view valueName);
    const SettingsNamedValue* FindValue(std::string_view valueName) const;

    bool operator==(const SettingsKey&) const = default;
};

// Whether two names are the same setting: equal but for ASCII case.
bool SettingsNamesEqual(std::string_view a, std::string_view b);

struct SettingsParseError {
    std::size_t line = 0;  // 1-based; 0 when there is no error
    std::string what;

    explicit operator bool() const { return line != 0; }
    std::string Describe() const;  // "line 12: expected '=' after the value name"
};

struct SettingsParseResult {
    SettingsKey root;  // empty when the text has an error
    SettingsParseError error;
};

SettingsParseResult ParseSettings(std::string_view text);

// The text of a tree whose names keep the limits above and are unique
// within their key, as the parser and the settings store make them.
std::string FormatSettings(const SettingsKey& root);

}  // namespace corvane
