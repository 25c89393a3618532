#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// One element of a markup document, as offsets into the document text.
struct ElemPos {
    std::int32_t startTagOpen = 0;   // the '<' that opens the start tag
    std::int32_t startTagClose = 0;  // the '>' that closes the start tag
    // The '<' that opens the end tag; for an element written as one tag, its
    // '/', one before the start tag's '>'.
    std::int32_t endTagOpen = 0;
    std::int32_t endTagClose = 0;  // the '>' that closes the end tag
    std::int32_t parent = 0;
    std::int32_t firstChild = 0;   // 0 = none
    std::int32_t nextSibling = 0;  // 0 = none

    // Written as one tag ("<name/>").
    bool IsEmpty() const { return startTagClose == endTagOpen + 1; }
};

// A small XML document kept as its text plus a table of element positions
// into that text. Navigation moves a cursor (parent, current element,
// current child) over the table; additions edit the text in place and shift
// the positions behind them. What is added is written exactly as the
// functions below say, with CR LF after each element and no indentation, so
// the bytes of a document built through it are fixed.
//
// Parsing never throws and never reads past the text; it reports failure by
// its result and `GetError`. Slot 0 of the table stands for the document;
// its first child is the root element.
class CMarkup {
public:
    CMarkup();
    explicit CMarkup(std::string_view text);
    CMarkup(const CMarkup&) = default;
    CMarkup& operator=(const CMarkup&) = default;
    CMarkup(CMarkup&&) = default;
    CMarkup& operator=(CMarkup&&) = default;
    virtual ~CMarkup();

    // Replaces the document with text (empty for none), puts the cursor on
    // nothing and parses. True when the text holds a root element; otherwise
    // the table is left empty and the reason is in `GetError`.
    bool ParseDocument(std::string_view text = {});
    bool IsWellFormedDocument() const;
    // The text of the last parse failure (empty after a parse that worked).
    const std::string& GetError() const { return error_; }
    const std::string& GetDocument() const { return text_; }

    // Searches forward from the current element (from the first element of
    // the level when there is none) for a sibling named name (any element
    // when name is empty); a match becomes the current element and clears
    // the child cursor. Names are compared case-sensitively.
    bool FindSiblingElement(std::string_view name = {});
    // With no current element, first finds the first element of the level;
    // then searches the current element's children after the current child
    // and makes the match the current child.
    bool FindChildElement(std::string_view name = {});
    // The current element becomes the parent and the current child the
    // current element.
    bool EnterElement();
    // The parent becomes the current element again, the element it left the
    // current child.
    bool LeaveElement();
    // Puts the cursor back on nothing, as a parse leaves it.
    void ResetPosition();

    std::string GetTagName() const;
    std::string GetChildTagName() const;
    // An element's data: empty when it has children or is written as one
    // tag; a CDATA section taken as is; otherwise its text with the five
    // entities read back (any other '&' stays as it is).
    std::string GetData() const;
    std::string GetChildData() const;

    // Adds "<name>data</name>" CR LF ("<name/>" CR LF without data) after
    // the current element, or at the end of the level when there is none;
    // it becomes the current element. Only one root element can be added.
    // False, with nothing changed, for a name that is not a plain tag name.
    bool AddElement(std::string_view name, std::string_view data = {});
    // The same after the current child, as a child of the current element;
    // the new element becomes the current child.
    bool AddChildElement(std::string_view name, std::string_view data = {});

    // Attributes of the current element or child, values with the five
    // entities escaped when written and read back when read.
    std::string GetAttribute(std::string_view name) const;
    std::string GetChildAttribute(std::string_view name) const;
    bool SetAttribute(std::string_view name, std::string_view value);
    bool SetChildAttribute(std::string_view name, std::string_view value);

private:
    bool ParseElements();
    bool ParseError(std::string_view message, std::string_view name = {});
    std::int32_t AllocElementPos();
    bool InsertElement(
        std::int32_t parent, std::int32_t after, std::string_view name, std::string_view data, std::int32_t& added);
    void ReplaceText(std::size_t offset, std::size_t removed, const std::string& inserted);
    std::string TagName(std::int32_t index) const;
    std::string Data(std::int32_t index) const;
    std::string Attribute(std::int32_t index, std::string_view name) const;
    bool WriteAttribute(std::int32_t index, std::string_view name, std::string_view value);
    bool FindAmongSiblings(std::int32_t& found, std::int32_t first, std::string_view name) const;
    ElemPos& Elem(std::int32_t index);
    const ElemPos& Elem(std::int32_t index) const;

    std::string text_;
    std::string error_;
    std::vector<ElemPos> table_;
    std::int32_t parent_ = 0;
    std::int32_t current_ = 0;
    std::int32_t child_ = 0;
    std::int32_t nextFree_ = 1;
};

}  // namespace corvane
