#include "controls/NumericText.h"

#include "controls/NumericFilter.h"
#include "platform/EditControl.h"

#include <string>

namespace corvane {

namespace {

// The UTF-8 text as code points; a broken sequence gives a character no
// numeric text accepts.
std::u32string ToCodePoints(std::string_view text)
{
    std::u32string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            result.push_back(byte);
            continue;
        }
        result.push_back(U'\xFFFD');
        while (i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80)
            ++i;
    }
    return result;
}

bool IsNumberChar(char32_t c, bool signAllowed)
{
    return (c >= U'0' && c <= U'9') || c == U'.' || (signAllowed && c == U'-');
}

}  // namespace

bool IsNumericEditText(std::u32string_view text, bool signAllowed)
{
    bool seenPoint = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c >= U'0' && c <= U'9')
            continue;
        if (c == U'-' && signAllowed && i == 0)
            continue;
        if (c == U'.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        return false;
    }
    return true;
}

std::function<bool(char32_t)> MakeNumericFilter(const EditControl& edit, bool signAllowed)
{
    const EditControl* control = &edit;
    return [control, signAllowed](char32_t c) {
        return IsNumberChar(c, signAllowed) && IsNumericEditText(ToCodePoints(control->GetText()), signAllowed);
    };
}

}  // namespace corvane
