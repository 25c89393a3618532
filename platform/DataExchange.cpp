#include "platform/DataExchange.h"

#include "base/Cp1252.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"

#include <cerrno>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace corvane {

namespace {

// The refusal texts of data exchange, in one place.
enum class Refusal { Integer, Unsigned, Number, IntegerRange, UnsignedRange, NumberRange, TooLong };

constexpr const char* kRefusalTexts[] = {
    "Enter a whole number.",
    "Enter a whole number of 0 or more.",
    "Enter a number.",
    "Enter a whole number from %" PRId64 " to %" PRId64 ".",
    "Enter a whole number from %" PRIu64 " to %" PRIu64 ".",
    "Enter a number from %g to %g.",
    "Enter no more than %zu characters.",
};

const char* RefusalText(Refusal r) { return kRefusalTexts[static_cast<int>(r)]; }

std::string_view Trim(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

template <class... Args> std::string Format(const char* format, Args... args)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

Control* Find(DataExchange& dx, int id) { return dx.Owner().GetControl(id); }

// Reads a control's text on save, writes it on load; false when the pass is over.
bool TextOf(DataExchange& dx, int id, std::string& text)
{
    if (!dx.Active())
        return false;
    Control* control = Find(dx, id);
    if (control == nullptr)
        return false;
    if (dx.Saving())
        text = control->GetText();
    else
        control->SetText(text);
    return true;
}

void ExchangeSigned(DataExchange& dx, int id, int& value, std::int64_t minimum, std::int64_t maximum, bool ranged)
{
    if (!dx.Active() || Find(dx, id) == nullptr)
        return;
    if (!dx.Saving()) {
        Find(dx, id)->SetText(std::to_string(value));
        return;
    }
    std::string text;
    TextOf(dx, id, text);
    std::int64_t parsed = 0;
    if (!ParseInt(text, parsed) || parsed < std::numeric_limits<int>::min()
        || parsed > std::numeric_limits<int>::max()) {
        dx.Refuse(id, RefusalText(Refusal::Integer));
        return;
    }
    if (ranged && (parsed < minimum || parsed > maximum)) {
        dx.Refuse(id, Format(RefusalText(Refusal::IntegerRange), minimum, maximum));
        return;
    }
    value = static_cast<int>(parsed);
}

void ExchangeUnsigned(
    DataExchange& dx, int id, std::uint32_t& value, std::uint64_t minimum, std::uint64_t maximum, bool ranged)
{
    if (!dx.Active() || Find(dx, id) == nullptr)
        return;
    if (!dx.Saving()) {
        Find(dx, id)->SetText(std::to_string(value));
        return;
    }
    std::string text;
    TextOf(dx, id, text);
    std::uint64_t parsed = 0;
    if (!ParseUnsigned(text, parsed) || parsed > std::numeric_limits<std::uint32_t>::max()) {
        dx.Refuse(id, RefusalText(Refusal::Unsigned));
        return;
    }
    if (ranged && (parsed < minimum || parsed > maximum)) {
        dx.Refuse(id, Format(RefusalText(Refusal::UnsignedRange), minimum, maximum));
        return;
    }
    value = static_cast<std::uint32_t>(parsed);
}

void ExchangeDouble(DataExchange& dx, int id, double& value, int digits, double minimum, double maximum, bool ranged)
{
    if (!dx.Active() || Find(dx, id) == nullptr)
        return;
    if (!dx.Saving()) {
        Find(dx, id)->SetText(Format("%.*g", digits, value));
        return;
    }
    std::string text;
    TextOf(dx, id, text);
    double parsed = 0;
    if (!ParseDouble(text, parsed)) {
        dx.Refuse(id, RefusalText(Refusal::Number));
        return;
    }
    if (ranged && (parsed < minimum || parsed > maximum)) {
        dx.Refuse(id, Format(RefusalText(Refusal::NumberRange), minimum, maximum));
        return;
    }
    value = parsed;
}

}  // namespace

void DataExchange::Refuse(int controlId, std::string_view text)
{
    if (failed_)
        return;
    failed_ = true;
    MessageBoxRequest request;
    request.owner = dialog_.Handle();
    request.text = std::string(text);
    request.icon = MessageBoxIcon::Warning;
    request.buttons = MessageBoxButtons::Ok;
    Application::Instance().Prompts().ShowMessageBox(request);
    if (Control* control = dialog_.GetControl(controlId)) {
        control->SetFocus();
        if (auto* edit = dynamic_cast<EditControl*>(control))
            edit->SetSel(0, -1);
    }
}

bool ParseInt(std::string_view text, std::int64_t& value)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::uint64_t magnitude = 0;
    if (text.empty() || text.front() < '0' || text.front() > '9' || !ParseUnsigned(text, magnitude))
        return false;
    const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    if (magnitude > limit)
        return false;
    value = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

bool ParseUnsigned(std::string_view text, std::uint64_t& value)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    std::uint64_t result = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (result > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            return false;
        result = result * 10 + digit;
    }
    value = result;
    return true;
}

bool ParseDouble(std::string_view text, double& value)
{
    const std::string copy(Trim(text));
    if (copy.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || errno == ERANGE || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

void DdxText(DataExchange& dx, int id, std::string& value, std::size_t maxLength)
{
    if (!dx.Active() || Find(dx, id) == nullptr)
        return;
    if (!dx.Saving()) {
        Find(dx, id)->SetText(value);
        return;
    }
    std::string text;
    TextOf(dx, id, text);
    if (maxLength != 0 && Cp1252Length(text) > maxLength) {
        dx.Refuse(id, Format(RefusalText(Refusal::TooLong), maxLength));
        return;
    }
    value = std::move(text);
}

void DdxInt(DataExchange& dx, int id, int& value) { ExchangeSigned(dx, id, value, 0, 0, false); }
void DdxInt(DataExchange& dx, int id, int& value, int minimum, int maximum)
{
    ExchangeSigned(dx, id, value, minimum, maximum, true);
}
void DdxUnsigned(DataExchange& dx, int id, std::uint32_t& value) { ExchangeUnsigned(dx, id, value, 0, 0, false); }
void DdxUnsigned(DataExchange& dx, int id, std::uint32_t& value, std::uint32_t minimum, std::uint32_t maximum)
{
    ExchangeUnsigned(dx, id, value, minimum, maximum, true);
}
void DdxFloat(DataExchange& dx, int id, double& value) { ExchangeDouble(dx, id, value, 15, 0, 0, false); }
void DdxFloat(DataExchange& dx, int id, double& value, double minimum, double maximum)
{
    ExchangeDouble(dx, id, value, 15, minimum, maximum, true);
}

void DdxFloat(DataExchange& dx, int id, float& value)
{
    double wide = value;
    ExchangeDouble(dx, id, wide, 6, 0, 0, false);
    if (dx.Saving() && dx.Active())
        value = static_cast<float>(wide);
}

void DdxFloat(DataExchange& dx, int id, float& value, float minimum, float maximum)
{
    double wide = value;
    ExchangeDouble(dx, id, wide, 6, minimum, maximum, true);
    if (dx.Saving() && dx.Active())
        value = static_cast<float>(wide);
}

void DdxCheck(DataExchange& dx, int id, int& value)
{
    if (!dx.Active())
        return;
    auto* button = dx.Owner().GetControlAs<ButtonControl>(id);
    if (button == nullptr)
        return;
    if (dx.Saving())
        value = button->GetCheck();
    else
        button->SetCheck(value);
}

void DdxRadio(DataExchange& dx, int firstId, int& index)
{
    if (!dx.Active())
        return;
    // The group runs from its first button through the radio buttons that
    // follow it in the table, up to the next one that starts a group.
    const auto& controls = dx.Owner().Layout().controls;
    std::size_t start = 0;
    while (start < controls.size() && controls[start].id != firstId)
        ++start;
    if (start == controls.size() || controls[start].kind != ControlKind::RadioButton)
        return;
    int found = -1;
    int position = 0;
    for (std::size_t i = start; i < controls.size() && controls[i].kind == ControlKind::RadioButton; ++i, ++position) {
        if (i > start && (controls[i].style & control_style::kGroup) != 0)
            break;
        auto* button = dx.Owner().GetControlAs<ButtonControl>(controls[i].id);
        if (button == nullptr)
            continue;
        if (dx.Saving()) {
            if (button->GetCheck() != 0 && found < 0)
                found = position;
        } else {
            button->SetCheck(position == index ? 1 : 0);
        }
    }
    if (dx.Saving())
        index = found;
}

void DdxComboIndex(DataExchange& dx, int id, int& index)
{
    if (!dx.Active())
        return;
    auto* combo = dx.Owner().GetControlAs<ComboBoxControl>(id);
    if (combo == nullptr)
        return;
    if (dx.Saving())
        index = combo->GetCurSel();
    else
        combo->SetCurSel(index);
}

}  // namespace corvane
