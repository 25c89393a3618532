#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class SettingsStore;

// One function of the library: an equation and the user's comment.
struct MathFunction {
    std::string equation;
    std::string comment;
    friend bool operator==(const MathFunction&, const MathFunction&) = default;
};

// The user's math function library in the settings store: one text value
// per function, named "Math01", "Math02" and so on, holding the equation,
// a TAB and the comment; at most 80 values.
class MathFunctionLibrary {
public:
    static constexpr std::string_view kKey = "Software\\Tarnwick\\Corvane\\Math";
    static constexpr std::size_t kMaxFunctions = 80;

    enum class AddResult { Added, Full, NoEquation, WriteFailed };

    explicit MathFunctionLibrary(SettingsStore& store) : store_(store) {}

    // Every function in the order of the values (the key is created when
    // missing). A text without a TAB is all comment. Nothing when the key
    // cannot be opened.
    std::optional<std::vector<MathFunction>> Load();
    // Replaces the whole key with the functions as Math01, Math02, ...;
    // false when the store could not keep it.
    bool Rewrite(std::span<const MathFunction> functions);
    // Writes a new function under the first free "Math%02d" name.
    AddResult Add(const MathFunction& function);

    static MathFunction Split(std::string_view value);
    static std::string Join(const MathFunction& function);
    // "Math%02d".
    static std::string ValueName(std::size_t number);

private:
    SettingsStore& store_;
};

}  // namespace corvane
