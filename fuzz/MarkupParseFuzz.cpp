// Parses arbitrary text as a markup document and walks every element it
// finds; when a root is found, adds an attribute and elements to it and
// checks that the edited text parses to the same elements the edited
// document holds, so positions kept while editing match a fresh parse.
#include "markup/CMarkup.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Every element in document order, read through the cursor alone (no
// recursion, so deep nesting is walked too).
std::string Outline(corvane::CMarkup markup)
{
    std::string out;
    markup.ResetPosition();
    for (;;) {
        if (markup.FindSiblingElement()) {
            out += markup.GetTagName() + "=" + markup.GetData() + "[" + markup.GetAttribute("k") + "]{";
            markup.EnterElement();
            continue;
        }
        if (!markup.LeaveElement())
            return out;
        out += "}";
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using corvane::CMarkup;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CMarkup markup(text);
    if (markup.GetDocument() != text || markup.IsWellFormedDocument() != markup.GetError().empty())
        std::abort();
    const std::string outline = Outline(markup);
    if (!markup.IsWellFormedDocument()) {
        if (!outline.empty())
            std::abort();
        return 0;
    }

    CMarkup edited = markup;
    if (!edited.FindSiblingElement() || !edited.SetAttribute("k", "<&>'\"") || !edited.AddChildElement("n", "a<b&c>'\"")
        || !edited.EnterElement() || !edited.AddElement("m") || !edited.AddChildElement("z", "]]>"))
        std::abort();
    const CMarkup reparsed(edited.GetDocument());
    if (!reparsed.IsWellFormedDocument() || Outline(reparsed) != Outline(edited))
        std::abort();
    return 0;
}
