#include "platform/SettingsFile.h"

#include <memory>
#include <unordered_map>
#include <utility>

namespace corvane {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// How much of a name an error message quotes.
constexpr std::size_t kMaxQuotedInMessage = 64;

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded)
        c = FoldAscii(c);
    return folded;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    const char lower = FoldAscii(c);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// The length of the well-formed UTF-8 sequence that starts at text[at]
// (no overlong forms, surrogates or code points above U+10FFFF), or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return length;
}

void AppendHexByte(std::string& out, unsigned char byte)
{
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

void AppendQuoted(std::string& out, std::string_view text)
{
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            if (const std::size_t length = Utf8SequenceLength(text, i); length > 0) {
                out.append(text.substr(i, length));
                i += length;
                continue;
            }
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (IsControl(byte) || byte >= 0x80) {
                out += "\\x";
                AppendHexByte(out, byte);
            } else {
                out += c;
            }
        }
        ++i;
    }
    out += '"';
}

// A name as an error message shows it: quoted, escaped and cut short.
std::string ForMessage(std::string_view name)
{
    std::string out;
    AppendQuoted(out, name.substr(0, kMaxQuotedInMessage));
    if (name.size() > kMaxQuotedInMessage)
        out += "...";
    return out;
}

bool IsBareValueName(std::string_view name)
{
    if (name.empty())
        return false;
    for (const char c : name)
        if (!IsAlpha(c) && !IsDigit(c) && c != '_' && c != '-' && c != '.')
            return false;
    return true;
}

// Whether a key name can stand unquoted in a section header: printable
// text without brackets or quotes, no blanks at either end.
bool IsBareKeyName(std::string_view name)
{
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back()))
        return false;
    for (std::size_t i = 0; i < name.size();) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte >= 0x80) {
            const std::size_t length = Utf8SequenceLength(name, i);
            if (length == 0)
                return false;
            i += length;
            continue;
        }
        if (IsControl(byte) || byte == '[' || byte == ']' || byte == '"' || byte == '\\')
            return false;
        ++i;
    }
    return true;
}

void AppendHeader(std::string& out, const std::vector<std::string_view>& path)
{
    bool bare = true;
    std::string joined;
    for (const std::string_view name : path) {
        bare = bare && IsBareKeyName(name);
        if (!joined.empty())
            joined += '\\';
        joined.append(name);
    }
    out += '[';
    if (bare)
        out += joined;
    else
        AppendQuoted(out, joined);
    out += "]\n";
}

void AppendValue(std::string& out, const SettingsNamedValue& named)
{
    if (IsBareValueName(named.name))
        out += named.name;
    else
        AppendQuoted(out, named.name);
    out += " = ";
    const SettingsValue& value = named.value;
    if (const std::string* text = value.AsString()) {
        out += "string:";
        AppendQuoted(out, *text);
    } else if (const SettingsBinary* bytes = value.AsBinary()) {
        out += "binary:";
        for (std::size_t i = 0; i < bytes->size(); ++i) {
            if (i > 0)
                out += ' ';
            AppendHexByte(out, (*bytes)[i]);
        }
    } else if (const std::uint32_t* number = value.AsDword()) {
        out += "dword:";
        out += std::to_string(*number);
    } else if (const SettingsMulti* texts = value.AsMulti()) {
        out += "multi:";
        for (std::size_t i = 0; i < texts->size(); ++i) {
            if (i > 0)
                out += ", ";
            AppendQuoted(out, (*texts)[i]);
        }
    }
    out += '\n';
}

// Writes a key's section, then its subkeys'. A key with subkeys but no
// values needs no section: its subkeys' sections create it in order.
void AppendKey(std::string& out, const SettingsKey& key, std::vector<std::string_view>& path)
{
    path.push_back(key.name);
    if (!key.values.empty() || key.subkeys.empty()) {
        if (!out.empty())
            out += '\n';
        AppendHeader(out, path);
        for (const SettingsNamedValue& named : key.values)
            AppendValue(out, named);
    }
    for (const SettingsKey& subkey : key.subkeys)
        AppendKey(out, subkey, path);
    path.pop_back();
}

// Reads one line from left to right.
class LineCursor {
public:
    explicit LineCursor(std::string_view line) : line_(line) {}

    bool AtEnd() const { return at_ >= line_.size(); }
    char Peek() const { return AtEnd() ? '\0' : line_[at_]; }
    char Take() { return line_[at_++]; }
    bool TakeIf(char c)
    {
        if (AtEnd() || line_[at_] != c)
            return false;
        ++at_;
        return true;
    }
    void SkipBlanks()
    {
        while (!AtEnd() && IsBlank(line_[at_]))
            ++at_;
    }
    std::size_t Position() const { return at_; }
    std::string_view Between(std::size_t from, std::size_t to) const { return line_.substr(from, to - from); }
    std::string_view Rest() const { return line_.substr(at_); }
    void Advance(std::size_t count) { at_ += count; }

private:
    std::string_view line_;
    std::size_t at_ = 0;
};

// A key while the text is read: children by folded name and the line of
// each value, so that lookups and duplicate checks stay fast in big files.
struct ParseNode {
    std::string name;
    std::vector<SettingsNamedValue> values;
    std::vector<std::unique_ptr<ParseNode>> children;
    std::unordered_map<std::string, ParseNode*> childByName;
    std::unordered_map<std::string, std::size_t> lineOfValue;
    std::size_t lineOfSection = 0;  // 0 until the key has its own section
};

SettingsKey ToKey(ParseNode& node)
{
    SettingsKey key;
    key.name = std::move(node.name);
    key.values = std::move(node.values);
    key.subkeys.reserve(node.children.size());
    for (const std::unique_ptr<ParseNode>& child : node.children)
        key.subkeys.push_back(ToKey(*child));
    return key;
}

class Parser {
public:
    SettingsParseResult Run(std::string_view text)
    {
        if (text.starts_with(kUtf8Mark))
            text.remove_prefix(kUtf8Mark.size());
        std::size_t lineNumber = 0;
        while (!text.empty() || lineNumber == 0) {
            ++lineNumber;
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            line_ = lineNumber;
            if (!ParseLine(line))
                return {{}, {lineNumber, std::move(error_)}};
        }
        return {ToKey(root_), {}};
    }

private:
    bool Fail(std::string what)
    {
        error_ = std::move(what);
        return false;
    }

    bool ParseLine(std::string_view line)
    {
        LineCursor cursor(line);
        cursor.SkipBlanks();
        if (cursor.AtEnd() || cursor.Peek() == ';' || cursor.Peek() == '#')
            return true;
        if (cursor.TakeIf('['))
            return ParseSection(cursor);
        return ParseValue(cursor);
    }

    bool ParseQuoted(LineCursor& cursor, std::string& out)
    {
        if (!cursor.TakeIf('"'))
            return Fail("expected a quoted text");
        for (;;) {
            if (cursor.AtEnd())
                return Fail("quoted text is not closed");
            const char c = cursor.Take();
            if (c == '"')
                return true;
            if (c != '\\') {
                if (c != '\t' && IsControl(static_cast<unsigned char>(c)))
                    return Fail("control character in quoted text (write it as \\x escape)");
                out += c;
                continue;
            }
            if (cursor.AtEnd())
                return Fail("quoted text ends in a lone backslash");
            switch (const char escaped = cursor.Take()) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'x': {
                const int high = HexValue(cursor.Peek());
                const int low = high < 0 ? -1 : (cursor.Advance(1), HexValue(cursor.Peek()));
                if (low < 0)
                    return Fail("expected two hex digits after \\x");
                cursor.Advance(1);
                out += static_cast<char>(high * 16 + low);
                break;
            }
            default: {
                std::string what = "unknown escape \\";
                if (IsControl(static_cast<unsigned char>(escaped)) || static_cast<unsigned char>(escaped) >= 0x80)
                    AppendHexByte(what.append("x"), static_cast<unsigned char>(escaped));
                else
                    what += escaped;
                return Fail(what + " in quoted text");
            }
            }
        }
    }

    bool ParseSection(LineCursor& cursor)
    {
        cursor.SkipBlanks();
        std::vector<std::string> path;
        if (cursor.Peek() == '"') {
            std::string joined;
            if (!ParseQuoted(cursor, joined))
                return false;
            cursor.SkipBlanks();
            if (!cursor.TakeIf(']'))
                return Fail("expected ']' after the quoted key path");
            std::size_t from = 0;
            for (std::size_t to; (to = joined.find('\\', from)) != std::string::npos; from = to + 1)
                path.push_back(joined.substr(from, to - from));
            path.push_back(joined.substr(from));
        } else {
            const std::size_t start = cursor.Position();
            for (;;) {
                if (cursor.AtEnd())
                    return Fail("section header is not closed with ']'");
                const char c = cursor.Peek();
                if (c == ']')
                    break;
                if (c == '"' || c == '[' || (c != '\t' && IsControl(static_cast<unsigned char>(c))))
                    return Fail("unexpected character in key path (quote a path with unusual names)");
                cursor.Advance(1);
            }
            const std::string_view joined = cursor.Between(start, cursor.Position());
            cursor.Advance(1);
            std::size_t from = 0;
            for (;;) {
                const std::size_t to = joined.find('\\', from);
                std::string_view name = joined.substr(from, to == std::string_view::npos ? to : to - from);
                while (!name.empty() && IsBlank(name.front()))
                    name.remove_prefix(1);
                while (!name.empty() && IsBlank(name.back()))
                    name.remove_suffix(1);
                path.emplace_back(name);
                if (to == std::string_view::npos)
                    break;
                from = to + 1;
            }
        }
        cursor.SkipBlanks();
        if (!cursor.AtEnd())
            return Fail("unexpected text after the section header");
        if (path.size() > kMaxSettingsKeyDepth)
            return Fail("key path deeper than " + std::to_string(kMaxSettingsKeyDepth) + " keys");

        ParseNode* node = &root_;
        for (std::string& name : path) {
            if (name.empty())
                return Fail("empty key name in key path");
            if (name.size() > kMaxSettingsKeyName)
                return Fail("key name longer than " + std::to_string(kMaxSettingsKeyName) + " bytes");
            std::string folded = Folded(name);
            auto found = node->childByName.find(folded);
            if (found == node->childByName.end()) {
                auto child = std::make_unique<ParseNode>();
                child->name = std::move(name);
                found = node->childByName.emplace(std::move(folded), child.get()).first;
                node->children.push_back(std::move(child));
            }
            node = found->second;
        }
        if (node->lineOfSection != 0)
            return Fail("key " + ForMessage(node->name) + " has a second section (first on line "
                + std::to_string(node->lineOfSection) + ")");
        node->lineOfSection = line_;
        current_ = node;
        return true;
    }

    bool ParseValue(LineCursor& cursor)
    {
        SettingsNamedValue named;
        if (cursor.Peek() == '"') {
            if (!ParseQuoted(cursor, named.name))
                return false;
        } else {
            const std::size_t start = cursor.Position();
            while (!cursor.AtEnd()) {
                const auto c = static_cast<unsigned char>(cursor.Peek());
                if (IsBlank(static_cast<char>(c)) || c == '=' || c == '"' || IsControl(c))
                    break;
                cursor.Advance(1);
            }
            named.name = cursor.Between(start, cursor.Position());
            if (named.name.empty())
                return Fail("expected a value name, a section header or a comment");
        }
        if (named.name.size() > kMaxSettingsValueName)
            return Fail("value name longer than " + std::to_string(kMaxSettingsValueName) + " bytes");
        cursor.SkipBlanks();
        if (!cursor.TakeIf('='))
            return Fail("expected '=' after the value name");
        cursor.SkipBlanks();

        const std::size_t typeStart = cursor.Position();
        while (IsAlpha(cursor.Peek()))
            cursor.Advance(1);
        const std::string_view type = cursor.Between(typeStart, cursor.Position());
        if (!cursor.TakeIf(':'))
            return Fail("expected a type (string, dword, binary or multi) and ':' after '='");
        cursor.SkipBlanks();
        bool parsed = false;
        if (type == "string")
            parsed = ParseString(cursor, named.value);
        else if (type == "dword")
            parsed = ParseDword(cursor, named.value);
        else if (type == "binary")
            parsed = ParseBinary(cursor, named.value);
        else if (type == "multi")
            parsed = ParseMulti(cursor, named.value);
        else
            return Fail("unknown value type '" + std::string(type) + "' (expected string, dword, binary or multi)");
        if (!parsed)
            return false;
        cursor.SkipBlanks();
        if (!cursor.AtEnd())
            return Fail("unexpected text after the value");

        const auto [where, added] = current_->lineOfValue.emplace(Folded(named.name), line_);
        if (!added)
            return Fail("value " + ForMessage(named.name) + " appears twice in its key (first on line "
                + std::to_string(where->second) + ")");
        current_->values.push_back(std::move(named));
        return true;
    }

    bool ParseString(LineCursor& cursor, SettingsValue& value)
    {
        std::string text;
        if (cursor.Peek() != '"')
            return Fail("expected a quoted text after 'string:'");
        if (!ParseQuoted(cursor, text))
            return false;
        value = SettingsValue::String(std::move(text));
        return true;
    }

    bool ParseDword(LineCursor& cursor, SettingsValue& value)
    {
        std::uint64_t number = 0;
        std::uint64_t base = 10;
        const std::string_view rest = cursor.Rest();
        if (rest.starts_with("0x") || rest.starts_with("0X")) {
            base = 16;
            cursor.Advance(2);
        }
        std::size_t digits = 0;
        for (int digit; (digit = HexValue(cursor.Peek())) >= 0 && static_cast<std::uint64_t>(digit) < base;) {
            number = number * base + static_cast<std::uint64_t>(digit);
            if (number > 0xFFFFFFFFu)
                return Fail("number out of range (the largest is 4294967295)");
            cursor.Advance(1);
            ++digits;
        }
        if (digits == 0)
            return Fail("expected a number after 'dword:'");
        value = SettingsValue::Dword(static_cast<std::uint32_t>(number));
        return true;
    }

    bool ParseBinary(LineCursor& cursor, SettingsValue& value)
    {
        SettingsBinary bytes;
        while (!cursor.AtEnd()) {
            const int high = HexValue(cursor.Peek());
            const int low = high < 0 ? -1 : (cursor.Advance(1), HexValue(cursor.Peek()));
            if (low < 0)
                return Fail("expected two hex digits for each byte of binary data");
            cursor.Advance(1);
            if (!cursor.AtEnd() && !IsBlank(cursor.Peek()))
                return Fail("expected a blank between the bytes of binary data");
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
            cursor.SkipBlanks();
        }
        value = SettingsValue::Binary(std::move(bytes));
        return true;
    }

    bool ParseMulti(LineCursor& cursor, SettingsValue& value)
    {
        SettingsMulti texts;
        while (!cursor.AtEnd()) {
            if (!texts.empty()) {
                if (!cursor.TakeIf(','))
                    return Fail("expected ',' between the texts of a multi value");
                cursor.SkipBlanks();
            }
            if (cursor.Peek() != '"')
                return Fail("expected a quoted text in the multi value");
            if (!ParseQuoted(cursor, texts.emplace_back()))
                return false;
            cursor.SkipBlanks();
        }
        value = SettingsValue::Multi(std::move(texts));
        return true;
    }

    ParseNode root_;
    ParseNode* current_ = &root_;
    std::size_t line_ = 0;
    std::string error_;
};

template <typename Named, typename List> Named* FindNamed(List& list, std::string_view name)
{
    for (Named& item : list)
        if (SettingsNamesEqual(item.name, name))
            return &item;
    return nullptr;
}

}  // namespace

SettingsType SettingsValue::Type() const
{
    switch (data.index()) {
    case 0: return SettingsType::String;
    case 1: return SettingsType::Binary;
    case 2: return SettingsType::Dword;
    default: return SettingsType::Multi;
    }
}

SettingsKey* SettingsKey::FindSubkey(std::string_view subkeyName)
{
    return FindNamed<SettingsKey>(subkeys, subkeyName);
}

const SettingsKey* SettingsKey::FindSubkey(std::string_view subkeyName) const
{
    return FindNamed<const SettingsKey>(subkeys, subkeyName);
}

SettingsNamedValue* SettingsKey::FindValue(std::string_view valueName)
{
    return FindNamed<SettingsNamedValue>(values, valueName);
}

const SettingsNamedValue* SettingsKey::FindValue(std::string_view valueName) const
{
    return FindNamed<const SettingsNamedValue>(values, valueName);
}

bool SettingsNamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    return true;
}

std::string SettingsParseError::Describe() const { return "line " + std::to_string(line) + ": " + what; }

SettingsParseResult ParseSettings(std::string_view text) { return Parser().Run(text); }

std::string FormatSettings(const SettingsKey& root)
{
    std::string out;
    for (const SettingsNamedValue& named : root.values)
        AppendValue(out, named);
    std::vector<std::string_view> path;
    for (const SettingsKey& subkey : root.subkeys)
        AppendKey(out, subkey, path);
    return out;
}

}  // namespace corvane
