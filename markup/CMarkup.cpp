#include "markup/CMarkup.h"

#include <cstddef>
#include <limits>

namespace corvane {

namespace {

// Offsets are signed 32-bit, so the text stays below this length.
constexpr std::size_t kMaxText = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) - 1;
constexpr std::string_view kCdataOpen = "<![CDATA[";
constexpr std::string_view kLineBreak = "\r\n";

// The text is UTF-8, whose multi-byte characters never hold a byte below
// 0x80, so the ASCII marks below are found by stepping bytes.
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }
bool EndsToken(char c)
{
    return IsSpace(c) || c == '<' || c == '>' || c == '=' || c == '\\' || c == '/' || c == '?' || c == '!';
}

std::size_t At(std::int32_t offset) { return static_cast<std::size_t>(offset); }
std::int32_t Offset(std::size_t at) { return static_cast<std::int32_t>(at); }

// A token of a tag: a quoted string (quotes included), one of the
// characters that end tokens, or a run of other characters.
struct Token {
    std::size_t start = 0;
    std::size_t end = 0;
    bool quoted = false;

    bool Is(std::string_view text, char c) const { return !quoted && end == start + 1 && text[start] == c; }
    bool IsName(std::string_view text) const { return !quoted && end > start && !EndsToken(text[start]); }
    std::string_view In(std::string_view text) const { return text.substr(start, end - start); }
};

// Reads the token at or after pos; false when the text ends first or a
// quoted string is not closed.
bool ReadToken(std::string_view text, std::size_t pos, Token& token)
{
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    if (pos >= text.size())
        return false;
    token.start = pos;
    token.quoted = false;
    const char first = text[pos];
    if (IsQuote(first)) {
        const std::size_t close = text.find(first, pos + 1);
        if (close == std::string_view::npos)
            return false;
        token.end = close + 1;
        token.quoted = true;
        return true;
    }
    std::size_t end = pos + 1;
    if (!EndsToken(first)) {
        while (end < text.size() && !EndsToken(text[end]))
            ++end;
    }
    token.end = end;
    return true;
}

bool IsPlainName(std::string_view name)
{
    if (name.empty() || IsQuote(name.front()))
        return false;
    for (const char c : name) {
        if (EndsToken(c))
            return false;
    }
    return true;
}

// Skips a node that is no element; mark is the offset of its '?' or '!'.
// Returns the offset after the node, or npos when it is not closed.
std::size_t SkipNode(std::string_view text, std::size_t mark)
{
    const auto after = [&](std::string_view closing, std::size_t from) {
        const std::size_t found = text.find(closing, from);
        return found == std::string_view::npos ? found : found + closing.size();
    };
    if (text[mark] == '?')
        return after("?>", mark + 1);
    const char next = mark + 1 < text.size() ? text[mark + 1] : '\0';
    if (next == '[')
        return after("]]>", mark + 2);
    if (next == '-')
        return after("-->", mark + 2);
    // A declaration ends at the first '>' outside nested brackets.
    std::size_t depth = 0;
    for (std::size_t at = mark + 1; at < text.size(); ++at) {
        if (text[at] == '[')
            ++depth;
        else if (text[at] == ']' && depth > 0)
            --depth;
        else if (text[at] == '>' && depth == 0)
            return at + 1;
    }
    return std::string_view::npos;
}

enum class MarkKind { None, Element, Close, Failed };

// The next tag of the text: an element's start tag, the end of an element
// list (an end tag, or a '<' followed by no name), nothing, or an error.
struct Mark {
    MarkKind kind = MarkKind::None;
    std::size_t open = 0;   // the '<'
    std::size_t close = 0;  // the start tag's '>'
    bool empty = false;
    std::string_view error;
};

Mark NextMark(std::string_view text, std::size_t pos)
{
    Mark mark;
    for (;;) {
        mark.open = text.find('<', pos);
        if (mark.open == std::string_view::npos) {
            mark.kind = MarkKind::None;
            return mark;
        }
        Token token;
        mark.kind = MarkKind::Failed;
        if (!ReadToken(text, mark.open + 1, token)) {
            mark.error = "Abrupt end within tag";
            return mark;
        }
        if (token.quoted) {
            mark.error = "Tag starts with quote";
            return mark;
        }
        if (token.Is(text, '?') || token.Is(text, '!')) {
            pos = SkipNode(text, token.start);
            if (pos == std::string_view::npos) {
                mark.error = "Invalid node";
                return mark;
            }
            continue;
        }
        if (!token.IsName(text)) {
            mark.kind = MarkKind::Close;
            return mark;
        }
        // The start tag ends at the first '>' outside quoted values.
        Token part;
        std::size_t at = token.end;
        bool closed = false;
        while (!closed && ReadToken(text, at, part)) {
            closed = part.Is(text, '>');
            at = part.end;
        }
        if (!closed) {
            mark.error = "End of tag not found";
            return mark;
        }
        mark.kind = MarkKind::Element;
        mark.close = part.start;
        mark.empty = text[mark.close - 1] == '/';
        return mark;
    }
}

std::string Unescape(std::string_view text)
{
    static constexpr struct {
        std::string_view entity;
        char c;
    } kEntities[] = {{"lt;", '<'}, {"amp;", '&'}, {"gt;", '>'}, {"apos;", '\''}, {"quot;", '"'}};
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        out += text[at];
        if (text[at] != '&')
            continue;
        for (const auto& entity : kEntities) {
            if (text.substr(at + 1, entity.entity.size()) == entity.entity) {
                out.back() = entity.c;
                at += entity.entity.size();
                break;
            }
        }
    }
    return out;
}

// Element data escapes '<', '&' and '>'; attribute values the quotes too.
std::string Escape(std::string_view text, bool quotes)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '&': out += "&amp;"; break;
        case '>': out += "&gt;"; break;
        case '\'': out += quotes ? "&apos;" : "'"; break;
        case '"': out += quotes ? "&quot;" : "\""; break;
        default: out += c; break;
        }
    }
    return out;
}

bool Fits(std::size_t length, std::size_t extra) { return extra <= kMaxText && length <= kMaxText - extra; }

// Where an attribute of an element is, or where a new one goes.
struct AttributePlace {
    bool found = false;
    Token value;
    std::size_t insertAt = 0;
};

AttributePlace FindAttribute(std::string_view text, const ElemPos& elem, std::string_view name)
{
    AttributePlace place;
    const std::size_t limit = At(elem.IsEmpty() ? elem.endTagOpen : elem.startTagClose);
    place.insertAt = limit;
    Token token;
    if (!ReadToken(text, At(elem.startTagOpen) + 1, token))
        return place;
    std::size_t at = token.end;
    while (ReadToken(text, at, token) && token.end <= limit) {
        at = token.end;
        Token equals;
        Token value;
        if (token.IsName(text) && ReadToken(text, token.end, equals) && equals.end <= limit && equals.Is(text, '=')
            && ReadToken(text, equals.end, value) && value.end <= limit && (value.quoted || value.IsName(text))) {
            if (token.In(text) == name) {
                place.found = true;
                place.value = value;
                return place;
            }
            at = value.end;
        }
    }
    return place;
}

}  // namespace

CMarkup::CMarkup() { ParseDocument(); }

CMarkup::CMarkup(std::string_view text) { ParseDocument(text); }

CMarkup::~CMarkup() = default;

bool CMarkup::ParseDocument(std::string_view text)
{
    text_.assign(text);
    error_.clear();
    ResetPosition();
    const std::size_t slots = text_.size() / 64 + 8;
    if (table_.size() < slots)
        table_.resize(slots);
    table_[0] = ElemPos{};
    nextFree_ = 1;
    if (text_.size() > kMaxText)
        return ParseError("Document too large");
    return ParseElements();
}

bool CMarkup::IsWellFormedDocument() const { return Elem(0).firstChild != 0; }

bool CMarkup::ParseError(std::string_view message, std::string_view name)
{
    error_.assign(message);
    if (const std::size_t mark = error_.find("%s"); mark != std::string::npos)
        error_.replace(mark, 2, name);
    table_[0] = ElemPos{};
    nextFree_ = 1;
    return false;
}

std::int32_t CMarkup::AllocElementPos()
{
    if (At(nextFree_) >= table_.size())
        table_.resize(table_.size() + table_.size() / 2 + 1);
    table_[At(nextFree_)] = ElemPos{};
    return nextFree_++;
}

// Parses the root element and everything inside it. Open elements are kept
// on a list of their own rather than the call stack, so deep nesting cannot
// exhaust the stack.
bool CMarkup::ParseElements()
{
    const std::string_view text = text_;
    struct Open {
        std::int32_t index = 0;
        std::int32_t lastChild = 0;
    };
    std::vector<Open> open;
    const auto place = [&](const Mark& mark, std::int32_t parent) {
        const std::int32_t index = AllocElementPos();
        ElemPos& elem = Elem(index);
        elem.startTagOpen = Offset(mark.open);
        elem.startTagClose = Offset(mark.close);
        elem.parent = parent;
        if (mark.empty) {
            elem.endTagOpen = Offset(mark.close - 1);
            elem.endTagClose = Offset(mark.close);
        }
        return index;
    };

    const Mark first = NextMark(text, 0);
    if (first.kind == MarkKind::Failed)
        return ParseError(first.error);
    if (first.kind != MarkKind::Element)
        return ParseError("Element tag not found");
    const std::int32_t root = place(first, 0);
    if (!first.empty)
        open.push_back({root, 0});
    std::size_t pos = first.close + 1;

    while (!open.empty()) {
        const Open top = open.back();
        const Mark mark = NextMark(text, pos);
        if (mark.kind == MarkKind::Failed)
            return ParseError(mark.error);
        if (mark.kind == MarkKind::None)
            return ParseError("End tag of %s element not found", TagName(top.index));
        if (mark.kind == MarkKind::Element) {
            const std::int32_t child = place(mark, top.index);
            if (top.lastChild != 0)
                Elem(top.lastChild).nextSibling = child;
            else
                Elem(top.index).firstChild = child;
            open.back().lastChild = child;
            pos = mark.close + 1;
            if (!mark.empty)
                open.push_back({child, 0});
            continue;
        }
        // The element list ends: this must be the end tag of the open element.
        const std::string name = TagName(top.index);
        Token slash;
        if (!ReadToken(text, mark.open + 1, slash) || !slash.Is(text, '/'))
            return ParseError("Expecting end tag of element %s", name);
        Token endName;
        if (!ReadToken(text, slash.end, endName) || !endName.IsName(text) || endName.In(text) != name)
            return ParseError("End tag does not correspond to %s", name);
        Token close;
        if (!ReadToken(text, endName.end, close) || !close.Is(text, '>'))
            return ParseError("End tag not completed for element %s", name);
        ElemPos& elem = Elem(top.index);
        elem.endTagOpen = Offset(mark.open);
        elem.endTagClose = Offset(close.start);
        pos = close.end;
        open.pop_back();
    }
    Elem(0).firstChild = root;
    return true;
}

bool CMarkup::FindAmongSiblings(std::int32_t& found, std::int32_t first, std::string_view name) const
{
    for (std::int32_t index = first; index != 0; index = Elem(index).nextSibling) {
        if (name.empty() || TagName(index) == name) {
            found = index;
            return true;
        }
    }
    return false;
}

bool CMarkup::FindSiblingElement(std::string_view name)
{
    const std::int32_t first = current_ != 0 ? Elem(current_).nextSibling : Elem(parent_).firstChild;
    std::int32_t found = 0;
    if (!FindAmongSiblings(found, first, name))
        return false;
    current_ = found;
    child_ = 0;
    return true;
}

bool CMarkup::FindChildElement(std::string_view name)
{
    if (current_ == 0 && !FindSiblingElement())
        return false;
    const std::int32_t first = child_ != 0 ? Elem(child_).nextSibling : Elem(current_).firstChild;
    std::int32_t found = 0;
    if (!FindAmongSiblings(found, first, name))
        return false;
    child_ = found;
    return true;
}

bool CMarkup::EnterElement()
{
    if (current_ == 0)
        return false;
    parent_ = current_;
    current_ = child_;
    child_ = 0;
    return true;
}

bool CMarkup::LeaveElement()
{
    if (parent_ == 0)
        return false;
    child_ = current_;
    current_ = parent_;
    parent_ = Elem(parent_).parent;
    return true;
}

void CMarkup::ResetPosition()
{
    parent_ = 0;
    current_ = 0;
    child_ = 0;
}

std::string CMarkup::GetTagName() const { return TagName(current_); }

std::string CMarkup::GetChildTagName() const { return TagName(child_); }

std::string CMarkup::GetData() const { return Data(current_); }

std::string CMarkup::GetChildData() const { return Data(child_); }

std::string CMarkup::TagName(std::int32_t index) const
{
    if (index <= 0)
        return {};
    Token token;
    if (!ReadToken(text_, At(Elem(index).startTagOpen) + 1, token) || !token.IsName(text_))
        return {};
    return std::string(token.In(text_));
}

std::string CMarkup::Data(std::int32_t index) const
{
    if (index <= 0)
        return {};
    const ElemPos& elem = Elem(index);
    if (elem.firstChild != 0 || elem.IsEmpty() || elem.endTagOpen <= elem.startTagClose)
        return {};
    const std::string_view text = text_;
    const std::size_t begin = At(elem.startTagClose) + 1;
    const std::size_t end = At(elem.endTagOpen);
    std::size_t at = begin;
    while (at < end && IsSpace(text[at]))
        ++at;
    if (text.substr(at, end - at).starts_with(kCdataOpen)) {
        const std::size_t inside = at + kCdataOpen.size();
        const std::size_t close = text.find("]]>", inside);
        if (close != std::string_view::npos && close + 3 <= end)
            return std::string(text.substr(inside, close - inside));
    }
    return Unescape(text.substr(begin, end - begin));
}

bool CMarkup::AddElement(std::string_view name, std::string_view data)
{
    std::int32_t added = 0;
    if (!InsertElement(parent_, current_, name, data, added))
        return false;
    current_ = added;
    child_ = 0;
    return true;
}

bool CMarkup::AddChildElement(std::string_view name, std::string_view data)
{
    std::int32_t added = 0;
    if (current_ == 0 || !InsertElement(current_, child_, name, data, added))
        return false;
    child_ = added;
    return true;
}

bool CMarkup::InsertElement(
    std::int32_t parent, std::int32_t after, std::string_view name, std::string_view data, std::int32_t& added)
{
    if (!IsPlainName(name))
        return false;
    const std::string escaped = Escape(data, false);
    std::string element = "<";
    element += name;
    if (escaped.empty()) {
        element += "/>";
    } else {
        element += '>';
        element += escaped;
        element += "</";
        element += name;
        element += '>';
    }
    element += kLineBreak;
    const std::string parentName = TagName(parent);
    if (!Fits(text_.size(), element.size() + parentName.size() + 6))
        return false;
    if (parent == 0 && Elem(0).firstChild != 0)
        return false;

    const std::int32_t index = AllocElementPos();
    std::size_t start = 0;
    if (parent == 0) {
        // The root goes at the end of the text, after any declaration.
        start = text_.size();
        text_ += element;
        Elem(0).firstChild = index;
    } else if (after != 0) {
        // Right after the element before it, behind its line break.
        start = At(Elem(after).endTagClose) + 1;
        if (std::string_view(text_).substr(start).starts_with(kLineBreak))
            start += kLineBreak.size();
        else if (start < text_.size() && text_[start] == '\n')
            ++start;
        ReplaceText(start, 0, element);
        Elem(index).nextSibling = Elem(after).nextSibling;
        Elem(after).nextSibling = index;
    } else if (Elem(parent).IsEmpty()) {
        // "<P/>" opens into "<P>", the new element's line and "</P>": the
        // '/' gives way and the tag's '>' closes the end tag.
        const std::size_t slash = At(Elem(parent).endTagOpen);
        // A start tag left ending in "/>" (from "<P//>") would read as
        // empty again, so a space keeps the two apart.
        const bool slashBefore = slash > 0 && text_[slash - 1] == '/';
        std::string opened = slashBefore ? " >" : ">";
        opened += kLineBreak;
        opened += element;
        opened += "</";
        opened += parentName;
        ReplaceText(slash, 1, opened);
        start = slash + (slashBefore ? 2 : 1) + kLineBreak.size();
        ElemPos& outer = Elem(parent);
        outer.startTagClose = Offset(start - kLineBreak.size() - 1);
        outer.endTagOpen = Offset(start + element.size());
        outer.firstChild = index;
    } else {
        // Last of the level, just in front of the parent's end tag; a parent
        // with nothing between its tags gets a line break first.
        ElemPos& outer = Elem(parent);
        std::size_t at = At(outer.endTagOpen);
        const bool bare = outer.startTagClose + 1 == outer.endTagOpen;
        std::int32_t last = outer.firstChild;
        while (last != 0 && Elem(last).nextSibling != 0)
            last = Elem(last).nextSibling;
        if (last != 0)
            Elem(last).nextSibling = index;
        else
            Elem(parent).firstChild = index;
        ReplaceText(at, 0, bare ? std::string(kLineBreak) + element : element);
        if (bare)
            at += kLineBreak.size();
        start = at;
    }

    ElemPos& elem = Elem(index);
    elem.parent = parent;
    elem.startTagOpen = Offset(start);
    if (escaped.empty()) {
        elem.endTagOpen = Offset(start + 1 + name.size());
        elem.startTagClose = elem.endTagOpen + 1;
        elem.endTagClose = elem.startTagClose;
    } else {
        elem.startTagClose = Offset(start + 1 + name.size());
        elem.endTagOpen = elem.startTagClose + 1 + Offset(escaped.size());
        elem.endTagClose = elem.endTagOpen + 2 + Offset(name.size());
    }
    added = index;
    return true;
}

// Replaces removed bytes at offset and moves every position behind them by
// the change in length. The slot of an element being added holds zeros until
// it is placed, which no edit point reaches.
void CMarkup::ReplaceText(std::size_t offset, std::size_t removed, const std::string& inserted)
{
    text_.replace(offset, removed, inserted);
    const std::int32_t delta = Offset(inserted.size()) - Offset(removed);
    const std::int32_t behind = Offset(offset + removed);
    for (std::int32_t index = 1; index < nextFree_; ++index) {
        ElemPos& elem = Elem(index);
        for (std::int32_t* position : {&elem.startTagOpen, &elem.startTagClose, &elem.endTagOpen, &elem.endTagClose}) {
            if (*position >= behind)
                *position += delta;
        }
    }
}

std::string CMarkup::GetAttribute(std::string_view name) const { return Attribute(current_, name); }

std::string CMarkup::GetChildAttribute(std::string_view name) const { return Attribute(child_, name); }

bool CMarkup::SetAttribute(std::string_view name, std::string_view value)
{
    return WriteAttribute(current_, name, value);
}

bool CMarkup::SetChildAttribute(std::string_view name, std::string_view value)
{
    return WriteAttribute(child_, name, value);
}

std::string CMarkup::Attribute(std::int32_t index, std::string_view name) const
{
    if (index <= 0 || name.empty())
        return {};
    const AttributePlace place = FindAttribute(text_, Elem(index), name);
    if (!place.found)
        return {};
    std::string_view raw = place.value.In(text_);
    if (place.value.quoted)
        raw = raw.substr(1, raw.size() - 2);
    return Unescape(raw);
}

bool CMarkup::WriteAttribute(std::int32_t index, std::string_view name, std::string_view value)
{
    if (index <= 0 || !IsPlainName(name))
        return false;
    std::string quoted = "\"";
    quoted += Escape(value, true);
    quoted += '"';
    if (!Fits(text_.size(), quoted.size() + name.size() + 2))
        return false;
    const AttributePlace place = FindAttribute(text_, Elem(index), name);
    if (place.found) {
        ReplaceText(place.value.start, place.value.end - place.value.start, quoted);
    } else {
        std::string attribute = " ";
        attribute += name;
        attribute += '=';
        attribute += quoted;
        ReplaceText(place.insertAt, 0, attribute);
    }
    return true;
}

ElemPos& CMarkup::Elem(std::int32_t index) { return table_.at(At(index)); }

const ElemPos& CMarkup::Elem(std::int32_t index) const { return table_.at(At(index)); }

}  // namespace corvane
