#pragma once

#include "platform/ColourValue.h"

#include <cstdint>
#include <string>

namespace corvane {

struct TreeOptionsEditorClass;

// What an option tree item is (TreeOptionsItemData::kind).
enum class TreeOptionsKind : std::int32_t {
    None = 0,
    Group = 1,         // heading with image
    EditWithSpin = 2,  // edit box with a spin button
    FileEdit = 3,      // edit box with a file browse button
    FolderEdit = 4,    // edit box with a folder browse button
    Colour = 5,        // browse button for a colour
    Font = 6,          // browse button for a font
    CheckBox = 7,
    RadioButton = 8,
    Editor = 9,  // any editor class (combo boxes)
    EditBox = 10,
    DateTime = 11,  // date or time picker
    IpAddress = 12,
    BrowseButton = 13,  // a browse button with an action of its own
};

// A font as a font item keeps it: the fields of a logical font.
struct TreeOptionsFont {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;  // at most 31 bytes
    friend bool operator==(const TreeOptionsFont&, const TreeOptionsFont&) = default;
};

// A date and time as a date or time item keeps it.
struct TreeOptionsTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
    friend bool operator==(const TreeOptionsTime&, const TreeOptionsTime&) = default;
};

// The record of an option tree item; copying copies every field.
struct TreeOptionsItemData {
    const TreeOptionsEditorClass* editorClass = nullptr;  // null: no editor
    const TreeOptionsEditorClass* extraClass = nullptr;   // a spin or a browse button beside the editor
    TreeOptionsKind kind = TreeOptionsKind::None;
    std::uint32_t userValue = 0;
    std::uint32_t colour = 255;  // 0x00BBGGRR
    TreeOptionsFont font;
    TreeOptionsTime dateTime;
    std::uint32_t ipAddress = 0;  // first octet in the most significant byte
    bool showColourSwatch = true;
    bool enabled = true;
    bool checked = false;
    bool partlyChecked = false;
    std::string valueText;  // the whole text of a multi-line edit item
};

}  // namespace corvane
