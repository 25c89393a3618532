#pragma once

#include <span>
#include <string_view>

namespace corvane {

class ComboBoxControl;

// Empties the combo box, then adds strings[first] .. strings[last] in order,
// stopping at the first empty string or the end of the table.
void FillComboBox(ComboBoxControl& combo, std::span<const std::string_view> strings, int first, int last);
// Empties the combo box, then adds the decimal numbers first .. last; with
// first > last it only empties it.
void FillComboBox(ComboBoxControl& combo, int first, int last);

}  // namespace corvane
