#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace corvane {

// The resource tables of dialogs: what res/ declares for each dialog, and
// what dialogs are built from. Positions and sizes are in pixels.

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind {
    Edit,
    Static,
    Picture,
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    ComboBox,
    ListBox,
    ListView,
    TreeView,
    Spin,
    ProgressBar,
    Slider,
    DatePicker,
    TimePicker,
    IpAddress,
    Tab,
    LogBox,
};

// Style bits of a control; each applies to the kinds named.
namespace control_style {
inline constexpr std::uint32_t kGroup = 1u << 0;               // radio button: starts a new radio group
inline constexpr std::uint32_t kDisabled = 1u << 1;            // any
inline constexpr std::uint32_t kHidden = 1u << 2;              // any
inline constexpr std::uint32_t kMultiLine = 1u << 3;           // edit; check box, radio button: caption wraps
inline constexpr std::uint32_t kReadOnly = 1u << 4;            // edit
inline constexpr std::uint32_t kPassword = 1u << 5;            // edit
inline constexpr std::uint32_t kNumber = 1u << 6;              // edit: digits only
inline constexpr std::uint32_t kDefault = 1u << 7;             // push button: the default button
inline constexpr std::uint32_t kSorted = 1u << 8;              // combo box, list box
inline constexpr std::uint32_t kDropDownList = 1u << 9;        // combo box: no edit field
inline constexpr std::uint32_t kMultipleSelection = 1u << 10;  // list box: click toggles
inline constexpr std::uint32_t kExtendedSelection = 1u << 11;  // list box, list view: shift/ctrl ranges
inline constexpr std::uint32_t kTabStops = 1u << 12;           // list box: tab characters align columns
inline constexpr std::uint32_t kCheckBoxes = 1u << 13;         // list view, tree view
inline constexpr std::uint32_t kWantReturn = 1u << 14;         // multi-line edit: Enter makes a new line
inline constexpr std::uint32_t kUpperCase = 1u << 15;          // edit
inline constexpr std::uint32_t kVertical = 1u << 16;           // slider, spin
inline constexpr std::uint32_t kBuddyInteger = 1u << 17;       // spin: sets the number of the control before it
}  // namespace control_style

struct ControlTemplate {
    ControlKind kind = ControlKind::Static;
    int id = -1;  // -1 for static texts that are never addressed
    std::string_view text;
    DialogRect rect;
    std::uint32_t style = 0;
};

struct DialogTemplate {
    int id = 0;
    std::string_view caption;
    int width = 0;
    int height = 0;
    std::span<const ControlTemplate> controls;
};

// A property sheet that lies over a placeholder control of a host dialog,
// with the tables of the pages it shows.
struct ChildSheetTemplate {
    const DialogTemplate* host = nullptr;
    int placeholderId = 0;
    std::span<const DialogTemplate* const> pages;
};

// End codes and the ids of the standard buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdAbort = 3;
inline constexpr int kIdRetry = 4;
inline constexpr int kIdIgnore = 5;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
inline constexpr int kIdHelp = 57670;
inline constexpr int kIdStatic = -1;

}  // namespace corvane
