#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class Dialog;

// One pass of moving values between a dialog's controls and its members.
// Loading (saveAndValidate false) sets the controls; saving reads, checks and
// stores them. The first refused value ends the pass: its text is shown in a
// message box, the control gets the focus, and later exchanges do nothing.
class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate) : dialog_(dialog), saving_(saveAndValidate) {}

    bool Saving() const { return saving_; }
    bool Failed() const { return failed_; }
    bool Active() const { return !failed_; }
    Dialog& Owner() const { return dialog_; }

    void Refuse(int controlId, std::string_view text);

private:
    Dialog& dialog_;
    bool saving_;
    bool failed_ = false;
};

// Text; maxLength counts the characters of the stored (single-byte) text, 0 for none.
void DdxText(DataExchange& dx, int id, std::string& value, std::size_t maxLength = 0);
void DdxInt(DataExchange& dx, int id, int& value);
void DdxInt(DataExchange& dx, int id, int& value, int minimum, int maximum);
void DdxUnsigned(DataExchange& dx, int id, std::uint32_t& value);
void DdxUnsigned(DataExchange& dx, int id, std::uint32_t& value, std::uint32_t minimum, std::uint32_t maximum);
void DdxFloat(DataExchange& dx, int id, double& value);
void DdxFloat(DataExchange& dx, int id, double& value, double minimum, double maximum);
void DdxFloat(DataExchange& dx, int id, float& value);
void DdxFloat(DataExchange& dx, int id, float& value, float minimum, float maximum);
// A check box: 0 or 1.
void DdxCheck(DataExchange& dx, int id, int& value);
// A radio group named by its first button: the index of the checked button, -1 for none.
void DdxRadio(DataExchange& dx, int firstId, int& index);
// A combo box's selected index, -1 for none.
void DdxComboIndex(DataExchange& dx, int id, int& index);

// Parsers behind the exchanges, in the C locale; whitespace around the
// number is allowed, anything else is refused.
bool ParseInt(std::string_view text, std::int64_t& value);
bool ParseUnsigned(std::string_view text, std::uint64_t& value);
bool ParseDouble(std::string_view text, double& value);

}  // namespace corvane
